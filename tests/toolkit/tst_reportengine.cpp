// The report engine without windows: masks, layout into pages, groups and sums, PDF output.
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportMask.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A page of 100 x 100 mm with 10 mm margins: 80 mm for bands.
ReportDefinition smallPageReport()
{
    ReportDefinition r(QStringLiteral("test"));
    r.setPage(ReportPage::custom(QSizeF(100, 100), QMarginsF(10, 10, 10, 10)));
    r.title().setHeight(20).addText({0, 0, 80, 20}, QStringLiteral("TITLE"));
    r.pageHeader().setHeight(10).addText({0, 0, 80, 10}, QStringLiteral("HEADER"));
    r.detail().setHeight(10).addColumn({0, 0, 80, 10}, QStringLiteral("name"));
    return r;
}

ReportData namedRows(int n)
{
    ReportData d({QStringLiteral("name"), QStringLiteral("amount")});
    for (int i = 1; i <= n; ++i)
        d.appendRow({QStringLiteral("row%1").arg(i), qlonglong(i * 100)});
    return d;
}

// Rental-like rows: day, customer, deposit and rent in cents.
ReportData rentalRows()
{
    ReportData d({QStringLiteral("DatTime"), QStringLiteral("customer"),
                  QStringLiteral("Deposit"), QStringLiteral("Rmoney")});
    const QList<QVariantList> rows = {
        {"2024-03-01", "张三", 3000, 250},
        {"2024-03-01", "张三", 3000, 250},
        {"2024-03-01", "李四", 5000, 300},
        {"2024-03-02", "张三", 3000, 250},
        {"2024-03-02", "王五", 2000, 125},
        {"2024-03-02", "王五", 2000, 125},
    };
    for (const QVariantList &r : rows)
        d.appendRow(r);
    return d;
}

int pageOf(const ReportDocument &doc, const QString &text)
{
    for (int p = 0; p < doc.pageCount(); ++p) {
        if (doc.pageTexts(p).contains(text))
            return p;
    }
    return -1;
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void masks_data();
    void masks();
    void valuesToNumbers_data();
    void valuesToNumbers();
    void displayKeepsTextThatIsNoNumber();

    void pageBreaks();
    void bandThatDoesNotFitMovesWhole();
    void summaryMovesToNewPageWhenFull();
    void emptyReportStillPrintsTitleAndSummary();
    void zeroHeightBandsNeverPrint();
    void oversizedBandDoesNotLoop();
    void groupsWithSumsThatReset();
    void groupHeaderStaysWithItsFirstRow();
    void groupHeaderSumsLookAhead();
    void repeatedGroupHeader();
    void repeatedHeaderIsMarkedAndShowsItsOwnGroup();
    void rowsLaidOutAsTheyArriveGiveTheSamePages();
    void groupWithoutKeyNeverBreaks();
    void rankRestartsInEachGroup();
    void pageFooterNumbersAndPageSums();
    void pageNotices();
    void keyFunctionsAndComputedFields();

    void textIsCutOrWrappedInsideItsField();

    void rowsFromBoundQuery();
    void failingQueryThrows();

    void receiptPdf();
    void landscapePdf();
    void pdfToUnwritablePlaceFails();
};

