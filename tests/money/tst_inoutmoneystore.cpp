#include "money/InOutMoneyStore.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QTest>

using InOutMoney::Record;

class tst_InOutMoneyStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void entryListsOfferUserTypesAndEveryoneByName();
    void addStoresExactCentsAndReadsBack();
    void updateAndRemoveTouchOnlyTheirRecord();
    void builtInRecordsAndTypesAreRefused_data();
    void builtInRecordsAndTypesAreRefused();
    void recordThatIsGoneIsReported();
    void listJoinsTypesAndFilters();
    void typedTextIsStoredAsTyped();
    void totalsKeepIncomesAndExpensesApart();

private:
    qint64 addType(const QString &name, int flag = 0)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag) VALUES (3, ?, ?)"),
            {name, flag}, m_account->db());
    }
    qint64 addRecord(qint64 type, qint64 cents, const QString &date = QStringLiteral("2024-05-01"))
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                           "Per, Memo) VALUES (?, ?, ?, 15, 0, 'x')"),
            {date, type, cents}, m_account->db(), QStringLiteral("FID"));
    }
    QList<qint64> listed(qint64 typeId)
    {
        QVariantList params;
        QSqlQuery q = Db::exec(InOutMoney::listSql(typeId, &params), params, m_account->db());
        QList<qint64> fids;
        while (q.next())
            fids << Db::integer(q, "FID");
        return fids;
    }
    static Record record(qint64 type, const char *amount)
    {
        Record r;
        r.date = QDate(2024, 6, 30);
        r.typeId = type;
        r.amount = *Money::parse(QString::fromLatin1(amount));
        r.clientId = Schema::WalkInCustomerId;
        r.staffId = 1;
        r.memo = QStringLiteral("水电费");
        return r;
    }

    TestAccount *m_account = nullptr;
    qint64 m_water = 0;
    qint64 m_rentOut = 0;
};

void tst_InOutMoneyStore::init()
{
    m_account = new TestAccount;
    m_water = addType(QStringLiteral("水电"));
    m_rentOut = addType(QStringLiteral("Rent of the shop"));
}

void tst_InOutMoneyStore::cleanup()
{
    delete m_account;
}

void tst_InOutMoneyStore::entryListsOfferUserTypesAndEveryoneByName()
{
    addType(QStringLiteral("Locked"), 2);
    // A built-in row that lost its Flag is still not offered.
    Db::exec(QStringLiteral("UPDATE TBKindValue SET Flag = 0 WHERE ID = ?"), {Schema::TypeDeposit},
             m_account->db());
    QStringList names;
    for (const InOutMoney::Choice &c : InOutMoney::userTypes(m_account->db()))
        names << c.text;
    // Chinese order: Han names by pinyin, before Latin ones.
    QCOMPARE(names, (QStringList{"水电", "Rent of the shop"}));
    QCOMPARE(InOutMoney::userTypes(m_account->db()).constFirst().id, m_water);

    QCOMPARE(InOutMoney::allTypes(m_account->db()).size(),
             6); // rent, deposit, payment and the three above

    const qint64 zhang = m_account->addMember(QStringLiteral("001"), QStringLiteral("张三"), 5);
    const qint64 an = m_account->addMember(QStringLiteral("002"), QStringLiteral("安娜"), 5);
    const QList<InOutMoney::Choice> members = InOutMoney::members(m_account->db());
    QCOMPARE(members.size(), 3);
    // Pinyin order: 安 (an), 零 (ling, the walk-in customer), 张 (zhang).
    QCOMPARE(members.at(0).id, an);
    QCOMPARE(members.at(1).id, qint64(Schema::WalkInCustomerId));
    QCOMPARE(members.at(2).id, zhang);

    // Deleted staff (PerFlag 2) are not offered for a new record, only for the record that
    // names them; 阿 (a) comes before 管理员 (guan).
    const qint64 gone = m_account->addStaff(QStringLiteral("阿伟"), QString());
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = 2 WHERE ID = ?"), {gone},
             m_account->db());
    QCOMPARE(InOutMoney::staff(m_account->db()).size(), 1);
    QCOMPARE(InOutMoney::staff(m_account->db()).first().id, 1);
    QCOMPARE(InOutMoney::staff(m_account->db(), gone).size(), 2);
    QCOMPARE(InOutMoney::staff(m_account->db(), gone).first().id, gone);
}

