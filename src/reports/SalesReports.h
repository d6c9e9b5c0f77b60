#pragma once

#include "ReportHeading.h"

#include "toolkit/ReportData.h"

#include <QDate>
#include <QString>

// The sales summary (quantity and takings per film, grouped by category) and the sales detail
// (every sale line, grouped by sale date) over the sale lines (Ass_Number -1) whose sale date
// lies in a range; both days of the range count.
namespace SalesReports {

// The titles' Chinese sources; summaryTitle() and detailTitle() are the titles in the
// program's language.
inline constexpr const char *SummaryTitle = QT_TRANSLATE_NOOP("SalesReports", "销售汇总报表");
inline constexpr const char *DetailTitle = QT_TRANSLATE_NOOP("SalesReports", "销售明细报表");
QString summaryTitle();
QString detailTitle();

// Two '?' for the first and the last day, in that order.
QString summarySql();
QString detailSql();

// Columns name, categray, SAmount and SMoney (cents); ordered by category and name, so each
// category forms one group.
ReportData summaryRows(const QSqlDatabase &db, const QDate &from, const QDate &to);
// Columns name, categray, dattime, Amount, RMoney (cents) and SumMOney (cents); ordered by
// sale date, name and category, then in the order the lines were written.
ReportData detailRows(const QSqlDatabase &db, const QDate &from, const QDate &to);

// A4 portrait: the heading and the column captions on every page, a group per category
// (summary) or per sale date (detail) with its subtotals of quantity and amount, the totals.
ReportDefinition summaryDefinition(const ReportHeading &heading);
ReportDefinition detailDefinition(const ReportHeading &heading);

} // namespace SalesReports
