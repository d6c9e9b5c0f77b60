// The stock report and the two sales reports in their windows: the supplier list and its
// choice, refreshing with new dates, the no-data message, printing after the question, and
// the openers that keep one window each.
#include "StockSalesFixtures.h"

#include "reports/SalesReportWindows.h"
#include "reports/StockReportWindow.h"
#include "shell/BaseWindows.h"
#include "shell/Openers.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/ReportPreview.h"
#include "toolkit/ReportPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace StockSalesFixtures;

namespace {

const QString kNoData = QStringLiteral("我没有找到您需要的数据!");
const QString kPrintNow = QStringLiteral("是否马上打印报表？");

// Presses a button from the keyboard, as an operator tabbing to it does.
void press(QPushButton *button)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

QStringList allTexts(const TQChildFm &report)
{
    QStringList texts;
    for (int p = 0; p < report.document().pageCount(); ++p)
        texts += report.document().pageTexts(p);
    return texts;
}

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

template <typename T> T *openWindow(const char *name)
{
    for (QWidget *w : QApplication::allWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return qobject_cast<T *>(w);
    }
    return nullptr;
}

QStringList pdfsIn(const QString &folder)
{
    QStringList files;
    for (const QString &f : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files))
        files << QDir(folder).filePath(f);
    return files;
}

} // namespace

class TestStockSalesReportWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        applyCommonLook();
    }

    void init()
    {
        m_account = std::make_unique<TestAccount>();
        m_boxes = std::make_unique<RecordingPresenter>();
        QVERIFY(m_prints.isValid());
        ReportPrinter::setPdfInstead(m_prints.path());
        m_warner = addSupplier(m_account->db(), QStringLiteral("华纳"));
        m_fox = addSupplier(m_account->db(), QStringLiteral("福克斯"));
        for (int i = 1; i <= 2; ++i) {
            addCopy(m_account->db(), {QStringLiteral("0001-%1").arg(i), QStringLiteral("英雄"),
                     QStringLiteral("动作"), QStringLiteral("国语"), m_warner, QDate(2024, 3, 1), 2,
                     1500});
        }
        addCopy(m_account->db(), {QStringLiteral("0002"), QStringLiteral("泰坦尼克号"), QStringLiteral("爱情"),
                 QStringLiteral("英语"), m_fox, QDate(2024, 3, 2), 1, 2999});
    }

    void cleanup()
    {
        ReportPrinter::setPdfInstead(QString());
        for (const QString &f : pdfsIn(m_prints.path()))
            QFile::remove(f);
        m_boxes.reset();
        m_account.reset();
    }

    void stockReportHasNoDateRangeAndListsSuppliers()
    {
        TQStoreRep report(m_account->context());
        report.resize(1000, 700);
        report.show();
        QVERIFY(report.dxDateEdit1->isHidden());
        QVERIFY(report.dxDateEdit2->isHidden());
        QVERIFY(report.Label1->isHidden());
        QVERIFY(report.Label2->isHidden());
        QVERIFY(report.lbPg->isHidden());
        // All suppliers first, then by name in pinyin (福 fu before 华 hua).
        QCOMPARE(comboItems(report.ComProvice), QStringList({"所有供应商", "福克斯", "华纳"}));
        QCOMPARE(report.ComProvice->itemData(2).toLongLong(), m_warner);
        QCOMPARE(report.ComProvice->currentIndex(), 0);
        auto *caption = report.findChild<QLabel *>(QStringLiteral("Label3"));
        QVERIFY(caption);
        QCOMPARE(caption->text(), QStringLiteral("供应商"));
        QCOMPARE(caption->buddy(), report.ComProvice);

        report.BuildReport();
        QVERIFY(m_boxes->shown.isEmpty());
        QVERIFY(report.QRPreview1->isVisible());
        QVERIFY(report.BBprint->isEnabled());
        const QStringList texts = allTexts(report);
        QVERIFY(texts.contains(QStringLiteral("库 存 报 表")));
        QVERIFY(texts.contains(QStringLiteral("制表日期 ") +
                               QDate::currentDate().toString(Qt::ISODate)));
        for (const QString &t : texts)
            QVERIFY2(!t.startsWith(QStringLiteral("从")), qPrintable(t));
        QVERIFY(texts.contains(QStringLiteral("英雄")));
        QVERIFY(texts.contains(QStringLiteral("泰坦尼克号")));
    }

    void choosingASupplierAndRefreshing()
    {
        TQStoreRep report(m_account->context());
        report.show();
        report.BuildReport();
        const int fox = report.ComProvice->findData(m_fox);
        QVERIFY(fox > 0);

        // Down from "所有供应商" until the supplier is chosen, then "刷新".
        report.ComProvice->setFocus();
        for (int i = 0; i < fox; ++i)
            QTest::keyClick(report.ComProvice, Qt::Key_Down);
        QCOMPARE(report.ComProvice->currentText(), QStringLiteral("福克斯"));
        press(report.FlatButton4);
        QStringList texts = allTexts(report);
        QVERIFY(texts.contains(QStringLiteral("泰坦尼克号")));
        QVERIFY(!texts.contains(QStringLiteral("英雄")));

        // Back to all suppliers.
        report.ComProvice->setFocus();
        QTest::keyClick(report.ComProvice, Qt::Key_Home);
        QCOMPARE(report.ComProvice->currentIndex(), 0);
        press(report.FlatButton4);
        texts = allTexts(report);
        QVERIFY(texts.contains(QStringLiteral("泰坦尼克号")));
        QVERIFY(texts.contains(QStringLiteral("英雄")));
        QVERIFY(m_boxes->shown.isEmpty());
    }

    void emptyStockSaysSoAndCannotPrint()
    {
        Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5"), {}, m_account->db());
        TQStoreRep report(m_account->context());
        report.show();
        report.BuildReport();
        QCOMPARE(m_boxes->texts(), QStringList{kNoData});
        QVERIFY(!report.QRPreview1->isVisible());
        QVERIFY(!report.BBprint->isEnabled());
    }

    void stockReportPrintsAfterAsking()
    {
        TQStoreRep report(m_account->context());
        report.show();
        report.BuildReport();
        m_boxes->answers.enqueue(QMessageBox::No);
        press(report.BBprint);
        QCOMPARE(m_boxes->texts(), QStringList{kPrintNow});
        QVERIFY(pdfsIn(m_prints.path()).isEmpty());

        press(report.BBprint); // answered Yes
        const QStringList printed = pdfsIn(m_prints.path());
        QCOMPARE(printed.size(), 1);
        const QString text = pdfText(printed.first());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("英雄 国语 华纳 2024-03-01 2 2 4 30.00")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("合 计 3 5 59.99")), qPrintable(text));
    }

    void stockOpenerKeepsOneWindowAndOffersNewSuppliers()
    {
        ShowQStoreRep(m_account->context());
        auto *report = openWindow<TQStoreRep>("TQStoreRep");
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QVERIFY(report->document().pageCount() > 0);
        report->ComProvice->setCurrentIndex(report->ComProvice->findData(m_warner));

        const qint64 added = addSupplier(m_account->db(), QStringLiteral("新供应商"));
        addCopy(m_account->db(), {QStringLiteral("0003"), QStringLiteral("新片"), QStringLiteral("动作"),
                 QStringLiteral("国语"), added, QDate(2024, 3, 3), 1, 100});
        ShowQStoreRep(m_account->context());
        QCOMPARE(openWindow<TQStoreRep>("TQStoreRep"), report);
        QVERIFY(report->ComProvice->findData(added) > 0);
        // The supplier chosen stays chosen, and the rebuilt report is that supplier's.
        QCOMPARE(report->ComProvice->currentText(), QStringLiteral("华纳"));
        const QStringList texts = allTexts(*report);
        QVERIFY(texts.contains(QStringLiteral("英雄")));
        QVERIFY(!texts.contains(QStringLiteral("新片")));
        report->hide();
    }

    void salesSummaryFollowsTheDates()
    {
        const qint64 sold =
            addCopy(m_account->db(), {QStringLiteral("0009"), QStringLiteral("喜剧之王"), QStringLiteral("喜剧")});
        addSaleLine(m_account->db(), sold, QStringLiteral("2024-03-01"), 2, 1250);
        addSaleLine(m_account->db(), sold, QStringLiteral("2024-03-03"), 1, 1250);

        TSellStockRep report(m_account->context());
        report.show();
        QCOMPARE(report.fromDate(), QDate::currentDate());
        report.BuildReport(); // today: nothing sold
        QCOMPARE(m_boxes->texts(), QStringList{kNoData});
        QVERIFY(!report.BBprint->isEnabled());
        m_boxes->clear();

        report.setDateRange(QDate(2024, 3, 1), QDate(2024, 3, 2));
        press(report.FlatButton4);
        QVERIFY(m_boxes->shown.isEmpty());
        QVERIFY(report.QRPreview1->isVisible());
        QVERIFY(report.BBprint->isEnabled());
        QCOMPARE(report.pageCount(), 1);
        QCOMPARE(report.lbPg->text(), QStringLiteral("共 1 页"));
        QVERIFY(!report.btnNext->isEnabled());
        QVERIFY(!report.btnPrev->isEnabled());
        QStringList texts = allTexts(report);
        QVERIFY(texts.contains(QStringLiteral("销售汇总报表")));
        QVERIFY(texts.contains(QStringLiteral("从2024-03-01到2024-03-02")));
        QCOMPARE(texts.mid(texts.indexOf(QStringLiteral("合   计：")) + 1, 2),
                 QStringList({"2", "25.00"}));

        report.setDateRange(QDate(2024, 3, 1), QDate(2024, 3, 3));
        press(report.FlatButton4);
        texts = allTexts(report);
        QVERIFY(texts.contains(QStringLiteral("从2024-03-01到2024-03-03")));
        QCOMPARE(texts.mid(texts.indexOf(QStringLiteral("合   计：")) + 1, 2),
                 QStringList({"3", "37.50"}));
    }

    void salesDetailPagesAndPrinting()
    {
        // 60 sale days of two lines each: several pages.
        const qint64 copy =
            addCopy(m_account->db(), {QStringLiteral("0009"), QStringLiteral("喜剧之王"), QStringLiteral("喜剧")});
        {
            Db::Transaction t(m_account->db());
            for (int d = 0; d < 60; ++d) {
                const QString day = QDate(2024, 1, 1).addDays(d).toString(Qt::ISODate);
                addSaleLine(m_account->db(), copy, day, 1, 1000);
                addSaleLine(m_account->db(), copy, day, 2, 550);
            }
            t.commit();
        }
        ShowQSellDetailFm(m_account->context());
        auto *report = openWindow<TQSellDetailFm>("TQSellDetailFm");
        QVERIFY(report);
        QCOMPARE(m_boxes->texts(), QStringList{kNoData}); // today
        m_boxes->clear();
        report->setDateRange(QDate(2024, 1, 1), QDate(2024, 2, 29));
        press(report->FlatButton4);
        QVERIFY(report->pageCount() >= 3);
        QCOMPARE(report->lbPg->text(), QStringLiteral("共 %1 页").arg(report->pageCount()));
        QCOMPARE(report->currentPage(), 1);
        QVERIFY(report->btnNext->isEnabled());
        QVERIFY(!report->btnPrev->isEnabled());
        for (int p = 2; p <= report->pageCount(); ++p)
            press(report->btnNext);
        QCOMPARE(report->currentPage(), report->pageCount());
        QVERIFY(!report->btnNext->isEnabled());
        QVERIFY(report->btnPrev->isEnabled());
        const QStringList texts = allTexts(*report);
        QCOMPARE(texts.count(QStringLiteral("小   计：")), 60);
        QCOMPARE(texts.mid(texts.indexOf(QStringLiteral("合   计：")) + 1, 2),
                 QStringList({"180", "1260.00"}));

        m_boxes->answers.enqueue(QMessageBox::No);
        press(report->BBprint);
        QCOMPARE(m_boxes->texts(), QStringList{kPrintNow});
        QCOMPARE(m_boxes->shown.first().caption, QStringLiteral("系统提示"));
        QVERIFY(pdfsIn(m_prints.path()).isEmpty());
        QVERIFY(report->QRPreview1->isVisible());

        press(report->BBprint);
        const QStringList printed = pdfsIn(m_prints.path());
        QCOMPARE(printed.size(), 1);
        const QString text = pdfText(printed.first());
        if (!text.isEmpty()) {
            QVERIFY2(text.contains(QStringLiteral("销售明细报表")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("合 计： 180 1260.00")), qPrintable(text));
        }
        report->hide();
    }

private:
    std::unique_ptr<TestAccount> m_account;
    std::unique_ptr<RecordingPresenter> m_boxes;
    QTemporaryDir m_prints;
    qint64 m_warner = 0;
    qint64 m_fox = 0;
};

QTEST_MAIN(TestStockSalesReportWindows)
#include "tst_stocksalesreportwindows.moc"
