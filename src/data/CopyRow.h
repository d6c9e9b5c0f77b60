#pragma once

#include <QString>

class QSqlQuery;

// One copy of the stock (a TBName row) as the counter, the sale and the stock windows show it:
// its code and the texts that describe the title. Read by one reader, whatever window asks.
struct CopyRow
{
    qint64 id = 0; // TBName.ID
    QString customNum; // the copy's code
    QString name;
    QString nlang;    // language text
    QString ver;      // fee class (disc format) text
    QString categray; // category text
    QString address1; // storage place
    QString direct;
    QString actRole;

    bool operator==(const CopyRow &) const = default;

    // The columns read() takes, for a select list, each prefixed with alias and a dot.
    static QString columns(const QString &alias);
    // Reads the columns named by columns() from the query's current row.
    static CopyRow read(const QSqlQuery &q);
};
