// The report preview, driven by its buttons and keys: page navigation, printing and PDF export.
#include "support/RecordingPresenter.h"
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportPreview.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace {

// A report of the given number of pages: one row a page.
ReportDocument pages(int count, const QString &name = QStringLiteral("预览"))
{
    ReportDefinition r(name);
    r.setPage(ReportPage::a4());
    r.detail().setHeight(250).addColumn({0, 0, 190, 20}, QStringLiteral("name"))
        .setPointSize(28);
    ReportData rows({QStringLiteral("name")});
    for (int i = 1; i <= count; ++i)
        rows.appendRow({QStringLiteral("第%1行").arg(i)});
    return ReportGenerator::generate(r, rows);
}

struct Controls
{
    explicit Controls(ReportPreview &p)
        : first(p.findChild<QPushButton *>(QStringLiteral("PreviewFirst")))
        , previous(p.findChild<QPushButton *>(QStringLiteral("PreviewPrevious")))
        , next(p.findChild<QPushButton *>(QStringLiteral("PreviewNext")))
        , last(p.findChild<QPushButton *>(QStringLiteral("PreviewLast")))
        , print(p.findChild<QPushButton *>(QStringLiteral("PreviewPrint")))
        , pdf(p.findChild<QPushButton *>(QStringLiteral("PreviewPdf")))
        , page(p.findChild<QLabel *>(QStringLiteral("PreviewPage")))
        , view(p.findChild<QScrollArea *>(QStringLiteral("ReportPageView")))
    {
    }
    QPushButton *first;
    QPushButton *previous;
    QPushButton *next;
    QPushButton *last;
    QPushButton *print;
    QPushButton *pdf;
    QLabel *page;
    QScrollArea *view;
};

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ReportPrinter::setPdfInstead(QString()); }

    void navigation_data();
    void navigation();
    void keysTurnPages();
    void newDocumentStartsAtFirstPage();
    void emptyPreviewDisablesEverything();
    void pageIsDrawn();
    void printAsksFirst();
    void exportPdf();
    void exportPdfFailureIsReported();
    void zoomFitsAndSteps();
    void controlWheelAndKeysZoom();
    void pagesReadyLimitPaging();
};

void TestReportPreview::navigation_data()
{
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("page");

    QTest::newRow("one page") << 1 << QStringList() << 1;
    QTest::newRow("three pages, two nexts") << 3 << QStringList({"next", "next"}) << 3;
    QTest::newRow("next stops at the last page") << 3 << QStringList({"next", "next", "next"})
                                                 << 3;
    QTest::newRow("back again") << 3 << QStringList({"next", "next", "previous"}) << 2;
    QTest::newRow("last and first") << 5 << QStringList({"last"}) << 5;
    QTest::newRow("first after last") << 5 << QStringList({"last", "first"}) << 1;
}

void TestReportPreview::navigation()
{
    QFETCH(int, pageCount);
    QFETCH(QStringList, clicks);
    QFETCH(int, page);

    ReportPreview preview;
    preview.resize(800, 600);
    preview.show();
    Controls c(preview);
    QSignalSpy changed(&preview, &ReportPreview::currentPageChanged);
    preview.setDocument(pages(pageCount));
    QCOMPARE(preview.currentPage(), 1);
    QVERIFY(!c.previous->isEnabled());
    QVERIFY(!c.first->isEnabled());
    QCOMPARE(c.next->isEnabled(), pageCount > 1);

    for (const QString &click : clicks) {
        QPushButton *b = click == QLatin1String("next") ? c.next
                         : click == QLatin1String("previous") ? c.previous
                         : click == QLatin1String("first") ? c.first
                                                           : c.last;
        if (b->isEnabled())
            QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(preview.currentPage(), page);
    QCOMPARE(c.page->text(), QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(pageCount));
    QCOMPARE(c.previous->isEnabled(), page > 1);
    QCOMPARE(c.first->isEnabled(), page > 1);
    QCOMPARE(c.next->isEnabled(), page < pageCount);
    QCOMPARE(c.last->isEnabled(), page < pageCount);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.last().at(0).toInt(), page);
    QCOMPARE(changed.last().at(1).toInt(), pageCount);
}

