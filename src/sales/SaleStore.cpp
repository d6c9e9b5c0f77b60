#include "SaleStore.h"

#include "audit/AuditLog.h"
#include "cashup/Till.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "rental/CodeMatch.h"

#include <QCoreApplication>
#include <QSet>

namespace SaleStore {
namespace {

// Any line without a return date for this copy: an open rental or a sale line.
bool hasOtherOpenLine(const QSqlDatabase &db, qint64 copyId)
{
    return Db::scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM TBBusinessDetail "
                                     "WHERE CDNum = ? AND ReDate IS NULL)"),
                      {copyId}, db)
        .toBool();
}

bool hasSaleLine(const QSqlDatabase &db, qint64 copyId)
{
    return Db::scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM TBBusinessDetail "
                                     "WHERE CDNum = ? AND ReDate IS NULL AND Ass_Number = ?)"),
                      {copyId, Schema::SaleCustomer}, db)
        .toBool();
}

void backToStockUnlessSold(const QSqlDatabase &db, qint64 copyId)
{
    if (!hasSaleLine(db, copyId)) {
        Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"),
                 {Schema::QualityInStock, copyId}, db);
    }
}

// The copy of a sale line, or nothing when lineId is not a sale line.
// What a sale line came to: unit price times quantity.
Money lineValue(const QSqlDatabase &db, qint64 lineId)
{
    return Money::fromCents(
        Db::scalar(QStringLiteral("SELECT RMoney * Amount FROM TBBusinessDetail WHERE ID = ?"),
                   {lineId}, db)
            .toLongLong());
}

std::optional<qint64> saleLineCopy(const QSqlDatabase &db, qint64 lineId)
{
    const QVariant v = Db::scalar(QStringLiteral("SELECT CDNum FROM TBBusinessDetail "
                                                 "WHERE ID = ? AND Ass_Number = ?"),
                                  {lineId, Schema::SaleCustomer}, db);
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong();
}

} // namespace

std::optional<SaleCopy> findSaleableCopy(const QSqlDatabase &db, const QString &code)
{
    if (code.isEmpty())
        return std::nullopt;
    QSqlQuery q = CodeMatch::first(
        db,
        QStringLiteral("SELECT %1 FROM TBName AS b "
                       "WHERE b.CustomNum = ?%2 "
                       "AND EXISTS (SELECT 1 FROM TBVer AS a WHERE a.Name = b.Ver) "
                       "AND NOT EXISTS (SELECT 1 FROM TBBusinessDetail AS d "
                       "WHERE d.CDNum = b.ID AND d.ReDate IS NULL) "
                       "ORDER BY b.ID LIMIT 1")
            .arg(CopyRow::columns(QStringLiteral("b")), QStringLiteral("%1")),
        {code});
    if (!q.isValid())
        return std::nullopt;
    return CopyRow::read(q);
}

QList<SaleRow> loadSaleLine(const QSqlDatabase &db, qint64 lineId)
{
    QList<SaleRow> rows;
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT %1, a.Amount AS Amount, a.RMoney AS RMoney "
                                "FROM TBBusinessDetail AS a JOIN TBName AS b ON a.CDNum = b.ID "
                                "WHERE a.ID = ? AND a.Ass_Number = ?")
                     .arg(CopyRow::columns(QStringLiteral("b"))),
                 {lineId, Schema::SaleCustomer}, db);
    while (q.next()) {
        SaleRow r;
        r.copy = CopyRow::read(q);
        r.amount = int(Db::integer(q, "Amount"));
        r.rmoney = Money::fromCents(Db::integer(q, "RMoney"));
        rows << r;
    }
    return rows;
}

Money total(const QList<SaleRow> &rows)
{
    Money sum;
    for (const SaleRow &r : rows)
        sum += r.sum();
    return sum;
}

std::optional<Money> checkedTotal(const QList<SaleRow> &rows)
{
    // Each row is at most Money's range times a 32-bit quantity, so the wide sum cannot
    // overflow itself.
    const __int128 limit = __int128(Money::MaxTypedCents) * Money::UnitsPerCent;
    __int128 sum = 0;
    for (const SaleRow &r : rows) {
        sum += __int128(r.rmoney.roundedToCents().units()) * r.amount;
        if (sum > limit || sum < -limit)
            return std::nullopt;
    }
    return Money::fromUnits(qint64(sum));
}

