// The settings window driven as an operator drives it: tabs, keys, clicks and the boxes
// it shows, on a fresh account per test.
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"

#include "settings/ListEditor.h"
#include "settings/SetupLayout.h"
#include "settings/SetupOptionsPage.h"
#include "settings/SetupWindow.h"
#include "settings/SupplierStore.h"
#include "shell/MainWindow.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "toolkit/DataGrid.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Password.h"
#include "data/Schema.h"
#include "data/SettingsStore.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace {

// Types text key by key; characters beyond ASCII go as text events, as an input method sends
// them.
void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(w, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Empties an edit as the operator would (select all, delete) and types into it.
void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

void click(QAbstractButton *b)
{
    QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Moves to a row of a grid with the arrow keys.
void pickRow(DataGrid *grid, int position)
{
    QTreeView *view = grid->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    if (grid->currentPosition() != 0)
        grid->setCurrentPosition(0);
    for (int i = 0; i < position; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(grid->currentPosition(), position);
}

// The grid's texts in one column, in the order shown.
QStringList column(DataGrid *grid, const QString &field)
{
    QStringList texts;
    for (int i = 0; i < grid->rowCount(); ++i)
        texts << grid->textAt(i, field);
    return texts;
}

// Answers the next modal dialog: `fill` runs on it once it is up.
void whenDialogOpens(std::function<void(QWidget *)> fill)
{
    QTimer::singleShot(0, [fill] {
        QWidget *dlg = QApplication::activeModalWidget();
        QVERIFY(dlg);
        fill(dlg);
    });
}

// A control of the settings window, found by its object name as the help and the tests know
// it; a missing one stops the test.
template <typename T> T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("the settings window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(no focus)");
}

QVariant scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {})
{
    return Db::scalar(sql, params, db);
}

void clickTab(QTabWidget *tabs, int index)
{
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(tabs->currentIndex(), index);
}

// Clicks entries of a permission list, the first plainly and the others with Ctrl held.
void selectEntries(QListWidget *list, const QList<int> &rows)
{
    Qt::KeyboardModifiers mod = Qt::NoModifier;
    for (int row : rows) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mod,
                          list->visualItemRect(list->item(row)).center());
        mod = Qt::ControlModifier;
    }
}

QStringList entries(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QList<int> grantedTo(const QSqlDatabase &db, qint64 staffId)
{
    QList<int> ids;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT PowerId FROM TBUserPower WHERE UserId = ? "
                                          "ORDER BY PowerId"),
                           {staffId}, db);
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

} // namespace

class tst_SetupWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showPageReadsOnlyWhenNeeded();
    void headerOfEachPage_data();
    void headerOfEachPage();
    void membersAddedSavedAndProtected();
    void memberEntryRefused_data();
    void memberEntryRefused();
    void movingOffANewMemberDropsIt();
    void memberPaymentsThroughTheDialog();
    void deletingAMemberKeepsPaymentsAndRentals();
    void rentalOptions();
    void shopDetailsUpdateTheSharedValues();
    void feeClassesAndCategories();
    void staffAndPermissions();
    void permissionListMoves();
    void typesBuiltInLockedUserTypesSaved();
    void suppliersInsertOnceAfterAddUpdateOtherwise();
    void newShopSetUpThroughTheWindow();
    void listEditingKeepsTheNewRowUntilSaved();
    void grabPages();

private:
    TSetupFm *openOn(int page);

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
};

void tst_SetupWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SetNoteFlag(1);
    applyCommonLook();
}

void tst_SetupWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
}

void tst_SetupWindow::cleanup()
{
    delete SetupWindow();
    delete m_boxes;
    delete m_account;
}

TSetupFm *tst_SetupWindow::openOn(int page)
{
    ShowSetupPage(m_account->context(), page);
    TSetupFm *w = setupForm();
    if (w) {
        // Focus moves only inside the active window.
        QApplication::setActiveWindow(w->window());
        if (!QTest::qWaitForWindowActive(w->window()))
            qWarning("the settings window did not become active");
    }
    return w;
}

void tst_SetupWindow::showPageReadsOnlyWhenNeeded()
{
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    QVERIFY(w && !w->isHidden());
    QCOMPARE(control<DataGrid>(w, "ASGrid")->rowCount(), 1); // the walk-in customer

    // The same page again only brings the window forward: the new member is not read.
    m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 3);
    ShowSetupPage(m_account->context(), TSetupFm::PageMembers);
    QCOMPARE(control<DataGrid>(w, "ASGrid")->rowCount(), 1);

    // Another page through the menu, then the members tab: read afresh.
    ShowSetupPage(m_account->context(), TSetupFm::PageOptions);
    QCOMPARE(w->PageControl1->currentIndex(), int(TSetupFm::PageOptions));
    // The page left behind has let its rows go.
    QCOMPARE(control<DataGrid>(w, "ASGrid")->rowCount(), 0);
    clickTab(w->PageControl1, TSetupFm::PageMembers);
    QCOMPARE(control<DataGrid>(w, "ASGrid")->rowCount(), 2);

    // A hidden window shown again reads its page once more.
    m_account->addMember(QStringLiteral("A2"), QStringLiteral("乙"), 3);
    w->hide();
    ShowSetupPage(m_account->context(), TSetupFm::PageMembers);
    QVERIFY(!w->isHidden());
    QCOMPARE(control<DataGrid>(w, "ASGrid")->rowCount(), 3);

    // Out-of-range indexes land on the nearest page rather than failing.
    ShowSetupPage(m_account->context(), 99);
    QCOMPARE(w->PageControl1->currentIndex(), int(TSetupFm::PageShop));
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_SetupWindow::headerOfEachPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("header");
    QTest::newRow("members") << 0 << "在这儿您可以设置出租会员的基本信息。";
    QTest::newRow("options") << 1 << "在这儿您可以设置出租影片的租金计算的方法以及系统管理方式。";
    QTest::newRow("fees") << 2 << "在这儿您可以设置出租影片的租金费用，以及影片的分类情况。";
    QTest::newRow("staff") << 3 << "在这儿您可以进行员工的管理操作。";
    QTest::newRow("types") << 4 << "在这儿您可以设置收支类型的基本信息。";
    QTest::newRow("suppliers") << 5 << "在这儿您可以设置供应商的基本信息。";
}

void tst_SetupWindow::headerOfEachPage()
{
    QFETCH(int, page);
    QFETCH(QString, header);

    TSetupFm *w = openOn(page);
    QCOMPARE(w->Label9->text(), header);
    // The shop details page keeps the header of the page shown before it.
    clickTab(w->PageControl1, TSetupFm::PageShop);
    QCOMPARE(w->Label9->text(), header);
}

