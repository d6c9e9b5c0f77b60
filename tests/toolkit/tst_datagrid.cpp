#include "data/Db.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"
#include "toolkit/DataGridModel.h"
#include "toolkit/GridGroupPanel.h"
#include "toolkit/GridMask.h"
#include "toolkit/GridTable.h"
#include "toolkit/GridView.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

// The rental list's query: open lines with their customer and title.
const char *const kRentalSql =
    "select b.ID, b.DatTime, b.Rmoney, c.Num, c.Name, a.Name as Title, b.Deposit, b.Persons "
    "from TBName as a, TBBusinessDetail as b, TBAssociator as c "
    "where a.ID = b.CDNum and b.Ass_Number = c.ID and b.ReDate is null order by b.ID";

struct Rental
{
    const char *num;
    const char *member;
    const char *title;
    const char *date;
    qint64 rentCents;
    qint64 depositCents;
    int staff;
};

// Six discs out with three members; deposits 20 + 30 + 15 + 12.5 + 10 + 0.05.
const Rental kRentals[] = {
    {"1001", "张三", "英雄", "2024-03-01", 300, 2000, 1},
    {"1001", "张三", "无间道", "2024-03-02", 250, 3000, 2},
    {"1002", "李四", "卧虎藏龙", "2024-03-02", 300, 1500, 1},
    {"2001", "王五", "功夫", "2024-02-28", 150, 1250, 1},
    {"1002", "李四", "英雄本色", "2024-03-05", 200, 1000, 2},
    {"2001", "王五", "大话西游", "2024-03-01 18:30:00", 100, 5, 2},
};

void addRental(const QSqlDatabase &db, TestAccount &account, const Rental &r,
               QHash<QString, qint64> &members)
{
    const QString num = QString::fromUtf8(r.num);
    if (!members.contains(num))
        members[num] = account.addMember(num, QString::fromUtf8(r.member), 5);
    const qint64 copy = account.addCopy(QStringLiteral("C") + QString::number(members.size()) +
                                            QString::fromUtf8(r.title),
                                        QString::fromUtf8(r.title), QStringLiteral("DVD"));
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime, Deposit, Persons) VALUES (?, ?, 1, ?, ?, ?, ?)"),
             {copy, r.rentCents, members[num], QString::fromUtf8(r.date), r.depositCents, r.staff},
             db);
}

// The rental list's grid, configured as the window configures it.
void configureRentalGrid(DataGrid &g)
{
    g.addHiddenColumn(QStringLiteral("ID"));
    g.addColumn(QStringLiteral("DatTime"), QStringLiteral("出租日期"), Grid::Kind::Date);
    g.addColumn(QStringLiteral("Num"), QStringLiteral("会员编号"));
    g.addColumn(QStringLiteral("c.Name"), QStringLiteral("客户名称"));
    g.addColumn(QStringLiteral("Title"), QStringLiteral("影片名称"));
    g.addColumn(QStringLiteral("Rmoney"), QStringLiteral("租金"), Grid::Kind::Money);
    g.addColumn(QStringLiteral("Deposit"), QStringLiteral("押金"), Grid::Kind::Money);
    g.addColumn(QStringLiteral("Persons"), QStringLiteral("员工编号"), Grid::Kind::Integer);
    g.setFooter(QStringLiteral("Deposit"), Grid::Summary::Sum, QStringLiteral("共0.00 元"));
    g.setFooter(QStringLiteral("Title"), Grid::Summary::Count, QStringLiteral("共 0 部"));
    g.setKeyField(QStringLiteral("ID"));
}

QStringList column(const DataGrid &g, const QString &field)
{
    QStringList out;
    for (int p = 0; p < g.rowCount(); ++p)
        out << g.textAt(p, field);
    return out;
}

QModelIndex groupRow(const DataGridModel *m, const QString &path)
{
    return m->groupIndex(path);
}

} // namespace

class tst_DataGrid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void maskFormats_data();
    void maskFormats();
    void realMask();
    void tableStorage();
    void textOrder();
    void tableNamesAndNulls();

    void opensWithFirstRowCurrent();
    void moneyAndDateDisplay();
    void footerSumAndCount();
    void sortAndReverse_data();
    void sortAndReverse();
    void headerClickSortsThenReverses();
    void locateByPrefix_data();
    void locateByPrefix();
    void locateAsTyped();
    void requeryKeepsCurrentRow();
    void requeryFailureKeepsRows();
    void groupTwoLevelsWithSums();
    void ungroupRestoresFlatList();
    void groupDropOnPanel();
    void groupingKeepsCurrentRow();
    void groupArrowsInFirstShownColumn();
    void longListArrivesInSteps();
    void activationByEnterAndDoubleClick();
    void rowsHeldByTheWindow();
    void csvExport();
    void csvExportThroughMenuProvider();
    void hiddenAndMovedColumns();

private:
    std::unique_ptr<TestAccount> m_account;
    std::unique_ptr<DataGrid> m_grid;
    QHash<QString, qint64> m_members;
};

void tst_DataGrid::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_DataGrid::init()
{
    m_account = std::make_unique<TestAccount>();
    m_members.clear();
    for (const Rental &r : kRentals)
        addRental(m_account->db(), *m_account, r, m_members);
    m_grid = std::make_unique<DataGrid>();
    configureRentalGrid(*m_grid);
    m_grid->resize(800, 400);
}

