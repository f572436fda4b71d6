#include "SpeciesGrid.h"

#include <QTableWidget>

void fillStringGrid(QTableWidget* grid, const SpeciesTable& table) {
    grid->clearContents();
    grid->setRowCount(table.rowCount());
    grid->setColumnCount(table.columnCount());
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(table.cell(r, c)));
    }
}

QString stringGridCell(const QTableWidget* grid, int row, int column) {
    if (!grid || row < 0 || column < 0 || row >= grid->rowCount() || column >= grid->columnCount())
        return QString();
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}