void TestReportEngine::masks_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals") << qint64(125000) << "#0.00" << "12.50";
    QTest::newRow("zero") << qint64(0) << "#0.00" << "0.00";
    QTest::newRow("rounds half away up") << qint64(23450) << "0.00" << "2.35";
    QTest::newRow("rounds half away negative") << qint64(-23450) << "0.00" << "-2.35";
    QTest::newRow("rounds below half down") << qint64(23449) << "0.00" << "2.34";
    QTest::newRow("negative rounding to zero has no sign") << qint64(-40) << "0.00" << "0.00";
    QTest::newRow("no decimals rounds") << qint64(25000) << "0" << "3";
    QTest::newRow("no decimals negative") << qint64(-25000) << "0" << "-3";
    QTest::newRow("prefix and suffix") << qint64(170000) << "共0.00元" << "共17.00元";
    QTest::newRow("blanks kept") << qint64(30000) << " 共 0 部" << " 共 3 部";
    QTest::newRow("sign after prefix") << qint64(-60000) << "共0.00元" << "共-6.00元";
    QTest::newRow("optional digits") << qint64(5000) << "#.##" << ".5";
    QTest::newRow("optional decimals trimmed") << qint64(120000) << "0.##" << "12";
    QTest::newRow("leading zeros") << qint64(70000) << "000" << "007";
    QTest::newRow("thousands") << qint64(12345678910) << "#,##0.00" << "1,234,567.89";
    QTest::newRow("more decimals than kept") << qint64(12345) << "0.000000" << "1.234500";
    QTest::newRow("negative section") << qint64(-50000) << "0.00;(0.00)" << "(5.00)";
    QTest::newRow("zero section") << qint64(0) << "0.00;-0.00;无" << "无";
    QTest::newRow("quoted zero is literal") << qint64(50000) << "'0'0" << "05";
    QTest::newRow("point in suffix") << qint64(50000) << "0元." << "5元.";
    QTest::newRow("empty mask shortest") << qint64(125000) << "" << "12.5";
    QTest::newRow("empty mask four decimals") << qint64(-1) << "" << "-0.0001";
    QTest::newRow("large amount") << qint64(9999999999900) << "#0.00" << "999999999.99";
}

void TestReportEngine::masks()
{
    QFETCH(qint64, units);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(ReportMask::format(units, mask), expected);
}

void TestReportEngine::valuesToNumbers_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("units");

    QTest::newRow("integer") << QVariant(qlonglong(17)) << 1 << true << qint64(170000);
    QTest::newRow("cents") << QVariant(qlonglong(1250)) << 100 << true << qint64(125000);
    QTest::newRow("negative cents") << QVariant(-5) << 100 << true << qint64(-500);
    QTest::newRow("decimal text") << QVariant(QStringLiteral("12.5")) << 1 << true
                                  << qint64(125000);
    QTest::newRow("text of cents") << QVariant(QStringLiteral("1250")) << 100 << true
                                   << qint64(125000);
    QTest::newRow("text with fifth decimal rounds") << QVariant(QStringLiteral("0.00005")) << 1
                                                    << true << qint64(1);
    QTest::newRow("double") << QVariant(0.1 + 0.2) << 1 << true << qint64(3000);
    QTest::newRow("null") << QVariant() << 1 << false << qint64(0);
    QTest::newRow("empty text") << QVariant(QString()) << 1 << false << qint64(0);
    QTest::newRow("letters") << QVariant(QStringLiteral("12a")) << 1 << false << qint64(0);
    QTest::newRow("two points") << QVariant(QStringLiteral("1.2.3")) << 1 << false << qint64(0);
    QTest::newRow("integer too large") << QVariant(qlonglong(4'000'000'000'000'000)) << 1 << false
                                       << qint64(0);
    QTest::newRow("infinite") << QVariant(qInf()) << 1 << false << qint64(0);
}

void TestReportEngine::valuesToNumbers()
{
    QFETCH(QVariant, value);
    QFETCH(int, divisor);
    QFETCH(bool, isNumber);
    QFETCH(qint64, units);
    const std::optional<qint64> got = ReportMask::toUnits(value, divisor);
    QCOMPARE(got.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*got, units);
}

void TestReportEngine::displayKeepsTextThatIsNoNumber()
{
    QCOMPARE(ReportMask::display(QStringLiteral("未归还"), QStringLiteral("#0.00")),
             QStringLiteral("未归还"));
    QCOMPARE(ReportMask::display(QVariant(), QStringLiteral("#0.00")), QString());
    QCOMPARE(ReportMask::display(QStringLiteral("2024-03-01"), QString()),
             QStringLiteral("2024-03-01"));
    QCOMPARE(ReportMask::display(qlonglong(1250), QString(), 100), QStringLiteral("12.5"));
}

void TestReportEngine::pageBreaks()
{
    ReportDefinition r = smallPageReport();
    r.summary().setHeight(10).addText({0, 0, 80, 10}, QStringLiteral("SUMMARY"));
    // Page 1: title 20 + header 10 + 5 rows; page 2: header + 7 rows; page 3: header + 3 rows
    // and the summary.
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(15));
    QCOMPARE(doc.pageCount(), 3);
    QCOMPARE(doc.pageTexts(0), QStringList({"TITLE", "HEADER", "row1", "row2", "row3", "row4",
                                            "row5"}));
    QCOMPARE(doc.pageTexts(1), QStringList({"HEADER", "row6", "row7", "row8", "row9", "row10",
                                            "row11", "row12"}));
    QCOMPARE(doc.pageTexts(2), QStringList({"HEADER", "row13", "row14", "row15", "SUMMARY"}));

    // Nothing is drawn outside the printable area, and rows follow each other 10 mm apart.
    for (int p = 0; p < doc.pageCount(); ++p) {
        for (const ReportItem &item : doc.items(p)) {
            QVERIFY2(item.rect.top() >= 10 - 1e-9 && item.rect.bottom() <= 90 + 1e-9,
                     qPrintable(item.text));
        }
    }
    const std::vector<ReportItem> &second = doc.items(1);
    QCOMPARE(second.at(0).rect.top(), 10.0);
    QCOMPARE(second.at(1).rect.top(), 20.0);
    QCOMPARE(second.at(7).rect.top(), 80.0);
}

