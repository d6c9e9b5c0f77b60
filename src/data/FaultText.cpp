#include "FaultText.h"

#include "AccountFiles.h"
#include "DataFolder.h"
#include "Db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace FaultText {

QString latestBackup(const QString &folder, const QString &current)
{
    const QString currentPath = QFileInfo(current).absoluteFilePath();
    QFileInfo newest;
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.MDB")}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo &f : files) {
        if (f.absoluteFilePath() == currentPath ||
            f.fileName().compare(AccountFiles::TemplateName, Qt::CaseInsensitive) == 0)
            continue;
        if (!newest.exists() || f.lastModified() > newest.lastModified())
            newest = f;
    }
    return newest.exists() ? newest.fileName() : QString();
}

QString message(Db::Fault fault, const QString &accountFile)
{
    switch (fault) {
    case Db::Fault::Busy:
        return QCoreApplication::translate(
            "FaultText", "帐户文件正被其他程序占用，等候超时，本次操作未完成！\n"
                         "请稍后再试一次。");
    case Db::Fault::DiskFull:
        return QCoreApplication::translate(
            "FaultText", "磁盘空间不足，数据未能写入，本次操作未完成！\n"
                         "请清理磁盘空间后再试一次。");
    case Db::Fault::ReadOnly:
        return QCoreApplication::translate(
            "FaultText", "帐户文件只读，不能写入，本次操作未完成！\n"
                         "请检查帐户文件及其文件夹的写入权限后再试一次。");
    case Db::Fault::Damaged: {
        const QString folder =
            accountFile.isEmpty() ? dataFolder() : QFileInfo(accountFile).absolutePath();
        const QString backup = latestBackup(folder, accountFile);
        const QString wayBack =
            backup.isEmpty()
                ? QCoreApplication::translate("FaultText", "请用“文件→打开”打开最近的备份文件。")
                : QCoreApplication::translate("FaultText", "请用“文件→打开”打开最近的备份“%1”。").arg(backup);
        return QCoreApplication::translate("FaultText", "帐户文件已损坏，本次操作未完成！\n%1").arg(wayBack);
    }
    case Db::Fault::Lost:
        return QCoreApplication::translate(
            "FaultText", "与数据库服务器的连接已断开，本次操作未完成！\n"
                         "请检查网络和服务器后再试一次。");
    case Db::Fault::Duplicate:
        return QCoreApplication::translate(
            "FaultText", "要写入的记录已经存在（可能刚被其他收银台写入），本次操作未完成！\n"
                         "请刷新后再试一次。");
    case Db::Fault::Refused:
    case Db::Fault::Other:
        break;
    }
    return QCoreApplication::translate("FaultText", "数据库操作失败，本次操作未完成！");
}

} // namespace FaultText
