#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/LeaseTexts.h"
#include "rental/RentRule.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "support/TestAccount.h"

#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <future>
#include <thread>

using namespace Lease;

namespace {

const QDateTime kNow(QDate(2024, 5, 20), QTime(15, 30, 0));

Money yuan(qint64 y)
{
    return Money::fromYuan(y);
}

// Opens a rental line directly, as an earlier transaction would have left it.
qint64 openLine(const QSqlDatabase &db, qint64 copy, qint64 customer, const QDate &on,
                qint64 rentCents, qint64 depositCents)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Deposit, Persons) VALUES (?, ?, 1, ?, ?, ?, 2)"),
        {copy, rentCents, customer, SqlDialect::dateText(on), depositCents}, db);
}

qint64 saleLine(const QSqlDatabase &db, qint64 copy)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons) VALUES (?, 2500, 1, -1, '2024-05-01', 1)"),
        {copy}, db);
}

qint64 memberSum(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {id}, db)
        .toLongLong();
}

Item rentItem(const QSqlDatabase &db, const QString &code)
{
    const auto copy = findCopyForRent(db, code);
    if (!copy)
        qFatal("fixture copy %s not available", qPrintable(code));
    return *makeItem(db, *copy, Mode::RentOut, RentRule::isRentPerDisc(db), kNow.date());
}

Item returnItem(const QSqlDatabase &db, const QString &code)
{
    const auto copy = findCopyForReturn(db, code);
    if (!copy)
        qFatal("fixture copy %s not out", qPrintable(code));
    return *makeItem(db, *copy, Mode::TakeBack, RentRule::isRentPerDisc(db), kNow.date());
}

Completion rental(qint64 member, const QList<Item> &items)
{
    Completion c;
    c.mode = Mode::RentOut;
    c.memberId = member;
    c.items = items;
    for (const Item &i : items) {
        c.depositTotal += i.addedDeposit;
        c.rentTotal += i.addedRent;
    }
    c.operatorId = 7;
    c.now = kNow;
    return c;
}

Completion takeBack(qint64 member, const QList<Item> &items)
{
    Completion c = rental(member, items);
    c.mode = Mode::TakeBack;
    return c;
}

struct Snapshot
{
    qint64 lines, openLines, money, sumTotal;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const QSqlDatabase &db, TestAccount &a)
{
    return {a.count(QStringLiteral("TBBusinessDetail")),
            a.count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NULL")),
            a.count(QStringLiteral("TBInOutMoney")),
            Db::scalar(QStringLiteral("SELECT COALESCE(sum(Sum), 0) FROM TBAssociator"), {}, db)
                .toLongLong()};
}

} // namespace

class tst_LeaseCore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void copyForRent_data();
    void copyForRent();
    void copyForReturn_data();
    void copyForReturn();
    void memberLookupWithOpenRentals_data();
    void memberLookupWithOpenRentals();
    void unknownMemberNotFound();
    void chargeOfAnItem_data();
    void chargeOfAnItem();
    void missingRentOptionMeansPerDay();

    void walkInRental();
    void memberRentalWritesLinesAllowanceAndDeposit();
    void allowance_data();
    void allowance();
    void refusedCompletionsWriteNothing_data();
    void refusedCompletionsWriteNothing();
    void failureInTheMiddleRollsBack_data();
    void failureInTheMiddleRollsBack();
    void anotherCounterRentingTheSameCopyWins();

    void returnClosesLinesAndBooksMoney_data();
    void returnClosesLinesAndBooksMoney();
    void returnedCopyCanBeRentedAgain();
    void refundIsTheDepositTaken();
    void overriddenTotalsTravelWithTheLines_data();
    void overriddenTotalsTravelWithTheLines();
    void returnOfSeveralRentersBooksEach();
    void splitTotal_data();
    void splitTotal();
    void codesWhateverTheirCase_data();
    void codesWhateverTheirCase();
    void overdueDiscsAndEndedMembership();

    void summaryTexts_data();
    void summaryTexts();
    void totalsFields_data();
    void totalsFields();

private:
    TestAccount *m_account = nullptr;
    qint64 m_member = 0; // M001, allowance 10
};

