#include "TestAccount.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"

#include <QTest>

TestAccount::TestAccount()
{
    m_path = m_dir.filePath(QStringLiteral("Test.MDB"));
    QString why;
    if (!SampleAccount::createEmptyAccount(m_path, &why))
        qFatal("cannot create the test account: %s", qPrintable(why));
    if (!openAccountFile(m_path, QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open the test account: %s", qPrintable(why));
    CurrentDBFile = m_path;
    AccountContext::current().setOperator(1);
}

TestAccount::~TestAccount()
{
    {
        QSqlDatabase db = Db::mainConn();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    AccountContext::current().setOperator(0);
    CurrentDBFile.clear();
}

QSqlDatabase TestAccount::db() const
{
    return Db::mainConn();
}

qint64 TestAccount::addFeeClass(const QString &name, qint64 feeCents, qint64 depositCents)
{
    return Db::lastInsertId(
        Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
                 {name, feeCents, depositCents}));
}

qint64 TestAccount::addCopy(const QString &code, const QString &name, const QString &feeClass,
                            int quality)
{
    return Db::lastInsertId(
        Db::exec(QStringLiteral(
                     "INSERT INTO TBName (CustomNum, Name, Ver, Nlang, Categray, Amount, Copy, "
                     "Provide, Mone, Quality) VALUES (?, ?, ?, '国语', '动作', 1, 1, 1, 1000, ?)"),
                 {code, name, feeClass, quality}));
}

qint64 TestAccount::addMember(const QString &num, const QString &name, int allowance)
{
    return Db::lastInsertId(
        Db::exec(QStringLiteral("INSERT INTO TBAssociator (Num, Name, Sum) VALUES (?, ?, ?)"),
                 {num, name, allowance}));
}

qint64 TestAccount::addStaff(const QString &name, const QString &password)
{
    return Db::lastInsertId(
        Db::exec(QStringLiteral("INSERT INTO TBPersons (Name, PWS) VALUES (?, ?)"),
                 {name, password.isNull() ? QVariant() : QVariant(password)}));
}

void TestAccount::grant(qint64 staffId, int powerId)
{
    Db::exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (?, ?)"),
             {staffId, powerId});
}

void TestAccount::setOption(int cateId, const QString &value)
{
    Db::exec(QStringLiteral("UPDATE TBKindValue SET CateValue = ? WHERE CateID = ?"),
             {value, cateId});
}

qint64 TestAccount::count(const QString &table, const QString &where)
{
    // Table and condition come from the test's own code, never from typed input.
    return Db::scalar(QStringLiteral("SELECT count(*) FROM ") + table +
                      (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where))
        .toLongLong();
}
