// The grid's model under Qt's own model checker: every index, parent and row count it hands a
// view must be consistent, flat, sorted and grouped, through every rearrangement a window makes.
#include "toolkit/DataGridModel.h"
#include "toolkit/GridTable.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

// Twelve lines over three members and two formats, with nulls among the texts and amounts,
// so that groups of different sizes, a group of nulls and equal sort keys all occur.
GridTable sampleTable()
{
    GridTable t;
    t.setFields({QStringLiteral("ID"), QStringLiteral("Member"), QStringLiteral("Format"),
                 QStringLiteral("Title"), QStringLiteral("Rent")});
    const QVariant null;
    const QList<QVariantList> rows = {
        {1, "张三", "DVD", "英雄", 300},       {2, "张三", "VCD", "无间道", 250},
        {3, "李四", "DVD", "卧虎藏龙", 300},   {4, null, "DVD", "功夫", null},
        {5, "李四", "VCD", "英雄本色", 200},   {6, "王五", "DVD", "大话西游", 100},
        {7, "张三", "DVD", "英雄", 300},       {8, "王五", null, "阿飞正传", 150},
        {9, null, "VCD", "Hero", 0},           {10, "李四", "DVD", "hero", 5},
        {11, "王五", "DVD", "重庆森林", 1250}, {12, "张三", "VCD", "英雄", 300},
    };
    for (const QVariantList &r : rows)
        t.appendRow(r);
    t.finish();
    return t;
}

QList<Grid::Column> sampleColumns()
{
    return {
        {QStringLiteral("ID"), QStringLiteral("编号"), Grid::Kind::Integer, 0, {}, false},
        {QStringLiteral("Member"), QStringLiteral("客户名称")},
        {QStringLiteral("Format"), QStringLiteral("格式")},
        {QStringLiteral("Title"), QStringLiteral("影片名称")},
        {QStringLiteral("Rent"), QStringLiteral("租金"), Grid::Kind::Money},
    };
}

// Every data row reachable from the root, depth first, by the table row it shows.
void collectRows(const DataGridModel &m, const QModelIndex &parent, QList<int> &into)
{
    for (int r = 0; r < m.rowCount(parent); ++r) {
        const QModelIndex i = m.index(r, 0, parent);
        if (m.isGroup(i))
            collectRows(m, i, into);
        else
            into << m.tableRow(i);
    }
}

QList<int> shownOrder(const DataGridModel &m)
{
    QList<int> rows;
    collectRows(m, {}, rows);
    return rows;
}

} // namespace

class tst_GridModel : public QObject
{
    Q_OBJECT
private slots:
    void consistentThroughEveryArrangement();
    void groupsHoldEveryRowOnceInShownOrder();
    void rowsArrivingInSteps();
    void emptyAndReplacedTables();
};

// The checker watches the model for the whole test: each step below is a change a window
// makes (new rows, a sort by a header click, a group dropped on the panel, an ungroup), and
// after each the checker walks the whole tree again.
void tst_GridModel::consistentThroughEveryArrangement()
{
    DataGridModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setColumns(sampleColumns());
    m.addFooter({QStringLiteral("Rent"), Grid::Summary::Sum, QStringLiteral("共0.00 元"), {}});
    m.setTable(sampleTable());
    QCOMPARE(m.rowCount(), 12);

    for (int column = 0; column < m.columnCount(); ++column) {
        m.sort(column, Qt::AscendingOrder);
        m.sort(column, Qt::DescendingOrder);
    }
    m.setGroupColumns({2});
    m.setGroupColumns({1, 2});
    m.sort(4, Qt::DescendingOrder);
    m.setGroupColumns({2, 1});
    m.sort(-1);
    m.setColumns(sampleColumns()); // columns configured again while grouped
    m.setGroupColumns({});
    QCOMPARE(m.rowCount(), 12);
    QCOMPARE(m.groupCount(), 0);
}

