#include "TraceDriver.h"

#include "DeviceTrace.h"

TraceDriver::TraceDriver(std::shared_ptr<FtdiDriver> inner) : inner_(std::move(inner)) {}

FtStatus TraceDriver::logged(FtStatus s, const QString& what) {
    deviceTrace::line(s == ftStatus::ok ? what : what + QStringLiteral("  -> status %1").arg(s));
    return s;
}

FtStatus TraceDriver::createDeviceInfoList(quint32& numDevs) {
    const FtStatus s = inner_->createDeviceInfoList(numDevs);
    return logged(s, QStringLiteral("list devices: %1").arg(s == ftStatus::ok ? numDevs : 0));
}

FtStatus TraceDriver::getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) {
    const FtStatus s = inner_->getDeviceInfoList(list, numDevs);
    QString serials;
    if (s == ftStatus::ok)
        for (quint32 i = 0; i < numDevs; ++i)
            serials += QStringLiteral(" \"%1\"").arg(QString::fromLatin1(
                QByteArray(list[i].serialNumber, qstrnlen(list[i].serialNumber, 16))));
    return logged(s, QStringLiteral("device serials:") + serials);
}

FtStatus TraceDriver::openEx(const char* arg, quint32 flags, FtHandle& handle) {
    return logged(inner_->openEx(arg, flags, handle),
                  QStringLiteral("open \"%1\"").arg(QString::fromLatin1(arg)));
}

FtStatus TraceDriver::close(FtHandle handle) {
    lastQueue_ = -1;
    return logged(inner_->close(handle), QStringLiteral("close"));
}

FtStatus TraceDriver::resetDevice(FtHandle handle) {
    return logged(inner_->resetDevice(handle), QStringLiteral("reset"));
}

FtStatus TraceDriver::setBaudRate(FtHandle handle, quint32 baud) {
    return logged(inner_->setBaudRate(handle, baud), QStringLiteral("baud rate %1").arg(baud));
}

FtStatus TraceDriver::setDataCharacteristics(FtHandle handle, quint8 w, quint8 st, quint8 p) {
    return logged(
        inner_->setDataCharacteristics(handle, w, st, p),
        QStringLiteral("data bits %1, stop bits code %2, parity code %3").arg(w).arg(st).arg(p));
}

FtStatus TraceDriver::setFlowControl(FtHandle handle, quint16 flow, quint8 xon, quint8 xoff) {
    return logged(inner_->setFlowControl(handle, flow, xon, xoff),
                  QStringLiteral("flow control 0x%1").arg(flow, 4, 16, QLatin1Char('0')));
}

FtStatus TraceDriver::setTimeouts(FtHandle handle, quint32 r, quint32 w) {
    return logged(inner_->setTimeouts(handle, r, w),
                  QStringLiteral("time-outs read %1 ms, write %2 ms").arg(r).arg(w));
}

FtStatus TraceDriver::setLatencyTimer(FtHandle handle, quint8 ms) {
    return logged(inner_->setLatencyTimer(handle, ms), QStringLiteral("latency %1 ms").arg(ms));
}

FtStatus TraceDriver::setUSBParameters(FtHandle handle, quint32 in, quint32 out) {
    return logged(inner_->setUSBParameters(handle, in, out),
                  QStringLiteral("USB transfer sizes %1/%2").arg(in).arg(out));
}

FtStatus TraceDriver::write(FtHandle handle, const void* buffer, quint32 n, quint32& written) {
    const FtStatus s = inner_->write(handle, buffer, n, written);
    return logged(s,
                  QStringLiteral("sent %1 bytes: %2")
                      .arg(n)
                      .arg(deviceTrace::hex(QByteArray(static_cast<const char*>(buffer), int(n)))));
}

FtStatus TraceDriver::read(FtHandle handle, void* buffer, quint32 n, quint32& got) {
    quint32 count = 0;
    const FtStatus s = inner_->read(handle, buffer, n, count);
    if (s == ftStatus::ok)
        got = count;
    lastQueue_ = -1;
    return logged(
        s, QStringLiteral("read %1 of %2 bytes: %3")
               .arg(count)
               .arg(n)
               .arg(deviceTrace::hex(QByteArray(static_cast<const char*>(buffer), int(count)))));
}

FtStatus TraceDriver::getQueueStatus(FtHandle handle, quint32& rxBytes) {
    const FtStatus s = inner_->getQueueStatus(handle, rxBytes);
    const qint64 now = s == ftStatus::ok ? qint64(rxBytes) : -2;
    if (now != lastQueue_) {
        lastQueue_ = now;
        logged(s, QStringLiteral("receive queue %1").arg(s == ftStatus::ok ? rxBytes : 0));
    }
    return s;
}

FtStatus TraceDriver::purge(FtHandle handle, quint32 mask) {
    lastQueue_ = -1;
    return logged(inner_->purge(handle, mask), QStringLiteral("purge mask %1").arg(mask));
}
