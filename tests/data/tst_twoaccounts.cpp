// Two accounts open side by side in one process, each with its own context (connection,
// operator, shop): whatever is done in one is written there, by its operator, and leaves the
// other as it was.
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "sales/SaleStore.h"
#include "settings/OptionStore.h"
#include "settings/TypeStore.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

// The rows of an account's till and audit log as "user|line-or-kind", oldest first.
QStringList tillRows(const QSqlDatabase &db)
{
    QStringList rows;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT UserId, Line FROM TBTill ORDER BY ID"), {}, db);
    while (q.next())
        rows << q.value(0).toString() + u'|' + q.value(1).toString();
    return rows;
}

QStringList auditRows(const QSqlDatabase &db)
{
    QStringList rows;
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT UserId, Kind FROM TBAuditLog ORDER BY ID"), {}, db);
    while (q.next())
        rows << q.value(0).toString() + u'|' + q.value(1).toString();
    return rows;
}

// Rents the copy code out to the walk-in customer, as the counter of account does.
Lease::Result rentOut(const AccountContext &account, const QString &code)
{
    const auto copy = Lease::findCopyForRent(account.db(), code);
    if (!copy)
        qFatal("copy %s not found", qPrintable(code));
    const auto item =
        Lease::makeItem(account.db(), *copy, Lease::Mode::RentOut, false, QDate::currentDate());
    Lease::Completion c;
    c.items = {*item};
    c.depositTotal = item->addedDeposit;
    c.rentTotal = item->addedRent;
    c.operatorId = account.operatorId();
    c.now = QDateTime::currentDateTime();
    return Lease::complete(account.db(), c);
}

} // namespace

class tst_TwoAccounts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void counterWorkStaysInItsAccount();
    void settingsSaveStaysInItsAccount();

private:
    std::unique_ptr<TestAccount> m_first;
    std::unique_ptr<TestAccount> m_second;
    qint64 m_firstClerk = 0;
    qint64 m_secondClerk = 0;
};

void tst_TwoAccounts::init()
{
    m_first = std::make_unique<TestAccount>();
    m_second = std::make_unique<TestAccount>(QStringLiteral("SecondCounter"));
    QVERIFY(m_first->db().connectionName() != m_second->db().connectionName());
    for (TestAccount *a : {m_first.get(), m_second.get()}) {
        a->addFeeClass(QStringLiteral("DVD"), 300, 2000);
        a->addCopy(QStringLiteral("0001"), QStringLiteral("甲方乙方"), QStringLiteral("DVD"));
        a->addCopy(QStringLiteral("0002"), QStringLiteral("大话西游"), QStringLiteral("DVD"));
    }
    // Different staff in each, so an operator taken from the wrong context shows.
    m_firstClerk = m_first->addStaff(QStringLiteral("小王"), QStringLiteral("a"));
    m_second->addStaff(QStringLiteral("小张"), QStringLiteral("b"));
    m_secondClerk = m_second->addStaff(QStringLiteral("小李"), QStringLiteral("c"));
    QVERIFY(m_firstClerk != m_secondClerk);
    m_first->context().setOperator(int(m_firstClerk));
    m_second->context().setOperator(int(m_secondClerk));
}

void tst_TwoAccounts::cleanup()
{
    m_second.reset();
    m_first.reset();
}

