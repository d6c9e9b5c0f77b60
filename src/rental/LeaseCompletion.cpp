#include "LeaseCompletion.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QSet>
#include <QSqlQuery>

namespace Lease {
namespace {

Outcome refused(Outcome::Status status, qint64 customer, const QString &code = QString())
{
    Outcome o;
    o.status = status;
    o.customerId = customer;
    o.refusedCode = code;
    return o;
}

// The list may name a copy once only: a second row would rent one physical disc twice.
std::optional<QString> duplicateCode(const QList<Item> &items)
{
    QSet<qint64> seen;
    for (const Item &i : items) {
        if (seen.contains(i.copy.cdNum))
            return i.copy.customNum;
        seen.insert(i.copy.cdNum);
    }
    return std::nullopt;
}

void bookMoney(const QString &day, int type, Money amount, qint64 customer)
{
    Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                            "VALUES (?, ?, ?, 0, ?)"),
             {day, type, amount.cents(), customer});
}

// Thrown inside the transaction to leave it, rolled back, with a refusal.
struct Refusal
{
    Outcome outcome;
};

} // namespace

Outcome completeRental(const Completion &c)
{
    const qint64 customer = c.memberId == 0 ? Schema::WalkInCustomerId : c.memberId;
    if (c.items.isEmpty())
        return refused(Outcome::Status::EmptyList, customer);
    if (const auto dup = duplicateCode(c.items))
        return refused(Outcome::Status::DuplicateCopy, customer, *dup);

    const qint64 n = c.items.size();
    const QString today = SqlDialect::dateText(c.now.date());
    Outcome done;
    done.status = Outcome::Status::Done;
    done.customerId = customer;
    try {
        Db::Transaction tx;
        if (customer > Schema::WalkInCustomerId) {
            QSqlQuery q =
                Db::exec(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {customer});
            const qint64 left = q.next() ? Db::integer(q, "Sum") : 0;
            if (left < n) {
                Outcome o = refused(Outcome::Status::AllowanceExceeded, customer);
                o.allowanceLeft = left;
                throw Refusal{o};
            }
        }
        // The insert happens only while the copy has no open line, in one statement, so the
        // check and the write cannot be separated by another counter.
        const QString insert = QStringLiteral(
            "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, Deposit, "
            "Persons) SELECT ?, ?, 1, ?, ?, ?, ? WHERE NOT EXISTS (SELECT 1 FROM "
            "TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL)");
        for (const Item &i : c.items) {
            QSqlQuery q = Db::exec(insert, {i.copy.cdNum, i.copy.rmoney.cents(), customer, today,
                                            i.copy.deposit.cents(), c.operatorId, i.copy.cdNum});
            if (q.numRowsAffected() != 1)
                throw Refusal{refused(Outcome::Status::NotAvailable, customer, i.copy.customNum)};
            done.lineIds << Db::lastInsertId(q);
        }
        if (customer != Schema::WalkInCustomerId) {
            Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = COALESCE(Sum, 0) - ? "
                                    "WHERE ID = ?"),
                     {n, customer});
        }
        bookMoney(today, Schema::TypeDeposit, c.depositTotal, customer);
        tx.commit();
    } catch (const Refusal &r) {
        return r.outcome;
    } catch (const Db::DbError &e) {
        Outcome o = refused(Outcome::Status::Failed, customer);
        o.error = e.message();
        return o;
    }
    return done;
}

Outcome completeReturn(const Completion &c)
{
    const qint64 customer = c.memberId == 0 ? Schema::WalkInCustomerId : c.memberId;
    if (c.items.isEmpty())
        return refused(Outcome::Status::EmptyList, customer);
    if (const auto dup = duplicateCode(c.items))
        return refused(Outcome::Status::DuplicateCopy, customer, *dup);

    const QString today = SqlDialect::dateText(c.now.date());
    const QString returnedAt = SqlDialect::dateTimeText(c.now);
    Outcome done;
    done.status = Outcome::Status::Done;
    done.customerId = customer;
    try {
        Db::Transaction tx;
        for (const Item &i : c.items) {
            // The line the lookup found, or, for an item made without a lookup, the copy's
            // oldest open rental line, as the lookup would find it.
            qint64 line = i.copy.lineId;
            if (line == 0) {
                QSqlQuery q = Db::exec(
                    QStringLiteral("SELECT ID FROM TBBusinessDetail WHERE CDNum = ? "
                                   "AND ReDate IS NULL AND Ass_Number <> ? ORDER BY ID LIMIT 1"),
                    {i.copy.cdNum, Schema::SaleCustomer});
                line = q.next() ? Db::integer(q, "ID") : 0;
            }
            // Closed only while still open: a disc returned meanwhile elsewhere is refused.
            QSqlQuery u =
                Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = ? WHERE ID = ? "
                                        "AND CDNum = ? AND ReDate IS NULL AND Ass_Number <> ?"),
                         {returnedAt, line, i.copy.cdNum, Schema::SaleCustomer});
            if (u.numRowsAffected() != 1)
                throw Refusal{refused(Outcome::Status::NotAvailable, customer, i.copy.customNum)};
            done.lineIds << line;
        }
        bookMoney(today, Schema::TypeRent, c.rentTotal, customer);
        bookMoney(today, Schema::TypeDeposit, -c.depositTotal, customer);
        tx.commit();
    } catch (const Refusal &r) {
        return r.outcome;
    } catch (const Db::DbError &e) {
        Outcome o = refused(Outcome::Status::Failed, customer);
        o.error = e.message();
        return o;
    }
    return done;
}

Outcome complete(const Completion &c)
{
    return c.mode == Mode::RentOut ? completeRental(c) : completeReturn(c);
}

} // namespace Lease
