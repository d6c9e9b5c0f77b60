#include "SqlDialect.h"

namespace SqlDialect {

QString dateText(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString dateTimeText(const QDateTime &dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDate parseDate(const QString &stored)
{
    return QDate::fromString(stored.left(10), QStringLiteral("yyyy-MM-dd"));
}

QDateTime parseDateTime(const QString &stored)
{
    if (stored.size() <= 10)
        return QDateTime(parseDate(stored), QTime(0, 0));
    return QDateTime::fromString(stored.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString daysBetween(const QString &fromExpr, const QString &toExpr)
{
    return QStringLiteral("CAST(julianday(substr(%2,1,10)) - julianday(substr(%1,1,10)) AS INTEGER)")
        .arg(fromExpr, toExpr);
}

qint64 daysBetween(const QDate &from, const QDate &to)
{
    return from.daysTo(to);
}

QString monthKey(const QString &dateExpr)
{
    return QStringLiteral("substr(%1,1,7)").arg(dateExpr);
}

QString topNWithTies(const QString &innerSql, const QString &orderColumn, int n)
{
    return QStringLiteral("SELECT * FROM (SELECT t_.*, RANK() OVER (ORDER BY t_.%2 DESC) AS rank_ "
                          "FROM (%1) t_) WHERE rank_ <= %3 ORDER BY rank_")
        .arg(innerSql, orderColumn)
        .arg(n);
}

} // namespace SqlDialect
