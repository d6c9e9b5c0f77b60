#pragma once

#include <QMainWindow>

#include <functional>

class AccountContext;
class QAction;
class QDateTime;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class WorkArea;
class NavigationBar;

// Status panel 0: "系统时间：" with the date and the time to the second.
QString clockText(const QDateTime &now);

// The main window: menus, the navigation bar with its function keys, the work area in which
// the work, report and chart windows appear, the clock and the account line.
class TMainFm : public QMainWindow
{
    Q_OBJECT
public:
    // account: the context of the account this run works in; the windows opened from here get it.
    explicit TMainFm(AccountContext &account, QWidget *parent = nullptr);
    ~TMainFm() override;

    // The account this run works in, as the window passes it to what it opens.
    AccountContext &account() const { return m_account; }

    // Enables the menu entries and buttons the current operator may use.
    void ApplyPowers();
    // Hides the five long-lived work windows.
    void HideWorkWindows();

    // How "暂时离开" logs in again: returns true after a successful login. Start-up sets the
    // real login window; tests replace it.
    void setLoginProvider(std::function<bool()> login) { m_login = std::move(login); }

    WorkArea *MainPanel = nullptr;
    NavigationBar *LeftPan = nullptr;
    QLabel *FlatPanel3 = nullptr; // banner
    QLabel *Label1 = nullptr;     // "让科技生活化" in the work area
    QPushButton *FlatSpeedButton1 = nullptr; // 出租
    QPushButton *FlatSpeedButton2 = nullptr; // 归还
    QPushButton *FlatSpeedButton8 = nullptr; // 销售
    QPushButton *FlatSpeedButton3 = nullptr; // 库存
    QPushButton *FlatSpeedButton7 = nullptr; // 统计/分析
    QPushButton *FlatSpeedButton4 = nullptr; // 费用收支
    QPushButton *FlatSpeedButton6 = nullptr; // 设置
    QPushButton *FlatSpeedButton5 = nullptr; // 退出
    QLabel *StatusPanel0 = nullptr; // clock
    QLabel *StatusPanel1 = nullptr; // account
    QLabel *StatusPanel2 = nullptr;
    QTimer *Timer1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

    QMenu *FileMenu = nullptr;
    QMenu *BusinessMenu = nullptr;
    QAction *InOutMenuEntry = nullptr; // menu-bar entry without a drop-down
    QMenu *StatisticsMenu = nullptr;
    QMenu *SettingsMenu = nullptr;
    QMenu *HelpMenu = nullptr;

    QAction *NNAg = nullptr; // 屏蔽导航条
    QAction *N43 = nullptr;  // 暂时离开

    // The entry or button with this object name; for the permission rules and their tests.
    QAction *action(const QString &objectName) const;

    void Timer1Timer();
    void NNAgClick();
    void N43Click();
    void MainPanelDblClick();
    // F1 and 帮助 → 使用帮助: the user guide on the page of the window in front.
    void HelpClick() { openHelp(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    // The account line, the shop's details and the caption, read from the account in use.
    void showAccount();
    // Runs an account dialog; when it moved to another account, the window follows it.
    void openAccountDialog(void (*dialog)(AccountContext &));
    // 文件 → 恢复; after a restore the window shows the restored rows' shop and asks for a login.
    void restoreFromBackup();
    void buildMenus();
    void buildNavigation();
    QAction *addEntry(QMenu *menu, const QString &objectName, const QString &text,
                      std::function<void()> act, const QKeySequence &shortcut = {});
    void rentOut();
    void takeBack();
    void openHelp();
    // The guide's page of the window in front of the work area (the main window's page when
    // none is on show).
    QString helpTopic() const;
    void popupStatistics();
    // What one power opens: menu entries and side buttons.
    struct PowerTargets
    {
        int power = 0;
        QList<QAction *> actions;
        QList<QWidget *> widgets;
    };
    QList<PowerTargets> powerTargets() const;

    AccountContext &m_account;
    std::function<bool()> m_login;
    bool m_shownOnce = false;
    bool m_leaving = false; // closing without the confirmation (a cancelled re-login)
    bool m_tipsShown = false;
};
