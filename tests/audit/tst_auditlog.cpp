#include "audit/AuditLog.h"

#include "money/InOutMoneyStore.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/RentRule.h"
#include "sales/SaleStore.h"
#include "settings/FeeStore.h"
#include "settings/MemberStore.h"
#include "settings/OptionStore.h"
#include "settings/StaffStore.h"
#include "settings/SupplierStore.h"
#include "settings/TypeStore.h"
#include "stock/StockStore.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QSqlQuery>
#include <QTest>

#include <functional>

using Action = std::function<void(TestAccount &)>;
Q_DECLARE_METATYPE(Action)

namespace {

const QDate kToday = QDate::currentDate();

Lease::Completion leaseOf(const QSqlDatabase &db, Lease::Mode mode, const QString &code,
                          int operatorId)
{
    const auto copy = mode == Lease::Mode::RentOut ? Lease::findCopyForRent(db, code)
                                                   : Lease::findCopyForReturn(db, code);
    if (!copy)
        qFatal("fixture copy %s not found", qPrintable(code));
    Lease::Completion c;
    c.mode = mode;
    c.items = {*Lease::makeItem(db, *copy, mode, RentRule::isRentPerDisc(db), kToday)};
    c.depositTotal = c.items.first().addedDeposit;
    c.rentTotal = c.items.first().addedRent;
    c.operatorId = operatorId;
    c.now = QDateTime::currentDateTime();
    return c;
}

qint64 sell(AccountContext &account, const QString &code, qint64 editedLine = 0)
{
    const auto copy = SaleStore::findSaleableCopy(account.db(), code);
    if (!copy)
        qFatal("fixture copy %s not saleable", qPrintable(code));
    SaleStore::SaleRow row;
    row.copy = *copy;
    row.amount = 1;
    row.rmoney = Money::fromYuan(30);
    return SaleStore::completeSale(account.db(), {row}, editedLine, account.operatorId(), kToday)
        .value()
        .value(0);
}

qint64 userType(AccountContext &account)
{
    return Settings::saveType(account, 0, QStringLiteral("水电费"), QString());
}

struct LogRow
{
    qint64 userId = -1;
    QString subject;
    QString before;
    QString after;
};

// The newest row of a kind.
LogRow newest(const QSqlDatabase &db, const QString &kind)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT UserId, Subject, Before, After FROM TBAuditLog "
                                          "WHERE Kind = ? ORDER BY ID DESC LIMIT 1"),
                           {kind}, db);
    LogRow r;
    if (q.next()) {
        r.userId = Db::integer(q, "UserId");
        r.subject = Db::text(q, "Subject");
        r.before = Db::text(q, "Before");
        r.after = Db::text(q, "After");
    }
    return r;
}

} // namespace

class tst_AuditLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyChangeLogsItsKindAndOperator_data();
    void everyChangeLogsItsKindAndOperator();
    void rowsCannotBeChangedOrDeleted();
    void failedChangeLeavesNoRow();
    void valuesBeforeAndAfter();
    void passwordsNeverLogged();
    void filterByDaysOperatorAndKind();
    void olderAccountGetsTheNewTables();

private:
    TestAccount *m_account = nullptr;
    qint64 m_operator = 0;
};

void tst_AuditLog::init()
{
    m_account = new TestAccount;
    m_operator = m_account->addStaff(QStringLiteral("小王"), QString());
    m_account->context().setOperator(int(m_operator));
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0002-1"), QStringLiteral("卧虎藏龙"), QStringLiteral("DVD"));
}

void tst_AuditLog::cleanup()
{
    delete m_account;
    m_account = nullptr;
}

