#pragma once

#include "CopyNumbering.h"

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// Title entry: the operator types a film once with the number of copies bought; "保存" turns
// it into one pending row per copy (codes 0001-1, 0001-2, ...), and the two save buttons write
// all pending rows in one batch. Closing without saving discards them.
class TRepertoryDetailFM : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TRepertoryDetailFM(AccountContext &account, QWidget *parent = nullptr);
    ~TRepertoryDetailFM() override;

    QDateEdit *dxDateEdit1 = nullptr;
    QComboBox *ProComB = nullptr;
    QLineEdit *EDNum = nullptr;
    QLineEdit *EDName = nullptr;
    QLineEdit *EDDirect = nullptr;
    QLineEdit *EDActRole = nullptr;
    QComboBox *LanComB = nullptr;
    QComboBox *CatComB = nullptr;
    QComboBox *VerComB = nullptr;
    QLineEdit *FlatEdit3 = nullptr;       // 张数/每套
    QLineEdit *FlatEdit4 = nullptr;       // 数量
    QLineEdit *dxCurrencyEdit1 = nullptr; // 总价格
    QLineEdit *EDAddress = nullptr;
    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnEdit = nullptr; // 保存
    QPushButton *BtnDel = nullptr;
    DataGrid *dxDBGrid1 = nullptr;
    QPushButton *BtnSaveAgin = nullptr;
    QPushButton *BtnSave = nullptr;
    QPushButton *BtnClose = nullptr;
    QPushButton *BtnLabel = nullptr; // 打印标签: labels for the copies in the list

    const CopyNumbering::PendingTitles &pending() const { return m_pending; }
    CopyNumbering::Mode mode() const { return m_mode; }

    void BtnAddClick();
    void BtnEditClick();
    void BtnDelClick();
    // Writes the pending rows; false (with the reason shown) when the database refused.
    bool BtnSaveAginClick();
    void BtnSaveClick();
    void BtnLabelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void fillLookups();
    void showPending();
    int currentPendingRow() const;
    void ADOListAfterScroll();
    void loadRow(int row);
    void clearFields();

    CopyNumbering::PendingTitles m_pending;
    CopyNumbering::Mode m_mode = CopyNumbering::Mode::Entry;
    bool m_showingRows = false;
    bool m_shown = false;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
