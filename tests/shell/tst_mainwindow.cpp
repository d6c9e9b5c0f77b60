#include "shell/Banner.h"
#include "shell/BaseWindows.h"
#include "shell/MainWindow.h"
#include "shell/NavigationBar.h"
#include "shell/WorkArea.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SettingsStore.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/JpegImage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

// The navigation buttons guarded by permissions, in the order of the power table.
QList<QPushButton *> guardedButtons(TMainFm &w)
{
    return {w.FlatSpeedButton1, w.FlatSpeedButton2, w.FlatSpeedButton3, w.FlatSpeedButton7,
            w.FlatSpeedButton8, w.FlatSpeedButton6, w.FlatSpeedButton4};
}

QStringList enabledButtons(TMainFm &w)
{
    QStringList names;
    for (QPushButton *b : guardedButtons(w)) {
        if (b->isEnabled())
            names << b->objectName();
    }
    names.sort();
    return names;
}

QStringList enabledEntries(QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions()) {
        if (!a->isSeparator() && a->isEnabled() && a->isVisible())
            names << a->objectName();
    }
    return names;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void permissionsOffEnablesEverything();
    void permissionsOnWithoutPowers();
    void eachPowerEnablesItsFunctions_data();
    void eachPowerEnablesItsFunctions();
    void brokenPermissionOptionIsReportedAndIgnored_data();
    void brokenPermissionOptionIsReportedAndIgnored();
    void reloginAppliesTheNewOperatorsPowers();
    void cancelledReloginClosesWithoutConfirmation();
    void reloginHidesEveryWindowOfTheLastOperator();
    void functionKeysReachTheMainWindowFromAWorkWindow();
    void functionKeyOfADisabledButtonDoesNothing();
    void captionAndStatusBar();
    void captionWithoutShopName();
    void sampleAccountSaysWhatItIs();
    void restoreIsOfferedInTheFileMenu();
    void clockShowsDateAndTime();
    void clockPanelHoldsItsWholeText();
    void bannerTitleIsTextOverAPlainPicture();
    void navigationBarHidesAndComesBack();
    void closingAsksFirst();

private:
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
};

void tst_MainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SetNoteFlag(1); // the tips window is not part of these tests
}

void tst_MainWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
}

void tst_MainWindow::cleanup()
{
    delete m_boxes;
    delete m_account;
}

void tst_MainWindow::permissionsOffEnablesEverything()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("0"));
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("nobody"), QString())));
    TMainFm w(m_account->context());
    QCOMPARE(enabledButtons(w).size(), 7);
    for (QMenu *m : {w.FileMenu, w.BusinessMenu, w.StatisticsMenu, w.SettingsMenu, w.HelpMenu}) {
        for (QAction *a : m->actions()) {
            if (a->isVisible())
                QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        }
    }
    QVERIFY(w.InOutMenuEntry->isEnabled());
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_MainWindow::permissionsOnWithoutPowers()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("nobody"), QString())));
    TMainFm w(m_account->context());
    QCOMPARE(enabledButtons(w), QStringList());
    QVERIFY(w.FlatSpeedButton5->isEnabled());
    QCOMPARE(enabledEntries(w.FileMenu), (QStringList{QStringLiteral("NNAg"), QStringLiteral("N43"),
                                                      QStringLiteral("FileExit")}));
    QCOMPARE(enabledEntries(w.HelpMenu),
             (QStringList{QStringLiteral("HelpUse"), QStringLiteral("HelpTips"),
                          QStringLiteral("HelpLanguage"), QStringLiteral("HelpAbout")}));
    QCOMPARE(enabledEntries(w.BusinessMenu), QStringList());
    QCOMPARE(enabledEntries(w.StatisticsMenu), QStringList());
    QCOMPARE(enabledEntries(w.SettingsMenu), QStringList());
    QVERIFY(!w.InOutMenuEntry->isEnabled());
}

