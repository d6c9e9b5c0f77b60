#include "MainWindow.h"

#include "AccountWindows.h"
#include "Banner.h"
#include "HelpContext.h"
#include "Language.h"
#include "NavigationBar.h"
#include "Openers.h"
#include "ServerAccountWindow.h"
#include "WorkArea.h"

#include "audit/AuditLog.h"
#include "help/HelpWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/OperatorSession.h"
#include "data/Schema.h"
#include "data/SettingsStore.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kProductTitle = QStringLiteral("Rentora");
}

QString clockText(const QDateTime &now)
{
    return TMainFm::tr("系统时间：") + now.toString(TMainFm::tr("yyyy'年'MM'月'dd'日'  HH:mm:ss"));
}

TMainFm::TMainFm(AccountContext &account, QWidget *parent) : QMainWindow(parent), m_account(account)
{
    setObjectName(QStringLiteral("MainFm"));
    setWindowTitle(kProductTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    FlatPanel3 = Banner::create(central);
    column->addWidget(FlatPanel3);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    LeftPan = new NavigationBar(central);
    MainPanel = new WorkArea(central);
    MainPanel->setAutoFillBackground(true);
    Label1 = new QLabel(tr("让科技生活化"), MainPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont slogan(QStringLiteral("华文彩云"));
    slogan.setPixelSize(56);
    Label1->setFont(slogan);
    Label1->setStyleSheet(QStringLiteral("color: silver;"));
    Label1->adjustSize();
    Label1->move(60, 60);
    Label1->hide();
    row->addWidget(LeftPan);
    row->addWidget(MainPanel, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);
    setMainWorkArea(MainPanel);
    connect(MainPanel, &WorkArea::doubleClickedEmpty, this, &TMainFm::MainPanelDblClick);

    buildNavigation();
    buildMenus();

    StatusPanel0 = new QLabel(this);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    // 200 pixels, or what the clock's longest text needs in the font on this machine.
    StatusPanel0->setFixedWidth(qMax(200, StatusPanel0->fontMetrics().horizontalAdvance(clockText(
                                              QDateTime(QDate(2088, 12, 28), QTime(20, 58, 58)))) +
                                              2 * StatusPanel0->margin() + 12));
    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(450);
    StatusPanel2 = new QLabel(QStringLiteral("Ver 1.00.03"), this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusPanel2->setFixedWidth(80);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
    statusBar()->addPermanentWidget(StatusPanel2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainFm::Timer1Timer);

    // FormCreate: permissions, clock, maximised. A broken permission option is reported
    // inside ApplyPowers and treated as "no permission control"; the rest still runs.
    ApplyPowers();
    Timer1->start();
    Timer1Timer();
    setWindowState(windowState() | Qt::WindowMaximized);

    qApp->installEventFilter(this);
}

TMainFm::~TMainFm()
{
    qApp->removeEventFilter(this);
    if (mainWorkArea() == MainPanel)
        setMainWorkArea(nullptr);
}

void TMainFm::buildNavigation()
{
    FlatSpeedButton1 = LeftPan->addButton(QStringLiteral("FlatSpeedButton1"), tr("出    租(F5)"),
                                          tr("影碟出租业务"), 48);
    FlatSpeedButton2 = LeftPan->addButton(QStringLiteral("FlatSpeedButton2"), tr("归    还(F6)"),
                                          tr("影碟归还业务"), 96);
    FlatSpeedButton8 = LeftPan->addButton(QStringLiteral("FlatSpeedButton8"), tr("销    售(F7)"),
                                          tr("影碟销售管理"), 144);
    FlatSpeedButton3 = LeftPan->addButton(QStringLiteral("FlatSpeedButton3"), tr("库    存(F8)"),
                                          tr("库存影碟管理"), 192);
    FlatSpeedButton7 = LeftPan->addButton(QStringLiteral("FlatSpeedButton7"), tr("统计/分析  "),
                                          tr("统计/汇总报表"), 240);
    FlatSpeedButton4 = LeftPan->addButton(QStringLiteral("FlatSpeedButton4"), tr("费用收支(F9)"),
                                          tr("业务资料查看"), 288);
    FlatSpeedButton6 = LeftPan->addButton(QStringLiteral("FlatSpeedButton6"), tr("设    置(F4)"),
                                          tr("系统参数设定"), 337);
    FlatSpeedButton5 =
        LeftPan->addButton(QStringLiteral("FlatSpeedButton5"), tr("退   出"), QString(), 400);
    LeftPan->setLeaveButton(FlatSpeedButton5);

    connect(FlatSpeedButton1, &QPushButton::clicked, this, &TMainFm::rentOut);
    connect(FlatSpeedButton2, &QPushButton::clicked, this, &TMainFm::takeBack);
    connect(FlatSpeedButton8, &QPushButton::clicked, this, [this] { ShowSellMainFm(m_account); });
    connect(FlatSpeedButton3, &QPushButton::clicked, this, [this] { ShowRepertoryFm(m_account); });
    connect(FlatSpeedButton7, &QPushButton::clicked, this, &TMainFm::popupStatistics);
    connect(FlatSpeedButton4, &QPushButton::clicked, this,
            [this] { ShowInOutMoneyList(m_account); });
    connect(FlatSpeedButton6, &QPushButton::clicked, this, [this] { ShowSetupPage(m_account, 0); });
    connect(FlatSpeedButton5, &QPushButton::clicked, this, &QWidget::close);
}

QAction *TMainFm::addEntry(QMenu *menu, const QString &objectName, const QString &text,
                           std::function<void()> act, const QKeySequence &shortcut)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(objectName);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (act)
        connect(a, &QAction::triggered, this, [act] { act(); });
    return a;
}

void TMainFm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    FileMenu = bar->addMenu(tr("文件"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    addEntry(
        FileMenu, QStringLiteral("FileNew"), tr("新      建"),
        [this] { openAccountDialog(ShowNewAccount); }, QKeySequence(QStringLiteral("Ctrl+N")));
    addEntry(
        FileMenu, QStringLiteral("FileOpen"), tr("打     开"),
        [this] { openAccountDialog(ShowOpenAccount); }, QKeySequence(QStringLiteral("Ctrl+O")));
    addEntry(
        FileMenu, QStringLiteral("FileBackup"), tr("保存/备份"), [this] { ShowBackup(m_account); },
        QKeySequence(QStringLiteral("Ctrl+S")));
    // Restore from a backup: the account in use is backed up first, and the operator is asked.
    addEntry(FileMenu, QStringLiteral("FileRestore"), tr("恢     复"),
             [this] { restoreFromBackup(); });
    // Moves of the account between a file and a database server.
    addEntry(FileMenu, QStringLiteral("FileMoveToServer"), tr("迁移到服务器"),
             [this] { ShowMoveToServer(m_account); });
    addEntry(FileMenu, QStringLiteral("FileMoveToFile"), tr("迁移到文件"),
             [this] { ShowMoveToFile(m_account); });
    NNAg = addEntry(FileMenu, QStringLiteral("NNAg"), tr("屏蔽导航条"), [this] { NNAgClick(); });
    NNAg->setCheckable(true);
    N43 = addEntry(FileMenu, QStringLiteral("N43"), tr("暂时离开"), [this] { N43Click(); });
    FileMenu->addSeparator();
    // The menu's leave entry closes the window like the leave button, with the confirmation.
    addEntry(
        FileMenu, QStringLiteral("FileExit"), tr("退     出"), [this] { close(); },
        QKeySequence(QStringLiteral("Ctrl+X")));

    BusinessMenu = bar->addMenu(tr("业务管理"));
    BusinessMenu->setObjectName(QStringLiteral("BusinessMenu"));
    addEntry(
        BusinessMenu, QStringLiteral("BizRent"), tr("租    赁"), [this] { rentOut(); },
        QKeySequence(QStringLiteral("Ctrl+L")));
    addEntry(
        BusinessMenu, QStringLiteral("BizReturn"), tr("归    还"), [this] { takeBack(); },
        QKeySequence(QStringLiteral("Ctrl+R")));
    addEntry(
        BusinessMenu, QStringLiteral("BizSell"), tr("销    售"),
        [this] { ShowSellMainFm(m_account); }, QKeySequence(QStringLiteral("Ctrl+I")));
    addEntry(
        BusinessMenu, QStringLiteral("BizStock"), tr("库存管理"),
        [this] { ShowRepertoryFm(m_account); }, QKeySequence(QStringLiteral("Ctrl+T")));
    BusinessMenu->addSeparator();
    addEntry(BusinessMenu, QStringLiteral("BizCashUp"), tr("交班结算"),
             [this] { ShowCashUp(m_account); });

    InOutMenuEntry = bar->addAction(tr("费用收支"));
    InOutMenuEntry->setObjectName(QStringLiteral("InOutMenuEntry"));
    connect(InOutMenuEntry, &QAction::triggered, this, [this] { ShowInOutMoneyList(m_account); });

    StatisticsMenu = bar->addMenu(tr("统计/分析"));
    StatisticsMenu->setObjectName(QStringLiteral("StatisticsMenu"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    struct Report
    {
        const char *name;
        const char *menuText;
        const char *popupText;
        std::function<void()> act;
    };
    const Report reports[] = {
        {"StatRentalReport", QT_TR_NOOP("租赁报表"), QT_TR_NOOP("租赁报表"),
         [this] { ShowRentalReport(m_account); }},
        {"StatRentalChart", QT_TR_NOOP("租赁分析"), QT_TR_NOOP("租赁分析"),
         [this] { ShowLeaseChart(m_account); }},
        {nullptr, nullptr, nullptr, {}},
        {"StatSalesSummary", QT_TR_NOOP("销售汇总表"), QT_TR_NOOP("销售汇总报表"),
         [this] { ShowSellStockRep(m_account); }},
        {"StatSalesDetail", QT_TR_NOOP("销售明细表"), QT_TR_NOOP("销售明细报表"),
         [this] { ShowQSellDetailFm(m_account); }},
        {nullptr, nullptr, nullptr, {}},
        {"StatStockReport", QT_TR_NOOP("库存报表"), QT_TR_NOOP("库存报表"),
         [this] { ShowQStoreRep(m_account); }},
        {"StatStockChart", QT_TR_NOOP("库存分析"), QT_TR_NOOP("库存分析"),
         [this] { ShowStoreChart(m_account); }},
        {nullptr, nullptr, nullptr, {}},
        {"StatMemberReport", QT_TR_NOOP("会员报表"), QT_TR_NOOP("会员报表"),
         [this] { ShowMemberReport(m_account); }},
        {"StatOverdueReport", QT_TR_NOOP("租赁过期报表"), QT_TR_NOOP("租赁过期报表"),
         [this] { ShowOverdueReport(m_account); }},
        {"StatMonthly", QT_TR_NOOP("月平均收支"), QT_TR_NOOP("月平均收支"),
         [this] { ShowCompareChart(m_account); }},
        {nullptr, nullptr, nullptr, {}},
        {"StatRentalRanking", QT_TR_NOOP("租赁排行榜"), QT_TR_NOOP("租赁排行榜"),
         [this] { ShowQPHFm(m_account, 0); }},
        {"StatSalesRanking", QT_TR_NOOP("销售排行榜"), QT_TR_NOOP("销售排行榜"),
         [this] { ShowQPHFm(m_account, 1); }},
    };
    for (const Report &r : reports) {
        if (!r.name) {
            StatisticsMenu->addSeparator();
            continue;
        }
        addEntry(StatisticsMenu, QLatin1String(r.name), tr(r.menuText), r.act);
    }
    // What the owner checks on the counter: who did what, and the shifts' cash.
    StatisticsMenu->addSeparator();
    addEntry(StatisticsMenu, QStringLiteral("StatAuditLog"), tr("操作日志"),
             [this] { ShowAuditLog(m_account); });
    addEntry(StatisticsMenu, QStringLiteral("StatCashUpList"), tr("交班记录"),
             [this] { ShowCashUpList(m_account); });
    // The pop-up of the statistics button lists the same reports in its own order.
    const char *popupOrder[] = {
        "StatRentalReport", "StatRentalChart", "StatSalesSummary",  "StatSalesDetail",
        "StatStockReport",  "StatStockChart",  "StatMonthly",       "StatOverdueReport",
        "StatMemberReport", nullptr,           "StatRentalRanking", "StatSalesRanking"};
    for (const char *name : popupOrder) {
        if (!name) {
            PopupMenu1->addSeparator();
            continue;
        }
        for (const Report &r : reports) {
            if (r.name && qstrcmp(r.name, name) == 0) {
                addEntry(PopupMenu1, QStringLiteral("Popup") + QLatin1String(r.name),
                         tr(r.popupText), r.act);
            }
        }
    }
    PopupMenu1->addSeparator();
    addEntry(PopupMenu1, QStringLiteral("PopupStatAuditLog"), tr("操作日志"),
             [this] { ShowAuditLog(m_account); });
    addEntry(PopupMenu1, QStringLiteral("PopupStatCashUpList"), tr("交班记录"),
             [this] { ShowCashUpList(m_account); });

    SettingsMenu = bar->addMenu(tr("系统设置"));
    SettingsMenu->setObjectName(QStringLiteral("SettingsMenu"));
    addEntry(SettingsMenu, QStringLiteral("SetMembers"), tr("会员设置"),
             [this] { ShowSetupPage(m_account, 0); });
    addEntry(SettingsMenu, QStringLiteral("SetRental"), tr("出    租"),
             [this] { ShowSetupPage(m_account, 1); });
    addEntry(SettingsMenu, QStringLiteral("SetFees"), tr("费    用"),
             [this] { ShowSetupPage(m_account, 2); });
    addEntry(SettingsMenu, QStringLiteral("SetStaff"), tr("人员管理"),
             [this] { ShowSetupPage(m_account, 3); });
    addEntry(SettingsMenu, QStringLiteral("SetInOutTypes"), tr("收支类型"),
             [this] { ShowSetupPage(m_account, 4); });

    HelpMenu = bar->addMenu(tr("帮助"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    addEntry(HelpMenu, QStringLiteral("HelpUse"), tr("使用帮助"), [this] { openHelp(); });
    addEntry(HelpMenu, QStringLiteral("HelpTips"), tr("技巧与提示"), [this] {
        m_tipsShown = true;
        ShowTips();
    });
    // Always open to every operator, like the rest of the help menu.
    HelpMenu->addMenu(Language::createMenu(this))->setObjectName(QStringLiteral("HelpLanguage"));
    addEntry(HelpMenu, QStringLiteral("HelpAbout"), tr("关    于"), [] { ShowAbout(); });
}

QAction *TMainFm::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QList<TMainFm::PowerTargets> TMainFm::powerTargets() const
{
    auto entries = [](const QMenu *m) { return m->actions(); };
    return {
        {Power::Rental,
         {action(QStringLiteral("BizRent")), action(QStringLiteral("BizReturn"))},
         {FlatSpeedButton1, FlatSpeedButton2}},
        {Power::Stock, {action(QStringLiteral("BizStock"))}, {FlatSpeedButton3}},
        {Power::Statistics, entries(StatisticsMenu) + entries(PopupMenu1), {FlatSpeedButton7}},
        {Power::Sale, {action(QStringLiteral("BizSell"))}, {FlatSpeedButton8}},
        {Power::Settings, entries(SettingsMenu), {FlatSpeedButton6}},
        {Power::IncomeExpense, {InOutMenuEntry}, {FlatSpeedButton4}},
        {Power::File, entries(FileMenu), {}},
        {Power::CashUp, {action(QStringLiteral("BizCashUp"))}, {}},
    };
}

void TMainFm::ApplyPowers()
{
    try {
        m_account.refreshSession();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e); // the session is locked down: nothing opens
    }
    const OperatorSession &session = m_account.session();
    if (!session.modeReadable)
        Msg::error(this, tr("系统运行方式设置缺失或无效，本次按不控制权限运行。"));

    // Everything closed first, then what the session may use; entries that belong to no power
    // (leaving, logging in again, exit, help) are always open.
    const QList<QMenu *> menus = {FileMenu,     BusinessMenu, StatisticsMenu,
                                  SettingsMenu, HelpMenu,     PopupMenu1};
    for (QMenu *m : menus) {
        for (QAction *a : m->actions())
            a->setEnabled(!session.permissionControl);
    }
    for (const PowerTargets &t : powerTargets()) {
        const bool open = session.may(t.power);
        for (QAction *a : t.actions)
            a->setEnabled(open);
        for (QWidget *w : t.widgets)
            w->setEnabled(open);
    }
    for (const char *name :
         {"FileExit", "NNAg", "N43", "HelpUse", "HelpTips", "HelpLanguage", "HelpAbout"})
        action(QLatin1String(name))->setEnabled(true);
}

void TMainFm::HideWorkWindows()
{
    for (QWidget *w : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(), SetupWindow(),
                       InOutMoneyListWindow()}) {
        if (w)
            w->hide();
    }
}

void TMainFm::Timer1Timer()
{
    StatusPanel0->setText(clockText(QDateTime::currentDateTime()));
    if (!m_tipsShown && isVisible() && GetNoteFlag() == 0) {
        m_tipsShown = true;
        ShowTips();
    }
}

void TMainFm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TMainFm::FormShow()
{
    showAccount();
}

void TMainFm::showAccount()
{
    StatusPanel1->setText(tr("当前帐户：") + accountDisplayName(m_account.account()));
    try {
        m_account.readShop();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    const QString company = m_account.shop().company;
    const QString shop = company.isEmpty() ? tr("未设置单位名称 ") : company;
    // The sample account says what it is, so nobody keeps his shop in the demonstration rows.
    const QString sample = isSampleAccount(m_account.account())
                               ? tr("    （示例帐户，用“文件 → 新建”建立自己的帐户）")
                               : QString();
    // An account on a server is named in the caption, so a counter sees which database it uses.
    const auto server = serverAccountOf(m_account.account());
    const QString where =
        server ? tr("    （服务器帐户：%1）").arg(server->displayName()) : QString();
    setWindowTitle(tr("%1    【%2】").arg(kProductTitle, shop) + sample + where);
}

void TMainFm::openAccountDialog(void (*dialog)(AccountContext &))
{
    HideWorkWindows();
    const QString before = m_account.account();
    dialog(m_account);
    if (m_account.account() == before)
        return;
    // Another shop's file: the account line, the caption and the shop's details on receipts
    // follow it, and one of its own staff logs in, so that neither the operator's ID nor the
    // permissions of the previous account carry over.
    // The ID of the last operator names nobody in this file: no one is logged in until the login.
    m_account.forget();
    showAccount();
    N43Click();
}

void TMainFm::restoreFromBackup()
{
    HideWorkWindows();
    if (!ShowRestore(m_account, this))
        return;
    // The same file with other rows: its shop details and its staff, who log in again.
    m_account.setShop(ShopDetails());
    showAccount();
    N43Click();
}

void TMainFm::closeEvent(QCloseEvent *event)
{
    if (m_leaving) {
        event->accept();
        return;
    }
    const auto answer = Msg::askYesNo(this, tr("确认退出系统吗？"), Msg::SystemCaption,
                                      Msg::Icon::Information, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        event->accept();
    else
        event->ignore();
}

bool TMainFm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (w && w->window() != this && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1 &&
        w == QApplication::focusWidget() && w->window() == QApplication::activeModalWidget()) {
        // F1 in a dialog: the page of that dialog, over it.
        ShowHelp(helpTopicOf(w->window()));
        return true;
    }
    if (!w || w->window() != this)
        return false;
    QWidget *focus = QApplication::focusWidget();
    if (focus && w != focus)
        return false; // the same key propagating to a parent
    // Function keys act like their buttons, and only while their button is enabled.
    auto press = [](QPushButton *b) {
        if (b->isEnabled())
            b->click();
        return true;
    };
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_F5:
        return press(FlatSpeedButton1);
    case Qt::Key_F6:
        return press(FlatSpeedButton2);
    case Qt::Key_F7:
        return press(FlatSpeedButton8);
    case Qt::Key_F8:
        return press(FlatSpeedButton3);
    case Qt::Key_F9:
        return press(FlatSpeedButton4);
    case Qt::Key_F4:
        return press(FlatSpeedButton6);
    case Qt::Key_F1:
        openHelp();
        return true;
    default:
        return false;
    }
}

void TMainFm::rentOut()
{
    ShowLeaseList(m_account);
    ShowLeaseWindow(m_account, 0);
}

void TMainFm::takeBack()
{
    ShowLeaseList(m_account);
    ShowLeaseWindow(m_account, 1);
}

QString TMainFm::helpTopic() const
{
    // The window in front of the work area is the last raised of the visible ones.
    QWidget *front = nullptr;
    for (QObject *child : MainPanel->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && w != Label1 && w->isVisible())
            front = w;
    }
    return front ? helpTopicOf(front) : QStringLiteral("main");
}

void TMainFm::openHelp()
{
    ShowHelp(helpTopic());
}

void TMainFm::popupStatistics()
{
    PopupMenu1->popup(FlatSpeedButton7->mapToGlobal(QPoint(FlatSpeedButton7->width() - 20, 0)));
}

void TMainFm::NNAgClick()
{
    const bool hide = LeftPan->width() > 0;
    LeftPan->setFixedWidth(hide ? 0 : NavigationBar::FullWidth);
    NNAg->setChecked(hide);
}

void TMainFm::N43Click()
{
    if (!m_login)
        return;
    // The next operator may hold fewer powers: nothing the last one opened stays on show,
    // neither the work windows nor a report or chart with its figures.
    HideWorkWindows();
    for (QWidget *w : MainPanel->placedWindows())
        w->hide();
    if (m_account.operatorId() != 0) {
        try {
            Audit::record(m_account, Audit::Kind::Leave, QString());
        } catch (const Db::DbError &e) {
            Msg::fault(this, e, Audit::notRecordedText());
        }
    }
    setEnabled(false);
    const bool loggedIn = m_login();
    setEnabled(true);
    if (!loggedIn) {
        // The operator chose to leave: end without the exit confirmation.
        m_leaving = true;
        close();
        QApplication::exit(0);
        return;
    }
    ApplyPowers();
}

void TMainFm::MainPanelDblClick()
{
    Label1->setVisible(!Label1->isVisible());
}
