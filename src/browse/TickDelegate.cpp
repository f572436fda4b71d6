#include "TickDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void TickDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const bool ticked = cell.checkState == Qt::Checked;
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    cell.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    QStyleOptionViewItem box(option);
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, widget);
    box.rect = QStyle::alignedRect(option.direction, Qt::AlignCenter, QSize(w, h), option.rect);
    box.state =
        (option.state & QStyle::State_Enabled) | (ticked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
}

bool TickDelegate::editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&,
                               const QModelIndex&) {
    return false;
}
