// The settings window's frame: the pages, switching between them, the routing of the list
// events by page kind, and the opener routines the main window calls.
#include "SetupWindow.h"
#include "SetupLayout.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QPointer<TSetupFm> g_form;


} // namespace

TSetupFm *setupForm()
{
    return g_form;
}

void CreateSetupFm()
{
    if (g_form)
        return;
    WorkArea *area = mainWorkArea();
    g_form = new TSetupFm(area);
    if (area)
        area->place(g_form);
    else
        g_form->hide();
}

QWidget *SetupWindow()
{
    return g_form;
}

void ShowSetupPage(int pageIndex)
{
    CreateSetupFm();
    g_form->showPage(pageIndex);
}

TSetupFm::TSetupFm(QWidget *parent) : TBaseFm(parent)
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
        QWidget *(TSetupFm::*build)();
        QWidget **sheet;
        const char *name;
        const char *caption;
        QStyle::StandardPixmap icon;
    };
    const Page pages[] = {
        {&TSetupFm::buildMembersPage, &TabSheet1, "TabSheet1", QT_TR_NOOP("会  员"),
         QStyle::SP_FileDialogContentsView},
        {&TSetupFm::buildOptionsPage, &TabSheet2, "TabSheet2", QT_TR_NOOP("出  租"),
         QStyle::SP_FileDialogDetailedView},
        {&TSetupFm::buildFeesPage, &TabSheet3, "TabSheet3", QT_TR_NOOP("费  用"), QStyle::SP_DriveCDIcon},
        {&TSetupFm::buildStaffPage, &TabSheet4, "TabSheet4", QT_TR_NOOP("人  员"), QStyle::SP_DirHomeIcon},
        {&TSetupFm::buildTypesPage, &TabSheet7, "TabSheet7", QT_TR_NOOP("收支类型"),
         QStyle::SP_FileDialogListView},
        {&TSetupFm::buildSuppliersPage, &TabSheet8, "TabSheet8", QT_TR_NOOP("供应商"), QStyle::SP_DirLinkIcon},
        {&TSetupFm::buildShopPage, &TabSheet9, "TabSheet9", QT_TR_NOOP("单位信息"), QStyle::SP_ComputerIcon},
    };
    for (const Page &p : pages) {
        QWidget *sheet = (this->*p.build)();
        sheet->setObjectName(QLatin1String(p.name));
        *p.sheet = sheet;
        PageControl1->addTab(sheet, s->standardIcon(p.icon), tr(p.caption));
    }
    PageControl1->setCurrentIndex(PageMembers);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        PageControl1Changing();
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
            PageControl1Changing();
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

DataGrid *TSetupFm::makeGrid(const QString &objectName, const QString &accessibleName)
{
    auto *grid = new DataGrid(this);
    grid->setObjectName(objectName);
    grid->setAccessibleName(accessibleName);
    grid->setGroupBoxVisible(false);
    grid->setKeyField(QStringLiteral("ID"));
    return grid;
}

void TSetupFm::routeMainList(DataGrid *grid)
{
    connect(grid, &DataGrid::currentRowChanged, this, [this, grid] {
        if (m_routing && grid == mainList())
            ADOListLAfterScroll();
    });
}

void TSetupFm::routeSecondList(DataGrid *grid)
{
    connect(grid, &DataGrid::currentRowChanged, this, [this, grid] {
        if (m_routing)
            ADOListRAfterScroll(grid);
    });
}

void TSetupFm::PageControl1Changing()
{
    // The rows of the pages out of sight are let go; every page reads its own when shown.
    const QWidget *current = PageControl1->currentWidget();
    m_routing = false;
    for (DataGrid *grid : findChildren<DataGrid *>()) {
        if (!current->isAncestorOf(grid))
            grid->clear();
    }
    m_routing = true;
}

