#include "DataGrid.h"

#include "CsvExport.h"
#include "DataGridModel.h"
#include "GridFooterBar.h"
#include "GridGroupPanel.h"
#include "GridReader.h"
#include "GridView.h"
#include "MessageBox.h"
#include "data/Db.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {

DataGrid::SaveNameProvider &saveNameProvider()
{
    static DataGrid::SaveNameProvider provider;
    return provider;
}

GridTable::Storage storageOf(Grid::Kind kind)
{
    switch (kind) {
    case Grid::Kind::Integer:
    case Grid::Kind::Money:
        return GridTable::Storage::Int;
    case Grid::Kind::Real:
        return GridTable::Storage::Real;
    default:
        return GridTable::Storage::Text;
    }
}

QString normalisedField(const QString &field)
{
    const QString lower = field.toLower();
    return lower.mid(lower.lastIndexOf(u'.') + 1);
}

// How the configured columns are stored, keyed as the readers expect.
QHash<QString, GridTable::Storage> storagesOf(const QList<Grid::Column> &columns)
{
    QHash<QString, GridTable::Storage> storages;
    for (const Grid::Column &c : columns)
        storages.insert(normalisedField(c.field), storageOf(c.kind));
    return storages;
}

// Rows read before the first screen is shown; the rest follow in steps of a few milliseconds.
constexpr int kFirstRows = 200;
constexpr int kStepMs = 15;

} // namespace

DataGrid::DataGrid(QWidget *parent)
    : QWidget(parent), m_model(new DataGridModel(this)), m_groupPanel(new GridGroupPanel(this)),
      m_view(new GridView(this)), m_footer(nullptr), m_loadTimer(new QTimer(this))
{
    // While rows are still arriving the sums are not known yet: the footer stays empty.
    m_footer = new GridFooterBar(
        m_view, [this](int column) { return m_cursor ? QString() : m_model->footerText(column); },
        this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(0);
    connect(m_loadTimer, &QTimer::timeout, this, &DataGrid::loadSlice);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_groupPanel);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    m_footer->hide();
    setFocusProxy(m_view);

    m_view->setModel(m_model);
    m_groupPanel->setHeader(m_view->header());

    connect(m_view->header(), &QHeaderView::sortIndicatorChanged, this,
            &DataGrid::onSortIndicatorChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    connect(m_view, &GridView::rowActivated, this, [this](const QModelIndex &index) {
        if (m_view->currentIndex() != index)
            m_view->setCurrentIndex(index);
        emit rowActivated();
    });

    connect(m_groupPanel, &GridGroupPanel::groupRequested, this, [this](int column, int level) {
        QList<int> levels = m_model->groupColumns();
        levels.removeAll(column);
        levels.insert(qBound(0, level, int(levels.size())), column);
        setGroupColumns(levels);
    });
    connect(m_groupPanel, &GridGroupPanel::ungroupRequested, this, [this](int column) {
        QList<int> levels = m_model->groupColumns();
        levels.removeAll(column);
        setGroupColumns(levels);
    });
    connect(m_groupPanel, &GridGroupPanel::clearRequested, this, [this] { setGroupColumns({}); });
    connect(m_groupPanel, &GridGroupPanel::chipClicked, this, [this](int column) {
        const bool reverse =
            m_model->sortColumn() == column && m_model->sortOrder() == Qt::AscendingOrder;
        m_view->header()->setSortIndicator(column,
                                           reverse ? Qt::DescendingOrder : Qt::AscendingOrder);
    });

    // The group arrows and the indent of grouped rows go into the first column shown.
    connect(m_view->header(), &QHeaderView::sectionMoved, this, &DataGrid::placeTree);

    m_view->header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view->header(), &QWidget::customContextMenuRequested, this,
            &DataGrid::showHeaderMenu);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &DataGrid::showViewMenu);

    // Export from the context menus and with Ctrl+E while the grid has the focus.
    m_exportAction = new QAction(tr("导出 CSV..."), this);
    m_exportAction->setObjectName(QStringLiteral("ActExportCsv"));
    m_exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_exportAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_exportAction, &QAction::triggered, this, &DataGrid::exportWithDialog);
    addAction(m_exportAction);

    // No sort until a window or the operator asks for one: rows as the query gives them.
    m_view->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

