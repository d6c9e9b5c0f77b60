#include "charts/ChartData.h"
#include "charts/ChartScale.h"
#include "charts/LeaseScan.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "rental/LeaseCompletion.h"
#include "reports/RankingReport.h"
#include "support/TestAccount.h"

#include <QSet>
#include <QTest>

using Charts::LeaseGrouping;

namespace {

QStringList labels(const QList<Charts::Slice> &slices)
{
    QStringList l;
    for (const Charts::Slice &s : slices)
        l << s.label;
    return l;
}

QList<qint64> values(const QList<Charts::Slice> &slices)
{
    QList<qint64> v;
    for (const Charts::Slice &s : slices)
        v << s.value;
    return v;
}

} // namespace

class tst_ChartData : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void leaseCountsEveryRentalLineOfThePeriodInclusive();
    void leaseByCategoryAndUnnamedGroups();
    void smallestSlicesAreGatheredUnderOthers_data();
    void smallestSlicesAreGatheredUnderOthers();
    void stockCountsCopiesStillInStock();
    void spendingPerMonthCountsEveryTitleExactly();
    void takingsAreWhatTheReturnsBooked();
    void takingsFollowARealReturnByTheDays();
    void rentalAnalysisAgreesWithTheRentalRanking();
    void moneyAxisHasRoundStableSteps_data();
    void moneyAxisHasRoundStableSteps();
    void sliceShares();
    void longPeriodsGiveTheSameSlicesAsShortOnes();

private:
    qint64 addTitle(const QString &name, const QString &category, int copies = 1, int quality = 0,
                    const QVariant &bought = QVariant(), qint64 cents = 0)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBName (CustomNum, Name, Categray, Copy, Quality, "
                           "DatTime, Mone, Ver) VALUES (?, ?, ?, ?, ?, ?, ?, 'DVD')"),
            {name, name, category, copies, quality, bought, cents}, m_account->db());
    }
    // A rental line of the history, returned the same evening (a copy is out to one customer
    // at a time); a sale line stays open, as sales do.
    void addLine(qint64 copy, const QString &date, int amount = 1, int customer = 15)
    {
        Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                                "DatTime, Deposit, ReDate) VALUES (?, 300, ?, ?, ?, 3000, ?)"),
                 {copy, amount, customer, date,
                  customer == Schema::SaleCustomer ? QVariant()
                                                   : QVariant(date + QStringLiteral(" 20:00:00"))},
                 m_account->db());
    }
    void book(const QString &date, int type, qint64 cents)
    {
        Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                                "Per) VALUES (?, ?, ?, 15, 0)"),
                 {date, type, cents}, m_account->db());
    }

    TestAccount *m_account = nullptr;
};

void tst_ChartData::init()
{
    m_account = new TestAccount;
}

void tst_ChartData::cleanup()
{
    delete m_account;
}

void tst_ChartData::leaseCountsEveryRentalLineOfThePeriodInclusive()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"));
    const qint64 kungfu = addTitle(QStringLiteral("功夫"), QStringLiteral("喜剧"));
    addLine(hero, QStringLiteral("2024-03-01"));
    addLine(hero, QStringLiteral("2024-03-31"));
    addLine(hero, QStringLiteral("2024-04-01"));                            // after the period
    addLine(kungfu, QStringLiteral("2024-02-29"));                          // before it
    addLine(kungfu, QStringLiteral("2024-03-15"), 3, Schema::SaleCustomer); // a sale of three
    addLine(kungfu, QStringLiteral("2024-03-16"));

    // The sale of three does not count: discs rented out only.
    const QList<Charts::Slice> march = Charts::leaseSlices(
        m_account->db(), QDate(2024, 3, 1), QDate(2024, 3, 31), LeaseGrouping::ByTitle);
    QCOMPARE(labels(march), (QStringList{"英雄", "功夫"}));
    QCOMPARE(values(march), (QList<qint64>{2, 1}));

    // One day only, as on first opening.
    QCOMPARE(values(Charts::leaseSlices(m_account->db(), QDate(2024, 4, 1), QDate(2024, 4, 1),
                                        LeaseGrouping::ByTitle)),
             QList<qint64>{1});
    QVERIFY(Charts::leaseSlices(m_account->db(), QDate(2024, 4, 2), QDate(2024, 4, 2),
                                LeaseGrouping::ByTitle)
                .isEmpty());
    // "从" after "到": nothing.
    QVERIFY(Charts::leaseSlices(m_account->db(), QDate(2024, 3, 31), QDate(2024, 3, 1),
                                LeaseGrouping::ByTitle)
                .isEmpty());
}

