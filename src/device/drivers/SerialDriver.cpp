#include "SerialDriver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <cstring>

namespace {
constexpr quint16 ftdiVendor = 0x0403;

bool portFailed(const QSerialPort& port) {
    return port.error() == QSerialPort::ResourceError ||
           port.error() == QSerialPort::DeviceNotFoundError || !port.isOpen();
}
} // namespace

SerialDriver::SerialDriver() = default;

SerialDriver::~SerialDriver() = default;

QList<SerialDriver::PortEntry> SerialDriver::parsePortList(const QString& value) {
    QList<PortEntry> ports;
    for (const QString& item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int eq = item.lastIndexOf(QLatin1Char('='));
        if (eq <= 0 || eq == item.size() - 1)
            continue;
        ports.append({item.left(eq).trimmed(), item.mid(eq + 1).trimmed().toLatin1(),
                      QByteArrayLiteral("ZQM_SERIAL_PORTS")});
    }
    return ports;
}

QList<SerialDriver::PortEntry> SerialDriver::currentPorts() const {
    QList<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.hasVendorIdentifier() && info.vendorIdentifier() == ftdiVendor)
            ports.append({info.systemLocation(), info.serialNumber().toLatin1(),
                          info.description().toLatin1()});
    // Named ports count only while their device file exists.
    for (const PortEntry& p : parsePortList(qEnvironmentVariable("ZQM_SERIAL_PORTS")))
        if (QFileInfo::exists(p.path))
            ports.append(p);
    return ports;
}

FtStatus SerialDriver::createDeviceInfoList(quint32& numDevs) {
    listed_ = currentPorts();
    numDevs = quint32(listed_.size());
    return ftStatus::ok;
}

FtStatus SerialDriver::getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) {
    const quint32 n = qMin(numDevs, quint32(listed_.size()));
    for (quint32 i = 0; i < n; ++i) {
        const PortEntry& p = listed_[int(i)];
        ftdiDeviceNode& node = list[i];
        std::memset(&node, 0, sizeof node);
        for (const auto& [handle, open] : open_)
            if (open.entry.path == p.path)
                node.flags |= ftdiValues::flagOpened;
        node.id = quint32(ftdiVendor) << 16;
        node.locid = i + 1;
        std::strncpy(node.serialNumber, p.serial.constData(), sizeof node.serialNumber - 1);
        std::strncpy(node.description, p.description.constData(), sizeof node.description - 1);
    }
    numDevs = n;
    return ftStatus::ok;
}

FtStatus SerialDriver::openEx(const char* arg, quint32 flags, FtHandle& handle) {
    if (flags != ftdiValues::openBySerialNumber)
        return ftStatus::invalidParameter;
    const QByteArray serial(arg);
    for (const PortEntry& p : currentPorts()) {
        if (p.serial != serial)
            continue;
        Open o;
        o.entry = p;
        o.port = std::make_unique<QSerialPort>();
        o.port->setPortName(p.path);
        if (!o.port->open(QIODevice::ReadWrite))
            return ftStatus::deviceNotOpened;
        // The vendor driver starts every device at 9600 baud 8N1 without flow control.
        o.port->setBaudRate(9600);
        o.port->setDataBits(QSerialPort::Data8);
        o.port->setStopBits(QSerialPort::OneStop);
        o.port->setParity(QSerialPort::NoParity);
        o.port->setFlowControl(QSerialPort::NoFlowControl);
        // Pseudo-terminals refuse the modem-line ioctl ("Inappropriate ioctl for
        // device"); a real adapter takes it. Neither outcome matters to the meter.
        o.port->setDataTerminalReady(true);
        o.port->clearError();
        o.port->clear(QSerialPort::AllDirections);
        handle = nextHandle_++;
        open_.emplace(handle, std::move(o));
        return ftStatus::ok;
    }
    return ftStatus::deviceNotFound;
}

SerialDriver::Open* SerialDriver::find(FtHandle handle, FtStatus& status) {
    const auto it = open_.find(handle);
    if (it == open_.end()) {
        status = ftStatus::invalidHandle;
        return nullptr;
    }
    status = portFailed(*it->second.port) ? ftStatus::ioError : ftStatus::ok;
    return status == ftStatus::ok ? &it->second : nullptr;
}

bool SerialDriver::pump(QSerialPort& port) {
    // waitForReadyRead(0) reads what the system holds without blocking; repeat
    // while it keeps finding more.
    for (int i = 0; i < 64 && port.waitForReadyRead(0); ++i) {
    }
    if (port.error() == QSerialPort::TimeoutError)
        port.clearError();
    return !portFailed(port);
}

FtStatus SerialDriver::close(FtHandle handle) {
    const auto it = open_.find(handle);
    if (it == open_.end())
        return ftStatus::invalidHandle;
    it->second.port->close();
    open_.erase(it);
    return ftStatus::ok;
}

FtStatus SerialDriver::resetDevice(FtHandle handle) {
    FtStatus s;
    if (Open* o = find(handle, s))
        o->port->clear(QSerialPort::AllDirections);
    return s;
}