void tst_DataGrid::cleanup()
{
    m_grid.reset();
    m_account.reset();
}

void tst_DataGrid::maskFormats_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("money two decimals") << "共0.00 元" << qint64(5000) << 2 << "共50.00 元";
    QTest::newRow("leading blank kept") << " 共0.00元" << qint64(1234) << 2 << " 共12.34元";
    QTest::newRow("count with blanks") << "共 0 部" << qint64(12) << 0 << "共 12 部";
    QTest::newRow("count tight") << "共0部" << qint64(7) << 0 << "共7部";
    QTest::newRow("zero") << "共0.00 元" << qint64(0) << 2 << "共0.00 元";
    QTest::newRow("negative") << "共0.00 元" << qint64(-550) << 2 << "共-5.50 元";
    QTest::newRow("half up to one decimal") << "0.0" << qint64(125) << 2 << "1.3";
    QTest::newRow("half away from zero, negative") << "0.0" << qint64(-125) << 2 << "-1.3";
    QTest::newRow("below half rounds down") << "0.0" << qint64(124) << 2 << "1.2";
    QTest::newRow("cents to whole yuan") << "共0部" << qint64(250) << 2 << "共3部";
    QTest::newRow("tiny negative shows no sign") << "0" << qint64(-4) << 2 << "0";
    QTest::newRow("more decimals than stored") << "0.000" << qint64(12) << 0 << "12.000";
    QTest::newRow("optional decimals") << "#0.##" << qint64(1250) << 2 << "12.5";
    QTest::newRow("optional decimals all zero") << "#0.##" << qint64(1200) << 2 << "12";
    QTest::newRow("thousands") << "#,##0.00" << qint64(123456789) << 2 << "1,234,567.89";
    QTest::newRow("minimum digits") << "00" << qint64(5) << 0 << "05";
    QTest::newRow("literal only") << "合计" << qint64(5) << 0 << "合计";
    QTest::newRow("literal point after number") << "共0. 元" << qint64(5) << 0 << "共5. 元";
    QTest::newRow("second zero is literal") << "0 of 0" << qint64(3) << 0 << "3 of 0";
    QTest::newRow("large sum") << "0.00" << qint64(9'000'000'000'00) << 2 << "9000000000.00";
}

void tst_DataGrid::maskFormats()
{
    QFETCH(QString, mask);
    QFETCH(qint64, value);
    QFETCH(int, scale);
    QFETCH(QString, expected);
    QCOMPARE(GridMask::format(mask, value, scale), expected);
}

void tst_DataGrid::realMask()
{
    QCOMPARE(GridMask::format(QStringLiteral("共0.00"), 2.675), QStringLiteral("共2.68"));
    QCOMPARE(GridMask::format(QStringLiteral("0"), -0.4), QStringLiteral("0"));
    QCOMPARE(GridMask::plain(-1050, 2), QStringLiteral("-10.50"));
    QCOMPARE(GridMask::plain(42, 0), QStringLiteral("42"));
}

void tst_DataGrid::tableStorage()
{
    GridTable t;
    t.setFields({QStringLiteral("n"), QStringLiteral("mixed"), QStringLiteral("forced"),
                 QStringLiteral("empty")},
                {std::nullopt, std::nullopt, GridTable::Storage::Int, std::nullopt});
    t.appendRow({QVariant(), 1, QStringLiteral("12"), QVariant()});
    t.appendRow({5, 2.5, 3.6, QVariant()});
    t.appendRow({7, QStringLiteral("x"), QStringLiteral("abc"), QVariant()});
    t.finish();

    // A column that starts empty takes the storage of its first value; the empty stays empty.
    QCOMPARE(t.storage(0), GridTable::Storage::Int);
    QVERIFY(t.isNull(0, 0));
    QCOMPARE(t.integer(1, 0), 5);
    // Integers, then a real, then a text: the column ends as text and keeps what it held.
    QCOMPARE(t.storage(1), GridTable::Storage::Text);
    QCOMPARE(t.toText(0, 1), QStringLiteral("1"));
    QCOMPARE(t.toText(1, 1), QStringLiteral("2.5"));
    QCOMPARE(t.toText(2, 1), QStringLiteral("x"));
    // A forced integer column converts: texts parsed, reals rounded, garbage is null.
    QCOMPARE(t.storage(2), GridTable::Storage::Int);
    QCOMPARE(t.integer(0, 2), 12);
    QCOMPARE(t.integer(1, 2), 4);
    QVERIFY(t.isNull(2, 2));
    QVERIFY(!t.value(2, 2).isValid());
    // A column of nothing but nulls.
    QCOMPARE(t.storage(3), GridTable::Storage::Text);
    QVERIFY(t.isNull(2, 3));
    // Nulls sort first.
    QVERIFY(t.compare(0, 0, 1) < 0);
    QVERIFY(t.compare(0, 2, 1) > 0);
}

