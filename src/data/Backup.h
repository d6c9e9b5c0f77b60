#pragma once

#include <QDate>
#include <QString>

#include <functional>

// The data backup: a consistent copy of an account file while the program keeps it open.
namespace Backup {

// The proposed target: folder + the day as yyyyMMdd + ".MDB" (20030701.MDB).
QString defaultTarget(const QString &folder, const QDate &day);

// Whether target is one of the account's own files: the account file itself, its log, its
// shared-memory index or its journal, by name or through any link. A backup written there
// would destroy the account or the transactions in its log.
bool isOwnFile(const QString &account, const QString &target);

// Called after each step of the copy with the pages copied so far and the pages in all.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Copies the database file source to target through the engine's online backup: the copy
// holds every committed row, including those still in the write-ahead log, and is one
// complete file that opens on its own. Written under a temporary name beside the target and
// renamed over it only when complete, so a failed backup leaves an existing target as it was
// and no partial file behind. The target can be none of the account's own files (isOwnFile),
// and the copy gets the permissions of the account file.
// False with *why when any step failed.
bool copyDataFile(const QString &source, const QString &target, const Progress &progress,
                  QString *why);

} // namespace Backup
