#include "GridModel.h"

#include "ValueText.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

namespace {

std::optional<double> number(const QVariant& v) {
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    return v.toDouble();
}

// Date and time in the system's format: the short date and the time with
// seconds, without a time zone (the meter's clock has none).
QString dateTimeText(const QVariant& v, const QLocale& locale) {
    if (v.isNull() || !v.isValid())
        return {};
    const QDateTime dt = v.toDateTime();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return locale.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(dt.time(), timeFormat.trimmed());
}

} // namespace

GridModel::GridModel(QList<GridColumn> columns, QObject* parent)
    : QSqlQueryModel(parent), columns_(std::move(columns)), locale_(QLocale::system()) {
    for (int i = 0; i < columns_.size(); ++i)
        if (jvdbGrHresultsCheckIfBooleanField(columns_.at(i)))
            tickColumn_ = i;
    fieldIndex_.fill(-1, columns_.size());
}

void GridModel::open(QSqlQuery&& query) {
    // One reset around the query change, so that the grid asks for cells
    // only once the fields are mapped.
    beginResetModel();
    setQuery(std::move(query));
    ticks_.clear();
    mapFields();
    open_ = true;
    endResetModel();
}

void GridModel::close() {
    beginResetModel();
    clear();
    ticks_.clear();
    mapFields();
    open_ = false;
    endResetModel();
}

void GridModel::mapFields() {
    const QSqlRecord rec = record();
    for (int i = 0; i < columns_.size(); ++i)
        fieldIndex_[i] = rec.indexOf(QLatin1String(columns_.at(i).field));
    tickField_ = tickColumn_ < 0 ? -1 : fieldIndex_.at(tickColumn_);
    flagiField_ = rec.indexOf(QStringLiteral("FLAGI"));
}

QVariant GridModel::rawValue(int row, int fieldIndex) const {
    if (fieldIndex < 0 || row < 0 || row >= rowCount())
        return {};
    if (fieldIndex == tickField_) {
        const auto it = ticks_.constFind(row);
        if (it != ticks_.constEnd())
            return it.value();
    }
    return QSqlQueryModel::data(createIndex(row, fieldIndex), Qt::DisplayRole);
}

QVariant GridModel::fieldValue(int row, const char* field) const {
    return rawValue(row, record().indexOf(QLatin1String(field)));
}

int GridModel::fieldInt(int row, const char* field) const {
    const QVariant v = fieldValue(row, field);
    return v.isNull() || !v.isValid() ? 0 : v.toInt();
}

void GridModel::setTick(int row, int value) {
    if (tickColumn_ < 0 || row < 0 || row >= rowCount())
        return;
    ticks_.insert(row, value);
    const QModelIndex cell = index(row, tickColumn_);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

bool GridModel::fetchUpTo(int row) {
    while (row >= rowCount() && canFetchMore())
        fetchMore();
    return row >= 0 && row < rowCount();
}

void GridModel::retranslate() {
    if (!columns_.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
}

QString GridModel::cellText(int row, int col) const {
    const GridColumn& column = columns_.at(col);
    const QVariant v = rawValue(row, fieldIndex_.at(col));
    switch (column.kind) {
    case CellKind::Tick:
    case CellKind::Text:
        return v.toString();
    case CellKind::DateTime:
        return dateTimeText(v, locale_);
    case CellKind::Moisture:
        return measurementText(MeasuredField::Moisture, number(v),
                               rawValue(row, flagiField_).toInt(), locale_);
    case CellKind::Density:
        return measurementText(MeasuredField::Density, number(v),
                               rawValue(row, flagiField_).toInt(), locale_);
    case CellKind::Temperature:
        return temperatureText(number(v), locale_);
    }
    return {};
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columns_.size())
        return {};
    const GridColumn& column = columns_.at(index.column());
    const bool tick = jvdbGrHresultsCheckIfBooleanField(column);
    switch (role) {
    case Qt::DisplayRole:
        return tick ? QVariant() : QVariant(cellText(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (!tick)
            return {};
        return cellText(index.row(), index.column()) == QLatin1String("1") ? Qt::Checked
                                                                           : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return column.centred ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columnTitle(columns_.at(section));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