void tst_ChartData::leaseByCategoryAndUnnamedGroups()
{
    const qint64 a = addTitle(QStringLiteral("A"), QStringLiteral("动作"));
    const qint64 b = addTitle(QStringLiteral("B"), QStringLiteral("动作"));
    const qint64 c = addTitle(QString(), QString());
    const qint64 d = addTitle(QStringLiteral("O'Neil"), QVariant().toString());
    Db::exec(QStringLiteral("UPDATE TBName SET Categray = NULL WHERE ID = ?"), {d},
             m_account->db());
    for (qint64 copy : {a, b, c, d})
        addLine(copy, QStringLiteral("2024-05-05"));
    addLine(a, QStringLiteral("2024-05-06"));

    const QList<Charts::Slice> byCategory = Charts::leaseSlices(
        m_account->db(), QDate(2024, 5, 1), QDate(2024, 5, 31), LeaseGrouping::ByCategory);
    // Empty and missing categories are one group.
    QCOMPARE(labels(byCategory), (QStringList{"动作", "未分类"}));
    QCOMPARE(values(byCategory), (QList<qint64>{3, 2}));

    const QList<Charts::Slice> byTitle = Charts::leaseSlices(
        m_account->db(), QDate(2024, 5, 1), QDate(2024, 5, 31), LeaseGrouping::ByTitle);
    // Equal counts by name in the program's name order, Chinese before Latin letters.
    QCOMPARE(labels(byTitle), (QStringList{"A", "未命名", "B", "O'Neil"}));
}

void tst_ChartData::smallestSlicesAreGatheredUnderOthers_data()
{
    QTest::addColumn<int>("maxSlices");
    QTest::addColumn<QStringList>("expectedLabels");
    QTest::addColumn<QList<qint64>>("expectedValues");
    QTest::newRow("all fit") << 5 << QStringList{"E", "D", "C", "B", "A"}
                             << QList<qint64>{5, 4, 3, 2, 1};
    QTest::newRow("one too many") << 4 << QStringList{"E", "D", "C", "其他"}
                                  << QList<qint64>{5, 4, 3, 3};
    QTest::newRow("only others") << 1 << QStringList{"其他"} << QList<qint64>{15};
}

void tst_ChartData::smallestSlicesAreGatheredUnderOthers()
{
    QFETCH(int, maxSlices);
    QFETCH(QStringList, expectedLabels);
    QFETCH(QList<qint64>, expectedValues);
    const QStringList names{"A", "B", "C", "D", "E"};
    for (int i = 0; i < names.size(); ++i)
        addLine(addTitle(names.at(i), names.at(i)), QStringLiteral("2024-01-01"), i + 1);
    const QList<Charts::Slice> slices = Charts::leaseSlices(
        m_account->db(), QDate(2024, 1, 1), QDate(2024, 1, 1), LeaseGrouping::ByTitle, maxSlices);
    QCOMPARE(labels(slices), expectedLabels);
    QCOMPARE(values(slices), expectedValues);
}

