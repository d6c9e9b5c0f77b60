#pragma once

#include "ReportHeading.h"

// The cells the stock and sales reports put under their columns: amounts in cents through
// "#0.00" and counts through "0", right-aligned, as values of a row or as sums; and the shaded,
// ruled bands of group footers and the summary.
namespace ReportCells {

inline constexpr qreal RowHeight = 5.5;

// The text of a column, filling its width (the first row of a group header, a detail cell).
ReportField &text(ReportBand &band, const ReportColumn &column, const QString &field);

ReportField &money(ReportBand &band, const ReportColumn &column, const QString &field);
ReportField &moneySum(ReportBand &band, const ReportColumn &column, const QString &field);
ReportField &count(ReportBand &band, const ReportColumn &column, const QString &field);
ReportField &countSum(ReportBand &band, const ReportColumn &column, const QString &field);

// A group footer (light shade) or the summary (shade): bold, ruled above.
ReportBand &totals(ReportBand &band, const QColor &shade);

// A group header: the group's value in bold.
ReportBand &groupHeader(ReportBand &band);

} // namespace ReportCells
