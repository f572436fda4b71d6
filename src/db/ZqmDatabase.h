#pragma once
// The measurement database as the main window owns it (start-up: connect,
// then open the configuration and devices tables): one connection to ProgramPath + "ZQMBASE.fb"
// through the embedded Firebird engine, the configuration row and the device
// row 20.
//
// Connection: Qt's QIBASE driver, no host (so the embedded engine, no
// server), user "sysdba" with the program's password, connection character
// set UTF-8 (QIBASE always asks for UTF8). Every change is committed by the
// data layer as it is made (Procedures); the program never commits itself.
//
// Isolation: QIBASE starts every transaction with the engine's default
// parameters (snapshot, wait) and offers no way to ask for read-committed.
// Since every statement runs in a transaction of its own that ends with it,
// and the engine lets no second process open the file, nothing the program
// does can tell the two apart. Still, a query left open (a model's cursor)
// reads the data as they were when it was executed: reopen views after a
// change, as the object and result views do.
#include "DbError.h"
#include "Procedures.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>

class ZqmDatabase {
public:
    // The connection settings.
    static constexpr char FileName[] = "ZQMBASE.fb";
    static constexpr char UserName[] = "sysdba";
    static constexpr char Password[] = "plovhrund";
    // The device row under which all the meter's data are stored.
    static constexpr int DeviceId = 20;

    ZqmDatabase();
    ~ZqmDatabase();
    ZqmDatabase(const ZqmDatabase&) = delete;
    ZqmDatabase& operator=(const ZqmDatabase&) = delete;

    // Start-up step 2: opens programPath + "ZQMBASE.fb" (a trailing separator
    // is added when missing). Throws DbError naming the file and the reason:
    // missing, unreadable, read-only, not a database, damaged, in use by
    // another copy of the program, or not the program's database. The
    // program never creates or alters the schema.
    void connect(const QString& programPath);
    bool isConnected() const;
    // Commits whatever the connection still holds open and closes it. Drop
    // the queries and models on the connection first.
    void close();

    // Start-up steps 5 and 6: reads the configuration table (its first row
    // by IDD) and the devices table, positioned on the row IDDEV 20. Throws
    // DbError when either row is missing (the file is then not a usable copy
    // of the delivered database).
    void openTables();
    bool tablesOpen() const { return tablesOpen_; }

    // The devices table's current IDDEV (20), the object queries' :IDdev.
    int currentDeviceId() const;
    // LANG of the configuration row: the language picker position (NULL is 0).
    int configLang() const;
    // Writes LANG of the configuration row and commits it at once.
    void storeConfigLang(int pos);
    // The current rows as read by openTables (column access by name).
    QSqlRecord configRow() const { return config_; }
    QSqlRecord deviceRow() const { return device_; }

    // The full path of the database file (set by connect).
    QString filePath() const { return filePath_; }
    // The connection, for the views, the report and the chart.
    QSqlDatabase database() const;
    // The procedure calls and single-row changes on this connection.
    Procedures procedures() const { return Procedures(database()); }

private:
    void checkSchema();

    QString connectionName_;
    QString filePath_;
    QSqlRecord config_;
    QSqlRecord device_;
    bool tablesOpen_ = false;
};
