// The reports' queries and layouts without a window: which lines each report reads, its groups,
// sums and counts as printed, and a report read back from a PDF file.
#include "ReportFixtures.h"

#include "reports/MemberReport.h"
#include "reports/OverdueReport.h"
#include "reports/RankingReport.h"
#include "reports/RentalReport.h"

#include "toolkit/ReportGenerator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ReportFixtures;

namespace {

const QDate kFrom(2026, 3, 1);
const QDate kTo(2026, 3, 31);

ReportHeading headingFor(const QString &title, const QDate &from = kFrom, const QDate &to = kTo)
{
    ReportHeading h;
    h.title = title;
    h.from = from;
    h.to = to;
    h.tabulationCaption = QStringLiteral("制表日期");
    return h;
}

QStringList column(const ReportData &rows, const QString &name)
{
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values << rows.value(r, name).toString();
    return values;
}

QStringList startingWith(const QStringList &texts, const QString &prefix)
{
    QStringList found;
    for (const QString &t : texts) {
        if (t.startsWith(prefix))
            found << t;
    }
    return found;
}

} // namespace

class tst_ReportsCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void headingOnEveryPage();
    void rentalRowsCoverTheRange();
    void rentalGroupsByDayAndCustomerWithSums();
    void rentalHeadingsRepeatOnTheNextPage();
    void overdueDays_data();
    void overdueDays();
    void overdueListsDiscsOutLongerThanTheLimit();
    void memberReportGroupsAndCounts();
    void rankingCountsRentalsAndSalesApart();
    void rankingKeepsTiesWithTheLastPlace();
    void rankingByCategoryRanksWithinEachCategory();
    void rankingPlacesShareTies();
    void rentalReportReadBackFromPdf();
    void namesInPinyinOrder();

private:
    TestAccount *m_account = nullptr;
    qint64 m_alice = 0;
    qint64 m_bob = 0;
};

void tst_ReportsCore::init()
{
    m_account = new TestAccount;
    m_alice = m_account->addMember(QStringLiteral("001"), QStringLiteral("会员A"), 5);
    m_bob = m_account->addMember(QStringLiteral("002"), QStringLiteral("会员B"), 3);
}

void tst_ReportsCore::cleanup()
{
    delete m_account;
    m_account = nullptr;
}

void tst_ReportsCore::headingOnEveryPage()
{
    const qint64 copy = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("片"));
    for (int i = 0; i < 150; ++i)
        rent(m_account->db(), copy, m_alice, kFrom.addDays(i % 28));
    const ReportDocument doc =
        ReportGenerator::generate(RentalReport::definition(headingFor(RentalReport::Title)),
                                  RentalReport::rows(kFrom, kTo, m_account->db()));
    QVERIFY(doc.pageCount() > 1);
    const QString today = SqlDialect::dateText(QDate::currentDate());
    for (int p = 0; p < doc.pageCount(); ++p) {
        const QStringList texts = doc.pageTexts(p);
        QVERIFY(texts.contains(RentalReport::Title));
        QVERIFY(texts.contains(QStringLiteral("第 %1 页").arg(p + 1)));
        QVERIFY(texts.contains(QStringLiteral("从2026-03-01到2026-03-31")));
        QVERIFY(texts.contains(QStringLiteral("制表日期 ") + today));
        QVERIFY(texts.contains(QStringLiteral("影片类型")));
    }
    // A report without the range leaves it out.
    ReportHeading noRange = headingFor(OverdueReport::Title);
    noRange.showRange = false;
    const ReportDocument overdue =
        ReportGenerator::generate(OverdueReport::definition(noRange), ReportData());
    QVERIFY(!overdue.pageTexts(0).join(QLatin1Char('|')).contains(QStringLiteral("从2026")));
}

