// metersim: a simulated meter on a pseudo-terminal. Prints the terminal's path
// and the ZQM_SERIAL_PORTS value that attaches it to the program, then serves
// the meter until stopped:
//
//   metersim &            # prints e.g. /dev/pts/5 and ZQM_SERIAL_PORTS=/dev/pts/5=PP0023A1
//   ZQM_DRIVER=serial ZQM_SERIAL_PORTS=/dev/pts/5=PP0023A1 zqmm
#include "PtyMeterServer.h"
#include "sim/MeterData.h"
#include "sim/MeterFaults.h"
#include "sim/MeterModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>

namespace {
volatile bool g_stop = false;
void onSignal(int) {
    g_stop = true;
}

int fail(const QString& message) {
    std::fprintf(stderr, "metersim: %s\n", qPrintable(message));
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("metersim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a simulated grain moisture meter on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption dataOpt(QStringLiteral("data"),
                                     QStringLiteral("Meter data from a JSON file."),
                                     QStringLiteral("file"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"),
                                     QStringLiteral("Seed of the generated data (default 1)."),
                                     QStringLiteral("n"));
    const QCommandLineOption sizeOpt(
        QStringLiteral("size"), QStringLiteral("Number of generated measurements (default 300)."),
        QStringLiteral("n"));
    const QCommandLineOption usbOpt(QStringLiteral("usb-serial"),
                                    QStringLiteral("USB serial number (default PP0023A1)."),
                                    QStringLiteral("text"));
    const QCommandLineOption serialOpt(
        QStringLiteral("serial"), QStringLiteral("Six characters of the meter's serial number."),
        QStringLiteral("text"));
    const QCommandLineOption fwOpt(QStringLiteral("firmware"),
                                   QStringLiteral("Four characters of firmware version."),
                                   QStringLiteral("text"));
    const QCommandLineOption prefixOpt(QStringLiteral("ident-prefix"),
                                       QStringLiteral("Identification prefix (default PPGGD)."),
                                       QStringLiteral("text"));
    const QCommandLineOption printerOpt(
        QStringLiteral("printer-delay"),
        QStringLiteral("Milliseconds the printer step takes (default 1500)."),
        QStringLiteral("ms"));
    const QCommandLineOption faultOpt(
        QStringLiteral("fault"),
        QStringLiteral("Misbehaviour, e.g. \"pause cmd=M at=40 ms=300\" (see MeterFaults.h)."),
        QStringLiteral("faults"));
    const QCommandLineOption dumpOpt(QStringLiteral("dump"),
                                     QStringLiteral("Print the meter data as JSON and exit."));
    parser.addOptions({dataOpt, seedOpt, sizeOpt, usbOpt, serialOpt, fwOpt, prefixOpt, printerOpt,
                       faultOpt, dumpOpt});
    parser.process(app);

    MeterData data;
    if (parser.isSet(dataOpt)) {
        QFile file(parser.value(dataOpt));
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.fileName() + QStringLiteral(": ") + file.errorString());
        QString why;
        const auto loaded = MeterData::fromJson(file.readAll(), &why);
        if (!loaded)
            return fail(file.fileName() + QStringLiteral(": ") + why);
        data = *loaded;
    } else if (parser.isSet(seedOpt) || parser.isSet(sizeOpt)) {
        data = MeterData::generate(parser.isSet(seedOpt) ? parser.value(seedOpt).toUInt() : 1,
                                   parser.isSet(sizeOpt) ? parser.value(sizeOpt).toInt() : 300);
    } else {
        QString why;
        data = MeterData::fromEnvironment(&why);
        if (!why.isEmpty())
            return fail(why);
    }
    if (parser.isSet(dumpOpt)) {
        std::fputs(data.toJson().constData(), stdout);
        return 0;
    }

    MeterModel meter(std::move(data));
    if (parser.isSet(serialOpt))
        meter.config().serial = parser.value(serialOpt).toLatin1();
    if (parser.isSet(fwOpt))
        meter.config().firmware = parser.value(fwOpt).toLatin1();
    if (parser.isSet(prefixOpt))
        meter.config().identPrefix = parser.value(prefixOpt).toLatin1();
    if (parser.isSet(printerOpt))
        meter.config().printerDelayMs = parser.value(printerOpt).toInt();
    QString faultText = parser.values(faultOpt).join(QLatin1Char(';'));
    if (faultText.isEmpty())
        faultText = qEnvironmentVariable("ZQM_SIM_FAULTS");
    QString why;
    const auto faults = parseMeterFaults(faultText, &why);
    if (!faults)
        return fail(why);
    meter.faults() = *faults;
    QByteArray usbSerial = parser.value(usbOpt).toLatin1();
    if (usbSerial.isEmpty())
        usbSerial = qgetenv("ZQM_SIM_USB_SERIAL");
    if (usbSerial.isEmpty())
        usbSerial = "PP0023A1";

    PtyMeterServer server(meter);
    if (!server.open(&why))
        return fail(why);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\nZQM_SERIAL_PORTS=%s=%s\n", qPrintable(server.path()),
                qPrintable(server.path()), usbSerial.constData());
    std::fflush(stdout);
    std::fprintf(stderr, "metersim: meter %s with %d objects, %d measurements on %s\n",
                 usbSerial.constData(), int(meter.data().objects.size()),
                 meter.data().measurementCount(), qPrintable(server.path()));
    server.run(&g_stop);
    return 0;
}
