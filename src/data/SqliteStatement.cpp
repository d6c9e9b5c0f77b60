#include "SqliteStatement.h"

#include "Db.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace Sqlite {

sqlite3 *handle(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.isOpen() || !db.driver())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

QString fileOf(sqlite3 *handle)
{
    const char *file = handle ? sqlite3_db_filename(handle, "main") : nullptr;
    return file ? QString::fromUtf8(file) : QString();
}

QString fileOf(const QSqlDriver *driver)
{
    if (!driver)
        return {};
    const QVariant v = driver->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return {};
    return fileOf(*static_cast<sqlite3 *const *>(v.constData()));
}

Statement::Statement(sqlite3 *handle, const QString &sql)
    : m_handle(handle)
    , m_sql(sql)
{
    if (sqlite3_prepare16_v2(handle, sql.utf16(), int(sql.size() * sizeof(char16_t)), &m_stmt,
                             nullptr) != SQLITE_OK ||
        !m_stmt) {
        fail();
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bindText(int index, const QString &text)
{
    if (sqlite3_bind_text16(m_stmt, index, text.utf16(), int(text.size() * sizeof(char16_t)),
                            SQLITE_TRANSIENT) != SQLITE_OK) {
        fail();
    }
}

void Statement::bindInt(int index, qint64 value)
{
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        fail();
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail();
    return false;
}

qint64 Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QString Statement::text(int column) const
{
    const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return chars ? QString::fromUtf8(chars, sqlite3_column_bytes(m_stmt, column)) : QString();
}

void Statement::fail() const
{
    throw Db::DbError(Db::faultOfEngineCode(sqlite3_extended_errcode(m_handle)),
                      QString::fromUtf8(sqlite3_errmsg(m_handle)) + QStringLiteral(" [") + m_sql +
                          QLatin1Char(']'),
                      fileOf(m_handle));
}

} // namespace Sqlite
