#pragma once

#include "BaseWindows.h"

#include "data/ServerAddress.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "服务器口令": the password of a server account, asked when the server wants one that the
// client library's password file does not give. Kept for this run only, never stored.
class TServerPasswordFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    // refused: the server's reason when the last password given did not get the connection.
    TServerPasswordFm(QWidget *parent, const ServerAddress &address, const QString &refused);

    QString password() const;
    void BitBtn1Click();

    QLabel *LabelServer = nullptr;
    QLabel *LabelRefused = nullptr; // shown only after a refusal
    QLineEdit *EDPassword = nullptr;
    QPushButton *BitBtn1 = nullptr; // 确定
    QPushButton *BitBtn2 = nullptr; // 取消
};

// Lets the data layer ask the operator through TServerPasswordFm (start-up installs it).
void installServerPasswordPrompt();
