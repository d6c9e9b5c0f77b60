#pragma once

#include "ChartData.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// The rental analysis over a long period (years of lines): rather than having the database
// sort millions of lines by copy, the lines are read once in the order they are stored and
// summed per copy, then per title or category, in memory. Only for SQLite connections, which
// it reads through the engine's own interface; nothing for another engine.
namespace LeaseScan {

// Whether from..to spans enough of the lines' dates that reading every line beats finding
// the period's lines through the date index.
bool worthScanning(const QDate &from, const QDate &to, const QSqlDatabase &db);

// Discs rented out per title (byTitle) or per category between from and to (inclusive),
// empty names under unnamed; nothing when the connection is not SQLite. Throws Db::DbError.
std::optional<QHash<QString, qint64>> sums(const QDate &from, const QDate &to, bool byTitle,
                                           const QString &unnamed, const QSqlDatabase &db);

} // namespace LeaseScan
