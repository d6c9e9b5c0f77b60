#pragma once

#include "data/Completed.h"
#include "data/CopyRow.h"
#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class AccountContext;
class QSqlDatabase;

// Selling discs: finding a copy that can be sold, writing a sale, correcting and undoing a
// sale line. Every function works on the connection (or the account) it is given and throws
// Db::DbError when the database refuses; each change runs in one transaction and leaves nothing
// behind when it fails.
namespace SaleStore {

// A copy as the sale window shows and sells it.
using SaleCopy = CopyRow;

// One row of the sale window's list: a copy with its price and quantity.
struct SaleRow
{
    SaleCopy copy;
    int amount = 1;
    Money rmoney; // unit price
    // The row's amount as it is stored: the unit price in cents times the quantity.
    Money sum() const { return rmoney.roundedToCents() * amount; }
};

// The copy with this code (whatever its letter case, the exact spelling first) that can be sold:
// its version is a fee class and it has no line without a return date (not rented out, not sold).
// Several copies under one code: the oldest. Quality is not looked at, so a deleted or written-off
// copy can still be sold.
std::optional<SaleCopy> findSaleableCopy(const QSqlDatabase &db, const QString &code);

// The rows of one sale line, for correcting it; empty when there is no such sale line.
QList<SaleRow> loadSaleLine(const QSqlDatabase &db, qint64 lineId);

Money total(const QList<SaleRow> &rows);
// The total, or nullopt when it would go beyond the largest amount an operator can type
// (Money::MaxTypedCents): a slip of the keyboard, never a figure to sell at.
std::optional<Money> checkedTotal(const QList<SaleRow> &rows);

// Writes the sale: one line per row (Ass_Number -1, today's date, the operator), each copy
// marked sold. With editedLineId > 0 the line being corrected is deleted in the same
// transaction, and its copy, when no longer in the sale and no other sale line refers to it,
// goes back into stock. Each copy must still be free, apart from lines of this very sale
// (a copy listed twice writes two lines); otherwise the sale is refused (NotAvailable, with
// the copy's code and title) and nothing is written. Done: the IDs of the lines written, in the
// rows' order.
Db::Completed<QList<qint64>> completeSale(const QSqlDatabase &db, const QList<SaleRow> &rows,
                                          qint64 editedLineId, int operatorId, const QDate &today);

// Undoes one sale line: the line is deleted and its copy returns to stock, unless another
// sale line still refers to the copy. Lines that are not sale lines are never touched.
// False when there was no such sale line.
bool undoSale(const AccountContext &account, qint64 lineId);

// The settlement text: the number of rows (not the quantities) and the total, on two lines
// separated by the character 13.
QString saleSummary(int rowCount, Money total);

// The sales list: every sale line whose copy still exists, newest first.
QString salesListSql();

} // namespace SaleStore
