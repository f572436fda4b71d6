#pragma once
// The columns of the object grid and the result grid: which field each shows,
// its title, width and how its cells are drawn. The field names here are also
// the only names a sort clause may be built from.
#include <QList>
#include <QString>
#include <Qt>

// A field whose tag is TickTag is a tick mark, drawn as a check box.
inline constexpr int TickTag = 4;

enum class CellKind {
    Text,        // the field's text as it is
    Tick,        // check box: ticked when the text is "1"
    DateTime,    // date and time in the system's format
    Moisture,    // measurementText, moisture, with the row's FLAGI
    Temperature, // temperatureText
    Density,     // measurementText, density, with the row's FLAGI
};

struct GridColumn {
    const char* field; // column of the view, upper case
    const char* title; // source text, translated in the context "GridColumns"
    int width;         // pixels
    CellKind kind;
    bool centred; // cell contents centred
    int tag;      // TickTag for the tick column, else 0
};

// Object grid: REZI2, NAZWA_DEV, OPIS, NAZWAGATUNKU.
const QList<GridColumn>& objectColumns();
// Result grid: REZI1, DATACZAS, DANE1, DANE2, DANE5.
const QList<GridColumn>& resultColumns();

// The translated title of a column.
QString columnTitle(const GridColumn& column);

// True exactly when the field's tag is TickTag: the grids draw that column
// as a check box (jvdbGrHresultsCheckIfBooleanField, asked for both grids).
bool jvdbGrHresultsCheckIfBooleanField(const GridColumn& column);

// Index of `field` among `columns` (case-sensitive, as the grids name them),
// or -1.
int columnOfField(const QList<GridColumn>& columns, const QString& field);
