#include "SortClause.h"

#include "SqlTexts.h"

namespace {
const QString Asc = QStringLiteral(" asc ");
const QString Desc = QStringLiteral(" desc ");
} // namespace

QString sortClause(const QList<GridColumn>& columns, int column, bool ascending) {
    if (column < 0 || column >= columns.size())
        return {};
    const GridColumn& c = columns.at(column);
    if (jvdbGrHresultsCheckIfBooleanField(c))
        return {};
    return QLatin1String(c.field) + (ascending ? Asc : Desc);
}

bool isGridClause(const QList<GridColumn>& columns, const QString& clause) {
    if (clause.isEmpty())
        return true;
    for (int i = 0; i < columns.size(); ++i)
        if (clause == sortClause(columns, i, true) || clause == sortClause(columns, i, false))
            return true;
    return false;
}

QString objectViewSql(const QString& clause) {
    if (clause.isEmpty())
        return QString::fromLatin1(SqlTexts::ObjectView);
    return QString::fromLatin1(SqlTexts::ObjectViewSortedHead) + clause +
           QString::fromLatin1(SqlTexts::ObjectViewSortedTail);
}

QString resultViewSql(const QString& clause) {
    if (clause.isEmpty())
        return QString::fromLatin1(SqlTexts::ResultView);
    return QString::fromLatin1(SqlTexts::ResultViewSortedHead) + clause;
}
