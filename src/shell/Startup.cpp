#include "Startup.h"

#include "AccountWindows.h"
#include "BaseWindows.h"
#include "Language.h"
#include "LoginWindow.h"
#include "MainWindow.h"
#include "Openers.h"
#include "ServerPasswordWindow.h"
#include "SplashWindow.h"
#include "Translations.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/MessageBox.h"
#include "toolkit/WaitCursor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QPointer>

namespace Startup {

namespace {
QString g_lockFolder;
}

void setLockFolder(const QString &folder)
{
    g_lockFolder = folder;
}

QString lockFilePath()
{
    // Not QDir::temp(): it follows TMPDIR, and two copies started with different TMPDIR
    // values would never see each other's lock.
    const QString folder = g_lockFolder.isEmpty() ? QStringLiteral("/tmp") : g_lockFolder;
    return QDir(folder).filePath(QStringLiteral("LumoManage.lock"));
}

SingleCopyGuard::SingleCopyGuard() : m_lock(lockFilePath())
{
    // A lock left by a copy that died is taken over: QLockFile checks the owner's process.
    m_lock.setStaleLockTime(0);
}

bool SingleCopyGuard::acquire()
{
    return m_lock.tryLock(0);
}

int run(QApplication &app)
{
    // Before the first box: the program's texts in the chosen language, and for Chinese Qt's
    // own texts too, so even "程序已经在运行" gets its OK button in Chinese.
    if (Language::installForStartup(&app) == Language::Chinese)
        Translations::installQtTranslations(app);
    SingleCopyGuard guard;
    if (!guard.acquire()) {
        Msg::info(nullptr, QCoreApplication::translate("Startup", "程序已经在运行"),
                  QStringLiteral("提示"));
        return 0;
    }

    QPointer<TSpleshFm> splash = new TSpleshFm;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    app.setApplicationName(QStringLiteral("Tarvane Rentora"));
    // The installed icon theme's, else the copy built into the program.
    QIcon icon(QStringLiteral(":/icons/rentora-256.png"));
    icon.addFile(QStringLiteral(":/icons/rentora-48.png"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("rentora"), icon));
    applyCommonLook();
    WaitCursor::showDuringDataWaits();
    // A server account whose password no password file gives asks the operator for it.
    installServerPasswordPrompt();

    // Installed, the accounts live in the user's folder, filled on the first start; a failure
    // shows as the connection error below.
    QString why;
    if (!prepareDataFolder(&why))
        qWarning("data folder: %s", qPrintable(why));
    // The account of this run: built here, handed to the data module that opens it and to
    // the windows, which pass it on to whatever they open.
    AccountContext account;
    TDataModule1 dataModule(account);
    if (!dataModule.connectCurrentAccount(&why)) {
        qCWarning(lcData).noquote() << "cannot open the account:" << why;
        Msg::show({nullptr, Msg::SystemCaption, QCoreApplication::translate("Startup", "数据库连接错误,程序无法运行！"),
                   Msg::Icon::Error, QMessageBox::Ok, QMessageBox::Ok, why});
        if (splash)
            splash->close();
        return 0;
    }
    warnIfOnNetworkShare(nullptr, account.account());

    {
        TLoginFm login(account);
        if (login.exec() != QDialog::Accepted) {
            if (splash)
                splash->close();
            return 0;
        }
    }
    if (splash)
        splash->repaint();

    TMainFm mainWindow(account);
    mainWindow.setLoginProvider([&mainWindow, &account] {
        TLoginFm login(account, &mainWindow);
        return login.exec() == QDialog::Accepted;
    });
    CreateLeaseList(account);
    CreateRepertoryFm(account);
    CreateSellMainFm(account);
    CreateSetupFm(account);
    CreateInOutMoneyList(account);

    if (splash)
        splash->close();
    mainWindow.show();
    app.exec();
    return 0;
}

} // namespace Startup
