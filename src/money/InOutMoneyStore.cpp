#include "InOutMoneyStore.h"

#include "audit/AuditLog.h"
#include "cashup/Till.h"

#include "data/AccountContext.h"
#include "data/Collation.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "settings/TypeStore.h"

#include <QCoreApplication>

#include <algorithm>

namespace InOutMoney {
namespace {

const QString kTable = QStringLiteral("TBInOutMoney");
const QString kFid = QStringLiteral("FID");

Money storedAmount(const QSqlDatabase &db, qint64 fid)
{
    return Money::fromCents(
        Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {fid}, db)
            .toLongLong());
}

// Reads ID and a name column into choices, ordered by name as a Chinese reader expects
// (pinyin), ties by ID so the order is stable from one opening to the next.
QList<Choice> choices(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
                      const char *idColumn, const char *textColumn)
{
    QList<Choice> list;
    QSqlQuery q = Db::exec(sql, params, db);
    while (q.next())
        list.append({Db::integer(q, idColumn), Db::text(q, textColumn)});
    std::stable_sort(list.begin(), list.end(), [](const Choice &a, const Choice &b) {
        return Collation::lessThan(a.text, b.text);
    });
    return list;
}

// The type a record stored under fid is booked under, with its Flag; throws when the
// record is gone. A type that no longer exists reads as Flag 0.
void checkChangeable(const QSqlDatabase &db, qint64 fid)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT a.CateID, b.Flag FROM TBInOutMoney AS a "
                                          "LEFT JOIN TBKindValue AS b ON b.ID = a.CateID "
                                          "WHERE a.FID = ?"),
                           {fid}, db);
    if (!q.next())
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "该收支记录已不存在！"));
    if (isLockedType(Db::integer(q, "CateID"), int(Db::integer(q, "Flag"))))
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "系统内置类型的收支记录不能修改或删除！"));
}

// Only user types may be chosen for a record.
void checkUserType(const QSqlDatabase &db, qint64 typeId)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Flag FROM TBKindValue "
                                          "WHERE ID = ? AND CateID = ?"),
                           {typeId, Schema::OptionTypeRow}, db);
    if (!q.next())
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "所选的收支类型已不存在！"));
    if (isLockedType(typeId, int(Db::integer(q, "Flag"))))
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "系统内置的收支类型不能用于手工记帐！"));
}

QVariantList values(const Record &r)
{
    return {
        SqlDialect::dateText(r.date), r.typeId, r.amount.cents(), r.clientId, r.staffId, r.memo};
}

} // namespace

QList<Choice> userTypes(const QSqlDatabase &db)
{
    QList<Choice> list = choices(db,
                                 QStringLiteral("SELECT ID, CateValue, Flag FROM TBKindValue "
                                                "WHERE CateID = ? AND Flag = 0"),
                                 {Schema::OptionTypeRow}, "ID", "CateValue");
    // A built-in row stored with Flag 0 by an older program is still never offered.
    list.removeIf([](const Choice &c) { return isLockedType(c.id, 0); });
    return list;
}

QList<Choice> allTypes(const QSqlDatabase &db)
{
    return choices(db, QStringLiteral("SELECT ID, CateValue FROM TBKindValue WHERE CateID = ?"),
                   {Schema::OptionTypeRow}, "ID", "CateValue");
}

QList<Choice> members(const QSqlDatabase &db)
{
    return choices(db, QStringLiteral("SELECT ID, Name FROM TBAssociator"), {}, "ID", "Name");
}

QList<Choice> staff(const QSqlDatabase &db, qint64 keep)
{
    return choices(db,
                   QStringLiteral("SELECT ID, Name FROM TBPersons "
                                  "WHERE PerFlag IS NULL OR PerFlag <> ? OR ID = ?"),
                   {Schema::StaffDeleted, keep}, "ID", "Name");
}

bool isLockedType(qint64 typeId, int flag)
{
    return Settings::isBuiltInType(typeId, flag);
}

namespace {

// The condition of a filter after "FROM TBInOutMoney AS a JOIN TBKindValue AS b".
QString filterCondition(const ListFilter &filter, QVariantList *params)
{
    params->append(Schema::OptionTypeRow);
    QString where = QStringLiteral(" WHERE b.CateID = ?");
    if (filter.typeId != 0) {
        where += QStringLiteral(" AND a.CateID = ?");
        params->append(filter.typeId);
    }
    if (filter.from.isValid()) {
        where += QStringLiteral(" AND a.FeeDate >= ?");
        params->append(SqlDialect::dateText(filter.from));
    }
    if (filter.to.isValid()) {
        where += QStringLiteral(" AND a.FeeDate < ?");
        params->append(SqlDialect::dateText(filter.to.addDays(1)));
    }
    if (filter.direction == ListFilter::Direction::Income)
        where += QStringLiteral(" AND a.Moneys > 0");
    else if (filter.direction == ListFilter::Direction::Expense)
        where += QStringLiteral(" AND a.Moneys < 0");
    return where;
}

} // namespace

