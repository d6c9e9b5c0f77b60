#pragma once

#include "data/Db.h"
#include "data/SqlDialect.h"
#include "support/TestAccount.h"
#include "toolkit/ReportDocument.h"

#include <QDate>
#include <QStringList>

// Transaction lines written straight into a test account, every value bound.
namespace ReportFixtures {

inline constexpr qint64 SaleCustomer = -1;
inline constexpr qint64 WalkIn = 15;

struct Line
{
    qint64 copy = 0;
    qint64 customer = 0;
    QDate day;
    qint64 depositCents = 0;
    qint64 rentCents = 0;
    int amount = 1;
    QString returned; // "yyyy-MM-dd HH:mm:ss", empty while the disc is out
};

inline qint64 addLine(const QSqlDatabase &db, const Line &l)
{
    // A copy is out to one customer at a time (the account's unique index): a rental line
    // written while the copy is still out closes the earlier one on the new line's day.
    if (l.customer != SaleCustomer && l.returned.isEmpty()) {
        Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = ? WHERE CDNum = ? "
                                "AND ReDate IS NULL AND Ass_Number <> ?"),
                 {SqlDialect::dateText(l.day) + QStringLiteral(" 00:00:00"), l.copy,
                  SaleCustomer},
                 db);
    }
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                       "DatTime, Deposit, Persons, ReDate) VALUES (?, ?, ?, ?, ?, ?, 1, ?)"),
        {l.copy, l.rentCents, l.amount, l.customer, SqlDialect::dateText(l.day), l.depositCents,
         l.returned.isEmpty() ? QVariant() : QVariant(l.returned)},
        db);
}

inline qint64 rent(const QSqlDatabase &db, qint64 copy, qint64 customer, const QDate &day, qint64 depositCents = 2000,
                   qint64 rentCents = 300)
{
    return addLine(db, {copy, customer, day, depositCents, rentCents, 1, QString()});
}

inline qint64 sell(const QSqlDatabase &db, qint64 copy, const QDate &day, int quantity, qint64 priceCents = 1500)
{
    return addLine(db, {copy, SaleCustomer, day, 0, priceCents, quantity, QString()});
}

inline void giveBack(const QSqlDatabase &db, qint64 line, const QDateTime &when)
{
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = ? WHERE ID = ?"),
             {SqlDialect::dateTimeText(when), line}, db);
}

inline qint64 addCopy(TestAccount &account, const QString &code, const QString &name,
                      const QString &category = QStringLiteral("动作"))
{
    const qint64 id = account.addCopy(code, name, QStringLiteral("DVD"));
    Db::exec(QStringLiteral("UPDATE TBName SET Categray = ? WHERE ID = ?"), {category, id},
             account.db());
    return id;
}

// Every text of every page, in order.
inline QStringList allTexts(const ReportDocument &doc)
{
    QStringList texts;
    for (int p = 0; p < doc.pageCount(); ++p)
        texts << doc.pageTexts(p);
    return texts;
}

} // namespace ReportFixtures
