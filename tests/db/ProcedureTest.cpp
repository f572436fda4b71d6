// The stored procedures, the single-row changes and the SQL texts, on a real
// copy of the delivered database.
#include "SqlTexts.h"
#include "TempDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include <ctime>
#include <functional>

namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// Rows of a query on the fixture's own connection, each as a record.
QList<QSqlRecord> rows(QSqlDatabase db, const QString& sql, const QVariantMap& binds = {}) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    EXPECT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        q.bindValue(it.key(), it.value());
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    QList<QSqlRecord> out;
    while (q.next())
        out << q.record();
    return out;
}

int scalar(QSqlDatabase db, const QString& sql) {
    const auto r = rows(db, sql);
    return r.isEmpty() ? 0 : r.first().value(0).toInt();
}

WynikiUiInput measurement(int idg, const QDateTime& when, int dane3, float moisture = 14.5f,
                          int flagi = 0) {
    WynikiUiInput in;
    in.idOb = idg;
    in.dataCzas = when;
    in.dane1 = moisture;
    in.dane2 = 21.5f;
    in.dane3 = dane3;
    in.dane5 = 76.25f;
    in.flagi = flagi;
    return in;
}

MeasurementRow record(int species, const QString& name, const QDateTime& when, int dane3,
                         float moisture = 14.5f, int flagi = 0) {
    MeasurementRow r;
    r.idGatunku = species;
    r.nazwaGat = name;
    r.dataCzas = when;
    r.dane1 = moisture;
    r.dane2 = 20.0f;
    r.dane3 = dane3;
    r.dane5 = 75.0f;
    r.flagi = flagi;
    return r;
}

} // namespace

// IDOB of a result = IDG of its species row = the view's IDOB; IDOB_0 = the
// object's key.
TEST(Procedures, KeyRulesOfObjectsSpeciesRowsResultsAndTheView) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 7, QStringLiteral("Nowak"));
    // A second object first, so that object and species keys differ.
    p.updateObiektTemp(20, 8, QStringLiteral("Other"));
    const int idOther = p.updateObiektTemp(20, 8, QStringLiteral("Other"));
    p.updateGatunek(idOther, 1, QStringLiteral("Wheat"));
    const int idg = p.updateGatunek(idObj, 3, QStringLiteral("Barley"));
    ASSERT_GT(idObj, 0);
    ASSERT_GT(idg, 0);
    ASSERT_NE(idg, idObj);
    p.wynikiUi(measurement(idg, at(2025, 6, 1, 10, 0, 0), 100));

    const auto result = rows(tdb.sql(), QLatin1String(SqlTexts::ResultView),
                             {{QLatin1String(SqlTexts::ParamIdObj), idg}});
    ASSERT_EQ(result.size(), 1);
    EXPECT_EQ(result[0].value("IDOB").toInt(), idg);

    const auto species = rows(tdb.sql(), QLatin1String(SqlTexts::OneSpeciesRow),
                              {{QLatin1String(SqlTexts::ParamIdObj), idg}});
    ASSERT_EQ(species.size(), 1);
    EXPECT_EQ(species[0].value("IDG").toInt(), idg);
    EXPECT_EQ(species[0].value("IDOB").toInt(), idObj);

    const auto view = rows(tdb.sql(), QLatin1String(SqlTexts::ObjectView),
                           {{QLatin1String(SqlTexts::ParamIdDev), 20}});
    auto line = std::find_if(view.begin(), view.end(),
                             [&](const QSqlRecord& r) { return r.value("IDOB").toInt() == idg; });
    ASSERT_NE(line, view.end());
    EXPECT_EQ(line->value("IDOB_0").toInt(), idObj);
    EXPECT_EQ(line->value("IDDEV").toInt(), 20);
    EXPECT_EQ(line->value("IDO_INDEV").toInt(), 7);
    EXPECT_EQ(line->value("NAZWA_DEV").toString(), "Nowak");
    EXPECT_EQ(line->value("IDGATUNKU").toInt(), 3);
    EXPECT_EQ(line->value("NAZWAGATUNKU").toString(), "Barley");
    EXPECT_EQ(line->value("DEV_TYPE").toString(), "ZQM");
    EXPECT_EQ(line->value("REZI2").toInt(), 0);

    const auto object = rows(tdb.sql(), QLatin1String(SqlTexts::OneObjectRow),
                             {{QLatin1String(SqlTexts::ParamIdObj), idObj}});
    ASSERT_EQ(object.size(), 1);
    EXPECT_EQ(object[0].value("NAZWA_DEV").toString(), "Nowak");
}

