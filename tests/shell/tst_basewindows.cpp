#include "shell/BaseWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog with three fields, a memo and two buttons, the second one flat.
struct Form
{
    explicit Form(QWidget *window)
    {
        auto *layout = new QVBoxLayout(window);
        for (QLineEdit **e : {&a, &b, &c}) {
            *e = new QLineEdit(window);
            layout->addWidget(*e);
        }
        memo = new QPlainTextEdit(window);
        layout->addWidget(memo);
        ok = new QPushButton(QStringLiteral("确定"), window);
        layout->addWidget(ok);
        flat = new QPushButton(QStringLiteral("平"), window);
        markFlatButton(flat);
        layout->addWidget(flat);
    }
    QLineEdit *a, *b, *c;
    QPlainTextEdit *memo;
    QPushButton *ok, *flat;
};

void showAndFocus(QWidget *window, QWidget *first)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    first->setFocus();
    QCOMPARE(QApplication::focusWidget(), first);
}

} // namespace

class tst_BaseWindows : public QObject
{
    Q_OBJECT
private slots:
    void enterWalksFieldsInTabOrder();
    void enterInMemoIsALineBreak();
    void enterOnButtonsPressesThem();
    void escapeClosesDialogWithoutCancelButton();
    void escapePressesCancelButton();
    void escapeOnFlatButtonDoesNotClose();
    void workWindowLeavesKeysToItsHost();
    void standaloneWorkWindowWalksFields();
};

void tst_BaseWindows::enterWalksFieldsInTabOrder()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    showAndFocus(&dlg, f.a);
    QTest::keyClicks(f.a, QStringLiteral("one"));
    QTest::keyClick(f.a, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.b);
    QTest::keyClick(f.b, Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(QApplication::focusWidget(), f.c);
    QCOMPARE(f.a->text(), QStringLiteral("one"));
    QVERIFY(dlg.isVisible());
}

void tst_BaseWindows::enterInMemoIsALineBreak()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    showAndFocus(&dlg, f.memo);
    QTest::keyClicks(f.memo, QStringLiteral("ab"));
    QTest::keyClick(f.memo, Qt::Key_Return);
    QTest::keyClicks(f.memo, QStringLiteral("cd"));
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("ab\ncd"));
    QCOMPARE(QApplication::focusWidget(), f.memo);
}

void tst_BaseWindows::enterOnButtonsPressesThem()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    QSignalSpy ok(f.ok, &QPushButton::clicked);
    QSignalSpy flat(f.flat, &QPushButton::clicked);
    showAndFocus(&dlg, f.ok);
    QTest::keyClick(f.ok, Qt::Key_Return);
    QCOMPARE(ok.count(), 1);
    f.flat->setFocus();
    QTest::keyClick(f.flat, Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(flat.count(), 1);
}

void tst_BaseWindows::escapeClosesDialogWithoutCancelButton()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    showAndFocus(&dlg, f.b);
    QTest::keyClick(f.b, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void tst_BaseWindows::escapePressesCancelButton()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    auto *cancel = new QPushButton(QStringLiteral("取消"), &dlg);
    dlg.layout()->addWidget(cancel);
    dlg.setCancelButton(cancel);
    QSignalSpy pressed(cancel, &QPushButton::clicked);
    showAndFocus(&dlg, f.a);
    QTest::keyClick(f.a, Qt::Key_Escape);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(dlg.isVisible()); // the button's handler decides
}

void tst_BaseWindows::escapeOnFlatButtonDoesNotClose()
{
    TBaseDlgFM dlg;
    Form f(&dlg);
    showAndFocus(&dlg, f.flat);
    QTest::keyClick(f.flat, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
}

void tst_BaseWindows::workWindowLeavesKeysToItsHost()
{
    QWidget host;
    auto *work = new TBaseFm(&host);
    Form f(work);
    host.resize(400, 400);
    work->setGeometry(host.rect());
    showAndFocus(&host, f.a);
    QTest::keyClick(f.a, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.a);
}

void tst_BaseWindows::standaloneWorkWindowWalksFields()
{
    TBaseFm work;
    Form f(&work);
    showAndFocus(&work, f.a);
    QTest::keyClick(f.a, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.b);
}

QTEST_MAIN(tst_BaseWindows)
#include "tst_basewindows.moc"
