#pragma once

#include <QString>

class QSqlDatabase;
class QSqlDriver;
struct sqlite3;
struct sqlite3_stmt;

// The engine's own interface beside the Qt driver, where the driver's cost per row or per call
// is too high (grids and the charts read hundreds of thousands of rows) or where the driver has
// no call for it (registering a collation).
namespace Sqlite {

// The engine's handle of an open SQLite connection; null for a closed or another connection.
sqlite3 *handle(const QSqlDatabase &db);
// The file behind the handle's main database; empty for a closed or another connection.
QString fileOf(sqlite3 *handle);
QString fileOf(const QSqlDriver *driver);

// A prepared statement, finalized whatever happens, so that the connection can always be
// closed. A failure to prepare, bind or step throws Db::DbError with the fault the engine's
// code stands for, its message and the statement.
class Statement
{
public:
    Statement(sqlite3 *handle, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }

    void bindText(int index, const QString &text);
    void bindInt(int index, qint64 value);
    // True while there is a row.
    bool step();
    qint64 integer(int column) const;
    QString text(int column) const;

    [[noreturn]] void fail() const;

private:
    sqlite3 *m_handle;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
};

} // namespace Sqlite