void tst_LeaseCore::init()
{
    m_account = new TestAccount;
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    m_account->addFeeClass(QStringLiteral("VCD"), 500, 3000);
    m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0002"), QStringLiteral("功夫"), QStringLiteral("VCD"));
    m_account->addCopy(QStringLiteral("0003"), QStringLiteral("无间道"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0004"), QStringLiteral("龙猫"), QStringLiteral("DVD"));
    m_member = m_account->addMember(QStringLiteral("M001"), QStringLiteral("张伟"), 10);
}

void tst_LeaseCore::cleanup()
{
    delete m_account;
    m_account = nullptr;
}

void tst_LeaseCore::copyForRent_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("found");
    QTest::newRow("in stock") << "free" << true;
    QTest::newRow("rented out") << "rented" << false;
    QTest::newRow("sold (sale line never returned)") << "sold" << false;
    QTest::newRow("returned earlier") << "returned" << true;
    QTest::newRow("deleted from stock is still found") << "quality3" << true;
    QTest::newRow("written off is still found") << "quality4" << true;
    QTest::newRow("fee class missing") << "noclass" << false;
    QTest::newRow("unknown code") << "unknown" << false;
    QTest::newRow("code with a quote") << "quote" << true;
}

void tst_LeaseCore::copyForRent()
{
    QFETCH(QString, state);
    QFETCH(bool, found);
    QString code = QStringLiteral("X1");
    const qint64 id = m_account->addCopy(code, QStringLiteral("测试"), QStringLiteral("DVD"));
    if (state == QLatin1String("rented"))
        openLine(m_account->db(), id, m_member, kNow.date(), 300, 2000);
    else if (state == QLatin1String("sold"))
        saleLine(m_account->db(), id);
    else if (state == QLatin1String("returned"))
        Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-05-02 10:00:00' "
                                "WHERE ID = ?"),
                 {openLine(m_account->db(), id, m_member, QDate(2024, 5, 1), 300, 2000)},
                 m_account->db());
    else if (state == QLatin1String("quality3") || state == QLatin1String("quality4"))
        Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"),
                 {state.right(1).toInt(), id}, m_account->db());
    else if (state == QLatin1String("noclass"))
        Db::exec(QStringLiteral("UPDATE TBName SET Ver = 'LD' WHERE ID = ?"), {id},
                 m_account->db());
    else if (state == QLatin1String("unknown"))
        code = QStringLiteral("X2");
    else if (state == QLatin1String("quote")) {
        code = QStringLiteral("O'B-1");
        Db::exec(QStringLiteral("UPDATE TBName SET CustomNum = ? WHERE ID = ?"), {code, id},
                 m_account->db());
    }

    const auto copy = findCopyForRent(m_account->db(), code);
    QCOMPARE(copy.has_value(), found);
    if (found) {
        QCOMPARE(copy->id, id);
        QCOMPARE(copy->name, QStringLiteral("测试"));
        QCOMPARE(copy->rmoney, yuan(3));
        QCOMPARE(copy->deposit, yuan(20));
    }
}

void tst_LeaseCore::copyForReturn_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("found");
    QTest::newRow("rented out") << "rented" << true;
    QTest::newRow("in stock") << "free" << false;
    QTest::newRow("sold: a sale is not taken back") << "sold" << false;
    QTest::newRow("already returned") << "returned" << false;
    // The money comes from the line: a disc whose class was removed still comes back.
    QTest::newRow("fee class missing") << "noclass" << true;
}

void tst_LeaseCore::copyForReturn()
{
    QFETCH(QString, state);
    QFETCH(bool, found);
    const qint64 id =
        m_account->addCopy(QStringLiteral("X1"), QStringLiteral("测试"), QStringLiteral("DVD"));
    qint64 line = 0;
    if (state != QLatin1String("free") && state != QLatin1String("sold"))
        line = openLine(m_account->db(), id, m_member, QDate(2024, 5, 17), 250, 1500);
    if (state == QLatin1String("sold"))
        saleLine(m_account->db(), id);
    else if (state == QLatin1String("returned"))
        Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-05-18 10:00:00'"), {},
                 m_account->db());
    else if (state == QLatin1String("noclass"))
        Db::exec(QStringLiteral("UPDATE TBName SET Ver = 'LD' WHERE ID = ?"), {id},
                 m_account->db());

    const auto copy = findCopyForReturn(m_account->db(), QStringLiteral("X1"));
    QCOMPARE(copy.has_value(), found);
    if (found) {
        QCOMPARE(copy->lineId, line);
        QCOMPARE(copy->rentedOn, QDate(2024, 5, 17));
        // The item shows what the line recorded, not the class as it is now.
        QCOMPARE(copy->rmoney, Money::fromCents(250));
        QCOMPARE(copy->deposit, yuan(15));
        QCOMPARE(copy->renter, m_member);
    }
}

void tst_LeaseCore::memberLookupWithOpenRentals_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<qint64>("rentCents");
    // Lines: 0001 today (3.00), 0002 three days ago (5.00); deposits of the classes 20 + 30.
    QTest::newRow("per day: today counts 0 days") << "0" << qint64(0 + 5 * 3 * 100);
    QTest::newRow("per disc") << "1" << qint64(300 + 500);
}

void tst_LeaseCore::memberLookupWithOpenRentals()
{
    QFETCH(QString, rule);
    QFETCH(qint64, rentCents);
    m_account->setOption(Schema::OptionRentRule, rule);
    openLine(m_account->db(), 1, m_member, kNow.date(), 300, 2000);
    openLine(m_account->db(), 2, m_member, kNow.date().addDays(-3), 500, 3000);
    openLine(m_account->db(), 3, Schema::WalkInCustomerId, kNow.date(), 300,
             2000); // someone else's
    Db::exec(QStringLiteral("UPDATE TBAssociator SET SDT = '2003-07-01' WHERE ID = ?"), {m_member},
             m_account->db());

    const auto m = lookupMember(m_account->db(), QStringLiteral("M001"), kNow.date());
    QVERIFY(m.has_value());
    QCOMPARE(m->id, m_member);
    QCOMPARE(m->sum, qint64(10));
    QCOMPARE(m->sdt, QDate(2003, 7, 1));
    QCOMPARE(m->openRentals.size(), 2);
    QCOMPARE(m->openRentals[1].customNum, QStringLiteral("0002"));
    QCOMPARE(m->depositHeld, yuan(50));
    QCOMPARE(m->rentSoFar, Money::fromCents(rentCents));
}

