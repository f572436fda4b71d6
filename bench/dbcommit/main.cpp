// Benchmark: storing meter measurements, P_UPDATEGATUNEK + P_WYNIKI_UI pairs,
//   A. one commit per statement (Procedures::updateGatunek + wynikiUi), and
//   B. one transaction per object reply with a savepoint per record
//      (Procedures::storeMeasurements),
// plus, for reference, C. one transaction per object reply without
// savepoints. Each form writes the same new data into its own fresh copy of
// the built ZQMBASE.fb (forced writes on, as delivered). Prints the times and
// the ratio A / B.
#include "SqlTexts.h"
#include "ZqmDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

namespace {

QTextStream out(stdout);

QList<MeasurementRow> replyOf(int object, int count) {
    QList<MeasurementRow> records;
    const QDateTime start(QDate(2025, 6, 1), QTime(6, 0));
    for (int i = 0; i < count; ++i) {
        MeasurementRow r;
        r.idGatunku = 1 + i % 3; // three species per supplier
        r.nazwaGat = QStringList{"Pszenica", "Żyto", "Jęczmień"}.at(i % 3);
        r.dataCzas = start.addSecs(qint64(object) * 86400 + i * 60);
        r.dane1 = 12.0f + float(i % 80) / 10.0f;
        r.dane2 = 20.5f;
        r.dane3 = object * 100000 + i;
        r.dane5 = 72.0f + float(i % 50) / 10.0f;
        r.flagi = 0;
        records << r;
    }
    return records;
}

struct Run {
    double seconds = 0;
    int stored = 0;
};

// Form C: one plain transaction per object reply, no savepoints.
void storePlain(QSqlDatabase db, int idObj, const QList<MeasurementRow>& records) {
    if (!db.transaction())
        throw DbError(DbError::Reason::Statement, db.lastError().text());
    {
        QSqlQuery gat(db), wyn(db);
        gat.prepare(SqlTexts::P_UPDATEGATUNEK);
        wyn.prepare(SqlTexts::P_WYNIKI_UI);
        for (const auto& r : records) {
            gat.bindValue(0, idObj);
            gat.bindValue(1, r.idGatunku);
            gat.bindValue(2, r.nazwaGat);
            if (!gat.exec() || !gat.next())
                continue;
            const QVariantList values = {
                gat.value(0).toInt(),
                QDateTime(r.dataCzas.date(), r.dataCzas.time(), QTimeZone::utc()),
                r.dane1,
                r.dane2,
                r.dane3,
                r.dane5,
                0,
                QStringLiteral(""),
                r.flagi,
                0};
            for (int i = 0; i < values.size(); ++i)
                wyn.bindValue(i, values[i]);
            wyn.exec();
        }
    }
    if (!db.commit())
        throw DbError(DbError::Reason::Statement, db.lastError().text());
}

Run runForm(char form, const QString& builtFile, const QString& baseDir, int pairs, int perReply) {
    QTemporaryDir dir(baseDir.isEmpty() ? QString() : baseDir + "/bench-XXXXXX");
    if (!dir.isValid() || !QFile::copy(builtFile, dir.path() + "/ZQMBASE.fb"))
        throw DbError(DbError::Reason::Other, "cannot copy " + builtFile);
    QFile::setPermissions(dir.path() + "/ZQMBASE.fb", QFile::ReadOwner | QFile::WriteOwner);
    ZqmDatabase db;
    db.connect(dir.path() + "/");
    db.openTables();
    Procedures p = db.procedures();

    Run run;
    QElapsedTimer timer;
    timer.start();
    for (int object = 0, done = 0; done < pairs; ++object) {
        const int count = qMin(perReply, pairs - done);
        const QList<MeasurementRow> records = replyOf(object, count);
        const int idObj =
            p.updateObiektTemp(20, object + 1, QStringLiteral("Supplier %1").arg(object + 1));
        switch (form) {
        case 'A':
            for (const auto& r : records) {
                WynikiUiInput in;
                in.idOb = p.updateGatunek(idObj, r.idGatunku, r.nazwaGat);
                in.dataCzas = r.dataCzas;
                in.dane1 = r.dane1;
                in.dane2 = r.dane2;
                in.dane3 = r.dane3;
                in.dane5 = r.dane5;
                in.flagi = r.flagi;
                p.wynikiUi(in);
            }
            break;
        case 'B':
            p.storeMeasurements(idObj, records);
            break;
        default:
            storePlain(db.database(), idObj, records);
            break;
        }
        done += count;
    }
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    QSqlQuery q(db.database());
    q.exec("select count(*) from WYNIKI");
    q.next();
    run.stored = q.value(0).toInt();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Stores N P_UPDATEGATUNEK + P_WYNIKI_UI pairs per statement commit and per object reply "
        "transaction with a savepoint per record; prints both times and their ratio.");
    parser.addHelpOption();
    parser.addOption({"pairs", "Number of pairs (default 10000).", "n", "10000"});
    parser.addOption({"per-reply", "Records per object reply (default 500).", "n", "500"});
    parser.addOption({"dir",
                      "Folder for the database copies (default: the system temp folder). "
                      "Use a real disk: on tmpfs a commit costs nothing.",
                      "path"});
    parser.addOption({"database", "The built ZQMBASE.fb (default: beside this program).", "file"});
    parser.process(app);

    const int pairs = parser.value("pairs").toInt();
    const int perReply = qMax(1, parser.value("per-reply").toInt());
    QString built = parser.value("database");
    if (built.isEmpty())
        built = QCoreApplication::applicationDirPath() + "/ZQMBASE.fb";

    try {
        out << "Storing " << pairs << " P_UPDATEGATUNEK + P_WYNIKI_UI pairs, " << perReply
            << " records per object reply (" << (pairs + perReply - 1) / perReply << " replies)\n";
        out.flush();
        const Run a = runForm('A', built, parser.value("dir"), pairs, perReply);
        out << QString("A. commit per statement:                        %1 s  (%2 ms per pair, %3 "
                       "stored)\n")
                   .arg(a.seconds, 0, 'f', 3)
                   .arg(a.seconds * 1000 / pairs, 0, 'f', 3)
                   .arg(a.stored);
        out.flush();
        const Run b = runForm('B', built, parser.value("dir"), pairs, perReply);
        out << QString("B. transaction per reply, savepoint per record: %1 s  (%2 ms per pair, %3 "
                       "stored)\n")
                   .arg(b.seconds, 0, 'f', 3)
                   .arg(b.seconds * 1000 / pairs, 0, 'f', 3)
                   .arg(b.stored);
        out.flush();
        const Run c = runForm('C', built, parser.value("dir"), pairs, perReply);
        out << QString("C. transaction per reply, no savepoints:        %1 s  (%2 ms per pair, %3 "
                       "stored)\n")
                   .arg(c.seconds, 0, 'f', 3)
                   .arg(c.seconds * 1000 / pairs, 0, 'f', 3)
                   .arg(c.stored);
        out << QString("Ratio A / B: %1   (B / C: %2)\n")
                   .arg(a.seconds / b.seconds, 0, 'f', 1)
                   .arg(b.seconds / c.seconds, 0, 'f', 2);
        if (a.stored != pairs || b.stored != pairs || c.stored != pairs) {
            out << "ERROR: not every pair was stored\n";
            return 1;
        }
    } catch (const DbError& e) {
        out << "ERROR: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
