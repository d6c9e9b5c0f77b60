#pragma once

#include "TitleRecord.h"

#include "data/Completed.h"

#include <QList>
#include <QString>

#include <optional>

class AccountContext;
class QSqlDatabase;

// What the stock windows change in TBName, and the lists they read. Every function works on
// the connection (or the account) it is given and throws Db::DbError when the database refuses; a
// multi-statement change runs in one transaction and leaves nothing behind when it fails.
namespace StockStore {

// The stock list: one line per copy in stock (Quality below 3) with its supplier's name.
// A copy whose supplier no longer exists is listed with an empty supplier.
QString stockListSql();

// Changes whenever anything was written to the account since the last call gave it: by this
// program's connection or, committed, by another one. Lets a list skip a needless re-read.
QString changeStamp(const QSqlDatabase &db);

// Writes the pending rows of the title entry window, all or none. Quality is left to its
// column default, so every new copy is in stock. Returns the new IDs in the rows' order.
QList<qint64> writeTitles(const AccountContext &account, const QList<TitleRecord> &rows);

// Marks a copy as deleted from stock. Its rental lines stay as they are. A copy that has left
// the stock meanwhile (sold, deleted, written off) is not touched: refused (NotInStock).
Db::Completed<Db::Nothing> deleteFromStock(const AccountContext &account, qint64 titleId);

// Writes a lost copy off and removes its open rental lines, in one transaction. Sale lines are
// never removed: they are the record of money taken. Refused as deleteFromStock.
Db::Completed<Db::Nothing> writeOff(const AccountContext &account, qint64 titleId);

std::optional<TitleRecord> loadTitle(const QSqlDatabase &db, qint64 titleId);

// Rewrites one copy row as the edit window saves it (Bu written as 0, Quality untouched).
// False when no row has that ID.
bool updateTitle(const AccountContext &account, qint64 titleId, const TitleRecord &title);

// The rows offered by the entry and edit windows' drop-down lists, in ID order.
struct LookupItem
{
    qint64 id = 0;
    QString text;
};
QList<LookupItem> languages(const QSqlDatabase &db);
QList<LookupItem> categories(const QSqlDatabase &db);
QList<LookupItem> versions(const QSqlDatabase &db);
QList<LookupItem> suppliers(const QSqlDatabase &db);

} // namespace StockStore
