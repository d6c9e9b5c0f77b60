#pragma once

#include "data/ServerAddress.h"

#include <QString>

#include <libpq-fe.h>

// A connection of the server's client library for the benchmarks: the floor's statements and
// putting a shop on a throw-away server database. Any failure ends the benchmark.
class ServerConnection
{
public:
    explicit ServerConnection(const ServerAddress &address);
    ~ServerConnection();
    ServerConnection(const ServerConnection &) = delete;
    ServerConnection &operator=(const ServerConnection &) = delete;

    // Ends the run when result failed; frees it.
    void check(PGresult *result, const char *what);
    // Runs a statement without parameters.
    void exec(const QByteArray &sql);

    PGconn *pg = nullptr;
};

// Makes the database `name` on the server at base (its host, port and user) anew, empty;
// returns its address.
ServerAddress freshDatabase(const ServerAddress &base, const QString &name);
// Drops the database at address.
void dropDatabase(const ServerAddress &address);

// Writes the account file at path into the empty database at target: the account's schema
// through openServerAccount, then every table's rows with their keys through the server's
// bulk load (COPY), in one transaction, and the keys continued after the largest. Prints the
// rows copied and the time taken.
void copyShopToServer(const QString &path, const ServerAddress &target);
