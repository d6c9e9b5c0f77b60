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
inline void type(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        if (ch.unicode() < 128)
            QTest::keyClick(target, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
}

// Sends a key to whatever has the focus (the window previews it, as at the counter).
inline void key(QWidget *w, Qt::Key k)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::keyClick(target, k);
}

// Runs action on the next modal dialog of type T as soon as it is up (modal dialogs block
// the caller in exec(), so the test acts on them from the event loop).
template<typename T>
void whenModal(std::function<void(T *)> action)
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
        action(dialog);
        // A failed comparison leaves the action early: never leave the dialog blocking.
        if (guard && guard->isVisible() && QTest::currentTestFailed())
            guard->reject();
    });
    timer->start();
}

} // namespace RentalTest
