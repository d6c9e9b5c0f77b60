#pragma once

#include "data/Money.h"

#include <QDate>

class QSqlDatabase;

// How rent is charged: per day rented (option CateID 1 is 0 or missing) or once per disc.
namespace RentRule {

// The rent rule (option CateID 1) as the shop's options read it, afresh at each call.
bool isRentPerDisc(const QSqlDatabase &db);

// Days a returned disc is charged for: calendar days from the rental date to today, at least 1.
qint64 daysCharged(const QDate &rentedOn, const QDate &today);
// Days a disc still out has run up: calendar days from the rental date to today (today = 0).
qint64 daysRunning(const QDate &rentedOn, const QDate &today);

// fee per disc, or fee times days.
Money rent(Money fee, bool perDisc, qint64 days);

// The shop's overdue days (option CateID 4, "过期天数"): a disc is due back that many days
// after its rental date. As the shop's options read it (a missing or garbled row: 7).
int overdueDays(const QSqlDatabase &db);
QDate dueDate(const QDate &rentedOn, int overdueDays);
// Days past the due date; 0 while the disc is not overdue.
qint64 daysLate(const QDate &due, const QDate &today);

} // namespace RentRule
