#pragma once

#include <QDialog>
#include <QWidget>

class QHBoxLayout;
class QPushButton;

class QAbstractButton;
class QKeyEvent;

// Marks a push button as a flat button: while it has the focus, Enter and Esc go to it and
// the window's own key step does nothing.
void markFlatButton(QAbstractButton *button);

// The common keyboard step of the program's windows, run before the focused control sees
// the key. Enter moves to the next field in tab order (never a line break or a beep); in
// multi-line text boxes and on flat buttons the key goes to the control.
class KeyStep
{
public:
    enum class Handled { No, Yes };
    // Runs the step of a window; returns Yes when the key was used.
    static Handled enterMovesFocus(QWidget *window, QKeyEvent *event);
    static bool focusTakesKeys(const QWidget *focus);
};

// Base of the working windows (lists and the settings window). Shown inside the main
// window's work area it leaves every key to the main window; as a window of its own,
// Enter walks the fields.
class TBaseFm : public QWidget
{
    Q_OBJECT
public:
    explicit TBaseFm(QWidget *parent = nullptr);
    ~TBaseFm() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Base of the modal dialogs and entry windows: Enter walks the fields, Esc closes the
// window (pressing the cancel button when one is set), except on a flat button.
class TBaseDlgFM : public QDialog
{
    Q_OBJECT
public:
    explicit TBaseDlgFM(QWidget *parent = nullptr);
    ~TBaseDlgFM() override;

    // The button Esc presses instead of closing the window directly.
    void setCancelButton(QAbstractButton *button) { m_cancelButton = button; }
    // The button Enter presses from any single-line field.
    void setDefaultButton(QAbstractButton *button) { m_defaultButton = button; }
    // The dialog's 确定 (BitBtn1) and 取消 (BitBtn2): Enter presses the first from any
    // single-line field, Esc the second; neither takes Enter for itself when focused.
    void addOkCancel(QPushButton *&ok, QPushButton *&cancel);
    // The two in a row at the right, to put under the dialog's fields.
    QHBoxLayout *okCancelRow(QPushButton *ok, QPushButton *cancel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Descendants that add their own key handling run the base step first.
    virtual bool keyStep(QKeyEvent *event);

private:
    QAbstractButton *m_cancelButton = nullptr;
    QAbstractButton *m_defaultButton = nullptr;
};

// The common look: the program's one font at 12 pixels (Fonts::install), hints without
// delay. Called once by start-up and by tests.
void applyCommonLook();
