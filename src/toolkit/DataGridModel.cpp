#include "DataGridModel.h"

#include "GridMask.h"

#include <QStringConverter>

#include <algorithm>
#include <numeric>

namespace {

constexpr QChar kPathSeparator = QChar(0x1f);

// Internal ids carry the parent group (high half) and a scramble of the row (low half). Qt
// hashes a model index as (row << 4) + column + internalId, and its hash tables take the low
// bits: without the scramble the indexes of thousands of groups would crowd into a sixteenth
// of the buckets, and opening all groups of a large list would take many seconds.
quintptr makeId(int parentGroup, int row)
{
    const quint32 mix = quint32(row + 1) * 0x9E3779B1u ^ quint32(parentGroup + 1) * 0x85EBCA6Bu;
    return (quintptr(quint32(parentGroup + 1)) << 32) | mix;
}

int parentGroupOf(const QModelIndex &index)
{
    return int(quint32(index.internalId() >> 32)) - 1;
}

} // namespace

DataGridModel::DataGridModel(QObject *parent) : QAbstractItemModel(parent) {}

void DataGridModel::setColumns(const QList<Grid::Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_sortColumn = -1;
    m_groupColumns.clear();
    resolveFields();
    rearrange();
    endResetModel();
}

int DataGridModel::columnOf(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field == field)
            return i;
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DataGridModel::addFooter(const Grid::Footer &footer)
{
    m_footers << footer;
    resolveFields();
    computeSums();
    if (!m_columns.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(m_columns.size()) - 1);
}

void DataGridModel::clearFooters()
{
    m_footers.clear();
    m_footerStates.clear();
}

void DataGridModel::setTable(GridTable &&table)
{
    beginResetModel();
    m_table = std::move(table);
    resolveFields();
    rearrange();
    endResetModel();
}

void DataGridModel::appendArrived()
{
    const int old = int(m_order.size());
    const int n = m_table.rowCount();
    if (n <= old)
        return;
    if (m_sortColumn >= 0 || !m_groupColumns.isEmpty()) {
        beginResetModel();
        rearrange();
        endResetModel();
        return;
    }
    ++m_generation;
    beginInsertRows({}, old, n - 1);
    m_order.resize(n);
    m_position.resize(n);
    for (int r = old; r < n; ++r) {
        m_order[r] = r;
        m_position[r] = r;
    }
    endInsertRows();
}

void DataGridModel::finishArrival()
{
    appendArrived();
    // Columns whose storage was settled by the last rows may now resolve differently.
    resolveFields();
    computeSums();
}

void DataGridModel::resolveFields()
{
    m_columnField.assign(m_columns.size(), -1);
    for (int i = 0; i < m_columns.size(); ++i)
        m_columnField[i] = m_table.fieldIndex(m_columns[i].field);

    m_footerStates.clear();
    for (const Grid::Footer &f : std::as_const(m_footers)) {
        FooterState s;
        s.underColumn = columnOf(f.underField);
        const QString of = f.ofField.isEmpty() ? f.underField : f.ofField;
        s.field = m_table.fieldIndex(of);
        const int ofColumn = columnOf(of);
        const Grid::Kind kind = ofColumn >= 0 ? m_columns[ofColumn].kind : Grid::Kind::Integer;
        s.scale = kind == Grid::Kind::Money ? 2 : 0;
        s.real = kind == Grid::Kind::Real ||
                 (s.field >= 0 && m_table.storage(s.field) == GridTable::Storage::Real &&
                  kind != Grid::Kind::Money && kind != Grid::Kind::Integer);
        m_footerStates.push_back(std::move(s));
    }
}

int DataGridModel::fieldOfColumn(int column) const
{
    return column >= 0 && column < int(m_columnField.size()) ? m_columnField[column] : -1;
}

void DataGridModel::sort(int column, Qt::SortOrder order)
{
    if (column >= m_columns.size())
        return;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    rearrange();
    endResetModel();
}

void DataGridModel::setGroupColumns(const QList<int> &columns)
{
    beginResetModel();
    m_groupColumns.clear();
    for (int c : columns) {
        if (c >= 0 && c < m_columns.size() && !m_groupColumns.contains(c))
            m_groupColumns << c;
    }
    rearrange();
    endResetModel();
}

