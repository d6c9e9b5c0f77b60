#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QLineEdit;
class QPushButton;

// The stock list ("影片库存"): one line per copy still in stock, with its supplier. From here
// titles are entered, corrected, deleted from stock and written off as lost.
class TRepertoryFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TRepertoryFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the list again, keeping the current row when it is still listed.
    void RefreshList();
    // The same, but only when the account was written to since the list was read: showing
    // the window again costs nothing when nothing changed.
    void RefreshIfChanged();

    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnEdit = nullptr;
    QPushButton *BtnDel = nullptr;
    QPushButton *BtnLost = nullptr;
    QPushButton *BtnLabel = nullptr; // 标签: code labels for copies of the list
    QPushButton *BtnClose = nullptr;
    QLineEdit *EDSearch = nullptr;
    DataGrid *dxDBGrid1 = nullptr;

    void BtnAddClick();
    void BtnEditClick();
    void BtnDelClick();
    void BtnLostClick();
    void BtnLabelClick();
    void BtnCloseClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void EDSearchChange(const QString &text);
    qint64 currentId() const;
    QString currentName() const;

    bool m_opened = false;
    QString m_readAt; // the change stamp when the list was last read

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
