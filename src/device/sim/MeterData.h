#pragma once
// What the simulated meter holds: its suppliers (objects) and the measurements
// filed under each, with every field of the meter's records, invalid dates
// included. Loaded from JSON, generated from a seed, or chosen from the
// environment (ZQM_SIM_DATA, else ZQM_SIM_SEED / ZQM_SIM_SIZE).
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

struct SimMeasurement {
    quint32 number = 0;     // 24 bits on the wire
    quint16 packedDate = 0; // bits 0-4 day, 5-8 month, 9-15 year - 1999
    quint16 packedTime = 0; // bits 0-4 seconds / 2, 5-10 minutes, 11-15 hours
    quint16 moisture = 0;   // tenths of a percent
    qint16 temperature = 0; // tenths of a degree Celsius
    quint16 density = 0;    // tenths of kg/hl
    quint16 species = 0;    // counted from 0
    quint8 flags = 0;

    static quint16 packDate(const QDate& date);
    static quint16 packTime(const QTime& time);
    // Null when the packed value names a day or time that does not exist.
    QDate date() const;
    QTime time() const;
    // The 16-byte record the meter sends in answer to "M".
    QByteArray record() const;
};

struct SimObject {
    quint8 number = 1; // the object byte
    QByteArray name;   // up to 24 bytes: the 20-byte name field and the 4 after it
    QList<SimMeasurement> measurements;

    // The 25-byte record the meter sends in answer to "L".
    QByteArray record() const;
};

struct MeterData {
    QList<SimObject> objects;

    int measurementCount() const;
    SimObject* object(quint8 number);

    // A season of plausible measurements: a few suppliers, a few species.
    // The same seed and size always give the same data.
    static MeterData generate(quint32 seed, int size);
    static std::optional<MeterData> fromJson(const QByteArray& json, QString* error = nullptr);
    QByteArray toJson() const;
    // ZQM_SIM_DATA names a JSON file; else ZQM_SIM_SEED and ZQM_SIM_SIZE (defaults
    // 1 and 300) drive the generator. A file that cannot be read is reported in
    // `error` and an empty meter is returned.
    static MeterData fromEnvironment(QString* error = nullptr);
};