void tst_SetupWindow::membersAddedSavedAndProtected()
{
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    // The walk-in customer is listed but protected.
    QCOMPARE(control<DataGrid>(w, "ASGrid")->text(QStringLiteral("Name")),
             QStringLiteral("零租客户"));
    QVERIFY(!control<QPushButton>(w, "BtnAsSave")->isEnabled());
    QVERIFY(!control<QPushButton>(w, "BtnASDel")->isEnabled());
    QCOMPARE(control<QDateEdit>(w, "EDViewDate")->date(), QDate(2000, 1, 1));

    click(control<QPushButton>(w, "BtnASAdd"));
    QCOMPARE(control<QLabel>(w, "Label20")->text(), QStringLiteral("添加"));
    QCOMPARE(control<QLineEdit>(w, "EDNAme")->text(), QString());
    QCOMPARE(control<QDateEdit>(w, "EDViewDate")->date(), QDate::currentDate());
    QVERIFY(control<QPushButton>(w, "BtnAsSave")->isEnabled());
    QVERIFY(control<QLineEdit>(w, "EDNum")->hasFocus());

    typeText(control<QLineEdit>(w, "EDNum"), QStringLiteral("A'01"));
    QTest::keyClick(control<QLineEdit>(w, "EDNum"), Qt::Key_Tab);
    typeText(control<QLineEdit>(w, "EDNAme"), QStringLiteral("王\"五'"));
    retype(control<QLineEdit>(w, "EDViewNum"), QStringLiteral("5x")); // the letter is not taken
    QCOMPARE(control<QLineEdit>(w, "EDViewNum")->text(), QStringLiteral("5"));
    retype(control<QLineEdit>(w, "EDMemo"), QStringLiteral("老顾客"));
    control<QDateEdit>(w, "EDViewDate")->setDate(QDate(2030, 12, 31));
    click(control<QPushButton>(w, "BtnAsSave"));

    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存成功！")});
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Information);
    QSqlQuery q = Db::exec(QStringLiteral("SELECT * FROM TBAssociator WHERE Num = ?"),
                           {QStringLiteral("A'01")}, m_account->db());
    QVERIFY(q.next());
    const qint64 id = Db::integer(q, "ID");
    QVERIFY(id > Schema::WalkInCustomerId);
    QCOMPARE(Db::text(q, "Name"), QStringLiteral("王\"五'"));
    QCOMPARE(Db::integer(q, "Sum"), 5);
    QCOMPARE(Db::text(q, "SDT"), QStringLiteral("2030-12-31"));
    QCOMPARE(Db::text(q, "DateT"), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(Db::text(q, "Memo"), QStringLiteral("老顾客"));
    // The new member is the one on show, ready for changes.
    QCOMPARE(control<DataGrid>(w, "ASGrid")->value(QStringLiteral("ID")).toLongLong(), id);
    QCOMPARE(control<QLabel>(w, "Label20")->text(), QStringLiteral("修改"));
    QVERIFY(control<QPushButton>(w, "BtnASDel")->isEnabled());

    // Saved again with the allowance emptied: the allowance stays.
    retype(control<QLineEdit>(w, "EDViewNum"), QString());
    retype(control<QLineEdit>(w, "EDPhone"), QStringLiteral("139"));
    click(control<QPushButton>(w, "BtnAsSave"));
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT Sum || '/' || Telephone FROM TBAssociator "
                                   "WHERE ID = ?"),
                    {id}),
             QVariant(QStringLiteral("5/139")));
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator")), 2);
}

void tst_SetupWindow::memberEntryRefused_data()
{
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("allowance"); // put in as pasted text
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");

    const int error = int(Msg::Icon::Error);
    const int info = int(Msg::Icon::Information);
    QTest::newRow("no number") << ""
                               << "甲"
                               << ""
                               << "请输入会员编号！" << error << "EDNum";
    QTest::newRow("no name") << "B1"
                             << ""
                             << ""
                             << "请输入会员姓名！" << error << "EDNAme";
    QTest::newRow("pasted fraction") << "B1"
                                     << "甲"
                                     << "1.5"
                                     << "数据保存失败！" << info << "EDViewNum";
    QTest::newRow("pasted words") << "B1"
                                  << "甲"
                                  << "五部"
                                  << "数据保存失败！" << info << "EDViewNum";
    QTest::newRow("number taken") << "A1"
                                  << "甲"
                                  << ""
                                  << "会员编号【A1】已被会员【老会员】使用，请输入其他编号！"
                                  << error << "EDNum";
}

void tst_SetupWindow::memberEntryRefused()
{
    QFETCH(QString, num);
    QFETCH(QString, name);
    QFETCH(QString, allowance);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);

    m_account->addMember(QStringLiteral("A1"), QStringLiteral("老会员"), 2);
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    click(control<QPushButton>(w, "BtnASAdd"));
    typeText(control<QLineEdit>(w, "EDNum"), num);
    retype(control<QLineEdit>(w, "EDNAme"), name);
    control<QLineEdit>(w, "EDViewNum")->setText(allowance);
    click(control<QPushButton>(w, "BtnAsSave"));

    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(int(m_boxes->shown.last().icon), icon);
    QCOMPARE(focusName(), focus);
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator")), 2);
    // The typed entry stays for correction.
    QCOMPARE(control<QLabel>(w, "Label20")->text(), QStringLiteral("添加"));
    QCOMPARE(control<QLineEdit>(w, "EDNum")->text(), num);
}

void tst_SetupWindow::movingOffANewMemberDropsIt()
{
    m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 2);
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    click(control<QPushButton>(w, "BtnASAdd"));
    typeText(control<QLineEdit>(w, "EDNum"), QStringLiteral("NEW"));
    pickRow(control<DataGrid>(w, "ASGrid"), 1);
    QCOMPARE(control<QLabel>(w, "Label20")->text(), QStringLiteral("修改"));
    QCOMPARE(control<QLineEdit>(w, "EDNum")->text(), QStringLiteral("A1"));
    retype(control<QLineEdit>(w, "EDNAme"), QStringLiteral("甲二"));
    click(control<QPushButton>(w, "BtnAsSave"));
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator")), 2);
    QCOMPARE(
        scalar(m_account->db(), QStringLiteral("SELECT Name FROM TBAssociator WHERE Num = 'A1'")),
        QVariant(QStringLiteral("甲二")));
}