// Grouped, every data row appears exactly once, inside the group of its own key, and the tree
// read depth first is the order the model reports as shown (what export and locate use).
void tst_GridModel::groupsHoldEveryRowOnceInShownOrder()
{
    DataGridModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setColumns(sampleColumns());
    m.setTable(sampleTable());
    m.setGroupColumns({1, 2});
    m.sort(3);

    const QList<int> tree = shownOrder(m);
    QCOMPARE(tree.size(), 12);
    QList<int> sorted = tree;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 12; ++i)
        QCOMPARE(sorted[i], i);
    for (int p = 0; p < m.shownCount(); ++p) {
        QCOMPARE(m.shownRow(p), tree[p]);
        QCOMPARE(m.shownPosition(tree[p]), p);
    }

    // Each row sits under the groups of its member and format, and its index leads back there.
    const GridTable &t = m.table();
    for (int row = 0; row < t.rowCount(); ++row) {
        const QModelIndex i = m.indexOfRow(row);
        QVERIFY(i.isValid());
        QCOMPARE(m.tableRow(i), row);
        const QModelIndex format = i.parent();
        const QModelIndex member = format.parent();
        QVERIFY(m.isGroup(format) && m.isGroup(member));
        QVERIFY(!member.parent().isValid());
        QCOMPARE(m.data(format, DataGridModel::GroupLevelRole).toInt(), 1);
        QCOMPARE(m.data(member, DataGridModel::GroupLevelRole).toInt(), 0);
        QCOMPARE(m.groupPath(format).section(QChar(0x1f), 0, 0), t.toText(row, 1));
        QCOMPARE(m.groupPath(format).section(QChar(0x1f), 1, 1), t.toText(row, 2));
        QCOMPARE(m.groupIndex(m.groupPath(format)), format);
    }
    // Three members and the rows without one; 张三 has DVD and VCD.
    QCOMPARE(m.rowCount(), 4);
}

// A long list arrives in steps; the checker sees each step announced as inserted rows.
void tst_GridModel::rowsArrivingInSteps()
{
    DataGridModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setColumns(sampleColumns());
    m.addFooter({QStringLiteral("Rent"), Grid::Summary::Sum, QStringLiteral("0.00"), {}});

    const GridTable source = sampleTable();
    GridTable &arriving = m.arrivingTable();
    arriving.setFields({QStringLiteral("ID"), QStringLiteral("Member"), QStringLiteral("Format"),
                        QStringLiteral("Title"), QStringLiteral("Rent")});
    for (int row = 0; row < source.rowCount(); ++row) {
        QVariantList values;
        for (int f = 0; f < source.fieldCount(); ++f)
            values << source.value(row, f);
        arriving.appendRow(values);
        if (row % 5 == 4)
            m.appendArrived();
    }
    m.finishArrival();
    QCOMPARE(m.rowCount(), 12);
    QCOMPARE(m.footerText(4), QStringLiteral("31.55"));
    for (int row = 0; row < 12; ++row)
        QCOMPARE(m.tableRow(m.index(row, 0)), row);
}

void tst_GridModel::emptyAndReplacedTables()
{
    DataGridModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setColumns(sampleColumns());
    m.setGroupColumns({1});
    GridTable empty;
    empty.setFields({QStringLiteral("ID"), QStringLiteral("Member"), QStringLiteral("Format"),
                     QStringLiteral("Title"), QStringLiteral("Rent")});
    m.setTable(std::move(empty));
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.groupCount(), 0);

    m.setTable(sampleTable()); // a refresh that finds rows while grouped
    QVERIFY(m.groupCount() > 0);
    GridTable none;
    m.setTable(std::move(none)); // a refresh that fails to read anything
    QCOMPARE(m.rowCount(), 0);
    QVERIFY(!m.index(0, 0).isValid());
}

QTEST_GUILESS_MAIN(tst_GridModel)
#include "tst_gridmodel.moc"
