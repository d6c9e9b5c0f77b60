#include "money/InOutMoneyListWindow.h"
#include "money/InOutMoneyWindow.h"
#include "money/MoneyDialogs.h"

#include "rental/RentalTestKeys.h"
#include "stock/StockFixtures.h"

#include "cashup/CashUp.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "shell/Openers.h"
#include "support/RecordingPresenter.h"
#include "support/StripFit.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

using namespace StockFixtures;

class tst_InOutMoneyWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newRecordTypedByKeys();
    void unreadableAmountIsRefused_data();
    void unreadableAmountIsRefused();
    void amountFieldTakesOnlyAnAmount_data();
    void amountFieldTakesOnlyAnAmount();
    void withoutUserTypesNothingIsSaved();
    void correctingShowsTheStoredRecordAndRewritesOnlyIt();
    void correctingARecordWhoseMemberIsGoneIsRefused();
    void escClosesWithoutSaving();

    void listShowsRecordsWithTheirTypeAndExactSum();
    void builtInRecordsCannotBeChangedHere();
    void filterShowsOneTypeAndIsRebuiltOnEveryShow();
    void deleteRemovesOnlyTheCurrentRecord_data();
    void deleteRemovesOnlyTheCurrentRecord();
    void failedDeleteSaysWhatFailedAndKeepsTheRecord();
    void closeHidesTheWindow();
    void listFiltersByDatesAndDirection();
    void stripFitsANarrowScreen();
    void expenseIsStoredNegativeAndCorrectedAsSuch();
    void directionChosenInTheDialogIsTheCashUpLine();

private:
    qint64 addType(const QString &name, int flag = 0)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag) VALUES (3, ?, ?)"),
            {name, flag}, m_account->db());
    }
    qint64 addRecord(qint64 type, qint64 cents, const QString &date, qint64 client = 15,
                     qint64 per = 0)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                           "Per, Memo) VALUES (?, ?, ?, ?, ?, '')"),
            {date, type, cents, client, per}, m_account->db(), QStringLiteral("FID"));
    }
    qint64 cents(qint64 fid)
    {
        return Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {fid},
                          m_account->db())
            .toLongLong();
    }
    // Opens the entry dialog from the list's button and runs action on it while it is up.
    void withDialog(QPushButton *button, std::function<void(TInOutMoneyFm *)> action)
    {
        bool ran = false;
        RentalTest::whenModal<TInOutMoneyFm>([&](TInOutMoneyFm *dialog) {
            action(dialog);
            ran = true;
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(ran);
    }

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TInOutMoneyListFm *m_list = nullptr;
    qint64 m_water = 0;
    qint64 m_ads = 0;
    qint64 m_member = 0;
    qint64 m_staff = 0;
};

void tst_InOutMoneyWindows::initTestCase()
{
    applyCommonLook();
}

void tst_InOutMoneyWindows::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_water = addType(QStringLiteral("水电"));
    m_ads = addType(QStringLiteral("广告"));
    m_member = m_account->addMember(QStringLiteral("001"), QStringLiteral("安娜"), 5);
    m_staff = m_account->addStaff(QStringLiteral("阿丽"), QStringLiteral("1"));
    CreateInOutMoneyList(m_account->context());
    m_list = qobject_cast<TInOutMoneyListFm *>(InOutMoneyListWindow());
    QVERIFY(m_list);
    ShowInOutMoneyList(m_account->context());
    QVERIFY(QTest::qWaitForWindowExposed(m_list));
}

void tst_InOutMoneyWindows::cleanup()
{
    delete m_list;
    delete m_boxes;
    delete m_account;
}