DataGrid::~DataGrid() = default;

QTreeView *DataGrid::view() const
{
    return m_view;
}

void DataGrid::showEvent(QShowEvent *event)
{
    // Screen readers and automation meet the rows in the view: it carries the grid's name.
    if (!accessibleName().isEmpty())
        m_view->setAccessibleName(accessibleName());
    QWidget::showEvent(event);
}

// --- Columns ---

void DataGrid::addColumn(const QString &field, const QString &caption, Grid::Kind kind, int width,
                         Qt::Alignment alignment)
{
    Grid::Column c;
    c.field = field;
    c.caption = caption;
    c.kind = kind;
    c.width = width;
    c.alignment = alignment;
    m_columns << c;
    rebuildColumns();
}

void DataGrid::addHiddenColumn(const QString &field, Grid::Kind kind)
{
    Grid::Column c;
    c.field = field;
    c.caption = field;
    c.kind = kind;
    c.visible = false;
    m_columns << c;
    rebuildColumns();
}

void DataGrid::setColumns(const QList<Grid::Column> &columns)
{
    m_columns = columns;
    rebuildColumns();
}

QList<Grid::Column> DataGrid::columns() const
{
    QList<Grid::Column> out = m_columns;
    for (int i = 0; i < out.size(); ++i) {
        if (!m_view->header()->isSectionHidden(i))
            out[i].width = m_view->header()->sectionSize(i);
    }
    return out;
}

int DataGrid::fieldOf(const QString &field) const
{
    return m_model->columnOf(field);
}

void DataGrid::setColumnVisible(const QString &field, bool visible)
{
    const int c = fieldOf(field);
    if (c < 0)
        return;
    m_columns[c].visible = visible;
    m_view->header()->setSectionHidden(c, !visible);
    placeTree();
    m_footer->update();
}

void DataGrid::setColumnWidth(const QString &field, int width)
{
    const int c = fieldOf(field);
    if (c < 0)
        return;
    m_columns[c].width = width;
    if (width > 0)
        m_view->header()->resizeSection(c, width);
}

int DataGrid::columnWidth(const QString &field) const
{
    const int c = fieldOf(field);
    return c < 0 ? 0 : m_view->header()->sectionSize(c);
}

void DataGrid::setColumnAlignment(const QString &field, Qt::Alignment alignment)
{
    const int c = fieldOf(field);
    if (c < 0)
        return;
    m_columns[c].alignment = alignment;
    rebuildColumns();
}

QStringList DataGrid::shownFields() const
{
    QStringList fields;
    for (int c : shownColumns())
        fields << m_columns[c].field;
    return fields;
}

void DataGrid::moveColumn(const QString &field, int visualPosition)
{
    const int c = fieldOf(field);
    if (c < 0)
        return;
    // The position counts shown columns only; hidden ones keep their places around them.
    const QList<int> shown = shownColumns();
    if (shown.isEmpty())
        return;
    QHeaderView *h = m_view->header();
    const int target = shown[qBound(0, visualPosition, int(shown.size()) - 1)];
    h->moveSection(h->visualIndex(c), h->visualIndex(target));
}

void DataGrid::setLastColumnFills(bool fills)
{
    m_view->header()->setStretchLastSection(fills);
}

QList<int> DataGrid::shownColumns() const
{
    QList<int> out;
    const QHeaderView *h = m_view->header();
    for (int v = 0; v < h->count(); ++v) {
        const int logical = h->logicalIndex(v);
        if (!h->isSectionHidden(logical))
            out << logical;
    }
    return out;
}

void DataGrid::placeTree()
{
    const QList<int> shown = shownColumns();
    m_view->setTreePosition(shown.isEmpty() ? 0 : shown.first());
}

