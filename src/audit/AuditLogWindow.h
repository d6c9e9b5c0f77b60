#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QComboBox;
class QDateEdit;
class QPushButton;

// "操作日志": the audit log in the work area, filtered by a date range, an operator and a
// kind, exported as CSV. Read only: nothing here changes a row.
class TAuditLogFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TAuditLogFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the rows again with the filter as set.
    void BtnQueryClick();
    void BtnExportClick();

    QDateEdit *DTPFrom = nullptr;
    QDateEdit *DTPTo = nullptr;
    QComboBox *CombUser = nullptr;
    QComboBox *CombKind = nullptr;
    QPushButton *BtnQuery = nullptr;
    QPushButton *BtnExport = nullptr;
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
