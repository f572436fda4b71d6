// The simulated meter: its records, its answers to every command the program
// sends, its data sets and its faults.
#include "sim/MeterData.h"
#include "sim/MeterFaults.h"
#include "sim/MeterModel.h"
#include "sim/PacedLine.h"

#include <gtest/gtest.h>

namespace {
QByteArray only(const QList<MeterReply>& replies) {
    EXPECT_EQ(replies.size(), 1);
    return replies.isEmpty() ? QByteArray() : replies.first().bytes();
}

MeterData twoObjects() {
    MeterData d;
    SimObject a;
    a.number = 1;
    a.name = "FARM 1";
    SimMeasurement m;
    m.number = 0x123456;
    m.packedDate = 0x2A6F; // 15 March 2020
    m.packedTime = 0x6B2E; // 13:25:28
    m.moisture = 0x00A5;
    m.temperature = qint16(0xFF9C);
    m.density = 753;
    m.species = 2;
    m.flags = 0x42;
    a.measurements = {m, m};
    SimObject b;
    b.number = 13; // travels as "M" CR
    b.name = "TWENTY CHARACTERS AB";
    b.measurements = {m};
    d.objects = {a, b};
    return d;
}
} // namespace

TEST(MeterRecords, LayoutOfMeasurementAndObjectRecords) {
    const MeterData d = twoObjects();
    const QByteArray r = d.objects[0].measurements[0].record();
    EXPECT_EQ(r.toHex(' '), QByteArray("56 34 12 6f 2a 2e 6b a5 00 9c ff f1 02 02 00 42"));
    EXPECT_EQ(d.objects[0].measurements[0].date(), QDate(2020, 3, 15));
    EXPECT_EQ(d.objects[0].measurements[0].time(), QTime(13, 25, 28));
    EXPECT_EQ(SimMeasurement::packDate(QDate(2020, 3, 15)), 0x2A6F);
    EXPECT_EQ(SimMeasurement::packTime(QTime(13, 25, 28)), 0x6B2E);

    const QByteArray o = d.objects[1].record();
    ASSERT_EQ(o.size(), 25);
    EXPECT_EQ(quint8(o[0]), 13);
    EXPECT_EQ(o.mid(1, 20), QByteArray("TWENTY CHARACTERS AB"));
    EXPECT_EQ(o.mid(21), QByteArray(4, '\0'));
}

