#pragma once

#include "GridTable.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Reads the rows of a grid's query into a GridTable. The statement is prepared with '?'
// placeholders and the values are bound, never pasted into the text.
//
// On SQLite the rows are read through the engine's own API on the connection's handle: the
// values arrive typed (integer, real, text) and texts are copied straight into the table's
// buffers, about four times faster than going through QSqlQuery and a QVariant per cell,
// which matters for a 100,000-row stock list. Other engines go through QSqlQuery.
namespace GridReader {

// Storages are keyed as GridTable::load() expects (lower case, no table prefix).
// Throws Db::DbError when the statement cannot be prepared or run.
GridTable read(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
               const QHash<QString, GridTable::Storage> &storages = {});

// Reads a query's rows in steps, so a grid can show its first screen before the rest of a
// long list has arrived. It goes through QSqlQuery on purpose: the statement stays open
// between steps, and the Qt driver finalizes its own statements when the connection closes
// (a statement of the engine's API left open would keep the file from closing). On a server
// the rows stream on a connection of their own, closed when the last row is in or the cursor
// is destroyed; inside an open transaction they are read on the account's connection, which
// sees what the transaction wrote.
class Cursor
{
public:
    // Runs the statement and gives the table its fields. Throws Db::DbError.
    Cursor(const QSqlDatabase &db, const QString &sql, const QVariantList &params,
           const QHash<QString, GridTable::Storage> &storages, GridTable &table);
    // Appends rows until maxRows were read or budgetMs have passed (checked every few rows);
    // returns true once every row is in. Throws Db::DbError when the engine fails midway.
    bool fetch(GridTable &table, int maxRows, int budgetMs = -1);
    bool isDone() const { return m_done; }

private:
    static QSqlQuery start(const QSqlDatabase &db, const QString &sql,
                           const QVariantList &params);

    QSqlQuery m_query;
    bool m_done = false;
};

} // namespace GridReader
