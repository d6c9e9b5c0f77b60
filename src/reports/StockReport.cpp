#include "StockReport.h"

#include "ReportCells.h"

#include "data/Db.h"

#include <QCoreApplication>

namespace StockReport {
namespace {

using namespace ReportCells;

const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// The columns across the 190 mm of the page; the category heads its group.
const ReportColumn CategoryCol{0, 16,
                               QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片类型"))};
const ReportColumn NameCol{16, 38, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
const ReportColumn LangCol{54, 14, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "语言种类"))};
const ReportColumn SupplierCol{68, 38, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "供应商"))};
const ReportColumn BoughtCol{106, 20,
                             QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "进货日期"))};
const ReportColumn SetsCol{126, 10, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "部数")),
                           Right};
const ReportColumn PerSetCol{136, 16,
                             QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "数量/每套")), Right};
const ReportColumn DiscsCol{152, 14, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "总数量")),
                            Right};
const ReportColumn ValueCol{166, ReportStyle::PageWidth - 166,
                            QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "金额")), Right};

// Footer and summary: the caption under the name, the three sums under their columns.
void addSums(ReportBand &band, const QString &caption)
{
    band.addText(NameCol.rect(band.height()), caption);
    countSum(band, SetsCol, QStringLiteral("SCopy"));
    countSum(band, DiscsCol, QStringLiteral("SumAmount"));
    moneySum(band, ValueCol, QStringLiteral("SumMoney"));
}

} // namespace

QString title()
{
    return QCoreApplication::translate("StockReport", Title);
}

QList<Supplier> suppliers(const QSqlDatabase &db)
{
    QList<Supplier> list;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Company FROM TbProvide "
                                          "ORDER BY Company COLLATE PINYIN"),
                           {}, db);
    while (q.next())
        list.append(Supplier{Db::integer(q, "ID"), Db::text(q, "Company")});
    return list;
}

QString sql(bool oneSupplier)
{
    // The copies of one row share every grouped column, so SUM(Copy) times the row's discs per
    // set and price gives the discs and the value; amounts stay whole cents.
    QString statement =
        QStringLiteral("SELECT a.Categray AS Categray, a.Name AS Name, a.Nlang AS Nlang, "
                       "b.Company AS Company, a.DatTime AS DatTime, SUM(a.Copy) AS SCopy, "
                       "a.Amount AS Amount, SUM(a.Copy) * a.Amount AS SumAmount, "
                       "SUM(a.Copy) * a.Mone AS SumMoney "
                       "FROM TBName AS a LEFT JOIN TbProvide AS b ON a.Provide = b.ID "
                       "WHERE a.Quality < 3");
    if (oneSupplier)
        statement += QStringLiteral(" AND a.Provide = ?");
    const QString columns = QStringLiteral(
        "a.Categray, a.DatTime, b.Company, a.Nlang, a.Name, a.Copy, a.Amount, a.Mone");
    // The same columns in order, the names in pinyin.
    const QString order = QStringLiteral(
        "a.Categray COLLATE PINYIN, a.DatTime, b.Company COLLATE PINYIN, a.Nlang COLLATE PINYIN, "
        "a.Name COLLATE PINYIN, a.Copy, a.Amount, a.Mone");
    return statement + QStringLiteral(" GROUP BY ") + columns + QStringLiteral(" ORDER BY ") +
           order;
}

ReportData rows(const QSqlDatabase &db, std::optional<qint64> supplierId)
{
    if (supplierId)
        return ReportData::fromQuery(sql(true), {*supplierId}, db);
    return ReportData::fromQuery(sql(false), {}, db);
}

ReportDefinition definition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(QCoreApplication::translate("StockReport", "库存报表"));

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(
        top + ReportStyle::addColumnCaptions(head, top,
                                             {CategoryCol, NameCol, LangCol, SupplierCol, BoughtCol,
                                              SetsCol, PerSetCol, DiscsCol, ValueCol}));

    // One group per category: the rows are ordered by it first.
    ReportGroup &category = r.addGroup(QStringLiteral("Categray"));
    category.setRepeatHeader(true, ReportStyle::continuedMark());
    ReportBand &groupHead = groupHeader(category.header());
    groupHead.addColumn({CategoryCol.left, 0, NameCol.left + NameCol.width, groupHead.height()},
                        QStringLiteral("Categray"));

    ReportBand &detail = r.detail().setHeight(RowHeight);
    text(detail, NameCol, QStringLiteral("Name"));
    text(detail, LangCol, QStringLiteral("Nlang"));
    text(detail, SupplierCol, QStringLiteral("Company"));
    text(detail, BoughtCol, QStringLiteral("DatTime"));
    count(detail, SetsCol, QStringLiteral("SCopy"));
    count(detail, PerSetCol, QStringLiteral("Amount"));
    count(detail, DiscsCol, QStringLiteral("SumAmount"));
    money(detail, ValueCol, QStringLiteral("SumMoney"));

    addSums(totals(category.footer(), ReportStyle::LightShade),
            QCoreApplication::translate("StockReport", "小  计"));
    addSums(totals(r.summary(), ReportStyle::Shade),
            QCoreApplication::translate("StockReport", "合  计"));
    return r;
}

} // namespace StockReport
