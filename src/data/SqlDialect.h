#pragma once

#include "Db.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The forms that differ between the two engines an account can live on (an SQLite file or a
// PostgreSQL database): date arithmetic, row limiting, key columns, the engine's catalogue.
// Everything else the program writes is plain SQL that both engines read alike. The engine is
// the connection's: each function takes the connection (by default the program's one).
namespace SqlDialect {

enum class Engine {
    Sqlite,   // an account file (driver QSQLITE)
    Postgres, // an account on a PostgreSQL server (driver QPSQL)
};

// The engine db runs on, by its driver.
Engine engineOf(const QSqlDatabase &db);

// Storage forms of dates: "yyyy-MM-dd" and, for the return time, "yyyy-MM-dd HH:mm:ss".
// Both engines store them as text, so they compare and sort alike.
QString dateText(const QDate &d);
QString dateTimeText(const QDateTime &dt);
QDate parseDate(const QString &stored);
QDateTime parseDateTime(const QString &stored);

// Calendar days from the date part of one expression to the date part of another: the
// number of midnights crossed, so a disc taken and returned the same day gives 0.
QString daysBetween(const QString &fromExpr, const QString &toExpr, const QSqlDatabase &db);
// The same count in C++, for values already read.
qint64 daysBetween(const QDate &from, const QDate &to);

// "yyyy-MM" of a stored date, the key of a month.
QString monthKey(const QString &dateExpr);

// Wraps a query so that it returns its first n rows by orderExpr (descending) together with
// every row that ties with the n-th, as a TOP n does. The inner query must select orderExpr
// under the name given by orderColumn.
QString topNWithTies(const QString &innerSql, const QString &orderColumn, int n);

// The column that orders a table's rows as they were inserted, for the tables without a key
// (TBSetup, TBPowerStand): SQLite's rowid; on PostgreSQL the row's place in the table, which
// keeps that order while rows are only added.
QString insertionOrder(const QSqlDatabase &db);

// The definition of a table's key column, filled by the engine and never reused.
QString keyColumn(const QString &name, const QSqlDatabase &db);

// After rows were written with their keys given (the required rows, a move between engines),
// the engine's next key of table.keyColumn follows the largest one. Nothing to do on SQLite,
// whose AUTOINCREMENT follows the keys written.
void followKeys(const QString &table, const QString &keyColumn, const QSqlDatabase &db);

// A text that changes whenever anything was written to the account, by this connection or
// another, and stays the same otherwise, as far as the engine can tell cheaply: SQLite's count
// of this connection's changes and the file's data version; on a server the position in its
// write-ahead log (which other databases of the server move too: a list read again for
// nothing, never a change missed).
QString changeStamp(const QSqlDatabase &db);

// The columns of table, lower case; empty when there is no such table.
QStringList columnsOf(const QString &table, const QSqlDatabase &db);

} // namespace SqlDialect
