#include "DataModule.h"

#include "Collation.h"
#include "Db.h"
#include "Schema.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

QString CurrentDBFile;
TDataModule1 *DataModule1 = nullptr;

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

} // namespace

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

TDataModule1::TDataModule1(QObject *parent) : QObject(parent)
{
    DataModule1 = this;
}

TDataModule1::~TDataModule1()
{
    {
        QSqlDatabase db = Db::mainConn();
        if (db.isValid() && db.isOpen()) {
            // Lets the engine refresh its statistics for the query planner when they are stale.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA optimize"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    if (DataModule1 == this)
        DataModule1 = nullptr;
}

bool TDataModule1::connectCurrentAccount(QString *why)
{
    QString path = GetRunData();
    if (path.isEmpty()) {
        path = dataFolder() + QStringLiteral("Sample.MDB");
        SetRunData(path);
    }
    if (!openAccountFile(path, QLatin1String(Db::MainConnName), why))
        return false;
    CurrentDBFile = path;
    return true;
}
