#include "Db.h"

#include "FaultText.h"
#include "ServerStatement.h"
#include "SqliteStatement.h"

#include <QElapsedTimer>
#include <QSqlDriver>
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

bool isPostgres(const QSqlDriver *driver)
{
    return driver && driver->dbmsType() == QSqlDriver::PostgreSQL;
}

// The key of the account's writer lock on a server: one per database, as the file's write
// lock is one per file ("RNTW").
constexpr qint64 WriterLockKey = 0x524e5457;

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

DbError::DbError(const QString &message)
    : std::runtime_error(message.toStdString()), m_fault(Fault::Refused), m_message(message)
{
}

DbError::DbError(Fault fault, const QString &engineText, const QString &accountFile)
    : std::runtime_error(engineText.toStdString()), m_fault(fault),
      m_message(FaultText::message(fault, accountFile)), m_details(engineText)
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
    case SQLITE_CONSTRAINT:
        // A unique index or a key refused a row; any other constraint (a trigger's refusal)
        // is no duplicate.
        if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
            return Fault::Duplicate;
        return Fault::Other;
    default:
        return Fault::Other;
    }
}

Fault faultOfSqlState(const QString &sqlState)
{
    const QString s = sqlState.toUpper();
    // Lock waits beyond lock_timeout, deadlocks, transactions the server gave up on, a
    // statement cancelled: another writer held the account too long.
    if (s == u"55P03" || s == u"55006" || s == u"40P01" || s == u"40001" || s == u"57014")
        return Fault::Busy;
    if (s == u"53100")
        return Fault::DiskFull;
    if (s == u"25006" || s == u"42501" || s == u"28000" || s == u"28P01")
        return Fault::ReadOnly;
    if (s == u"XX001" || s == u"XX002")
        return Fault::Damaged;
    // Connection exceptions, the server shutting down or not accepting connections yet.
    if (s.startsWith(u"08") || s == u"57P01" || s == u"57P02" || s == u"57P03")
        return Fault::Lost;
    if (s == u"23505")
        return Fault::Duplicate;
    return Fault::Other;
}

DbError engineError(const QSqlError &error, const QString &context, const QSqlDriver *driver)
{
    const QString native = error.nativeErrorCode();
    Fault fault = Fault::Other;
    if (isPostgres(driver)) {
        fault = faultOfSqlState(native);
        // A broken connection reports no state of the server: only the client library's text
        // ("server closed the connection unexpectedly", "no connection to the server") says
        // that the connection is gone.
        if (native.isEmpty()
            && (error.type() == QSqlError::ConnectionError
                || error.text().contains(QLatin1String("connection"), Qt::CaseInsensitive)))
            fault = Fault::Lost;
    } else {
        bool ok = false;
        const int code = native.toInt(&ok);
        if (ok)
            fault = faultOfEngineCode(code);
    }
    return DbError(fault, error.text() + QStringLiteral(" [") + context + QLatin1Char(']'),
                   Sqlite::fileOf(driver));
}

namespace {

// The statement prepared through the SQL driver, its values bound in order, and run.
void runPrepared(QSqlQuery &q, const QString &sql, const QVariantList &params,
                 const QSqlDatabase &db)
{
    if (!q.prepare(sql))
        throw engineError(q.lastError(), sql, db.driver());
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        throw engineError(q.lastError(), sql, db.driver());
}

} // namespace

QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q(db);
    // A file's rows are read one step at a time whatever else runs on the connection. The
    // server's driver streams a forward-only result, and running another statement on the
    // connection meanwhile drops the rest of it: there the rows are fetched whole, so readers
    // may run statements while they walk a result, as they do on a file.
    q.setForwardOnly(isSqlite(db));
    if (params.isEmpty()) {
        // Run as it stands: PostgreSQL prepares only queries and changes of rows, not the
        // schema's statements.
        if (!q.exec(sql))
            throw engineError(q.lastError(), sql, db.driver());
        return q;
    }
    // On a server: one round trip with the values apart from the statement.
    if (!isSqlite(db) && ServerStatement::available(db))
        return ServerStatement::exec(sql, params, db);
    runPrepared(q, sql, params, db);
    return q;
}

QSqlQuery stream(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    runPrepared(q, sql, params, db);
    return q;
}

QVariant scalar(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q = exec(sql, params, db);
    if (!q.next())
        return {};
    return q.value(0);
}

qint64 insert(const QString &sql, const QVariantList &params, const QSqlDatabase &db,
              const QString &keyColumn)
{
    QSqlQuery q = exec(sql + QStringLiteral(" RETURNING ") + keyColumn, params, db);
    if (!q.next())
        throw DbError(Fault::Other, QStringLiteral("the engine gave no key for the inserted row [")
                                        + sql + QLatin1Char(']'));
    return q.value(0).toLongLong();
}

Transaction::Transaction(const QSqlDatabase &db) : m_db(db)
{
    if (isSqlite(m_db)) {
        // A deferred transaction would read first and then fail at once on the upgrade to a
        // writer when another connection committed meanwhile; an immediate one waits instead.
        QSqlQuery begin(m_db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throw engineError(begin.lastError(), QStringLiteral("BEGIN IMMEDIATE"), m_db.driver());
        return;
    }
    if (!isPostgres(m_db.driver()) || !ServerStatement::available(m_db)) {
        if (!m_db.transaction())
            throw engineError(m_db.lastError(), QStringLiteral("BEGIN"), m_db.driver());
        return;
    }
    try {
        // The account's one writer, as on a file: the lock is taken before anything is read,
        // and released by the commit or rollback. The transaction, the wait's limit and the
        // attempt at the lock go to the server in one round trip. A free lock is taken at
        // once; a held one is waited for (the notifier told) until the busy timeout, which the
        // server reports as a lock not available (55P03, Fault::Busy).
        QSqlQuery start = ServerStatement::script(
            QStringLiteral("BEGIN; SET LOCAL lock_timeout = %1; SELECT pg_try_advisory_xact_lock(%2)")
                .arg(qMax(1, g_busyTimeoutMs))
                .arg(WriterLockKey),
            m_db);
        if (!start.next() || !start.value(0).toBool()) {
            if (g_waitNotifier)
                g_waitNotifier();
            exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(WriterLockKey), {}, m_db);
        }
    } catch (...) {
        m_db.rollback();
        throw;
    }
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
            throw engineError(why, QStringLiteral("COMMIT"), m_db.driver());
        }
        m_done = true;
        return;
    }
    if (!m_db.commit()) {
        const QSqlError why = m_db.lastError();
        m_db.rollback();
        m_done = true;
        throw engineError(why, QStringLiteral("COMMIT"), m_db.driver());
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
