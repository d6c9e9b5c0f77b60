#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>

class DataGrid;
class QSqlDatabase;
class QWidget;

// One list of a settings page and the editing of its rows: the row on show fills the page's
// edits, "添加" starts a new row (nothing is written until the save), a save inserts or updates
// and shows the saved row, a deletion is asked first. A refused entry or a failure of the
// engine is shown on the page and changes nothing: what was typed stays, and so does a new row.
//
// The list tells the page when another row is on show (rowChanged), except while it moves its
// rows itself (a new row started, the list let go when the page is left).
class ListEditor : public QObject
{
    Q_OBJECT
public:
    // How the outcome of a save is told: Told says "数据保存成功！" (and a failure comes with
    // "数据保存失败！"); Quiet says nothing on success.
    enum class SaveNotice { Quiet, Told };

    // page shows the messages and holds the edits a refusal names; it owns the editor.
    ListEditor(DataGrid *grid, SaveNotice notice, QWidget *page);

    DataGrid *grid() const { return m_grid; }
    // A new row is being entered: its edits are not the row of the list.
    bool isAdding() const { return m_adding; }
    // The key of the row on show; 0 while a new row is entered or no row is on show.
    qint64 currentKey() const;

    // Reads the list from db (the page came into view) and leaves the adding state. A failure
    // is shown; returns whether the list was read.
    bool open(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
    // Reads the list again and shows the row with key id (0: the first row).
    void reopenAt(qint64 id);
    // The list lets its rows go without telling the page.
    void clearQuietly();

    // "添加": no row of the list is on show any more and a save inserts.
    void startNew();
    // Saves the row on show through save(), which returns the row's key. On success the
    // adding state ends and the list is read again at the saved row; returns whether it saved.
    bool save(const std::function<qint64()> &save);
    // Asks question and deletes the row on show through remove(); the list is then read again
    // from its first row. Nothing happens without a row on show or when the answer is not Yes.
    bool remove(const QString &question, const std::function<void(qint64)> &remove);

signals:
    // Another row is on show, or none (the adding state has ended).
    void rowChanged();

private:
    DataGrid *m_grid;
    QWidget *m_page;
    SaveNotice m_notice;
    bool m_adding = false;
    bool m_quiet = false;
};
