#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Key-by-key helpers for the window tests: keys go where the operator's would, and modal
// dialogs (which block the caller in exec()) are answered from the event loop.
namespace WindowKeys {

// Where a key goes: the focused control, or, while a modal dialog is up, its focused control
// (the offscreen platform does not always move the application's focus into the dialog).
inline QWidget *keyTarget(QWidget *w)
{
    QWidget *focus = QApplication::focusWidget();
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (!focus || focus->window() != modal)
            focus = modal->focusWidget() ? modal->focusWidget() : modal;
    }
    if (!focus && w)
        focus = w->focusWidget();
    return focus ? focus : w;
}

// Types text one key at a time wherever the focus is, as a person or a barcode scanner does;
// non-ASCII characters go as text events.
inline void type(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        QWidget *target = keyTarget(w);
        if (ch.unicode() < 128)
            QTest::keyClick(target, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Types text into w as text events only (what an input method delivers), one character at a
// time.
inline void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Sends a key to whatever has the focus (the window previews it, as at the counter).
inline void key(QWidget *w, Qt::Key k)
{
    QTest::keyClick(keyTarget(w), k);
}

// Presses a key on whatever has the focus now.
inline void press(Qt::Key k)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, k);
}

// Clears the focused line edit and types text into it, then presses Enter.
inline void fill(const QString &text)
{
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY2(edit, "the focus is not in a text field");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    typeText(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Runs action on the next modal dialog of type T as soon as it is up, made the active window
// first so that keys reach its focused control. A failed comparison inside the action leaves
// it early: the dialog is then rejected so that it never blocks the test.
template <typename T> void whenModal(std::function<void(T *)> action)
{
    // Owned by the application (never by a shared pointer its own connection holds, which
    // kept every timer alive for good): deleted once it has done its work, else at exit.
    auto *timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*tries > 2000) {
                timer->stop();
                timer->deleteLater();
                qWarning("no modal dialog of the expected type came up");
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<T> guard(dialog);
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the modal dialog did not become the active window");
        // The offscreen platform may leave the application's focus in the window below.
        if (QApplication::activeWindow() != dialog)
            QApplication::setActiveWindow(dialog);
        action(dialog);
        if (guard && guard->isVisible() && QTest::currentTestFailed())
            guard->reject();
    });
    timer->start();
}

} // namespace WindowKeys
