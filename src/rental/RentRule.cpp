#include "RentRule.h"

#include "data/Db.h"
#include "data/ShopOptions.h"
#include "data/SqlDialect.h"

#include <algorithm>

namespace RentRule {

bool isRentPerDisc(const QSqlDatabase &db)
{
    return ShopOptions::read(db).rentPerDisc;
}

qint64 daysRunning(const QDate &rentedOn, const QDate &today)
{
    if (!rentedOn.isValid() || !today.isValid())
        return 0;
    // A rental date after today (a clock set back) runs up nothing rather than a credit.
    return std::max<qint64>(0, SqlDialect::daysBetween(rentedOn, today));
}

qint64 daysCharged(const QDate &rentedOn, const QDate &today)
{
    return std::max<qint64>(1, daysRunning(rentedOn, today));
}

Money rent(Money fee, bool perDisc, qint64 days)
{
    return perDisc ? fee : fee * days;
}

int overdueDays(const QSqlDatabase &db)
{
    return ShopOptions::read(db).overdueDays;
}

QDate dueDate(const QDate &rentedOn, int overdueDays)
{
    return rentedOn.isValid() ? rentedOn.addDays(overdueDays) : QDate();
}

qint64 daysLate(const QDate &due, const QDate &today)
{
    if (!due.isValid() || !today.isValid())
        return 0;
    return std::max<qint64>(0, SqlDialect::daysBetween(due, today));
}

} // namespace RentRule
