#include "RentalTestKeys.h"

#include "rental/LeaseListWindow.h"
#include "rental/LeaseWindow.h"
#include "rental/PickListWindows.h"
#include "rental/SettlementWindow.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "shell/BaseWindows.h"
#include "shell/Openers.h"
#include "support/ReadDeniedAfterCommit.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"
#include "toolkit/ReportPrinter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using RentalTest::key;
using RentalTest::type;
using RentalTest::whenModal;

namespace {

const QString CR = QString(QChar(13));

qint64 openLine(const QSqlDatabase &db, qint64 copy, qint64 customer, const QDate &on,
                qint64 rentCents, qint64 depositCents)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Deposit, Persons) VALUES (?, ?, 1, ?, ?, ?, 2)"),
        {copy, rentCents, customer, SqlDialect::dateText(on), depositCents}, db);
}

qint64 memberSum(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {id}, db)
        .toLongLong();
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class tst_LeaseWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionsOfTheModes_data();
    void captionsOfTheModes();
    void fieldsAreNamedByTheirCaptions();
    void wholeRentalByKeys();
    void scannerAndDoubleEnterAddOnce();
    void leavingTheCodeFieldPutsFocusOnAdd();
    void totalsGrowAndShrink_data();
    void totalsGrowAndShrink();
    void escRemovesRowsThenCloses();
    void refusals_data();
    void refusals();
    void totalsTakeDigitsOnly();
    void emptiedTotalIsReported_data();
    void emptiedTotalIsReported();
    void allowanceRefusalKeepsEverything();
    void failedSaveKeepsEverything();
    void receiptUnreadableAfterTheRentalKeepsItsCause();
    void memberShowsOpenRentals();
    void nextCustomerIsWalkIn();
    void returnByKeysShowsTheDifference();
    void completionRefreshesTheRentalList();
    void otherRentersDiscNeedsConfirming_data();
    void otherRentersDiscNeedsConfirming();
    void emptiedMemberNumberIsWalkIn();
    void allowanceWarnsAtTheScan();
    void addClickedWithUnconfirmedCode();
    void returnFromTheMembersList();
    void returnLinesShowDaysRentAndLateness();
    void f2OpensThePickList();

private:
    void showWindow(int mode);
    void typeLine(const QString &text); // text + Enter into the focused field
    QString completeAndReadPrompt();

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TLeaseFm *m_w = nullptr;
    QTemporaryDir m_prints;
    qint64 m_member = 0;
};

void tst_LeaseWindow::initTestCase()
{
    applyCommonLook();
    ReportPrinter::setPdfInstead(m_prints.path());
}

void tst_LeaseWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_account->setOption(Schema::OptionReceiptPrinting, QStringLiteral("1"));
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    m_account->addFeeClass(QStringLiteral("VCD"), 500, 3000);
    m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0002"), QStringLiteral("功夫"), QStringLiteral("VCD"));
    m_account->addCopy(QStringLiteral("0003"), QStringLiteral("无间道"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0004"), QStringLiteral("龙猫"), QStringLiteral("DVD"));
    m_member = m_account->addMember(QStringLiteral("M001"), QStringLiteral("张伟"), 10);
    m_account->context().setOperator(2);
}

void tst_LeaseWindow::cleanup()
{
    delete m_w;
    m_w = nullptr;
    delete LeaseListWindow();
    delete m_boxes;
    m_boxes = nullptr;
    delete m_account;
    m_account = nullptr;
}

void tst_LeaseWindow::showWindow(int mode)
{
    m_w = new TLeaseFm(m_account->context());
    m_w->prepare(mode);
    m_w->show();
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w));
    QCOMPARE(focused(), m_w->EDPic);
}

void tst_LeaseWindow::typeLine(const QString &text)
{
    type(m_w, text);
    key(m_w, Qt::Key_Return);
}

QString tst_LeaseWindow::completeAndReadPrompt()
{
    QString shown;
    whenModal<TInforFm>([&](TInforFm *prompt) {
        shown = prompt->Label1->text();
        key(prompt, Qt::Key_Return); // 确定 is the default button
    });
    key(m_w, Qt::Key_F12);
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("the rental window did not become active again");
    return shown;
}

