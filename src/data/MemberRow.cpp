#include "MemberRow.h"

#include "Db.h"
#include "SqlDialect.h"

QString MemberRow::label() const
{
    return (num + QLatin1Char(' ') + name).trimmed();
}

QString MemberRow::columns()
{
    return QStringLiteral("ID, Num, Name, Sum, SDT");
}

MemberRow MemberRow::read(const QSqlQuery &q)
{
    MemberRow m;
    m.id = Db::integer(q, "ID");
    m.num = Db::text(q, "Num");
    m.name = Db::text(q, "Name");
    m.sum = Db::integer(q, "Sum");
    m.sdt = SqlDialect::parseDate(Db::text(q, "SDT"));
    return m;
}

std::optional<MemberRow> MemberRow::find(const QSqlDatabase &db, qint64 id)
{
    QSqlQuery q = Db::exec(
        QStringLiteral("SELECT %1 FROM TBAssociator WHERE ID = ?").arg(columns()), {id}, db);
    if (!q.next())
        return std::nullopt;
    return read(q);
}