void tst_LeaseCore::unknownMemberNotFound()
{
    QVERIFY(!lookupMember(m_account->db(), QStringLiteral("M999"), kNow.date()).has_value());
    QVERIFY(!lookupMember(m_account->db(), QStringLiteral("M00"), kNow.date()).has_value());
    QVERIFY(!lookupMember(m_account->db(), QStringLiteral("' OR '1'='1"), kNow.date()).has_value());
}

void tst_LeaseCore::chargeOfAnItem_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<qint64>("rentCents");
    QTest::newRow("renting, per day: one day's fee") << 0 << "0" << 0 << qint64(300);
    QTest::newRow("renting, per disc") << 0 << "1" << 0 << qint64(300);
    QTest::newRow("return same day, per day: 1 day") << 1 << "0" << 0 << qint64(300);
    QTest::newRow("return after 3 days, per day") << 1 << "0" << 3 << qint64(900);
    QTest::newRow("return after 4 days, per disc") << 1 << "1" << 4 << qint64(300);
}

void tst_LeaseCore::chargeOfAnItem()
{
    QFETCH(int, mode);
    QFETCH(QString, rule);
    QFETCH(int, daysAgo);
    QFETCH(qint64, rentCents);
    m_account->setOption(Schema::OptionRentRule, rule);
    if (mode == 1)
        openLine(m_account->db(), 1, m_member, kNow.date().addDays(-daysAgo), 300, 2000);
    const Item item = mode == 0 ? rentItem(m_account->db(), QStringLiteral("0001"))
                                : returnItem(m_account->db(), QStringLiteral("0001"));
    QCOMPARE(item.addedDeposit, yuan(20));
    QCOMPARE(item.addedRent, Money::fromCents(rentCents));
}

void tst_LeaseCore::missingRentOptionMeansPerDay()
{
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateID = ?"), {Schema::OptionRentRule},
             m_account->db());
    QCOMPARE(RentRule::isRentPerDisc(m_account->db()), false);
    openLine(m_account->db(), 1, m_member, kNow.date().addDays(-2), 300, 2000);
    QCOMPARE(returnItem(m_account->db(), QStringLiteral("0001")).addedRent, yuan(6));
}

void tst_LeaseCore::walkInRental()
{
    const QList<Item> items = {rentItem(m_account->db(), QStringLiteral("0001")),
                               rentItem(m_account->db(), QStringLiteral("0002"))};
    const qint64 sumBefore = snapshot(m_account->db(), *m_account).sumTotal;
    const Result o = completeRental(m_account->db(), rental(0, items));
    QVERIFY(o.done());
    QCOMPARE(o->customerId, qint64(Schema::WalkInCustomerId));
    QCOMPARE(
        m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("Ass_Number = 15")),
        qint64(2));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ClientID FROM TBInOutMoney"), {}, m_account->db())
                 .toLongLong(),
             qint64(Schema::WalkInCustomerId));
    QCOMPARE(snapshot(m_account->db(), *m_account).sumTotal, sumBefore);
}

void tst_LeaseCore::memberRentalWritesLinesAllowanceAndDeposit()
{
    QList<Item> items = {rentItem(m_account->db(), QStringLiteral("0002")),
                         rentItem(m_account->db(), QStringLiteral("0001"))};
    Completion c = rental(m_member, items);
    c.depositTotal = Money::fromCents(4550); // the operator may change the totals: the lines
                                             // carry the split, in proportion 30 : 20
    const Result o = completeRental(m_account->db(), c);
    QVERIFY(o.done());
    QCOMPARE(o->lineIds.size(), 2);

    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT * FROM TBBusinessDetail ORDER BY ID"), {}, m_account->db());
    const QList<QVariantList> expected = {{2, 500, 2730}, {1, 300, 1820}};
    for (const QVariantList &e : expected) {
        QVERIFY(q.next());
        QCOMPARE(Db::integer(q, "CDNum"), e[0].toLongLong());
        QCOMPARE(Db::integer(q, "RMoney"), e[1].toLongLong());
        QCOMPARE(Db::integer(q, "Deposit"), e[2].toLongLong());
        QCOMPARE(Db::integer(q, "Amount"), qint64(1));
        QCOMPARE(Db::integer(q, "Ass_Number"), m_member);
        QCOMPARE(Db::text(q, "DatTime"), QStringLiteral("2024-05-20"));
        QCOMPARE(Db::integer(q, "Persons"), qint64(7));
        QVERIFY(q.value(QStringLiteral("ReDate")).isNull());
        QCOMPARE(o->lineIds.contains(Db::integer(q, "ID")), true);
    }
    QVERIFY(!q.next());

    QSqlQuery m = Db::exec(QStringLiteral("SELECT * FROM TBInOutMoney"), {}, m_account->db());
    QVERIFY(m.next());
    QCOMPARE(Db::text(m, "FeeDate"), QStringLiteral("2024-05-20"));
    QCOMPARE(Db::integer(m, "CateID"), qint64(Schema::TypeDeposit));
    QCOMPARE(Db::integer(m, "Moneys"), qint64(4550));
    QCOMPARE(Db::integer(m, "Per"), qint64(0));
    QCOMPARE(Db::integer(m, "ClientID"), m_member);
    QVERIFY(!m.next());
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(8));
    // Rented copies are no longer available.
    QVERIFY(!findCopyForRent(m_account->db(), QStringLiteral("0001")).has_value());
}

