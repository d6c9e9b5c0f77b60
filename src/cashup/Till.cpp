#include "Till.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QDateTime>

namespace Till {

void bookAs(const QSqlDatabase &db, qint64 userId, Line line, Money amount)
{
    if (amount.cents() == 0)
        return;
    Db::exec(QStringLiteral("INSERT INTO TBTill (At, UserId, Line, Amount) VALUES (?, ?, ?, ?)"),
             {SqlDialect::dateTimeText(QDateTime::currentDateTime()), userId,
              static_cast<int>(line), amount.cents()},
             db);
}

void book(const AccountContext &account, Line line, Money amount)
{
    bookAs(account.db(), account.operatorId(), line, amount);
}

void bookRecordChange(const AccountContext &account, Money before, Money after)
{
    auto lineOf = [](Money m) { return m.isNegative() ? Line::Expense : Line::OtherIn; };
    if (lineOf(before) == lineOf(after)) {
        book(account, lineOf(after), after - before);
        return;
    }
    book(account, lineOf(before), -before);
    book(account, lineOf(after), after);
}

} // namespace Till