FtStatus SerialDriver::setBaudRate(FtHandle handle, quint32 baud) {
    FtStatus s;
    Open* o = find(handle, s);
    if (o && !o->port->setBaudRate(qint32(baud)))
        s = ftStatus::ioError;
    return s;
}

FtStatus SerialDriver::setDataCharacteristics(FtHandle handle, quint8 wordLength, quint8 stopBits,
                                              quint8 parity) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                   QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                   QSerialPort::SpaceParity};
    if ((wordLength != 7 && wordLength != 8) || (stopBits != 0 && stopBits != 2) || parity > 4)
        return ftStatus::invalidParameter;
    bool ok = o->port->setDataBits(wordLength == 8 ? QSerialPort::Data8 : QSerialPort::Data7);
    ok = o->port->setStopBits(stopBits == 0 ? QSerialPort::OneStop : QSerialPort::TwoStop) && ok;
    ok = o->port->setParity(parities[parity]) && ok;
    return ok ? ftStatus::ok : ftStatus::ioError;
}

FtStatus SerialDriver::setFlowControl(FtHandle handle, quint16 flow, quint8, quint8) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    QSerialPort::FlowControl mode;
    switch (flow) {
    case ftdiValues::flowNone:
        mode = QSerialPort::NoFlowControl;
        break;
    case ftdiValues::flowRtsCts:
        mode = QSerialPort::HardwareControl;
        break;
    case ftdiValues::flowXonXoff:
        mode = QSerialPort::SoftwareControl;
        break;
    default:
        return ftStatus::notSupported; // DTR/DSR handshaking has no QSerialPort mode
    }
    return o->port->setFlowControl(mode) ? ftStatus::ok : ftStatus::ioError;
}

FtStatus SerialDriver::setTimeouts(FtHandle handle, quint32 readMs, quint32 writeMs) {
    FtStatus s;
    if (Open* o = find(handle, s)) {
        o->readTimeoutMs = readMs;
        o->writeTimeoutMs = writeMs;
    }
    return s;
}

FtStatus SerialDriver::setLatencyTimer(FtHandle handle, quint8 ms) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
#ifdef Q_OS_LINUX
    // The kernel's FTDI driver exposes the chip's latency timer; other ports
    // (pseudo-terminals, other adapters) have none and the setting is moot.
    const QString tty = QFileInfo(o->entry.path).canonicalFilePath().section(QLatin1Char('/'), -1);
    QFile f(QStringLiteral("/sys/bus/usb-serial/devices/%1/latency_timer").arg(tty));
    if (f.open(QIODevice::WriteOnly))
        f.write(QByteArray::number(ms));
#else
    Q_UNUSED(ms);
#endif
    return ftStatus::ok;
}

FtStatus SerialDriver::setUSBParameters(FtHandle handle, quint32, quint32) {
    FtStatus s;
    find(handle, s);
    return s;
}

FtStatus SerialDriver::write(FtHandle handle, const void* buffer, quint32 toWrite,
                             quint32& written) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    if (o->port->write(static_cast<const char*>(buffer), qint64(toWrite)) < 0)
        return ftStatus::ioError;
    // Push the bytes out now: nothing else drives the port while the program waits.
    QDeadlineTimer deadline(o->writeTimeoutMs ? qint64(o->writeTimeoutMs) + 50 : -1);
    while (o->port->bytesToWrite() > 0 && !deadline.hasExpired())
        if (!o->port->waitForBytesWritten(
                deadline.isForever() ? 1000 : int(qMin<qint64>(deadline.remainingTime(), 1000))) &&
            portFailed(*o->port))
            return ftStatus::ioError;
    written = toWrite - quint32(o->port->bytesToWrite());
    return ftStatus::ok;
}

FtStatus SerialDriver::read(FtHandle handle, void* buffer, quint32 toRead, quint32& got) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    QDeadlineTimer deadline(o->readTimeoutMs ? qint64(o->readTimeoutMs) : -1);
    pump(*o->port);
    while (o->port->bytesAvailable() < qint64(toRead) && !deadline.hasExpired()) {
        o->port->waitForReadyRead(
            deadline.isForever() ? 100 : int(qMin<qint64>(deadline.remainingTime(), 100)));
        if (!pump(*o->port))
            break;
    }
    const qint64 n = o->port->read(static_cast<char*>(buffer), qint64(toRead));
    if (n < 0)
        return ftStatus::ioError;
    got = quint32(n);
    return ftStatus::ok;
}

FtStatus SerialDriver::getQueueStatus(FtHandle handle, quint32& rxBytes) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    if (!pump(*o->port))
        return ftStatus::ioError;
    rxBytes = quint32(o->port->bytesAvailable());
    return ftStatus::ok;
}

FtStatus SerialDriver::purge(FtHandle handle, quint32 mask) {
    FtStatus s;
    Open* o = find(handle, s);
    if (!o)
        return s;
    if (mask & ftdiValues::purgeRx) {
        pump(*o->port);
        o->port->clear(QSerialPort::Input);
        o->port->readAll();
    }
    if (mask & ftdiValues::purgeTx)
        o->port->clear(QSerialPort::Output);
    return ftStatus::ok;
}