void tst_LeaseCore::allowance_data()
{
    QTest::addColumn<qint64>("memberId"); // 0: a new member above 15
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("discs");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qint64>("sumAfter");
    QTest::newRow("sum 3 renting 3") << qint64(0) << 3 << 3 << true << qint64(0);
    QTest::newRow("sum 3 renting 4: refused") << qint64(0) << 3 << 4 << false << qint64(3);
    QTest::newRow("sum 0 renting 1: refused") << qint64(0) << 0 << 1 << false << qint64(0);
    QTest::newRow("reserved ID 12, sum 0: exempt, counted down")
        << qint64(12) << 0 << 2 << true << qint64(-2);
}

void tst_LeaseCore::allowance()
{
    QFETCH(qint64, memberId);
    QFETCH(int, sum);
    QFETCH(int, discs);
    QFETCH(bool, accepted);
    QFETCH(qint64, sumAfter);
    if (memberId == 0) {
        memberId = m_account->addMember(QStringLiteral("M100"), QStringLiteral("李娜"), sum);
    } else {
        Db::exec(
            QStringLiteral("INSERT INTO TBAssociator (ID, Num, Name, Sum) VALUES (?, ?, ?, ?)"),
            {memberId, QStringLiteral("R12"), QStringLiteral("保留"), sum}, m_account->db());
    }
    QList<Item> items;
    for (int i = 1; i <= discs; ++i)
        items << rentItem(m_account->db(), QStringLiteral("000%1").arg(i));

    const Result o = completeRental(m_account->db(), rental(memberId, items));
    QCOMPARE(o.done(), accepted);
    if (!accepted) {
        QCOMPARE(o.refusal().reason, Db::Refusal::Reason::AllowanceExceeded);
        QCOMPARE(o.refusal().allowanceLeft, qint64(sum));
        QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(0));
        QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), qint64(0));
    }
    QCOMPARE(memberSum(m_account->db(), memberId), sumAfter);
}

void tst_LeaseCore::refusedCompletionsWriteNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<Db::Refusal::Reason>("reason");
    QTest::newRow("empty list") << "empty" << Db::Refusal::Reason::EmptyList;
    QTest::newRow("same copy twice") << "twice" << Db::Refusal::Reason::DuplicateCopy;
    QTest::newRow("rented at another counter after the lookup")
        << "raced" << Db::Refusal::Reason::NotAvailable;
    QTest::newRow("return: returned at another counter after the lookup")
        << "raced-return" << Db::Refusal::Reason::NotAvailable;
}

void tst_LeaseCore::refusedCompletionsWriteNothing()
{
    QFETCH(QString, what);
    QFETCH(Db::Refusal::Reason, reason);
    if (what == QLatin1String("raced-return"))
        openLine(m_account->db(), 4, m_member, kNow.date(), 300, 2000);
    Completion c;
    if (what == QLatin1String("twice")) {
        c = rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001")),
                              rentItem(m_account->db(), QStringLiteral("0002")),
                              rentItem(m_account->db(), QStringLiteral("0001"))});
    } else if (what == QLatin1String("raced")) {
        c = rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001")),
                              rentItem(m_account->db(), QStringLiteral("0002"))});
        openLine(m_account->db(), 2, Schema::WalkInCustomerId, kNow.date(), 500, 3000);
    } else if (what == QLatin1String("raced-return")) {
        c = takeBack(m_member, {returnItem(m_account->db(), QStringLiteral("0004"))});
        Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-05-20 09:00:00'"), {},
                 m_account->db());
    } else {
        c = rental(m_member, {});
    }
    const Snapshot before = snapshot(m_account->db(), *m_account);
    const Result o = complete(m_account->db(), c);
    QVERIFY(!o.done());
    QCOMPARE(o.refusal().reason, reason);
    QVERIFY(snapshot(m_account->db(), *m_account) == before);
    if (reason != Db::Refusal::Reason::EmptyList) {
        QCOMPARE(o.refusal().code, what == QLatin1String("raced-return") ? QStringLiteral("0004")
                                   : what == QLatin1String("raced")      ? QStringLiteral("0002")
                                                                         : QStringLiteral("0001"));
    }
}

