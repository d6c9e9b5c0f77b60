#pragma once

#include "data/Db.h"
#include "data/SqliteStatement.h"
#include "toolkit/MessageBox.h"

#include <QByteArray>

#include <sqlite3.h>

// From the first commit on the connection db, the engine refuses to read one column: what a
// window reads back after its work is committed fails, the work itself does not. The test
// links SQLite::SQLite3.
class ReadDeniedAfterCommit
{
public:
    ReadDeniedAfterCommit(const QSqlDatabase &db, const char *table, const char *column)
        : m_handle(Sqlite::handle(db)), m_table(table), m_column(column)
    {
        sqlite3_commit_hook(m_handle, &ReadDeniedAfterCommit::committed, this);
        sqlite3_set_authorizer(m_handle, &ReadDeniedAfterCommit::authorize, this);
    }
    ~ReadDeniedAfterCommit()
    {
        sqlite3_commit_hook(m_handle, nullptr, nullptr);
        sqlite3_set_authorizer(m_handle, nullptr, nullptr);
    }
    ReadDeniedAfterCommit(const ReadDeniedAfterCommit &) = delete;
    ReadDeniedAfterCommit &operator=(const ReadDeniedAfterCommit &) = delete;

    // The engine's words for the refused read, as they appear in a failure's details.
    QString engineText() const
    {
        return QStringLiteral("access to %1.%2 is prohibited")
            .arg(QLatin1String(m_table), QLatin1String(m_column));
    }

    // Empty when box tells the refused read as a fault: an error, lead on a line of its own
    // before the fault's message, the engine's words under the details and not in the text.
    // Otherwise what is wrong with it.
    QString faultMismatch(const Msg::Request &box, const QString &lead) const
    {
        if (box.icon != Msg::Icon::Error)
            return QStringLiteral("not an error: ") + box.text;
        if (!box.text.startsWith(lead + QLatin1Char('\n')))
            return QStringLiteral("the text: ") + box.text;
        if (!box.details.contains(engineText()) || box.text.contains(engineText()))
            return QStringLiteral("the details: ") + box.details;
        return QString();
    }

private:
    static int committed(void *self)
    {
        static_cast<ReadDeniedAfterCommit *>(self)->m_armed = true;
        return 0; // the commit goes ahead
    }
    static int authorize(void *self, int action, const char *table, const char *column,
                         const char *, const char *)
    {
        const auto *d = static_cast<const ReadDeniedAfterCommit *>(self);
        const bool denied = d->m_armed && action == SQLITE_READ && sameName(table, d->m_table) &&
                            sameName(column, d->m_column);
        return denied ? SQLITE_DENY : SQLITE_OK;
    }
    static bool sameName(const char *a, const QByteArray &b) { return a && b == a; }

    sqlite3 *m_handle;
    QByteArray m_table;
    QByteArray m_column;
    bool m_armed = false;
};
