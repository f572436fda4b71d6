// Which driver ZQM_DRIVER picks, and the serial backend's port list.
#include "MeterLink.h"
#include "drivers/DriverSelect.h"
#include "drivers/SerialDriver.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct EnvGuard {
    QByteArray name, old;
    bool had;
    EnvGuard(const char* n, const QByteArray& value)
        : name(n), old(qgetenv(n)), had(qEnvironmentVariableIsSet(n)) {
        qputenv(n, value);
    }
    ~EnvGuard() {
        if (had)
            qputenv(name.constData(), old);
        else
            qunsetenv(name.constData());
    }
};

QList<QByteArray> serials(FtdiDriver& d) {
    quint32 n = 0;
    EXPECT_EQ(d.createDeviceInfoList(n), ftStatus::ok);
    std::vector<ftdiDeviceNode> nodes(n);
    EXPECT_EQ(d.getDeviceInfoList(nodes.data(), n), ftStatus::ok);
    QList<QByteArray> out;
    for (quint32 i = 0; i < n; ++i)
        out.append(QByteArray(nodes[i].serialNumber));
    return out;
}
} // namespace

TEST(DriverSelect, ZqmDriverChoosesTheBackend) {
    QTemporaryDir dir;
    {
        EnvGuard d("ZQM_DRIVER", "sim");
        EnvGuard u("ZQM_SIM_USB_SERIAL", "PPTEST01");
        auto driver = createDriverFromEnvironment();
        EXPECT_EQ(driver->name(), QByteArray("sim"));
        EXPECT_EQ(serials(*driver), QList<QByteArray>({"PPTEST01"}));
    }
    {
        const QString port = dir.filePath(QStringLiteral("ttyFAKE"));
        QFile(port).open(QIODevice::WriteOnly);
        EnvGuard d("ZQM_DRIVER", "serial");
        EnvGuard p("ZQM_SERIAL_PORTS",
                   (port + QStringLiteral("=PP000009,/no/such/port=PP000010")).toLocal8Bit());
        auto driver = createDriverFromEnvironment();
        EXPECT_EQ(driver->name(), QByteArray("serial"));
        const auto found = serials(*driver);
        EXPECT_TRUE(found.contains("PP000009"));
        EXPECT_FALSE(found.contains("PP000010")) << "a named port that does not exist is absent";
    }
}

TEST(SerialDriverTest, PortListParsing) {
    const auto ports = SerialDriver::parsePortList(
        QStringLiteral("/dev/pts/3=PP0023A1, /dev/weird=name=PP2 ,broken,=PP3,/dev/x="));
    ASSERT_EQ(ports.size(), 2);
    EXPECT_EQ(ports[0].path, QStringLiteral("/dev/pts/3"));
    EXPECT_EQ(ports[0].serial, QByteArray("PP0023A1"));
    EXPECT_EQ(ports[1].path, QStringLiteral("/dev/weird=name"));
    EXPECT_EQ(ports[1].serial, QByteArray("PP2"));
}

TEST(DriverSelect, InProcessMeterAnswersOnTheProgramClock) {
    // What the program gets with ZQM_DRIVER=sim: a meter with generated data,
    // paced on the real clock.
    EnvGuard d("ZQM_DRIVER", "sim");
    EnvGuard s("ZQM_SIM_SIZE", "50");
    MeterLink link;
    link.processMessages = [] {};
    link.createLink(createDriverFromEnvironment());
    ASSERT_TRUE(link.OpenZQMDevice());
    QByteArray command("L\r");
    const QByteArray reply = link.SendAndGetRS(command, 0);
    EXPECT_EQ(reply.size() % 25, 1);
    EXPECT_GE(reply.size(), 2 * 25 + 1);
    EXPECT_TRUE(reply.endsWith('*'));
}
