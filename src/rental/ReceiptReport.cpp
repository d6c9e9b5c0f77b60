#include "ReceiptReport.h"

#include "data/DataModule.h"
#include "data/SqlDialect.h"
#include "toolkit/ReportGenerator.h"

namespace Receipt {
namespace {

constexpr qreal Width = 70;
constexpr qreal Inset = 2;   // keeps the text off the paper's edge on narrow printers
constexpr qreal LineH = 4.5; // one line of 9 pt text

// Columns: name, quantity, amount.
constexpr qreal NameLeft = Inset, NameWidth = 40;
constexpr qreal CountLeft = 42, CountWidth = 10;
constexpr qreal MoneyLeft = 52, MoneyWidth = Width - Inset - 52;

QFont big()
{
    return QFont(QStringLiteral("Arial"), 16, QFont::Bold);
}

// The width a text takes at a point size, near enough to decide on a second line: a Chinese
// character is as wide as the font is high, a Latin one about half of it.
qreal textWidthMm(const QString &text, qreal points)
{
    const qreal em = points * 25.4 / 72;
    qreal width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x2E80 ? em : em * 0.55;
    return width;
}

} // namespace

Header currentHeader()
{
    return Header{ShopCompany, ShopAddress, ShopTel, CurrentUserID, QDate::currentDate()};
}

ReportData data(const QList<Receipt::Line> &lines)
{
    ReportData rows({QStringLiteral("Ass_Number"), QStringLiteral("name"), QStringLiteral("Amount"),
                     QStringLiteral("RMoney"), QStringLiteral("Charge")});
    for (const Receipt::Line &l : lines) {
        rows.appendRow({l.customer, l.name, l.amount, l.rmoney.cents(), l.charge().cents()});
    }
    return rows;
}

ReportDefinition definition(const Header &header, const QList<Receipt::Line> &lines)
{
    ReportDefinition r(QStringLiteral("单据"));
    r.setPage(ReportPage::custom(QSizeF(Width, 100), QMarginsF(0, 10, 0, 10)));
    r.setFont(QFont(QStringLiteral("SimSun"), 9));

    // Lines grow only for a shop name or an address too long for one line of the paper.
    const qreal nameHeight = textWidthMm(header.company, 16) > Width ? 14 : 8;
    const QString address = QStringLiteral("地址：") + header.address;
    const qreal addressHeight = textWidthMm(address, 9) > Width - 2 * Inset ? 2 * LineH : LineH;
    qreal y = 0;
    ReportBand &title = r.title();
    title.addText({0, y, Width, 8}, QStringLiteral("欢迎光临")).setFont(big()).alignCenter();
    y += 8;
    title.addText({0, y, Width, nameHeight}, header.company)
        .setFont(big())
        .setWordWrap()
        .alignCenter();
    y += nameHeight + 1;
    title.addText({Inset, y, Width - 2 * Inset, addressHeight}, address)
        .setWordWrap()
        .setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += addressHeight;
    const QString rows[] = {QStringLiteral("电话：") + header.tel,
                            QStringLiteral("单 据 号：") + number(header.day),
                            QStringLiteral("日    期：") + SqlDialect::dateText(header.day)};
    for (const QString &text : rows) {
        title.addText({Inset, y, Width - 2 * Inset, LineH}, text);
        y += LineH;
    }
    const qreal half = (Width - 2 * Inset) / 2;
    title.addText({Inset, y, half, LineH}, QStringLiteral("客户编号：") + customerNumber(lines));
    title.addText({Inset + half, y, half, LineH},
                  QStringLiteral("操作人员：") + QString::number(header.operatorId));
    title.setHeight(y + LineH + 1);

    ReportBand &head = r.pageHeader().setHeight(5);
    head.setFont(QFont(QStringLiteral("SimSun"), 9, QFont::Bold));
    head.setFrame(ReportFrame::lines(true, true));
    head.addText({NameLeft, 0, NameWidth, 5}, QStringLiteral("影碟名称"));
    head.addText({CountLeft, 0, CountWidth, 5}, QStringLiteral("数量")).alignRight();
    head.addText({MoneyLeft, 0, MoneyWidth, 5}, QStringLiteral("金额")).alignRight();

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn({NameLeft, 0, NameWidth, LineH}, QStringLiteral("name"));
    detail.addColumn({CountLeft, 0, CountWidth, LineH}, QStringLiteral("Amount")).alignRight();
    detail.addColumn({MoneyLeft, 0, MoneyWidth, LineH}, QStringLiteral("Charge"))
        .setCents()
        .setMask(QStringLiteral("#0.00"))
        .alignRight();

    ReportBand &sum = r.summary().setHeight(6);
    sum.setFrame(ReportFrame::lines(true, false));
    sum.addText({NameLeft, 0, 20, 6}, QStringLiteral("合计："))
        .setFont(QFont(QStringLiteral("SimSun"), 9, QFont::Bold));
    sum.addCount({CountLeft, 0, CountWidth, 6}).alignRight();
    sum.addSum({MoneyLeft, 0, MoneyWidth, 6}, QStringLiteral("Charge"))
        .setCents()
        .setMask(QStringLiteral("#0.00"))
        .alignRight()
        .setBold();
    return r;
}

ReportDocument document(const Header &header, const QList<Receipt::Line> &lines)
{
    return ReportGenerator::generate(definition(header, lines), data(lines));
}

} // namespace Receipt
