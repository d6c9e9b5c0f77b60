// The report frame and the report windows driven by their buttons and keys: the no-data
// message, page navigation, refresh, printing with its question, and each window's own strip.
#include "ReportFixtures.h"

#include "reports/MemberReportWindow.h"
#include "reports/OverdueReportWindow.h"
#include "reports/RankingWindow.h"
#include "reports/RentalReportWindow.h"

#include "shell/BaseWindows.h"
#include "shell/Openers.h"
#include "support/RecordingPresenter.h"
#include "support/StripFit.h"
#include "toolkit/ReportPreview.h"
#include "toolkit/ReportPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include "reports/RentalReport.h"
#include "toolkit/ReportFiles.h"
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportPeriod.h"

using namespace ReportFixtures;

namespace {

const QString kNoData = QStringLiteral("我没有找到您需要的数据!");
const QDate kDay(2026, 5, 12);

// Presses a button the way the keyboard does: focus and Space.
void press(QPushButton *button)
{
    QVERIFY(button->isEnabled());
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

// Pages of a PDF file as pdfinfo reads them; -1 without pdfinfo.
int pdfPages(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForStarted() || !info.waitForFinished())
        return -1;
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

int pdfCount(const QString &folder)
{
    return int(QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files).size());
}

} // namespace

class tst_ReportWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void createdWithTodayAndNothingToPrint();
    void noDataHidesThePreviewAndRefreshShowsItAgain();
    void stripStaysAtTheTopWithoutData();
    void stripsFitANarrowScreen();
    void onePageDisablesBothPageButtons();
    void threePagesAreWalkedWithTheButtonsAndKeys();
    void refreshingDoesNotPileUpPages();
    void newDatesRebuildWithTheNewRange();
    void printAsksFirst();
    void overdueReadsItsDaysAndRefusesText();
    void memberReportListsTheRange();
    void rankingFollowsTheModeAndTheTypeOnRefresh();
    void openersKeepOneWindowAndRebuildIt();
    void pageNumberAndZoomFromTheStrip();
    void pageKeysWhereverTheFocusIs();
    void periodPresetsAndASwappedRange();
    void exportsPdfAndCsv();
    void printDialogPrintsTheChosenPages();
    void longReportIsBuiltInPartsWithTheSamePages();
    void aDatabaseFailureIsShownWithTheEnginesText();

private:
    // Rentals on kDay for one customer, enough for the given number of lines.
    void rentals(int count);

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    QTemporaryDir *m_prints = nullptr;
    qint64 m_member = 0;
    qint64 m_copy = 0;
};

void tst_ReportWindows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    applyCommonLook();
}

void tst_ReportWindows::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_prints = new QTemporaryDir;
    ReportPrinter::setPdfInstead(m_prints->path());
    m_member = m_account->addMember(QStringLiteral("001"), QStringLiteral("会员甲"), 5);
    m_copy = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("英雄"));
}

void tst_ReportWindows::cleanup()
{
    ReportPrinter::setPdfInstead(QString());
    delete m_prints;
    delete m_boxes;
    delete m_account;
}

void tst_ReportWindows::rentals(int count)
{
    for (int i = 0; i < count; ++i)
        rent(m_account->db(), m_copy, m_member, kDay, 2000, 300);
}

void tst_ReportWindows::createdWithTodayAndNothingToPrint()
{
    TResQPFm report(m_account->context());
    QCOMPARE(report.dxDateEdit2->date(), QDate::currentDate());
    QCOMPARE(report.dxDateEdit1->date(), QDate::currentDate());
    QCOMPARE(report.Label1->buddy(), report.dxDateEdit2);
    QCOMPARE(report.Label2->buddy(), report.dxDateEdit1);
    QCOMPARE(report.BBprint->text(), QStringLiteral(" 打印"));
    QVERIFY(!report.BBprint->isEnabled());
    QVERIFY(report.QRPreview1->isHidden());
}

