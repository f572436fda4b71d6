#pragma once
// A meter link over the in-process simulated driver, on a test clock.
#include "Clock.h"
#include "MeterLink.h"
#include "drivers/SimDriver.h"

#include <gtest/gtest.h>

class SimLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        messageRuns = labelUpdates = 0;
        labelName = labelSerial = labelFirmware = QString();
        driver = std::make_shared<SimDriver>(&clock);
        link.createLink(driver);
        // Handling window messages takes a little time, as it does in the program.
        link.processMessages = [this] {
            ++messageRuns;
            clock.advanceUs(50);
        };
        link.deviceNameText = [] { return QStringLiteral("Grain Moisture and Density Meter"); };
        link.showLabels = [this](const QString& name, const QString& serial,
                                 const QString& firmware) {
            labelName = name;
            labelSerial = serial;
            labelFirmware = firmware;
            ++labelUpdates;
        };
    }

    std::shared_ptr<MeterModel> addMeter(const QByteArray& usbSerial = "PP0023A1",
                                         MeterData data = MeterData::generate(3, 40)) {
        return driver->addMeter(usbSerial, std::make_shared<MeterModel>(std::move(data)));
    }

    int indexOfCall(const QString& prefix, int from = 0) const {
        for (int i = from; i < driver->calls().size(); ++i)
            if (driver->calls()[i].startsWith(prefix))
                return i;
        return -1;
    }

    ManualClock clock;
    std::shared_ptr<SimDriver> driver;
    MeterLink link{&clock};
    int messageRuns = 0;
    int labelUpdates = 0;
    QString labelName, labelSerial, labelFirmware;
};
