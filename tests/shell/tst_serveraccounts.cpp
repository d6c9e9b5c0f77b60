#include "shell/AccountWindows.h"
#include "shell/BackupWindow.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/ServerAccountWindow.h"

#include "data/AccountMove.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/SettingsStore.h"
#include "data/SqlDialect.h"
#include "support/RecordingPresenter.h"
#include "support/TestServer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The windows of accounts on a database server, key by key: the move of the account in use to
// a server and back to a file, 文件 → 打开 → 服务器帐户, the next start, the caption and the
// status bar, the backup of a server account and the refusal to restore one.
namespace {

void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Types the address into the fields, one key at a time, Tab between the fields.
void typeAddress(ServerAddressFields *fields, const ServerAddress &a)
{
    fields->EDHost->setFocus();
    fields->EDHost->selectAll();
    typeText(fields->EDHost, a.host);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fields->EDPort);
    fields->EDPort->selectAll();
    typeText(fields->EDPort, QString::number(a.port));
    QTest::keyClick(fields->EDPort, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fields->EDDatabase);
    typeText(fields->EDDatabase, a.database);
    QTest::keyClick(fields->EDDatabase, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fields->EDUser);
    fields->EDUser->selectAll();
    typeText(fields->EDUser, a.user);
}

void closeMainConn()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(Db::MainConnName), false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
}

} // namespace

class tst_ServerAccounts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void moveToServerByKeys();
    void moveRefusesIncompleteAddressesAndFullDatabases();
    void openServerAccountByKeysAndNextStart();
    void mainWindowNamesTheServerAccount();
    void backupOfServerAccountWritesAnAccountFile();
    void moveToFileAndRestoreOnServer();

private:
    ServerAddress newDatabase();
    // Moves the sample file to a new database and makes it the account in use.
    ServerAddress useServerAccount();

    QTemporaryDir m_root;
    QString m_folder;
    QString m_sample;
    QStringList m_databases;
    RecordingPresenter *m_boxes = nullptr;
    AccountContext m_context;
};

void tst_ServerAccounts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SetNoteFlag(1);
    applyCommonLook();
    QVERIFY(m_root.isValid());
}

void tst_ServerAccounts::init()
{
    m_folder = m_root.filePath(QString::fromLatin1(QTest::currentTestFunction()));
    QVERIFY(QDir().mkpath(m_folder));
    m_sample = QDir(m_folder).filePath(QStringLiteral("Sample.MDB"));
    QString why;
    QVERIFY2(SampleAccount::createEmptyAccount(m_sample, &why), qPrintable(why));
    QVERIFY2(openAccountFile(m_sample, QLatin1String(Db::MainConnName), &why), qPrintable(why));
    SampleAccount::fillSampleShop(m_context.db(), QDate(2026, 12, 9));
    m_context.setAccount(m_sample);
    m_context.setOperator(1);
    SetRunData(m_sample);
    m_boxes = new RecordingPresenter;
}

void tst_ServerAccounts::cleanup()
{
    delete m_boxes;
    m_boxes = nullptr;
    for (QWidget *w : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(), SetupWindow(),
                       InOutMoneyListWindow()})
        delete w;
    for (const QString &name : QSqlDatabase::connectionNames()) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    m_context.setAccount(QString());
    for (const QString &database : std::as_const(m_databases))
        TestServer::dropDatabase(database);
    m_databases.clear();
}

ServerAddress tst_ServerAccounts::newDatabase()
{
    ServerAddress a = TestServer::address();
    a.database = TestServer::createDatabase();
    m_databases << a.database;
    return a;
}

ServerAddress tst_ServerAccounts::useServerAccount()
{
    const ServerAddress server = newDatabase();
    const AccountMove::Result moved = AccountMove::toServer(m_context.db(), server);
    if (!moved.ok)
        qFatal("cannot move the sample: %s", qPrintable(moved.why));
    QString why;
    if (!openAccount(server.toText(), QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open the server account: %s", qPrintable(why));
    m_context.setAccount(server.toText());
    return server;
}

void tst_ServerAccounts::moveToServerByKeys()
{
    const ServerAddress server = newDatabase();
    TAccountMoveFm dialog(TAccountMoveFm::Direction::ToServer, nullptr, m_context.db(),
                          m_context.account(), m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.Fields->EDHost);
    QVERIFY(dialog.LabelSource->text().contains(QDir::toNativeSeparators(m_sample)));
    typeAddress(dialog.Fields, server);
    QCOMPARE(dialog.Fields->address(), server);
    QTest::mouseClick(dialog.BtnMove, Qt::LeftButton);

    QVERIFY2(dialog.lastResult().ok, qPrintable(dialog.lastResult().why));
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Information);
    // The figures checked on both sides are listed, one line per table.
    const QStringList lines = dialog.MemoResult->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), dialog.lastResult().tables.size());
    QVERIFY(lines.first().startsWith(QStringLiteral("TBName：")));
    QVERIFY(dialog.isVisible());

    QString why;
    QVERIFY2(openServerAccount(server, QStringLiteral("look"), &why), qPrintable(why));
    QCOMPARE(AccountMove::figures(QSqlDatabase::database(QStringLiteral("look"))),
             AccountMove::figures(m_context.db()));
    // The account in use stays the file.
    QCOMPARE(m_context.account(), m_sample);
}

