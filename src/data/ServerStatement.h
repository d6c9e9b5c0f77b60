#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A statement with values on a PostgreSQL connection in one round trip: the statement goes to
// the server with its '?' placeholders as $1, $2, ... and the values apart from it (the client
// library's PQexecParams), the whole result comes back at once. The SQL driver's own prepared
// path costs three round trips per statement (PREPARE, EXECUTE, DEALLOCATE) and sends the
// values as literals inside the EXECUTE.
namespace ServerStatement {

// Whether db's driver hands out the client library's connection (a PostgreSQL connection).
bool available(const QSqlDatabase &db);

// Runs sql with params on db; the result reads as any query's (next(), value(), record(),
// numRowsAffected()). Throws DbError with the server's SQLSTATE as the fault.
QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db);

// sql with its '?' placeholders numbered $1, $2, ... (none inside quoted text or names).
QByteArray numberedPlaceholders(const QString &sql);

} // namespace ServerStatement