void tst_LeaseCore::failureInTheMiddleRollsBack_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("renting: booking the deposit fails") << 0;
    QTest::newRow("taking back: booking the refund fails") << 1;
}

void tst_LeaseCore::failureInTheMiddleRollsBack()
{
    QFETCH(int, mode);
    openLine(m_account->db(), 3, m_member, kNow.date().addDays(-2), 300, 2000);
    openLine(m_account->db(), 4, m_member, kNow.date().addDays(-2), 300, 2000);
    // The lines are written by then; the money booking is refused by the engine.
    m_account->refuseWrites(QStringLiteral("fail_booking"), QStringLiteral("INSERT"),
                            QStringLiteral("TBInOutMoney"), QStringLiteral("NEW.CateID = 8"),
                            QStringLiteral("disk full"));
    const Completion c =
        mode == 0 ? rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001")),
                                      rentItem(m_account->db(), QStringLiteral("0002"))})
                  : takeBack(m_member, {returnItem(m_account->db(), QStringLiteral("0003")),
                                        returnItem(m_account->db(), QStringLiteral("0004"))});
    const Snapshot before = snapshot(m_account->db(), *m_account);
    try {
        complete(m_account->db(), c);
        QFAIL("the engine's refusal was not thrown");
    } catch (const Db::DbError &e) {
        QVERIFY2(e.details().contains(QStringLiteral("disk full")), qPrintable(e.details()));
    }
    QVERIFY(snapshot(m_account->db(), *m_account) == before);
    QCOMPARE(
        m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NOT NULL")),
        qint64(0));
    // The connection is usable afterwards: the same completion succeeds once the fault is gone.
    m_account->allowWrites(QStringLiteral("fail_booking"), QStringLiteral("TBInOutMoney"));
    QVERIFY(complete(m_account->db(), c).done());
}

void tst_LeaseCore::anotherCounterRentingTheSameCopyWins()
{
    // Another counter has written an open line for 0001 and not yet committed it when this
    // counter completes its rental of the same disc. Whichever way the engine lets this one
    // see the other's line (its lock waited for, or the unique index over open rental lines
    // meeting the other's row at the insert), the desk refuses the disc as not available,
    // nothing of this rental is written, and the copy has one open line.
    const auto copy = findCopyForRent(m_account->db(), QStringLiteral("0001"));
    QVERIFY(copy);
    const Completion c = rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001"))});
    std::promise<void> written;
    std::thread other([&] {
        const QString name = QStringLiteral("other-counter");
        {
            QSqlDatabase db = m_account->openAnother(name);
            db.transaction();
            Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                                    "Ass_Number, DatTime, Deposit, Persons) "
                                    "VALUES (?, 300, 1, ?, '2024-05-20', 2000, 1)"),
                     {copy->id, Schema::WalkInCustomerId}, db);
            written.set_value();
            QThread::msleep(300);
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    written.get_future().wait();
    const Result r = completeRental(m_account->db(), c);
    other.join();
    QVERIFY(!r.done());
    QCOMPARE(r.refusal().reason, Db::Refusal::Reason::NotAvailable);
    QCOMPARE(r.refusal().code, QStringLiteral("0001"));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ReDate IS NULL AND CDNum = %1").arg(copy->id)),
             qint64(1));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(10));
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), qint64(0));
}

void tst_LeaseCore::returnClosesLinesAndBooksMoney_data()
{
    QTest::addColumn<bool>("memberNamed");
    QTest::newRow("nobody named: walk-in customer") << false;
    QTest::newRow("member named: booked to that member") << true;
}

void tst_LeaseCore::returnClosesLinesAndBooksMoney()
{
    QFETCH(bool, memberNamed);
    // Rented by someone else: the return is booked to the renter, whoever the operator named.
    const qint64 other = m_account->addMember(QStringLiteral("M002"), QStringLiteral("王芳"), 5);
    const qint64 l1 = openLine(m_account->db(), 1, other, kNow.date().addDays(-3), 300, 2000);
    const qint64 l2 = openLine(m_account->db(), 2, other, kNow.date(), 500, 3000);
    const QList<Item> items = {returnItem(m_account->db(), QStringLiteral("0001")),
                               returnItem(m_account->db(), QStringLiteral("0002"))};
    const Completion c = takeBack(memberNamed ? m_member : 0, items);
    QCOMPARE(c.depositTotal, yuan(50));
    QCOMPARE(c.rentTotal, yuan(9 + 5));
    const Result o = completeReturn(m_account->db(), c);
    QVERIFY(o.done());
    QCOMPARE(o->lineIds, (QList<qint64>{l1, l2}));

    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT ReDate, RMoney FROM TBBusinessDetail ORDER BY ID"), {},
                 m_account->db());
    for (qint64 rent : {300, 500}) {
        QVERIFY(q.next());
        QCOMPARE(Db::text(q, "ReDate"), QStringLiteral("2024-05-20 15:30:00"));
        QCOMPARE(Db::integer(q, "RMoney"), rent); // the line keeps its per-disc rent
    }
    const qint64 booked = other;
    QSqlQuery m = Db::exec(QStringLiteral("SELECT CateID, Moneys, ClientID, Per, FeeDate "
                                          "FROM TBInOutMoney ORDER BY FID"),
                           {}, m_account->db());
    const QList<std::pair<int, qint64>> expected = {{Schema::TypeRent, 1400},
                                                    {Schema::TypeDeposit, -5000}};
    for (const auto &[type, cents] : expected) {
        QVERIFY(m.next());
        QCOMPARE(Db::integer(m, "CateID"), qint64(type));
        QCOMPARE(Db::integer(m, "Moneys"), cents);
        QCOMPARE(Db::integer(m, "ClientID"), booked);
        QCOMPARE(Db::integer(m, "Per"), qint64(0));
        QCOMPARE(Db::text(m, "FeeDate"), QStringLiteral("2024-05-20"));
    }
    QVERIFY(!m.next());
    QCOMPARE(memberSum(m_account->db(), other), qint64(5));
    QCOMPARE(memberSum(m_account->db(), m_member), qint64(10));
}

