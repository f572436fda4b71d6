#pragma once
// The USB link to the meter: a thin layer over the driver that adds typed line
// settings, an open/closed state guarding against double opening and closing,
// and fixed messages for misuse. Driver failures come back as false, never as
// exceptions; misuse throws std::runtime_error("tftdichip.<operation>: <reason>")
// before any driver call.
#include "FTDItypes.h"
#include "drivers/FtdiDriver.h"

#include <QByteArray>
#include <memory>

class tftdichip {
public:
    // Uses the program's driver, chosen once per run from ZQM_DRIVER.
    tftdichip();
    explicit tftdichip(std::shared_ptr<FtdiDriver> driver);
    ~tftdichip();
    tftdichip(const tftdichip&) = delete;
    tftdichip& operator=(const tftdichip&) = delete;

    // Driver handle of the open device; meaningful only while fconnected.
    // Pointer-sized: the vendor library hands out pointers on 64-bit systems.
    FtHandle fhandle = 0;
    bool fconnected = false;
    // Set by every successful write.
    bool dataHasBeenSent = false;

    bool openDeviceBySerial(const QByteArray& deviceSerial);
    void closeDevice();
    bool resetDevice();
    bool setBaudRate(fBaudRate baudrate);
    bool setDataCharacteristics(fWordLength wordLength, fStopBits stopBits, fParity parity);
    bool setFlowControl(fFlowControl flowcontrol, quint8 xonChar, quint8 xoffChar);
    bool setTimeouts(quint32 readTimeout, quint32 writeTimeout);
    bool setLatencyTimer(quint8 millisecs);
    bool write(const void* buffer, int bytesToWrite, int& bytesWritten);
    bool read(void* buffer, int bytesToRead, int& bytesRead);
    bool getReceiveQueueStatus(int& bytesWaiting);
    bool purgeQueue(fQueue queue);
    bool createDeviceInfoList(quint32& devicecount, pftdiDeviceList& devicelist);
    void destroyDeviceInfoList(pftdiDeviceList& devicelist);

    // The driver under the link, for the one call made directly on the handle
    // (the USB transfer sizes).
    FtdiDriver& driver() { return *driver_; }

private:
    std::shared_ptr<FtdiDriver> driver_;
};
