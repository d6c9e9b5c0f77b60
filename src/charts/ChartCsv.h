#pragma once

#include "ChartData.h"

#include <QList>
#include <QStringList>

// The figures a chart shows, as the rows of a table for a CSV file: widget-free, so what a
// chart exports is tested without drawing it.
namespace ChartCsv {

struct Table
{
    QStringList header;
    QList<QStringList> rows;
};

// A pie: one row per slice as drawn (the smallest gathered under "其他"), its name, its figure
// and its share of the whole with one decimal, without the percent sign.
Table slices(const QList<Charts::Slice> &slices, const QString &nameCaption,
             const QString &valueCaption);

// The monthly chart: one row per month of either chart, in month order, with the spending,
// the rent and the deposits paid back (two decimals; empty where that chart has no bar).
Table months(const QList<Charts::MonthSpending> &spent,
             const QList<Charts::MonthTakings> &taken);

} // namespace ChartCsv
