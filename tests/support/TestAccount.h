#pragma once

#include "data/AccountContext.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A fresh account, open as MainConn (or on the connection named connectionName) for the test's
// lifetime: the schema and the required rows, nothing else. The engine is chosen by the
// environment: RENTORA_TEST_ENGINE=postgres makes the account a fresh database on the test server
// RENTORA_TEST_PG names ("host=... port=... user=..."; scripts/pg-test-server.sh starts one),
// dropped again by the destructor; otherwise the account is a file in a temporary folder. Asked for
// a server without an address, the test stops with a fatal error rather than passing on the file.
class TestAccount
{
public:
    explicit TestAccount(const QString &connectionName = QLatin1String(Db::MainConnName));
    ~TestAccount();
    TestAccount(const TestAccount &) = delete;
    TestAccount &operator=(const TestAccount &) = delete;

    // Whether this run's accounts are on the server.
    static bool serverRun();

    bool onServer() const { return !m_database.isEmpty(); }
    // The account file; empty on the server.
    QString path() const { return m_path; }
    // The database on the server; empty for a file.
    QString database() const { return m_database; }
    QSqlDatabase db() const;
    // The account's context, as the program's windows and stores are given it: the connection,
    // the account's name, the operator (1 unless a test logs in another).
    AccountContext &context() const;
    // Opens the account again on its connection, as the program does at its next start.
    bool reopen(QString *why);
    // A second connection to the same account, as another counter has, named connectionName;
    // for the thread that calls it. Fatal when it cannot be opened.
    QSqlDatabase openAnother(const QString &connectionName) const;

    // Small helpers for fixtures; every value is bound, never pasted.
    qint64 addFeeClass(const QString &name, qint64 feeCents, qint64 depositCents);
    qint64 addCopy(const QString &code, const QString &name, const QString &feeClass,
                   int quality = 0);
    qint64 addMember(const QString &num, const QString &name, int allowance);
    qint64 addStaff(const QString &name, const QString &password);
    void grant(qint64 staffId, int powerId);
    void setOption(int cateId, const QString &value);
    qint64 count(const QString &table, const QString &where = QString());

    // Makes the engine refuse event ("INSERT", "UPDATE" or "DELETE") on table, for the rows
    // when (a condition on NEW or OLD, empty for every row) holds, as a failing disk would,
    // with the engine's text message: a trigger named name, in the engine's own language.
    // allowWrites removes it.
    void refuseWrites(const QString &name, const QString &event, const QString &table,
                      const QString &when = QString(),
                      const QString &message = QStringLiteral("refused"));
    void allowWrites(const QString &name, const QString &table);

private:
    QTemporaryDir m_dir;
    mutable AccountContext m_context;
    QString m_path;
    QString m_database;
};