void TestReportPreview::keysTurnPages()
{
    ReportPreview preview;
    preview.resize(800, 600);
    preview.show();
    preview.setDocument(pages(4));
    Controls c(preview);
    QTest::keyClick(c.view, Qt::Key_PageDown);
    QTest::keyClick(c.view, Qt::Key_PageDown);
    QCOMPARE(preview.currentPage(), 3);
    QTest::keyClick(c.view, Qt::Key_PageUp);
    QCOMPARE(preview.currentPage(), 2);
    QTest::keyClick(c.view, Qt::Key_End);
    QCOMPARE(preview.currentPage(), 4);
    QTest::keyClick(c.view, Qt::Key_Home);
    QCOMPARE(preview.currentPage(), 1);
}

void TestReportPreview::newDocumentStartsAtFirstPage()
{
    ReportPreview preview;
    preview.setDocument(pages(3));
    preview.lastPage();
    QCOMPARE(preview.currentPage(), 3);
    preview.setDocument(pages(2)); // a refresh with fewer pages
    QCOMPARE(preview.currentPage(), 1);
    QCOMPARE(preview.pageCount(), 2);
    preview.setCurrentPage(9);
    QCOMPARE(preview.currentPage(), 2);
}

void TestReportPreview::emptyPreviewDisablesEverything()
{
    ReportPreview preview;
    preview.setDocument(pages(2));
    preview.clear();
    Controls c(preview);
    QCOMPARE(preview.currentPage(), 0);
    for (QPushButton *b : {c.first, c.previous, c.next, c.last, c.print, c.pdf})
        QVERIFY2(!b->isEnabled(), qPrintable(b->text()));
    QCOMPARE(c.page->text(), QString());
}

void TestReportPreview::pageIsDrawn()
{
    ReportPreview preview;
    preview.resize(600, 700);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.setDocument(pages(2));
    Controls c(preview);
    QWidget *canvas = c.view->widget();
    QVERIFY(canvas->isVisible());
    // Fitted whole: the page keeps the paper's proportions inside the view.
    QVERIFY(canvas->height() <= c.view->viewport()->height());
    QVERIFY(qAbs(canvas->height() * 210.0 / 297.0 - canvas->width()) <= 2.0);
    const QImage page = canvas->grab().toImage();
    int dark = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    }
    QVERIFY2(dark > 50, "the row's text is drawn");

    preview.setFitWidth(true);
    QVERIFY(canvas->width() > canvas->height() * 210.0 / 297.0 - 2);
    QVERIFY(canvas->height() > c.view->viewport()->height());
}

void TestReportPreview::printAsksFirst()
{
    QTemporaryDir dir;
    ReportPrinter::setPdfInstead(dir.path());
    ReportPreview preview;
    preview.setDocument(pages(2, QStringLiteral("租 赁 报 表")));
    Controls c(preview);
    bool answer = false;
    int asked = 0;
    preview.setPrintConfirmation([&] {
        ++asked;
        return answer;
    });
    QSignalSpy printed(&preview, &ReportPreview::printed);

    QTest::mouseClick(c.print, Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(printed.count(), 0);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    answer = true;
    QTest::mouseClick(c.print, Qt::LeftButton);
    QCOMPARE(printed.count(), 1);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(files.first().startsWith(QStringLiteral("租赁报表-")));
    QVERIFY(preview.statusText().contains(files.first()));
}

void TestReportPreview::exportPdf()
{
    QTemporaryDir dir;
    ReportPreview preview;
    preview.setDocument(pages(3, QStringLiteral("库 存 报 表")));
    Controls c(preview);
    QString suggested;
    preview.setPdfFileChooser([&](const QString &s) {
        suggested = s;
        return dir.filePath(QStringLiteral("stock")); // the extension is added
    });
    QTest::mouseClick(c.pdf, Qt::LeftButton);
    QVERIFY(suggested.startsWith(ReportPrinter::printsFolder() + QStringLiteral("库存报表-")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("stock.pdf"))));
    QVERIFY(preview.statusText().startsWith(QStringLiteral("已导出 PDF 文件：")));

    // Cancelling the chooser writes nothing.
    preview.setPdfFileChooser([](const QString &) { return QString(); });
    QTest::mouseClick(c.pdf, Qt::LeftButton);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void TestReportPreview::exportPdfFailureIsReported()
{
    RecordingPresenter boxes;
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReportPreview preview;
    preview.setDocument(pages(1));
    QVERIFY(!preview.exportPdf(dir.filePath(QStringLiteral("file/x.pdf"))));
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.first().icon, Msg::Icon::Error);
    QVERIFY(boxes.lastText().startsWith(QStringLiteral("导出PDF失败：")));
    QVERIFY(preview.statusText().startsWith(QStringLiteral("导出PDF失败：")));
}

