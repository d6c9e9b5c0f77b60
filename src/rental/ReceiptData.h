#pragma once

#include "LeaseCompletion.h"

#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

class QSqlDatabase;

// What the receipt of a transaction prints: the figures of the settlement prompt, line by
// line, with the customer by number and name.
namespace Receipt {

enum class Kind { Rental, Return, Sale };

struct Line
{
    qint64 lineId = 0;
    qint64 customer = 0; // Ass_Number: member ID, 15 for the walk-in customer, -1 for a sale
    QString name;        // the title's name
    qint64 amount = 1;
    Money rmoney;    // sale: unit price; rental and return: the rate stored on the line
    Money deposit;   // rental: taken; return: refunded
    QDate due;       // rental: when the disc is due back
    qint64 days = 0; // return: the days charged
    Money rent;      // return: the rent charged

    // What a sale line comes to: the unit price times the quantity.
    Money charge() const { return rmoney * amount; }
};

struct Content
{
    Kind kind = Kind::Sale;
    QList<Line> lines;
    QString customer;     // "M001 张伟", "零租客户", or for a sale "零售"
    bool perDisc = false; // rent once per disc rather than per day
    Money deposit;        // rental: taken; return: refunded
    Money rent; // rental: the rent the discs run up (per day or per disc); return: charged

    // Rental: the deposit taken is what the customer pays now. Return: the deposit refunded
    // minus the rent, given back when positive, collected when negative.
    Money settled() const { return kind == Kind::Return ? deposit - rent : deposit; }
};

// A sale's lines with these IDs, newest (highest ID) first; IDs without a line are skipped.
QList<Line> lines(const QSqlDatabase &db, const QList<qint64> &lineIds);
Content saleContent(const QSqlDatabase &db, const QList<qint64> &lineIds);

// The receipt of a completed rental or return, from what the completion wrote. The customer is
// the one the lines were booked to (a return of several customers' discs names them all).
Content leaseContent(const QSqlDatabase &db, Lease::Mode mode, const Lease::Done &outcome,
                     bool perDisc, int overdueDays);

// "M001 张伟" of a member, "零租客户" of the walk-in customer; the ID only when the row is gone.
QString customerText(const QSqlDatabase &db, qint64 customerId);
// The operator's name (TBPersons.Name); empty when there is none.
QString operatorName(const QSqlDatabase &db, int operatorId);

// The day's receipt number: "yyyyMMdd" followed by the digit 0.
QString number(const QDate &day);

// The receipt option (TBKindValue CateID 5) as the shop's options read it: "0" prints, and a
// missing or garbled row prints too.
bool printingOn(const QSqlDatabase &db);

// The sum of the lines' charges.
Money total(const QList<Line> &lines);

} // namespace Receipt
