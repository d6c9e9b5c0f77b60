#pragma once

#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

class AccountContext;
class QSqlDatabase;

// The shop's income and expense journal (TBInOutMoney) and the choices its entry dialog
// offers. Records of built-in types (rent, deposits, member payments) are written by the
// rental desk and the members page; here only records of user types are written, changed
// and deleted.
namespace InOutMoney {

// One entry of a drop-down list: the text shown and the row it stands for.
struct Choice
{
    qint64 id = 0;
    QString text;
};

struct Record
{
    qint64 fid = 0; // 0 for a record not stored yet
    QDate date;
    qint64 typeId = 0;
    Money amount;
    qint64 clientId = 0;
    qint64 staffId = 0;
    QString memo;
};

// Types a record may be booked under: user types only, by name.
QList<Choice> userTypes(const QSqlDatabase &db);
// Every type (user and built-in), by name: the list window's filter.
QList<Choice> allTypes(const QSqlDatabase &db);
// Every member and customer row (the walk-in customer included), by name.
QList<Choice> members(const QSqlDatabase &db);
// The staff who may be booked on a record, by name: deleted staff (PerFlag 2) are left out,
// except the one with the ID keep, whom a record being corrected names.
QList<Choice> staff(const QSqlDatabase &db, qint64 keep = 0);

// Records of built-in types and of types whose Flag marks them built in are locked.
bool isLockedType(qint64 typeId, int flag);

// What the list shows: one type or all (typeId 0), the days from..to (both included; either
// left open), incomes, expenses or both. The sign of an amount says which way the money went:
// an income is stored positive, an expense (a bill paid, a deposit paid back) negative.
struct ListFilter
{
    enum class Direction { Both, Income, Expense };
    qint64 typeId = 0;
    QDate from;
    QDate to;
    Direction direction = Direction::Both;
};

// The list: every record joined with its type (records whose type is gone are left out), with
// the names of its member (ClientName) and of the staff member who handled it (PerName), in the
// order they were booked. Fills *params with the bound values.
QString listSql(const ListFilter &filter, QVariantList *params);
QString listSql(qint64 typeId, QVariantList *params);

// The incomes and the expenses (as a positive amount) of the records a filter shows, and the
// difference; exact, summed in cents by the database.
struct Totals
{
    Money income;
    Money expense;
    Money difference() const { return income - expense; }
};
Totals totals(const QSqlDatabase &db, const ListFilter &filter);

// Whether the records of a type were last booked as expenses (true) or incomes (false);
// nothing for a type without records.
std::optional<bool> usuallyExpense(const QSqlDatabase &db, qint64 typeId);

// The stored record, or nothing when there is no record with this FID.
std::optional<Record> load(const QSqlDatabase &db, qint64 fid);

// Writes a new record (one row) and returns its FID. Throws Db::DbError; refuses a type that
// is not a user type.
qint64 add(const AccountContext &account, const Record &record);
// Rewrites exactly the record record.fid. Throws Db::DbError when it is gone, belongs to a
// locked type, or the new type is not a user type.
void update(const AccountContext &account, const Record &record);
// Deletes exactly the record fid; its type row stays. Throws Db::DbError when it is gone or
// belongs to a locked type.
void remove(const AccountContext &account, qint64 fid);

} // namespace InOutMoney
