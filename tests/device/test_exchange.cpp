// The command exchange with the meter, on the test clock: when the wait ends,
// what the reply holds, and what is sent.
#include "DeviceTrace.h"
#include "SimFixture.h"
#include "drivers/TraceDriver.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
class ExchangeTest : public SimLinkTest {
protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        meter = addMeter();
        ASSERT_TRUE(link.OpenZQMDevice());
        driver->calls().clear();
    }
    QByteArray send(const QByteArray& command, int lenn) {
        QByteArray c = command;
        const qint64 start = clock.nowMs();
        QByteArray reply = link.SendAndGetRS(c, lenn);
        EXPECT_EQ(c, command) << "the command is left as it was";
        elapsedMs = clock.nowMs() - start;
        return reply;
    }
    QByteArray objectList() const {
        QByteArray all;
        for (const auto& o : meter->data().objects)
            all += o.record();
        return all + '*';
    }
    std::shared_ptr<MeterModel> meter;
    qint64 elapsedMs = 0;
};
} // namespace

TEST_F(ExchangeTest, ReplyOfVariableLengthEndsAfterSilence) {
    const QByteArray reply = send("L\r", 0);
    EXPECT_EQ(reply, objectList());
    EXPECT_GT(elapsedMs, 100);
    EXPECT_LT(elapsedMs, 150);
    EXPECT_EQ(driver->calls().value(0), "Purge 1");
    EXPECT_EQ(driver->calls().value(1), "Write 4C 0D");
}

TEST_F(ExchangeTest, WaitEndsAtTheFirstPollThatSeesTheExpectedLength) {
    meter->config().identTail = "XYZ"; // a 20-byte identification
    const QByteArray reply = send("I\r", 17);
    EXPECT_EQ(reply, QByteArray("PPGGD230117 1.15\rXYZ"));
    // One empty poll, one that sees all 20 bytes, then the 10 ms before the read.
    EXPECT_LE(elapsedMs, 25);
}

TEST_F(ExchangeTest, SilentMeterGivesAnEmptyReplyAfterOneSecond) {
    meter->faults() = *parseMeterFaults(QStringLiteral("silence cmd=L"));
    const QByteArray reply = send("L\r", 0);
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_GT(elapsedMs, 1000);
    EXPECT_LT(elapsedMs, 1100);
}

TEST_F(ExchangeTest, PausesInsideAReply) {
    struct Case {
        int pauseMs;
        bool whole;
    };
    for (const Case tc : {Case{60, true}, Case{95, true}, Case{130, false}, Case{400, false}}) {
        SCOPED_TRACE(tc.pauseMs);
        meter->faults() = {MeterFault{MeterFault::Pause, 'L', 1, 0, 50, tc.pauseMs}};
        const QByteArray reply = send("L\r", 0);
        if (tc.whole)
            EXPECT_EQ(reply, objectList());
        else
            EXPECT_EQ(reply, objectList().left(50)) << "cut at the pause";
        clock.sleepMs(1000); // the rest of a cut reply comes in and lies in the queue
    }
}

TEST_F(ExchangeTest, LeftOverBytesNeverReachTheNextReply) {
    // A long identification read with lenn 17 stops early; the rest lands in
    // the receive queue and must be purged before the next command.
    meter->config().identTail = QByteArray(200, '#');
    const QByteArray first = send("I\r", 17);
    EXPECT_GE(first.size(), 17);
    EXPECT_LT(first.size(), 217);
    clock.sleepMs(100);
    int waiting = 0;
    ASSERT_TRUE(link.FtdiRS->getReceiveQueueStatus(waiting));
    ASSERT_GT(waiting, 0) << "the fixture must leave bytes behind";
    EXPECT_EQ(send("L\r", 0), objectList());
}