// A supplier measured with two species is two lines, each with its own
// results and tick mark, both showing the supplier's one OPIS.
TEST(Procedures, SupplierWithTwoSpeciesIsTwoLinesSharingOneOpis) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 2, QStringLiteral("Kowalski"));
    const int wheat = p.updateGatunek(idObj, 1, QStringLiteral("Wheat"));
    const int rye = p.updateGatunek(idObj, 4, QStringLiteral("Rye"));
    ASSERT_NE(wheat, rye);
    p.wynikiUi(measurement(wheat, at(2025, 6, 1, 8, 0, 0), 1));
    p.wynikiUi(measurement(wheat, at(2025, 6, 1, 9, 0, 0), 2));
    p.wynikiUi(measurement(rye, at(2025, 6, 1, 10, 0, 0), 3));
    const QString opis = QStringLiteral("Młyn Żabiński – Пшеница");
    ASSERT_TRUE(p.renameSupplier(idObj, opis));
    ASSERT_TRUE(p.tickObjectLine(wheat, 1));

    const auto view = rows(tdb.sql(), QLatin1String(SqlTexts::ObjectView),
                           {{QLatin1String(SqlTexts::ParamIdDev), 20}});
    QMap<int, QSqlRecord> lines;
    for (const auto& r : view)
        if (r.value("IDOB_0").toInt() == idObj)
            lines.insert(r.value("IDOB").toInt(), r);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[wheat].value("OPIS").toString(), opis);
    EXPECT_EQ(lines[rye].value("OPIS").toString(), opis);
    EXPECT_EQ(lines[wheat].value("REZI2").toInt(), 1);
    EXPECT_EQ(lines[rye].value("REZI2").toInt(), 0);
    EXPECT_EQ(rows(tdb.sql(), QLatin1String(SqlTexts::ResultView),
                   {{QLatin1String(SqlTexts::ParamIdObj), wheat}})
                  .size(),
              2);
    EXPECT_EQ(rows(tdb.sql(), QLatin1String(SqlTexts::ResultView),
                   {{QLatin1String(SqlTexts::ParamIdObj), rye}})
                  .size(),
              1);
}

// One day's range ticks that whole day up to 23:59:59, not the next midnight,
// and unticks everything else.
TEST(Procedures, SelectDatesOnOneDayTicksUpTo235959AndNotTheNextMidnight) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idg = p.updateGatunek(p.updateObiektTemp(20, 1, "A"), 1, "Wheat");
    struct Case {
        QDateTime when;
        int tickedAfter;
    };
    const Case cases[] = {
        {at(2025, 5, 31, 23, 59, 59), 0}, {at(2025, 6, 1, 0, 0, 0), 1},
        {at(2025, 6, 1, 12, 30, 0), 1},   {at(2025, 6, 1, 23, 59, 59), 1},
        {at(2025, 6, 2, 0, 0, 0), 0},     {at(2025, 6, 2, 0, 0, 1), 0},
    };
    int n = 0;
    for (const Case& c : cases)
        p.wynikiUi(measurement(idg, c.when, ++n));
    // Everything ticked beforehand: outside the range must be unticked.
    p.selectWyniki(idg, 0);
    ASSERT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI where REZI1 = 1"), 6);

    p.selectDates(QDate(2025, 6, 1), QDate(2025, 6, 2));

    for (const Case& c : cases) {
        QSqlQuery q(tdb.sql());
        q.prepare("select REZI1 from WYNIKI where DATACZAS = ?");
        q.addBindValue(c.when);
        ASSERT_TRUE(q.exec() && q.next());
        EXPECT_EQ(q.value(0).toInt(), c.tickedAfter) << c.when.toString().toStdString();
    }
}

// NULL outputs are read as 0: the general reader, and a real call through the
// same path on a procedure whose output stays NULL.
TEST(Procedures, NullOutputsAreReadAsZero) {
    EXPECT_EQ(Procedures::outputInt(QVariant()), 0);
    EXPECT_EQ(Procedures::outputInt(QVariant(QMetaType::fromType<int>())), 0);
    EXPECT_EQ(Procedures::outputInt(QVariant(17)), 17);

    TempDatabase tdb;
    {
        // Test-only procedure in this copy; the program never alters the schema.
        QSqlQuery ddl(tdb.sql());
        ASSERT_TRUE(ddl.exec("create procedure P_TEST_NULL (A integer) returns (B integer) "
                             "as begin B = null; end"))
            << ddl.lastError().text().toStdString();
    }
    const QVariantList out =
        tdb.procedures().call("execute procedure P_TEST_NULL(?)", {5}, 1, "P_TEST_NULL");
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].isNull());
    EXPECT_EQ(Procedures::outputInt(out[0]), 0);
}