void tst_LeaseWindow::captionsOfTheModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("strip");
    QTest::newRow("renting out") << 0 << "影碟出租（按ESC键关闭窗口）"
                                 << "影片出租数据录入";
    QTest::newRow("taking back") << 1 << "影碟归还（按ESC键关闭窗口）"
                                 << "影片归还数据录入";
}

void tst_LeaseWindow::captionsOfTheModes()
{
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(QString, strip);
    showWindow(mode);
    QCOMPARE(m_w->windowTitle(), caption);
    QCOMPARE(m_w->Label23->text(), strip);
    QCOMPARE(m_w->Label19->isVisible(), mode == 1);
    QCOMPARE(m_w->Label19Caption->isVisible(), mode == 1);
    QCOMPARE(m_w->Label20->text(), QStringLiteral("零租客户"));
    QCOMPARE(m_w->Label21->text(), QStringLiteral("无限制"));
    QCOMPARE(m_w->Label22->text(), QStringLiteral("无限制"));
    for (QLineEdit *e : {m_w->EDYJ, m_w->EDZJ, m_w->EDBeYJ, m_w->EDBeZj})
        QCOMPARE(e->text(), QStringLiteral("0.00"));
    QVERIFY(!m_w->BtnDel->isEnabled());
    QVERIFY(!m_w->BtnSave->isEnabled());
}

void tst_LeaseWindow::fieldsAreNamedByTheirCaptions()
{
    showWindow(0);
    const std::pair<QWidget *, const char *> fields[] = {
        {m_w->EdPer, "客户编号"}, {m_w->EDPic, "影片编码"}, {m_w->EDYJ, "押金"},
        {m_w->EDZJ, "租金"},      {m_w->EDBeYJ, "押金"},    {m_w->EDBeZj, "租金"}};
    for (const auto &[field, caption] : fields) {
        bool named = false;
        for (QLabel *l : m_w->findChildren<QLabel *>())
            named |= l->buddy() == field && l->text() == QString::fromUtf8(caption);
        QVERIFY2(named, caption);
    }
    QCOMPARE(m_w->BtnAdd->text(), QStringLiteral("添加"));
    QCOMPARE(m_w->BtnDel->text(), QStringLiteral("删除"));
    QCOMPARE(m_w->BtnSave->text(), QStringLiteral("完成(F12)"));
}

void tst_LeaseWindow::wholeRentalByKeys()
{
    showWindow(0);
    key(m_w, Qt::Key_Return); // empty code field: on to the member number
    QCOMPARE(focused(), m_w->EdPer);
    typeLine(QStringLiteral("M001"));
    QCOMPARE(m_w->Label20->text(), QStringLiteral("会  员"));
    QCOMPARE(m_w->Label21->text(), QStringLiteral("10"));
    QCOMPARE(focused(), m_w->EDPic);
    for (const char *code : {"0001", "0002", "0003"})
        typeLine(QLatin1String(code));
    QCOMPARE(m_w->items().size(), 3);
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("70.00"));
    QCOMPARE(m_w->EDZJ->text(), QStringLiteral("11.00"));
    QVERIFY(m_boxes->shown.isEmpty());

    const QString prompt = completeAndReadPrompt();
    QCOMPARE(prompt,
             QStringLiteral("共出租影片：3部，\n押　　　金：70.00元，\n租　　　金：11.00元，\n"
                            "本次实收：70.00元"));
    QVERIFY(m_boxes->shown.isEmpty());

    QCOMPARE(
        m_account->count(
            QStringLiteral("TBBusinessDetail"),
            QStringLiteral("ReDate IS NULL AND Persons = 2 AND Ass_Number = %1").arg(m_member)),
        qint64(3));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(7));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE CateID = 8"), {},
                        m_account->db())
                 .toLongLong(),
             qint64(7000));
    // Ready for the next customer.
    QVERIFY(m_w->items().isEmpty());
    QCOMPARE(m_w->dxDBGrid2->rowCount(), 0);
    QCOMPARE(m_w->FMemberID, qint64(0));
    QCOMPARE(m_w->Label20->text(), QStringLiteral("零租客户"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("0.00"));
    QVERIFY(!m_w->BtnSave->isEnabled());
    QCOMPARE(focused(), m_w->EDPic);
}

