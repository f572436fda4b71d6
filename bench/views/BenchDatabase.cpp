#include "BenchDatabase.h"

#include "Isql.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// One EXECUTE BLOCK: every row is made inside the engine, so 200,000 rows
// take seconds. Moisture, temperature and density vary so that sorting
// moves rows; dates run a minute apart from the start of 2024.
const char* FillScript = R"(
SET TERM ^ ;
EXECUTE BLOCK AS
DECLARE o INTEGER = 1;
DECLARE ob INTEGER;
DECLARE g INTEGER;
DECLARE i INTEGER;
DECLARE n INTEGER;
BEGIN
  WHILE (o <= 142) DO
  BEGIN
    INSERT INTO OBIEKTY (IDDEV, IDO_INDEV, NAZWA_DEV, DATA_DODANIA)
    VALUES (20, :o, 'OBJ ' || :o, CURRENT_TIMESTAMP) RETURNING IDOB INTO :ob;
    INSERT INTO GATUNKI (IDOB, IDGATUNKU, NAZWAGAT, REZI2)
    VALUES (:ob, 1 + MOD(:o, 5), 'Species ' || MOD(:o, 5), 0) RETURNING IDG INTO :g;
    n = IIF(o = 1, 50000, IIF(o = 2, 10000, 1000));
    i = 0;
    WHILE (i < n) DO
    BEGIN
      INSERT INTO WYNIKI (IDOB, DATACZAS, DATA_IMPORT, DANE1, DANE2, DANE3, DANE5,
                          REZC, REZI1, FLAGI, REZI2)
      VALUES (:g, DATEADD(:i MINUTE TO TIMESTAMP '2024-01-01 00:00:00'), CURRENT_TIMESTAMP,
              8.0 + MOD(:i * 7919, 170) / 10.0, -5.0 + MOD(:i * 104729, 400) / 10.0, :i,
              60.0 + MOD(:i * 1299709, 250) / 10.0, '', 0, IIF(MOD(:i, 97) = 0, 2, 0), 0);
      i = i + 1;
    END
    o = o + 1;
  END
END^
SET TERM ; ^
COMMIT;
)";

int queryInt(const QString& file, const QString& sql) {
    const IsqlRun run =
        runIsql(file, QStringLiteral("SET HEADING OFF;\n") + sql + QStringLiteral(";\n"), true);
    if (!run.ok)
        qFatal("isql-fb failed: %s", qPrintable(run.output));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("(\\d+)")).match(run.output);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

BenchDatabase makeBenchDatabase(const QString& folder) {
    BenchDatabase b;
    b.programPath = QDir(folder).absolutePath() + QLatin1Char('/');
    b.file = b.programPath + QStringLiteral("ZQMBASE.fb");
    const QString source = QStringLiteral(ZQM_BIN_DIR "/ZQMBASE.fb");
    if (!QFile::copy(source, b.file))
        qFatal("cannot copy %s", qPrintable(source));
    QFile::setPermissions(b.file, QFile::permissions(b.file) | QFile::WriteOwner);
    const IsqlRun fill = runIsql(b.file, QString::fromLatin1(FillScript), true);
    if (!fill.ok)
        qFatal("isql-fb could not fill the database: %s", qPrintable(fill.output));
    b.bigLine = queryInt(b.file, QStringLiteral("select min(IDG) from GATUNKI"));
    b.tenThousandLine = queryInt(
        b.file, QStringLiteral("select IDG from GATUNKI where IDG > %1 order by IDG rows 1")
                    .arg(b.bigLine));
    b.total = queryInt(b.file, QStringLiteral("select count(*) from WYNIKI"));
    return b;
}