void tst_ReportsCore::rentalRowsCoverTheRange()
{
    const qint64 a = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("甲片"));
    const qint64 b = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("乙片"));
    // More copies of 乙片: a copy is out to one customer at a time.
    const qint64 b2 = addCopy(*m_account, QStringLiteral("0002-2"), QStringLiteral("乙片"));
    const qint64 b3 = addCopy(*m_account, QStringLiteral("0002-3"), QStringLiteral("乙片"));
    const qint64 b4 = addCopy(*m_account, QStringLiteral("0002-4"), QStringLiteral("乙片"));
    rent(m_account->db(), a, m_alice, kFrom.addDays(-1));     // the day before: out
    rent(m_account->db(), a, m_alice, kFrom);                 // first day: in
    const qint64 back = rent(m_account->db(), b, m_bob, kTo); // last day, returned: in
    giveBack(m_account->db(), back, QDateTime(kTo.addDays(3), QTime(10, 0)));
    rent(m_account->db(), b, WalkIn, kFrom.addDays(5)); // walk-in: in, under its name
    rent(m_account->db(), a, m_bob, kTo.addDays(1));    // the day after: out
    sell(m_account->db(), b, kFrom.addDays(2), 1);      // a sale: never
    rent(m_account->db(), a, 999, kFrom.addDays(2));    // a customer deleted since: never

    const ReportData rows = RentalReport::rows(kFrom, kTo, m_account->db());
    QCOMPARE(column(rows, QStringLiteral("DatTime")),
             QStringList({QStringLiteral("2026-03-01"), QStringLiteral("2026-03-06"),
                          QStringLiteral("2026-03-31")}));
    QCOMPARE(column(rows, QStringLiteral("CustName")),
             QStringList(
                 {QStringLiteral("会员A"), QStringLiteral("零租客户"), QStringLiteral("会员B")}));
    // The rent recorded when the disc went out, not what was charged at return.
    QCOMPARE(column(rows, QStringLiteral("RMoney")),
             QStringList({QStringLiteral("300"), QStringLiteral("300"), QStringLiteral("300")}));
}

void tst_ReportsCore::rentalGroupsByDayAndCustomerWithSums()
{
    const qint64 a = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("A片"));
    const qint64 b = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("B片"));
    const qint64 c = addCopy(*m_account, QStringLiteral("0003-1"), QStringLiteral("C片"));
    const QDate day = kFrom.addDays(9);
    // Bob's title sorts between Alice's two: Alice still gets one group for the day.
    rent(m_account->db(), c, m_alice, day, 2000, 300);
    rent(m_account->db(), a, m_alice, day, 3000, 500);
    rent(m_account->db(), b, m_bob, day, 1000, 200);
    rent(m_account->db(), a, m_alice, day.addDays(1), 2500, 400);

    const ReportDocument doc =
        ReportGenerator::generate(RentalReport::definition(headingFor(RentalReport::Title)),
                                  RentalReport::rows(kFrom, kTo, m_account->db()));
    const QStringList texts = allTexts(doc);
    QCOMPARE(startingWith(texts, QStringLiteral("押金小计")),
             QStringList({QStringLiteral("押金小计: 50.00"),    // Alice on the 10th
                          QStringLiteral("押金小计: 10.00"),    // Bob on the 10th
                          QStringLiteral("押金小计: 60.00"),    // the 10th
                          QStringLiteral("押金小计: 25.00"),    // Alice on the 11th
                          QStringLiteral("押金小计: 25.00")})); // the 11th
    QCOMPARE(startingWith(texts, QStringLiteral("租金小计")),
             QStringList({QStringLiteral("租金小计: 8.00"), QStringLiteral("租金小计: 2.00"),
                          QStringLiteral("租金小计: 10.00"), QStringLiteral("租金小计: 4.00"),
                          QStringLiteral("租金小计: 4.00")}));
    QCOMPARE(startingWith(texts, QStringLiteral("押金合计")),
             QStringList(QStringLiteral("押金合计: 85.00")));
    QCOMPARE(startingWith(texts, QStringLiteral("租金合计")),
             QStringList(QStringLiteral("租金合计: 14.00")));
    QCOMPARE(texts.count(QStringLiteral("会员A")), 2); // one group header per day
    QCOMPARE(texts.count(QStringLiteral("2026-03-10")), 1);
    QVERIFY(texts.contains(QStringLiteral("30.00")));
    QVERIFY(texts.contains(QStringLiteral("5.00")));
}