void tst_InOutMoneyWindows::newRecordTypedByKeys()
{
    withDialog(m_list->BtnAdd, [this](TInOutMoneyFm *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("费用收支（按ESC键关闭窗口）"));
        QCOMPARE(d->Label7->text(), QStringLiteral("费用收支添加"));
        QCOMPARE(d->DTPDate->date(), QDate::currentDate());
        // Every list starts on its first entry by name (pinyin); the operator (管理员, logged
        // in) is not preselected.
        QCOMPARE(d->ComBCate->count(), 2);
        QCOMPARE(d->ComBCate->currentText(), QStringLiteral("广告"));
        QCOMPARE(d->CombClient->currentText(), QStringLiteral("安娜"));
        QCOMPARE(d->ComBPer->currentText(), QStringLiteral("阿丽"));
        QCOMPARE(d->EDMoney->text(), QString());

        QCOMPARE(focusName(), QStringLiteral("DTPDate"));
        d->DTPDate->setDate(QDate(2024, 2, 29));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("ComBCate"));
        press(Qt::Key_Down);
        QCOMPARE(d->ComBCate->currentText(), QStringLiteral("水电"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("CombClient"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("EDMoney"));
        // Only digits and the point get in: no minus, no letters.
        typeText(d->EDMoney, QStringLiteral("-1a2.5x0"));
        QCOMPARE(d->EDMoney->text(), QStringLiteral("12.50"));
        press(Qt::Key_Return);
        // Money that came in unless the operator says it went out.
        QCOMPARE(focusName(), QStringLiteral("ComBDirection"));
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("收入"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("ComBPer"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("EDMemo"));
        typeText(d->EDMemo, QStringLiteral("二月电费"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("BtnAddSave"));
        press(Qt::Key_Return);
        QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 1);
        QCOMPARE(d->LabelSaved->text(), QStringLiteral("已添加 1 条记录"));
        // The dialog stays with its contents: a second click books a second record.
        QVERIFY(d->isVisible());
        QCOMPARE(d->EDMoney->text(), QStringLiteral("12.50"));
        d->BtnAddSave->click();
        QCOMPARE(d->LabelSaved->text(), QStringLiteral("已添加 2 条记录"));
        QVERIFY(m_boxes->shown.isEmpty());
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"),
                              QStringLiteral("FeeDate = '2024-02-29' AND Moneys = 1250 AND "
                                             "CateID = %1 AND ClientID = %2 AND Per = %3 AND "
                                             "Memo = '二月电费'")
                                  .arg(m_water)
                                  .arg(m_member)
                                  .arg(m_staff)),
             2);
    // Listed as soon as the dialog has closed.
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 2);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 25.00 元    支出 0.00 元    差额 25.00 元"));
}

void tst_InOutMoneyWindows::unreadableAmountIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("a point alone") << ".";
}

// The amount field takes only what can become an amount, key by key or pasted: the keys that
// would make it unreadable are swallowed, a pasted text that would is refused whole.
void tst_InOutMoneyWindows::amountFieldTakesOnlyAnAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::newRow("two points") << "1.2.3"
                                << "1.23";
    QTest::newRow("five decimals") << "1.23456"
                                   << "1.23";
    QTest::newRow("beyond a billion") << "12345678901"
                                      << "123456789";
    QTest::newRow("a minus sign") << "-8"
                                  << "8";
    QTest::newRow("full-width") << "１２．５"
                                << "12.5";
}