TEST_F(ExchangeTest, AcknowledgedExchange) {
    // The supplier-name command carries NUL bytes; all 25 are sent.
    QByteArray command = QByteArray("NAB") + QByteArray(21, '\0') + '\r';
    QByteArray reply = link.SendAndGetRSLen(command, 25);
    ASSERT_EQ(reply.size(), 5);
    EXPECT_EQ(reply[1], '*');
    EXPECT_EQ(driver->calls().value(1),
              "Write 4E 41 42 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0D");
    EXPECT_EQ(meter->data().objects.last().name, QByteArray("AB"));

    // Only `lenn` bytes go out, even from a longer buffer.
    QByteArray longer = QByteArray("F\0\x65\0\x80", 5) + QByteArray(38, 'a') + "TRAILING";
    reply = link.SendAndGetRSLen(longer, 43);
    EXPECT_EQ(reply[0], '*');
    EXPECT_EQ(meter->textLines()[0], QByteArray(38, 'a'));
}

TEST_F(ExchangeTest, UnansweredAcknowledgementKeepsItsX) {
    meter->faults() = *parseMeterFaults(QStringLiteral("silence cmd=P"));
    QByteArray block = QByteArray("P\x03\0\0", 4) + QByteArray(40, '\0');
    const qint64 start = clock.nowMs();
    const QByteArray reply = link.SendAndGetRSLen(block, 44);
    ASSERT_EQ(reply.size(), 5);
    EXPECT_EQ(reply[0], 'x');
    EXPECT_FALSE(reply.contains('*'));
    EXPECT_GT(clock.nowMs() - start, 100);
    EXPECT_GT(messageRuns, 0) << "window messages run while waiting for an acknowledgement";

    // A refused acknowledgement carries no "*" either.
    meter->faults() = *parseMeterFaults(QStringLiteral("refuse cmd=N"));
    QByteArray name = QByteArray("NX") + QByteArray(22, '\0') + '\r';
    EXPECT_NE(link.SendAndGetRSLen(name, 25)[1], '*');
}

TEST_F(ExchangeTest, PrinterStepAnswersTwice) {
    meter->config().printerDelayMs = 3000;
    const QByteArray first = send("V2\r", 1);
    EXPECT_EQ(first, QByteArray("*"));
    int waiting = 0;
    link.FtdiRS->getReceiveQueueStatus(waiting);
    EXPECT_EQ(waiting, 0);
    clock.sleepMs(3000);
    link.FtdiRS->getReceiveQueueStatus(waiting);
    EXPECT_EQ(waiting, 1);
    EXPECT_TRUE(meter->logoPrinted());
}

TEST_F(ExchangeTest, UnpluggedInTheMiddleOfAReplyEndsLikeSilence) {
    meter->faults() = *parseMeterFaults(QStringLiteral("vanish cmd=L at=30"));
    const QByteArray reply = send("L\r", 0);
    EXPECT_FALSE(reply.endsWith('*'));
    EXPECT_LE(reply.size(), 30);
    // The next identification finds no meter and says so.
    EXPECT_FALSE(link.OpenZQMDevice());
    EXPECT_FALSE(link.FtdiRS->fconnected);
}

TEST(DeviceTrace, RecordsExchangesOnlyWhenAsked) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.log"));
    ManualClock clock;
    auto run = [&] {
        auto sim = std::make_shared<SimDriver>(&clock);
        sim->addMeter("PP0023A1");
        MeterLink link(&clock);
        link.processMessages = [] {};
        link.createLink(deviceTrace::enabled() ? std::make_shared<TraceDriver>(sim)
                                               : std::shared_ptr<FtdiDriver>(sim));
        EXPECT_TRUE(link.OpenZQMDevice());
    };

    qunsetenv("ZQM_TRACE");
    deviceTrace::reset();
    run();
    EXPECT_FALSE(QFile::exists(path));

    qputenv("ZQM_TRACE", path.toLocal8Bit());
    deviceTrace::reset();
    run();
    qunsetenv("ZQM_TRACE");
    deviceTrace::reset();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray log = file.readAll();
    EXPECT_TRUE(log.contains("open \"PP0023A1\"")) << log.constData();
    EXPECT_TRUE(log.contains("baud rate 115200"));
    EXPECT_TRUE(log.contains("sent 2 bytes: 49 0D"));
    EXPECT_TRUE(log.contains("50 50 47 47 44 32 33 30 31 31 37 20 31 2E 31 35 0D"));
    EXPECT_TRUE(log.contains("exchange: sent 49 0D, waited for 17, reply 17 bytes"));
}