void tst_ChartData::stockCountsCopiesStillInStock()
{
    addTitle(QStringLiteral("A"), QStringLiteral("动作"), 2, 0);
    addTitle(QStringLiteral("B"), QStringLiteral("动作"), 1, 2); // no writer; counts as in stock
    addTitle(QStringLiteral("C"), QStringLiteral("喜剧"), 1, Schema::QualityDeleted);
    addTitle(QStringLiteral("D"), QStringLiteral("喜剧"), 1, Schema::QualityWrittenOff);
    addTitle(QStringLiteral("E"), QStringLiteral("爱情"), 4, Schema::QualitySold);
    addTitle(QStringLiteral("F"), QStringLiteral("科幻"), 1, 1);
    const QList<Charts::Slice> slices = Charts::stockSlices(m_account->db());
    // A category without stock has no slice.
    QCOMPARE(labels(slices), (QStringList{"动作", "科幻"}));
    QCOMPARE(values(slices), (QList<qint64>{3, 1}));

    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5"), {}, m_account->db());
    QVERIFY(Charts::stockSlices(m_account->db()).isEmpty());
}

void tst_ChartData::spendingPerMonthCountsEveryTitleExactly()
{
    // Ten titles at 0.10 in one month add up to exactly 1.00.
    for (int i = 0; i < 10; ++i)
        addTitle(QStringLiteral("T%1").arg(i), QString(), 1, 0,
                 QStringLiteral("2024-02-0%1").arg(i % 9 + 1), 10);
    // Written off and sold titles still count in the month they were bought.
    addTitle(QStringLiteral("W"), QString(), 1, Schema::QualityWrittenOff,
             QStringLiteral("2023-12-31"), 99999999999);
    addTitle(QStringLiteral("S"), QString(), 1, Schema::QualitySold, QStringLiteral("2023-12-01"),
             1);
    addTitle(QStringLiteral("N"), QString(), 1, 0, QVariant(), 500); // no purchase date

    const QList<Charts::MonthSpending> months = Charts::monthlySpending(m_account->db());
    QCOMPARE(months.size(), 2);
    QCOMPARE(months.at(0).month, QStringLiteral("2023-12"));
    QCOMPARE(months.at(0).spent.cents(), qint64(100000000000));
    QCOMPARE(months.at(1).month, QStringLiteral("2024-02"));
    QCOMPARE(months.at(1).spent.toString(), QStringLiteral("1.00"));
}

void tst_ChartData::takingsAreWhatTheReturnsBooked()
{
    const qint64 water =
        Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag) "
                                  "VALUES (3, '水电', 0)"),
                   {}, m_account->db());
    book(QStringLiteral("2024-01-05"), Schema::TypeDeposit, 6000); // taken at a rental
    book(QStringLiteral("2024-01-09"), Schema::TypeRent, 1200);
    book(QStringLiteral("2024-01-09"), Schema::TypeDeposit, -6000); // paid back at the return
    book(QStringLiteral("2024-01-20"), Schema::TypeRent, 1);
    book(QStringLiteral("2024-01-20"), Schema::TypeDeposit, 0);
    book(QStringLiteral("2024-03-02"), Schema::TypeDeposit, 3000); // still out: no return yet
    book(QStringLiteral("2024-03-02"), Schema::TypeMemberPayment, 5000);
    book(QStringLiteral("2024-03-02"), int(water), 7000);
    book(QStringLiteral("2023-11-30"), Schema::TypeRent, 250);

    const QList<Charts::MonthTakings> months = Charts::monthlyTakings(m_account->db());
    QCOMPARE(months.size(), 2);
    QCOMPARE(months.at(0).month, QStringLiteral("2023-11"));
    QCOMPARE(months.at(0).rent.cents(), qint64(250));
    QCOMPARE(months.at(0).deposit.cents(), qint64(0));
    QCOMPARE(months.at(1).month, QStringLiteral("2024-01"));
    QCOMPARE(months.at(1).rent.toString(), QStringLiteral("12.01"));
    QCOMPARE(months.at(1).deposit.toString(), QStringLiteral("60.00"));
}

