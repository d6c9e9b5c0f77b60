#include "CodeMatch.h"

#include "data/Db.h"

namespace CodeMatch {

QSqlQuery first(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery q = Db::exec(sql.arg(QString()), params, db);
    if (q.next())
        return q;
    q = Db::exec(sql.arg(QStringLiteral(" COLLATE NOCASE")), params, db);
    q.next();
    return q;
}

} // namespace CodeMatch
