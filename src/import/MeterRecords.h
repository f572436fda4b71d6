#pragma once
// Records of the meter's object list ("L") and measurement lists ("M").
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <optional>

// One supplier as the meter stores it: 25 bytes.
struct ObjectRecord {
    static constexpr int Size = 25;
    quint8 number = 0; // the object byte, sent back in the "M" command
    QByteArray name;   // up to the first NUL, at most 20 bytes

    static ObjectRecord decode(const char* bytes);
};

// One measurement: 16 bytes, little-endian fields.
struct MeasurementRecord {
    static constexpr int Size = 16;
    quint32 number = 0; // 24-bit number carried by the record
    QDateTime when;
    double moisture = 0;    // %
    double temperature = 0; // degrees Celsius
    double density = 0;     // kg/hl
    int speciesIndex = 0;   // counted from 0
    quint8 flags = 0;

    // Empty when the packed date or time names a day or time that does not
    // exist (month 0, 30 February, 24 hours, 60 seconds ...).
    static std::optional<MeasurementRecord> decode(const char* bytes);
};

// Packed date: bits 0-4 day, 5-8 month, 9-15 year - 1999.
QDate unpackMeterDate(quint16 packed);
// Packed time: bits 0-4 seconds / 2, 5-10 minutes, 11-15 hours.
QTime unpackMeterTime(quint16 packed);

// A data reply is complete when it is not empty and its last byte is "*".
bool isCompleteDataReply(const QByteArray& reply);

// Whole records from the start of a reply; the "*" and any shorter
// remainder are ignored.
QList<ObjectRecord> objectRecords(const QByteArray& reply);
int measurementRecordCount(const QByteArray& reply);

// "M", the object byte and CR; "M" CR for object byte 13, which would
// otherwise read as the end of the command.
QByteArray measurementListCommand(quint8 objectByte);
