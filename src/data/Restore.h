#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Restoring an account from one of its backups. The account in use is first copied into the
// backup folder (nothing is lost if the wrong backup was chosen), then replaced by the backup,
// and the account's connection opens it again.
class AccountContext;

namespace Restore {

// The backup folder: the data folder + "backup/". Backups go there, apart from the accounts.
QString backupFolder(const QString &dataFolder);

// The backups in folder (file names, "*.MDB" in any letter case), newest first.
QStringList listBackups(const QString &folder);

// Where the account in use is copied before it is replaced: the backup folder + the account's
// name + "-恢复前-" + yyyyMMdd-HHmmss + ".MDB".
QString safetyCopyPath(const QString &folder, const QString &accountPath, const QDateTime &now);

enum class Result {
    Restored,         // the connection is open on the account, which now holds the backup's rows
    NotAnAccount,     // the chosen file is no account of this program; nothing changed
    SafetyCopyFailed, // the account in use could not be copied first; nothing changed
    ReplaceFailed,    // the account could not be replaced; it is open again as it was
    Lost,             // neither the backup nor the account as it was could be opened again
};

// Replaces the file of account (the one its connection is open on; the caller has closed its
// windows' queries) by the backup file backup. *safetyCopy names the copy made first,
// *why the reason of a failure.
Result restoreAccount(AccountContext &account, const QString &backup, const QString &folder,
                      const QDateTime &now, QString *safetyCopy, QString *why);

} // namespace Restore
