#include "CounterLookup.h"

#include "CodeMatch.h"
#include "RentRule.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QSqlQuery>

namespace Lease {
namespace {

Money money(const QSqlQuery &q, const char *column)
{
    return Money::fromCents(Db::integer(q, column));
}

CopyInfo readCopy(const QSqlQuery &q)
{
    CopyInfo c;
    static_cast<CopyRow &>(c) = CopyRow::read(q);
    c.rmoney = money(q, "RMoney");
    c.deposit = money(q, "Deposit");
    return c;
}

} // namespace

bool Member::allowanceApplies() const
{
    return id > Schema::WalkInCustomerId;
}

QList<OpenRental> Member::overdue() const
{
    QList<OpenRental> late;
    for (const OpenRental &r : openRentals) {
        if (r.daysLate > 0)
            late << r;
    }
    return late;
}

std::optional<Member> lookupMember(const QSqlDatabase &db, const QString &num, const QDate &today)
{
    // Member numbers are found whatever their letter case (ix_member_num_nocase).
    QSqlQuery m = CodeMatch::first(db,
                                   QStringLiteral("SELECT %1 FROM TBAssociator WHERE Num = ?%2 "
                                                  "ORDER BY ID LIMIT 1")
                                       .arg(MemberRow::columns(), QStringLiteral("%1")),
                                   {num});
    if (!m.isValid())
        return std::nullopt;
    Member member;
    static_cast<MemberRow &>(member) = MemberRow::read(m);
    member.expired = member.sdt.isValid() && member.sdt != noEndDate() && member.sdt < today;

    // The member's lines still out (ix_detail_open_customer), with the deposit each holds.
    QSqlQuery q = Db::exec(
        QStringLiteral("SELECT b.ID AS LineID, b.DatTime, b.RMoney, b.Deposit, c.CustomNum, "
                       "c.Name, c.Direct, c.ActRole, c.Address1, c.Ver "
                       "FROM TBBusinessDetail AS b JOIN TBName AS c ON c.ID = b.CDNum "
                       "WHERE b.Ass_Number = ? AND b.ReDate IS NULL ORDER BY b.ID"),
        {member.id}, db);
    const bool perDisc = RentRule::isRentPerDisc(db);
    const int overdueDays = RentRule::overdueDays(db);
    while (q.next()) {
        OpenRental r;
        r.lineId = Db::integer(q, "LineID");
        r.rentedOn = SqlDialect::parseDate(Db::text(q, "DatTime"));
        r.customNum = Db::text(q, "CustomNum");
        r.name = Db::text(q, "Name");
        r.direct = Db::text(q, "Direct");
        r.actRole = Db::text(q, "ActRole");
        r.address1 = Db::text(q, "Address1");
        r.ver = Db::text(q, "Ver");
        r.rmoney = money(q, "RMoney");
        r.deposit = money(q, "Deposit");
        r.due = RentRule::dueDate(r.rentedOn, overdueDays);
        r.daysLate = RentRule::daysLate(r.due, today);
        member.depositHeld += r.deposit;
        member.rentSoFar +=
            RentRule::rent(r.rmoney, perDisc, RentRule::daysRunning(r.rentedOn, today));
        member.openRentals << r;
    }
    return member;
}

std::optional<CopyInfo> findCopyForRent(const QSqlDatabase &db, const QString &code)
{
    // Codes are found whatever their letter case (ix_name_code_nocase), the exact spelling
    // first. NOT EXISTS over the partial index of open lines: one index probe per copy,
    // whatever the size of the shop's history.
    QSqlQuery q = CodeMatch::first(
        db,
        QStringLiteral("SELECT %1, a.Fee AS RMoney, a.Deposit "
                       "FROM TBName AS b JOIN TBVer AS a ON a.Name = b.Ver "
                       "WHERE b.CustomNum = ?%2 AND NOT EXISTS (SELECT 1 FROM "
                       "TBBusinessDetail AS d WHERE d.CDNum = b.ID AND d.ReDate IS NULL) "
                       "ORDER BY b.ID, a.ID LIMIT 1")
            .arg(CopyRow::columns(QStringLiteral("b")), QStringLiteral("%1")),
        {code});
    if (!q.isValid())
        return std::nullopt;
    return readCopy(q);
}

namespace {

// An open rental line with its copy and its renter, with the rate and deposit the line holds
// (every rental line is written with both).
const QString kOpenLineSelect =
    QStringLiteral("SELECT %1, a.ID AS LineID, a.DatTime, a.Ass_Number, a.RMoney, a.Deposit "
                   "FROM TBName AS b JOIN TBBusinessDetail AS a ON a.CDNum = b.ID ")
        .arg(CopyRow::columns(QStringLiteral("b")));

CopyInfo readOpenLine(const QSqlQuery &q)
{
    CopyInfo c = readCopy(q);
    c.lineId = Db::integer(q, "LineID");
    c.rentedOn = SqlDialect::parseDate(Db::text(q, "DatTime"));
    c.renter = Db::integer(q, "Ass_Number");
    return c;
}

} // namespace

std::optional<CopyInfo> findCopyForReturn(const QSqlDatabase &db, const QString &code)
{
    // The money comes from the line, so a disc whose fee class was removed still comes back.
    QSqlQuery q =
        CodeMatch::first(db,
                         kOpenLineSelect + QStringLiteral("WHERE b.CustomNum = ?%1 AND a.ReDate IS "
                                                          "NULL AND a.Ass_Number <> ? "
                                                          "ORDER BY a.ID LIMIT 1"),
                         {code, Schema::SaleCustomer});
    if (!q.isValid())
        return std::nullopt;
    return readOpenLine(q);
}

std::optional<CopyInfo> findOpenLine(const QSqlDatabase &db, qint64 lineId)
{
    QSqlQuery q = Db::exec(kOpenLineSelect + QStringLiteral("WHERE a.ID = ? AND a.ReDate IS NULL "
                                                            "AND a.Ass_Number <> ?"),
                           {lineId, Schema::SaleCustomer}, db);
    if (!q.next())
        return std::nullopt;
    return readOpenLine(q);
}

std::optional<FeeClass> feeClass(const QSqlDatabase &db, const QString &name)
{
    QSqlQuery q = Db::exec(
        QStringLiteral("SELECT Fee, Deposit FROM TBVer WHERE Name = ? ORDER BY ID LIMIT 1"), {name},
        db);
    if (!q.next())
        return std::nullopt;
    return FeeClass{money(q, "Fee"), money(q, "Deposit")};
}

std::optional<Item> makeItem(const QSqlDatabase &db, const CopyInfo &copy, Mode mode, bool perDisc,
                             const QDate &today)
{
    if (mode == Mode::TakeBack) {
        // What comes back is what was taken: the line's deposit, and its rate for the days.
        const qint64 days = RentRule::daysCharged(copy.rentedOn, today);
        return Item{copy, copy.deposit, RentRule::rent(copy.rmoney, perDisc, days), days};
    }
    const std::optional<FeeClass> cls = feeClass(db, copy.ver);
    if (!cls)
        return std::nullopt;
    return Item{copy, cls->deposit, RentRule::rent(cls->fee, perDisc, 1), 1};
}

} // namespace Lease