void tst_DataGrid::textOrder()
{
    GridTable t;
    t.setFields({QStringLiteral("s")});
    const QStringList texts = {"张三",  "cherry", "李四", "Banana",
                               "apple", "王五",   "李四", "Apple"};
    for (const QString &x : texts)
        t.appendRow({x});
    t.finish();
    t.prepareOrder(0);
    std::vector<int> rows(texts.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return t.compare(0, a, b) < 0; });
    QStringList sorted;
    for (int r : rows)
        sorted << texts[r];
    // Chinese by pinyin first (as Chinese collation places it), then letters without regard
    // to case; only identical texts tie.
    QCOMPARE(sorted,
             QStringList({"李四", "李四", "王五", "张三", "Apple", "apple", "Banana", "cherry"}));
    QCOMPARE(t.compare(0, 2, 6), 0);
    QVERIFY(t.compare(0, 4, 7) != 0);
}

void tst_DataGrid::tableNamesAndNulls()
{
    GridTable t;
    t.setFields({QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("ID")});
    t.appendRow({1, QStringLiteral("a"), 9});
    t.finish();
    QCOMPARE(t.fieldIndex(QStringLiteral("ID")), 0);
    QCOMPARE(t.fieldIndex(QStringLiteral("name")), 1);
    QCOMPARE(t.fieldIndex(QStringLiteral("a.Name")), 1);
    QCOMPARE(t.fieldIndex(QStringLiteral("b.Missing")), -1);
}

void tst_DataGrid::opensWithFirstRowCurrent()
{
    QSignalSpy changed(m_grid.get(), &DataGrid::currentRowChanged);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QCOMPARE(m_grid->rowCount(), 6);
    QVERIFY(m_grid->hasCurrentRow());
    QCOMPARE(m_grid->currentPosition(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄"));

    // An empty result: no current row, values read as nothing, still one notice.
    changed.clear();
    m_grid->open(m_account->db(),
                 QString::fromLatin1(kRentalSql)
                     .replace(QStringLiteral("order by"), QStringLiteral("and 1 = 0 order by")));
    QCOMPARE(m_grid->rowCount(), 0);
    QVERIFY(!m_grid->hasCurrentRow());
    QVERIFY(!m_grid->value(QStringLiteral("ID")).isValid());
    QCOMPARE(changed.count(), 1);
}

void tst_DataGrid::moneyAndDateDisplay()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QCOMPARE(column(*m_grid, QStringLiteral("Deposit")),
             QStringList({"20.00", "30.00", "15.00", "12.50", "10.00", "0.05"}));
    QCOMPARE(column(*m_grid, QStringLiteral("DatTime")).last(), QStringLiteral("2024-03-01"));
    // Stored values stay exact: cents and the stored date text.
    QCOMPARE(m_grid->valueAt(3, QStringLiteral("Deposit")).toLongLong(), 1250);
    QCOMPARE(m_grid->valueAt(5, QStringLiteral("DatTime")).toString(),
             QStringLiteral("2024-03-01 18:30:00"));
    // The view shows the same texts, numbers right-aligned.
    const QModelIndex cell = m_grid->model()->index(0, m_grid->model()->columnOf("Deposit"));
    QCOMPARE(cell.data().toString(), QStringLiteral("20.00"));
    QVERIFY(Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);
}

void tst_DataGrid::footerSumAndCount()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QCOMPARE(m_grid->footerText(QStringLiteral("Deposit")), QStringLiteral("共87.55 元"));
    QCOMPARE(m_grid->footerText(QStringLiteral("Title")), QStringLiteral("共 6 部"));
    QCOMPARE(m_grid->footerText(QStringLiteral("Num")), QString());

    // A footer under one column summing another (the stock list's "主演" sums "Mone").
    m_grid->setFooter(QStringLiteral("Num"), Grid::Summary::Sum, QStringLiteral("共0.00 元"),
                      QStringLiteral("Rmoney"));
    QCOMPARE(m_grid->footerText(QStringLiteral("Num")), QStringLiteral("共13.00 元"));

    // Re-read after a change: the sums follow.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-03-06' WHERE ID = 2"), {},
             m_account->db());
    m_grid->requery();
    QCOMPARE(m_grid->footerText(QStringLiteral("Deposit")), QStringLiteral("共57.55 元"));
    QCOMPARE(m_grid->footerText(QStringLiteral("Title")), QStringLiteral("共 5 部"));
}

void tst_DataGrid::sortAndReverse_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("deposit ascending")
        << "Deposit" << int(Qt::AscendingOrder)
        << QStringList{"大话西游", "英雄本色", "功夫", "卧虎藏龙", "英雄", "无间道"};
    QTest::newRow("deposit descending")
        << "Deposit" << int(Qt::DescendingOrder)
        << QStringList{"无间道", "英雄", "卧虎藏龙", "功夫", "英雄本色", "大话西游"};
    // Equal keys keep the order the query gave them.
    QTest::newRow("member number, ties stable")
        << "Num" << int(Qt::AscendingOrder)
        << QStringList{"英雄", "无间道", "卧虎藏龙", "英雄本色", "功夫", "大话西游"};
    // Chinese by pinyin (li, wang, zhang), not by code point (张 comes before 李 there).
    QTest::newRow("names by pinyin")
        << "c.Name" << int(Qt::AscendingOrder)
        << QStringList{"卧虎藏龙", "英雄本色", "功夫", "大话西游", "英雄", "无间道"};
    QTest::newRow("date descending, time ignored for display only")
        << "DatTime" << int(Qt::DescendingOrder)
        << QStringList{"英雄本色", "无间道", "卧虎藏龙", "大话西游", "英雄", "功夫"};
}

