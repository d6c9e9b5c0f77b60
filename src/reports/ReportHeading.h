#pragma once

#include "toolkit/ReportDefinition.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

// What every report shares: A4 portrait paper with 10 mm margins, the heading at the top of
// every page (title, page number, date range, date of tabulation), shaded column captions and
// the date range a report's query covers. Widget-free, so reports are generated and tested
// without a window.

// The heading printed at the top of every page of a report.
struct ReportHeading
{
    QString title; // large, near the centre
    QDate from;    // "从<from>到<to>" under the page number at the right
    QDate to;
    bool showRange = true;
    QString tabulationCaption = QCoreApplication::translate("ReportHeading", "制表日期：");
    QDate tabulated = QDate::currentDate(); // printed after the caption at the left
};

// One column of a report: where its caption and its values stand across the page.
struct ReportColumn
{
    qreal left = 0;
    qreal width = 0;
    // The Chinese source of the caption, marked QT_TRANSLATE_NOOP("ReportColumn", ...):
    // columns are constants made before a translation is loaded, so the caption is translated
    // where it is printed (addColumnCaptions).
    QString caption;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;

    QRectF rect(qreal height, qreal top = 0) const { return QRectF(left, top, width, height); }
};

namespace ReportStyle {

inline constexpr qreal PageWidth = 190;           // inside the margins of A4 portrait
inline constexpr qreal LineHeight = 5;            // one line of 9 pt text
inline constexpr qreal HeadingHeight = 15;        // the heading and the gap below it
inline const QColor Shade(0xD9, 0xD9, 0xD9);      // column captions, summary
inline const QColor LightShade(0xEE, 0xEE, 0xEE); // group footers

// Follows a group's heading printed again at the top of a page its rows go on to: " (续)".
QString continuedMark();

// "#0.00", the mask of every amount in the reports.
inline const QString MoneyMask = QStringLiteral("#0.00");

// A4 portrait, margins 10 mm, SimSun 9 pt, named after the report.
ReportDefinition a4(const QString &name);

// Puts the heading at the top of band (the page header, so it repeats on every page) and
// returns the height it takes, gap included.
qreal addHeading(ReportBand &band, const ReportHeading &heading);

// Puts the shaded column captions into band at top, each translated in the "ReportColumn"
// context, and returns the height they take.
qreal addColumnCaptions(ReportBand &band, qreal top, const QList<ReportColumn> &columns);

// A column caption in the program's language (the caption of a report's CSV table too).
QString columnCaption(const QString &source);

// The form a report prints dates in.
QString dateText(const QDate &date);

} // namespace ReportStyle

namespace ReportRange {

// The bound values of "DatTime >= ? AND DatTime < ?" for the days from..to, both included:
// the first day and the day after the last, so a date stored with a time of day still falls
// inside its day.
QVariantList dayBounds(const QDate &from, const QDate &to);

} // namespace ReportRange