void tst_LeaseWindow::scannerAndDoubleEnterAddOnce()
{
    showWindow(0);
    typeLine(QStringLiteral("0001"));
    key(m_w, Qt::Key_Return); // the habit of confirming: adds nothing, stays put
    QCOMPARE(focused(), m_w->EDPic);
    typeLine(QStringLiteral("0002"));
    QCOMPARE(m_w->items().size(), 2);
    QCOMPARE(m_w->Label9->text(), QStringLiteral("功夫"));
    QCOMPARE(m_w->dxDBGrid2->rowCount(), 2);
    QVERIFY(m_boxes->shown.isEmpty());
    // A second Enter in the empty field walks on as everywhere else.
    key(m_w, Qt::Key_Return);
    key(m_w, Qt::Key_Return);
    QCOMPARE(focused(), m_w->EdPer);
}

void tst_LeaseWindow::leavingTheCodeFieldPutsFocusOnAdd()
{
    showWindow(0);
    type(m_w, QStringLiteral("0003"));
    key(m_w, Qt::Key_Tab);
    QTRY_COMPARE(focused(), m_w->BtnAdd);
    QCOMPARE(m_w->Label9->text(), QStringLiteral("无间道"));
    QVERIFY(m_w->items().isEmpty());
    key(m_w, Qt::Key_Return); // presses 添加
    QCOMPARE(m_w->items().size(), 1);
    QCOMPARE(focused(), m_w->EDPic);
    QCOMPARE(m_w->EDPic->text(), QString());
    // 添加 again without a new lookup: the found title was used up.
    m_w->BtnAdd->click();
    QCOMPARE(m_boxes->lastText(), QStringLiteral("请输入影片编号！"));
    QCOMPARE(m_w->items().size(), 1);
}

void tst_LeaseWindow::totalsGrowAndShrink_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("rent");
    // Renting: either rule shows one day's fee. Taking back after 4 days, per day: 4 x fee.
    QTest::newRow("renting, per day") << 0 << "0"
                                      << "8.00";
    QTest::newRow("renting, per disc") << 0 << "1"
                                       << "8.00";
    QTest::newRow("taking back after 4 days, per day") << 1 << "0"
                                                       << "32.00";
    QTest::newRow("taking back after 4 days, per disc") << 1 << "1"
                                                        << "8.00";
}

void tst_LeaseWindow::totalsGrowAndShrink()
{
    QFETCH(int, mode);
    QFETCH(QString, rule);
    QFETCH(QString, rent);
    m_account->setOption(Schema::OptionRentRule, rule);
    if (mode == 1) {
        openLine(m_account->db(), 1, m_member, QDate::currentDate().addDays(-4), 300, 2000);
        openLine(m_account->db(), 2, m_member, QDate::currentDate().addDays(-4), 500, 3000);
    }
    showWindow(mode);
    typeLine(QStringLiteral("0001"));
    typeLine(QStringLiteral("0002"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("50.00"));
    QCOMPARE(m_w->EDZJ->text(), rent);
    if (mode == 1)
        QCOMPARE(m_w->Label19->text(), SqlDialect::dateText(QDate::currentDate().addDays(-4)));
    // Removing both rows brings both totals back to where they started.
    m_w->BtnDel->click();
    m_w->BtnDel->click();
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("0.00"));
    QCOMPARE(m_w->EDZJ->text(), QStringLiteral("0.00"));
    QVERIFY(!m_w->BtnDel->isEnabled());
    QVERIFY(!m_w->BtnSave->isEnabled());
    key(m_w, Qt::Key_F12);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("出租列表不能为空!"));
}

