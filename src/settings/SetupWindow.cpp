// The settings window's frame: the pages, switching between them, and the opener routines the
// main window calls.
#include "SetupWindow.h"

#include "data/AccountContext.h"

#include "SetupFeesPage.h"
#include "SetupMembersPage.h"
#include "SetupOptionsPage.h"
#include "SetupShopPage.h"
#include "SetupStaffPage.h"
#include "SetupSuppliersPage.h"
#include "SetupTypesPage.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPointer<TSetupFm> g_form;

} // namespace

TSetupFm *setupForm()
{
    return g_form;
}

void CreateSetupFm(AccountContext &account)
{
    if (g_form)
        return;
    WorkArea *area = mainWorkArea();
    g_form = new TSetupFm(account, area);
    if (area)
        area->place(g_form);
    else
        g_form->hide();
}

QWidget *SetupWindow()
{
    return g_form;
}

void ShowSetupPage(AccountContext &account, int pageIndex)
{
    CreateSetupFm(account);
    g_form->showPage(pageIndex);
}

TSetupFm::TSetupFm(AccountContext &account, QWidget *parent) : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("SetupFm"));
    setWindowTitle(tr("系统设置"));
    resize(760, 560);
    // Work windows share the work area: this one paints its whole area, so nothing of the
    // windows beneath shows through.
    setAutoFillBackground(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    FlatPanel3 = new QFrame(this);
    FlatPanel3->setObjectName(QStringLiteral("FlatPanel3"));
    FlatPanel3->setFixedHeight(33);
    FlatPanel3->setFrameShape(QFrame::StyledPanel);
    auto *strip = new QHBoxLayout(FlatPanel3);
    strip->setContentsMargins(12, 0, 12, 0);
    Label9 = new QLabel(tr("系统参数各种基础设置"), FlatPanel3);
    Label9->setObjectName(QStringLiteral("Label9"));
    QFont headerFont = Label9->font();
    headerFont.setBold(true);
    Label9->setFont(headerFont);
    strip->addWidget(Label9);
    column->addWidget(FlatPanel3);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    PageControl1->setUsesScrollButtons(false);
    column->addWidget(PageControl1, 1);

    QStyle *s = style();
    struct Page
    {
        SetupPage *page;
        const char *name;
        const char *caption;
        QStyle::StandardPixmap icon;
    };
    const Page pages[] = {
        {new SetupMembersPage(m_account, this), "TabSheet1", QT_TR_NOOP("会  员"),
         QStyle::SP_FileDialogContentsView},
        {new SetupOptionsPage(m_account, this), "TabSheet2", QT_TR_NOOP("出  租"),
         QStyle::SP_FileDialogDetailedView},
        {new SetupFeesPage(m_account, this), "TabSheet3", QT_TR_NOOP("费  用"),
         QStyle::SP_DriveCDIcon},
        {new SetupStaffPage(m_account, this), "TabSheet4", QT_TR_NOOP("人  员"),
         QStyle::SP_DirHomeIcon},
        {new SetupTypesPage(m_account, this), "TabSheet7", QT_TR_NOOP("收支类型"),
         QStyle::SP_FileDialogListView},
        {new SetupSuppliersPage(m_account, this), "TabSheet8", QT_TR_NOOP("供应商"),
         QStyle::SP_DirLinkIcon},
        {new SetupShopPage(m_account, this), "TabSheet9", QT_TR_NOOP("单位信息"),
         QStyle::SP_ComputerIcon},
    };
    for (const Page &p : pages) {
        p.page->setObjectName(QLatin1String(p.name));
        m_pages << p.page;
        PageControl1->addTab(p.page, s->standardIcon(p.icon), tr(p.caption));
    }
    PageControl1->setCurrentIndex(PageMembers);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        leaveOtherPages();
        if (!isHidden())
            pageShown(index);
    });
}

TSetupFm::~TSetupFm() = default;

void TSetupFm::showPage(int pageIndex)
{
    pageIndex = qBound(0, pageIndex, PageCount - 1);
    const bool onShow = !isHidden();
    if (!onShow || PageControl1->currentIndex() != pageIndex) {
        if (onShow) {
            // The tab change runs the page's show step.
            PageControl1->setCurrentIndex(pageIndex);
        } else {
            {
                const QSignalBlocker quiet(PageControl1);
                PageControl1->setCurrentIndex(pageIndex);
            }
            leaveOtherPages();
        }
    }
    if (WorkArea *area = mainWorkArea(); area && parentWidget() == area) {
        area->bringToFront(this);
    } else {
        show();
        raise();
    }
    if (!onShow)
        pageShown(pageIndex);
}

void TSetupFm::leaveOtherPages()
{
    for (SetupPage *p : std::as_const(m_pages)) {
        if (p != PageControl1->currentWidget())
            p->leave();
    }
}

void TSetupFm::pageShown(int pageIndex)
{
    SetupPage *p = page(pageIndex);
    if (!p)
        return;
    if (const QString header = p->header(); !header.isEmpty())
        Label9->setText(header);
    p->enter();
}