void tst_TwoAccounts::counterWorkStaysInItsAccount()
{
    AccountContext &first = m_first->context();
    AccountContext &second = m_second->context();

    // A rental at the second counter: its line, till and log rows are the second account's.
    const Lease::Result rented = rentOut(second, QStringLiteral("0001"));
    QVERIFY(rented.done());
    QCOMPARE(m_second->count(QStringLiteral("TBBusinessDetail")), 1);
    QCOMPARE(m_first->count(QStringLiteral("TBBusinessDetail")), 0);
    const QString secondId = QString::number(m_secondClerk);
    QCOMPARE(tillRows(second.db()), QStringList{secondId + QStringLiteral("|1")});
    QCOMPARE(auditRows(second.db()), QStringList{secondId + QStringLiteral("|出租")});
    QVERIFY(tillRows(first.db()).isEmpty());
    QVERIFY(auditRows(first.db()).isEmpty());
    // The copy is out in the second account only: the first one still rents its own.
    QVERIFY(!Lease::findCopyForRent(second.db(), QStringLiteral("0001")));
    QVERIFY(Lease::findCopyForRent(first.db(), QStringLiteral("0001")));

    // A sale at the first counter, then its undo: the first account's rows, its operator.
    const auto copy = SaleStore::findSaleableCopy(first.db(), QStringLiteral("0002"));
    QVERIFY(copy);
    SaleStore::SaleRow row;
    row.copy = *copy;
    row.amount = 1;
    row.rmoney = Money::fromYuan(25);
    const auto sold =
        SaleStore::completeSale(first.db(), {row}, -1, first.operatorId(), QDate::currentDate());
    QVERIFY(sold.done());
    QVERIFY(SaleStore::undoSale(first, sold.value().first()));
    const QString firstId = QString::number(m_firstClerk);
    QCOMPARE(tillRows(first.db()),
             (QStringList{firstId + QStringLiteral("|4"), firstId + QStringLiteral("|4")}));
    QCOMPARE(auditRows(first.db()), (QStringList{firstId + QStringLiteral("|销售"),
                                                 firstId + QStringLiteral("|销售撤销")}));
    // The second account saw none of it; its copy 0002 is still for sale.
    QCOMPARE(tillRows(second.db()).size(), 1);
    QCOMPARE(auditRows(second.db()).size(), 1);
    QVERIFY(SaleStore::findSaleableCopy(second.db(), QStringLiteral("0002")));
}

void tst_TwoAccounts::settingsSaveStaysInItsAccount()
{
    AccountContext &first = m_first->context();
    AccountContext &second = m_second->context();
    first.setShop({QStringLiteral("第一店"), QString(), QString()});

    const qint64 type = Settings::saveType(second, 0, QStringLiteral("电费"), QString());
    QVERIFY(type > 0);
    Settings::RentalOptions options = Settings::readRentalOptions(second.db());
    options.rentPerDisc = true;
    options.overdueDays = QStringLiteral("5");
    Settings::saveRentalOptions(second, options);
    Settings::saveShopDetails(
        second, {QStringLiteral("第二店"), QStringLiteral("北街"), QStringLiteral("110")});

    // Written in the second account, by its operator.
    QCOMPARE(m_second->count(QStringLiteral("TBKindValue"), QStringLiteral("CateValue = '电费'")),
             1);
    QVERIFY(Settings::readRentalOptions(second.db()).rentPerDisc);
    QCOMPARE(ShopDetails::read(second.db()).company, QStringLiteral("第二店"));
    QCOMPARE(second.shop().company, QStringLiteral("第二店"));
    const QString secondId = QString::number(m_secondClerk);
    QCOMPARE(auditRows(second.db()), (QStringList{secondId + QStringLiteral("|收支类型"),
                                                  secondId + QStringLiteral("|出租选项"),
                                                  secondId + QStringLiteral("|单位信息")}));

    // The first account and its context are as they were.
    QCOMPARE(m_first->count(QStringLiteral("TBKindValue"), QStringLiteral("CateValue = '电费'")),
             0);
    QVERIFY(!Settings::readRentalOptions(first.db()).rentPerDisc);
    QVERIFY(ShopDetails::read(first.db()).company != QStringLiteral("第二店"));
    QCOMPARE(first.shop().company, QStringLiteral("第一店"));
    QVERIFY(auditRows(first.db()).isEmpty());
}

QTEST_MAIN(tst_TwoAccounts)
#include "tst_twoaccounts.moc"