void TestReportEngine::bandThatDoesNotFitMovesWhole()
{
    ReportDefinition r = smallPageReport();
    r.detail().setHeight(15); // title 20 + header 10 + 3 x 15 = 75: a fourth row needs 90
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(4));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(pageOf(doc, "row3"), 0);
    QCOMPARE(pageOf(doc, "row4"), 1);
    QCOMPARE(pageOf(doc, "TITLE"), 0);
    QCOMPARE(doc.pageTexts(1).count(QStringLiteral("TITLE")), 0);
    const ReportItem &row4 = doc.items(1).at(1);
    QCOMPARE(row4.text, QStringLiteral("row4"));
    QCOMPARE(row4.rect, QRectF(10, 20, 80, 10)); // the field keeps its own height
}

void TestReportEngine::summaryMovesToNewPageWhenFull()
{
    ReportDefinition r = smallPageReport();
    r.summary().setHeight(15).addText({0, 0, 80, 15}, QStringLiteral("SUMMARY"));
    // 5 rows fill page 1 exactly (20 + 10 + 50 = 80): the summary goes to page 2 under
    // the page header, and only there.
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(5));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.pageTexts(1), QStringList({"HEADER", "SUMMARY"}));
    QCOMPARE(doc.pageTexts(0).count(QStringLiteral("SUMMARY")), 0);
}

void TestReportEngine::emptyReportStillPrintsTitleAndSummary()
{
    ReportDefinition r = smallPageReport();
    r.summary().setHeight(10);
    r.summary().addCount({0, 0, 40, 10});
    r.summary().addSum({40, 0, 40, 10}, QStringLiteral("amount")).setCents().setMask("#0.00");
    r.title().addColumn({0, 0, 80, 5}, QStringLiteral("name"));
    const ReportDocument doc = ReportGenerator::generate(r, ReportData({"name", "amount"}));
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.pageTexts(0), QStringList({"TITLE", "HEADER", "0", "0.00"}));
}

void TestReportEngine::zeroHeightBandsNeverPrint()
{
    ReportDefinition r = smallPageReport();
    r.title().setHeight(0);
    r.pageHeader().setHeight(0);
    r.detail().setHeight(0); // rows still count towards the sums
    ReportGroup &g = r.addGroup(QStringLiteral("name"));
    g.header().addText({0, 0, 80, 5}, QStringLiteral("GROUP"));
    g.footer().addText({0, 0, 80, 5}, QStringLiteral("END"));
    r.summary().setHeight(10).addSum({0, 0, 80, 10}, QStringLiteral("amount"));
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(40));
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.pageTexts(0), QStringList({"82000"}));
    QCOMPARE(doc.items(0).front().rect.top(), 10.0); // first thing on the page
}

void TestReportEngine::oversizedBandDoesNotLoop()
{
    ReportDefinition r = smallPageReport();
    r.detail().setHeight(200);
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(3));
    // Each oversized row takes a page of its own; generation ends.
    QCOMPARE(doc.pageCount(), 3);
    QCOMPARE(pageOf(doc, "row1"), 0);
    QCOMPARE(pageOf(doc, "row3"), 2);
}

