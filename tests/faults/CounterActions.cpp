#include "CounterActions.h"

#include "data/AccountContext.h"

#include "data/Db.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "sales/SaleStore.h"

#include <QDateTime>
#include <QRegularExpression>

namespace CounterActions {

QByteArray Tally::line() const
{
    return QStringLiteral("tries=%1 done=%2 refused=%3 failed=%4")
        .arg(tries).arg(done).arg(refused).arg(failed)
        .toUtf8();
}

std::optional<Tally> Tally::read(const QByteArray &output)
{
    static const QRegularExpression re(
        QStringLiteral("tries=(\\d+) done=(\\d+) refused=(\\d+) failed=(\\d+)"));
    const auto m = re.match(QString::fromUtf8(output));
    if (!m.hasMatch())
        return std::nullopt;
    return Tally{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                 m.captured(4).toInt()};
}

namespace {

Result refused()
{
    return {};
}

Result failed(const QString &why)
{
    Result r;
    r.status = Result::Status::Failed;
    r.error = why;
    return r;
}

Result fromLeaseResult(const Lease::Result &o)
{
    Result r;
    if (o.done()) {
        r.status = Result::Status::Done;
        r.lineIds = o->lineIds;
    } else if (o.refusal().reason == Db::Refusal::Reason::NotAvailable) {
        r.status = Result::Status::Refused;
    } else {
        r.status = Result::Status::Failed;
        r.error = QStringLiteral("refused for reason %1").arg(int(o.refusal().reason));
    }
    return r;
}

Lease::Completion completion(Lease::Mode mode, qint64 memberId, const Lease::Item &item)
{
    Lease::Completion c;
    c.mode = mode;
    c.memberId = memberId;
    c.items = {item};
    c.depositTotal = item.addedDeposit;
    c.rentTotal = item.addedRent;
    c.operatorId = 1;
    c.now = QDateTime::currentDateTime();
    return c;
}

} // namespace

Result rent(const AccountContext &account, const QString &code, qint64 memberId)
{
    try {
        const auto copy = Lease::findCopyForRent(account.db(), code);
        if (!copy)
            return refused();
        const auto item =
            Lease::makeItem(account.db(), *copy, Lease::Mode::RentOut, false, QDate::currentDate());
        if (!item)
            return failed(QStringLiteral("no fee class for ") + code);
        return fromLeaseResult(
            Lease::complete(account.db(), completion(Lease::Mode::RentOut, memberId, *item)));
    } catch (const Db::DbError &e) {
        return failed(e.details().isEmpty() ? e.message() : e.details());
    }
}

Result takeBack(const AccountContext &account, const QString &code)
{
    try {
        const auto copy = Lease::findCopyForReturn(account.db(), code);
        if (!copy)
            return refused();
        const auto item = Lease::makeItem(account.db(), *copy, Lease::Mode::TakeBack, false,
                                          QDate::currentDate());
        if (!item)
            return failed(QStringLiteral("no fee class for ") + code);
        return fromLeaseResult(
            Lease::complete(account.db(), completion(Lease::Mode::TakeBack, 0, *item)));
    } catch (const Db::DbError &e) {
        return failed(e.details().isEmpty() ? e.message() : e.details());
    }
}

Result sell(const AccountContext &account, const QString &code)
{
    try {
        const auto copy = SaleStore::findSaleableCopy(account.db(), code);
        if (!copy)
            return refused();
        SaleStore::SaleRow row;
        row.copy = *copy;
        row.amount = 1;
        row.rmoney = Money::fromCents(2500);
        const auto sold = SaleStore::completeSale(account.db(), {row}, -1, account.operatorId(),
                                                  QDate::currentDate());
        if (!sold)
            return refused();
        Result r;
        r.status = Result::Status::Done;
        r.lineIds = sold.value();
        return r;
    } catch (const Db::DbError &e) {
        return failed(e.details().isEmpty() ? e.message() : e.details());
    }
}

Result undoSale(const AccountContext &account, qint64 lineId)
{
    try {
        Result r;
        r.status =
            SaleStore::undoSale(account, lineId) ? Result::Status::Done : Result::Status::Refused;
        if (r.status == Result::Status::Done)
            r.lineIds = {lineId};
        return r;
    } catch (const Db::DbError &e) {
        return failed(e.details().isEmpty() ? e.message() : e.details());
    }
}

} // namespace CounterActions
