#include "GridColumns.h"

#include <QCoreApplication>

const QList<GridColumn>& objectColumns() {
    static const QList<GridColumn> columns{
        {"REZI2", QT_TRANSLATE_NOOP("GridColumns", "√"), 31, CellKind::Tick, true, TickTag},
        {"NAZWA_DEV", QT_TRANSLATE_NOOP("GridColumns", "Supplier ZQMM name"), 196, CellKind::Text,
         true, 0},
        {"OPIS", QT_TRANSLATE_NOOP("GridColumns", "Supplier name"), 272, CellKind::Text, false, 0},
        {"NAZWAGATUNKU", QT_TRANSLATE_NOOP("GridColumns", "Species"), 278, CellKind::Text, false,
         0},
    };
    return columns;
}

const QList<GridColumn>& resultColumns() {
    static const QList<GridColumn> columns{
        {"REZI1", QT_TRANSLATE_NOOP("GridColumns", "√"), 28, CellKind::Tick, true, TickTag},
        {"DATACZAS", QT_TRANSLATE_NOOP("GridColumns", "Measurement date"), 182, CellKind::DateTime,
         false, 0},
        {"DANE1", QT_TRANSLATE_NOOP("GridColumns", "Moisture"), 149, CellKind::Moisture, false, 0},
        {"DANE2", QT_TRANSLATE_NOOP("GridColumns", "Temperature"), 158, CellKind::Temperature,
         false, 0},
        {"DANE5", QT_TRANSLATE_NOOP("GridColumns", "Density"), 167, CellKind::Density, false, 0},
    };
    return columns;
}

QString columnTitle(const GridColumn& column) {
    return QCoreApplication::translate("GridColumns", column.title);
}

bool jvdbGrHresultsCheckIfBooleanField(const GridColumn& column) {
    return column.tag == TickTag;
}

int columnOfField(const QList<GridColumn>& columns, const QString& field) {
    for (int i = 0; i < columns.size(); ++i)
        if (field == QLatin1String(columns.at(i).field))
            return i;
    return -1;
}
