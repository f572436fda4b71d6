// End to end through the serial backend: the meter simulator runs as its own
// process on a pseudo-terminal, and the link finds, identifies and reads it at
// real line speed.
#include "MeterLink.h"
#include "drivers/SerialDriver.h"
#include "sim/MeterData.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
class MetersimTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim.setProgram(QStringLiteral(ZQM_BIN_DIR "/metersim"));
        sim.setArguments({QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--size"),
                          QStringLiteral("200"), QStringLiteral("--serial"),
                          QStringLiteral("654321")});
        sim.start();
        ASSERT_TRUE(sim.waitForStarted(5000)) << sim.errorString().toStdString();
        QByteArray out;
        while (!out.contains("ZQM_SERIAL_PORTS=") || !out.endsWith('\n')) {
            ASSERT_TRUE(sim.waitForReadyRead(5000)) << "metersim printed no port";
            out += sim.readAllStandardOutput();
        }
        const int at = out.indexOf("ZQM_SERIAL_PORTS=");
        ports = out.mid(at + 17, out.indexOf('\n', at) - at - 17);
        qputenv("ZQM_SERIAL_PORTS", ports);

        link.createLink(std::make_shared<SerialDriver>());
        link.processMessages = [] {};
        link.deviceNameText = [] { return QStringLiteral("Grain Moisture and Density Meter"); };
        link.showLabels = [this](const QString&, const QString& serial, const QString& fw) {
            shownSerial = serial;
            shownFirmware = fw;
        };
    }
    void TearDown() override {
        link.freeLink();
        qunsetenv("ZQM_SERIAL_PORTS");
        sim.terminate();
        sim.waitForFinished(5000);
    }

    QProcess sim;
    QByteArray ports;
    MeterLink link; // real time
    QString shownSerial, shownFirmware;
};
} // namespace

TEST_F(MetersimTest, IdentificationAndDownloadAtLineSpeed) {
    EXPECT_TRUE(ports.endsWith("=PP0023A1")) << ports.constData();
    ASSERT_TRUE(link.OpenZQMDevice());
    EXPECT_EQ(shownSerial, QStringLiteral("GD654321"));
    EXPECT_EQ(shownFirmware, QStringLiteral("1.15"));
    EXPECT_EQ(link.USBPortSerial, QByteArray("PP0023A1"));

    const MeterData expected = MeterData::generate(7, 200);
    QByteArray objects;
    for (const auto& o : expected.objects)
        objects += o.record();
    QByteArray command("L\r");
    EXPECT_EQ(link.SendAndGetRS(command, 0), objects + '*');

    // The longest measurement list arrives whole in one exchange.
    const SimObject* biggest = &expected.objects[0];
    for (const auto& o : expected.objects)
        if (o.measurements.size() > biggest->measurements.size())
            biggest = &o;
    QByteArray records;
    for (const auto& m : biggest->measurements)
        records += m.record();
    command = QByteArray("M") + char(biggest->number) + '\r';
    const QByteArray reply = link.SendAndGetRS(command, 0);
    EXPECT_EQ(reply.size(), records.size() + 1);
    EXPECT_EQ(reply, records + '*');

    // A supplier name upload is acknowledged with "*" as its second byte.
    QByteArray name = QByteArray("NZIELINSKI") + QByteArray(14, '\0') + '\r';
    EXPECT_EQ(link.SendAndGetRSLen(name, 25)[1], '*');
}

TEST_F(MetersimTest, SimulatorStoppedMeansNoMeterNotACrash) {
    ASSERT_TRUE(link.OpenZQMDevice());
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    QByteArray command("L\r");
    const QByteArray reply = link.SendAndGetRS(command, 0);
    EXPECT_FALSE(reply.endsWith('*'));
    EXPECT_FALSE(link.OpenZQMDevice());
}