void tst_DataGrid::sortAndReverse()
{
    QFETCH(QString, field);
    QFETCH(int, order);
    QFETCH(QStringList, titles);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    m_grid->setSort(field, Qt::SortOrder(order));
    QCOMPARE(column(*m_grid, QStringLiteral("Title")), titles);
    QCOMPARE(m_grid->sortField(), field);
}

void tst_DataGrid::headerClickSortsThenReverses()
{
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QHeaderView *h = m_grid->view()->header();
    const int section = m_grid->model()->columnOf(QStringLiteral("Rmoney"));
    const QPoint center(h->sectionViewportPosition(section) + h->sectionSize(section) / 2,
                        h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, center);
    QCOMPARE(m_grid->sortField(), QStringLiteral("Rmoney"));
    QCOMPARE(m_grid->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(m_grid->textAt(0, QStringLiteral("Rmoney")), QStringLiteral("1.00"));
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, center);
    QCOMPARE(m_grid->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(m_grid->textAt(0, QStringLiteral("Rmoney")), QStringLiteral("3.00"));
}

void tst_DataGrid::locateByPrefix_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("expectedTitle"); // empty: the row stays

    QTest::newRow("first digit") << "Num"
                                 << "1"
                                 << "英雄";
    QTest::newRow("more digits") << "Num"
                                 << "1002"
                                 << "卧虎藏龙";
    QTest::newRow("second member") << "Num"
                                   << "20"
                                   << "功夫";
    QTest::newRow("no match stays") << "Num"
                                    << "3"
                                    << "";
    QTest::newRow("empty text does nothing") << "Num"
                                             << ""
                                             << "";
    QTest::newRow("chinese prefix") << "Title"
                                    << "英雄本"
                                    << "英雄本色";
    QTest::newRow("case-sensitive") << "Title"
                                    << "b"
                                    << "";
    QTest::newRow("money column by its text") << "Deposit"
                                              << "12."
                                              << "功夫";
}

void tst_DataGrid::locateByPrefix()
{
    QFETCH(QString, field);
    QFETCH(QString, prefix);
    QFETCH(QString, expectedTitle);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(m_grid->setCurrentPosition(5));
    QSignalSpy changed(m_grid.get(), &DataGrid::currentRowChanged);
    const bool found = m_grid->locate(field, prefix);
    QCOMPARE(found, !expectedTitle.isEmpty());
    const QString title = m_grid->value(QStringLiteral("Title")).toString();
    QCOMPARE(title, expectedTitle.isEmpty() ? QStringLiteral("大话西游") : expectedTitle);
    QCOMPARE(changed.count(), found ? 1 : 0);
}

void tst_DataGrid::locateAsTyped()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    const auto typed = [&](const char *text) {
        m_grid->locate(QStringLiteral("Num"), QString::fromLatin1(text));
        return m_grid->value(QStringLiteral("Title")).toString();
    };
    QCOMPARE(typed("1"), QStringLiteral("英雄"));
    QCOMPARE(typed("10"), QStringLiteral("英雄"));
    QCOMPARE(typed("100"), QStringLiteral("英雄"));
    QCOMPARE(typed("1002"), QStringLiteral("卧虎藏龙"));
    QCOMPARE(typed("10029"), QStringLiteral("卧虎藏龙")); // no such number: the row stays
    QCOMPARE(typed("1002"), QStringLiteral("卧虎藏龙"));  // back to the shorter text
    QCOMPARE(typed("2"), QStringLiteral("功夫"));
    // After a sort the first match is searched in the new order.
    m_grid->setSort(QStringLiteral("Deposit"));
    QCOMPARE(typed("1"), QStringLiteral("英雄本色"));
    QCOMPARE(typed("100"), QStringLiteral("英雄本色"));
    QCOMPARE(typed("1001"), QStringLiteral("英雄"));
    // In the order the query returned the rows instead: 无间道 (ID 2) comes before 英雄本色.
    QVERIFY(m_grid->locate(QStringLiteral("Num"), QStringLiteral("1"), Grid::SearchOrder::Read));
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄"));
    QVERIFY(m_grid->locate(QStringLiteral("Num"), QStringLiteral("100"), Grid::SearchOrder::Read));
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄"));
    QVERIFY(m_grid->locate(QStringLiteral("Num"), QStringLiteral("1002"), Grid::SearchOrder::Read));
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("卧虎藏龙"));
    QVERIFY(m_grid->locate(QStringLiteral("Title"), QStringLiteral("英"), Grid::SearchOrder::Read));
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄"));
    // After a re-read that changed the rows, too.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET Deposit = 1 WHERE ID = 2"), {},
             m_account->db());
    m_grid->requery();
    QCOMPARE(typed("1001"), QStringLiteral("无间道"));
}

