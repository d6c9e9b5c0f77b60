#include "SalesReports.h"

#include "ReportCells.h"

#include <QCoreApplication>

namespace SalesReports {
namespace {

using namespace ReportCells;

const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// Sale lines only (Ass_Number -1) in the range. The bounds come from ReportRange::dayBounds:
// the first day and the day after the last, exclusive, so the last day counts in full; the
// (Ass_Number, DatTime) index answers the condition.
const char *const SaleLinesInRange =
    "FROM TBBusinessDetail AS a JOIN TBName AS b ON a.CDNum = b.ID "
    "WHERE a.Ass_Number = -1 AND a.DatTime >= ? AND a.DatTime < ?";

// Summary columns.
const ReportColumn SCategory{0, 30, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "类    型"))};
const ReportColumn SName{30, 90, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
const ReportColumn SCount{120, 30, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "数量")),
                          Right};
const ReportColumn SMoney{150, ReportStyle::PageWidth - 150,
                          QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "金额")), Right};

// Detail columns.
const ReportColumn DDate{0, 28, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "销售日期"))};
const ReportColumn DName{28, 82, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "名   称"))};
const ReportColumn DPrice{110, 26, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "单   价")),
                          Right};
const ReportColumn DCount{136, 22, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "数   量")),
                          Right};
const ReportColumn DMoney{158, ReportStyle::PageWidth - 158,
                          QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "金   额")), Right};

// The heading and the column captions at the top of every page.
void addPageHeader(ReportDefinition &r, const ReportHeading &heading,
                   const QList<ReportColumn> &columns)
{
    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(top + ReportStyle::addColumnCaptions(head, top, columns));
}

// Footer and summary: the caption under the name, quantity and amount under their columns.
void addSums(ReportBand &band, const ReportColumn &captionColumn, const QString &caption,
             const ReportColumn &countColumn, const QString &countField,
             const ReportColumn &moneyColumn, const QString &moneyField)
{
    band.addText(captionColumn.rect(band.height()), caption);
    countSum(band, countColumn, countField);
    moneySum(band, moneyColumn, moneyField);
}

} // namespace

QString summaryTitle()
{
    return QCoreApplication::translate("SalesReports", SummaryTitle);
}

QString detailTitle()
{
    return QCoreApplication::translate("SalesReports", DetailTitle);
}

QString summarySql()
{
    // Ordered by category so that a category's films form one group with one subtotal.
    return QStringLiteral("SELECT b.Name AS name, b.Categray AS categray, "
                          "SUM(a.Amount) AS SAmount, SUM(a.RMoney * a.Amount) AS SMoney ") +
           QLatin1String(SaleLinesInRange) +
           QStringLiteral(" GROUP BY b.Categray, b.Name "
                          "ORDER BY b.Categray COLLATE PINYIN, b.Categray, b.Name COLLATE PINYIN");
}

QString detailSql()
{
    return QStringLiteral("SELECT b.Name AS name, b.Categray AS categray, a.DatTime AS dattime, "
                          "a.Amount AS Amount, a.RMoney AS RMoney, "
                          "a.Amount * a.RMoney AS SumMOney ") +
           QLatin1String(SaleLinesInRange) +
           QStringLiteral(" ORDER BY a.DatTime, b.Name COLLATE PINYIN, b.Categray, a.ID");
}

ReportData summaryRows(const QSqlDatabase &db, const QDate &from, const QDate &to)
{
    return ReportData::fromQuery(summarySql(), ReportRange::dayBounds(from, to), db);
}

ReportData detailRows(const QSqlDatabase &db, const QDate &from, const QDate &to)
{
    return ReportData::fromQuery(detailSql(), ReportRange::dayBounds(from, to), db);
}

ReportDefinition summaryDefinition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(summaryTitle());
    addPageHeader(r, heading, {SCategory, SName, SCount, SMoney});

    ReportGroup &category = r.addGroup(QStringLiteral("categray"));
    category.setRepeatHeader(true, ReportStyle::continuedMark());
    ReportBand &groupHead = groupHeader(category.header());
    groupHead.addColumn({SCategory.left, 0, SName.left + SName.width, groupHead.height()},
                        QStringLiteral("categray"));

    ReportBand &detail = r.detail().setHeight(RowHeight);
    text(detail, SName, QStringLiteral("name"));
    count(detail, SCount, QStringLiteral("SAmount"));
    money(detail, SMoney, QStringLiteral("SMoney"));

    addSums(totals(category.footer(), ReportStyle::LightShade), SName,
            QCoreApplication::translate("SalesReports", "小   计："), SCount,
            QStringLiteral("SAmount"), SMoney, QStringLiteral("SMoney"));
    addSums(totals(r.summary(), ReportStyle::Shade), SName,
            QCoreApplication::translate("SalesReports", "合   计："), SCount,
            QStringLiteral("SAmount"), SMoney, QStringLiteral("SMoney"));
    return r;
}

ReportDefinition detailDefinition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(detailTitle());
    addPageHeader(r, heading, {DDate, DName, DPrice, DCount, DMoney});

    ReportGroup &day = r.addGroup(QStringLiteral("dattime"));
    day.setRepeatHeader(true, ReportStyle::continuedMark());
    ReportBand &groupHead = groupHeader(day.header());
    groupHead.addColumn({DDate.left, 0, DName.left + DName.width, groupHead.height()},
                        QStringLiteral("dattime"));

    ReportBand &detail = r.detail().setHeight(RowHeight);
    text(detail, DName, QStringLiteral("name"));
    money(detail, DPrice, QStringLiteral("RMoney"));
    count(detail, DCount, QStringLiteral("Amount"));
    money(detail, DMoney, QStringLiteral("SumMOney"));

    addSums(totals(day.footer(), ReportStyle::LightShade), DName,
            QCoreApplication::translate("SalesReports", "小   计："), DCount,
            QStringLiteral("Amount"), DMoney, QStringLiteral("SumMOney"));
    addSums(totals(r.summary(), ReportStyle::Shade), DName,
            QCoreApplication::translate("SalesReports", "合   计："), DCount,
            QStringLiteral("Amount"), DMoney, QStringLiteral("SumMOney"));
    return r;
}

} // namespace SalesReports
