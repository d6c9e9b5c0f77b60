#pragma once

#include "data/CopyRow.h"
#include "data/MemberRow.h"
#include "data/Money.h"
#include "data/Schema.h"

#include <QDate>
#include <QList>
#include <QString>

// What the counter works on: a copy found by its code, a member found by number, and the rows
// of the item list of one transaction.
namespace Lease {

enum class Mode { RentOut = 0, TakeBack = 1 };

// A copy (TBName row) with the money of its fee class, or, when taking back, of its open line.
struct CopyInfo : CopyRow
{
    Money rmoney;      // renting: the class's fee; taking back: the rate stored on the line
    Money deposit;     // renting: the class's deposit; taking back: the deposit on the line
    qint64 lineId = 0; // taking back: the open TBBusinessDetail line found
    QDate rentedOn;    // taking back: the line's rental date
    qint64 renter = 0; // taking back: the customer who rented the disc (Ass_Number)
};

// A row of the item list: the copy plus what adding it put on the two totals, so that
// removing it takes exactly that off again. Taking back, these are the deposit stored on the
// line and the line's rate for the days the disc was out.
struct Item
{
    CopyInfo copy;
    Money addedDeposit;
    Money addedRent;
    qint64 days = 0;     // taking back: the days charged
    qint64 daysLate = 0; // taking back: the days past the due date
};

// A line of a member's discs still out, with the deposit it holds.
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
    Money deposit;       // the deposit stored on the line
    QDate due;           // rental date + the shop's overdue days
    qint64 daysLate = 0; // days past the due date, 0 when not overdue
};

// A member (sdt null when there is no end date) with what the counter shows beside him.
struct Member : MemberRow
{
    QList<OpenRental> openRentals;
    Money depositHeld; // sum of the deposits stored on the open rentals
    Money rentSoFar;   // the rent run up by the open rentals until today
    bool expired = false; // the membership's end date lies before today

    // Whether the allowance is checked: the walk-in customer and the reserved IDs are not.
    bool allowanceApplies() const;
    QList<OpenRental> overdue() const;
};

using Schema::noEndDate;

} // namespace Lease
