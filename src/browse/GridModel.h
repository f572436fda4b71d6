#pragma once
// A view (the object or the result view) as a grid shows it: the rows of a
// "select *" query, of which the grid's columns show the fields listed in
// GridColumns, with cell texts of their kind and the tick columns as check
// states.
//
// Rows are fetched from the database as the grid scrolls (QSqlQueryModel's
// canFetchMore/fetchMore), never all at once, so a line with tens of
// thousands of results opens as fast as its first screen.
//
// Marks written by the program after the query ran are laid over the
// query's rows (setTick), so the grid shows a new mark without re-reading
// the view.
#include "GridColumns.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QSqlQueryModel>
#include <QVariant>

class GridModel : public QSqlQueryModel {
    Q_OBJECT
public:
    GridModel(QList<GridColumn> columns, QObject* parent = nullptr);

    const QList<GridColumn>& columns() const { return columns_; }

    // Runs the executed `query` as the model's rows (and forgets the marks
    // laid over the previous rows).
    void open(QSqlQuery&& query);
    // Drops the query: the model has no rows and holds no cursor.
    void close();
    bool isOpen() const { return open_; }

    // A field of the query by name at `row` (NULL and missing rows give an
    // invalid QVariant). Marks laid over the row count.
    QVariant fieldValue(int row, const char* field) const;
    // A field as an integer; empty counts as 0.
    int fieldInt(int row, const char* field) const;

    // Lays the mark `value` over the tick field of `row`.
    void setTick(int row, int value);

    // Fetches rows until `row` is loaded or the query has no more; true when
    // the row exists.
    bool fetchUpTo(int row);

    // The locale for numbers and dates (the system's by default).
    void setLocale(const QLocale& locale) { locale_ = locale; }

    // The titles changed language.
    void retranslate();

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant rawValue(int row, int fieldIndex) const;
    QString cellText(int row, int col) const;
    void mapFields();

    QList<GridColumn> columns_;
    QList<int> fieldIndex_; // per grid column, the query's field index (-1: missing)
    int tickColumn_ = -1;
    int tickField_ = -1;
    int flagiField_ = -1;
    QHash<int, int> ticks_; // row -> mark written after the query ran
    QLocale locale_;
    bool open_ = false;
};
