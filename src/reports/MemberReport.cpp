#include "MemberReport.h"

#include "data/SqlDialect.h"

#include <QCoreApplication>

namespace MemberReport {
namespace {

QString rowsSql(const QSqlDatabase &db)
{
    return QStringLiteral(
               "SELECT c.ID AS CustID, c.Name AS CustName, c.Sum, b.DatTime, "
               "d.Name AS TitleName, b.ReDate, "
               "CASE WHEN b.ReDate IS NULL OR b.ReDate = '' THEN NULL ELSE %1 END AS Days "
               "FROM TBBusinessDetail AS b JOIN TBAssociator AS c ON c.ID = b.Ass_Number "
               "JOIN TBName AS d ON d.ID = b.CDNum "
               "WHERE b.Ass_Number <> 1 AND b.DatTime >= ? AND b.DatTime < ? "
               "ORDER BY c.Name COLLATE PINYIN, c.ID, b.DatTime, d.Name COLLATE PINYIN, b.ReDate, "
               "b.ID")
        .arg(SqlDialect::daysBetween(QStringLiteral("b.DatTime"), QStringLiteral("b.ReDate"), db));
}

const ReportColumn kCustomer{0, 44, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "客户名称"))};
const ReportColumn kAllowance{44, 28,
                              QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "可观看影片数")),
                              Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kDate{78, 30, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "租赁日期"))};
const ReportColumn kTitle{108, 58, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
const ReportColumn kDays{166, 24, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "观看天数")),
                         Qt::AlignRight | Qt::AlignVCenter};

constexpr qreal LineH = ReportStyle::LineHeight;

} // namespace

QString title()
{
    return QCoreApplication::translate("MemberReport", Title.toUtf8().constData());
}

QString notReturned()
{
    return QCoreApplication::translate("MemberReport", NotReturned.toUtf8().constData());
}

ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    return ReportData::fromQuery(rowsSql(db), ReportRange::dayBounds(from, to), db);
}

ReportDefinition definition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(title());

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(top + ReportStyle::addColumnCaptions(
                             head, top, {kCustomer, kAllowance, kDate, kTitle, kDays}));

    // One group per customer (by key: two customers may share a name).
    ReportGroup &customer = r.addGroup(QStringLiteral("CustID"));
    customer.setRepeatHeader(true, ReportStyle::continuedMark());
    ReportBand &header = customer.header().setHeight(LineH + 1);
    header.setBold();
    header.addColumn(kCustomer.rect(LineH + 1), QStringLiteral("CustName"));
    header.addColumn(kAllowance.rect(LineH + 1), QStringLiteral("Sum")).alignRight();
    ReportBand &footer = customer.footer().setHeight(LineH + 1);
    footer.setBackground(ReportStyle::LightShade);
    footer.addCount({kDate.left, 0, kTitle.left + kTitle.width - kDate.left, LineH + 1})
        .setMask(QCoreApplication::translate("MemberReport", "'小计:  共 '0' 部'",
                                             "number mask: quoted text, 0 the count"));

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn(kDate.rect(LineH), QStringLiteral("DatTime"));
    detail.addColumn(kTitle.rect(LineH), QStringLiteral("TitleName"));
    detail
        .addComputed(kDays.rect(LineH),
                     [out = notReturned()](const ReportContext &c) {
                         const QVariant days = c.value(QStringLiteral("Days"));
                         return days.isNull() ? out : days.toString();
                     })
        .alignRight();

    ReportBand &summary = r.summary().setHeight(LineH + 2);
    summary.setBackground(ReportStyle::Shade).setBold();
    summary.setFrame(ReportFrame::lines(true, false, 0.4));
    summary.addCount({kDate.left, 0, kTitle.left + kTitle.width - kDate.left, LineH + 2})
        .setMask(QCoreApplication::translate("MemberReport", "'合计:  共 '0' 部'",
                                             "number mask: quoted text, 0 the count"));
    return r;
}

} // namespace MemberReport
