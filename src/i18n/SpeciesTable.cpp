#include "SpeciesTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <QStringList>

SpeciesTable::SpeciesTable(int rows) : rows_(qMax(rows, 0)), cells_(size_t(rows_) * ColumnCount) {}

QString SpeciesTable::cell(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= ColumnCount)
        return QString();
    return cells_[size_t(row) * ColumnCount + size_t(column)];
}

void SpeciesTable::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= ColumnCount)
        return;
    cells_[size_t(row) * ColumnCount + size_t(column)] = text;
}

QString SpeciesTable::name(int langIndex, int speciesIndex) const {
    if (langIndex < 0)
        return QString();
    return cell(speciesIndex + 1, langIndex + 1);
}

namespace {

// Decodes by byte-order mark; without one, the system's 8-bit code page (on
// Windows the ANSI code page, on Linux the locale's encoding).
QString decode(const QByteArray& bytes) {
    QStringConverter::Encoding encoding = QStringConverter::System;
    qsizetype bomSize = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringConverter::Utf8;
        bomSize = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = QStringConverter::Utf16LE;
        bomSize = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = QStringConverter::Utf16BE;
        bomSize = 2;
    }
    QStringDecoder decoder(encoding);
    return decoder.decode(QByteArrayView(bytes).sliced(bomSize));
}

// Lines as a text editor counts them: CR LF, LF or CR end a line, and a break
// at the very end does not start another one.
QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The row number: a decimal whole number, optionally signed, blanks around it
// allowed.
bool parseRowNumber(const QString& field, int& row) {
    const QString trimmed = field.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const bool sign = i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-'));
        if (!sign && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    bool ok = false;
    row = trimmed.toInt(&ok, 10);
    return ok;
}

bool readWholeFile(const QString& path, QByteArray& bytes, QString& error) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    error = file.errorString();
    return false;
}

QString joinNumbers(const QList<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1String(", "));
}

} // namespace

SpeciesLoadResult LoadGatunki(const QString& filePath) {
    SpeciesLoadResult result;
    const QString shownPath = QDir::toNativeSeparators(filePath);

    QByteArray bytes;
    QString error;
    if (!readWholeFile(filePath, bytes, error)) {
        result.table = SpeciesTable(5);
        result.message =
            QCoreApplication::translate(
                "SpeciesTable",
                "The species file %1 could not be read (%2). Species names will be empty.")
                .arg(shownPath, error);
        return result;
    }
    result.fileRead = true;

    const QStringList lines = splitLines(decode(bytes));
    SpeciesTable& table = result.table;
    table = SpeciesTable(int(lines.size()) + 5);

    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue; // carries nothing to load

        const qsizetype firstHash = line.indexOf(QLatin1Char('#'));
        const QString first = firstHash < 0 ? QString() : line.left(firstHash);
        int row = 0;
        if (firstHash < 0 || !parseRowNumber(first, row) || row < 0 || row >= table.rowCount()) {
            result.refusedLines << i + 1;
            continue;
        }
        table.setCell(row, 0, first);

        // Each further "#" closes one field; the column after the last
        // closed field is set to the empty text, the rest of the line dropped.
        qsizetype start = firstHash + 1;
        int column = 1;
        bool truncated = false;
        for (;;) {
            const qsizetype hash = line.indexOf(QLatin1Char('#'), start);
            if (column >= SpeciesTable::ColumnCount) {
                truncated = hash >= 0;
                break;
            }
            if (hash < 0) {
                table.setCell(row, column, QString());
                break;
            }
            table.setCell(row, column, line.mid(start, hash - start));
            start = hash + 1;
            ++column;
        }
        if (truncated)
            result.truncatedLines << i + 1;
    }

    QStringList parts;
    if (!result.refusedLines.isEmpty()) {
        parts << QCoreApplication::translate(
                     "SpeciesTable",
                     "The species file %1 has lines that were not loaded: %2. Each line must "
                     "begin with its row number, from 0 to %3, followed by \"#\".")
                     .arg(shownPath, joinNumbers(result.refusedLines),
                          QString::number(table.rowCount() - 1));
    }
    if (!result.truncatedLines.isEmpty()) {
        parts << QCoreApplication::translate(
                     "SpeciesTable",
                     "In the species file %1 these lines have more than %2 names; the names "
                     "after the first %2 were not loaded: %3.")
                     .arg(shownPath, QString::number(SpeciesTable::ColumnCount - 1),
                          joinNumbers(result.truncatedLines));
    }
    result.message = parts.join(QLatin1Char('\n'));
    return result;
}
