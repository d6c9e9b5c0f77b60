#include "shell/LoginWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Password.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void selectName(TLoginFm &login, const QString &name)
{
    const int i = login.CombUserName->findText(name);
    QVERIFY2(i >= 0, qPrintable(name));
    login.CombUserName->setCurrentIndex(i);
}

} // namespace

class tst_Login : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsActiveStaffInPinyinOrder();
    void chineseNamesInPinyinOrder();
    void deletedStaffCannotLogIn();
    void enterWalksToPasswordThenOk();
    void passwordCompare_data();
    void passwordCompare();
    void wrongPasswordKeepsNameAndSelectsPassword();
    void nameWithQuoteLogsIn();
    void emptyStaffListRefusesClearly();
    void escapeAsksToLeave_data();
    void escapeAsksToLeave();
    void passwordShownAsStars();
    void plainPasswordHashedAtFirstLogin();
    void hashedPasswordsCompare_data();
    void hashedPasswordsCompare();
    void failedLoginSlowedAndLogged();

private:
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
};

void tst_Login::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_account->context().setOperator(0);
    TLoginFm::setFailureDelay(150);
}

void tst_Login::cleanup()
{
    delete m_boxes;
    delete m_account;
}

void tst_Login::listsActiveStaffInPinyinOrder()
{
    // The template's own staff member 管理员 has ID 1; in pinyin order Chinese names come
    // first, then Latin ones without regard to letter case.
    m_account->addStaff(QStringLiteral("bob"), QStringLiteral("b"));
    const qint64 alice = m_account->addStaff(QStringLiteral("Alice"), QStringLiteral("a"));
    const qint64 gone = m_account->addStaff(QStringLiteral("carl"), QStringLiteral("c"));
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = 2 WHERE ID = ?"), {gone},
             m_account->db());

    TLoginFm login(m_account->context());
    QCOMPARE(login.CombUserName->count(), 3); // deleted staff are not offered
    QCOMPARE(login.CombUserName->findText(QStringLiteral("carl")), -1);
    QCOMPARE(login.CombUserName->currentIndex(), 0);
    QCOMPARE(login.CombUserName->currentText(), QStringLiteral("管理员"));
    QCOMPARE(login.CombUserName->itemText(1), QStringLiteral("Alice"));
    QCOMPARE(login.CombUserName->itemData(1).toLongLong(), alice);
    QCOMPARE(login.CombUserName->itemText(2), QStringLiteral("bob"));
}

void tst_Login::chineseNamesInPinyinOrder()
{
    Db::exec(QStringLiteral("DELETE FROM TBPersons"), {}, m_account->db());
    // Code-point order would be 李 (674E), 王 (738B), 张 (5F20), 赵 (8D75), 阿 (963F).
    for (const char *name : {"赵六", "王五", "李四", "张三", "阿华"})
        m_account->addStaff(QString::fromUtf8(name), QString());
    TLoginFm login(m_account->context());
    QStringList listed;
    for (int i = 0; i < login.CombUserName->count(); ++i)
        listed << login.CombUserName->itemText(i);
    QCOMPARE(listed,
             (QStringList{QStringLiteral("阿华"), QStringLiteral("李四"), QStringLiteral("王五"),
                          QStringLiteral("张三"), QStringLiteral("赵六")}));
}

void tst_Login::deletedStaffCannotLogIn()
{
    const qint64 id = m_account->addStaff(QStringLiteral("Aaron"), QStringLiteral("pw"));
    TLoginFm login(m_account->context());
    selectName(login, QStringLiteral("Aaron"));
    // Deleted on the staff page while the login window was open.
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = 2 WHERE ID = ?"), {id},
             m_account->db());
    typeText(login.EDPWD, QStringLiteral("pw"));
    QTest::mouseClick(login.BitBtn1, Qt::LeftButton);
    QCOMPARE(m_account->context().operatorId(), 0);
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("该人员已被删除，不能登陆！")});
    QCOMPARE(login.CombUserName->findText(QStringLiteral("Aaron")), -1);
}

void tst_Login::enterWalksToPasswordThenOk()
{
    // 阿 (a) comes before the template's 管理员 (guan) in pinyin order.
    const qint64 id = m_account->addStaff(QStringLiteral("阿丽"), QStringLiteral("pw"));
    TLoginFm login(m_account->context());
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QCOMPARE(QApplication::focusWidget(), login.CombUserName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), login.EDPWD);
    QTest::keyClicks(login.EDPWD, QStringLiteral("pw"));
    QTest::keyClick(login.EDPWD, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), login.BitBtn1);
    QVERIFY(login.isVisible());
    QTest::keyClick(login.BitBtn1, Qt::Key_Return);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(m_account->context().operatorId(), int(id));
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_Login::passwordCompare_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << QVariant(QStringLiteral("Secret")) << "Secret" << true;
    QTest::newRow("case differs") << QVariant(QStringLiteral("Secret")) << "secret" << false;
    QTest::newRow("no trimming") << QVariant(QStringLiteral("Secret")) << "Secret " << false;
    QTest::newRow("null is empty") << QVariant() << "" << true;
    QTest::newRow("empty password") << QVariant(QStringLiteral("")) << "" << true;
    QTest::newRow("null refuses text") << QVariant() << "x" << false;
    QTest::newRow("chinese") << QVariant(QStringLiteral("口令")) << QStringLiteral("口令") << true;
}

