#pragma once

#include "Refusal.h"

#include "data/AccountContext.h"

#include <QList>
#include <QString>

#include <optional>

class QSqlDatabase;

// The rental options (option rows of TBKindValue) and the shop's details (TBSetup).
namespace Settings {

struct RentalOptions
{
    bool rentPerDisc = false;       // option 1: "1" rent per disc, "0" rent by days
    bool permissionControl = false; // option 2: "1" permission control, "0" none
    bool noReceipt = false;         // option 5: "1" no receipt, "0" print one
    bool posPaper = false;          // option 6: "1" POS paper, "0" A4
    // Option 7, the receipt's paper: "0" the 70 x 100 mm slip, "58" or "80" a roll.
    QString receiptRoll = QStringLiteral("0");
    // Option 4, the day count after which a rental is overdue (as typed when saving).
    std::optional<QString> overdueDays;
    // Option codes that were missing or garbled and are shown at their defaults.
    QList<int> unreadable;
};

// The day count used when the operator leaves the edit empty.
inline const QString DefaultOverdueDays = QStringLiteral("3");

// Reads the option rows through the shop's one reader of options (ShopOptions), so the page
// shows what the counter acts on; a missing or garbled row is shown at its default and listed
// in `unreadable`.
RentalOptions readRentalOptions(const QSqlDatabase &db);
// What the page tells the operator about unreadable rows; empty when every row was read.
QString unreadableNotice(const RentalOptions &options);

// Stores all five option rows in one transaction: either every row is written or none.
// An empty day count becomes "3"; one that is not a whole number of days is refused.
// A missing option row is written anew, so the choice really takes effect.
// Returns the options as stored (the day count normalised).
RentalOptions saveRentalOptions(const AccountContext &account, const RentalOptions &options);

using ::ShopDetails;

// The first TBSetup row; empty texts when there is none.
ShopDetails readShopDetails(const QSqlDatabase &db);
// Writes the first TBSetup row (creating it on an empty table), then the account context's
// shop details. On a database error they stay as they were.
void saveShopDetails(AccountContext &account, const ShopDetails &details);

} // namespace Settings
