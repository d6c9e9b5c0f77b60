#pragma once

#include "ReportHeading.h"

#include "data/Db.h"
#include "toolkit/ReportData.h"

#include <memory>

// "租 赁 报 表": every rental line whose rental date lies in a range, returned or not, grouped
// by rental date and within a date by customer, with subtotals and totals of deposit and rent.
// Sale lines have no customer row and never appear; walk-in rentals appear under the walk-in
// customer's name.
namespace RentalReport {

// The title's Chinese source; title() is the title in the program's language.
inline const QString Title = QStringLiteral(QT_TRANSLATE_NOOP("RentalReport", "租 赁 报 表"));
QString title();

// Columns: DatTime, CustID, CustName, TitleName, Categray, Deposit and RMoney (cents), ordered
// by date, customer and title, so that each customer's rentals of a day form one group.
ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db);

ReportDefinition definition(const ReportHeading &heading);

// The same rows read a few days at a time, so that a long range's first page can be laid out
// and shown before its last days are read. Throws Db::DbError when a statement fails.
class RowStream
{
public:
    RowStream(const QDate &from, const QDate &to, const QSqlDatabase &db);
    ~RowStream();
    RowStream(const RowStream &) = delete;
    RowStream &operator=(const RowStream &) = delete;

    QStringList columns() const;
    // Appends the rows of the next days to into, at least minRows of them unless the range
    // ends first; false once the last day has been read.
    bool readMore(ReportData &into, int minRows);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace RentalReport