void DataGrid::rebuildColumns()
{
    // The sort and the groups are kept by field across the change of columns.
    const QString sortField = this->sortField();
    const Qt::SortOrder order = sortOrder();
    const QStringList groups = groupFields();

    m_model->setColumns(m_columns);
    m_widthsApplied = false;
    applyColumnLayout();

    QList<int> groupColumns;
    for (const QString &g : groups) {
        const int c = fieldOf(g);
        if (c >= 0)
            groupColumns << c;
    }
    if (!groupColumns.isEmpty())
        setGroupColumns(groupColumns);
    const int sortColumn = sortField.isEmpty() ? -1 : fieldOf(sortField);
    m_view->header()->setSortIndicator(sortColumn, order);
    updateGroupPanel();
}

void DataGrid::applyColumnLayout()
{
    // What the window set: hidden columns and widths. The operator's later changes stand
    // until the window sets up its columns again.
    QHeaderView *h = m_view->header();
    for (int c = 0; c < m_columns.size(); ++c) {
        h->setSectionHidden(c, !m_columns[c].visible);
        if (m_columns[c].width > 0)
            h->resizeSection(c, m_columns[c].width);
    }
    m_widthsApplied = false;
    fitColumnsOnce();
    placeTree();
}

void DataGrid::fitColumnsOnce()
{
    if (m_widthsApplied || m_model->shownCount() == 0)
        return;
    // Columns without a width of their own are sized once, to their caption and what the
    // first rows show, within reason; after that the widths are the operator's.
    QHeaderView *h = m_view->header();
    const QFontMetrics fm(m_view->font());
    const int sample = qMin(m_model->shownCount(), 200);
    const qsizetype levels = m_model->groupColumns().size();
    const int indent = levels > 0 ? int(levels + 1) * m_view->indentation() : 0;
    for (int c = 0; c < m_columns.size(); ++c) {
        const Grid::Column &col = m_columns[c];
        if (col.width > 0 || !col.visible)
            continue;
        int w = fm.horizontalAdvance(col.caption) + 28;
        for (int p = 0; p < sample; ++p)
            w = qMax(w, fm.horizontalAdvance(m_model->displayText(m_model->shownRow(p), c)) + 16);
        w = qBound(48, w, 320);
        if (c == m_view->treePosition())
            w += indent;
        h->resizeSection(c, w);
    }
    m_widthsApplied = true;
}

// --- Footer ---

void DataGrid::setFooter(const QString &underField, Grid::Summary summary, const QString &mask,
                         const QString &ofField)
{
    Grid::Footer f;
    f.underField = underField;
    f.summary = summary;
    f.mask = mask;
    f.ofField = ofField;
    m_model->addFooter(f);
    m_footer->setVisible(m_footerVisible);
    m_footer->update();
}

QString DataGrid::footerText(const QString &underField) const
{
    ensureLoaded();
    const int c = fieldOf(underField);
    return c < 0 ? QString() : m_model->footerText(c);
}

void DataGrid::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible && m_model->hasFooter());
}

// --- Sorting ---

void DataGrid::setSort(const QString &field, Qt::SortOrder order)
{
    const int c = field.isEmpty() ? -1 : fieldOf(field);
    m_view->header()->setSortIndicator(c, order);
    if (c < 0)
        onSortIndicatorChanged(-1, order);
}

QString DataGrid::sortField() const
{
    const int c = m_model->sortColumn();
    return c >= 0 && c < m_columns.size() ? m_columns[c].field : QString();
}

Qt::SortOrder DataGrid::sortOrder() const
{
    return m_model->sortOrder();
}

void DataGrid::onSortIndicatorChanged(int column, Qt::SortOrder order)
{
    if (column == m_model->sortColumn() && order == m_model->sortOrder())
        return;
    ensureLoaded();
    // Groups keep their open state: the sort changes only the order inside them.
    const int row = currentTableRow();
    const QSet<QString> expanded = expandedGroups();
    m_model->sort(column, order);
    expandGroups(expanded);
    if (row >= 0)
        makeCurrent(row);
    m_footer->update();
}

