#include "MeterData.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {
void putLe16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

bool readTenths(const QJsonObject& o, const char* key, double lo, double hi, qint32& out,
                QString* error, const QString& where) {
    if (!o.contains(QLatin1String(key)))
        return true;
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble() || v.toDouble() < lo || v.toDouble() > hi) {
        if (error)
            *error = QStringLiteral("%1: \"%2\" must be a number from %3 to %4")
                         .arg(where, QLatin1String(key))
                         .arg(lo)
                         .arg(hi);
        return false;
    }
    out = qint32(std::lround(v.toDouble() * 10.0));
    return true;
}
} // namespace

quint16 SimMeasurement::packDate(const QDate& d) {
    return quint16(d.day() | (d.month() << 5) | ((d.year() - 1999) << 9));
}

quint16 SimMeasurement::packTime(const QTime& t) {
    return quint16((t.second() / 2) | (t.minute() << 5) | (t.hour() << 11));
}

QDate SimMeasurement::date() const {
    return QDate(1999 + (packedDate >> 9), (packedDate >> 5) & 0x0F, packedDate & 0x1F);
}

QTime SimMeasurement::time() const {
    return QTime(packedTime >> 11, (packedTime >> 5) & 0x3F, (packedTime & 0x1F) * 2);
}

QByteArray SimMeasurement::record() const {
    QByteArray r;
    r.append(char(number & 0xFF));
    r.append(char((number >> 8) & 0xFF));
    r.append(char((number >> 16) & 0xFF));
    putLe16(r, packedDate);
    putLe16(r, packedTime);
    putLe16(r, moisture);
    putLe16(r, quint16(temperature));
    putLe16(r, density);
    putLe16(r, species);
    r.append(char(flags));
    return r;
}

QByteArray SimObject::record() const {
    QByteArray r;
    r.append(char(number));
    QByteArray field = name.left(24);
    field.append(QByteArray(24 - field.size(), '\0'));
    r.append(field);
    return r;
}

int MeterData::measurementCount() const {
    int n = 0;
    for (const auto& o : objects)
        n += o.measurements.size();
    return n;
}

SimObject* MeterData::object(quint8 number) {
    for (auto& o : objects)
        if (o.number == number)
            return &o;
    return nullptr;
}

