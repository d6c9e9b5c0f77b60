#pragma once

// DataGrid: the list grid of every window.
//
// A window configures its grid once, then opens it on a query:
//
//     m_grid = new DataGrid(this);
//     m_grid->setObjectName(QStringLiteral("dxDBGrid1"));
//     m_grid->addHiddenColumn(QStringLiteral("ID"));                 // key, readable, not shown
//     m_grid->addColumn(QStringLiteral("DatTime"), QStringLiteral("出租日期"), Grid::Kind::Date);
//     m_grid->addColumn(QStringLiteral("Num"), QStringLiteral("会员编号"));
//     m_grid->addColumn(QStringLiteral("deposit"), QStringLiteral("押金"), Grid::Kind::Money);
//     m_grid->setFooter(QStringLiteral("deposit"), Grid::Summary::Sum, QStringLiteral("共0.00
//     元")); m_grid->setSort(QStringLiteral("Name"), Qt::DescendingOrder);
//     m_grid->setKeyField(QStringLiteral("ID"));                      // keeps the row on requery
//     m_grid->open(m_account.db(), QStringLiteral("select ... where b.Ass_Number = ?"),
//                  {memberId});                                    // DbError
//     connect(m_grid, &DataGrid::rowActivated, this, &TMyFm::dxDBGrid1DblClick);
//     connect(m_grid, &DataGrid::currentRowChanged, this, &TMyFm::ADOListAfterScroll);
//     ...
//     m_grid->locate(QStringLiteral("Num"), typedText);               // search box
//     const qint64 id = m_grid->value(QStringLiteral("ID")).toLongLong();
//     m_grid->requery();                                             // after a dialog closed
//
// A list the window holds itself (items not yet saved) goes in with setRows(fields, rows).
// Long unsorted lists show their first screen at once and read the rest in short steps.
//
// Traits: whole-row selection, read-only, keyboard navigation; a header click sorts, a second
// click reverses; dragging a header into the group box above groups by that column (several
// levels), dragging it back out ungroups; a footer with sums or counts through masks; columns
// move and resize; "导出 CSV..." in the context menu (or Ctrl+E) writes the rows shown as CSV.
//
// Columns are named by the field names of the query result. SQLite names a selected column
// by its name without the table ("a.Name" comes out as "Name"); the grid accepts either.
// Values: Money columns hold integer cents (value() gives cents), dates their stored text.

#include "GridTypes.h"

class QSqlDatabase;

#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace GridReader {
class Cursor;
}
class DataGridModel;
class QAction;
class QTimer;
class GridFooterBar;
class GridGroupPanel;
class GridView;
class QModelIndex;
class QTreeView;