void DataGridModel::rearrange()
{
    ++m_generation;
    const int n = m_table.rowCount();
    m_order.resize(n);
    std::iota(m_order.begin(), m_order.end(), 0);

    // The keys: every group column (ascending, or as the sort asks when it is the same
    // column), then the sort column. Ties keep the order in which the rows were read.
    struct Key
    {
        int field;
        bool descending;
    };
    std::vector<Key> keys;
    for (int c : std::as_const(m_groupColumns)) {
        const int f = fieldOfColumn(c);
        if (f >= 0)
            keys.push_back({f, c == m_sortColumn && m_sortOrder == Qt::DescendingOrder});
    }
    const int sortField = fieldOfColumn(m_sortColumn);
    if (sortField >= 0)
        keys.push_back({sortField, m_sortOrder == Qt::DescendingOrder});

    if (!keys.empty()) {
        const GridTable &t = m_table;
        for (const Key &k : keys)
            t.prepareOrder(k.field);
        std::sort(m_order.begin(), m_order.end(), [&t, &keys](int a, int b) {
            for (const Key &k : keys) {
                int c = t.compare(k.field, a, b);
                if (c != 0)
                    return k.descending ? c > 0 : c < 0;
            }
            return a < b;
        });
    }
    m_position.resize(n);
    for (int p = 0; p < n; ++p)
        m_position[m_order[p]] = p;

    m_groups.clear();
    m_topGroups.clear();
    m_leafGroups.clear();
    if (!m_groupColumns.isEmpty() && n > 0)
        buildGroups(0, 0, n - 1, -1, m_topGroups);
    computeSums();
}

void DataGridModel::buildGroups(int level, int first, int last, int parent, std::vector<int> &into)
{
    const int field = fieldOfColumn(m_groupColumns[level]);
    const bool leaf = level == m_groupColumns.size() - 1;
    int start = first;
    for (int p = first; p <= last; ++p) {
        const bool cut =
            p == last || (field >= 0 && m_table.compare(field, m_order[p], m_order[p + 1]) != 0);
        if (!cut)
            continue;
        Group g;
        g.level = level;
        g.parent = parent;
        g.rowInParent = int(into.size());
        g.first = start;
        g.last = p;
        const int id = int(m_groups.size());
        m_groups.push_back(std::move(g));
        into.push_back(id);
        if (leaf) {
            m_leafGroups.push_back(id);
        } else {
            std::vector<int> children;
            buildGroups(level + 1, start, p, id, children);
            m_groups[id].children = std::move(children);
        }
        start = p + 1;
    }
}

void DataGridModel::computeSums()
{
    const int n = int(m_order.size());
    for (FooterState &s : m_footerStates) {
        s.runningInt.clear();
        s.runningReal.clear();
        const int index = int(&s - m_footerStates.data());
        if (m_footers[index].summary != Grid::Summary::Sum || s.field < 0)
            continue;
        if (s.real) {
            s.runningReal.resize(n + 1);
            s.runningReal[0] = 0;
            for (int p = 0; p < n; ++p)
                s.runningReal[p + 1] = s.runningReal[p] + m_table.real(m_order[p], s.field);
        } else {
            s.runningInt.resize(n + 1);
            s.runningInt[0] = 0;
            for (int p = 0; p < n; ++p)
                s.runningInt[p + 1] = s.runningInt[p] + m_table.integer(m_order[p], s.field);
        }
    }
}

QString DataGridModel::summaryText(const FooterState &f, int first, int last) const
{
    const Grid::Footer &footer = m_footers[int(&f - m_footerStates.data())];
    if (footer.summary == Grid::Summary::Count)
        return GridMask::format(footer.mask.isEmpty() ? QStringLiteral("0") : footer.mask,
                                qint64(last - first + 1), 0);
    const QString mask = !footer.mask.isEmpty() ? footer.mask
                         : f.scale == 2         ? QStringLiteral("0.00")
                         : f.real               ? QStringLiteral("0.##")
                                                : QStringLiteral("0");
    if (f.real) {
        const double sum =
            f.runningReal.empty() ? 0.0 : f.runningReal[last + 1] - f.runningReal[first];
        return GridMask::format(mask, sum);
    }
    const qint64 sum = f.runningInt.empty() ? 0 : f.runningInt[last + 1] - f.runningInt[first];
    return GridMask::format(mask, sum, f.scale);
}

QString DataGridModel::footerText(int column) const
{
    QStringList parts;
    for (const FooterState &f : m_footerStates) {
        if (f.underColumn == column)
            parts << summaryText(f, 0, int(m_order.size()) - 1);
    }
    return parts.join(QLatin1Char(' '));
}

QString DataGridModel::groupSummaryText(const QModelIndex &group, int column) const
{
    const int g = groupOfIndex(group);
    if (g < 0)
        return {};
    QStringList parts;
    for (const FooterState &f : m_footerStates) {
        if (f.underColumn == column)
            parts << summaryText(f, m_groups[g].first, m_groups[g].last);
    }
    return parts.join(QLatin1Char(' '));
}