void TestReportEngine::groupsWithSumsThatReset()
{
    ReportDefinition r(QStringLiteral("rental"));
    r.setPage(ReportPage::a4());
    r.detail().setHeight(5).addColumn({0, 0, 50, 5}, QStringLiteral("Rmoney")).setCents()
        .setMask(QStringLiteral("#0.00"));
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.header().setHeight(5).addColumn({0, 0, 50, 5}, QStringLiteral("DatTime"));
    day.footer().setHeight(5).addSum({0, 0, 50, 5}, QStringLiteral("Deposit")).setCents()
        .setMask(QStringLiteral("日押金0.00"));
    ReportGroup &customer = r.addGroup(QStringLiteral("customer"));
    customer.header().setHeight(5).addColumn({0, 0, 50, 5}, QStringLiteral("customer"));
    customer.footer().setHeight(5);
    customer.footer().addSum({0, 0, 50, 5}, QStringLiteral("Rmoney")).setCents()
        .setMask(QStringLiteral("租金0.00"));
    customer.footer().addCount({50, 0, 50, 5}).setMask(QStringLiteral("共0部"));
    r.summary().setHeight(5).addSum({0, 0, 50, 5}, QStringLiteral("Deposit")).setCents()
        .setMask(QStringLiteral("押金合计0.00"));
    r.summary().addCount({50, 0, 50, 5}).setMask(QStringLiteral("共0部"));

    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.pageTexts(0),
             QStringList({"2024-03-01", "张三", "2.50", "2.50", "租金5.00", "共2部",
                          "李四", "3.00", "租金3.00", "共1部", "日押金110.00",
                          "2024-03-02", "张三", "2.50", "租金2.50", "共1部",
                          "王五", "1.25", "1.25", "租金2.50", "共2部", "日押金70.00",
                          "押金合计180.00", "共6部"}));
}

void TestReportEngine::groupHeaderStaysWithItsFirstRow()
{
    ReportDefinition r = smallPageReport();
    r.title().setHeight(0);
    r.pageHeader().setHeight(0);
    ReportGroup &g = r.addGroup([](const ReportRow &row) {
        return row.index() < 7 ? QStringLiteral("A") : QStringLiteral("B");
    });
    g.header().setHeight(10).addText({0, 0, 80, 10}, QStringLiteral("GROUP"));
    // Group A: header + 7 rows = 80 mm, a full page. Group B's header would fit on page 1
    // only without its first row, so both start page 2.
    ReportDefinition r2 = r;
    r2.detail().setHeight(10);
    const ReportDocument doc = ReportGenerator::generate(r2, namedRows(9));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.pageTexts(1), QStringList({"GROUP", "row8", "row9"}));

    // With 6 rows in A, 10 mm remain on page 1: the header alone would fit there.
    ReportDefinition r3 = smallPageReport();
    r3.title().setHeight(0);
    r3.pageHeader().setHeight(0);
    ReportGroup &g3 = r3.addGroup([](const ReportRow &row) {
        return row.index() < 6 ? QStringLiteral("A") : QStringLiteral("B");
    });
    g3.header().setHeight(10).addText({0, 0, 80, 10}, QStringLiteral("GROUP"));
    const ReportDocument doc3 = ReportGenerator::generate(r3, namedRows(8));
    QCOMPARE(doc3.pageCount(), 2);
    QCOMPARE(doc3.pageTexts(0).count(QStringLiteral("GROUP")), 1);
    QCOMPARE(doc3.pageTexts(1), QStringList({"GROUP", "row7", "row8"}));
}

void TestReportEngine::groupHeaderSumsLookAhead()
{
    ReportDefinition r(QStringLiteral("ahead"));
    r.title().setHeight(5).addSum({0, 0, 50, 5}, QStringLiteral("Rmoney")).setCents()
        .setMask(QStringLiteral("总0.00"));
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.header().setHeight(5).addSum({0, 0, 50, 5}, QStringLiteral("Rmoney")).setCents()
        .setMask(QStringLiteral("日0.00"));
    day.header().addCount({50, 0, 50, 5});
    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageTexts(0), QStringList({"总13.00", "日8.00", "3", "日5.00", "3"}));
}