void tst_LeaseWindow::escRemovesRowsThenCloses()
{
    showWindow(0);
    typeLine(QStringLiteral("0001"));
    typeLine(QStringLiteral("0002"));
    // The rows are shown by rent ascending: 0001 (3.00) first; make 0002 current.
    QVERIFY(m_w->dxDBGrid2->locate(QStringLiteral("CustomNum"), QStringLiteral("0002")));
    key(m_w, Qt::Key_Escape);
    QCOMPARE(m_w->items().size(), 1);
    QCOMPARE(m_w->items().first().copy.customNum, QStringLiteral("0001"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("20.00"));
    QVERIFY(m_w->isVisible());
    key(m_w, Qt::Key_Escape);
    QVERIFY(m_w->items().isEmpty());
    QVERIFY(m_w->isVisible());
    key(m_w, Qt::Key_Escape);
    QVERIFY(!m_w->isVisible());
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(0));
}

void tst_LeaseWindow::refusals_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("items");
    QTest::newRow("unknown member")
        << 0 << "M999" << QStringList{} << "客户编码不存在,请检查!" << 0;
    QTest::newRow("unknown code") << 0 << "" << QStringList{"9999"}
                                  << "影片已出租或影片编码不存在,请检查!" << 0;
    QTest::newRow("code already out")
        << 0 << "" << QStringList{"0004"} << "影片已出租或影片编码不存在,请检查!" << 0;
    QTest::newRow("same copy twice") << 0 << "" << QStringList{"0001", "0001"}
                                     << "影片0001已在本次列表中，同一张影碟不能重复添加！" << 1;
    QTest::newRow("return of a copy not out")
        << 1 << "" << QStringList{"0001"} << "影片影片编码不存在或没有出租记录,请检查!" << 0;
    QTest::newRow("return of the same copy twice")
        << 1 << "" << QStringList{"0004", "0004"}
        << "影片0004已在本次列表中，同一张影碟不能重复添加！" << 1;
}

void tst_LeaseWindow::refusals()
{
    QFETCH(int, mode);
    QFETCH(QString, member);
    QFETCH(QStringList, codes);
    QFETCH(QString, message);
    QFETCH(int, items);
    openLine(m_account->db(), 4, Schema::WalkInCustomerId, QDate::currentDate(), 300, 2000);
    showWindow(mode);
    QLineEdit *field = m_w->EDPic;
    if (!member.isEmpty()) {
        field = m_w->EdPer;
        field->setFocus();
        typeLine(member);
    }
    for (const QString &c : codes)
        typeLine(c);
    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QCOMPARE(m_boxes->shown.first().caption, QStringLiteral("系统提示"));
    QCOMPARE(focused(), field);
    QCOMPARE(field->selectedText(), member.isEmpty() ? codes.last() : member);
    QCOMPARE(m_w->items().size(), items);
    QCOMPARE(m_w->FMemberID, qint64(0));
}

void tst_LeaseWindow::totalsTakeDigitsOnly()
{
    showWindow(0);
    m_w->EDYJ->setFocus();
    m_w->EDYJ->selectAll();
    type(m_w, QStringLiteral("4a5.-5x"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("45.5"));
    key(m_w, Qt::Key_Backspace);
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("45."));
}

void tst_LeaseWindow::emptiedTotalIsReported_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("deposit emptied, then add") << "EDYJ"
                                               << "add"
                                               << "押金输入有错误，请检查！";
    QTest::newRow("rent emptied, then add") << "EDZJ"
                                            << "add"
                                            << "租金输入有错误，请检查！";
    QTest::newRow("deposit emptied, then remove") << "EDYJ"
                                                  << "remove"
                                                  << "押金输入有错误，请检查！";
    QTest::newRow("deposit emptied, then F12") << "EDYJ"
                                               << "complete"
                                               << "押金输入有错误，请检查！";
    QTest::newRow("rent emptied, then F12") << "EDZJ"
                                            << "complete"
                                            << "租金输入有错误，请检查！";
}

void tst_LeaseWindow::emptiedTotalIsReported()
{
    QFETCH(QString, field);
    QFETCH(QString, action);
    QFETCH(QString, message);
    showWindow(0);
    typeLine(QStringLiteral("0001"));
    auto *total = m_w->findChild<QLineEdit *>(field);
    total->clear();
    const QString other = (field == QLatin1String("EDYJ") ? m_w->EDZJ : m_w->EDYJ)->text();
    if (action == QLatin1String("add"))
        typeLine(QStringLiteral("0002"));
    else if (action == QLatin1String("remove"))
        m_w->BtnDel->click();
    else
        key(m_w, Qt::Key_F12);
    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(focused(), total);
    // Nothing computed from the empty field: the list and the other total are unchanged.
    QCOMPARE(m_w->items().size(), 1);
    QCOMPARE((field == QLatin1String("EDYJ") ? m_w->EDZJ : m_w->EDYJ)->text(), other);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(0));
}

