#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The date arithmetic and row-limiting forms that differ between engines. Everything else the
// program writes is plain SQL; a second engine adds its own version of these few functions.
namespace SqlDialect {

// Storage forms of dates: "yyyy-MM-dd" and, for the return time, "yyyy-MM-dd HH:mm:ss".
QString dateText(const QDate &d);
QString dateTimeText(const QDateTime &dt);
QDate parseDate(const QString &stored);
QDateTime parseDateTime(const QString &stored);

// Calendar days from the date part of one expression to the date part of another: the
// number of midnights crossed, so a disc taken and returned the same day gives 0.
QString daysBetween(const QString &fromExpr, const QString &toExpr);
// The same count in C++, for values already read.
qint64 daysBetween(const QDate &from, const QDate &to);

// "yyyy-MM" of a stored date, the key of a month.
QString monthKey(const QString &dateExpr);

// Wraps a query so that it returns its first n rows by orderExpr (descending) together with
// every row that ties with the n-th, as a TOP n does. The inner query must select orderExpr
// under the name given by orderColumn.
QString topNWithTies(const QString &innerSql, const QString &orderColumn, int n);

} // namespace SqlDialect