void TestReportEngine::repeatedGroupHeader()
{
    ReportDefinition r = smallPageReport();
    r.title().setHeight(0);
    ReportGroup &g = r.addGroup([](const ReportRow &) { return 1; });
    g.setRepeatHeader(true);
    g.header().setHeight(10).addText({0, 0, 80, 10}, QStringLiteral("GROUP"));
    // 80 mm a page: header 10 + group 10 + 6 rows, then header + group + 6 rows.
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(12));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.pageTexts(1).mid(0, 3), QStringList({"HEADER", "GROUP", "row7"}));
}

void TestReportEngine::repeatedHeaderIsMarkedAndShowsItsOwnGroup()
{
    ReportDefinition r = smallPageReport();
    r.detail().clearFields();
    r.detail().addColumn({0, 0, 80, 10}, QStringLiteral("customer"));
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.setRepeatHeader(true, QStringLiteral(" (续)"));
    day.header().setHeight(15).addColumn({0, 0, 80, 15}, QStringLiteral("DatTime"));
    day.footer().setHeight(10).addCount({0, 0, 80, 10});
    // Page 1 holds 50 mm below the title and header: the first day's heading and three rows
    // fill 45, so its count goes over to page 2, where the day's heading is printed again,
    // marked, with the first day's date although the next row is of the second day.
    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageTexts(0),
             QStringList({"TITLE", "HEADER", "2024-03-01", "张三", "张三", "李四"}));
    QCOMPARE(doc.pageTexts(1).mid(0, 5),
             QStringList({"HEADER", "2024-03-01 (续)", "3", "2024-03-02", "张三"}));
    // The second day's rows fill page 2; its count goes over to page 3 under its heading,
    // marked again. Where a group begins its heading carries no mark.
    QCOMPARE(doc.pageCount(), 3);
    QCOMPARE(doc.pageTexts(2), QStringList({"HEADER", "2024-03-02 (续)", "3"}));
}

void TestReportEngine::rowsLaidOutAsTheyArriveGiveTheSamePages()
{
    // Groups with sums in their footers and repeated headings, page footers counting per page.
    ReportDefinition r = smallPageReport();
    r.detail().clearFields();
    r.detail().addColumn({0, 0, 40, 10}, QStringLiteral("customer"));
    r.detail().addColumn({40, 0, 40, 10}, QStringLiteral("Rmoney")).setCents();
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.setRepeatHeader(true, QStringLiteral(" (续)"));
    day.header().setHeight(10).addColumn({0, 0, 80, 10}, QStringLiteral("DatTime"));
    day.footer().setHeight(10).addSum({0, 0, 80, 10}, QStringLiteral("Rmoney")).setCents();
    r.pageFooter().setHeight(5).addCount({0, 0, 80, 5});
    r.summary().setHeight(10).addSum({0, 0, 80, 10}, QStringLiteral("Deposit")).setCents();
    ReportData all = rentalRows();
    for (int copy = 0; copy < 6; ++copy) {
        for (int i = 0; i < 6; ++i) {
            QVariantList row;
            for (int c = 0; c < all.columns().size(); ++c)
                row << all.value(i, c);
            row[0] = QStringLiteral("2024-04-%1").arg(copy + 10);
            all.appendRow(row);
        }
    }
    const ReportDocument whole = ReportGenerator::generate(r, all);
    QVERIFY(whole.pageCount() > 4);

    for (int part : {1, 4, 7}) {
        int notices = 0;
        ReportGeneration parts(r, all.columns(), [&](int) { ++notices; });
        for (int i = 0; i < all.rowCount(); ++i) {
            QVariantList row;
            for (int c = 0; c < all.columns().size(); ++c)
                row << all.value(i, c);
            parts.data().appendRow(row);
            if ((i + 1) % part == 0)
                parts.advance();
        }
        // Pages appear before the last rows are in.
        QVERIFY(parts.document().pageCount() > 1);
        QVERIFY(!parts.isFinished());
        parts.finish();
        QVERIFY(parts.isFinished());
        const ReportDocument pages = parts.document();
        QCOMPARE(pages.pageCount(), whole.pageCount());
        QCOMPARE(notices, whole.pageCount());
        for (int p = 0; p < whole.pageCount(); ++p)
            QCOMPARE(pages.pageTexts(p), whole.pageTexts(p));
    }

    // Sums over the rows to come (a title's) wait for the last row.
    ReportDefinition ahead(QStringLiteral("ahead"));
    ahead.title().setHeight(5).addSum({0, 0, 50, 5}, QStringLiteral("Rmoney")).setCents()
        .setMask(QStringLiteral("0.00"));
    ahead.detail().setHeight(5).addColumn({0, 0, 50, 5}, QStringLiteral("customer"));
    ReportGeneration waiting(ahead, all.columns());
    waiting.data().appendRow({QStringLiteral("2024-03-01"), QStringLiteral("张三"), 1, 250});
    waiting.advance();
    QCOMPARE(waiting.document().pageCount(), 0);
    waiting.data().appendRow({QStringLiteral("2024-03-01"), QStringLiteral("李四"), 1, 150});
    waiting.finish();
    QCOMPARE(waiting.document().pageTexts(0), QStringList({"4.00", "张三", "李四"}));
}