void tst_InOutMoneyWindows::amountFieldTakesOnlyAnAmount()
{
    QFETCH(QString, typed);
    QFETCH(QString, held);
    withDialog(m_list->BtnAdd, [&](TInOutMoneyFm *d) {
        d->EDMoney->setFocus();
        typeText(d->EDMoney, typed);
        QCOMPARE(d->EDMoney->text(), held);
        d->EDMoney->selectAll();
        d->EDMoney->insert(typed); // the same text pasted over it: refused, or taken as typed
        QCOMPARE(d->EDMoney->text(), held);
        d->reject();
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 0);
}

void tst_InOutMoneyWindows::unreadableAmountIsRefused()
{
    QFETCH(QString, typed);
    withDialog(m_list->BtnAdd, [&](TInOutMoneyFm *d) {
        d->EDMoney->setFocus();
        typeText(d->EDMoney, typed);
        QCOMPARE(d->EDMoney->text(), typed);
        d->EDMemo->setFocus();
        QVERIFY(!d->BtnAddSaveClick());
        QCOMPARE(m_boxes->texts(), QStringList{"金额输入有错，请检查！"});
        QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
        QCOMPARE(m_boxes->shown.first().caption, QStringLiteral("系统提示"));
        QCOMPARE(focusName(), QStringLiteral("EDMoney"));
        QCOMPARE(d->EDMoney->selectedText(), typed);
        // 保存/退出 refuses the same way and keeps the dialog open.
        d->BtnOK->click();
        QVERIFY(d->isVisible());
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 0);
}

void tst_InOutMoneyWindows::withoutUserTypesNothingIsSaved()
{
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE Flag = 0 AND CateID = 3"), {},
             m_account->db());
    withDialog(m_list->BtnAdd, [&](TInOutMoneyFm *d) {
        // Built-in types are never offered.
        QCOMPARE(d->ComBCate->count(), 0);
        d->EDMoney->setText(QStringLiteral("5"));
        QVERIFY(!d->BtnAddSaveClick());
        QCOMPARE(m_boxes->texts(), QStringList{"请选择收支类型！"});
        QCOMPARE(focusName(), QStringLiteral("ComBCate"));
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 0);
}

void tst_InOutMoneyWindows::correctingShowsTheStoredRecordAndRewritesOnlyIt()
{
    const qint64 other = addRecord(m_water, 700, QStringLiteral("2023-01-01"));
    const qint64 fid =
        addRecord(m_water, 3050, QStringLiteral("2023-02-03"), Schema::WalkInCustomerId, 1);
    m_list->RefreshList();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), fid));
    QVERIFY(m_list->BtnEdit->isEnabled());
    withDialog(m_list->BtnEdit, [&](TInOutMoneyFm *d) {
        QCOMPARE(d->mode(), fid);
        QCOMPARE(d->Label7->text(), QStringLiteral("费用收支编辑"));
        QCOMPARE(d->DTPDate->date(), QDate(2023, 2, 3));
        QCOMPARE(d->ComBCate->currentData().toLongLong(), m_water);
        QCOMPARE(d->CombClient->currentData().toLongLong(), qint64(Schema::WalkInCustomerId));
        QCOMPARE(d->ComBPer->currentData().toLongLong(), qint64(1));
        QCOMPARE(d->EDMoney->text(), QStringLiteral("30.5"));
        d->EDMoney->setFocus();
        fill(QStringLiteral("0.1"));
        d->ComBCate->setCurrentIndex(d->ComBCate->findText(QStringLiteral("广告")));
        d->BtnOK->click();
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);
    QCOMPARE(cents(fid), qint64(10));
    QCOMPARE(cents(other), qint64(700));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT CateID FROM TBInOutMoney WHERE FID = ?"), {fid},
                        m_account->db())
                 .toLongLong(),
             m_ads);
    QCOMPARE(m_list->dxDBGrid1->value(QStringLiteral("FID")).toLongLong(), fid);
    QCOMPARE(m_list->dxDBGrid1->text(QStringLiteral("Moneys")), QStringLiteral("0.10"));
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 7.10 元    支出 0.00 元    差额 7.10 元"));
}

void tst_InOutMoneyWindows::correctingARecordWhoseMemberIsGoneIsRefused()
{
    const qint64 fid = addRecord(m_water, 100, QStringLiteral("2023-02-03"), 999, 1);
    m_list->RefreshList();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), fid));
    withDialog(m_list->BtnEdit, [&](TInOutMoneyFm *d) {
        QCOMPARE(d->CombClient->currentIndex(), -1);
        QVERIFY(!d->BtnAddSaveClick());
        QCOMPARE(m_boxes->texts(), QStringList{"请选择对应客户！"});
        QCOMPARE(focusName(), QStringLiteral("CombClient"));
        d->CombClient->setCurrentIndex(0);
        QVERIFY(d->BtnAddSaveClick());
        QCOMPARE(d->LabelSaved->text(), QStringLiteral("已保存"));
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 1);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ClientID FROM TBInOutMoney WHERE FID = ?"), {fid},
                        m_account->db())
                 .toLongLong(),
             m_member);
}

