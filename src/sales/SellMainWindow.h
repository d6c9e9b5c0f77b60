#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QLineEdit;
class QPushButton;

// The sales list ("影碟销售列表"): every sale line, the starting point for a new sale, for
// correcting one line and for undoing a sale.
class TSellMainFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TSellMainFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the lines again, keeping the current line when it still exists.
    void RefreshList();

    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnEdit = nullptr;
    QPushButton *BtnDel = nullptr;
    QLineEdit *Edsearch = nullptr;
    DataGrid *dxDBGrid1 = nullptr;

    void BtnAddClick();
    void BtnEditClick();
    void BtnDelClick();

private:
    void ADOListAfterScroll();
    void EdsearchChange(const QString &text);

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