void TestReportEngine::groupWithoutKeyNeverBreaks()
{
    ReportDefinition r(QStringLiteral("whole"));
    ReportGroup &g = r.addGroup();
    g.header().setHeight(5).addText({0, 0, 50, 5}, QStringLiteral("START"));
    g.footer().setHeight(5).addCount({0, 0, 50, 5});
    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageTexts(0), QStringList({"START", "6"}));
}

void TestReportEngine::rankRestartsInEachGroup()
{
    ReportDefinition r(QStringLiteral("rank"));
    r.addGroup(QStringLiteral("DatTime")); // height 0: breaks, prints nothing
    r.detail().setHeight(5).addComputed({0, 0, 20, 5}, [](const ReportContext &c) {
        return QString::number(c.rowInGroup()) + u'/' + QString::number(c.rowNumber());
    });
    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageTexts(0), QStringList({"1/1", "2/2", "3/3", "1/4", "2/5", "3/6"}));

    ReportDefinition flat(QStringLiteral("rank"));
    flat.detail().setHeight(5).addComputed({0, 0, 20, 5}, [](const ReportContext &c) {
        return QString::number(c.rowInGroup());
    });
    const ReportDocument flatDoc = ReportGenerator::generate(flat, rentalRows());
    QCOMPARE(flatDoc.pageTexts(0), QStringList({"1", "2", "3", "4", "5", "6"}));
}

void TestReportEngine::pageFooterNumbersAndPageSums()
{
    ReportDefinition r = smallPageReport();
    r.title().setHeight(0);
    r.pageHeader().setHeight(0);
    r.pageFooter().setHeight(20);
    r.pageFooter().addPageNumber({0, 0, 80, 10}, QStringLiteral("第%1页 共%2页"));
    r.pageFooter().addSum({0, 10, 80, 10}, QStringLiteral("amount")).setMask("本页0");
    // 60 mm of rows a page: 6 rows.
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(8));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.pageTexts(0).mid(6), QStringList({"第1页 共2页", "本页2100"}));
    QCOMPARE(doc.pageTexts(1).mid(2), QStringList({"第2页 共2页", "本页1500"}));
    // The footer sits at the bottom of the printable area.
    QCOMPARE(doc.items(1).at(2).rect.top(), 70.0);
}

void TestReportEngine::pageNotices()
{
    ReportDefinition r = smallPageReport();
    QList<int> notices;
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(30),
                                                         [&](int n) { notices << n; });
    QCOMPARE(doc.pageCount(), 5); // 5 rows on page 1, then 7 a page
    QCOMPARE(notices, QList<int>({1, 2, 3, 4, 5}));
}

