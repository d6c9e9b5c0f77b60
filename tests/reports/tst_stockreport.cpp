// The stock report without a window: which copies count, how they are grouped into rows, the
// category subtotals and totals on the pages, the supplier filter and the PDF.
#include "StockSalesFixtures.h"
#include "support/TestAccount.h"

#include "reports/StockReport.h"
#include "toolkit/ReportGenerator.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace StockSalesFixtures;

namespace {

ReportHeading heading()
{
    ReportHeading h;
    h.title = QString::fromUtf8(StockReport::Title);
    h.showRange = false;
    h.tabulationCaption = QStringLiteral("制表日期");
    h.tabulated = QDate(2024, 5, 6);
    return h;
}

ReportDocument generate(const ReportData &rows)
{
    return ReportGenerator::generate(StockReport::definition(heading()), rows);
}

QStringList allTexts(const ReportDocument &doc)
{
    QStringList texts;
    for (int p = 0; p < doc.pageCount(); ++p)
        texts += doc.pageTexts(p);
    return texts;
}

// The n texts that follow the k-th occurrence (0-based) of marker.
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

} // namespace

class TestStockReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void copiesEnteredTogetherFormOneRow()
    {
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        for (int i = 1; i <= 3; ++i) {
            addCopy(account.db(), {QStringLiteral("0001-%1").arg(i), QStringLiteral("无间道"),
                     QStringLiteral("剧情"), QStringLiteral("粤语"), s, QDate(2024, 3, 1), 2,
                     1999});
        }
        const ReportData rows = StockReport::rows(account.db());
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.value(0, "Name").toString(), QStringLiteral("无间道"));
        QCOMPARE(rows.value(0, "Categray").toString(), QStringLiteral("剧情"));
        QCOMPARE(rows.value(0, "Nlang").toString(), QStringLiteral("粤语"));
        QCOMPARE(rows.value(0, "Company").toString(), QStringLiteral("华纳"));
        QCOMPARE(rows.value(0, "DatTime").toString(), QStringLiteral("2024-03-01"));
        QCOMPARE(rows.value(0, "SCopy").toLongLong(), 3);
        QCOMPARE(rows.value(0, "Amount").toLongLong(), 2);
        QCOMPARE(rows.value(0, "SumAmount").toLongLong(), 6);
        QCOMPARE(rows.value(0, "SumMoney").toLongLong(), 5997);
    }

    void anyDifferenceStartsAnotherRow_data()
    {
        QTest::addColumn<QString>("column");
        QTest::newRow("price changed") << "Mone";
        QTest::newRow("bought another day") << "DatTime";
        QTest::newRow("discs per set") << "Amount";
        QTest::newRow("language") << "Nlang";
    }
    void anyDifferenceStartsAnotherRow()
    {
        QFETCH(QString, column);
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        Copy c{QStringLiteral("0001-1"),
               QStringLiteral("英雄"),
               QStringLiteral("动作"),
               QStringLiteral("国语"),
               s,
               QDate(2024, 3, 1),
               1,
               1500};
        addCopy(account.db(), c);
        c.code = QStringLiteral("0001-2");
        addCopy(account.db(), c);
        c.code = QStringLiteral("0001-3");
        const qint64 changed = addCopy(account.db(), c);
        const QVariant other = column == QLatin1String("DatTime") ? QVariant("2024-03-02")
                               : column == QLatin1String("Nlang") ? QVariant("英语")
                                                                  : QVariant(3);
        Db::exec(QStringLiteral("UPDATE TBName SET %1 = ? WHERE ID = ?").arg(column),
                 {other, changed}, account.db());

        const ReportData rows = StockReport::rows(account.db());
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.value(0, "SCopy").toLongLong() + rows.value(1, "SCopy").toLongLong(), 3);
    }

    void onlyCopiesInStockCount_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("counted");
        QTest::newRow("in stock") << 0 << true;
        QTest::newRow("1 counts as in stock") << 1 << true;
        QTest::newRow("2 counts as in stock") << 2 << true;
        QTest::newRow("deleted") << 3 << false;
        QTest::newRow("written off") << 4 << false;
        QTest::newRow("sold") << 5 << false;
    }
    void onlyCopiesInStockCount()
    {
        QFETCH(int, quality);
        QFETCH(bool, counted);
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        addCopy(account.db(), {QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("动作"),
                 QStringLiteral("国语"), s, QDate(2024, 3, 1), 1, 1500});
        Copy c{QStringLiteral("0002"),
               QStringLiteral("甜蜜蜜"),
               QStringLiteral("爱情"),
               QStringLiteral("国语"),
               s,
               QDate(2024, 3, 1),
               1,
               1200};
        c.quality = quality;
        addCopy(account.db(), c);

        const ReportData rows = StockReport::rows(account.db());
        QCOMPARE(rows.rowCount(), counted ? 2 : 1);
        bool listed = false;
        for (int r = 0; r < rows.rowCount(); ++r)
            listed = listed || rows.value(r, "Name").toString() == QStringLiteral("甜蜜蜜");
        QCOMPARE(listed, counted);
    }

    void supplierChoice()
    {
        TestAccount account;
        const qint64 warner = addSupplier(account.db(), QStringLiteral("华纳"));
        const qint64 fox = addSupplier(account.db(), QStringLiteral("福克斯"));
        addCopy(account.db(), {QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("动作"),
                 QStringLiteral("国语"), warner, QDate(2024, 3, 1), 1, 1500});
        addCopy(account.db(), {QStringLiteral("0002"), QStringLiteral("泰坦尼克号"), QStringLiteral("爱情"),
                 QStringLiteral("英语"), fox, QDate(2024, 3, 1), 2, 3000});
        // A copy of a supplier deleted since: still on the shelf, so still counted in total.
        addCopy(account.db(), {QStringLiteral("0003"), QStringLiteral("旧片"), QStringLiteral("动作"),
                 QStringLiteral("国语"), 999, QDate(2024, 3, 1), 1, 800});

        const ReportData all = StockReport::rows(account.db());
        QCOMPARE(all.rowCount(), 3);
        qint64 value = 0;
        for (int r = 0; r < all.rowCount(); ++r)
            value += all.value(r, "SumMoney").toLongLong();
        QCOMPARE(value, 1500 + 3000 + 800);

        const ReportData onlyFox = StockReport::rows(account.db(), fox);
        QCOMPARE(onlyFox.rowCount(), 1);
        QCOMPARE(onlyFox.value(0, "Name").toString(), QStringLiteral("泰坦尼克号"));
        QCOMPARE(onlyFox.value(0, "Company").toString(), QStringLiteral("福克斯"));
        QCOMPARE(StockReport::rows(account.db(), warner).rowCount(), 1);
        QCOMPARE(StockReport::rows(account.db(), 12345).rowCount(), 0);

        const QList<StockReport::Supplier> list = StockReport::suppliers(account.db());
        QCOMPARE(list.size(), 2);
        // Ordered by name in pinyin (福 fu before 华 hua), each carrying its ID.
        QStringList names;
        for (const StockReport::Supplier &s : list) {
            names << s.company;
            QCOMPARE(s.id, s.company == QStringLiteral("华纳") ? warner : fox);
        }
        QCOMPARE(names, (QStringList{QStringLiteral("福克斯"), QStringLiteral("华纳")}));
    }

    void quotesInNamesAreData()
    {
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("O'Brien's"));
        addCopy(account.db(), {QStringLiteral("0001"), QStringLiteral("Ocean's Eleven"), QStringLiteral("动作"),
                 QStringLiteral("英语"), s, QDate(2024, 3, 1), 1, 1500});
        const ReportData rows = StockReport::rows(account.db(), s);
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.value(0, "Company").toString(), QStringLiteral("O'Brien's"));
        QCOMPARE(StockReport::suppliers(account.db()).value(0).company,
                 QStringLiteral("O'Brien's"));
    }

    void namesInPinyinOrder()
    {
        // Code point order would give 动 (dong), 战 (zhan), 爱 (ai) and 中, 北, 大.
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        int code = 0;
        for (const char *category : {"战争", "爱情", "动作"}) {
            for (const char *name : {"中国", "北京", "大海"}) {
                addCopy(account.db(), {QString::number(++code), QString::fromUtf8(name),
                         QString::fromUtf8(category), QStringLiteral("国语"), s});
            }
        }
        const ReportData rows = StockReport::rows(account.db());
        QStringList order;
        for (int r = 0; r < rows.rowCount(); ++r)
            order << rows.value(r, "Categray").toString() + rows.value(r, "Name").toString();
        QCOMPARE(order, QStringList({"爱情北京", "爱情大海", "爱情中国", "动作北京", "动作大海",
                                     "动作中国", "战争北京", "战争大海", "战争中国"}));
    }

    void categorySubtotalsAndTotals()
    {
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        // 动作: 2 sets of 2 discs at 0.10 and 1 set of 1 disc at 19.99.
        addCopy(account.db(), {QStringLiteral("0001-1"), QStringLiteral("英雄"), QStringLiteral("动作"),
                 QStringLiteral("国语"), s, QDate(2024, 3, 1), 2, 10});
        addCopy(account.db(), {QStringLiteral("0001-2"), QStringLiteral("英雄"), QStringLiteral("动作"),
                 QStringLiteral("国语"), s, QDate(2024, 3, 1), 2, 10});
        addCopy(account.db(), {QStringLiteral("0002"), QStringLiteral("卧虎藏龙"), QStringLiteral("动作"),
                 QStringLiteral("国语"), s, QDate(2024, 3, 2), 1, 1999});
        // 喜剧: 1 set of 3 discs at 0.20.
        addCopy(account.db(), {QStringLiteral("0003"), QStringLiteral("喜剧之王"), QStringLiteral("喜剧"),
                 QStringLiteral("粤语"), s, QDate(2024, 3, 1), 3, 20});

        const ReportDocument doc = generate(StockReport::rows(account.db()));
        QCOMPARE(doc.pageCount(), 1);
        const QStringList texts = doc.pageTexts(0);
        QVERIFY(texts.contains(QStringLiteral("库 存 报 表")));
        QVERIFY(texts.contains(QStringLiteral("第 1 页")));
        QVERIFY(texts.contains(QStringLiteral("制表日期 2024-05-06")));
        // No date range on a report that has none.
        for (const QString &t : texts)
            QVERIFY2(!t.startsWith(QStringLiteral("从")), qPrintable(t));
        for (const char *caption : {"影片类型", "影片名称", "语言种类", "供应商", "进货日期",
                                    "部数", "数量/每套", "总数量", "金额"}) {
            QVERIFY2(texts.contains(QString::fromUtf8(caption)), caption);
        }
        // Category group: its header, the rows, then sets, discs and value.
        QCOMPARE(texts.count(QStringLiteral("动作")), 1);
        QCOMPARE(after(texts, QStringLiteral("英雄"), 7),
                 QStringList({"国语", "华纳", "2024-03-01", "2", "2", "4", "0.20"}));
        QCOMPARE(after(texts, QStringLiteral("小  计"), 3, 0), QStringList({"3", "5", "20.19"}));
        QCOMPARE(after(texts, QStringLiteral("小  计"), 3, 1), QStringList({"1", "3", "0.20"}));
        QCOMPARE(after(texts, QStringLiteral("合  计"), 3), QStringList({"4", "8", "20.39"}));
        QVERIFY(texts.indexOf(QStringLiteral("动作")) < texts.indexOf(QStringLiteral("喜剧")));
    }

    void longReportRepeatsHeadingOnEveryPage()
    {
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        {
            Db::Transaction t(account.db());
            for (int i = 0; i < 150; ++i) {
                addCopy(account.db(), {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')),
                         QStringLiteral("影片%1").arg(i, 3, 10, QLatin1Char('0')),
                         i % 2 ? QStringLiteral("动作") : QStringLiteral("喜剧"),
                         QStringLiteral("国语"), s, QDate(2024, 3, 1), 1, 100});
            }
            t.commit();
        }
        const ReportDocument doc = generate(StockReport::rows(account.db()));
        QVERIFY(doc.pageCount() >= 3);
        for (int p = 0; p < doc.pageCount(); ++p) {
            const QStringList texts = doc.pageTexts(p);
            QVERIFY(texts.contains(QStringLiteral("库 存 报 表")));
            QVERIFY(texts.contains(QStringLiteral("第 %1 页").arg(p + 1)));
            QVERIFY(texts.contains(QStringLiteral("总数量")));
        }
        const QStringList all = allTexts(doc);
        QCOMPARE(all.count(QStringLiteral("小  计")), 2);
        QCOMPARE(after(all, QStringLiteral("合  计"), 3), QStringList({"150", "150", "150.00"}));
    }

    void pdfReadsBack()
    {
        TestAccount account;
        const qint64 s = addSupplier(account.db(), QStringLiteral("华纳"));
        for (int i = 1; i <= 3; ++i) {
            addCopy(account.db(), {QStringLiteral("0001-%1").arg(i), QStringLiteral("无间道"),
                     QStringLiteral("剧情"), QStringLiteral("粤语"), s, QDate(2024, 3, 1), 2,
                     1999});
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("stock.pdf"));
        QString why;
        QVERIFY2(generate(StockReport::rows(account.db())).exportPdf(pdf, &why), qPrintable(why));
        const QString text = pdfText(pdf);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const QString &expected :
             // pdftotext drops the blanks between spaced Chinese characters.
             {QStringLiteral("库存报表"), QStringLiteral("第1页"),
              QStringLiteral("制表日期 2024-05-06"), QStringLiteral("剧情"),
              QStringLiteral("无间道 粤语 华纳 2024-03-01 3 2 6 59.97"),
              QStringLiteral("小 计 3 6 59.97"), QStringLiteral("合 计 3 6 59.97")}) {
            QVERIFY2(text.contains(expected),
                     qPrintable(expected + QStringLiteral(" in: ") + text));
        }
    }
};

QTEST_MAIN(TestStockReport)
#include "tst_stockreport.moc"
