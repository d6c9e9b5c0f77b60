#pragma once

#include <QString>

#include <optional>

// Where an account on a PostgreSQL server lives: host (a name, an address or the folder of a
// Unix socket), port, database and user. No password: the server's client library finds it in
// the user's password file (~/.pgpass, or the file PGPASSFILE names) or a service file, or the
// operator is asked for it and it is kept in memory for the run (ServerPassword), so it is
// never kept in the program's settings.
struct ServerAddress
{
    QString host;
    int port = 5432;
    QString database;
    QString user;

    // A host and a database are named and the port is a port.
    bool isValid() const;

    // The stable text form kept in the settings: the client library's own "key=value" form,
    // e.g. "host=db.shop.lan port=5432 dbname=shop user=counter1"; values with blanks, quotes
    // or backslashes are quoted as the library quotes them. Parts left empty are left out.
    QString toText() const;
    // Reads the text form back; other keys (sslmode, ...) are ignored. Nothing when the text
    // is no such form (an unclosed quote, a part without '=', a port that is no number).
    static std::optional<ServerAddress> fromText(const QString &text);

    // How the caption and the status bar name it: "shop @ db.shop.lan:5432 (counter1)".
    QString displayName() const;

    friend bool operator==(const ServerAddress &, const ServerAddress &) = default;
};
