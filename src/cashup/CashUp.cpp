#include "CashUp.h"

#include "audit/AuditLog.h"

#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace CashUp {
namespace {

struct LineName
{
    Till::Line line;
    const char *text;
    const char *column; // TBCashUp column
};

const LineName kLines[] = {
    {Till::Line::DepositIn, QT_TRANSLATE_NOOP("CashUp", "收取押金"), "DepositIn"},
    {Till::Line::DepositOut, QT_TRANSLATE_NOOP("CashUp", "退还押金"), "DepositOut"},
    {Till::Line::Rent, QT_TRANSLATE_NOOP("CashUp", "租金收入"), "Rent"},
    {Till::Line::Sales, QT_TRANSLATE_NOOP("CashUp", "销售收入"), "Sales"},
    {Till::Line::OtherIn, QT_TRANSLATE_NOOP("CashUp", "其他收入"), "OtherIn"},
    {Till::Line::Expense, QT_TRANSLATE_NOOP("CashUp", "费用支出"), "Expense"},
};

Figures sumOpen(const QSqlDatabase &db, qint64 userId)
{
    Figures f;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Line, SUM(Amount) AS Total FROM TBTill "
                                          "WHERE UserId = ? AND CashUpID IS NULL GROUP BY Line"),
                           {userId}, db);
    while (q.next()) {
        const int line = int(Db::integer(q, "Line"));
        for (const LineName &l : kLines) {
            if (int(l.line) == line)
                f.line(l.line) = Money::fromCents(Db::integer(q, "Total"));
        }
    }
    QVariant start = Db::scalar(QStringLiteral("SELECT MAX(EndAt) FROM TBCashUp WHERE UserId = ?"),
                                {userId}, db);
    if (start.isNull() || start.toString().isEmpty()) {
        start = Db::scalar(QStringLiteral("SELECT MIN(At) FROM TBTill WHERE UserId = ? "
                                          "AND CashUpID IS NULL"),
                           {userId}, db);
    }
    f.startAt = start.toString();
    return f;
}

} // namespace

Money &Figures::line(Till::Line l)
{
    switch (l) {
    case Till::Line::DepositIn:
        return depositIn;
    case Till::Line::DepositOut:
        return depositOut;
    case Till::Line::Rent:
        return rent;
    case Till::Line::Sales:
        return sales;
    case Till::Line::OtherIn:
        return otherIn;
    case Till::Line::Expense:
        break;
    }
    return expense;
}

Money Figures::line(Till::Line l) const
{
    return const_cast<Figures *>(this)->line(l);
}

Money Figures::expected() const
{
    return depositIn + depositOut + rent + sales + otherIn + expense;
}

QString lineText(Till::Line line)
{
    for (const LineName &l : kLines) {
        if (l.line == line)
            return QCoreApplication::translate("CashUp", l.text);
    }
    return QString();
}

QList<Till::Line> allLines()
{
    QList<Till::Line> lines;
    for (const LineName &l : kLines)
        lines << l.line;
    return lines;
}

Figures openShift(const QSqlDatabase &db, qint64 userId)
{
    return sumOpen(db, userId);
}

Record close(const QSqlDatabase &db, qint64 userId, Money counted, const QString &note,
             const QDateTime &now)
{
    Db::Transaction tx(db);
    const Figures f = sumOpen(db, userId);
    const Money expected = f.expected();
    const Money difference = counted - expected;
    const QString endAt = SqlDialect::dateTimeText(now);
    const qint64 id = Db::insert(
        QStringLiteral("INSERT INTO TBCashUp (UserId, StartAt, EndAt, DepositIn, DepositOut, "
                       "Rent, Sales, OtherIn, Expense, Expected, Counted, Difference, Note) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {userId, f.startAt, endAt, f.depositIn.cents(), f.depositOut.cents(), f.rent.cents(),
         f.sales.cents(), f.otherIn.cents(), f.expense.cents(), expected.cents(), counted.cents(),
         difference.cents(), note},
        db);
    Db::exec(QStringLiteral("UPDATE TBTill SET CashUpID = ? WHERE UserId = ? "
                            "AND CashUpID IS NULL"),
             {id, userId}, db);
    Audit::recordAs(db, userId, Audit::Kind::CashUp, QStringLiteral("交班结算 %1").arg(id),
                    QString(),
                    Audit::snapshot(db, QStringLiteral("TBCashUp"), QStringLiteral("ID"), id));
    tx.commit();
    std::optional<Record> stored = load(db, id);
    if (!stored)
        throw Db::DbError(QCoreApplication::translate("CashUp", "交班结算记录%1未能保存！").arg(id));
    return *stored;
}

std::optional<Record> load(const QSqlDatabase &db, qint64 id)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT c.*, p.Name AS PersonName FROM TBCashUp AS c "
                                          "LEFT JOIN TBPersons AS p ON p.ID = c.UserId "
                                          "WHERE c.ID = ?"),
                           {id}, db);
    if (!q.next())
        return std::nullopt;
    Record r;
    r.id = id;
    r.userId = Db::integer(q, "UserId");
    r.userName = Db::text(q, "PersonName");
    r.endAt = Db::text(q, "EndAt");
    r.figures.startAt = Db::text(q, "StartAt");
    for (const LineName &l : kLines)
        r.figures.line(l.line) = Money::fromCents(Db::integer(q, l.column));
    r.counted = Money::fromCents(Db::integer(q, "Counted"));
    r.difference = Money::fromCents(Db::integer(q, "Difference"));
    r.note = Db::text(q, "Note");
    return r;
}

QString listSql(const QDate &from, const QDate &to, qint64 userId, QVariantList *params)
{
    QString sql = QStringLiteral(
        "SELECT c.ID, substr(c.EndAt, 1, 10) AS Day, c.EndAt, c.StartAt, c.UserId, p.Name, "
        "c.DepositIn, c.DepositOut, c.Rent, c.Sales, c.OtherIn, c.Expense, c.Expected, "
        "c.Counted, c.Difference, c.Note FROM TBCashUp AS c "
        "LEFT JOIN TBPersons AS p ON p.ID = c.UserId WHERE c.EndAt >= ? AND c.EndAt < ?");
    params->append(SqlDialect::dateText(from));
    params->append(SqlDialect::dateText(to.addDays(1)));
    if (userId != 0) {
        sql += QStringLiteral(" AND c.UserId = ?");
        params->append(userId);
    }
    return sql + QStringLiteral(" ORDER BY c.EndAt, c.ID");
}

} // namespace CashUp
