#pragma once

#include "ReportHeading.h"

#include "data/Db.h"
#include "toolkit/ReportData.h"

// "会员租赁报表": the rentals of a date range grouped by customer, with each customer's
// remaining allowance, the days each disc was kept ("未归还" while it is out), a count per
// customer and one for the whole report. The customer with ID 1 is left out; the walk-in
// customer is included.
namespace MemberReport {

// The Chinese sources of the title and of "未归还"; title() and notReturned() are the texts
// in the program's language.
inline const QString Title = QStringLiteral(QT_TRANSLATE_NOOP("MemberReport", "会员租赁报表"));
inline const QString NotReturned = QStringLiteral(QT_TRANSLATE_NOOP("MemberReport", "未归还"));
QString title();
QString notReturned();

// Columns: CustID, CustName, Sum (allowance left), DatTime, TitleName, ReDate, Days (whole
// days kept, null while out). Every rental line of the days from..to, both included, by
// customer name, rental date and title.
ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db);

ReportDefinition definition(const ReportHeading &heading);

} // namespace MemberReport
