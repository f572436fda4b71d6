#pragma once
// An import against the in-process simulated meter on a test clock, a fresh
// copy of the real database file, a real progress window and information
// window, and a species grid filled from a small species table. The
// information window is answered by a timer that notes its text and where the
// progress bar stood while it was shown.
#include "Clock.h"
#include "DesignedLexicon.h"
#include "MeterImport.h"
#include "MeterLink.h"
#include "SpeciesGrid.h"
#include "TInfoForm.h"
#include "TProgresForm.h"
#include "TempDatabase.h"
#include "drivers/SimDriver.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

// One measurement as the meter files it, valid unless a test spoils a field.
inline SimMeasurement simMeasurement(quint32 number, quint16 species = 0,
                                     QDateTime when = QDateTime(QDate(2020, 3, 15),
                                                                QTime(13, 25, 28))) {
    SimMeasurement m;
    m.number = number;
    m.packedDate = SimMeasurement::packDate(when.date());
    m.packedTime = SimMeasurement::packTime(when.time());
    m.moisture = 150;
    m.temperature = 200;
    m.density = 750;
    m.species = species;
    return m;
}

inline SimObject simObject(quint8 number, const QByteArray& name, int measurements = 0) {
    SimObject o;
    o.number = number;
    o.name = name;
    for (int k = 0; k < measurements; ++k)
        o.measurements.append(simMeasurement(quint32(number) * 1000 + k, quint16(k % 2)));
    return o;
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver = std::make_shared<SimDriver>(&clock);
        link.createLink(driver);
        link.processMessages = [this] { clock.advanceUs(50); };
        link.deviceNameText = [] { return QStringLiteral("Grain Moisture and Density Meter"); };

        SpeciesTable table(6);
        table.setCell(1, 1, QStringLiteral("Wheat"));
        table.setCell(1, 2, QStringLiteral("Pszenica"));
        table.setCell(2, 1, QStringLiteral("Rye"));
        table.setCell(2, 2, QStringLiteral("Żyto"));
        fillStringGrid(&grid, table);

        MeterImportParts parts;
        parts.meter = &link;
        parts.database = &tdb.db();
        parts.progress = &progress;
        parts.info = &info;
        parts.clock = &clock;
        parts.speciesName = speciesNameFromGrid(&grid);
        parts.languageIndex = [this] { return languageIndex; };
        parts.lexiconItem = [this](int n) { return lexicon.GetItem(n); };
        parts.importName = [this] { return importName; };
        parts.reopenObjects = [this] { ++reopened; };
        parts.processMessages = [this] {
            barAtMessages.append(progress.ProgressBar1->value());
            if (duringMessages)
                duringMessages();
        };
        importer = std::make_unique<MeterImport>(parts);

        // Answers the information window whenever it is up.
        connect(&infoCloser);
    }

    void connect(QTimer* timer) {
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, [this] {
            if (!info.isVisible())
                return;
            shownMessages.append(info.Label2->text());
            barAtDialog = progress.ProgressBar1->value();
            progressShownAtDialog = progress.isVisible();
            info.BitBtn1->click();
        });
    }

    std::shared_ptr<MeterModel> addMeter(MeterData data) {
        return driver->addMeter("PP0023A1", std::make_shared<MeterModel>(std::move(data)));
    }

    MeterImport::Result runImport() {
        infoCloser.start();
        const MeterImport::Result r = importer->ButtonConnectClick();
        infoCloser.stop();
        return r;
    }

    // Integers from the database as another connection sees them (committed).
    int committed(const QString& sql) { return tdb.committedInt(sql); }
    int storedResults() { return committed(QStringLiteral("select count(*) from WYNIKI")); }
    int storedObjects() {
        return committed(QStringLiteral("select count(*) from OBIEKTY where IDDEV = 20"));
    }

    ManualClock clock;
    std::shared_ptr<SimDriver> driver;
    MeterLink link{&clock};
    TempDatabase tdb;
    TProgresForm progress;
    TInfoForm info;
    QTableWidget grid;
    DesignedLexicon lexicon;
    QTimer infoCloser;
    std::unique_ptr<MeterImport> importer;

    int languageIndex = 0;
    bool importName = false;
    int reopened = 0;
    QList<int> barAtMessages;
    std::function<void()> duringMessages;
    QStringList shownMessages;
    int barAtDialog = -1;
    bool progressShownAtDialog = false;
};