// --- Grouping ---

void DataGrid::setGroupBoxVisible(bool visible)
{
    m_groupPanel->setVisible(visible);
    m_view->gridHeader()->setGroupDragEnabled(visible);
}

bool DataGrid::isGroupBoxVisible() const
{
    return !m_groupPanel->isHidden();
}

void DataGrid::groupBy(const QString &field)
{
    const int c = fieldOf(field);
    if (c < 0)
        return;
    QList<int> levels = m_model->groupColumns();
    if (!levels.contains(c))
        setGroupColumns(levels << c);
}

void DataGrid::ungroup(const QString &field)
{
    const int c = fieldOf(field);
    QList<int> levels = m_model->groupColumns();
    if (levels.removeAll(c) > 0)
        setGroupColumns(levels);
}

void DataGrid::clearGrouping()
{
    setGroupColumns({});
}

QStringList DataGrid::groupFields() const
{
    QStringList out;
    for (int c : m_model->groupColumns())
        out << m_columns.value(c).field;
    return out;
}

void DataGrid::setGroupColumns(const QList<int> &columns)
{
    ensureLoaded();
    const int row = currentTableRow();
    // Grouped rows are indented in the first column: it grows by the indent, so its text
    // keeps the room it had.
    const auto indentOf = [this](qsizetype levels) {
        return levels > 0 ? int(levels + 1) * m_view->indentation() : 0;
    };
    const int widen = indentOf(columns.size()) - indentOf(m_model->groupColumns().size());
    m_model->setGroupColumns(columns);
    m_view->setRootIsDecorated(!columns.isEmpty());
    if (const QList<int> shown = shownColumns(); widen != 0 && !shown.isEmpty()) {
        QHeaderView *h = m_view->header();
        h->resizeSection(shown.first(),
                         qMax(h->minimumSectionSize(), h->sectionSize(shown.first()) + widen));
    }
    if (row >= 0)
        makeCurrent(row);
    updateGroupPanel();
    m_footer->update();
}

void DataGrid::updateGroupPanel()
{
    QStringList captions;
    for (int c : m_model->groupColumns())
        captions << m_columns.value(c).caption;
    m_groupPanel->setLevels(m_model->groupColumns(), captions);
}

QSet<QString> DataGrid::expandedGroups() const
{
    QSet<QString> paths;
    if (m_model->groupColumns().isEmpty())
        return paths;
    std::function<void(const QModelIndex &)> collect = [&](const QModelIndex &parent) {
        const int n = m_model->rowCount(parent);
        for (int r = 0; r < n; ++r) {
            const QModelIndex i = m_model->index(r, 0, parent);
            if (!m_model->isGroup(i) || !m_view->isExpanded(i))
                continue;
            paths.insert(m_model->groupPath(i));
            collect(i);
        }
    };
    collect({});
    return paths;
}

void DataGrid::expandGroups(const QSet<QString> &paths)
{
    if (paths.isEmpty())
        return;
    // Walks only into groups that were open, so the cost follows what the operator opened.
    std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
        const int n = m_model->rowCount(parent);
        for (int r = 0; r < n; ++r) {
            const QModelIndex i = m_model->index(r, 0, parent);
            if (!m_model->isGroup(i) || !paths.contains(m_model->groupPath(i)))
                continue;
            m_view->expand(i);
            walk(i);
        }
    };
    walk({});
}

void DataGrid::expandAll()
{
    m_view->expandAll();
}

void DataGrid::collapseAll()
{
    m_view->collapseAll();
}

// --- Rows ---

void DataGrid::setKeyField(const QString &field)
{
    m_keyField = field;
}

QString DataGrid::keyField() const
{
    return m_keyField;
}

void DataGrid::open(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    stopLoading();
    m_connection = db.connectionName();
    m_sql = sql;
    m_params = params;
    m_hasQuery = true;
    // A sorted or grouped list needs every row before its first screen is right.
    if (m_stepwise && m_model->sortColumn() < 0 && m_model->groupColumns().isEmpty())
        openStepwise();
    else
        reload(false);
}

