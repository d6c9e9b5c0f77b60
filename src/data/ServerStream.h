#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A long query's rows streamed from the server on a connection of their own, so that the
// first rows can be shown while the rest is still coming, and the account's connection stays
// free for other statements meanwhile (a result streamed on it would be dropped by the next
// statement). The connection is made like the account's (same server, database, user and
// password, same date and time settings), the query starts on it at once, and the rows come
// one by one as the server sends them (the client library's single-row mode). The connection
// is closed when the last row has been read, on a failure, or when the query is destroyed
// (the server then stops sending).
namespace ServerStream {

// Whether rows of db can be streamed apart: a server connection outside a transaction (a
// connection of its own would not see what the open transaction wrote but did not commit).
bool possible(const QSqlDatabase &db);

// Starts sql with params on a new connection like db's and waits for the first row (or the
// end). The query reads forward only: next(), value(), record(); a failure midway ends next()
// with lastError() set. Throws DbError when the connection cannot be made or the statement
// is refused.
QSqlQuery open(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

} // namespace ServerStream