void tst_LeaseCore::returnedCopyCanBeRentedAgain()
{
    QVERIFY(completeRental(m_account->db(),
                           rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001"))}))
                .done());
    QVERIFY(!findCopyForRent(m_account->db(), QStringLiteral("0001")).has_value());
    QVERIFY(
        completeReturn(m_account->db(),
                       takeBack(m_member, {returnItem(m_account->db(), QStringLiteral("0001"))}))
            .done());
    QVERIFY(findCopyForRent(m_account->db(), QStringLiteral("0001")).has_value());
    QVERIFY(!findCopyForReturn(m_account->db(), QStringLiteral("0001")).has_value());
}

void tst_LeaseCore::refundIsTheDepositTaken()
{
    openLine(m_account->db(), 1, m_member, kNow.date().addDays(-2), 300, 2000);
    Db::exec(QStringLiteral("UPDATE TBVer SET Deposit = 2500, Fee = 400 WHERE Name = 'DVD'"), {},
             m_account->db());
    const Item item = returnItem(m_account->db(), QStringLiteral("0001"));
    QCOMPARE(item.addedDeposit, yuan(20)); // what was taken, not the class's deposit of today
    QCOMPARE(item.addedRent, yuan(6));     // the rate in force when the disc went out, 2 days
    QCOMPARE(item.days, qint64(2));
    QVERIFY(completeReturn(m_account->db(), takeBack(0, {item})).done());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE CateID = ?"),
                        {Schema::TypeDeposit}, m_account->db())
                 .toLongLong(),
             qint64(-2000));
}

void tst_LeaseCore::overriddenTotalsTravelWithTheLines_data()
{
    QTest::addColumn<qint64>("depositCents"); // the deposit total the operator left
    QTest::addColumn<qint64>("rentCents");
    QTest::addColumn<QList<qint64>>("lineDeposits");
    QTest::addColumn<QList<qint64>>("lineRates");
    // Classes: DVD 3.00 / 20.00, VCD 5.00 / 30.00.
    QTest::newRow("as computed") << qint64(5000) << qint64(800) << QList<qint64>{2000, 3000}
                                 << QList<qint64>{300, 500};
    QTest::newRow("deposit raised to 110.00")
        << qint64(11000) << qint64(800) << QList<qint64>{4400, 6600} << QList<qint64>{300, 500};
    QTest::newRow("odd cent goes to the first line")
        << qint64(5001) << qint64(801) << QList<qint64>{2001, 3000} << QList<qint64>{301, 500};
    QTest::newRow("nothing taken")
        << qint64(0) << qint64(0) << QList<qint64>{0, 0} << QList<qint64>{0, 0};
}

void tst_LeaseCore::overriddenTotalsTravelWithTheLines()
{
    QFETCH(qint64, depositCents);
    QFETCH(qint64, rentCents);
    QFETCH(QList<qint64>, lineDeposits);
    QFETCH(QList<qint64>, lineRates);
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("1"));
    Completion c = rental(m_member, {rentItem(m_account->db(), QStringLiteral("0001")),
                                     rentItem(m_account->db(), QStringLiteral("0002"))});
    c.depositTotal = Money::fromCents(depositCents);
    c.rentTotal = Money::fromCents(rentCents);
    const Result o = completeRental(m_account->db(), c);
    QVERIFY(o.done());
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT Deposit, RMoney FROM TBBusinessDetail ORDER BY ID"), {},
                 m_account->db());
    for (int k = 0; k < 2; ++k) {
        QVERIFY(q.next());
        QCOMPARE(Db::integer(q, "Deposit"), lineDeposits.at(k));
        QCOMPARE(Db::integer(q, "RMoney"), lineRates.at(k));
        QCOMPARE(o->lines.at(k).deposit, Money::fromCents(lineDeposits.at(k)));
    }
    // Money in equals money out: the refund of both discs is the deposit booked.
    const Completion back = takeBack(0, {returnItem(m_account->db(), QStringLiteral("0001")),
                                         returnItem(m_account->db(), QStringLiteral("0002"))});
    QCOMPARE(back.depositTotal, Money::fromCents(depositCents));
    QCOMPARE(back.rentTotal, Money::fromCents(rentCents));
    QVERIFY(completeReturn(m_account->db(), back).done());
    QCOMPARE(Db::scalar(QStringLiteral(
                            "SELECT COALESCE(sum(Moneys), 0) FROM TBInOutMoney WHERE CateID = ?"),
                        {Schema::TypeDeposit}, m_account->db())
                 .toLongLong(),
             qint64(0));
}