void tst_DataGrid::requeryKeepsCurrentRow()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    m_grid->setSort(QStringLiteral("Deposit"), Qt::DescendingOrder);
    QVERIFY(m_grid->locate(QStringLiteral("Title"), QStringLiteral("功夫")));
    const qint64 id = m_grid->value(QStringLiteral("ID")).toLongLong();

    // A new rental with a larger deposit comes before it; the current row stays the same line.
    addRental(m_account->db(), *m_account, {"3001", "赵六", "甲方乙方", "2024-03-07", 100, 9900, 1},
              m_members);
    m_grid->requery();
    QCOMPARE(m_grid->rowCount(), 7);
    QCOMPARE(m_grid->value(QStringLiteral("ID")).toLongLong(), id);
    QCOMPARE(m_grid->sortField(), QStringLiteral("Deposit"));
    QCOMPARE(m_grid->textAt(0, QStringLiteral("Title")), QStringLiteral("甲方乙方"));

    // The line is returned: the row at the same position becomes current.
    const int position = m_grid->currentPosition();
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-03-08' WHERE ID = ?"), {id},
             m_account->db());
    m_grid->requery();
    QCOMPARE(m_grid->rowCount(), 6);
    QCOMPARE(m_grid->currentPosition(), position);
    QVERIFY(m_grid->value(QStringLiteral("ID")).toLongLong() != id);
}

void tst_DataGrid::requeryFailureKeepsRows()
{
    m_grid->open(m_account->db(),
                 QStringLiteral("select * from TBBusinessDetail where Ass_Number > ?"), {0});
    QCOMPARE(m_grid->rowCount(), 6);
    Db::exec(QStringLiteral("ALTER TABLE TBBusinessDetail RENAME TO Gone"), {}, m_account->db());
    QVERIFY_THROWS_EXCEPTION(Db::DbError, m_grid->requery());
    QCOMPARE(m_grid->rowCount(), 6);
}

void tst_DataGrid::groupTwoLevelsWithSums()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    m_grid->groupBy(QStringLiteral("Persons"));
    m_grid->groupBy(QStringLiteral("Num"));
    QCOMPARE(m_grid->groupFields(), QStringList({"Persons", "Num"}));

    const DataGridModel *m = m_grid->model();
    QCOMPARE(m->rowCount(), 2); // staff 1 and 2
    const int deposit = m->columnOf(QStringLiteral("Deposit"));
    const int title = m->columnOf(QStringLiteral("Title"));
    const QChar sep(0x1f);

    // Staff 1: 张三 20, 李四 15, 王五 12.50.
    const QModelIndex staff1 = groupRow(m, QStringLiteral("1"));
    QVERIFY(m->isGroup(staff1));
    QCOMPARE(m->rowCount(staff1), 3);
    QCOMPARE(m->groupSummaryText(staff1, deposit), QStringLiteral("共47.50 元"));
    QCOMPARE(m->groupSummaryText(staff1, title), QStringLiteral("共 3 部"));
    QCOMPARE(staff1.data(DataGridModel::GroupCaptionRole).toString(),
             QStringLiteral("员工编号: 1 (3)"));

    // Staff 2 / member 2001: one line of 0.05.
    const QModelIndex inner = groupRow(m, QStringLiteral("2") + sep + QStringLiteral("2001"));
    QVERIFY(inner.isValid());
    QCOMPARE(m->rowCount(inner), 1);
    QCOMPARE(m->groupSummaryText(inner, deposit), QStringLiteral("共0.05 元"));
    const QModelIndex line = m->index(0, title, inner);
    QVERIFY(!m->isGroup(line));
    QCOMPARE(line.data().toString(), QStringLiteral("大话西游"));

    // The total is the same with or without groups; inner groups follow the group order.
    QCOMPARE(m_grid->footerText(QStringLiteral("Deposit")), QStringLiteral("共87.55 元"));
    const QModelIndex staff2 = groupRow(m, QStringLiteral("2"));
    QStringList members;
    for (int r = 0; r < m->rowCount(staff2); ++r)
        members << m->index(r, 0, staff2).data(DataGridModel::GroupCaptionRole).toString();
    QCOMPARE(members,
             QStringList({"会员编号: 1001 (1)", "会员编号: 1002 (1)", "会员编号: 2001 (1)"}));

    // Shown order runs group by group.
    QCOMPARE(column(*m_grid, QStringLiteral("Title")),
             QStringList({"英雄", "卧虎藏龙", "功夫", "无间道", "英雄本色", "大话西游"}));
}

void tst_DataGrid::ungroupRestoresFlatList()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    m_grid->setSort(QStringLiteral("Deposit"));
    m_grid->groupBy(QStringLiteral("Num"));
    m_grid->groupBy(QStringLiteral("Persons"));
    m_grid->ungroup(QStringLiteral("Num"));
    QCOMPARE(m_grid->groupFields(), QStringList({"Persons"}));
    QCOMPARE(m_grid->model()->rowCount(), 2);
    m_grid->clearGrouping();
    QCOMPARE(m_grid->model()->rowCount(), 6);
    QVERIFY(!m_grid->model()->isGroup(m_grid->model()->index(0, 0)));
    // The sort survives grouping and ungrouping.
    QCOMPARE(column(*m_grid, QStringLiteral("Title")).first(), QStringLiteral("大话西游"));
}

