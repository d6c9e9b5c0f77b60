#pragma once

#include "Db.h"
#include "Schema.h"

#include <QSet>

// The permissions of TBPowerStand that open parts of the program (TBUserPower.PowerId).
namespace Power {
inline constexpr int Rental = 1;        // renting out and taking back
inline constexpr int Stock = 2;         // the stock list and title entry
inline constexpr int Statistics = 3;    // reports, charts, the audit log, cash-up records
inline constexpr int Sale = 4;          // selling
inline constexpr int Settings = 5;      // the settings window
inline constexpr int IncomeExpense = 6; // the income and expense list
inline constexpr int File = 10;         // the file menu's account and backup entries
inline constexpr int CashUp = Schema::PowerCashUp;
} // namespace Power

// The operator at the counter and what he may do: the shop's permission mode (through the one
// reader of the shop's options) and the powers granted to him. Read at login and after
// 暂时离开; widget-free, so what an operator may do is decided and tested without windows.
struct OperatorSession
{
    int userId = 0;
    bool permissionControl = false;
    // False when the permission mode's row was missing or garbled and its default (no
    // permission control) was used: the main window says so.
    bool modeReadable = true;
    QSet<int> powers;

    bool may(int power) const { return !permissionControl || powers.contains(power); }

    // Throws Db::DbError when the account cannot be read.
    static OperatorSession load(int userId, const QSqlDatabase &db);
    // What is left when the account could not be read: permission control with nothing granted,
    // so a failure never opens what the operator may not use.
    static OperatorSession lockedDown(int userId);
};