TEST(MeterModelAnswers, DataCommands) {
    MeterModel meter(twoObjects());
    const MeterData& d = meter.data();
    EXPECT_EQ(only(meter.receive("I\r")), QByteArray("PPGGD230117 1.15\r"));
    EXPECT_EQ(only(meter.receive("L\r")), d.objects[0].record() + d.objects[1].record() + '*');
    const QByteArray m1 = only(meter.receive(QByteArray("M\x01\r")));
    EXPECT_EQ(m1.size(), 2 * 16 + 1);
    EXPECT_EQ(m1,
              d.objects[0].measurements[0].record() + d.objects[0].measurements[1].record() + '*');
    EXPECT_EQ(only(meter.receive("M\r")), d.objects[1].measurements[0].record() + '*');
    EXPECT_EQ(only(meter.receive(QByteArray("M\x63\r"))), QByteArray("*")) << "unknown object";
    // A command split over several writes is answered once complete.
    EXPECT_TRUE(meter.receive("L").isEmpty());
    EXPECT_EQ(only(meter.receive("\r")).right(1), QByteArray("*"));
    // Noise is skipped; an unfinished command goes stale after 50 ms.
    EXPECT_TRUE(meter.receive("\r\n?", 0).isEmpty());
    EXPECT_TRUE(meter.receive("M", 1'000).isEmpty());
    EXPECT_EQ(only(meter.receive("I\r", 100'000)).left(5), QByteArray("PPGGD"));
}

TEST(MeterModelAnswers, UploadsAreKept) {
    MeterModel meter(twoObjects());
    const QByteArray n = QByteArray("NNEW ONE") + QByteArray(16, '\0') + '\r';
    ASSERT_EQ(n.size(), 25);
    const QByteArray ack = only(meter.receive(n));
    EXPECT_EQ(ack[1], '*');
    ASSERT_EQ(meter.data().objects.size(), 3);
    EXPECT_EQ(meter.data().objects[2].name, QByteArray("NEW ONE"));
    EXPECT_EQ(meter.data().objects[2].number, 2) << "the first free object number";

    EXPECT_EQ(only(meter.receive(QByteArray("U8\0\0\r", 5)))[0], '*');
    for (int line = 0; line < 4; ++line) {
        QByteArray f = QByteArray("F\0", 2) + char(0x65 + line) + QByteArray("\0\x80", 2);
        f += QByteArray("Line ") + QByteArray::number(line + 1);
        f.append(QByteArray(43 - f.size(), '\0'));
        EXPECT_EQ(only(meter.receive(f))[0], '*');
    }
    EXPECT_EQ(meter.textLines()[3], QByteArray("Line 4"));

    EXPECT_EQ(only(meter.receive(QByteArray("U9\0\0\r", 5)))[0], '*');
    for (int b = 0; b < 45; ++b) {
        const int offset = 40 * b;
        QByteArray p = QByteArray("P\x03", 2) + char(offset & 0xFF) + char(offset >> 8);
        p += QByteArray(40, char(b + 1));
        EXPECT_EQ(only(meter.receive(p))[0], '*') << b;
    }
    EXPECT_EQ(quint8(meter.logo()[0]), 1);
    EXPECT_EQ(quint8(meter.logo()[1799]), 45);
    // A block past the end of the logo is refused.
    QByteArray past = QByteArray("P\x03\xE0\x07", 4) + QByteArray(40, '\0');
    EXPECT_NE(only(meter.receive(past))[0], '*');

    const auto v2 = meter.receive("V2\r");
    ASSERT_EQ(v2.size(), 1);
    ASSERT_EQ(v2[0].pieces.size(), 2);
    EXPECT_EQ(v2[0].pieces[0].bytes, QByteArray("*"));
    EXPECT_EQ(v2[0].pieces[1].bytes, QByteArray("*"));
    EXPECT_EQ(v2[0].pieces[1].delayUs, 1'500'000);
    EXPECT_TRUE(meter.logoPrinted());
    meter.receive("V1\r");
    EXPECT_EQ(meter.logo(), QByteArray(MeterModel::logoSize, '\0'));
}

TEST(MeterFaultsTest, ParsingAndEffects) {
    QString error;
    EXPECT_FALSE(parseMeterFaults(QStringLiteral("explode"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("explode")));
    EXPECT_FALSE(parseMeterFaults(QStringLiteral("pause at=x"), &error));
    EXPECT_FALSE(parseMeterFaults(QStringLiteral("cut first=0"), &error));

    MeterModel meter(twoObjects());
    meter.faults() = *parseMeterFaults(QStringLiteral(
        "refuse cmd=P first=2 times=2; nostar cmd=L; pause cmd=I at=5 ms=300; cut cmd=M at=20"));
    const QByteArray block = QByteArray("P\x03\0\0", 4) + QByteArray(40, '\0');
    QByteArray firstBytes;
    for (int i = 0; i < 4; ++i)
        firstBytes += only(meter.receive(block)).left(1);
    EXPECT_EQ(firstBytes, QByteArray("*??*"));
    EXPECT_FALSE(only(meter.receive("L\r")).endsWith('*'));
    const auto ident = meter.receive("I\r");
    ASSERT_EQ(ident.size(), 1);
    ASSERT_EQ(ident[0].pieces.size(), 2);
    EXPECT_EQ(ident[0].pieces[0].bytes, QByteArray("PPGGD"));
    EXPECT_EQ(ident[0].pieces[1].delayUs, 300'000);
    EXPECT_EQ(only(meter.receive(QByteArray("M\x01\r"))).size(), 20);
}

TEST(PacedLineTest, BytesArriveAtLineSpeed) {
    PacedLine line;
    MeterReply reply;
    reply.pieces = {{1000, QByteArray(100, 'a')}, {50'000, QByteArray(10, 'b')}};
    line.schedule(reply, 0, 2);
    // 10 bits a byte at 115200 baud: 86.8 us each, after the 2-byte command
    // has come in and the meter's 1 ms of thought.
    const qint64 start = 2 * 10'000'000 / 115200 + 1000;
    EXPECT_EQ(line.arrived(start + 85), 0);
    EXPECT_EQ(line.arrived(start + 86), 1);
    EXPECT_EQ(line.arrived(start + 8679), 99);
    EXPECT_EQ(line.arrived(start + 8680), 100);
    EXPECT_EQ(line.arrived(start + 8680 + 49'000), 100) << "the pause";
    EXPECT_EQ(line.arrived(start + 8680 + 50'000 + 868), 110);
    line.dropArrived(start + 8680);
    EXPECT_EQ(line.take(1'000'000, 100), QByteArray(10, 'b'));
}

TEST(MeterDataTest, GeneratedSeasonIsReproducibleAndPlausible) {
    const MeterData a = MeterData::generate(7, 300);
    const MeterData b = MeterData::generate(7, 300);
    const MeterData c = MeterData::generate(8, 300);
    EXPECT_EQ(a.toJson(), b.toJson());
    EXPECT_NE(a.toJson(), c.toJson());
    EXPECT_EQ(a.measurementCount(), 300);
    EXPECT_GE(a.objects.size(), 3);
    EXPECT_LE(a.objects.size(), 12);
    QSet<int> species;
    for (const auto& o : a.objects) {
        EXPECT_FALSE(o.name.isEmpty());
        EXPECT_LE(o.name.size(), 20);
        for (const auto& m : o.measurements) {
            EXPECT_TRUE(m.date().isValid());
            EXPECT_TRUE(m.time().isValid());
            EXPECT_EQ(m.date().year(), 2024);
            EXPECT_GE(m.moisture, 50);
            EXPECT_LE(m.moisture, 400);
            EXPECT_GE(m.density, 400);
            EXPECT_LE(m.density, 900);
            species.insert(m.species);
        }
    }
    EXPECT_GE(species.size(), 2);
}

TEST(MeterDataTest, JsonRoundTripKeepsEveryRecordByte) {
    MeterData d = MeterData::generate(11, 120);
    d.objects[0].measurements[0].packedDate = 0x2A0F; // month 0: not a date
    d.objects[0].measurements[1].packedTime = 0x001F; // 62 seconds
    const auto back = MeterData::fromJson(d.toJson());
    ASSERT_TRUE(back);
    ASSERT_EQ(back->objects.size(), d.objects.size());
    for (int i = 0; i < d.objects.size(); ++i) {
        EXPECT_EQ(back->objects[i].record(), d.objects[i].record());
        ASSERT_EQ(back->objects[i].measurements.size(), d.objects[i].measurements.size());
        for (int j = 0; j < d.objects[i].measurements.size(); ++j)
            EXPECT_EQ(back->objects[i].measurements[j].record(),
                      d.objects[i].measurements[j].record());
    }
}

TEST(MeterDataTest, BadJsonSaysWhy) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {"{", "not valid JSON"},
        {"[]", "not an object"},
        {"{\"objects\": 3}", "\"objects\""},
        {"{\"objects\": [{\"number\": 300}]}", "object 0"},
        {"{\"objects\": [{\"number\": 1, \"measurements\": [{\"date\": \"2020-02-30\"}]}]}",
         "measurement 0"},
        {"{\"objects\": [{\"number\": 1, \"measurements\": [{\"date\": \"2020-02-03\", "
         "\"moisture\": \"wet\"}]}]}",
         "moisture"},
    };
    for (const auto& tc : cases) {
        QString error;
        EXPECT_FALSE(MeterData::fromJson(tc.json, &error)) << tc.json;
        EXPECT_TRUE(error.contains(QLatin1String(tc.mentions)))
            << tc.json << " -> " << error.toStdString();
    }
}
