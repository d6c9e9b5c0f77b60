#pragma once

#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QDate>
#include <QProcess>
#include <QString>
#include <QStringList>

// Suppliers, copies and sale lines for the stock and sales report tests, written with bound
// values as the program's own windows write them.
namespace StockSalesFixtures {

inline qint64 addSupplier(const QSqlDatabase &db, const QString &company)
{
    return Db::insert(QStringLiteral("INSERT INTO TbProvide (Company) VALUES (?)"), {company}, db);
}

struct Copy
{
    QString code;
    QString name;
    QString category = QStringLiteral("动作");
    QString lang = QStringLiteral("国语");
    qint64 supplier = 0;
    QDate bought = QDate(2024, 3, 1);
    int discs = 1;    // Amount, discs per set
    qint64 cents = 0; // Mone
    int quality = 0;
};

inline qint64 addCopy(const QSqlDatabase &db, const Copy &c)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBName (CustomNum, Name, Nlang, Ver, Categray, Amount, Copy, "
                       "DatTime, Provide, Mone, Quality) VALUES (?, ?, ?, 'DVD', ?, ?, 1, ?, ?, "
                       "?, ?)"),
        {c.code, c.name, c.lang, c.category, c.discs, SqlDialect::dateText(c.bought), c.supplier,
         c.cents, c.quality},
        db);
}

// A sale line as the sale window writes it: customer -1, no deposit, no return date.
inline qint64 addSaleLine(const QSqlDatabase &db, qint64 copyId, const QString &day, int amount, qint64 unitCents)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons) VALUES (?, ?, ?, -1, ?, 1)"),
        {copyId, unitCents, amount, day}, db);
}

inline qint64 addRentalLine(const QSqlDatabase &db, qint64 copyId, const QString &day, qint64 rentCents)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Deposit, Persons) VALUES (?, ?, 1, 15, ?, 3000, 1)"),
        {copyId, rentCents, day}, db);
}

// The text of a PDF as pdftotext lays it out, blanks collapsed; empty when it cannot be read.
inline QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace StockSalesFixtures
