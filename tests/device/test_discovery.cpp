// Finding and identifying the meter among the attached FTDI devices.
#include "SimFixture.h"

namespace {
class DiscoveryTest : public SimLinkTest {};

struct ListingCase {
    const char* name;
    QList<QByteArray> serials; // attached devices in the driver's order; "PP..." ones are meters
    QList<QByteArray> candidates;
};
} // namespace

TEST_F(DiscoveryTest, CandidatesAreSerialsStartingWithPPLongerThanFour) {
    const ListingCase cases[] = {
        {"nothing attached", {}, {}},
        {"four characters is too short", {"PP12"}, {}},
        {"five characters is enough", {"PP123"}, {"PP123"}},
        {"other FTDI devices are ignored", {"FT0023A1"}, {}},
        {"lower case pp is not PP", {"pp0023A1"}, {}},
        {"mixed, in listing order",
         {"FT000001", "PP000002", "PP12", "PP000003"},
         {"PP000002", "PP000003"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        SetUp();
        for (const QByteArray& s : tc.serials)
            if (s.startsWith("PP"))
                addMeter(s);
            else
                driver->addDevice(s);
        const qint64 start = clock.nowMs();
        const int found = link.FindPPDevices();
        ASSERT_EQ(found, tc.candidates.size());
        for (int i = 0; i < found; ++i)
            EXPECT_EQ(link.ListaPPDev[size_t(i)], tc.candidates[i]);
        // With no candidate the devices are listed a second time, 2 s later.
        const int listings = int(driver->calls().count("CreateDeviceInfoList"));
        EXPECT_EQ(listings, found == 0 ? 2 : 1);
        EXPECT_EQ(clock.nowMs() - start >= 2000, found == 0);
        EXPECT_FALSE(link.FtdiRS->fconnected);
    }
}

TEST(Discovery, SecondListingFindsAMeterPluggedInDuringTheWait) {
    // A clock whose two-second sleep is when the user plugs the meter in.
    struct PlugInClock : ManualClock {
        std::function<void()> duringLongSleep;
        void sleepMs(int ms) override {
            ManualClock::sleepMs(ms);
            if (ms >= 2000 && duringLongSleep)
                duringLongSleep();
        }
    } clock;
    auto driver = std::make_shared<SimDriver>(&clock);
    clock.duringLongSleep = [&] { driver->addMeter("PP777777"); };
    MeterLink link(&clock);
    link.processMessages = [] {};
    link.createLink(driver);
    EXPECT_EQ(link.FindPPDevices(), 1);
    EXPECT_EQ(link.ListaPPDev[0], QByteArray("PP777777"));
    EXPECT_TRUE(link.OpenZQMDevice());
}

TEST_F(DiscoveryTest, FailedListingCountsAsNoDevice) {
    addMeter();
    driver->setListingFails(true);
    EXPECT_EQ(link.FindPPDevices(), 0);
    EXPECT_FALSE(link.OpenZQMDevice());
}

TEST_F(DiscoveryTest, IdentificationOpensSetsUpAndAsks) {
    auto meter = addMeter();
    ASSERT_TRUE(link.OpenZQMDevice());
    const QStringList expected = {
        "OpenEx PP0023A1 1",
        "ResetDevice",
        "SetBaudRate 115200",
        "SetDataCharacteristics 8 0 0",
        "SetLatencyTimer 2",
        "SetUSBParameters 16 16",
        "SetFlowControl 0 0 0",
        "SetTimeouts 5 5",
        "Purge 1",
        "Write 49 0D",
    };
    const int open = indexOfCall("OpenEx");
    ASSERT_GE(open, 0);
    EXPECT_EQ(driver->calls().mid(open, expected.size()), expected);
    EXPECT_TRUE(link.FtdiRS->fconnected) << "the link stays open for the exchanges";
    EXPECT_EQ(link.USBPortSerial, QByteArray("PP0023A1"));
    EXPECT_EQ(link.DevFirmWare, QByteArray("1.15"));
    EXPECT_EQ(labelUpdates, 1);
    EXPECT_EQ(labelName, QStringLiteral("Grain Moisture and Density Meter"));
    EXPECT_EQ(labelSerial, QStringLiteral("GD230117"));
    EXPECT_EQ(labelFirmware, QStringLiteral("1.15"));
    EXPECT_EQ(meter->commands(), QList<QByteArray>({"I\r"}));
}

TEST_F(DiscoveryTest, IdentificationReplies) {
    struct Case {
        const char* name;
        const char* faults;
        QByteArray prefix, serial, firmware, tail;
        bool accepted;
        QString shownSerial, shownFirmware;
    };
    const Case cases[] = {
        {"17 bytes", "", "PPGGD", "A1B2C3", "2.07", "", true, "GDA1B2C3", "2.07"},
        {"20 bytes", "", "PPGGD", "000042", "1.15", "abc", true, "GD000042", "1.15"},
        {"16 bytes", "cut cmd=I at=16", "PPGGD", "000042", "1.15", "", false, "", ""},
        {"wrong prefix", "", "PPGGX", "000042", "1.15", "", false, "", ""},
        {"no answer", "silence cmd=I", "PPGGD", "000042", "1.15", "", false, "", ""},
        {"8-bit characters", "", "PPGGD",
         "\xB5\xE9"
         "0001",
         "\xC4"
         "1.0",
         "", true, QString::fromUtf8("GD\u00B5\u00E90001"), QString::fromUtf8("\u00C41.0")},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        SetUp();
        labelSerial = QStringLiteral("before");
        auto meter = addMeter();
        meter->config().identPrefix = tc.prefix;
        meter->config().serial = tc.serial;
        meter->config().firmware = tc.firmware;
        meter->config().identTail = tc.tail;
        meter->faults() = *parseMeterFaults(QString::fromLatin1(tc.faults));
        EXPECT_EQ(link.OpenZQMDevice(), tc.accepted);
        if (tc.accepted) {
            EXPECT_EQ(labelSerial, tc.shownSerial);
            EXPECT_EQ(labelFirmware, tc.shownFirmware);
        } else {
            EXPECT_EQ(labelUpdates, 0);
            EXPECT_EQ(labelSerial, QStringLiteral("before"));
            EXPECT_TRUE(link.FtdiRS->fconnected) << "a refused meter stays open";
        }
    }
}

TEST_F(DiscoveryTest, TwoMetersTheFirstListedIsUsed) {
    auto first = addMeter("PP000001");
    auto second = addMeter("PP000002");
    ASSERT_TRUE(link.OpenZQMDevice());
    EXPECT_EQ(link.ListaPPDev[1], QByteArray("PP000002"));
    EXPECT_EQ(link.USBPortSerial, QByteArray("PP000001"));
    EXPECT_EQ(first->commands().size(), 1);
    EXPECT_TRUE(second->commands().isEmpty());
}

TEST_F(DiscoveryTest, SecondIdentificationClosesAndReopens) {
    auto meter = addMeter();
    ASSERT_TRUE(link.OpenZQMDevice());
    const FtHandle firstHandle = link.FtdiRS->fhandle;
    driver->calls().clear();
    ASSERT_TRUE(link.OpenZQMDevice());
    const int listed = indexOfCall("CreateDeviceInfoList");
    const int closed = indexOfCall("Close");
    const int opened = indexOfCall("OpenEx");
    EXPECT_GE(listed, 0);
    EXPECT_GT(closed, listed) << "the link is closed after the listing";
    EXPECT_GT(opened, closed);
    EXPECT_NE(link.FtdiRS->fhandle, firstHandle);
    EXPECT_EQ(meter->commands().size(), 2);
}

TEST_F(DiscoveryTest, NoMeterTakesTwoSecondsAndLeavesTheLinkClosed) {
    driver->addDevice("FT0023A1");
    const qint64 start = clock.nowMs();
    EXPECT_FALSE(link.OpenZQMDevice());
    EXPECT_GE(clock.nowMs() - start, 2000);
    EXPECT_LT(clock.nowMs() - start, 2100);
    EXPECT_FALSE(link.FtdiRS->fconnected);
    EXPECT_EQ(indexOfCall("OpenEx"), -1);
}

TEST_F(DiscoveryTest, MoreThanAHundredCandidatesKeepTheFirstHundred) {
    for (int i = 0; i < 105; ++i)
        driver->addDevice(QByteArray("PP") + QByteArray::number(10000 + i));
    EXPECT_EQ(link.FindPPDevices(), 100);
    EXPECT_EQ(link.ListaPPDev[0], QByteArray("PP10000"));
    EXPECT_EQ(link.ListaPPDev[99], QByteArray("PP10099"));
}

TEST_F(DiscoveryTest, FreeingTheLinkClosesTheDevice) {
    addMeter();
    ASSERT_TRUE(link.OpenZQMDevice());
    link.freeLink();
    EXPECT_EQ(link.FtdiRS, nullptr);
    EXPECT_EQ(driver->calls().last(), "Close");
}
