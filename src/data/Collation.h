#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class QSqlDatabase;

// The order in which names are listed for a reader of Chinese: Chinese characters by their
// pinyin, digits by value, letters without regard to case; texts the order takes as equal
// ("a" and "A") by their character codes, so that only equal texts compare equal. The same
// order serves the grids, the drop-down lists and the SQL that orders reports
// ("ORDER BY Name COLLATE PINYIN").
namespace Collation {

// The collation's name in SQL.
inline const QString Name = QStringLiteral("PINYIN");

// Negative, zero or positive as a sorts before, with or after b.
int compare(QStringView a, QStringView b);
inline bool lessThan(QStringView a, QStringView b)
{
    return compare(a, b) < 0;
}

// A key whose bytes, compared as unsigned bytes (a key that is the start of another comes
// first), give the order of compare(), ties included. Long lists make one key per distinct
// text and sort the keys: far faster than running the collation for every comparison.
QByteArray sortKey(QStringView text);
int compareKeys(const QByteArray &a, const QByteArray &b);

// Registers the collation with an open SQLite connection; each connection keeps the keys of
// the texts it has compared. False when the connection is not SQLite or the engine refused it.
bool registerWith(const QSqlDatabase &db);

} // namespace Collation
