#include "shell/BaseWindows.h"
#include "shell/ServerPasswordWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/ServerPassword.h"
#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"
#include "support/TestServer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// A server account whose server asks for a password: the operator is asked, a refused password
// is asked again with the server's reason, declining leaves the account closed, and the
// password is kept for the run only. The test server lets exactly this role in by password
// only (scripts/pg-test-server.sh).
namespace {

const QString PasswordRole = QStringLiteral("rentora_password_test");

void closeConnection(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Answers the password dialogs as they come, one answer each: a text typed and Enter, or
// (an empty optional) Esc. Records whether each dialog showed a refusal.
class DialogAnswers : public QObject
{
public:
    explicit DialogAnswers(QList<std::optional<QString>> answers) : m_answers(std::move(answers))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, &DialogAnswers::step);
        m_timer.start();
    }

    QList<bool> refusalShown;
    QList<bool> focusInField;
    int left() const { return int(m_answers.size()); }

private:
    void step()
    {
        auto *dialog = qobject_cast<TServerPasswordFm *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow() || m_answers.isEmpty())
            return;
        refusalShown << dialog->LabelRefused->isVisible();
        focusInField << (QApplication::focusWidget() == dialog->EDPassword);
        const std::optional<QString> answer = m_answers.takeFirst();
        if (!answer) {
            QTest::keyClick(dialog->EDPassword, Qt::Key_Escape);
            return;
        }
        QTest::keyClicks(dialog->EDPassword, *answer);
        QTest::keyClick(dialog->EDPassword, Qt::Key_Return);
    }

    QList<std::optional<QString>> m_answers;
    QTimer m_timer;
};

} // namespace

class tst_ServerPassword : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void askedUntilAcceptedThenKeptForTheRun();
    void declinedLeavesTheAccountClosed();
    void dialogByKeys();

private:
    ServerAddress m_address;
    QString m_password;
    QString m_database;
};

void tst_ServerPassword::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    applyCommonLook();
    m_password = QStringLiteral("pw-%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'));
    TestServer::runAsSuperuser(QStringLiteral(
        "DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'rentora_password_test') "
        "THEN CREATE ROLE rentora_password_test LOGIN; END IF; END $$"));
    // The test's own random password, letters and digits only.
    TestServer::runAsSuperuser(
        QStringLiteral("ALTER ROLE rentora_password_test PASSWORD '%1'").arg(m_password));
    m_database = TestServer::createDatabase();
    TestServer::runAsSuperuser(
        QStringLiteral("ALTER DATABASE %1 OWNER TO rentora_password_test").arg(m_database));
    m_address = TestServer::address();
    m_address.database = m_database;
    m_address.user = PasswordRole;
}

void tst_ServerPassword::init()
{
    ServerPassword::forgetAll();
    ServerPassword::setPrompt({});
}

void tst_ServerPassword::cleanupTestCase()
{
    ServerPassword::setPrompt({});
    for (const QString &name : QSqlDatabase::connectionNames())
        closeConnection(name);
    TestServer::dropDatabase(m_database);
}