namespace {

// The writing part of completeSale, in one transaction; a copy no longer free refuses it.
QList<qint64> writeSale(const QSqlDatabase &db, const QList<SaleRow> &rows, qint64 editedLineId,
                        int operatorId, const QDate &today)
{
    QList<qint64> lineIds;
    Db::Transaction tx(db);

    std::optional<qint64> editedCopy;
    QString before;
    Money replaced;
    if (editedLineId > 0) {
        editedCopy = saleLineCopy(db, editedLineId);
        if (editedCopy) {
            before = Audit::snapshot(db, QStringLiteral("TBBusinessDetail"), QStringLiteral("ID"),
                                     editedLineId);
            replaced = lineValue(db, editedLineId);
            Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE ID = ?"), {editedLineId},
                     db);
        }
    }

    // Each copy once: a copy listed twice is one physical set the operator sells twice.
    QSet<qint64> checked;
    for (const SaleRow &r : rows) {
        if (checked.contains(r.copy.id))
            continue;
        checked.insert(r.copy.id);
        if (hasOtherOpenLine(db, r.copy.id))
            Db::refuse({Db::Refusal::Reason::NotAvailable, r.copy.customNum, r.copy.name});
    }

    const QString insert = QStringLiteral(
        "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, Persons) "
        "VALUES (?, ?, ?, ?, ?, ?)");
    const QString sold = QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?");
    for (const SaleRow &r : rows) {
        lineIds << Db::insert(insert,
                              {r.copy.id, r.rmoney.cents(), r.amount, Schema::SaleCustomer,
                               SqlDialect::dateText(today), operatorId},
                              db);
        Db::exec(sold, {Schema::QualitySold, r.copy.id}, db);
    }

    if (editedCopy && !checked.contains(*editedCopy))
        backToStockUnlessSold(db, *editedCopy);
    Till::bookAs(db, operatorId, Till::Line::Sales, total(rows) - replaced);
    QStringList codes;
    for (const SaleRow &r : rows)
        codes << QStringLiteral("%1×%2").arg(r.copy.customNum).arg(r.amount);
    Audit::recordAs(db, operatorId, editedCopy ? Audit::Kind::SaleEdit : Audit::Kind::Sale,
                    codes.join(u", "), before,
                    QStringLiteral("金额=%1").arg(total(rows).toString()));
    tx.commit();
    return lineIds;
}

} // namespace

Db::Completed<QList<qint64>> completeSale(const QSqlDatabase &db, const QList<SaleRow> &rows,
                                          qint64 editedLineId, int operatorId, const QDate &today)
{
    if (rows.isEmpty())
        return QList<qint64>();
    // The sale's total must be an amount an operator could have typed: a quantity times a
    // price beyond it is refused (MoneyRangeError) before anything is written.
    if (!checkedTotal(rows))
        throw MoneyRangeError();
    return Db::complete([&] { return writeSale(db, rows, editedLineId, operatorId, today); });
}

bool undoSale(const AccountContext &account, qint64 lineId)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const std::optional<qint64> copy = saleLineCopy(db, lineId);
    if (!copy)
        return false;
    const QString before =
        Audit::snapshot(db, QStringLiteral("TBBusinessDetail"), QStringLiteral("ID"), lineId);
    Till::book(account, Till::Line::Sales, -lineValue(db, lineId));
    Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE ID = ?"), {lineId}, db);
    backToStockUnlessSold(db, *copy);
    Audit::record(account, Audit::Kind::SaleUndo, QStringLiteral("ID=%1").arg(lineId), before);
    tx.commit();
    return true;
}

QString saleSummary(int rowCount, Money total)
{
    return QCoreApplication::translate("SaleStore", "共销售影片：%1部").arg(rowCount) + QChar(13) +
           QCoreApplication::translate("SaleStore", "总  金  额：%1元").arg(total.toString());
}

QString salesListSql()
{
    return QStringLiteral(
        "SELECT b.ID AS ID, b.CDNum AS CDnum, b.DatTime AS DatTime, c.Name AS Name, "
        "c.Nlang AS Nlang, c.Ver AS Ver, c.Categray AS Categray, b.Amount AS Amount, "
        "b.RMoney AS Rmoney, (b.Amount * b.RMoney) AS Summoney "
        "FROM TBBusinessDetail AS b JOIN TBName AS c ON b.CDNum = c.ID "
        "WHERE b.Ass_Number = -1 ORDER BY b.DatTime DESC, b.ID DESC");
}

} // namespace SaleStore