QString DataGridModel::displayText(int tableRow, int column) const
{
    const int f = fieldOfColumn(column);
    if (f < 0 || tableRow < 0 || tableRow >= m_table.rowCount() || m_table.isNull(tableRow, f))
        return {};
    switch (m_columns[column].kind) {
    case Grid::Kind::Text:
        return m_table.toText(tableRow, f);
    case Grid::Kind::Integer:
        return QString::number(m_table.integer(tableRow, f));
    case Grid::Kind::Money:
        return GridMask::plain(m_table.integer(tableRow, f), 2);
    case Grid::Kind::Real:
        return QString::number(m_table.real(tableRow, f), 'g', 15);
    case Grid::Kind::Date: {
        const QString s = m_table.toText(tableRow, f);
        // "yyyy-MM-dd" and anything after it (a time) is not part of a date.
        return s.size() > 10 && s[4] == u'-' && s[7] == u'-' ? s.left(10) : s;
    }
    case Grid::Kind::DateTime: {
        QString s = m_table.toText(tableRow, f);
        if (s.size() > 10 && s[10] == u'T')
            s[10] = u' ';
        return s;
    }
    }
    return {};
}

int DataGridModel::findPrefix(const QString &field, const QString &prefix, Qt::CaseSensitivity cs,
                              Grid::SearchOrder in) const
{
    const int column = columnOf(field);
    const int f = column >= 0 ? fieldOfColumn(column) : m_table.fieldIndex(field);
    if (f < 0)
        return -1;
    const int n = int(m_order.size());
    int from = 0;
    const bool extends = m_memo.field == f && m_memo.cs == cs && m_memo.in == in &&
                         m_memo.generation == m_generation && prefix.startsWith(m_memo.prefix);
    const int *order = in == Grid::SearchOrder::Shown ? m_order.data() : nullptr;
    if (extends) {
        if (m_memo.position < 0)
            return -1;
        from = m_memo.position;
    }
    int found = -1;
    const bool stored = m_table.storage(f) == GridTable::Storage::Text &&
                        (column < 0 || m_columns[column].kind == Grid::Kind::Text);
    if (stored) {
        found = m_table.firstWithPrefix(f, prefix, order, n, from, cs);
    } else {
        for (int p = from; p < n && found < 0; ++p) {
            const int row = order ? order[p] : p;
            const QString s = column >= 0 ? displayText(row, column) : m_table.toText(row, f);
            if (s.startsWith(prefix, cs))
                found = p;
        }
    }
    m_memo = {f, prefix, cs, in, m_generation, found};
    if (found < 0)
        return -1;
    return order ? order[found] : found;
}

int DataGridModel::findValue(const QString &field, const QVariant &value) const
{
    const int f = m_table.fieldIndex(field);
    if (f < 0 || !value.isValid() || value.isNull())
        return -1;
    const int n = m_table.rowCount();
    switch (m_table.storage(f)) {
    case GridTable::Storage::Int: {
        bool ok = false;
        const qint64 key = value.toLongLong(&ok);
        for (int r = 0; ok && r < n; ++r) {
            if (!m_table.isNull(r, f) && m_table.integer(r, f) == key)
                return r;
        }
        return -1;
    }
    case GridTable::Storage::Real: {
        const double key = value.toDouble();
        for (int r = 0; r < n; ++r) {
            if (!m_table.isNull(r, f) && m_table.real(r, f) == key)
                return r;
        }
        return -1;
    }
    case GridTable::Storage::Text: {
        const QString key = value.toString();
        for (int r = 0; r < n; ++r) {
            if (!m_table.isNull(r, f) && m_table.text(r, f) == key)
                return r;
        }
        return -1;
    }
    }
    return -1;
}

QModelIndex DataGridModel::indexOfRow(int tableRow) const
{
    if (tableRow < 0 || tableRow >= int(m_position.size()))
        return {};
    const int pos = m_position[tableRow];
    if (m_groups.empty())
        return createIndex(pos, 0, makeId(-1, pos));
    // The last-level group whose range holds pos.
    const auto it = std::upper_bound(m_leafGroups.begin(), m_leafGroups.end(), pos,
                                     [this](int p, int g) { return p < m_groups[g].first; });
    const int leaf = *(it - 1);
    return createIndex(pos - m_groups[leaf].first, 0, makeId(leaf, pos - m_groups[leaf].first));
}

int DataGridModel::groupOfIndex(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || m_groups.empty())
        return -1;
    const int parent = parentGroupOf(index);
    if (parent < 0)
        return index.row() < int(m_topGroups.size()) ? m_topGroups[index.row()] : -1;
    const Group &p = m_groups[parent];
    if (p.level + 1 >= m_groupColumns.size())
        return -1; // a data row under a last-level group
    return index.row() < int(p.children.size()) ? p.children[index.row()] : -1;
}

