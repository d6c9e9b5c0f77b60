#pragma once

#include "data/Money.h"

class AccountContext;
class QSqlDatabase;

// The till journal (TBTill): every booking that moves cash at the counter adds a row with the
// operator at the counter, the time and the amount (positive into the till, negative out),
// written in the booking's own transaction. The rows of an operator not yet closed by a
// cash-up make up his open shift; a correction made later is a row of its own in the shift
// in which it was made, so a closed shift never changes.
namespace Till {

// The lines of a cash-up, in the order the slip prints them.
enum class Line {
    DepositIn = 1,  // deposits taken at rentals
    DepositOut = 2, // deposits paid back at returns (negative)
    Rent = 3,       // rent taken at returns
    Sales = 4,      // sales, their corrections and undos
    OtherIn = 5,    // member payments and income records
    Expense = 6,    // expense records (negative)
};

// Books amount on line of account for its logged-in operator (the context's operatorId);
// nothing when it is zero. Throws Db::DbError.
void book(const AccountContext &account, Line line, Money amount);
// The same on the connection db for the operator of a transaction that names its own.
void bookAs(const QSqlDatabase &db, qint64 userId, Line line, Money amount);

// A record of the income and expense journal changed from before to after (zero for a record
// that did not exist or no longer does): the old amount goes out of its line and the new one
// in. A record with a negative amount is an expense, any other an income.
void bookRecordChange(const AccountContext &account, Money before, Money after);

} // namespace Till
