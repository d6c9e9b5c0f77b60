#include "LeaseCompletion.h"

#include "audit/AuditLog.h"
#include "cashup/Till.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace Lease {
namespace {

// Refuses a list that is empty or names a copy twice (a second row would rent one physical
// disc twice).
void checkList(const QList<Item> &items)
{
    if (items.isEmpty()) {
        Db::Refusal empty;
        empty.reason = Db::Refusal::Reason::EmptyList;
        Db::refuse(empty);
    }
    QSet<qint64> seen;
    for (const Item &i : items) {
        if (seen.contains(i.copy.id))
            Db::refuse({Db::Refusal::Reason::DuplicateCopy, i.copy.customNum, i.copy.name});
        seen.insert(i.copy.id);
    }
}

[[noreturn]] void refuseCopy(const CopyInfo &copy)
{
    Db::refuse({Db::Refusal::Reason::NotAvailable, copy.customNum, copy.name});
}

void bookMoney(const QSqlDatabase &db, const QString &day, int type, Money amount, qint64 customer)
{
    Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                            "VALUES (?, ?, ?, 0, ?)"),
             {day, type, amount.cents(), customer}, db);
}

// The audit log's subject of a transaction: the customer and the copies' codes.
QString auditSubject(qint64 customer, const QList<Item> &items)
{
    QStringList codes;
    for (const Item &i : items)
        codes << i.copy.customNum;
    return QStringLiteral("客户 %1：%2").arg(customer).arg(codes.join(u", "));
}

QList<Money> addedDeposits(const QList<Item> &items)
{
    QList<Money> w;
    for (const Item &i : items)
        w << i.addedDeposit;
    return w;
}

QList<Money> addedRents(const QList<Item> &items)
{
    QList<Money> w;
    for (const Item &i : items)
        w << i.addedRent;
    return w;
}

} // namespace

QList<Money> splitTotal(Money total, const QList<Money> &weights)
{
    QList<Money> parts;
    if (weights.isEmpty())
        return parts;
    const qint64 cents = total.cents();
    __int128 sum = 0;
    for (Money w : weights)
        sum += w.cents();
    qint64 given = 0;
    for (Money w : weights) {
        const qint64 part =
            sum == 0 ? cents / weights.size() : qint64(__int128(cents) * w.cents() / sum);
        parts << Money::fromCents(part);
        given += part;
    }
    // What the division left over, one cent at a time from the first line on.
    const qint64 step = cents - given >= 0 ? 1 : -1;
    for (qsizetype i = 0; given != cents; i = (i + 1) % parts.size()) {
        parts[i] += Money::fromCents(step);
        given += step;
    }
    return parts;
}

Result completeRental(const QSqlDatabase &db, const Completion &c)
{
    return Db::complete([&c, &db] {
        checkList(c.items);
        const qint64 customer = c.memberId == 0 ? Schema::WalkInCustomerId : c.memberId;
        const qint64 n = c.items.size();
        const QString today = SqlDialect::dateText(c.now.date());
        Done done;
        done.customerId = customer;
        Db::Transaction tx(db);
        if (customer > Schema::WalkInCustomerId) {
            QSqlQuery q = Db::exec(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"),
                                   {customer}, db);
            const qint64 left = q.next() ? Db::integer(q, "Sum") : 0;
            if (left < n) {
                Db::Refusal r;
                r.reason = Db::Refusal::Reason::AllowanceExceeded;
                r.allowanceLeft = left;
                Db::refuse(r);
            }
        }
        // The insert happens only while the copy has no open line, in one statement, so the
        // check and the write cannot be separated by another counter; the database's unique
        // index over open rental lines refuses a second one whatever reaches it.
        const QString insert = QStringLiteral(
            "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, Deposit, "
            "Persons) SELECT CAST(? AS INTEGER), CAST(? AS BIGINT), 1, CAST(? AS INTEGER), "
            "CAST(? AS TEXT), CAST(? AS BIGINT), CAST(? AS INTEGER) WHERE NOT EXISTS "
            "(SELECT 1 FROM TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL) RETURNING ID");
        const QList<Money> deposits = splitTotal(c.depositTotal, addedDeposits(c.items));
        const QList<Money> rates = splitTotal(c.rentTotal, addedRents(c.items));
        for (qsizetype k = 0; k < c.items.size(); ++k) {
            const CopyInfo &copy = c.items.at(k).copy;
            QSqlQuery q;
            try {
                q = Db::exec(insert,
                             {copy.id, rates.at(k).cents(), customer, today, deposits.at(k).cents(),
                              c.operatorId, copy.id},
                             db);
            } catch (const Db::DbError &e) {
                if (e.fault() != Db::Fault::Duplicate)
                    throw;
                refuseCopy(copy);
            }
            if (!q.next())
                refuseCopy(copy);
            LineFigures f;
            f.lineId = Db::integer(q, "ID");
            f.customer = customer;
            f.code = copy.customNum;
            f.name = copy.name;
            f.rentedOn = c.now.date();
            f.rate = rates.at(k);
            f.deposit = deposits.at(k);
            done.lineIds << f.lineId;
            done.lines << f;
        }
        if (customer != Schema::WalkInCustomerId) {
            Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = COALESCE(Sum, 0) - ? "
                                    "WHERE ID = ?"),
                     {n, customer}, db);
        }
        bookMoney(db, today, Schema::TypeDeposit, c.depositTotal, customer);
        Till::bookAs(db, c.operatorId, Till::Line::DepositIn, c.depositTotal);
        Audit::recordAs(db, c.operatorId, Audit::Kind::Rental, auditSubject(customer, c.items),
                        QString(), QStringLiteral("押金=%1").arg(c.depositTotal.toString()));
        tx.commit();
        return done;
    });
}

