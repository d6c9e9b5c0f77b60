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

// A column's caption in the program's language, the same as the report prints.
QString caption(const char *source)
{
    return ReportStyle::columnCaption(QString::fromUtf8(source));
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
    return {{caption(QT_TRANSLATE_NOOP("ReportColumn", "租赁日期")), QStringLiteral("DatTime")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "租赁人")), QStringLiteral("CustName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("TitleName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片类型")), QStringLiteral("Categray")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "押金")), QStringLiteral("Deposit"),
             Kind::Money},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "租金")), QStringLiteral("RMoney"),
             Kind::Money}};
}

QList<ReportCsvColumn> overdueColumns()
{
    return {{caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("TitleName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "出租日期")), QStringLiteral("DatTime")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "客户名称")), QStringLiteral("CustName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "过期天数")), QStringLiteral("days"),
             Kind::Number},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "押金金额")), QStringLiteral("Deposit"),
             Kind::Money}};
}

QList<ReportCsvColumn> memberColumns()
{
    return {{caption(QT_TRANSLATE_NOOP("ReportColumn", "客户名称")), QStringLiteral("CustName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "可观看影片数")), QStringLiteral("Sum"),
             Kind::Number},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "租赁日期")), QStringLiteral("DatTime")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("TitleName")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "观看天数")), QStringLiteral("Days"),
             Kind::Number, MemberReport::notReturned()}};
}

QList<ReportCsvColumn> rankingColumns(bool byCategory, const QString &quantityCaption)
{
    QList<ReportCsvColumn> columns{{caption(QT_TRANSLATE_NOOP("ReportColumn", "排名")),
                                    QStringLiteral("Place"), Kind::Number}};
    if (byCategory)
        columns.append(
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片类型")), QStringLiteral("Categray")});
    columns.append(
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("Name")});
    columns.append({quantityCaption, QStringLiteral("samount"), Kind::Number});
    return columns;
}

QList<ReportCsvColumn> stockColumns()
{
    return {
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片类型")), QStringLiteral("Categray")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("Name")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "语言种类")), QStringLiteral("Nlang")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "供应商")), QStringLiteral("Company")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "进货日期")), QStringLiteral("DatTime")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "部数")), QStringLiteral("SCopy"), Kind::Number},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "数量/每套")), QStringLiteral("Amount"),
         Kind::Number},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "总数量")), QStringLiteral("SumAmount"),
         Kind::Number},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "金额")), QStringLiteral("SumMoney"),
         Kind::Money}};
}

QList<ReportCsvColumn> salesSummaryColumns()
{
    return {{caption(QT_TRANSLATE_NOOP("ReportColumn", "类型")), QStringLiteral("categray")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "影片名称")), QStringLiteral("name")},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "数量")), QStringLiteral("SAmount"),
             Kind::Number},
            {caption(QT_TRANSLATE_NOOP("ReportColumn", "金额")), QStringLiteral("SMoney"),
             Kind::Money}};
}

QList<ReportCsvColumn> salesDetailColumns()
{
    return {
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "销售日期")), QStringLiteral("dattime")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "名称")), QStringLiteral("name")},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "单价")), QStringLiteral("RMoney"), Kind::Money},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "数量")), QStringLiteral("Amount"),
         Kind::Number},
        {caption(QT_TRANSLATE_NOOP("ReportColumn", "金额")), QStringLiteral("SumMOney"),
         Kind::Money}};
}

} // namespace ReportCsv
