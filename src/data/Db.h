#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <stdexcept>

// Thin helpers over Qt SQL that make every failure visible: a statement that fails throws
// DbError with the engine's text, so no caller can mistake it for success.
namespace Db {

inline constexpr const char *MainConnName = "MainConn";

// The program's one connection (MainConn). Valid once the data module has opened it.
QSqlDatabase mainConn();

class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message);
    QString message() const { return QString::fromStdString(what()); }
};

// Prepares sql, binds params in order to its '?' placeholders and executes it.
QSqlQuery exec(const QString &sql, const QVariantList &params = {},
               const QSqlDatabase &db = mainConn());

// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QString &sql, const QVariantList &params = {},
                const QSqlDatabase &db = mainConn());

// The key the engine gave the row just inserted.
qint64 lastInsertId(const QSqlQuery &q);

// Begins a transaction; rolls it back on destruction unless commit() was called.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase &db = mainConn());
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

// Reads a column by name; null reads as 0 or empty, as the program's readers expect.
QString text(const QSqlQuery &q, const char *column);
qint64 integer(const QSqlQuery &q, const char *column);

} // namespace Db