namespace {

void wheel(QWidget *viewport, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

void TestReportPreview::zoomFitsAndSteps()
{
    ReportPreview preview;
    preview.resize(800, 600);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.setDocument(pages(2));
    Controls c(preview);
    QWidget *canvas = c.view->widget();
    QSignalSpy zoomed(&preview, &ReportPreview::zoomChanged);

    QCOMPARE(preview.zoomMode(), ReportZoom::FitPage);
    const int whole = preview.zoomPercent();
    QVERIFY2(whole < 100, qPrintable(QString::number(whole)));
    preview.setZoom(ReportZoom::FitWidth);
    QVERIFY(preview.fitWidth());
    QVERIFY(preview.zoomPercent() > whole);
    QVERIFY(canvas->height() > c.view->viewport()->height());

    // 100 %: the paper's size at the screen's resolution, scrolled both ways if need be.
    preview.setZoom(ReportZoom::Percent, 100);
    QCOMPARE(preview.zoomPercent(), 100);
    QCOMPARE(canvas->width(), qRound(210 * canvas->logicalDpiX() / 25.4));
    QCOMPARE(zoomed.count(), 2);
    QCOMPARE(zoomed.last().at(1).toInt(), 100);

    preview.zoomIn();
    QCOMPARE(preview.zoomPercent(), 125);
    preview.zoomOut();
    preview.zoomOut();
    QCOMPARE(preview.zoomPercent(), 75);
    // From a fit, the steps go on from the size shown.
    preview.setZoom(ReportZoom::FitPage);
    preview.zoomIn();
    QCOMPARE(preview.zoomMode(), ReportZoom::Percent);
    QVERIFY(preview.zoomPercent() > whole);
    QVERIFY(ReportPreview::zoomSteps().contains(preview.zoomPercent()));
    // The ends of the scale hold.
    for (int i = 0; i < 12; ++i)
        preview.zoomIn();
    QCOMPARE(preview.zoomPercent(), ReportPreview::zoomSteps().last());
    for (int i = 0; i < 12; ++i)
        preview.zoomOut();
    QCOMPARE(preview.zoomPercent(), ReportPreview::zoomSteps().first());
    // A new document keeps the zoom chosen.
    preview.setDocument(pages(1));
    QCOMPARE(preview.zoomPercent(), ReportPreview::zoomSteps().first());
}

void TestReportPreview::controlWheelAndKeysZoom()
{
    ReportPreview preview;
    preview.resize(800, 600);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.setDocument(pages(3));
    Controls c(preview);
    preview.setZoom(ReportZoom::Percent, 100);

    wheel(c.view->viewport(), 120, Qt::ControlModifier);
    QCOMPARE(preview.zoomPercent(), 125);
    QCOMPARE(preview.currentPage(), 1); // zooming does not turn the page
    wheel(c.view->viewport(), -120, Qt::ControlModifier);
    wheel(c.view->viewport(), -120, Qt::ControlModifier);
    QCOMPARE(preview.zoomPercent(), 75);
    c.view->setFocus();
    QTest::keyClick(c.view, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(preview.zoomPercent(), 100);
    QTest::keyClick(c.view, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(preview.zoomPercent(), 75);
    QTest::keyClick(c.view, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(preview.zoomPercent(), 100);

    // Without Ctrl the wheel turns a page that fits whole.
    preview.setZoom(ReportZoom::FitPage);
    wheel(c.view->viewport(), -120, Qt::NoModifier);
    QCOMPARE(preview.currentPage(), 2);
    wheel(c.view->viewport(), 120, Qt::NoModifier);
    QCOMPARE(preview.currentPage(), 1);
}

void TestReportPreview::pagesReadyLimitPaging()
{
    ReportPreview preview;
    preview.setDocument(pages(5));
    Controls c(preview);
    preview.setPagesReady(2);
    QCOMPARE(preview.pageCount(), 2);
    preview.lastPage();
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(!c.next->isEnabled());
    QCOMPARE(c.page->text(), QStringLiteral("第 2 页 / 共 2 页"));
    preview.setPagesReady(-1);
    QVERIFY(c.next->isEnabled());
    preview.lastPage();
    QCOMPARE(preview.currentPage(), 5);
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"