void tst_LeaseWindow::allowanceRefusalKeepsEverything()
{
    const qint64 member = m_account->addMember(QStringLiteral("M002"), QStringLiteral("李娜"), 2);
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M002"));
    typeLine(QStringLiteral("0001"));
    typeLine(QStringLiteral("0002"));
    // Another counter rents to the same member meanwhile: the completion counts afresh.
    Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = 1 WHERE ID = ?"), {member},
             m_account->db());
    key(m_w, Qt::Key_F12);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("会员租借数量还剩1本次租碟数已超出！")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Warning);
    QCOMPARE(m_boxes->shown.first().caption, QString());
    QCOMPARE(m_w->items().size(), 2);
    QCOMPARE(m_w->FMemberID, member);
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("50.00"));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(0));
    QCOMPARE(memberSum(m_account->db(), member), qint64(1));
    // Removing one disc lets the same transaction complete.
    m_boxes->clear();
    m_w->BtnDel->click();
    completeAndReadPrompt();
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(memberSum(m_account->db(), member), qint64(0));
}

void tst_LeaseWindow::failedSaveKeepsEverything()
{
    Db::exec(QStringLiteral("CREATE TRIGGER fail_booking BEFORE INSERT ON TBInOutMoney "
                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END"),
             {}, m_account->db());
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    typeLine(QStringLiteral("0001"));
    key(m_w, Qt::Key_F12);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("数据保存错误!")});
    QCOMPARE(m_w->items().size(), 1);
    QCOMPARE(m_w->FMemberID, m_member);
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("20.00"));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(0));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(10));
    Db::exec(QStringLiteral("DROP TRIGGER fail_booking"), {}, m_account->db());
    m_boxes->clear();
    completeAndReadPrompt();
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(1));
}

void tst_LeaseWindow::receiptUnreadableAfterTheRentalKeepsItsCause()
{
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    typeLine(QStringLiteral("0001"));
    m_boxes->clear();
    QString prompt;
    QString mismatch = QStringLiteral("no box");
    {
        // The receipt names the customer; the member's name can no longer be read.
        const ReadDeniedAfterCommit deny(m_account->db(), "TBAssociator", "Name");
        prompt = completeAndReadPrompt();
        if (!m_boxes->shown.isEmpty())
            mismatch =
                deny.faultMismatch(m_boxes->shown.first(), QStringLiteral("单据数据读取失败："));
    }
    // The rental stands and its settlement is shown; the failed receipt says what failed, with
    // the engine's words under the details rather than in the message.
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(1));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(9));
    QVERIFY(!prompt.isEmpty());
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_LeaseWindow::memberShowsOpenRentals()
{
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("0"));
    openLine(m_account->db(), 1, m_member, QDate::currentDate(), 300, 2000);
    openLine(m_account->db(), 2, m_member, QDate::currentDate().addDays(-2), 500, 3000);
    openLine(m_account->db(), 3, m_member, QDate::currentDate().addDays(-10), 300,
             2000); // 3 days past 7
    Db::exec(QStringLiteral("UPDATE TBAssociator SET SDT = '2003-07-01' WHERE ID = ?"), {m_member},
             m_account->db());
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    // Said at once beside the list, no box in the scanner's way; the focus waits for a code.
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(focused(), m_w->EDPic);
    QCOMPARE(m_w->Label22->text(), QStringLiteral("2003-07-01（已到期）"));
    QCOMPARE(m_w->LabelOverdue->text(),
             QStringLiteral("过期未还1部：无间道超期3天；会员已于2003-07-01到期"));
    m_w->dxDBGrid1->locateValue(QStringLiteral("LineID"), 3);
    QCOMPARE(m_w->dxDBGrid1->value(QStringLiteral("DaysLate")).toLongLong(), qint64(3));
    Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE CDNum = 3"), {}, m_account->db());
    m_w->EdPer->setFocus();
    typeLine(QString()); // Enter: looked up again
    QCOMPARE(m_w->LabelOverdue->text(), QStringLiteral("会员已于2003-07-01到期"));
    QCOMPARE(m_w->dxDBGrid1->rowCount(), 2);
    QCOMPARE(m_w->EDBeYJ->text(), QStringLiteral("50.00"));
    QCOMPARE(m_w->EDBeZj->text(), QStringLiteral("10.00")); // today 0 days + 2 days x 5.00
    // A failed lookup afterwards keeps the member found before.
    m_w->EdPer->setFocus();
    m_w->EdPer->selectAll();
    typeLine(QStringLiteral("M404"));
    QCOMPARE(m_w->FMemberID, m_member);
    QCOMPARE(m_w->dxDBGrid1->rowCount(), 2);
}

