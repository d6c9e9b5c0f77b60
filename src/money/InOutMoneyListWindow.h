#pragma once

#include "shell/BaseWindows.h"

class DataGrid;
class QComboBox;
class QPushButton;

// "所有费用收支列表": every income and expense record with its type, filtered by type, the
// starting point for adding, correcting and deleting records of user types.
class TInOutMoneyListFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TInOutMoneyListFm(QWidget *parent = nullptr);

    // Reads the list again with the current filter, keeping the current record.
    void RefreshList();

    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnEdit = nullptr;
    QPushButton *BtnDel = nullptr;
    QComboBox *ComBCate = nullptr;
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
    void ADOListAfterScroll();
};
