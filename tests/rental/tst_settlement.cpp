// The settlement prompt and the receipt: what the receipt prints (rendered to PDF and read
// back), when it prints, and one receipt printed for real on a PDF printer.
#include "RentalTestKeys.h"

#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/ReceiptReport.h"
#include "rental/Settlement.h"
#include "rental/SettlementWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "shell/BaseWindows.h"
#include "support/PrintedPdf.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/ReportPrinter.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using RentalTest::key;
using RentalTest::whenModal;

class tst_Settlement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void receiptOfARental();
    void receiptOfASaleChargesTheQuantity();
    void receiptOfAReturnListsTheReturnedDiscs();
    void receiptWithoutRows();
    void promptShowsTheSummaryAndEnterCloses();
    void printOption_data();
    void printOption();
    void printsOnTheDefaultPrinter();

private:
    Lease::Done rentThree();
    Receipt::Content rentalReceipt();

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    QTemporaryDir *m_prints = nullptr;
    qint64 m_member = 0;
};

void tst_Settlement::initTestCase()
{
    applyCommonLook();
}

void tst_Settlement::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_prints = new QTemporaryDir;
    ReportPrinter::setPdfInstead(m_prints->path());
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    m_account->addFeeClass(QStringLiteral("蓝光"), 550, 5000);
    m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0002"), QStringLiteral("甜蜜蜜"), QStringLiteral("蓝光"));
    m_account->addCopy(QStringLiteral("0003"), QStringLiteral("无间道"), QStringLiteral("DVD"));
    m_member = m_account->addMember(QStringLiteral("M001"), QStringLiteral("张伟"), 10);
    m_account->context().setShop({QStringLiteral("星光影碟租售店"), QStringLiteral("文三路 128 号"),
                                  QStringLiteral("0571-88886666")});
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("李娜"), QString())));
}

void tst_Settlement::cleanup()
{
    ReportPrinter::setPdfInstead(QString());
    delete m_prints;
    delete m_boxes;
    delete m_account;
    m_prints = nullptr;
    m_boxes = nullptr;
    m_account = nullptr;
}

Lease::Done tst_Settlement::rentThree()
{
    Lease::Completion c;
    c.memberId = m_member;
    c.operatorId = m_account->context().operatorId();
    c.now = QDateTime::currentDateTime();
    for (const char *code : {"0001", "0002", "0003"}) {
        const auto copy = Lease::findCopyForRent(m_account->db(), QLatin1String(code));
        c.items << *Lease::makeItem(m_account->db(), *copy, Lease::Mode::RentOut, false,
                                    c.now.date());
        c.depositTotal += c.items.last().addedDeposit;
        c.rentTotal += c.items.last().addedRent;
    }
    const Lease::Result o = Lease::completeRental(m_account->db(), c);
    if (!o.done())
        qFatal("fixture rental failed");
    return o.value();
}

Receipt::Content tst_Settlement::rentalReceipt()
{
    return Receipt::leaseContent(m_account->db(), Lease::Mode::RentOut, rentThree(), false, 7);
}

