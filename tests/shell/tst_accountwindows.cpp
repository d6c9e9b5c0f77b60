#include "shell/AccountWindows.h"
#include "shell/BackupWindow.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include "data/AccountFiles.h"
#include "data/Backup.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"
#include "toolkit/DataGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Closes MainConn and deletes an account file with its log.
void closeMainConnAndRemove(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(Db::MainConnName), false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

// The log rows of a kind ("恢复"), as "user|subject|before|after".
QStringList auditRows(const QSqlDatabase &db, const QString &kind)
{
    QStringList rows;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT UserId, Subject, Before, After FROM TBAuditLog "
                                          "WHERE Kind = ? ORDER BY ID"),
                           {kind}, db);
    while (q.next()) {
        rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                            q.value(3).toString()}
                    .join(u'|');
    }
    return rows;
}

qint64 titles(const QSqlDatabase &db)
{
    return Db::scalar(QStringLiteral("SELECT count(*) FROM TBName"), {}, db).toLongLong();
}

} // namespace

class tst_AccountWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newAccountIsCreatedOpenedAndKeptForTheNextStart();
    void newAccountRefusals_data();
    void newAccountRefusals();
    void newAccountEscapeCloses();
    void openListsAccountsAndSwitchesWithoutChangingRunData();
    void openCanMakeTheAccountTheNextStartsOne();
    void restoreBacksUpFirstAndAsks_data();
    void restoreBacksUpFirstAndAsks();
    void restoreOfAFileThatIsNoAccountChangesNothing();
    void openWithNothingChosenKeepsTheDialog();
    void openOfABrokenFileReturnsToTheAccountInUse();
    void switchLeavesNoWindowOnTheOldFile();
    void mainWindowFollowsTheOpenedAccount();

    void backupProposesTodaysFile();
    void backupOfTheAccountInUseByKeys();
    void backupEmptyPathWarns();
    void backupOverwriteQuestion_data();
    void backupOverwriteQuestion();
    void backupFailureIsReported();
    void backupBrowseAddsTheExtension();

private:
    QString data(const QString &name) const { return QDir(m_folder).filePath(name); }

    QTemporaryDir m_root;
    QString m_folder;
    QString m_sample;
    RecordingPresenter *m_boxes = nullptr;
    AccountContext m_context;
};

void tst_AccountWindows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SetNoteFlag(1);
    applyCommonLook();
    QVERIFY(m_root.isValid());
}

void tst_AccountWindows::init()
{
    // A data folder of its own per test: the template and the account in use.
    m_folder = m_root.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                               QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(SampleAccount::createEmptyAccount(data(AccountFiles::TemplateName), nullptr));
    m_sample = data(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(m_sample, nullptr));
    QString why;
    QVERIFY2(openAccountFile(m_sample, QLatin1String(Db::MainConnName), &why), qPrintable(why));
    m_context.setAccount(m_sample);
    m_context.setOperator(1);
    SetRunData(m_sample);
    m_boxes = new RecordingPresenter;
}

void tst_AccountWindows::cleanup()
{
    delete m_boxes;
    for (QWidget *w : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(), SetupWindow(),
                       InOutMoneyListWindow()})
        delete w;
    {
        QSqlDatabase db = m_context.db();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    m_context.setAccount(QString());
}

void tst_AccountWindows::newAccountIsCreatedOpenedAndKeptForTheNextStart()
{
    TNewAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.EDName);
    typeText(dialog.EDName, QStringLiteral("2004"));
    QTest::keyClick(dialog.EDName, Qt::Key_Return); // 确定 is the default button

    const QString made = data(QStringLiteral("2004.MDB"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("帐户创建成功!")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Information);
    // A copy of the template: its one staff member, no stock.
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT Name FROM TBPersons"), {}, m_context.db()).toString(),
        QStringLiteral("管理员"));
    QCOMPARE(titles(m_context.db()), 0);
    QCOMPARE(m_context.account(), made);
    QCOMPARE(GetRunData(), made);
    QVERIFY(dialog.isVisible()); // stays open for 取消 or Esc
    // MainConn works on the new file.
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('new shop')"), {},
             m_context.db());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT file FROM pragma_database_list"), {}, m_context.db())
                 .toString(),
             made);

    // The next start opens it too.
    TDataModule1 next(m_context);
    QString why;
    QVERIFY2(next.connectCurrentAccount(&why), qPrintable(why));
    QCOMPARE(m_context.account(), made);
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, m_context.db()).toInt(),
        1);
}

