#pragma once

#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

class QSqlDatabase;

// The figures the chart windows draw, each summed by the database in one statement.
// Every function throws Db::DbError when its statement fails.
namespace Charts {

// One slice of a pie: its name and the whole number it stands for.
struct Slice
{
    QString label;
    qint64 value = 0;
};

// A pie with thousands of slices can be neither drawn in time nor read: beyond this many the
// smallest are gathered into one slice "其他" (others), so the slices always add up to the total.
inline constexpr int MaxSlices = 20;

enum class LeaseGrouping { ByTitle, ByCategory };

// Discs rented out between from and to (both whole days, inclusive) per title or per film
// category: every rental line of the period counts with its Amount; sale lines do not count,
// so the figures agree with the rental ranking. Largest first; no rows when from is after to.
QList<Slice> leaseSlices(const QSqlDatabase &db, const QDate &from, const QDate &to,
                         LeaseGrouping grouping, int maxSlices = MaxSlices);

// Copies in stock (Quality below 3) per film category, largest first.
QList<Slice> stockSlices(const QSqlDatabase &db, int maxSlices = MaxSlices);

// The money spent on titles in one month, by purchase date; every title counts, whatever
// became of it. Titles without a purchase date belong to no month and are left out.
struct MonthSpending
{
    QString month; // "yyyy-MM"
    Money spent;
};
QList<MonthSpending> monthlySpending(const QSqlDatabase &db);

// The rent taken and the deposits paid back with the returns of one month, as the returns
// booked them in the income and expense journal (rent: type 3; deposit paid back: the
// negative records of type 8). Months without returns have no row.
struct MonthTakings
{
    QString month; // "yyyy-MM"
    Money rent;
    Money deposit;
};
QList<MonthTakings> monthlyTakings(const QSqlDatabase &db);

} // namespace Charts
