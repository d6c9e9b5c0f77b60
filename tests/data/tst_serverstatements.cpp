// Statements on a server account: each is prepared once per session of the connection and then
// run with its values; a statement whose tables changed, a session opened anew and a statement
// the server refuses all leave the next statements working, and the prepared statements stay
// bounded. The writer's transaction starts in one round trip and still takes the writer lock.
#include "data/Db.h"
#include "data/Schema.h"
#include "data/ServerStatement.h"
#include "data/ServerStream.h"
#include "support/TestAccount.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

class tst_ServerStatements : public QObject
{
    Q_OBJECT
private slots:
    // These cases are about the server alone: the run's accounts are put on it.
    void initTestCase() { qputenv("RENTORA_TEST_ENGINE", "postgres"); }
    void init() { m_account = std::make_unique<TestAccount>(); }
    void cleanup() { m_account.reset(); }

    void statementIsPreparedOnceAndRunWithItsValues();
    void valuesOfAnotherTypeGetAStatementOfTheirOwn();
    void statementOfChangedTablesIsPreparedAnew();
    void reopenedConnectionPreparesAgain();
    void refusedStatementIsThrownAndLeavesTheNextWorking();
    void preparedStatementsAreBounded();
    void writerTransactionTakesTheLockInItsFirstRoundTrip();
    void listReaderSessionIsSetLikeTheAccounts();

private:
    std::unique_ptr<TestAccount> m_account;
};

namespace {

// The statements the session holds prepared whose text contains marker; the statement asking
// carries the marker as a value, so it never counts itself.
qint64 prepared(const QSqlDatabase &db, const QString &marker)
{
    return Db::scalar(QStringLiteral("SELECT count(*) FROM pg_prepared_statements "
                                     "WHERE statement LIKE ?"),
                      {QLatin1Char('%') + marker + QLatin1Char('%')}, db)
        .toLongLong();
}

QString nameOf(const QSqlDatabase &db, qint64 member)
{
    return Db::scalar(QStringLiteral("SELECT Name AS probe_name FROM TBAssociator WHERE ID = ?"),
                      {member}, db)
        .toString();
}

} // namespace

void tst_ServerStatements::statementIsPreparedOnceAndRunWithItsValues()
{
    const qint64 a = m_account->addMember(QStringLiteral("A1"), QStringLiteral("张三"), 3);
    const qint64 b = m_account->addMember(QStringLiteral("B1"), QStringLiteral("O'Brien ?"), 3);
    QCOMPARE(nameOf(m_account->db(), a), QStringLiteral("张三"));
    QCOMPARE(nameOf(m_account->db(), b), QStringLiteral("O'Brien ?"));
    QVERIFY(nameOf(m_account->db(), -1).isEmpty());
    QCOMPARE(prepared(m_account->db(), QStringLiteral("probe_name")), qint64(1));
    // Each run executed the one prepared statement.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT generic_plans + custom_plans FROM "
                                       "pg_prepared_statements WHERE statement LIKE ?"),
                        {QStringLiteral("%probe_name%")}, m_account->db())
                 .toLongLong(),
             qint64(3));
}

void tst_ServerStatements::valuesOfAnotherTypeGetAStatementOfTheirOwn()
{
    // A value beyond 32 bits after a small one: a statement prepared for an integer would
    // refuse it as out of range; nothing at all is a third kind.
    const qint64 member = m_account->addMember(QStringLiteral("C1"), QStringLiteral("李四"), 3);
    const qint64 big = qint64(1) << 40;
    for (qint64 amount : {qint64(500), big}) {
        Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {QStringLiteral("2024-05-01"), Schema::TypeRent, amount, 0, member}, m_account->db());
    }
    const QString sql = QStringLiteral(
        "SELECT count(*) AS probe_kind FROM TBInOutMoney WHERE ClientID = ? AND Moneys >= ?");
    QCOMPARE(Db::scalar(sql, {member, 100}, m_account->db()).toInt(), 2);
    QCOMPARE(Db::scalar(sql, {member, big}, m_account->db()).toInt(), 1);
    QCOMPARE(Db::scalar(sql, {member, QVariant()}, m_account->db()).toInt(), 0);
    QCOMPARE(Db::scalar(sql, {member, 600}, m_account->db()).toInt(), 1);
    QCOMPARE(prepared(m_account->db(), QStringLiteral("probe_kind")), qint64(3));
}