void tst_LeaseWindow::nextCustomerIsWalkIn()
{
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    typeLine(QStringLiteral("0001"));
    completeAndReadPrompt();
    typeLine(QStringLiteral("0002"));
    completeAndReadPrompt();
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Ass_Number FROM TBBusinessDetail WHERE CDNum = 2"),
                        {}, m_account->db())
                 .toLongLong(),
             qint64(Schema::WalkInCustomerId));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(9));
}

void tst_LeaseWindow::returnByKeysShowsTheDifference()
{
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("0"));
    // Rented by the walk-in customer; brought back without a member number.
    openLine(m_account->db(), 1, Schema::WalkInCustomerId, QDate::currentDate().addDays(-3), 300,
             2000);
    openLine(m_account->db(), 2, Schema::WalkInCustomerId, QDate::currentDate(), 500, 3000);
    showWindow(1);
    typeLine(QStringLiteral("0001"));
    typeLine(QStringLiteral("0002"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("50.00"));
    QCOMPARE(m_w->EDZJ->text(), QStringLiteral("14.00"));
    m_w->EDZJ->setFocus();
    m_w->EDZJ->selectAll();
    type(m_w, QStringLiteral("12.5")); // the operator lets a little go
    const QString prompt = completeAndReadPrompt();
    QCOMPARE(prompt,
             QStringLiteral("共归还影片：2部，\n应退　押金：50.00元，\n租　　　金：12.50元，\n"
                            "应退客户：37.50元"));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NULL")),
             qint64(0));
    QSqlQuery q = Db::exec(QStringLiteral("SELECT CateID, Moneys, ClientID FROM TBInOutMoney "
                                          "ORDER BY FID"),
                           {}, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(Db::integer(q, "CateID"), qint64(Schema::TypeRent));
    QCOMPARE(Db::integer(q, "Moneys"), qint64(1250));
    QCOMPARE(Db::integer(q, "ClientID"), qint64(Schema::WalkInCustomerId));
    QVERIFY(q.next());
    QCOMPARE(Db::integer(q, "CateID"), qint64(Schema::TypeDeposit));
    QCOMPARE(Db::integer(q, "Moneys"), qint64(-5000));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(10));
}

void tst_LeaseWindow::completionRefreshesTheRentalList()
{
    CreateLeaseList(m_account->context());
    auto *list = qobject_cast<TLeaseMainFM *>(LeaseListWindow());
    QVERIFY(list);
    QCOMPARE(list->dxDBGrid1->rowCount(), 0);
    showWindow(0);
    typeLine(QStringLiteral("0001"));
    typeLine(QStringLiteral("0002"));
    completeAndReadPrompt();
    QCOMPARE(list->dxDBGrid1->rowCount(), 2);
    QCOMPARE(list->dxDBGrid1->footerText(QStringLiteral("Deposit")), QStringLiteral("共50.00 元"));
    delete m_w;
    m_w = nullptr;
    showWindow(1);
    typeLine(QStringLiteral("0002"));
    completeAndReadPrompt();
    QCOMPARE(list->dxDBGrid1->rowCount(), 1);
    QCOMPARE(list->dxDBGrid1->footerText(QStringLiteral("Deposit")), QStringLiteral("共20.00 元"));
}

