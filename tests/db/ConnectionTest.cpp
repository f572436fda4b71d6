// The connection and the start-up steps 2, 5 and 6 on a copy of the
// delivered database.
#include "SqlTexts.h"
#include "TempDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

TEST(Connection, OpensTheDeliveredFileWithDevice20AndLanguage0) {
    TempDatabase tdb;
    EXPECT_TRUE(tdb.db().isConnected());
    EXPECT_TRUE(tdb.db().tablesOpen());
    EXPECT_EQ(tdb.db().filePath(), tdb.filePath());
    EXPECT_EQ(tdb.db().currentDeviceId(), 20);
    EXPECT_EQ(tdb.db().configLang(), 0);
    EXPECT_EQ(tdb.db().deviceRow().value("DEV_TYPE").toString(), "ZQM");
}

// The embedded engine: no server, no network protocol.
TEST(Connection, UsesTheEmbeddedEngine) {
    TempDatabase tdb;
    QSqlQuery q(tdb.sql());
    ASSERT_TRUE(q.exec("select rdb$get_context('SYSTEM', 'NETWORK_PROTOCOL'), "
                       "rdb$get_context('SYSTEM', 'ENGINE_VERSION') from rdb$database"))
        << q.lastError().text().toStdString();
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(0).isNull()) << q.value(0).toString().toStdString();
    EXPECT_TRUE(q.value(1).toString().startsWith("3.")) << q.value(1).toString().toStdString();
}

TEST(Connection, ProgramPathWithoutTrailingSeparatorWorks) {
    TempDatabase tdb(TempDatabase::CopyOnly);
    ZqmDatabase db;
    QString folder = tdb.programPath();
    folder.chop(1);
    db.connect(folder);
    db.openTables();
    EXPECT_EQ(db.currentDeviceId(), 20);
}

// The language is written and committed at once, and read at the next start.
TEST(Connection, StoredLanguageIsCommittedAndReadAtTheNextStart) {
    TempDatabase tdb;
    tdb.db().storeConfigLang(5);
    EXPECT_EQ(tdb.db().configLang(), 5);
    EXPECT_EQ(tdb.committedInt("select LANG from KONFIGURACJA"), 5);
    tdb.closeSecondConnection();
    tdb.db().close();
    EXPECT_FALSE(tdb.db().isConnected());

    tdb.db().connect(tdb.programPath());
    tdb.db().openTables();
    EXPECT_EQ(tdb.db().configLang(), 5);
}

// LANG NULL counts as 0.
TEST(Connection, NullLanguageIsZero) {
    TempDatabase tdb;
    {
        QSqlQuery q(tdb.secondConnection());
        ASSERT_TRUE(q.exec("update KONFIGURACJA set LANG = null"));
    }
    tdb.db().openTables();
    EXPECT_EQ(tdb.db().configLang(), 0);
}

// Closing commits what is still open on the connection.
TEST(Connection, CloseCommitsWhatIsOpen) {
    TempDatabase tdb;
    QSqlDatabase sql = tdb.sql();
    ASSERT_TRUE(sql.transaction());
    {
        QSqlQuery q(sql);
        ASSERT_TRUE(q.exec("update OBIEKTY set OPIS = 'x'")); // nothing there; a write all the same
        ASSERT_TRUE(q.exec("update KONFIGURACJA set LANG = 6"));
    }
    sql = QSqlDatabase();
    tdb.db().close();
    EXPECT_EQ(tdb.committedInt("select LANG from KONFIGURACJA"), 6);
}

// A copy without the configuration row or the device row 20 is refused with
// a message naming the file and the missing row.
TEST(Connection, MissingConfigurationOrDeviceRowIsReported) {
    struct Case {
        const char* sql;
        const char* phrase;
    };
    const Case cases[] = {
        {"delete from KONFIGURACJA", "KONFIGURACJA"},
        {"delete from VRZDEVICES", "IDDEV 20"},
    };
    for (const Case& c : cases) {
        TempDatabase tdb;
        {
            QSqlQuery q(tdb.secondConnection());
            ASSERT_TRUE(q.exec(c.sql)) << q.lastError().text().toStdString();
        }
        try {
            tdb.db().openTables();
            FAIL() << c.sql;
        } catch (const DbError& e) {
            EXPECT_EQ(e.reason(), DbError::Reason::NotOurDatabase);
            EXPECT_TRUE(e.message().contains(c.phrase)) << e.what();
            EXPECT_TRUE(e.message().contains(tdb.filePath())) << e.what();
        }
        EXPECT_FALSE(tdb.db().tablesOpen());
    }
}

// Calls on a closed connection fail with a message, not a crash.
TEST(Connection, CallsWithoutConnectionThrow) {
    ZqmDatabase db;
    EXPECT_FALSE(db.isConnected());
    EXPECT_THROW(db.openTables(), DbError);
    EXPECT_THROW(db.storeConfigLang(1), DbError);
    EXPECT_THROW(db.procedures().updateObiektTemp(20, 1, "A"), DbError);
    EXPECT_EQ(db.currentDeviceId(), 0);
    EXPECT_EQ(db.configLang(), 0);
}

// The schema of the delivered file, as the program relies on it.
TEST(Schema, DeliveredFileHasTheProgramsObjects) {
    TempDatabase tdb;
    QSqlQuery q(tdb.sql());
    const char* relations[] = {"KONFIGURACJA", "VRZDEVICES", "OBIEKTY",
                               "GATUNKI",      "WYNIKI",     "V_OBIEKTY"};
    for (const char* name : relations) {
        ASSERT_TRUE(
            q.exec(QString("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = '%1'")
                       .arg(name)));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 1) << name;
    }
    // Procedures with their inputs and outputs, by position.
    struct Proc {
        const char* name;
        int inputs;
        int outputs;
    };
    const Proc procs[] = {{"P_UPDATEOBIEKT_TEMP", 3, 1}, {"P_UPDATEGATUNEK", 3, 1},
                          {"P_WYNIKI_UI", 10, 0},        {"P_SELECT_WYNIKI", 2, 0},
                          {"P_SELECTDATES", 2, 0},       {"P_SELECT_OBJECTS", 2, 0}};
    for (const Proc& p : procs) {
        ASSERT_TRUE(
            q.exec(QString("select sum(iif(RDB$PARAMETER_TYPE = 0, 1, 0)), "
                           "sum(iif(RDB$PARAMETER_TYPE = 1, 1, 0)) from RDB$PROCEDURE_PARAMETERS "
                           "where RDB$PROCEDURE_NAME = '%1'")
                       .arg(p.name)));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), p.inputs) << p.name;
        EXPECT_EQ(q.value(1).toInt(), p.outputs) << p.name;
    }
    ASSERT_TRUE(q.exec("select count(*) from KONFIGURACJA"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    // Default character set UTF-8.
    ASSERT_TRUE(q.exec("select trim(RDB$CHARACTER_SET_NAME) from RDB$DATABASE"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "UTF8");
}
