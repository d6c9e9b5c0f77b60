#pragma once

#include "BaseWindows.h"

class QCheckBox;
class QPushButton;
class QStackedWidget;

// "技巧与提示": four pages of hints on getting started, paged with two buttons. Created once
// per run and then only hidden and shown; it hides itself when it loses the focus.
class TNoteFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TNoteFm(QWidget *parent = nullptr);

    QStackedWidget *PageControl1 = nullptr;
    QCheckBox *FlatCheckBox1 = nullptr;
    QPushButton *BtnUp = nullptr;
    QPushButton *BtnDown = nullptr;
    QPushButton *BtnClose = nullptr;

    void BtnUpClick();
    void BtnDownClick();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormShow();
    void updateButtons();
    void FlatCheckBox1Click();
};

// The tips window of this run, or null before its first showing.
TNoteFm *tipsWindow();
