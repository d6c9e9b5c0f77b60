#include "ReceiptData.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/ShopOptions.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace Receipt {

QList<Line> lines(const QSqlDatabase &db, const QList<qint64> &lineIds)
{
    QList<Line> result;
    // In slices, so a long list never exceeds the engine's number of bound values.
    constexpr int Slice = 200;
    for (int from = 0; from < lineIds.size(); from += Slice) {
        const QList<qint64> part = lineIds.mid(from, Slice);
        QStringList marks;
        QVariantList params;
        for (qint64 id : part) {
            marks << QStringLiteral("?");
            params << id;
        }
        QSqlQuery q =
            Db::exec(QStringLiteral("SELECT b.ID, b.Ass_Number, c.Name, b.Amount, b.RMoney "
                                    "FROM TBBusinessDetail AS b JOIN TBName AS c ON c.ID = b.CDNum "
                                    "WHERE b.ID IN (%1)")
                         .arg(marks.join(QLatin1Char(','))),
                     params, db);
        while (q.next()) {
            Line l;
            l.lineId = Db::integer(q, "ID");
            l.customer = Db::integer(q, "Ass_Number");
            l.name = Db::text(q, "Name");
            l.amount = Db::integer(q, "Amount");
            l.rmoney = Money::fromCents(Db::integer(q, "RMoney"));
            result << l;
        }
    }
    std::sort(result.begin(), result.end(),
              [](const Line &a, const Line &b) { return a.lineId > b.lineId; });
    return result;
}

Content saleContent(const QSqlDatabase &db, const QList<qint64> &lineIds)
{
    Content c;
    c.kind = Kind::Sale;
    c.lines = lines(db, lineIds);
    c.customer = QCoreApplication::translate("Receipt", "零售");
    return c;
}

Content leaseContent(const QSqlDatabase &db, Lease::Mode mode, const Lease::Done &outcome,
                     bool perDisc, int overdueDays)
{
    Content c;
    c.kind = mode == Lease::Mode::RentOut ? Kind::Rental : Kind::Return;
    c.perDisc = perDisc;
    QList<qint64> customers;
    for (const Lease::LineFigures &f : outcome.lines) {
        Line l;
        l.lineId = f.lineId;
        l.customer = f.customer;
        l.name = f.name;
        l.rmoney = f.rate;
        l.deposit = f.deposit;
        l.due = f.rentedOn.isValid() ? f.rentedOn.addDays(overdueDays) : QDate();
        l.days = f.days;
        l.rent = f.rent;
        c.deposit += f.deposit;
        c.rent += c.kind == Kind::Rental ? f.rate : f.rent;
        c.lines << l;
        if (!customers.contains(f.customer))
            customers << f.customer;
    }
    QStringList names;
    for (qint64 id : std::as_const(customers))
        names << customerText(db, id);
    c.customer = names.join(QCoreApplication::translate("Receipt", "、"));
    return c;
}

QString customerText(const QSqlDatabase &db, qint64 customerId)
{
    const auto member = MemberRow::find(db, customerId);
    if (!member)
        return QString::number(customerId);
    if (customerId == Schema::WalkInCustomerId)
        return QCoreApplication::translate("Receipt", "零租客户");
    return member->label();
}

QString operatorName(const QSqlDatabase &db, int operatorId)
{
    return Db::scalar(QStringLiteral("SELECT Name FROM TBPersons WHERE ID = ?"), {operatorId}, db)
        .toString();
}

QString number(const QDate &day)
{
    return day.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('0');
}

bool printingOn(const QSqlDatabase &db)
{
    return ShopOptions::read(db).printReceipt;
}

Money total(const QList<Line> &lines)
{
    Money sum;
    for (const Line &l : lines)
        sum += l.charge();
    return sum;
}

} // namespace Receipt
