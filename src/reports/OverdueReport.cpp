#include "OverdueReport.h"

#include "data/SqlDialect.h"

#include <QCoreApplication>

namespace OverdueReport {
namespace {

// Days out is more than N exactly when the rental date lies before today minus N days, so
// the condition is a plain date comparison the index of open lines serves.
QString rowsSql(const QSqlDatabase &db)
{
    return QStringLiteral("SELECT b.DatTime, c.Name AS TitleName, d.Name AS CustName, b.Deposit, "
                          "%1 AS days "
                          "FROM TBBusinessDetail AS b JOIN TBName AS c ON c.ID = b.CDNum "
                          "JOIN TBAssociator AS d ON d.ID = b.Ass_Number "
                          "WHERE b.ReDate IS NULL AND b.DatTime < ? "
                          "ORDER BY b.DatTime, d.Name COLLATE PINYIN, c.Name COLLATE PINYIN, b.ID")
        .arg(SqlDialect::daysBetween(QStringLiteral("b.DatTime"), QStringLiteral("?"), db));
}

const ReportColumn kTitle{0, 64, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
const ReportColumn kDate{64, 30, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "出租日期"))};
const ReportColumn kCustomer{94, 42, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "客户名称"))};
const ReportColumn kDays{136, 22, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "过期天数")),
                         Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kDeposit{158, 32, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "押金金额")),
                            Qt::AlignRight | Qt::AlignVCenter};

constexpr qreal LineH = ReportStyle::LineHeight;

} // namespace

QString title()
{
    return QCoreApplication::translate("OverdueReport", Title.toUtf8().constData());
}

std::optional<int> parseDays(const QString &text)
{
    bool ok = false;
    const int days = text.trimmed().toInt(&ok);
    if (!ok || days < 0)
        return std::nullopt;
    return days;
}

ReportData rows(int moreThanDays, const QDate &today, const QSqlDatabase &db)
{
    const QDate latest = today.addDays(-qint64(moreThanDays));
    return ReportData::fromQuery(rowsSql(db),
                                 {SqlDialect::dateText(today), SqlDialect::dateText(latest)}, db);
}

ReportDefinition definition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(title());

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(top + ReportStyle::addColumnCaptions(
                             head, top, {kTitle, kDate, kCustomer, kDays, kDeposit}));

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn(kTitle.rect(LineH), QStringLiteral("TitleName"));
    detail.addColumn(kDate.rect(LineH), QStringLiteral("DatTime"));
    detail.addColumn(kCustomer.rect(LineH), QStringLiteral("CustName"));
    detail.addColumn(kDays.rect(LineH), QStringLiteral("days")).alignRight();
    detail.addColumn(kDeposit.rect(LineH), QStringLiteral("Deposit"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();

    ReportBand &summary = r.summary().setHeight(LineH + 2);
    summary.setBackground(ReportStyle::Shade).setBold();
    summary.setFrame(ReportFrame::lines(true, false, 0.4));
    summary.addText(kTitle.rect(LineH + 2), QCoreApplication::translate("OverdueReport", "合  计"));
    summary.addSum(kDeposit.rect(LineH + 2), QStringLiteral("Deposit"))
        .setCents()
        .setMask(ReportStyle::MoneyMask)
        .alignRight();
    return r;
}

} // namespace OverdueReport
