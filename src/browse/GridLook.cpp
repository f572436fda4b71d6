#include "GridLook.h"

#include "TickDelegate.h"
#include "TitleSort.h"

#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

namespace GridLook {

void apply(QTableView* grid) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(FontPixels);
    grid->setFont(font);

    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSortingEnabled(false); // the views sort, through their SQL
    grid->setShowGrid(true);
    grid->setWordWrap(true);
    grid->setCornerButtonEnabled(false);

    // The selected row looks the same whether or not the grid has the focus.
    QPalette palette = grid->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    grid->setPalette(palette);

    QHeaderView* rows = grid->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* titles = grid->horizontalHeader();
    titles->setFont(font);
    titles->setMinimumSectionSize(8); // the tick columns are narrower than the default minimum
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    titles->setStretchLastSection(false);
    titles->setSortIndicatorShown(true);
    titles->setSortIndicator(-1, Qt::AscendingOrder);
    titles->setFixedHeight(RowHeight);
}

void applyColumns(QTableView* grid, const QList<GridColumn>& columns) {
    for (int i = 0; i < columns.size(); ++i) {
        grid->setColumnWidth(i, columns.at(i).width);
        if (jvdbGrHresultsCheckIfBooleanField(columns.at(i)))
            grid->setItemDelegateForColumn(i, new TickDelegate(grid));
        else
            grid->setItemDelegateForColumn(i, nullptr);
    }
}

void showSort(QTableView* grid, const TitleSort& sort) {
    grid->horizontalHeader()->setSortIndicator(
        sort.column(), sort.ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

} // namespace GridLook