void tst_ServerPassword::askedUntilAcceptedThenKeptForTheRun()
{
    // Nobody to ask (a tool): the server's refusal, nothing kept.
    QString why;
    QVERIFY(!openServerAccount(m_address, QStringLiteral("first"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("first")));
    QCOMPARE(ServerPassword::demandOf(m_address, QString()), ServerPassword::Demand::Missing);
    QCOMPARE(ServerPassword::demandOf(m_address, QStringLiteral("wrong")),
             ServerPassword::Demand::NotAccepted);
    QCOMPARE(ServerPassword::demandOf(m_address, m_password), ServerPassword::Demand::Connected);

    // Asked: a wrong password first, asked again with the server's reason, then the right one.
    QStringList refusals;
    QStringList answers{QStringLiteral("wrong"), m_password};
    ServerPassword::setPrompt([&](const ServerAddress &address, const QString &refused) {
        if (!(address == m_address) || answers.isEmpty())
            return std::optional<QString>();
        refusals << refused;
        return std::optional<QString>(answers.takeFirst());
    });
    QVERIFY2(openServerAccount(m_address, QStringLiteral("first"), &why), qPrintable(why));
    QCOMPARE(refusals.size(), 2);
    QVERIFY(refusals.at(0).isEmpty());
    QVERIFY(!refusals.at(1).isEmpty());
    QCOMPARE(ServerPassword::remembered(m_address), std::optional<QString>(m_password));
    // A new, empty database became an account under the role.
    QVERIFY(serverTableNames(QSqlDatabase::database(QStringLiteral("first")))
                .contains(QStringLiteral("tbsetup")));

    // Another connection to the same account in this run is not asked again.
    QVERIFY2(connectServer(m_address, QStringLiteral("second"), &why), qPrintable(why));
    QCOMPARE(refusals.size(), 2);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT current_user"), {},
                        QSqlDatabase::database(QStringLiteral("second")))
                 .toString(),
             PasswordRole);
    // The same server through another user is another password.
    ServerAddress other = m_address;
    other.user = QStringLiteral("postgres");
    QVERIFY(!ServerPassword::remembered(other));
    closeConnection(QStringLiteral("first"));
    closeConnection(QStringLiteral("second"));
}

void tst_ServerPassword::declinedLeavesTheAccountClosed()
{
    int asked = 0;
    ServerPassword::setPrompt([&](const ServerAddress &, const QString &) {
        ++asked;
        return std::optional<QString>();
    });
    QString why;
    QVERIFY(!openServerAccount(m_address, QStringLiteral("declined"), &why));
    QCOMPARE(asked, 1);
    QVERIFY(!why.isEmpty());
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("declined")));
    QVERIFY(!ServerPassword::remembered(m_address));

    // A server that cannot be reached is no question of a password: nobody is asked.
    ServerAddress nowhere = m_address;
    nowhere.host = QStringLiteral("/nonexistent-socket-folder");
    QVERIFY(!connectServer(nowhere, QStringLiteral("declined"), &why));
    QCOMPARE(asked, 1);

    // A password that worked once and was changed on the server since is asked anew.
    ServerPassword::remember(m_address, QStringLiteral("changed-since"));
    QVERIFY(!connectServer(m_address, QStringLiteral("declined"), &why));
    QCOMPARE(asked, 2);
    QVERIFY(!ServerPassword::remembered(m_address));
}

void tst_ServerPassword::dialogByKeys()
{
    RecordingPresenter boxes;
    installServerPasswordPrompt();

    // Enter on an empty field is refused in the dialog; a wrong password comes back with the
    // refusal shown; the right one opens the account.
    {
        DialogAnswers answers({QString(), QStringLiteral("wrong"), m_password});
        QString why;
        QVERIFY2(openServerAccount(m_address, QStringLiteral("keys"), &why), qPrintable(why));
        QCOMPARE(answers.left(), 0);
        QCOMPARE(answers.focusInField, (QList<bool>{true, true, true}));
        // The empty answer stays in the first dialog; the wrong one brings the second.
        QCOMPARE(answers.refusalShown, (QList<bool>{false, false, true}));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("请输入口令！")});
        closeConnection(QStringLiteral("keys"));
    }
    // Kept for the run: the next opening asks nothing; the address kept for the next start
    // holds no password.
    {
        DialogAnswers none({});
        QString why;
        QVERIFY2(openServerAccount(m_address, QStringLiteral("keys"), &why), qPrintable(why));
        QVERIFY(none.refusalShown.isEmpty());
        SetRunData(m_address.toText());
        QVERIFY(!GetRunData().contains(m_password));
        closeConnection(QStringLiteral("keys"));
    }
    // Esc declines: the account stays closed with the server's reason.
    ServerPassword::forgetAll();
    {
        DialogAnswers escape({std::nullopt});
        QString why;
        QVERIFY(!openServerAccount(m_address, QStringLiteral("keys"), &why));
        QCOMPARE(escape.left(), 0);
        QVERIFY(!why.isEmpty());
    }
    ServerPassword::setPrompt({});
}

QTEST_MAIN(tst_ServerPassword)
#include "tst_serverpassword.moc"
