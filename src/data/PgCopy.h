#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariantList>

// Writes many rows into one table of a PostgreSQL database through the server's bulk load
// (COPY ... FROM STDIN) on the connection's own session, so the rows belong to the
// transaction open on it. Values go as text: null as such, numbers in decimal, texts with
// their tabs, line ends and backslashes escaped. A refusal of the server (a value its column
// does not take, a lost connection) is thrown as Db::DbError with the server's fault.
class PgCopy
{
public:
    // db must be a QPSQL connection.
    PgCopy(const QSqlDatabase &db, const QString &table, const QStringList &columns);
    ~PgCopy();
    PgCopy(const PgCopy &) = delete;
    PgCopy &operator=(const PgCopy &) = delete;

    // One row, its values in the order of the columns.
    void add(const QVariantList &row);
    // Sends what is left and ends the load; the rows are in the table (uncommitted).
    void finish();

private:
    void send();
    [[noreturn]] void fail(const QString &context);

    void *m_conn = nullptr; // the connection's PGconn
    QString m_table;
    QByteArray m_buffer;
    bool m_open = false;
};

// A value in the load's text form (without the row's separators).
QByteArray pgCopyText(const QVariant &value);
