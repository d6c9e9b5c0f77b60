#pragma once

#include "data/Money.h"

#include <QDate>

// How rent is charged: per day rented (option CateID 1 is 0 or missing) or once per disc.
namespace RentRule {

// Reads the option afresh; a missing row or a value that is not a number counts as per day.
bool isRentPerDisc();

// Days a returned disc is charged for: calendar days from the rental date to today, at least 1.
qint64 daysCharged(const QDate &rentedOn, const QDate &today);
// Days a disc still out has run up: calendar days from the rental date to today (today = 0).
qint64 daysRunning(const QDate &rentedOn, const QDate &today);

// fee per disc, or fee times days.
Money rent(Money fee, bool perDisc, qint64 days);

} // namespace RentRule
