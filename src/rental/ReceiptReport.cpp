#include "ReceiptReport.h"

#include "data/DataModule.h"
#include "data/SqlDialect.h"
#include "toolkit/ReportGenerator.h"

#include <QCoreApplication>

namespace Receipt {
namespace {

constexpr qreal Inset = 2;   // keeps the text off the paper's edge on narrow printers
constexpr qreal LineH = 4.5; // one line of 9 pt text

// Where the columns go on paper of a width: the 70 mm slip, or a 58 mm or 80 mm roll.
struct Geometry
{
    explicit Geometry(qreal paperWidth)
        : width(paperWidth), inner(paperWidth - 2 * Inset), narrow(paperWidth < 70)
    {
        const qreal scale = inner / 66; // the slip's columns, widened or narrowed
        moneyWidth = 16 * scale;
        moneyLeft = width - Inset - moneyWidth;
        countLeft = moneyLeft - 10;
        nameWidth = countLeft - Inset;
        if (narrow) {
            // Two figures on the line under the name, the third on a line of its own.
            figures[0] = {Inset, 1, inner / 2};
            figures[1] = {Inset + inner / 2, 1, inner / 2};
            figures[2] = {Inset, 2, inner};
        } else {
            figures[0] = {Inset, 1, 20 * scale};
            figures[1] = {Inset + 20 * scale, 1, 20 * scale};
            figures[2] = {Inset + 40 * scale, 1, inner - 40 * scale};
        }
    }
    int leaseLines() const { return narrow ? 3 : 2; }

    struct Figure
    {
        qreal left = 0;
        int line = 0; // 0 is the name's line
        qreal width = 0;
    };
    qreal width;
    qreal inner;
    bool narrow;
    qreal moneyWidth = 0;
    qreal moneyLeft = 0;
    qreal countLeft = 0;
    qreal nameWidth = 0;
    Figure figures[3];
};

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
        return QCoreApplication::translate("Receipt", "出 租 单");
    case Kind::Return:
        return QCoreApplication::translate("Receipt", "归 还 单");
    case Kind::Sale:
        break;
    }
    return QCoreApplication::translate("Receipt", "销 售 单");
}

// The three figures of a rental or return row, as text.
QStringList figures(const Content &c, const Line &l)
{
    if (c.kind == Kind::Rental) {
        return {(c.perDisc ? QCoreApplication::translate("Receipt", "租金%1/张")
                           : QCoreApplication::translate("Receipt", "租金%1/天"))
                    .arg(l.rmoney.toString()),
                QCoreApplication::translate("Receipt", "押金%1").arg(l.deposit.toString()),
                QCoreApplication::translate("Receipt", "应还%1").arg(SqlDialect::dateText(l.due))};
    }
    return {QCoreApplication::translate("Receipt", "%1天").arg(l.days),
            QCoreApplication::translate("Receipt", "租金%1").arg(l.rent.toString()),
            QCoreApplication::translate("Receipt", "退押金%1").arg(l.deposit.toString())};
}

qreal addTitle(ReportBand &title, const Header &header, const Content &content, const Geometry &g)
{
    const qreal Width = g.width;
    const qreal Inner = g.inner;
    // Lines grow only for a shop name or an address too long for one line of the paper.
    const qreal nameHeight = textWidthMm(header.company, 16) > Width ? 14 : 8;
    const QString address = QCoreApplication::translate("Receipt", "地址：%1").arg(header.address);
    const qreal addressHeight = textWidthMm(address, 9) > Inner ? 2 * LineH : LineH;
    const QString customer =
        QCoreApplication::translate("Receipt", "客户：%1").arg(content.customer);
    const qreal customerHeight = textWidthMm(customer, 9) > Inner ? 2 * LineH : LineH;
    qreal y = 0;
    title.addText({0, y, Width, 8}, QCoreApplication::translate("Receipt", "欢迎光临"))
        .setFont(big())
        .alignCenter();
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
    title.addText({Inset, y, Inner, LineH},
                  QCoreApplication::translate("Receipt", "电话：%1").arg(header.tel));
    y += LineH;
    // Receipt number and date share a line, as do the operator and, below, the customer.
    const qreal half = Inner / 2;
    title.addText({Inset, y, half + 4, LineH},
                  QCoreApplication::translate("Receipt", "单据号：%1").arg(number(header.day)));
    title.addText({Inset + half + 4, y, half - 4, LineH}, SqlDialect::dateText(header.day))
        .alignRight();
    y += LineH;
    title.addText({Inset, y, Inner, LineH},
                  QCoreApplication::translate("Receipt", "操作人员：%1").arg(header.operatorName));
    y += LineH;
    title.addText({Inset, y, Inner, customerHeight}, customer)
        .setWordWrap()
        .setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += customerHeight;
    return y + 1;
}

