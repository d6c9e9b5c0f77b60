#pragma once

#include "SetupPage.h"

class QLineEdit;
class QPushButton;

// The shop details page: the name, address and telephone printed on receipts and reports.
class SetupShopPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupShopPage(AccountContext &account, QWidget *parent = nullptr);

    // The page has no header of its own: the one of the page shown before stays.
    QString header() const override { return QString(); }
    void enter() override;

private:
    void apply();

    QLineEdit *EDMyCOMpany = nullptr, *EDMyAddr = nullptr, *EDMyTel = nullptr;
    QPushButton *BtnMyDo = nullptr;
};
