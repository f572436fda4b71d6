#include "SpeciesLookup.h"

#include "SpeciesGrid.h"

SpeciesNameLookup speciesNameFromGrid(const QTableWidget* grid) {
    return [grid](int languageIndex, int speciesIndex) {
        return stringGridCell(grid, speciesIndex + 1, languageIndex + 1);
    };
}