void tst_ServerStatements::statementOfChangedTablesIsPreparedAnew()
{
    Db::exec(QStringLiteral("CREATE TABLE probe_shelf (id INTEGER, label TEXT)"), {}, m_account->db());
    Db::exec(QStringLiteral("INSERT INTO probe_shelf VALUES (1, 'A'), (2, 'B')"), {}, m_account->db());
    const QString sql = QStringLiteral("SELECT * FROM probe_shelf WHERE id = ?");
    QCOMPARE(Db::exec(sql, {1}, m_account->db()).record().count(), 2);

    // Outside a transaction the changed statement simply runs again, prepared anew.
    Db::exec(QStringLiteral("ALTER TABLE probe_shelf ADD COLUMN floor INTEGER DEFAULT 3"), {}, m_account->db());
    QSqlQuery q = Db::exec(sql, {1}, m_account->db());
    QCOMPARE(q.record().count(), 3);
    QVERIFY(q.next());
    QCOMPARE(q.value(2).toInt(), 3);

    // Inside one the server gives the transaction up: the statement fails, and the next
    // transaction runs it prepared anew.
    Db::exec(QStringLiteral("ALTER TABLE probe_shelf ADD COLUMN note TEXT"), {}, m_account->db());
    {
        Db::Transaction tx(m_account->db());
        QVERIFY_THROWS_EXCEPTION(Db::DbError, Db::exec(sql, {2}, m_account->db()));
    }
    {
        Db::Transaction tx(m_account->db());
        q = Db::exec(sql, {2}, m_account->db());
        QCOMPARE(q.record().count(), 4);
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString(), QStringLiteral("B"));
        tx.commit();
    }
}

void tst_ServerStatements::reopenedConnectionPreparesAgain()
{
    const qint64 member = m_account->addMember(QStringLiteral("D1"), QStringLiteral("王五"), 3);
    QCOMPARE(nameOf(m_account->db(), member), QStringLiteral("王五"));
    QSqlDatabase db = m_account->db();
    db.close();
    QVERIFY(db.open());
    // A new session holds nothing prepared: inside a transaction a statement taken as still
    // prepared would fail and take the transaction with it.
    Db::Transaction tx(m_account->db());
    QCOMPARE(nameOf(m_account->db(), member), QStringLiteral("王五"));
    Db::exec(QStringLiteral("UPDATE TBAssociator SET Name = ? WHERE ID = ?"),
             {QStringLiteral("王六"), member}, m_account->db());
    tx.commit();
    QCOMPARE(nameOf(m_account->db(), member), QStringLiteral("王六"));
    QCOMPARE(prepared(m_account->db(), QStringLiteral("probe_name")), qint64(1));
}

void tst_ServerStatements::refusedStatementIsThrownAndLeavesTheNextWorking()
{
    const QString bad = QStringLiteral("SELECT NoSuchColumn FROM TBAssociator WHERE ID = ?");
    try {
        Db::exec(bad, {1}, m_account->db());
        QFAIL("a statement naming a missing column ran");
    } catch (const Db::DbError &e) {
        QCOMPARE(e.fault(), Db::Fault::Other);
        QVERIFY2(e.details().contains(QLatin1String("nosuchcolumn")), qPrintable(e.details()));
    }
    QCOMPARE(nameOf(m_account->db(), Schema::WalkInCustomerId).isNull(), false);
    {
        // Inside a transaction the refusal ends the transaction, not the connection.
        Db::Transaction tx(m_account->db());
        QVERIFY_THROWS_EXCEPTION(Db::DbError, Db::exec(bad, {1}, m_account->db()));
    }
    Db::Transaction tx(m_account->db());
    Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = ? WHERE ID = ?"),
             {4, Schema::WalkInCustomerId}, m_account->db());
    tx.commit();
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"),
                        {Schema::WalkInCustomerId}, m_account->db())
                 .toInt(),
             4);
    QVERIFY_THROWS_EXCEPTION(Db::DbError, Db::exec(bad, {1}, m_account->db()));
    QCOMPARE(prepared(m_account->db(), QStringLiteral("NoSuchColumn")), qint64(0));
}

