// Decoding the meter's object and measurement records.
#include "MeterRecords.h"

#include <gtest/gtest.h>

namespace {
QByteArray measurement(quint32 number, quint16 date, quint16 time, quint16 moisture,
                       quint16 temperature, quint16 density, quint16 species, quint8 flags) {
    QByteArray r;
    auto put16 = [&r](quint16 v) {
        r.append(char(v & 0xFF));
        r.append(char(v >> 8));
    };
    r.append(char(number & 0xFF));
    r.append(char((number >> 8) & 0xFF));
    r.append(char((number >> 16) & 0xFF));
    put16(date);
    put16(time);
    put16(moisture);
    put16(temperature);
    put16(density);
    put16(species);
    r.append(char(flags));
    return r;
}
quint16 packDate(int y, int m, int d) {
    return quint16(((y - 1999) << 9) | (m << 5) | d);
}
} // namespace

TEST(MeasurementRecord, DecodesEveryField) {
    const QByteArray rec = measurement(0x123456, 0x2A6F, 0x6B2E, 0x00A5, 0xFF9C, 763, 4, 0x42);
    ASSERT_EQ(rec.size(), 16);
    const auto m = MeasurementRecord::decode(rec.constData());
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->number, 0x123456u);
    EXPECT_EQ(m->when, QDateTime(QDate(2020, 3, 15), QTime(13, 25, 28)));
    EXPECT_DOUBLE_EQ(m->moisture, 16.5);
    EXPECT_DOUBLE_EQ(m->temperature, -10.0);
    EXPECT_DOUBLE_EQ(m->density, 76.3);
    EXPECT_EQ(m->speciesIndex, 4);
    EXPECT_EQ(m->flags, 0x42);
}

TEST(MeasurementRecord, DatesAndTimesThatDoNotExistAreRefused) {
    struct Case {
        const char* name;
        quint16 date, time;
        bool valid;
    };
    const quint16 noon = quint16(12 << 11);
    const Case cases[] = {
        {"month 0", packDate(2024, 0, 10), noon, false},
        {"month 13", packDate(2024, 13, 10), noon, false},
        {"day 0", packDate(2024, 5, 0), noon, false},
        {"30 February", packDate(2024, 2, 30), noon, false},
        {"29 February of a leap year", packDate(2024, 2, 29), noon, true},
        {"29 February otherwise", packDate(2023, 2, 29), noon, false},
        {"24 hours", packDate(2024, 5, 1), quint16(24 << 11), false},
        {"60 minutes", packDate(2024, 5, 1), quint16(60 << 5), false},
        {"seconds field 30 (60 s)", packDate(2024, 5, 1), quint16(30), false},
        {"seconds field 31 (62 s)", packDate(2024, 5, 1), quint16(31), false},
        {"23:59:58", packDate(2024, 5, 1), quint16((23 << 11) | (59 << 5) | 29), true},
        {"first year 1999", packDate(1999, 1, 1), 0, true},
        {"last year 2126", packDate(2126, 12, 31), 0, true},
    };
    for (const Case& c : cases) {
        const QByteArray rec = measurement(1, c.date, c.time, 100, 200, 700, 0, 0);
        EXPECT_EQ(MeasurementRecord::decode(rec.constData()).has_value(), c.valid) << c.name;
    }
}

TEST(ObjectRecord, NameEndsAtTheFirstNulOrAfterTwentyBytes) {
    QByteArray full(25, 'x');
    full[0] = char(7);
    full.replace(1, 20, "ABCDEFGHIJKLMNOPQRST");
    QByteArray shortName(25, '\0');
    shortName[0] = char(13);
    shortName.replace(1, 3, "Kos");
    shortName[22] = 'Z'; // bytes after the name field are not part of it

    const QList<ObjectRecord> objects = objectRecords(full + shortName + "*");
    ASSERT_EQ(objects.size(), 2);
    EXPECT_EQ(objects[0].number, 7);
    EXPECT_EQ(objects[0].name, QByteArray("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(objects[1].number, 13);
    EXPECT_EQ(objects[1].name, QByteArray("Kos"));
}

TEST(MeterReplies, RecordCountsCompletenessAndCommands) {
    EXPECT_TRUE(objectRecords("*").isEmpty());
    EXPECT_EQ(objectRecords(QByteArray(51, 'a')).size(), 2);
    EXPECT_EQ(measurementRecordCount(QByteArray(33, 'a')), 2);
    EXPECT_EQ(measurementRecordCount("*"), 0);

    EXPECT_TRUE(isCompleteDataReply("*"));
    EXPECT_FALSE(isCompleteDataReply(""));
    EXPECT_FALSE(isCompleteDataReply(QByteArray(32, 'a')));

    EXPECT_EQ(measurementListCommand(5), QByteArray("M\x05\r", 3));
    EXPECT_EQ(measurementListCommand(0), QByteArray("M\0\r", 3));
    EXPECT_EQ(measurementListCommand(13), QByteArray("M\r"));
}
