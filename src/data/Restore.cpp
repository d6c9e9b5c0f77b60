#include "Restore.h"

#include "AccountFiles.h"
#include "Backup.h"
#include "DataModule.h"
#include "Db.h"
#include "Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

namespace Restore {
namespace {

const QString kCheckConnection = QStringLiteral("RestoreCheck");

// Reads the file without changing it (a backup stays as it was made): an SQLite file holding
// this program's tables.
bool isAccount(const QString &path, QString *why)
{
    bool ok = false;
    {
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("mode"), QStringLiteral("ro"));
        url.setQuery(query);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kCheckConnection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        QString reason;
        if (!QFileInfo(path).isFile())
            reason = QStringLiteral("no such file: ") + path;
        else if (!db.open())
            reason = db.lastError().text();
        else if (QSqlQuery probe(db); !probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            reason = probe.lastError().text();
        else if (const QStringList missing = Schema::missingParts(db); !missing.isEmpty())
            reason = QStringLiteral("not an account file, missing ") + missing.join(u", ");
        ok = reason.isEmpty();
        if (!ok && why)
            *why = reason;
        db.close();
    }
    QSqlDatabase::removeDatabase(kCheckConnection);
    return ok;
}

void closeConnection(const AccountContext &account)
{
    QSqlDatabase db = account.db();
    if (db.isValid() && db.isOpen())
        db.close();
}

} // namespace

QString backupFolder(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("backup")) + QLatin1Char('/');
}

QStringList listBackups(const QString &folder)
{
    const QDir dir(folder, QStringLiteral("*") + AccountFiles::Extension,
                   QDir::Time | QDir::IgnoreCase, QDir::Files);
    QStringList names;
    for (const QString &name : dir.entryList()) {
        // A copy still being written (".name-XXXXXX.part") is no backup.
        if (!name.startsWith(QLatin1Char('.')))
            names << name;
    }
    return names;
}

QString safetyCopyPath(const QString &folder, const QString &accountPath, const QDateTime &now)
{
    return QDir(folder).filePath(QFileInfo(accountPath).completeBaseName() +
                                 QStringLiteral("-恢复前-") +
                                 now.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                                 AccountFiles::Extension);
}

Result restoreAccount(AccountContext &account, const QString &backup, const QString &folder,
                      const QDateTime &now, QString *safetyCopy, QString *why)
{
    const QString accountPath = account.account();
    if (!isAccount(backup, why))
        return Result::NotAnAccount;

    QDir().mkpath(folder);
    const QString safety = safetyCopyPath(folder, accountPath, now);
    if (!Backup::copyDataFile(accountPath, safety, {}, why))
        return Result::SafetyCopyFailed;
    if (safetyCopy)
        *safetyCopy = safety;

    // The file is replaced while nothing holds it open; the copy takes the backup's rows as
    // one complete file, and the account's leftover log goes with the old file.
    closeConnection(account);
    QString replaceWhy;
    const bool replaced = Backup::copyDataFile(backup, accountPath, {}, &replaceWhy);
    QString openWhy;
    if (AccountFiles::switchAccount(account, accountPath, &openWhy) ==
        AccountFiles::SwitchResult::Switched) {
        if (replaced)
            return Result::Restored;
        if (why)
            *why = replaceWhy;
        return Result::ReplaceFailed;
    }

    // The replaced file does not open: the account goes back to what it was before.
    QString backWhy;
    if (Backup::copyDataFile(safety, accountPath, {}, &backWhy) &&
        AccountFiles::switchAccount(account, accountPath, &backWhy) ==
            AccountFiles::SwitchResult::Switched) {
        if (why)
            *why = openWhy;
        return Result::ReplaceFailed;
    }
    if (why)
        *why = openWhy + QLatin1Char('\n') + backWhy;
    return Result::Lost;
}

} // namespace Restore