// A second import of the same measurements stores nothing twice; it refreshes
// the values and flags and keeps the user's tick and the species name.
TEST(Procedures, SecondImportStoresNothingTwiceAndKeepsTheTick) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    auto import = [&](const QString& speciesName, float moisture, int flags) {
        const int idObj = p.updateObiektTemp(20, 3, QStringLiteral("Wiśniewski"));
        const QList<MeasurementRow> records = {
            record(1, speciesName, at(2025, 6, 1, 8, 0, 0), 11, moisture, flags),
            record(1, speciesName, at(2025, 6, 1, 9, 0, 0), 12, moisture, flags),
            // Same time, another record number: a measurement of its own.
            record(1, speciesName, at(2025, 6, 1, 9, 0, 0), 13, moisture, flags),
            record(2, speciesName + "2", at(2025, 6, 2, 7, 0, 0), 14, moisture, flags),
        };
        for (const auto& o : p.storeMeasurements(idObj, records))
            EXPECT_TRUE(o.stored) << o.error.toStdString();
        return idObj;
    };
    const int first = import(QStringLiteral("Pszenica"), 14.5f, 0);
    ASSERT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI"), 4);
    const int ticked = scalar(tdb.sql(), "select IDWYN from WYNIKI where DANE3 = 12");
    ASSERT_TRUE(p.tickResult(ticked, 1));

    const int second = import(QStringLiteral("Wheat"), 16.0f, 2);

    EXPECT_EQ(second, first);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from OBIEKTY"), 1);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from GATUNKI"), 2);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI"), 4);
    EXPECT_EQ(scalar(tdb.sql(), "select REZI1 from WYNIKI where DANE3 = 12"), 1);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI where REZI1 = 1"), 1);
    EXPECT_EQ(scalar(tdb.sql(), "select IDWYN from WYNIKI where DANE3 = 12"), ticked);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI where FLAGI = 2 and DANE1 = 16"), 4);
    const auto names = rows(tdb.sql(), "select NAZWAGAT from GATUNKI where IDGATUNKU = 1");
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(names[0].value(0).toString(), "Pszenica");

    // The same through single calls, as a per-call import would make them.
    const int idg = p.updateGatunek(first, 1, QStringLiteral("Blé"));
    p.wynikiUi(measurement(idg, at(2025, 6, 1, 9, 0, 0), 12, 17.0f, 8));
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI"), 4);
    EXPECT_EQ(scalar(tdb.sql(), "select REZI1 from WYNIKI where DANE3 = 12"), 1);
    EXPECT_EQ(scalar(tdb.sql(), "select FLAGI from WYNIKI where DANE3 = 12"), 8);
}

// Runs with the process in a zone with daylight saving (Central European
// rules, written out so that no zone database is needed).
class InZoneWithDaylightSaving {
public:
    InZoneWithDaylightSaving() : saved_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    ~InZoneWithDaylightSaving() {
        if (had_)
            qputenv("TZ", saved_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray saved_;
    bool had_;
};

// What the import stores: REZC empty (not NULL), REZI1 and REZI2 0, the time
// to the second, the values as given, DATA_IMPORT filled in. The time is the
// meter's wall clock, even in the hour the local clock skips in spring.
TEST(Procedures, StoresTheMeasurementAsGiven) {
    InZoneWithDaylightSaving zone;
    ASSERT_FALSE(at(2025, 3, 30, 2, 30, 17).isValid()) << "not in a zone with a spring gap";
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idg = p.updateGatunek(p.updateObiektTemp(20, 1, "A"), 1, "Wheat");
    p.wynikiUi(measurement(idg, at(2025, 3, 30, 2, 30, 17), 0xABCDEF, 12.3f, 64 | 2));
    const auto r = rows(tdb.sql(), "select * from WYNIKI");
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].value("DATACZAS").toDateTime().date(), QDate(2025, 3, 30));
    EXPECT_EQ(r[0].value("DATACZAS").toDateTime().time(), QTime(2, 30, 17));
    EXPECT_FLOAT_EQ(r[0].value("DANE1").toFloat(), 12.3f);
    EXPECT_FLOAT_EQ(r[0].value("DANE2").toFloat(), 21.5f);
    EXPECT_FLOAT_EQ(r[0].value("DANE5").toFloat(), 76.25f);
    EXPECT_EQ(r[0].value("DANE3").toInt(), 0xABCDEF);
    EXPECT_EQ(r[0].value("FLAGI").toInt(), 66);
    EXPECT_EQ(r[0].value("REZI1").toInt(), 0);
    EXPECT_EQ(r[0].value("REZI2").toInt(), 0);
    EXPECT_FALSE(r[0].value("REZC").isNull());
    EXPECT_EQ(r[0].value("REZC").toString(), "");
    EXPECT_TRUE(r[0].value("DATA_IMPORT").toDateTime().isValid());
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI "
                                "where DATACZAS = timestamp '2025-03-30 02:30:17'"),
              1);
}

