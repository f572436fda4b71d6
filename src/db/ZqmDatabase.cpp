#include "ZqmDatabase.h"

#include "EmbeddedEngine.h"
#include "OpenFailure.h"
#include "SqlTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

namespace {

constexpr char Driver[] = "QIBASE";

// Over a UTF8 connection QIBASE hands a CHAR(n) value over padded to 4n
// characters; FireDAC trimmed fixed-length texts, and so do we for the rows we
// hand out.
void trimFixedTexts(QSqlRecord& record) {
    constexpr int SqlText = 452; // SQL_TEXT of the Firebird API; +1 when nullable
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        if ((field.typeID() & ~1) == SqlText && !field.isNull())
            record.setValue(
                i, field.value().toString().remove(QRegularExpression(QStringLiteral(" +$"))));
    }
}

QString nextConnectionName() {
    static int counter = 0;
    return QStringLiteral("zqm-db-%1").arg(++counter);
}

} // namespace

ZqmDatabase::ZqmDatabase() = default;

ZqmDatabase::~ZqmDatabase() {
    close();
}

void ZqmDatabase::connect(const QString& programPath) {
    close();
    QString folder = programPath;
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    filePath_ = folder + QLatin1String(FileName);

    if (!QSqlDatabase::isDriverAvailable(QLatin1String(Driver)))
        throw makeOpenError(
            DbError::Reason::EngineMissing, filePath_,
            QCoreApplication::translate("ZqmDatabase",
                                        "Qt's Firebird driver (QIBASE plugin) is not available."));
    // Missing: said before the engine is asked, which would only add an I/O
    // error about the same thing.
    if (!QFileInfo(filePath_).isFile())
        throw makeOpenError(DbError::Reason::Missing, filePath_, QString());
    prepareEmbeddedEngine(folder);

    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(Driver), name);
        // No host name: the client library takes the embedded engine.
        db.setDatabaseName(QDir::toNativeSeparators(filePath_));
        db.setUserName(QLatin1String(UserName));
        db.setPassword(QLatin1String(Password));
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw describeOpenFailure(filePath_, error.databaseText(), error.nativeErrorCode());
        }
    }
    connectionName_ = name;
    try {
        checkSchema();
    } catch (...) {
        close();
        throw;
    }
}

// A Firebird file without the program's tables opens fine; say so at once
// rather than with an unknown-table error at the first query.
void ZqmDatabase::checkSchema() {
    const QStringList expected = {QStringLiteral("KONFIGURACJA"), QStringLiteral("VRZDEVICES"),
                                  QStringLiteral("OBIEKTY"),      QStringLiteral("GATUNKI"),
                                  QStringLiteral("WYNIKI"),       QStringLiteral("V_OBIEKTY")};
    QStringList present;
    {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("select trim(RDB$RELATION_NAME) from RDB$RELATIONS "
                                       "where coalesce(RDB$SYSTEM_FLAG, 0) = 0")))
            throw makeOpenError(DbError::Reason::Other, filePath_, query.lastError().text());
        while (query.next())
            present << query.value(0).toString();
    }
    QStringList missing;
    for (const QString& table : expected)
        if (!present.contains(table))
            missing << table;
    if (!missing.isEmpty())
        throw makeOpenError(
            DbError::Reason::NotOurDatabase, filePath_,
            QCoreApplication::translate("ZqmDatabase", "Missing tables or views: %1.")
                .arg(missing.join(QStringLiteral(", "))));
}

bool ZqmDatabase::isConnected() const {
    return !connectionName_.isEmpty() && database().isOpen();
}

void ZqmDatabase::close() {
    tablesOpen_ = false;
    config_ = QSqlRecord();
    device_ = QSqlRecord();
    if (connectionName_.isEmpty())
        return;
    {
        QSqlDatabase db = database();
        if (db.isOpen()) {
            // Nothing is left open by the data layer itself; a transaction
            // someone else started on the connection is committed, not lost.
            db.commit();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
}

QSqlDatabase ZqmDatabase::database() const {
    if (connectionName_.isEmpty())
        return QSqlDatabase();
    return QSqlDatabase::database(connectionName_, false);
}

void ZqmDatabase::openTables() {
    tablesOpen_ = false;
    if (!isConnected())
        throw DbError(DbError::Reason::Statement,
                      QCoreApplication::translate("ZqmDatabase", "The database is not connected."));
    auto readError = [this](const QString& table, const QSqlError& error) {
        return DbError(
            DbError::Reason::Statement,
            QCoreApplication::translate("ZqmDatabase",
                                        "The database file \"%1\" reported an error reading %2: %3")
                .arg(QDir::toNativeSeparators(filePath_), table, error.text()));
    };

    QSqlRecord config, device;
    {
        // Read and let go at once: a cursor left open would keep a
        // transaction open for the whole run.
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.exec(QLatin1String(SqlTexts::ConfigurationTable)))
            throw readError(QStringLiteral("KONFIGURACJA"), query.lastError());
        if (query.next())
            config = query.record();
    }
    {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.exec(QLatin1String(SqlTexts::DevicesTable)))
            throw readError(QStringLiteral("VRZDEVICES"), query.lastError());
        while (query.next()) {
            if (query.value(QStringLiteral("IDDEV")).toInt() == DeviceId) {
                device = query.record();
                break;
            }
        }
    }
    if (config.isEmpty())
        throw makeOpenError(DbError::Reason::NotOurDatabase, filePath_,
                            QCoreApplication::translate(
                                "ZqmDatabase", "The configuration table KONFIGURACJA has no row."));
    if (device.isEmpty())
        throw makeOpenError(
            DbError::Reason::NotOurDatabase, filePath_,
            QCoreApplication::translate("ZqmDatabase",
                                        "The devices table VRZDEVICES has no row with IDDEV %1.")
                .arg(DeviceId));
    trimFixedTexts(config);
    trimFixedTexts(device);
    config_ = config;
    device_ = device;
    tablesOpen_ = true;
}

int ZqmDatabase::currentDeviceId() const {
    return Procedures::outputInt(device_.value(QStringLiteral("IDDEV")));
}

int ZqmDatabase::configLang() const {
    return Procedures::outputInt(config_.value(QStringLiteral("LANG")));
}

void ZqmDatabase::storeConfigLang(int pos) {
    if (!tablesOpen_)
        throw DbError(
            DbError::Reason::Statement,
            QCoreApplication::translate(
                "ZqmDatabase", "The configuration table is not open (storing the language)."));
    const int idd = config_.value(QStringLiteral("IDD")).toInt();
    procedures().storeLanguage(idd, pos);
    config_.setValue(QStringLiteral("LANG"), pos);
}
