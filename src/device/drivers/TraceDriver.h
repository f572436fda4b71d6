#pragma once
// Wraps a driver and writes its calls to the device trace (ZQM_TRACE): bytes
// written and read, purges, opening, set-up, and the receive-queue count each
// time it changes.
#include "FtdiDriver.h"

#include <memory>

class TraceDriver : public FtdiDriver {
public:
    explicit TraceDriver(std::shared_ptr<FtdiDriver> inner);

    QByteArray name() const override { return inner_->name(); }
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
    FtStatus logged(FtStatus s, const QString& what);
    std::shared_ptr<FtdiDriver> inner_;
    qint64 lastQueue_ = -1;
};