void tst_LeaseWindow::otherRentersDiscNeedsConfirming_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed: booked to the renter") << true;
    QTest::newRow("declined: not added") << false;
}

void tst_LeaseWindow::otherRentersDiscNeedsConfirming()
{
    QFETCH(bool, confirmed);
    const qint64 other = m_account->addMember(QStringLiteral("M002"), QStringLiteral("王芳"), 5);
    openLine(m_account->db(), 1, other, QDate::currentDate().addDays(-1), 300, 2000);
    showWindow(1);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    m_boxes->answers.enqueue(confirmed ? QMessageBox::Yes : QMessageBox::No);
    typeLine(QStringLiteral("0001"));
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY2(m_boxes->lastText().contains(QStringLiteral("M002 王芳")),
             qPrintable(m_boxes->lastText()));
    QCOMPARE(m_w->items().size(), confirmed ? 1 : 0);
    if (!confirmed)
        return;
    completeAndReadPrompt();
    QCOMPARE(Db::scalar(QStringLiteral("SELECT COUNT(*) FROM TBInOutMoney WHERE ClientID = ?"),
                        {other}, m_account->db())
                 .toLongLong(),
             qint64(2));
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), qint64(2));
}

void tst_LeaseWindow::emptiedMemberNumberIsWalkIn()
{
    openLine(m_account->db(), 1, m_member, QDate::currentDate(), 300, 2000);
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    QCOMPARE(m_w->FMemberID, m_member);
    QCOMPARE(m_w->dxDBGrid1->rowCount(), 1);
    m_w->EdPer->setFocus();
    m_w->EdPer->selectAll();
    key(m_w, Qt::Key_Backspace);
    QCOMPARE(m_w->FMemberID, qint64(0));
    QCOMPARE(m_w->Label20->text(), QStringLiteral("零租客户"));
    QCOMPARE(m_w->dxDBGrid1->rowCount(), 0);
    QCOMPARE(m_w->EDBeYJ->text(), QStringLiteral("0.00"));
    m_w->EDPic->setFocus();
    typeLine(QStringLiteral("0002"));
    completeAndReadPrompt();
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Ass_Number FROM TBBusinessDetail WHERE CDNum = 2"),
                        {}, m_account->db())
                 .toLongLong(),
             qint64(Schema::WalkInCustomerId));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ClientID FROM TBInOutMoney"), {}, m_account->db())
                 .toLongLong(),
             qint64(Schema::WalkInCustomerId));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(10));
}

void tst_LeaseWindow::allowanceWarnsAtTheScan()
{
    Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = 1 WHERE ID = ?"), {m_member},
             m_account->db());
    showWindow(0);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    QCOMPARE(m_w->Label21->text(), QStringLiteral("1"));
    typeLine(QStringLiteral("0001"));
    QVERIFY(m_boxes->shown.isEmpty());
    typeLine(QStringLiteral("0002")); // the second disc goes over the allowance
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("会员租借数量还剩1本次租碟数已超出！"));
    QCOMPARE(m_boxes->shown.last().icon, Msg::Icon::Warning);
    QCOMPARE(m_w->items().size(), 1);
}

void tst_LeaseWindow::addClickedWithUnconfirmedCode()
{
    showWindow(0);
    type(m_w, QStringLiteral("0003"));
    // A quick click: the button takes the press before the field's departure is handled.
    QTest::mouseClick(m_w->BtnAdd, Qt::LeftButton);
    QTRY_COMPARE(m_w->items().size(), 1);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(m_w->items().first().copy.customNum, QStringLiteral("0003"));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("20.00"));
}

