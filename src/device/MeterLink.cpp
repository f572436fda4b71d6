#include "MeterLink.h"

#include "Clock.h"
#include "DeviceTrace.h"

#include <QCoreApplication>
#include <cstring>

#ifdef Q_OS_WIN
#include <QStringDecoder>
#endif

namespace {
constexpr int pollMs = 5;
constexpr qint64 silenceMs = 100;
constexpr qint64 noAnswerMs = 1000;
constexpr qint64 ackWaitMs = 100;
} // namespace

QString meterBytesToText(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(bytes); // the ANSI code page
#else
    return QString::fromLatin1(bytes);
#endif
}

MeterLink::MeterLink(Clock* clock) : clock_(clock) {}

MeterLink::~MeterLink() {
    freeLink();
}

Clock& MeterLink::clock() const {
    return clock_ ? *clock_ : appClock();
}

void MeterLink::createLink() {
    freeLink();
    FtdiRS = new tftdichip();
}

void MeterLink::createLink(std::shared_ptr<FtdiDriver> driver) {
    freeLink();
    FtdiRS = new tftdichip(std::move(driver));
}

void MeterLink::freeLink() {
    if (!FtdiRS)
        return;
    // Leaving the device open would keep it locked for the next program.
    if (FtdiRS->fconnected)
        FtdiRS->closeDevice();
    delete FtdiRS;
    FtdiRS = nullptr;
}

void MeterLink::letMessagesRun() {
    if (processMessages)
        processMessages();
    else
        QCoreApplication::processEvents();
}

QByteArray MeterLink::SendAndGetRS(QByteArray& stt, int lenn) {
    Clock& c = clock();
    const qint64 startMs = c.nowMs();
    FtdiRS->purgeQueue(fReceiveQueue);
    int written = 0;
    FtdiRS->write(stt.constData(), int(stt.size()), written);

    qint64 markMs = c.nowMs();
    int last = 0;
    for (;;) {
        int n = 0; // a failed count (device gone) reads as nothing received
        FtdiRS->getReceiveQueueStatus(n);
        c.sleepMs(pollMs);
        if (n > last)
            markMs = c.nowMs();
        last = n;
        if (lenn != 0 && n >= lenn)
            break;
        const qint64 quietMs = c.nowMs() - markMs;
        if (quietMs > silenceMs && n > 0)
            break;
        if (quietMs > noAnswerMs)
            break;
    }
    const int n = last;
    c.sleepMs(10);
    const int request = (lenn != 0 ? lenn : n) + 5;
    QByteArray buffer(request, '\0');
    int got = 0;
    if (!FtdiRS->read(buffer.data(), request, got))
        got = 0;
    // The reply is the n bytes counted; any read past them is dropped, and
    // positions the read did not fill stay NUL.
    QByteArray reply(n, '\0');
    std::memcpy(reply.data(), buffer.constData(), size_t(qMin(n, got)));
    if (deviceTrace::enabled())
        deviceTrace::line(QStringLiteral("exchange: sent %1, waited for %2, reply %3 bytes "
                                         "after %4 ms: %5")
                              .arg(deviceTrace::hex(stt))
                              .arg(lenn)
                              .arg(reply.size())
                              .arg(c.nowMs() - startMs)
                              .arg(deviceTrace::hex(reply)));
    return reply;
}

QByteArray MeterLink::SendAndGetRSLen(QByteArray& stt, int lenn) {
    Clock& c = clock();
    const qint64 startMs = c.nowMs();
    FtdiRS->purgeQueue(fReceiveQueue);
    // A command shorter than `lenn` is sent padded with NUL bytes rather than
    // with whatever lies beyond it in memory.
    QByteArray command = stt.left(qMax(lenn, 0));
    if (command.size() < lenn)
        command.append(QByteArray(lenn - command.size(), '\0'));
    int written = 0;
    FtdiRS->write(command.constData(), int(command.size()), written);

    const qint64 markMs = c.nowMs();
    for (;;) {
        letMessagesRun();
        int n = 0;
        FtdiRS->getReceiveQueueStatus(n);
        if (n >= 1)
            break;
        if (c.nowMs() - markMs > ackWaitMs)
            break;
    }
    // Undelivered positions keep "x", which no caller takes for an acknowledgement.
    QByteArray reply(5, 'x');
    int got = 0;
    FtdiRS->read(reply.data(), 5, got);
    if (deviceTrace::enabled())
        deviceTrace::line(QStringLiteral("acknowledged exchange: sent %1, reply after %2 ms: %3")
                              .arg(deviceTrace::hex(command))
                              .arg(c.nowMs() - startMs)
                              .arg(deviceTrace::hex(reply)));
    return reply;
}

int MeterLink::collectCandidates(pftdiDeviceList list, quint32 count, bool messagesFirst) {
    int found = 0;
    for (quint32 i = 0; i < count; ++i) {
        if (messagesFirst)
            letMessagesRun();
        const char* serial = list[i].serialNumber;
        USBPortSerial = QByteArray(serial, int(qstrnlen(serial, sizeof list[i].serialNumber)));
        if (!messagesFirst)
            letMessagesRun();
        if (USBPortSerial.size() > 4 && USBPortSerial.startsWith("PP") && found < maxCandidates)
            ListaPPDev[size_t(found++)] = USBPortSerial;
    }
    return found;
}

int MeterLink::FindPPDevices() {
    quint32 count = 0;
    pftdiDeviceList list = nullptr;
    if (!FtdiRS->createDeviceInfoList(count, list))
        count = 0;
    int found = collectCandidates(list, count, false);
    if (found == 0) {
        FtdiRS->destroyDeviceInfoList(list);
        clock().sleepMs(2000);
        count = 0;
        if (!FtdiRS->createDeviceInfoList(count, list))
            count = 0;
        found = collectCandidates(list, count, true);
    }
    FtdiRS->destroyDeviceInfoList(list);
    if (FtdiRS->fconnected)
        FtdiRS->closeDevice();
    return found;
}

bool MeterLink::OpenZQMDevice() {
    if (FindPPDevices() == 0)
        return false;
    USBPortSerial = ListaPPDev[0];
    if (FtdiRS->fconnected)
        FtdiRS->closeDevice();
    letMessagesRun();

    // Results are not checked: a failed open or set-up shows up as a missing
    // or wrong identification below.
    FtdiRS->openDeviceBySerial(USBPortSerial);
    FtdiRS->resetDevice();
    FtdiRS->setBaudRate(fBaud115200);
    FtdiRS->setDataCharacteristics(fBits8, fStopBits1, fParityNone);
    FtdiRS->setLatencyTimer(2);
    FtdiRS->driver().setUSBParameters(FtdiRS->fhandle, 16, 16);
    FtdiRS->setFlowControl(fFlowNone, 0, 0);
    FtdiRS->setTimeouts(5, 5);
    clock().sleepMs(100);

    QByteArray command("I\r");
    const QByteArray reply = SendAndGetRS(command, 17);
    letMessagesRun();
    if (reply.size() < 17)
        return false;
    if (!reply.startsWith("PPGGD"))
        return false;
    DevFirmWare = reply.mid(12, 4);
    const QString serial = meterBytesToText(reply.mid(3, 8));
    const QString name = deviceNameText ? deviceNameText() : QString();
    if (showLabels)
        showLabels(name, serial, meterBytesToText(DevFirmWare));
    return true;
}
