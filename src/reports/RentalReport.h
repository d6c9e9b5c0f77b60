#pragma once

#include "ReportHeading.h"

#include "data/Db.h"
#include "toolkit/ReportData.h"

// "租 赁 报 表": every rental line whose rental date lies in a range, returned or not, grouped
// by rental date and within a date by customer, with subtotals and totals of deposit and rent.
// Sale lines have no customer row and never appear; walk-in rentals appear under the walk-in
// customer's name.
namespace RentalReport {

inline const QString Title = QStringLiteral("租 赁 报 表");

// Columns: DatTime, CustID, CustName, TitleName, Categray, Deposit and RMoney (cents), ordered
// by date, customer and title, so that each customer's rentals of a day form one group.
ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db = Db::mainConn());

ReportDefinition definition(const ReportHeading &heading);

} // namespace RentalReport
