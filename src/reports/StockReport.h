#pragma once

#include "ReportHeading.h"

#include "toolkit/ReportData.h"

#include <QList>
#include <QString>

#include <optional>

// The stock report: the copies in stock (Quality below 3) grouped by category, one line per
// run of copies that share purchase date, supplier, language, name, sets, discs per set and
// price, with the number of sets, discs and their value, for all suppliers or for one.
namespace StockReport {

// The title's Chinese source; title() is the title in the program's language.
inline constexpr const char *Title = QT_TRANSLATE_NOOP("StockReport", "库 存 报 表");
QString title();

// A supplier as the report's supplier list offers it.
struct Supplier
{
    qint64 id = 0;
    QString company;
};

// Every supplier, ordered by name.
QList<Supplier> suppliers(const QSqlDatabase &db);

// The report's statement; with oneSupplier it has one '?' for the supplier's ID. A copy whose
// supplier no longer exists is counted with an empty supplier, so the totals match the stock
// list instead of losing the copies of a deleted supplier.
QString sql(bool oneSupplier);

// The rows of the report: columns Categray, Name, Nlang, Company, DatTime, SCopy, Amount,
// SumAmount (discs) and SumMoney (value in cents). No supplier: all of them.
ReportData rows(const QSqlDatabase &db, std::optional<qint64> supplierId = std::nullopt);

// A4 portrait: the heading and the column captions on every page, a group per category with
// its subtotals of sets, discs and value, the detail lines and the totals.
ReportDefinition definition(const ReportHeading &heading);

} // namespace StockReport