void tst_ReportsCore::rentalHeadingsRepeatOnTheNextPage()
{
    const qint64 copy = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("片"));
    for (int i = 0; i < 60; ++i)
        rent(m_account->db(), copy, m_alice, kFrom);
    const ReportDocument doc =
        ReportGenerator::generate(RentalReport::definition(headingFor(RentalReport::Title)),
                                  RentalReport::rows(kFrom, kTo, m_account->db()));
    QCOMPARE(doc.pageCount(), 2);
    // Page 2 opens with the day and the customer its rows belong to, marked as continued,
    // before the first of its rows.
    const QStringList second = doc.pageTexts(1);
    const int day = second.indexOf(QStringLiteral("2026-03-01 (续)"));
    const int customer = second.indexOf(QStringLiteral("会员A (续)"));
    QVERIFY2(day > 0 && customer > day, qPrintable(second.join(u'|')));
    QVERIFY(customer < second.indexOf(QStringLiteral("片")));
    QVERIFY(!doc.pageTexts(0).join(u'|').contains(QStringLiteral("(续)")));
}

void tst_ReportsCore::overdueDays_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("days"); // -1: refused

    QTest::newRow("three") << QStringLiteral("3") << 3;
    QTest::newRow("blanks around") << QStringLiteral(" 12 ") << 12;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("letters") << QStringLiteral("abc") << -1;
    QTest::newRow("negative") << QStringLiteral("-1") << -1;
    QTest::newRow("fraction") << QStringLiteral("2.5") << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("too large") << QStringLiteral("99999999999") << -1;
}

void tst_ReportsCore::overdueDays()
{
    QFETCH(QString, typed);
    QFETCH(int, days);
    const std::optional<int> parsed = OverdueReport::parseDays(typed);
    QCOMPARE(parsed.value_or(-1), days);
}