void tst_ServerAccounts::moveRefusesIncompleteAddressesAndFullDatabases()
{
    TAccountMoveFm dialog(TAccountMoveFm::Direction::ToServer, nullptr, m_context.db(),
                          m_context.account(), m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    ServerAddress noDatabase = TestServer::address();
    noDatabase.database.clear();
    typeAddress(dialog.Fields, noDatabase);
    QTest::mouseClick(dialog.BtnMove, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("请输入数据库名称！")});
    QCOMPARE(QApplication::focusWidget(), dialog.Fields->EDDatabase);

    // A database that already holds the account: refused, the reason under the details.
    const ServerAddress full = newDatabase();
    QVERIFY(AccountMove::toServer(m_context.db(), full).ok);
    m_boxes->clear();
    typeText(dialog.Fields->EDDatabase, full.database);
    QTest::mouseClick(dialog.BtnMove, Qt::LeftButton);
    QVERIFY(!dialog.lastResult().ok);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QVERIFY(m_boxes->shown.first().details.contains(full.database));
    QVERIFY(dialog.MemoResult->toPlainText().isEmpty());
    QVERIFY(dialog.BtnMove->isEnabled());
}

void tst_ServerAccounts::openServerAccountByKeysAndNextStart()
{
    const ServerAddress server = newDatabase();
    QVERIFY(AccountMove::toServer(m_context.db(), server).ok);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('only in the file')"), {},
             m_context.db());

    TOpenAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.CheckDefault->setChecked(true);
    bool typed = false;
    QTimer::singleShot(0, [&] {
        auto *ask = qobject_cast<TServerAccountFm *>(QApplication::activeModalWidget());
        if (!ask)
            return;
        // The dialog opens with the cursor in the server's field.
        const bool ready = QTest::qWaitFor(
            [ask] { return QApplication::focusWidget() == ask->Fields->EDHost; }, 5000);
        if (!ready) {
            ask->reject();
            return;
        }
        typeAddress(ask->Fields, server);
        if (QTest::currentTestFailed()) {
            ask->reject();
            return;
        }
        typed = true;
        QTest::keyClick(ask->Fields->EDUser, Qt::Key_Return); // 确定 is the default button
    });
    QTest::mouseClick(dialog.BtnServer, Qt::LeftButton);
    QVERIFY(typed);
    QCOMPARE(m_context.account(), server.toText());
    QCOMPARE(GetRunData(), server.toText()); // the address only: no password anywhere
    QVERIFY(!GetRunData().contains(QStringLiteral("password")));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray WHERE Categray = ?"),
                        {QStringLiteral("only in the file")}, m_context.db())
                 .toInt(),
             0);

    // The next start opens the server account as it would a file.
    closeMainConn();
    m_context.setAccount(QString());
    TDataModule1 next(m_context);
    QString why;
    QVERIFY2(next.connectCurrentAccount(&why), qPrintable(why));
    QCOMPARE(m_context.account(), server.toText());
    QCOMPARE(SqlDialect::engineOf(m_context.db()), SqlDialect::Engine::Postgres);
}

void tst_ServerAccounts::mainWindowNamesTheServerAccount()
{
    const ServerAddress server = useServerAccount();
    TMainFm w(m_context);
    w.setLoginProvider([this] {
        m_context.setOperator(1);
        return true;
    });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY2(w.StatusPanel1->text().endsWith(server.displayName()),
             qPrintable(w.StatusPanel1->text()));
    QVERIFY2(w.windowTitle().contains(server.displayName()), qPrintable(w.windowTitle()));
    QVERIFY(w.action(QStringLiteral("FileMoveToServer")));
    // Moving a server account to a server is refused with a hint; nothing opens.
    w.action(QStringLiteral("FileMoveToServer"))->trigger();
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().contains(QStringLiteral("已在服务器上")));
}

void tst_ServerAccounts::backupOfServerAccountWritesAnAccountFile()
{
    useServerAccount();
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('after the move')"), {},
             m_context.db());
    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QString target = QDir::fromNativeSeparators(dialog.EDPath->text());
    QTest::mouseClick(dialog.BtnBak, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据备份成功！")});
    QString why;
    QVERIFY2(openAccountFile(target, QStringLiteral("backup"), &why), qPrintable(why));
    const QSqlDatabase backup = QSqlDatabase::database(QStringLiteral("backup"));
    // Every row of the server account; the log row of the backup itself is written after the
    // copy, so the log is left out of the comparison.
    auto withoutLog = [](QList<AccountMove::TableFigures> tables) {
        tables.removeIf([](const AccountMove::TableFigures &t) {
            return t.table == QLatin1String("TBAuditLog");
        });
        return tables;
    };
    QCOMPARE(withoutLog(AccountMove::figures(backup)),
             withoutLog(AccountMove::figures(m_context.db())));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray WHERE Categray = ?"),
                        {QStringLiteral("after the move")}, backup)
                 .toInt(),
             1);
}

void tst_ServerAccounts::moveToFileAndRestoreOnServer()
{
    useServerAccount();
    TAccountMoveFm dialog(TAccountMoveFm::Direction::ToFile, nullptr, m_context.db(),
                          m_context.account(), m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.EDPath);
    dialog.EDPath->selectAll();
    typeText(dialog.EDPath, QStringLiteral("从服务器.MDB"));
    QTest::mouseClick(dialog.BtnMove, Qt::LeftButton);
    QVERIFY2(dialog.lastResult().ok, qPrintable(dialog.lastResult().why));
    const QString made = QDir(m_folder).filePath(QStringLiteral("从服务器.MDB"));
    QVERIFY(QFileInfo::exists(made));
    // The same name again: refused, the file kept.
    m_boxes->clear();
    QTest::mouseClick(dialog.BtnMove, Qt::LeftButton);
    QVERIFY(!dialog.lastResult().ok);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);

    // 恢复 does not replace a server account.
    m_boxes->clear();
    QVERIFY(!ShowRestore(m_context, nullptr, m_folder));
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().contains(QStringLiteral("服务器上的帐户不能在这里恢复")));
}

QTEST_MAIN(tst_ServerAccounts)
#include "tst_serveraccounts.moc"
