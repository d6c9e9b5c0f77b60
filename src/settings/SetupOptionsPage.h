#pragma once

#include "SetupPage.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The rental options page: how rent is counted, permission control, receipts and their paper,
// the days a rental may last. One "应用" saves them all together.
class SetupOptionsPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupOptionsPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

    // Asked before permission control is switched on while nobody may open the settings.
    static const QString LockOutQuestion;

private:
    void apply();

    QRadioButton *RBtnDay = nullptr, *RBtnVCD = nullptr, *RBtnNo = nullptr, *RbtnReg = nullptr,
                 *RBtnPrint = nullptr, *RBtnPrintNo = nullptr, *RBTnPrA4 = nullptr,
                 *RBTnPrintPOS = nullptr;
    QGroupBox *GroupPaper = nullptr;
    QComboBox *CombRoll = nullptr; // the receipt's paper: slip or roll
    QLineEdit *EDPassDays = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
