#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

// "所有费用收支列表": every income and expense record with its type, filtered by type, by a
// date range and by incomes or expenses, with the incomes, the expenses and their difference
// apart under the list; the starting point for adding, correcting and deleting records of user
// types.
class TInOutMoneyListFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TInOutMoneyListFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the list again with the current filter, keeping the current record.
    void RefreshList();

    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnEdit = nullptr;
    QPushButton *BtnDel = nullptr;
    QComboBox *ComBCate = nullptr;
    QCheckBox *ChkDate = nullptr;     // 按日期: the range below counts only while checked
    QDateEdit *DTPFrom = nullptr;
    QDateEdit *DTPTo = nullptr;
    QComboBox *ComBDirection = nullptr; // 收入和支出 / 只看收入 / 只看支出
    QLabel *LabelTotals = nullptr;      // 收入 … 元  支出 … 元  差额 … 元
    QPushButton *BitBtn1 = nullptr; // 关闭
    DataGrid *dxDBGrid1 = nullptr;

    void BtnAddClick();
    void BtnEditClick();
    void BtnDelClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void ComBCateChange();
    void openList();
    void showTotals();
    void ADOListAfterScroll();

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