Result completeReturn(const QSqlDatabase &db, const Completion &c)
{
    return Db::complete([&c, &db] {
        checkList(c.items);
        const QString today = SqlDialect::dateText(c.now.date());
        const QString returnedAt = SqlDialect::dateTimeText(c.now);
        const QList<Money> refunds = splitTotal(c.depositTotal, addedDeposits(c.items));
        const QList<Money> rents = splitTotal(c.rentTotal, addedRents(c.items));
        Done done;
        Db::Transaction tx(db);
        QList<qint64> renters;                       // in the order of their first disc
        QHash<qint64, std::pair<Money, Money>> owed; // renter: rent charged, deposit refunded
        for (qsizetype k = 0; k < c.items.size(); ++k) {
            const Item &i = c.items.at(k);
            // The line the lookup found, or, for an item made without a lookup, the copy's
            // oldest open rental line, as the lookup would find it.
            qint64 line = i.copy.lineId;
            if (line == 0) {
                QSqlQuery q = Db::exec(
                    QStringLiteral("SELECT ID FROM TBBusinessDetail WHERE CDNum = ? "
                                   "AND ReDate IS NULL AND Ass_Number <> ? ORDER BY ID LIMIT 1"),
                    {i.copy.id, Schema::SaleCustomer}, db);
                line = q.next() ? Db::integer(q, "ID") : 0;
            }
            // Closed only while still open: a disc returned meanwhile elsewhere is refused.
            // The money of a disc belongs to whoever rented it, as the line says.
            QSqlQuery u = Db::exec(
                QStringLiteral("UPDATE TBBusinessDetail SET ReDate = ? WHERE ID = ? AND CDNum = ? "
                               "AND ReDate IS NULL AND Ass_Number <> ? RETURNING Ass_Number"),
                {returnedAt, line, i.copy.id, Schema::SaleCustomer}, db);
            if (!u.next())
                refuseCopy(i.copy);
            const qint64 renter = Db::integer(u, "Ass_Number");
            u.finish();
            if (!owed.contains(renter))
                renters << renter;
            owed[renter].first += rents.at(k);
            owed[renter].second += refunds.at(k);
            LineFigures f;
            f.lineId = line;
            f.customer = renter;
            f.code = i.copy.customNum;
            f.name = i.copy.name;
            f.rentedOn = i.copy.rentedOn;
            f.rate = i.copy.rmoney;
            f.deposit = refunds.at(k);
            f.rent = rents.at(k);
            f.days = i.days;
            done.lineIds << line;
            done.lines << f;
        }
        done.customerId = renters.first();
        for (qint64 renter : std::as_const(renters)) {
            bookMoney(db, today, Schema::TypeRent, owed[renter].first, renter);
            bookMoney(db, today, Schema::TypeDeposit, -owed[renter].second, renter);
        }
        // The split lines add up to the totals the operator took and paid out.
        Till::bookAs(db, c.operatorId, Till::Line::Rent, c.rentTotal);
        Till::bookAs(db, c.operatorId, Till::Line::DepositOut, -c.depositTotal);
        Audit::recordAs(db, c.operatorId, Audit::Kind::Return,
                        auditSubject(done.customerId, c.items), QString(),
                        QStringLiteral("租金=%1; 退还押金=%2")
                            .arg(c.rentTotal.toString(), c.depositTotal.toString()));
        tx.commit();
        return done;
    });
}

Result complete(const QSqlDatabase &db, const Completion &c)
{
    return c.mode == Mode::RentOut ? completeRental(db, c) : completeReturn(db, c);
}

} // namespace Lease