void tst_SetupWindow::memberPaymentsThroughTheDialog()
{
    const qint64 a = m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 2);
    const qint64 b = m_account->addMember(QStringLiteral("A2"), QStringLiteral("乙"), 2);
    Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, "
                            "Memo) VALUES ('2024-01-05', 9, 2000, ?, 0, '旧'), "
                            "('2024-01-06', 8, 3000, ?, 0, '押金')"),
             {a, a}, m_account->db());
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    pickRow(control<DataGrid>(w, "ASGrid"), 1);
    clickTab(control<QTabWidget>(w, "PageControl2"), 0);
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->rowCount(), 1); // the deposit is not a payment
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->footerText(QStringLiteral("Moneys")),
             QStringLiteral("共20.00 元"));
    QVERIFY(control<QPushButton>(w, "BtnSEdit")->isEnabled());
    QVERIFY(control<QPushButton>(w, "BtnDel")->isEnabled());

    // Moving to a member without payments reads their (empty) list at once.
    pickRow(control<DataGrid>(w, "ASGrid"), 2);
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->rowCount(), 0);
    QVERIFY(!control<QPushButton>(w, "BtnSEdit")->isEnabled());
    QVERIFY(!control<QPushButton>(w, "BtnDel")->isEnabled());

    // A new payment: the dialog opens empty with today's date.
    whenDialogOpens([](QWidget *dlg) {
        auto *amount = dlg->findChild<QLineEdit *>(QStringLiteral("EDSMoney"));
        QCOMPARE(amount->text(), QString());
        QCOMPARE(dlg->findChild<QDateEdit *>(QStringLiteral("DTPSDate"))->date(),
                 QDate::currentDate());
        typeText(amount, QStringLiteral("50"));
        typeText(dlg->findChild<QLineEdit *>(QStringLiteral("EDRemark")), QStringLiteral("年'费"));
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("Btnok")), Qt::LeftButton);
    });
    click(control<QPushButton>(w, "BtnSAdd"));
    QSqlQuery q = Db::exec(QStringLiteral("SELECT * FROM TBInOutMoney WHERE ClientID = ?"), {b},
                           m_account->db());
    QVERIFY(q.next());
    const qint64 fid = Db::integer(q, "FID");
    QCOMPARE(Db::integer(q, "CateID"), qint64(Schema::TypeMemberPayment));
    QCOMPARE(Db::integer(q, "Moneys"), 5000);
    QCOMPARE(Db::integer(q, "Per"), 0);
    QCOMPARE(Db::text(q, "Memo"), QStringLiteral("年'费"));
    QCOMPARE(Db::text(q, "FeeDate"), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->rowCount(), 1);
    QVERIFY(control<QPushButton>(w, "BtnSEdit")->isEnabled());

    // Correcting it: the dialog shows the stored amount in its shortest form.
    whenDialogOpens([](QWidget *dlg) {
        auto *amount = dlg->findChild<QLineEdit *>(QStringLiteral("EDSMoney"));
        QCOMPARE(amount->text(), QStringLiteral("50"));
        retype(amount, QStringLiteral("30.5"));
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("Btnok")), Qt::LeftButton);
    });
    click(control<QPushButton>(w, "BtnSEdit"));
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {fid}),
             QVariant(3050));
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->footerText(QStringLiteral("Moneys")),
             QStringLiteral("共30.50 元"));

    // Cancelled: nothing changes.
    whenDialogOpens([](QWidget *dlg) {
        retype(dlg->findChild<QLineEdit *>(QStringLiteral("EDSMoney")), QStringLiteral("99"));
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("BtnClose")),
                          Qt::LeftButton);
    });
    click(control<QPushButton>(w, "BtnSEdit"));
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {fid}),
             QVariant(3050));

    m_boxes->answers.enqueue(QMessageBox::No);
    click(control<QPushButton>(w, "BtnDel"));
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"), QStringLiteral("FID = %1").arg(fid)),
             1);
    click(control<QPushButton>(w, "BtnDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除交费记录吗?"));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Warning);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"), QStringLiteral("FID = %1").arg(fid)),
             0);
    QCOMPARE(control<DataGrid>(w, "SDBGridFee")->rowCount(), 0);
    QVERIFY(!control<QPushButton>(w, "BtnSEdit")->isEnabled());
    // The first member's records were never touched.
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);
}

void tst_SetupWindow::deletingAMemberKeepsPaymentsAndRentals()
{
    const qint64 gone = m_account->addMember(QStringLiteral("A1"), QStringLiteral("张三"), 2);
    const qint64 other = m_account->addMember(QStringLiteral("A2"), QStringLiteral("李四"), 2);
    const qint64 copy =
        m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    for (qint64 m : {gone, other}) {
        // The member to be deleted has brought his disc back; the other has not.
        Db::exec(
            QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                           "Ass_Number, DatTime, Deposit, Persons, ReDate) "
                           "VALUES (?, 300, 1, ?, '2024-03-01', 2000, 1, ?)"),
            {copy, m, m == gone ? QVariant(QStringLiteral("2024-03-02 10:00:00")) : QVariant()},
            m_account->db());
        Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                                "Per) VALUES ('2024-03-01', 9, 1000, ?, 0)"),
                 {m}, m_account->db());
    }
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    pickRow(control<DataGrid>(w, "ASGrid"), 1);
    QCOMPARE(control<DataGrid>(w, "SDBGridLease")->rowCount(), 1);
    QCOMPARE(control<DataGrid>(w, "SDBGridLease")->footerText(QStringLiteral("Name")),
             QStringLiteral("共 1 部"));

    m_boxes->answers.enqueue(QMessageBox::No);
    click(control<QPushButton>(w, "BtnASDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除会员【张三】相关资料吗？"));
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator")), 3);

    click(control<QPushButton>(w, "BtnASDel"));
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator"), QStringLiteral("ID = %1").arg(gone)),
             0);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 2);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);
    QCOMPARE(column(control<DataGrid>(w, "ASGrid"), QStringLiteral("Name")),
             (QStringList{QStringLiteral("零租客户"), QStringLiteral("李四")}));
    pickRow(control<DataGrid>(w, "ASGrid"), 1);
    QCOMPARE(column(control<DataGrid>(w, "SDBGridLease"), QStringLiteral("CustomNum")),
             QStringList{QStringLiteral("0001-1")});

    // The member with the disc still out is refused, with the reason, and stays.
    m_boxes->clear();
    click(control<QPushButton>(w, "BtnASDel"));
    QCOMPARE(m_boxes->texts(),
             (QStringList{QStringLiteral("确定要删除会员【李四】相关资料吗？"),
                          QStringLiteral("该会员还有1张影碟未归还，不能删除！")}));
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator"), QStringLiteral("ID = %1").arg(other)),
             1);
}

