#pragma once

#include "shell/BaseWindows.h"

#include <optional>

class AccountContext;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace InOutMoney {
struct Record;
}

// "费用收支（按ESC键关闭窗口）": records one of the shop's incomes or expenses under a user
// type, or corrects one. The mode is negative for a new record, otherwise the FID of the
// record to correct.
class TInOutMoneyFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TInOutMoneyFm(AccountContext &account, qint64 mode, QWidget *parent = nullptr);

    qint64 mode() const { return m_mode; }
    // The FID of the record this dialog wrote last (0 before the first save).
    qint64 savedFid() const { return m_savedFid; }

    QLabel *Label7 = nullptr;
    QDateEdit *DTPDate = nullptr;
    QComboBox *ComBCate = nullptr;
    QComboBox *CombClient = nullptr;
    QLineEdit *EDMoney = nullptr;
    QComboBox *ComBDirection = nullptr; // 收入 (stored positive) / 支出 (stored negative)
    QComboBox *ComBPer = nullptr;
    QLineEdit *EDMemo = nullptr;
    QPushButton *BtnAddSave = nullptr; // 保存/添加
    QPushButton *BtnOK = nullptr;      // 保存/退出
    QPushButton *BtnClose = nullptr;   // 退出
    QLabel *LabelSaved = nullptr;      // a quiet line saying that the record was stored

    // Stores the record; true when it was written.
    bool BtnAddSaveClick();
    void BtnOKClick();

private:
    void FormShow();
    std::optional<InOutMoney::Record> readInput();

    qint64 m_mode;
    qint64 m_savedFid = 0;
    int m_saves = 0;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