QSqlDatabase DataGrid::connection() const
{
    return QSqlDatabase::database(m_connection, false);
}

void DataGrid::requery()
{
    if (!m_hasQuery)
        return;
    // Rows still arriving are dropped: the new reading replaces them.
    ensureLoaded();
    reload(true);
}

void DataGrid::openStepwise()
{
    GridTable table;
    auto cursor = std::make_unique<GridReader::Cursor>(connection(), m_sql, m_params,
                                                       storagesOf(m_columns), table);
    const bool done = cursor->fetch(table, kFirstRows);
    m_model->setTable(std::move(table));
    fitColumnsOnce();
    if (!done) {
        m_cursor = std::move(cursor);
        m_loadTimer->start();
    }
    m_lastCurrent = -2;
    restoreCurrent({}, 0);
    m_footer->update();
    emit reloaded();
    if (m_lastCurrent == -2) {
        m_lastCurrent = currentTableRow();
        emit currentRowChanged();
    }
    if (done) {
        m_model->finishArrival();
        m_footer->update();
        emit loadFinished();
    }
}

void DataGrid::loadSlice()
{
    if (!m_cursor)
        return;
    bool done = true;
    QString failure;
    try {
        done = m_cursor->fetch(m_model->arrivingTable(), std::numeric_limits<int>::max(), kStepMs);
    } catch (const Db::DbError &e) {
        failure = e.message();
    }
    m_model->appendArrived();
    if (!done && failure.isEmpty()) {
        continuePendingLocate();
        m_loadTimer->start();
        return;
    }
    m_cursor.reset();
    m_model->finishArrival();
    continuePendingLocate();
    m_footer->update();
    emit loadFinished();
    if (!failure.isEmpty())
        Msg::error(this, tr("读取列表失败：%1").arg(failure));
}

void DataGrid::fetchAll()
{
    if (!m_cursor)
        return;
    m_loadTimer->stop();
    QString failure;
    try {
        m_cursor->fetch(m_model->arrivingTable(), std::numeric_limits<int>::max());
    } catch (const Db::DbError &e) {
        failure = e.message();
    }
    m_cursor.reset();
    m_model->finishArrival();
    continuePendingLocate();
    m_footer->update();
    emit loadFinished();
    if (!failure.isEmpty())
        Msg::error(this, tr("读取列表失败：%1").arg(failure));
}

void DataGrid::stopLoading()
{
    m_loadTimer->stop();
    m_cursor.reset();
    m_pendingLocate.reset();
}

void DataGrid::continuePendingLocate()
{
    if (!m_pendingLocate)
        return;
    const PendingLocate p = *m_pendingLocate;
    const int row = m_model->findPrefix(p.field, p.prefix, Qt::CaseSensitive, p.in);
    if (row < 0) {
        if (!isLoading())
            m_pendingLocate.reset();
        return;
    }
    m_pendingLocate.reset();
    m_applyingLocate = true;
    makeCurrent(row);
    m_applyingLocate = false;
}

void DataGrid::reload(bool keepState)
{
    // Read first: a failing query throws before anything shown changes.
    GridTable table = GridReader::read(connection(), m_sql, m_params, storagesOf(m_columns));

    QVariant key;
    int position = -1;
    QSet<QString> expanded;
    const int scroll = m_view->verticalScrollBar()->value();
    if (keepState) {
        const int row = currentTableRow();
        if (row >= 0) {
            position = m_model->shownPosition(row);
            const int keyField =
                m_keyField.isEmpty() ? -1 : m_model->table().fieldIndex(m_keyField);
            if (keyField >= 0)
                key = m_model->table().value(row, keyField);
        }
        expanded = expandedGroups();
    }

    m_model->setTable(std::move(table));
    fitColumnsOnce();
    expandGroups(expanded);

    m_lastCurrent = -2;
    restoreCurrent(key, position);
    if (keepState)
        m_view->verticalScrollBar()->setValue(scroll);
    if (const int row = currentTableRow(); row >= 0)
        m_view->scrollTo(m_model->indexOfRow(row));
    m_footer->update();
    emit reloaded();
    if (m_lastCurrent == -2) {
        m_lastCurrent = currentTableRow();
        emit currentRowChanged();
    }
    emit loadFinished();
}

