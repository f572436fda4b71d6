#include "MeterRecords.h"

namespace {
quint16 u16(const char* p) {
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}
} // namespace

ObjectRecord ObjectRecord::decode(const char* bytes) {
    ObjectRecord r;
    r.number = quint8(bytes[0]);
    const QByteArray field(bytes + 1, 20);
    const qsizetype nul = field.indexOf('\0');
    r.name = nul < 0 ? field : field.left(nul);
    return r;
}

QDate unpackMeterDate(quint16 packed) {
    const int day = packed & 0x1F;
    const int month = (packed >> 5) & 0x0F;
    const int year = (packed >> 9) + 1999;
    return QDate::isValid(year, month, day) ? QDate(year, month, day) : QDate();
}

QTime unpackMeterTime(quint16 packed) {
    const int seconds = (packed & 0x1F) * 2;
    const int minutes = (packed >> 5) & 0x3F;
    const int hours = packed >> 11;
    return QTime::isValid(hours, minutes, seconds) ? QTime(hours, minutes, seconds) : QTime();
}

std::optional<MeasurementRecord> MeasurementRecord::decode(const char* bytes) {
    const QDate date = unpackMeterDate(u16(bytes + 3));
    const QTime time = unpackMeterTime(u16(bytes + 5));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    MeasurementRecord r;
    r.number = quint32(quint8(bytes[0])) | (quint32(quint8(bytes[1])) << 8) |
               (quint32(quint8(bytes[2])) << 16);
    r.when = QDateTime(date, time);
    r.moisture = u16(bytes + 7) / 10.0;
    r.temperature = qint16(u16(bytes + 9)) / 10.0;
    r.density = u16(bytes + 11) / 10.0;
    r.speciesIndex = u16(bytes + 13);
    r.flags = quint8(bytes[15]);
    return r;
}

bool isCompleteDataReply(const QByteArray& reply) {
    return !reply.isEmpty() && reply.back() == '*';
}

QList<ObjectRecord> objectRecords(const QByteArray& reply) {
    QList<ObjectRecord> out;
    const qsizetype n = reply.size() / ObjectRecord::Size;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        out.append(ObjectRecord::decode(reply.constData() + i * ObjectRecord::Size));
    return out;
}

int measurementRecordCount(const QByteArray& reply) {
    return int(reply.size() / MeasurementRecord::Size);
}

QByteArray measurementListCommand(quint8 objectByte) {
    if (objectByte == 13)
        return QByteArray("M\r");
    QByteArray cmd("M");
    cmd.append(char(objectByte));
    cmd.append('\r');
    return cmd;
}
