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
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/ReportPrinter.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using RentalTest::key;
using RentalTest::whenModal;

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
        .simplified();
}

QStringList pdfsIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// Where cups-pdf writes its jobs: the "Out" folder of its configuration (${HOME}/PDF).
QString cupsPdfFolder()
{
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(conf.readAll()).split(u'\n')) {
            if (line.startsWith(QLatin1String("Out ")))
                return line.mid(4).trimmed().replace(QLatin1String("${HOME}"), QDir::homePath());
        }
    }
    return QDir::homePath() + QStringLiteral("/PDF");
}

} // namespace

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
    QList<qint64> rentThree();

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
    ShopCompany = QStringLiteral("星光影碟租售店");
    ShopAddress = QStringLiteral("文三路 128 号");
    ShopTel = QStringLiteral("0571-88886666");
    CurrentUserID = 3;
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

QList<qint64> tst_Settlement::rentThree()
{
    Lease::Completion c;
    c.memberId = m_member;
    c.operatorId = CurrentUserID;
    c.now = QDateTime::currentDateTime();
    for (const char *code : {"0001", "0002", "0003"}) {
        const auto copy = Lease::findCopyForRent(QLatin1String(code));
        c.items << *Lease::makeItem(*copy, Lease::Mode::RentOut, false, c.now.date());
    }
    const Lease::Outcome o = Lease::completeRental(c);
    if (o.status != Lease::Outcome::Status::Done)
        qFatal("fixture rental failed");
    return o.lineIds;
}

void tst_Settlement::receiptOfARental()
{
    const QList<qint64> ids = rentThree();
    const QList<Receipt::Line> lines = Receipt::lines(ids);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.first().name, QStringLiteral("无间道")); // newest first
    QCOMPARE(Receipt::total(lines), Money::fromCents(300 + 550 + 300));

    const ReportDocument doc = Receipt::document(Receipt::currentHeader(), lines);
    const QString pdf = m_prints->filePath(QStringLiteral("receipt.pdf"));
    QString why;
    QVERIFY2(doc.exportPdf(pdf, &why), qPrintable(why));
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString day = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    for (const QString &expected :
         {QStringLiteral("欢迎光临"), QStringLiteral("星光影碟租售店"),
          QStringLiteral("地址：文三路 128 号"), QStringLiteral("电话：0571-88886666"),
          QStringLiteral("单 据 号：") + day + QLatin1Char('0'),
          QStringLiteral("日 期：") + QDate::currentDate().toString(Qt::ISODate),
          QStringLiteral("客户编号：%1").arg(m_member), QStringLiteral("操作人员：3"),
          QStringLiteral("影碟名称 数量 金额"), QStringLiteral("无间道 1 3.00"),
          QStringLiteral("甜蜜蜜 1 5.50"), QStringLiteral("英雄 1 3.00"),
          QStringLiteral("合计： 3 11.50")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
    }
    QVERIFY(text.indexOf(QStringLiteral("无间道")) < text.indexOf(QStringLiteral("英雄 1")));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY(qAbs(size.captured(1).toDouble() - 198.4) < 2.0); // 70 mm
    QVERIFY(qAbs(size.captured(2).toDouble() - 283.5) < 2.0); // 100 mm
}

void tst_Settlement::receiptOfASaleChargesTheQuantity()
{
    const qint64 id = Db::lastInsertId(Db::exec(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons) VALUES (1, 2500, 2, -1, '2024-05-20', 3)")));
    const QList<Receipt::Line> lines = Receipt::lines({id});
    QCOMPARE(Receipt::customerNumber(lines), QStringLiteral("-1"));
    // Two sets at 25.00 come to 50.00 on the customer's receipt.
    QCOMPARE(Receipt::total(lines), Money::fromYuan(50));
    const QString pdf = m_prints->filePath(QStringLiteral("sale.pdf"));
    QVERIFY(Receipt::document(Receipt::currentHeader(), lines).exportPdf(pdf));
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("英雄 2 50.00")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计： 1 50.00")), qPrintable(text));
}

void tst_Settlement::receiptOfAReturnListsTheReturnedDiscs()
{
    const QList<qint64> ids = rentThree();
    Lease::Completion c;
    c.mode = Lease::Mode::TakeBack;
    c.now = QDateTime::currentDateTime();
    for (const char *code : {"0002", "0001"}) {
        const auto copy = Lease::findCopyForReturn(QLatin1String(code));
        c.items << *Lease::makeItem(*copy, Lease::Mode::TakeBack, false, c.now.date());
    }
    const Lease::Outcome o = Lease::completeReturn(c);
    QCOMPARE(o.status, Lease::Outcome::Status::Done);
    const QList<Receipt::Line> lines = Receipt::lines(o.lineIds);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].name, QStringLiteral("甜蜜蜜"));
    QCOMPARE(lines[1].name, QStringLiteral("英雄"));
    QCOMPARE(lines[0].rmoney, Money::fromCents(550)); // the rent recorded on the line
    QCOMPARE(Receipt::customerNumber(lines), QString::number(m_member));
    QVERIFY(!ids.isEmpty());
}