void DataGrid::restoreCurrent(const QVariant &key, int position)
{
    const int n = m_model->shownCount();
    if (n == 0) {
        m_view->setCurrentIndex({});
        return;
    }
    int row = -1;
    if (key.isValid() && !m_keyField.isEmpty())
        row = m_model->findValue(m_keyField, key);
    if (row < 0)
        row = m_model->shownRow(qBound(0, position, n - 1));
    makeCurrent(row);
}

void DataGrid::setRows(const QStringList &fields, const QList<QVariantList> &rows)
{
    stopLoading();
    QList<std::optional<GridTable::Storage>> storages;
    for (const QString &f : fields) {
        std::optional<GridTable::Storage> s;
        for (const Grid::Column &c : std::as_const(m_columns)) {
            if (normalisedField(c.field) == normalisedField(f))
                s = storageOf(c.kind);
        }
        storages << s;
    }
    GridTable table;
    table.setFields(fields, storages);
    for (const QVariantList &r : rows)
        table.appendRow(r);
    table.finish();

    const int row = currentTableRow();
    const int position = row >= 0 ? m_model->shownPosition(row) : -1;
    m_hasQuery = false;
    m_model->setTable(std::move(table));
    fitColumnsOnce();
    m_lastCurrent = -2;
    restoreCurrent({}, position);
    m_footer->update();
    emit reloaded();
    if (m_lastCurrent == -2) {
        m_lastCurrent = currentTableRow();
        emit currentRowChanged();
    }
    emit loadFinished();
}

void DataGrid::clear()
{
    stopLoading();
    m_hasQuery = false;
    m_connection.clear();
    m_model->setTable(GridTable());
    m_footer->update();
    m_lastCurrent = -1;
    emit reloaded();
    emit currentRowChanged();
    emit loadFinished();
}

int DataGrid::rowCount() const
{
    ensureLoaded();
    return m_model->shownCount();
}

bool DataGrid::isEmpty() const
{
    return m_model->shownCount() == 0;
}

// --- The current row ---

int DataGrid::currentTableRow() const
{
    return m_model->tableRow(m_view->currentIndex());
}

