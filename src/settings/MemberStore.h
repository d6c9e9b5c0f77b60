#pragma once

#include "Refusal.h"

#include "data/Money.h"
#include "data/Schema.h"

#include <QDate>
#include <QString>

class AccountContext;

// Members (TBAssociator) and their payments (TBInOutMoney rows of type 9), as the members
// page of the settings window keeps them. Every function works on the account it is given, binds
// every value and throws Db::DbError when the database fails, Settings::Refused when the entry is
// refused (nothing written then).
namespace Settings {

// What the members page's edits hold.
struct MemberEntry
{
    QString num;
    QString name;
    QString telephone;
    QString grade;
    QString allowance; // "可观看的影片数" as typed; empty keeps the stored value
    QDate endDate;     // 2000-01-01 means no end date
    QString memo;
};

using Schema::noEndDate;

// Members with ASFlag 1 are shown but protected: they cannot be saved or deleted here.
inline constexpr int MemberProtected = 1;

// Writes a member: a new row when id is 0 (the engine gives it an ID above the reserved
// ones), otherwise the row with that id. DateT becomes today. Refused: an empty number or
// name, an allowance that is not a whole number of films, a number that another member
// already has, a protected row. Returns the member's ID.
qint64 saveMember(const AccountContext &account, qint64 id, const MemberEntry &entry,
                  const QDate &today);

// Deletes the member row only; their rental lines and payments stay. A protected row is
// refused.
void deleteMember(const AccountContext &account, qint64 id);

// The statements the members page lists with.
QString memberListSql();     // members shown on the page, by number
QString memberPaymentsSql(); // one member's payments; bind the member's ID
QString memberRentalsSql();  // one member's rental lines with their titles; bind the ID

// A payment of a member: an income record of the built-in type 9, nobody recorded as staff.
qint64 addMemberPayment(const AccountContext &account, qint64 memberId, const QDate &date,
                        Money amount, const QString &memo);
void updateMemberPayment(const AccountContext &account, qint64 paymentId, const QDate &date,
                         Money amount, const QString &memo);
void deleteMemberPayment(const AccountContext &account, qint64 paymentId);

} // namespace Settings
