#include "LeaseTexts.h"

#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QStringList>

namespace Lease {

QString rentalSummary(int n, Money deposit, Money rent)
{
    return QCoreApplication::translate("LeaseTexts", "共出租影片：%1部，").arg(n) + SummaryBreak +
           QCoreApplication::translate("LeaseTexts", "押　　　金：%1元，").arg(deposit.toString()) + SummaryBreak +
           QCoreApplication::translate("LeaseTexts", "租　　　金：%1元，").arg(rent.toString()) + SummaryBreak +
           QCoreApplication::translate("LeaseTexts", "本次实收：%1元").arg(deposit.toString());
}

QString returnSummary(int n, Money deposit, Money rent)
{
    const Money difference = deposit - rent;
    return QCoreApplication::translate("LeaseTexts", "共归还影片：%1部，").arg(n) + SummaryBreak +
           QCoreApplication::translate("LeaseTexts", "应退　押金：%1元，").arg(deposit.toString()) + SummaryBreak +
           QCoreApplication::translate("LeaseTexts", "租　　　金：%1元，").arg(rent.toString()) + SummaryBreak +
           (difference.isNegative() ? QCoreApplication::translate("LeaseTexts", "应收客户：%1元").arg((-difference).toString())
                                    : QCoreApplication::translate("LeaseTexts", "应退客户：%1元").arg(difference.toString()));
}

QString memberNotice(const Member &member)
{
    QStringList parts;
    const QList<OpenRental> late = member.overdue();
    if (!late.isEmpty()) {
        QStringList discs;
        for (const OpenRental &r : late)
            discs << QCoreApplication::translate("LeaseTexts", "%1超期%2天").arg(r.name, QString::number(r.daysLate));
        parts << QCoreApplication::translate("LeaseTexts", "过期未还%1部：").arg(late.size()) + discs.join(QCoreApplication::translate("LeaseTexts", "、"));
    }
    if (member.expired)
        parts << QCoreApplication::translate("LeaseTexts", "会员已于%1到期").arg(SqlDialect::dateText(member.sdt));
    return parts.join(QCoreApplication::translate("LeaseTexts", "；"));
}

QString totalsExplained(Mode mode, Money deposit, Money rent)
{
    if (mode == Mode::RentOut)
        return QCoreApplication::translate("LeaseTexts", "本次实收押金%1元，租金还碟时结算").arg(deposit.toString());
    const Money difference = deposit - rent;
    const QString rest = difference.isNegative()
                             ? QCoreApplication::translate("LeaseTexts", "应收客户%1元").arg((-difference).toString())
                             : QCoreApplication::translate("LeaseTexts", "应退客户%1元").arg(difference.toString());
    return QCoreApplication::translate("LeaseTexts", "押金%1 − 租金%2 = %3").arg(deposit.toString(), rent.toString(), rest);
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
