#include "CashUpSlip.h"

#include "toolkit/ReportGenerator.h"

#include <QCoreApplication>
#include <QtMath>

namespace CashUpSlip {
namespace {

constexpr qreal Inset = 2;
constexpr qreal LineH = 4.5;

QFont body(bool bold = false)
{
    return QFont(QStringLiteral("SimSun"), 9, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

ReportDefinition definition(const CashUp::Record &record, const QString &shopName,
                            ReceiptPaper::Format format)
{
    const qreal width = ReceiptPaper::widthMm(format);
    const qreal inner = width - 2 * Inset;
    ReportDefinition r(QCoreApplication::translate("CashUpSlip", "交班结算单"));
    r.setFont(body());

    ReportBand &title = r.title();
    qreal y = 0;
    title.addText({0, y, width, 7}, QCoreApplication::translate("CashUpSlip", "交班结算单"))
        .setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold))
        .alignCenter();
    y += 7;
    if (!shopName.isEmpty()) {
        title.addText({Inset, y, inner, LineH}, shopName).alignCenter();
        y += LineH;
    }
    auto row = [&](const QString &caption, const QString &value, bool bold = false) {
        title.addText({Inset, y, inner * 0.5, LineH}, caption).setBold(bold);
        title.addText({Inset + inner * 0.5, y, inner * 0.5, LineH}, value)
            .alignRight()
            .setBold(bold);
        y += LineH;
    };
    auto rule = [&] {
        y += 1;
        title.addLine({Inset, y}, {width - Inset, y});
        y += 1;
    };
    title.addText({Inset, y, inner, LineH}, QCoreApplication::translate("CashUpSlip", "单    号：%1").arg(record.id));
    y += LineH;
    title.addText({Inset, y, inner, LineH},
                  QCoreApplication::translate("CashUpSlip", "操作人员：%1（%2）").arg(record.userName, QString::number(record.userId)));
    y += LineH;
    title.addText({Inset, y, inner, LineH},
                  QCoreApplication::translate("CashUpSlip", "开始：%1")
                      .arg(record.figures.startAt.isEmpty() ? QCoreApplication::translate("CashUpSlip", "无营业")
                                                            : record.figures.startAt));
    y += LineH;
    title.addText({Inset, y, inner, LineH}, QCoreApplication::translate("CashUpSlip", "结束：%1").arg(record.endAt));
    y += LineH;
    rule();
    for (Till::Line line : CashUp::allLines())
        row(CashUp::lineText(line), record.figures.line(line).toString());
    rule();
    row(QCoreApplication::translate("CashUpSlip", "应有现金"), record.figures.expected().toString(), true);
    row(QCoreApplication::translate("CashUpSlip", "实点现金"), record.counted.toString());
    row(QCoreApplication::translate("CashUpSlip", "差    额"), record.difference.toString(), true);
    if (!record.note.isEmpty()) {
        // A long note wraps; about one line per paper width of text.
        const int lines = 1 + int(record.note.size() * 3.2 / inner);
        title.addText({Inset, y, inner, LineH * lines}, QCoreApplication::translate("CashUpSlip", "备注：%1").arg(record.note))
            .setWordWrap()
            .setAlignment(Qt::AlignLeft | Qt::AlignTop);
        y += LineH * lines;
    }
    y += 3;
    title.addText({Inset, y, inner, LineH}, QCoreApplication::translate("CashUpSlip", "交班人签字："));
    y += LineH + 2;
    title.setHeight(y);
    ReportPage page = ReceiptPaper::page(format, y);
    // The slip's one band cannot go on to a second sheet: a slip too short for it grows.
    const qreal room = page.sizeMm.height() - page.marginsMm.top() - page.marginsMm.bottom();
    if (y > room)
        page.sizeMm.setHeight(page.sizeMm.height() + qCeil(y - room) + 1);
    r.setPage(page);
    return r;
}

ReportDocument document(const CashUp::Record &record, const QString &shopName,
                        ReceiptPaper::Format format)
{
    return ReportGenerator::generate(definition(record, shopName, format), ReportData());
}

ReportDocument report(const ReportData &rows, const QDate &from, const QDate &to)
{
    ReportDefinition r(QCoreApplication::translate("CashUpSlip", "交班结算报表"));
    r.setPage(ReportPage::a4());
    r.setFont(body());
    constexpr qreal W = 190;
    ReportBand &title = r.title().setHeight(16);
    title.addText({0, 0, W, 9}, QCoreApplication::translate("CashUpSlip", "交班结算报表"))
        .setFont(QFont(QStringLiteral("SimSun"), 16, QFont::Bold))
        .alignCenter();
    title
        .addText({0, 10, W, 5}, QCoreApplication::translate("CashUpSlip", "日期：%1 至 %2")
                                    .arg(from.toString(QStringLiteral("yyyy-MM-dd")),
                                         to.toString(QStringLiteral("yyyy-MM-dd"))))
        .alignCenter();

    struct Col
    {
        const char *field;
        const char *caption;
        qreal left;
        qreal width;
        bool money;
    };
    const Col cols[] = {
        {"EndAt", QT_TRANSLATE_NOOP("CashUpSlip", "结束时间"), 0, 40, false},
        {"Name", QT_TRANSLATE_NOOP("CashUpSlip", "操作人员"), 40, 30, false},
        {"Expected", QT_TRANSLATE_NOOP("CashUpSlip", "应有现金"), 70, 30, true},
        {"Counted", QT_TRANSLATE_NOOP("CashUpSlip", "实点现金"), 100, 30, true},
        {"Difference", QT_TRANSLATE_NOOP("CashUpSlip", "差额"), 130, 25, true},
        {"Note", QT_TRANSLATE_NOOP("CashUpSlip", "备注"), 157, 33, false},
    };
    ReportBand &head = r.pageHeader().setHeight(6);
    head.setBold().setFrame(ReportFrame::lines(true, true));
    ReportBand &detail = r.detail().setHeight(5);
    for (const Col &c : cols) {
        ReportField &h = head.addText({c.left, 0, c.width, 6},
                                         QCoreApplication::translate("CashUpSlip", c.caption));
        ReportField &d = detail.addColumn({c.left, 0, c.width, 5}, QLatin1String(c.field));
        if (c.money) {
            h.alignRight();
            d.setCents().setMask(QStringLiteral("#0.00")).alignRight();
        }
    }
    auto sums = [&](ReportBand &band, const QString &caption) {
        band.setHeight(6).setFrame(ReportFrame::lines(true, false));
        band.addText({0, 0, 70, 6}, caption).setBold();
        for (const Col &c : cols) {
            if (c.money) {
                band.addSum({c.left, 0, c.width, 6}, QLatin1String(c.field))
                    .setCents()
                    .setMask(QStringLiteral("#0.00"))
                    .alignRight()
                    .setBold();
            }
        }
    };
    ReportGroup &day = r.addGroup(QStringLiteral("Day"));
    day.header().setHeight(6).addColumn({0, 0, 60, 6}, QStringLiteral("Day")).setBold();
    sums(day.footer(), QCoreApplication::translate("CashUpSlip", "本日合计"));
    sums(r.summary(), QCoreApplication::translate("CashUpSlip", "总计"));
    return ReportGenerator::generate(r, rows);
}

} // namespace CashUpSlip
