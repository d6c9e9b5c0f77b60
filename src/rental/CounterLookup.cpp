#include "CounterLookup.h"

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
    c.cdNum = Db::integer(q, "ID");
    c.customNum = Db::text(q, "CustomNum");
    c.name = Db::text(q, "Name");
    c.nlang = Db::text(q, "Nlang");
    c.ver = Db::text(q, "Ver");
    c.categray = Db::text(q, "Categray");
    c.direct = Db::text(q, "Direct");
    c.actRole = Db::text(q, "ActRole");
    c.address1 = Db::text(q, "Address1");
    c.rmoney = money(q, "RMoney");
    c.deposit = money(q, "Deposit");
    return c;
}

} // namespace

std::optional<Member> lookupMember(const QString &num, const QDate &today)
{
    QSqlQuery m =
        Db::exec(QStringLiteral("SELECT ID, Num, Name, Sum, SDT FROM TBAssociator WHERE Num = ? "
                                "ORDER BY ID LIMIT 1"),
                 {num});
    if (!m.next())
        return std::nullopt;
    Member member;
    member.id = Db::integer(m, "ID");
    member.num = Db::text(m, "Num");
    member.name = Db::text(m, "Name");
    member.sum = Db::integer(m, "Sum");
    member.sdt = SqlDialect::parseDate(Db::text(m, "SDT"));

    // The member's lines still out (ix_detail_open_customer), with the deposit of the fee
    // class as it stands now; a line whose class is gone holds no deposit.
    QSqlQuery q = Db::exec(
        QStringLiteral(
            "SELECT b.ID AS LineID, b.DatTime, b.RMoney, c.CustomNum, c.Name, c.Direct, "
            "c.ActRole, c.Address1, c.Ver, "
            "(SELECT e.Deposit FROM TBVer AS e WHERE e.Name = c.Ver ORDER BY e.ID LIMIT 1) "
            "AS ClassDeposit "
            "FROM TBBusinessDetail AS b JOIN TBName AS c ON c.ID = b.CDNum "
            "WHERE b.Ass_Number = ? AND b.ReDate IS NULL ORDER BY b.ID"),
        {member.id});
    const bool perDisc = RentRule::isRentPerDisc();
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
        r.classDeposit = money(q, "ClassDeposit");
        member.depositHeld += r.classDeposit;
        member.rentSoFar +=
            RentRule::rent(r.rmoney, perDisc, RentRule::daysRunning(r.rentedOn, today));
        member.openRentals << r;
    }
    return member;
}

std::optional<CopyInfo> findCopyForRent(const QString &code)
{
    // NOT EXISTS over the partial index of open lines: one index probe per copy, whatever
    // the size of the shop's history.
    QSqlQuery q = Db::exec(
        QStringLiteral(
            "SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, b.Nlang, b.ActRole, "
            "b.Categray, a.Fee AS RMoney, a.Deposit "
            "FROM TBName AS b JOIN TBVer AS a ON a.Name = b.Ver "
            "WHERE b.CustomNum = ? AND NOT EXISTS (SELECT 1 FROM TBBusinessDetail AS d "
            "WHERE d.CDNum = b.ID AND d.ReDate IS NULL) "
            "ORDER BY b.ID, a.ID LIMIT 1"),
        {code});
    if (!q.next())
        return std::nullopt;
    return readCopy(q);
}

std::optional<CopyInfo> findCopyForReturn(const QString &code)
{
    QSqlQuery q = Db::exec(
        QStringLiteral(
            "SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, b.Nlang, b.ActRole, "
            "b.Categray, a.RMoney, a.Deposit, a.ID AS LineID, a.DatTime "
            "FROM TBName AS b JOIN TBBusinessDetail AS a ON a.CDNum = b.ID "
            "WHERE b.CustomNum = ? AND a.ReDate IS NULL AND a.Ass_Number <> ? "
            "AND EXISTS (SELECT 1 FROM TBVer AS d WHERE d.Name = b.Ver) "
            "ORDER BY a.ID LIMIT 1"),
        {code, Schema::SaleCustomer});
    if (!q.next())
        return std::nullopt;
    CopyInfo c = readCopy(q);
    c.lineId = Db::integer(q, "LineID");
    c.rentedOn = SqlDialect::parseDate(Db::text(q, "DatTime"));
    return c;
}

std::optional<FeeClass> feeClass(const QString &name)
{
    QSqlQuery q = Db::exec(
        QStringLiteral("SELECT Fee, Deposit FROM TBVer WHERE Name = ? ORDER BY ID LIMIT 1"),
        {name});
    if (!q.next())
        return std::nullopt;
    return FeeClass{money(q, "Fee"), money(q, "Deposit")};
}

std::optional<Item> makeItem(const CopyInfo &copy, Mode mode, bool perDisc, const QDate &today)
{
    const std::optional<FeeClass> cls = feeClass(copy.ver);
    if (!cls)
        return std::nullopt;
    const qint64 days = mode == Mode::RentOut ? 1 : RentRule::daysCharged(copy.rentedOn, today);
    return Item{copy, cls->deposit, RentRule::rent(cls->fee, perDisc, days)};
}

} // namespace Lease
