#include "charts/CompareChartWindow.h"
#include "charts/LeaseChartWindow.h"
#include "charts/StoreChartWindow.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "shell/BaseWindows.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "support/CsvReader.h"
#include "support/RecordingPresenter.h"
#include "support/StripFit.h"
#include "support/TestAccount.h"

#include <QApplication>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QLabel>
#include <QSet>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "toolkit/ReportFiles.h"
#include "toolkit/ReportPeriod.h"
#include "toolkit/ReportPrinter.h"
#include <QValueAxis>

namespace {

template <typename T> T *placed()
{
    for (QWidget *w : mainWorkArea()->placedWindows()) {
        if (auto *t = qobject_cast<T *>(w))
            return t;
    }
    return nullptr;
}

QStringList sliceLabels(const QPieSeries *series)
{
    QStringList labels;
    for (const QPieSlice *s : series->slices())
        labels << s->label();
    return labels;
}

} // namespace

// The chart windows live in one work area for the whole run, as in the program: each test
// works on the same windows with a fresh account.
class tst_ChartWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void leaseChartSaysSoWhenTodayHasNothing();
    void leaseChartRedrawsOnGroupingButNotOnDates();
    void stripsStayAtTheTopWithoutData();
    void leaseChartReportsADatabaseFailure();
    void stockChartShowsTheStockAsItIs();
    void compareChartDrawsOnFirstShowingAndOnRefresh();
    void compareChartMovesAlongTheMonthsAndKeepsTheBounds();
    void compareChartSplitsTheHeightEvenly();
    void compareChartAxesAreRoundAndStable();
    void pieSlicesShowTheirShareAndTheFigureOnHover();
    void chartsSaveAsPngAndPrint();
    void chartsExportTheirFiguresAsCsv();
    void leaseChartSwapsARangeTypedTheWrongWayRound();
    // Opens all three windows: last.
    void stripsFitANarrowScreen();

private:
    qint64 addTitle(const QString &name, const QString &category, const QString &bought,
                    qint64 cents, int quality = 0)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBName (CustomNum, Name, Categray, Copy, Quality, "
                           "DatTime, Mone) VALUES (?, ?, ?, 1, ?, ?, ?)"),
            {name, name, category, quality, bought, cents}, m_account->db());
    }
    // A rental line of the history, returned the same evening (a copy is out to one customer
    // at a time).
    void addLine(qint64 copy, const QDate &date)
    {
        Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                                "DatTime, Deposit, ReDate) VALUES (?, 300, 1, 15, ?, 3000, ?)"),
                 {copy, SqlDialect::dateText(date),
                  SqlDialect::dateText(date) + QStringLiteral(" 20:00:00")},
                 m_account->db());
    }
    void book(const QString &date, int type, qint64 cents)
    {
        Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                                "Per) VALUES (?, ?, ?, 15, 0)"),
                 {date, type, cents}, m_account->db());
    }

    WorkArea *m_area = nullptr;
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
};

void tst_ChartWindows::initTestCase()
{
    applyCommonLook();
    m_area = new WorkArea;
    m_area->resize(1000, 700);
    setMainWorkArea(m_area);
    m_area->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_area));
}

void tst_ChartWindows::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
}

void tst_ChartWindows::cleanup()
{
    delete m_boxes;
    delete m_account;
}

void tst_ChartWindows::cleanupTestCase()
{
    setMainWorkArea(nullptr);
    delete m_area;
}

void tst_ChartWindows::leaseChartSaysSoWhenTodayHasNothing()
{
    ShowLeaseChart(m_account->context());
    auto *w = placed<TLeaseCharFm>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->geometry(), m_area->rect());
    QCOMPARE(w->DTPBegin->date(), QDate::currentDate());
    QCOMPARE(w->DTPend->date(), QDate::currentDate());
    QCOMPARE(w->Chart1->chart()->title(), QStringLiteral("租赁分析图"));
    // The pie counts what the rental ranking counts, and says so.
    auto *note = w->findChild<QLabel *>(QStringLiteral("LabelRentalsOnly"));
    QVERIFY(note);
    QCOMPARE(note->text(), QStringLiteral("只计出租，不含销售"));
    QCOMPARE(m_boxes->texts(), QStringList{"我没有找到您需要的数据!"});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Information);
    QVERIFY(!w->Chart1->isVisible());
}

