#include "TestAccount.h"

#include "TestServer.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"

#include <QTest>

bool TestAccount::serverRun()
{
    return TestServer::requested();
}

TestAccount::TestAccount(const QString &connectionName) : m_context(connectionName)
{
    QString why;
    if (serverRun()) {
        m_database = TestServer::createDatabase();
        ServerAddress address = TestServer::address();
        address.database = m_database;
        if (!openServerAccount(address, m_context.connectionName(), &why))
            qFatal("cannot open the test account on the server: %s", qPrintable(why));
    } else {
        m_path = m_dir.filePath(QStringLiteral("Test.MDB"));
        if (!SampleAccount::createEmptyAccount(m_path, &why))
            qFatal("cannot create the test account: %s", qPrintable(why));
        if (!openAccountFile(m_path, m_context.connectionName(), &why))
            qFatal("cannot open the test account: %s", qPrintable(why));
        context().setAccount(m_path);
    }
    context().setOperator(1);
}

TestAccount::~TestAccount()
{
    {
        QSqlDatabase db = m_context.db();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_context.connectionName());
    context().setOperator(0);
    context().setAccount(QString());
    if (!m_database.isEmpty())
        TestServer::dropDatabase(m_database);
}

QSqlDatabase TestAccount::db() const
{
    return m_context.db();
}

AccountContext &TestAccount::context() const
{
    return m_context;
}

bool TestAccount::reopen(QString *why)
{
    if (onServer()) {
        ServerAddress address = TestServer::address();
        address.database = m_database;
        return openServerAccount(address, m_context.connectionName(), why);
    }
    return openAccountFile(m_path, m_context.connectionName(), why);
}

QSqlDatabase TestAccount::openAnother(const QString &connectionName) const
{
    QString why;
    bool opened = false;
    if (onServer()) {
        ServerAddress address = TestServer::address();
        address.database = m_database;
        opened = openServerAccount(address, connectionName, &why);
    } else {
        opened = openAccountFile(m_path, connectionName, &why);
    }
    if (!opened)
        qFatal("cannot open a second connection to the test account: %s", qPrintable(why));
    return QSqlDatabase::database(connectionName, false);
}

qint64 TestAccount::addFeeClass(const QString &name, qint64 feeCents, qint64 depositCents)
{
    return Db::insert(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
                      {name, feeCents, depositCents}, db());
}

qint64 TestAccount::addCopy(const QString &code, const QString &name, const QString &feeClass,
                            int quality)
{
    return Db::insert(
        QStringLiteral(
            "INSERT INTO TBName (CustomNum, Name, Ver, Nlang, Categray, Amount, Copy, "
            "Provide, Mone, Quality) VALUES (?, ?, ?, '国语', '动作', 1, 1, 1, 1000, ?)"),
        {code, name, feeClass, quality}, db());
}

qint64 TestAccount::addMember(const QString &num, const QString &name, int allowance)
{
    return Db::insert(QStringLiteral("INSERT INTO TBAssociator (Num, Name, Sum) VALUES (?, ?, ?)"),
                      {num, name, allowance}, db());
}

qint64 TestAccount::addStaff(const QString &name, const QString &password)
{
    return Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS) VALUES (?, ?)"),
                      {name, password.isNull() ? QVariant() : QVariant(password)}, db());
}

void TestAccount::grant(qint64 staffId, int powerId)
{
    Db::exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (?, ?)"),
             {staffId, powerId}, db());
}

void TestAccount::setOption(int cateId, const QString &value)
{
    Db::exec(QStringLiteral("UPDATE TBKindValue SET CateValue = ? WHERE CateID = ?"),
             {value, cateId}, db());
}

qint64 TestAccount::count(const QString &table, const QString &where)
{
    // Table and condition come from the test's own code, never from typed input.
    return Db::scalar(QStringLiteral("SELECT count(*) FROM ") + table +
                          (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
                      {}, db())
        .toLongLong();
}

void TestAccount::refuseWrites(const QString &name, const QString &event, const QString &table,
                               const QString &when, const QString &message)
{
    // Names, conditions and the message come from the test's own code.
    if (onServer()) {
        Db::exec(QStringLiteral("CREATE FUNCTION %1_fn() RETURNS trigger LANGUAGE plpgsql AS "
                                "$$BEGIN RAISE EXCEPTION '%2'; END$$")
                     .arg(name, message),
                 {}, db());
        Db::exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW %4 "
                                "EXECUTE FUNCTION %1_fn()")
                     .arg(name, event, table,
                          when.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(when)),
                 {}, db());
        return;
    }
    Db::exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 %4 "
                            "BEGIN SELECT RAISE(ABORT, '%5'); END")
                 .arg(name, event, table,
                      when.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(when), message),
             {}, db());
}

void TestAccount::allowWrites(const QString &name, const QString &table)
{
    if (onServer()) {
        Db::exec(QStringLiteral("DROP TRIGGER %1 ON %2").arg(name, table), {}, db());
        Db::exec(QStringLiteral("DROP FUNCTION %1_fn()").arg(name), {}, db());
        return;
    }
    Db::exec(QStringLiteral("DROP TRIGGER %1").arg(name), {}, db());
}
