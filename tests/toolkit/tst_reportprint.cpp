// Printing reports: the default printer without a dialog, the PDF fallback where there is no
// printer, and PDF output asked for by a test.
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportPrinter.h"

#include "support/PrintedPdf.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A receipt of two rows, and fillers enough to carry it onto further pages.
ReportDocument receipt(const QString &name = QStringLiteral("单据"), int fillers = 0)
{
    ReportDefinition r(name);
    r.setPage(ReportPage::custom(QSizeF(70, 100), QMarginsF(0, 10, 0, 10)));
    r.title().setHeight(8).addText({0, 0, 70, 8}, QStringLiteral("欢迎光临")).alignCenter()
        .setPointSize(16).setBold();
    r.detail().setHeight(5);
    r.detail().addColumn({0, 0, 50, 5}, QStringLiteral("name"));
    r.detail().addColumn({50, 0, 20, 5}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight();
    r.summary().setHeight(6).addText({0, 0, 20, 6}, QStringLiteral("合计："));
    r.summary().addSum({50, 0, 20, 6}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight();
    ReportData rows({QStringLiteral("name"), QStringLiteral("RMoney")});
    rows.appendRow({QStringLiteral("英雄本色"), 300});
    rows.appendRow({QStringLiteral("甜蜜蜜"), 125});
    for (int i = 0; i < fillers; ++i)
        rows.appendRow({QStringLiteral("filler"), 0});
    return ReportGenerator::generate(r, rows);
}


} // namespace

class TestReportPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ReportPrinter::setPdfInstead(QString()); }

    void fileNames_data();
    void fileNames();
    void noPrinterWritesPdfIntoPrintsFolder();
    void pdfInsteadOfPrinter();
    void emptyDocumentIsNotPrinted();
    void printsOnDefaultPrinter();
};

void TestReportPrint::fileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("chinese") << QStringLiteral("租 赁 报 表") << "租赁报表-20240410-093005.pdf";
    QTest::newRow("slashes and colons") << "a/b\\c:d*e?f\"g<h>i|j"
                                        << "a_b_c_d_e_f_g_h_i_j-20240410-093005.pdf";
    QTest::newRow("empty") << QString() << "report-20240410-093005.pdf";
    QTest::newRow("hidden or parent") << ".." << "report..-20240410-093005.pdf";
}

void TestReportPrint::fileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QDateTime when(QDate(2024, 4, 10), QTime(9, 30, 5));
    QCOMPARE(ReportPrinter::pdfFileName(name, when), expected);
}

void TestReportPrint::noPrinterWritesPdfIntoPrintsFolder()
{
    const ReportPrintOutcome o = ReportPrinter::printOn(receipt(), QPrinterInfo());
    QVERIFY2(o.ok, qPrintable(o.message));
    QCOMPARE(o.target, ReportPrintOutcome::Target::PdfFile);
    QVERIFY(o.path.startsWith(QDir::toNativeSeparators(ReportPrinter::printsFolder())));
    QVERIFY(o.message.startsWith(QStringLiteral("没有安装打印机，已存为 PDF 文件：")));
    QVERIFY(o.message.endsWith(o.path));
    QVERIFY(QFile::exists(o.path));
    QCOMPARE(ReportPrinter::lastOutcome().path, o.path);
    const QString text = PrintedPdf::text(o.path);
    QFile::remove(o.path);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("英雄本色 3.00")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("合计： 4.25")));
}

void TestReportPrint::pdfInsteadOfPrinter()
{
    QTemporaryDir dir;
    ReportPrinter::setPdfInstead(dir.path());
    const ReportDocument doc = receipt();
    const ReportPrintOutcome first = ReportPrinter::print(doc);
    const ReportPrintOutcome second = ReportPrinter::print(doc);
    QVERIFY(first.ok);
    QVERIFY(second.ok);
    QCOMPARE(first.target, ReportPrintOutcome::Target::PdfFile);
    // Two prints within one second do not overwrite each other.
    QVERIFY(first.path != second.path);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.pdf")}).size(), 2);
    QVERIFY(first.message.startsWith(QStringLiteral("已存为 PDF 文件：")));
    QVERIFY(QFileInfo(first.path).fileName().startsWith(QStringLiteral("单据-")));
}

void TestReportPrint::emptyDocumentIsNotPrinted()
{
    QTemporaryDir dir;
    ReportPrinter::setPdfInstead(dir.path());
    const ReportPrintOutcome o = ReportPrinter::print(ReportDocument());
    QVERIFY(!o.ok);
    QCOMPARE(o.target, ReportPrintOutcome::Target::Nothing);
    QVERIFY(o.message.startsWith(QStringLiteral("打印失败：")));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestReportPrint::printsOnDefaultPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        QSKIP("no default printer (start one with scripts/start-printer.sh)");
    // Paper is not wasted on a test: only a PDF printer, whose jobs can be read back, is used.
    if (!printer.makeAndModel().contains(QLatin1String("PDF"), Qt::CaseInsensitive) &&
        !printer.printerName().contains(QLatin1String("PDF"), Qt::CaseInsensitive)) {
        QSKIP("the default printer is not a PDF printer");
    }
    const QStringList before = PrintedPdf::filesIn(PrintedPdf::printerFolder());

    const QString name = QStringLiteral("receipt-test-%1").arg(QCoreApplication::applicationPid());
    const ReportDocument doc = receipt(name, 20);
    QCOMPARE(doc.pageCount(), 2);
    const ReportPrintOutcome o = ReportPrinter::print(doc);
    QVERIFY2(o.ok, qPrintable(o.message));
    QCOMPARE(o.target, ReportPrintOutcome::Target::Printer);
    QCOMPARE(o.printerName, printer.printerName());
    QCOMPARE(o.message, QStringLiteral("已发送到打印机 %1").arg(printer.printerName()));

    // The job reaches the printer's folder a moment later, named after the document.
    const QString job = PrintedPdf::waitForJob(before, name);
    QVERIFY2(!job.isEmpty(), qPrintable(QStringLiteral("no job in ") + PrintedPdf::printerFolder()));
    const QString text = PrintedPdf::text(job);
    const QString info = PrintedPdf::runTool(QStringLiteral("pdfinfo"), {job});
    QFile::remove(job);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(text.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("甜蜜蜜 1.25")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("合计： 4.25")));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    // The receipt's own paper, 70 x 100 mm (about 198 x 283 points).
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY2(qAbs(size.captured(1).toDouble() - 198.4) < 2.0, qPrintable(info));
    QVERIFY2(qAbs(size.captured(2).toDouble() - 283.5) < 2.0, qPrintable(info));
}

QTEST_MAIN(TestReportPrint)
#include "tst_reportprint.moc"