void tst_ChartWindows::leaseChartRedrawsOnGroupingButNotOnDates()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"), {}, 0);
    const qint64 fist = addTitle(QStringLiteral("精武门"), QStringLiteral("动作"), {}, 0);
    const QDate today = QDate::currentDate();
    addLine(hero, today);
    addLine(hero, today);
    addLine(fist, today);
    addLine(fist, today.addDays(-10));

    ShowLeaseChart(m_account->context());
    auto *w = placed<TLeaseCharFm>();
    QVERIFY(m_boxes->shown.isEmpty());
    QVERIFY(w->Chart1->isVisible());
    QCOMPARE(sliceLabels(w->Series1), (QStringList{"英雄 2 (66.7%)", "精武门 1 (33.3%)"}));
    QCOMPARE(w->Series1->slices().first()->value(), 2.0);
    QVERIFY(w->Series1->slices().first()->isLabelVisible());

    // A change of the dates alone does not redraw ...
    w->DTPBegin->setDate(today.addDays(-30));
    QCOMPARE(w->Series1->count(), 2);
    // ... a change of the grouping does, with the dates now set.
    w->ComBCate->setFocus();
    QTest::keyClick(w->ComBCate, Qt::Key_Down);
    QCOMPARE(w->ComBCate->currentText(), QStringLiteral("按影片类型"));
    QCOMPARE(sliceLabels(w->Series1), QStringList{"动作 4 (100.0%)"});
    QTest::keyClick(w->ComBCate, Qt::Key_Up);
    // Equal slices in the order of their names.
    QCOMPARE(sliceLabels(w->Series1), (QStringList{"精武门 2 (50.0%)", "英雄 2 (50.0%)"}));

    // "从" after "到": turned round and said so, never "no data".
    w->DTPBegin->setDate(today.addDays(1));
    w->DTPend->setDate(today);
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{ReportPeriod::swappedNotice(today, today.addDays(1))});
    QVERIFY(w->Chart1->isVisible());
    QCOMPARE(w->DTPend->date(), today.addDays(1));
    // A period without lines: the chart goes, the notice comes.
    m_boxes->clear();
    w->DTPBegin->setDate(today.addDays(5));
    w->DTPend->setDate(today.addDays(5));
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{"我没有找到您需要的数据!"});
    QVERIFY(!w->Chart1->isVisible());
    // Opening it again keeps the dates the operator chose.
    ShowLeaseChart(m_account->context());
    QCOMPARE(w->DTPBegin->date(), today.addDays(5));
    w->DTPBegin->setDate(today);
    w->DTPend->setDate(today);
}

void tst_ChartWindows::stripsStayAtTheTopWithoutData()
{
    ShowLeaseChart(m_account->context()); // nothing today
    ShowStoreChart(m_account->context()); // nothing in stock
    for (QWidget *w : {static_cast<QWidget *>(placed<TLeaseCharFm>()),
                       static_cast<QWidget *>(placed<TQStoreCharFm>())}) {
        QVERIFY(w);
        QApplication::processEvents();
        auto *strip = w->findChild<QWidget *>(QStringLiteral("HeaderStrip"));
        QVERIFY(strip);
        QCOMPARE(strip->y(), 0);
        QCOMPARE(strip->height(), 33);
    }
}

// The work area of a maximised main window on a 1024-pixel screen is about 870 pixels wide:
// there the strips take a second line rather than cut or cover a control; on a wide screen they
// keep to one line of 33 pixels. The charts start under them.
void tst_ChartWindows::stripsFitANarrowScreen()
{
    const QDate day(2026, 12, 3);
    addLine(m_account->addCopy(QStringLiteral("001"), QStringLiteral("英雄"), QStringLiteral("DVD")),
            day);
    ShowLeaseChart(m_account->context());
    ShowStoreChart(m_account->context());
    ShowCompareChart(m_account->context());
    auto *lease = placed<TLeaseCharFm>();
    QVERIFY(lease);
    lease->DTPBegin->setDate(day);
    lease->DTPend->setDate(day);
    lease->Draw();
    QVERIFY(lease->Chart1->isVisible());
    const QList<QWidget *> windows{lease, placed<TQStoreCharFm>(), placed<TCompareChFm>()};
    for (int width : {860, 1400}) {
        m_area->resize(width, 640);
        for (QWidget *w : windows) {
            QVERIFY(w);
            w->raise();
            QCOMPARE(w->width(), width);
            auto *strip = w->findChild<QWidget *>(QStringLiteral("HeaderStrip"));
            QVERIFY(strip);
            QTRY_COMPARE(strip->width(), width);
            QApplication::processEvents();
            const QString where = QStringLiteral("%1 at %2: ").arg(w->objectName()).arg(width);
            QVERIFY2(stripFaults(strip).isEmpty(),
                     qPrintable(where + stripFaults(strip).join(u'\n')));
            QCOMPARE(strip->y(), 0);
            if (width == 1400) {
                QCOMPARE(stripRows(strip), 1);
                QCOMPARE(strip->height(), 33);
            }
            for (auto *chart : w->findChildren<QChartView *>()) {
                if (chart->isVisible())
                    QVERIFY2(chart->y() >= strip->height(), qPrintable(where + chart->objectName()));
            }
        }
    }
    // The rental chart's strip cannot keep to one line at 860 pixels.
    m_area->resize(860, 640);
    QApplication::processEvents();
    QVERIFY(stripRows(lease->findChild<QWidget *>(QStringLiteral("HeaderStrip"))) >= 2);
    m_area->resize(1000, 700);
    QApplication::processEvents();
}

