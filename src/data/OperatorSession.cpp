#include "OperatorSession.h"

#include "ShopOptions.h"

#include <QSqlQuery>

OperatorSession OperatorSession::load(int userId, const QSqlDatabase &db)
{
    OperatorSession s;
    s.userId = userId;
    const ShopOptions options = ShopOptions::read(db);
    s.permissionControl = options.permissionControl;
    s.modeReadable = options.isReadable(Schema::OptionPermissionMode);
    QSqlQuery q = Db::exec(QStringLiteral("SELECT PowerId FROM TBUserPower WHERE UserId = ?"),
                           {userId}, db);
    while (q.next())
        s.powers.insert(q.value(0).toInt());
    return s;
}

OperatorSession OperatorSession::lockedDown(int userId)
{
    OperatorSession s;
    s.userId = userId;
    s.permissionControl = true;
    return s;
}
