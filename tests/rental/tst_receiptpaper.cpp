#include "rental/ReceiptPaper.h"
#include "rental/ReceiptReport.h"
#include "settings/OptionStore.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QTest>

namespace {

Receipt::Content rental(int discs)
{
    Receipt::Content c;
    c.kind = Receipt::Kind::Rental;
    c.customer = QStringLiteral("M001 张伟");
    for (int i = 1; i <= discs; ++i) {
        Receipt::Line l;
        l.name = QStringLiteral("影片%1").arg(i);
        l.rmoney = Money::fromCents(1250);
        l.deposit = Money::fromYuan(20);
        l.due = QDate(2024, 5, 27);
        c.lines << l;
        c.deposit += l.deposit;
        c.rent += l.rmoney;
    }
    return c;
}

const Receipt::Header kHeader{QStringLiteral("星光影碟租售店"), QStringLiteral("文三路 128 号"),
                              QStringLiteral("0571-88886666"), QStringLiteral("李娜"),
                              QDate(2024, 5, 20)};

} // namespace

class tst_ReceiptPaper : public QObject
{
    Q_OBJECT
private slots:
    void rollIsAsLongAsTheContent_data();
    void rollIsAsLongAsTheContent();
    void slipKeepsItsSheet();
    void optionChoosesThePaper();
};

void tst_ReceiptPaper::rollIsAsLongAsTheContent_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("discs");
    QTest::newRow("58 mm, one disc") << int(ReceiptPaper::Format::Roll58) << 1;
    QTest::newRow("58 mm, twelve discs") << int(ReceiptPaper::Format::Roll58) << 12;
    QTest::newRow("80 mm, three discs") << int(ReceiptPaper::Format::Roll80) << 3;
}

void tst_ReceiptPaper::rollIsAsLongAsTheContent()
{
    QFETCH(int, format);
    QFETCH(int, discs);
    const auto paper = ReceiptPaper::Format(format);
    const ReportDocument doc = Receipt::document(kHeader, rental(discs), paper);
    // One piece of roll, however many discs: no page break, no blank paper after the total.
    QCOMPARE(doc.pageCount(), 1);
    const QSizeF size = doc.page().sizeMm;
    QCOMPARE(size.width(), ReceiptPaper::widthMm(paper));
    qreal bottom = 0;
    for (const ReportItem &item : doc.items(0)) {
        QVERIFY2(item.rect.right() <= size.width() + 0.01, qPrintable(item.text));
        bottom = qMax(bottom, item.rect.bottom());
    }
    QVERIFY(bottom <= size.height() - doc.page().marginsMm.bottom() + 0.01);
    QVERIFY2(size.height() - bottom < 10, qPrintable(QString::number(size.height() - bottom)));
    const QString text = doc.pageTexts(0).join(u'|');
    QVERIFY2(text.contains(QStringLiteral("影片%1|租金12.50/天|押金20.00|应还2024-05-27").arg(discs)),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("本次实收：|%1.00元").arg(20 * discs)), qPrintable(text));
}

void tst_ReceiptPaper::slipKeepsItsSheet()
{
    // The slip stays 70 x 100 mm; a long receipt goes on to further slips.
    const ReportDocument doc =
        Receipt::document(kHeader, rental(12), ReceiptPaper::Format::Slip);
    QCOMPARE(doc.page().sizeMm, QSizeF(70, 100));
    QVERIFY(doc.pageCount() > 1);
}

void tst_ReceiptPaper::optionChoosesThePaper()
{
    TestAccount account;
    QCOMPARE(ReceiptPaper::current(account.db()),
             ReceiptPaper::Format::Slip); // a new account: the slip
    Settings::RentalOptions o = Settings::readRentalOptions(account.db());
    QCOMPARE(o.receiptRoll, QStringLiteral("0"));
    o.receiptRoll = QStringLiteral("58");
    Settings::saveRentalOptions(account.context(), o);
    QCOMPARE(ReceiptPaper::current(account.db()), ReceiptPaper::Format::Roll58);
    QCOMPARE(Settings::readRentalOptions(account.db()).receiptRoll, QStringLiteral("58"));
    o.receiptRoll = QStringLiteral("75"); // no such roll
    QCOMPARE(Settings::saveRentalOptions(account.context(), o).receiptRoll, QStringLiteral("0"));
    QCOMPARE(ReceiptPaper::current(account.db()), ReceiptPaper::Format::Slip);
    account.setOption(Schema::OptionReceiptRoll, QStringLiteral("80"));
    QCOMPARE(ReceiptPaper::current(account.db()), ReceiptPaper::Format::Roll80);
}

QTEST_MAIN(tst_ReceiptPaper)
#include "tst_receiptpaper.moc"