void tst_AuditLog::everyChangeLogsItsKindAndOperator_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("kind");
    auto row = [](const char *name, const char *kind, Action a) {
        QTest::newRow(name) << a << QString::fromUtf8(kind);
    };
    auto copyId = [](TestAccount &account, const QString &code) {
        return Db::scalar(QStringLiteral("SELECT ID FROM TBName WHERE CustomNum = ?"), {code},
                          account.db())
            .toLongLong();
    };
    row("rental", "出租", [](TestAccount &account) {
        QVERIFY(Lease::complete(account.db(),
                                leaseOf(account.db(), Lease::Mode::RentOut,
                                        QStringLiteral("0001-1"), account.context().operatorId()))
                    .done());
    });
    row("return", "归还", [](TestAccount &account) {
        Lease::complete(account.db(),
                        leaseOf(account.db(), Lease::Mode::RentOut, QStringLiteral("0001-1"),
                                account.context().operatorId()));
        QVERIFY(Lease::complete(account.db(),
                                leaseOf(account.db(), Lease::Mode::TakeBack,
                                        QStringLiteral("0001-1"), account.context().operatorId()))
                    .done());
    });
    row("sale", "销售", [](TestAccount &account) {
        QVERIFY(sell(account.context(), QStringLiteral("0001-1")) > 0);
    });
    row("sale edit", "销售修改", [](TestAccount &account) {
        const qint64 line = sell(account.context(), QStringLiteral("0001-1"));
        QVERIFY(sell(account.context(), QStringLiteral("0002-1"), line) > 0);
    });
    row("sale undo", "销售撤销", [](TestAccount &account) {
        QVERIFY(SaleStore::undoSale(account.context(),
                                    sell(account.context(), QStringLiteral("0001-1"))));
    });
    row("stock add", "入库", [](TestAccount &account) {
        TitleRecord t;
        t.customNum = QStringLiteral("0003-1");
        t.name = QStringLiteral("新片");
        QCOMPARE(StockStore::writeTitles(account.context(), {t}).size(), 1);
    });
    row("stock edit", "影碟修改", [copyId](TestAccount &account) {
        const qint64 id = copyId(account, QStringLiteral("0001-1"));
        TitleRecord t = *StockStore::loadTitle(account.db(), id);
        t.name = QStringLiteral("英雄（修复版）");
        QVERIFY(StockStore::updateTitle(account.context(), id, t));
    });
    row("stock delete", "库存删除", [copyId](TestAccount &account) {
        QVERIFY(StockStore::deleteFromStock(account.context(),
                                            copyId(account, QStringLiteral("0001-1")))
                    .done());
    });
    row("write-off", "报损", [copyId](TestAccount &account) {
        QVERIFY(StockStore::writeOff(account.context(), copyId(account, QStringLiteral("0001-1")))
                    .done());
    });
    row("member", "会员", [](TestAccount &account) {
        Settings::MemberEntry m;
        m.num = QStringLiteral("M01");
        m.name = QStringLiteral("张三");
        m.allowance = QStringLiteral("5");
        const qint64 id = Settings::saveMember(account.context(), 0, m, kToday);
        Settings::deleteMember(account.context(), id);
    });
    row("member payment", "会员缴费", [](TestAccount &a) {
        const qint64 member = a.addMember(QStringLiteral("M02"), QStringLiteral("李四"), 3);
        Settings::addMemberPayment(a.context(), member, kToday, Money::fromYuan(50), QString());
    });
    row("staff", "人员", [](TestAccount &account) {
        Settings::saveStaff(account.context(), 0,
                            {QStringLiteral("小李"), QStringLiteral("pw"), {}, {}, {}}, {});
    });
    row("permission", "权限", [](TestAccount &a) {
        const qint64 id = a.addStaff(QStringLiteral("小赵"), QString());
        Settings::saveStaff(a.context(), id, {QStringLiteral("小赵"), {}, {}, {}, {}, true},
                            {1, 3});
    });
    row("options", "出租选项", [](TestAccount &account) {
        Settings::RentalOptions o = Settings::readRentalOptions(account.db());
        o.rentPerDisc = !o.rentPerDisc;
        Settings::saveRentalOptions(account.context(), o);
    });
    row("shop", "单位信息", [](TestAccount &account) {
        Settings::saveShopDetails(account.context(),
                                  {QStringLiteral("影碟小店"), QStringLiteral("北街1号"), {}});
    });
    row("fee class", "费用类别", [](TestAccount &account) {
        Settings::saveFeeClass(account.context(), 0,
                               {QStringLiteral("VCD"), QStringLiteral("1"), QStringLiteral("10")});
    });
    row("category", "影片类别", [](TestAccount &account) {
        Settings::saveCategory(account.context(), 0, QStringLiteral("喜剧"));
    });
    row("type", "收支类型", [](TestAccount &account) { QVERIFY(userType(account.context()) > 0); });
    row("supplier", "供应商", [](TestAccount &account) {
        Settings::saveSupplier(account.context(), 0, {QStringLiteral("音像公司"), {}, {}, {}});
    });
    row("income record", "费用收支", [](TestAccount &account) {
        InOutMoney::Record r;
        r.date = kToday;
        r.typeId = userType(account.context());
        r.amount = Money::fromYuan(12);
        r.clientId = Schema::WalkInCustomerId;
        r.staffId = account.context().operatorId();
        const qint64 fid = InOutMoney::add(account.context(), r);
        r.fid = fid;
        r.amount = Money::fromYuan(15);
        InOutMoney::update(account.context(), r);
        InOutMoney::remove(account.context(), fid);
    });
}

