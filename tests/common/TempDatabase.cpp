#include "TempDatabase.h"

#include "EmbeddedEngine.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

#ifndef ZQM_BIN_DIR
#error "ZQM_BIN_DIR must name the folder that holds the built ZQMBASE.fb"
#endif

QString TempDatabase::builtFile() {
    return QStringLiteral(ZQM_BIN_DIR "/") + QLatin1String(ZqmDatabase::FileName);
}

TempDatabase::TempDatabase(Mode mode) {
    if (!dir_.isValid())
        throw std::runtime_error("TempDatabase: cannot create a temporary folder");
    const QString source = builtFile();
    if (!QFile::exists(source))
        throw std::runtime_error(
            ("TempDatabase: the built database is missing: " + source).toStdString());
    if (!QFile::copy(source, filePath()))
        throw std::runtime_error(("TempDatabase: cannot copy " + source).toStdString());
    // The copy keeps the source's mode; the program needs to write it.
    QFile::setPermissions(filePath(),
                          QFile::permissions(filePath()) | QFile::WriteOwner | QFile::ReadOwner);
    if (mode == Open) {
        db_.connect(programPath());
        db_.openTables();
    }
}

TempDatabase::~TempDatabase() {
    closeSecondConnection();
    db_.close();
}

QString TempDatabase::programPath() const {
    return dir_.path() + QLatin1Char('/');
}

QString TempDatabase::filePath() const {
    return programPath() + QLatin1String(ZqmDatabase::FileName);
}

QSqlDatabase TempDatabase::secondConnection() {
    if (secondName_.isEmpty()) {
        static int counter = 0;
        secondName_ = QStringLiteral("zqm-test-second-%1").arg(++counter);
        prepareEmbeddedEngine(programPath());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), secondName_);
        db.setDatabaseName(filePath());
        db.setUserName(QLatin1String(ZqmDatabase::UserName));
        db.setPassword(QLatin1String(ZqmDatabase::Password));
        if (!db.open())
            throw std::runtime_error(
                ("TempDatabase: second connection failed: " + db.lastError().text()).toStdString());
    }
    return QSqlDatabase::database(secondName_, false);
}

void TempDatabase::closeSecondConnection() {
    if (secondName_.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(secondName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(secondName_);
    secondName_.clear();
}

int TempDatabase::committedInt(const QString& sql) {
    QSqlQuery query(secondConnection());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw std::runtime_error(("TempDatabase: " + query.lastError().text()).toStdString());
    return query.next() ? query.value(0).toInt() : 0;
}