void addSaleRows(ReportDefinition &r, const Geometry &g)
{
    const qreal NameLeft = Inset, NameWidth = g.nameWidth;
    const qreal CountLeft = g.countLeft, CountWidth = 10;
    const qreal MoneyLeft = g.moneyLeft, MoneyWidth = g.moneyWidth;
    ReportBand &head = r.pageHeader().setHeight(5);
    head.setFont(bold9());
    head.setFrame(ReportFrame::lines(true, true));
    head.addText({NameLeft, 0, NameWidth, 5}, QCoreApplication::translate("Receipt", "影碟名称"));
    head.addText({CountLeft, 0, CountWidth, 5}, QCoreApplication::translate("Receipt", "数量"))
        .alignRight();
    head.addText({MoneyLeft, 0, MoneyWidth, 5}, QCoreApplication::translate("Receipt", "金额"))
        .alignRight();

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn({NameLeft, 0, NameWidth, LineH}, QStringLiteral("name"));
    detail.addColumn({CountLeft, 0, CountWidth, LineH}, QStringLiteral("Amount")).alignRight();
    detail.addColumn({MoneyLeft, 0, MoneyWidth, LineH}, QStringLiteral("Charge"))
        .setCents()
        .setMask(QStringLiteral("#0.00"))
        .alignRight();

    ReportBand &sum = r.summary().setHeight(6);
    sum.setFrame(ReportFrame::lines(true, false));
    sum.addText({NameLeft, 0, 20, 6}, QCoreApplication::translate("Receipt", "合计："))
        .setFont(bold9());
    sum.addCount({CountLeft, 0, CountWidth, 6}).alignRight();
    sum.addSum({MoneyLeft, 0, MoneyWidth, 6}, QStringLiteral("Charge"))
        .setCents()
        .setMask(QStringLiteral("#0.00"))
        .alignRight()
        .setBold();
}

void addLeaseRows(ReportDefinition &r, const Content &content, const Geometry &g)
{
    const qreal Inner = g.inner;
    // Each figure under a disc's name says what it is; the header names the column once.
    ReportBand &head = r.pageHeader().setHeight(LineH + 1);
    head.setFont(bold9());
    head.setFrame(ReportFrame::lines(true, true));
    head.addText({Inset, 0.5, Inner, LineH}, QCoreApplication::translate("Receipt", "影碟名称"));

    ReportBand &detail = r.detail().setHeight(g.leaseLines() * LineH);
    detail.addColumn({Inset, 0, Inner, LineH}, QStringLiteral("name"));
    for (int k = 0; k < 3; ++k) {
        const Geometry::Figure &f = g.figures[k];
        detail.addColumn({f.left, f.line * LineH, f.width, LineH}, QStringLiteral("F%1").arg(k));
    }

    const QList<std::pair<QString, QString>> closing = settlementLines(content);
    ReportBand &sum = r.summary().setHeight(LineH * (closing.size() + 1) + 1);
    sum.setFrame(ReportFrame::lines(true, false));
    sum.addText({Inset, 0.5, Inner, LineH},
                QCoreApplication::translate("Receipt", "共 %1 部").arg(content.lines.size()));
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

Header currentHeader(const AccountContext &account)
{
    return Header{account.shop().company, account.shop().address, account.shop().telephone,
                  operatorName(account.db(), account.operatorId()), QDate::currentDate()};
}

QList<std::pair<QString, QString>> settlementLines(const Content &c)
{
    const auto yuan = [](Money m) {
        return QCoreApplication::translate("Receipt", "%1元").arg(m.toString());
    };
    if (c.kind == Kind::Rental) {
        return {{QCoreApplication::translate("Receipt", "押　　金："), yuan(c.deposit)},
                {c.perDisc ? QCoreApplication::translate("Receipt", "租金(还碟时付)：")
                           : QCoreApplication::translate("Receipt", "租金/天(还碟时付)："),
                 yuan(c.rent)},
                {QCoreApplication::translate("Receipt", "本次实收："), yuan(c.settled())}};
    }
    if (c.kind == Kind::Return) {
        const Money diff = c.settled();
        return {{QCoreApplication::translate("Receipt", "退还押金："), yuan(c.deposit)},
                {QCoreApplication::translate("Receipt", "收取租金："), yuan(c.rent)},
                {diff.isNegative() ? QCoreApplication::translate("Receipt", "应收客户：")
                                   : QCoreApplication::translate("Receipt", "应退客户："),
                 yuan(diff.isNegative() ? -diff : diff)}};
    }
    return {{QCoreApplication::translate("Receipt", "合　　计："), yuan(total(c.lines))}};
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
        rows.appendRow({l.customer, l.name, l.amount, l.rmoney.cents(), l.charge().cents(), f.at(0),
                        f.at(1), f.at(2)});
    }
    return rows;
}

ReportDefinition definition(const Header &header, const Content &content,
                            ReceiptPaper::Format paper)
{
    const Geometry g(ReceiptPaper::widthMm(paper));
    ReportDefinition r(QCoreApplication::translate("Receipt", "单据"));
    r.setFont(QFont(QStringLiteral("SimSun"), 9));
    ReportBand &title = r.title();
    title.setHeight(addTitle(title, header, content, g));
    if (content.kind == Kind::Sale)
        addSaleRows(r, g);
    else
        addLeaseRows(r, content, g);
    // A roll is cut right after the last line: as long as the bands the content fills.
    const qreal length = r.title().height() + r.pageHeader().height() +
                         content.lines.size() * r.detail().height() + r.summary().height();
    r.setPage(ReceiptPaper::page(paper, length));
    return r;
}

ReportDocument document(const Header &header, const Content &content, ReceiptPaper::Format paper)
{
    return ReportGenerator::generate(definition(header, content, paper), data(content));
}

} // namespace Receipt