void tst_SetupWindow::rentalOptions()
{
    auto option = [this](int cateId) {
        return scalar(m_account->db(),
                      QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = ?"),
                      {cateId})
            .toString();
    };
    TSetupFm *w = openOn(TSetupFm::PageOptions);
    // The new account's choices: by days, no permissions, no receipt, POS paper, 7 days.
    QVERIFY(control<QRadioButton>(w, "RBtnDay")->isChecked());
    QVERIFY(control<QRadioButton>(w, "RBtnNo")->isChecked());
    QVERIFY(control<QRadioButton>(w, "RBtnPrintNo")->isChecked());
    QVERIFY(control<QRadioButton>(w, "RBTnPrintPOS")->isChecked());
    QVERIFY(!control<QRadioButton>(w, "RBTnPrintPOS")->isVisibleTo(w));
    QCOMPARE(control<QLineEdit>(w, "EDPassDays")->text(), QStringLiteral("7"));

    click(control<QRadioButton>(w, "RBtnVCD"));
    click(control<QRadioButton>(w, "RbtnReg"));
    click(control<QRadioButton>(w, "RBtnPrint"));
    retype(control<QLineEdit>(w, "EDPassDays"), QString());

    // Nobody may open the settings yet: switching permission control on is asked first,
    // and "No" stores nothing.
    m_boxes->answers.enqueue(QMessageBox::No);
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(m_boxes->texts(), QStringList{SetupOptionsPage::LockOutQuestion});
    QCOMPARE(m_boxes->shown.last().defaultButton, QMessageBox::No);
    QCOMPARE(option(Schema::OptionPermissionMode), QStringLiteral("0"));
    QCOMPARE(option(Schema::OptionRentRule), QStringLiteral("0"));
    m_boxes->clear();
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(m_boxes->texts(),
             (QStringList{SetupOptionsPage::LockOutQuestion, QStringLiteral("数据保存成功！")}));

    // Once somebody holds the system settings permission the question is not asked.
    m_account->grant(1, 5);
    m_boxes->clear();
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存成功！")});
    QCOMPARE(control<QLineEdit>(w, "EDPassDays")->text(), QStringLiteral("3"));
    QCOMPARE(option(Schema::OptionRentRule), QStringLiteral("1"));
    QCOMPARE(option(Schema::OptionPermissionMode), QStringLiteral("1"));
    QCOMPARE(option(Schema::OptionOverdueDays), QStringLiteral("3"));
    QCOMPARE(option(Schema::OptionReceiptPrinting), QStringLiteral("0"));
    QCOMPARE(option(Schema::OptionReceiptPaper), QStringLiteral("1"));

    // A pasted day count that is no number: refused, and no option is half-saved.
    click(control<QRadioButton>(w, "RBtnNo"));
    control<QLineEdit>(w, "EDPassDays")->setText(QStringLiteral("5'"));
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Error);
    QCOMPARE(focusName(), QStringLiteral("EDPassDays"));
    QCOMPARE(option(Schema::OptionPermissionMode), QStringLiteral("1"));
    QCOMPARE(option(Schema::OptionOverdueDays), QStringLiteral("3"));

    // Shown again, the page reads the stored choices.
    clickTab(w->PageControl1, TSetupFm::PageMembers);
    clickTab(w->PageControl1, TSetupFm::PageOptions);
    QVERIFY(control<QRadioButton>(w, "RBtnVCD")->isChecked());
    QVERIFY(control<QRadioButton>(w, "RbtnReg")->isChecked());
    QVERIFY(control<QRadioButton>(w, "RBtnPrint")->isChecked());
    QCOMPARE(control<QLineEdit>(w, "EDPassDays")->text(), QStringLiteral("3"));

    // A stored value that is no number is reported by name, and the page shows the default the
    // counter acts on meanwhile; saving the page mends the row.
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("x"));
    m_boxes->clear();
    clickTab(w->PageControl1, TSetupFm::PageMembers);
    clickTab(w->PageControl1, TSetupFm::PageOptions);
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->shown.first().text.contains(QStringLiteral("租金计算方法")));
    QVERIFY(control<QRadioButton>(w, "RBtnDay")->isChecked());
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(option(Schema::OptionRentRule), QStringLiteral("0"));

    // A save the engine refuses says so with the engine's words under the details, and no
    // option is half-saved.
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE UPDATE ON TBKindValue "
                            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"),
             {}, m_account->db());
    click(control<QRadioButton>(w, "RBtnVCD"));
    m_boxes->clear();
    click(control<QPushButton>(w, "BitBtn1"));
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().startsWith(QStringLiteral("数据保存出错！\n")));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Error);
    QVERIFY(m_boxes->shown.last().details.contains(QStringLiteral("refused by the test")));
    QCOMPARE(option(Schema::OptionRentRule), QStringLiteral("0"));
}

void tst_SetupWindow::shopDetailsUpdateTheSharedValues()
{
    m_account->context().setShop(ShopDetails());
    TSetupFm *w = openOn(TSetupFm::PageShop);
    QCOMPARE(control<QLineEdit>(w, "EDMyCOMpany")->text(), QString());
    typeText(control<QLineEdit>(w, "EDMyCOMpany"), QStringLiteral("星光'影碟"));
    typeText(control<QLineEdit>(w, "EDMyAddr"), QStringLiteral("人民路1号"));
    typeText(control<QLineEdit>(w, "EDMyTel"), QStringLiteral("0571-888"));
    click(control<QPushButton>(w, "BtnMyDo"));
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(m_account->context().shop(),
             (ShopDetails{QStringLiteral("星光'影碟"), QStringLiteral("人民路1号"),
                          QStringLiteral("0571-888")}));
    QCOMPARE(m_account->count(QStringLiteral("TBSetup")), 1);

    retype(control<QLineEdit>(w, "EDMyTel"), QStringLiteral("110"));
    click(control<QPushButton>(w, "BtnMyDo"));
    QCOMPARE(m_account->count(QStringLiteral("TBSetup")), 1);
    QCOMPARE(scalar(m_account->db(), QStringLiteral("SELECT comTel FROM TBSetup")),
             QVariant(QStringLiteral("110")));

    control<QLineEdit>(w, "EDMyTel")->clear();
    clickTab(w->PageControl1, TSetupFm::PageMembers);
    clickTab(w->PageControl1, TSetupFm::PageShop);
    QCOMPARE(control<QLineEdit>(w, "EDMyTel")->text(), QStringLiteral("110"));
    QCOMPARE(control<QLineEdit>(w, "EDMyCOMpany")->text(), QStringLiteral("星光'影碟"));
}

