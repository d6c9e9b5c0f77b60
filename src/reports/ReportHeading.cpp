#include "ReportHeading.h"

#include "data/SqlDialect.h"

#include <QCoreApplication>

namespace ReportStyle {

ReportDefinition a4(const QString &name)
{
    ReportDefinition r(name);
    r.setPage(ReportPage::a4(10));
    r.setFont(QFont(QStringLiteral("SimSun"), 9));
    return r;
}

qreal addHeading(ReportBand &band, const ReportHeading &heading)
{
    // Title across the middle; the page number and the range at the right; the date of
    // tabulation at the left, level with the range.
    band.addText({45, 0, 100, 11}, heading.title)
        .setFont(QFont(QStringLiteral("SimSun"), 18, QFont::Bold))
        .alignCenter();
    band.addPageNumber({140, 1, PageWidth - 140, LineHeight},
                       QCoreApplication::translate("ReportHeading", "第 %1 页"))
        .alignRight();
    if (heading.showRange) {
        band.addText({120, 7, PageWidth - 120, LineHeight},
                     QCoreApplication::translate("ReportHeading", "从%1到%2")
                         .arg(dateText(heading.from), dateText(heading.to)))
            .alignRight();
    }
    band.addText({0, 7, 70, LineHeight},
                 heading.tabulationCaption + QStringLiteral(" ") + dateText(heading.tabulated));
    band.addLine({0, 13}, {PageWidth, 13}, 0.4);
    return HeadingHeight;
}

qreal addColumnCaptions(ReportBand &band, qreal top, const QList<ReportColumn> &columns)
{
    const qreal height = 6;
    band.addText({0, top, PageWidth, height}, QString()).setBackground(Shade);
    for (const ReportColumn &c : columns) {
        band.addText(c.rect(height, top), columnCaption(c.caption))
            .setAlignment(c.alignment)
            .setBold();
    }
    band.addLine({0, top + height}, {PageWidth, top + height});
    return height;
}

QString continuedMark()
{
    return QCoreApplication::translate("ReportHeading", " (续)");
}

QString columnCaption(const QString &source)
{
    if (source.isEmpty())
        return source;
    return QCoreApplication::translate("ReportColumn", source.toUtf8().constData());
}

QString dateText(const QDate &date)
{
    return SqlDialect::dateText(date);
}

} // namespace ReportStyle

namespace ReportRange {

QVariantList dayBounds(const QDate &from, const QDate &to)
{
    return {SqlDialect::dateText(from), SqlDialect::dateText(to.addDays(1))};
}

} // namespace ReportRange