void tst_ReportsCore::overdueListsDiscsOutLongerThanTheLimit()
{
    const QDate today = QDate::currentDate();
    const qint64 four = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("四天"));
    const qint64 three = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("三天"));
    const qint64 two = addCopy(*m_account, QStringLiteral("0003-1"), QStringLiteral("两天"));
    const qint64 back = addCopy(*m_account, QStringLiteral("0004-1"), QStringLiteral("已还"));
    const qint64 sold = addCopy(*m_account, QStringLiteral("0005-1"), QStringLiteral("已售"));
    rent(m_account->db(), four, m_alice, today.addDays(-4), 2000);
    rent(m_account->db(), three, m_bob, today.addDays(-3), 1500);
    rent(m_account->db(), two, WalkIn, today.addDays(-2), 1000);
    giveBack(m_account->db(), rent(m_account->db(), back, m_alice, today.addDays(-20)), QDateTime(today, QTime(9, 0)));
    sell(m_account->db(), sold, today.addDays(-30), 1);

    const ReportData n3 = OverdueReport::rows(3, today, m_account->db());
    QCOMPARE(column(n3, QStringLiteral("TitleName")), QStringList(QStringLiteral("四天")));
    QCOMPARE(column(n3, QStringLiteral("days")), QStringList(QStringLiteral("4")));

    const ReportData n1 = OverdueReport::rows(1, today, m_account->db());
    QCOMPARE(column(n1, QStringLiteral("TitleName")),
             QStringList({QStringLiteral("四天"), QStringLiteral("三天"), QStringLiteral("两天")}));
    QCOMPARE(column(n1, QStringLiteral("days")),
             QStringList({QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2")}));

    ReportHeading h = headingFor(OverdueReport::Title);
    h.showRange = false;
    const QStringList texts = allTexts(ReportGenerator::generate(OverdueReport::definition(h), n1));
    const int total = texts.indexOf(QStringLiteral("合  计"));
    QVERIFY(total >= 0);
    QCOMPARE(texts.value(total + 1), QStringLiteral("45.00"));
    QVERIFY(texts.contains(QStringLiteral("零租客户")));
}

void tst_ReportsCore::memberReportGroupsAndCounts()
{
    const qint64 a = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("同名片"));
    const qint64 a2 = addCopy(*m_account, QStringLiteral("0001-2"), QStringLiteral("同名片"));
    const qint64 b = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("乙片"));
    // More copies of 乙片: a copy is out to one customer at a time.
    const qint64 b2 = addCopy(*m_account, QStringLiteral("0002-2"), QStringLiteral("乙片"));
    const qint64 b3 = addCopy(*m_account, QStringLiteral("0002-3"), QStringLiteral("乙片"));
    const qint64 b4 = addCopy(*m_account, QStringLiteral("0002-4"), QStringLiteral("乙片"));
    Db::exec(QStringLiteral("INSERT INTO TBAssociator (ID, Num, Name, Sum) VALUES (1, '', ?, 0)"),
             {QStringLiteral("保留客户")}, m_account->db());
    const QDate day = kFrom.addDays(4);
    // Alice: two copies of one title on one day, both out, and one returned the same day.
    rent(m_account->db(), a, m_alice, day);
    rent(m_account->db(), a2, m_alice, day);
    giveBack(m_account->db(), rent(m_account->db(), b, m_alice, day), QDateTime(day, QTime(21, 30)));
    // Bob: kept two days and a half; rented on the last day of the range.
    giveBack(m_account->db(), rent(m_account->db(), b, m_bob, kTo), QDateTime(kTo.addDays(2), QTime(18, 0)));
    rent(m_account->db(), b2, WalkIn, kFrom);
    rent(m_account->db(), b3, 1, day);                // customer 1 is left out
    rent(m_account->db(), b4, m_bob, kTo.addDays(1)); // after the range

    const ReportData rows = MemberReport::rows(kFrom, kTo, m_account->db());
    QCOMPARE(column(rows, QStringLiteral("CustName")),
             QStringList({QStringLiteral("会员A"), QStringLiteral("会员A"), QStringLiteral("会员A"),
                          QStringLiteral("会员B"), QStringLiteral("零租客户")}));

    const QStringList texts = allTexts(
        ReportGenerator::generate(MemberReport::definition(headingFor(MemberReport::Title)), rows));
    QCOMPARE(startingWith(texts, QStringLiteral("小计:")),
             QStringList({QStringLiteral("小计:  共 3 部"), QStringLiteral("小计:  共 1 部"),
                          QStringLiteral("小计:  共 1 部")}));
    QCOMPARE(startingWith(texts, QStringLiteral("合计:")),
             QStringList(QStringLiteral("合计:  共 5 部")));
    QCOMPARE(texts.count(MemberReport::NotReturned), 3); // Alice's two copies, the walk-in's
    // The group header: the name and the allowance left.
    const int alice = texts.indexOf(QStringLiteral("会员A"));
    QCOMPARE(texts.value(alice + 1), QStringLiteral("5"));
    // Days kept: 0 for the same day, 2 for Bob's.
    const int bob = texts.indexOf(QStringLiteral("会员B"));
    QCOMPARE(texts.mid(bob, 5), QStringList({QStringLiteral("会员B"), QStringLiteral("3"),
                                             QStringLiteral("2026-03-31"), QStringLiteral("乙片"),
                                             QStringLiteral("2")}));
    const int sameDay = texts.indexOf(QStringLiteral("乙片"));
    QCOMPARE(texts.value(sameDay + 1), QStringLiteral("0"));
    QVERIFY(!texts.contains(QStringLiteral("保留客户")));
}