void TestReportEngine::keyFunctionsAndComputedFields()
{
    ReportDefinition r(QStringLiteral("computed"));
    ReportGroup &g = r.addGroup([](const ReportRow &row) {
        return row.text(QStringLiteral("DatTime")).left(7); // month
    });
    g.header().setHeight(5).addComputed({0, 0, 50, 5}, [](const ReportContext &c) {
        return c.value(QStringLiteral("DatTime")).toString().left(7);
    });
    r.detail().setHeight(5).addComputed({0, 0, 50, 5}, [](const ReportContext &c) {
        return c.value(QStringLiteral("Rmoney")).toString();
    }).setCents().setMask(QStringLiteral("#0.00")).setPrefix(QStringLiteral("¥"));
    r.summary().setHeight(5).addSum({0, 0, 50, 5}, [](const ReportRow &row) {
        return row.value(QStringLiteral("Deposit")).toLongLong() +
               row.value(QStringLiteral("Rmoney")).toLongLong();
    }).setCents().setMask(QStringLiteral("0.00"));
    const ReportDocument doc = ReportGenerator::generate(r, rentalRows());
    QCOMPARE(doc.pageTexts(0), QStringList({"2024-03", "¥2.50", "¥2.50", "¥3.00", "¥2.50",
                                            "¥1.25", "¥1.25", "193.00"}));
}

// Dark pixels of an image within a rectangle given in millimetres at 10 px/mm.
static int darkPixels(const QImage &image, const QRectF &mm)
{
    int dark = 0;
    const QRect px = QRectF(mm.topLeft() * 10, mm.size() * 10).toRect() & image.rect();
    for (int y = px.top(); y <= px.bottom(); ++y) {
        for (int x = px.left(); x <= px.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    }
    return dark;
}

void TestReportEngine::textIsCutOrWrappedInsideItsField()
{
    const QString longText = QStringLiteral("大话西游之月光宝盒大话西游之大圣娶亲珍藏版");
    ReportDefinition r(QStringLiteral("clip"));
    r.setPage(ReportPage::custom(QSizeF(100, 100), QMarginsF(10, 10, 10, 10)));
    r.detail().setHeight(10);
    r.detail().addColumn({0, 0, 30, 10}, QStringLiteral("name"))
        .setAlignment(Qt::AlignLeft | Qt::AlignTop);
    r.detail().addColumn({40, 0, 30, 10}, QStringLiteral("name"))
        .setAlignment(Qt::AlignLeft | Qt::AlignTop).setWordWrap();
    ReportData rows({QStringLiteral("name")});
    rows.appendRow({longText});
    const ReportDocument doc = ReportGenerator::generate(r, rows);

    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        doc.render(0, p, QRectF(0, 0, 1000, 1000));
    }
    // Cut: the first line fills its field and nothing shows right of it or below the line.
    QVERIFY(darkPixels(image, {10, 10, 30, 4}) > 50);
    QCOMPARE(darkPixels(image, {40.2, 10, 9.6, 10}), 0);
    QCOMPARE(darkPixels(image, {10, 15, 30, 5}), 0);
    // Wrapped: the text goes on below the first line, still inside the field.
    QVERIFY(darkPixels(image, {50, 15, 30, 5}) > 50);
    QCOMPARE(darkPixels(image, {80.2, 10, 9.8, 10}), 0);
    QCOMPARE(darkPixels(image, {50, 20.2, 40, 9.8}), 0);
}

void TestReportEngine::rowsFromBoundQuery()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("reportrows"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        Db::exec(QStringLiteral("create table T (Name text, RMoney bigint)"), {}, db);
        const QString quoted = QStringLiteral("O'Brien's \"best\"; drop table T");
        Db::exec(QStringLiteral("insert into T values (?, ?), (?, ?)"),
                 {quoted, 1250, QStringLiteral("other"), 300}, db);
        const ReportData data = ReportData::fromQuery(
            QStringLiteral("select Name, RMoney from T where Name = ?"), {quoted}, db);
        QCOMPARE(data.rowCount(), 1);
        QCOMPARE(data.value(0, QStringLiteral("name")).toString(), quoted);
        QCOMPARE(data.value(0, QStringLiteral("RMONEY")).toLongLong(), 1250);
        QCOMPARE(data.columns(), QStringList({"Name", "RMoney"}));
        QCOMPARE(data.value(5, 0), QVariant());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reportrows"));
}

void TestReportEngine::failingQueryThrows()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("reportfail"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QVERIFY_THROWS_EXCEPTION(Db::DbError, ReportData::fromQuery(
                                                  QStringLiteral("select * from Missing"), {},
                                                  db));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reportfail"));
}