void tst_AccountWindows::newAccountRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withTemplate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("nameFocused");

    QTest::newRow("empty") << "" << true << "请输入帐户名称！" << true;
    QTest::newRow("exists") << "sample" << true << "文件已经存在，请重新命名！" << true;
    QTest::newRow("no template") << "2004" << false << "数据库模板不存在，请检查！" << false;
    QTest::newRow("out of the folder") << "../2004" << true << "帐户创建失败!" << true;
    QTest::newRow("slash") << "a/b" << true << "帐户创建失败!" << true;
}

void tst_AccountWindows::newAccountRefusals()
{
    QFETCH(QString, name);
    QFETCH(bool, withTemplate);
    QFETCH(QString, message);
    QFETCH(bool, nameFocused);
    if (!withTemplate)
        QVERIFY(QFile::remove(data(AccountFiles::TemplateName)));
    const QStringList before = filesIn(m_folder);
    const QStringList above = filesIn(m_root.path());

    TNewAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeText(dialog.EDName, name);
    QTest::keyClick(dialog.BitBtn2, Qt::Key_Tab); // leave the field; 确定 must bring it back
    dialog.BitBtn1->setFocus();
    QTest::keyClick(dialog.BitBtn1, Qt::Key_Return);

    QCOMPARE(m_boxes->texts(), QStringList{message});
    QVERIFY(dialog.isVisible());
    if (nameFocused) {
        QCOMPARE(QApplication::focusWidget(), dialog.EDName);
        QCOMPARE(dialog.EDName->selectedText(), name);
    }
    // Nothing written anywhere, the account in use and the stored account unchanged.
    QCOMPARE(filesIn(m_folder), before);
    QCOMPARE(filesIn(m_root.path()), above);
    QCOMPARE(m_context.account(), m_sample);
    QCOMPARE(GetRunData(), m_sample);
}

void tst_AccountWindows::newAccountEscapeCloses()
{
    TNewAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The name field lies whole inside the dialog, with the margin on its right.
    QVERIFY(dialog.EDName->geometry().right() < dialog.width() - 5);
    typeText(dialog.EDName, QStringLiteral("x"));
    QTest::keyClick(dialog.EDName, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!QFileInfo::exists(data(QStringLiteral("x.MDB"))));
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_AccountWindows::openListsAccountsAndSwitchesWithoutChangingRunData()
{
    QVERIFY(AccountFiles::createAccountFile(m_folder, QStringLiteral("2004"), nullptr));
    QFile::copy(data(AccountFiles::TemplateName), data(QStringLiteral("lumomodal.mdb")));

    TOpenAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList listed;
    for (int i = 0; i < dialog.ListBox1->count(); ++i)
        listed << dialog.ListBox1->item(i)->text();
    // The account in use is marked.
    QCOMPARE(listed, (QStringList{"2004.MDB", QStringLiteral("Sample.MDB  （当前使用）")}));
    QVERIFY(dialog.ListBox1->item(1)->font().bold());
    QVERIFY(!dialog.ListBox1->item(0)->font().bold());
    QVERIFY(dialog.ListBox1->selectedItems().isEmpty());

    QCOMPARE(QApplication::focusWidget(), dialog.ListBox1);
    QTest::keyClick(dialog.ListBox1, Qt::Key_End);
    QTest::keyClick(dialog.ListBox1, Qt::Key_Home);
    QCOMPARE(dialog.ListBox1->selectedItems().size(), 1);
    QCOMPARE(dialog.ListBox1->selectedItems().first()->text(), QStringLiteral("2004.MDB"));
    QTest::keyClick(dialog.ListBox1, Qt::Key_Return);

    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_context.account(), data(QStringLiteral("2004.MDB")));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT file FROM pragma_database_list"), {}, m_context.db())
                 .toString(),
             data(QStringLiteral("2004.MDB")));
    QCOMPARE(GetRunData(), m_sample);
}