QString listSql(const ListFilter &filter, QVariantList *params)
{
    params->clear();
    // A member or staff row deleted since shows its number, as the record stores it.
    const QString head = QStringLiteral(
        "SELECT a.FID, a.FeeDate, a.CateID, a.Moneys, a.ClientID, a.Per, a.Memo, "
        "b.CateValue, b.Flag, "
        "COALESCE(NULLIF(c.Name, ''), CAST(a.ClientID AS TEXT)) AS ClientName, "
        "COALESCE(NULLIF(p.Name, ''), CAST(a.Per AS TEXT)) AS PerName "
        "FROM TBInOutMoney AS a JOIN TBKindValue AS b ON a.CateID = b.ID "
        "LEFT JOIN TBAssociator AS c ON c.ID = a.ClientID "
        "LEFT JOIN TBPersons AS p ON p.ID = a.Per");
    return head + filterCondition(filter, params) + QStringLiteral(" ORDER BY a.FeeDate, a.FID");
}

QString listSql(qint64 typeId, QVariantList *params)
{
    ListFilter filter;
    filter.typeId = typeId;
    return listSql(filter, params);
}

Totals totals(const QSqlDatabase &db, const ListFilter &filter)
{
    QVariantList params;
    const QString sql =
        QStringLiteral("SELECT COALESCE(SUM(CASE WHEN a.Moneys > 0 THEN a.Moneys END), 0) AS I, "
                       "COALESCE(-SUM(CASE WHEN a.Moneys < 0 THEN a.Moneys END), 0) AS E "
                       "FROM TBInOutMoney AS a JOIN TBKindValue AS b ON a.CateID = b.ID") +
        filterCondition(filter, &params);
    QSqlQuery q = Db::exec(sql, params, db);
    Totals t;
    if (q.next()) {
        t.income = Money::fromCents(Db::integer(q, "I"));
        t.expense = Money::fromCents(Db::integer(q, "E"));
    }
    return t;
}

std::optional<bool> usuallyExpense(const QSqlDatabase &db, qint64 typeId)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE CateID = ? "
                                          "AND Moneys <> 0 ORDER BY FeeDate DESC, FID DESC "
                                          "LIMIT 1"),
                           {typeId}, db);
    if (!q.next())
        return std::nullopt;
    return Db::integer(q, "Moneys") < 0;
}

std::optional<Record> load(const QSqlDatabase &db, qint64 fid)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT FID, FeeDate, CateID, Moneys, ClientID, Per, "
                                          "Memo FROM TBInOutMoney WHERE FID = ?"),
                           {fid}, db);
    if (!q.next())
        return std::nullopt;
    Record r;
    r.fid = Db::integer(q, "FID");
    r.date = SqlDialect::parseDate(Db::text(q, "FeeDate"));
    r.typeId = Db::integer(q, "CateID");
    r.amount = Money::fromCents(Db::integer(q, "Moneys"));
    r.clientId = Db::integer(q, "ClientID");
    r.staffId = Db::integer(q, "Per");
    r.memo = Db::text(q, "Memo");
    return r;
}

qint64 add(const AccountContext &account, const Record &record)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    checkUserType(db, record.typeId);
    const qint64 fid =
        Db::insert(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                                  "Per, Memo) VALUES (?, ?, ?, ?, ?, ?)"),
                   values(record), db, QStringLiteral("FID"));
    Till::bookRecordChange(account, Money(), record.amount);
    Audit::RowChange(account, Audit::Kind::InOutRecord, kTable, kFid, 0).record(fid);
    tx.commit();
    return fid;
}

void update(const AccountContext &account, const Record &record)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    checkChangeable(db, record.fid);
    checkUserType(db, record.typeId);
    const Audit::RowChange change(account, Audit::Kind::InOutRecord, kTable, kFid, record.fid);
    const Money before = storedAmount(db, record.fid);
    QVariantList params = values(record);
    params.append(record.fid);
    QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBInOutMoney SET FeeDate = ?, CateID = ?, "
                                          "Moneys = ?, ClientID = ?, Per = ?, Memo = ? "
                                          "WHERE FID = ?"),
                           params, db);
    if (q.numRowsAffected() != 1)
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "该收支记录已不存在！"));
    Till::bookRecordChange(account, before, record.amount);
    change.record();
    tx.commit();
}

void remove(const AccountContext &account, qint64 fid)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    checkChangeable(db, fid);
    const Audit::RowChange change(account, Audit::Kind::InOutRecord, kTable, kFid, fid);
    const Money before = storedAmount(db, fid);
    QSqlQuery q = Db::exec(QStringLiteral("DELETE FROM TBInOutMoney WHERE FID = ?"), {fid}, db);
    if (q.numRowsAffected() != 1)
        throw Db::DbError(QCoreApplication::translate("InOutMoney", "该收支记录已不存在！"));
    Till::bookRecordChange(account, before, Money());
    change.record();
    tx.commit();
}

} // namespace InOutMoney
