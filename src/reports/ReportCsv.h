#pragma once

#include "toolkit/ReportData.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The rows and columns of a report as a table for a spreadsheet: one line per report row,
// each value as the report prints it (amounts with two decimals, without masks or sums).
struct ReportCsvColumn
{
    enum class Kind { Text, Money, Number };
    // All four spelt out, so a list of columns names only what differs from a text column.
    ReportCsvColumn(QString header, QString name, Kind type = Kind::Text,
                    QString emptyText = QString())
        : caption(std::move(header)), field(std::move(name)), kind(type),
          whenNull(std::move(emptyText))
    {
    }
    QString caption;
    QString field;
    Kind kind = Kind::Text;
    QString whenNull; // what an empty value reads as ("未归还" for a disc still out)
};

namespace ReportCsv {

QStringList header(const QList<ReportCsvColumn> &columns);
QList<QStringList> rows(const ReportData &data, const QList<ReportCsvColumn> &columns);

// The columns of each report's table.
QList<ReportCsvColumn> rentalColumns();
QList<ReportCsvColumn> overdueColumns();
QList<ReportCsvColumn> memberColumns();
QList<ReportCsvColumn> rankingColumns(bool byCategory, const QString &quantityCaption);
QList<ReportCsvColumn> stockColumns();
QList<ReportCsvColumn> salesSummaryColumns();
QList<ReportCsvColumn> salesDetailColumns();

} // namespace ReportCsv
