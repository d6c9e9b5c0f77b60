#include "Startup.h"

#include "BaseWindows.h"
#include "LoginWindow.h"
#include "MainWindow.h"
#include "Openers.h"
#include "SplashWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/MessageBox.h"
#include "toolkit/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

namespace Startup {

QString lockFilePath()
{
    return QDir::temp().filePath(QStringLiteral("LumoManage.lock"));
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
    SingleCopyGuard guard;
    if (!guard.acquire()) {
        Msg::info(nullptr, QStringLiteral("程序已经在运行"), QStringLiteral("提示"));
        return 0;
    }

    QPointer<TSpleshFm> splash = new TSpleshFm;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    app.setApplicationName(QStringLiteral("Tarvane Rentora"));
    applyCommonLook();
    WaitCursor::showDuringDataWaits();

    TDataModule1 dataModule;
    QString why;
    if (!dataModule.connectCurrentAccount(&why)) {
        qCWarning(lcData).noquote() << "cannot open the account:" << why;
        Msg::show({nullptr, Msg::SystemCaption, QStringLiteral("数据库连接错误,程序无法运行！"),
                   Msg::Icon::Error, QMessageBox::Ok, QMessageBox::Ok, why});
        if (splash)
            splash->close();
        return 0;
    }

    {
        TLoginFm login;
        if (login.exec() != QDialog::Accepted) {
            if (splash)
                splash->close();
            return 0;
        }
    }
    if (splash)
        splash->repaint();

    TMainFm mainWindow;
    mainWindow.setLoginProvider([&mainWindow] {
        TLoginFm login(&mainWindow);
        return login.exec() == QDialog::Accepted;
    });
    CreateLeaseList();
    CreateRepertoryFm();
    CreateSellMainFm();
    CreateSetupFm();
    CreateInOutMoneyList();

    if (splash)
        splash->close();
    mainWindow.show();
    app.exec();
    return 0;
}

} // namespace Startup