void tst_Settlement::receiptOfARental()
{
    const Receipt::Content content = rentalReceipt();
    QCOMPARE(content.lines.size(), 3);
    QCOMPARE(content.customer, QStringLiteral("M001 张伟"));
    QCOMPARE(content.deposit, Money::fromCents(2000 + 5000 + 2000));
    QCOMPARE(content.rent, Money::fromCents(300 + 550 + 300));
    QCOMPARE(content.settled(), content.deposit); // renting, the deposit is what is paid

    const ReportDocument doc =
        Receipt::document(Receipt::currentHeader(m_account->context()), content);
    const QString pdf = m_prints->filePath(QStringLiteral("receipt.pdf"));
    QString why;
    QVERIFY2(doc.exportPdf(pdf, &why), qPrintable(why));
    const QString text = PrintedPdf::text(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString day = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString due = QDate::currentDate().addDays(7).toString(Qt::ISODate);
    for (const QString &expected :
         {QStringLiteral("欢迎光临"), QStringLiteral("星光影碟租售店"), QStringLiteral("出租单"),
          QStringLiteral("地址：文三路 128 号"), QStringLiteral("电话：0571-88886666"),
          QStringLiteral("单据号：") + day + QLatin1Char('0') + QLatin1Char(' ') +
              QDate::currentDate().toString(Qt::ISODate),
          QStringLiteral("客户：M001 张伟"), QStringLiteral("操作人员：李娜"),
          QStringLiteral("英雄 租金3.00/天 押金20.00 应还") + due,
          QStringLiteral("甜蜜蜜 租金5.50/天 押金50.00 应还") + due, QStringLiteral("共3部"),
          QStringLiteral("押 金： 90.00元"), QStringLiteral("11.50元"),
          QStringLiteral("本次实收： 90.00元")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
    }

    const QString info = PrintedPdf::runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY(qAbs(size.captured(1).toDouble() - 198.4) < 2.0); // 70 mm
    QVERIFY(qAbs(size.captured(2).toDouble() - 283.5) < 2.0); // 100 mm
}

void tst_Settlement::receiptOfASaleChargesTheQuantity()
{
    const qint64 id = Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons) VALUES (1, 2500, 2, -1, '2024-05-20', 3)"),
        {}, m_account->db());
    const Receipt::Content content = Receipt::saleContent(m_account->db(), {id});
    QCOMPARE(content.customer, QStringLiteral("零售"));
    // Two sets at 25.00 come to 50.00 on the customer's receipt.
    QCOMPARE(Receipt::total(content.lines), Money::fromYuan(50));
    const QString pdf = m_prints->filePath(QStringLiteral("sale.pdf"));
    QVERIFY(
        Receipt::document(Receipt::currentHeader(m_account->context()), content).exportPdf(pdf));
    const QString text = PrintedPdf::text(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("英雄 2 50.00")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计： 1 50.00")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("客户：零售")), qPrintable(text)); // no bare ID -1
}

void tst_Settlement::receiptOfAReturnListsTheReturnedDiscs()
{
    rentThree();
    // Three days out, with the deposit of one line overridden when it went out.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET DatTime = ?, Deposit = 4000 "
                            "WHERE CDNum = 2"),
             {QDate::currentDate().addDays(-3).toString(Qt::ISODate)}, m_account->db());
    Lease::Completion c;
    c.mode = Lease::Mode::TakeBack;
    c.now = QDateTime::currentDateTime();
    for (const char *code : {"0002", "0001"}) {
        const auto copy = Lease::findCopyForReturn(m_account->db(), QLatin1String(code));
        c.items << *Lease::makeItem(m_account->db(), *copy, Lease::Mode::TakeBack, false,
                                    c.now.date());
        c.depositTotal += c.items.last().addedDeposit;
        c.rentTotal += c.items.last().addedRent;
    }
    const Lease::Result o = Lease::completeReturn(m_account->db(), c);
    QVERIFY(o.done());
    const Receipt::Content content =
        Receipt::leaseContent(m_account->db(), Lease::Mode::TakeBack, o.value(), false, 7);
    QCOMPARE(content.lines.size(), 2);
    QCOMPARE(content.lines[0].name, QStringLiteral("甜蜜蜜"));
    QCOMPARE(content.lines[0].days, qint64(3));
    QCOMPARE(content.lines[0].rent, Money::fromCents(3 * 550)); // the line's rate, 3 days
    QCOMPARE(content.lines[0].deposit, Money::fromYuan(40));    // the deposit taken
    QCOMPARE(content.lines[1].rent, Money::fromYuan(3));
    QCOMPARE(content.customer, QStringLiteral("M001 张伟")); // the renter, nobody named
    QCOMPARE(content.settled(), Money::fromCents(6000 - 1650 - 300));

    const QString pdf = m_prints->filePath(QStringLiteral("return.pdf"));
    QVERIFY(
        Receipt::document(Receipt::currentHeader(m_account->context()), content).exportPdf(pdf));
    const QString text = PrintedPdf::text(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    for (const QString &expected :
         {QStringLiteral("归还单"), QStringLiteral("甜蜜蜜 3天 租金16.50 退押金40.00"),
          QStringLiteral("英雄 1天 租金3.00 退押金20.00"), QStringLiteral("退还押金： 60.00元"),
          QStringLiteral("收取租金： 19.50元"), QStringLiteral("应退客户： 40.50元")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
    }
}

void tst_Settlement::receiptWithoutRows()
{
    const ReportDocument doc =
        Receipt::document(Receipt::currentHeader(m_account->context()), Receipt::Content{});
    QCOMPARE(doc.pageCount(), 1);
    const QString text = doc.pageTexts(0).join(QLatin1Char(' '));
    QVERIFY2(text.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计：")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("0.00")), qPrintable(text));
}

void tst_Settlement::promptShowsTheSummaryAndEnterCloses()
{
    m_account->setOption(Schema::OptionReceiptPrinting, QStringLiteral("1"));
    const QString summary = QStringLiteral(
        "共出租影片：3部，\r押　　　金：70.00元，\r租　　　金：11.00元，\r本次实收：70.00元");
    QString caption, box, shown;
    bool isDefault = false;
    whenModal<TInforFm>([&](TInforFm *prompt) {
        caption = prompt->windowTitle();
        shown = prompt->Label1->text();
        isDefault = prompt->BitBtn1->isDefault();
        box = prompt->BitBtn1->text();
        key(prompt, Qt::Key_Return);
    });
    ShowSettlement(m_account->context(), summary, {});
    QCOMPARE(caption, QStringLiteral("结算提示"));
    QCOMPARE(shown, QString(summary).replace(QChar(13), QChar(10)));
    QCOMPARE(box, QStringLiteral("确定"));
    QVERIFY(isDefault);
}

void tst_Settlement::printOption_data()
{
    QTest::addColumn<QString>("option"); // empty: the option row is missing
    QTest::addColumn<bool>("prints");
    QTest::newRow("0: print a receipt") << "0" << true;
    QTest::newRow("1: no receipt") << "1" << false;
    QTest::newRow("row missing: print") << "" << true;
}

void tst_Settlement::printOption()
{
    QFETCH(QString, option);
    QFETCH(bool, prints);
    if (option.isEmpty())
        Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateID = ?"),
                 {Schema::OptionReceiptPrinting}, m_account->db());
    else
        m_account->setOption(Schema::OptionReceiptPrinting, option);
    const Receipt::Content receipt = rentalReceipt();
    int filesWhileOpen = -1;
    whenModal<TInforFm>([&](TInforFm *prompt) {
        filesWhileOpen = int(PrintedPdf::filesIn(m_prints->path()).size());
        prompt->BitBtn1->click();
    });
    ShowSettlement(m_account->context(), QStringLiteral("共出租影片：3部，"), receipt);
    QCOMPARE(filesWhileOpen, 0); // printed when the prompt closes, not before
    const QStringList files = PrintedPdf::filesIn(m_prints->path());
    QCOMPARE(files.size(), prints ? 1 : 0);
    QVERIFY(m_boxes->shown.isEmpty());
    if (prints) {
        const QString text = PrintedPdf::text(files.first());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("本次实收： 90.00元")), qPrintable(text));
    }
}

