#include "EmbeddedEngine.h"

#include "DbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// A folder only this user can use: created with mode 0700, or an existing one
// that this user owns (a folder planted by someone else is refused).
bool usablePrivateDir(const QString& path) {
    const QByteArray p = QFile::encodeName(path);
    if (::mkdir(p.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(p.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return ::access(p.constData(), R_OK | W_OK | X_OK) == 0;
}
#endif

} // namespace

QString prepareEmbeddedEngine(const QString& programPath) {
#ifdef Q_OS_UNIX
    Q_UNUSED(programPath);
    const QByteArray preset = qgetenv("FIREBIRD_LOCK");
    if (!preset.isEmpty())
        return QFile::decodeName(preset);

    QStringList candidates;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        candidates << runtime + QStringLiteral("/zqmm-firebird");
    const QString leaf = QStringLiteral("/zqmm-firebird-") + QString::number(::geteuid());
    candidates << QDir::tempPath() + leaf;
    if (QDir::tempPath() != QLatin1String("/tmp"))
        candidates << QStringLiteral("/tmp") + leaf; // TMPDIR may not be ours to write

    for (const QString& dir : candidates) {
        if (usablePrivateDir(dir)) {
            qputenv("FIREBIRD_LOCK", QFile::encodeName(dir));
            return dir;
        }
    }
    throw DbError(DbError::Reason::LockDir,
                  QCoreApplication::translate(
                      "ZqmDatabase",
                      "The database engine cannot use a folder for its lock files (tried %1). "
                      "Check that the folder can be created and written, or name one in the "
                      "environment variable FIREBIRD_LOCK.")
                      .arg(candidates.join(QStringLiteral(", "))));
#else
    const QDir dir(programPath);
    if (qEnvironmentVariableIsEmpty("FIREBIRD") && dir.exists(QStringLiteral("fbclient.dll")) &&
        dir.exists(QStringLiteral("plugins/engine12.dll")))
        qputenv("FIREBIRD", QDir::toNativeSeparators(dir.absolutePath()).toLocal8Bit());
    return QString();
#endif
}
