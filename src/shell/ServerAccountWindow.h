#pragma once

#include "BaseWindows.h"

#include "data/AccountMove.h"
#include "data/DataFolder.h"
#include "data/ServerAddress.h"

#include <QSqlDatabase>

#include <functional>

class AccountContext;

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The four parts of a server account's address as fields: 服务器 (host), 端口 (port),
// 数据库 (database) and 用户 (user). No password field: the password lives in the client
// library's password file (~/.pgpass) or a service file, or is asked when the server wants it
// (TServerPasswordFm) and kept for the run; never in the program's settings.
class ServerAddressFields : public QWidget
{
    Q_OBJECT
public:
    explicit ServerAddressFields(QWidget *parent = nullptr);

    ServerAddress address() const;
    void setAddress(const ServerAddress &address);
    // Whether the fields name a server and a database; otherwise the operator is told which
    // is missing, the field gets the focus, and false.
    bool check(QWidget *dialog);

    QLineEdit *EDHost = nullptr;
    QLineEdit *EDPort = nullptr;
    QLineEdit *EDDatabase = nullptr;
    QLineEdit *EDUser = nullptr;
};

// "服务器帐户": the address of an account on a database server, asked for 文件 → 打开.
class TServerAccountFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TServerAccountFm(QWidget *parent = nullptr,
                              const ServerAddress &proposed = ServerAddress());

    ServerAddress address() const { return Fields->address(); }
    void BitBtn1Click();

    ServerAddressFields *Fields = nullptr;
    QPushButton *BitBtn1 = nullptr; // 确定
    QPushButton *BitBtn2 = nullptr; // 取消
};

// "迁移帐户": copies the account in use to a server (an empty database there) or to a new
// account file, with the progress per table and, at the end, the rows and money sums checked
// on both sides.
class TAccountMoveFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    enum class Direction { ToServer, ToFile };

    // source: the connection of the account to move; account: its name (a file's path or a
    // server's address, as AccountContext::account holds them).
    TAccountMoveFm(Direction direction, QWidget *parent, const QSqlDatabase &source,
                   const QString &account, const QString &folder = dataFolder());

    void BtnMoveClick();
    void BitBtn1Click(); // "...": choose the target file

    QLabel *LabelSource = nullptr;
    ServerAddressFields *Fields = nullptr; // to a server
    QLineEdit *EDPath = nullptr;           // to a file
    QPushButton *BitBtn1 = nullptr;        // ...
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *LabelTable = nullptr;
    QPlainTextEdit *MemoResult = nullptr;
    QPushButton *BtnMove = nullptr;
    QPushButton *BtnClose = nullptr;

    // The result of the last move (tests).
    const AccountMove::Result &lastResult() const { return m_result; }

    // Replaces the save dialog (tests): returns the chosen file name, or empty when cancelled.
    using SaveNameProvider = std::function<QString(QWidget *parent, const QString &folder)>;
    static void setSaveNameProvider(SaveNameProvider provider);

private:
    Direction m_direction;
    QSqlDatabase m_source;
    QString m_folder;
    AccountMove::Result m_result;
};

// 文件 → 迁移到服务器 / 迁移到文件, on the account in use.
void ShowMoveToServer(AccountContext &account);
void ShowMoveToFile(AccountContext &account);