class DataGrid : public QWidget
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // --- Columns (in the order they are added; the operator may move them) ---
    void addColumn(const QString &field, const QString &caption, Grid::Kind kind = Grid::Kind::Text,
                   int width = 0, Qt::Alignment alignment = {});
    void addHiddenColumn(const QString &field, Grid::Kind kind = Grid::Kind::Integer);
    void setColumns(const QList<Grid::Column> &columns);
    QList<Grid::Column> columns() const;
    void setColumnVisible(const QString &field, bool visible);
    void setColumnWidth(const QString &field, int width);
    int columnWidth(const QString &field) const;
    void setColumnAlignment(const QString &field, Qt::Alignment alignment);
    // Visible columns in the order shown (after the operator moved some).
    QStringList shownFields() const;
    // Moves a column to a position among the shown columns (as dragging its header does).
    void moveColumn(const QString &field, int visualPosition);
    // The last column takes the width left over (lists "sized to fill the width").
    void setLastColumnFills(bool fills);

    // --- Footer: a sum of ofField (or of the column itself) or a row count, under a column ---
    void setFooter(const QString &underField, Grid::Summary summary, const QString &mask,
                   const QString &ofField = QString());
    QString footerText(const QString &underField) const;
    void setFooterVisible(bool visible);

    // --- Sorting ---
    void setSort(const QString &field, Qt::SortOrder order = Qt::AscendingOrder);
    QString sortField() const;
    Qt::SortOrder sortOrder() const;

    // --- Grouping ---
    void setGroupBoxVisible(bool visible); // on by default
    bool isGroupBoxVisible() const;
    void groupBy(const QString &field); // adds a level below the existing ones
    void ungroup(const QString &field);
    void clearGrouping();
    QStringList groupFields() const;
    void expandAll();
    void collapseAll();

    // --- Rows ---
    // The field that identifies a row (e.g. "ID"): requery() keeps the current row by it.
    void setKeyField(const QString &field);
    QString keyField() const;
    // Runs sql with its bound parameters on the connection db (the window's account) and shows
    // the rows; requery() reads through the same connection. Throws Db::DbError.
    // A long list unsorted and ungrouped shows its first screen at once and reads the rest in
    // short steps while the program stays responsive; whatever needs every row (sorting,
    // grouping, locate, sums, rowCount, export) first reads the rest.
    void open(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
    // True while rows of the last open() are still arriving; fetchAll() waits for them.
    bool isLoading() const { return m_cursor != nullptr; }
    void fetchAll();
    // Off: open() reads every row before it returns (on by default).
    void setStepwiseLoading(bool on) { m_stepwise = on; }
    // Runs the last query again, keeping sort, groups, open groups and the current row (by
    // the key field, else by position). Throws Db::DbError; the rows shown stay as they were.
    void requery();
    // Shows rows held by the window itself (an item list not yet saved).
    void setRows(const QStringList &fields, const QList<QVariantList> &rows);
    // No rows (the query is forgotten).
    void clear();
    // Every row (waits for rows still arriving); isEmpty() answers without waiting.
    int rowCount() const;
    bool isEmpty() const;

    // --- The current row ---
    bool hasCurrentRow() const;
    // The stored value of a field of the current row (any field of the query, shown or not);
    // an invalid QVariant without a current row or for a null value.
    QVariant value(const QString &field) const;
    // The text the current row shows in a column.
    QString text(const QString &field) const;
    // Makes the first row whose field begins with prefix the current row (first in the order
    // shown, or in the order the query returned them); returns false, leaving the current
    // row, when no row does, or the text is empty. Case-sensitive.
    // While rows still arrive and none of those in matches, it returns false at once and keeps
    // looking as the rest arrives, making the first match current then, unless the current row
    // was moved or another search started meanwhile: typing never waits for a long list.
    bool locate(const QString &field, const QString &prefix,
                Grid::SearchOrder in = Grid::SearchOrder::Shown);
    // Makes the row whose field equals value the current row; false when there is none.
    bool locateValue(const QString &field, const QVariant &value);
    // Position of the current row among the rows in the order shown; -1 without one.
    int currentPosition() const;
    bool setCurrentPosition(int position);
    // Values and texts by position in the order shown (0 .. rowCount() - 1).
    QVariant valueAt(int position, const QString &field) const;
    QString textAt(int position, const QString &field) const;

    // --- Export ---
    // Writes the rows in the order shown, visible columns in the order shown, as CSV
    // (UTF-8 with a byte order mark). On failure returns false and sets *error.
    bool exportCsv(const QString &path, QString *error = nullptr) const;
    // "导出 CSV..." (context menu, Ctrl+E): asks for a file name and writes the CSV, telling
    // the operator the outcome.
    void exportWithDialog();
    // Replaces the file dialog of exportWithDialog (tests); an empty function restores it.
    using SaveNameProvider = std::function<QString(QWidget *parent, const QString &suggested)>;
    static void setSaveNameProvider(SaveNameProvider provider);

    // The parts, for what the grid does not wrap (focus policy, hints, style).
    QTreeView *view() const;
    DataGridModel *model() const { return m_model; }

signals:
    // The current row changed, or the rows were read again (also when none is current).
    void currentRowChanged();
    // A data row was double-clicked or Enter was pressed on it.
    void rowActivated();
    // The rows were read (open, requery, setRows, clear); with stepwise loading, when the
    // first screen is in.
    void reloaded();
    // The last of the rows has arrived (after reloaded(); at once when all came together).
    void loadFinished();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The connection of the last open().
    QSqlDatabase connection() const;
    void rebuildColumns();
    void openStepwise();
    void loadSlice();
    void stopLoading();
    void continuePendingLocate();
    void ensureLoaded() const { const_cast<DataGrid *>(this)->fetchAll(); }
    void reload(bool keepState);
    void applyColumnLayout();
    void fitColumnsOnce();
    void placeTree();
    void restoreCurrent(const QVariant &key, int position);
    void makeCurrent(int tableRow);
    int currentTableRow() const;
    int fieldOf(const QString &field) const;
    void onCurrentChanged(const QModelIndex &current);
    void onSortIndicatorChanged(int column, Qt::SortOrder order);
    void setGroupColumns(const QList<int> &columns);
    void updateGroupPanel();
    QSet<QString> expandedGroups() const;
    void expandGroups(const QSet<QString> &paths);
    void showHeaderMenu(const QPoint &pos);
    void showViewMenu(const QPoint &pos);
    QList<int> shownColumns() const;
    QString suggestedExportName() const;

    DataGridModel *m_model;
    GridGroupPanel *m_groupPanel;
    GridView *m_view;
    GridFooterBar *m_footer;

    QList<Grid::Column> m_columns;
    QString m_sql;
    QVariantList m_params;
    // The connection of the last open(), by name: the grid keeps no handle of its own that
    // would hold the account open when it is switched.
    QString m_connection;
    bool m_hasQuery = false;
    QString m_keyField;
    bool m_footerVisible = true;
    bool m_widthsApplied = false;
    int m_lastCurrent = -2; // table row last reported by currentRowChanged
    bool m_stepwise = true;
    std::unique_ptr<GridReader::Cursor> m_cursor; // rows still arriving
    struct PendingLocate
    {
        QString field;
        QString prefix;
        Grid::SearchOrder in;
    };
    std::optional<PendingLocate> m_pendingLocate; // a search waiting for rows to arrive
    bool m_applyingLocate = false;
    QTimer *m_loadTimer;
    QAction *m_exportAction;
};