void tst_Login::passwordCompare()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    const qint64 id =
        Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS) VALUES ('Aaron', ?)"),
                   {stored}, m_account->db());
    TLoginFm login(m_account->context());
    selectName(login, QStringLiteral("Aaron"));
    typeText(login.EDPWD, typed);
    QCOMPARE(login.CheckPassword(), accepted);
    QCOMPARE(m_account->context().operatorId(), accepted ? int(id) : 0);
}

void tst_Login::wrongPasswordKeepsNameAndSelectsPassword()
{
    m_account->addStaff(QStringLiteral("Alice"), QStringLiteral("right"));
    m_account->addStaff(QStringLiteral("Bob"), QStringLiteral("bob"));
    TLoginFm login(m_account->context());
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    selectName(login, QStringLiteral("Bob"));
    QTest::keyClicks(login.EDPWD, QStringLiteral("wrong"));
    QTest::mouseClick(login.BitBtn1, Qt::LeftButton);

    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("用户名或口令错误，请重新输入！"));
    QCOMPARE(m_boxes->shown.last().caption, QStringLiteral("系统提示"));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Error);
    QVERIFY(login.isVisible());
    QCOMPARE(login.CombUserName->currentText(), QStringLiteral("Bob"));
    QCOMPARE(login.EDPWD->selectedText(), QStringLiteral("wrong"));
    QCOMPARE(QApplication::focusWidget(), login.EDPWD);
    QCOMPARE(m_account->context().operatorId(), 0);

    // Retrying is unlimited: the right password then logs in.
    QTest::keyClicks(login.EDPWD, QStringLiteral("bob")); // replaces the selection
    QTest::mouseClick(login.BitBtn1, Qt::LeftButton);
    QCOMPARE(login.result(), int(QDialog::Accepted));
}

void tst_Login::nameWithQuoteLogsIn()
{
    const qint64 id = m_account->addStaff(QStringLiteral("O'Brien"), QStringLiteral("it's"));
    TLoginFm login(m_account->context());
    selectName(login, QStringLiteral("O'Brien"));
    QTest::keyClicks(login.EDPWD, QStringLiteral("it's"));
    QVERIFY(login.CheckPassword());
    QCOMPARE(m_account->context().operatorId(), int(id));
}

void tst_Login::emptyStaffListRefusesClearly()
{
    Db::exec(QStringLiteral("DELETE FROM TBPersons"), {}, m_account->db());
    TLoginFm login(m_account->context());
    QCOMPARE(login.CombUserName->count(), 0);
    QCOMPARE(login.CombUserName->currentIndex(), -1);
    QTest::mouseClick(login.BitBtn1, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().contains(QStringLiteral("人员")));
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QCOMPARE(m_account->context().operatorId(), 0);
}

void tst_Login::escapeAsksToLeave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("yes leaves") << int(QMessageBox::Yes) << true;
    QTest::newRow("no stays") << int(QMessageBox::No) << false;
    QTest::newRow("box closed leaves") << int(QMessageBox::NoButton) << true;
}

void tst_Login::escapeAsksToLeave()
{
    QFETCH(int, answer);
    QFETCH(bool, leaves);
    TLoginFm login(m_account->context());
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QSignalSpy rejected(&login, &QDialog::rejected);
    m_boxes->answers.enqueue(static_cast<QMessageBox::StandardButton>(answer));
    QTest::keyClick(login.CombUserName, Qt::Key_Escape);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("您要退出系统吗？"));
    QCOMPARE(m_boxes->shown.last().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(rejected.count(), leaves ? 1 : 0);
    QCOMPARE(login.isVisible(), !leaves);
}

void tst_Login::passwordShownAsStars()
{
    TLoginFm login(m_account->context());
    QCOMPARE(login.EDPWD->echoMode(), QLineEdit::Password);
    QVERIFY(login.EDPWD->styleSheet().contains(QStringLiteral("42")));
    QCOMPARE(login.windowTitle(), QStringLiteral("登陆窗口"));
    QVERIFY(!(login.windowFlags() & Qt::WindowCloseButtonHint));
}

