#pragma once
// Test fixture: a fresh copy of the built ZQMBASE.fb in a temporary folder,
// opened the way the program opens it (connect + openTables). Every test
// that touches the database uses its own copy, so tests run in any order and
// in parallel.
//
//   TempDatabase tdb;                       // copied, connected, tables open
//   tdb.procedures().updateObiektTemp(20, 1, "Kowalski");
//   QSqlQuery q(tdb.sql());
//
//   TempDatabase raw(TempDatabase::CopyOnly); // for failure tests: just the file
#include "ZqmDatabase.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

class TempDatabase {
public:
    enum Mode { Open, CopyOnly };

    // Copies ZQM_BIN_DIR/ZQMBASE.fb; throws std::runtime_error when the
    // built file is missing or cannot be copied, DbError when it cannot be
    // opened.
    explicit TempDatabase(Mode mode = Open);
    ~TempDatabase();

    // The folder holding the copy, with a trailing separator (a ProgramPath).
    QString programPath() const;
    QString filePath() const;
    // The built database file the copies are made from.
    static QString builtFile();

    ZqmDatabase& db() { return db_; }
    QSqlDatabase sql() const { return db_.database(); }
    Procedures procedures() const { return db_.procedures(); }

    // A second, independent connection to the same file in this process
    // (another attachment of the same engine): what it sees is committed.
    // Closed with the fixture or by closeSecondConnection.
    QSqlDatabase secondConnection();
    void closeSecondConnection();

    // A single integer from a query on the second connection (0 for NULL or
    // no row); for checking what has been committed.
    int committedInt(const QString& sql);

private:
    QTemporaryDir dir_;
    ZqmDatabase db_;
    QString secondName_;
};
