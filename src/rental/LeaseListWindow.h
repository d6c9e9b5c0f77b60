#pragma once

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QLineEdit;
class QPushButton;

// "影碟出租列表": every disc that is out, one row per open rental line, with the customer, the
// rent and the deposit held. Lives in the main window's work area from start-up to exit.
class TLeaseMainFM : public TBaseFm
{
    Q_OBJECT
public:
    explicit TLeaseMainFM(AccountContext &account, QWidget *parent = nullptr);

    // Re-reads the rows, keeping the current one where it still exists. A failure is shown.
    void requery();
    // Re-reads the rows when anything was written to the account since they were read (a
    // sale, a member deleted, another counter's rental), as the window comes to the front.
    void RefreshIfChanged();

    void BtnAddClick();
    void EDSearchChange(const QString &text);

    QPushButton *BtnAdd = nullptr;
    QLineEdit *EDSearch = nullptr;
    DataGrid *dxDBGrid1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QString m_readAt; // the account's change stamp when the rows were read

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
