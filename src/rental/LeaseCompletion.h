#pragma once

#include "LeaseItem.h"

#include "data/Completed.h"
#include "data/Db.h"

#include <QDateTime>

class QSqlDatabase;

// Completing a transaction at the counter: everything it writes happens in one transaction on
// the connection it is given (the counter's account), and nothing is left behind when any step
// fails or is refused.
namespace Lease {

struct Completion
{
    Mode mode = Mode::RentOut;
    qint64 memberId = 0; // 0: nobody named, the walk-in customer
    QList<Item> items;   // in the order they were added
    Money depositTotal;  // what the operator's deposit field holds
    Money rentTotal;     // what the operator's rent field holds
    int operatorId = 0;  // the operator logged in
    QDateTime now;       // today's date for the lines and bookings; the return time
};

// What one line of a completed transaction came to, as the receipt prints it.
struct LineFigures
{
    qint64 lineId = 0;
    qint64 customer = 0; // the customer the line's money was booked to
    QString code;
    QString name;
    QDate rentedOn;
    Money rate;      // the rent per day (or per disc) stored on the line
    Money deposit;   // renting: the deposit taken; taking back: the deposit refunded
    Money rent;      // taking back: the rent charged
    qint64 days = 0; // taking back: the days charged
};

// What a completed transaction wrote.
struct Done
{
    qint64 customerId = 0;    // the customer the transaction was booked to (taking back: the
                              // renter of the first disc)
    QList<qint64> lineIds;    // lines written (renting) or closed (taking back)
    QList<LineFigures> lines; // the same lines with their money, in the items' order
};

// Done, or refused with nothing written: an empty list, a copy listed twice, a member over his
// allowance, a copy rented, sold or returned since it was looked up. A failure of the engine
// throws Db::DbError; nothing is written then either.
using Result = Db::Completed<Done>;

// Splits an amount over lines in proportion to their weights (equally when every weight is 0),
// in whole cents, so that the parts add up to the amount exactly; the cents left over by the
// rounding go to the first lines. An empty list of weights gives an empty list.
QList<Money> splitTotal(Money total, const QList<Money> &weights);

// Renting out: one TBBusinessDetail line per item (Amount 1, today, the operator); a member
// above 15 must have an allowance of at least the number of items; every member but the
// walk-in customer has the allowance lowered; the deposit total is booked as income of type 8.
// The lines carry the deposit and rent totals as the operator left them, split over the items
// in proportion to what each added, so the deposits stored add up to the deposit booked and
// come back as such. Each copy is checked again for an open line by the very statement that
// inserts its line.
Result completeRental(const QSqlDatabase &db, const Completion &c);

// Taking back: closes the open line of each item with the return time and books the rent total
// (type 3) and minus the deposit total (type 8) to the customers who rented the discs, whoever
// is named in the window: both totals are split over the items in proportion to what each
// added, and each renter is booked the sum of the parts of his discs. Allowances are not
// touched.
Result completeReturn(const QSqlDatabase &db, const Completion &c);

Result complete(const QSqlDatabase &db, const Completion &c);

} // namespace Lease
