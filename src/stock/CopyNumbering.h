#pragma once

#include "TitleRecord.h"

#include <QList>
#include <QStringList>

// Turning one typed film into its copy rows, and the pending list of the title entry window.
namespace CopyNumbering {

// The codes of quantity copies of a film whose base code is base: the base itself for one
// copy, base-1 .. base-N for more, nothing for zero or less. The base is kept exactly as typed.
QStringList copyCodes(const QString &base, int quantity);

enum class Mode { Entry, Edit };

// The rows not yet written to the database, in the order they were added.
class PendingTitles
{
public:
    const QList<TitleRecord> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const TitleRecord &at(int row) const { return m_rows.at(row); }

    // Adds the film typed once (its code being the base code) with quantity copies. In edit
    // mode with one copy and a valid current row, that row is rewritten instead. Edit mode
    // with more copies, or without a row to rewrite, is treated as entry mode, so the operator
    // never loses a row he did not mean to change. Returns the rows added or rewritten.
    QList<int> apply(const TitleRecord &film, int quantity, Mode mode, int currentRow);

    void remove(int row);
    void clear() { m_rows.clear(); }

private:
    QList<TitleRecord> m_rows;
};

} // namespace CopyNumbering
