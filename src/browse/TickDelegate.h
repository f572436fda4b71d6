#pragma once
// Draws a tick column's cells as a check box centred in the cell. It never
// changes a mark itself: the grid's click handler does that.
#include <QStyledItemDelegate>

class TickDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};