void tst_AccountWindows::openCanMakeTheAccountTheNextStartsOne()
{
    QVERIFY(AccountFiles::createAccountFile(m_folder, QStringLiteral("2004"), nullptr));
    const QString broken = data(QStringLiteral("Broken.MDB"));
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'j'));
    }
    for (const QString &name : {QStringLiteral("Broken.MDB"), QStringLiteral("2004.MDB")}) {
        TOpenAccountFm dialog(m_context, nullptr, m_folder);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!dialog.CheckDefault->isChecked());
        dialog.CheckDefault->setChecked(true);
        const QList<QListWidgetItem *> found = dialog.ListBox1->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        dialog.ListBox1->setCurrentItem(found.first());
        dialog.BitBtn1->click();
    }
    // A file that did not open never becomes the next start's account; the one that did does.
    QCOMPARE(m_boxes->texts(),
             QStringList{QStringLiteral("帐户打开错误,系统将恢复到当前使用的帐户！")});
    QCOMPARE(m_context.account(), data(QStringLiteral("2004.MDB")));
    QCOMPARE(GetRunData(), data(QStringLiteral("2004.MDB")));
}

void tst_AccountWindows::restoreBacksUpFirstAndAsks_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("no") << QMessageBox::No;
    QTest::newRow("yes") << QMessageBox::Yes;
}

void tst_AccountWindows::restoreBacksUpFirstAndAsks()
{
    QFETCH(QMessageBox::StandardButton, answer);
    const QString backups = data(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(backups));
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('in the backup')"), {},
             m_context.db());
    const QString backup = QDir(backups).filePath(QStringLiteral("20240101.MDB"));
    QVERIFY(Backup::copyDataFile(m_sample, backup, {}, nullptr));
    // Rows written after the backup, still in the write-ahead log.
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('after the backup')"), {},
             m_context.db());

    QString askedIn;
    setBackupChooser([&](QWidget *, const QString &folder) {
        askedIn = folder;
        return backup;
    });
    m_boxes->answers.enqueue(answer);
    const bool restored = ShowRestore(m_context, nullptr, m_folder);
    setBackupChooser({});

    QCOMPARE(QDir(askedIn).absolutePath(), QDir(backups).absolutePath());
    QCOMPARE(
        m_boxes->shown.first().text,
        QStringLiteral("恢复将用备份文件＂20240101.MDB＂替换当前帐户＂Sample.MDB＂中的全部数据。\n"
                       "替换之前，系统会先把当前帐户备份到备份文件夹中。\n确定要恢复吗？"));
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Question);
    QCOMPARE(restored, answer == QMessageBox::Yes);
    QCOMPARE(m_context.account(), m_sample);
    const int rows =
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, m_context.db()).toInt();
    const QStringList copies = filesIn(backups);
    if (answer == QMessageBox::No) {
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(rows, 2);
        QCOMPARE(copies, QStringList{QStringLiteral("20240101.MDB")});
        QCOMPARE(auditRows(m_context.db(), QStringLiteral("恢复")), QStringList());
        return;
    }
    QCOMPARE(rows, 1); // the backup's rows
    QCOMPARE(copies.size(), 2);
    const QString safety = QDir(backups).filePath(
        copies.first() == QStringLiteral("20240101.MDB") ? copies.last() : copies.first());
    QVERIFY2(QFileInfo(safety).fileName().startsWith(QStringLiteral("Sample-恢复前-")),
             qPrintable(safety));
    QVERIFY(m_boxes->lastText().startsWith(QStringLiteral("数据恢复成功！")));
    QVERIFY(m_boxes->lastText().endsWith(QDir::toNativeSeparators(safety)));
    // The restored account says who restored it from which backup, and where its rows went.
    QCOMPARE(
        auditRows(m_context.db(), QStringLiteral("恢复")),
        QStringList{QStringLiteral("1|%1|%2|%1")
                        .arg(QDir::toNativeSeparators(backup), QDir::toNativeSeparators(safety))});
    // The copy made first holds every row the account had, the last one included.
    QString why;
    QVERIFY2(openAccountFile(safety, QStringLiteral("safety"), &why), qPrintable(why));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {},
                        QSqlDatabase::database(QStringLiteral("safety")))
                 .toInt(),
             2);
    QSqlDatabase::database(QStringLiteral("safety")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("safety"));
    // Backups are never listed as accounts.
    QCOMPARE(AccountFiles::listAccounts(m_folder), (QStringList{QStringLiteral("Sample.MDB")}));
}

