#pragma once

#include "data/ServerAddress.h"

#include <QString>

// The PostgreSQL server of a test run (scripts/pg-test-server.sh), named by the environment:
// RENTORA_TEST_ENGINE=postgres asks for it, RENTORA_TEST_PG gives its address (or, in a ctest
// run without it, RENTORA_TEST_PG_FIXTURE: the server of CTest's fixture).
namespace TestServer {

// Whether the run asks for accounts on the server.
bool requested();
// The server's address without a database; fatal when RENTORA_TEST_PG is missing or garbled.
ServerAddress address();
// A new empty database with a name no other test uses; fatal when the server refuses.
QString createDatabase();
// Drops it, connections and all.
void dropDatabase(const QString &name);
// Runs sql on the server's maintenance database as its superuser; fatal when it fails.
void runAsSuperuser(const QString &sql);

} // namespace TestServer
