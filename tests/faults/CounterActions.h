#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class AccountContext;

// What a counter does, through the desk's own functions, as the fault tests drive it: each
// action looks the copy up and completes in the account it is given, the way the windows do.
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

// What a counter process did, counted by the process and read back by the test that ran it.
struct Tally
{
    int tries = 0;
    int done = 0;
    int refused = 0;
    int failed = 0;

    // The line the process prints, "tries=N done=N refused=N failed=N".
    QByteArray line() const;
    // The tally in a process's output; nothing when the output holds no such line.
    static std::optional<Tally> read(const QByteArray &output);
};

Result rent(const AccountContext &account, const QString &code, qint64 memberId);
Result takeBack(const AccountContext &account, const QString &code);
Result sell(const AccountContext &account, const QString &code);
Result undoSale(const AccountContext &account, qint64 lineId);

} // namespace CounterActions
