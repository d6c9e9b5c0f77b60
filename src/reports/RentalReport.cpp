#include "RentalReport.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

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
    "ORDER BY d.DatTime, c.Name COLLATE PINYIN, c.ID, b.Name COLLATE PINYIN, b.Categray, "
    "d.Deposit, d.RMoney, d.ID");

// The date and the customer leave room for the mark of a heading repeated on the next page.
const ReportColumn kDate{0, 27, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "租赁日期"))};
const ReportColumn kCustomer{27, 31, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "租赁人"))};
const ReportColumn kTitle{58, 54, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
const ReportColumn kCategory{112, 22,
                             QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片类型"))};
const ReportColumn kDeposit{134, 24, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "押金")),
                            Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kRent{158, 32, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "租金")),
                         Qt::AlignRight | Qt::AlignVCenter};

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

QString title()
{
    return QCoreApplication::translate("RentalReport", Title.toUtf8().constData());
}

ReportData rows(const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    return ReportData::fromQuery(kRows, ReportRange::dayBounds(from, to), db);
}

struct RowStream::Private
{
    QSqlQuery query;
    QDate next; // the first day not read yet
    QDate last;
    int span = 1; // days read by one statement, more while they hold few rows
};

RowStream::RowStream(const QDate &from, const QDate &to, const QSqlDatabase &db)
    : d(std::make_unique<Private>())
{
    d->query = QSqlQuery(db);
    d->query.setForwardOnly(true);
    if (!d->query.prepare(kRows))
        throw Db::engineError(d->query.lastError(), kRows, d->query.driver());
    d->next = from;
    d->last = to;
}

RowStream::~RowStream() = default;

QStringList RowStream::columns() const
{
    return {QStringLiteral("DatTime"),   QStringLiteral("CustID"),   QStringLiteral("CustName"),
            QStringLiteral("TitleName"), QStringLiteral("Categray"), QStringLiteral("Deposit"),
            QStringLiteral("RMoney")};
}

bool RowStream::readMore(ReportData &into, int minRows)
{
    // The statement orders by date first: days read one range after the other give the rows
    // in the order one statement over the whole range gives them.
    int added = 0;
    const int columnCount = 7;
    while (d->next.isValid() && d->next <= d->last && added < minRows) {
        const QDate end = std::min(d->next.addDays(d->span - 1), d->last);
        const QVariantList bounds = ReportRange::dayBounds(d->next, end);
        d->query.bindValue(0, bounds.at(0));
        d->query.bindValue(1, bounds.at(1));
        if (!d->query.exec())
            throw Db::engineError(d->query.lastError(), kRows, d->query.driver());
        int read = 0;
        while (d->query.next()) {
            QVariantList row;
            row.reserve(columnCount);
            for (int i = 0; i < columnCount; ++i)
                row << d->query.value(i);
            into.appendRow(std::move(row));
            ++read;
        }
        d->query.finish();
        added += read;
        d->next = end.addDays(1);
        // Quiet days: read more of them at once.
        if (read < minRows / 4)
            d->span = std::min(d->span * 2, 64);
    }
    return d->next.isValid() && d->next <= d->last;
}

ReportDefinition definition(const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(QCoreApplication::translate("RentalReport", "租赁报表"));

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    head.setHeight(top + ReportStyle::addColumnCaptions(
                             head, top, {kDate, kCustomer, kTitle, kCategory, kDeposit, kRent}));

    // Outer group: the rental date; inner group: the customer (by key, so that two customers
    // of the same name stay apart).
    // Both headings are printed again, marked, on a page their rows go on to.
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.setRepeatHeader(true, ReportStyle::continuedMark());
    day.header().setHeight(LineH).addColumn(kDate.rect(LineH), QStringLiteral("DatTime"));
    // The day's sums stand apart from its last customer's: ruled above and bold.
    ReportBand &dayFooter = day.footer().setHeight(LineH + 1);
    dayFooter.setBackground(ReportStyle::LightShade).setBold();
    dayFooter.setFrame(ReportFrame::lines(true, false));
    addSums(dayFooter, LineH + 1, QCoreApplication::translate("RentalReport", "押金小计:"),
            QCoreApplication::translate("RentalReport", "租金小计:"));

    ReportGroup &customer = r.addGroup(QStringLiteral("CustID"));
    customer.setRepeatHeader(true, ReportStyle::continuedMark());
    customer.header().setHeight(LineH).addColumn(kCustomer.rect(LineH), QStringLiteral("CustName"));
    ReportBand &customerFooter = customer.footer().setHeight(LineH);
    customerFooter.setBackground(ReportStyle::LightShade);
    addSums(customerFooter, LineH, QCoreApplication::translate("RentalReport", "押金小计:"),
            QCoreApplication::translate("RentalReport", "租金小计:"));

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
    addSums(summary, LineH + 2, QCoreApplication::translate("RentalReport", "押金合计:"),
            QCoreApplication::translate("RentalReport", "租金合计:"));
    return r;
}

} // namespace RentalReport