void tst_ChartData::takingsFollowARealReturnByTheDays()
{
    // Two DVDs at 3.00 a day and 30.00 deposit, out on 2024-05-30, back on 2024-06-02:
    // three days each, 18.00 rent, booked in June. The lines' RMoney (3.00 each) is the rate.
    const qint64 copyA = addTitle(QStringLiteral("A"), QString());
    const qint64 copyB = addTitle(QStringLiteral("B"), QString());
    Lease::Completion out;
    out.mode = Lease::Mode::RentOut;
    out.now = QDateTime(QDate(2024, 5, 30), QTime(10, 0));
    out.operatorId = 1;
    for (qint64 id : {copyA, copyB}) {
        Lease::Item item;
        item.copy.id = id;
        item.copy.customNum = id == copyA ? QStringLiteral("A") : QStringLiteral("B");
        item.copy.rmoney = Money::fromCents(300);
        item.copy.deposit = Money::fromCents(3000);
        out.items << item;
    }
    out.depositTotal = Money::fromCents(6000);
    QVERIFY(Lease::complete(m_account->db(), out).done());
    QVERIFY(Charts::monthlyTakings(m_account->db()).isEmpty()); // nothing returned yet

    Lease::Completion back = out;
    back.mode = Lease::Mode::TakeBack;
    back.now = QDateTime(QDate(2024, 6, 2), QTime(18, 30));
    back.rentTotal = Money::fromCents(1800);
    for (Lease::Item &item : back.items) {
        item.copy.lineId = Db::scalar(QStringLiteral("SELECT ID FROM TBBusinessDetail "
                                                     "WHERE CDNum = ? AND ReDate IS NULL"),
                                      {item.copy.id}, m_account->db())
                               .toLongLong();
    }
    QVERIFY(Lease::complete(m_account->db(), back).done());

    const QList<Charts::MonthTakings> months = Charts::monthlyTakings(m_account->db());
    QCOMPARE(months.size(), 1);
    QCOMPARE(months.at(0).month, QStringLiteral("2024-06"));
    QCOMPARE(months.at(0).rent.toString(), QStringLiteral("18.00"));
    QCOMPARE(months.at(0).deposit.toString(), QStringLiteral("60.00"));
}

void tst_ChartData::rentalAnalysisAgreesWithTheRentalRanking()
{
    const qint64 hero = addTitle(QStringLiteral("英雄"), QStringLiteral("动作"));
    const qint64 kungfu = addTitle(QStringLiteral("功夫"), QStringLiteral("喜剧"));
    for (const char *day : {"2024-06-01", "2024-06-02", "2024-06-03"})
        addLine(hero, QString::fromLatin1(day));
    addLine(kungfu, QStringLiteral("2024-06-02"));
    addLine(kungfu, QStringLiteral("2024-06-02"), 5, Schema::SaleCustomer);
    addLine(hero, QStringLiteral("2024-06-03"), 2, Schema::SaleCustomer);
    const QDate from(2024, 6, 1), to(2024, 6, 30);

    const QList<Charts::Slice> pie =
        Charts::leaseSlices(m_account->db(), from, to, LeaseGrouping::ByTitle);
    const ReportData ranking = RankingReport::rows(
        RankingReport::Mode::Rentals, RankingReport::Kind::Overall, from, to, m_account->db());
    QCOMPARE(ranking.rowCount(), pie.size());
    for (int i = 0; i < pie.size(); ++i) {
        QCOMPARE(ranking.value(i, QStringLiteral("Name")).toString(), pie.at(i).label);
        QCOMPARE(ranking.value(i, QStringLiteral("samount")).toLongLong(), pie.at(i).value);
    }
    QCOMPARE(values(pie), (QList<qint64>{3, 1}));
}

void tst_ChartData::moneyAxisHasRoundStableSteps_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    QTest::newRow("empty account") << 0.0 << 5.0 << 1.0;
    QTest::newRow("one yuan") << 1.0 << 1.2 << 0.2;
    QTest::newRow("a few cents") << 0.03 << 0.04 << 0.01;
    QTest::newRow("rent of a month") << 1234.5 << 1250.0 << 250.0;
    QTest::newRow("exactly on a step") << 2000.0 << 2500.0 << 500.0;
    QTest::newRow("purchases") << 12345.67 << 12500.0 << 2500.0;
}

