#pragma once

#include "CashUp.h"

#include "shell/BaseWindows.h"

#include <QMap>

class AccountContext;
class QLabel;
class QLineEdit;
class QPushButton;

// "交班结算": the logged-in operator's open shift line by line, the cash he counted and the
// difference; 结算 closes the shift, stores the cash-up and prints the slip.
class TCashUpFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TCashUpFm(AccountContext &account, QWidget *parent = nullptr);

    void BtnOKClick();
    // The cash-up this window stored; id 0 until 结算 succeeded.
    CashUp::Record stored() const { return m_stored; }

    QLabel *LblOperator = nullptr;
    QLabel *LblStart = nullptr;
    QMap<Till::Line, QLabel *> lineLabels;
    QLabel *LblExpected = nullptr;
    QLineEdit *EDCounted = nullptr;
    QLabel *LblDifference = nullptr;
    QLineEdit *EDNote = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    void showDifference();

    CashUp::Figures m_figures;
    CashUp::Record m_stored;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
