#include "help/HelpTopics.h"
#include "help/HelpWindow.h"
#include "shell/AccountWindows.h"
#include "shell/HelpContext.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"

#include "data/DataModule.h"
#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class tst_Help : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyPageIsBuiltInWithItsPicturesAndLinks();
    void windowsFindTheirPage_data();
    void windowsFindTheirPage();
    void f1OpensThePageOfTheWindowInFront();
    void f1InADialogOpensItsPageOverIt();
};

void tst_Help::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SetNoteFlag(1);
}

void tst_Help::everyPageIsBuiltInWithItsPicturesAndLinks()
{
    QStringList keys;
    for (const HelpTopics::Topic &t : HelpTopics::topics())
        keys << t.key;
    QCOMPARE(keys.first(), QStringLiteral("main"));
    for (const char *needed : {"rent", "return", "sell", "stock", "members", "staff", "options",
                               "money", "reports", "charts", "accounts"})
        QVERIFY2(keys.contains(QLatin1String(needed)), needed);

    const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    const QRegularExpression link(QStringLiteral("<a href=\"([^\"]+)\""));
    for (const QString &key : keys) {
        QFile page(QStringLiteral(":/help/") + key + QStringLiteral(".html"));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(key));
        const QString html = QString::fromUtf8(page.readAll());
        // Chinese text, the picture of its window, and links that lead to other pages.
        QVERIFY2(html.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]{8}"))),
                 qPrintable(key));
        auto pictures = picture.globalMatch(html);
        QVERIFY2(pictures.hasNext(), qPrintable(key));
        while (pictures.hasNext()) {
            const QString file = pictures.next().captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + file),
                     qPrintable(key + u' ' + file));
        }
        auto links = link.globalMatch(html);
        while (links.hasNext()) {
            const QString target = links.next().captured(1);
            QVERIFY2(keys.contains(target.section(QLatin1Char('.'), 0, 0)),
                     qPrintable(key + u' ' + target));
        }
    }
}

void tst_Help::windowsFindTheirPage_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("detail");
    QTest::addColumn<bool>("report");
    QTest::addColumn<QString>("topic");
    QTest::newRow("rent out") << "TLeaseFm" << 0 << false << "rent";
    QTest::newRow("take back") << "TLeaseFm" << 1 << false << "return";
    QTest::newRow("rental list") << "TLeaseMainFM" << 0 << false << "rent";
    QTest::newRow("sale") << "TSellFm" << 0 << false << "sell";
    QTest::newRow("title entry") << "TRepertoryDetailFM" << 0 << false << "stock";
    QTest::newRow("settings: members") << "TSetupFm" << 0 << false << "members";
    QTest::newRow("settings: staff") << "TSetupFm" << 3 << false << "staff";
    QTest::newRow("settings: suppliers") << "TSetupFm" << 5 << false << "options";
    QTest::newRow("income and expense") << "TInOutMoneyFm" << 0 << false << "money";
    QTest::newRow("a report") << "TDeferFm" << 0 << true << "reports";
    QTest::newRow("a chart") << "TCompareChFm" << 0 << false << "charts";
    QTest::newRow("backup") << "TBackupFm" << 0 << false << "accounts";
    QTest::newRow("anything else") << "TAboutFm" << 0 << false << "main";
}

void tst_Help::windowsFindTheirPage()
{
    QFETCH(QString, className);
    QFETCH(int, detail);
    QFETCH(bool, report);
    QFETCH(QString, topic);
    QCOMPARE(HelpTopics::topicForWindow(className, detail, report), topic);
}

void tst_Help::f1OpensThePageOfTheWindowInFront()
{
    TestAccount account;
    RecordingPresenter boxes;
    account.context().setOperator(1);
    TMainFm w(account.context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTest::keyClick(&w, Qt::Key_F1);
    THelpFm *help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentTopic(), QStringLiteral("main"));
    QVERIFY(help->HelpText->toPlainText().contains(QStringLiteral("快捷键")));

    ShowRepertoryFm(account.context());
    QTest::keyClick(RepertoryWindow()->focusWidget() ? RepertoryWindow()->focusWidget()
                                                     : static_cast<QWidget *>(&w),
                    Qt::Key_F1);
    QCOMPARE(helpWindow(), help); // one guide window, brought to the front
    QCOMPARE(help->currentTopic(), QStringLiteral("stock"));
    QVERIFY(help->HelpText->toPlainText().contains(QStringLiteral("库存列表")));

    ShowSetupPage(account.context(), 3);
    w.action(QStringLiteral("HelpUse"))->trigger();
    QCOMPARE(help->currentTopic(), QStringLiteral("staff"));

    // A link inside a page moves the list along.
    help->HelpText->setSource(QUrl(HelpTopics::pageUrl(QStringLiteral("accounts"))));
    QCOMPARE(help->HelpTopicList->currentItem()->text(), QStringLiteral("帐户、备份与恢复"));
    QVERIFY(help->HelpText->toPlainText().contains(QStringLiteral("文件 → 新建")));
    help->close();
    for (QWidget *window : {LeaseListWindow(), RepertoryWindow(), SellMainWindow(), SetupWindow(),
                            InOutMoneyListWindow()})
        delete window;
    w.hide();
}

void tst_Help::f1InADialogOpensItsPageOverIt()
{
    TestAccount account;
    RecordingPresenter boxes;
    account.context().setOperator(1);
    TMainFm w(account.context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QString shownTopic;
    bool overTheDialog = false;
    QTimer::singleShot(200, [&] {
        auto *dialog = qobject_cast<TOpenAccountFm *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTimer::singleShot(200, [&, dialog] {
            if (auto *help = qobject_cast<THelpFm *>(QApplication::activeModalWidget())) {
                shownTopic = help->currentTopic();
                overTheDialog = help->parentWidget() == dialog;
                help->reject();
            }
            dialog->reject();
        });
        QTest::keyClick(dialog->ListBox1, Qt::Key_F1);
    });
    ShowOpenAccount(account.context());
    QCOMPARE(shownTopic, QStringLiteral("accounts"));
    QVERIFY(overTheDialog);
    w.hide();
}

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
