#include "AccountWindows.h"

#include "AccountFileDialog.h"
#include "Openers.h"
#include "ServerAccountWindow.h"
#include "WorkArea.h"

#include "audit/AuditLog.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/AccountFiles.h"
#include "data/NetworkShare.h"
#include "data/Restore.h"
#include "data/SettingsStore.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString openError()
{
    return TOpenAccountFm::tr("帐户打开错误,系统将恢复到当前使用的帐户！");
}

// Every window of the work area shows rows of the account in use, and a list may still be
// reading them: the five long-lived work windows, the reports and the charts all go, so that
// nothing reads from the old file or shows its figures once another account is opened. Each is
// made again, on the account then in use, the next time it is asked for.
void closeTheAccountsWindows()
{
    for (QWidget *window : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(), SetupWindow(),
                            InOutMoneyListWindow()}) {
        delete window;
    }
    if (WorkArea *area = mainWorkArea()) {
        for (QWidget *window : area->placedWindows())
            delete window;
    }
}

BackupChooser g_chooseBackup;

QString askBackupFile(QWidget *parent, const QString &folder)
{
    return AccountFileDialog::ask(parent, TOpenAccountFm::tr("选择要恢复的备份文件"), folder,
                                  TOpenAccountFm::tr("数据文件(*.MDB *.mdb)"),
                                  AccountFileDialog::Purpose::Open);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

bool SwitchAccount(AccountContext &account, const QString &path, QWidget *parent)
{
    // The account left behind keeps the record of who moved away from it and to which file.
    try {
        Audit::record(account, Audit::Kind::AccountSwitch, QDir::toNativeSeparators(path),
                      QDir::toNativeSeparators(account.account()), QDir::toNativeSeparators(path));
    } catch (const Db::DbError &e) {
        Msg::fault(parent, e, Audit::notRecordedText());
    }
    closeTheAccountsWindows();
    QString why;
    switch (AccountFiles::switchAccount(account, path, &why)) {
    case AccountFiles::SwitchResult::Switched:
        warnIfOnNetworkShare(parent, path);
        return true;
    case AccountFiles::SwitchResult::Restored:
        qCWarning(lcData).noquote() << "cannot open the account" << path << ":" << why;
        Msg::show({parent, Msg::SystemCaption, openError(), Msg::Icon::Error, QMessageBox::Ok,
                   QMessageBox::Ok, why});
        return false;
    case AccountFiles::SwitchResult::Lost:
        Msg::error(parent, openError());
        Msg::error(parent, TOpenAccountFm::tr("数据库连接错误：%1").arg(why));
        return false;
    }
    return false;
}

void warnIfOnNetworkShare(QWidget *parent, const QString &path)
{
    if (serverAccountOf(path))
        return;
    const QString share = NetworkShare::networkShareOf(path);
    if (share.isEmpty())
        return;
    qCWarning(lcData).noquote() << "the account" << path << "is on a network share:" << share;
    Msg::show({parent, Msg::SystemCaption,
               TOpenAccountFm::tr("账套文件在网络共享上（%1）。几台电脑通过网络共享同时使用一个账套文件并不安全："
                                  "文件锁可能失效，数据可能损坏。几台电脑要共用一个帐户时，请把帐户迁移到数据库服务器上"
                                  "（“文件 → 迁移到服务器”），各台电脑用“文件 → 打开 → 服务器帐户”打开它；"
                                  "否则请把账套文件放在本机硬盘上，只在一台电脑上使用。")
                   .arg(share),
               Msg::Icon::Warning, QMessageBox::Ok, QMessageBox::Ok,
               QDir::toNativeSeparators(path)});
}

bool isSampleAccount(const QString &path)
{
    return QFileInfo(path).fileName().compare(QStringLiteral("Sample.MDB"), Qt::CaseInsensitive) ==
           0;
}

void setBackupChooser(BackupChooser chooser)
{
    g_chooseBackup = std::move(chooser);
}

bool ShowRestore(AccountContext &account, QWidget *parent, const QString &folder)
{
    const QString current = account.account();
    // A server account is never replaced from here: other counters are working on it.
    if (serverAccountOf(current)) {
        Msg::info(parent, TOpenAccountFm::tr("服务器上的帐户不能在这里恢复：其他收银台正在使用它。"
                                             "请把备份文件迁移到一个空数据库（rentora-move），"
                                             "再用“文件 → 打开 → 服务器帐户”打开它。"));
        return false;
    }
    const QString backups = Restore::backupFolder(folder);
    QDir().mkpath(backups);
    const QString chosen =
        g_chooseBackup ? g_chooseBackup(parent, backups) : askBackupFile(parent, backups);
    if (chosen.isEmpty())
        return false;
    if (sameFile(chosen, current)) {
        Msg::error(parent, TOpenAccountFm::tr("所选文件就是当前正在使用的帐户，不能用它恢复！"));
        return false;
    }
    const QString question =
        TOpenAccountFm::tr("恢复将用备份文件＂%1＂替换当前帐户＂%2＂中的全部数据。\n"
                           "替换之前，系统会先把当前帐户备份到备份文件夹中。\n确定要恢复吗？")
            .arg(QFileInfo(chosen).fileName(), QFileInfo(current).fileName());
    if (Msg::askYesNo(parent, question, Msg::SystemCaption, Msg::Icon::Question, QMessageBox::No) !=
        QMessageBox::Yes)
        return false;

    // No window may keep reading the file that is about to be replaced.
    closeTheAccountsWindows();
    QString safety;
    QString why;
    switch (Restore::restoreAccount(account, chosen, backups, QDateTime::currentDateTime(), &safety,
                                    &why)) {
    case Restore::Result::Restored:
        // The restored account records who replaced its rows by which backup, and where the
        // rows it held before were kept.
        try {
            Audit::record(account, Audit::Kind::Restore, QDir::toNativeSeparators(chosen),
                          QDir::toNativeSeparators(safety), QDir::toNativeSeparators(chosen));
        } catch (const Db::DbError &e) {
            Msg::fault(parent, e, Audit::notRecordedText());
        }
        Msg::info(parent, TOpenAccountFm::tr("数据恢复成功！恢复前的帐户已备份为：\n") +
                              QDir::toNativeSeparators(safety));
        return true;
    case Restore::Result::NotAnAccount:
        Msg::error(parent, TOpenAccountFm::tr("所选文件不是本系统的帐户数据文件，没有恢复！"));
        return false;
    case Restore::Result::SafetyCopyFailed:
        Msg::error(parent, TOpenAccountFm::tr(
                               "当前帐户备份失败，没有恢复。可能磁盘空间不足或磁盘不可写。"));
        return false;
    case Restore::Result::ReplaceFailed:
        Msg::error(parent, TOpenAccountFm::tr("数据恢复失败，当前帐户保持原样！"));
        return false;
    case Restore::Result::Lost:
        Msg::error(parent,
                   TOpenAccountFm::tr("数据恢复失败，帐户无法打开！恢复前的帐户备份在：\n") +
                       QDir::toNativeSeparators(safety));
        return false;
    }
    return false;
}

void ShowNewAccount(AccountContext &account)
{
    TNewAccountFm dialog(account, QApplication::activeWindow());
    dialog.exec();
}

void ShowOpenAccount(AccountContext &account)
{
    TOpenAccountFm dialog(account, QApplication::activeWindow());
    dialog.exec();
}

TNewAccountFm::TNewAccountFm(AccountContext &account, QWidget *parent, const QString &folder)
    : TBaseDlgFM(parent), m_account(account), m_folder(folder)
{
    setObjectName(QStringLiteral("NewAccountFm"));
    setWindowTitle(tr("新建帐户"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogNewFolder).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *caption = new QLabel(tr("帐户名称"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    EDName = new QLineEdit(this);
    EDName->setObjectName(QStringLiteral("EDName"));
    EDName->setFixedWidth(185);
    caption->setBuddy(EDName);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    BitBtn1 = button(QStringLiteral("BitBtn1"), tr("确定"), this);
    BitBtn2 = button(QStringLiteral("BitBtn2"), tr("取消"), this);
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(8);
    top->addWidget(caption);
    top->addWidget(EDName);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);

    setTabOrder(EDName, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    // 294 x 92 where the fonts allow; never narrower than the icon, caption and field need.
    resize(294, 92);

    connect(BitBtn1, &QPushButton::clicked, this, &TNewAccountFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    EDName->setFocus();
}

void TNewAccountFm::refuse(const QString &text, bool focusName)
{
    Msg::error(this, text);
    if (focusName) {
        EDName->setFocus();
        EDName->selectAll();
    }
}

bool TNewAccountFm::CheckAccountName()
{
    using AccountFiles::NameCheck;
    switch (AccountFiles::checkAccountName(m_folder, EDName->text())) {
    case NameCheck::Ok:
        return true;
    case NameCheck::Empty:
        refuse(tr("请输入帐户名称！"), true);
        return false;
    case NameCheck::NotAllowed:
        // A name that is no file name ("a/b", "..\x") cannot become an account file.
        Msg::info(this, tr("帐户创建失败!"));
        EDName->setFocus();
        EDName->selectAll();
        return false;
    case NameCheck::NoTemplate:
        refuse(tr("数据库模板不存在，请检查！"), false);
        return false;
    case NameCheck::Exists:
        refuse(tr("文件已经存在，请重新命名！"), true);
        return false;
    }
    return false;
}

bool TNewAccountFm::CreateAccountFile()
{
    QString why;
    if (!AccountFiles::createAccountFile(m_folder, EDName->text(), &why)) {
        Msg::info(this, tr("帐户创建失败!"));
        return false;
    }
    Msg::info(this, tr("帐户创建成功!"));
    return true;
}

void TNewAccountFm::BitBtn1Click()
{
    if (!CheckAccountName())
        return;
    // Nothing was created: the account in use stays, without a pointless reconnect.
    if (!CreateAccountFile())
        return;
    const QString path = AccountFiles::accountPath(m_folder, EDName->text());
    // The next start opens the new account only once it has opened: a file that cannot be
    // opened must not keep the program from starting.
    if (SwitchAccount(m_account, path, this))
        SetRunData(path);
    EDName->setFocus();
    EDName->selectAll();
}

TOpenAccountFm::TOpenAccountFm(AccountContext &account, QWidget *parent, const QString &folder)
    : TBaseDlgFM(parent), m_account(account), m_folder(folder)
{
    setObjectName(QStringLiteral("OpenAccountFm"));
    setWindowTitle(tr("打开帐户"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *caption = new QLabel(tr("帐户列表："), this);
    caption->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    caption->setBuddy(ListBox1);

    BitBtn1 = button(QStringLiteral("BitBtn1"), tr("确定"), this);
    BitBtn2 = button(QStringLiteral("BitBtn2"), tr("取消"), this);
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    CheckDefault = new QCheckBox(tr("下次启动时打开此帐户"), this);
    CheckDefault->setObjectName(QStringLiteral("CheckDefault"));
    BtnServer = button(QStringLiteral("BtnServer"), tr("服务器帐户…"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(caption);
    top->addStretch();
    top->addWidget(BitBtn1);
    top->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(ListBox1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CheckDefault);
    bottom->addStretch();
    bottom->addWidget(BtnServer);
    layout->addLayout(bottom);

    setTabOrder(ListBox1, CheckDefault);
    setTabOrder(CheckDefault, BtnServer);
    setTabOrder(BtnServer, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    resize(340, 240);
    setMinimumSize(340, 240);

    connect(BitBtn1, &QPushButton::clicked, this, &TOpenAccountFm::BitBtn1Click);
    connect(BtnServer, &QPushButton::clicked, this, &TOpenAccountFm::BtnServerClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TOpenAccountFm::BitBtn1Click);
    ListBox1->setFocus();
}

void TOpenAccountFm::showEvent(QShowEvent *event)
{
    TBaseDlgFM::showEvent(event);
    ListAccounts();
}

void TOpenAccountFm::ListAccounts()
{
    ListBox1->clear();
    const QDir folder(m_folder);
    for (const QString &name : AccountFiles::listAccounts(m_folder)) {
        auto *item = new QListWidgetItem(name, ListBox1);
        item->setData(FileNameRole, name);
        // The account in use is marked, so the operator sees where he is.
        if (sameFile(folder.absoluteFilePath(name), m_account.account())) {
            item->setText(name + tr("  （当前使用）"));
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    ListBox1->setCurrentRow(-1);
}

void TOpenAccountFm::BitBtn1Click()
{
    const QList<QListWidgetItem *> chosen = ListBox1->selectedItems();
    if (chosen.isEmpty()) {
        // Nothing to open yet: the dialog stays for the choice.
        Msg::info(this, tr("请选择要打开的帐户！"));
        ListBox1->setFocus();
        return;
    }
    const QString path =
        QDir(m_folder).absoluteFilePath(chosen.first()->data(FileNameRole).toString());
    // Only an account that opened becomes the one the next start opens.
    if (SwitchAccount(m_account, path, this) && CheckDefault->isChecked())
        SetRunData(path);
    accept();
}

void TOpenAccountFm::BtnServerClick()
{
    // The server account in use, else the one stored last, is proposed.
    auto proposed = serverAccountOf(m_account.account());
    if (!proposed)
        proposed = serverAccountOf(GetRunData());
    TServerAccountFm ask(this, proposed.value_or(ServerAddress()));
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString account = ask.address().toText();
    if (account == m_account.account()) {
        accept();
        return;
    }
    // As for a file: only an account that opened is stored (its address, never a password).
    if (SwitchAccount(m_account, account, this) && CheckDefault->isChecked())
        SetRunData(account);
    accept();
}
