#pragma once

#include "LeaseItem.h"

#include "data/Money.h"

#include <QString>

#include <optional>

// The texts and the total fields of the rental window.
namespace Lease {

// The line break of the summary texts: the single character 13.
inline constexpr QChar SummaryBreak = QChar(13);

// "共出租影片：n部，" CR "押　　　金：<deposit>元，" CR "租　　　金：<rent>元，" CR
// "本次实收：<deposit>元": the deposit is what the customer pays now, the rent when the discs
// come back. Every amount with two decimals, as the receipt prints it.
QString rentalSummary(int n, Money deposit, Money rent);

// "共归还影片：n部，" CR "应退　押金：<deposit>元，" CR "租　　　金：<rent>元，" CR and then
// "应退客户：<deposit - rent>元" when the customer gets money back, or
// "应收客户：<rent - deposit>元" when he owes it. Every amount with two decimals.
QString returnSummary(int n, Money deposit, Money rent);

// A total field changed by delta: the field's amount plus delta, "%0.2f". nullopt when the
// field does not hold an amount (emptied or garbled by the operator), so nothing is computed
// from it, and when the sum would leave Money's range.
std::optional<QString> adjustedTotal(const QString &fieldText, Money delta);

// The amount a total field holds at completion: digits and at most one point; nullopt for an
// empty field, letters or a negative amount.
std::optional<Money> completedTotal(const QString &fieldText);

// What the operator should know at once about a member, shown beside the member's discs:
// "过期未还2部：英雄超期3天、功夫超期1天", then "会员已于yyyy-MM-dd到期" when the membership has
// ended. Empty when there is nothing to say.
QString memberNotice(const Member &member);

// The totals in words under the item list. Renting: "本次实收押金50.00元，租金还碟时结算".
// Taking back: "押金50.00 − 租金14.00 = 应退客户36.00元" (or "应收客户6.00元").
QString totalsExplained(Mode mode, Money deposit, Money rent);

} // namespace Lease
