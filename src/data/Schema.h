#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The account database: tables, indexes and the rows every new account must hold.
// Written once, here; the template, the sample account, the benchmark shop and the
// tests all create their files through these functions.
namespace Schema {

// Fixed IDs of the built-in income/expense type rows (TBKindValue, CateID 3).
inline constexpr int TypeRent = 3;
inline constexpr int TypeDeposit = 8;
inline constexpr int TypeMemberPayment = 9;

// Option rows of TBKindValue by CateID.
inline constexpr int OptionRentRule = 1;
inline constexpr int OptionPermissionMode = 2;
inline constexpr int OptionTypeRow = 3;
inline constexpr int OptionOverdueDays = 4;
inline constexpr int OptionReceiptPrinting = 5;
inline constexpr int OptionReceiptPaper = 6;
// The receipt's paper: "0" the 70 x 100 mm slip, "58" or "80" a roll of that width.
inline constexpr int OptionReceiptRoll = 7;

// The permission to close one's own shift with a cash-up.
inline constexpr int PowerCashUp = 11;

// The walk-in customer; member IDs up to this one are reserved and exempt from the allowance.
inline constexpr int WalkInCustomerId = 15;
// Ass_Number of a sale line.
inline constexpr int SaleCustomer = -1;

// TBAssociator.SDT of a member whose membership does not end (the members page shows it so).
inline QDate noEndDate()
{
    return QDate(2000, 1, 1);
}

// TBPersons.PerFlag of a staff member deleted on the staff page: the row stays for the
// history, the person is no longer offered anywhere and cannot log in.
inline constexpr int StaffDeleted = 2;

// TBName.Quality codes.
inline constexpr int QualityInStock = 0;
inline constexpr int QualityDeleted = 3;
inline constexpr int QualityWrittenOff = 4;
inline constexpr int QualitySold = 5;

// Creates every table and index in an empty database (one transaction).
void create(const QSqlDatabase &db);
// Writes the rows a new account needs: option rows, built-in types, the walk-in customer,
// one staff member, the permission catalogue and the languages.
void writeRequiredRows(const QSqlDatabase &db);
// Adds the tables, triggers, option row and permission that came after the first accounts,
// where they are missing (one transaction); harmless when present.
void addNewParts(const QSqlDatabase &db);
// Creates the indexes that may be missing from an older file; harmless when present. The
// unique index over open rental lines is left out (and the fact logged) where the account
// already holds a copy rented twice.
void ensureIndexes(const QSqlDatabase &db);
// Whether the database guards against two open rental lines of one copy by itself.
bool hasOpenRentalGuard(const QSqlDatabase &db);

// A column as the schema declares it: its name as the program spells it, its type ("TEXT",
// "INTEGER"; "BIGINT" for money in cents; "KEY" for the key the engine fills).
struct Column
{
    QString name;
    QString type;
};
// The columns of table (matched without regard to case), key first; empty for a table that
// is not the schema's.
QList<Column> declaredColumns(const QString &table);
// Every table of an account, in the order the schema creates them.
QStringList tableNames();

// The tables this program needs; empty when the database holds them all with their columns,
// otherwise what is missing ("TBName", "TBName.Quality").
QStringList missingParts(const QSqlDatabase &db);

} // namespace Schema
