#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QComboBox;
class QDateEdit;
class QPushButton;

// "交班记录": past cash-ups by end time and operator, with their lines and differences, and
// the report of them by day and operator.
class TCashUpListFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TCashUpListFm(AccountContext &account, QWidget *parent = nullptr);

    void BtnQueryClick();
    void BtnReportClick();

    QDateEdit *DTPFrom = nullptr;
    QDateEdit *DTPTo = nullptr;
    QComboBox *CombUser = nullptr;
    QPushButton *BtnQuery = nullptr;
    QPushButton *BtnReport = nullptr;
    QPushButton *BitBtn1 = nullptr; // 关闭
    DataGrid *dxDBGrid1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillUsers();

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
