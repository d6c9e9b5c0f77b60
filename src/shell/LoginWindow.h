#pragma once

#include "BaseWindows.h"

class AccountContext;
class QComboBox;
class QLineEdit;
class QPushButton;

// The login window: an operator picks his name and types his password. A successful login
// signs the operator in to the account context and accepts the dialog; leaving the program rejects
// it.
class TLoginFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TLoginFm(AccountContext &account, QWidget *parent = nullptr);

    void LoadUserList();
    // Checks the typed password; a success or a failure is written into the audit log.
    bool CheckPassword();

    // How long a failed login holds the window before the message (tests shorten it).
    static void setFailureDelay(int ms) { s_failureDelayMs = ms; }
    static int failureDelay() { return s_failureDelayMs; }

    QComboBox *CombUserName = nullptr;
    QLineEdit *EDPWD = nullptr;
    QPushButton *BitBtn1 = nullptr; // 确定
    QPushButton *BitBtn2 = nullptr; // 取消

protected:
    // Closing the window any other way asks the same question as 取消.
    void closeEvent(QCloseEvent *event) override;

private:
    static int s_failureDelayMs;
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
