#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QSqlDatabase;
class QSqlQuery;

// One member (a TBAssociator row) as the counter, the receipts and the settings read it.
struct MemberRow
{
    qint64 id = 0;
    QString num;
    QString name;
    qint64 sum = 0; // remaining allowance; null reads 0
    QDate sdt;      // the membership's end date; null when there is none

    // "M001 张伟": number and name, as receipts and questions name a member.
    QString label() const;

    // The columns read() takes, for a select list.
    static QString columns();
    static MemberRow read(const QSqlQuery &q);
    // The member with this ID, or nullopt when there is none.
    static std::optional<MemberRow> find(const QSqlDatabase &db, qint64 id);
};
