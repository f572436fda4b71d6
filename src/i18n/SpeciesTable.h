#pragma once
// The species names of every language, as read from GatunkiZQM.txt. Row r
// holds the species the meter reports with index r - 1; column 0 the row
// number as written in the file, column 1 + i the name in the language of
// index i. Cells that no line filled read as the empty text.
#include <QList>
#include <QString>
#include <vector>

class SpeciesTable {
public:
    static constexpr int ColumnCount = 30;

    SpeciesTable() = default;
    explicit SpeciesTable(int rows);

    int rowCount() const { return rows_; }
    int columnCount() const { return ColumnCount; }

    // The empty text for a cell outside the table.
    QString cell(int row, int column) const;
    // Ignored outside the table.
    void setCell(int row, int column, const QString& text);

    // Name of a species (as the meter numbers it) in a language (by language
    // index): the cell at column langIndex + 1, row speciesIndex + 1; empty for
    // anything absent.
    QString name(int langIndex, int speciesIndex) const;

private:
    int rows_ = 0;
    std::vector<QString> cells_;
};

struct SpeciesLoadResult {
    SpeciesTable table;
    // Numbers (1-based) of the lines that were not loaded.
    QList<int> refusedLines;
    // Numbers of the lines whose fields ran past the last column; the fields
    // that fit were loaded.
    QList<int> truncatedLines;
    bool fileRead = false;
    // Empty when everything was loaded; otherwise one translated message that
    // names the file and the lines concerned, for the caller to show.
    QString message;
};

// Reads a species file into a table of (lines + 5) rows and 30 columns. A
// UTF-8 or UTF-16 byte-order mark selects that encoding, otherwise the text is
// read in the system's 8-bit code page. Each line is a run of fields ended by
// "#": the row number, then the names in language-index order; text after the
// last "#" is dropped, and a later line overwrites the cells it reaches. A
// line whose first field is not a whole number, or whose row number lies
// outside the table, is refused and listed in the message; blank lines are
// skipped. A missing or unreadable file gives an empty table and a message.
SpeciesLoadResult LoadGatunki(const QString& filePath);

// The name of the species file in the program folder.
inline QString speciesFileName() {
    return QStringLiteral("GatunkiZQM.txt");
}
