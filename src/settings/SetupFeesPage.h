#pragma once

#include "SetupPage.h"

class DataGrid;
class ListEditor;
class QLineEdit;
class QPushButton;

// The fees page: fee classes (rent per day and deposit per disc) and film categories side by
// side, each list with its own edits and buttons.
class SetupFeesPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupFeesPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

private:
    void feeClassShown();
    void startNewFeeClass();
    void saveFeeClass();
    void deleteFeeClass();
    void categoryShown();
    void startNewCategory();
    void saveCategory();
    void deleteCategory();

    ListEditor *m_feeClasses = nullptr;
    ListEditor *m_categories = nullptr;

    QLineEdit *EDFeeName = nullptr, *EDFee = nullptr, *EDFeeYJ = nullptr, *EDCateName = nullptr;
    QPushButton *BtnFeeAdd = nullptr, *BtnFeeSave = nullptr, *BtnFeeDel = nullptr;
    QPushButton *BtnCateAdd = nullptr, *BtnCateSave = nullptr, *BtnCateDel = nullptr;
    DataGrid *FeeGrid = nullptr;
    DataGrid *CateGrid = nullptr;
};
