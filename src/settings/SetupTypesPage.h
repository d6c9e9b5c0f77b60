#pragma once

#include "SetupPage.h"

class DataGrid;
class ListEditor;
class QLineEdit;
class QPushButton;

// The income/expense types page. The types the program books under itself are listed but
// locked.
class SetupTypesPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupTypesPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

private:
    void typeShown();
    void startNewType();
    void saveType();
    void deleteType();

    ListEditor *m_types = nullptr;

    DataGrid *FeeCateGrid = nullptr;
    QLineEdit *EDCNAme = nullptr, *EDCMemo = nullptr;
    QPushButton *BtnCAdd = nullptr, *BtnCsave = nullptr, *BtnCDel = nullptr;
};
