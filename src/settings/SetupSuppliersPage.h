#pragma once

#include "SetupPage.h"

class DataGrid;
class ListEditor;
class QLineEdit;
class QPushButton;

// The suppliers page: the companies discs are bought from.
class SetupSuppliersPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupSuppliersPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

private:
    void supplierShown();
    void startNewSupplier();
    void saveSupplier();
    void deleteSupplier();

    ListEditor *m_suppliers = nullptr;

    DataGrid *PGrid = nullptr;
    QLineEdit *EDCompany = nullptr, *EDPAddr = nullptr, *EDPTel = nullptr, *EDPMemo = nullptr;
    QPushButton *BtnPAdd = nullptr, *BtnPSave = nullptr, *BtnPDel = nullptr;
};