void tst_InOutMoneyWindows::escClosesWithoutSaving()
{
    withDialog(m_list->BtnAdd, [&](TInOutMoneyFm *d) {
        d->EDMoney->setFocus();
        typeText(d->EDMoney, QStringLiteral("8"));
        press(Qt::Key_Escape);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 0);
}

void tst_InOutMoneyWindows::listShowsRecordsWithTheirTypeAndExactSum()
{
    DataGrid *grid = m_list->dxDBGrid1;
    QVERIFY(grid->isEmpty());
    QVERIFY(!m_list->BtnEdit->isEnabled());
    QVERIFY(!m_list->BtnDel->isEnabled());
    QVERIFY(m_list->BtnAdd->isEnabled());

    // Ten times 0.10 is exactly 1.00; a double would drift.
    for (int i = 0; i < 10; ++i)
        addRecord(m_water, 10, QStringLiteral("2024-01-%1").arg(i + 10));
    addRecord(m_ads, 99999999999, QStringLiteral("2024-02-01"), m_member, m_staff);
    addRecord(Schema::TypeDeposit, -3000, QStringLiteral("2024-02-02"), 15, 0);
    const qint64 orphanType = addType(QStringLiteral("已删除"));
    addRecord(orphanType, 5000, QStringLiteral("2024-02-03"));
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE ID = ?"), {orphanType}, m_account->db());
    m_list->RefreshList();

    QCOMPARE(grid->shownFields(),
             (QStringList{"FeeDate", "CateValue", "Moneys", "ClientName", "PerName"}));
    QCOMPARE(grid->rowCount(), 12);
    // Incomes and the expense (the deposit paid back) apart, exactly; the record of a deleted
    // type is not listed.
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 1000000000.99 元    支出 30.00 元    差额 999999970.99 元"));
    QCOMPARE(grid->textAt(10, QStringLiteral("FeeDate")), QStringLiteral("2024-02-01"));
    QCOMPARE(grid->textAt(10, QStringLiteral("CateValue")), QStringLiteral("广告"));
    // Member and staff by name; a record without staff shows the 0 it stores.
    QCOMPARE(grid->textAt(10, QStringLiteral("ClientName")), QStringLiteral("安娜"));
    QCOMPARE(grid->textAt(10, QStringLiteral("PerName")), QStringLiteral("阿丽"));
    QCOMPARE(grid->textAt(11, QStringLiteral("Moneys")), QStringLiteral("-30.00"));
    QCOMPARE(grid->textAt(11, QStringLiteral("PerName")), QStringLiteral("0"));
}

void tst_InOutMoneyWindows::builtInRecordsCannotBeChangedHere()
{
    const qint64 payment = addRecord(Schema::TypeMemberPayment, 5000, QStringLiteral("2024-01-01"));
    const qint64 user = addRecord(m_water, 100, QStringLiteral("2024-01-02"));
    m_list->RefreshList();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), payment));
    QVERIFY(!m_list->BtnEdit->isEnabled());
    QVERIFY(!m_list->BtnDel->isEnabled());
    // Enter on the row does not open it either.
    m_list->dxDBGrid1->view()->setFocus();
    QTest::keyClick(m_list->dxDBGrid1->view(), Qt::Key_Return);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), user));
    QVERIFY(m_list->BtnEdit->isEnabled());
    QVERIFY(m_list->BtnDel->isEnabled());
}

void tst_InOutMoneyWindows::filterShowsOneTypeAndIsRebuiltOnEveryShow()
{
    addRecord(m_water, 100, QStringLiteral("2024-01-01"));
    addRecord(m_ads, 200, QStringLiteral("2024-01-02"));
    addRecord(Schema::TypeRent, 300, QStringLiteral("2024-01-03"));
    m_list->RefreshList();
    QComboBox *filter = m_list->ComBCate;
    // "所有类型", then every type by name, the built-in ones too.
    QCOMPARE(filter->count(), 6);
    QCOMPARE(filter->itemText(0), QStringLiteral("所有类型"));
    QCOMPARE(filter->currentIndex(), 0);

    filter->setCurrentIndex(filter->findText(QStringLiteral("水电")));
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 1);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 1.00 元    支出 0.00 元    差额 1.00 元"));
    // A record added under the filter shows when it matches it.
    withDialog(m_list->BtnAdd, [](TInOutMoneyFm *d) {
        d->ComBCate->setCurrentIndex(d->ComBCate->findText(QStringLiteral("水电")));
        d->EDMoney->setText(QStringLiteral("2"));
        d->BtnOK->click();
    });
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 2);
    filter->setCurrentIndex(0);
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 4);

    // Hidden and shown again: the types are read anew, "所有类型" once, and selected.
    addType(QStringLiteral("New"));
    filter->setCurrentIndex(2);
    m_list->hide();
    ShowInOutMoneyList(m_account->context());
    QCOMPARE(filter->count(), 7);
    QCOMPARE(filter->findText(QStringLiteral("所有类型")), 0);
    int alls = 0;
    for (int i = 0; i < filter->count(); ++i)
        alls += filter->itemText(i) == QStringLiteral("所有类型");
    QCOMPARE(alls, 1);
    QCOMPARE(filter->currentIndex(), 0);
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 4);
    // Bringing the visible window to the front does not re-read it.
    filter->setCurrentIndex(1);
    ShowInOutMoneyList(m_account->context());
    QCOMPARE(filter->currentIndex(), 1);
}