// Objects are matched on (IDDEV, IDO_INDEV, NAZWA_DEV): number 0 ("Adding
// data from multiple devices") merges one name across meters.
TEST(Procedures, ObjectsMatchOnDeviceNumberAndName) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int merged = p.updateObiektTemp(20, 0, "Kowalski");
    EXPECT_EQ(p.updateObiektTemp(20, 0, "Kowalski"), merged);
    const int numbered = p.updateObiektTemp(20, 3, "Kowalski");
    EXPECT_NE(numbered, merged);
    EXPECT_EQ(p.updateObiektTemp(20, 3, "Kowalski"), numbered);
    EXPECT_NE(p.updateObiektTemp(20, 3, "Nowak"), numbered);
    // A name longer than text 20 is cut to it, not refused.
    const int longName = p.updateObiektTemp(20, 4, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const auto r = rows(tdb.sql(), QLatin1String(SqlTexts::OneObjectRow),
                        {{QLatin1String(SqlTexts::ParamIdObj), longName}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].value("NAZWA_DEV").toString(), "ABCDEFGHIJKLMNOPQRST");
    // Polish and Russian names survive the connection's UTF-8.
    const int polish = p.updateObiektTemp(20, 5, QStringLiteral("Żółć Łąka"));
    const int russian = p.updateObiektTemp(20, 6, QStringLiteral("Пшеница Озимая"));
    EXPECT_EQ(
        rows(tdb.sql(), "select NAZWA_DEV from OBIEKTY where IDOB = " + QString::number(polish))
            .value(0)
            .value(0)
            .toString(),
        QStringLiteral("Żółć Łąka"));
    EXPECT_EQ(
        rows(tdb.sql(), "select NAZWA_DEV from OBIEKTY where IDOB = " + QString::number(russian))
            .value(0)
            .value(0)
            .toString(),
        QStringLiteral("Пшеница Озимая"));
}

// SELE 0 ticks every result of the species row (and no other), 1 unticks;
// P_SELECT_OBJECTS does the same for the object lines of a device.
TEST(Procedures, WholeListTicks) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 1, "A");
    const int a = p.updateGatunek(idObj, 1, "Wheat");
    const int b = p.updateGatunek(idObj, 2, "Rye");
    for (int i = 0; i < 3; ++i) {
        p.wynikiUi(measurement(a, at(2025, 6, 1, 8, i, 0), i));
        p.wynikiUi(measurement(b, at(2025, 6, 1, 9, i, 0), i));
    }
    p.selectWyniki(a, 0);
    EXPECT_EQ(scalar(tdb.sql(),
                     QString("select count(*) from WYNIKI where REZI1 = 1 and IDOB = %1").arg(a)),
              3);
    EXPECT_EQ(scalar(tdb.sql(),
                     QString("select count(*) from WYNIKI where REZI1 = 1 and IDOB = %1").arg(b)),
              0);
    p.selectWyniki(a, 1);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI where REZI1 = 1"), 0);
    p.selectWyniki(0, 0); // an empty result view: nothing happens
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI where REZI1 = 1"), 0);

    p.selectObjects(20, 0);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from V_OBIEKTY where IDDEV = 20 and REZI2 = 1"),
              2);
    p.selectObjects(20, 1);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from V_OBIEKTY where REZI2 = 1"), 0);
}

