// Prints how long START takes end to end for 10,000 measurements in 50
// objects: the in-process simulated meter paced at 115200 baud on the real
// clock, the real exchange and import, a fresh copy of the real database
// file. Beside it, the time the line itself needs: every byte at 11,520
// bytes a second plus the 0.1 s of silence that ends each reply of variable
// length. The ratio of the two is the import's overhead.
//
//   build/bin/bench_import [objects measurements-per-object]   (default 50 200)
#include "DesignedLexicon.h"
#include "MeterImport.h"
#include "MeterLink.h"
#include "TInfoForm.h"
#include "TProgresForm.h"
#include "ZqmDatabase.h"
#include "drivers/SimDriver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
MeterData benchData(int objects, int perObject) {
    MeterData data;
    const QDateTime start(QDate(2023, 7, 1), QTime(6, 0, 0));
    for (int i = 0; i < objects; ++i) {
        SimObject o;
        o.number = quint8(i + 1);
        o.name = "Supplier " + QByteArray::number(i + 1);
        for (int k = 0; k < perObject; ++k) {
            const QDateTime when = start.addSecs(qint64(i) * 86400 + qint64(k) * 120);
            SimMeasurement m;
            m.number = quint32(i * perObject + k + 1);
            m.packedDate = SimMeasurement::packDate(when.date());
            m.packedTime = SimMeasurement::packTime(when.time());
            m.moisture = quint16(120 + (k * 7) % 90);
            m.temperature = qint16(150 + (k * 3) % 100);
            m.density = quint16(700 + (k * 11) % 80);
            m.species = quint16(k % 4);
            m.flags = quint8(k % 17 == 0 ? 2 : 0);
            o.measurements.append(m);
        }
        data.objects.append(o);
    }
    return data;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int objects = argc > 2 ? QByteArray(argv[1]).toInt() : 50;
    const int perObject = argc > 2 ? QByteArray(argv[2]).toInt() : 200;

    QTemporaryDir dir;
    const QString copy = dir.filePath(QLatin1String(ZqmDatabase::FileName));
    if (!QFile::copy(QStringLiteral(ZQM_BIN_DIR "/ZQMBASE.fb"), copy)) {
        std::printf("cannot copy the database file from %s\n", ZQM_BIN_DIR);
        return 1;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    ZqmDatabase database;
    try {
        database.connect(dir.path());
        database.openTables();
    } catch (const DbError& e) {
        std::printf("%s\n", qPrintable(e.message()));
        return 1;
    }

    auto driver = std::make_shared<SimDriver>(); // the real clock
    auto meter =
        driver->addMeter("PP0023A1", std::make_shared<MeterModel>(benchData(objects, perObject)));
    MeterLink link;
    link.createLink(driver);
    link.deviceNameText = [] { return QStringLiteral("Grain Moisture and Density Meter"); };

    TProgresForm progress;
    TInfoForm info;
    DesignedLexicon lexicon;
    QString message;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (info.isVisible()) {
            message = info.Label2->text();
            info.BitBtn1->click();
        }
    });

    MeterImportParts parts;
    parts.meter = &link;
    parts.database = &database;
    parts.progress = &progress;
    parts.info = &info;
    parts.speciesName = [](int, int species) { return QStringLiteral("Species %1").arg(species); };
    parts.languageIndex = [] { return 0; };
    parts.lexiconItem = [&](int n) { return lexicon.GetItem(n); };
    parts.importName = [] { return false; };
    parts.reopenObjects = [] {};
    MeterImport importer(parts);

    closer.start();
    QElapsedTimer timer;
    timer.start();
    const MeterImport::Result r = importer.ButtonConnectClick();
    const double wallS = timer.nsecsElapsed() / 1e9;
    closer.stop();

    // The bytes both ways: commands, the identification, the object list and
    // every measurement list. Identification waits for its 17 bytes; the
    // other replies end with 0.1 s of silence.
    qint64 bytes = 0;
    for (const QByteArray& c : meter->commands())
        bytes += c.size();
    bytes += 17 + qint64(objects) * 25 + 1;
    for (const SimObject& o : meter->data().objects)
        bytes += qint64(o.measurements.size()) * 16 + 1;
    const int silentEnds = 1 + objects;
    const double lineS = bytes / 11520.0 + silentEnds * 0.1;

    std::printf("import of %d measurements in %d objects: %s, %d stored, message \"%s\"\n",
                objects * perObject, objects,
                r.outcome == MeterImport::Outcome::Imported ? "imported" : "FAILED", r.stored,
                qPrintable(message));
    std::printf("wall time   %8.3f s\n", wallS);
    std::printf("line time   %8.3f s  (%lld bytes / 11520 B/s = %.3f s, + %d x 0.1 s silence)\n",
                lineS, bytes, bytes / 11520.0, silentEnds);
    std::printf("ratio       %8.3f  (target at most 1.10)\n", wallS / lineS);
    link.freeLink();
    return r.outcome == MeterImport::Outcome::Imported && r.stored == objects * perObject ? 0 : 1;
}
