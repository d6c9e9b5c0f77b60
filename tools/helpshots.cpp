// Takes the screenshots of the user guide and of a walk through the program's windows, as a
// user sees them on the screen (window frames included). Run it under an X server with a
// window manager (scripts/helpshots.sh does that with Xvfb and openbox):
//   helpshots <account file> <folder for the guide's pictures> <folder for the walk> [en]
// With "en" the windows are in English (the translation built beside the program), for the
// English guide's pictures.
// It opens the account read as it is, changes nothing in it and keeps its settings in a
// temporary folder.
#include "help/HelpWindow.h"
#include "shell/AccountWindows.h"
#include "shell/BackupWindow.h"
#include "shell/ServerAccountWindow.h"
#include "shell/ServerPasswordWindow.h"
#include "shell/BaseWindows.h"
#include "shell/Language.h"
#include "shell/LoginWindow.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/Translations.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SettingsStore.h"
#include "toolkit/MessageBox.h"

#include "charts/LeaseChartWindow.h"
#include "reports/RentalReportWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString g_guide;
QString g_walk;

void settle(int ms = 600)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The whole screen, as the user sees it.
void shot(const QString &folder, const QString &name)
{
    settle();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file))
        std::fprintf(stderr, "helpshots: cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

// Opens a modal window with open(), takes the shot once it is up, then closes it.
void shotOfModal(const QString &folder, const QString &name, const std::function<void()> &open,
                 const std::function<void(QWidget *)> &prepare = {})
{
    QTimer::singleShot(900, [folder, name, prepare] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && prepare)
            prepare(modal);
        shot(folder, name);
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    open();
    settle(200);
}

// Answers the notices of the reports and charts that open on today's date, where the sample
// has nothing; their pictures are taken once their dates cover the sample's last month.
class QuietBoxes : public Msg::Presenter
{
public:
    QMessageBox::StandardButton present(const Msg::Request &) override { return QMessageBox::Ok; }
};

template <class Window> Window *openWindow()
{
    for (QWidget *w : QApplication::allWidgets()) {
        if (auto *window = qobject_cast<Window *>(w))
            return window;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: helpshots <account file> <guide folder> <walk folder> [en]\n");
        return 2;
    }
    const QString account = QString::fromLocal8Bit(argv[1]);
    g_guide = QString::fromLocal8Bit(argv[2]);
    g_walk = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_guide);
    QDir().mkpath(g_walk);

    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SetNoteFlag(1);
    Translations::installQtTranslations(app);
    if (argc == 5 &&
        !Language::install(&app, QString::fromLocal8Bit(argv[4]),
                           Language::translationsFolder(QCoreApplication::applicationDirPath()))) {
        std::fprintf(stderr, "helpshots: no translation %s\n", argv[4]);
        return 1;
    }
    app.setApplicationName(QStringLiteral("Tarvane Rentora"));
    applyCommonLook();

    QString why;
    if (!openAccountFile(account, QLatin1String(Db::MainConnName), &why)) {
        std::fprintf(stderr, "helpshots: %s\n", qPrintable(why));
        return 1;
    }
    AccountContext context;
    context.setAccount(account);

    // The login window over an empty desktop.
    {
        TLoginFm login(context);
        login.show();
        shot(g_walk, QStringLiteral("login"));
        context.setOperator(login.CombUserName->currentData().toInt());
    }

    TMainFm main(context);
    CreateLeaseList(context);
    CreateRepertoryFm(context);
    CreateSellMainFm(context);
    CreateSetupFm(context);
    CreateInOutMoneyList(context);
    main.show();
    main.showMaximized();
    shot(g_guide, QStringLiteral("main"));

    ShowLeaseList(context);
    shot(g_walk, QStringLiteral("leaselist"));
    shotOfModal(g_guide, QStringLiteral("rent"), [&context] { ShowLeaseWindow(context, 0); });
    shotOfModal(g_guide, QStringLiteral("return"), [&context] { ShowLeaseWindow(context, 1); });
    ShowSellMainFm(context);
    shot(g_guide, QStringLiteral("sell"));
    ShowRepertoryFm(context);
    shot(g_guide, QStringLiteral("stock"));
    ShowSetupPage(context, 0);
    shot(g_guide, QStringLiteral("members"));
    ShowSetupPage(context, 3);
    shot(g_guide, QStringLiteral("staff"));
    ShowSetupPage(context, 1);
    shot(g_guide, QStringLiteral("options"));
    ShowSetupPage(context, 2);
    shot(g_walk, QStringLiteral("fees"));
    ShowInOutMoneyList(context);
    shot(g_guide, QStringLiteral("money"));
    // The sample's last month of business.
    const QDate last =
        Db::scalar(QStringLiteral("SELECT MAX(DatTime) FROM TBBusinessDetail"), {}, context.db())
            .toDate();
    const QDate first = last.isValid() ? QDate(last.year(), last.month(), 1) : QDate::currentDate();
    QuietBoxes quiet;
    Msg::Presenter *boxes = Msg::setPresenter(&quiet);
    ShowRentalReport(context);
    if (auto *report = openWindow<TResQPFm>()) {
        report->setDateRange(first, last);
        report->BuildReport();
    }
    shot(g_guide, QStringLiteral("reports"));
    ShowQStoreRep(context);
    shot(g_walk, QStringLiteral("stockreport"));
    ShowLeaseChart(context);
    if (auto *chart = openWindow<TLeaseCharFm>()) {
        chart->DTPBegin->setDate(first);
        chart->DTPend->setDate(last);
        chart->Draw();
    }
    shot(g_guide, QStringLiteral("charts"));
    ShowCompareChart(context);
    shot(g_walk, QStringLiteral("comparechart"));
    Msg::setPresenter(boxes);

    shotOfModal(g_guide, QStringLiteral("accounts"), [&context] { ShowOpenAccount(context); });
    shotOfModal(g_walk, QStringLiteral("newaccount"), [&context] { ShowNewAccount(context); });
    shotOfModal(g_walk, QStringLiteral("backup"), [&context] { ShowBackup(context); });
    // The move to a server, with a shop's address typed in, for the guide's page of accounts.
    shotOfModal(
        g_guide, QStringLiteral("movetoserver"), [&context] { ShowMoveToServer(context); },
        [](QWidget *move) {
            if (auto *fields = move->findChild<ServerAddressFields *>())
                fields->setAddress({QStringLiteral("db.shop.lan"), 5432, QStringLiteral("shop"),
                                    QStringLiteral("counter")});
        });
    shotOfModal(g_walk, QStringLiteral("serveraccount"), [] {
        TServerAccountFm dialog(QApplication::activeWindow());
        dialog.exec();
    });
    shotOfModal(g_walk, QStringLiteral("serverpassword"), [] {
        TServerPasswordFm dialog(QApplication::activeWindow(),
                                 {QStringLiteral("db.shop.lan"), 5432, QStringLiteral("shop"),
                                  QStringLiteral("counter")},
                                 QString());
        dialog.exec();
    });
    // The backup's file dialog (Qt's own, in Chinese), over the backup dialog.
    shotOfModal(
        g_walk, QStringLiteral("backup"), [&context] { ShowBackup(context); },
        [](QWidget *backup) {
            QTimer::singleShot(0, [backup] {
                if (auto *browse = backup->findChild<QPushButton *>(QStringLiteral("BitBtn1")))
                    browse->click();
            });
            QTimer::singleShot(900, [] {
                shot(g_walk, QStringLiteral("filedialog"));
                if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    d->reject();
            });
            settle(1500);
        });
    // A message box as every window shows it.
    shotOfModal(g_walk, QStringLiteral("messagebox"), [&main] {
        Msg::askYesNo(&main, QStringLiteral("确认退出系统吗？"), Msg::SystemCaption,
                      Msg::Icon::Information, QMessageBox::No);
    });
    shotOfModal(g_walk, QStringLiteral("notice"), [&main] {
        Msg::info(&main, QStringLiteral("程序已经在运行"), QStringLiteral("提示"));
    });

    ShowTips();
    shot(g_walk, QStringLiteral("tips"));
    ShowHelp(QStringLiteral("accounts"));
    shot(g_walk, QStringLiteral("help"));
    return 0;
}