void tst_AccountWindows::restoreOfAFileThatIsNoAccountChangesNothing()
{
    const QString junk = data(QStringLiteral("backup/junk.MDB"));
    QVERIFY(QDir().mkpath(data(QStringLiteral("backup"))));
    {
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'j'));
    }
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('ours')"), {},
             m_context.db());
    setBackupChooser([&](QWidget *, const QString &) { return junk; });
    QVERIFY(!ShowRestore(m_context, nullptr, m_folder));
    // Asked in use: the account itself is no backup to restore from.
    setBackupChooser([&](QWidget *, const QString &) { return m_sample; });
    QVERIFY(!ShowRestore(m_context, nullptr, m_folder));
    setBackupChooser({});
    QCOMPARE(
        m_boxes->texts(),
        (QStringList{
            QStringLiteral("恢复将用备份文件＂junk.MDB＂替换当前帐户＂Sample.MDB＂中的全部数据。\n"
                           "替换之前，系统会先把当前帐户备份到备份文件夹中。\n确定要恢复吗？"),
            QStringLiteral("所选文件不是本系统的帐户数据文件，没有恢复！"),
            QStringLiteral("所选文件就是当前正在使用的帐户，不能用它恢复！")}));
    QCOMPARE(filesIn(data(QStringLiteral("backup"))), QStringList{QStringLiteral("junk.MDB")});
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Categray FROM TBCategray"), {}, m_context.db())
                 .toString(),
             QStringLiteral("ours"));
    // Nothing was restored, so nothing is logged as restored.
    QCOMPARE(auditRows(m_context.db(), QStringLiteral("恢复")), QStringList());
}

void tst_AccountWindows::openWithNothingChosenKeepsTheDialog()
{
    TOpenAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.BitBtn1->click();
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("请选择要打开的帐户！")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_context.account(), m_sample);
    QTest::keyClick(dialog.ListBox1, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void tst_AccountWindows::openOfABrokenFileReturnsToTheAccountInUse()
{
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('ours')"), {},
             m_context.db());
    const QString broken = data(QStringLiteral("Broken.MDB"));
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'j'));
    }
    const QByteArray before = digest(broken);

    TOpenAccountFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QListWidgetItem *> found =
        dialog.ListBox1->findItems(QStringLiteral("Broken.MDB"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    dialog.ListBox1->setCurrentItem(found.first());
    QTest::keyClick(dialog.ListBox1, Qt::Key_Return);

    QCOMPARE(m_boxes->texts(),
             QStringList{QStringLiteral("帐户打开错误,系统将恢复到当前使用的帐户！")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QVERIFY(!dialog.isVisible()); // closed whatever the outcome
    QCOMPARE(m_context.account(), m_sample);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Categray FROM TBCategray"), {}, m_context.db())
                 .toString(),
             QStringLiteral("ours"));
    QCOMPARE(digest(broken), before);
}

void tst_AccountWindows::switchLeavesNoWindowOnTheOldFile()
{
    const QString other = data(QStringLiteral("2004.MDB"));
    QVERIFY(AccountFiles::createAccountFile(m_folder, QStringLiteral("2004"), nullptr));
    // The account in use holds stock; the other holds none.
    Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES ('DVD', 300, 2000)"), {},
             m_context.db());
    Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name, Ver, Amount, Copy) "
                            "VALUES ('A001', '英雄', 'DVD', 1, 1)"),
             {}, m_context.db());

    WorkArea area;
    area.resize(800, 600);
    area.show();
    setMainWorkArea(&area);
    ShowRepertoryFm(m_context);
    ShowSellMainFm(m_context);
    auto *stock = RepertoryWindow()->findChild<DataGrid *>(QStringLiteral("dxDBGrid1"));
    QVERIFY(stock);
    QCOMPARE(stock->rowCount(), 1);

    // A report window whose list is still arriving from the old file.
    QPointer<QWidget> report = new QWidget;
    area.place(report);
    QPointer<DataGrid> grid = new DataGrid(report);
    grid->addColumn(QStringLiteral("n"), QStringLiteral("n"), Grid::Kind::Integer);
    grid->open(m_context.db(),
               QStringLiteral("WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c "
                              "WHERE n < 200000) SELECT n FROM c"));
    QVERIFY(grid->isLoading());

    QVERIFY(SwitchAccount(m_context, other, nullptr));
    // The report, its list and the work windows are gone with the old file's rows.
    QVERIFY(report.isNull());
    QVERIFY(grid.isNull());
    QVERIFY(area.placedWindows().isEmpty());
    QCOMPARE(RepertoryWindow(), nullptr);
    QCOMPARE(SellMainWindow(), nullptr);
    QVERIFY(m_boxes->shown.isEmpty());
    // The old file is closed: it can be renamed away and MainConn still works.
    QVERIFY(QFile::rename(m_sample, data(QStringLiteral("moved.bak"))));
    QCOMPARE(titles(m_context.db()), 0);

    // Shown again, the stock list reads the account now in use.
    ShowRepertoryFm(m_context);
    stock = RepertoryWindow()->findChild<DataGrid *>(QStringLiteral("dxDBGrid1"));
    QCOMPARE(stock->rowCount(), 0);
    setMainWorkArea(nullptr);
}

