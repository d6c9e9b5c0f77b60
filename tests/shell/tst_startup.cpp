#include "shell/LoginWindow.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/Startup.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs `step` on the modal login window once it is up. The watcher lives as long as the
// returned object, so a login that never shows cannot reach a later test's variables.
std::unique_ptr<QTimer> whenLoginShows(std::function<void(TLoginFm *)> step)
{
    auto timer = std::make_unique<QTimer>();
    QTimer *t = timer.get();
    QObject::connect(t, &QTimer::timeout, t, [t, step] {
        if (auto *login = qobject_cast<TLoginFm *>(QApplication::activeModalWidget())) {
            t->stop();
            step(login);
        }
    });
    t->start(20);
    return timer;
}

TMainFm *findMainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *m = qobject_cast<TMainFm *>(w))
            return m;
    }
    return nullptr;
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void lockIsTheSameWhateverTmpdir();
    void secondCopyIsRefused();
    void lockIsFreeAfterTheFirstCopyEnds();
    void connectionFailureEndsBeforeLogin_data();
    void connectionFailureEndsBeforeLogin();
    void cancelledLoginEndsWithoutMainWindow();
    void loginBuildsHiddenWorkWindowsAndRuns_data();
    void loginBuildsHiddenWorkWindowsAndRuns();

private:
    QTemporaryDir m_dir;
};

void tst_Startup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Keep the lock of these tests apart from a copy of the program running on the machine.
    Startup::setLockFolder(m_dir.path());
}

void tst_Startup::lockIsTheSameWhateverTmpdir()
{
    Startup::setLockFolder(QString());
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", m_dir.path().toLocal8Bit());
    const QString first = Startup::lockFilePath();
    qputenv("TMPDIR", QDir(m_dir.path()).filePath(QStringLiteral("other")).toLocal8Bit());
    const QString second = Startup::lockFilePath();
    if (saved.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", saved);
    QCOMPARE(first, second);
    QVERIFY(!first.startsWith(m_dir.path()));
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("LumoManage.lock"));
    Startup::setLockFolder(m_dir.path());
    QVERIFY(Startup::lockFilePath().startsWith(m_dir.path()));
}

void tst_Startup::init()
{
    SetNoteFlag(1);
}

void tst_Startup::secondCopyIsRefused()
{
    Startup::SingleCopyGuard first;
    QVERIFY(first.acquire());
    RecordingPresenter boxes;
    SetRunData(QStringLiteral("/nonexistent/should-not-be-touched.MDB"));
    QCOMPARE(Startup::run(*qApp), 0);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("程序已经在运行")});
    QCOMPARE(boxes.shown.first().caption, QStringLiteral("提示"));
    QCOMPARE(boxes.shown.first().icon, Msg::Icon::Information);
    // Neither the database nor the settings were touched.
    QCOMPARE(GetRunData(), QStringLiteral("/nonexistent/should-not-be-touched.MDB"));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("MainConn")));
    // Qt's own texts were loaded before that first box: its OK button reads 确定.
    QDialogButtonBox ok(QDialogButtonBox::Ok);
    QCOMPARE(ok.button(QDialogButtonBox::Ok)->text().remove(QLatin1Char('&')),
             QStringLiteral("确定"));
}

void tst_Startup::lockIsFreeAfterTheFirstCopyEnds()
{
    {
        Startup::SingleCopyGuard first;
        QVERIFY(first.acquire());
    }
    Startup::SingleCopyGuard again;
    QVERIFY(again.acquire());
}

void tst_Startup::connectionFailureEndsBeforeLogin_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("not a database") << "text";
}

void tst_Startup::connectionFailureEndsBeforeLogin()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + QStringLiteral(".MDB"));
    if (kind == QLatin1String("text")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
    }
    SetRunData(path);
    RecordingPresenter boxes;
    bool loginShown = false;
    const auto watcher = whenLoginShows([&](TLoginFm *login) {
        loginShown = true;
        login->reject();
    });
    QCOMPARE(Startup::run(*qApp), 0);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("数据库连接错误,程序无法运行！")});
    QCOMPARE(boxes.shown.first().icon, Msg::Icon::Error);
    QVERIFY(!loginShown);
    QVERIFY(!findMainWindow());
    QCOMPARE(GetRunData(), path); // no fallback, the setting stays
}

void tst_Startup::cancelledLoginEndsWithoutMainWindow()
{
    const QString path = m_dir.filePath(QStringLiteral("cancel.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    SetRunData(path);
    RecordingPresenter boxes; // answers Yes to "您要退出系统吗？"
    const auto watcher = whenLoginShows(
        [](TLoginFm *login) { QTest::keyClick(login->CombUserName, Qt::Key_Escape); });
    QCOMPARE(Startup::run(*qApp), 0);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("您要退出系统吗？")});
    QVERIFY(!findMainWindow());
    // Nobody logged in: the account holds no login of anyone.
    {
        QString why;
        QVERIFY2(openAccountFile(path, QStringLiteral("check"), &why), qPrintable(why));
        QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBAuditLog WHERE Kind = ?"),
                            {QStringLiteral("登陆")},
                            QSqlDatabase::database(QStringLiteral("check")))
                     .toInt(),
                 0);
        QSqlDatabase::database(QStringLiteral("check")).close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void tst_Startup::loginBuildsHiddenWorkWindowsAndRuns_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << "plain";
    QTest::newRow("semicolon, blank and chinese") << QStringLiteral("我的 数据;备份");
}

void tst_Startup::loginBuildsHiddenWorkWindowsAndRuns()
{
    QFETCH(QString, folder);
    QDir(m_dir.path()).mkpath(folder);
    const QString path = QDir(m_dir.filePath(folder)).filePath(QStringLiteral("店.MDB"));
    QFile::remove(path);
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    SetRunData(path);
    RecordingPresenter boxes; // answers Yes to "确认退出系统吗？"

    // What the running program looked like, read while its message loop ran.
    bool mainShown = false;
    bool workWindowsHidden = true;
    QString openedFile;
    int operatorId = 0;
    const auto watcher = whenLoginShows([&](TLoginFm *login) {
        login->BitBtn1->click(); // the template's staff member has no password
        QTimer::singleShot(50, [&] {
            TMainFm *main = findMainWindow();
            if (!main) {
                QApplication::exit(0);
                return;
            }
            mainShown = main->isVisible();
            // The window holds the context start-up built and the login filled.
            openedFile = main->account().account();
            operatorId = main->account().operatorId();
            for (QWidget *w : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(),
                               SetupWindow(), InOutMoneyListWindow()}) {
                if (w && w->isVisible())
                    workWindowsHidden = false;
            }
            main->close();
        });
    });
    QCOMPARE(Startup::run(*qApp), 0);
    QVERIFY(mainShown);
    QVERIFY(workWindowsHidden);
    QCOMPARE(openedFile, path);
    QCOMPARE(operatorId, 1);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("确认退出系统吗？")});
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