void tst_ReportsCore::rankingCountsRentalsAndSalesApart()
{
    using namespace RankingReport;
    const qint64 hit = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("热门片"));
    const qint64 other = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("冷门片"));
    rent(m_account->db(), hit, m_alice, kFrom);
    rent(m_account->db(), hit, m_bob, kFrom.addDays(3));
    rent(m_account->db(), hit, WalkIn, kTo);
    sell(m_account->db(), hit, kFrom.addDays(1), 2);
    rent(m_account->db(), other, m_alice, kFrom.addDays(2));
    sell(m_account->db(), other, kTo, 3);
    rent(m_account->db(), other, m_bob, kTo.addDays(1)); // after the range
    sell(m_account->db(), other, kFrom.addDays(-1), 9);  // before it

    const ReportData rentals = rows(Mode::Rentals, Kind::Overall, kFrom, kTo, m_account->db());
    QCOMPARE(column(rentals, QStringLiteral("Name")),
             QStringList({QStringLiteral("热门片"), QStringLiteral("冷门片")}));
    QCOMPARE(column(rentals, QStringLiteral("samount")),
             QStringList({QStringLiteral("3"), QStringLiteral("1")}));

    const ReportData sales = rows(Mode::Sales, Kind::Overall, kFrom, kTo, m_account->db());
    QCOMPARE(column(sales, QStringLiteral("Name")),
             QStringList({QStringLiteral("冷门片"), QStringLiteral("热门片")}));
    QCOMPARE(column(sales, QStringLiteral("samount")),
             QStringList({QStringLiteral("3"), QStringLiteral("2")}));

    const QStringList texts = allTexts(ReportGenerator::generate(
        definition(Mode::Sales, Kind::Overall, headingFor(title(Mode::Sales))), sales));
    QVERIFY(texts.contains(QStringLiteral("销售数量")));
    QVERIFY(!texts.contains(QStringLiteral("出租次数")));
    QVERIFY(texts.contains(QStringLiteral("影片销售排行榜")));
    QVERIFY(texts.contains(QStringLiteral("只计销售数量，不含出租")));
    QVERIFY(allTexts(ReportGenerator::generate(
                         definition(Mode::Rentals, Kind::Overall, headingFor(title(Mode::Rentals))),
                         rentals))
                .contains(QStringLiteral("只计出租，不含销售")));
}

void tst_ReportsCore::rankingKeepsTiesWithTheLastPlace()
{
    using namespace RankingReport;
    // Films 1..9 rented 20-i times; films 10, 11 and 12 once each: all three tie for tenth.
    for (int i = 1; i <= 12; ++i) {
        const qint64 copy = addCopy(*m_account, QStringLiteral("%1-1").arg(i, 4, 10, QChar(u'0')),
                                    QStringLiteral("片%1").arg(i, 2, 10, QChar(u'0')));
        const int times = i <= 9 ? 20 - i : 1;
        for (int t = 0; t < times; ++t)
            rent(m_account->db(), copy, m_alice, kFrom.addDays(t % 20));
    }
    const ReportData top = rows(Mode::Rentals, Kind::Overall, kFrom, kTo, m_account->db());
    QCOMPARE(top.rowCount(), 12);
    QCOMPARE(top.value(0, QStringLiteral("Name")).toString(), QStringLiteral("片01"));
    QCOMPARE(column(top, QStringLiteral("Name")).mid(9),
             QStringList({QStringLiteral("片10"), QStringLiteral("片11"), QStringLiteral("片12")}));

    const QStringList texts = allTexts(ReportGenerator::generate(
        definition(Mode::Rentals, Kind::Overall, headingFor(title(Mode::Rentals))), top));
    // Equal counts share a place: the three films rented once all stand tenth.
    QCOMPARE(column(top, QStringLiteral("Place")).mid(8),
             QStringList({"9", "10", "10", "10"}));
    for (const char *name : {"片10", "片11", "片12"}) {
        const int at = texts.indexOf(QString::fromUtf8(name));
        QCOMPARE(texts.value(at - 1), QStringLiteral("10"));
        QCOMPARE(texts.value(at + 1), QStringLiteral("1"));
    }
}