void tst_ChartWindows::leaseChartReportsADatabaseFailure()
{
    Db::exec(QStringLiteral("DROP TABLE TBBusinessDetail"), {}, m_account->db());
    ShowLeaseChart(m_account->context());
    auto *w = placed<TLeaseCharFm>();
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QVERIFY(m_boxes->lastText().startsWith(QStringLiteral("租赁数据读取失败！")));
    // The engine's own words under the details, not in the text.
    QVERIFY2(m_boxes->shown.first().details.contains(QStringLiteral("TBBusinessDetail")),
             qPrintable(m_boxes->shown.first().details));
    QVERIFY(!m_boxes->lastText().contains(QStringLiteral("no such table")));
    QVERIFY(!w->Chart1->isVisible());
}

void tst_ChartWindows::stockChartShowsTheStockAsItIs()
{
    addTitle(QStringLiteral("A"), QStringLiteral("动作"), {}, 0);
    addTitle(QStringLiteral("B"), QStringLiteral("喜剧"), {}, 0, Schema::QualitySold);
    ShowStoreChart(m_account->context());
    auto *w = placed<TQStoreCharFm>();
    QVERIFY(w);
    QCOMPARE(w->Chart1->chart()->title(), QStringLiteral("库存分析图"));
    QVERIFY(w->Chart1->chart()->titleFont().bold());
    QCOMPARE(sliceLabels(w->Series1), QStringList{"动作 1 (100.0%)"});
    // The dates do not enter the figures.
    w->dxDateEdit2->setDate(QDate(2000, 1, 1));
    w->dxDateEdit1->setDate(QDate(2000, 1, 2));
    addTitle(QStringLiteral("C"), QStringLiteral("喜剧"), {}, 0);
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(sliceLabels(w->Series1), (QStringList{"动作 1 (50.0%)", "喜剧 1 (50.0%)"}));

    Db::exec(QStringLiteral("UPDATE TBName SET Quality = ?"), {Schema::QualityDeleted},
             m_account->db());
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{"我没有找到您需要的数据!"});
    QVERIFY(!w->Chart1->isVisible());
}

void tst_ChartWindows::compareChartDrawsOnFirstShowingAndOnRefresh()
{
    addTitle(QStringLiteral("A"), {}, QStringLiteral("2024-01-10"), 1234567);
    addTitle(QStringLiteral("B"), {}, QStringLiteral("2024-03-01"), 5000);
    book(QStringLiteral("2024-02-02"), Schema::TypeRent, 1200);
    book(QStringLiteral("2024-02-02"), Schema::TypeDeposit, -3000);

    QVERIFY(!placed<TCompareChFm>());
    ShowCompareChart(m_account->context());
    auto *w = placed<TCompareChFm>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->Series1->count(), 2);
    QCOMPARE(w->Series1->at(0), 12345.67);
    QCOMPARE(w->Chart1Months->categoriesLabels(), (QStringList{"2024-01月", "2024-03月"}));
    QCOMPARE(w->BarSeries1->label(), QStringLiteral("租金收入"));
    QCOMPARE(w->Series2->label(), QStringLiteral("押金"));
    QCOMPARE(w->BarSeries1->count(), 1);
    QCOMPARE(w->BarSeries1->at(0), 12.0);
    QCOMPARE(w->Series2->at(0), 30.0);
    QCOMPARE(w->Chart2Months->categoriesLabels(), QStringList{"2024-02月"});
    QCOMPARE(w->Series1->color(), QColor(62, 181, 163));
    QVERIFY(!w->Chart1->chart()->legend()->isVisible());
    QVERIFY(w->Chart2->chart()->legend()->isVisible());
    QVERIFY(m_boxes->shown.isEmpty());

    // Only brought to the front again: the figures are not read.
    book(QStringLiteral("2024-04-01"), Schema::TypeRent, 100);
    ShowLeaseChart(m_account->context());
    m_boxes->clear();
    ShowCompareChart(m_account->context());
    QCOMPARE(w->BarSeries1->count(), 1);
    // 刷新 reads them.
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(w->BarSeries1->count(), 2);
    QCOMPARE(w->Series2->at(1), 0.0);
}

