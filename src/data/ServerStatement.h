#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A statement with values on a PostgreSQL connection in one round trip: the statement goes to
// the server with its '?' placeholders as $1, $2, ... and the values apart from it, the whole
// result comes back at once. Each statement is prepared once per session of the connection
// (the client library's PQprepare) and then only executed with its values (PQexecPrepared), so
// the server parses and plans it once. The SQL driver's own prepared path costs three round
// trips per statement (PREPARE, EXECUTE, DEALLOCATE) and sends the values as literals inside
// the EXECUTE.
namespace ServerStatement {

// How many statements one session keeps prepared; the one used longest ago makes room.
inline constexpr int PreparedCapacity = 200;

// Whether db's driver hands out the client library's connection (a PostgreSQL connection).
bool available(const QSqlDatabase &db);

// Runs sql with params on db; the result reads as any query's (next(), value(), record(),
// numRowsAffected()). Throws DbError with the server's SQLSTATE as the fault.
QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

// Runs sql, one statement or several separated by ';', without values, in one round trip;
// the result is the last statement's. The first statement that fails ends it and is thrown.
QSqlQuery script(const QString &sql, const QSqlDatabase &db);

// sql with its '?' placeholders numbered $1, $2, ... (none inside quoted text or names).
QByteArray numberedPlaceholders(const QString &sql);

} // namespace ServerStatement