void tst_ChartData::moneyAxisHasRoundStableSteps()
{
    QFETCH(double, top);
    QFETCH(double, max);
    QFETCH(double, step);
    const ChartScale::Axis axis = ChartScale::moneyAxis(top);
    QCOMPARE(axis.max, max);
    QCOMPARE(axis.step, step);
    QCOMPARE(axis.ticks, qRound(max / step) + 1);
    QVERIFY(axis.max > top);
    // Every mark reads differently with two decimals (an empty chart read "0 0 0 1 1 1").
    QStringList marks;
    for (int i = 0; i < axis.ticks; ++i)
        marks << QString::number(i * axis.step, 'f', 2);
    QCOMPARE(QSet<QString>(marks.begin(), marks.end()).size(), axis.ticks);
    // The same figures, the same axis.
    const ChartScale::Axis again = ChartScale::moneyAxis(top);
    QCOMPARE(again.max, axis.max);
    QCOMPARE(again.ticks, axis.ticks);
}

void tst_ChartData::sliceShares()
{
    QCOMPARE(ChartScale::percent(1, 3), QStringLiteral("33.3%"));
    QCOMPARE(ChartScale::percent(2, 3), QStringLiteral("66.7%"));
    QCOMPARE(ChartScale::percent(1, 8), QStringLiteral("12.5%"));
    QCOMPARE(ChartScale::percent(7, 7), QStringLiteral("100.0%"));
    QCOMPARE(ChartScale::percent(0, 0), QStringLiteral("0.0%"));
}

void tst_ChartData::longPeriodsGiveTheSameSlicesAsShortOnes()
{
    // Lines at both ends of five years; the period's lines all in June 2024.
    const qint64 edge = addTitle(QStringLiteral("边"), QStringLiteral("动作"));
    addLine(edge, QStringLiteral("2020-01-01"));
    addLine(edge, QStringLiteral("2024-12-31"));
    QList<qint64> titles;
    for (int i = 0; i < 8; ++i) {
        const QString name = i == 7 ? QString() : QStringLiteral("片%1").arg(i);
        titles << addTitle(name, i % 3 == 0 ? QString() : QStringLiteral("类%1").arg(i % 3));
    }
    titles << addTitle(QStringLiteral("片1"), QStringLiteral("类1")); // a second copy of 片1
    for (int i = 0; i < titles.size(); ++i) {
        for (int n = 0; n <= i % 4; ++n)
            addLine(titles.at(i), QStringLiteral("2024-06-%1").arg(n + 10), 1 + n % 2);
        addLine(titles.at(i), QStringLiteral("2024-06-20"), 4, Schema::SaleCustomer);
    }
    const QDate juneFrom(2024, 6, 1), juneTo(2024, 6, 30);
    const QDate longFrom(2023, 1, 1), longTo(2024, 11, 30);
    QVERIFY(!LeaseScan::worthScanning(juneFrom, juneTo, m_account->db()));
    // The scan reads a file through the engine's own interface; a server's lines are summed
    // by the statement, and both reads must agree all the same.
    QCOMPARE(LeaseScan::worthScanning(longFrom, longTo, m_account->db()),
             !TestAccount::serverRun());
    for (const LeaseGrouping grouping : {LeaseGrouping::ByTitle, LeaseGrouping::ByCategory}) {
        for (int keep : {20, 4, 1}) {
            const QList<Charts::Slice> shortRead =
                Charts::leaseSlices(m_account->db(), juneFrom, juneTo, grouping, keep);
            const QList<Charts::Slice> longRead =
                Charts::leaseSlices(m_account->db(), longFrom, longTo, grouping, keep);
            QCOMPARE(labels(longRead), labels(shortRead));
            QCOMPARE(values(longRead), values(shortRead));
        }
    }
    QVERIFY(labels(Charts::leaseSlices(m_account->db(), longFrom, longTo, LeaseGrouping::ByTitle))
                .contains(QStringLiteral("未命名")));
}

QTEST_GUILESS_MAIN(tst_ChartData)
#include "tst_chartdata.moc"
