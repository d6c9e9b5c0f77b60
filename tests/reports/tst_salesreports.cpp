// The sales summary and detail reports without a window: the date range and its boundaries,
// sale lines only, sums per film and per category in exact cents, groups per sale date,
// undone sales, and the PDF.
#include "StockSalesFixtures.h"
#include "support/TestAccount.h"

#include "reports/SalesReports.h"
#include "sales/SaleStore.h"
#include "toolkit/ReportGenerator.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace StockSalesFixtures;

namespace {

ReportHeading heading(const QString &title, const QDate &from, const QDate &to)
{
    ReportHeading h;
    h.title = title;
    h.from = from;
    h.to = to;
    h.tabulationCaption = QStringLiteral("制表日期");
    h.tabulated = QDate(2024, 5, 6);
    return h;
}

ReportDocument summaryDocument(const QSqlDatabase &db, const QDate &from, const QDate &to)
{
    return ReportGenerator::generate(SalesReports::summaryDefinition(heading(
                                         QString::fromUtf8(SalesReports::SummaryTitle), from, to)),
                                     SalesReports::summaryRows(db, from, to));
}

ReportDocument detailDocument(const QSqlDatabase &db, const QDate &from, const QDate &to)
{
    return ReportGenerator::generate(SalesReports::detailDefinition(heading(
                                         QString::fromUtf8(SalesReports::DetailTitle), from, to)),
                                     SalesReports::detailRows(db, from, to));
}

QStringList after(const QStringList &texts, const QString &marker, int n, int k = 0)
{
    int at = -1;
    for (int i = 0; i <= k; ++i) {
        at = texts.indexOf(marker, at + 1);
        if (at < 0)
            return {};
    }
    return texts.mid(at + 1, n);
}

QStringList column(const ReportData &rows, const char *name)
{
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values << rows.value(r, QString::fromLatin1(name)).toString();
    return values;
}

} // namespace

class TestSalesReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rangeIncludesBothEndDays_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("days");
        QTest::newRow("two middle days")
            << QDate(2024, 3, 2) << QDate(2024, 3, 3) << QStringList{"2024-03-02", "2024-03-03"};
        QTest::newRow("one day") << QDate(2024, 3, 2) << QDate(2024, 3, 2)
                                 << QStringList{"2024-03-02"};
        QTest::newRow("last day of a month into the next")
            << QDate(2024, 2, 29) << QDate(2024, 3, 1) << QStringList{"2024-02-29", "2024-03-01"};
        QTest::newRow("no sale in range")
            << QDate(2024, 3, 5) << QDate(2024, 3, 9) << QStringList{};
        QTest::newRow("from after to") << QDate(2024, 3, 4) << QDate(2024, 3, 1) << QStringList{};
    }
    void rangeIncludesBothEndDays()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, days);
        TestAccount account;
        const QStringList all = {"2024-02-28", "2024-02-29", "2024-03-01",
                                 "2024-03-02", "2024-03-03", "2024-03-04"};
        for (int i = 0; i < all.size(); ++i) {
            const qint64 copy =
                addCopy(account.db(), {QStringLiteral("%1").arg(i), QStringLiteral("片%1").arg(i)});
            addSaleLine(account.db(), copy, all.at(i), 1, 100);
        }
        const ReportData detail = SalesReports::detailRows(account.db(), from, to);
        QCOMPARE(column(detail, "dattime"), days);
        QCOMPARE(SalesReports::summaryRows(account.db(), from, to).rowCount(), days.size());
    }

    void lineWithTimeOfDayOnLastDayCounts()
    {
        TestAccount account;
        const qint64 copy = addCopy(account.db(), {QStringLiteral("1"), QStringLiteral("英雄")});
        addSaleLine(account.db(), copy, QStringLiteral("2024-03-03 18:30:00"), 1, 100);
        QCOMPARE(
            SalesReports::detailRows(account.db(), QDate(2024, 3, 1), QDate(2024, 3, 3)).rowCount(),
            1);
        QCOMPARE(
            SalesReports::detailRows(account.db(), QDate(2024, 3, 4), QDate(2024, 3, 4)).rowCount(),
            0);
    }

    void rentalLinesNeverAppear()
    {
        TestAccount account;
        const qint64 rented = addCopy(account.db(), {QStringLiteral("1"), QStringLiteral("租的片")});
        const qint64 sold = addCopy(account.db(), {QStringLiteral("2"), QStringLiteral("卖的片")});
        addRentalLine(account.db(), rented, QStringLiteral("2024-03-02"), 300);
        addSaleLine(account.db(), sold, QStringLiteral("2024-03-02"), 1, 2500);
        const QDate day(2024, 3, 2);
        QCOMPARE(column(SalesReports::summaryRows(account.db(), day, day), "name"),
                 QStringList{"卖的片"});
        QCOMPARE(column(SalesReports::detailRows(account.db(), day, day), "name"),
                 QStringList{"卖的片"});
    }

    void oneFilmOnTwoDays()
    {
        TestAccount account;
        const qint64 a = addCopy(account.db(), {QStringLiteral("0001-1"), QStringLiteral("英雄")});
        const qint64 b = addCopy(account.db(), {QStringLiteral("0001-2"), QStringLiteral("英雄")});
        addSaleLine(account.db(), a, QStringLiteral("2024-03-01"), 2, 1999);
        addSaleLine(account.db(), b, QStringLiteral("2024-03-03"), 1, 2550);
        const QDate from(2024, 3, 1), to(2024, 3, 3);

        const ReportData summary = SalesReports::summaryRows(account.db(), from, to);
        QCOMPARE(summary.rowCount(), 1);
        QCOMPARE(summary.value(0, "SAmount").toLongLong(), 3);
        QCOMPARE(summary.value(0, "SMoney").toLongLong(), 2 * 1999 + 2550);

        const QStringList detail = detailDocument(account.db(), from, to).pageTexts(0);
        // Two date groups, each with its line and subtotal, then the total.
        QCOMPARE(after(detail, QStringLiteral("2024-03-01"), 5),
                 QStringList({"英雄", "19.99", "2", "39.98", "小   计："}));
        QCOMPARE(after(detail, QStringLiteral("小   计："), 2, 0), QStringList({"2", "39.98"}));
        QCOMPARE(after(detail, QStringLiteral("2024-03-03"), 4),
                 QStringList({"英雄", "25.50", "1", "25.50"}));
        QCOMPARE(after(detail, QStringLiteral("小   计："), 2, 1), QStringList({"1", "25.50"}));
        QCOMPARE(after(detail, QStringLiteral("合   计："), 2), QStringList({"3", "65.48"}));
        QVERIFY(detail.contains(QStringLiteral("从2024-03-01到2024-03-03")));
    }

    void summaryGroupsEachCategoryOnce()
    {
        TestAccount account;
        // Names whose order interleaves the categories: a category still forms one group.
        struct Sale
        {
            const char *name;
            const char *category;
            int amount;
            qint64 cents;
        };
        const Sale sales[] = {{"A 大话西游", "喜剧", 1, 3333},
                              {"B 英雄", "动作", 2, 3333},
                              {"C 喜剧之王", "喜剧", 3, 1},
                              {"D 卧虎藏龙", "动作", 1, 10}};
        int n = 0;
        for (const Sale &s : sales) {
            Copy c{QString::number(++n), QString::fromUtf8(s.name), QString::fromUtf8(s.category)};
            addSaleLine(account.db(), addCopy(account.db(), c), QStringLiteral("2024-03-02"), s.amount, s.cents);
        }
        const QDate day(2024, 3, 2);
        const ReportData rows = SalesReports::summaryRows(account.db(), day, day);
        QCOMPARE(column(rows, "categray"), QStringList({"动作", "动作", "喜剧", "喜剧"}));
        QCOMPARE(column(rows, "name"),
                 QStringList({"B 英雄", "D 卧虎藏龙", "A 大话西游", "C 喜剧之王"}));

        const QStringList texts = summaryDocument(account.db(), day, day).pageTexts(0);
        QVERIFY(texts.contains(QStringLiteral("销售汇总报表")));
        for (const char *caption : {"类    型", "影片名称", "数量", "金额"})
            QVERIFY2(texts.contains(QString::fromUtf8(caption)), caption);
        QCOMPARE(texts.count(QStringLiteral("动作")), 1);
        QCOMPARE(texts.count(QStringLiteral("喜剧")), 1);
        QCOMPARE(texts.count(QStringLiteral("小   计：")), 2);
        QCOMPARE(after(texts, QStringLiteral("B 英雄"), 2), QStringList({"2", "66.66"}));
        QCOMPARE(after(texts, QStringLiteral("小   计："), 2, 0), QStringList({"3", "66.76"}));
        QCOMPARE(after(texts, QStringLiteral("小   计："), 2, 1), QStringList({"4", "33.36"}));
        QCOMPARE(after(texts, QStringLiteral("合   计："), 2), QStringList({"7", "100.12"}));
    }

    void undoneSaleLeavesBothReports()
    {
        TestAccount account;
        const qint64 a = addCopy(account.db(), {QStringLiteral("1"), QStringLiteral("英雄")});
        const qint64 b = addCopy(account.db(), {QStringLiteral("2"), QStringLiteral("甜蜜蜜")});
        SaleStore::SaleRow first;
        first.copy.id = a;
        first.rmoney = Money::fromCents(1500);
        SaleStore::SaleRow second;
        second.copy.id = b;
        second.amount = 2;
        second.rmoney = Money::fromCents(800);
        const QDate day(2024, 3, 2);
        const QList<qint64> lines =
            SaleStore::completeSale(account.db(), {first, second}, 0, 1, day).value();
        QCOMPARE(SalesReports::detailRows(account.db(), day, day).rowCount(), 2);

        QVERIFY(SaleStore::undoSale(account.context(), lines.at(0)));
        QCOMPARE(column(SalesReports::detailRows(account.db(), day, day), "name"),
                 QStringList{"甜蜜蜜"});
        const ReportData summary = SalesReports::summaryRows(account.db(), day, day);
        QCOMPARE(column(summary, "name"), QStringList{"甜蜜蜜"});
        QCOMPARE(summary.value(0, "SMoney").toLongLong(), 1600);
    }

    void pdfReadsBack()
    {
        TestAccount account;
        addSaleLine(account.db(), 
            addCopy(account.db(), {QStringLiteral("1"), QStringLiteral("无间道"), QStringLiteral("剧情")}),
            QStringLiteral("2024-03-02"), 3, 1250);
        const QDate day(2024, 3, 2);
        QTemporaryDir dir;
        const QString summaryPdf = dir.filePath(QStringLiteral("summary.pdf"));
        const QString detailPdf = dir.filePath(QStringLiteral("detail.pdf"));
        QVERIFY(summaryDocument(account.db(), day, day).exportPdf(summaryPdf));
        QVERIFY(detailDocument(account.db(), day, day).exportPdf(detailPdf));
        const QString summary = pdfText(summaryPdf);
        const QString detail = pdfText(detailPdf);
        if (summary.isEmpty() || detail.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const QString &expected :
             {QStringLiteral("销售汇总报表"), QStringLiteral("从2024-03-02到2024-03-02"),
              QStringLiteral("类 型 影片名称 数量 金额"), QStringLiteral("剧情"),
              QStringLiteral("无间道 3 37.50"), QStringLiteral("小 计： 3 37.50"),
              QStringLiteral("合 计： 3 37.50")}) {
            QVERIFY2(summary.contains(expected), qPrintable(expected + " in: " + summary));
        }
        for (const QString &expected :
             {QStringLiteral("销售明细报表"), QStringLiteral("销售日期 名 称 单 价 数 量 金 额"),
              QStringLiteral("2024-03-02"), QStringLiteral("无间道 12.50 3 37.50"),
              QStringLiteral("合 计： 3 37.50")}) {
            QVERIFY2(detail.contains(expected), qPrintable(expected + " in: " + detail));
        }
    }
};

QTEST_MAIN(TestSalesReports)
#include "tst_salesreports.moc"
