#pragma once

#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include "DbError.h"

class QSqlError;
class QSqlDriver;

// The data layer's log: every statement the engine refused, with the engine's own text.
Q_DECLARE_LOGGING_CATEGORY(lcData)

// Thin helpers over Qt SQL that make every failure visible: a statement that fails throws
// DbError, so no caller can mistake it for success.
namespace Db {

// The name of the connection the program's account context opens its account on (an
// AccountContext built without a name uses it).
inline constexpr const char *MainConnName = "MainConn";

// The fault an SQLite result code (SQLITE_BUSY, SQLITE_FULL, ...) stands for.
Fault faultOfEngineCode(int code);
// The fault a PostgreSQL SQLSTATE ("55P03", "53100", ...) stands for.
Fault faultOfSqlState(const QString &sqlState);
// An error of the engine behind driver, e.g. of a statement that failed; context names the
// statement.
DbError engineError(const QSqlError &error, const QString &context, const QSqlDriver *driver);

// Prepares sql, binds params in order to its '?' placeholders and executes it on db. Every
// helper here works on the connection it is given: the caller's account, never a default.
QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

// As exec, for a reader that walks the whole result at once and runs nothing else on the
// connection meanwhile: the rows come forward-only on both engines, which the server's driver
// streams row by row (libpq's single-row mode) instead of fetching the whole result first.
QSqlQuery stream(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

// Runs an INSERT of one row and returns the key the engine gave it: the statement is run with
// "RETURNING keyColumn", which both engines answer in the same statement.
qint64 insert(const QString &sql, const QVariantList &params, const QSqlDatabase &db,
              const QString &keyColumn = QStringLiteral("ID"));

// A transaction that will write. It starts as the account's one writer, so it takes the
// account's write lock before reading anything: a commit of another counter is waited for
// within the busy timeout instead of failing when the transaction first writes. On SQLite
// that is BEGIN IMMEDIATE; on PostgreSQL a lock of the database's own (an advisory lock held
// to the end of the transaction), taken first, its wait bounded by the busy timeout.
// Rolls back on destruction unless commit() was called.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

// Waiting for another program's lock. The engine calls back while it waits; the first call
// of a wait tells the notifier (the user interface shows a wait cursor until it gets control
// back). A wait longer than the timeout gives up with Fault::Busy.
inline constexpr int DefaultBusyTimeoutMs = 10000;
using WaitNotifier = void (*)();
void setWaitNotifier(WaitNotifier notifier);
void setBusyTimeout(int milliseconds);
int busyTimeout();
// Makes db wait as above; the data module does it for every account it opens.
void installBusyHandler(const QSqlDatabase &db);

// A failure the caller goes on without (a convenience left out, a stamp read again): the
// fault's message, the engine's text and what the program does instead go to lcData, so the
// cause is not lost although the operator is not interrupted.
void logSkipped(const DbError &error, const char *instead);

// Reads a column by name; null reads as 0 or empty, as the program's readers expect.
QString text(const QSqlQuery &q, const char *column);
qint64 integer(const QSqlQuery &q, const char *column);

} // namespace Db
