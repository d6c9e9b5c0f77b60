#pragma once

#include "GridTable.h"
#include "GridTypes.h"

#include <QAbstractItemModel>
#include <QList>

#include <vector>


// The model behind a DataGrid, free of widgets: the rows (a GridTable), the configured
// columns, the order (an index array sorted by the group fields and the sort field) and the
// groups over it. Without grouping the model is a flat list; with grouping its top-level
// rows are groups, each group holds its subgroups or, at the last level, the data rows.
//
// Rearranging never moves row data: sorting sorts an array of row numbers, grouping is a
// sort by the group keys followed by one pass that cuts the order where a key changes, and
// group and footer sums are differences of running sums along the order.
class DataGridModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role {
        IsGroupRole = Qt::UserRole + 1, // bool: the index is a group row
        GroupLevelRole,                 // int: 0 for the outermost groups
        GroupCaptionRole,               // QString: "caption: value (count)" of a group row
        GroupSummaryRole,               // QString: a group row's sums under this column
        RawValueRole,                   // the stored value of a data cell
        SourceRowRole,                  // int: the row's number in the table
    };

    explicit DataGridModel(QObject *parent = nullptr);

    // Configuration. Setting columns or footers re-evaluates the current rows.
    void setColumns(const QList<Grid::Column> &columns);
    const QList<Grid::Column> &columns() const { return m_columns; }
    int columnOf(const QString &field) const; // index in columns(), -1 if none
    void addFooter(const Grid::Footer &footer);
    void clearFooters();
    const QList<Grid::Footer> &footers() const { return m_footers; }

    // The rows. The table is taken over and arranged by the current sort and groups.
    void setTable(GridTable &&table);
    const GridTable &table() const { return m_table; }
    // Rows arriving in steps: a reader appends to the table, then appendArrived() shows the
    // rows added since the last call, and finishArrival() brings the sums up to date once the
    // last row is in. Meant for an unsorted, ungrouped model (otherwise it rearranges).
    GridTable &arrivingTable() { return m_table; }
    void appendArrived();
    void finishArrival();

    // Sorting by a configured column (-1: the order of the rows as read).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // Grouping by configured columns, outermost first.
    void setGroupColumns(const QList<int> &columns);
    const QList<int> &groupColumns() const { return m_groupColumns; }

    // Rows in the order shown (groups open or closed): number of rows and table row at pos.
    int shownCount() const { return int(m_order.size()); }
    int shownRow(int pos) const { return m_order[pos]; }
    int shownPosition(int tableRow) const { return m_position[tableRow]; }

    // The text a cell of a data row shows, for a configured column.
    QString displayText(int tableRow, int column) const;
    // The first row in shown order whose field begins with prefix; -1 when none does. Looks
    // at the shown text of configured columns, at the stored text of other fields.
    int findPrefix(const QString &field, const QString &prefix,
                   Qt::CaseSensitivity cs = Qt::CaseSensitive,
                   Grid::SearchOrder in = Grid::SearchOrder::Shown) const;
    // The first row whose field equals value (a key); -1 when none does.
    int findValue(const QString &field, const QVariant &value) const;

    // The model index of a data row (column 0), and the table row of an index (-1 for a group).
    QModelIndex indexOfRow(int tableRow) const;
    int tableRow(const QModelIndex &index) const;
    bool isGroup(const QModelIndex &index) const;
    // A group row's key path ("value\x1fvalue"), to find the same group after a rearrangement.
    QString groupPath(const QModelIndex &index) const;
    QModelIndex groupIndex(const QString &path) const;
    int groupCount() const { return int(m_groups.size()); }

    // Footer text under a configured column (empty when it has no footer); the same summary
    // over one group's rows for a group index.
    QString footerText(int column) const;
    QString groupSummaryText(const QModelIndex &group, int column) const;
    bool hasFooter() const { return !m_footers.isEmpty(); }

    // The captions of the given model columns, and the texts the rows show in them, one list
    // per row in the order shown (what an export writes).
    QStringList captions(const QList<int> &columns) const;
    QList<QStringList> shownTexts(const QList<int> &columns) const;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Group
    {
        int level = 0;
        int parent = -1; // group index, -1 at the top
        int rowInParent = 0;
        int first = 0; // range [first, last] in m_order
        int last = -1;
        std::vector<int> children; // subgroups (all levels but the last)
    };
    struct FooterState
    {
        int underColumn = -1;
        int field = -1; // table field summed; -1 when missing
        int scale = 0;  // decimals of the stored integers (2 for money)
        bool real = false;
        std::vector<qint64> runningInt; // running sums along the order, n + 1 entries
        std::vector<double> runningReal;
    };

    void rearrange();
    void resolveFields();
    void buildGroups(int level, int first, int last, int parent, std::vector<int> &into);
    void computeSums();
    QString summaryText(const FooterState &f, int first, int last) const;
    int groupOfIndex(const QModelIndex &index) const; // -1 for data rows
    int fieldOfColumn(int column) const;
    QString groupValueText(int group) const;

    GridTable m_table;
    QList<Grid::Column> m_columns;
    std::vector<int> m_columnField; // table field of each configured column, -1 if missing
    QList<Grid::Footer> m_footers;
    std::vector<FooterState> m_footerStates;

    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QList<int> m_groupColumns;

    std::vector<int> m_order;    // table rows in shown order
    std::vector<int> m_position; // inverse of m_order
    std::vector<Group> m_groups;
    std::vector<int> m_topGroups;
    std::vector<int> m_leafGroups; // last-level groups, in order of their ranges

    // The last locate: the search box asks again at every keystroke with a longer text, and
    // no row before the last match can begin with a longer one.
    struct PrefixMemo
    {
        int field = -1;
        QString prefix;
        Qt::CaseSensitivity cs = Qt::CaseSensitive;
        Grid::SearchOrder in = Grid::SearchOrder::Shown;
        quint64 generation = 0;
        int position = -1; // -1: no row began with prefix
    };
    mutable PrefixMemo m_memo;
    quint64 m_generation = 1; // changes whenever the rows or their order change
};