MeterData MeterData::generate(quint32 seed, int size) {
    static const char* surnames[] = {"KOWALSKI",  "NOWAK",    "WISNIEWSKI",  "WOJCIK",
                                     "KOWALCZYK", "KAMINSKI", "LEWANDOWSKI", "ZIELINSKI",
                                     "SZYMANSKI", "WOZNIAK",  "DABROWSKI",   "KOZLOWSKI",
                                     "JANKOWSKI", "MAZUR",    "KWIATKOWSKI", "KRAWCZYK"};
    static const char* given[] = {"JAN",   "PIOTR", "ANDRZEJ",   "STANISLAW", "TOMASZ",
                                  "MAREK", "JOZEF", "KRZYSZTOF", "ANNA",      "MARIA"};
    static const char* farms[] = {"GR ROLNA", "AGRO", "SKUP ZBOZ", "FERMA"};
    // Typical moisture (tenths of %), spread, and density (tenths of kg/hl) per species.
    struct Kind {
        int moisture, spread, density;
    };
    static const Kind kinds[] = {{145, 25, 770}, {150, 30, 690}, {160, 30, 680},
                                 {240, 60, 720}, {90, 15, 650},  {140, 25, 500}};
    const int speciesCount = int(std::size(kinds));

    QRandomGenerator rng(seed);
    size = qMax(size, 0);
    MeterData data;
    const int objectCount = qBound(2, size / 60 + 1, 40);
    for (int i = 0; i < objectCount; ++i) {
        SimObject o;
        o.number = quint8(i + 1);
        QByteArray name;
        if (rng.bounded(5) == 0)
            name = QByteArray(farms[rng.bounded(int(std::size(farms)))]) + ' ' +
                   surnames[rng.bounded(int(std::size(surnames)))];
        else
            name = QByteArray(surnames[rng.bounded(int(std::size(surnames)))]) + ' ' +
                   given[rng.bounded(int(std::size(given)))];
        o.name = name.left(20);
        data.objects.append(o);
    }
    // Each supplier brings one to three species over the season.
    QList<QList<int>> supplied(objectCount);
    for (auto& s : supplied) {
        const int n = 1 + rng.bounded(3);
        while (s.size() < n) {
            const int k = rng.bounded(speciesCount);
            if (!s.contains(k))
                s.append(k);
        }
    }
    // Harvest season: mid July to late October, working hours.
    const QDate first(2024, 7, 15);
    const int days = 100;
    QList<QDateTime> stamps;
    for (int i = 0; i < size; ++i) {
        const QDate d = first.addDays(rng.bounded(days));
        const QTime t(6 + rng.bounded(14), rng.bounded(60), 2 * rng.bounded(30));
        stamps.append(QDateTime(d, t));
    }
    std::sort(stamps.begin(), stamps.end());
    quint32 number = 1 + rng.bounded(500);
    for (const QDateTime& when : stamps) {
        const int oi = rng.bounded(objectCount);
        const int k = supplied[oi][rng.bounded(supplied[oi].size())];
        const Kind& kind = kinds[k];
        SimMeasurement m;
        m.number = number++ & 0xFFFFFF;
        m.packedDate = SimMeasurement::packDate(when.date());
        m.packedTime = SimMeasurement::packTime(when.time());
        const int dryingOut = (when.date().month() - 7) * 5; // later grain is drier
        m.moisture = quint16(
            qMax(50, kind.moisture - dryingOut - kind.spread + rng.bounded(2 * kind.spread + 1)));
        const int warm = when.date().month() <= 8 ? 220 : 120;
        m.temperature = qint16(warm - 60 + rng.bounded(121));
        m.density = quint16(kind.density - 30 + rng.bounded(61));
        m.species = quint16(k);
        const int roll = rng.bounded(100);
        if (roll < 5)
            m.flags = 2; // an average of several fillings
        else if (roll < 7)
            m.flags = m.moisture > kind.moisture ? 16 : 8; // outside the calibration range
        else if (roll < 9)
            m.flags = 64; // value not available
        else if (roll < 11)
            m.flags = 1;
        data.objects[oi].measurements.append(m);
    }
    return data;
}

