#include "RentalReport.h"

namespace RentalReport {
namespace {

// The range is read through the index on DatTime; the join finds each line's title and
// customer by key.
const QString kRows = QStringLiteral(
    "SELECT d.DatTime, c.ID AS CustID, c.Name AS CustName, b.Name AS TitleName, b.Categray, "
    "d.Deposit, d.RMoney "
    "FROM TBBusinessDetail AS d JOIN TBName AS b ON b.ID = d.CDNum "
    "JOIN TBAssociator AS c ON c.ID = d.Ass_Number "
    "WHERE d.DatTime >= ? AND d.DatTime < ? "
    "ORDER BY d.DatTime, c.Name, c.ID, b.Name, b.Categray, d.Deposit, d.RMoney, d.ID");

const ReportColumn kDate{0, 24, QStringLiteral("租赁日期")};
const ReportColumn kCustomer{24, 30, QStringLiteral("租赁人")};
const ReportColumn kTitle{54, 58, QStringLiteral("影片名称")};
const ReportColumn kCategory{112, 22, QStringLiteral("影片类型")};
const ReportColumn kDeposit{134, 24, QStringLiteral("押金"), Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kRent{158, 32, QStringLiteral("租金"), Qt::AlignRight | Qt::AlignVCenter};

constexpr qreal LineH = ReportStyle::LineHeight;

// The deposit and rent sums of a footer or the summary, each right-aligned under its column
// with its caption in front.
void addSums(ReportBand &band, qreal height, const QString &depositCaption,
             const QString &rentCaption)
{
    band.addSum({60, 0, kDeposit.left + kDeposit.width - 60, height}, QStringLiteral("Deposit"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .setPrefix(depositCaption + QLatin1Char(' '))
        .alignRight();
    band.addSum(kRent.rect(height), QStringLiteral("RMoney"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .setPrefix(rentCaption + QLatin1Char(' '))
        .alignRight();
}

} // namespace

ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    return ReportData::fromQuery(kRows, ReportRange::dayBounds(from, to), db);
}

ReportDefinition definition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(QStringLiteral("租赁报表"));

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(top + ReportStyle::addColumnCaptions(
                             head, top, {kDate, kCustomer, kTitle, kCategory, kDeposit, kRent}));

    // Outer group: the rental date; inner group: the customer (by key, so that two customers
    // of the same name stay apart).
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.header().setHeight(LineH).addColumn(kDate.rect(LineH), QStringLiteral("DatTime"));
    // The day's sums stand apart from its last customer's: ruled above and bold.
    ReportBand &dayFooter = day.footer().setHeight(LineH + 1);
    dayFooter.setBackground(ReportStyle::LightShade).setBold();
    dayFooter.setFrame(ReportFrame::lines(true, false));
    addSums(dayFooter, LineH + 1, QStringLiteral("押金小计:"), QStringLiteral("租金小计:"));

    ReportGroup &customer = r.addGroup(QStringLiteral("CustID"));
    customer.header().setHeight(LineH).addColumn(kCustomer.rect(LineH), QStringLiteral("CustName"));
    ReportBand &customerFooter = customer.footer().setHeight(LineH);
    customerFooter.setBackground(ReportStyle::LightShade);
    addSums(customerFooter, LineH, QStringLiteral("押金小计:"), QStringLiteral("租金小计:"));

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn(kTitle.rect(LineH), QStringLiteral("TitleName"));
    detail.addColumn(kCategory.rect(LineH), QStringLiteral("Categray"));
    detail.addColumn(kDeposit.rect(LineH), QStringLiteral("Deposit"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();
    detail.addColumn(kRent.rect(LineH), QStringLiteral("RMoney"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();

    ReportBand &summary = r.summary().setHeight(LineH + 2);
    summary.setBackground(ReportStyle::Shade).setBold();
    summary.setFrame(ReportFrame::lines(true, false, 0.4));
    addSums(summary, LineH + 2, QStringLiteral("押金合计:"), QStringLiteral("租金合计:"));
    return r;
}

} // namespace RentalReport