void tst_MainWindow::eachPowerEnablesItsFunctions_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("business");
    QTest::addColumn<int>("statistics"); // enabled entries in the statistics menu
    QTest::addColumn<int>("settings");   // enabled entries in the settings menu
    QTest::addColumn<int>("file");       // enabled entries in the file menu
    QTest::addColumn<bool>("inOut");

    const QStringList none;
    QTest::newRow("1 rent and return")
        << 1 << QStringList{"FlatSpeedButton1", "FlatSpeedButton2"}
        << QStringList{"BizRent", "BizReturn"} << 0 << 0 << 3 << false;
    QTest::newRow("2 stock") << 2 << QStringList{"FlatSpeedButton3"} << QStringList{"BizStock"} << 0
                             << 0 << 3 << false;
    QTest::newRow("3 statistics") << 3 << QStringList{"FlatSpeedButton7"} << none << 13 << 0 << 3
                                  << false;
    QTest::newRow("4 sales") << 4 << QStringList{"FlatSpeedButton8"} << QStringList{"BizSell"} << 0
                             << 0 << 3 << false;
    QTest::newRow("5 settings") << 5 << QStringList{"FlatSpeedButton6"} << none << 0 << 5 << 3
                                << false;
    QTest::newRow("6 income and expense")
        << 6 << QStringList{"FlatSpeedButton4"} << none << 0 << 0 << 3 << true;
    // with 恢复 and the two moves between file and server
    QTest::newRow("10 file menu") << 10 << none << none << 0 << 0 << 9 << false;
    QTest::newRow("11 cash-up") << 11 << none << QStringList{"BizCashUp"} << 0 << 0 << 3 << false;
    QTest::newRow("7 has no effect") << 7 << none << none << 0 << 0 << 3 << false;
}

void tst_MainWindow::eachPowerEnablesItsFunctions()
{
    QFETCH(int, power);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, business);
    QFETCH(int, statistics);
    QFETCH(int, settings);
    QFETCH(int, file);
    QFETCH(bool, inOut);

    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    const qint64 clerk = m_account->addStaff(QStringLiteral("clerk"), QString());
    const qint64 other = m_account->addStaff(QStringLiteral("other"), QString());
    m_account->grant(clerk, power);
    for (int p : {1, 2, 3, 4, 5, 6, 10})
        m_account->grant(other, p); // another operator's powers never leak
    m_account->context().setOperator(int(clerk));

    TMainFm w(m_account->context());
    buttons.sort();
    QCOMPARE(enabledButtons(w), buttons);
    QCOMPARE(enabledEntries(w.BusinessMenu), business);
    QCOMPARE(enabledEntries(w.StatisticsMenu).size(), statistics);
    QCOMPARE(enabledEntries(w.PopupMenu1).size(), statistics);
    QCOMPARE(enabledEntries(w.SettingsMenu).size(), settings);
    QCOMPARE(enabledEntries(w.FileMenu).size(), file);
    QCOMPARE(w.InOutMenuEntry->isEnabled(), inOut);
}

void tst_MainWindow::brokenPermissionOptionIsReportedAndIgnored_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("row missing") << "missing";
    QTest::newRow("not a number") << "abc";
    QTest::newRow("empty") << "";
}

void tst_MainWindow::brokenPermissionOptionIsReportedAndIgnored()
{
    QFETCH(QString, fault);
    if (fault == QLatin1String("missing"))
        Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateID = 2"), {}, m_account->db());
    else
        m_account->setOption(Schema::OptionPermissionMode, fault);
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("nobody"), QString())));

    TMainFm w(m_account->context());
    QCOMPARE(m_boxes->shown.size(), 1); // reported once
    QCOMPARE(enabledButtons(w).size(), 7);
    QVERIFY(w.Timer1->isActive());
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QVERIFY(!w.StatusPanel0->text().isEmpty());
}

void tst_MainWindow::reloginAppliesTheNewOperatorsPowers()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    const qint64 owner = m_account->addStaff(QStringLiteral("owner"), QString());
    const qint64 clerk = m_account->addStaff(QStringLiteral("clerk"), QString());
    for (int p : {1, 2, 3, 4, 5, 6, 10})
        m_account->grant(owner, p);
    m_account->grant(clerk, 4);
    m_account->context().setOperator(int(owner));
    TMainFm w(m_account->context());
    QCOMPARE(enabledButtons(w).size(), 7);

    w.setLoginProvider([&] {
        m_account->context().setOperator(int(clerk));
        return true;
    });
    w.N43->trigger();
    QCOMPARE(m_account->context().operatorId(), int(clerk));
    QCOMPARE(enabledButtons(w), QStringList{QStringLiteral("FlatSpeedButton8")});
    QVERIFY(w.isEnabled());
}

