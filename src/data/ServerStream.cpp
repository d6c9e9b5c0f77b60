#include "ServerStream.h"

#include "Db.h"
#include "ServerStatement.h"
#include "ServerValues.h"

#include <QSqlDriver>
#include <QSqlResult>

#include <vector>

namespace ServerStream {

using namespace ServerValues;

namespace {

// A value of the server's session options, its blanks and backslashes escaped.
QByteArray optionValue(const char *value)
{
    QByteArray out;
    for (const char *c = value; c && *c; ++c) {
        if (*c == ' ' || *c == '\\')
            out += '\\';
        out += *c;
    }
    return out;
}

// A new connection to where pg is connected, with the settings that change how values come
// back (dates, times, intervals, the text's encoding) as pg has them.
PGconn *connectLike(PGconn *pg)
{
    std::vector<QByteArray> keys;
    std::vector<QByteArray> values;
    PQconninfoOption *options = PQconninfo(pg);
    for (PQconninfoOption *o = options; o && o->keyword; ++o) {
        if (!o->val || !*o->val || qstrcmp(o->keyword, "options") == 0
            || qstrcmp(o->keyword, "client_encoding") == 0)
            continue;
        keys.emplace_back(o->keyword);
        values.emplace_back(o->val);
    }
    PQconninfoFree(options);
    QByteArray session;
    for (const char *name : {"DateStyle", "IntervalStyle", "TimeZone"}) {
        if (const char *value = PQparameterStatus(pg, name))
            session += "-c " + QByteArray(name) + '=' + optionValue(value) + ' ';
    }
    // A reader waits for a lock no longer than a writer does, and runs without parallel
    // workers as the account's connection does.
    session += "-c lock_timeout=" + QByteArray::number(qMax(1, Db::busyTimeout()));
    session += " -c max_parallel_workers_per_gather=0";
    // A query given up while the server still works on it (a long sort before its first row)
    // is stopped within a second of its connection closing.
    if (PQserverVersion(pg) >= 140000)
        session += " -c client_connection_check_interval=1000";
    keys.emplace_back("options");
    values.emplace_back(session);
    keys.emplace_back("client_encoding");
    values.emplace_back("UTF8");
    std::vector<const char *> keyPointers;
    std::vector<const char *> valuePointers;
    for (size_t i = 0; i < keys.size(); ++i) {
        keyPointers.push_back(keys[i].constData());
        valuePointers.push_back(values[i].constData());
    }
    keyPointers.push_back(nullptr);
    valuePointers.push_back(nullptr);
    return PQconnectdbParams(keyPointers.data(), valuePointers.data(), 0);
}

// Closes pg once the server has answered everything sent: a connection closed while the
// server still has to say it is ready again shows in its log as a client lost.
void finish(PGconn *pg)
{
    while (PGresult *r = PQgetResult(pg))
        PQclear(r);
    PQfinish(pg);
}

// The rows of one query as they arrive, on a connection the result owns.
class StreamResult : public QSqlResult
{
public:
    StreamResult(const QSqlDriver *driver, const QString &sql, PGconn *own, PGresult *first)
        : QSqlResult(driver), m_pg(own), m_row(first), m_record(recordOf(first))
    {
        setQuery(sql);
        setForwardOnly(true);
        setActive(true);
        setSelect(true);
        setAt(QSql::BeforeFirstRow);
        if (PQresultStatus(m_row) != PGRES_SINGLE_TUPLE)
            close(); // no row at all
    }
    ~StreamResult() override { close(); }

protected:
    QVariant data(int column) override { return valueAt(m_row, 0, column); }
    bool isNull(int column) override { return PQgetisnull(m_row, 0, column); }
    bool reset(const QString &) override { return false; }
    bool fetch(int row) override { return row == at() + 1 && fetchNext(); }
    bool fetchFirst() override
    {
        // The first row arrived with the start.
        if (at() != QSql::BeforeFirstRow || !m_row)
            return false;
        setAt(0);
        return true;
    }
    bool fetchNext() override
    {
        if (!m_pg)
            return false;
        if (at() == QSql::BeforeFirstRow)
            return fetchFirst();
        PQclear(m_row);
        m_row = PQgetResult(m_pg);
        switch (PQresultStatus(m_row)) {
        case PGRES_SINGLE_TUPLE:
            setAt(at() + 1);
            return true;
        case PGRES_TUPLES_OK: // the end
            break;
        default:
            setLastError(errorOf(m_row, m_pg));
            break;
        }
        close();
        return false;
    }
    bool fetchLast() override { return false; }
    int size() override { return -1; }
    int numRowsAffected() override { return -1; }
    QSqlRecord record() const override { return m_record; }

private:
    // Ends the query and closes the connection. A query still sending rows is cancelled and
    // its last answers read first, so the server ends it as a statement cancelled, not as a
    // client gone missing.
    void close()
    {
        const bool running = m_pg && PQresultStatus(m_row) == PGRES_SINGLE_TUPLE;
        PQclear(m_row);
        m_row = nullptr;
        if (!m_pg)
            return;
        if (running) {
            if (PGcancel *cancel = PQgetCancel(m_pg)) {
                char why[256];
                PQcancel(cancel, why, int(sizeof why));
                PQfreeCancel(cancel);
            }
        }
        finish(m_pg);
        m_pg = nullptr;
    }

    PGconn *m_pg;
    PGresult *m_row;
    QSqlRecord m_record;
};

} // namespace

bool possible(const QSqlDatabase &db)
{
    PGconn *pg = connectionOf(db);
    return pg && PQstatus(pg) == CONNECTION_OK && PQtransactionStatus(pg) == PQTRANS_IDLE;
}

QSqlQuery open(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    PGconn *main = connectionOf(db);
    if (!main)
        throw Db::DbError(Db::Fault::Lost, QStringLiteral("no connection to the server [") + sql
                                           + QLatin1Char(']'));
    PGconn *pg = connectLike(main);
    if (PQstatus(pg) != CONNECTION_OK) {
        const QString why = QString::fromUtf8(PQerrorMessage(pg)).trimmed();
        PQfinish(pg);
        throw Db::engineError(QSqlError(QStringLiteral("QPSQL: Unable to connect"), why,
                                        QSqlError::ConnectionError),
                              sql, db.driver());
    }
    const Parameters values(params);
    if (!PQsendQueryParams(pg, ServerStatement::numberedPlaceholders(sql).constData(),
                           values.count(), values.types().constData(), values.values(),
                           values.lengths(), values.formats(), 0)
        || !PQsetSingleRowMode(pg)) {
        const QSqlError error = errorOf(nullptr, pg);
        PQfinish(pg);
        throw Db::engineError(error, sql, db.driver());
    }
    PGresult *first = PQgetResult(pg);
    const ExecStatusType status = PQresultStatus(first);
    if (status != PGRES_SINGLE_TUPLE && status != PGRES_TUPLES_OK) {
        const QSqlError error = errorOf(first, pg);
        PQclear(first);
        finish(pg);
        throw Db::engineError(error, sql, db.driver());
    }
    return QSqlQuery(new StreamResult(db.driver(), sql, pg, first));
}

} // namespace ServerStream
