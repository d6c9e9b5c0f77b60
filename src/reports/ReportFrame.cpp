#include "ReportFrame.h"

#include "data/Db.h"
#include "shell/WorkArea.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportGenerator.h"
#include "toolkit/ReportPreview.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNoData = QStringLiteral("我没有找到您需要的数据!");
const QString kPrintNow = QStringLiteral("是否马上打印报表？");

QPushButton *stripButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption.trimmed());
    b->setMinimumWidth(72);
    return b;
}

QDateEdit *datePicker(const char *name, QWidget *parent)
{
    auto *edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    edit->setMinimumWidth(130);
    return edit;
}

} // namespace

TQChildFm::TQChildFm(QWidget *parent) : TBaseFm(parent), QuickRep1(ReportStyle::a4(QString()))
{
    setObjectName(QStringLiteral("TQChildFm"));
    setAutoFillBackground(true);

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ReportStrip"));
    m_strip = new QHBoxLayout(bar);
    m_strip->setContentsMargins(8, 6, 8, 6);
    m_strip->setSpacing(6);

    dxDateEdit2 = datePicker("dxDateEdit2", bar);
    Label1 = new QLabel(QStringLiteral("从"), bar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(dxDateEdit2);
    dxDateEdit1 = datePicker("dxDateEdit1", bar);
    Label2 = new QLabel(QStringLiteral("到"), bar);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(dxDateEdit1);

    lbPg = new QLabel(bar);
    lbPg->setObjectName(QStringLiteral("lbPg"));
    lbPg->setMinimumWidth(lbPg->fontMetrics().horizontalAdvance(QStringLiteral("共 00000 页")));
    btnPrev = stripButton(QStringLiteral("上一页"), "btnPrev", bar);
    btnNext = stripButton(QStringLiteral("下一页"), "btnNext", bar);
    FlatButton4 = stripButton(QStringLiteral("刷新"), "FlatButton4", bar);
    BBprint = stripButton(QStringLiteral(" 打印"), "BBprint", bar);

    m_strip->addWidget(Label1);
    m_strip->addWidget(dxDateEdit2);
    m_strip->addWidget(Label2);
    m_strip->addWidget(dxDateEdit1);
    m_strip->addSpacing(12);
    m_strip->addWidget(lbPg);
    m_strip->addWidget(btnPrev);
    m_strip->addWidget(btnNext);
    m_strip->addSpacing(12);
    m_strip->addWidget(FlatButton4);
    m_strip->addWidget(BBprint);
    m_strip->addStretch(1);

    QRPreview1 = new ReportPreview(this);
    QRPreview1->setObjectName(QStringLiteral("QRPreview1"));
    QRPreview1->setToolBarVisible(false);
    QRPreview1->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(QRPreview1, 1);

    showPageCount(0);
    BBprint->setEnabled(false);

    connect(btnNext, &QPushButton::clicked, this, &TQChildFm::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TQChildFm::btnPrevClick);
    connect(FlatButton4, &QPushButton::clicked, this, [this] { FlatButton4Click(); });
    connect(BBprint, &QPushButton::clicked, this, [this] { BBprintClick(); });
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

void TQChildFm::setReportTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title.simplified().remove(QLatin1Char(' ')));
}

ReportHeading TQChildFm::heading() const
{
    ReportHeading h;
    h.title = m_title;
    h.from = fromDate();
    h.to = toDate();
    h.showRange = m_rangeVisible;
    h.tabulationCaption = QStringLiteral("制表日期");
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
        return true;
    } catch (const Db::DbError &e) {
        Msg::error(this, e.message());
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
}

void TQChildFm::setPageCountVisible(bool visible)
{
    lbPg->setVisible(visible);
}

void TQChildFm::BuildReport()
{
    if (m_rows.isEmpty()) {
        // Nothing to show: no preview, nothing to print, no pages left from an earlier range.
        QRPreview1->hide();
        QRPreview1->clear();
        BBprint->setEnabled(false);
        showPageCount(0);
        Msg::info(this, kNoData);
        return;
    }
    QRPreview1->show();
    BBprint->setEnabled(true);
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
        BBprint->setEnabled(false);
        return;
    }
    syncPageButtons(QRPreview1->currentPage());
}

void TQChildFm::showPageCount(int pages)
{
    FPageCount = pages;
    lbPg->setText(QStringLiteral("共 %1 页").arg(pages));
    btnNext->setEnabled(pages > 1);
    btnPrev->setEnabled(false);
}

void TQChildFm::syncPageButtons(int page)
{
    btnPrev->setEnabled(page > 1);
    btnNext->setEnabled(page > 0 && page < FPageCount);
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
    if (Msg::askYesNo(this, kPrintNow) != QMessageBox::Yes)
        return;
    const ReportPrintOutcome outcome = QRPreview1->print();
    if (outcome.ok)
        showStatusNotice(outcome.message);
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
