#pragma once

#include "SetupPage.h"

class DataGrid;
class ListEditor;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The members page: the member list, the member's details, and two sub-pages with the member's
// payments and rentals.
class SetupMembersPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupMembersPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

private:
    void memberShown();
    void startNewMember();
    void saveMember();
    void deleteMember();
    void setMemberEditsEnabled(bool saveAllowed, bool deleteAllowed);

    // The sub-list on show (payments or rentals) of the member on show.
    bool paymentsOnShow() const;
    void openSubList();
    void updatePaymentButtons();
    void addPayment();
    void editPayment();
    void deletePayment();

    ListEditor *m_members = nullptr;
    ListEditor *m_payments = nullptr;
    ListEditor *m_rentals = nullptr;

    DataGrid *ASGrid = nullptr;
    QLineEdit *EDNum = nullptr, *EDNAme = nullptr, *EDPhone = nullptr, *EDGrade = nullptr,
              *EDViewNum = nullptr, *EDMemo = nullptr;
    QDateEdit *EDViewDate = nullptr;
    QLabel *Label20 = nullptr; // 修改 or 添加
    QPushButton *BtnASAdd = nullptr, *BtnAsSave = nullptr, *BtnASDel = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QWidget *TabSheet5 = nullptr; // the payments
    QPushButton *BtnSAdd = nullptr, *BtnSEdit = nullptr, *BtnDel = nullptr;
    DataGrid *SDBGridFee = nullptr;
    DataGrid *SDBGridLease = nullptr;
};
