#pragma once

#include "LeaseItem.h"

#include <optional>

class QSqlDatabase;

// The counter's lookups. Each reads through an index: a copy by its code, its open line by the
// partial index of open lines, a member by number, the member's open lines by customer.
namespace Lease {

// The member with this number, whatever its letter case (the exact spelling first, then the
// lowest ID), with the discs still out, the deposit they hold and their rent until today (per
// day or per disc, as the rent rule says), which of them are overdue, and whether the
// membership has ended. nullopt when none.
std::optional<Member> lookupMember(const QSqlDatabase &db, const QString &num, const QDate &today);

// A copy that can be rented, its code matched whatever its letter case: it exists, its fee
// class exists, and it has no open line (an unreturned rental or any sale line). Its status
// (Quality) is not looked at.
std::optional<CopyInfo> findCopyForRent(const QSqlDatabase &db, const QString &code);

// The oldest open rental line of a copy with this code (any letter case), with the rate and
// deposit stored on it and its renter's ID. Sale lines, which also have no return date, are never
// taken back.
std::optional<CopyInfo> findCopyForReturn(const QSqlDatabase &db, const QString &code);
// The open rental line with this ID, as findCopyForReturn gives it; nullopt once returned.
std::optional<CopyInfo> findOpenLine(const QSqlDatabase &db, qint64 lineId);

struct FeeClass
{
    Money fee;
    Money deposit;
};
// The fee class as stored now; nullopt when no class has this name.
std::optional<FeeClass> feeClass(const QSqlDatabase &db, const QString &name);

// What adding a copy puts on the deposit and rent totals. Renting: the class's current deposit
// and one day's fee (or the fee per disc); nullopt when the class no longer exists. Taking
// back: the deposit stored on the line and the line's rate for the days the disc was out (at
// least 1), or the rate once when rent is per disc.
std::optional<Item> makeItem(const QSqlDatabase &db, const CopyInfo &copy, Mode mode, bool perDisc,
                             const QDate &today);

} // namespace Lease