void tst_AccountWindows::mainWindowFollowsTheOpenedAccount()
{
    // The menu's dialog lists the program's own data folder: the other account goes there,
    // under a name no one else uses.
    QVERIFY(QDir().mkpath(dataFolder()));
    const QString name =
        QStringLiteral("tst-accountwindows-%1").arg(QCoreApplication::applicationPid());
    const QString other = AccountFiles::accountPath(dataFolder(), name);
    QVERIFY(SampleAccount::createEmptyAccount(other, nullptr));
    Db::exec(QStringLiteral("INSERT INTO TBSetup (company) VALUES ('老店')"), {}, m_context.db());
    TMainFm w(m_context);
    int logins = 0;
    w.setLoginProvider([this, &logins] {
        ++logins;
        m_context.setOperator(1);
        return true;
    });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.StatusPanel1->text().endsWith(m_sample));
    QVERIFY(w.windowTitle().contains(QStringLiteral("【老店】")));

    // Ctrl+O opens the dialog; pick the other account in it.
    bool picked = false;
    QTimer::singleShot(0, [&picked, name] {
        auto *dialog = qobject_cast<TOpenAccountFm *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const auto found =
            dialog->ListBox1->findItems(name + AccountFiles::Extension, Qt::MatchExactly);
        if (found.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->ListBox1->setCurrentItem(found.first());
        picked = true;
        dialog->BitBtn1->click();
    });
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    const bool moved = m_context.account() == other;
    const QString status = w.StatusPanel1->text();
    const QString title = w.windowTitle();
    closeMainConnAndRemove(other);
    QVERIFY(picked);
    QVERIFY(moved);
    QVERIFY(status.endsWith(other));
    QVERIFY(title.contains(QStringLiteral("【未设置单位名称 】")));
    QVERIFY(m_context.shop().company.isEmpty());
    QCOMPARE(logins, 1); // one of the opened account's staff logs in
}

void tst_AccountWindows::backupProposesTodaysFile()
{
    TBackupFm dialog(m_context, nullptr, m_folder);
    QCOMPARE(QDir::fromNativeSeparators(dialog.EDPath->text()),
             data(QStringLiteral("backup/") +
                  QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                  QStringLiteral(".MDB")));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("数据备份"));
}

void tst_AccountWindows::backupOfTheAccountInUseByKeys()
{
    // Rows committed a moment ago, still in the write-ahead log.
    for (int i = 0; i < 50; ++i) {
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                 {QStringLiteral("类%1").arg(i)}, m_context.db());
    }
    QVERIFY(QFileInfo(m_sample + QStringLiteral("-wal")).size() > 0);

    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QString target = m_root.filePath(QStringLiteral("备份 1.MDB"));
    dialog.EDPath->selectAll();
    typeText(dialog.EDPath, target);
    QTest::keyClick(dialog.EDPath, Qt::Key_Return); // to "..."
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.BtnBak);
    QTest::keyClick(dialog.BtnBak, Qt::Key_Return);

    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据备份成功！")});
    QCOMPARE(dialog.ProgressBar1->value(), 0);
    QVERIFY(dialog.isVisible());
    QString why;
    QVERIFY2(openAccountFile(target, QStringLiteral("copy"), &why), qPrintable(why));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {},
                        QSqlDatabase::database(QStringLiteral("copy")))
                 .toInt(),
             50);
    QSqlDatabase::database(QStringLiteral("copy")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));

    QTest::keyClick(dialog.BtnBak, Qt::Key_Escape); // Esc presses 退出
    QVERIFY(!dialog.isVisible());
}

