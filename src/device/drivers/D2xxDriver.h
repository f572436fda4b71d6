#pragma once
// The vendor's D2XX library (FTD2XX.DLL on Windows, libftd2xx.so elsewhere),
// loaded at run time so that the program starts without it. The function
// types are declared here from the vendor's published function list.
#include "FtdiDriver.h"

#include <QLibrary>
#include <memory>

class D2xxDriver : public FtdiDriver {
public:
    // The loaded library, or nullptr when it is not installed or incomplete.
    static std::unique_ptr<D2xxDriver> load(QString* error = nullptr);
    ~D2xxDriver() override;

    QByteArray name() const override { return "d2xx"; }
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
    struct Api;
    D2xxDriver();
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<Api> api_;
};