void DataGrid::makeCurrent(int tableRow)
{
    const QModelIndex index = m_model->indexOfRow(tableRow);
    if (!index.isValid())
        return;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        m_view->expand(p);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void DataGrid::onCurrentChanged(const QModelIndex &)
{
    // The operator moved on: a search still waiting for rows no longer applies.
    if (!m_applyingLocate)
        m_pendingLocate.reset();
    const int row = currentTableRow();
    if (row == m_lastCurrent)
        return;
    m_lastCurrent = row;
    emit currentRowChanged();
}

bool DataGrid::hasCurrentRow() const
{
    return currentTableRow() >= 0;
}

QVariant DataGrid::value(const QString &field) const
{
    const int row = currentTableRow();
    const int f = m_model->table().fieldIndex(field);
    return row < 0 || f < 0 ? QVariant() : m_model->table().value(row, f);
}

QString DataGrid::text(const QString &field) const
{
    return textAt(currentPosition(), field);
}

bool DataGrid::locate(const QString &field, const QString &prefix, Grid::SearchOrder in)
{
    m_pendingLocate.reset();
    if (prefix.isEmpty())
        return false;
    const int row = m_model->findPrefix(field, prefix, Qt::CaseSensitive, in);
    if (row < 0) {
        // While rows still arrive the list is neither sorted nor grouped, so the rows in are
        // the first ones of both orders: the search goes on over the rows still to come.
        if (isLoading())
            m_pendingLocate = PendingLocate{field, prefix, in};
        return false;
    }
    m_applyingLocate = true;
    makeCurrent(row);
    m_applyingLocate = false;
    return true;
}

bool DataGrid::locateValue(const QString &field, const QVariant &value)
{
    ensureLoaded();
    const int row = m_model->findValue(field, value);
    if (row < 0)
        return false;
    makeCurrent(row);
    return true;
}

int DataGrid::currentPosition() const
{
    const int row = currentTableRow();
    return row < 0 ? -1 : m_model->shownPosition(row);
}

bool DataGrid::setCurrentPosition(int position)
{
    ensureLoaded();
    if (position < 0 || position >= m_model->shownCount())
        return false;
    makeCurrent(m_model->shownRow(position));
    return true;
}

QVariant DataGrid::valueAt(int position, const QString &field) const
{
    ensureLoaded();
    if (position < 0 || position >= m_model->shownCount())
        return {};
    const int f = m_model->table().fieldIndex(field);
    return f < 0 ? QVariant() : m_model->table().value(m_model->shownRow(position), f);
}

QString DataGrid::textAt(int position, const QString &field) const
{
    ensureLoaded();
    if (position < 0 || position >= m_model->shownCount())
        return {};
    const int row = m_model->shownRow(position);
    const int c = fieldOf(field);
    if (c >= 0)
        return m_model->displayText(row, c);
    const int f = m_model->table().fieldIndex(field);
    return f < 0 ? QString() : m_model->table().toText(row, f);
}

// --- Export ---

bool DataGrid::exportCsv(const QString &path, QString *error) const
{
    ensureLoaded();
    const QList<int> columns = shownColumns();
    return Csv::write(path, m_model->captions(columns), m_model->shownTexts(columns), error);
}

void DataGrid::setSaveNameProvider(SaveNameProvider provider)
{
    saveNameProvider() = std::move(provider);
}

QString DataGrid::suggestedExportName() const
{
    QString base = accessibleName();
    if (base.isEmpty())
        base = window() ? window()->windowTitle() : QString();
    if (base.isEmpty())
        base = tr("导出");
    base.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]+")), QStringLiteral("_"));
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(dir).filePath(base + QLatin1Char('_') +
                              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                              QStringLiteral(".csv"));
}

void DataGrid::exportWithDialog()
{
    const QString suggested = suggestedExportName();
    QString path = saveNameProvider() ? saveNameProvider()(this, suggested)
                                      : QFileDialog::getSaveFileName(this, tr("导出"), suggested,
                                                                     tr("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    QString error;
    if (exportCsv(path, &error)) {
        Msg::info(this,
                  tr("已导出 %1 行到\n%2").arg(rowCount()).arg(QDir::toNativeSeparators(path)));
    } else {
        Msg::error(this, tr("导出失败：%1").arg(error));
    }
}

// --- Menus ---

void DataGrid::showHeaderMenu(const QPoint &pos)
{
    const int column = m_view->header()->logicalIndexAt(pos);
    QMenu menu(this);
    if (column >= 0 && isGroupBoxVisible()) {
        if (m_model->groupColumns().contains(column)) {
            menu.addAction(tr("取消按此列分组"), this,
                           [this, column] { ungroup(m_columns[column].field); });
        } else {
            menu.addAction(tr("按此列分组"), this,
                           [this, column] { groupBy(m_columns[column].field); });
        }
        menu.addSeparator();
    }
    if (!m_model->groupColumns().isEmpty()) {
        menu.addAction(tr("全部展开"), this, &DataGrid::expandAll);
        menu.addAction(tr("全部折叠"), this, &DataGrid::collapseAll);
        menu.addSeparator();
    }
    menu.addAction(m_exportAction);
    menu.exec(m_view->header()->mapToGlobal(pos));
}

void DataGrid::showViewMenu(const QPoint &pos)
{
    QMenu menu(this);
    if (!m_model->groupColumns().isEmpty()) {
        menu.addAction(tr("全部展开"), this, &DataGrid::expandAll);
        menu.addAction(tr("全部折叠"), this, &DataGrid::collapseAll);
        menu.addSeparator();
    }
    menu.addAction(m_exportAction);
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}
