#include "SimDriver.h"

#include "Clock.h"

#include <QDebug>
#include <cstring>

SimDriver::SimDriver(Clock* clock) : clock_(clock) {}

SimDriver::~SimDriver() = default;

Clock& SimDriver::clock() const {
    return clock_ ? *clock_ : appClock();
}

qint64 SimDriver::now() const {
    return clock().nowUs();
}

std::shared_ptr<MeterModel> SimDriver::addMeter(const QByteArray& usbSerial,
                                                std::shared_ptr<MeterModel> meter) {
    auto d = std::make_unique<Device>();
    d->serial = usbSerial;
    d->description = "ZQMM";
    d->meter = meter ? std::move(meter) : std::make_shared<MeterModel>();
    auto result = d->meter;
    devices_.push_back(std::move(d));
    return result;
}

void SimDriver::addDevice(const QByteArray& usbSerial, const QByteArray& description) {
    auto d = std::make_unique<Device>();
    d->serial = usbSerial;
    d->description = description;
    devices_.push_back(std::move(d));
}

void SimDriver::unplug(const QByteArray& usbSerial) {
    for (auto& d : devices_)
        if (d->serial == usbSerial)
            d->present = false;
}

SimDriver::Device* SimDriver::live(FtHandle handle, FtStatus& status) {
    for (auto& d : devices_) {
        if (d->handle == 0 || d->handle != handle)
            continue;
        if (d->present && d->line.vanished(now()))
            d->present = false;
        status = d->present ? ftStatus::ok : ftStatus::ioError;
        return d->present ? d.get() : nullptr;
    }
    status = ftStatus::invalidHandle;
    return nullptr;
}

FtStatus SimDriver::createDeviceInfoList(quint32& numDevs) {
    note(QStringLiteral("CreateDeviceInfoList"));
    if (listingFails_)
        return ftStatus::otherError;
    listed_.clear();
    for (auto& d : devices_) {
        if (d->present && d->line.vanished(now()))
            d->present = false;
        if (d->present)
            listed_.push_back(d.get());
    }
    numDevs = quint32(listed_.size());
    return ftStatus::ok;
}

FtStatus SimDriver::getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) {
    if (listingFails_)
        return ftStatus::otherError;
    const quint32 n = qMin(numDevs, quint32(listed_.size()));
    for (quint32 i = 0; i < n; ++i) {
        const Device& d = *listed_[i];
        ftdiDeviceNode& node = list[i];
        std::memset(&node, 0, sizeof node);
        node.flags = d.handle ? ftdiValues::flagOpened : 0;
        node.deviceType = 5; // an FT232R
        node.id = 0x04036001;
        node.locid = 0x100 + i;
        std::strncpy(node.serialNumber, d.serial.constData(), sizeof node.serialNumber - 1);
        std::strncpy(node.description, d.description.constData(), sizeof node.description - 1);
        node.ftHandle = quint32(d.handle);
    }
    numDevs = n;
    return ftStatus::ok;
}

FtStatus SimDriver::openEx(const char* arg, quint32 flags, FtHandle& handle) {
    note(QStringLiteral("OpenEx %1 %2").arg(QString::fromLatin1(arg)).arg(flags));
    if (flags != ftdiValues::openBySerialNumber)
        return ftStatus::invalidParameter;
    for (auto& d : devices_) {
        if (!d->present || d->serial != QByteArray(arg))
            continue;
        if (d->handle)
            return ftStatus::deviceNotOpened; // one opener at a time, as with the real driver
        d->handle = handle = nextHandle_++;
        d->baud = 9600;
        d->wordLength = 8;
        d->stopBits = 0;
        d->parity = 0;
        d->readTimeoutMs = d->writeTimeoutMs = 0;
        d->line.dropArrived(now());
        return ftStatus::ok;
    }
    return ftStatus::deviceNotFound;
}

FtStatus SimDriver::close(FtHandle handle) {
    note(QStringLiteral("Close"));
    for (auto& d : devices_)
        if (d->handle && d->handle == handle) {
            d->handle = 0;
            return d->present ? ftStatus::ok : ftStatus::ioError;
        }
    return ftStatus::invalidHandle;
}

FtStatus SimDriver::resetDevice(FtHandle handle) {
    note(QStringLiteral("ResetDevice"));
    FtStatus s;
    if (Device* d = live(handle, s))
        d->line.dropArrived(now());
    return s;
}

FtStatus SimDriver::setBaudRate(FtHandle handle, quint32 baud) {
    note(QStringLiteral("SetBaudRate %1").arg(baud));
    FtStatus s;
    if (Device* d = live(handle, s))
        d->baud = baud;
    return s;
}

