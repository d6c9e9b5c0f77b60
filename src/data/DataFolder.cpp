#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char *const TemplateFile = "LumoModal.MDB";
const char *const SampleFile = "Sample.MDB";

// Copies one shipped file; the copy belongs to the user, so it must be writable by him even
// though the shipped file is read-only.
bool copyShipped(const QString &from, const QString &to, QString *why)
{
    if (!QFile::copy(from, to)) {
        if (why)
            *why = QStringLiteral("cannot copy %1 to %2").arg(from, to);
        return false;
    }
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                  | QFile::ReadOther);
    return true;
}

} // namespace

namespace DataFolder {

QString installedSource(const QString &programDir)
{
    const QString shipped =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral("../share/rentora/data")));
    return QFileInfo::exists(QDir(shipped).filePath(QLatin1String(TemplateFile))) ? shipped
                                                                                  : QString();
}

QString resolve(const QString &programDir, const QString &userDataHome)
{
    if (installedSource(programDir).isEmpty())
        return QDir(programDir).filePath(QStringLiteral("data")) + QLatin1Char('/');
    return QDir(userDataHome).filePath(QStringLiteral("Rentora/data")) + QLatin1Char('/');
}

bool prepare(const QString &folder, const QString &source, QString *why)
{
    QDir dir(folder);
    const bool isNew = !dir.exists();
    if (isNew && !QDir().mkpath(folder)) {
        if (why)
            *why = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QDir from(source);
    const QString templ = dir.filePath(QLatin1String(TemplateFile));
    if (!QFileInfo::exists(templ)
        && !copyShipped(from.filePath(QLatin1String(TemplateFile)), templ, why)) {
        return false;
    }
    const QString sample = dir.filePath(QLatin1String(SampleFile));
    if (isNew && !QFileInfo::exists(sample)
        && QFileInfo::exists(from.filePath(QLatin1String(SampleFile)))) {
        return copyShipped(from.filePath(QLatin1String(SampleFile)), sample, why);
    }
    return true;
}

} // namespace DataFolder

QString dataFolder()
{
    return DataFolder::resolve(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

bool prepareDataFolder(QString *why)
{
    const QString source = DataFolder::installedSource(QCoreApplication::applicationDirPath());
    if (source.isEmpty())
        return true;
    return DataFolder::prepare(dataFolder(), source, why);
}
