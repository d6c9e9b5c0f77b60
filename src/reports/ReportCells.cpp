#include "ReportCells.h"

namespace ReportCells {
namespace {

const QString CountMask = QStringLiteral("0");

} // namespace

ReportField &text(ReportBand &band, const ReportColumn &column, const QString &field)
{
    return band.addColumn(column.rect(band.height()), field);
}

ReportField &money(ReportBand &band, const ReportColumn &column, const QString &field)
{
    return band.addColumn(column.rect(band.height()), field)
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();
}

ReportField &moneySum(ReportBand &band, const ReportColumn &column, const QString &field)
{
    return band.addSum(column.rect(band.height()), field)
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();
}

ReportField &count(ReportBand &band, const ReportColumn &column, const QString &field)
{
    return band.addColumn(column.rect(band.height()), field).setMask(CountMask).alignRight();
}

ReportField &countSum(ReportBand &band, const ReportColumn &column, const QString &field)
{
    return band.addSum(column.rect(band.height()), field).setMask(CountMask).alignRight();
}

ReportBand &totals(ReportBand &band, const QColor &shade)
{
    band.setHeight(RowHeight + 1);
    band.setBold().setBackground(shade).setFrame(ReportFrame::lines(true, false));
    return band;
}

ReportBand &groupHeader(ReportBand &band)
{
    band.setHeight(RowHeight + 0.5);
    band.setBold();
    return band;
}

} // namespace ReportCells