std::optional<MeterData> MeterData::fromJson(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull() || !doc.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError
                         ? QStringLiteral("not valid JSON: %1 at offset %2")
                               .arg(parseError.errorString())
                               .arg(parseError.offset)
                         : QStringLiteral("the JSON text is not an object");
        return std::nullopt;
    }
    const QJsonValue objectsValue = doc.object().value(QLatin1String("objects"));
    if (!objectsValue.isArray()) {
        if (error)
            *error = QStringLiteral("\"objects\" must be an array");
        return std::nullopt;
    }
    MeterData data;
    int oi = 0;
    for (const QJsonValue& ov : objectsValue.toArray()) {
        const QString where = QStringLiteral("object %1").arg(oi++);
        const QJsonObject o = ov.toObject();
        const int number = o.value(QLatin1String("number")).toInt(-1);
        if (!ov.isObject() || number < 0 || number > 255) {
            if (error)
                *error = where + QStringLiteral(": \"number\" must be 0 to 255");
            return std::nullopt;
        }
        SimObject obj;
        obj.number = quint8(number);
        obj.name = o.value(QLatin1String("name")).toString().toLatin1().left(24);
        int mi = 0;
        for (const QJsonValue& mv : o.value(QLatin1String("measurements")).toArray()) {
            const QString mwhere = where + QStringLiteral(", measurement %1").arg(mi++);
            const QJsonObject j = mv.toObject();
            SimMeasurement m;
            m.number = quint32(j.value(QLatin1String("number")).toInteger(0)) & 0xFFFFFF;
            if (j.contains(QLatin1String("packedDate")))
                m.packedDate = quint16(j.value(QLatin1String("packedDate")).toInt());
            else {
                const QDate d =
                    QDate::fromString(j.value(QLatin1String("date")).toString(), Qt::ISODate);
                if (!d.isValid() || d.year() < 1999 || d.year() > 2126) {
                    if (error)
                        *error =
                            mwhere + QStringLiteral(": \"date\" must be YYYY-MM-DD, 1999 to 2126, "
                                                    "or give \"packedDate\"");
                    return std::nullopt;
                }
                m.packedDate = SimMeasurement::packDate(d);
            }
            if (j.contains(QLatin1String("packedTime")))
                m.packedTime = quint16(j.value(QLatin1String("packedTime")).toInt());
            else {
                const QTime t = QTime::fromString(
                    j.value(QLatin1String("time")).toString(QStringLiteral("00:00:00")),
                    Qt::ISODate);
                if (!t.isValid()) {
                    if (error)
                        *error = mwhere + QStringLiteral(": \"time\" must be hh:mm:ss");
                    return std::nullopt;
                }
                m.packedTime = SimMeasurement::packTime(t);
            }
            qint32 moisture = 0, temperature = 0, density = 0;
            if (!readTenths(j, "moisture", 0, 6553.5, moisture, error, mwhere) ||
                !readTenths(j, "temperature", -3276.8, 3276.7, temperature, error, mwhere) ||
                !readTenths(j, "density", 0, 6553.5, density, error, mwhere))
                return std::nullopt;
            m.moisture = quint16(moisture);
            m.temperature = qint16(temperature);
            m.density = quint16(density);
            m.species = quint16(j.value(QLatin1String("species")).toInt(0));
            m.flags = quint8(j.value(QLatin1String("flags")).toInt(0));
            obj.measurements.append(m);
        }
        data.objects.append(obj);
    }
    return data;
}

QByteArray MeterData::toJson() const {
    QJsonArray objectsArray;
    for (const auto& o : objects) {
        QJsonArray ms;
        for (const auto& m : o.measurements) {
            QJsonObject j;
            j.insert(QStringLiteral("number"), qint64(m.number));
            if (m.date().isValid())
                j.insert(QStringLiteral("date"), m.date().toString(Qt::ISODate));
            else
                j.insert(QStringLiteral("packedDate"), m.packedDate);
            if (m.time().isValid())
                j.insert(QStringLiteral("time"), m.time().toString(Qt::ISODate));
            else
                j.insert(QStringLiteral("packedTime"), m.packedTime);
            j.insert(QStringLiteral("moisture"), m.moisture / 10.0);
            j.insert(QStringLiteral("temperature"), m.temperature / 10.0);
            j.insert(QStringLiteral("density"), m.density / 10.0);
            j.insert(QStringLiteral("species"), m.species);
            j.insert(QStringLiteral("flags"), m.flags);
            ms.append(j);
        }
        QJsonObject jo;
        jo.insert(QStringLiteral("number"), o.number);
        jo.insert(QStringLiteral("name"), QString::fromLatin1(o.name));
        jo.insert(QStringLiteral("measurements"), ms);
        objectsArray.append(jo);
    }
    QJsonObject root;
    root.insert(QStringLiteral("objects"), objectsArray);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

MeterData MeterData::fromEnvironment(QString* error) {
    const QString path = qEnvironmentVariable("ZQM_SIM_DATA");
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, file.errorString());
            return {};
        }
        QString why;
        if (auto data = fromJson(file.readAll(), &why))
            return *data;
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return {};
    }
    bool okSeed = false, okSize = false;
    quint32 seed = qEnvironmentVariable("ZQM_SIM_SEED").toUInt(&okSeed);
    int size = qEnvironmentVariable("ZQM_SIM_SIZE").toInt(&okSize);
    return generate(okSeed ? seed : 1, okSize ? size : 300);
}