void tst_ChartWindows::compareChartMovesAlongTheMonthsAndKeepsTheBounds()
{
    for (int m = 1; m <= 4; ++m)
        addTitle(QStringLiteral("T%1").arg(m), {}, QStringLiteral("2024-0%1-01").arg(m), 100 * m);
    ShowCompareChart(m_account->context());
    auto *w = placed<TCompareChFm>();
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCategoryAxis *axis = w->Chart1Months;
    const qreal lower = axis->min();
    const qreal upper = axis->max();
    if (!w->boundsFixed()) {
        // Fitted to the four months.
        QCOMPARE(lower, -0.5);
        QCOMPARE(upper, 3.5);
    }
    const qreal width = upper - lower;

    QTest::mouseClick(w->BtnLeft, Qt::LeftButton);
    QCOMPARE(axis->min(), lower + width / 10);
    QCOMPARE(axis->max(), upper + width / 10);
    QTest::mouseClick(w->BtnRight, Qt::LeftButton);
    QTest::mouseClick(w->BtnRight, Qt::LeftButton);
    QCOMPARE(axis->min(), lower - width / 10);
    QVERIFY(w->boundsFixed());
    QCOMPARE(w->BtnLeft->toolTip(), QStringLiteral("左移"));

    // A redraw with another month keeps the moved bounds.
    const qreal movedLower = axis->min();
    const qreal movedUpper = axis->max();
    addTitle(QStringLiteral("T5"), {}, QStringLiteral("2024-05-01"), 500);
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(w->Series1->count(), 5);
    QCOMPARE(axis->min(), movedLower);
    QCOMPARE(axis->max(), movedUpper);
}

void tst_ChartWindows::compareChartSplitsTheHeightEvenly()
{
    ShowCompareChart(m_account->context());
    auto *w = placed<TCompareChFm>();
    auto *strip = w->findChild<QWidget *>(QStringLiteral("HeaderStrip"));
    QVERIFY(strip);
    for (int width : {1000, 700}) {
        for (int height : {700, 533, 402}) {
            m_area->resize(width, height);
            QApplication::processEvents();
            QCOMPARE(w->height(), height);
            const int top = strip->height();
            QVERIFY(top >= 33);
            QVERIFY(std::abs(w->Chart1->height() - w->Chart2->height()) <= 1);
            QCOMPARE(w->Chart1->y(), top);
            QCOMPARE(w->Chart1->height() + w->Chart2->height(), height - top);
            QCOMPARE(w->Chart2->geometry().bottom(), height - 1);
            // ← and → at the upper chart's top right corner.
            QCOMPARE(w->BtnRight->geometry().right(), w->Chart1->width() - 8 - 1);
        }
    }
    m_area->resize(1000, 700);
}

void tst_ChartWindows::compareChartAxesAreRoundAndStable()
{
    ShowCompareChart(m_account->context());
    auto *w = placed<TCompareChFm>();
    auto valueAxis = [](QChartView *view) {
        const QList<QAbstractAxis *> axes = view->chart()->axes(Qt::Vertical);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.first());
    };
    auto marks = [](const QValueAxis *axis) {
        QStringList texts;
        for (int i = 0; i < axis->tickCount(); ++i) {
            const double v = axis->min() + i * (axis->max() - axis->min()) / (axis->tickCount() - 1);
            texts << QString::asprintf(axis->labelFormat().toLatin1().constData(), v);
        }
        return texts;
    };
    // An empty account: every mark reads differently, in yuan with two decimals.
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    for (QChartView *view : {w->Chart1, w->Chart2}) {
        QValueAxis *axis = valueAxis(view);
        QVERIFY(axis);
        QCOMPARE(axis->labelFormat(), QStringLiteral("%.2f"));
        const QStringList texts = marks(axis);
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
        QCOMPARE(texts.first(), QStringLiteral("0.00"));
    }
    // With figures: refreshing the same figures keeps the same scale.
    book(QStringLiteral("2024-02-02"), Schema::TypeRent, 123456);
    book(QStringLiteral("2024-03-02"), Schema::TypeDeposit, -30000);
    addTitle(QStringLiteral("A"), {}, QStringLiteral("2024-01-10"), 987654);
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    const QStringList upper = marks(valueAxis(w->Chart1));
    const QStringList lower = marks(valueAxis(w->Chart2));
    QCOMPARE(lower.last(), QStringLiteral("1250.00"));
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
        QCOMPARE(marks(valueAxis(w->Chart1)), upper);
        QCOMPARE(marks(valueAxis(w->Chart2)), lower);
    }
}

