#pragma once

#include "Refusal.h"

#include "data/Schema.h"

#include <QList>
#include <QString>

class AccountContext;
class QSqlDatabase;

// Staff (TBPersons) and the permissions granted to them (TBUserPower), kept on the staff page.
namespace Settings {

struct StaffEntry
{
    QString name;
    QString password; // stored as its hash, never shown again; may be empty
    QString address;
    QString contact; // stored in Telephone
    QString memo;
    // Saving an existing staff member leaves the stored password as it is.
    bool keepPassword = false;
};

// One entry of the permission catalogue (TBPowerStand), which comes with the database.
struct Power
{
    int id = 0;
    QString name;
    bool operator==(const Power &) const = default;
};

// PerFlag of a staff member deleted on the staff page: the row stays, hidden from the page.
inline constexpr int StaffDeleted = Schema::StaffDeleted;

// The catalogue in table order.
QList<Power> powerCatalogue(const QSqlDatabase &db);
// The permission IDs granted to one staff member, in the order they were granted.
QList<int> grantedPowers(const QSqlDatabase &db, qint64 staffId);

// Writes a staff member (a new row when id is 0) and replaces their permission rows with
// powerIds, in that order, all in one transaction: when anything fails nothing is changed.
// The permissions belong to this very row, whatever other staff share the name.
// Refused: an empty name; taking the system settings permission from the last staff member
// who holds it while permission control is on. Returns the staff ID.
qint64 saveStaff(const AccountContext &account, qint64 id, const StaffEntry &entry,
                 const QList<int> &powerIds);

// Marks the staff member deleted (PerFlag 2) and removes their permissions, in one
// transaction. Records that refer to the staff ID keep it. Refused like saveStaff when it
// would leave nobody with the system settings permission.
void deleteStaff(const AccountContext &account, qint64 id);

QString staffListSql();

// The permission that opens the settings window when permission control is on.
inline constexpr int PowerSystemSettings = 5;
// Refusal of a staff change that would leave nobody with the system settings permission
// while permission control is on.
// (the Chinese source; the refusal itself is in the program's language).
inline const char LastSettingsHolderSource[] = QT_TRANSLATE_NOOP(
    "Settings", "权限管理方式下至少要有一名人员具有“系统设置”权限，否则将无法再进入系统设置！");
inline const QString LastSettingsHolderText = QString::fromUtf8(LastSettingsHolderSource);

// Does any member of staff (not deleted) hold the system settings permission? With
// permission control on
// and nobody holding it, the settings window (and with it the switch back) is out of reach.
bool someoneMayChangeSettings(const QSqlDatabase &db);

} // namespace Settings
