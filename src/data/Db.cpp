#include "Db.h"

#include "FaultText.h"
#include "SqliteStatement.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcData, "rentora.data")

namespace Db {

namespace {

WaitNotifier g_waitNotifier = nullptr;
int g_busyTimeoutMs = DefaultBusyTimeoutMs;

bool isSqlite(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QSQLITE");
}

// The engine's wait for a lock another connection holds: sleeps in growing steps up to the
// busy timeout. The first call of a wait (count 0) starts the clock and tells the notifier.
int waitForLock(void *, int count)
{
    static thread_local QElapsedTimer waiting;
    if (count == 0) {
        waiting.start();
        if (g_waitNotifier)
            g_waitNotifier();
    }
    const qint64 elapsed = waiting.elapsed();
    if (elapsed >= g_busyTimeoutMs)
        return 0;
    static constexpr int steps[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    const int step = steps[qMin<int>(count, int(std::size(steps)) - 1)];
    sqlite3_sleep(int(qMin<qint64>(step, g_busyTimeoutMs - elapsed)));
    return 1;
}

} // namespace

QSqlDatabase mainConn()
{
    return QSqlDatabase::database(QLatin1String(MainConnName), false);
}

DbError::DbError(const QString &message)
    : std::runtime_error(message.toStdString()), m_fault(Fault::Refused), m_message(message)
{
}

DbError::DbError(Fault fault, const QString &engineText)
    : std::runtime_error(engineText.toStdString()), m_fault(fault),
      m_message(FaultText::message(fault)), m_details(engineText)
{
    qCWarning(lcData).noquote() << engineText;
}

Fault faultOfEngineCode(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Fault::Busy;
    case SQLITE_FULL:
        return Fault::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Fault::ReadOnly;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Fault::Damaged;
    default:
        return Fault::Other;
    }
}

DbError engineError(const QSqlError &error, const QString &context)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    const Fault fault = ok ? faultOfEngineCode(code) : Fault::Other;
    return DbError(fault, error.text() + QStringLiteral(" [") + context + QLatin1Char(']'));
}

QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw engineError(q.lastError(), sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        throw engineError(q.lastError(), sql);
    return q;
}

QVariant scalar(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q = exec(sql, params, db);
    if (!q.next())
        return {};
    return q.value(0);
}

qint64 lastInsertId(const QSqlQuery &q)
{
    const QVariant id = q.lastInsertId();
    if (!id.isValid())
        throw DbError(Fault::Other, QStringLiteral("the engine gave no key for the inserted row"));
    return id.toLongLong();
}

Transaction::Transaction(const QSqlDatabase &db) : m_db(db)
{
    if (isSqlite(m_db)) {
        // A deferred transaction would read first and then fail at once on the upgrade to a
        // writer when another connection committed meanwhile; an immediate one waits instead.
        QSqlQuery begin(m_db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throw engineError(begin.lastError(), QStringLiteral("BEGIN IMMEDIATE"));
        return;
    }
    if (!m_db.transaction())
        throw engineError(m_db.lastError(), QStringLiteral("BEGIN"));
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    if (isSqlite(m_db)) {
        // Through a statement, so that a failure carries the engine's code (a full disk, a
        // read-only file) and not only its text.
        QSqlQuery end(m_db);
        if (!end.exec(QStringLiteral("COMMIT"))) {
            const QSqlError why = end.lastError();
            m_db.rollback();
            m_done = true;
            throw engineError(why, QStringLiteral("COMMIT"));
        }
        m_done = true;
        return;
    }
    if (!m_db.commit()) {
        const QSqlError why = m_db.lastError();
        m_db.rollback();
        m_done = true;
        throw engineError(why, QStringLiteral("COMMIT"));
    }
    m_done = true;
}

void setWaitNotifier(WaitNotifier notifier)
{
    g_waitNotifier = notifier;
}

void setBusyTimeout(int milliseconds)
{
    g_busyTimeoutMs = qMax(0, milliseconds);
}

int busyTimeout()
{
    return g_busyTimeoutMs;
}

void installBusyHandler(const QSqlDatabase &db)
{
    if (sqlite3 *handle = Sqlite::handle(db))
        sqlite3_busy_handler(handle, &waitForLock, nullptr);
}

void logSkipped(const DbError &error, const char *instead)
{
    qCWarning(lcData).noquote() << error.message() << error.details() << "-" << instead;
}

QString text(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toString();
}

qint64 integer(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toLongLong();
}

} // namespace Db