void tst_InOutMoneyWindows::deleteRemovesOnlyTheCurrentRecord_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_InOutMoneyWindows::deleteRemovesOnlyTheCurrentRecord()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    const qint64 a = addRecord(m_water, 100, QStringLiteral("2024-01-01"));
    const qint64 b = addRecord(m_water, 100, QStringLiteral("2024-01-01"));
    const qint64 c = addRecord(m_water, 100, QStringLiteral("2024-01-01"));
    m_list->RefreshList();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), b));
    m_boxes->answers.enqueue(QMessageBox::StandardButton(answer));
    QTest::mouseClick(m_list->BtnDel, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{"确定要删除收支记录吗？"});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Warning);
    QCOMPARE(m_boxes->shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(m_list->dxDBGrid1->rowCount(), deleted ? 2 : 3);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"), QStringLiteral("FID = %1").arg(b)),
             deleted ? 0 : 1);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"),
                              QStringLiteral("FID IN (%1, %2)").arg(a).arg(c)),
             2);
    QCOMPARE(
        m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("ID = %1").arg(m_water)), 1);
}

// A refused delete names what failed and the fault, with the engine's text under the box's
// details (never in its text); the record and the list stay as they were.
void tst_InOutMoneyWindows::failedDeleteSaysWhatFailedAndKeepsTheRecord()
{
    const qint64 a = addRecord(m_water, 100, QStringLiteral("2024-01-01"));
    addRecord(m_water, 200, QStringLiteral("2024-01-02"));
    m_list->RefreshList();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), a));
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE DELETE ON TBInOutMoney "
                            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"),
             {}, m_account->db());
    m_boxes->answers.enqueue(QMessageBox::Yes);
    QTest::mouseClick(m_list->BtnDel, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 2);
    const Msg::Request &failure = m_boxes->shown.last();
    QCOMPARE(failure.icon, Msg::Icon::Error);
    QCOMPARE(failure.text, QStringLiteral("收支记录删除失败！\n数据库操作失败，本次操作未完成！"));
    QVERIFY(failure.details.contains(QStringLiteral("refused by the test")));
    QVERIFY(!failure.text.contains(QStringLiteral("refused by the test")));
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 2);
}

void tst_InOutMoneyWindows::closeHidesTheWindow()
{
    QTest::mouseClick(m_list->BitBtn1, Qt::LeftButton);
    QVERIFY(!m_list->isVisible());
    QCOMPARE(InOutMoneyListWindow(), m_list);
    ShowInOutMoneyList(m_account->context());
    QVERIFY(m_list->isVisible());
}

// In the work area of a 1024-pixel screen (about 870 pixels) the strip takes as many lines as
// it needs: no control cut or drawn over another, the list under the strip; wide, one line.
void tst_InOutMoneyWindows::stripFitsANarrowScreen()
{
    auto *strip = m_list->findChild<QWidget *>(QStringLiteral("ToolStrip"));
    QVERIFY(strip);
    m_list->ChkDate->setChecked(true);
    for (int width : {860, 1400, 640}) {
        m_list->resize(width, 600);
        QTRY_COMPARE(strip->width(), width);
        QApplication::processEvents();
        QVERIFY2(stripFaults(strip).isEmpty(),
                 qPrintable(QString::number(width) + QStringLiteral(": ") +
                            stripFaults(strip).join(u'\n')));
        QVERIFY(m_list->dxDBGrid1->y() >= strip->geometry().bottom());
        if (width == 1400)
            QCOMPARE(stripRows(strip), 1);
        if (width == 640)
            QVERIFY(stripRows(strip) >= 2);
    }
    // 关闭 stays at the right end of its line.
    QCOMPARE(m_list->BitBtn1->geometry().right(), strip->width() - 6 - 1);
}

void tst_InOutMoneyWindows::listFiltersByDatesAndDirection()
{
    addRecord(m_water, -18000, QStringLiteral("2024-03-05")); // electricity bill paid
    addRecord(m_ads, 5000, QStringLiteral("2024-03-20"));     // income
    addRecord(Schema::TypeRent, 1200, QStringLiteral("2024-04-02"));
    addRecord(m_water, -9000, QStringLiteral("2024-04-30"));
    m_list->RefreshList();
    DataGrid *grid = m_list->dxDBGrid1;
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 62.00 元    支出 270.00 元    差额 -208.00 元"));

    m_list->ComBDirection->setCurrentIndex(2); // 只看支出
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 0.00 元    支出 270.00 元    差额 -270.00 元"));

    // April only, both ends included, typed the wrong way round.
    m_list->ComBDirection->setCurrentIndex(0);
    m_list->DTPFrom->setDate(QDate(2024, 4, 30));
    m_list->DTPTo->setDate(QDate(2024, 4, 2));
    QCOMPARE(grid->rowCount(), 4); // the range counts only once 按日期 is checked
    QVERIFY(!m_list->DTPFrom->isEnabled());
    m_list->ChkDate->setChecked(true);
    QVERIFY(m_list->DTPFrom->isEnabled());
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 12.00 元    支出 90.00 元    差额 -78.00 元"));
    m_list->ComBDirection->setCurrentIndex(1); // 只看收入
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->textAt(0, QStringLiteral("Moneys")), QStringLiteral("12.00"));

    m_list->ChkDate->setChecked(false);
    m_list->ComBDirection->setCurrentIndex(0);
    QCOMPARE(grid->rowCount(), 4);
}