void TestReportEngine::receiptPdf()
{
    ReportDefinition r(QStringLiteral("单据"));
    r.setPage(ReportPage::custom(QSizeF(70, 100), QMarginsF(0, 10, 0, 10)));
    const QFont big(QStringLiteral("Arial"), 16, QFont::Bold);
    ReportBand &title = r.title().setHeight(30);
    title.addText({0, 0, 70, 8}, QStringLiteral("欢迎光临")).setFont(big).alignCenter();
    title.addText({0, 8, 70, 8}, QStringLiteral("好运影碟店")).setFont(big).alignCenter();
    title.addText({0, 17, 70, 4.5}, QStringLiteral("地址：光明路 8 号"));
    title.addText({0, 21.5, 70, 4.5}, QStringLiteral("单 据 号：202403010"));
    r.pageHeader().setHeight(5).setBold().setFrame(ReportFrame::lines(false, true));
    r.pageHeader().addText({0, 0, 40, 5}, QStringLiteral("影碟名称"));
    r.pageHeader().addText({40, 0, 10, 5}, QStringLiteral("数量")).alignRight();
    r.pageHeader().addText({50, 0, 20, 5}, QStringLiteral("金额")).alignRight();
    r.detail().setHeight(5);
    r.detail().addColumn({0, 0, 40, 5}, QStringLiteral("name"));
    r.detail().addColumn({40, 0, 10, 5}, QStringLiteral("Amount")).alignRight();
    r.detail().addColumn({50, 0, 20, 5}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight();
    r.summary().setHeight(6).setFrame(ReportFrame::lines(true, false));
    r.summary().addText({0, 0, 20, 6}, QStringLiteral("合计：")).setBold();
    r.summary().addCount({40, 0, 10, 6}).alignRight();
    r.summary().addSum({50, 0, 20, 6}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight().setBold();

    ReportData rows({QStringLiteral("name"), QStringLiteral("Amount"), QStringLiteral("RMoney")});
    rows.appendRow({QStringLiteral("大话西游"), 1, 250});
    rows.appendRow({QStringLiteral("英雄本色"), 1, 300});
    rows.appendRow({QStringLiteral("甜蜜蜜"), 1, 125});
    const ReportDocument doc = ReportGenerator::generate(r, rows);
    QCOMPARE(doc.pageCount(), 1);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("receipt.pdf"));
    QString why;
    QVERIFY2(doc.exportPdf(pdf, &why), qPrintable(why));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    if (info.isEmpty())
        QSKIP("pdfinfo is not installed");
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+198 x 283 pts"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title:\\s+单据"))));

    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf,
                                                            QStringLiteral("-")});
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines << simplified;
    }
    QVERIFY2(lines.contains(QStringLiteral("欢迎光临")), qPrintable(text));
    QVERIFY(lines.contains(QStringLiteral("好运影碟店")));
    QVERIFY(lines.contains(QStringLiteral("影碟名称 数量 金额")));
    QVERIFY(lines.contains(QStringLiteral("大话西游 1 2.50")));
    QVERIFY(lines.contains(QStringLiteral("英雄本色 1 3.00")));
    QVERIFY(lines.contains(QStringLiteral("甜蜜蜜 1 1.25")));
    QVERIFY2(lines.contains(QStringLiteral("合计： 3 6.75")), qPrintable(text));
}

void TestReportEngine::landscapePdf()
{
    ReportDefinition r(QStringLiteral("wide"));
    r.setPage(ReportPage::custom(QSizeF(297, 210), QMarginsF(10, 10, 10, 10)));
    r.detail().setHeight(90).addColumn({0, 0, 270, 90}, QStringLiteral("name"));
    const ReportDocument doc = ReportGenerator::generate(r, namedRows(4));
    QCOMPARE(doc.pageCount(), 2);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("wide.pdf"));
    QVERIFY(doc.exportPdf(pdf));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    if (info.isEmpty())
        QSKIP("pdfinfo is not installed");
    QVERIFY2(info.contains(QStringLiteral("842 x 595 pts")), qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
}

void TestReportEngine::pdfToUnwritablePlaceFails()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const ReportDocument doc = ReportGenerator::generate(smallPageReport(), namedRows(2));
    QString why;
    QVERIFY(!doc.exportPdf(blocker + QStringLiteral("/sub/out.pdf"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!ReportDocument().exportPdf(dir.filePath(QStringLiteral("empty.pdf"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("empty.pdf"))));
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
