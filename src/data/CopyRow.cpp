#include "CopyRow.h"

#include "Db.h"

QString CopyRow::columns(const QString &alias)
{
    static const char *const names[] = {"ID",      "CustomNum", "Name",   "Nlang",  "Ver",
                                        "Categray", "Address1", "Direct", "ActRole"};
    QStringList list;
    for (const char *n : names)
        list << alias + QLatin1Char('.') + QLatin1String(n);
    return list.join(QStringLiteral(", "));
}

CopyRow CopyRow::read(const QSqlQuery &q)
{
    CopyRow c;
    c.id = Db::integer(q, "ID");
    c.customNum = Db::text(q, "CustomNum");
    c.name = Db::text(q, "Name");
    c.nlang = Db::text(q, "Nlang");
    c.ver = Db::text(q, "Ver");
    c.categray = Db::text(q, "Categray");
    c.address1 = Db::text(q, "Address1");
    c.direct = Db::text(q, "Direct");
    c.actRole = Db::text(q, "ActRole");
    return c;
}
