#pragma once

#include "data/Money.h"
#include "shell/BaseWindows.h"

#include <QDate>

class QDateEdit;
class QLineEdit;
class QPushButton;

// "会员交费（按ESC键关闭窗口）": the date, amount and remark of one member payment.
class TASSmoneyFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TASSmoneyFm(QWidget *parent = nullptr);

    // Amount 0: a new payment (today, empty fields); otherwise the payment to correct.
    void load(const QDate &date, Money amount, const QString &remark);

    bool confirmed() const { return m_confirmed; }
    QDate date() const;
    Money amount() const { return m_amount; }
    QString remark() const;

    QDateEdit *DTPSDate = nullptr;
    QLineEdit *EDSMoney = nullptr;
    QLineEdit *EDRemark = nullptr;
    QPushButton *Btnok = nullptr;
    QPushButton *BtnClose = nullptr;

private:
    void BtnokClick();
    void BtnCloseClick();

    bool m_confirmed = false;
    Money m_amount;
};
