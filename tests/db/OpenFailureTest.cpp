// Start-up step 2 when the database file cannot be used: a clear message
// naming the file and the reason, no crash, and the program can go on.
#include "OpenFailure.h"
#include "TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using Reason = DbError::Reason;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray randomBytes(int n) {
    QByteArray b(n, '\0');
    QRandomGenerator gen(42);
    for (char& c : b)
        c = char(gen.bounded(256));
    return b;
}

// Connects to `programPath` and returns the error, or fails the test.
DbError openError(const QString& programPath) {
    ZqmDatabase db;
    try {
        db.connect(programPath);
        db.openTables();
    } catch (const DbError& e) {
        EXPECT_FALSE(db.isConnected());
        return e;
    }
    ADD_FAILURE() << "opened " << programPath.toStdString();
    return DbError(Reason::Other, QString());
}

// The program goes on: a good copy opens after the failure.
void expectGoodCopyStillOpens() {
    TempDatabase good;
    EXPECT_EQ(good.db().currentDeviceId(), 20);
}

// The helper process (a second copy of the data layer), copied where user
// nobody can run it.
class Probe {
public:
    explicit Probe(const QString& folder) : path_(folder + "/zqm_dbprobe") {
        QFile::copy(QStringLiteral(ZQM_DBPROBE), path_);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
    }
    // Runs `open` and returns its output (first line "OK" or "ERROR <reason>").
    QString open(const QString& programPath, bool asNobody) {
        QProcess p;
        QStringList args;
        if (asNobody)
            args << "--as-nobody";
        args << "open" << programPath;
        p.start(path_, args);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    }
    QString path() const { return path_; }

private:
    QString path_;
};

bool runningAsRoot() {
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

// Files that are not a usable database, opened in this process.
TEST(OpenFailure, UnusableFilesGiveAMessageNamingFileAndReason) {
    struct Case {
        const char* name;
        std::function<void(const QString& file)> make;
        Reason reason;
        const char* phrase;
    };
    const Case cases[] = {
        {"missing", [](const QString&) {}, Reason::Missing, "does not exist"},
        {"garbage", [](const QString& f) { writeFile(f, randomBytes(1 << 20)); },
         Reason::NotADatabase, "not a database"},
        {"too short", [](const QString& f) { writeFile(f, randomBytes(100)); }, Reason::Damaged,
         "shorter than a database file"},
        {"empty", [](const QString& f) { writeFile(f, QByteArray()); }, Reason::Damaged,
         "shorter than a database file"},
        {"cut short",
         [](const QString& f) {
             QFile::copy(TempDatabase::builtFile(), f);
             QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner);
             QFile(f).resize(16384);
         },
         Reason::Damaged, "shorter than a database file"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.path() + "/ZQMBASE.fb";
        c.make(file);
        const DbError e = openError(dir.path() + "/");
        EXPECT_EQ(e.reason(), c.reason) << c.name << ": " << e.what();
        EXPECT_TRUE(e.message().contains(file)) << c.name << ": " << e.what();
        EXPECT_TRUE(e.message().contains(c.phrase)) << c.name << ": " << e.what();
    }
    expectGoodCopyStillOpens();
}

// A Firebird database that is not the program's: said at connect.
TEST(OpenFailure, DatabaseWithoutTheProgramsTablesIsRefused) {
    TempDatabase tdb(TempDatabase::CopyOnly);
    {
        QSqlQuery q(tdb.secondConnection());
        ASSERT_TRUE(q.exec("drop view V_OBIEKTY"));
    }
    tdb.closeSecondConnection();
    const DbError e = openError(tdb.programPath());
    EXPECT_EQ(e.reason(), Reason::NotOurDatabase) << e.what();
    EXPECT_TRUE(e.message().contains("V_OBIEKTY")) << e.what();
    EXPECT_TRUE(e.message().contains(tdb.filePath())) << e.what();
}

// The engine's messages for the cases that need another user or process,
// as measured with Firebird 3.0.11, map to their reasons.
TEST(OpenFailure, EngineMessagesMapToReasons) {
    TempDatabase tdb(TempDatabase::CopyOnly); // an existing file
    const QString f = tdb.filePath();
    struct Case {
        QString engine;
        QString code;
        Reason reason;
        const char* phrase;
    };
    const Case cases[] = {
        {"I/O error during \"lock\" operation for file \"" + f +
             "\" - Database already opened with engine instance, incompatible with current",
         "-902", Reason::InUse, "in use by another copy of the program"},
        {"no permission for read-write access to database " + f, "-551", Reason::ReadOnly,
         "read-only"},
        {"I/O error during \"open\" operation for file \"" + f +
             "\" - Error while trying to open file - Permission denied",
         "-902", Reason::Unreadable, "not allowed to read"},
        {"file " + f + " is not a valid database", "-922", Reason::NotADatabase, "not a database"},
        {"Can't access lock files' directory /tmp/firebird", "-902", Reason::LockDir, "lock files"},
        {"operating system directive access failed - Permission denied - /tmp/firebird/", "-902",
         Reason::LockDir, "lock files"},
        {"unsupported on-disk structure for file " + f + "; found 11.2, support 12.0", "-820",
         Reason::WrongVersion, "another version"},
        {"something else entirely", "-999", Reason::Other, "refused"},
    };
    for (const Case& c : cases) {
        const DbError e = describeOpenFailure(f, c.engine, c.code);
        EXPECT_EQ(e.reason(), c.reason) << c.engine.toStdString();
        EXPECT_TRUE(e.message().contains(f)) << e.what();
        EXPECT_TRUE(e.message().contains(c.phrase)) << e.what();
        EXPECT_TRUE(e.message().contains(c.engine)) << e.what(); // kept as the detail
    }
}

// A read-only or unreadable file, in a process of a user the permissions
// apply to (root reads and writes any file, so as root the probe drops to
// user nobody).
TEST(OpenFailure, ReadOnlyAndUnreadableFiles) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "file modes are a Unix matter here";
#else
    struct Case {
        const char* name;
        QFile::Permissions mode;
        Reason reason;
        const char* phrase;
    };
    const Case cases[] = {
        {"read-only", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther, Reason::ReadOnly,
         "read-only"},
        {"unreadable", {}, Reason::Unreadable, "not allowed to read"},
    };
    for (const Case& c : cases) {
        TempDatabase tdb(TempDatabase::CopyOnly);
        QFile::setPermissions(QFileInfo(tdb.filePath()).path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                  QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                  QFile::ExeGroup);
        Probe probe(QFileInfo(tdb.filePath()).path());
        ASSERT_TRUE(QFile::setPermissions(tdb.filePath(), c.mode));
        const QString out = probe.open(tdb.programPath(), runningAsRoot());
        if (out.startsWith("ERROR setuid"))
            GTEST_SKIP() << "cannot drop to user nobody here";
        EXPECT_TRUE(out.startsWith(QString("ERROR %1\n").arg(int(c.reason))))
            << c.name << ": " << out.toStdString();
        EXPECT_TRUE(out.contains(tdb.filePath())) << out.toStdString();
        EXPECT_TRUE(out.contains(c.phrase)) << out.toStdString();
    }
#endif
}