void tst_SetupWindow::feeClassesAndCategories()
{
    TSetupFm *w = openOn(TSetupFm::PageFees);
    QCOMPARE(control<DataGrid>(w, "FeeGrid")->rowCount(), 0);

    // On an empty list a save without "添  加" creates the first class.
    typeText(control<QLineEdit>(w, "EDFeeName"), QStringLiteral("D'VD"));
    typeText(control<QLineEdit>(w, "EDFee"), QStringLiteral("2.5a")); // the letter is not taken
    typeText(control<QLineEdit>(w, "EDFeeYJ"), QStringLiteral("30"));
    click(control<QPushButton>(w, "BtnFeeSave"));
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT Name || '/' || Fee || '/' || Deposit FROM TBVer")),
             QVariant(QStringLiteral("D'VD/250/3000")));
    QCOMPARE(control<DataGrid>(w, "FeeGrid")->text(QStringLiteral("Fee")), QStringLiteral("2.50"));
    QCOMPARE(control<QLineEdit>(w, "EDFee")->text(), QStringLiteral("2.5"));

    click(control<QPushButton>(w, "BtnFeeAdd"));
    QCOMPARE(control<QLineEdit>(w, "EDFeeName")->text(), QString());
    typeText(control<QLineEdit>(w, "EDFeeName"), QStringLiteral("VCD"));
    typeText(control<QLineEdit>(w, "EDFeeYJ"), QStringLiteral("10"));
    click(control<QPushButton>(w, "BtnFeeSave"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("请输入租金/天金额！")});
    QCOMPARE(focusName(), QStringLiteral("EDFee"));
    control<QLineEdit>(w, "EDFee")->setText(QStringLiteral("1..5")); // pasted
    click(control<QPushButton>(w, "BtnFeeSave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("租金/天金额输入有错误，请检查！"));
    retype(control<QLineEdit>(w, "EDFee"), QStringLiteral("0"));
    click(control<QPushButton>(w, "BtnFeeSave"));
    QCOMPARE(column(control<DataGrid>(w, "FeeGrid"), QStringLiteral("Name")),
             (QStringList{QStringLiteral("D'VD"), QStringLiteral("VCD")}));
    QCOMPARE(control<DataGrid>(w, "FeeGrid")->text(QStringLiteral("Name")), QStringLiteral("VCD"));

    // Changing the class on show updates it.
    pickRow(control<DataGrid>(w, "FeeGrid"), 0);
    retype(control<QLineEdit>(w, "EDFeeName"), QStringLiteral("DVD"));
    click(control<QPushButton>(w, "BtnFeeSave"));
    QCOMPARE(m_account->count(QStringLiteral("TBVer")), 2);
    QCOMPARE(m_account->count(QStringLiteral("TBVer"), QStringLiteral("Name = 'DVD'")), 1);

    m_boxes->clear();
    click(control<QPushButton>(w, "BtnFeeDel"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("确定要删除类型【DVD】吗？")});
    QCOMPARE(column(control<DataGrid>(w, "FeeGrid"), QStringLiteral("Name")),
             QStringList{QStringLiteral("VCD")});

    // Categories: three added, the first deleted, the edit shows the new first one.
    for (const QString &name :
         {QStringLiteral("动作"), QStringLiteral("爱'情"), QStringLiteral("科幻")}) {
        click(control<QPushButton>(w, "BtnCateAdd"));
        typeText(control<QLineEdit>(w, "EDCateName"), name);
        click(control<QPushButton>(w, "BtnCateSave"));
    }
    QCOMPARE(control<DataGrid>(w, "CateGrid")->rowCount(), 3);
    pickRow(control<DataGrid>(w, "CateGrid"), 0);
    QCOMPARE(control<QLineEdit>(w, "EDCateName")->text(), QStringLiteral("动作"));
    click(control<QPushButton>(w, "BtnCateDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除分类【动作】吗？"));
    QCOMPARE(control<QLineEdit>(w, "EDCateName")->text(), QStringLiteral("爱'情"));
    QCOMPARE(control<DataGrid>(w, "FeeGrid")->rowCount(), 1);

    click(control<QPushButton>(w, "BtnCateAdd"));
    click(control<QPushButton>(w, "BtnCateSave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("请输入影片类型！"));
    QCOMPARE(m_account->count(QStringLiteral("TBCategray")), 2);
}

void tst_SetupWindow::staffAndPermissions()
{
    TSetupFm *w = openOn(TSetupFm::PageStaff);
    const QStringList catalogue = entries(control<QListWidget>(w, "LbPower"));
    QCOMPARE(catalogue.size(), 8); // the first staff member holds no permission
    QVERIFY(entries(control<QListWidget>(w, "LbUserPower")).isEmpty());

    click(control<QPushButton>(w, "BtnPerAdd"));
    QCOMPARE(control<QLineEdit>(w, "EDPerName")->text(), QString());
    QCOMPARE(entries(control<QListWidget>(w, "LbPower")), catalogue);
    typeText(control<QLineEdit>(w, "EDPerName"), QStringLiteral("小'李"));
    QTest::keyClick(control<QLineEdit>(w, "EDPerName"), Qt::Key_Tab);
    typeText(control<QLineEdit>(w, "EDPerPWD"), QStringLiteral("1'2"));
    selectEntries(control<QListWidget>(w, "LbPower"), {0, 1}); // renting and stock
    click(control<QPushButton>(w, "BtnSingToR"));
    // Several entries arrive last first.
    QCOMPARE(entries(control<QListWidget>(w, "LbUserPower")),
             (QStringList{catalogue[1], catalogue[0]}));
    click(control<QPushButton>(w, "BtnPerSave"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存成功！")});
    const qint64 first =
        control<DataGrid>(w, "PerSonGrid")->value(QStringLiteral("ID")).toLongLong();
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT Name || '/' || PerFlag FROM TBPersons WHERE ID = ?"),
                    {first}),
             QVariant(QStringLiteral("小'李/0")));
    const auto storedPassword = [&] {
        return scalar(m_account->db(), QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"),
                      {first})
            .toString();
    };
    QVERIFY(Password::matches(storedPassword(), QStringLiteral("1'2")));
    QCOMPARE(grantedTo(m_account->db(), first), (QList<int>{1, 2}));

    // A second member of staff of the same name keeps their own permissions apart.
    click(control<QPushButton>(w, "BtnPerAdd"));
    typeText(control<QLineEdit>(w, "EDPerName"), QStringLiteral("小'李"));
    selectEntries(control<QListWidget>(w, "LbPower"), {3});
    click(control<QPushButton>(w, "BtnSingToR"));
    click(control<QPushButton>(w, "BtnPerSave"));
    const qint64 second =
        control<DataGrid>(w, "PerSonGrid")->value(QStringLiteral("ID")).toLongLong();
    QVERIFY(second != first);
    QCOMPARE(grantedTo(m_account->db(), first), (QList<int>{1, 2}));
    QCOMPARE(grantedTo(m_account->db(), second), QList<int>{4});

    // Back on the first, its lists show what it holds; all taken away and saved.
    QVERIFY(control<DataGrid>(w, "PerSonGrid")->locateValue(QStringLiteral("ID"), first));
    QCOMPARE(entries(control<QListWidget>(w, "LbUserPower")),
             (QStringList{catalogue[1], catalogue[0]}));
    // Only the hash is kept: the field stays empty, and saving without typing keeps the password.
    QCOMPARE(control<QLineEdit>(w, "EDPerPWD")->text(), QString());
    QCOMPARE(control<QLineEdit>(w, "EDPerPWD")->echoMode(), QLineEdit::Password);
    click(control<QPushButton>(w, "BtnAllToL"));
    click(control<QPushButton>(w, "BtnPerSave"));
    QVERIFY(Password::matches(storedPassword(), QStringLiteral("1'2")));
    QCOMPARE(grantedTo(m_account->db(), first), QList<int>());
    QCOMPARE(grantedTo(m_account->db(), second), QList<int>{4});

    // Refused without a name; nothing written.
    click(control<QPushButton>(w, "BtnPerAdd"));
    click(control<QPushButton>(w, "BtnPerSave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("请输入人员名称！"));
    QCOMPARE(focusName(), QStringLiteral("EDPerName"));

    // Deleting keeps the row, hides it here and takes its permissions.
    QVERIFY(control<DataGrid>(w, "PerSonGrid")->locateValue(QStringLiteral("ID"), second));
    click(control<QPushButton>(w, "BtnPerDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除人员【小'李】吗？"));
    QCOMPARE(scalar(m_account->db(), QStringLiteral("SELECT PerFlag FROM TBPersons WHERE ID = ?"),
                    {second}),
             QVariant(2));
    QCOMPARE(grantedTo(m_account->db(), second), QList<int>());
    QVERIFY(!control<DataGrid>(w, "PerSonGrid")->locateValue(QStringLiteral("ID"), second));
    QCOMPARE(control<DataGrid>(w, "PerSonGrid")->rowCount(), 2);
}

void tst_SetupWindow::permissionListMoves()
{
    TSetupFm *w = openOn(TSetupFm::PageStaff);
    const QStringList all = entries(control<QListWidget>(w, "LbPower"));

    // ">" with nothing selected moves nothing and selects the first entry.
    control<QListWidget>(w, "LbPower")->clearSelection();
    click(control<QPushButton>(w, "BtnSingToR"));
    QVERIFY(entries(control<QListWidget>(w, "LbUserPower")).isEmpty());
    QCOMPARE(control<QListWidget>(w, "LbPower")->selectedItems().size(), 1);
    QCOMPARE(control<QListWidget>(w, "LbPower")
                 ->row(control<QListWidget>(w, "LbPower")->selectedItems().first()),
             0);

    const int last = int(all.size()) - 1;
    // Moving the last entry selects the new last one; the focus stays on the source list.
    selectEntries(control<QListWidget>(w, "LbPower"), {last});
    click(control<QPushButton>(w, "BtnSingToR"));
    QCOMPARE(entries(control<QListWidget>(w, "LbUserPower")), QStringList{all[last]});
    QCOMPARE(control<QListWidget>(w, "LbPower")
                 ->row(control<QListWidget>(w, "LbPower")->selectedItems().first()),
             last - 1);
    QCOMPARE(focusName(), QStringLiteral("LbPower"));

    click(control<QPushButton>(w, "BtnAllToR"));
    QVERIFY(entries(control<QListWidget>(w, "LbPower")).isEmpty());
    QCOMPARE(entries(control<QListWidget>(w, "LbUserPower")),
             QStringList{all[last]} + all.mid(0, last));
    click(control<QPushButton>(w, "BtnSingToR")); // nothing left to move
    QCOMPARE(control<QListWidget>(w, "LbUserPower")->count(), all.size());

    selectEntries(control<QListWidget>(w, "LbUserPower"), {0});
    click(control<QPushButton>(w, "BtnSingToL"));
    QCOMPARE(entries(control<QListWidget>(w, "LbPower")), QStringList{all[last]});
    click(control<QPushButton>(w, "BtnAllToL"));
    QCOMPARE(entries(control<QListWidget>(w, "LbPower")),
             QStringList{all[last]} + all.mid(0, last));
    QVERIFY(entries(control<QListWidget>(w, "LbUserPower")).isEmpty());
}

void tst_SetupWindow::typesBuiltInLockedUserTypesSaved()
{
    TSetupFm *w = openOn(TSetupFm::PageTypes);
    QCOMPARE(control<DataGrid>(w, "FeeCateGrid")->rowCount(), 3);
    for (int i = 0; i < 3; ++i) {
        pickRow(control<DataGrid>(w, "FeeCateGrid"), i);
        QVERIFY(!control<QPushButton>(w, "BtnCsave")->isEnabled());
        QVERIFY(!control<QPushButton>(w, "BtnCDel")->isEnabled());
    }

    click(control<QPushButton>(w, "BtnCAdd"));
    QVERIFY(control<QPushButton>(w, "BtnCsave")->isEnabled());
    QCOMPARE(control<QLineEdit>(w, "EDCNAme")->text(), QString());
    click(control<QPushButton>(w, "BtnCsave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("请输入收支名称！"));
    typeText(control<QLineEdit>(w, "EDCNAme"), QStringLiteral("水电'费"));
    typeText(control<QLineEdit>(w, "EDCMemo"), QStringLiteral("每月"));
    click(control<QPushButton>(w, "BtnCsave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("数据保存成功！"));
    const qint64 id = control<DataGrid>(w, "FeeCateGrid")->value(QStringLiteral("ID")).toLongLong();
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT CateID || '/' || Flag || '/' || CateValue "
                                   "FROM TBKindValue WHERE ID = ?"),
                    {id}),
             QVariant(QStringLiteral("3/0/水电'费")));
    QVERIFY(control<QPushButton>(w, "BtnCsave")->isEnabled());
    QVERIFY(control<QPushButton>(w, "BtnCDel")->isEnabled());

    retype(control<QLineEdit>(w, "EDCNAme"), QStringLiteral("电费"));
    click(control<QPushButton>(w, "BtnCsave"));
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 3")), 4);

    click(control<QPushButton>(w, "BtnCDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除类型【电费】吗？"));
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 3")), 3);
    // The built-in rows are all still there, unchanged.
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"),
                              QStringLiteral("ID IN (3, 8, 9) AND Flag >= 1")),
             3);
}

void tst_SetupWindow::suppliersInsertOnceAfterAddUpdateOtherwise()
{
    TSetupFm *w = openOn(TSetupFm::PageSuppliers);
    click(control<QPushButton>(w, "BtnPAdd"));
    typeText(control<QLineEdit>(w, "EDCompany"), QStringLiteral("华纳'音像"));
    typeText(control<QLineEdit>(w, "EDPTel"), QStringLiteral("010"));
    click(control<QPushButton>(w, "BtnPSave"));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存成功！")});
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(control<DataGrid>(w, "PGrid")->text(QStringLiteral("Company")),
             QStringLiteral("华纳'音像"));

    // Without "添  加" the supplier on show is updated.
    retype(control<QLineEdit>(w, "EDPTel"), QStringLiteral("020"));
    click(control<QPushButton>(w, "BtnPSave"));
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(scalar(m_account->db(), QStringLiteral("SELECT OfficeTel FROM TbProvide")),
             QVariant(QStringLiteral("020")));

    click(control<QPushButton>(w, "BtnPAdd"));
    typeText(control<QLineEdit>(w, "EDCompany"), QStringLiteral("中录"));
    click(control<QPushButton>(w, "BtnPSave"));
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 2);
    // Pinyin order: 华 (hua) before 中 (zhong), whatever the character codes.
    QCOMPARE(column(control<DataGrid>(w, "PGrid"), QStringLiteral("Company")),
             (QStringList{QStringLiteral("华纳'音像"), QStringLiteral("中录")}));

    click(control<QPushButton>(w, "BtnPAdd"));
    click(control<QPushButton>(w, "BtnPSave"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("请输入供应商公司名称！"));
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 2);

    pickRow(control<DataGrid>(w, "PGrid"), 1);
    click(control<QPushButton>(w, "BtnPDel"));
    QCOMPARE(m_boxes->lastText(), QStringLiteral("确定要删除供应商【中录】吗？"));
    QCOMPARE(column(control<DataGrid>(w, "PGrid"), QStringLiteral("Company")),
             QStringList{QStringLiteral("华纳'音像")});
    QCOMPARE(control<QLineEdit>(w, "EDCompany")->text(), QStringLiteral("华纳'音像"));
}

void tst_SetupWindow::newShopSetUpThroughTheWindow()
{
    // The main window, its settings menu and the work area, on a new account.
    TMainFm main(m_account->context());
    main.resize(1000, 700);
    main.show();
    QCOMPARE(SetupWindow(), nullptr);

    main.action(QStringLiteral("SetFees"))->trigger();
    TSetupFm *w = setupForm();
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), main.MainPanel);
    QCOMPARE(w->PageControl1->currentIndex(), int(TSetupFm::PageFees));
    typeText(control<QLineEdit>(w, "EDFeeName"), QStringLiteral("DVD"));
    typeText(control<QLineEdit>(w, "EDFee"), QStringLiteral("3"));
    typeText(control<QLineEdit>(w, "EDFeeYJ"), QStringLiteral("20"));
    click(control<QPushButton>(w, "BtnFeeSave"));
    typeText(control<QLineEdit>(w, "EDCateName"), QStringLiteral("动作"));
    click(control<QPushButton>(w, "BtnCateSave"));

    clickTab(w->PageControl1, TSetupFm::PageSuppliers);
    typeText(control<QLineEdit>(w, "EDCompany"), QStringLiteral("华纳音像"));
    click(control<QPushButton>(w, "BtnPSave"));

    main.action(QStringLiteral("SetStaff"))->trigger();
    click(control<QPushButton>(w, "BtnPerAdd"));
    typeText(control<QLineEdit>(w, "EDPerName"), QStringLiteral("小王"));
    typeText(control<QLineEdit>(w, "EDPerPWD"), QStringLiteral("8"));
    selectEntries(control<QListWidget>(w, "LbPower"), {0, 1});
    click(control<QPushButton>(w, "BtnSingToR"));
    click(control<QPushButton>(w, "BtnPerSave"));
    const qint64 clerk =
        control<DataGrid>(w, "PerSonGrid")->value(QStringLiteral("ID")).toLongLong();

    QTest::mouseClick(main.FlatSpeedButton6, Qt::LeftButton); // 设    置(F4): the members
    QCOMPARE(w->PageControl1->currentIndex(), int(TSetupFm::PageMembers));
    click(control<QPushButton>(w, "BtnASAdd"));
    typeText(control<QLineEdit>(w, "EDNum"), QStringLiteral("0001"));
    typeText(control<QLineEdit>(w, "EDNAme"), QStringLiteral("张三"));
    typeText(control<QLineEdit>(w, "EDViewNum"), QStringLiteral("5"));
    click(control<QPushButton>(w, "BtnAsSave"));

    main.action(QStringLiteral("SetRental"))->trigger();
    click(control<QRadioButton>(w, "RbtnReg"));
    click(control<QPushButton>(w, "BitBtn1"));

    QCOMPARE(m_boxes->texts(),
             (QStringList(3, QStringLiteral("数据保存成功！"))
              << SetupOptionsPage::LockOutQuestion << QStringLiteral("数据保存成功！")));
    QCOMPARE(
        scalar(m_account->db(), QStringLiteral("SELECT Name || Fee || '/' || Deposit FROM TBVer")),
        QVariant(QStringLiteral("DVD300/2000")));
    QCOMPARE(scalar(m_account->db(), QStringLiteral("SELECT Categray FROM TBCategray")),
             QVariant(QStringLiteral("动作")));
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(grantedTo(m_account->db(), clerk), (QList<int>{1, 2}));
    QCOMPARE(
        scalar(m_account->db(), QStringLiteral("SELECT Sum FROM TBAssociator WHERE Num = '0001'")),
        QVariant(5));
    QCOMPARE(scalar(m_account->db(),
                    QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = 2")),
             QVariant(QStringLiteral("1")));

    // The clerk logs in: renting and stock are open, nothing else that is guarded.
    main.setLoginProvider([this, clerk] {
        m_account->context().setOperator(int(clerk));
        return true;
    });
    main.N43Click();
    QVERIFY(main.FlatSpeedButton1->isEnabled());
    QVERIFY(main.FlatSpeedButton2->isEnabled());
    QVERIFY(main.FlatSpeedButton3->isEnabled());
    for (QPushButton *b : {main.FlatSpeedButton8, main.FlatSpeedButton7, main.FlatSpeedButton4,
                           main.FlatSpeedButton6}) {
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }
}

void tst_SetupWindow::listEditingKeepsTheNewRowUntilSaved()
{
    // A page of its own over the suppliers' list, with the edit a refusal of the store names.
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    DataGrid *grid =
        SetupLayout::listGrid(QStringLiteral("PGrid"), QStringLiteral("供应商"), &page);
    grid->addHiddenColumn(QStringLiteral("ID"));
    grid->addColumn(QStringLiteral("Company"), QStringLiteral("公司名称"));
    auto *company = new QLineEdit(&page);
    company->setObjectName(QStringLiteral("EDCompany"));
    layout->addWidget(grid);
    layout->addWidget(company);
    auto *list = new ListEditor(grid, ListEditor::SaveNotice::Told, &page);
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QSignalSpy shown(list, &ListEditor::rowChanged);
    const auto save = [&] {
        return Settings::saveSupplier(m_account->context(), list->currentKey(),
                                      {company->text(), {}, {}, {}});
    };
    const auto suppliers = [&] { return m_account->count(QStringLiteral("TbProvide")); };

    Db::exec(QStringLiteral("INSERT INTO TbProvide (Company) VALUES ('华纳')"), {},
             m_account->db());
    const qint64 first =
        scalar(m_account->db(), QStringLiteral("SELECT max(ID) FROM TbProvide")).toLongLong();
    QVERIFY(list->open(m_account->db(), Settings::supplierListSql()));
    QVERIFY(shown.count() >= 1);
    QCOMPARE(list->currentKey(), first);

    // "添加" lets the row go without telling the page; nothing is written yet.
    shown.clear();
    list->startNew();
    QVERIFY(list->isAdding());
    QCOMPARE(list->currentKey(), 0);
    QVERIFY(!grid->hasCurrentRow());
    QCOMPARE(shown.count(), 0);
    // Nothing to delete while a new row is entered: not even asked.
    QVERIFY(!list->remove(QStringLiteral("删除？"), [this](qint64 id) {
        Settings::deleteSupplier(m_account->context(), id);
    }));
    QVERIFY(m_boxes->shown.isEmpty());

    // Refused: said, the focus on the field at fault, nothing written, still a new row.
    QVERIFY(!list->save(save));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("请输入供应商公司名称！")});
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Error);
    QCOMPARE(focusName(), QStringLiteral("EDCompany"));
    QVERIFY(list->isAdding());
    QCOMPARE(suppliers(), 1);

    // The engine fails: told with its cause, nothing written, the typed entry and the new
    // row stay for another try.
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE INSERT ON TbProvide "
                            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"),
             {}, m_account->db());
    company->setText(QStringLiteral("中录"));
    m_boxes->clear();
    QVERIFY(!list->save(save));
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().startsWith(QStringLiteral("数据保存失败！")));
    QVERIFY(m_boxes->shown.last().details.contains(QStringLiteral("refused by the test")));
    QVERIFY(list->isAdding());
    QCOMPARE(company->text(), QStringLiteral("中录"));
    QCOMPARE(suppliers(), 1);
    Db::exec(QStringLiteral("DROP TRIGGER refuse_it"), {}, m_account->db());

    // Saved once: the new row is on show and further saves update it.
    m_boxes->clear();
    QVERIFY(list->save(save));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存成功！")});
    QVERIFY(!list->isAdding());
    const qint64 second = list->currentKey();
    QVERIFY(second != 0 && second != first);
    QCOMPARE(grid->text(QStringLiteral("Company")), QStringLiteral("中录"));
    company->setText(QStringLiteral("中录音像"));
    QVERIFY(list->save(save));
    QCOMPARE(suppliers(), 2);
    QCOMPARE(list->currentKey(), second);

    // Picking a row drops a new row that was started.
    list->startNew();
    shown.clear();
    QVERIFY(grid->locateValue(QStringLiteral("ID"), second));
    QCOMPARE(shown.count(), 1);
    QVERIFY(!list->isAdding());

    // Deleting: "No" keeps the row; a supplier with titles is refused and stays; a free one
    // goes and the list starts again at its first row.
    const qint64 copy =
        m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    Db::exec(QStringLiteral("UPDATE TBName SET Provide = ? WHERE ID = ?"), {second, copy},
             m_account->db());
    m_boxes->clear();
    m_boxes->answers.enqueue(QMessageBox::No);
    QVERIFY(!list->remove(QStringLiteral("删除？"), [this](qint64 id) {
        Settings::deleteSupplier(m_account->context(), id);
    }));
    QVERIFY(!list->remove(QStringLiteral("删除？"), [this](qint64 id) {
        Settings::deleteSupplier(m_account->context(), id);
    }));
    QCOMPARE(m_boxes->texts(),
             (QStringList{QStringLiteral("删除？"), QStringLiteral("删除？"),
                          QStringLiteral("该供应商还有1部影碟的资料，不能删除！")}));
    QCOMPARE(suppliers(), 2);
    QCOMPARE(list->currentKey(), second);
    Db::exec(QStringLiteral("UPDATE TBName SET Provide = 0"), {}, m_account->db());
    QVERIFY(list->remove(QStringLiteral("删除？"), [this](qint64 id) {
        Settings::deleteSupplier(m_account->context(), id);
    }));
    QCOMPARE(suppliers(), 1);
    QCOMPARE(list->currentKey(), first);

    // Let go when the page is left: the rows go without a word to the page.
    shown.clear();
    list->clearQuietly();
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(shown.count(), 0);
}