void tst_ReportWindows::noDataHidesThePreviewAndRefreshShowsItAgain()
{
    rentals(1);
    TResQPFm report(m_account->context());
    report.show();
    report.BuildReport(); // today: nothing rented today
    QCOMPARE(m_boxes->texts(), QStringList(kNoData));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Information);
    QVERIFY(report.QRPreview1->isHidden());
    QVERIFY(!report.BBprint->isEnabled());
    QCOMPARE(report.lbPg->text(), QStringLiteral("共 0 页"));

    report.setDateRange(kDay, kDay);
    press(report.FlatButton4);
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(report.QRPreview1->isVisible());
    QVERIFY(report.BBprint->isEnabled());

    // Back to a range without data: the old pages are gone with the preview.
    report.setDateRange(kDay.addDays(1), kDay.addDays(2));
    press(report.FlatButton4);
    QCOMPARE(m_boxes->texts(), QStringList({kNoData, kNoData}));
    QVERIFY(report.QRPreview1->isHidden());
    QVERIFY(report.document().isEmpty());
    QVERIFY(!report.btnNext->isEnabled());
}

void tst_ReportWindows::stripStaysAtTheTopWithoutData()
{
    rentals(1);
    TResQPFm report(m_account->context());
    report.resize(900, 700);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    auto *strip = report.findChild<QWidget *>(QStringLiteral("ReportStrip"));
    QVERIFY(strip);
    auto stripAtTop = [&] {
        QApplication::processEvents();
        QCOMPARE(strip->y(), 0);
        QVERIFY2(strip->height() < 80, qPrintable(QString::number(strip->height())));
        QVERIFY(report.FlatButton4->mapTo(&report, QPoint(0, 0)).y() < 40);
    };
    report.BuildReport(); // nothing today
    QVERIFY(report.QRPreview1->isHidden());
    stripAtTop();
    report.setDateRange(kDay, kDay);
    press(report.FlatButton4);
    QVERIFY(report.QRPreview1->isVisible());
    stripAtTop();
    QApplication::processEvents();
    QVERIFY(report.QRPreview1->height() > 500); // the pages take the room below
    report.setDateRange(kDay.addDays(1), kDay.addDays(1));
    press(report.FlatButton4);
    stripAtTop();
}

// In the work area of a 1024-pixel screen (about 870 pixels) a strip with a report's own
// choice takes a second line instead of drawing its controls over each other; wide, one line.
// The overdue strip still reads "过期 [3] 天以上" from left to right.
void tst_ReportWindows::stripsFitANarrowScreen()
{
    TResQPFm rental(m_account->context());
    TDeferFm overdue(m_account->context());
    TAssociatorRepFm members(m_account->context());
    TQPHFm ranking(m_account->context());
    rentals(1);
    rental.setDateRange(kDay, kDay);
    rental.BuildReport(); // with its pages under the strip
    QVERIFY(!rental.QRPreview1->isHidden());
    for (TQChildFm *report : QList<TQChildFm *>{&rental, &overdue, &members, &ranking}) {
        report->show();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        auto *strip = report->findChild<QWidget *>(QStringLiteral("ReportStrip"));
        QVERIFY(strip);
        for (int width : {860, 1400}) {
            report->resize(width, 600);
            QTRY_COMPARE(strip->width(), width);
            QApplication::processEvents();
            const QString where = report->objectName() + u' ' + QString::number(width) + u' ';
            QVERIFY2(stripFaults(strip).isEmpty(),
                     qPrintable(where + stripFaults(strip).join(u'\n')));
            if (report->QRPreview1->isVisible())
                QVERIFY(report->QRPreview1->y() >= strip->geometry().bottom());
            if (width == 1400)
                QCOMPARE(stripRows(strip), 1);
        }
        report->hide();
    }
    overdue.show();
    overdue.BuildReport(); // shows the two captions around the days
    QApplication::processEvents();
    QVERIFY2(stripFaults(overdue.findChild<QWidget *>(QStringLiteral("ReportStrip"))).isEmpty(),
             qPrintable(stripFaults(overdue.findChild<QWidget *>(QStringLiteral("ReportStrip")))
                            .join(u'\n')));
    const auto left = [&](QWidget *w) { return w->mapTo(&overdue, QPoint(0, 0)).x(); };
    QVERIFY(overdue.Label1->isVisible());
    QVERIFY(left(overdue.Label1) < left(overdue.Edit1));
    QVERIFY(left(overdue.Edit1) < left(overdue.Label2));
    QCOMPARE(overdue.Label1->buddy(), overdue.Edit1);
}

