#pragma once

#include "LeaseItem.h"

#include <QDateTime>

// Completing a transaction at the counter: everything it writes happens in one transaction on
// MainConn, and nothing is left behind when any step fails or is refused.
namespace Lease {

struct Completion
{
    Mode mode = Mode::RentOut;
    qint64 memberId = 0; // 0: nobody named, the walk-in customer
    QList<Item> items;   // in the order they were added
    Money depositTotal;  // what the operator's deposit field holds
    Money rentTotal;     // what the operator's rent field holds
    int operatorId = 0;  // CurrentUserID
    QDateTime now;       // today's date for the lines and bookings; the return time
};

struct Outcome
{
    enum class Status {
        Done,
        EmptyList,
        AllowanceExceeded, // allowanceLeft says how many discs the member may still rent
        NotAvailable,      // refusedCode was rented, sold or returned since it was looked up
        DuplicateCopy,     // refusedCode is in the list twice
        Failed,            // a database error; error holds the engine's text
    };
    Status status = Status::Failed;
    qint64 customerId = 0; // the customer the transaction was booked to
    qint64 allowanceLeft = 0;
    QString refusedCode;
    QString error;
    QList<qint64> lineIds; // lines written (renting) or closed (taking back)
};

// Renting out: one TBBusinessDetail line per item (rent and deposit of the item, Amount 1,
// today, the operator); a member above 15 must have an allowance of at least the number of
// items; every member but the walk-in customer has the allowance lowered; the deposit total
// is booked as income of type 8. Each copy is checked again for an open line by the very
// statement that inserts its line.
Outcome completeRental(const Completion &c);

// Taking back: closes the open line of each item with the return time, books the rent total
// (type 3) and minus the deposit total (type 8) to the named member or the walk-in customer.
// Allowances are not touched.
Outcome completeReturn(const Completion &c);

Outcome complete(const Completion &c);

} // namespace Lease
