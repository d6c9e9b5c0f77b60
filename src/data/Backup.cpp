#include "Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <QUrlQuery>

#include <sqlite3.h>

#include <cstdio>

#include <sys/stat.h>

namespace Backup {

namespace {

constexpr int kFirstStepPages = 64;
constexpr int kProgressSteps = 100;
constexpr int kBusyTimeoutMs = 5000;
constexpr int kBusyRetries = 50;

// An engine connection closed on every way out.
struct Connection
{
    sqlite3 *handle = nullptr;
    ~Connection() { close(); }
    int close()
    {
        const int rc = handle ? sqlite3_close(handle) : SQLITE_OK;
        if (rc == SQLITE_OK)
            handle = nullptr;
        return rc;
    }
    QString error() const
    {
        return handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("out of memory");
    }
};

// Opens an existing file for reading only; never creates one. The URI is built through QUrl,
// so '#', '?' and blanks in the path stay part of the file name.
int openForReading(Connection &c, const QString &path)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("mode"), QStringLiteral("ro"));
    url.setQuery(query);
    return sqlite3_open_v2(url.toString(QUrl::FullyEncoded).toUtf8().constData(), &c.handle,
                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
}

int execute(Connection &c, const char *sql)
{
    return sqlite3_exec(c.handle, sql, nullptr, nullptr, nullptr);
}

// The file a path ends up at: symbolic links followed (a dangling one too), the folder made
// canonical. Empty when the chain of links does not end.
QString resolvedPath(const QString &path)
{
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops > 40)
            return {};
        info = QFileInfo(info.symLinkTarget());
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool sameInode(const QString &a, const QString &b)
{
    struct stat sa;
    struct stat sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Copies every page of source into target (an empty database file), stepping so the caller
// can show the progress. Empty when it worked, else the reason.
QString copyPages(const QString &source, const QString &target, const Progress &progress)
{
    Connection from;
    if (openForReading(from, source) != SQLITE_OK)
        return QStringLiteral("cannot open %1: %2").arg(source, from.error());
    sqlite3_busy_timeout(from.handle, kBusyTimeoutMs);

    Connection to;
    if (sqlite3_open_v2(QFile::encodeName(target).constData(), &to.handle, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK)
        return QStringLiteral("cannot open %1: %2").arg(target, to.error());
    sqlite3_busy_timeout(to.handle, kBusyTimeoutMs);

    sqlite3_backup *backup = sqlite3_backup_init(to.handle, "main", from.handle, "main");
    if (!backup)
        return to.error();
    int rc = SQLITE_OK;
    int pagesPerStep = kFirstStepPages;
    int retries = 0;
    while (true) {
        rc = sqlite3_backup_step(backup, pagesPerStep);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            // Another program holds the file for a moment: wait and go on.
            if (++retries > kBusyRetries)
                break;
            sqlite3_sleep(100);
            continue;
        }
        if (rc != SQLITE_OK && rc != SQLITE_DONE)
            break;
        const int total = sqlite3_backup_pagecount(backup);
        if (progress)
            progress(total - sqlite3_backup_remaining(backup), total);
        if (rc == SQLITE_DONE)
            break;
        pagesPerStep = qMax(kFirstStepPages, total / kProgressSteps);
    }
    const int finished = sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE || finished != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errstr(rc != SQLITE_DONE ? rc : finished)) +
               QStringLiteral(": ") + to.error();

    // The copy stands on its own: one file with a rollback journal, no log beside it, and its
    // tables readable.
    if (execute(to, "PRAGMA journal_mode = DELETE") != SQLITE_OK ||
        execute(to, "SELECT count(*) FROM sqlite_master") != SQLITE_OK)
        return to.error();
    if (to.close() != SQLITE_OK)
        return to.error();
    return {};
}

} // namespace

bool isOwnFile(const QString &account, const QString &target)
{
    const QString resolvedTarget = resolvedPath(target);
    if (resolvedTarget.isEmpty())
        return true;
    const QString resolvedAccount = resolvedPath(account);
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString own = resolvedAccount + QLatin1String(suffix);
        if (resolvedTarget == own || sameInode(target, own))
            return true;
    }
    return false;
}

QString defaultTarget(const QString &folder, const QDate &day)
{
    return QDir(folder).absoluteFilePath(day.toString(QStringLiteral("yyyyMMdd")) +
                                         QStringLiteral(".MDB"));
}

bool copyDataFile(const QString &source, const QString &target, const Progress &progress,
                  QString *why)
{
    auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (target.isEmpty())
        return fail(QStringLiteral("no target file"));
    if (!QFileInfo(source).isFile())
        return fail(QStringLiteral("no such file: ") + source);
    if (isOwnFile(source, target))
        return fail(QStringLiteral("the target is one of the account's own files"));
    if (QFileInfo(target).isDir())
        return fail(QStringLiteral("the target is a folder"));

    const QFileInfo targetInfo(target);
    QTemporaryFile part(targetInfo.absolutePath() + QLatin1Char('/') + QLatin1Char('.') +
                        targetInfo.fileName() + QStringLiteral("-XXXXXX.part"));
    part.setAutoRemove(false);
    if (!part.open())
        return fail(QStringLiteral("cannot write in %1: %2")
                        .arg(targetInfo.absolutePath(), part.errorString()));
    const QString partName = part.fileName();
    part.close();
    auto discard = [&](const QString &reason) {
        QFile::remove(partName);
        QFile::remove(partName + QStringLiteral("-journal"));
        return fail(reason);
    };

    const QString error = copyPages(source, partName, progress);
    if (!error.isEmpty())
        return discard(error);
    // The copy holds what the account holds, passwords included: it gets the account's
    // permissions, never more (the temporary file was created readable by its owner only).
    if (!QFile::setPermissions(partName, QFile::permissions(source)))
        return discard(QStringLiteral("cannot set the permissions of ") + partName);

    // A log or journal left beside an old target would be applied to the new copy the next
    // time it is opened: the overwritten file takes its leftovers with it.
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QString leftover = targetInfo.absoluteFilePath() + QLatin1String(suffix);
        if (QFileInfo::exists(leftover) && !QFile::remove(leftover))
            return discard(QStringLiteral("cannot remove ") + leftover);
    }
    if (std::rename(QFile::encodeName(partName).constData(),
                    QFile::encodeName(targetInfo.absoluteFilePath()).constData()) != 0)
        return discard(QStringLiteral("cannot replace ") + target);
    return true;
}

} // namespace Backup