void tst_ReportWindows::onePageDisablesBothPageButtons()
{
    rentals(3);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(report.pageCount(), 1);
    QCOMPARE(report.lbPg->text(), QStringLiteral("共 1 页"));
    QVERIFY(!report.btnPrev->isEnabled());
    QVERIFY(!report.btnNext->isEnabled());
    QCOMPARE(report.currentPage(), 1);
}

void tst_ReportWindows::threePagesAreWalkedWithTheButtonsAndKeys()
{
    rentals(120); // a line of 5 mm each: three A4 pages
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();
    QCOMPARE(report.pageCount(), 3);
    QCOMPARE(report.document().pageCount(), 3);
    QCOMPARE(report.lbPg->text(), QStringLiteral("共 3 页"));
    QCOMPARE(report.currentPage(), 1);
    QVERIFY(!report.btnPrev->isEnabled());
    QVERIFY(report.btnNext->isEnabled());

    press(report.btnNext);
    QCOMPARE(report.currentPage(), 2);
    QVERIFY(report.btnPrev->isEnabled());
    QVERIFY(report.btnNext->isEnabled());
    press(report.btnNext);
    QCOMPARE(report.currentPage(), 3);
    QVERIFY(!report.btnNext->isEnabled());
    QVERIFY(report.btnPrev->isEnabled());

    press(report.btnPrev);
    press(report.btnPrev);
    QCOMPARE(report.currentPage(), 1);
    QVERIFY(!report.btnPrev->isEnabled());

    // Page keys in the preview turn pages, and the strip's buttons follow.
    auto *view = report.QRPreview1->findChild<QScrollArea *>(QStringLiteral("ReportPageView"));
    QVERIFY(view);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(report.currentPage(), 3);
    QVERIFY(!report.btnNext->isEnabled());
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(report.currentPage(), 2);
    QVERIFY(report.btnNext->isEnabled());
    QVERIFY(report.btnPrev->isEnabled());
}

void tst_ReportWindows::refreshingDoesNotPileUpPages()
{
    rentals(120);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();
    press(report.btnNext);
    for (int i = 0; i < 3; ++i)
        press(report.FlatButton4);
    QCOMPARE(report.pageCount(), 3);
    QCOMPARE(report.document().pageCount(), 3);
    QCOMPARE(report.lbPg->text(), QStringLiteral("共 3 页"));
    QCOMPARE(report.currentPage(), 1);
    QVERIFY(!report.btnPrev->isEnabled());
}

void tst_ReportWindows::newDatesRebuildWithTheNewRange()
{
    rent(m_account->db(), m_copy, m_member, kDay);
    rent(m_account->db(), m_copy, m_member, kDay.addDays(1));
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();
    QStringList texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("从2026-05-12到2026-05-12")));
    QCOMPARE(texts.count(QStringLiteral("英雄")), 1);

    // The end date typed into its picker.
    report.dxDateEdit1->setFocus();
    report.dxDateEdit1->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(report.dxDateEdit1, Qt::Key_Up);
    QCOMPARE(report.toDate(), kDay.addDays(1));
    press(report.FlatButton4);
    texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("从2026-05-12到2026-05-13")));
    QCOMPARE(texts.count(QStringLiteral("英雄")), 2);
}