// A second copy of the program started while the first holds the file is
// told plainly that the database is in use by another copy; once the first
// lets go, it opens.
TEST(OpenFailure, SecondCopyIsToldTheDatabaseIsInUse) {
    TempDatabase tdb(TempDatabase::CopyOnly);
    Probe probe(QFileInfo(tdb.filePath()).path());
    QProcess first;
    // Its own lock folder, as a copy started in another session or by another
    // user would have: the engine's lock on the file itself still excludes.
    const QString otherLocks = QFileInfo(tdb.filePath()).path() + "/other-locks";
    QDir().mkpath(otherLocks);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FIREBIRD_LOCK", otherLocks);
    first.setProcessEnvironment(env);
    first.start(probe.path(), {"hold", tdb.programPath()});
    ASSERT_TRUE(first.waitForStarted(30000));
    ASSERT_TRUE(first.waitForReadyRead(60000));
    const QString said = QString::fromUtf8(first.readLine()).trimmed();
    ASSERT_EQ(said, "HOLDING") << said.toStdString() << first.readAll().toStdString();

    const DbError e = openError(tdb.programPath());
    EXPECT_EQ(e.reason(), Reason::InUse) << e.what();
    EXPECT_TRUE(e.message().contains("the database is in use by another copy of the program"))
        << e.what();
    EXPECT_TRUE(e.message().contains(tdb.filePath())) << e.what();

    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0);

    ZqmDatabase second;
    second.connect(tdb.programPath());
    second.openTables();
    EXPECT_EQ(second.currentDeviceId(), 20);
}

// The other way round: this process holds the file, another copy is refused;
// after close() the other copy opens it (close lets go of the file).
TEST(OpenFailure, CloseLetsAnotherCopyOpenTheFile) {
    TempDatabase tdb;
    Probe probe(QFileInfo(tdb.filePath()).path());
    const QString refused = probe.open(tdb.programPath(), false);
    EXPECT_TRUE(refused.startsWith(QString("ERROR %1\n").arg(int(Reason::InUse))))
        << refused.toStdString();
    EXPECT_TRUE(refused.contains("in use by another copy of the program")) << refused.toStdString();

    tdb.db().close();
    EXPECT_EQ(probe.open(tdb.programPath(), false).trimmed(), "OK");
}
