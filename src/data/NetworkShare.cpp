#include "NetworkShare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace NetworkShare {

namespace {

// Mount points in the mount table escape white space and the backslash as octal numbers.
QString unescapeMountPoint(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field.at(i);
    }
    return out;
}

bool holds(const QString &mountPoint, const QString &path)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

// The path with its links resolved as far as it exists: a file about to be created is
// judged by its folder.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString file = info.canonicalFilePath();
    if (!file.isEmpty())
        return file;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

QString fileSystemOf(const QString &path, const QString &mountInfo)
{
    QString best;
    qsizetype bestLength = -1;
    const QStringList lines = mountInfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        // ID parent major:minor root mount-point options [optional fields] - type source options
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QString mountPoint = unescapeMountPoint(fields.at(4));
        if (!holds(mountPoint, path) || mountPoint.size() < bestLength)
            continue;
        best = fields.at(separator + 1);
        bestLength = mountPoint.size();
    }
    return best;
}

QString fileSystemOf(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    return fileSystemOf(resolved(path), QString::fromUtf8(table.readAll()));
}

bool isNetworkFileSystem(const QString &type)
{
    static const QStringList network{
        QStringLiteral("nfs"),        QStringLiteral("nfs4"),       QStringLiteral("cifs"),
        QStringLiteral("smb3"),       QStringLiteral("smbfs"),      QStringLiteral("ncpfs"),
        QStringLiteral("afs"),        QStringLiteral("coda"),       QStringLiteral("9p"),
        QStringLiteral("ceph"),       QStringLiteral("glusterfs"),  QStringLiteral("lustre"),
        QStringLiteral("davfs"),      QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"), QStringLiteral("fuse.davfs2"),
        // The desktop's own mounts of network places (smb://, sftp://) opened from a file manager.
        QStringLiteral("fuse.gvfsd-fuse"), QStringLiteral("fuse.kio-fuse"),
    };
    return network.contains(type);
}

QString networkShareOf(const QString &path)
{
    const QString type = fileSystemOf(path);
    return isNetworkFileSystem(type) ? type : QString();
}

} // namespace NetworkShare