void tst_ChartWindows::pieSlicesShowTheirShareAndTheFigureOnHover()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"), {}, 0);
    const qint64 kungfu = addTitle(QStringLiteral("功夫"), QStringLiteral("喜剧"), {}, 0);
    const QDate day(2024, 7, 1);
    for (int i = 0; i < 3; ++i)
        addLine(hero, day);
    addLine(kungfu, day);
    ShowLeaseChart(m_account->context());
    auto *w = placed<TLeaseCharFm>();
    w->DTPBegin->setDate(day);
    w->DTPend->setDate(day);
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(sliceLabels(w->Series1), (QStringList{"英雄 3 (75.0%)", "功夫 1 (25.0%)"}));

    QPieSlice *slice = w->Series1->slices().at(1);
    emit slice->hovered(true);
    QVERIFY(slice->isExploded());
    QCOMPARE(w->Chart1->toolTip(), QStringLiteral("功夫 1 (25.0%)"));
    emit slice->hovered(false);
    QVERIFY(!slice->isExploded());
    QCOMPARE(w->Chart1->toolTip(), QString());
}

void tst_ChartWindows::chartsSaveAsPngAndPrint()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"), {}, 0);
    addLine(hero, QDate::currentDate());
    QTemporaryDir dir;
    int asked = 0;
    ReportFiles::setSaveFileChooser([&](QWidget *, const QString &, const QString &,
                                        const QString &) {
        return dir.filePath(QStringLiteral("chart%1").arg(++asked));
    });
    ReportPrinter::setPdfInstead(dir.filePath(QStringLiteral("prints")));

    ShowLeaseChart(m_account->context());
    auto *lease = placed<TLeaseCharFm>();
    lease->DTPBegin->setDate(QDate::currentDate());
    lease->DTPend->setDate(QDate::currentDate());
    QTest::mouseClick(lease->FlatButton4, Qt::LeftButton);
    QVERIFY(lease->Chart1->isVisible());
    QTest::mouseClick(lease->findChild<QPushButton *>(QStringLiteral("BtnSavePng")),
                      Qt::LeftButton);
    const QImage pie(dir.filePath(QStringLiteral("chart1.png")));
    QCOMPARE(pie.size(), lease->Chart1->size() * lease->Chart1->devicePixelRatio());
    QTest::mouseClick(lease->findChild<QPushButton *>(QStringLiteral("BtnPrintChart")),
                      Qt::LeftButton);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("prints"))).entryList(QDir::Files).size(), 1);

    // Both monthly charts as one picture, without the strip.
    ShowCompareChart(m_account->context());
    auto *compare = placed<TCompareChFm>();
    QTest::mouseClick(compare->findChild<QPushButton *>(QStringLiteral("BtnSavePng")),
                      Qt::LeftButton);
    const QImage months(dir.filePath(QStringLiteral("chart2.png")));
    QCOMPARE(months.height(), (compare->height() - 33) * compare->devicePixelRatio());
    QTest::mouseClick(compare->findChild<QPushButton *>(QStringLiteral("BtnPrintChart")),
                      Qt::LeftButton);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("prints"))).entryList(QDir::Files).size(), 2);

    // A chart hidden for want of data is neither saved nor printed.
    m_boxes->clear();
    ShowStoreChart(m_account->context()); // one copy in stock: drawn
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = ?"), {Schema::QualityDeleted},
             m_account->db());
    auto *store = placed<TQStoreCharFm>();
    QTest::mouseClick(store->FlatButton4, Qt::LeftButton);
    QVERIFY(!store->Chart1->isVisible());
    QTest::mouseClick(store->findChild<QPushButton *>(QStringLiteral("BtnSavePng")),
                      Qt::LeftButton);
    QCOMPARE(asked, 2);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("没有可保存的图表。"));
    ReportFiles::setSaveFileChooser({});
    ReportPrinter::setPdfInstead(QString());
}