void tst_MainWindow::reloginHidesEveryWindowOfTheLastOperator()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    const qint64 owner = m_account->addStaff(QStringLiteral("owner"), QString());
    const qint64 clerk = m_account->addStaff(QStringLiteral("clerk"), QString());
    m_account->grant(owner, 3);
    m_account->context().setOperator(int(owner));
    TMainFm w(m_account->context());
    // A report or chart the owner opened: a window of the work area that is none of the five
    // long-lived work windows.
    auto *report = new QWidget;
    report->setObjectName(QStringLiteral("SomeReport"));
    w.MainPanel->place(report);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.MainPanel->bringToFront(report);
    QVERIFY(report->isVisible());

    bool reportShownDuringLogin = true;
    w.setLoginProvider([&] {
        reportShownDuringLogin = report->isVisible();
        m_account->context().setOperator(int(clerk)); // no statistics permission
        return true;
    });
    w.N43->trigger();
    QVERIFY(!reportShownDuringLogin);
    QVERIFY(!report->isVisible());
    QVERIFY(!w.FlatSpeedButton7->isEnabled());
    w.hide();
}

void tst_MainWindow::cancelledReloginClosesWithoutConfirmation()
{
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setLoginProvider([] { return false; });
    w.N43->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(m_boxes->shown.isEmpty()); // no "确认退出系统吗？"
}

void tst_MainWindow::functionKeysReachTheMainWindowFromAWorkWindow()
{
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    auto *work = new TBaseFm;
    auto *search = new QLineEdit(work);
    w.MainPanel->place(work);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.MainPanel->bringToFront(work);
    search->setFocus();

    const QList<std::pair<Qt::Key, QPushButton *>> keys = {
        {Qt::Key_F5, w.FlatSpeedButton1}, {Qt::Key_F6, w.FlatSpeedButton2},
        {Qt::Key_F7, w.FlatSpeedButton8}, {Qt::Key_F8, w.FlatSpeedButton3},
        {Qt::Key_F9, w.FlatSpeedButton4}, {Qt::Key_F4, w.FlatSpeedButton6}};
    for (const auto &[key, button] : keys) {
        button->disconnect(); // the windows behind the buttons are not part of this test
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(search, key);
        QCOMPARE(clicked.count(), 1);
    }
    // Enter in a work window's field belongs to the field: the focus stays.
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), search);
    w.hide();
}

void tst_MainWindow::functionKeyOfADisabledButtonDoesNothing()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("nobody"), QString())));
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.FlatSpeedButton1->disconnect();
    QSignalSpy clicked(w.FlatSpeedButton1, &QPushButton::clicked);
    QTest::keyClick(&w, Qt::Key_F5);
    QCOMPARE(clicked.count(), 0);
    w.hide();
}

void tst_MainWindow::captionAndStatusBar()
{
    Db::exec(QStringLiteral("INSERT INTO TBSetup (company, comAddr, comTel) VALUES (?, ?, ?)"),
             {QStringLiteral("星光'影碟"), QStringLiteral("文三路"), QStringLiteral("123")},
             m_account->db());
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Rentora    【星光'影碟】"));
    QCOMPARE(m_account->context().shop(),
             (ShopDetails{QStringLiteral("星光'影碟"), QStringLiteral("文三路"),
                          QStringLiteral("123")}));
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("当前帐户：") + m_account->context().account());
    // A passing notice (where a receipt was printed) reaches this window's status bar.
    showStatusNotice(QStringLiteral("已发送到打印机 X"));
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("已发送到打印机 X"));
    // Shown again later: the shop name is appended once per run only.
    w.hide();
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Rentora    【星光'影碟】"));
    w.hide();
}

void tst_MainWindow::captionWithoutShopName()
{
    m_account->context().setShop(ShopDetails());
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Rentora    【未设置单位名称 】"));
    w.hide();
}

void tst_MainWindow::sampleAccountSaysWhatItIs()
{
    m_account->context().setOperator(1);
    const QString own = m_account->context().account();
    // Only the file's name tells: the caption is read when the window first shows.
    m_account->context().setAccount(QStringLiteral("/opt/rentora/data/sample.mdb"));
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    m_account->context().setAccount(own);
    QCOMPARE(w.windowTitle(),
             QStringLiteral(
                 "Rentora    【未设置单位名称 】    （示例帐户，用“文件 → 新建”建立自己的帐户）"));
    w.hide();
}

void tst_MainWindow::restoreIsOfferedInTheFileMenu()
{
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    const qint64 owner = m_account->addStaff(QStringLiteral("owner"), QString());
    m_account->grant(owner, 10);
    m_account->context().setOperator(int(owner));
    TMainFm w(m_account->context());
    QAction *restore = w.action(QStringLiteral("FileRestore"));
    QVERIFY(restore);
    QVERIFY(restore->isVisible());
    QVERIFY(restore->isEnabled());
    m_account->context().setOperator(int(m_account->addStaff(QStringLiteral("clerk"), QString())));
    w.ApplyPowers(); // without the file menu's permission it is out of reach
    QVERIFY(!restore->isEnabled());
}

