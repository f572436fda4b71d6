#pragma once
// The look and behaviour the object and result grids share: read-only,
// whole-row selection that stays visible without the focus, titles that act
// as buttons (sorting is done by the views, not by the grid), resizable
// columns, grid lines, no indicator column, 23-pixel rows and titles,
// Tahoma 16 px, the column widths of GridColumns and check boxes in the
// tick column.
#include "GridColumns.h"

#include <QList>

class QTableView;
class TitleSort;

namespace GridLook {

inline constexpr int RowHeight = 23;
inline constexpr int FontPixels = 16;

// Applies everything that does not depend on the model.
void apply(QTableView* grid);
// Column widths and the tick column's check boxes; call once the model with
// `columns` is set on the grid.
void applyColumns(QTableView* grid, const QList<GridColumn>& columns);
// Shows `sort`'s column and direction on the grid's titles (none while nothing is sorted).
void showSort(QTableView* grid, const TitleSort& sort);

} // namespace GridLook
