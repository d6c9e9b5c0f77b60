#pragma once

#include "Db.h"

#include <QList>
#include <QString>

// The shop's options, the option rows of TBKindValue, read by one reader with one policy for
// every part of the program (the counter, the receipt, the main window's permissions and the
// settings page), so that they can never act on different values:
// - the first row of a group code (lowest ID) holds the option; the settings page writes
//   every row of a code, so after a save they all agree;
// - "0" is an option's first choice, any other whole number its second (the settings page
//   writes "1"); the day count takes decimal digits, the receipt roll "0", "58" or "80";
// - a missing row, or a value the option does not take, gives the option's default and is
//   listed in `unreadable`, so the windows can say so and a save of the settings page mends it.
struct ShopOptions
{
    bool rentPerDisc = false;       // 1: "0" rent by the days out, other: rent per disc
    bool permissionControl = false; // 2: "0" every function open, other: per the permissions
    int overdueDays = DefaultOverdueDays; // 4: days after which a rental is overdue
    bool printReceipt = true;       // 5: "0" print a receipt after each transaction
    bool posPaper = false;          // 6: "0" A4, other: narrow POS paper
    QString receiptRoll = QStringLiteral("0"); // 7: "0" the 70 x 100 mm slip, "58" or "80" a roll
    QList<int> unreadable;          // option codes read as their default (missing or garbled)

    // The day count every new account starts with.
    static constexpr int DefaultOverdueDays = 7;

    bool isReadable(int cateId) const { return !unreadable.contains(cateId); }

    // Reads every option row of the account in one statement.
    static ShopOptions read(const QSqlDatabase &db);
};
