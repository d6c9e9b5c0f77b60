#include "shell/AboutWindow.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/TipsWindow.h"

#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

class tst_Tips : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesAndButtons();
    void checkBoxWritesTheFlag();
    void reopeningStartsOnPageOne();
    void clockOpensTipsOncePerRunOnlyWhenFlagIsZero_data();
    void clockOpensTipsOncePerRunOnlyWhenFlagIsZero();
    void aboutShowsTitleAndVersion();
};

void tst_Tips::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Tips::pagesAndButtons()
{
    TNoteFm tips;
    tips.show();
    QCOMPARE(tips.PageControl1->count(), 4);
    QCOMPARE(tips.PageControl1->currentIndex(), 0);
    QVERIFY(!tips.BtnUp->isEnabled());
    QVERIFY(tips.BtnDown->isEnabled());
    for (int expected : {1, 2, 3}) {
        tips.BtnDown->click();
        QCOMPARE(tips.PageControl1->currentIndex(), expected);
        QVERIFY(tips.BtnUp->isEnabled());
    }
    QVERIFY(!tips.BtnDown->isEnabled());
    tips.BtnUp->click();
    QCOMPARE(tips.PageControl1->currentIndex(), 2);
    QVERIFY(tips.BtnDown->isEnabled());
    QCOMPARE(tips.BtnClose->text(), QStringLiteral("关\u3000闭"));
}

void tst_Tips::checkBoxWritesTheFlag()
{
    SetNoteFlag(0);
    TNoteFm tips;
    tips.show();
    QVERIFY(tips.FlatCheckBox1->isChecked());
    QTest::mouseClick(tips.FlatCheckBox1, Qt::LeftButton);
    QCOMPARE(GetNoteFlag(), 1);
    QTest::mouseClick(tips.FlatCheckBox1, Qt::LeftButton);
    QCOMPARE(GetNoteFlag(), 0);
}

void tst_Tips::reopeningStartsOnPageOne()
{
    SetNoteFlag(1);
    TNoteFm tips;
    tips.show();
    QVERIFY(!tips.FlatCheckBox1->isChecked());
    tips.BtnDown->click();
    tips.BtnDown->click();
    tips.BtnDown->click();
    tips.BtnClose->click();
    QVERIFY(!tips.isVisible());
    tips.show();
    QCOMPARE(tips.PageControl1->currentIndex(), 0);
    QVERIFY(!tips.BtnUp->isEnabled());
    QVERIFY(tips.BtnDown->isEnabled());
}

void tst_Tips::clockOpensTipsOncePerRunOnlyWhenFlagIsZero_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("opens");
    QTest::newRow("flag 0 opens") << 0 << true;
    QTest::newRow("flag 1 stays closed") << 1 << false;
}

void tst_Tips::clockOpensTipsOncePerRunOnlyWhenFlagIsZero()
{
    QFETCH(int, flag);
    QFETCH(bool, opens);
    TestAccount account;
    RecordingPresenter boxes;
    SetNoteFlag(flag);
    delete tipsWindow();
    TMainFm w(account.context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Timer1Timer();
    QCOMPARE(tipsWindow() != nullptr && tipsWindow()->isVisible(), opens);
    if (opens) {
        tipsWindow()->close();
        w.Timer1Timer();
        QVERIFY(!tipsWindow()->isVisible()); // not again in the same run
    }
    QVERIFY(boxes.shown.isEmpty());
    delete tipsWindow();
}

void tst_Tips::aboutShowsTitleAndVersion()
{
    TAboutFm about;
    QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("LabelTitle")));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("LabelVersion"))->text(),
             QStringLiteral("Ver:1.00.03"));
    QVERIFY(about.testAttribute(Qt::WA_DeleteOnClose));
}

QTEST_MAIN(tst_Tips)
#include "tst_tips.moc"
