#pragma once
// Copies the species table into the main window's hidden grid StringGrid1 and
// reads it back, so that code written against the grid finds the same texts.
#include "SpeciesTable.h"

class QTableWidget;

// Sizes the grid to the table and fills every cell (empty cells as empty items).
void fillStringGrid(QTableWidget* grid, const SpeciesTable& table);

// Text of a grid cell; empty for a cell outside the grid or without an item.
QString stringGridCell(const QTableWidget* grid, int row, int column);