void tst_MainWindow::clockShowsDateAndTime()
{
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.Timer1Timer();
    const QString text = w.StatusPanel0->text();
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^系统时间：\\d{4}年\\d{2}月\\d{2}日  \\d{2}:\\d{2}:\\d{2}$"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    QCOMPARE(w.Timer1->interval(), 1000);
}

void tst_MainWindow::clockPanelHoldsItsWholeText()
{
    applyCommonLook();
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The widest the clock gets: two-digit month and day, digits at their widest.
    for (const QDateTime &t : {QDateTime(QDate(2088, 12, 28), QTime(20, 58, 58)),
                               QDateTime(QDate(2003, 7, 1), QTime(0, 0, 0))}) {
        const QString text = clockText(t);
        const int needed = w.StatusPanel0->fontMetrics().horizontalAdvance(text);
        QVERIFY2(
            w.StatusPanel0->contentsRect().width() >= needed,
            qPrintable(
                QStringLiteral("%1 < %2").arg(w.StatusPanel0->contentsRect().width()).arg(needed)));
    }
    w.hide();
}

// The banner's title is text in the program's font over the picture, whole at the width of a
// 1024-pixel screen and at a wide one; the picture itself holds no writing: each of its rows
// is one colour, from dark at the top to light at the bottom.
void tst_MainWindow::bannerTitleIsTextOverAPlainPicture()
{
    applyCommonLook();
    const QImage picture = JpegImage::load(QStringLiteral(":/banner.jpg"));
    QCOMPARE(picture.size(), QSize(1600, 41));
    for (int y = 0; y < picture.height(); ++y) {
        const QColor first = picture.pixelColor(0, y);
        for (int x = 0; x < picture.width(); x += 7) {
            const QColor c = picture.pixelColor(x, y);
            QVERIFY2(std::abs(c.red() - first.red()) <= 3 && std::abs(c.green() - first.green()) <= 3 &&
                         std::abs(c.blue() - first.blue()) <= 3,
                     qPrintable(QStringLiteral("writing at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(picture.pixelColor(0, 0).lightness() < picture.pixelColor(0, 40).lightness());

    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *title = w.FlatPanel3->findChild<QLabel *>(QStringLiteral("BannerTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Rentora  影碟租售管理系统"));
    QCOMPARE(title->text(), Banner::title());
    QCOMPARE(title->font().family(), QApplication::font().family());
    for (int width : {1024, 1600}) {
        w.setWindowState(Qt::WindowNoState);
        w.resize(width, 700);
        QTRY_COMPARE(w.FlatPanel3->width(), w.width());
        QApplication::processEvents();
        QCOMPARE(w.FlatPanel3->height(), 41);
        QVERIFY(title->isVisible());
        QVERIFY2(title->width() >= title->fontMetrics().horizontalAdvance(title->text()),
                 qPrintable(QString::number(title->width())));
        QVERIFY(w.FlatPanel3->rect().contains(title->geometry()));
        // Centred in the band's height, at its left end.
        QVERIFY(std::abs(title->geometry().center().y() - 20) <= 1);
        QCOMPARE(title->x(), 16);
    }
    w.hide();
}

void tst_MainWindow::navigationBarHidesAndComesBack()
{
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.resize(1000, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int panelWidth = w.MainPanel->width();
    w.NNAg->trigger();
    QTest::qWait(20);
    QCOMPARE(w.LeftPan->width(), 0);
    QVERIFY(w.NNAg->isChecked());
    QCOMPARE(w.MainPanel->width(), panelWidth + NavigationBar::FullWidth);
    w.NNAg->trigger();
    QTest::qWait(20);
    QCOMPARE(w.LeftPan->width(), 153);
    QVERIFY(!w.NNAg->isChecked());
    QCOMPARE(w.MainPanel->width(), panelWidth);
    // The leave button keeps 100 pixels above the bar's bottom edge.
    QCOMPARE(w.FlatSpeedButton5->y(), w.LeftPan->height() - 100);
    w.hide();
}

void tst_MainWindow::closingAsksFirst()
{
    m_account->context().setOperator(1);
    TMainFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    m_boxes->answers.enqueue(QMessageBox::No);
    w.FlatSpeedButton5->click();
    QVERIFY(w.isVisible());
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确认退出系统吗？"));
    QCOMPARE(m_boxes->shown.last().defaultButton, QMessageBox::No);
    m_boxes->answers.enqueue(QMessageBox::Yes);
    w.close();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
