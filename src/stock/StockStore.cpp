#include "StockStore.h"

#include "audit/AuditLog.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

namespace StockStore {
namespace {

const QString kTable = QStringLiteral("TBName");
const QString kKey = QStringLiteral("ID");

QList<LookupItem> readLookup(const QString &sql)
{
    QList<LookupItem> items;
    QSqlQuery q = Db::exec(sql);
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

QString changeStamp()
{
    return SqlDialect::changeStamp();
}

QList<qint64> writeTitles(const QList<TitleRecord> &rows)
{
    QList<qint64> ids;
    if (rows.isEmpty())
        return ids;
    const QString insert = QStringLiteral(
        "INSERT INTO TBName (CustomNum, Name, Nlang, Ver, Categray, Amount, Copy, DatTime, "
        "Provide, Mone, Address1, Direct, ActRole) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Db::Transaction tx;
    for (const TitleRecord &r : rows) {
        ids << Db::insert(insert, {r.customNum, r.name, r.nlang, r.ver, r.categray, r.amount, r.copy,
                              SqlDialect::dateText(r.datTime), r.provide, r.mone.cents(),
                              r.address1, r.direct, r.actRole});
        Audit::RowChange(Audit::Kind::StockAdd, kTable, kKey, 0).record(ids.last());
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
void takeOutOfStock(qint64 titleId, int quality)
{
    QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ? AND Quality < ?"),
                           {quality, titleId, Schema::QualityDeleted});
    if (q.numRowsAffected() <= 0)
        refuseNotInStock();
}

} // namespace

Db::Completed<Db::Nothing> deleteFromStock(qint64 titleId)
{
    return Db::complete([titleId] {
        Db::Transaction tx;
        const Audit::RowChange change(Audit::Kind::StockDelete, kTable, kKey, titleId);
        takeOutOfStock(titleId, Schema::QualityDeleted);
        change.record();
        tx.commit();
        return Db::Nothing();
    });
}

Db::Completed<Db::Nothing> writeOff(qint64 titleId)
{
    return Db::complete([titleId] {
        Db::Transaction tx;
        const Audit::RowChange change(Audit::Kind::WriteOff, kTable, kKey, titleId);
        takeOutOfStock(titleId, Schema::QualityWrittenOff); // refused: rolled back
        // Open lines are the open rentals and the sale lines; only the rentals go.
        Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL "
                                "AND (Ass_Number IS NULL OR Ass_Number <> ?)"),
                 {titleId, Schema::SaleCustomer});
        change.record();
        tx.commit();
        return Db::Nothing();
    });
}

std::optional<TitleRecord> loadTitle(qint64 titleId)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT * FROM TBName WHERE ID = ?"), {titleId});
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

bool updateTitle(qint64 titleId, const TitleRecord &t)
{
    Db::Transaction tx;
    const Audit::RowChange change(Audit::Kind::StockEdit, kTable, kKey, titleId);
    QSqlQuery q = Db::exec(
        QStringLiteral("UPDATE TBName SET CustomNum = ?, Name = ?, Nlang = ?, Ver = ?, "
                       "Categray = ?, Amount = ?, Copy = ?, Bu = 0, DatTime = ?, Provide = ?, "
                       "Mone = ?, Address1 = ?, Direct = ?, ActRole = ? WHERE ID = ?"),
        {t.customNum, t.name, t.nlang, t.ver, t.categray, t.amount, t.copy,
         SqlDialect::dateText(t.datTime), t.provide, t.mone.cents(), t.address1, t.direct,
         t.actRole, titleId});
    if (q.numRowsAffected() <= 0)
        return false;
    change.record();
    tx.commit();
    return true;
}

QList<LookupItem> languages()
{
    return readLookup(QStringLiteral("SELECT ID, NLang FROM TBLanguage ORDER BY ID"));
}

QList<LookupItem> categories()
{
    return readLookup(QStringLiteral("SELECT ID, Categray FROM TBCategray ORDER BY ID"));
}

QList<LookupItem> versions()
{
    return readLookup(QStringLiteral("SELECT ID, Name FROM TBVer ORDER BY ID"));
}

QList<LookupItem> suppliers()
{
    return readLookup(QStringLiteral("SELECT ID, Company FROM TbProvide ORDER BY ID"));
}

} // namespace StockStore
