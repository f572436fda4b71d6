#pragma once
// ORDER BY clauses of the two views and the SQL texts built with them.
//
// A clause is a grid field name followed by " asc " or " desc ", for example
// "DANE1 asc ". It is only ever made from the grids' own column list (the
// tick column excluded), never from text a user or a file supplies, and a
// text that is not such a clause is never put into SQL.
#include "GridColumns.h"

#include <QList>
#include <QString>

// The clause for sorting `columns` by column `column`; empty when the column
// does not exist or is the tick column (which never sorts).
QString sortClause(const QList<GridColumn>& columns, int column, bool ascending);

// True for the empty clause and for any clause sortClause can make for `columns`.
bool isGridClause(const QList<GridColumn>& columns, const QString& clause);

// The object view's SQL: unsorted without a clause, else sorted by the
// clause with IDOB as the tie-break. Parameter :IDdev.
QString objectViewSql(const QString& clause);
// The result view's SQL: unsorted without a clause, else sorted by it
// (no tie-break). Parameter :IDobj.
QString resultViewSql(const QString& clause);