void tst_LeaseCore::returnOfSeveralRentersBooksEach()
{
    const qint64 other = m_account->addMember(QStringLiteral("M002"), QStringLiteral("王芳"), 5);
    openLine(m_account->db(), 1, m_member, kNow.date().addDays(-2), 300, 2000);
    openLine(m_account->db(), 2, other, kNow.date().addDays(-1), 500, 3000);
    openLine(m_account->db(), 3, Schema::WalkInCustomerId, kNow.date(), 300, 1000);
    Completion c = takeBack(m_member, {returnItem(m_account->db(), QStringLiteral("0001")),
                                       returnItem(m_account->db(), QStringLiteral("0002")),
                                       returnItem(m_account->db(), QStringLiteral("0003"))});
    const Result o = completeReturn(m_account->db(), c);
    QVERIFY(o.done());
    QCOMPARE(o->lines.size(), 3);
    QCOMPARE(o->lines[1].customer, other);
    QCOMPARE(o->lines[1].days, qint64(1));
    QSqlQuery m =
        Db::exec(QStringLiteral("SELECT ClientID, CateID, Moneys FROM TBInOutMoney ORDER BY FID"),
                 {}, m_account->db());
    const QList<std::tuple<qint64, int, qint64>> expected = {
        {m_member, Schema::TypeRent, 600},
        {m_member, Schema::TypeDeposit, -2000},
        {other, Schema::TypeRent, 500},
        {other, Schema::TypeDeposit, -3000},
        {Schema::WalkInCustomerId, Schema::TypeRent, 300},
        {Schema::WalkInCustomerId, Schema::TypeDeposit, -1000}};
    for (const auto &[client, type, cents] : expected) {
        QVERIFY(m.next());
        QCOMPARE(Db::integer(m, "ClientID"), client);
        QCOMPARE(Db::integer(m, "CateID"), qint64(type));
        QCOMPARE(Db::integer(m, "Moneys"), cents);
    }
    QVERIFY(!m.next());
}

void tst_LeaseCore::splitTotal_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<qint64>>("weights");
    QTest::addColumn<QList<qint64>>("parts");
    QTest::newRow("in proportion")
        << qint64(11000) << QList<qint64>{2000, 3000} << QList<qint64>{4400, 6600};
    QTest::newRow("thirds, cents to the first")
        << qint64(1000) << QList<qint64>{1, 1, 1} << QList<qint64>{334, 333, 333};
    QTest::newRow("all weights zero: equal parts")
        << qint64(1001) << QList<qint64>{0, 0} << QList<qint64>{501, 500};
    QTest::newRow("one weight zero gets nothing")
        << qint64(900) << QList<qint64>{0, 300} << QList<qint64>{0, 900};
    QTest::newRow("large amounts do not overflow")
        << qint64(99999999900) << QList<qint64>{99999999900, 99999999900}
        << QList<qint64>{49999999950, 49999999950};
    QTest::newRow("no lines") << qint64(500) << QList<qint64>{} << QList<qint64>{};
}

void tst_LeaseCore::splitTotal()
{
    QFETCH(qint64, total);
    QFETCH(QList<qint64>, weights);
    QFETCH(QList<qint64>, parts);
    QList<Money> w;
    for (qint64 c : weights)
        w << Money::fromCents(c);
    const QList<Money> got = Lease::splitTotal(Money::fromCents(total), w);
    QList<qint64> cents;
    for (Money m : got)
        cents << m.cents();
    QCOMPARE(cents, parts);
}

void tst_LeaseCore::codesWhateverTheirCase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("as stored") << "DVD-X1";
    QTest::newRow("lower case") << "dvd-x1";
    QTest::newRow("mixed") << "Dvd-X1";
}

void tst_LeaseCore::codesWhateverTheirCase()
{
    QFETCH(QString, typed);
    const qint64 id = m_account->addCopy(QStringLiteral("DVD-X1"), QStringLiteral("大话西游"),
                                         QStringLiteral("DVD"));
    m_account->addMember(QStringLiteral("A001"), QStringLiteral("李雷"), 3);
    QCOMPARE(findCopyForRent(m_account->db(), typed)->id, id);
    const auto member = lookupMember(m_account->db(),
                                     typed == QLatin1String("DVD-X1") ? QStringLiteral("A001")
                                                                      : QStringLiteral("a001"),
                                     kNow.date());
    QVERIFY(member.has_value());
    QCOMPARE(member->num, QStringLiteral("A001"));
    openLine(m_account->db(), id, m_member, kNow.date(), 300, 2000);
    QCOMPARE(findCopyForReturn(m_account->db(), typed)->id, id);
    QVERIFY(!findCopyForRent(m_account->db(), typed).has_value());
}

