#include "Till.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QDateTime>

namespace Till {

void bookAs(qint64 userId, Line line, Money amount)
{
    if (amount.cents() == 0)
        return;
    Db::exec(QStringLiteral("INSERT INTO TBTill (At, UserId, Line, Amount) VALUES (?, ?, ?, ?)"),
             {SqlDialect::dateTimeText(QDateTime::currentDateTime()), userId,
              static_cast<int>(line), amount.cents()});
}

void book(Line line, Money amount)
{
    bookAs(AccountContext::current().operatorId(), line, amount);
}

void bookRecordChange(Money before, Money after)
{
    auto lineOf = [](Money m) { return m.isNegative() ? Line::Expense : Line::OtherIn; };
    if (lineOf(before) == lineOf(after)) {
        book(lineOf(after), after - before);
        return;
    }
    book(lineOf(before), -before);
    book(lineOf(after), after);
}

} // namespace Till
