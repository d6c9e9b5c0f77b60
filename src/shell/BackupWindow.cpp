#include "BackupWindow.h"

#include "AccountFileDialog.h"
#include "Openers.h"

#include "audit/AuditLog.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/AccountMove.h"
#include "data/Backup.h"
#include "data/Restore.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TBackupFm::SaveNameProvider g_saveName;

QString askSaveName(QWidget *parent, const QString &folder)
{
    // 备份 asks about an existing file itself, once.
    return AccountFileDialog::ask(parent, TBackupFm::tr("数据文件备份到"), folder,
                                  TBackupFm::tr("数据文件(*.MDB)"),
                                  AccountFileDialog::Purpose::SaveAskedByCaller);
}

} // namespace

QString withBackupExtension(const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QStringLiteral(".MDB");
}

void ShowBackup(AccountContext &account)
{
    TBackupFm dialog(account, QApplication::activeWindow());
    dialog.exec();
}

void TBackupFm::setSaveNameProvider(SaveNameProvider provider)
{
    g_saveName = std::move(provider);
}

TBackupFm::TBackupFm(AccountContext &account, QWidget *parent, const QString &folder)
    : TBaseDlgFM(parent), m_account(account), m_source(account.account()), m_folder(folder)
{
    setObjectName(QStringLiteral("BackupFm"));
    setWindowTitle(tr("数据备份"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("FlatPanel1"));
    header->setAutoFillBackground(true);
    QPalette strip = header->palette();
    strip.setColor(QPalette::Window, QColor(160, 150, 131));
    header->setPalette(strip);
    Label3 = new QLabel(tr("进行数据备份操作"), header);
    Label3->setObjectName(QStringLiteral("Label3"));
    auto *headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(10, 5, 10, 5);
    headerRow->addWidget(Label3);
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto *caption = new QLabel(tr("备份文件夹"), this);
    caption->setObjectName(QStringLiteral("Label2"));
    EDPath = new QLineEdit(this);
    EDPath->setObjectName(QStringLiteral("EDPath"));
    EDPath->setMinimumWidth(273);
    caption->setBuddy(EDPath);
    BitBtn1 = new QPushButton(QStringLiteral("..."), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAccessibleName(tr("浏览"));
    BitBtn1->setAutoDefault(false);
    BitBtn1->setFixedWidth(28);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMinimumWidth(361);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);

    BtnBak = new QPushButton(tr("备份"), this);
    BtnBak->setObjectName(QStringLiteral("BtnBak"));
    BtnBak->setAutoDefault(false);
    BtnClose = new QPushButton(tr("退出"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setAutoDefault(false);
    setCancelButton(BtnClose);

    auto *pathRow = new QHBoxLayout;
    pathRow->setSpacing(6);
    pathRow->addWidget(caption);
    pathRow->addWidget(EDPath, 1);
    pathRow->addWidget(BitBtn1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnBak);
    buttons->addWidget(BtnClose);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 8);
    body->setSpacing(8);
    body->addLayout(pathRow);
    body->addWidget(ProgressBar1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addLayout(body);

    setTabOrder(EDPath, BitBtn1);
    setTabOrder(BitBtn1, BtnBak);
    setTabOrder(BtnBak, BtnClose);
    resize(460, 142); // wide enough to show a path into the data folder
    setMinimumSize(385, 142);

    connect(BitBtn1, &QPushButton::clicked, this, &TBackupFm::BitBtn1Click);
    connect(BtnBak, &QPushButton::clicked, this, &TBackupFm::BtnBakClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    // Backups have a folder of their own, so they are never taken for accounts.
    QDir().mkpath(Restore::backupFolder(m_folder));
    EDPath->setText(QDir::toNativeSeparators(
        Backup::defaultTarget(Restore::backupFolder(m_folder), QDate::currentDate())));
    EDPath->setFocus();
}

void TBackupFm::BitBtn1Click()
{
    // The dialog opens where the proposed file lies, else in the program's folder.
    QString folder = QFileInfo(EDPath->text().trimmed()).absolutePath();
    if (EDPath->text().trimmed().isEmpty() || !QFileInfo(folder).isDir())
        folder = QCoreApplication::applicationDirPath();
    const QString chosen = g_saveName ? g_saveName(this, folder) : askSaveName(this, folder);
    if (!chosen.isEmpty())
        EDPath->setText(QDir::toNativeSeparators(withBackupExtension(chosen)));
}

void TBackupFm::BtnBakClick()
{
    const QString typed = EDPath->text().trimmed();
    if (typed.isEmpty()) {
        Msg::show({this, Msg::SystemCaption, tr("请输入备份数据的文件名称！"), Msg::Icon::Warning});
        EDPath->setFocus();
        return;
    }
    // A name without a folder goes into the backup folder, apart from the accounts.
    const QString backups = Restore::backupFolder(m_folder);
    QDir().mkpath(backups);
    const QString target = QDir(backups).absoluteFilePath(QDir::fromNativeSeparators(typed));
    if (Backup::isOwnFile(m_source, target)) {
        Msg::error(this, tr("备份文件不能是正在使用的帐户文件或它的日志文件，"
                            "请换一个文件名！"));
        EDPath->setFocus();
        return;
    }
    if (QFileInfo::exists(target)) {
        const QString question =
            tr("数据文件＂%1＂已存在，覆盖吗？").arg(QFileInfo(target).fileName());
        if (Msg::askYesNo(this, question, Msg::SystemCaption, Msg::Icon::Question) !=
            QMessageBox::Yes)
            return;
    }
    if (!CopyDataFile(m_source, target)) {
        qCWarning(lcData).noquote() << "backup to" << target << "failed:" << m_lastFailure;
        Msg::show({this, Msg::SystemCaption,
                   tr("备份失败.可能磁盘空间不足,或磁盘不可写,或目标文件不能被覆盖.."),
                   Msg::Icon::Error, QMessageBox::Ok, QMessageBox::Ok, m_lastFailure});
    }
}

bool TBackupFm::CopyDataFile(const QString &source, const QString &target)
{
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    const auto advance = [this](qint64 done, qint64 total) {
        ProgressBar1->setRange(0, int(qMax<qint64>(total, 1)));
        ProgressBar1->setValue(int(done));
    };
    m_lastFailure.clear();
    if (serverAccountOf(source)) {
        // A server account is written out as an account file, moved and checked table by
        // table; the file is the usual backup, opened and restored like any other.
        const AccountMove::Result moved = AccountMove::toFile(
            m_account.db(), target, true, [&](const QString &, qint64 done, qint64 total) {
                advance(done, total);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        if (!moved.ok) {
            m_lastFailure = moved.why;
            return false;
        }
    } else if (!Backup::copyDataFile(source, target, advance, &m_lastFailure)) {
        return false; // the bar keeps the position it reached
    }
    ProgressBar1->setValue(0); // empty again
    try {
        Audit::record(m_account, Audit::Kind::Backup, QDir::toNativeSeparators(target), QString(),
                      QDir::toNativeSeparators(source));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, Audit::notRecordedText());
    }
    Msg::info(this, tr("数据备份成功！"));
    return true;
}
