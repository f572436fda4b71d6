// Prints how long a full download from the meter takes through the serial
// backend and the meter simulator on a pseudo-terminal, at real line speed:
// identification, object list, and every object's measurement list.
//
//   build/bin/bench_device_download [measurements ...]   (default 300 3000)
#include "MeterLink.h"
#include "drivers/SerialDriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

namespace {
bool run(int size) {
    QProcess sim;
    sim.start(QStringLiteral(ZQM_BIN_DIR "/metersim"),
              {QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--size"),
               QString::number(size)});
    QByteArray out;
    while (!out.contains("ZQM_SERIAL_PORTS=") || !out.endsWith('\n')) {
        if (!sim.waitForReadyRead(5000))
            return false;
        out += sim.readAllStandardOutput();
    }
    const int at = out.indexOf("ZQM_SERIAL_PORTS=");
    qputenv("ZQM_SERIAL_PORTS", out.mid(at + 17, out.indexOf('\n', at) - at - 17));

    MeterLink link;
    link.processMessages = [] {};
    link.createLink(std::make_shared<SerialDriver>());
    QElapsedTimer timer;
    timer.start();
    if (!link.OpenZQMDevice())
        return false;
    const qint64 identMs = timer.elapsed();
    QByteArray command("L\r");
    const QByteArray objects = link.SendAndGetRS(command, 0);
    qint64 bytes = objects.size();
    int records = 0;
    for (int i = 0; i + 25 <= objects.size(); i += 25) {
        command = objects[i] == '\r' ? QByteArray("M\r") : QByteArray("M") + objects[i] + '\r';
        const QByteArray reply = link.SendAndGetRS(command, 0);
        bytes += reply.size();
        records += int(reply.size() / 16);
    }
    const qint64 totalMs = timer.elapsed();
    const double lineMs = bytes * 10'000.0 / 115200.0;
    std::printf("%6d measurements: identification %4lld ms, download %6lld ms for %d objects, "
                "%d records, %lld bytes (%.0f ms of that is line time at 115200 baud)\n",
                size, identMs, totalMs - identMs, int(objects.size() / 25), records, bytes, lineMs);
    link.freeLink();
    sim.terminate();
    sim.waitForFinished();
    return records == size;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.append(QByteArray(argv[i]).toInt());
    if (sizes.isEmpty())
        sizes = {300, 3000};
    bool ok = true;
    for (int size : sizes)
        if (!run(size)) {
            std::printf("%6d measurements: FAILED\n", size);
            ok = false;
        }
    return ok ? 0 : 1;
}