void tst_DataGrid::groupDropOnPanel()
{
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    auto *panel = m_grid->findChild<GridGroupPanel *>();
    QVERIFY(panel);
    QCOMPARE(panel->accessibleName(), QStringLiteral("把列拖到这儿，按列进行分组"));

    // A drop whose drag did not start at this grid's header (here: no drag at all) is refused.
    QMimeData mime;
    mime.setData(QLatin1String(GridHeader::MimeType),
                 QByteArray::number(m_grid->model()->columnOf(QStringLiteral("Num"))));
    QDropEvent foreign(QPointF(10, 10), Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(panel, &foreign);
    QVERIFY(m_grid->groupFields().isEmpty());

    // The box's signal is what a drop from the header emits: it groups at the dropped level.
    emit panel->groupRequested(m_grid->model()->columnOf(QStringLiteral("Num")), 0);
    emit panel->groupRequested(m_grid->model()->columnOf(QStringLiteral("Persons")), 0);
    QCOMPARE(m_grid->groupFields(), QStringList({"Persons", "Num"}));
    QCOMPARE(panel->accessibleName(), QStringLiteral("按列分组: 员工编号 > 会员编号"));
    // Dragging a chip within the box moves its level.
    emit panel->groupRequested(m_grid->model()->columnOf(QStringLiteral("Persons")), 1);
    QCOMPARE(m_grid->groupFields(), QStringList({"Num", "Persons"}));
    // Dragged out: ungrouped.
    emit panel->ungroupRequested(m_grid->model()->columnOf(QStringLiteral("Num")));
    QCOMPARE(m_grid->groupFields(), QStringList({"Persons"}));

    m_grid->setGroupBoxVisible(false);
    QVERIFY(!m_grid->isGroupBoxVisible());
}

void tst_DataGrid::groupingKeepsCurrentRow()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(m_grid->locate(QStringLiteral("Title"), QStringLiteral("英雄本色")));
    m_grid->groupBy(QStringLiteral("Num"));
    // The current line is still current, and its group was opened to show it.
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄本色"));
    const QModelIndex current = m_grid->view()->currentIndex();
    QVERIFY(m_grid->view()->isExpanded(current.parent()));
    QVERIFY(!m_grid->view()->isExpanded(m_grid->model()->groupIndex(QStringLiteral("1001"))));

    // An opened group stays open across a re-read.
    m_grid->view()->expand(m_grid->model()->groupIndex(QStringLiteral("2001")));
    m_grid->requery();
    QVERIFY(m_grid->view()->isExpanded(m_grid->model()->groupIndex(QStringLiteral("2001"))));
    QCOMPARE(m_grid->value(QStringLiteral("Title")).toString(), QStringLiteral("英雄本色"));

    // Locating a row inside a closed group opens it.
    m_grid->view()->collapseAll();
    QVERIFY(m_grid->locate(QStringLiteral("Title"), QStringLiteral("无间道")));
    QVERIFY(m_grid->view()->isExpanded(m_grid->model()->groupIndex(QStringLiteral("1001"))));

    // A group row can be current: then there is no current data row.
    m_grid->view()->setCurrentIndex(m_grid->model()->groupIndex(QStringLiteral("1002")));
    QVERIFY(!m_grid->hasCurrentRow());
    QVERIFY(!m_grid->value(QStringLiteral("ID")).isValid());
}

void tst_DataGrid::groupArrowsInFirstShownColumn()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    // The key column ID is hidden: arrows and indent belong to the first column shown.
    const int date = m_grid->model()->columnOf(QStringLiteral("DatTime"));
    QCOMPARE(m_grid->view()->treePosition(), date);
    const int before = m_grid->columnWidth(QStringLiteral("DatTime"));
    m_grid->groupBy(QStringLiteral("Num"));
    m_grid->groupBy(QStringLiteral("Persons"));
    // The first column grows by the indent of two levels, and shrinks back when ungrouped.
    QCOMPARE(m_grid->columnWidth(QStringLiteral("DatTime")),
             before + 3 * m_grid->view()->indentation());
    m_grid->clearGrouping();
    QCOMPARE(m_grid->columnWidth(QStringLiteral("DatTime")), before);
    m_grid->moveColumn(QStringLiteral("Title"), 0);
    QCOMPARE(m_grid->view()->treePosition(), m_grid->model()->columnOf(QStringLiteral("Title")));
}