void tst_InOutMoneyStore::addStoresExactCentsAndReadsBack()
{
    const qint64 a = InOutMoney::add(m_account->context(), record(m_water, "12.345"));
    const qint64 b = InOutMoney::add(m_account->context(), record(m_water, "999999999.99"));
    QVERIFY(a != b);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {a},
                        m_account->db())
                 .toLongLong(),
             qint64(1235));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT SUM(Moneys) FROM TBInOutMoney"), {}, m_account->db())
                 .toLongLong(),
             qint64(99999999999) + 1235);

    const std::optional<Record> r = InOutMoney::load(m_account->db(), a);
    QVERIFY(r);
    QCOMPARE(r->fid, a);
    QCOMPARE(r->date, QDate(2024, 6, 30));
    QCOMPARE(r->typeId, m_water);
    QCOMPARE(r->amount.toShortString(), QStringLiteral("12.35"));
    QCOMPARE(r->clientId, qint64(Schema::WalkInCustomerId));
    QCOMPARE(r->staffId, qint64(1));
    QCOMPARE(r->memo, QStringLiteral("水电费"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT FeeDate FROM TBInOutMoney WHERE FID = ?"), {a},
                        m_account->db())
                 .toString(),
             QStringLiteral("2024-06-30"));
    QVERIFY(!InOutMoney::load(m_account->db(), b + 100));
}

void tst_InOutMoneyStore::updateAndRemoveTouchOnlyTheirRecord()
{
    const qint64 a = addRecord(m_water, 1000);
    const qint64 b = addRecord(m_water, 2000);
    const qint64 c = addRecord(m_rentOut, 3000);

    Record r = record(m_rentOut, "45.6");
    r.fid = b;
    InOutMoney::update(m_account->context(), r);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 3);
    QCOMPARE(InOutMoney::load(m_account->db(), b)->amount.cents(), qint64(4560));
    QCOMPARE(InOutMoney::load(m_account->db(), b)->typeId, m_rentOut);
    QCOMPARE(InOutMoney::load(m_account->db(), a)->amount.cents(), qint64(1000));
    QCOMPARE(InOutMoney::load(m_account->db(), a)->memo, QStringLiteral("x"));
    QCOMPARE(InOutMoney::load(m_account->db(), c)->amount.cents(), qint64(3000));

    InOutMoney::remove(m_account->context(), b);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);
    QVERIFY(InOutMoney::load(m_account->db(), a));
    QVERIFY(InOutMoney::load(m_account->db(), c));
    // The type row stays.
    QCOMPARE(
        m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("ID = %1").arg(m_rentOut)),
        1);
}

void tst_InOutMoneyStore::builtInRecordsAndTypesAreRefused_data()
{
    QTest::addColumn<int>("storedType");
    QTest::addColumn<int>("newType");
    QTest::newRow("deposit record") << Schema::TypeDeposit << 0;
    QTest::newRow("rent record") << Schema::TypeRent << 0;
    QTest::newRow("member payment record") << Schema::TypeMemberPayment << 0;
    QTest::newRow("user record to deposit type") << 0 << Schema::TypeDeposit;
    QTest::newRow("user record to a flagged type") << 0 << -1;
}

void tst_InOutMoneyStore::builtInRecordsAndTypesAreRefused()
{
    QFETCH(int, storedType);
    QFETCH(int, newType);
    const qint64 flagged = addType(QStringLiteral("内置"), 1);
    const qint64 stored = storedType ? storedType : m_water;
    const qint64 target = newType == 0 ? m_water : newType < 0 ? flagged : newType;
    const qint64 fid = addRecord(stored, 5000);

    Record r = record(target, "1");
    r.fid = fid;
    QVERIFY_THROWS_EXCEPTION(Db::DbError, InOutMoney::update(m_account->context(), r));
    QCOMPARE(InOutMoney::load(m_account->db(), fid)->amount.cents(), qint64(5000));
    QCOMPARE(InOutMoney::load(m_account->db(), fid)->typeId, stored);
    if (newType != 0) {
        // Nor can a new record be booked under such a type.
        QVERIFY_THROWS_EXCEPTION(Db::DbError, InOutMoney::add(m_account->context(), r));
        QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 1);
    } else {
        QVERIFY_THROWS_EXCEPTION(Db::DbError, InOutMoney::remove(m_account->context(), fid));
        QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 1);
    }
}

void tst_InOutMoneyStore::recordThatIsGoneIsReported()
{
    const qint64 fid = addRecord(m_water, 100);
    const qint64 other = addRecord(m_water, 200);
    Db::exec(QStringLiteral("DELETE FROM TBInOutMoney WHERE FID = ?"), {fid}, m_account->db());
    Record r = record(m_water, "3");
    r.fid = fid;
    QVERIFY_THROWS_EXCEPTION(Db::DbError, InOutMoney::update(m_account->context(), r));
    QVERIFY_THROWS_EXCEPTION(Db::DbError, InOutMoney::remove(m_account->context(), fid));
    // Booking under a type deleted meanwhile is refused, not stored unlisted.
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE ID = ?"), {m_rentOut}, m_account->db());
    QVERIFY_THROWS_EXCEPTION(Db::DbError,
                             InOutMoney::add(m_account->context(), record(m_rentOut, "3")));
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 1);
    QCOMPARE(InOutMoney::load(m_account->db(), other)->amount.cents(), qint64(200));
}

