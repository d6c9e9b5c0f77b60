#pragma once

#include "data/Db.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// Fixtures and key helpers shared by the stock and sales window tests.
namespace StockFixtures {

inline qint64 addSupplier(const QString &company)
{
    return Db::lastInsertId(
        Db::exec(QStringLiteral("INSERT INTO TbProvide (Company) VALUES (?)"), {company}));
}

inline void addCategory(const QString &name)
{
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"), {name});
}

// Types text as a person would, one key at a time; non-ASCII characters included.
inline void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Presses a key on whatever has the focus now.
inline void press(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key);
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

// Runs action on the modal dialog of type T once it is up (for code that calls exec()).
template <typename T> void whenModal(std::function<void(T *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            QWARN("the expected dialog is not up");
            return;
        }
        action(dialog);
    });
}

inline QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

} // namespace StockFixtures