void tst_DataGrid::longListArrivesInSteps()
{
    {
        // 1500 more copies of the first line's title, each out once like the first line (a
        // copy is out to one customer at a time).
        Db::Transaction tx(m_account->db());
        for (int i = 0; i < 1500; ++i) {
            const qint64 copy = Db::insert(
                QStringLiteral("INSERT INTO TBName (CustomNum, Name, Ver, Quality) "
                               "SELECT CustomNum || ?, Name, Ver, Quality FROM TBName "
                               "WHERE ID = (SELECT CDNum FROM TBBusinessDetail WHERE ID = 1)"),
                {QStringLiteral("-%1").arg(i)}, m_account->db());
            Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                                    "Ass_Number, DatTime, Deposit, Persons) "
                                    "SELECT ?, RMoney, 1, Ass_Number, DatTime, 100, 3 "
                                    "FROM TBBusinessDetail WHERE ID = 1"),
                     {copy}, m_account->db());
        }
        tx.commit();
    }
    QSignalSpy finished(m_grid.get(), &DataGrid::loadFinished);
    QSignalSpy current(m_grid.get(), &DataGrid::currentRowChanged);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    // The first screen is in, the first row current; the rest is still on its way.
    QVERIFY(m_grid->isLoading());
    QVERIFY(!m_grid->isEmpty());
    QVERIFY(m_grid->model()->rowCount() < 1506);
    QCOMPARE(current.count(), 1);
    QCOMPARE(finished.count(), 0);
    QTRY_VERIFY(!m_grid->isLoading());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_grid->model()->rowCount(), 1506);
    QCOMPARE(m_grid->footerText(QStringLiteral("Deposit")), QStringLiteral("共1587.55 元"));
    QCOMPARE(current.count(), 1);

    // A search as you type while rows arrive never waits for the rest: a match among the rows
    // in is the first match of the whole list; a text only the last row holds is found when
    // that row arrives; moving the current row meanwhile drops the waiting search.
    const QString thirdTitle = m_grid->textAt(2, QStringLiteral("Title"));
    int firstMatch = 0;
    while (!m_grid->textAt(firstMatch, QStringLiteral("Title")).startsWith(thirdTitle))
        ++firstMatch;
    const QString lastId = m_grid->valueAt(1505, QStringLiteral("ID")).toString();
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(m_grid->isLoading());
    QVERIFY(m_grid->locate(QStringLiteral("Title"), thirdTitle));
    QVERIFY(m_grid->isLoading());
    QCOMPARE(m_grid->currentPosition(), firstMatch);
    QVERIFY(!m_grid->locate(QStringLiteral("ID"), lastId));
    QVERIFY(m_grid->isLoading());
    QCOMPARE(m_grid->currentPosition(), firstMatch);
    QTRY_COMPARE(m_grid->currentPosition(), 1505);
    QVERIFY(!m_grid->isLoading());

    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(!m_grid->locate(QStringLiteral("ID"), lastId));
    QTest::keyClick(m_grid->view(), Qt::Key_Down);
    QVERIFY(m_grid->isLoading());
    QTRY_VERIFY(!m_grid->isLoading());
    QCOMPARE(m_grid->currentPosition(), 1);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(!m_grid->locate(QStringLiteral("ID"), lastId));
    m_grid->fetchAll();
    QCOMPARE(m_grid->currentPosition(), 1505);

    // Whatever needs every row waits for the rest: here a sort right after opening.
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(m_grid->isLoading());
    m_grid->setSort(QStringLiteral("Deposit"), Qt::DescendingOrder);
    QVERIFY(!m_grid->isLoading());
    QCOMPARE(m_grid->model()->rowCount(), 1506);
    QCOMPARE(m_grid->textAt(0, QStringLiteral("Title")), QStringLiteral("无间道"));

    // A sorted list is read whole at once.
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(!m_grid->isLoading());
    QCOMPARE(m_grid->rowCount(), 1506);

    // The connection closing while rows arrive: the grid stops, keeps what it has, and the
    // connection really closes (the driver ends the statement).
    RecordingPresenter boxes;
    m_grid->setSort(QString());
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(m_grid->isLoading());
    QSqlDatabase db = m_account->db();
    db.close();
    QVERIFY(!db.isOpen());
    QTRY_VERIFY(!m_grid->isLoading());
    QVERIFY(m_grid->model()->rowCount() >= 200);
}

