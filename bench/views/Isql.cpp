#include "Isql.h"

#include "ZqmDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <limits>

IsqlRun runIsql(const QString& databaseFile, const QString& script, bool keepOutput) {
    IsqlRun run;
    QProcess isql;
    isql.setProgram(QStringLiteral(ZQM_ISQL));
    isql.setArguments({QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-ch"),
                       QStringLiteral("UTF8"), QStringLiteral("-user"),
                       QLatin1String(ZqmDatabase::UserName), QStringLiteral("-password"),
                       QLatin1String(ZqmDatabase::Password), databaseFile});
    if (!keepOutput)
        isql.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    isql.start();
    if (!isql.waitForStarted(10000)) {
        run.output = isql.errorString();
        return run;
    }
    isql.write(script.toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(-1);
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.output = QString::fromUtf8(isql.readAllStandardError());
    if (keepOutput)
        run.output.prepend(QString::fromUtf8(isql.readAllStandardOutput()));
    run.ok = isql.exitStatus() == QProcess::NormalExit && isql.exitCode() == 0;
    return run;
}

double bestIsqlSeconds(const QString& databaseFile, const QString& script, int runs) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        const IsqlRun run = runIsql(databaseFile, script);
        if (!run.ok)
            qFatal("isql-fb failed: %s", qPrintable(run.output));
        best = std::min(best, run.seconds);
    }
    return best;
}
