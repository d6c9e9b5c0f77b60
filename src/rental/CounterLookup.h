#pragma once

#include "LeaseItem.h"

#include <optional>

// The counter's lookups. Each reads through an index: a copy by its code, its open line by the
// partial index of open lines, a member by number, the member's open lines by customer.
namespace Lease {

// The first member (lowest ID) with this number, with the discs still out and their deposit
// and rent until today (per day or per disc, as the rent rule says). nullopt when none.
std::optional<Member> lookupMember(const QString &num, const QDate &today);

// A copy that can be rented: it exists, its fee class exists, and it has no open line (an
// unreturned rental or any sale line). Its status (Quality) is not looked at.
std::optional<CopyInfo> findCopyForRent(const QString &code);

// The oldest open rental line of a copy with this code whose fee class exists. Sale lines,
// which also have no return date, are never taken back.
std::optional<CopyInfo> findCopyForReturn(const QString &code);

struct FeeClass
{
    Money fee;
    Money deposit;
};
// The fee class as stored now; nullopt when no class has this name.
std::optional<FeeClass> feeClass(const QString &name);

// What adding a copy puts on the deposit and rent totals: the class's current deposit, and its
// fee for one day (renting) or for the days the disc was out (taking back, at least 1) unless
// rent is per disc. nullopt when the fee class no longer exists.
std::optional<Item> makeItem(const CopyInfo &copy, Mode mode, bool perDisc, const QDate &today);

} // namespace Lease