void tst_ReportsCore::rankingByCategoryRanksWithinEachCategory()
{
    using namespace RankingReport;
    const qint64 a1 = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("动作一"),
                              QStringLiteral("动作"));
    const qint64 a2 = addCopy(*m_account, QStringLiteral("0002-1"), QStringLiteral("动作二"),
                              QStringLiteral("动作"));
    const qint64 c1 = addCopy(*m_account, QStringLiteral("0003-1"), QStringLiteral("喜剧一"),
                              QStringLiteral("喜剧"));
    // Counts interleave the categories: 动作一 4, 喜剧一 3, 动作二 2.
    for (int t = 0; t < 4; ++t)
        rent(m_account->db(), a1, m_alice, kFrom.addDays(t));
    for (int t = 0; t < 3; ++t)
        rent(m_account->db(), c1, m_bob, kFrom.addDays(t));
    for (int t = 0; t < 2; ++t)
        rent(m_account->db(), a2, m_bob, kFrom.addDays(t));

    const ReportData ranked = rows(Mode::Rentals, Kind::ByCategory, kFrom, kTo, m_account->db());
    QCOMPARE(column(ranked, QStringLiteral("Categray")),
             QStringList({QStringLiteral("动作"), QStringLiteral("动作"), QStringLiteral("喜剧")}));
    QCOMPARE(column(ranked, QStringLiteral("Name")),
             QStringList(
                 {QStringLiteral("动作一"), QStringLiteral("动作二"), QStringLiteral("喜剧一")}));
    const QStringList texts = allTexts(ReportGenerator::generate(
        definition(Mode::Rentals, Kind::ByCategory, headingFor(title(Mode::Rentals))), ranked));
    // One header per category, each category ranked from 1.
    QCOMPARE(texts.count(QStringLiteral("影片类型:")), 2);
    const int action = texts.indexOf(QStringLiteral("动作一"));
    QCOMPARE(texts.mid(action - 1, 6),
             QStringList({QStringLiteral("1"), QStringLiteral("动作一"), QStringLiteral("4"),
                          QStringLiteral("2"), QStringLiteral("动作二"), QStringLiteral("2")}));
    const int comedy = texts.indexOf(QStringLiteral("喜剧一"));
    QCOMPARE(texts.mid(comedy - 1, 3),
             QStringList({QStringLiteral("1"), QStringLiteral("喜剧一"), QStringLiteral("3")}));
}

void tst_ReportsCore::rankingPlacesShareTies()
{
    using namespace RankingReport;
    // Counts 5, 3, 3, 3, 1: places 1, 2, 2, 2, 5, overall and within a category alike.
    const QList<int> counts{5, 3, 3, 3, 1};
    for (int i = 0; i < counts.size(); ++i) {
        const qint64 copy = addCopy(*m_account, QStringLiteral("%1-1").arg(i + 1, 4, 10, QChar(u'0')),
                                    QStringLiteral("片%1").arg(i + 1), QStringLiteral("动作"));
        for (int t = 0; t < counts.at(i); ++t)
            rent(m_account->db(), copy, m_alice, kFrom.addDays(t));
    }
    const QStringList places{"1", "2", "2", "2", "5"};
    QCOMPARE(column(rows(Mode::Rentals, Kind::Overall, kFrom, kTo, m_account->db()), QStringLiteral("Place")),
             places);
    const ReportData byCategory = rows(Mode::Rentals, Kind::ByCategory, kFrom, kTo, m_account->db());
    QCOMPARE(column(byCategory, QStringLiteral("Place")), places);
    const QStringList texts = allTexts(ReportGenerator::generate(
        definition(Mode::Rentals, Kind::ByCategory, headingFor(title(Mode::Rentals))),
        byCategory));
    QCOMPARE(texts.value(texts.indexOf(QStringLiteral("片4")) - 1), QStringLiteral("2"));
    QCOMPARE(texts.value(texts.indexOf(QStringLiteral("片5")) - 1), QStringLiteral("5"));
}

