#pragma once

#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// What the counter works on: a copy found by its code, a member found by number, and the rows
// of the item list of one transaction.
namespace Lease {

enum class Mode { RentOut = 0, TakeBack = 1 };

// A copy (TBName row) with the money of its fee class, or, when taking back, of its open line.
struct CopyInfo
{
    qint64 cdNum = 0; // TBName.ID
    QString customNum;
    QString name;
    QString nlang;
    QString ver; // fee class name
    QString categray;
    QString direct;
    QString actRole;
    QString address1;
    Money rmoney;      // renting: the class's fee; taking back: the line's rent per disc
    Money deposit;     // renting: the class's deposit; taking back: the line's deposit
    qint64 lineId = 0; // taking back: the open TBBusinessDetail line found
    QDate rentedOn;    // taking back: the line's rental date
};

// A row of the item list: the copy plus what adding it put on the two totals, so that
// removing it takes exactly that off again.
struct Item
{
    CopyInfo copy;
    Money addedDeposit;
    Money addedRent;
};

// A line of a member's discs still out, with the fee class's current deposit.
struct OpenRental
{
    qint64 lineId = 0;
    QDate rentedOn;
    QString customNum;
    QString name;
    QString direct;
    QString actRole;
    QString address1;
    QString ver;
    Money rmoney;
    Money classDeposit; // 0 when the fee class no longer exists
};

struct Member
{
    qint64 id = 0;
    QString num;
    QString name;
    qint64 sum = 0; // remaining allowance; null reads 0
    QDate sdt;      // null when the member has no end date
    QList<OpenRental> openRentals;
    Money depositHeld; // sum of the class deposits of the open rentals
    Money rentSoFar;   // the rent run up by the open rentals until today
};

} // namespace Lease