void tst_InOutMoneyStore::listJoinsTypesAndFilters()
{
    const qint64 late = addRecord(m_water, 100, QStringLiteral("2024-07-01"));
    const qint64 early = addRecord(m_rentOut, 200, QStringLiteral("2023-01-31"));
    const qint64 deposit = addRecord(Schema::TypeDeposit, -300, QStringLiteral("2024-07-01"));
    const qint64 orphan = addRecord(addType(QStringLiteral("旧类型")), 400);
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateValue = '旧类型'"), {},
             m_account->db());
    Q_UNUSED(orphan);

    QCOMPARE(listed(0), (QList<qint64>{early, late, deposit}));
    QCOMPARE(listed(m_water), QList<qint64>{late});
    QCOMPARE(listed(Schema::TypeDeposit), QList<qint64>{deposit});
    QCOMPARE(listed(Schema::TypeRent), QList<qint64>{});

    QVariantList params;
    QSqlQuery q = Db::exec(InOutMoney::listSql(m_water, &params), params, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(Db::text(q, "CateValue"), QStringLiteral("水电"));
    QCOMPARE(Db::integer(q, "Flag"), qint64(0));
    QCOMPARE(Db::integer(q, "Moneys"), qint64(100));
    QCOMPARE(Db::text(q, "FeeDate"), QStringLiteral("2024-07-01"));
}

void tst_InOutMoneyStore::typedTextIsStoredAsTyped()
{
    Record r = record(m_water, "1");
    r.memo = QStringLiteral("O'Brien's \"fee\"; DROP TABLE TBInOutMoney; --");
    const qint64 fid = InOutMoney::add(m_account->context(), r);
    QCOMPARE(InOutMoney::load(m_account->db(), fid)->memo, r.memo);
    r.fid = fid;
    r.memo = QStringLiteral("'");
    InOutMoney::update(m_account->context(), r);
    QCOMPARE(InOutMoney::load(m_account->db(), fid)->memo, QStringLiteral("'"));
}

void tst_InOutMoneyStore::totalsKeepIncomesAndExpensesApart()
{
    using InOutMoney::ListFilter;
    const qint64 bills = addType(QStringLiteral("电费"));
    addRecord(bills, -12345, QStringLiteral("2024-05-01"));
    addRecord(bills, -55, QStringLiteral("2024-05-31"));
    addRecord(Schema::TypeRent, 30001, QStringLiteral("2024-05-15"));
    addRecord(Schema::TypeDeposit, -2000, QStringLiteral("2024-06-01"));
    ListFilter all;
    InOutMoney::Totals t = InOutMoney::totals(m_account->db(), all);
    QCOMPARE(t.income, Money::fromCents(30001));
    QCOMPARE(t.expense, Money::fromCents(14400));
    QCOMPARE(t.difference(), Money::fromCents(15601));

    ListFilter may;
    may.from = QDate(2024, 5, 1);
    may.to = QDate(2024, 5, 31);
    t = InOutMoney::totals(m_account->db(), may);
    QCOMPARE(t.expense, Money::fromCents(12400));
    may.direction = ListFilter::Direction::Expense;
    may.typeId = bills;
    QVariantList params;
    QSqlQuery q = Db::exec(InOutMoney::listSql(may, &params), params, m_account->db());
    int rows = 0;
    while (q.next())
        ++rows;
    QCOMPARE(rows, 2);
    QCOMPARE(InOutMoney::totals(m_account->db(), may).income, Money());

    // Nothing in the range: zero, not an error.
    ListFilter empty;
    empty.from = QDate(2030, 1, 1);
    QCOMPARE(InOutMoney::totals(m_account->db(), empty).difference(), Money());
    QCOMPARE(InOutMoney::usuallyExpense(m_account->db(), bills).value_or(false), true);
    QCOMPARE(InOutMoney::usuallyExpense(m_account->db(), Schema::TypeRent).value_or(true), false);
    QVERIFY(
        !InOutMoney::usuallyExpense(m_account->db(), addType(QStringLiteral("新"))).has_value());
}

QTEST_GUILESS_MAIN(tst_InOutMoneyStore)
#include "tst_inoutmoneystore.moc"