void tst_AuditLog::everyChangeLogsItsKindAndOperator()
{
    QFETCH(Action, action);
    QFETCH(QString, kind);
    action(*m_account);
    const qint64 rows = Db::scalar(QStringLiteral("SELECT count(*) FROM TBAuditLog WHERE Kind = ?"),
                                   {kind}, m_account->db())
                            .toLongLong();
    QVERIFY2(rows > 0, qPrintable(kind));
    // Every row of the action names the operator who did it, to the second.
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT UserId, At FROM TBAuditLog"), {}, m_account->db());
    while (q.next()) {
        QCOMPARE(Db::integer(q, "UserId"), m_operator);
        const QDateTime at =
            QDateTime::fromString(Db::text(q, "At"), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(at.isValid());
        QVERIFY(qAbs(at.secsTo(QDateTime::currentDateTime())) < 60);
    }
}

void tst_AuditLog::rowsCannotBeChangedOrDeleted()
{
    Audit::record(m_account->context(), Audit::Kind::Backup, QStringLiteral("b.MDB"));
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError,
        Db::exec(QStringLiteral("UPDATE TBAuditLog SET Subject = 'x'"), {}, m_account->db()));
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, Db::exec(QStringLiteral("DELETE FROM TBAuditLog"), {}, m_account->db()));
    QCOMPARE(newest(m_account->db(), QStringLiteral("备份")).subject, QStringLiteral("b.MDB"));
}

void tst_AuditLog::failedChangeLeavesNoRow()
{
    // A refused rental writes nothing, its log row included.
    Lease::Completion c = leaseOf(m_account->db(), Lease::Mode::RentOut, QStringLiteral("0001-1"),
                                  m_account->context().operatorId());
    QVERIFY(Lease::complete(m_account->db(), c).done());
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog")), 1);
    QCOMPARE(Lease::complete(m_account->db(), c).refusal().reason,
             Db::Refusal::Reason::NotAvailable);
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog")), 1);
    // A failing settings save rolls its row back with it.
    QVERIFY_THROWS_EXCEPTION(Db::DbError,
                             Settings::saveSupplier(m_account->context(), 9999,
                                                    {QStringLiteral("无此供应商"), {}, {}, {}}));
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog")), 1);
}

void tst_AuditLog::valuesBeforeAndAfter()
{
    const qint64 id =
        Settings::saveFeeClass(m_account->context(), 0,
                               {QStringLiteral("蓝光"), QStringLiteral("2"), QStringLiteral("30")});
    LogRow added = newest(m_account->db(), QStringLiteral("费用类别"));
    QCOMPARE(added.before, QString());
    QCOMPARE(added.after, QStringLiteral("Name=蓝光; Fee=2.00; Deposit=30.00"));
    QCOMPARE(added.subject, QStringLiteral("ID=%1").arg(id));

    Settings::saveFeeClass(m_account->context(), id,
                           {QStringLiteral("蓝光"), QStringLiteral("2.5"), QStringLiteral("30")});
    LogRow changed = newest(m_account->db(), QStringLiteral("费用类别"));
    QCOMPARE(changed.before, QStringLiteral("Name=蓝光; Fee=2.00; Deposit=30.00"));
    QCOMPARE(changed.after, QStringLiteral("Name=蓝光; Fee=2.50; Deposit=30.00"));

    Settings::deleteFeeClass(m_account->context(), id);
    LogRow gone = newest(m_account->db(), QStringLiteral("费用类别"));
    QCOMPARE(gone.before, changed.after);
    QCOMPARE(gone.after, QString());

    // A sale correction keeps the replaced line's values.
    const qint64 line = sell(m_account->context(), QStringLiteral("0001-1"));
    sell(m_account->context(), QStringLiteral("0002-1"), line);
    const LogRow edit = newest(m_account->db(), QStringLiteral("销售修改"));
    QVERIFY2(edit.before.contains(QStringLiteral("RMoney=30.00")), qPrintable(edit.before));
    QCOMPARE(edit.after, QStringLiteral("金额=30.00"));
}

