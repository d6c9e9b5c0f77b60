#pragma once

#include "AccountContext.h"
#include "DataFolder.h"
#include "ServerAddress.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The server address an account's name holds, or nothing for a file's path. A path never
// reads as an address: an address names a host and a database in "key=value" parts.
std::optional<ServerAddress> serverAccountOf(const QString &account);
// How the operator is shown an account: the file's path, or the server's name.
QString accountDisplayName(const QString &account);
// Opens the account named account (a file's path or a server's address, as
// AccountContext::account holds them) on connectionName: openAccountFile or openServerAccount.
bool openAccount(const QString &account, const QString &connectionName, QString *why);

// Opens an existing account file on the connection named connectionName. Never creates a
// file: a missing file, a file that is not SQLite and an SQLite file without this program's
// tables all fail, with the reason in *why. The path may hold any characters.
bool openAccountFile(const QString &path, const QString &connectionName, QString *why);

// Opens the account in a PostgreSQL database on the connection named connectionName. An empty
// database (no table in its schema) becomes a new account: the schema and the rows a new
// account needs, marked as this program's. A database holding tables that are not this
// program's account is refused and left as it is; so is one that cannot be reached. The
// reason goes to *why. The password comes from the client library's password or service file,
// or from the operator when the server asks for one (ServerPassword).
// Writers wait for each other within the busy timeout, as on a file.
bool openServerAccount(const ServerAddress &address, const QString &connectionName, QString *why);

// The mark an account database carries (the comment on its TBSetup table).
inline constexpr const char *ServerAccountMark = "Rentora account";
// Puts the mark on the account in db (its schema written).
void markServerAccount(const QSqlDatabase &db);
// The tables in the schema of the server database db, lower case.
QStringList serverTableNames(const QSqlDatabase &db);

// A plain connection to the database at address on connectionName, with the settings of an
// account's connection (lock waits within the busy timeout, UTF-8), nothing read or written.
bool connectServer(const ServerAddress &address, const QString &connectionName, QString *why);

// The data module: owns the connection of the account context it is given (the program's is
// MainConn) from start-up to exit. Start-up builds it; nothing reaches for it.
class TDataModule1 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule1(AccountContext &account, QObject *parent = nullptr);
    ~TDataModule1() override;

    // Finds the current account (the stored path or server address, or data/Sample.MDB which
    // is then stored), opens the context's connection on it and names it in the context.
    // False when it cannot be opened; *why says why.
    bool connectCurrentAccount(QString *why);

private:
    AccountContext &m_account;
};
