#pragma once
// The in-process driver: FTDI devices that exist only in memory, each either a
// simulated meter or a device that never answers. The meter's replies arrive
// at line speed on the given clock, so on a test clock a one-second time-out
// costs nothing. Every call that changes something is noted in calls(), in the
// driver's own terms ("SetBaudRate 115200", "Purge 1", "Write 49 0D").
#include "FtdiDriver.h"
#include "sim/MeterModel.h"
#include "sim/PacedLine.h"

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class Clock;

class SimDriver : public FtdiDriver {
public:
    // `clock` nullptr: the program clock at each call.
    explicit SimDriver(Clock* clock = nullptr);
    ~SimDriver() override;

    // Attaches a meter behind an FTDI chip with the given USB serial number.
    std::shared_ptr<MeterModel> addMeter(const QByteArray& usbSerial,
                                         std::shared_ptr<MeterModel> meter = nullptr);
    // Attaches an FTDI device that is not a meter: it takes commands, answers none.
    void addDevice(const QByteArray& usbSerial, const QByteArray& description = "USB Serial");
    // Pulls the device's cable: open handles fail from now on, listings omit it.
    void unplug(const QByteArray& usbSerial);
    // Makes listings fail, as a broken driver installation would.
    void setListingFails(bool fails) { listingFails_ = fails; }

    QStringList& calls() { return calls_; }

    QByteArray name() const override { return "sim"; }
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
    struct Device {
        QByteArray serial;
        QByteArray description;
        std::shared_ptr<MeterModel> meter;
        PacedLine line;
        bool present = true;
        FtHandle handle = 0; // 0: not open
        quint32 baud = 9600;
        quint8 wordLength = 8, stopBits = 0, parity = 0;
        quint32 readTimeoutMs = 0, writeTimeoutMs = 0;
    };
    Clock& clock() const;
    qint64 now() const;
    // The open, still attached device behind `handle`, or nullptr with the status to return.
    Device* live(FtHandle handle, FtStatus& status);
    void note(const QString& call) { calls_.append(call); }

    Clock* clock_;
    std::vector<std::unique_ptr<Device>> devices_;
    std::vector<Device*> listed_;
    FtHandle nextHandle_ = 0x100;
    bool listingFails_ = false;
    QStringList calls_;
};

// The in-process meter the program uses with ZQM_DRIVER=sim: one meter with USB
// serial ZQM_SIM_USB_SERIAL (default "PP0023A1"), data from the environment
// (see MeterData::fromEnvironment) and faults from ZQM_SIM_FAULTS.
std::shared_ptr<SimDriver> simDriverFromEnvironment();