void tst_Settlement::printsOnTheDefaultPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        QSKIP("no default printer (start one with scripts/start-printer.sh)");
    if (!printer.printerName().contains(QLatin1String("PDF"), Qt::CaseInsensitive) &&
        !printer.makeAndModel().contains(QLatin1String("PDF"), Qt::CaseInsensitive))
        QSKIP("the default printer is not a PDF printer; no paper is spent on a test");
    ReportPrinter::setPdfInstead(QString());
    m_account->setOption(Schema::OptionReceiptPrinting, QStringLiteral("0"));
    // A title name of this run only, to find the job among earlier ones.
    const QString marker = QStringLiteral("收据%1").arg(QCoreApplication::applicationPid());
    Db::exec(QStringLiteral("UPDATE TBName SET Name = ? WHERE CustomNum = '0002'"), {marker},
             m_account->db());
    const QStringList before = PrintedPdf::filesIn(PrintedPdf::printerFolder());

    const Receipt::Content receipt = rentalReceipt();
    whenModal<TInforFm>([](TInforFm *prompt) { key(prompt, Qt::Key_Return); });
    ShowSettlement(m_account->context(), QStringLiteral("共出租影片：3部，"), receipt);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(ReportPrinter::lastOutcome().target, ReportPrintOutcome::Target::Printer);

    const QString job = PrintedPdf::waitForJob(before, marker);
    QVERIFY2(!job.isEmpty(),
             qPrintable(QStringLiteral("no job in ") + PrintedPdf::printerFolder()));
    const QString text = PrintedPdf::text(job);
    const QStringList fonts = PrintedPdf::fonts(job);
    QFile::remove(job);
    // The receipt prints in the program's one font, digits and Latin letters included.
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QLatin1String("MicroHei"), Qt::CaseInsensitive), qPrintable(font));
    QVERIFY2(text.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY2(text.contains(marker + QStringLiteral(" 租金5.50/天 押金50.00")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("本次实收")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("90.00元")), qPrintable(text));
}

QTEST_MAIN(tst_Settlement)
#include "tst_settlement.moc"
