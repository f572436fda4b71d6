#include "OpenFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool has(const QString& text, const char* needle) {
    return text.contains(QLatin1String(needle), Qt::CaseInsensitive);
}

DbError::Reason classify(const QString& filePath, const QString& engine, const QString& code) {
    using R = DbError::Reason;
    const QFileInfo file(filePath);
    if (!file.exists())
        return R::Missing;
    // The lock messages first: they are I/O errors like the file ones.
    if (has(engine, "lock files' directory") || has(engine, "lock file") ||
        has(engine, "directive access failed"))
        return R::LockDir;
    if (has(engine, "already opened with engine instance") || has(engine, "\"lock\" operation"))
        return R::InUse;
    if (code == QLatin1String("-551") || has(engine, "no permission for read-write"))
        return R::ReadOnly;
    if (has(engine, "Permission denied") || !file.isReadable())
        return R::Unreadable;
    if (has(engine, "less than expected") || has(engine, "corrupt") || file.size() == 0)
        return R::Damaged;
    if (has(engine, "on-disk structure"))
        return R::WrongVersion;
    if (code == QLatin1String("-922") || has(engine, "not a valid database"))
        return R::NotADatabase;
    if (has(engine, "unavailable database") || has(engine, "network request") ||
        has(engine, "plugin") || has(engine, "provider"))
        return R::EngineMissing;
    return R::Other;
}

QString reasonText(DbError::Reason reason) {
    using R = DbError::Reason;
    switch (reason) {
    case R::Missing:
        return QCoreApplication::translate(
            "ZqmDatabase", "the file does not exist. The database file ZQMBASE.fb belongs in the "
                           "program's folder; reinstall the program or put the file back.");
    case R::Unreadable:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the program is not allowed to read the file. Check the file's permissions.");
    case R::ReadOnly:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the file is read-only, and the program needs to write to it. Make the file "
            "writable for your user (and check that its folder is not on a read-only "
            "medium).");
    case R::NotADatabase:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the file is not a database (it is not a Firebird database file). Restore the "
            "file from a backup or reinstall the program.");
    case R::Damaged:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the file is damaged: it is shorter than a database file must be. Restore the "
            "file from a backup or reinstall the program.");
    case R::WrongVersion:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the file was written by another version of the Firebird database engine and "
            "cannot be opened by this one.");
    case R::InUse:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the database is in use by another copy of the program. Close the other copy "
            "(only one copy can work with the database at a time) and start the program "
            "again.");
    case R::LockDir:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the database engine cannot use its folder for lock files. Check the folder "
            "named in the details, or name another one in the environment variable "
            "FIREBIRD_LOCK.");
    case R::EngineMissing:
        return QCoreApplication::translate(
            "ZqmDatabase",
            "the embedded Firebird database engine is not installed or cannot be loaded.");
    case R::NotOurDatabase:
        return QCoreApplication::translate(
            "ZqmDatabase", "the file is a database, but not the program's measurement database.");
    case R::Other:
    case R::Statement:
        break;
    }
    return QCoreApplication::translate("ZqmDatabase", "the database engine refused to open it.");
}

} // namespace

DbError makeOpenError(DbError::Reason reason, const QString& filePath, const QString& detail) {
    QString message =
        QCoreApplication::translate("ZqmDatabase", "Cannot open the database file \"%1\": %2")
            .arg(QDir::toNativeSeparators(filePath), reasonText(reason));
    if (!detail.trimmed().isEmpty())
        message += QLatin1String("\n\n") +
                   QCoreApplication::translate("ZqmDatabase", "Details: %1").arg(detail.trimmed());
    return DbError(reason, message);
}

DbError describeOpenFailure(const QString& filePath, const QString& engineText,
                            const QString& sqlCode) {
    return makeOpenError(classify(filePath, engineText, sqlCode), filePath, engineText);
}