namespace {

QString storedPassword(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {id}, db)
        .toString();
}

qint64 logRows(const QSqlDatabase &db, const QString &kind, qint64 userId)
{
    return Db::scalar(QStringLiteral("SELECT count(*) FROM TBAuditLog WHERE Kind = ? "
                                     "AND UserId = ?"),
                      {kind, userId}, db)
        .toLongLong();
}

} // namespace

void tst_Login::plainPasswordHashedAtFirstLogin()
{
    // An account from before hashing: the password in plain text.
    const qint64 id = m_account->addStaff(QStringLiteral("Alice"), QStringLiteral("Secret"));
    QCOMPARE(storedPassword(m_account->db(), id), QStringLiteral("Secret"));
    {
        TLoginFm login(m_account->context());
        selectName(login, QStringLiteral("Alice"));
        QTest::keyClicks(login.EDPWD, QStringLiteral("Secret"));
        QVERIFY(login.CheckPassword());
    }
    const QString stored = storedPassword(m_account->db(), id);
    QVERIFY2(stored.startsWith(QLatin1String("$argon2id$")), qPrintable(stored));
    QVERIFY(!stored.contains(QLatin1String("Secret")));
    QCOMPARE(logRows(m_account->db(), QStringLiteral("登陆"), id), 1);

    // The hash now does the work: the same password logs in, the hash is kept, a wrong one fails.
    m_account->context().setOperator(0);
    {
        TLoginFm login(m_account->context());
        selectName(login, QStringLiteral("Alice"));
        QTest::keyClicks(login.EDPWD, QStringLiteral("secret"));
        QVERIFY(!login.CheckPassword());
        login.EDPWD->clear();
        QTest::keyClicks(login.EDPWD, QStringLiteral("Secret"));
        QVERIFY(login.CheckPassword());
    }
    QCOMPARE(m_account->context().operatorId(), int(id));
    QCOMPARE(storedPassword(m_account->db(), id), stored);
}

void tst_Login::hashedPasswordsCompare_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << "Secret"
                           << "Secret" << true;
    QTest::newRow("case differs") << "Secret"
                                  << "secret" << false;
    QTest::newRow("no trimming") << "Secret"
                                 << "Secret " << false;
    QTest::newRow("empty password") << ""
                                    << "" << true;
    QTest::newRow("empty refuses text") << ""
                                        << "x" << false;
    QTest::newRow("chinese") << QStringLiteral("口令") << QStringLiteral("口令") << true;
}

void tst_Login::hashedPasswordsCompare()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    const QString hash = Password::hash(password);
    QVERIFY(Password::isHash(hash));
    QCOMPARE(Password::matches(hash, typed), accepted);
    // Two hashes of one password differ (a salt of their own) and both match it.
    const QString again = Password::hash(password);
    QVERIFY(again != hash);
    QVERIFY(Password::matches(again, password));
    const qint64 id =
        Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS) VALUES ('Aaron', ?)"), {hash},
                   m_account->db());
    TLoginFm login(m_account->context());
    selectName(login, QStringLiteral("Aaron"));
    typeText(login.EDPWD, typed);
    QCOMPARE(login.CheckPassword(), accepted);
    QCOMPARE(m_account->context().operatorId(), accepted ? int(id) : 0);
}

void tst_Login::failedLoginSlowedAndLogged()
{
    const qint64 bob = m_account->addStaff(QStringLiteral("Bob"), QStringLiteral("bob"));
    TLoginFm login(m_account->context());
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    selectName(login, QStringLiteral("Bob"));
    bool enabledWhileShown = true;
    m_boxes->onShow = [&](const Msg::Request &) { enabledWhileShown = login.isEnabled(); };
    QTest::keyClicks(login.EDPWD, QStringLiteral("guess"));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(login.BitBtn1, Qt::LeftButton);
    // The message came only after the delay; the window is usable again for the next try.
    QVERIFY(clock.elapsed() >= TLoginFm::failureDelay());
    QVERIFY(enabledWhileShown);
    QVERIFY(login.isEnabled());
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("用户名或口令错误，请重新输入！")});
    QCOMPARE(logRows(m_account->db(), QStringLiteral("登陆失败"), bob), 1);
    QCOMPARE(logRows(m_account->db(), QStringLiteral("登陆"), bob), 0);
    // The password tried is never written anywhere.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBAuditLog WHERE Subject LIKE "
                                       "'%guess%' OR Before LIKE '%guess%' OR After LIKE "
                                       "'%guess%'"),
                        {}, m_account->db())
                 .toInt(),
             0);
    QCOMPARE(m_account->context().operatorId(), 0);
}

QTEST_MAIN(tst_Login)
#include "tst_login.moc"
