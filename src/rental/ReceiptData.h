#pragma once

#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// What the receipt of a transaction prints, read from the lines it wrote or closed.
namespace Receipt {

struct Line
{
    qint64 lineId = 0;
    qint64 customer = 0; // Ass_Number: member ID, 15 for the walk-in customer, -1 for a sale
    QString name;        // the title's name
    qint64 amount = 0;
    Money rmoney; // rent per disc, or unit price of a sale line

    // What the line comes to: rent or unit price times the quantity (1 for a rental).
    Money charge() const { return rmoney * amount; }
};

// The lines with these IDs, newest (highest ID) first; IDs without a line are skipped.
QList<Line> lines(const QList<qint64> &lineIds);

// The day's receipt number: "yyyyMMdd" followed by the digit 0.
QString number(const QDate &day);

// The receipt option (TBKindValue CateID 5): 0 or a missing row prints, anything else not.
bool printingOn();

// The customer number printed: the Ass_Number of the first (newest) line, empty without lines.
QString customerNumber(const QList<Line> &lines);

// The sum of the lines' charges.
Money total(const QList<Line> &lines);

} // namespace Receipt
