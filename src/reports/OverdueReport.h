#pragma once

#include "ReportHeading.h"

#include "data/Db.h"
#include "toolkit/ReportData.h"

#include <optional>

// "租赁过期报表": every disc still out for more than a number of days, with its customer and
// the deposit held. "过期天数" is the whole time out, not the days beyond the limit.
namespace OverdueReport {

// The title's Chinese source; title() is the title in the program's language.
inline const QString Title = QStringLiteral(QT_TRANSLATE_NOOP("OverdueReport", "租赁过期报表"));
QString title();

// The day count typed by the operator: a whole number of days, 0 or more; nullopt otherwise.
std::optional<int> parseDays(const QString &text);

// Open rental lines rented more than moreThanDays days before today. Columns: DatTime,
// TitleName, CustName, Deposit (cents), days; oldest first.
ReportData rows(int moreThanDays, const QDate &today, const QSqlDatabase &db);

ReportDefinition definition(const ReportHeading &heading);

} // namespace OverdueReport
