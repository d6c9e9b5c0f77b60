#pragma once

#include "data/Db.h"
#include "support/WindowKeys.h"

// Fixtures shared by the stock and sales window tests, with the shared key helpers.
namespace StockFixtures {

inline qint64 addSupplier(const QSqlDatabase &db, const QString &company)
{
    return Db::insert(QStringLiteral("INSERT INTO TbProvide (Company) VALUES (?)"), {company}, db);
}

inline void addCategory(const QSqlDatabase &db, const QString &name)
{
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"), {name}, db);
}

// The key helpers of every window test.
using namespace WindowKeys;

} // namespace StockFixtures
