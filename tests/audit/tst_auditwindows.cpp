#include "audit/AuditLogWindow.h"
#include "shell/AccountWindows.h"
#include "shell/BackupWindow.h"
#include "shell/MainWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/Schema.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The operator of the newest row of a kind in the account open on connection.
qint64 newestOperator(const QString &kind,
                      const QString &connection = QLatin1String(Db::MainConnName))
{
    const QVariant v = Db::scalar(QStringLiteral("SELECT UserId FROM TBAuditLog WHERE Kind = ? "
                                                 "ORDER BY ID DESC LIMIT 1"),
                                  {kind}, QSqlDatabase::database(connection));
    return v.isValid() ? v.toLongLong() : -1;
}

} // namespace

class tst_AuditWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void leaveBackupAndSwitchNameTheOperator();
    void viewerFiltersAndExports();
    void menuEntriesFollowThePowers();
    void faultsSayWhatFailedWithTheEnginesTextUnderDetails();

private:
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    qint64 m_clerk = 0;
    qint64 m_owner = 0;
};

void tst_AuditWindows::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_clerk = m_account->addStaff(QStringLiteral("小王"), QString());
    m_owner = m_account->addStaff(QStringLiteral("老板"), QString());
    m_account->context().setOperator(int(m_clerk));
}

void tst_AuditWindows::cleanup()
{
    delete m_boxes;
    delete m_account;
}

void tst_AuditWindows::leaveBackupAndSwitchNameTheOperator()
{
    {
        TMainFm w(m_account->context());
        w.setLoginProvider([this] {
            m_account->context().setOperator(int(m_owner));
            return true;
        });
        w.N43->trigger();
    }
    // The operator who stepped away is named, not the one who came back.
    QCOMPARE(newestOperator(QStringLiteral("暂时离开")), m_clerk);
    QCOMPARE(m_account->context().operatorId(), int(m_owner));

    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("20240301.MDB"));
    {
        TBackupFm backup(m_account->context(), nullptr, folder.path());
        QVERIFY(backup.CopyDataFile(m_account->path(), target));
    }
    QCOMPARE(newestOperator(QStringLiteral("备份")), m_owner);
    QVERIFY(Db::scalar(QStringLiteral("SELECT Subject FROM TBAuditLog WHERE Kind = '备份'"), {},
                       m_account->db())
                .toString()
                .endsWith(QLatin1String("20240301.MDB")));

    const QString other = folder.filePath(QStringLiteral("Other.MDB"));
    QString why;
    QVERIFY2(SampleAccount::createEmptyAccount(other, &why), qPrintable(why));
    const QString left = m_account->path();
    QVERIFY(SwitchAccount(m_account->context(), other, nullptr));
    QCOMPARE(m_account->context().account(), other);
    // The account left behind tells who moved away and to which file.
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(left);
        QVERIFY(old.open());
        QCOMPARE(newestOperator(QStringLiteral("帐户切换"), QStringLiteral("old")), m_owner);
        QCOMPARE(Db::scalar(QStringLiteral("SELECT After FROM TBAuditLog WHERE Kind = ?"),
                            {QStringLiteral("帐户切换")}, old)
                     .toString(),
                 QDir::toNativeSeparators(other));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    QVERIFY(m_boxes->shown.size() == 1); // only "数据备份成功！"
}

