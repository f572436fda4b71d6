// The USB link object: misuse messages, the values passed to the driver, and
// the device listing.
#include "FTDIchip.h"
#include "SimFixture.h"

#include <functional>
#include <stdexcept>

namespace {
class FtdiChipTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver = std::make_shared<SimDriver>(&clock);
        driver->addMeter("PP0023A1");
    }
    ManualClock clock;
    std::shared_ptr<SimDriver> driver;
};

struct MisuseCase {
    const char* message;
    bool open; // state of the link before the call
    std::function<void(tftdichip&)> call;
};
} // namespace

TEST_F(FtdiChipTest, MisuseRaisesItsMessageWithoutCallingTheDriver) {
    const MisuseCase cases[] = {
        {"tftdichip.openDeviceBySerial: Already open", true,
         [](tftdichip& c) { c.openDeviceBySerial("PP0023A1"); }},
        {"tftdichip.closeDevice: Not open", false, [](tftdichip& c) { c.closeDevice(); }},
        {"tftdichip.setBaudRate: Invalid baud rate", true,
         [](tftdichip& c) { c.setBaudRate(fBaudRate(14)); }},
        {"tftdichip.setBaudRate: Invalid baud rate", true,
         [](tftdichip& c) { c.setBaudRate(fBaudRate(-1)); }},
        {"tftdichip.setDataCharacteristics: Invalid wordLength", true,
         [](tftdichip& c) { c.setDataCharacteristics(fWordLength(2), fStopBits(7), fParity(9)); }},
        {"tftdichip.setDataCharacteristics: Invalid stopBits", true,
         [](tftdichip& c) { c.setDataCharacteristics(fBits8, fStopBits(2), fParity(9)); }},
        {"tftdichip.setDataCharacteristics: Invalid parity", true,
         [](tftdichip& c) { c.setDataCharacteristics(fBits7, fStopBits2, fParity(5)); }},
        {"tftdichip.setFlowControl: Invalid flowcontrol", true,
         [](tftdichip& c) { c.setFlowControl(fFlowControl(4), 0, 0); }},
        {"tftdichip.purgeQueue: Invalid queue", true,
         [](tftdichip& c) { c.purgeQueue(fQueue(3)); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.message);
        tftdichip chip(driver);
        if (tc.open) {
            ASSERT_TRUE(chip.openDeviceBySerial("PP0023A1"));
        }
        const FtHandle handle = chip.fhandle;
        const int callsBefore = int(driver->calls().size());
        try {
            tc.call(chip);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), tc.message);
        }
        EXPECT_EQ(driver->calls().size(), callsBefore) << "the driver was called";
        EXPECT_EQ(chip.fconnected, tc.open);
        EXPECT_EQ(chip.fhandle, handle);
        if (chip.fconnected)
            chip.closeDevice();
    }
}

TEST_F(FtdiChipTest, SettingsReachTheDriverAsItsOwnValues) {
    tftdichip chip(driver);
    ASSERT_TRUE(chip.openDeviceBySerial("PP0023A1"));
    driver->calls().clear();
    EXPECT_TRUE(chip.purgeQueue(fAll));
    EXPECT_TRUE(chip.purgeQueue(fSendQueue));
    EXPECT_TRUE(chip.purgeQueue(fReceiveQueue));
    EXPECT_TRUE(chip.setBaudRate(fBaud115200));
    EXPECT_TRUE(chip.setBaudRate(fBaud300));
    EXPECT_TRUE(chip.setBaudRate(fBaud921600));
    EXPECT_TRUE(chip.setDataCharacteristics(fBits8, fStopBits1, fParityNone));
    EXPECT_TRUE(chip.setDataCharacteristics(fBits7, fStopBits2, fParitySpace));
    EXPECT_TRUE(chip.setFlowControl(fFlowNone, 0, 0));
    EXPECT_TRUE(chip.setFlowControl(fFlowXONXOFF, 0x11, 0x13));
    EXPECT_TRUE(chip.setFlowControl(fFlowDTRDSR, 0, 0));
    EXPECT_TRUE(chip.setTimeouts(5, 7));
    EXPECT_TRUE(chip.setLatencyTimer(2));
    EXPECT_EQ(driver->calls(), QStringList({
                                   "Purge 3",
                                   "Purge 2",
                                   "Purge 1",
                                   "SetBaudRate 115200",
                                   "SetBaudRate 300",
                                   "SetBaudRate 921600",
                                   "SetDataCharacteristics 8 0 0",
                                   "SetDataCharacteristics 7 2 4",
                                   "SetFlowControl 0 0 0",
                                   "SetFlowControl 1024 17 19",
                                   "SetFlowControl 512 0 0",
                                   "SetTimeouts 5 7",
                                   "SetLatencyTimer 2",
                               }));
    chip.closeDevice();
}

TEST_F(FtdiChipTest, OpenAndCloseKeepTheirState) {
    tftdichip chip(driver);
    EXPECT_FALSE(chip.fconnected);
    EXPECT_FALSE(chip.dataHasBeenSent);

    // A serial number nobody has: false, still closed.
    EXPECT_FALSE(chip.openDeviceBySerial("PP9999"));
    EXPECT_FALSE(chip.fconnected);

    ASSERT_TRUE(chip.openDeviceBySerial("PP0023A1"));
    EXPECT_TRUE(chip.fconnected);
    int written = -1;
    EXPECT_TRUE(chip.write("I\r", 2, written));
    EXPECT_EQ(written, 2);
    EXPECT_TRUE(chip.dataHasBeenSent);

    // Unplugged: calls fail without exceptions, and closing still ends closed.
    driver->unplug("PP0023A1");
    int waiting = 77;
    EXPECT_FALSE(chip.getReceiveQueueStatus(waiting));
    EXPECT_EQ(waiting, 77) << "a failed call changes nothing";
    EXPECT_FALSE(chip.setBaudRate(fBaud115200));
    chip.closeDevice();
    EXPECT_FALSE(chip.fconnected);
}

TEST_F(FtdiChipTest, DeviceListing) {
    SimDriver empty(&clock);
    tftdichip none(std::shared_ptr<FtdiDriver>(&empty, [](FtdiDriver*) {}));
    quint32 count = 5;
    ftdiDeviceNode dummy{};
    pftdiDeviceList list = &dummy;
    EXPECT_TRUE(none.createDeviceInfoList(count, list));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(list, nullptr);

    driver->addDevice("FT12AB", "USB <-> Serial");
    tftdichip chip(driver);
    ASSERT_TRUE(chip.createDeviceInfoList(count, list));
    ASSERT_EQ(count, 2u);
    EXPECT_STREQ(list[0].serialNumber, "PP0023A1");
    EXPECT_STREQ(list[1].serialNumber, "FT12AB");
    EXPECT_STREQ(list[1].description, "USB <-> Serial");
    chip.destroyDeviceInfoList(list);
    EXPECT_EQ(list, nullptr);

    // A failed listing leaves both outputs as they were.
    driver->setListingFails(true);
    count = 42;
    list = &dummy;
    EXPECT_FALSE(chip.createDeviceInfoList(count, list));
    EXPECT_EQ(count, 42u);
    EXPECT_EQ(list, &dummy);
}
