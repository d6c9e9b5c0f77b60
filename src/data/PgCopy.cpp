#include "PgCopy.h"

#include "Db.h"

#include <QSqlDriver>

#include <libpq-fe.h>

namespace {

PGconn *connectionOf(const QSqlDatabase &db)
{
    // The driver hands out its PGconn pointer; the type's name is the compiler's ("PGconn*" or
    // that of the struct behind the typedef), so the driver and the pointer kind are checked.
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (db.driverName() != QLatin1String("QPSQL") || !handle.isValid() ||
        !(handle.metaType().flags() & QMetaType::IsPointer)) {
        throw Db::DbError(Db::Fault::Other,
                          QStringLiteral("bulk load: not a PostgreSQL connection (%1)")
                              .arg(QLatin1String(handle.typeName())));
    }
    PGconn *conn = *static_cast<PGconn *const *>(handle.constData());
    if (!conn)
        throw Db::DbError(Db::Fault::Lost, QStringLiteral("bulk load: the connection is closed"));
    return conn;
}

PGconn *pg(void *conn)
{
    return static_cast<PGconn *>(conn);
}

// Sends in pieces of about this size: few calls, little memory.
constexpr qsizetype SendSize = 1 << 20;

} // namespace

QByteArray pgCopyText(const QVariant &value)
{
    if (value.isNull())
        return QByteArrayLiteral("\\N");
    const QByteArray text = value.toString().toUtf8();
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

PgCopy::PgCopy(const QSqlDatabase &db, const QString &table, const QStringList &columns)
    : m_conn(connectionOf(db)), m_table(table)
{
    // Table and column names come from the program's own schema, never from input.
    const QByteArray sql =
        QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columns.join(u", ")).toUtf8();
    PGresult *res = PQexec(pg(m_conn), sql.constData());
    const bool started = PQresultStatus(res) == PGRES_COPY_IN;
    PQclear(res);
    if (!started)
        fail(QString::fromUtf8(sql));
    m_open = true;
    m_buffer.reserve(SendSize + 4096);
}

PgCopy::~PgCopy()
{
    // A load left unfinished by an error is ended as failed; the transaction then rolls back.
    if (m_open) {
        PQputCopyEnd(pg(m_conn), "abandoned");
        while (PGresult *res = PQgetResult(pg(m_conn)))
            PQclear(res);
    }
}

void PgCopy::add(const QVariantList &row)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            m_buffer += '\t';
        m_buffer += pgCopyText(row.at(i));
    }
    m_buffer += '\n';
    if (m_buffer.size() >= SendSize)
        send();
}

void PgCopy::send()
{
    if (m_buffer.isEmpty())
        return;
    if (PQputCopyData(pg(m_conn), m_buffer.constData(), int(m_buffer.size())) != 1)
        fail(QStringLiteral("COPY %1").arg(m_table));
    m_buffer.clear();
}

void PgCopy::finish()
{
    send();
    m_open = false;
    if (PQputCopyEnd(pg(m_conn), nullptr) != 1)
        fail(QStringLiteral("COPY %1").arg(m_table));
    QString error;
    QByteArray state;
    while (PGresult *res = PQgetResult(pg(m_conn))) {
        if (PQresultStatus(res) != PGRES_COMMAND_OK && error.isEmpty()) {
            error = QString::fromUtf8(PQresultErrorMessage(res));
            state = PQresultErrorField(res, PG_DIAG_SQLSTATE);
        }
        PQclear(res);
    }
    if (!error.isEmpty()) {
        throw Db::DbError(Db::faultOfSqlState(QString::fromLatin1(state)),
                          error.trimmed() + QStringLiteral(" (COPY %1)").arg(m_table));
    }
}

void PgCopy::fail(const QString &context)
{
    QString error = QString::fromUtf8(PQerrorMessage(pg(m_conn))).trimmed();
    QByteArray state;
    if (PGresult *res = PQgetResult(pg(m_conn))) {
        if (const char *s = PQresultErrorField(res, PG_DIAG_SQLSTATE))
            state = s;
        PQclear(res);
    }
    if (PQstatus(pg(m_conn)) != CONNECTION_OK)
        throw Db::DbError(Db::Fault::Lost,
                          error + QStringLiteral(" (") + context + QLatin1Char(')'));
    throw Db::DbError(Db::faultOfSqlState(QString::fromLatin1(state)),
                      error + QStringLiteral(" (") + context + QLatin1Char(')'));
}
