// START against the simulated meter, into a real database file.
#include "DbError.h"
#include "ImportFixture.h"
#include "LanguageEngine.h"

#include <QFile>
#include <QSqlError>

namespace {
// Every row of `sql` as another connection sees it.
QList<QVariantList> committedRows(TempDatabase& tdb, const QString& sql) {
    QSqlQuery query(tdb.secondConnection());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw std::runtime_error(query.lastError().text().toStdString());
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int c = 0; c < query.record().count(); ++c)
            row.append(query.value(c));
        rows.append(row);
    }
    return rows;
}

QByteArray cmd(const char* text, int size) {
    return QByteArray(text, size);
}
} // namespace

TEST_F(ImportTest, EmptyObjectListReportsZeroAndRebuildsTheView) {
    auto meter = addMeter({});
    const auto r = runImport();

    EXPECT_EQ(r.outcome, MeterImport::Outcome::Imported);
    EXPECT_EQ(shownMessages, QStringList{"0 records read."});
    EXPECT_EQ(barAtDialog, 100);
    EXPECT_TRUE(progressShownAtDialog);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(reopened, 1);
    EXPECT_EQ(meter->commands(), (QList<QByteArray>{"I\r", "L\r"}));
    EXPECT_EQ(storedObjects(), 0);
    EXPECT_TRUE(link.FlagaJest);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(importer->running());
}

TEST_F(ImportTest, EachObjectIsAskedForByItsByteAndStored) {
    // Two records (51 bytes with the "*"); object 13 travels as "M" CR and an
    // object with an empty list is stored all the same.
    MeterData data;
    data.objects = {simObject(13, "Kowalski", 2), simObject(7, "Nowak", 0)};
    auto meter = addMeter(data);
    const auto r = runImport();

    EXPECT_EQ(r.outcome, MeterImport::Outcome::Imported);
    EXPECT_EQ(r.objects, 2);
    EXPECT_EQ(meter->commands(),
              (QList<QByteArray>{"I\r", "L\r", cmd("M\r", 2), cmd("M\x07\r", 3)}));
    EXPECT_EQ(committedRows(tdb, "select IDO_INDEV, NAZWA_DEV from OBIEKTY order by IDOB"),
              (QList<QVariantList>{{13, "Kowalski"}, {7, "Nowak"}}));
    EXPECT_EQ(storedResults(), 2);
    EXPECT_EQ(shownMessages, QStringList{"2 records read."});
}

TEST_F(ImportTest, ImportNameDecidesTheStoredObjectNumber) {
    // The names: 20 bytes without NUL stored whole (the spare bytes after
    // them are not part of it), an 8-bit name through the system code page
    // and ended by NULs.
    const QByteArray twenty = "ABCDEFGHIJKLMNOPQRST";
    const QString gruen = QString::fromUtf8("Gr\u00fcn");
    MeterData data;
    data.objects = {simObject(5, twenty + "XY", 1),
                    simObject(200, QByteArray("Gr\xfc") + "n" + QByteArray(19, '\0'), 1)};
    addMeter(data);

    importName = false;
    ASSERT_EQ(runImport().outcome, MeterImport::Outcome::Imported);
    importName = true;
    ASSERT_EQ(runImport().outcome, MeterImport::Outcome::Imported);

    EXPECT_EQ(committedRows(tdb, "select IDO_INDEV, NAZWA_DEV from OBIEKTY order by IDOB"),
              (QList<QVariantList>{
                  {5, QString(twenty)}, {200, gruen}, {0, QString(twenty)}, {0, gruen}}));
}

