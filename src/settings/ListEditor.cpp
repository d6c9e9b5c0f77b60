#include "ListEditor.h"

#include "Refusal.h"
#include "SetupLayout.h"

#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QScopedValueRollback>
#include <QTreeView>

ListEditor::ListEditor(DataGrid *grid, SaveNotice notice, QWidget *page)
    : QObject(page), m_grid(grid), m_page(page), m_notice(notice)
{
    connect(grid, &DataGrid::currentRowChanged, this, [this] {
        if (m_quiet)
            return;
        m_adding = false;
        emit rowChanged();
    });
}

qint64 ListEditor::currentKey() const
{
    if (m_adding || !m_grid->hasCurrentRow())
        return 0;
    return m_grid->value(m_grid->keyField()).toLongLong();
}

bool ListEditor::open(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    m_adding = false;
    try {
        m_grid->open(db, sql, params);
    } catch (const Db::DbError &e) {
        Msg::fault(m_page, e);
        return false;
    }
    return true;
}

void ListEditor::reopenAt(qint64 id)
{
    try {
        m_grid->requery();
    } catch (const Db::DbError &e) {
        Msg::fault(m_page, e);
        return;
    }
    // A row just saved becomes current; after a deletion the list starts at its first row.
    if (id != 0)
        m_grid->locateValue(m_grid->keyField(), id);
    else if (m_grid->rowCount() > 0)
        m_grid->setCurrentPosition(0);
}

void ListEditor::clearQuietly()
{
    const QScopedValueRollback quiet(m_quiet, true);
    m_grid->clear();
}

void ListEditor::startNew()
{
    // The list loses its current row meanwhile, so that picking any row again drops the new one.
    {
        const QScopedValueRollback quiet(m_quiet, true);
        m_grid->view()->setCurrentIndex(QModelIndex());
        m_grid->view()->clearSelection();
    }
    m_adding = true;
}

bool ListEditor::save(const std::function<qint64()> &save)
{
    qint64 id = 0;
    try {
        id = save();
    } catch (const Settings::Refused &r) {
        SetupLayout::showRefusal(m_page, r.refusal());
        return false;
    } catch (const Db::DbError &e) {
        // Nothing was changed: every save writes its rows in one transaction.
        if (m_notice == SaveNotice::Told)
            Msg::fault(m_page, e, Settings::saveFailedText());
        else
            Msg::fault(m_page, e);
        return false;
    }
    m_adding = false;
    reopenAt(id);
    if (m_notice == SaveNotice::Told)
        Msg::info(m_page, Settings::savedText());
    return true;
}

bool ListEditor::remove(const QString &question, const std::function<void(qint64)> &remove)
{
    const qint64 id = currentKey();
    if (id == 0)
        return false;
    if (Msg::askYesNo(m_page, question, Msg::SystemCaption, Msg::Icon::Warning) !=
        QMessageBox::Yes) {
        return false;
    }
    try {
        remove(id);
    } catch (const Settings::Refused &r) {
        SetupLayout::showRefusal(m_page, r.refusal());
        return false;
    } catch (const Db::DbError &e) {
        Msg::fault(m_page, e);
        return false;
    }
    reopenAt(0);
    return true;
}