bool DataGridModel::isGroup(const QModelIndex &index) const
{
    return groupOfIndex(index) >= 0;
}

int DataGridModel::tableRow(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || isGroup(index))
        return -1;
    const int parent = parentGroupOf(index);
    const int pos = parent < 0 ? index.row() : m_groups[parent].first + index.row();
    return pos >= 0 && pos < int(m_order.size()) ? m_order[pos] : -1;
}

QString DataGridModel::groupValueText(int group) const
{
    const Group &g = m_groups[group];
    const int column = m_groupColumns[g.level];
    const QString text = displayText(m_order[g.first], column);
    return text;
}

QString DataGridModel::groupPath(const QModelIndex &index) const
{
    int g = groupOfIndex(index);
    QStringList parts;
    while (g >= 0) {
        parts.prepend(groupValueText(g));
        g = m_groups[g].parent;
    }
    return parts.join(kPathSeparator);
}

QModelIndex DataGridModel::groupIndex(const QString &path) const
{
    const QStringList parts = path.split(kPathSeparator);
    const std::vector<int> *level = &m_topGroups;
    QModelIndex found;
    for (const QString &part : parts) {
        int match = -1;
        for (int g : *level) {
            if (groupValueText(g) == part) {
                match = g;
                break;
            }
        }
        if (match < 0)
            return {};
        const Group &g = m_groups[match];
        found = createIndex(g.rowInParent, 0, makeId(g.parent, g.rowInParent));
        level = &g.children;
    }
    return found;
}

QModelIndex DataGridModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= m_columns.size())
        return {};
    if (!parent.isValid()) {
        if (row >= (m_groups.empty() ? int(m_order.size()) : int(m_topGroups.size())))
            return {};
        return createIndex(row, column, makeId(-1, row));
    }
    const int g = groupOfIndex(parent);
    if (g < 0 || row >= rowCount(parent))
        return {};
    return createIndex(row, column, makeId(g, row));
}

QModelIndex DataGridModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const int p = parentGroupOf(child);
    if (p < 0)
        return {};
    const Group &g = m_groups[p];
    return createIndex(g.rowInParent, 0, makeId(g.parent, g.rowInParent));
}

int DataGridModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_groups.empty() ? int(m_order.size()) : int(m_topGroups.size());
    if (parent.column() > 0)
        return 0;
    const int g = groupOfIndex(parent);
    if (g < 0)
        return 0;
    const Group &group = m_groups[g];
    if (group.level + 1 < m_groupColumns.size())
        return int(group.children.size());
    return group.last - group.first + 1;
}

int DataGridModel::columnCount(const QModelIndex &) const
{
    return int(m_columns.size());
}

bool DataGridModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return rowCount() > 0;
    return parent.column() == 0 && isGroup(parent);
}

QVariant DataGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const int g = groupOfIndex(index);
    if (g >= 0) {
        const Group &group = m_groups[g];
        switch (role) {
        case IsGroupRole:
            return true;
        case GroupLevelRole:
            return group.level;
        case GroupCaptionRole:
            return QStringLiteral("%1: %2 (%3)")
                .arg(m_columns[m_groupColumns[group.level]].caption, groupValueText(g))
                .arg(group.last - group.first + 1);
        case GroupSummaryRole:
            return groupSummaryText(index, index.column());
        case Qt::DisplayRole:
            if (index.column() == 0 && groupSummaryText(index, 0).isEmpty())
                return data(index, GroupCaptionRole);
            return groupSummaryText(index, index.column());
        case Qt::TextAlignmentRole:
            return int(Grid::defaultAlignment(m_columns[index.column()].kind));
        default:
            return {};
        }
    }
    const int row = tableRow(index);
    if (row < 0)
        return {};
    const Grid::Column &col = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return displayText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(col.alignment ? col.alignment : Grid::defaultAlignment(col.kind));
    case IsGroupRole:
        return false;
    case RawValueRole: {
        const int f = fieldOfColumn(index.column());
        return f >= 0 ? m_table.value(row, f) : QVariant();
    }
    case SourceRowRole:
        return row;
    default:
        return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_columns[section].caption;
    case Qt::InitialSortOrderRole:
        return int(Qt::AscendingOrder);
    default:
        return {};
    }
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QStringList DataGridModel::captions(const QList<int> &columns) const
{
    QStringList captions;
    for (int c : columns)
        captions << m_columns[c].caption;
    return captions;
}

QList<QStringList> DataGridModel::shownTexts(const QList<int> &columns) const
{
    QList<QStringList> rows;
    rows.reserve(qsizetype(m_order.size()));
    for (int row : m_order) {
        QStringList line;
        line.reserve(columns.size());
        for (int c : columns)
            line << displayText(row, c);
        rows << line;
    }
    return rows;
}
