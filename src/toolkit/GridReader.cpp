#include "GridReader.h"

#include "data/Db.h"
#include "data/ServerStatement.h"
#include "data/ServerStream.h"
#include "data/SqliteStatement.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace GridReader {
namespace {

// Binds as the Qt driver does: numbers as numbers, dates as ISO text, the rest as text.
int bind(sqlite3_stmt *stmt, int i, const QVariant &v)
{
    if (v.isNull())
        return sqlite3_bind_null(stmt, i);
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(stmt, i, v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, i, qint64(v.toULongLong()));
    case QMetaType::Float:
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, i, v.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return sqlite3_bind_blob(stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QDate:
        return bind(stmt, i, v.toDate().toString(Qt::ISODate));
    case QMetaType::QDateTime:
        return bind(stmt, i, v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    default: {
        const QString s = v.toString();
        return sqlite3_bind_text16(stmt, i, s.utf16(), int(s.size() * sizeof(char16_t)),
                                   SQLITE_TRANSIENT);
    }
    }
}

GridTable readSqlite(sqlite3 *handle, const QString &sql, const QVariantList &params,
                     const QHash<QString, GridTable::Storage> &storages)
{
    Sqlite::Statement statement(handle, sql);
    sqlite3_stmt *stmt = statement.get();
    if (sqlite3_bind_parameter_count(stmt) != params.size()) {
        throw Db::DbError(Db::Fault::Other, QStringLiteral("%1 values for %2 placeholders [%3]")
                              .arg(params.size())
                              .arg(sqlite3_bind_parameter_count(stmt))
                              .arg(sql));
    }
    for (int i = 0; i < params.size(); ++i) {
        if (bind(stmt, i + 1, params[i]) != SQLITE_OK)
            statement.fail();
    }

    const int n = sqlite3_column_count(stmt);
    QStringList names;
    QList<std::optional<GridTable::Storage>> forced;
    for (int i = 0; i < n; ++i) {
        const auto *name = static_cast<const char16_t *>(sqlite3_column_name16(stmt, i));
        names << (name ? QString::fromUtf16(name) : QString());
        QString key = names.last().toLower();
        key = key.mid(key.lastIndexOf(u'.') + 1);
        const auto it = storages.constFind(key);
        forced << (it == storages.cend() ? std::nullopt : std::optional<GridTable::Storage>(*it));
    }
    GridTable table;
    table.setFields(names, forced);

    while (statement.step()) {
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                table.appendInt(i, sqlite3_column_int64(stmt, i));
                break;
            case SQLITE_FLOAT:
                table.appendReal(i, sqlite3_column_double(stmt, i));
                break;
            case SQLITE_NULL:
                table.appendNull(i);
                break;
            default: { // text, and blobs read as text
                const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(stmt, i));
                const int bytes = sqlite3_column_bytes16(stmt, i);
                table.appendText(i, QStringView(text, bytes / qsizetype(sizeof(char16_t))));
                break;
            }
            }
        }
        table.endRow();
    }
    table.finish();
    return table;
}

} // namespace

// The query of a cursor: on a server streamed on a connection of its own, so the first rows
// come before the whole result has arrived; when that connection cannot be made (the server
// takes no more connections), the whole result on the account's connection, as on a file.
QSqlQuery Cursor::start(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    if (ServerStream::possible(db)) {
        try {
            return ServerStream::open(sql, params, db);
        } catch (const Db::DbError &e) {
            if (e.fault() != Db::Fault::Lost)
                throw;
            Db::logSkipped(e, "the list is read whole on the account's connection");
        }
    }
    return Db::exec(sql, params, db);
}

Cursor::Cursor(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
               const QHash<QString, GridTable::Storage> &storages, GridTable &table)
    : m_query(start(db, sql, params))
{
    table.setFields(m_query, storages);
}

bool Cursor::fetch(GridTable &table, int maxRows, int budgetMs)
{
    if (m_done)
        return true;
    QElapsedTimer clock;
    clock.start();
    constexpr int step = 256;
    for (int read = 0; read < maxRows; read += step) {
        if (!table.loadRows(m_query, qMin(step, maxRows - read))) {
            m_done = true;
            break;
        }
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            break;
    }
    if (m_done) {
        // next() is false at the end and on a failure; only the error tells them apart.
        if (m_query.lastError().isValid())
            throw Db::engineError(m_query.lastError(), m_query.lastQuery(), m_query.driver());
        table.finish();
    }
    return m_done;
}

GridTable read(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
               const QHash<QString, GridTable::Storage> &storages)
{
    if (sqlite3 *handle = Sqlite::handle(db))
        return readSqlite(handle, sql, params, storages);
    // A server: the whole result in one answer, its statement prepared once per session, the
    // cells read straight from the client library's result (the SQL driver's rows, streamed
    // one by one, cost about as much again as the query on the server).
    QSqlQuery q = ServerStatement::available(db) ? ServerStatement::exec(sql, params, db)
                                                 : Db::stream(sql, params, db);
    GridTable table;
    table.load(q, storages);
    return table;
}

} // namespace GridReader
