#pragma once

#include "SetupPage.h"

#include <QList>

class DataGrid;
class ListEditor;
class QLineEdit;
class QListWidget;
class QPushButton;

// The staff page: the staff, their details and the permissions granted to each, moved between
// the catalogue and the member of staff's own list.
class SetupStaffPage : public SetupPage
{
    Q_OBJECT
public:
    explicit SetupStaffPage(AccountContext &account, QWidget *parent = nullptr);

    QString header() const override;
    void enter() override;

private:
    void staffShown();
    void startNewStaff();
    void saveStaff();
    void deleteStaff();
    // The catalogue on the left, the entries with these IDs moved to the right.
    void fillPowerLists(const QList<int> &granted);
    static void moveSelected(QListWidget *from, QListWidget *to);
    static void moveAll(QListWidget *from, QListWidget *to);

    ListEditor *m_staff = nullptr;

    DataGrid *PerSonGrid = nullptr;
    QLineEdit *EDPerName = nullptr, *EDPerPWD = nullptr, *EDAddR = nullptr, *EDLX = nullptr,
              *EDPerMemo = nullptr;
    QListWidget *LbPower = nullptr, *LbUserPower = nullptr;
    QPushButton *BtnSingToR = nullptr, *BtnSingToL = nullptr, *BtnAllToL = nullptr,
                *BtnAllToR = nullptr;
    QPushButton *BtnPerAdd = nullptr, *BtnPerSave = nullptr, *BtnPerDel = nullptr;
};
