#include "Db.h"

#include <QSqlError>
#include <QSqlRecord>

namespace Db {

QSqlDatabase mainConn()
{
    return QSqlDatabase::database(QLatin1String(MainConnName), false);
}

DbError::DbError(const QString &message) : std::runtime_error(message.toStdString()) {}

QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(q.lastError().text() + QStringLiteral(" [") + sql + QLatin1Char(']'));
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        throw DbError(q.lastError().text() + QStringLiteral(" [") + sql + QLatin1Char(']'));
    return q;
}

QVariant scalar(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    QSqlQuery q = exec(sql, params, db);
    if (!q.next())
        return {};
    return q.value(0);
}

qint64 lastInsertId(const QSqlQuery &q)
{
    const QVariant id = q.lastInsertId();
    if (!id.isValid())
        throw DbError(QStringLiteral("the engine gave no key for the inserted row"));
    return id.toLongLong();
}

Transaction::Transaction(const QSqlDatabase &db) : m_db(db)
{
    if (!m_db.transaction())
        throw DbError(QStringLiteral("cannot begin a transaction: ") + m_db.lastError().text());
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    if (!m_db.commit()) {
        const QString why = m_db.lastError().text();
        m_db.rollback();
        m_done = true;
        throw DbError(QStringLiteral("cannot commit: ") + why);
    }
    m_done = true;
}

QString text(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toString();
}

qint64 integer(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toLongLong();
}

} // namespace Db