// Deleting an object line removes its results with it and leaves the
// supplier and its other lines; deleting results goes by key.
TEST(Procedures, DeletingLinesAndResults) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 1, "A");
    const int a = p.updateGatunek(idObj, 1, "Wheat");
    const int b = p.updateGatunek(idObj, 2, "Rye");
    for (int i = 0; i < 4; ++i) {
        p.wynikiUi(measurement(a, at(2025, 6, 1, 8, i, 0), i));
        p.wynikiUi(measurement(b, at(2025, 6, 1, 9, i, 0), i));
    }
    ASSERT_TRUE(p.deleteObjectLine(a));
    EXPECT_FALSE(p.deleteObjectLine(a));
    EXPECT_EQ(scalar(tdb.sql(), QString("select count(*) from WYNIKI where IDOB = %1").arg(a)), 0);
    EXPECT_EQ(scalar(tdb.sql(), QString("select count(*) from WYNIKI where IDOB = %1").arg(b)), 4);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from OBIEKTY"), 1);

    QList<int> ids;
    for (const auto& r :
         rows(tdb.sql(), QString("select IDWYN from WYNIKI where IDOB = %1 order by IDWYN").arg(b)))
        ids << r.value(0).toInt();
    ASSERT_EQ(ids.size(), 4);
    EXPECT_TRUE(p.deleteResult(ids[0]));
    EXPECT_FALSE(p.deleteResult(ids[0]));
    EXPECT_EQ(p.deleteResults({ids[1], ids[2], ids[0]}), 2);
    EXPECT_EQ(scalar(tdb.sql(), "select count(*) from WYNIKI"), 1);
}

// Every call is committed before it returns: another connection sees it.
TEST(Procedures, EveryCallIsCommittedForAnotherConnection) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    int idObj = 0, idg = 0, idwyn = 0;
    struct Step {
        const char* name;
        std::function<void()> action;
        QString check; // counted on the second connection
        int expected;
    };
    const std::vector<Step> steps = {
        {"P_UPDATEOBIEKT_TEMP", [&] { idObj = p.updateObiektTemp(20, 1, "A"); },
         "select count(*) from OBIEKTY", 1},
        {"P_UPDATEGATUNEK", [&] { idg = p.updateGatunek(idObj, 1, "Wheat"); },
         "select count(*) from GATUNKI", 1},
        {"P_WYNIKI_UI", [&] { p.wynikiUi(measurement(idg, at(2025, 6, 1, 8, 0, 0), 1)); },
         "select count(*) from WYNIKI", 1},
        {"P_SELECT_WYNIKI", [&] { p.selectWyniki(idg, 0); },
         "select count(*) from WYNIKI where REZI1 = 1", 1},
        {"P_SELECTDATES", [&] { p.selectDates(QDate(2025, 1, 1), QDate(2025, 1, 2)); },
         "select count(*) from WYNIKI where REZI1 = 0", 1},
        {"P_SELECT_OBJECTS", [&] { p.selectObjects(20, 0); },
         "select count(*) from GATUNKI where REZI2 = 1", 1},
        {"tick an object line", [&] { p.tickObjectLine(idg, 0); },
         "select count(*) from GATUNKI where REZI2 = 0", 1},
        {"tick a result",
         [&] {
             idwyn = scalar(tdb.sql(), "select IDWYN from WYNIKI");
             p.tickResult(idwyn, 1);
         },
         "select count(*) from WYNIKI where REZI1 = 1", 1},
        {"rename a supplier", [&] { p.renameSupplier(idObj, "Mill"); },
         "select count(*) from OBIEKTY where OPIS = 'Mill'", 1},
        {"store the language", [&] { p.storeLanguage(1, 4); }, "select LANG from KONFIGURACJA", 4},
        {"batch",
         [&] { p.storeMeasurements(idObj, {record(1, "Wheat", at(2025, 6, 3, 8, 0, 0), 9)}); },
         "select count(*) from WYNIKI", 2},
        {"delete a result", [&] { p.deleteResult(idwyn); }, "select count(*) from WYNIKI", 1},
        {"delete an object line", [&] { p.deleteObjectLine(idg); }, "select count(*) from GATUNKI",
         0},
    };
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(tdb.committedInt(step.check), step.expected) << step.name;
    }
}

