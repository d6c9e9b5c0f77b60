#pragma once

#include <QList>
#include <QString>

// What a counter does, through the desk's own functions, as the fault tests drive it: each
// action looks the copy up and completes, the way the windows do.
namespace CounterActions {

struct Result
{
    enum class Status {
        Done,
        Refused, // the desk's own refusal: the copy is not (or no longer) available
        Failed,  // a save error: the data layer failed
    };
    Status status = Status::Refused;
    QList<qint64> lineIds;
    QString error;
};

Result rent(const QString &code, qint64 memberId);
Result takeBack(const QString &code);
Result sell(const QString &code);
Result undoSale(qint64 lineId);

} // namespace CounterActions
