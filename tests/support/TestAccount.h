#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A fresh account file in a temporary folder, open as MainConn for the test's lifetime:
// the schema and the required rows, nothing else.
class TestAccount
{
public:
    TestAccount();
    ~TestAccount();

    QString path() const { return m_path; }
    QSqlDatabase db() const;

    // Small helpers for fixtures; every value is bound, never pasted.
    qint64 addFeeClass(const QString &name, qint64 feeCents, qint64 depositCents);
    qint64 addCopy(const QString &code, const QString &name, const QString &feeClass,
                   int quality = 0);
    qint64 addMember(const QString &num, const QString &name, int allowance);
    qint64 addStaff(const QString &name, const QString &password);
    void grant(qint64 staffId, int powerId);
    void setOption(int cateId, const QString &value);
    qint64 count(const QString &table, const QString &where = QString());

private:
    QTemporaryDir m_dir;
    QString m_path;
};
