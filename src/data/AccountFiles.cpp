#include "AccountFiles.h"

#include "DataModule.h"
#include "Db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace AccountFiles {

namespace {

// Characters no file name may hold on the systems a shop's data folder may be copied to;
// "/" and "\" would also lead out of the data folder.
bool allowedInFileName(QChar c)
{
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return false;
    return !QStringLiteral("/\\:*?\"<>|").contains(c);
}

QString folderPath(const QString &folder)
{
    return QDir(folder).absolutePath();
}

} // namespace

QString accountPath(const QString &folder, const QString &name)
{
    return QDir(folder).absoluteFilePath(name + Extension);
}

NameCheck checkAccountName(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return NameCheck::Empty;
    for (QChar c : name) {
        if (!allowedInFileName(c))
            return NameCheck::NotAllowed;
    }
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(TemplateName)).isFile())
        return NameCheck::NoTemplate;
    // The account list ignores letter case: "2004.mdb" and "2004.MDB" would be one account
    // twice, and "lumomodal" would create a file the list never shows.
    const QString wanted = name + Extension;
    const QStringList present =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : present) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return NameCheck::Exists;
    }
    return NameCheck::Ok;
}

bool createAccountFile(const QString &folder, const QString &name, QString *why)
{
    auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    for (QChar c : name) {
        if (!allowedInFileName(c))
            return fail(QStringLiteral("not a file name: ") + name);
    }
    if (name.isEmpty())
        return fail(QStringLiteral("no account name"));

    const QString target = accountPath(folder, name);
    QFile source(QDir(folder).filePath(TemplateName));
    if (!source.open(QIODevice::ReadOnly))
        return fail(source.errorString());

    // Copied under a temporary name in the same folder and renamed when complete: an
    // interrupted copy never looks like an account, and an existing file is never replaced.
    QTemporaryFile copy(folderPath(folder) + QStringLiteral("/.new-account-XXXXXX"));
    copy.setAutoRemove(false);
    if (!copy.open())
        return fail(copy.errorString());
    const QString temporary = copy.fileName();
    auto discard = [&](const QString &reason) {
        copy.close();
        QFile::remove(temporary);
        return fail(reason);
    };

    QByteArray block;
    while (!source.atEnd()) {
        block = source.read(64 * 1024);
        if (block.isEmpty() && source.error() != QFileDevice::NoError)
            return discard(source.errorString());
        if (copy.write(block) != block.size())
            return discard(copy.errorString());
    }
    if (!copy.flush())
        return discard(copy.errorString());
    copy.close();
    if (copy.error() != QFileDevice::NoError)
        return discard(copy.errorString());
    // The operator works in the new account: it must be writable even when the template was
    // installed read-only.
    QFile::setPermissions(temporary, source.permissions() | QFileDevice::ReadOwner |
                                         QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                         QFileDevice::WriteUser);
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        return fail(QFileInfo::exists(target) ? QStringLiteral("file exists: ") + target
                                              : QStringLiteral("cannot write ") + target);
    }
    return true;
}

QStringList listAccounts(const QString &folder)
{
    QStringList names;
    const QDir dir(folder, QStringLiteral("*") + Extension, QDir::Name | QDir::IgnoreCase,
                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : dir.entryList()) {
        if (entry.compare(TemplateName, Qt::CaseInsensitive) != 0)
            names.append(entry);
    }
    return names;
}

SwitchResult switchAccount(AccountContext &account, const QString &path, QString *why)
{
    const QString previous = account.account();
    const QString connection = account.connectionName();
    if (openAccount(path, connection, why)) {
        account.setAccount(path);
        return SwitchResult::Switched;
    }
    QString again;
    if (!previous.isEmpty() && openAccount(previous, connection, &again))
        return SwitchResult::Restored;
    if (why) {
        *why += QLatin1Char('\n') +
                (previous.isEmpty() ? QStringLiteral("no previous account") : again);
    }
    return SwitchResult::Lost;
}

} // namespace AccountFiles
