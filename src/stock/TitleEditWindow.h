#pragma once

#include "TitleRecord.h"

#include "shell/BaseWindows.h"

#include <optional>

class AccountContext;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// Title editing: corrects one copy row of TBName. Other copies of the same film keep their
// values; the status (Quality) is never changed here.
class TRepertoryDetailEditFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TRepertoryDetailEditFm(AccountContext &account, qint64 titleId,
                                    QWidget *parent = nullptr);

    QDateEdit *dxDateEdit1 = nullptr;
    QComboBox *ProComB = nullptr;
    QLineEdit *EDNum = nullptr;
    QLineEdit *EDName = nullptr;
    QLineEdit *EDDirect = nullptr;
    QLineEdit *EDActRole = nullptr;
    QComboBox *LanComB = nullptr;
    QComboBox *CatComB = nullptr;   // also accepts a typed category
    QLineEdit *FlatEdit3 = nullptr; // 张数/每套
    QComboBox *VerComB = nullptr;
    QLineEdit *FlatEdit4 = nullptr; // 套数, shown only
    QLabel *Label4 = nullptr;       // its caption, disabled with it
    QLineEdit *dxCurrencyEdit1 = nullptr;
    QLineEdit *EDAddress = nullptr;
    QPushButton *BtnSave = nullptr;
    QPushButton *BtnClose = nullptr;

    void BtnSaveClick();

private:
    void FormShow();

    qint64 m_titleId;
    std::optional<TitleRecord> m_loaded;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
