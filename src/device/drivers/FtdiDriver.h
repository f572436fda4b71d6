#pragma once
// The driver calls the USB link makes, shaped like the vendor's D2XX library:
// every call returns a status (FtOk on success) and writes its results through
// out-parameters, which stay untouched when the call fails. Three backends sit
// behind it: the vendor library, the operating system's serial ports and the
// in-process simulated meter.
#include "FTDItypes.h"

#include <QByteArray>
#include <QtGlobal>

using FtHandle = quintptr;
using FtStatus = quint32;

namespace ftStatus {
constexpr FtStatus ok = 0;
constexpr FtStatus invalidHandle = 1;
constexpr FtStatus deviceNotFound = 2;
constexpr FtStatus deviceNotOpened = 3;
constexpr FtStatus ioError = 4;
constexpr FtStatus invalidParameter = 6;
constexpr FtStatus notSupported = 17;
constexpr FtStatus otherError = 18;
} // namespace ftStatus

class FtdiDriver {
public:
    virtual ~FtdiDriver() = default;

    // A short name for diagnostics ("d2xx", "serial", "sim").
    virtual QByteArray name() const = 0;

    virtual FtStatus createDeviceInfoList(quint32& numDevs) = 0;
    // Fills `list` (room for `numDevs` nodes, as counted by the last
    // createDeviceInfoList) and sets `numDevs` to the number written.
    virtual FtStatus getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) = 0;
    virtual FtStatus openEx(const char* arg, quint32 flags, FtHandle& handle) = 0;
    virtual FtStatus close(FtHandle handle) = 0;
    virtual FtStatus resetDevice(FtHandle handle) = 0;
    virtual FtStatus setBaudRate(FtHandle handle, quint32 baud) = 0;
    virtual FtStatus setDataCharacteristics(FtHandle handle, quint8 wordLength, quint8 stopBits,
                                            quint8 parity) = 0;
    virtual FtStatus setFlowControl(FtHandle handle, quint16 flow, quint8 xon, quint8 xoff) = 0;
    virtual FtStatus setTimeouts(FtHandle handle, quint32 readMs, quint32 writeMs) = 0;
    virtual FtStatus setLatencyTimer(FtHandle handle, quint8 ms) = 0;
    virtual FtStatus setUSBParameters(FtHandle handle, quint32 inSize, quint32 outSize) = 0;
    virtual FtStatus write(FtHandle handle, const void* buffer, quint32 toWrite,
                           quint32& written) = 0;
    // Returns when `toRead` bytes are in or the read time-out has passed.
    virtual FtStatus read(FtHandle handle, void* buffer, quint32 toRead, quint32& got) = 0;
    virtual FtStatus getQueueStatus(FtHandle handle, quint32& rxBytes) = 0;
    virtual FtStatus purge(FtHandle handle, quint32 mask) = 0;
};
