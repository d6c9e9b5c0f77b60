#pragma once

#include <QCollatorSortKey>
#include <QString>

class QSqlDatabase;

// The order in which names are listed for a reader of Chinese: Chinese characters by their
// pinyin, digits by value, letters without regard to case. The same order serves the grids,
// the drop-down lists and the SQL that orders reports ("ORDER BY Name COLLATE PINYIN").
namespace Collation {

// The collation's name in SQL.
inline const QString Name = QStringLiteral("PINYIN");

// Negative, zero or positive as a sorts before, with or after b.
int compare(const QString &a, const QString &b);
inline bool lessThan(const QString &a, const QString &b)
{
    return compare(a, b) < 0;
}

// A key that compares as compare() does up to ties (long lists: one key per distinct text
// is far faster than comparing with the collation each time). Ties are left to the caller.
QCollatorSortKey sortKey(const QString &text);

// Registers the collation with an open SQLite connection. False when the connection is not
// SQLite or the engine refused it.
bool registerWith(const QSqlDatabase &db);

} // namespace Collation
