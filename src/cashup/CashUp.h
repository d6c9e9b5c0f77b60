#pragma once

#include "Till.h"

#include "data/Money.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

class QSqlDatabase;

// The shift cash-up (交班结算): what an operator's till should hold from the bookings since
// his last cash-up, the cash he counted, the difference, and closing the shift.
namespace CashUp {

struct Figures
{
    Money depositIn;
    Money depositOut;
    Money rent;
    Money sales;
    Money otherIn;
    Money expense;
    QString startAt; // the end of the last cash-up, else the first booking; empty: none

    Money &line(Till::Line l);
    Money line(Till::Line l) const;
    // What the till should hold: the sum of the lines.
    Money expected() const;
};

// The caption of a line on the window and the slip ("收取押金", "退还押金", ...).
QString lineText(Till::Line line);
QList<Till::Line> allLines();

// The open shift of an operator: his till rows not yet closed. Throws Db::DbError.
Figures openShift(const QSqlDatabase &db, qint64 userId);

struct Record
{
    qint64 id = 0;
    qint64 userId = 0;
    QString userName;
    QString endAt;
    Figures figures;
    Money counted;
    Money difference; // counted - expected
    QString note;
};

// Closes the operator's open shift in one transaction: the lines summed again inside it, the
// cash-up row written, the till rows marked as closed by it, and the audit row. Returns the
// stored cash-up. Throws Db::DbError.
Record close(const QSqlDatabase &db, qint64 userId, Money counted, const QString &note,
             const QDateTime &now);

std::optional<Record> load(const QSqlDatabase &db, qint64 id);

// The cash-ups that ended on the days from..to (inclusive), by an operator (0 all), with the
// operator's name (Name), ordered by the end time.
QString listSql(const QDate &from, const QDate &to, qint64 userId, QVariantList *params);

} // namespace CashUp
