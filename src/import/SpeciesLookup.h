#pragma once
// The species name the import stores with a measurement: the main window's
// hidden grid StringGrid1 at column language index + 1 and row species
// index + 1; empty when the grid has no such cell.
#include <QString>
#include <functional>

class QTableWidget;

using SpeciesNameLookup = std::function<QString(int languageIndex, int speciesIndex)>;

// A lookup reading `grid` at the time of each call (so a reloaded table is
// seen). The grid must outlive the lookup.
SpeciesNameLookup speciesNameFromGrid(const QTableWidget* grid);
