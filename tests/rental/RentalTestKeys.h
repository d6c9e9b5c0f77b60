#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Key-by-key helpers for the rental desk's window tests.
namespace RentalTest {

// Types text into the focused widget of w's window, one key at a time, as a person or a
// barcode scanner does; non-ASCII characters go as text events.
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

// Types text one key at a time, as a person or a barcode scanner does; non-ASCII characters
// go as text events.
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

// Sends a key to whatever has the focus (the window previews it, as at the counter).
inline void key(QWidget *w, Qt::Key k)
{
    QTest::keyClick(keyTarget(w), k);
}

// Runs action on the next modal dialog of type T as soon as it is up (modal dialogs block
// the caller in exec(), so the test acts on them from the event loop).
template <typename T> void whenModal(std::function<void(T *)> action)
{
    auto timer = std::make_shared<QTimer>();
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer.get(), &QTimer::timeout, [timer, tries, action] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*tries > 2000) {
                timer->stop();
                qWarning("no modal dialog of the expected type came up");
            }
            return;
        }
        timer->stop();
        QPointer<T> guard(dialog);
        // Keys go to the focused control: make the dialog the active window first.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the modal dialog did not become the active window");
        // The offscreen platform may leave the application's focus in the window below.
        if (QApplication::activeWindow() != dialog)
            QApplication::setActiveWindow(dialog);
        action(dialog);
        // A failed comparison leaves the action early: never leave the dialog blocking.
        if (guard && guard->isVisible() && QTest::currentTestFailed())
            guard->reject();
    });
    timer->start();
}

} // namespace RentalTest