TEST_F(ImportTest, RecordsAreDecodedAndStoredUnderTheirSpeciesRow) {
    MeterData data;
    SimObject o = simObject(1, "Kowalski");
    SimMeasurement a;
    a.number = 0x123456;
    a.packedDate = 0x2A6F;                   // 15 March 2020
    a.packedTime = 0x6B2E;                   // 13:25:28
    a.moisture = 0x00A5;                     // 16.5 %
    a.temperature = qint16(quint16(0xFF9C)); // -10.0 degrees
    a.density = 7425;                        // 742.5 kg/hl
    a.species = 0;
    a.flags = 0x42;
    SimMeasurement monthZero = simMeasurement(2);
    monthZero.packedDate = quint16(monthZero.packedDate & ~(0x0F << 5));
    SimMeasurement badSeconds = simMeasurement(3);
    badSeconds.packedTime = quint16((badSeconds.packedTime & ~0x1F) | 30); // 60 s
    SimMeasurement unknownSpecies = simMeasurement(4, 9);
    o.measurements = {a, monthZero, badSeconds, simMeasurement(5, 1), unknownSpecies};
    data.objects = {o};
    addMeter(data);
    const auto r = runImport();

    EXPECT_EQ(r.stored, 3); // the month-0 and 60-second records are skipped, uncounted
    EXPECT_EQ(shownMessages, QStringList{"3 records read."});
    const auto rows = committedRows(
        tdb, "select g.IDGATUNKU, g.NAZWAGAT, w.DATACZAS, w.DANE1, w.DANE2, w.DANE3, w.DANE5, "
             "w.FLAGI, w.REZI1, w.REZI2, w.REZC, g.IDOB = o.IDOB "
             "from WYNIKI w join GATUNKI g on g.IDG = w.IDOB join OBIEKTY o on o.IDOB = g.IDOB "
             "order by w.DANE3 desc");
    ASSERT_EQ(rows.size(), 3);
    const QVariantList& first = rows[0];
    EXPECT_EQ(first[0].toInt(), 1);
    EXPECT_EQ(first[1].toString(), "Wheat");
    EXPECT_EQ(first[2].toDateTime(), QDateTime(QDate(2020, 3, 15), QTime(13, 25, 28)));
    EXPECT_FLOAT_EQ(first[3].toFloat(), 16.5f);
    EXPECT_FLOAT_EQ(first[4].toFloat(), -10.0f);
    EXPECT_EQ(first[5].toInt(), 0x123456);
    EXPECT_FLOAT_EQ(first[6].toFloat(), 742.5f);
    EXPECT_EQ(first[7].toInt(), 0x42);
    EXPECT_EQ(first[8].toInt(), 0);
    EXPECT_EQ(first[9].toInt(), 0);
    EXPECT_TRUE(first[10].toString().isEmpty());
    EXPECT_TRUE(first[11].toBool());
    EXPECT_EQ(rows[1][1].toString(), "Rye");
    EXPECT_EQ(rows[2][5].toInt(), 4); // species index 9: not in the table
    EXPECT_EQ(rows[2][0].toInt(), 10);
    EXPECT_TRUE(rows[2][1].toString().isEmpty());
}

TEST_F(ImportTest, ReplyWithoutStarStopsAndStoresNoneOfIt) {
    MeterData data;
    data.objects = {simObject(1, "First", 3), simObject(2, "Second", 4), simObject(3, "Third", 2)};
    auto meter = addMeter(data);
    MeterFault fault;
    fault.kind = MeterFault::NoStar;
    fault.command = 'M';
    fault.first = 2;
    fault.times = 1;
    meter->faults().append(fault);

    const auto r = runImport();

    EXPECT_EQ(r.outcome, MeterImport::Outcome::TransferError);
    EXPECT_TRUE(shownMessages.isEmpty());
    EXPECT_EQ(reopened, 0);
    EXPECT_FALSE(link.FlagaJest);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(progress.LabError->isVisibleTo(&progress));
    EXPECT_FALSE(progress.LabImport->isVisibleTo(&progress));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The first object with its records and the second object stay; none of
    // the cut reply's records and nothing of the third object is stored.
    EXPECT_EQ(committedRows(tdb, "select NAZWA_DEV from OBIEKTY order by IDOB"),
              (QList<QVariantList>{{"First"}, {"Second"}}));
    EXPECT_EQ(storedResults(), 3);
    EXPECT_EQ(committed("select count(*) from WYNIKI w join GATUNKI g on g.IDG = w.IDOB "
                        "join OBIEKTY o on o.IDOB = g.IDOB where o.NAZWA_DEV = 'Second'"),
              0);
    EXPECT_EQ(meter->commands().size(), 4); // I, L, M1, M2: nothing after the error
}

TEST_F(ImportTest, BrokenObjectListIsATransferError) {
    auto meter = addMeter(MeterData::generate(2, 20));
    MeterFault fault;
    fault.kind = MeterFault::Cut;
    fault.command = 'L';
    fault.at = 30;
    meter->faults().append(fault);

    EXPECT_EQ(runImport().outcome, MeterImport::Outcome::TransferError);
    EXPECT_EQ(storedObjects(), 0);
    EXPECT_FALSE(link.FlagaJest);
    EXPECT_TRUE(shownMessages.isEmpty());
}

TEST_F(ImportTest, BarMovesFromFiftyThroughSixtyToAHundred) {
    MeterData data;
    for (int i = 1; i <= 8; ++i)
        data.objects.append(simObject(quint8(i), "Obj" + QByteArray::number(i), 1));
    addMeter(data);
    runImport();

    // Window messages run after "Transferring Data" (bar 0), after the object
    // list (50) and after each of the 8 measurement lists.
    EXPECT_EQ(barAtMessages, (QList<int>{0, 50, 60, 65, 70, 75, 80, 85, 90, 95}));
    EXPECT_EQ(barAtDialog, 100);
}

