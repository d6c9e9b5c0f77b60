#include "ServerStatement.h"

#include "Db.h"
#include "ServerValues.h"

#include <QSqlDriver>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>

namespace ServerStatement {

using namespace ServerValues;

namespace {

// A whole result of the server, read as a query's result.
class ServerResult : public QSqlResult
{
public:
    ServerResult(const QSqlDriver *driver, const QString &sql, PGresult *result)
        : QSqlResult(driver), m_result(result)
    {
        setQuery(sql);
        setActive(true);
        setSelect(PQnfields(m_result) > 0);
        setAt(QSql::BeforeFirstRow);
    }
    ~ServerResult() override { PQclear(m_result); }

protected:
    QVariant data(int column) override { return valueAt(m_result, at(), column); }
    bool isNull(int column) override { return PQgetisnull(m_result, at(), column); }
    bool reset(const QString &) override { return false; }
    bool fetch(int row) override
    {
        if (row < 0 || row >= PQntuples(m_result))
            return false;
        setAt(row);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override { return fetch(PQntuples(m_result) - 1); }
    int size() override { return isSelect() ? PQntuples(m_result) : -1; }
    int numRowsAffected() override { return QByteArray(PQcmdTuples(m_result)).toInt(); }
    // Made once: a value read by its column's name looks the name up in it every time.
    QSqlRecord record() const override
    {
        if (m_record.isEmpty())
            m_record = recordOf(m_result);
        return m_record;
    }

private:
    PGresult *m_result;
    mutable QSqlRecord m_record;
};

// The statements prepared on one session of the server, so that it parses and plans each
// of them once instead of on every run. Kept beside the connection's driver (destroyed with
// it) and bound to one session: a connection closed and opened again, or opened on another
// database, starts a new session without them, and the cache starts again empty. A
// statement is known by its text and the types of its values (the server fixes them when it
// prepares it); the values themselves stay parameters. At most Capacity statements are
// kept; the one used longest ago makes room.
class PreparedStatements : public QObject
{
public:
    static constexpr int Capacity = PreparedCapacity;

    static constexpr const char *ObjectName = "rentora-prepared-statements";

    PreparedStatements(QObject *driver, PGconn *pg)
        : QObject(driver), m_pg(pg), m_backend(PQbackendPID(pg))
    {
        setObjectName(QLatin1String(ObjectName));
    }

    bool isSessionOf(PGconn *pg) const { return pg == m_pg && PQbackendPID(pg) == m_backend; }
    qsizetype size() const { return m_byKey.size(); }

    static QString keyOf(const QString &sql, const QList<unsigned> &types)
    {
        QString key = sql;
        key.reserve(sql.size() + 1 + 2 * types.size());
        key += QChar(0);
        for (unsigned t : types) {
            key += QChar(char16_t(t));
            key += QChar(char16_t(t >> 16));
        }
        return key;
    }

    // The name of the statement prepared for key, preparing it first when it is new.
    // Throws the server's error when it cannot be prepared (nothing is kept then).
    QByteArray nameFor(const QString &key, const QString &sql, const QList<unsigned> &types,
                       const QSqlDatabase &db)
    {
        ++m_clock;
        const auto it = m_byKey.find(key);
        if (it != m_byKey.end()) {
            it->lastUse = m_clock;
            return it->name;
        }
        dropUnused();
        const QByteArray name = "rentora_" + QByteArray::number(++m_made);
        PGresult *r = PQprepare(m_pg, name.constData(), numberedPlaceholders(sql).constData(),
                                int(types.size()), types.constData());
        failUnlessDone(r, m_pg, sql, db.driver());
        PQclear(r);
        m_byKey.insert(key, {name, m_clock});
        return name;
    }

    // Whether r failed because the statement prepared under its name no longer fits the
    // tables ("cached plan must not change result type") or no longer exists in the session.
    static bool isStale(const PGresult *r)
    {
        if (PQresultStatus(r) != PGRES_FATAL_ERROR)
            return false;
        const char *state = PQresultErrorField(r, PG_DIAG_SQLSTATE);
        return state && (qstrcmp(state, "0A000") == 0 || qstrcmp(state, "26000") == 0);
    }

    // Forgets the statement of key after r said it is stale. A statement the session no
    // longer holds means none of them is held (the session was reset): all are forgotten.
    void forget(const QString &key, const PGresult *r)
    {
        if (qstrcmp(PQresultErrorField(r, PG_DIAG_SQLSTATE), "26000") == 0) {
            m_byKey.clear();
            m_unused.clear();
            return;
        }
        const auto it = m_byKey.find(key);
        if (it == m_byKey.end())
            return;
        m_unused << it->name;
        m_byKey.erase(it);
    }

private:
    struct Entry
    {
        QByteArray name;
        quint64 lastUse = 0;
    };