void tst_AuditWindows::viewerFiltersAndExports()
{
    auto add = [this](const QString &at, qint64 user, const char *kind, const char *subject) {
        Db::exec(QStringLiteral("INSERT INTO TBAuditLog (At, UserId, Kind, Subject) "
                                "VALUES (?, ?, ?, ?)"),
                 {at, user, QString::fromUtf8(kind), QString::fromUtf8(subject)}, m_account->db());
    };
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    add(today + QStringLiteral(" 09:00:00"), m_clerk, "出租", "客户 15：0001-1");
    add(today + QStringLiteral(" 10:00:00"), m_owner, "出租", "客户 20：0002-1");
    add(today + QStringLiteral(" 11:00:00"), m_clerk, "登陆", "小王");
    add(QStringLiteral("2001-01-01 11:00:00"), m_clerk, "出租", "旧记录");

    TAuditLogFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.dxDBGrid1->rowCount(), 3); // the last seven days by default
    w.CombKind->setCurrentIndex(w.CombKind->findText(QStringLiteral("出租")));
    w.CombUser->setCurrentIndex(w.CombUser->findText(QStringLiteral("小王")));
    QTest::mouseClick(w.BtnQuery, Qt::LeftButton);
    QCOMPARE(w.dxDBGrid1->rowCount(), 1);
    QCOMPARE(w.dxDBGrid1->textAt(0, QStringLiteral("Subject")), QStringLiteral("客户 15：0001-1"));
    QCOMPARE(w.dxDBGrid1->textAt(0, QStringLiteral("Name")), QStringLiteral("小王"));

    w.DTPFrom->setDate(QDate(2000, 1, 1));
    QTest::mouseClick(w.BtnQuery, Qt::LeftButton);
    QCOMPARE(w.dxDBGrid1->rowCount(), 2);

    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("log.csv"));
    DataGrid::setSaveNameProvider([&](QWidget *, const QString &) { return csv; });
    QTest::mouseClick(w.BtnExport, Qt::LeftButton);
    DataGrid::setSaveNameProvider({});
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY2(text.contains(QStringLiteral("时间")) && text.contains(QStringLiteral("操作人员")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("旧记录")));
    QVERIFY(!text.contains(QStringLiteral("客户 20")));
}

void tst_AuditWindows::menuEntriesFollowThePowers()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    m_account->grant(m_clerk, 1);
    m_account->grant(m_owner, 3);
    m_account->grant(m_owner, Schema::PowerCashUp);

    m_account->context().setOperator(int(m_clerk));
    TMainFm w(m_account->context());
    QVERIFY(!w.action(QStringLiteral("BizCashUp"))->isEnabled());
    QVERIFY(!w.action(QStringLiteral("StatAuditLog"))->isEnabled());
    QVERIFY(w.action(QStringLiteral("BizRent"))->isEnabled());

    m_account->context().setOperator(int(m_owner));
    w.ApplyPowers();
    QVERIFY(w.action(QStringLiteral("BizCashUp"))->isEnabled());
    QVERIFY(w.action(QStringLiteral("StatAuditLog"))->isEnabled());
    QVERIFY(w.action(QStringLiteral("StatCashUpList"))->isEnabled());
    QVERIFY(!w.action(QStringLiteral("BizRent"))->isEnabled());
}

// A log row that cannot be added does not undo what was done, but the operator is told, with
// the fault's own message and the engine's text under the details; the viewer's failed query
// the same way, leaving an empty list.
void tst_AuditWindows::faultsSayWhatFailedWithTheEnginesTextUnderDetails()
{
    auto checkFault = [this](const QString &text) {
        QVERIFY(!m_boxes->shown.isEmpty());
        const Msg::Request &r = m_boxes->shown.first();
        QCOMPARE(r.icon, Msg::Icon::Error);
        QCOMPARE(r.text, text);
        QVERIFY2(r.details.contains(QStringLiteral("refused by the test")) ||
                     r.details.contains(QStringLiteral("no such table")),
                 qPrintable(r.details));
    };
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE INSERT ON TBAuditLog "
                            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"),
             {}, m_account->db());
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("20240301.MDB"));
    {
        TBackupFm backup(m_account->context(), nullptr, folder.path());
        QVERIFY(backup.CopyDataFile(m_account->path(), target));
    }
    QVERIFY(QFile::exists(target));
    checkFault(QStringLiteral("操作日志未能写入。\n数据库操作失败，本次操作未完成！"));
    QCOMPARE(m_boxes->shown.size(), 2);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("数据备份成功！"));
    m_boxes->clear();

    {
        TMainFm w(m_account->context());
        w.setLoginProvider([] { return true; });
        w.N43->trigger();
    }
    checkFault(QStringLiteral("操作日志未能写入。\n数据库操作失败，本次操作未完成！"));
    m_boxes->clear();

    TAuditLogFm log(m_account->context());
    Db::exec(QStringLiteral("DROP TABLE TBAuditLog"), {}, m_account->db());
    QTest::mouseClick(log.BtnQuery, Qt::LeftButton);
    checkFault(QStringLiteral("数据库操作失败，本次操作未完成！"));
    QCOMPARE(log.dxDBGrid1->rowCount(), 0);
}

QTEST_MAIN(tst_AuditWindows)
#include "tst_auditwindows.moc"