void TSetupFm::pageShown(int pageIndex)
{
    switch (pageIndex) {
    case PageMembers:
        TabSheet1Show();
        break;
    case PageOptions:
        TabSheet2Show();
        break;
    case PageFees:
        TabSheet3Show();
        break;
    case PageStaff:
        TabSheet4Show();
        break;
    case PageTypes:
        TabSheet7Show();
        break;
    case PageSuppliers:
        TabSheet8Show();
        break;
    case PageShop:
        TabSheet9Show();
        break;
    }
}

void TSetupFm::setHeader(const QString &text)
{
    Label9->setText(text);
}

DataGrid *TSetupFm::mainList() const
{
    switch (m_pageKind) {
    case KindMembers:
        return ASGrid;
    case KindFees:
        return FeeGrid;
    case KindStaff:
        return PerSonGrid;
    case KindTypes:
        return FeeCateGrid;
    case KindSuppliers:
        return PGrid;
    }
    return nullptr; // the options page has no list
}

void TSetupFm::ADOListLAfterScroll()
{
    switch (m_pageKind) {
    case KindMembers:
        memberAfterScroll();
        break;
    case KindFees:
        feeAfterScroll();
        break;
    case KindStaff:
        staffAfterScroll();
        break;
    case KindTypes:
        typeAfterScroll();
        break;
    case KindSuppliers:
        supplierAfterScroll();
        break;
    }
}

void TSetupFm::ADOListRAfterScroll(DataGrid *grid)
{
    if (m_pageKind == KindFees && grid == CateGrid) {
        m_cateAdding = false;
        if (CateGrid->hasCurrentRow())
            EDCateName->setText(CateGrid->value(QStringLiteral("Categray")).toString());
        BtnCateDel->setEnabled(CateGrid->hasCurrentRow());
    }
    if (m_pageKind == KindMembers && (grid == SDBGridFee || grid == SDBGridLease))
        updatePaymentButtons();
}

void TSetupFm::startNewRow(DataGrid *grid, bool *adding)
{
    // Nothing is written until the save; the list loses its current row meanwhile, so that
    // picking any row again drops the new one.
    m_routing = false;
    grid->view()->setCurrentIndex(QModelIndex());
    grid->view()->clearSelection();
    m_routing = true;
    *adding = true;
}

qint64 TSetupFm::keyOf(const DataGrid *grid, bool adding)
{
    if (adding || !grid->hasCurrentRow())
        return 0;
    return grid->value(QStringLiteral("ID")).toLongLong();
}

void TSetupFm::reopenAt(DataGrid *grid, qint64 id)
{
    try {
        grid->requery();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    // A row just saved becomes current; after a deletion the list starts at its first row.
    if (id != 0)
        grid->locateValue(grid->keyField(), id);
    else if (grid->rowCount() > 0)
        grid->setCurrentPosition(0);
}

void TSetupFm::saveRow(DataGrid *grid, bool *adding, SaveNotice notice,
                       const std::function<qint64()> &save)
{
    qint64 id = 0;
    try {
        id = save();
    } catch (const Settings::Refused &r) {
        SetupLayout::showRefusal(this, r.refusal());
        return;
    } catch (const Db::DbError &e) {
        // Nothing was changed: every save writes its rows in one transaction.
        if (notice == SaveNotice::Told)
            Msg::fault(this, e, Settings::saveFailedText());
        else
            Msg::fault(this, e);
        return;
    }
    *adding = false;
    reopenAt(grid, id);
    if (notice == SaveNotice::Told)
        Msg::info(this, Settings::savedText());
}

void TSetupFm::deleteRow(DataGrid *grid, qint64 id, const QString &question,
                         const std::function<void(qint64)> &remove)
{
    if (id == 0)
        return;
    if (Msg::askYesNo(this, question, Msg::SystemCaption, Msg::Icon::Warning) != QMessageBox::Yes) {
        return;
    }
    try {
        remove(id);
    } catch (const Settings::Refused &r) {
        SetupLayout::showRefusal(this, r.refusal());
        return;
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    reopenAt(grid, 0);
}