void tst_AccountWindows::backupEmptyPathWarns()
{
    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.EDPath->setText(QStringLiteral("   "));
    const QStringList before = filesIn(m_folder);
    dialog.BtnBak->setFocus();
    QTest::keyClick(dialog.BtnBak, Qt::Key_Return);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("请输入备份数据的文件名称！")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Warning);
    QCOMPARE(QApplication::focusWidget(), dialog.EDPath);
    QCOMPARE(filesIn(m_folder), before);
}

void tst_AccountWindows::backupOverwriteQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("no") << QMessageBox::No;
    QTest::newRow("yes") << QMessageBox::Yes;
}

void tst_AccountWindows::backupOverwriteQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QVERIFY(QDir().mkpath(data(QStringLiteral("backup"))));
    const QString target = data(QStringLiteral("backup/20030701.MDB"));
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("last year's backup");
    }
    const QByteArray before = digest(target);
    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.EDPath->setText(QStringLiteral("20030701.MDB")); // a name alone: the backup folder
    m_boxes->answers.enqueue(answer);
    dialog.BtnBak->click();

    QCOMPARE(m_boxes->shown.first().text,
             QStringLiteral("数据文件＂20030701.MDB＂已存在，覆盖吗？"));
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Question);
    if (answer == QMessageBox::No) {
        QCOMPARE(m_boxes->shown.size(), 1);
        QCOMPARE(digest(target), before);
    } else {
        QCOMPARE(m_boxes->lastText(), QStringLiteral("数据备份成功！"));
        QVERIFY(digest(target) != before);
        // A backup is no account: the list of accounts does not offer it.
        QVERIFY(!AccountFiles::listAccounts(m_folder).contains(QStringLiteral("20030701.MDB")));
    }
}

void tst_AccountWindows::backupFailureIsReported()
{
    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.EDPath->setText(m_root.filePath(QStringLiteral("no such folder/x.MDB")));
    dialog.BtnBak->click();
    QCOMPARE(m_boxes->texts(),
             QStringList{
                 QStringLiteral("备份失败.可能磁盘空间不足,或磁盘不可写,或目标文件不能被覆盖..")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);

    // The account in use as its own target is refused, and stays intact.
    m_boxes->clear();
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('live')"), {},
             m_context.db());
    dialog.EDPath->setText(m_sample);
    dialog.BtnBak->click();
    // Refused before the overwrite question: the account is none of the targets offered.
    QCOMPARE(m_boxes->texts(),
             QStringList{QStringLiteral(
                 "备份文件不能是正在使用的帐户文件或它的日志文件，请换一个文件名！")});
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('still')"), {},
             m_context.db());
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, m_context.db()).toInt(),
        2);
}

void tst_AccountWindows::backupBrowseAddsTheExtension()
{
    QString askedIn;
    QString answer = QStringLiteral("/srv/backups/shop");
    TBackupFm::setSaveNameProvider([&](QWidget *, const QString &folder) {
        askedIn = folder;
        return answer;
    });
    TBackupFm dialog(m_context, nullptr, m_folder);
    dialog.BitBtn1->click();
    QCOMPARE(askedIn, QDir(data(QStringLiteral("backup"))).absolutePath());
    QCOMPARE(QDir::fromNativeSeparators(dialog.EDPath->text()),
             QStringLiteral("/srv/backups/shop.MDB"));
    answer = QStringLiteral("/srv/backups/shop.bak");
    dialog.BitBtn1->click();
    QCOMPARE(dialog.EDPath->text(), QStringLiteral("/srv/backups/shop.bak"));
    answer.clear(); // cancelled: the path stays
    dialog.BitBtn1->click();
    QCOMPARE(dialog.EDPath->text(), QStringLiteral("/srv/backups/shop.bak"));
    TBackupFm::setSaveNameProvider({});
}

QTEST_MAIN(tst_AccountWindows)
#include "tst_accountwindows.moc"