void tst_ReportsCore::rentalReportReadBackFromPdf()
{
    const qint64 a = addCopy(*m_account, QStringLiteral("0001-1"), QStringLiteral("无间道"));
    rent(m_account->db(), a, m_alice, kFrom.addDays(1), 2000, 300);
    rent(m_account->db(), a, m_bob, kFrom.addDays(2), 3000, 450);
    const ReportDocument doc =
        ReportGenerator::generate(RentalReport::definition(headingFor(RentalReport::Title)),
                                  RentalReport::rows(kFrom, kTo, m_account->db()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rental.pdf"));
    QString why;
    QVERIFY2(doc.exportPdf(pdf, &why), qPrintable(why));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForStarted())
        QSKIP("pdftotext is not installed");
    QVERIFY(text.waitForFinished());
    // pdftotext spaces Chinese text as it sees fit: compare without blanks.
    QString out = QString::fromUtf8(text.readAllStandardOutput());
    out.remove(QLatin1Char(' '));
    for (const QString &expected :
         {QStringLiteral("租 赁 报 表"), QStringLiteral("第 1 页"),
          QStringLiteral("从2026-03-01到2026-03-31"), QStringLiteral("租赁日期"),
          QStringLiteral("无间道"), QStringLiteral("会员B"), QStringLiteral("押金合计: 50.00"),
          QStringLiteral("租金合计: 7.50")}) {
        QVERIFY2(out.contains(QString(expected).remove(QLatin1Char(' '))),
                 qPrintable(expected + QStringLiteral(" in\n") + out));
    }
}

void tst_ReportsCore::namesInPinyinOrder()
{
    // Code point order would put 张 (zhang) before 李 (li) before 王 (wang) before 阿 (a), and
    // 中 (zhong) before 北 (bei) before 大 (da): every report orders such names by pinyin.
    const qint64 zhang = m_account->addMember(QStringLiteral("101"), QStringLiteral("张三"), 1);
    const qint64 li = m_account->addMember(QStringLiteral("102"), QStringLiteral("李四"), 1);
    const qint64 wang = m_account->addMember(QStringLiteral("103"), QStringLiteral("王五"), 1);
    const qint64 a = m_account->addMember(QStringLiteral("104"), QStringLiteral("阿明"), 1);
    // Each customer has a copy of each title out (a copy is out to one customer at a time).
    const QStringList titleNames{QStringLiteral("中国"), QStringLiteral("北京"),
                                 QStringLiteral("大海")};
    const QDate day = QDate::currentDate().addDays(-10);
    int copyNo = 0;
    for (qint64 customer : {zhang, li, wang, a}) {
        ++copyNo;
        for (qsizetype t = 0; t < titleNames.size(); ++t) {
            rent(m_account->db(), addCopy(*m_account, QStringLiteral("000%1-%2").arg(t + 1).arg(copyNo),
                         titleNames.at(t)),
                 customer, day);
        }
    }
    const QStringList customers{QStringLiteral("阿明"), QStringLiteral("李四"),
                                QStringLiteral("王五"), QStringLiteral("张三")};
    const QStringList titles{QStringLiteral("北京"), QStringLiteral("大海"), QStringLiteral("中国")};
    QStringList customerOfRow;
    QStringList titleOfRow;
    for (const QString &customer : customers) {
        for (const QString &title : titles) {
            customerOfRow << customer;
            titleOfRow << title;
        }
    }

    const ReportData rental = RentalReport::rows(day, day, m_account->db());
    QCOMPARE(column(rental, QStringLiteral("CustName")), customerOfRow);
    QCOMPARE(column(rental, QStringLiteral("TitleName")), titleOfRow);
    // The window's reader, a few days at a time, gives the same order.
    RentalReport::RowStream stream(day, day, m_account->db());
    ReportData streamed(stream.columns());
    while (stream.readMore(streamed, 2)) {
    }
    QCOMPARE(column(streamed, QStringLiteral("CustName")), customerOfRow);
    QCOMPARE(column(streamed, QStringLiteral("TitleName")), titleOfRow);

    const ReportData members = MemberReport::rows(day, day, m_account->db());
    QCOMPARE(column(members, QStringLiteral("CustName")), customerOfRow);
    QCOMPARE(column(members, QStringLiteral("TitleName")), titleOfRow);

    const ReportData overdue = OverdueReport::rows(3, QDate::currentDate(), m_account->db());
    QCOMPARE(column(overdue, QStringLiteral("CustName")), customerOfRow);
    QCOMPARE(column(overdue, QStringLiteral("TitleName")), titleOfRow);

    // Equal counts in a ranking: by name.
    using namespace RankingReport;
    const ReportData ranked = rows(Mode::Rentals, Kind::Overall, day, day, m_account->db());
    QCOMPARE(column(ranked, QStringLiteral("Name")), titles);
}

QTEST_MAIN(tst_ReportsCore)
#include "tst_reportscore.moc"