TEST_F(ImportTest, PolishMessageAndSpeciesNames) {
    LanguageEngine engine;
    ASSERT_TRUE(engine.Translate("pl"));
    languageIndex = 1;
    MeterData data;
    data.objects = {simObject(1, "Kowalski", 12)};
    addMeter(data);
    runImport();
    engine.Translate("en");

    ASSERT_EQ(shownMessages.size(), 1);
    EXPECT_EQ(shownMessages[0], QString::fromUtf8("Odczytano 12 rekordów."));
    EXPECT_EQ(committedRows(tdb, "select NAZWAGAT from GATUNKI order by IDGATUNKU"),
              (QList<QVariantList>{{"Pszenica"}, {QString::fromUtf8("Żyto")}}));
}

TEST_F(ImportTest, SecondImportStoresNothingTwice) {
    addMeter(MeterData::generate(5, 60));
    ASSERT_EQ(runImport().stored, 60);
    const int objects = storedObjects();
    const int lines = committed("select count(*) from GATUNKI");
    ASSERT_EQ(storedResults(), 60);

    runImport();
    EXPECT_EQ(storedObjects(), objects);
    EXPECT_EQ(committed("select count(*) from GATUNKI"), lines);
    EXPECT_EQ(storedResults(), 60);
}

TEST_F(ImportTest, NoMeterMeansDeviceNotConnectedAndNothingWritten) {
    driver->addDevice("FT123456"); // an FTDI device that is not a meter
    link.FlagaJest = true;
    const auto r = runImport();

    EXPECT_EQ(r.outcome, MeterImport::Outcome::NoDevice);
    EXPECT_FALSE(link.FlagaJest);
    EXPECT_TRUE(progress.LabNodevice->isVisibleTo(&progress));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(shownMessages.isEmpty());
    EXPECT_EQ(reopened, 0);
    EXPECT_EQ(storedObjects(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ImportTest, StartWhileRunningDoesNothing) {
    MeterData data;
    data.objects = {simObject(1, "A", 2), simObject(2, "B", 2)};
    auto meter = addMeter(data);
    QList<MeterImport::Outcome> nested;
    duringMessages = [&] {
        EXPECT_TRUE(importer->running());
        nested.append(importer->ButtonConnectClick().outcome);
    };
    const auto r = runImport();

    EXPECT_EQ(r.outcome, MeterImport::Outcome::Imported);
    EXPECT_EQ(r.stored, 4);
    ASSERT_FALSE(nested.isEmpty());
    for (auto o : nested)
        EXPECT_EQ(o, MeterImport::Outcome::AlreadyRunning);
    EXPECT_EQ(meter->commands().count("L\r"), 1);
    EXPECT_EQ(storedResults(), 4);
    EXPECT_FALSE(importer->running());
}

TEST_F(ImportTest, ObjectCallFailureReachesTheCallerAndKeepsEarlierData) {
    // The database refuses the object named "BAD" (as a damaged or
    // constrained file would); the import must not swallow that.
    {
        QSqlQuery ddl(tdb.secondConnection());
        ASSERT_TRUE(ddl.exec("CREATE EXCEPTION E_BAD 'object refused'"))
            << ddl.lastError().text().toStdString();
        ASSERT_TRUE(ddl.exec("CREATE TRIGGER T_BAD FOR OBIEKTY BEFORE INSERT AS BEGIN "
                             "IF (NEW.NAZWA_DEV = 'BAD') THEN EXCEPTION E_BAD; END"))
            << ddl.lastError().text().toStdString();
    }
    tdb.closeSecondConnection();
    MeterData data;
    data.objects = {simObject(1, "Good", 2), simObject(2, "BAD", 2), simObject(3, "Late", 2)};
    auto meter = addMeter(data);

    infoCloser.start();
    try {
        importer->ButtonConnectClick();
        ADD_FAILURE() << "no error reached the caller";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("object refused")) << e.message().toStdString();
    }
    infoCloser.stop();

    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(importer->running());
    EXPECT_EQ(reopened, 0);
    EXPECT_TRUE(shownMessages.isEmpty());
    EXPECT_EQ(committedRows(tdb, "select NAZWA_DEV from OBIEKTY order by IDOB"),
              (QList<QVariantList>{{"Good"}}));
    EXPECT_EQ(storedResults(), 2);
    // The refused object's list may already have been asked for (the writes
    // run beside the exchange) but none of it is stored, and nothing after it
    // is asked for.
    EXPECT_LE(meter->commands().size(), 4); // I, L, M1, M2
}

TEST_F(ImportTest, MissingDatabaseFileIsReportedNotCrashed) {
    MeterData data;
    data.objects = {simObject(1, "A", 2)};
    addMeter(data);
    ASSERT_TRUE(QFile::rename(tdb.filePath(), tdb.filePath() + ".away"));

    try {
        runImport();
        ADD_FAILURE() << "no error reached the caller";
    } catch (const DbError& e) {
        EXPECT_EQ(e.reason(), DbError::Reason::Missing);
        EXPECT_TRUE(e.message().contains("ZQMBASE.fb")) << e.message().toStdString();
    }
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(importer->running());
    ASSERT_TRUE(QFile::rename(tdb.filePath() + ".away", tdb.filePath()));
}
