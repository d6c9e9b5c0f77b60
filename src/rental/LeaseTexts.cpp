#include "LeaseTexts.h"

namespace Lease {

QString rentalSummary(int n, const QString &depositText, const QString &rentText)
{
    return QStringLiteral("共出租影片：") + QString::number(n) + QStringLiteral("部，") +
           SummaryBreak + QStringLiteral("押　　　金：") + depositText + QStringLiteral("元，") +
           SummaryBreak + QStringLiteral("租　　　金：") + rentText + QStringLiteral("元");
}

QString returnSummary(int n, const QString &depositText, const QString &rentText, Money difference)
{
    return QStringLiteral("共归还影片：") + QString::number(n) + QStringLiteral("部，") +
           SummaryBreak + QStringLiteral("应退　押金：") + depositText + QStringLiteral("元，") +
           SummaryBreak + QStringLiteral("租　　　金：") + rentText + QStringLiteral("元，") +
           SummaryBreak + QStringLiteral("差　　　额：") + difference.toShortString() +
           QStringLiteral("元");
}

std::optional<QString> adjustedTotal(const QString &fieldText, Money delta)
{
    // Our own subtraction may have left a negative amount in the field; read it back as such.
    const std::optional<Money> current = Money::parse(fieldText, Money::Sign::AllowNegative);
    if (!current)
        return std::nullopt;
    return (*current + delta).toString();
}

std::optional<Money> completedTotal(const QString &fieldText)
{
    return Money::parse(fieldText, Money::Sign::PositiveOnly);
}

} // namespace Lease
