#include "DataModule.h"

#include "Collation.h"
#include "Db.h"
#include "Schema.h"
#include "ServerPassword.h"
#include "SettingsStore.h"
#include "SqlDialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

namespace {

void dropConnection(const QString &connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

// Opens path on a new connection; returns the reason when it is not a usable account.
QString tryOpen(const QString &path, const QString &connectionName)
{
    if (path.isEmpty())
        return QStringLiteral("no account file named");
    if (!QFileInfo(path).isFile())
        return QStringLiteral("no such file: ") + path;

    // A URI with mode=rw opens an existing file only, never creates one. Building it through
    // QUrl encodes '#', '?', blanks and other characters that would end a raw "file:" path.
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("mode"), QStringLiteral("rw"));
    url.setQuery(query);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    if (!db.open())
        return db.lastError().text();

    Db::installBusyHandler(db);

    // Nothing is written to the file (no index, no change of journal mode, which rewrites the
    // header) before it has shown itself to be an undamaged account of this program. SQLite
    // opens any file lazily; the first statement tells whether it is a database at all.
    {
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return probe.lastError().text();
    }
    // Names are ordered in pinyin by the statements that say "COLLATE PINYIN".
    if (!Collation::registerWith(db))
        return QStringLiteral("cannot register the name order");
    const QStringList missing = Schema::missingParts(db);
    if (!missing.isEmpty())
        return QStringLiteral("not an account file, missing ") + missing.join(u", ");
    {
        // Damaged pages behind an intact schema page: the quick check reads every page of
        // every table and index (a ten-year shop of 220 MB: half a second of processor time;
        // bench_open). The file is never read here through a handle of its own: closing any
        // other handle on the account file in this process would drop the engine's locks on
        // it, and another counter closing the account would then delete its live log.
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA quick_check")))
            return check.lastError().text();
        QStringList problems;
        while (check.next() && problems.size() < 5) {
            const QString line = check.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << line;
        }
        if (!problems.isEmpty())
            return QStringLiteral("damaged file: ") + problems.join(u"; ");
    }
    try {
        Schema::ensureIndexes(db);
        Schema::addNewParts(db);
    } catch (const Db::DbError &e) {
        // A read-only account is opened as it is: its first write gets the read-only message.
        if (e.fault() != Db::Fault::ReadOnly)
            return e.details();
    }
    try {
        // Write-ahead logging: a committed transaction costs one sync of the log instead of
        // syncs of a rollback journal, the file and its folder (about 3.5 ms against 20 ms for
        // a five-disc rental on this machine), and stays durable with synchronous FULL.
        // Readers never wait for the writer. The log is folded back when the last
        // connection closes.
        Db::exec(QStringLiteral("PRAGMA journal_mode = WAL"), {}, db);
        Db::exec(QStringLiteral("PRAGMA synchronous = FULL"), {}, db);
    } catch (const Db::DbError &e) {
        if (e.fault() != Db::Fault::ReadOnly)
            return e.details();
    }
    return {};
}

// The tables in the database's schema, lower case.
QStringList serverTables(const QSqlDatabase &db)
{
    QStringList tables;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT table_name FROM information_schema.tables "
                                          "WHERE table_schema = current_schema()"),
                           {}, db);
    while (q.next())
        tables << q.value(0).toString().toLower();
    return tables;
}

bool carriesMark(const QSqlDatabase &db)
{
    return Db::scalar(QStringLiteral("SELECT obj_description(to_regclass('tbsetup'), 'pg_class')"),
                      {}, db)
               .toString()
           == QLatin1String(ServerAccountMark);
}

// Opens db with the password given earlier in this run, if any. When the server wants a
// password the client library's files do not give, or does not accept the one given, the
// operator is asked (the prompt the user interface installed) until the connection opens or
// he declines; the password that opened it is kept for this run only.
bool openAskingPassword(QSqlDatabase &db, const ServerAddress &address)
{
    QString password = ServerPassword::remembered(address).value_or(QString());
    while (true) {
        db.setPassword(password);
        if (db.open()) {
            if (!password.isEmpty())
                ServerPassword::remember(address, password);
            return true;
        }
        const ServerPassword::Prompt &ask = ServerPassword::prompt();
        if (!ask)
            return false;
        const ServerPassword::Demand demand = ServerPassword::demandOf(address, password);
        if (demand != ServerPassword::Demand::Missing
            && demand != ServerPassword::Demand::NotAccepted)
            return false;
        ServerPassword::forget(address);
        const std::optional<QString> given = ask(
            address, demand == ServerPassword::Demand::NotAccepted ? db.lastError().text() : QString());
        if (!given)
            return false;
        password = *given;
    }
}

