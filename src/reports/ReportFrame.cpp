#include "ReportFrame.h"

#include "data/AccountContext.h"

#include "data/Db.h"
#include "shell/WorkArea.h"
#include "toolkit/CsvExport.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportFiles.h"
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportPeriod.h"
#include "toolkit/ReportPeriodBox.h"
#include "toolkit/ReportPreview.h"
#include "toolkit/ReportPrinter.h"
#include "toolkit/WrapLayout.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton *stripButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption.trimmed());
    return b;
}

TQChildFm::PrintDialogRunner g_printDialog;

// The zoom list: the two fits, then percentages of the paper's size.
const QList<int> kZoomPercents{50, 75, 100, 150, 200};

QDateEdit *datePicker(const char *name, QWidget *parent)
{
    auto *edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    const QString format = TQChildFm::tr("yyyy年M月d日", "date pickers' display format");
    edit->setDisplayFormat(format);
    // The longest date and the calendar button, never cut.
    edit->setMinimumWidth(
        edit->fontMetrics().horizontalAdvance(QDate(2026, 12, 31).toString(format)) + 48);
    return edit;
}

} // namespace

TQChildFm::TQChildFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), QuickRep1(ReportStyle::a4(QString())), m_account(account)
{
    setObjectName(QStringLiteral("TQChildFm"));
    setAutoFillBackground(true);

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ReportStrip"));
    // One line while the window is wide enough; on a narrow screen the controls go on in a
    // second line instead of being squeezed over each other.
    m_strip = new WrapLayout(bar);
    m_strip->setContentsMargins(8, 6, 8, 6);
    m_strip->setSpacing(6);
    m_strip->setLineSpacing(4);

    dxDateEdit2 = datePicker("dxDateEdit2", bar);
    Label1 = new QLabel(tr("从"), bar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(dxDateEdit2);
    dxDateEdit1 = datePicker("dxDateEdit1", bar);
    Label2 = new QLabel(tr("到"), bar);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(dxDateEdit1);

    ComBPeriod = periodPresetBox(bar, dxDateEdit2, dxDateEdit1);

    EDPage = new QSpinBox(bar);
    EDPage->setObjectName(QStringLiteral("EDPage"));
    EDPage->setAccessibleName(tr("页码"));
    // "第 %1 页" around the number: the words before it and after it, in the language's order.
    const QString pageOf = tr("第 %1 页");
    EDPage->setPrefix(pageOf.section(QStringLiteral("%1"), 0, 0));
    EDPage->setSuffix(pageOf.section(QStringLiteral("%1"), 1));
    EDPage->setKeyboardTracking(false);
    EDPage->setRange(0, 0);
    lbPg = new QLabel(bar);
    lbPg->setObjectName(QStringLiteral("lbPg"));
    lbPg->setMinimumWidth(
        lbPg->fontMetrics().horizontalAdvance(tr("共 %1 页").arg(QStringLiteral("00000"))));
    btnPrev = stripButton(tr("上一页"), "btnPrev", bar);
    btnNext = stripButton(tr("下一页"), "btnNext", bar);
    ComBZoom = new QComboBox(bar);
    ComBZoom->setObjectName(QStringLiteral("ComBZoom"));
    ComBZoom->setAccessibleName(tr("显示比例"));
    ComBZoom->setToolTip(tr("显示比例（Ctrl+滚轮、Ctrl++、Ctrl+-）"));
    ComBZoom->addItem(tr("整页"), -int(ReportZoom::FitPage) - 1);
    ComBZoom->addItem(tr("页宽"), -int(ReportZoom::FitWidth) - 1);
    for (int percent : kZoomPercents)
        ComBZoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    FlatButton4 = stripButton(tr("刷新"), "FlatButton4", bar);
    BBprint = stripButton(tr(" 打印"), "BBprint", bar);
    BBprint->setToolTip(tr("在默认打印机上打印"));
    BBprintDialog = stripButton(tr("打印…"), "BBprintDialog", bar);
    BBprintDialog->setToolTip(tr("选择打印机、页码范围和份数"));
    BtnExport = stripButton(tr("导出"), "BtnExport", bar);
    auto *exportMenu = new QMenu(BtnExport);
    ActExportPdf = exportMenu->addAction(tr("导出 PDF 文件…"));
    ActExportPdf->setObjectName(QStringLiteral("ActExportPdf"));
    ActExportCsv = exportMenu->addAction(tr("导出 CSV 表格…"));
    ActExportCsv->setObjectName(QStringLiteral("ActExportCsv"));
    BtnExport->setMenu(exportMenu);

    // Each caption stays with its picker, the output buttons stay together at the right end.
    m_strip->addWidget(ComBPeriod);
    m_strip->addGroup({Label1, dxDateEdit2});
    m_strip->addGroup({Label2, dxDateEdit1});
    m_strip->addWidget(FlatButton4);
    m_strip->addStretch();
    m_strip->addGroup({BBprint, BBprintDialog, BtnExport});

    // Paging and zoom sit under the pages, as in a document viewer: the strip above keeps
    // room for the period and a report's own choices on a 1024-pixel screen.
    auto *pageBar = new QWidget(this);
    pageBar->setObjectName(QStringLiteral("PageBar"));
    pageBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *paging = new QHBoxLayout(pageBar);
    paging->setContentsMargins(8, 4, 8, 4);
    paging->setSpacing(6);
    paging->addStretch(1);
    for (QWidget *w : {static_cast<QWidget *>(btnPrev), static_cast<QWidget *>(EDPage),
                       static_cast<QWidget *>(lbPg), static_cast<QWidget *>(btnNext)}) {
        w->setParent(pageBar);
        paging->addWidget(w);
    }
    paging->addSpacing(12);
    ComBZoom->setParent(pageBar);
    paging->addWidget(ComBZoom);

    QRPreview1 = new ReportPreview(this);
    QRPreview1->setObjectName(QStringLiteral("QRPreview1"));
    QRPreview1->setToolBarVisible(false);
    // As wide as the window: the text is read at its size instead of a whole page shrunk.
    QRPreview1->setZoom(ReportZoom::FitWidth);
    // PgUp/PgDn, Home/End turn pages wherever the focus is in the window, the strip included.
    QRPreview1->takePageKeysFrom(this);
    QRPreview1->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The strip keeps its height (its lines' height for the window's width) at the top;
    // while the preview is hidden (no data) the stretch below takes the room instead of the
    // strip being spread over the window.
    layout->addWidget(bar);
    layout->addWidget(QRPreview1, 1);
    layout->addStretch(0);
    layout->addWidget(pageBar);

    showPageCount(0);
    enableOutput(false);
    syncZoomBox();

    connect(btnNext, &QPushButton::clicked, this, &TQChildFm::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TQChildFm::btnPrevClick);
    connect(FlatButton4, &QPushButton::clicked, this, [this] { FlatButton4Click(); });
    connect(BBprint, &QPushButton::clicked, this, [this] { BBprintClick(); });
    connect(BBprintDialog, &QPushButton::clicked, this, &TQChildFm::BBprintDialogClick);
    connect(ActExportPdf, &QAction::triggered, this, &TQChildFm::exportPdfClick);
    connect(ActExportCsv, &QAction::triggered, this, &TQChildFm::exportCsvClick);
    connect(EDPage, &QSpinBox::valueChanged, this, [this](int page) {
        if (page > 0 && page != QRPreview1->currentPage())
            QRPreview1->setCurrentPage(page);
    });
    connect(ComBZoom, &QComboBox::activated, this, &TQChildFm::zoomBoxChosen);
    connect(QRPreview1, &ReportPreview::zoomChanged, this, [this] { syncZoomBox(); });
    // Page keys in the preview turn pages too; the strip's buttons follow.
    connect(QRPreview1, &ReportPreview::currentPageChanged, this,
            [this](int page, int) { syncPageButtons(page); });

    if (WorkArea *area = mainWorkArea())
        area->place(this);
}

TQChildFm::~TQChildFm() = default;

QDate TQChildFm::fromDate() const
{
    return dxDateEdit2->date();
}

QDate TQChildFm::toDate() const
{
    return dxDateEdit1->date();
}

void TQChildFm::setDateRange(const QDate &from, const QDate &to)
{
    dxDateEdit2->setDate(from);
    dxDateEdit1->setDate(to);
}

QString TQChildFm::noDataText()
{
    return tr("我没有找到您需要的数据!");
}

void TQChildFm::setReportTitle(const QString &title)
{
    m_title = title;
    // A Chinese title is spaced out on paper ("租 赁 报 表") and closed up in the window's
    // caption; the spaces between the words of a title in another language stay.
    QString caption = title.simplified();
    for (qsizetype at = caption.indexOf(QLatin1Char(' ')); at >= 0;
         at = caption.indexOf(QLatin1Char(' '), at)) {
        const bool wide = at > 0 && at + 1 < caption.size() &&
                          caption.at(at - 1).unicode() > 0x2e80 &&
                          caption.at(at + 1).unicode() > 0x2e80;
        if (wide)
            caption.remove(at, 1);
        else
            ++at;
    }
    setWindowTitle(caption);
}

ReportHeading TQChildFm::heading() const
{
    ReportHeading h;
    h.title = m_title;
    h.from = fromDate();
    h.to = toDate();
    h.showRange = m_rangeVisible;
    h.tabulationCaption = tr("制表日期");
    h.tabulated = QDate::currentDate();
    return h;
}

int TQChildFm::currentPage() const
{
    return QRPreview1->currentPage();
}

const ReportDocument &TQChildFm::document() const
{
    return QRPreview1->document();
}

bool TQChildFm::bindRows(const std::function<ReportData()> &query)
{
    try {
        m_rows = query();
        m_source.reset();
        return true;
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return false;
    }
}

void TQChildFm::setDateRangeVisible(bool visible)
{
    m_rangeVisible = visible;
    dxDateEdit2->setVisible(visible);
    dxDateEdit1->setVisible(visible);
    Label1->setVisible(visible);
    Label2->setVisible(visible);
    ComBPeriod->setVisible(visible);
}

void TQChildFm::setPageCountVisible(bool visible)
{
    lbPg->setVisible(visible);
}

bool TQChildFm::orderDateRange()
{
    if (!m_rangeVisible)
        return true;
    QDate from = fromDate();
    QDate to = toDate();
    if (!from.isValid() || !to.isValid())
        return false;
    if (ReportPeriod::putInOrder(from, to)) {
        // Swapped, not refused: the operator meant the days between the two dates.
        setDateRange(from, to);
        Msg::info(this, ReportPeriod::swappedNotice(from, to));
    }
    return true;
}

void TQChildFm::enableOutput(bool enabled)
{
    BBprint->setEnabled(enabled);
    BBprintDialog->setEnabled(enabled);
    BtnExport->setEnabled(enabled);
    ActExportPdf->setEnabled(enabled);
    ActExportCsv->setEnabled(enabled);
}

bool TQChildFm::bindRowSource(const std::function<RowSource()> &open)
{
    try {
        m_source = open();
        return true;
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return false;
    }
}

void TQChildFm::BuildReport()
{
    // A build still making pages is abandoned for the new one.
    ++m_buildId;
    m_generation.reset();
    if (m_source) {
        buildInParts();
        return;
    }
    if (m_rows.isEmpty()) {
        // Nothing to show: no preview, nothing to print, no pages left from an earlier range.
        QRPreview1->hide();
        QRPreview1->clear();
        enableOutput(false);
        showPageCount(0);
        Msg::info(this, noDataText());
        return;
    }
    QRPreview1->show();
    enableOutput(true);
    // The pages of the previous build go before the new ones are made, never piling up.
    QRPreview1->clear();
    showPageCount(0);
    ReportDefinition definition = QuickRep1;
    if (definition.name().isEmpty())
        definition.setName(windowTitle());
    try {
        const ReportDocument pages = ReportGenerator::generate(
            definition, m_rows, [this](int generated) { showPageCount(generated); });
        QRPreview1->setDocument(pages);
        showPageCount(pages.pageCount());
    } catch (const std::exception &) {
        // A layout that cannot be generated leaves an empty preview and nothing to print.
        QRPreview1->clear();
        showPageCount(0);
        enableOutput(false);
        return;
    }
    syncPageButtons(QRPreview1->currentPage());
    // Page keys and Ctrl with the wheel work on the pages at once.
    if (QWidget *view = QRPreview1->findChild<QWidget *>(QStringLiteral("ReportPageView")))
        view->setFocus();
    emit reportBuilt();
}

namespace {

// Rows read in one part: enough for a few pages, small enough to keep the window answering.
constexpr int kRowsPerPart = 400;
// The first call lays out a short report whole; a long one shows its first page after it.
constexpr qint64 kFirstSliceMs = 120;
// A report not done by then shows its first page as soon as that page is complete.
constexpr qint64 kShowFirstAfterMs = 40;
// Later parts, each followed by the window's own events (paging, painting, another 刷新).
constexpr qint64 kSliceMs = 40;

} // namespace

void TQChildFm::buildInParts()
{
    const RowSource source = *m_source;
    ReportDefinition definition = QuickRep1;
    if (definition.name().isEmpty())
        definition.setName(windowTitle());
    QRPreview1->clear();
    showPageCount(0);
    enableOutput(false);
    m_rows = ReportData(source.columns);
    m_generation = std::make_unique<ReportGeneration>(definition, source.columns);
    m_moreRows = true;
    generateSome(m_buildId, kFirstSliceMs);
}

void TQChildFm::generateSome(int buildId, qint64 budgetMs)
{
    if (buildId != m_buildId || !m_generation)
        return;
    ReportGeneration &generation = *m_generation;
    QElapsedTimer clock;
    clock.start();
    try {
        // At least one part, then more while the slice lasts; a long report's first page goes
        // on screen as soon as it is complete, once the slice has run a little.
        const bool showing = QRPreview1->document().pageCount() > 0;
        do {
            m_moreRows = m_source->readMore(generation.data(), kRowsPerPart);
            generation.advance();
        } while (m_moreRows && clock.elapsed() < budgetMs &&
                 (showing || clock.elapsed() < kShowFirstAfterMs ||
                  generation.document().pageCount() < 2));
    } catch (const Db::DbError &e) {
        failParts(e);
        return;
    }
    if (!m_moreRows) {
        finishParts();
        return;
    }
    const ReportDocument pages = generation.document();
    const int done = std::max(pages.pageCount() - 1, 0); // the last page is still filling
    if (done > 0) {
        if (QRPreview1->document().pageCount() == 0) {
            // The pages of this build, shared: later ones appear as they are made.
            QRPreview1->show();
            QRPreview1->setDocument(pages);
            if (QWidget *view = QRPreview1->findChild<QWidget *>(QStringLiteral("ReportPageView")))
                view->setFocus();
        }
        QRPreview1->setPagesReady(done);
        FPageCount = done;
        lbPg->setText(tr("共 %1 页…").arg(done));
        const QSignalBlocker block(EDPage);
        EDPage->setRange(1, done);
        EDPage->setEnabled(true);
        syncPageButtons(QRPreview1->currentPage());
    }
    QTimer::singleShot(0, this, [this, buildId] { generateSome(buildId, kSliceMs); });
}

void TQChildFm::finishParts()
{
    m_generation->finish();
    const ReportDocument pages = m_generation->document();
    m_rows = m_generation->data();
    m_generation.reset();
    if (m_rows.isEmpty()) {
        QRPreview1->hide();
        QRPreview1->clear();
        enableOutput(false);
        showPageCount(0);
        Msg::info(this, noDataText());
        return;
    }
    QRPreview1->show();
    if (QRPreview1->document().pageCount() == 0) {
        QRPreview1->setDocument(pages);
        if (QWidget *view = QRPreview1->findChild<QWidget *>(QStringLiteral("ReportPageView")))
            view->setFocus();
    }
    QRPreview1->setPagesReady(-1);
    showPageCount(pages.pageCount());
    enableOutput(true);
    syncPageButtons(QRPreview1->currentPage());
    emit reportBuilt();
}

void TQChildFm::failParts(const Db::DbError &why)
{
    m_generation.reset();
    QRPreview1->hide();
    QRPreview1->clear();
    showPageCount(0);
    enableOutput(false);
    Msg::fault(this, why);
}

void TQChildFm::showPageCount(int pages)
{
    FPageCount = pages;
    lbPg->setText(tr("共 %1 页").arg(pages));
    btnNext->setEnabled(pages > 1);
    btnPrev->setEnabled(false);
    const QSignalBlocker block(EDPage);
    EDPage->setRange(pages > 0 ? 1 : 0, pages);
    EDPage->setEnabled(pages > 0);
}

void TQChildFm::syncPageButtons(int page)
{
    btnPrev->setEnabled(page > 1);
    btnNext->setEnabled(page > 0 && page < FPageCount);
    const QSignalBlocker block(EDPage);
    EDPage->setValue(page);
}

void TQChildFm::syncZoomBox()
{
    const QSignalBlocker block(ComBZoom);
    const ReportZoom mode = QRPreview1->zoomMode();
    int index = -1;
    if (mode == ReportZoom::Percent) {
        const int percent = QRPreview1->zoomPercent();
        index = ComBZoom->findData(percent);
        if (index < 0) {
            // A step reached with Ctrl and the wheel: listed in its place among the others.
            int at = 2;
            while (at < ComBZoom->count() && ComBZoom->itemData(at).toInt() < percent)
                ++at;
            ComBZoom->insertItem(at, QStringLiteral("%1%").arg(percent), percent);
            index = at;
        }
    } else {
        index = ComBZoom->findData(-int(mode) - 1);
    }
    ComBZoom->setCurrentIndex(index);
}

void TQChildFm::zoomBoxChosen(int index)
{
    const int choice = ComBZoom->itemData(index).toInt();
    if (choice < 0)
        QRPreview1->setZoom(ReportZoom(-choice - 1));
    else
        QRPreview1->setZoom(ReportZoom::Percent, choice);
}

void TQChildFm::btnNextClick()
{
    if (QRPreview1->currentPage() >= FPageCount)
        return;
    QRPreview1->nextPage();
    syncPageButtons(QRPreview1->currentPage());
}

void TQChildFm::btnPrevClick()
{
    if (QRPreview1->currentPage() <= 1)
        return;
    QRPreview1->previousPage();
    syncPageButtons(QRPreview1->currentPage());
}

void TQChildFm::FlatButton4Click()
{
    BuildReport();
}

void TQChildFm::BBprintClick()
{
    if (document().isEmpty())
        return;
    if (Msg::askYesNo(this, tr("是否马上打印报表？")) != QMessageBox::Yes)
        return;
    const ReportPrintOutcome outcome = QRPreview1->print();
    if (outcome.ok)
        showStatusNotice(outcome.message);
}

void TQChildFm::setPrintDialogRunner(PrintDialogRunner runner)
{
    g_printDialog = std::move(runner);
}

void TQChildFm::BBprintDialogClick()
{
    const ReportDocument pages = document();
    if (pages.isEmpty())
        return;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(pages.name());
    printer.setCreator(QStringLiteral("Rentora"));
    if (info.isNull()) {
        // Without a printer the dialog still offers a PDF file.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(suggestedFile(QStringLiteral(".pdf")));
    }
    printer.setFromTo(1, pages.pageCount());
    bool accepted = false;
    if (g_printDialog) {
        accepted = g_printDialog(this, printer);
    } else {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("打印"));
        dialog.setMinMax(1, pages.pageCount());
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;
    if (printer.printRange() != QPrinter::PageRange)
        printer.setFromTo(0, 0);
    const ReportPrintOutcome outcome = ReportPrinter::printWith(pages, printer);
    if (outcome.ok)
        showStatusNotice(outcome.message);
    else
        Msg::error(this, outcome.message);
}

QString TQChildFm::suggestedFile(const QString &suffix) const
{
    return ReportFiles::suggestedPath(
        document().name().isEmpty() ? windowTitle() : document().name(), suffix);
}

bool TQChildFm::exportPdfClick()
{
    if (document().isEmpty())
        return false;
    const QString path = ReportFiles::chooseSaveFile(
        this, tr("导出 PDF 文件"), suggestedFile(QStringLiteral(".pdf")), tr("PDF 文件 (*.pdf)"),
        QStringLiteral(".pdf"));
    if (path.isEmpty())
        return false;
    QString why;
    if (!document().exportPdf(path, &why)) {
        Msg::error(this, tr("导出 PDF 失败：%1").arg(why));
        return false;
    }
    showStatusNotice(tr("已导出 PDF 文件：%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool TQChildFm::exportCsvClick()
{
    if (document().isEmpty() || m_rows.isEmpty())
        return false;
    const QString path = ReportFiles::chooseSaveFile(
        this, tr("导出 CSV 表格"), suggestedFile(QStringLiteral(".csv")), tr("CSV 表格 (*.csv)"),
        QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    QList<ReportCsvColumn> columns = m_csvColumns;
    if (columns.isEmpty()) {
        for (const QString &name : m_rows.columns())
            columns.append({name, name});
    }
    QString why;
    if (!Csv::write(path, ReportCsv::header(columns), ReportCsv::rows(m_rows, columns), &why)) {
        Msg::error(this, tr("导出 CSV 失败：%1").arg(why));
        return false;
    }
    showStatusNotice(tr("已导出 CSV 表格：%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void showReportWindow(TQChildFm *report)
{
    if (!report)
        return;
    if (WorkArea *area = mainWorkArea()) {
        if (!area->placedWindows().contains(report))
            area->place(report);
        area->bringToFront(report);
    } else {
        report->show();
    }
    report->raise();
    report->BuildReport();
}