void tst_ReportWindows::printAsksFirst()
{
    rentals(2);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();

    m_boxes->answers.enqueue(QMessageBox::No);
    press(report.BBprint);
    QCOMPARE(m_boxes->texts(), QStringList(QStringLiteral("是否马上打印报表？")));
    const Msg::Request &question = m_boxes->shown.last();
    QCOMPARE(question.caption, QStringLiteral("系统提示"));
    QCOMPARE(question.icon, Msg::Icon::Information);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(pdfCount(m_prints->path()), 0);

    press(report.BBprint);
    QCOMPARE(m_boxes->shown.size(), 2);
    QCOMPARE(pdfCount(m_prints->path()), 1);
    QVERIFY(ReportPrinter::lastOutcome().ok);
}

void tst_ReportWindows::overdueReadsItsDaysAndRefusesText()
{
    const QDate today = QDate::currentDate();
    // 110 copies of one title out for four days, one more for two.
    for (int i = 0; i < 110; ++i)
        rent(m_account->db(), addCopy(*m_account, QStringLiteral("0100-%1").arg(i), QStringLiteral("英雄")),
             m_member, today.addDays(-4));
    rent(m_account->db(), m_copy, m_member, today.addDays(-2));

    TDeferFm report(m_account->context());
    report.show();
    QCOMPARE(report.Edit1->text(), QStringLiteral("3"));
    QVERIFY(report.dxDateEdit2->isHidden());
    QVERIFY(report.dxDateEdit1->isHidden());
    QVERIFY(report.lbPg->isHidden());
    report.BuildReport();
    QCOMPARE(report.Label1->text(), QStringLiteral("过期"));
    QCOMPARE(report.Label2->text(), QStringLiteral("天以上"));
    QVERIFY(report.Label1->isVisible());
    QCOMPARE(report.Label1->buddy(), report.Edit1);
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(report.rows().rowCount(), 110);
    const int pages = report.pageCount();
    QVERIFY(pages > 1);
    const QStringList texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("租赁过期报表")));
    QVERIFY(!texts.join(QString()).contains(QStringLiteral("从") + SqlDialect::dateText(today)));

    // Text that is no number: refused, the pages shown stay.
    press(report.btnNext);
    report.Edit1->setFocus();
    report.Edit1->selectAll();
    QTest::keyClicks(report.Edit1, QStringLiteral("abc"));
    press(report.FlatButton4);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Error);
    QVERIFY(m_boxes->lastText().contains(QStringLiteral("abc")));
    QCOMPARE(report.pageCount(), pages);
    QCOMPARE(report.document().pageCount(), pages);
    QCOMPARE(report.currentPage(), 2);
    QVERIFY(report.BBprint->isEnabled());

    report.Edit1->selectAll();
    QTest::keyClicks(report.Edit1, QStringLiteral("1"));
    press(report.FlatButton4);
    QCOMPARE(report.rows().rowCount(), 111);
}

void tst_ReportWindows::memberReportListsTheRange()
{
    TAssociatorRepFm report(m_account->context());
    report.show();
    report.BuildReport(); // nothing rented today
    QCOMPARE(m_boxes->texts(), QStringList(kNoData));

    giveBack(m_account->db(), rent(m_account->db(), m_copy, m_member, kDay), QDateTime(kDay, QTime(20, 0)));
    rent(m_account->db(), m_copy, m_member, kDay.addDays(1));
    report.setDateRange(kDay, kDay.addDays(1));
    press(report.FlatButton4);
    QCOMPARE(m_boxes->shown.size(), 1);
    const QStringList texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("会员租赁报表")));
    QVERIFY(texts.contains(QStringLiteral("小计:  共 2 部")));
    QVERIFY(texts.contains(QStringLiteral("未归还")));
}