// The batch: one transaction, a savepoint per record; a record whose call
// fails is skipped and the rest are stored; the species row of a record whose
// measurement fails stays written (as with per-call commits).
TEST(Procedures, BatchSkipsFailingRecordsAndStoresTheRest) {
    TempDatabase tdb;
    {
        // Test-only rule in this copy, to make one measurement fail.
        QSqlQuery ddl(tdb.sql());
        ASSERT_TRUE(ddl.exec("alter table WYNIKI add constraint CK_TEST check (DANE3 <> 666)"))
            << ddl.lastError().text().toStdString();
    }
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 1, "A");
    const auto outcomes =
        p.storeMeasurements(idObj, {record(1, "Wheat", at(2025, 6, 1, 8, 0, 0), 1),
                                    record(5, "Oats", at(2025, 6, 1, 8, 1, 0), 666),
                                    record(1, "Wheat", at(2025, 6, 1, 8, 2, 0), 3)});
    ASSERT_EQ(outcomes.size(), 3);
    EXPECT_TRUE(outcomes[0].stored);
    EXPECT_FALSE(outcomes[1].stored);
    EXPECT_TRUE(outcomes[1].error.contains("CK_TEST")) << outcomes[1].error.toStdString();
    EXPECT_GT(outcomes[1].idGatt, 0);
    EXPECT_TRUE(outcomes[2].stored);
    EXPECT_EQ(outcomes[0].idGatt, outcomes[2].idGatt);
    EXPECT_EQ(tdb.committedInt("select count(*) from WYNIKI"), 2);
    EXPECT_EQ(tdb.committedInt("select count(*) from GATUNKI where IDGATUNKU = 5"), 1);

    // An object key that does not exist: every record fails on its species
    // row, nothing is thrown, nothing stored.
    const auto none = p.storeMeasurements(999999, {record(1, "Wheat", at(2025, 6, 1, 8, 0, 0), 7)});
    ASSERT_EQ(none.size(), 1);
    EXPECT_FALSE(none[0].stored);
    EXPECT_EQ(none[0].idGatt, 0);
    EXPECT_FALSE(none[0].error.isEmpty());
    EXPECT_EQ(tdb.committedInt("select count(*) from WYNIKI"), 2);
    // The connection is fine afterwards.
    EXPECT_EQ(p.updateObiektTemp(20, 1, "A"), idObj);
}

// A failing call says where it failed; nothing of it stays written.
TEST(Procedures, FailingCallThrowsDbErrorNamingTheCallAndFile) {
    TempDatabase tdb;
    try {
        tdb.procedures().updateGatunek(424242, 1, "Wheat");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.reason(), DbError::Reason::Statement);
        EXPECT_TRUE(e.message().contains("P_UPDATEGATUNEK")) << e.what();
        EXPECT_TRUE(e.message().contains(tdb.filePath())) << e.what();
    }
    EXPECT_EQ(tdb.committedInt("select count(*) from GATUNKI"), 0);
    // A later call works.
    EXPECT_GT(tdb.procedures().updateObiektTemp(20, 1, "A"), 0);
}

// Every SELECT text of the program runs with its parameter bound by name.
TEST(SqlTexts, EveryTextRunsWithItsParameter) {
    TempDatabase tdb;
    Procedures p = tdb.procedures();
    const int idObj = p.updateObiektTemp(20, 1, "A");
    const int idg = p.updateGatunek(idObj, 1, "Wheat");
    p.wynikiUi(measurement(idg, at(2025, 6, 1, 8, 0, 0), 1));
    p.tickObjectLine(idg, 1);
    p.selectWyniki(idg, 0);
    const QString dev = QLatin1String(SqlTexts::ParamIdDev);
    const QString obj = QLatin1String(SqlTexts::ParamIdObj);
    struct Case {
        QString sql;
        QString param;
        int value;
        int rows;
    };
    const Case cases[] = {
        {SqlTexts::ObjectView, dev, 20, 1},
        {QString(SqlTexts::ObjectViewSortedHead) + "NAZWAGATUNKU desc" +
             SqlTexts::ObjectViewSortedTail,
         dev, 20, 1},
        {SqlTexts::ResultView, obj, idg, 1},
        {QString(SqlTexts::ResultViewSortedHead) + "DATACZAS desc", obj, idg, 1},
        {SqlTexts::ReportObjects, dev, 20, 1},
        {SqlTexts::ReportResults, obj, idg, 1},
        {SqlTexts::OneSpeciesRow, obj, idg, 1},
        {SqlTexts::OneObjectRow, obj, idObj, 1},
        {SqlTexts::ObjectView, dev, 21, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rows(tdb.sql(), c.sql, {{c.param, c.value}}).size(), c.rows)
            << c.sql.toStdString();
}