void tst_DataGrid::activationByEnterAndDoubleClick()
{
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QSignalSpy activated(m_grid.get(), &DataGrid::rowActivated);
    m_grid->view()->setFocus();
    QTest::keyClick(m_grid->view(), Qt::Key_Down);
    QCOMPARE(m_grid->currentPosition(), 1);
    QTest::keyClick(m_grid->view(), Qt::Key_Return);
    QCOMPARE(activated.count(), 1);

    const QRect r = m_grid->view()->visualRect(m_grid->model()->index(3, 1));
    QTest::mouseDClick(m_grid->view()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(activated.count(), 2);
    QCOMPARE(m_grid->currentPosition(), 3);

    // On a group row Enter opens and closes the group instead.
    m_grid->groupBy(QStringLiteral("Num"));
    const QModelIndex group = m_grid->model()->groupIndex(QStringLiteral("1001"));
    m_grid->view()->setCurrentIndex(group);
    const bool wasOpen = m_grid->view()->isExpanded(group);
    QTest::keyClick(m_grid->view(), Qt::Key_Return);
    QCOMPARE(m_grid->view()->isExpanded(group), !wasOpen);
    QCOMPARE(activated.count(), 2);
}

void tst_DataGrid::rowsHeldByTheWindow()
{
    DataGrid g;
    g.addColumn(QStringLiteral("CustomNum"), QStringLiteral("编号"), Grid::Kind::Text, 0,
                Qt::AlignCenter);
    g.addColumn(QStringLiteral("Name"), QStringLiteral("名称"));
    g.addColumn(QStringLiteral("Copy"), QStringLiteral("数量"), Grid::Kind::Integer);
    g.setFooter(QStringLiteral("Copy"), Grid::Summary::Sum, QStringLiteral("共 0 部"));
    g.setSort(QStringLiteral("Name"), Qt::DescendingOrder);
    g.setRows({QStringLiteral("CustomNum"), QStringLiteral("Name"), QStringLiteral("Copy")},
              {{QStringLiteral("A1"), QStringLiteral("a"), 2},
               {QStringLiteral("A2"), QStringLiteral("c"), QStringLiteral("3")},
               {QStringLiteral("A3"), QStringLiteral("b"), 1}});
    QCOMPARE(g.footerText(QStringLiteral("Copy")), QStringLiteral("共 6 部"));
    QCOMPARE(column(g, QStringLiteral("CustomNum")), QStringList({"A2", "A3", "A1"}));
    QCOMPARE(g.model()->index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    g.setRows({QStringLiteral("CustomNum"), QStringLiteral("Name"), QStringLiteral("Copy")}, {});
    QCOMPARE(g.footerText(QStringLiteral("Copy")), QStringLiteral("共 0 部"));
    QVERIFY(!g.hasCurrentRow());
}

void tst_DataGrid::csvExport()
{
    addRental(m_account->db(), *m_account,
              {"4001", "O'Brien, \"Bob\"", "=HYPERLINK(\"x\")", "2024-03-09", 100, -500, 1},
              m_members);
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    m_grid->setSort(QStringLiteral("Deposit"));
    m_grid->setColumnVisible(QStringLiteral("Persons"), false);
    m_grid->moveColumn(QStringLiteral("Title"), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rentals.csv"));
    QString error;
    QVERIFY2(m_grid->exportCsv(path, &error), qPrintable(error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 9); // captions, seven rows, the empty text after the last line end
    // Hidden columns are left out; moved columns come in the order shown.
    QCOMPARE(lines[0], QStringLiteral("出租日期,影片名称,会员编号,客户名称,租金,押金"));
    // Quotes doubled, commas quoted, a formula defused; the negative amount stays a number.
    QCOMPARE(lines[1], QStringLiteral("2024-03-09,\"'=HYPERLINK(\"\"x\"\")\",4001,"
                                      "\"O'Brien, \"\"Bob\"\"\",1.00,-5.00"));
    QCOMPARE(lines[2], QStringLiteral("2024-03-01,大话西游,2001,王五,1.00,0.05"));
    QCOMPARE(lines[7], QStringLiteral("2024-03-02,无间道,1001,张三,2.50,30.00"));
    QVERIFY(lines[8].isEmpty());

    // Grouped: the rows come group by group, as the grid shows them.
    m_grid->groupBy(QStringLiteral("Num"));
    QVERIFY2(m_grid->exportCsv(path, &error), qPrintable(error));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList grouped = QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"));
    f.close();
    QStringList members;
    for (const QString &line : grouped.mid(1, 7))
        members << line.section(u',', 2, 2);
    QCOMPARE(members, QStringList({"1001", "1001", "1002", "1002", "2001", "2001", "4001"}));

    // A folder that cannot be written reports why.
    QVERIFY(!m_grid->exportCsv(dir.filePath(QStringLiteral("missing/x.csv")), &error));
    QVERIFY(!error.isEmpty());
}

void tst_DataGrid::csvExportThroughMenuProvider()
{
    RecordingPresenter boxes;
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list"));
    DataGrid::setSaveNameProvider([&](QWidget *, const QString &suggested) {
        return suggested.endsWith(QStringLiteral(".csv")) ? path : QString();
    });
    // Ctrl+E on the focused grid asks for the file, as the context menu's entry does.
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    m_grid->view()->setFocus();
    QTest::keyClick(m_grid->view(), Qt::Key_E, Qt::ControlModifier);
    DataGrid::setSaveNameProvider({});
    // The suffix is added; the operator is told where the rows went.
    QVERIFY(QFile::exists(path + QStringLiteral(".csv")));
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(boxes.lastText().startsWith(QStringLiteral("已导出 6 行到")));

    const QList<QAction *> actions = m_grid->actions();
    QVERIFY(std::any_of(actions.begin(), actions.end(), [](QAction *a) {
        return a->text() == QStringLiteral("导出 CSV...");
    }));

    // Cancelled: nothing written, nothing said.
    boxes.clear();
    DataGrid::setSaveNameProvider([](QWidget *, const QString &) { return QString(); });
    m_grid->exportWithDialog();
    DataGrid::setSaveNameProvider({});
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_DataGrid::hiddenAndMovedColumns()
{
    m_grid->open(m_account->db(), QString::fromLatin1(kRentalSql));
    QVERIFY(!m_grid->shownFields().contains(QStringLiteral("ID")));
    QVERIFY(m_grid->value(QStringLiteral("ID")).toLongLong() > 0);
    m_grid->moveColumn(QStringLiteral("Deposit"), 0);
    QCOMPARE(m_grid->shownFields().first(), QStringLiteral("Deposit"));
    m_grid->setColumnWidth(QStringLiteral("Title"), 150);
    QCOMPARE(m_grid->columnWidth(QStringLiteral("Title")), 150);
    // Any field of the query can be read, shown or not.
    QCOMPARE(m_grid->value(QStringLiteral("b.Rmoney")).toLongLong(), 300);
    // What the operator did to the columns survives a re-read.
    QHeaderView *h = m_grid->view()->header();
    h->resizeSection(m_grid->model()->columnOf(QStringLiteral("Num")), 133);
    m_grid->requery();
    QCOMPARE(m_grid->columnWidth(QStringLiteral("Num")), 133);
    QCOMPARE(m_grid->columnWidth(QStringLiteral("Title")), 150);
    QCOMPARE(m_grid->shownFields().first(), QStringLiteral("Deposit"));
    // Columns without a width of their own were fitted to caption and contents.
    QVERIFY(m_grid->columnWidth(QStringLiteral("c.Name")) >=
            m_grid->view()->fontMetrics().horizontalAdvance(QStringLiteral("客户名称")));
}

QTEST_MAIN(tst_DataGrid)
#include "tst_datagrid.moc"