void tst_InOutMoneyWindows::expenseIsStoredNegativeAndCorrectedAsSuch()
{
    addRecord(m_water, -100, QStringLiteral("2024-01-01")); // water is paid out
    m_list->RefreshList();
    withDialog(m_list->BtnAdd, [](TInOutMoneyFm *d) {
        // Choosing the type picks the direction its records were booked in.
        d->ComBCate->setCurrentIndex(d->ComBCate->findText(QStringLiteral("水电")));
        emit d->ComBCate->activated(d->ComBCate->currentIndex());
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("支出"));
        d->EDMoney->setText(QStringLiteral("180.50"));
        d->BtnOK->click();
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"),
                              QStringLiteral("Moneys = -18050 AND CateID = %1").arg(m_water)),
             1);
    QCOMPARE(m_list->LabelTotals->text(),
             QStringLiteral("收入 0.00 元    支出 181.50 元    差额 -181.50 元"));

    // Corrected: shown as the expense it is, saved as one again.
    const qint64 bill =
        Db::scalar(QStringLiteral("SELECT FID FROM TBInOutMoney WHERE Moneys = -18050"), {},
                   m_account->db())
            .toLongLong();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), bill));
    withDialog(m_list->BtnEdit, [](TInOutMoneyFm *d) {
        QCOMPARE(d->EDMoney->text(), QStringLiteral("180.5"));
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("支出"));
        d->EDMoney->setText(QStringLiteral("200"));
        d->BtnOK->click();
    });
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"), QStringLiteral("Moneys = -20000")),
             1);
}

void tst_InOutMoneyWindows::directionChosenInTheDialogIsTheCashUpLine()
{
    // The cash at the counter is the logged-in operator's, whoever is named as handling it.
    const auto shift = [this] {
        return CashUp::openShift(m_account->db(), m_account->context().operatorId());
    };
    QCOMPARE(shift().expected(), Money());

    // 广告 has no records yet, so nothing preselects the direction: the operator picks 支出.
    withDialog(m_list->BtnAdd, [](TInOutMoneyFm *d) {
        d->ComBCate->setCurrentIndex(d->ComBCate->findText(QStringLiteral("广告")));
        d->EDMoney->setText(QStringLiteral("35"));
        d->ComBDirection->setFocus();
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("收入"));
        press(Qt::Key_Down);
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("支出"));
        d->BtnAddSave->click();
        // And an income of the same type beside it.
        d->ComBDirection->setCurrentIndex(0);
        d->EDMoney->setText(QStringLiteral("12.40"));
        d->BtnOK->click();
    });
    CashUp::Figures f = shift();
    QCOMPARE(f.expense, Money::fromCents(-3500));
    QCOMPARE(f.otherIn, Money::fromCents(1240));
    QCOMPARE(f.expected(), Money::fromCents(1240 - 3500));

    // The expense corrected into an income leaves the expense line and joins the income line.
    const qint64 bill =
        Db::scalar(QStringLiteral("SELECT FID FROM TBInOutMoney WHERE Moneys = -3500"), {},
                   m_account->db())
            .toLongLong();
    QVERIFY(m_list->dxDBGrid1->locateValue(QStringLiteral("FID"), bill));
    withDialog(m_list->BtnEdit, [](TInOutMoneyFm *d) {
        QCOMPARE(d->ComBDirection->currentText(), QStringLiteral("支出"));
        d->ComBDirection->setCurrentIndex(0);
        d->BtnOK->click();
    });
    f = shift();
    QCOMPARE(f.expense, Money());
    QCOMPARE(f.otherIn, Money::fromCents(1240 + 3500));
    QCOMPARE(CashUp::lineText(Till::Line::Expense), QStringLiteral("费用支出"));
    QCOMPARE(CashUp::lineText(Till::Line::OtherIn), QStringLiteral("其他收入"));
}

QTEST_MAIN(tst_InOutMoneyWindows)
#include "tst_inoutmoneywindows.moc"
