#include "ReceiptReport.h"

#include "data/DataModule.h"
#include "data/SqlDialect.h"
#include "toolkit/ReportGenerator.h"

namespace Receipt {
namespace {

constexpr qreal Width = 70;
constexpr qreal Inset = 2;   // keeps the text off the paper's edge on narrow printers
constexpr qreal LineH = 4.5; // one line of 9 pt text
constexpr qreal Inner = Width - 2 * Inset;

// Sale columns: name, quantity, amount.
constexpr qreal NameLeft = Inset, NameWidth = 40;
constexpr qreal CountLeft = 42, CountWidth = 10;
constexpr qreal MoneyLeft = 52, MoneyWidth = Width - Inset - 52;

// Rental and return rows take two lines: the name, then three figures under it.
constexpr qreal FigureWidth[] = {20, 20, Inner - 40};

QFont big()
{
    return QFont(QStringLiteral("Arial"), 16, QFont::Bold);
}

QFont bold9()
{
    return QFont(QStringLiteral("SimSun"), 9, QFont::Bold);
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

QString kindCaption(Kind kind)
{
    switch (kind) {
    case Kind::Rental:
        return QStringLiteral("出 租 单");
    case Kind::Return:
        return QStringLiteral("归 还 单");
    case Kind::Sale:
        break;
    }
    return QStringLiteral("销 售 单");
}

// The three figures of a rental or return row, as text.
QStringList figures(const Content &c, const Line &l)
{
    if (c.kind == Kind::Rental) {
        return {QStringLiteral("租金") + l.rmoney.toString() +
                    (c.perDisc ? QStringLiteral("/张") : QStringLiteral("/天")),
                QStringLiteral("押金") + l.deposit.toString(),
                QStringLiteral("应还") + SqlDialect::dateText(l.due)};
    }
    return {QString::number(l.days) + QStringLiteral("天"),
            QStringLiteral("租金") + l.rent.toString(),
            QStringLiteral("退押金") + l.deposit.toString()};
}

qreal addTitle(ReportBand &title, const Header &header, const Content &content)
{
    // Lines grow only for a shop name or an address too long for one line of the paper.
    const qreal nameHeight = textWidthMm(header.company, 16) > Width ? 14 : 8;
    const QString address = QStringLiteral("地址：") + header.address;
    const qreal addressHeight = textWidthMm(address, 9) > Inner ? 2 * LineH : LineH;
    const QString customer = QStringLiteral("客户：") + content.customer;
    const qreal customerHeight = textWidthMm(customer, 9) > Inner ? 2 * LineH : LineH;
    qreal y = 0;
    title.addText({0, y, Width, 8}, QStringLiteral("欢迎光临")).setFont(big()).alignCenter();
    y += 8;
    title.addText({0, y, Width, nameHeight}, header.company)
        .setFont(big())
        .setWordWrap()
        .alignCenter();
    y += nameHeight;
    title.addText({0, y, Width, 5.5}, kindCaption(content.kind))
        .setFont(QFont(QStringLiteral("SimSun"), 11, QFont::Bold))
        .alignCenter();
    y += 6.5;
    title.addText({Inset, y, Inner, addressHeight}, address)
        .setWordWrap()
        .setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += addressHeight;
    title.addText({Inset, y, Inner, LineH}, QStringLiteral("电话：") + header.tel);
    y += LineH;
    // Receipt number and date share a line, as do the operator and, below, the customer.
    const qreal half = Inner / 2;
    title.addText({Inset, y, half + 4, LineH}, QStringLiteral("单据号：") + number(header.day));
    title.addText({Inset + half + 4, y, half - 4, LineH}, SqlDialect::dateText(header.day))
        .alignRight();
    y += LineH;
    title.addText({Inset, y, Inner, LineH}, QStringLiteral("操作人员：") + header.operatorName);
    y += LineH;
    title.addText({Inset, y, Inner, customerHeight}, customer)
        .setWordWrap()
        .setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += customerHeight;
    return y + 1;
}

void addSaleRows(ReportDefinition &r)
{
    ReportBand &head = r.pageHeader().setHeight(5);
    head.setFont(bold9());
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
    sum.addText({NameLeft, 0, 20, 6}, QStringLiteral("合计：")).setFont(bold9());
    sum.addCount({CountLeft, 0, CountWidth, 6}).alignRight();
    sum.addSum({MoneyLeft, 0, MoneyWidth, 6}, QStringLiteral("Charge"))
        .setCents()
        .setMask(QStringLiteral("#0.00"))
        .alignRight()
        .setBold();
}

void addLeaseRows(ReportDefinition &r, const Content &content)
{
    // Each figure under a disc's name says what it is; the header names the column once.
    ReportBand &head = r.pageHeader().setHeight(LineH + 1);
    head.setFont(bold9());
    head.setFrame(ReportFrame::lines(true, true));
    head.addText({Inset, 0.5, Inner, LineH}, QStringLiteral("影碟名称"));

    ReportBand &detail = r.detail().setHeight(2 * LineH);
    detail.addColumn({Inset, 0, Inner, LineH}, QStringLiteral("name"));
    qreal x = Inset;
    for (int k = 0; k < 3; ++k) {
        detail.addColumn({x, LineH, FigureWidth[k], LineH}, QStringLiteral("F%1").arg(k));
        x += FigureWidth[k];
    }

    const QList<std::pair<QString, QString>> closing = settlementLines(content);
    ReportBand &sum = r.summary().setHeight(LineH * (closing.size() + 1) + 1);
    sum.setFrame(ReportFrame::lines(true, false));
    sum.addText({Inset, 0.5, Inner, LineH},
                QStringLiteral("共 %1 部").arg(content.lines.size()));
    qreal y = 0.5 + LineH;
    for (qsizetype k = 0; k < closing.size(); ++k) {
        const bool last = k == closing.size() - 1;
        sum.addText({Inset, y, 34, LineH}, closing.at(k).first).setBold(last);
        sum.addText({Inset + 34, y, Inner - 34, LineH}, closing.at(k).second)
            .alignRight()
            .setBold(last);
        y += LineH;
    }
}

} // namespace

Header currentHeader()
{
    return Header{ShopCompany, ShopAddress, ShopTel, operatorName(CurrentUserID),
                  QDate::currentDate()};
}

QList<std::pair<QString, QString>> settlementLines(const Content &c)
{
    const auto yuan = [](Money m) { return m.toString() + QStringLiteral("元"); };
    if (c.kind == Kind::Rental) {
        return {{QStringLiteral("押　　金："), yuan(c.deposit)},
                {c.perDisc ? QStringLiteral("租金(还碟时付)：")
                           : QStringLiteral("租金/天(还碟时付)："),
                 yuan(c.rent)},
                {QStringLiteral("本次实收："), yuan(c.settled())}};
    }
    if (c.kind == Kind::Return) {
        const Money diff = c.settled();
        return {{QStringLiteral("退还押金："), yuan(c.deposit)},
                {QStringLiteral("收取租金："), yuan(c.rent)},
                {diff.isNegative() ? QStringLiteral("应收客户：") : QStringLiteral("应退客户："),
                 yuan(diff.isNegative() ? -diff : diff)}};
    }
    return {{QStringLiteral("合　　计："), yuan(total(c.lines))}};
}

ReportData data(const Content &content)
{
    ReportData rows({QStringLiteral("Ass_Number"), QStringLiteral("name"), QStringLiteral("Amount"),
                     QStringLiteral("RMoney"), QStringLiteral("Charge"), QStringLiteral("F0"),
                     QStringLiteral("F1"), QStringLiteral("F2")});
    for (const Line &l : content.lines) {
        const QStringList f = content.kind == Kind::Sale
                                  ? QStringList{QString(), QString(), QString()}
                                  : figures(content, l);
        rows.appendRow({l.customer, l.name, l.amount, l.rmoney.cents(), l.charge().cents(),
                        f.at(0), f.at(1), f.at(2)});
    }
    return rows;
}

ReportDefinition definition(const Header &header, const Content &content)
{
    ReportDefinition r(QStringLiteral("单据"));
    r.setPage(ReportPage::custom(QSizeF(Width, 100), QMarginsF(0, 10, 0, 10)));
    r.setFont(QFont(QStringLiteral("SimSun"), 9));
    ReportBand &title = r.title();
    title.setHeight(addTitle(title, header, content));
    if (content.kind == Kind::Sale)
        addSaleRows(r);
    else
        addLeaseRows(r, content);
    return r;
}

ReportDocument document(const Header &header, const Content &content)
{
    return ReportGenerator::generate(definition(header, content), data(content));
}

} // namespace Receipt
