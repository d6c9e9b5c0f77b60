#include "LeaseTexts.h"

#include "data/SqlDialect.h"

#include <QStringList>

namespace Lease {

QString rentalSummary(int n, Money deposit, Money rent)
{
    return QStringLiteral("共出租影片：") + QString::number(n) + QStringLiteral("部，") +
           SummaryBreak + QStringLiteral("押　　　金：") + deposit.toString() +
           QStringLiteral("元，") + SummaryBreak + QStringLiteral("租　　　金：") +
           rent.toString() + QStringLiteral("元，") + SummaryBreak +
           QStringLiteral("本次实收：") + deposit.toString() + QStringLiteral("元");
}

QString returnSummary(int n, Money deposit, Money rent)
{
    const Money difference = deposit - rent;
    return QStringLiteral("共归还影片：") + QString::number(n) + QStringLiteral("部，") +
           SummaryBreak + QStringLiteral("应退　押金：") + deposit.toString() +
           QStringLiteral("元，") + SummaryBreak + QStringLiteral("租　　　金：") +
           rent.toString() + QStringLiteral("元，") + SummaryBreak +
           (difference.isNegative() ? QStringLiteral("应收客户：") + (-difference).toString()
                                    : QStringLiteral("应退客户：") + difference.toString()) +
           QStringLiteral("元");
}

QString memberNotice(const Member &member)
{
    QStringList parts;
    const QList<OpenRental> late = member.overdue();
    if (!late.isEmpty()) {
        QStringList discs;
        for (const OpenRental &r : late)
            discs << r.name + QStringLiteral("超期%1天").arg(r.daysLate);
        parts << QStringLiteral("过期未还%1部：").arg(late.size()) + discs.join(QStringLiteral("、"));
    }
    if (member.expired)
        parts << QStringLiteral("会员已于%1到期").arg(SqlDialect::dateText(member.sdt));
    return parts.join(QStringLiteral("；"));
}

QString totalsExplained(Mode mode, Money deposit, Money rent)
{
    if (mode == Mode::RentOut) {
        return QStringLiteral("本次实收押金") + deposit.toString() +
               QStringLiteral("元，租金还碟时结算");
    }
    const Money difference = deposit - rent;
    return QStringLiteral("押金") + deposit.toString() + QStringLiteral(" − 租金") +
           rent.toString() + QStringLiteral(" = ") +
           (difference.isNegative() ? QStringLiteral("应收客户") + (-difference).toString()
                                    : QStringLiteral("应退客户") + difference.toString()) +
           QStringLiteral("元");
}

std::optional<QString> adjustedTotal(const QString &fieldText, Money delta)
{
    // Our own subtraction may have left a negative amount in the field; read it back as such.
    const std::optional<Money> current = Money::parse(fieldText, Money::Sign::AllowNegative);
    if (!current)
        return std::nullopt;
    // A total beyond the largest amount is refused like an unreadable one.
    const std::optional<Money> total = current->plus(delta);
    if (!total)
        return std::nullopt;
    return total->toString();
}

std::optional<Money> completedTotal(const QString &fieldText)
{
    return Money::parse(fieldText, Money::Sign::PositiveOnly);
}

} // namespace Lease