// A plain connection to the server's database with the program's settings.
QString tryConnectServer(const ServerAddress &address, const QString &connectionName)
{
    if (!address.isValid())
        return QStringLiteral("no server address (host and database) given");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    if (!db.isValid())
        return QStringLiteral("the PostgreSQL driver of Qt (QPSQL) is not installed");
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setDatabaseName(address.database);
    if (!address.user.isEmpty())
        db.setUserName(address.user);
    db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=Rentora"));
    if (!openAskingPassword(db, address))
        return db.lastError().text();
    try {
        // Statements outside a writer's transaction wait no longer for a lock than it does.
        Db::exec(QStringLiteral("SET lock_timeout = %1").arg(qMax(1, Db::busyTimeout())), {}, db);
        Db::exec(QStringLiteral("SET client_encoding = 'UTF8'"), {}, db);
        // No parallel workers: the program's lists, lookups and reports are small queries,
        // for which starting workers costs more than it saves, the more so with several
        // counters sharing the server's cores (a sales list took 150 ms instead of 30).
        Db::exec(QStringLiteral("SET max_parallel_workers_per_gather = 0"), {}, db);
    } catch (const Db::DbError &e) {
        return e.details().isEmpty() ? e.message() : e.details();
    }
    return {};
}

QString tryOpenServer(const ServerAddress &address, const QString &connectionName)
{
    const QString unreachable = tryConnectServer(address, connectionName);
    if (!unreachable.isEmpty())
        return unreachable;
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    try {
        const QStringList tables = serverTables(db);
        if (tables.isEmpty()) {
            Schema::create(db);
            Schema::writeRequiredRows(db);
            markServerAccount(db);
            return {};
        }
        if (!tables.contains(QStringLiteral("tbsetup")) || !carriesMark(db)) {
            return QStringLiteral("the database %1 holds %2 tables of another program; an account "
                                  "is made only in an empty database")
                .arg(address.database)
                .arg(tables.size());
        }
        const QStringList missing = Schema::missingParts(db);
        if (!missing.isEmpty())
            return QStringLiteral("not a complete account, missing ") + missing.join(u", ");
        Schema::ensureIndexes(db);
        Schema::addNewParts(db);
    } catch (const Db::DbError &e) {
        return e.details().isEmpty() ? e.message() : e.details();
    }
    return {};
}

} // namespace

void markServerAccount(const QSqlDatabase &db)
{
    Db::exec(QStringLiteral("COMMENT ON TABLE TBSetup IS '%1'").arg(QLatin1String(ServerAccountMark)),
             {}, db);
}

QStringList serverTableNames(const QSqlDatabase &db)
{
    return serverTables(db);
}

bool connectServer(const ServerAddress &address, const QString &connectionName, QString *why)
{
    if (QSqlDatabase::contains(connectionName))
        dropConnection(connectionName);
    const QString error = tryConnectServer(address, connectionName);
    if (error.isEmpty())
        return true;
    if (why)
        *why = error;
    dropConnection(connectionName);
    return false;
}

bool openServerAccount(const ServerAddress &address, const QString &connectionName, QString *why)
{
    if (QSqlDatabase::contains(connectionName))
        dropConnection(connectionName);
    const QString error = tryOpenServer(address, connectionName);
    if (error.isEmpty())
        return true;
    if (why)
        *why = error;
    dropConnection(connectionName);
    return false;
}

std::optional<ServerAddress> serverAccountOf(const QString &account)
{
    if (!account.contains(QLatin1Char('=')))
        return std::nullopt;
    const std::optional<ServerAddress> address = ServerAddress::fromText(account);
    if (!address || !address->isValid())
        return std::nullopt;
    return address;
}

QString accountDisplayName(const QString &account)
{
    if (const auto address = serverAccountOf(account))
        return address->displayName();
    return QDir::toNativeSeparators(account);
}

bool openAccount(const QString &account, const QString &connectionName, QString *why)
{
    if (const auto address = serverAccountOf(account))
        return openServerAccount(*address, connectionName, why);
    return openAccountFile(account, connectionName, why);
}

bool openAccountFile(const QString &path, const QString &connectionName, QString *why)
{
    if (QSqlDatabase::contains(connectionName))
        dropConnection(connectionName);
    const QString error = tryOpen(path, connectionName);
    if (error.isEmpty())
        return true;
    if (why)
        *why = error;
    dropConnection(connectionName);
    return false;
}

TDataModule1::TDataModule1(AccountContext &account, QObject *parent)
    : QObject(parent), m_account(account)
{
}

TDataModule1::~TDataModule1()
{
    {
        QSqlDatabase db = m_account.db();
        if (db.isValid() && db.isOpen()) {
            // Lets the engine refresh its statistics for the query planner when they are stale
            // (a server keeps its own).
            if (SqlDialect::engineOf(db) == SqlDialect::Engine::Sqlite)
                QSqlQuery(db).exec(QStringLiteral("PRAGMA optimize"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_account.connectionName());
    m_account.setAccount(QString());
}

bool TDataModule1::connectCurrentAccount(QString *why)
{
    QString path = GetRunData();
    if (path.isEmpty()) {
        path = dataFolder() + QStringLiteral("Sample.MDB");
        SetRunData(path);
    }
    if (!openAccount(path, m_account.connectionName(), why))
        return false;
    m_account.setAccount(path);
    return true;
}
