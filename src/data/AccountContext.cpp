#include "AccountContext.h"

#include "Db.h"
#include "SqlDialect.h"

ShopDetails ShopDetails::read(const QSqlDatabase &db)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT company, comAddr, comTel FROM TBSetup "
                                          "ORDER BY %1 LIMIT 1")
                               .arg(SqlDialect::insertionOrder(db)),
                           {}, db);
    ShopDetails d;
    if (q.next()) {
        d.company = Db::text(q, "company");
        d.address = Db::text(q, "comAddr");
        d.telephone = Db::text(q, "comTel");
    }
    return d;
}

AccountContext::AccountContext(const QString &connectionName) : m_connectionName(connectionName) {}

QSqlDatabase AccountContext::db() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void AccountContext::readShop()
{
    m_shop = ShopDetails::read(db());
}

void AccountContext::signIn(int userId)
{
    m_session = OperatorSession::lockedDown(userId);
    m_session = OperatorSession::load(userId, db());
}

void AccountContext::forget()
{
    m_shop = ShopDetails();
    m_session = OperatorSession();
}
