#pragma once

#include "PickLists.h"

#include "shell/BaseWindows.h"

class AccountContext;
class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;

// Both pick lists are worked from the keyboard: the focus starts in the search field, typing
// narrows the list by code (number) or name, the arrow and page keys move the highlight, and
// Enter takes the highlighted row.

// "选择影片": the titles of the choice, narrowed to one category when one is chosen.
class TSelectPicFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TSelectPicFm(AccountContext &account, QWidget *parent = nullptr,
                          TitleChoice choice = TitleChoice::Any);

    // The code chosen, or preset by the last change of category; empty at first.
    QString answer() const { return m_answer; }

    void CombCateChange(int index);
    void BtnOkClick();

    QLineEdit *EDSearch = nullptr;
    QComboBox *CombCate = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnClose = nullptr;
    DataGrid *DBGridList = nullptr;

protected:
    bool keyStep(QKeyEvent *event) override;

private:
    void reopen();

    TitleChoice m_choice;
    QString m_answer;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};

// "会员选择": every member row by number and name.
class TSelectPerFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TSelectPerFm(AccountContext &account, QWidget *parent = nullptr);

    QString answer() const { return m_answer; }

    void BtnOkClick();

    QLineEdit *EDSearch = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnClose = nullptr;
    DataGrid *DBGridList = nullptr;

protected:
    bool keyStep(QKeyEvent *event) override;

private:
    void reopen();

    QString m_answer;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
