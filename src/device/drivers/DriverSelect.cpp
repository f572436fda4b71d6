#include "DriverSelect.h"

#include "D2xxDriver.h"
#include "DeviceTrace.h"
#include "SerialDriver.h"
#include "SimDriver.h"
#include "TraceDriver.h"

#include <QDebug>

namespace {
std::shared_ptr<FtdiDriver>& programDriver() {
    static std::shared_ptr<FtdiDriver> driver;
    return driver;
}
} // namespace

std::shared_ptr<FtdiDriver> createDriverFromEnvironment() {
    const QByteArray choice = qgetenv("ZQM_DRIVER").trimmed().toLower();
    std::shared_ptr<FtdiDriver> driver;
    QString why;
    if (choice == "sim") {
        driver = simDriverFromEnvironment();
    } else if (choice == "serial") {
        driver = std::make_shared<SerialDriver>();
    } else if (choice == "d2xx") {
        driver = D2xxDriver::load(&why);
        if (!driver) {
            // Asked for explicitly but missing: no device will be found.
            qWarning().noquote() << "ZQM_DRIVER=d2xx: the vendor library did not load:" << why;
            driver = std::make_shared<SimDriver>();
        }
    } else {
        if (!choice.isEmpty())
            qWarning().noquote() << "ZQM_DRIVER: unknown driver" << choice
                                 << "- choosing automatically";
        driver = D2xxDriver::load();
        if (!driver)
            driver = std::make_shared<SerialDriver>();
    }
    if (deviceTrace::enabled()) {
        deviceTrace::line(QStringLiteral("driver: ") + QString::fromLatin1(driver->name()));
        driver = std::make_shared<TraceDriver>(driver);
    }
    return driver;
}

std::shared_ptr<FtdiDriver> programFtdiDriver() {
    auto& driver = programDriver();
    if (!driver)
        driver = createDriverFromEnvironment();
    return driver;
}

void setProgramFtdiDriver(std::shared_ptr<FtdiDriver> driver) {
    programDriver() = std::move(driver);
}