void tst_AuditLog::passwordsNeverLogged()
{
    const qint64 id =
        Settings::saveStaff(m_account->context(), 0,
                            {QStringLiteral("小李"), QStringLiteral("Secret1"), {}, {}, {}}, {});
    Settings::saveStaff(m_account->context(), id,
                        {QStringLiteral("小李"), QStringLiteral("Secret2"), {}, {}, {}}, {});
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT Before || After FROM TBAuditLog"), {}, m_account->db());
    int rows = 0;
    while (q.next()) {
        ++rows;
        QVERIFY(!q.value(0).toString().contains(QLatin1String("Secret")));
        QVERIFY(!q.value(0).toString().contains(QLatin1String("argon2")));
        QVERIFY(!q.value(0).toString().contains(QLatin1String("PWS")));
    }
    QCOMPARE(rows, 2);
}

void tst_AuditLog::filterByDaysOperatorAndKind()
{
    const qint64 other = m_account->addStaff(QStringLiteral("小刘"), QString());
    auto add = [this](const char *at, qint64 user, const char *kind) {
        Db::exec(QStringLiteral("INSERT INTO TBAuditLog (At, UserId, Kind) VALUES (?, ?, ?)"),
                 {QLatin1String(at), user, QString::fromUtf8(kind)}, m_account->db());
    };
    add("2024-03-01 00:00:00", m_operator, "登陆");
    add("2024-03-01 23:59:59", other, "出租");
    add("2024-03-02 08:00:00", m_operator, "出租");
    add("2024-02-29 23:59:59", m_operator, "出租");

    auto ids = [this](const Audit::Filter &f) {
        QVariantList params;
        QSqlQuery q = Db::exec(Audit::listSql(f, &params), params, m_account->db());
        QStringList at;
        while (q.next())
            at << Db::text(q, "At") + QLatin1Char(' ') + Db::text(q, "Name");
        return at;
    };
    Audit::Filter f{QDate(2024, 3, 1), QDate(2024, 3, 1), 0, QString()};
    QCOMPARE(ids(f), (QStringList{QStringLiteral("2024-03-01 23:59:59 小刘"),
                                  QStringLiteral("2024-03-01 00:00:00 小王")}));
    f.to = QDate(2024, 3, 2);
    f.userId = m_operator;
    f.kind = QStringLiteral("出租");
    QCOMPARE(ids(f), QStringList{QStringLiteral("2024-03-02 08:00:00 小王")});
}

void tst_AuditLog::olderAccountGetsTheNewTables()
{
    for (const char *sql : {"DROP TABLE TBAuditLog", "DROP TABLE TBTill", "DROP TABLE TBCashUp",
                            "DELETE FROM TBPowerStand WHERE PowerId = 11",
                            "DELETE FROM TBKindValue WHERE CateID = 7"})
        Db::exec(QLatin1String(sql), {}, m_account->db());
    QString why;
    QVERIFY2(m_account->reopen(&why), qPrintable(why));
    Audit::record(m_account->context(), Audit::Kind::Login, QStringLiteral("小王"));
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog")), 1);
    QCOMPARE(m_account->count(QStringLiteral("TBCashUp")), 0);
    QCOMPARE(m_account->count(QStringLiteral("TBTill")), 0);
    QCOMPARE(m_account->count(QStringLiteral("TBPowerStand"), QStringLiteral("PowerId = 11")), 1);
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 7")), 1);
    // Opening again adds nothing twice.
    QVERIFY(m_account->reopen(&why));
    QCOMPARE(m_account->count(QStringLiteral("TBPowerStand"), QStringLiteral("PowerId = 11")), 1);
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, Db::exec(QStringLiteral("DELETE FROM TBAuditLog"), {}, m_account->db()));
}

QTEST_GUILESS_MAIN(tst_AuditLog)
#include "tst_auditlog.moc"