void tst_ServerStatements::preparedStatementsAreBounded()
{
    const int n = ServerStatement::PreparedCapacity + 40;
    const auto probe = [this](int k) {
        return Db::scalar(QStringLiteral("SELECT ? + %1 AS probe_bound").arg(k), {1000}, m_account->db()).toInt();
    };
    for (int k = 0; k < n; ++k)
        QCOMPARE(probe(k), 1000 + k);
    QVERIFY(prepared(m_account->db(), QStringLiteral("probe_bound")) <= ServerStatement::PreparedCapacity);
    QVERIFY(prepared(m_account->db(), QStringLiteral("probe_bound")) >= ServerStatement::PreparedCapacity - 2);
    // The first ones made room; inside a transaction they run again, prepared anew.
    Db::Transaction tx(m_account->db());
    for (int k = 0; k < 5; ++k)
        QCOMPARE(probe(k), 1000 + k);
    tx.commit();
}

void tst_ServerStatements::writerTransactionTakesTheLockInItsFirstRoundTrip()
{
    QSqlDatabase other = m_account->openAnother(QStringLiteral("second-counter"));
    const auto lockHeldElsewhere = [&] {
        // Of this account's database: tests running beside this one take their own.
        return Db::scalar(QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = "
                                         "'advisory' AND granted AND pid <> pg_backend_pid() "
                                         "AND database = (SELECT oid FROM pg_database WHERE "
                                         "datname = current_database())"),
                          {}, other)
            .toInt();
    };
    const auto lockTimeout = [this] {
        return Db::scalar(QStringLiteral("SHOW lock_timeout"), {}, m_account->db()).toString();
    };
    QCOMPARE(lockHeldElsewhere(), 0);
    const QString sessionTimeout = lockTimeout();
    Db::setBusyTimeout(1234);
    {
        Db::Transaction tx(m_account->db());
        QCOMPARE(lockHeldElsewhere(), 1);
        // The wait for a lock is the busy timeout of now, for this transaction only.
        QCOMPARE(lockTimeout(), QStringLiteral("1234ms"));
        Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = ? WHERE ID = ?"),
                 {5, Schema::WalkInCustomerId}, m_account->db());
        tx.commit();
    }
    Db::setBusyTimeout(Db::DefaultBusyTimeoutMs);
    QCOMPARE(lockTimeout(), sessionTimeout);
    QCOMPARE(lockHeldElsewhere(), 0);
    {
        Db::Transaction rolledBack(m_account->db());
    }
    QCOMPARE(lockHeldElsewhere(), 0);
    other = QSqlDatabase();
    QSqlDatabase::database(QStringLiteral("second-counter"), false).close();
    QSqlDatabase::removeDatabase(QStringLiteral("second-counter"));
}

void tst_ServerStatements::listReaderSessionIsSetLikeTheAccounts()
{
    // The settings that decide how dates, times and texts come back, and how queries run;
    // the account's session set apart from the server's defaults first.
    Db::exec(QStringLiteral("SET TimeZone = 'Asia/Shanghai'"), {}, m_account->db());
    Db::exec(QStringLiteral("SET DateStyle = 'ISO, DMY'"), {}, m_account->db());
    Db::exec(QStringLiteral("SET IntervalStyle = 'iso_8601'"), {}, m_account->db());
    const QString sql = QStringLiteral(
        "SELECT current_setting('DateStyle'), current_setting('TimeZone'), "
        "current_setting('IntervalStyle'), current_setting('client_encoding'), "
        "current_setting('max_parallel_workers_per_gather'), current_database(), "
        "CAST(CAST(? AS TIMESTAMPTZ) AS TEXT) WHERE ? > 0");
    const QVariantList params{QStringLiteral("2024-05-01 10:30:00"), 1};
    QSqlQuery own = Db::exec(sql, params, m_account->db());
    QVERIFY(own.next());
    QSqlQuery reader = ServerStream::open(sql, params, m_account->db());
    QVERIFY(reader.next());
    for (int i = 0; i < 7; ++i)
        QCOMPARE(reader.value(i).toString(), own.value(i).toString());
    QCOMPARE(own.value(1).toString(), QStringLiteral("Asia/Shanghai"));
    QCOMPARE(own.value(4).toString(), QStringLiteral("0"));
    QVERIFY(!reader.next());
    QVERIFY(!reader.lastError().isValid());
}

QTEST_GUILESS_MAIN(tst_ServerStatements)
#include "tst_serverstatements.moc"
