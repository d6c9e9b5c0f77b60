#pragma once

#include "BaseWindows.h"

#include "data/DataModule.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Moves the connection of account to the account file path. The long-lived work windows are
// freed first (they are built again, on the account then in use, when next shown) and lists
// still reading in report and chart windows stop, so no query is left on the old file. A file
// that cannot be opened is reported and the account in use stays. True when the connection is
// on path.
bool SwitchAccount(AccountContext &account, const QString &path, QWidget *parent);

// Warns that the account file at path lies on a network share (NFS, SMB and the like), where
// two counters sharing it can damage it; nothing is shown for a file on a local disk.
void warnIfOnNetworkShare(QWidget *parent, const QString &path);

// The sample account the program comes with (data/Sample.MDB), whatever the letter case.
bool isSampleAccount(const QString &path);

// 文件 → 恢复: the operator picks a backup (in the data folder's backup folder), is told what
// will happen and asked; the account in use is then backed up and replaced by the backup.
// True when the account now holds the backup's rows.
bool ShowRestore(AccountContext &account, QWidget *parent, const QString &folder = dataFolder());

// Replaces the file dialog in which the backup to restore is picked (tests): returns the
// chosen file, or empty when cancelled.
using BackupChooser = std::function<QString(QWidget *parent, const QString &folder)>;
void setBackupChooser(BackupChooser chooser);

// "新建帐户": creates an account from the template and switches to it. The dialog stays open
// after an account was created; 取消 or Esc close it.
class TNewAccountFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TNewAccountFm(AccountContext &account, QWidget *parent = nullptr,
                           const QString &folder = dataFolder());

    bool CheckAccountName();
    bool CreateAccountFile();
    void BitBtn1Click();

    QLineEdit *EDName = nullptr;
    QPushButton *BitBtn1 = nullptr; // 确定
    QPushButton *BitBtn2 = nullptr; // 取消

private:
    void refuse(const QString &text, bool focusName);

    AccountContext &m_account;
    QString m_folder;
};

// "打开帐户": lists the account files of the data folder and switches to the one chosen, or
// to an account on a database server.
class TOpenAccountFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TOpenAccountFm(AccountContext &account, QWidget *parent = nullptr,
                            const QString &folder = dataFolder());

    void ListAccounts();
    void BitBtn1Click();
    // "服务器帐户…": asks for a server account's address and switches to it.
    void BtnServerClick();

    QListWidget *ListBox1 = nullptr;
    QPushButton *BtnServer = nullptr; // 服务器帐户…
    QPushButton *BitBtn1 = nullptr; // 确定
    QPushButton *BitBtn2 = nullptr; // 取消
    // "下次启动时打开此帐户": the opened account becomes the one the next start opens.
    QCheckBox *CheckDefault = nullptr;

    // The role of a list entry that holds its file name (the text may carry a mark).
    static constexpr int FileNameRole = Qt::UserRole;

protected:
    void showEvent(QShowEvent *event) override;

private:
    AccountContext &m_account;
    QString m_folder;
};