void tst_Settlement::receiptWithoutRows()
{
    const ReportDocument doc = Receipt::document(Receipt::currentHeader(), {});
    QCOMPARE(doc.pageCount(), 1);
    const QString text = doc.pageTexts(0).join(QLatin1Char(' '));
    QVERIFY2(text.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计：")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("0.00")), qPrintable(text));
}

void tst_Settlement::promptShowsTheSummaryAndEnterCloses()
{
    m_account->setOption(Schema::OptionReceiptPrinting, QStringLiteral("1"));
    const QString summary =
        QStringLiteral("共出租影片：3部，\r押　　　金：70.00元，\r租　　　金：11.00元");
    QString caption, box, shown;
    bool isDefault = false;
    whenModal<TInforFm>([&](TInforFm *prompt) {
        caption = prompt->windowTitle();
        shown = prompt->Label1->text();
        isDefault = prompt->BitBtn1->isDefault();
        box = prompt->BitBtn1->text();
        key(prompt, Qt::Key_Return);
    });
    ShowSettlement(summary, {});
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
                 {Schema::OptionReceiptPrinting});
    else
        m_account->setOption(Schema::OptionReceiptPrinting, option);
    const QList<qint64> ids = rentThree();
    int filesWhileOpen = -1;
    whenModal<TInforFm>([&](TInforFm *prompt) {
        filesWhileOpen = int(pdfsIn(m_prints->path()).size());
        prompt->BitBtn1->click();
    });
    ShowSettlement(QStringLiteral("共出租影片：3部，"), ids);
    QCOMPARE(filesWhileOpen, 0); // printed when the prompt closes, not before
    const QStringList files = pdfsIn(m_prints->path());
    QCOMPARE(files.size(), prints ? 1 : 0);
    QVERIFY(m_boxes->shown.isEmpty());
    if (prints) {
        const QString text = pdfText(files.first());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("合计： 3 11.50")), qPrintable(text));
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
    Db::exec(QStringLiteral("UPDATE TBName SET Name = ? WHERE CustomNum = '0002'"), {marker});
    const QString folder = cupsPdfFolder();
    const QStringList before = pdfsIn(folder);

    const QList<qint64> ids = rentThree();
    whenModal<TInforFm>([](TInforFm *prompt) { key(prompt, Qt::Key_Return); });
    ShowSettlement(QStringLiteral("共出租影片：3部，"), ids);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(ReportPrinter::lastOutcome().target, ReportPrintOutcome::Target::Printer);

    QString job, text;
    QElapsedTimer waited;
    waited.start();
    while (job.isEmpty() && waited.elapsed() < 60000) {
        QTest::qWait(250);
        for (const QString &f : pdfsIn(folder)) {
            if (before.contains(f))
                continue;
            QTest::qWait(300); // let cups-pdf finish writing
            const QString t = pdfText(f);
            if (t.contains(marker)) {
                job = f;
                text = t;
            }
        }
    }
    QVERIFY2(!job.isEmpty(), qPrintable(QStringLiteral("no job in ") + folder));
    QFile::remove(job);
    QVERIFY2(text.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY2(text.contains(marker + QStringLiteral(" 1 5.50")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计： 3 11.50")), qPrintable(text));
}

QTEST_MAIN(tst_Settlement)
#include "tst_settlement.moc"
