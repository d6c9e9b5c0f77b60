// A counter in a process of its own, for the fault tests:
//   faultchild race ACCOUNT TRIES SEED GOFILE
//       waits for GOFILE, then makes TRIES completions (rent, take back, sell, undo a sale)
//       on the account's copies at random; prints "tries= done= refused= failed=".
//   faultchild crash ACCOUNT SEED JOURNAL
//       works the same way until it is killed; after each commit appends the operation and
//       its line IDs to JOURNAL ("R 12", "T 12", "S 40", "U 40"); before an undo "u 40".
//   faultchild rent ACCOUNT CODE
//       rents the copy once to the walk-in customer; prints "fault=N" (-1 when it went
//       through) and the operator's message.
#include "CounterActions.h"
#include "FaultAccount.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

using CounterActions::Result;
using CounterActions::Tally;

namespace {

// The account this counter works in, on the connection the process opens.
AccountContext g_account;

class Counter
{
public:
    Counter(quint32 seed, int journal) : m_rng(seed), m_journal(journal) {}

    // One completion attempt, chosen at random; false when the chosen action had nothing to
    // work on (no open sale of this counter to undo).
    bool step(Tally &tally)
    {
        const QString code = FaultAccount::copyCode(int(m_rng.bounded(FaultAccount::CopyCount)));
        const quint32 dice = m_rng.bounded(100);
        Result r;
        char kind = 0;
        if (dice < 45) {
            kind = 'R';
            r = CounterActions::rent(g_account, code,
                                     m_rng.bounded(2) ? FaultAccount::memberId(g_account.db()) : 0);
        } else if (dice < 75) {
            kind = 'T';
            r = CounterActions::takeBack(g_account, code);
        } else if (dice < 90) {
            kind = 'S';
            r = CounterActions::sell(g_account, code);
        } else {
            if (m_sales.isEmpty())
                return false;
            kind = 'U';
            const qint64 line = m_sales.takeAt(int(m_rng.bounded(m_sales.size())));
            // Written before the undo: a kill between its commit and its "U" line leaves the
            // sale either there or undone, and the check accepts both.
            record('u', {line});
            r = CounterActions::undoSale(g_account, line);
        }
        ++tally.tries;
        switch (r.status) {
        case Result::Status::Done:
            ++tally.done;
            if (kind == 'S')
                m_sales += r.lineIds;
            record(kind, r.lineIds);
            break;
        case Result::Status::Refused:
            ++tally.refused;
            break;
        case Result::Status::Failed:
            ++tally.failed;
            std::fprintf(stderr, "failed %c %s: %s\n", kind, qPrintable(code), qPrintable(r.error));
            break;
        }
        return true;
    }

private:
    void record(char kind, const QList<qint64> &ids)
    {
        if (m_journal < 0)
            return;
        QByteArray line(1, kind);
        for (qint64 id : ids)
            line += ' ' + QByteArray::number(id);
        line += '\n';
        // One write per line: a kill lands before or after it, never inside the line.
        if (::write(m_journal, line.constData(), size_t(line.size())) != line.size())
            std::perror("journal");
    }

    QRandomGenerator m_rng;
    int m_journal;
    QList<qint64> m_sales;
};

bool open(const QString &account)
{
    QString why;
    if (!FaultAccount::open(account, QLatin1String(Db::MainConnName), &why)) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(account), qPrintable(why));
        return false;
    }
    g_account.setAccount(account);
    g_account.setOperator(1);
    return true;
}

int race(const QStringList &args)
{
    const int tries = args.value(3).toInt();
    const quint32 seed = args.value(4).toUInt();
    if (!open(args.value(2)))
        return 2;
    std::printf("ready\n");
    std::fflush(stdout);
    while (!QFile::exists(args.value(5)))
        QThread::usleep(200);
    Counter counter(seed, -1);
    Tally tally;
    while (tally.tries < tries)
        counter.step(tally);
    std::printf("%s\n", tally.line().constData());
    return 0;
}

int crash(const QStringList &args)
{
    if (!open(args.value(2)))
        return 2;
    const int journal =
        ::open(QFile::encodeName(args.value(4)).constData(), O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (journal < 0)
        return 2;
    Counter counter(args.value(3).toUInt(), journal);
    Tally tally;
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;)
        counter.step(tally);
}

int rentOnce(const QStringList &args)
{
    if (!open(args.value(2)))
        return 2;
    const auto copy = Lease::findCopyForRent(g_account.db(), args.value(3));
    if (!copy)
        return 3;
    const auto item =
        Lease::makeItem(g_account.db(), *copy, Lease::Mode::RentOut, false, QDate::currentDate());
    Lease::Completion c;
    c.items = {*item};
    c.depositTotal = item->addedDeposit;
    c.rentTotal = item->addedRent;
    c.operatorId = 1;
    c.now = QDateTime::currentDateTime();
    try {
        Lease::complete(g_account.db(), c);
        std::printf("fault=-1\n\n");
    } catch (const Db::DbError &e) {
        std::printf("fault=%d\n%s\n", int(e.fault()), qPrintable(e.message()));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("race") && args.size() == 6)
        return race(args);
    if (args.value(1) == QLatin1String("crash") && args.size() == 5)
        return crash(args);
    if (args.value(1) == QLatin1String("rent") && args.size() == 4)
        return rentOnce(args);
    std::fprintf(stderr, "usage: faultchild race ACCOUNT TRIES SEED GOFILE | "
                         "crash ACCOUNT SEED JOURNAL\n");
    return 2;
}