void tst_ReportWindows::rankingFollowsTheModeAndTheTypeOnRefresh()
{
    rent(m_account->db(), m_copy, m_member, kDay);
    sell(m_account->db(), m_copy, kDay, 2);
    TQPHFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    QVERIFY(report.lbPg->isHidden());
    QCOMPARE(report.ComBcate->currentText(), QStringLiteral("总排行"));
    QCOMPARE(report.ComBcate->count(), 2);

    report.setMode(1);
    report.BuildReport();
    QStringList texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("销售数量")));
    QCOMPARE(report.rows().value(0, QStringLiteral("samount")).toInt(), 2);

    report.setMode(0);
    report.BuildReport();
    texts = allTexts(report.document());
    QVERIFY(texts.contains(QStringLiteral("出租次数")));
    QVERIFY(!texts.contains(QStringLiteral("销售数量")));
    QCOMPARE(report.rows().value(0, QStringLiteral("samount")).toInt(), 1);

    // The type chosen by keys takes effect with the refresh, not before.
    report.ComBcate->setFocus();
    QTest::keyClick(report.ComBcate, Qt::Key_Down);
    QCOMPARE(report.ComBcate->currentText(), QStringLiteral("按类型排行"));
    QVERIFY(!allTexts(report.document()).contains(QStringLiteral("影片类型:")));
    press(report.FlatButton4);
    QVERIFY(allTexts(report.document()).contains(QStringLiteral("影片类型:")));
}

void tst_ReportWindows::openersKeepOneWindowAndRebuildIt()
{
    auto windows = [] {
        QList<TQPHFm *> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *ranking = qobject_cast<TQPHFm *>(w))
                found << ranking;
        }
        return found;
    };
    const QDate today = QDate::currentDate();
    rent(m_account->db(), m_copy, m_member, today);
    sell(m_account->db(), m_copy, today, 4);

    ShowQPHFm(m_account->context(), 1);
    QCOMPARE(windows().size(), 1);
    TQPHFm *ranking = windows().first();
    QVERIFY(ranking->isVisible());
    QVERIFY(allTexts(ranking->document()).contains(QStringLiteral("销售数量")));
    QCOMPARE(ranking->rows().value(0, QStringLiteral("samount")).toInt(), 4);

    // The rental ranking from the menu: the same window, rebuilt for rentals.
    rent(m_account->db(), m_copy, m_member, today);
    ShowQPHFm(m_account->context(), 0);
    QCOMPARE(windows(), QList<TQPHFm *>({ranking}));
    const QStringList texts = allTexts(ranking->document());
    QVERIFY(texts.contains(QStringLiteral("出租次数")));
    QVERIFY(texts.contains(QStringLiteral("影片租赁排行榜")));
    QCOMPARE(ranking->rows().value(0, QStringLiteral("samount")).toInt(), 2);
    QVERIFY(m_boxes->shown.isEmpty());
    delete ranking;
}

void tst_ReportWindows::pageNumberAndZoomFromTheStrip()
{
    rentals(120);
    TResQPFm report(m_account->context());
    report.resize(1000, 700);
    report.setDateRange(kDay, kDay);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    report.BuildReport();
    QCOMPARE(report.EDPage->value(), 1);
    QCOMPARE(report.EDPage->maximum(), 3);
    QCOMPARE(report.EDPage->text(), QStringLiteral("第 1 页"));
    // A page number typed goes there; the buttons follow.
    report.EDPage->setValue(3);
    QCOMPARE(report.currentPage(), 3);
    QVERIFY(!report.btnNext->isEnabled());
    press(report.btnPrev);
    QCOMPARE(report.EDPage->value(), 2);

    // Shown as wide as the window at first: text at a readable size.
    QCOMPARE(report.ComBZoom->currentText(), QStringLiteral("页宽"));
    QCOMPARE(report.QRPreview1->zoomMode(), ReportZoom::FitWidth);
    const int index = report.ComBZoom->findText(QStringLiteral("100%"));
    report.ComBZoom->setCurrentIndex(index);
    emit report.ComBZoom->activated(index);
    QCOMPARE(report.QRPreview1->zoomPercent(), 100);
    report.ComBZoom->setCurrentIndex(0);
    emit report.ComBZoom->activated(0);
    QCOMPARE(report.QRPreview1->zoomMode(), ReportZoom::FitPage);

    // Ctrl and the wheel on the page zoom in steps; the list shows the step reached.
    auto *view = report.QRPreview1->findChild<QScrollArea *>(QStringLiteral("ReportPageView"));
    QVERIFY(view);
    report.QRPreview1->setZoom(ReportZoom::Percent, 100);
    const QPointF at(10, 10);
    QWheelEvent up(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &up);
    QCOMPARE(report.ComBZoom->currentText(), QStringLiteral("125%"));
    // The keys page from the view after a build.
    press(report.FlatButton4);
    QCOMPARE(report.focusWidget(), view);
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(report.EDPage->value(), 2);
}