FtStatus SimDriver::setDataCharacteristics(FtHandle handle, quint8 wordLength, quint8 stopBits,
                                           quint8 parity) {
    note(QStringLiteral("SetDataCharacteristics %1 %2 %3")
             .arg(wordLength)
             .arg(stopBits)
             .arg(parity));
    FtStatus s;
    if (Device* d = live(handle, s)) {
        d->wordLength = wordLength;
        d->stopBits = stopBits;
        d->parity = parity;
    }
    return s;
}

FtStatus SimDriver::setFlowControl(FtHandle handle, quint16 flow, quint8 xon, quint8 xoff) {
    note(QStringLiteral("SetFlowControl %1 %2 %3").arg(flow).arg(xon).arg(xoff));
    FtStatus s;
    live(handle, s);
    return s;
}

FtStatus SimDriver::setTimeouts(FtHandle handle, quint32 readMs, quint32 writeMs) {
    note(QStringLiteral("SetTimeouts %1 %2").arg(readMs).arg(writeMs));
    FtStatus s;
    if (Device* d = live(handle, s)) {
        d->readTimeoutMs = readMs;
        d->writeTimeoutMs = writeMs;
    }
    return s;
}

FtStatus SimDriver::setLatencyTimer(FtHandle handle, quint8 ms) {
    note(QStringLiteral("SetLatencyTimer %1").arg(ms));
    FtStatus s;
    live(handle, s);
    return s;
}

FtStatus SimDriver::setUSBParameters(FtHandle handle, quint32 inSize, quint32 outSize) {
    note(QStringLiteral("SetUSBParameters %1 %2").arg(inSize).arg(outSize));
    FtStatus s;
    live(handle, s);
    return s;
}

FtStatus SimDriver::write(FtHandle handle, const void* buffer, quint32 toWrite, quint32& written) {
    const QByteArray bytes(static_cast<const char*>(buffer), int(toWrite));
    note(QStringLiteral("Write ") + QString::fromLatin1(bytes.toHex(' ').toUpper()));
    FtStatus s;
    Device* d = live(handle, s);
    if (!d)
        return s;
    written = toWrite;
    // At another speed or framing the meter sees only garbage and keeps quiet.
    const bool lineMatches =
        d->baud == 115200 && d->wordLength == 8 && d->stopBits == 0 && d->parity == 0;
    if (d->meter && lineMatches) {
        const qint64 t = now();
        for (const MeterReply& reply : d->meter->receive(bytes, t))
            d->line.schedule(reply, t, int(toWrite));
    }
    return ftStatus::ok;
}

FtStatus SimDriver::read(FtHandle handle, void* buffer, quint32 toRead, quint32& got) {
    note(QStringLiteral("Read %1").arg(toRead));
    FtStatus s;
    Device* d = live(handle, s);
    if (!d)
        return s;
    const qint64 start = now();
    while (quint32(d->line.arrived(now())) < toRead) {
        const bool timedOut =
            d->readTimeoutMs != 0 && now() - start >= qint64(d->readTimeoutMs) * 1000;
        // Without a time-out the real driver would wait for ever; nothing more is
        // coming when the line holds no further bytes, so stop there.
        const bool nothingMore = d->line.pending() == d->line.arrived(now());
        if (timedOut || nothingMore || d->line.vanished(now()))
            break;
        clock().sleepMs(1);
    }
    const QByteArray bytes = d->line.take(now(), int(toRead));
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
    got = quint32(bytes.size());
    return ftStatus::ok;
}

FtStatus SimDriver::getQueueStatus(FtHandle handle, quint32& rxBytes) {
    FtStatus s;
    if (Device* d = live(handle, s))
        rxBytes = quint32(d->line.arrived(now()));
    return s;
}

FtStatus SimDriver::purge(FtHandle handle, quint32 mask) {
    note(QStringLiteral("Purge %1").arg(mask));
    FtStatus s;
    Device* d = live(handle, s);
    if (d && (mask & ftdiValues::purgeRx))
        d->line.dropArrived(now());
    return s;
}

std::shared_ptr<SimDriver> simDriverFromEnvironment() {
    auto driver = std::make_shared<SimDriver>();
    QString error;
    MeterData data = MeterData::fromEnvironment(&error);
    if (!error.isEmpty())
        qWarning().noquote() << "ZQM_SIM_DATA:" << error << "- the simulated meter holds no data";
    auto meter = std::make_shared<MeterModel>(std::move(data));
    const QString faults = qEnvironmentVariable("ZQM_SIM_FAULTS");
    if (!faults.isEmpty()) {
        QString why;
        if (auto parsed = parseMeterFaults(faults, &why))
            meter->faults() = *parsed;
        else
            qWarning().noquote() << "ZQM_SIM_FAULTS:" << why << "- ignored";
    }
    QByteArray serial = qgetenv("ZQM_SIM_USB_SERIAL");
    if (serial.isEmpty())
        serial = "PP0023A1";
    driver->addMeter(serial, meter);
    return driver;
}