void tst_LeaseCore::overdueDiscsAndEndedMembership()
{
    m_account->setOption(Schema::OptionOverdueDays, QStringLiteral("3"));
    openLine(m_account->db(), 1, m_member, kNow.date().addDays(-5), 300,
             2000); // due 3 days after: 2 days late
    openLine(m_account->db(), 2, m_member, kNow.date().addDays(-3), 500,
             3000); // due today: not late
    Db::exec(QStringLiteral("UPDATE TBAssociator SET SDT = ? WHERE ID = ?"),
             {SqlDialect::dateText(kNow.date().addDays(-1)), m_member}, m_account->db());
    auto m = lookupMember(m_account->db(), QStringLiteral("M001"), kNow.date());
    QVERIFY(m.has_value());
    QCOMPARE(m->openRentals[0].due, kNow.date().addDays(-2));
    QCOMPARE(m->overdue().size(), 1);
    QCOMPARE(m->overdue().first().name, QStringLiteral("英雄"));
    QCOMPARE(m->overdue().first().daysLate, qint64(2));
    QVERIFY(m->expired);
    // No end date (the members page's 2000-01-01) and an end date of today have not ended.
    for (const QDate &end : {noEndDate(), kNow.date()}) {
        Db::exec(QStringLiteral("UPDATE TBAssociator SET SDT = ? WHERE ID = ?"),
                 {SqlDialect::dateText(end), m_member}, m_account->db());
        QVERIFY(!lookupMember(m_account->db(), QStringLiteral("M001"), kNow.date())->expired);
    }
}

void tst_LeaseCore::summaryTexts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("deposit");
    QTest::addColumn<qint64>("rent");
    QTest::addColumn<QString>("expected");
    const QString cr = QString(QChar(13));
    QTest::newRow("rental: the deposit is paid now")
        << 0 << qint64(5000) << qint64(800)
        << QStringLiteral("共出租影片：3部，") + cr + QStringLiteral("押　　　金：50.00元，") + cr +
               QStringLiteral("租　　　金：8.00元，") + cr + QStringLiteral("本次实收：50.00元");
    QTest::newRow("return, given back")
        << 1 << qint64(2000) << qint64(300)
        << QStringLiteral("共归还影片：3部，") + cr + QStringLiteral("应退　押金：20.00元，") + cr +
               QStringLiteral("租　　　金：3.00元，") + cr + QStringLiteral("应退客户：17.00元");
    QTest::newRow("return, half") << 1 << qint64(2000) << qint64(750)
                                  << QStringLiteral("共归还影片：3部，") + cr +
                                         QStringLiteral("应退　押金：20.00元，") + cr +
                                         QStringLiteral("租　　　金：7.50元，") + cr +
                                         QStringLiteral("应退客户：12.50元");
    QTest::newRow("return, customer owes")
        << 1 << qint64(2000) << qint64(2600)
        << QStringLiteral("共归还影片：3部，") + cr + QStringLiteral("应退　押金：20.00元，") + cr +
               QStringLiteral("租　　　金：26.00元，") + cr + QStringLiteral("应收客户：6.00元");
}

void tst_LeaseCore::summaryTexts()
{
    QFETCH(int, mode);
    QFETCH(qint64, deposit);
    QFETCH(qint64, rent);
    QFETCH(QString, expected);
    const Money d = Money::fromCents(deposit);
    const Money r = Money::fromCents(rent);
    QCOMPARE(mode == 0 ? rentalSummary(3, d, r) : returnSummary(3, d, r), expected);
}

void tst_LeaseCore::totalsFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<qint64>("deltaCents");
    QTest::addColumn<QString>("adjusted"); // empty: refused
    QTest::addColumn<bool>("completes");
    QTest::newRow("start") << "0.00" << qint64(2000) << "20.00" << true;
    QTest::newRow("typed by the operator carries") << "45" << qint64(300) << "48.00" << true;
    QTest::newRow("removing below what was typed") << "10" << qint64(-2000) << "-10.00" << true;
    QTest::newRow("emptied") << "" << qint64(2000) << "" << false;
    QTest::newRow("garbled") << "5a" << qint64(2000) << "" << false;
    QTest::newRow("two points") << "1.2.3" << qint64(100) << "" << false;
}

void tst_LeaseCore::totalsFields()
{
    QFETCH(QString, field);
    QFETCH(qint64, deltaCents);
    QFETCH(QString, adjusted);
    QFETCH(bool, completes);
    const auto a = adjustedTotal(field, Money::fromCents(deltaCents));
    QCOMPARE(a.has_value(), !adjusted.isEmpty());
    if (a) {
        QCOMPARE(*a, adjusted);
        // A total our subtraction made negative cannot be booked.
        QCOMPARE(completedTotal(*a).has_value(), !a->startsWith(QLatin1Char('-')));
    }
    QCOMPARE(completedTotal(field).has_value(), completes);
}

QTEST_GUILESS_MAIN(tst_LeaseCore)
#include "tst_leasecore.moc"