void tst_ChartWindows::chartsExportTheirFiguresAsCsv()
{
    const QDate today = QDate::currentDate();
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"), "2024-05-03",
                                 1999);
    const qint64 other = addTitle(QStringLiteral("无间道, 续"), QStringLiteral("剧情"), {}, 0);
    for (int i = 0; i < 3; ++i)
        addLine(hero, today);
    addLine(other, today);
    book(QStringLiteral("2024-06-10"), Schema::TypeRent, 500);
    book(QStringLiteral("2024-06-11"), Schema::TypeDeposit, -3000);
    book(QStringLiteral("2024-06-12"), Schema::TypeDeposit, 3000); // taken in: not drawn
    QTemporaryDir dir;
    QStringList files;
    ReportFiles::setSaveFileChooser([&](QWidget *, const QString &, const QString &suggested,
                                        const QString &) {
        files << dir.filePath(QFileInfo(suggested).fileName());
        return files.last();
    });
    const auto press = [](QWidget *window) {
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("BtnExportCsv")),
                          Qt::LeftButton);
    };
    const auto read = [&] {
        bool bom = false;
        const QList<QStringList> records = CsvReader::parseFile(files.last(), &bom);
        return bom ? records : QList<QStringList>();
    };

    // The pie's slices with their figures and shares, the name column as grouped.
    ShowLeaseChart(m_account->context());
    auto *lease = placed<TLeaseCharFm>();
    lease->DTPBegin->setDate(today);
    lease->DTPend->setDate(today);
    QTest::mouseClick(lease->FlatButton4, Qt::LeftButton);
    press(lease);
    QCOMPARE(files.size(), 1);
    QVERIFY2(files.last().endsWith(QStringLiteral(".csv")), qPrintable(files.last()));
    QCOMPARE(read(), (QList<QStringList>{{"影片名称", "出租数量", "占比(%)"},
                                         {"英雄", "3", "75.0"},
                                         {"无间道, 续", "1", "25.0"}}));
    lease->ComBCate->setCurrentIndex(1);
    press(lease);
    QCOMPARE(read(), (QList<QStringList>{{"影片类型", "出租数量", "占比(%)"},
                                         {"动作", "3", "75.0"},
                                         {"剧情", "1", "25.0"}}));

    // The monthly charts: a row per month of either chart, money with two decimals.
    ShowCompareChart(m_account->context());
    auto *compare = placed<TCompareChFm>();
    QTest::mouseClick(compare->FlatButton4, Qt::LeftButton);
    press(compare);
    QCOMPARE(read(), (QList<QStringList>{{"月份", "购片支出(元)", "租金收入(元)", "押金(元)"},
                                         {"2024-05", "19.99", "", ""},
                                         {"2024-06", "", "5.00", "30.00"}}));

    // Nothing drawn, nothing to export: no file asked for.
    ShowStoreChart(m_account->context());
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = ?"), {Schema::QualityDeleted},
             m_account->db());
    auto *store = placed<TQStoreCharFm>();
    QTest::mouseClick(store->FlatButton4, Qt::LeftButton);
    m_boxes->clear();
    press(store);
    QCOMPARE(files.size(), 3);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("没有可导出的数据。"));
    ReportFiles::setSaveFileChooser({});
    lease->ComBCate->setCurrentIndex(0);
}

void tst_ChartWindows::leaseChartSwapsARangeTypedTheWrongWayRound()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"), {}, 0);
    addLine(hero, QDate(2024, 8, 10));
    ShowLeaseChart(m_account->context());
    auto *w = placed<TLeaseCharFm>();
    m_boxes->clear();
    w->DTPBegin->setDate(QDate(2024, 8, 31));
    w->DTPend->setDate(QDate(2024, 8, 1));
    QTest::mouseClick(w->FlatButton4, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(),
             QStringList(ReportPeriod::swappedNotice(QDate(2024, 8, 1), QDate(2024, 8, 31))));
    QCOMPARE(w->DTPBegin->date(), QDate(2024, 8, 1));
    QVERIFY(w->Chart1->isVisible());
    QCOMPARE(sliceLabels(w->Series1), QStringList{"英雄 1 (100.0%)"});
}

QTEST_MAIN(tst_ChartWindows)
#include "tst_chartwindows.moc"