    // Makes room for one more statement, and deallocates the statements forgotten once no
    // transaction is open: a DEALLOCATE that failed inside one would abort it. Prepared
    // statements belong to the session, a rollback neither keeps nor removes them.
    void dropUnused()
    {
        if (m_byKey.size() >= Capacity) {
            auto oldest = m_byKey.begin();
            for (auto it = m_byKey.begin(); it != m_byKey.end(); ++it) {
                if (it->lastUse < oldest->lastUse)
                    oldest = it;
            }
            m_unused << oldest->name;
            m_byKey.erase(oldest);
        }
        if (m_unused.isEmpty() || PQtransactionStatus(m_pg) != PQTRANS_IDLE)
            return;
        QByteArray deallocate;
        for (const QByteArray &name : std::as_const(m_unused))
            deallocate += "DEALLOCATE " + name + ';';
        m_unused.clear();
        // Nothing depends on it: a statement left over costs the session only its memory.
        PQclear(PQexec(m_pg, deallocate.constData()));
    }

    PGconn *m_pg;
    int m_backend;
    QHash<QString, Entry> m_byKey;
    QList<QByteArray> m_unused;
    quint64 m_clock = 0;
    quint64 m_made = 0;
};

// The prepared statements of the session pg of driver; nullptr when the session's
// transaction has failed (nothing can be prepared then).
PreparedStatements *preparedOn(const QSqlDriver *driver, PGconn *pg)
{
    if (PQtransactionStatus(pg) == PQTRANS_INERROR)
        return nullptr;
    auto *owner = const_cast<QSqlDriver *>(driver);
    auto *cache = static_cast<PreparedStatements *>(owner->findChild<QObject *>(
        QLatin1String(PreparedStatements::ObjectName), Qt::FindDirectChildrenOnly));
    if (cache && !cache->isSessionOf(pg)) {
        delete cache;
        cache = nullptr;
    }
    if (!cache)
        cache = new PreparedStatements(owner, pg);
    return cache;
}

} // namespace

bool available(const QSqlDatabase &db)
{
    return connectionOf(db) != nullptr;
}

QByteArray numberedPlaceholders(const QString &sql)
{
    const QByteArray in = sql.toUtf8();
    QByteArray out;
    out.reserve(in.size() + 16);
    int n = 0;
    char quote = 0;
    for (const char c : in) {
        if (quote) {
            out += c;
            if (c == quote)
                quote = 0; // a doubled quote closes and reopens: same result
        } else if (c == '\'' || c == '"') {
            quote = c;
            out += c;
        } else if (c == '?') {
            out += '$' + QByteArray::number(++n);
        } else {
            out += c;
        }
    }
    return out;
}

QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    PGconn *pg = connectionOf(db);
    if (!pg)
        throw Db::DbError(Db::Fault::Lost, QStringLiteral("no connection to the server [") + sql
                                           + QLatin1Char(']'));
    const Parameters values(params);
    const QList<unsigned> &types = values.types();
    const int n = values.count();
    PreparedStatements *prepared = preparedOn(db.driver(), pg);
    PGresult *r = nullptr;
    if (!prepared) {
        // A transaction that already failed refuses every statement: the server says so
        // without a statement being prepared for it.
        r = PQexecParams(pg, numberedPlaceholders(sql).constData(), n, types.constData(),
                         values.values(), values.lengths(), values.formats(), 0);
    } else {
        const QString key = PreparedStatements::keyOf(sql, types);
        for (int attempt = 0;; ++attempt) {
            const QByteArray name = prepared->nameFor(key, sql, types, db);
            r = PQexecPrepared(pg, name.constData(), n, values.values(), values.lengths(),
                               values.formats(), 0);
            if (!prepared->isStale(r))
                break;
            // Prepared before the tables changed, or dropped from the session: prepared anew.
            // Outside a transaction nothing was lost and the statement runs again; inside one
            // the server has given the transaction up, which is the statement's failure.
            prepared->forget(key, r);
            if (attempt > 0 || PQtransactionStatus(pg) != PQTRANS_IDLE)
                break;
            PQclear(r);
        }
    }
    failUnlessDone(r, pg, sql, db.driver());
    return QSqlQuery(new ServerResult(db.driver(), sql, r));
}

QSqlQuery script(const QString &sql, const QSqlDatabase &db)
{
    PGconn *pg = connectionOf(db);
    if (!pg)
        throw Db::DbError(Db::Fault::Lost, QStringLiteral("no connection to the server [") + sql
                                           + QLatin1Char(']'));
    PGresult *r = PQexec(pg, sql.toUtf8().constData());
    failUnlessDone(r, pg, sql, db.driver());
    return QSqlQuery(new ServerResult(db.driver(), sql, r));
}

} // namespace ServerStatement
