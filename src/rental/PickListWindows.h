#pragma once

#include "shell/BaseWindows.h"

class DataGrid;
class QComboBox;
class QPushButton;

// "选择影片": every title, narrowed to one category when one is chosen.
class TSelectPicFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TSelectPicFm(QWidget *parent = nullptr);

    // The code chosen, or preset by the last change of category; empty at first.
    QString answer() const { return m_answer; }

    void CombCateChange(int index);
    void BtnOkClick();

    QComboBox *CombCate = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnClose = nullptr;
    DataGrid *DBGridList = nullptr;

protected:
    bool keyStep(QKeyEvent *event) override;

private:
    QString m_answer;
};

// "会员选择": every member row by number and name.
class TSelectPerFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TSelectPerFm(QWidget *parent = nullptr);

    QString answer() const { return m_answer; }

    void BtnOkClick();

    QPushButton *BtnOk = nullptr;
    QPushButton *BtnClose = nullptr;
    DataGrid *DBGridList = nullptr;

protected:
    bool keyStep(QKeyEvent *event) override;

private:
    QString m_answer;
};