void tst_ReportWindows::pageKeysWhereverTheFocusIs()
{
    rentals(160);
    TResQPFm report(m_account->context());
    report.resize(1000, 700);
    report.setDateRange(kDay, kDay);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    report.BuildReport();
    QCOMPARE(report.EDPage->maximum(), 4);

    // On a strip button every page key turns the page.
    report.BBprint->setFocus();
    QTest::keyClick(report.BBprint, Qt::Key_PageDown);
    QCOMPARE(report.currentPage(), 2);
    QTest::keyClick(report.BBprint, Qt::Key_End);
    QCOMPARE(report.currentPage(), 4);
    QTest::keyClick(report.BBprint, Qt::Key_Home);
    QCOMPARE(report.currentPage(), 1);
    // In the zoom list and the page number PgUp/PgDn turn the page and nothing else moves.
    QTest::keyClick(report.ComBZoom, Qt::Key_PageDown);
    QCOMPARE(report.currentPage(), 2);
    QCOMPARE(report.ComBZoom->currentText(), QStringLiteral("页宽"));
    QTest::keyClick(report.EDPage, Qt::Key_PageDown);
    QCOMPARE(report.EDPage->value(), 3);

    // In a date field PgUp/PgDn turn pages too; Home/End move its cursor, and with Ctrl they
    // go to the first and the last page (so in a drop-down list, whose Home picks its first
    // entry).
    const QDate from = report.dxDateEdit2->date();
    report.dxDateEdit2->setFocus();
    QTest::keyClick(report.dxDateEdit2, Qt::Key_PageDown);
    QCOMPARE(report.currentPage(), 4);
    QTest::keyClick(report.dxDateEdit2, Qt::Key_Home);
    QCOMPARE(report.currentPage(), 4);
    QTest::keyClick(report.dxDateEdit2, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(report.currentPage(), 1);
    QTest::keyClick(report.dxDateEdit2, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(report.currentPage(), 4);
    QCOMPARE(report.dxDateEdit2->date(), from);
    QTest::keyClick(report.ComBPeriod, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(report.currentPage(), 1);

    // Keys typed in another window leave this report alone.
    TResQPFm other(m_account->context());
    other.show();
    QTest::keyClick(other.FlatButton4, Qt::Key_End);
    QCOMPARE(report.currentPage(), 1);
}

void tst_ReportWindows::periodPresetsAndASwappedRange()
{
    rentals(2);
    TResQPFm report(m_account->context());
    report.show();
    QComboBox *period = report.ComBPeriod;
    QCOMPARE(period->itemText(0), QStringLiteral("自定时段"));
    QStringList captions;
    for (int i = 1; i < period->count(); ++i)
        captions << period->itemText(i);
    QCOMPARE(captions, (QStringList{"今天", "本周", "本月", "上月", "今年", "去年"}));
    const int lastMonth = period->findText(QStringLiteral("上月"));
    period->setCurrentIndex(lastMonth);
    emit period->activated(lastMonth);
    const QDate today = QDate::currentDate();
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
    QCOMPARE(report.fromDate(), first);
    QCOMPARE(report.toDate(), first.addMonths(1).addDays(-1));
    QCOMPARE(period->currentIndex(), lastMonth);
    // A date picked by hand is a period of its own.
    report.setDateRange(kDay, kDay);
    QCOMPARE(period->currentIndex(), 0);

    // The wrong way round: swapped, said so, and the report built, never "no data".
    report.setDateRange(kDay.addDays(3), kDay);
    press(report.FlatButton4);
    QCOMPARE(m_boxes->texts(), QStringList(ReportPeriod::swappedNotice(kDay, kDay.addDays(3))));
    QCOMPARE(report.fromDate(), kDay);
    QCOMPARE(report.toDate(), kDay.addDays(3));
    QCOMPARE(report.pageCount(), 1);
    QVERIFY(report.QRPreview1->isVisible());
}

void tst_ReportWindows::exportsPdfAndCsv()
{
    const qint64 other = addCopy(*m_account, QStringLiteral("0002-1"),
                                 QStringLiteral("片名, 带\"引号\""), QStringLiteral("喜剧"));
    rentals(2);
    rent(m_account->db(), other, m_member, kDay, 1550, 125);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    // Nothing to export before a build with rows.
    QVERIFY(!report.ActExportCsv->isEnabled());
    report.BuildReport();
    QVERIFY(report.ActExportCsv->isEnabled());
    QVERIFY(report.ActExportPdf->isEnabled());

    QTemporaryDir dir;
    QString asked;
    ReportFiles::setSaveFileChooser([&](QWidget *, const QString &caption, const QString &,
                                        const QString &) {
        asked = caption;
        return dir.filePath(QStringLiteral("租赁"));
    });
    report.ActExportPdf->trigger();
    QCOMPARE(asked, QStringLiteral("导出 PDF 文件"));
    const QString pdf = dir.filePath(QStringLiteral("租赁.pdf"));
    QVERIFY(QFile::exists(pdf));
    const int pages = pdfPages(pdf);
    if (pages >= 0)
        QCOMPARE(pages, report.pageCount());

    report.ActExportCsv->trigger();
    QFile csv(dir.filePath(QStringLiteral("租赁.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    ReportFiles::setSaveFileChooser({});
    // A byte order mark, the captions, one line per rental, amounts with two decimals, a
    // name with a comma and quotes kept whole.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"),
                                                                   Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("租赁日期,租赁人,影片名称,影片类型,押金,租金"));
    QVERIFY(lines.contains(QStringLiteral("2026-05-12,会员甲,英雄,动作,20.00,3.00")));
    QVERIFY(lines.contains(
        QStringLiteral("2026-05-12,会员甲,\"片名, 带\"\"引号\"\"\",喜剧,15.50,1.25")));
}

void tst_ReportWindows::printDialogPrintsTheChosenPages()
{
    rentals(120);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, kDay);
    report.show();
    report.BuildReport();
    QCOMPARE(report.pageCount(), 3);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dialog.pdf"));
    int offered = 0;
    int expected = 0;
    TQChildFm::setPrintDialogRunner([&](QWidget *, QPrinter &printer) {
        offered = printer.toPage();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        printer.setCopyCount(2);
        expected = printer.supportsMultipleCopies() ? 2 : 4;
        return true;
    });
    press(report.BBprintDialog);
    QCOMPARE(offered, 3); // every page offered
    QVERIFY(QFile::exists(path));
    const int pages = pdfPages(path);
    if (pages >= 0)
        QCOMPARE(pages, expected);
    // Cancelled: nothing printed, nothing asked.
    QFile::remove(path);
    TQChildFm::setPrintDialogRunner([](QWidget *, QPrinter &) { return false; });
    press(report.BBprintDialog);
    QVERIFY(!QFile::exists(path));
    QVERIFY(m_boxes->shown.isEmpty());
    TQChildFm::setPrintDialogRunner({});
}

void tst_ReportWindows::longReportIsBuiltInPartsWithTheSamePages()
{
    // Forty days of rentals by three customers: read and laid out a few days at a time.
    const qint64 b = m_account->addMember(QStringLiteral("002"), QStringLiteral("会员乙"), 5);
    const qint64 c = m_account->addMember(QStringLiteral("003"), QStringLiteral("会员丙"), 5);
    Db::exec(QStringLiteral("BEGIN"), {}, m_account->db());
    for (int day = 0; day < 40; ++day) {
        for (int i = 0; i < 30; ++i)
            rent(m_account->db(), m_copy, (i % 3 == 0) ? m_member : (i % 3 == 1 ? b : c), kDay.addDays(day),
                 1000 + i, 100 + day);
    }
    Db::exec(QStringLiteral("COMMIT"), {}, m_account->db());
    const QDate to = kDay.addDays(39);
    TResQPFm report(m_account->context());
    report.setDateRange(kDay, to);
    report.show();
    QSignalSpy built(&report, &TQChildFm::reportBuilt);
    report.BuildReport();
    QTRY_COMPARE_WITH_TIMEOUT(built.count(), 1, 20000);
    QVERIFY(!report.isGenerating());
    QVERIFY(report.BBprint->isEnabled());
    QCOMPARE(report.rows().rowCount(), 1200);

    const ReportDocument whole = ReportGenerator::generate(
        RentalReport::definition(report.heading()), RentalReport::rows(kDay, to, m_account->db()));
    QCOMPARE(report.pageCount(), whole.pageCount());
    QCOMPARE(report.document().pageCount(), whole.pageCount());
    QCOMPARE(report.lbPg->text(), QStringLiteral("共 %1 页").arg(whole.pageCount()));
    for (int p = 0; p < whole.pageCount(); ++p)
        QCOMPARE(report.document().pageTexts(p), whole.pageTexts(p));

    // A refresh while the parts are read starts over, without piling up pages.
    report.BuildReport();
    report.BuildReport();
    QTRY_VERIFY_WITH_TIMEOUT(!report.isGenerating(), 20000);
    QCOMPARE(report.document().pageCount(), whole.pageCount());
}

void tst_ReportWindows::aDatabaseFailureIsShownWithTheEnginesText()
{
    // Read at once (member report) and read in parts (rental report): the operator is told
    // what failed, the engine's own words go under the details, and the pages shown stay.
    rentals(1);
    TAssociatorRepFm members(m_account->context());
    TResQPFm rental(m_account->context());
    for (TQChildFm *report :
         {static_cast<TQChildFm *>(&members), static_cast<TQChildFm *>(&rental)}) {
        report->setDateRange(kDay, kDay);
        report->BuildReport();
        QVERIFY(report->pageCount() > 0);
    }
    QVERIFY(m_boxes->shown.isEmpty());

    Db::exec(QStringLiteral("DROP TABLE TBBusinessDetail"), {}, m_account->db());
    members.BuildReport();
    rental.BuildReport();
    QCOMPARE(m_boxes->shown.size(), 2);
    for (const Msg::Request &box : m_boxes->shown) {
        QCOMPARE(box.icon, Msg::Icon::Error);
        QVERIFY2(box.details.contains(QStringLiteral("TBBusinessDetail")), qPrintable(box.details));
        QVERIFY2(!box.text.contains(QStringLiteral("no such table")), qPrintable(box.text));
        QVERIFY(!box.text.isEmpty());
    }
    QVERIFY(rental.pageCount() > 0);
    QVERIFY(rental.BBprint->isEnabled());
}

QTEST_MAIN(tst_ReportWindows)
#include "tst_reportwindows.moc"
