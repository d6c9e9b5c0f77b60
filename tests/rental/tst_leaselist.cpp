#include "RentalTestKeys.h"

#include "rental/LeaseListWindow.h"
#include "rental/LeaseWindow.h"
#include "rental/SettlementWindow.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "shell/BaseWindows.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using RentalTest::key;
using RentalTest::type;
using RentalTest::whenModal;

namespace {

void line(const QSqlDatabase &db, qint64 copy, qint64 customer, qint64 depositCents,
          const char *returned = nullptr)
{
    Db::exec(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                       "DatTime, Deposit, Persons, ReDate) VALUES (?, 300, 1, ?, "
                       "'2024-05-01', ?, 2, ?)"),
        {copy, customer, depositCents, returned ? QVariant(QLatin1String(returned)) : QVariant()},
        db);
}

} // namespace

class tst_LeaseList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsOnlyOpenRentalsOfExistingCustomers();
    void searchMovesByPrefixAsTyped_data();
    void searchMovesByPrefixAsTyped();
    void clickingTheSearchFieldEmptiesIt();
    void addOpensTheRentalWindowAndRereads();
    void rereadsWhenBroughtBackAfterAChange();

private:
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TLeaseMainFM *m_list = nullptr;
};

void tst_LeaseList::initTestCase()
{
    applyCommonLook();
}

void tst_LeaseList::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_account->setOption(Schema::OptionReceiptPrinting, QStringLiteral("1"));
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    for (int i = 1; i <= 7; ++i)
        m_account->addCopy(QStringLiteral("000%1").arg(i), QStringLiteral("片%1").arg(i),
                           QStringLiteral("DVD"));
    const qint64 a1 = m_account->addMember(QStringLiteral("A100"), QStringLiteral("张伟"), 9);
    const qint64 a2 = m_account->addMember(QStringLiteral("A120"), QStringLiteral("李娜"), 9);
    const qint64 b = m_account->addMember(QStringLiteral("B300"), QStringLiteral("王芳"), 9);
    const qint64 gone = m_account->addMember(QStringLiteral("C400"), QStringLiteral("赵磊"), 9);
    line(m_account->db(), 1, a1, 2000);
    line(m_account->db(), 2, a2, 3000);
    line(m_account->db(), 3, b, 1000);
    line(m_account->db(), 4, Schema::WalkInCustomerId, 500);
    line(m_account->db(), 5, a1, 9900, "2024-05-02 10:00:00"); // returned
    line(m_account->db(), 6, Schema::SaleCustomer, 0); // a sale line never has a return date
    line(m_account->db(), 7, gone, 7700);
    Db::exec(QStringLiteral("DELETE FROM TBAssociator WHERE ID = ?"), {gone}, m_account->db());
    m_list = new TLeaseMainFM(m_account->context());
    m_list->show();
    m_list->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_list));
}

void tst_LeaseList::cleanup()
{
    delete m_list;
    delete m_boxes;
    delete m_account;
    m_list = nullptr;
    m_boxes = nullptr;
    m_account = nullptr;
}

void tst_LeaseList::listsOnlyOpenRentalsOfExistingCustomers()
{
    DataGrid *g = m_list->dxDBGrid1;
    QCOMPARE(g->rowCount(), 4);
    // Shown by customer name, descending; walk-in rentals under the walk-in customer's name.
    QCOMPARE(g->sortField(), QStringLiteral("CustName"));
    QCOMPARE(g->sortOrder(), Qt::DescendingOrder);
    QStringList names;
    for (int i = 0; i < g->rowCount(); ++i)
        names << g->textAt(i, QStringLiteral("CustName"));
    QVERIFY(names.contains(QStringLiteral("零租客户")));
    QCOMPARE(g->footerText(QStringLiteral("Deposit")), QStringLiteral("共65.00 元"));
    QCOMPARE(m_list->EDSearch->text(), QStringLiteral("在这儿输入会员的编码"));
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_LeaseList::searchMovesByPrefixAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("numbers"); // the current row's number after each key
    QTest::newRow("digit by digit") << "A12" << QStringList{"A100", "A100", "A120"};
    QTest::newRow("no match keeps the row") << "B9" << QStringList{"B300", "B300"};
    QTest::newRow("case-sensitive") << "a" << QStringList{"B300"};
}

void tst_LeaseList::searchMovesByPrefixAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, numbers);
    DataGrid *g = m_list->dxDBGrid1;
    QVERIFY(g->locate(QStringLiteral("Num"), QStringLiteral("B300")));
    m_list->EDSearch->setFocus();
    m_list->EDSearch->clear();
    for (int i = 0; i < typed.size(); ++i) {
        type(m_list, typed.mid(i, 1));
        QCOMPARE(g->value(QStringLiteral("Num")).toString(), numbers.at(i));
    }
}

void tst_LeaseList::clickingTheSearchFieldEmptiesIt()
{
    QTest::mouseClick(m_list->EDSearch, Qt::LeftButton);
    QCOMPARE(m_list->EDSearch->text(), QString());
    type(m_list, QStringLiteral("B3"));
    QCOMPARE(m_list->dxDBGrid1->value(QStringLiteral("Num")).toString(), QStringLiteral("B300"));
}

void tst_LeaseList::addOpensTheRentalWindowAndRereads()
{
    int mode = -1;
    whenModal<TLeaseFm>([&](TLeaseFm *w) {
        mode = w->FMode;
        type(w, QStringLiteral("0006"));
        key(w, Qt::Key_Return); // sold: refused
        w->EDPic->selectAll();
        type(w, QStringLiteral("0005"));
        key(w, Qt::Key_Return);
        whenModal<TInforFm>([](TInforFm *prompt) { key(prompt, Qt::Key_Return); });
        key(w, Qt::Key_F12);
        key(w, Qt::Key_Escape); // the list is empty again: closes
    });
    m_list->BtnAdd->click();
    QCOMPARE(mode, 0);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("影片已出租或影片编码不存在,请检查!")});
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 5);
    QCOMPARE(m_list->dxDBGrid1->footerText(QStringLiteral("Deposit")),
             QStringLiteral("共85.00 元"));
}

void tst_LeaseList::rereadsWhenBroughtBackAfterAChange()
{
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 4);
    // A member deleted elsewhere (the settings page, another counter) while the list stays up.
    Db::exec(QStringLiteral("DELETE FROM TBAssociator WHERE Num = 'B300'"), {}, m_account->db());
    m_list->RefreshIfChanged();
    QCOMPARE(m_list->dxDBGrid1->rowCount(), 3);
    // Nothing written since: the rows are kept as they are, the current one included.
    m_list->dxDBGrid1->setCurrentPosition(2);
    const QVariant current = m_list->dxDBGrid1->value(QStringLiteral("ID"));
    m_list->RefreshIfChanged();
    QCOMPARE(m_list->dxDBGrid1->value(QStringLiteral("ID")), current);
}

QTEST_MAIN(tst_LeaseList)
#include "tst_leaselist.moc"
