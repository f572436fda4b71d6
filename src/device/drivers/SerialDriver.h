#pragma once
// The driver over the operating system's serial ports (QSerialPort): the FTDI
// adapters the system lists (USB vendor 0x0403) with their USB serial numbers,
// then the ports named in ZQM_SERIAL_PORTS ("path=SERIAL,path=SERIAL"), which
// is how a simulator on a pseudo-terminal is attached. The vendor driver's read
// time-out, receive-queue count and purge are emulated on top of the port; the
// latency timer is applied through Linux sysfs where it exists.
//
// No event loop is needed: the receive queue is filled by polling the port at
// each call, since the program waits for the meter without running one.
#include "FtdiDriver.h"

#include <QList>
#include <QString>
#include <map>
#include <memory>

class QSerialPort;

class SerialDriver : public FtdiDriver {
public:
    struct PortEntry {
        QString path;
        QByteArray serial;
        QByteArray description;
    };

    SerialDriver();
    ~SerialDriver() override;

    // Parses a ZQM_SERIAL_PORTS value; malformed entries are skipped.
    static QList<PortEntry> parsePortList(const QString& value);

    QByteArray name() const override { return "serial"; }
    FtStatus createDeviceInfoList(quint32& numDevs) override;
    FtStatus getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) override;
    FtStatus openEx(const char* arg, quint32 flags, FtHandle& handle) override;
    FtStatus close(FtHandle handle) override;
    FtStatus resetDevice(FtHandle handle) override;
    FtStatus setBaudRate(FtHandle handle, quint32 baud) override;
    FtStatus setDataCharacteristics(FtHandle handle, quint8 wordLength, quint8 stopBits,
                                    quint8 parity) override;
    FtStatus setFlowControl(FtHandle handle, quint16 flow, quint8 xon, quint8 xoff) override;
    FtStatus setTimeouts(FtHandle handle, quint32 readMs, quint32 writeMs) override;
    FtStatus setLatencyTimer(FtHandle handle, quint8 ms) override;
    FtStatus setUSBParameters(FtHandle handle, quint32 inSize, quint32 outSize) override;
    FtStatus write(FtHandle handle, const void* buffer, quint32 toWrite, quint32& written) override;
    FtStatus read(FtHandle handle, void* buffer, quint32 toRead, quint32& got) override;
    FtStatus getQueueStatus(FtHandle handle, quint32& rxBytes) override;
    FtStatus purge(FtHandle handle, quint32 mask) override;

private:
    struct Open {
        std::unique_ptr<QSerialPort> port;
        PortEntry entry;
        quint32 readTimeoutMs = 0;
        quint32 writeTimeoutMs = 0;
    };
    QList<PortEntry> currentPorts() const;
    Open* find(FtHandle handle, FtStatus& status);
    // Moves whatever the system has received into the port's buffer; false
    // when the port is gone (adapter unplugged, simulator stopped).
    static bool pump(QSerialPort& port);

    QList<PortEntry> listed_;
    std::map<FtHandle, Open> open_;
    FtHandle nextHandle_ = 1;
};
