#include "ReportCsv.h"

#include "MemberReport.h"
#include "ReportHeading.h"

#include "toolkit/ReportMask.h"

namespace ReportCsv {
namespace {

using Kind = ReportCsvColumn::Kind;

QString cell(const QVariant &value, const ReportCsvColumn &column)
{
    if (value.isNull())
        return column.whenNull;
    switch (column.kind) {
    case Kind::Money:
        return ReportMask::display(value, ReportStyle::MoneyMask, 100);
    case Kind::Number:
        return ReportMask::display(value, QStringLiteral("0"), 1);
    case Kind::Text:
        break;
    }
    return value.toString();
}

} // namespace

QStringList header(const QList<ReportCsvColumn> &columns)
{
    QStringList captions;
    for (const ReportCsvColumn &c : columns)
        captions << c.caption;
    return captions;
}

QList<QStringList> rows(const ReportData &data, const QList<ReportCsvColumn> &columns)
{
    QList<int> positions;
    for (const ReportCsvColumn &c : columns)
        positions << data.columnIndex(c.field);
    QList<QStringList> table;
    table.reserve(data.rowCount());
    for (int r = 0; r < data.rowCount(); ++r) {
        QStringList line;
        line.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i) {
            const int at = positions.at(i);
            line << (at < 0 ? QString() : cell(data.value(r, at), columns.at(i)));
        }
        table << line;
    }
    return table;
}

QList<ReportCsvColumn> rentalColumns()
{
    return {{QStringLiteral("租赁日期"), QStringLiteral("DatTime")},
            {QStringLiteral("租赁人"), QStringLiteral("CustName")},
            {QStringLiteral("影片名称"), QStringLiteral("TitleName")},
            {QStringLiteral("影片类型"), QStringLiteral("Categray")},
            {QStringLiteral("押金"), QStringLiteral("Deposit"), Kind::Money},
            {QStringLiteral("租金"), QStringLiteral("RMoney"), Kind::Money}};
}

QList<ReportCsvColumn> overdueColumns()
{
    return {{QStringLiteral("影片名称"), QStringLiteral("TitleName")},
            {QStringLiteral("出租日期"), QStringLiteral("DatTime")},
            {QStringLiteral("客户名称"), QStringLiteral("CustName")},
            {QStringLiteral("过期天数"), QStringLiteral("days"), Kind::Number},
            {QStringLiteral("押金金额"), QStringLiteral("Deposit"), Kind::Money}};
}

QList<ReportCsvColumn> memberColumns()
{
    return {{QStringLiteral("客户名称"), QStringLiteral("CustName")},
            {QStringLiteral("可观看影片数"), QStringLiteral("Sum"), Kind::Number},
            {QStringLiteral("租赁日期"), QStringLiteral("DatTime")},
            {QStringLiteral("影片名称"), QStringLiteral("TitleName")},
            {QStringLiteral("观看天数"), QStringLiteral("Days"), Kind::Number,
             MemberReport::NotReturned}};
}

QList<ReportCsvColumn> rankingColumns(bool byCategory, const QString &quantityCaption)
{
    QList<ReportCsvColumn> columns{{QStringLiteral("排名"), QStringLiteral("Place"), Kind::Number}};
    if (byCategory)
        columns.append({QStringLiteral("影片类型"), QStringLiteral("Categray")});
    columns.append({QStringLiteral("影片名称"), QStringLiteral("Name")});
    columns.append({quantityCaption, QStringLiteral("samount"), Kind::Number});
    return columns;
}

QList<ReportCsvColumn> stockColumns()
{
    return {{QStringLiteral("影片类型"), QStringLiteral("Categray")},
            {QStringLiteral("影片名称"), QStringLiteral("Name")},
            {QStringLiteral("语言种类"), QStringLiteral("Nlang")},
            {QStringLiteral("供应商"), QStringLiteral("Company")},
            {QStringLiteral("进货日期"), QStringLiteral("DatTime")},
            {QStringLiteral("部数"), QStringLiteral("SCopy"), Kind::Number},
            {QStringLiteral("数量/每套"), QStringLiteral("Amount"), Kind::Number},
            {QStringLiteral("总数量"), QStringLiteral("SumAmount"), Kind::Number},
            {QStringLiteral("金额"), QStringLiteral("SumMoney"), Kind::Money}};
}

QList<ReportCsvColumn> salesSummaryColumns()
{
    return {{QStringLiteral("类型"), QStringLiteral("categray")},
            {QStringLiteral("影片名称"), QStringLiteral("name")},
            {QStringLiteral("数量"), QStringLiteral("SAmount"), Kind::Number},
            {QStringLiteral("金额"), QStringLiteral("SMoney"), Kind::Money}};
}

QList<ReportCsvColumn> salesDetailColumns()
{
    return {{QStringLiteral("销售日期"), QStringLiteral("dattime")},
            {QStringLiteral("名称"), QStringLiteral("name")},
            {QStringLiteral("单价"), QStringLiteral("RMoney"), Kind::Money},
            {QStringLiteral("数量"), QStringLiteral("Amount"), Kind::Number},
            {QStringLiteral("金额"), QStringLiteral("SumMOney"), Kind::Money}};
}

} // namespace ReportCsv