void tst_LeaseWindow::returnFromTheMembersList()
{
    openLine(m_account->db(), 1, m_member, QDate::currentDate().addDays(-1), 300, 2000);
    openLine(m_account->db(), 2, m_member, QDate::currentDate(), 500, 3000);
    showWindow(1);
    m_w->EdPer->setFocus();
    typeLine(QStringLiteral("M001"));
    QCOMPARE(m_w->dxDBGrid1->rowCount(), 2);
    // Enter on a row of the member's discs adds it.
    m_w->dxDBGrid1->view()->setFocus();
    m_w->dxDBGrid1->locateValue(QStringLiteral("CustomNum"), QStringLiteral("0002"));
    key(m_w, Qt::Key_Return);
    QCOMPARE(m_w->items().size(), 1);
    QCOMPARE(m_w->items().first().copy.customNum, QStringLiteral("0002"));
    // A double click on the other row adds that one; the same disc twice is refused.
    m_w->dxDBGrid1->locateValue(QStringLiteral("CustomNum"), QStringLiteral("0001"));
    QTreeView *view = m_w->dxDBGrid1->view();
    const QRect cell = view->visualRect(view->currentIndex().siblingAtColumn(2));
    QVERIFY(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_w->items().size(), 2);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(m_w->EDYJ->text(), QStringLiteral("50.00"));
    m_w->dxDBGrid1->view()->setFocus();
    key(m_w, Qt::Key_Return);
    QCOMPARE(m_w->items().size(), 2);
    QCOMPARE(m_boxes->shown.size(), 1);
}

void tst_LeaseWindow::returnLinesShowDaysRentAndLateness()
{
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("0"));
    m_account->setOption(Schema::OptionOverdueDays, QStringLiteral("2"));
    openLine(m_account->db(), 1, m_member, QDate::currentDate().addDays(-5), 300, 2000);
    showWindow(1);
    QVERIFY(!m_w->dxDBGrid2->shownFields().isEmpty());
    QVERIFY(m_w->dxDBGrid2->shownFields().contains(QStringLiteral("Days")));
    typeLine(QStringLiteral("0001"));
    QCOMPARE(m_w->dxDBGrid2->value(QStringLiteral("Days")).toLongLong(), qint64(5));
    QCOMPARE(m_w->dxDBGrid2->value(QStringLiteral("Charge")).toLongLong(), qint64(1500));
    QCOMPARE(m_w->dxDBGrid2->value(QStringLiteral("DaysLate")).toLongLong(), qint64(3));
    QCOMPARE(m_w->LabelSettle->text(), QStringLiteral("押金20.00 − 租金15.00 = 应退客户5.00元"));
    // Renting shows none of the return columns, and says what is paid now.
    delete m_w;
    m_w = nullptr;
    showWindow(0);
    QVERIFY(!m_w->dxDBGrid2->shownFields().contains(QStringLiteral("Days")));
    typeLine(QStringLiteral("0002"));
    QCOMPARE(m_w->LabelSettle->text(), QStringLiteral("本次实收押金30.00元，租金还碟时结算"));
}

void tst_LeaseWindow::f2OpensThePickList()
{
    m_account->addMember(QStringLiteral("Z009"), QStringLiteral("赵六"), 3);
    openLine(m_account->db(), 2, m_member, QDate::currentDate(), 500, 3000); // 功夫 is out
    showWindow(0);
    QStringList offered;
    whenModal<TSelectPicFm>([&](TSelectPicFm *pick) {
        for (int k = 0; k < pick->DBGridList->rowCount(); ++k)
            offered << pick->DBGridList->textAt(k, QStringLiteral("CustomNum"));
        QCOMPARE(QApplication::focusWidget(), pick->EDSearch);
        type(pick, QStringLiteral("0004"));
        key(pick, Qt::Key_Return);
    });
    key(m_w, Qt::Key_F2);
    offered.sort();
    QCOMPARE(offered,
             (QStringList{QStringLiteral("0001"), QStringLiteral("0003"), QStringLiteral("0004")}));
    QCOMPARE(m_w->EDPic->text(), QStringLiteral("0004"));
    m_w->EDPic->clear();
    QVERIFY(QTest::qWaitForWindowActive(m_w));
    m_w->EdPer->setFocus();
    QCOMPARE(focused(), m_w->EdPer);
    whenModal<TSelectPerFm>([](TSelectPerFm *pick) {
        type(pick, QStringLiteral("Z0"));
        key(pick, Qt::Key_Return);
    });
    key(m_w, Qt::Key_F2);
    QCOMPARE(m_w->EdPer->text(), QStringLiteral("Z009"));
}

QTEST_MAIN(tst_LeaseWindow)
#include "tst_leasewindow.moc"