void tst_SetupWindow::grabPages()
{
    const QString folder = qEnvironmentVariable("RENTORA_GRAB_DIR");
    if (folder.isEmpty())
        QSKIP("set RENTORA_GRAB_DIR to write a picture of every page");
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    m_account->addFeeClass(QStringLiteral("VCD"), 150, 1000);
    const qint64 member = m_account->addMember(QStringLiteral("A001"), QStringLiteral("张三"), 5);
    const qint64 copy =
        m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime, Deposit, Persons) VALUES (?, 300, 1, ?, '2024-05-01', 2000, "
                            "1)"),
             {copy, member}, m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('动作'), ('爱情')"), {},
             m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TbProvide (Company, Address, OfficeTel) "
                            "VALUES ('华纳音像', '北京市朝阳区', '010-88886666')"),
             {}, m_account->db());
    TSetupFm *w = openOn(TSetupFm::PageMembers);
    w->resize(800, 560);
    for (int page = 0; page < TSetupFm::PageCount; ++page) {
        w->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        QVERIFY(w->grab().save(QDir(folder).filePath(QStringLiteral("setup-%1.png").arg(page))));
    }
    w->PageControl1->setCurrentIndex(TSetupFm::PageMembers);
    control<QTabWidget>(w, "PageControl2")->setCurrentWidget(control<QWidget>(w, "TabSheet5"));
    QApplication::processEvents();
    QVERIFY(w->grab().save(QDir(folder).filePath(QStringLiteral("setup-0-payments.png"))));
}

QTEST_MAIN(tst_SetupWindow)
#include "tst_setupwindow.moc"
