#include "StockStore.h"

#include "audit/AuditLog.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

namespace StockStore {
namespace {

const QString kTable = QStringLiteral("TBName");
const QString kKey = QStringLiteral("ID");

QList<LookupItem> readLookup(const QSqlDatabase &db, const QString &sql)
{
    QList<LookupItem> items;
    QSqlQuery q = Db::exec(sql, {}, db);
    while (q.next())
        items.append({q.value(0).toLongLong(), q.value(1).toString()});
    return items;
}

} // namespace

QString stockListSql()
{
    return QStringLiteral(
        "SELECT a.ID AS ID, a.CustomNum AS CustomNum, a.Name AS Name, a.Ver AS Ver, "
        "a.Direct AS Direct, a.ActRole AS ActRole, a.Amount AS Amount, a.Mone AS Mone, "
        "a.Copy AS Copy, a.DatTime AS DatTime, b.Company AS Company, a.Address1 AS Address1 "
        "FROM TBName AS a LEFT JOIN TbProvide AS b ON a.Provide = b.ID "
        "WHERE a.Quality < 3");
}

QString changeStamp(const QSqlDatabase &db)
{
    return SqlDialect::changeStamp(db);
}

QList<qint64> writeTitles(const AccountContext &account, const QList<TitleRecord> &rows)
{
    const QSqlDatabase db = account.db();
    QList<qint64> ids;
    if (rows.isEmpty())
        return ids;
    const QString insert = QStringLiteral(
        "INSERT INTO TBName (CustomNum, Name, Nlang, Ver, Categray, Amount, Copy, DatTime, "
        "Provide, Mone, Address1, Direct, ActRole) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Db::Transaction tx(db);
    for (const TitleRecord &r : rows) {
        ids << Db::insert(insert,
                          {r.customNum, r.name, r.nlang, r.ver, r.categray, r.amount, r.copy,
                           SqlDialect::dateText(r.datTime), r.provide, r.mone.cents(), r.address1,
                           r.direct, r.actRole},
                          db);
        Audit::RowChange(account, Audit::Kind::StockAdd, kTable, kKey, 0).record(ids.last());
    }
    tx.commit();
    return ids;
}

namespace {

[[noreturn]] void refuseNotInStock()
{
    Db::Refusal gone;
    gone.reason = Db::Refusal::Reason::NotInStock;
    Db::refuse(gone);
}

// Gives a copy still in stock the quality that takes it out (deleted or written off); a copy
// already out is refused, which rolls the caller's transaction back.
void takeOutOfStock(const QSqlDatabase &db, qint64 titleId, int quality)
{
    QSqlQuery q =
        Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ? AND Quality < ?"),
                 {quality, titleId, Schema::QualityDeleted}, db);
    if (q.numRowsAffected() <= 0)
        refuseNotInStock();
}

} // namespace

Db::Completed<Db::Nothing> deleteFromStock(const AccountContext &account, qint64 titleId)
{
    const QSqlDatabase db = account.db();
    return Db::complete([&account, &db, titleId] {
        Db::Transaction tx(db);
        const Audit::RowChange change(account, Audit::Kind::StockDelete, kTable, kKey, titleId);
        takeOutOfStock(db, titleId, Schema::QualityDeleted);
        change.record();
        tx.commit();
        return Db::Nothing();
    });
}

Db::Completed<Db::Nothing> writeOff(const AccountContext &account, qint64 titleId)
{
    const QSqlDatabase db = account.db();
    return Db::complete([&account, &db, titleId] {
        Db::Transaction tx(db);
        const Audit::RowChange change(account, Audit::Kind::WriteOff, kTable, kKey, titleId);
        takeOutOfStock(db, titleId, Schema::QualityWrittenOff); // refused: rolled back
        // Open lines are the open rentals and the sale lines; only the rentals go.
        Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL "
                                "AND (Ass_Number IS NULL OR Ass_Number <> ?)"),
                 {titleId, Schema::SaleCustomer}, db);
        change.record();
        tx.commit();
        return Db::Nothing();
    });
}

std::optional<TitleRecord> loadTitle(const QSqlDatabase &db, qint64 titleId)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT * FROM TBName WHERE ID = ?"), {titleId}, db);
    if (!q.next())
        return std::nullopt;
    TitleRecord t;
    static_cast<CopyRow &>(t) = CopyRow::read(q);
    t.amount = int(Db::integer(q, "Amount"));
    t.copy = int(Db::integer(q, "Copy"));
    t.datTime = SqlDialect::parseDate(Db::text(q, "DatTime"));
    t.provide = Db::integer(q, "Provide");
    t.mone = Money::fromCents(Db::integer(q, "Mone"));
    return t;
}

bool updateTitle(const AccountContext &account, qint64 titleId, const TitleRecord &t)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::StockEdit, kTable, kKey, titleId);
    QSqlQuery q = Db::exec(
        QStringLiteral("UPDATE TBName SET CustomNum = ?, Name = ?, Nlang = ?, Ver = ?, "
                       "Categray = ?, Amount = ?, Copy = ?, Bu = 0, DatTime = ?, Provide = ?, "
                       "Mone = ?, Address1 = ?, Direct = ?, ActRole = ? WHERE ID = ?"),
        {t.customNum, t.name, t.nlang, t.ver, t.categray, t.amount, t.copy,
         SqlDialect::dateText(t.datTime), t.provide, t.mone.cents(), t.address1, t.direct,
         t.actRole, titleId},
        db);
    if (q.numRowsAffected() <= 0)
        return false;
    change.record();
    tx.commit();
    return true;
}

QList<LookupItem> languages(const QSqlDatabase &db)
{
    return readLookup(db, QStringLiteral("SELECT ID, NLang FROM TBLanguage ORDER BY ID"));
}

QList<LookupItem> categories(const QSqlDatabase &db)
{
    return readLookup(db, QStringLiteral("SELECT ID, Categray FROM TBCategray ORDER BY ID"));
}

QList<LookupItem> versions(const QSqlDatabase &db)
{
    return readLookup(db, QStringLiteral("SELECT ID, Name FROM TBVer ORDER BY ID"));
}

QList<LookupItem> suppliers(const QSqlDatabase &db)
{
    return readLookup(db, QStringLiteral("SELECT ID, Company FROM TbProvide ORDER BY ID"));
}

} // namespace StockStore
