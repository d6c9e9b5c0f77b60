// Measures the chart figures and the income and expense list on a large shop:
//   bench_charts ACCOUNT
// ACCOUNT is a shop written by genshop (100,000 copies, 2,000,000 lines, 200,000 income and
// expense records at full size); it is only read. Prints, in milliseconds (best of three):
// the rental analysis over the last month, the last year and the whole history, by title and
// by category; the stock analysis; both monthly series; the list window's first screen and
// all its rows, with and without a type filter; and drawing the charts.

#include "charts/ChartData.h"
#include "charts/CompareChartWindow.h"
#include "charts/LeaseChartWindow.h"
#include "money/InOutMoneyListWindow.h"
#include "money/InOutMoneyStore.h"

#include "data/AccountContext.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>

namespace {

// The account this measurement works in: MainConn, opened by main().
AccountContext g_account;

} // namespace

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

void report(const QString &what, double value)
{
    out() << QStringLiteral("%1 %2 ms").arg(what, -48).arg(value, 9, 'f', 2) << Qt::endl;
}

void reportWithCpu(const QString &what, double value, double cpu)
{
    out() << QStringLiteral("%1 %2 ms (processor %3 ms)")
                 .arg(what, -48)
                 .arg(value, 9, 'f', 2)
                 .arg(cpu, 0, 'f', 1)
          << Qt::endl;
}

// The processor time of this program in milliseconds: on a machine shared with other work
// it tells what the program itself spent, where the clock on the wall also counts the waits.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double g_lastCpu = 0; // the processor time of the best run of the last bestOf3

double bestOf3(const std::function<void()> &run)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMs();
        run();
        const double wall = double(t.nsecsElapsed()) / 1e6;
        if (wall < best) {
            best = wall;
            g_lastCpu = cpuMs() - cpu;
        }
    }
    return best;
}

QDate lastLineDate()
{
    return QDate::fromString(
        Db::scalar(QStringLiteral("SELECT MAX(DatTime) FROM TBBusinessDetail"), {}, g_account.db())
            .toString(),
        QStringLiteral("yyyy-MM-dd"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        out() << "usage: bench_charts ACCOUNT" << Qt::endl;
        return 2;
    }
    QString why;
    if (!openAccountFile(QString::fromLocal8Bit(argv[1]), QLatin1String(Db::MainConnName), &why)) {
        out() << "cannot open the account: " << why << Qt::endl;
        return 1;
    }
    const QDate last = lastLineDate();
    out() << "account " << argv[1] << ", last line " << last.toString(Qt::ISODate) << Qt::endl;

    using Charts::LeaseGrouping;
    const struct
    {
        const char *name;
        QDate from;
    } periods[] = {
        {"month", last.addMonths(-1)}, {"year", last.addYears(-1)}, {"history", QDate(1990, 1, 1)}};
    for (const auto &p : periods) {
        for (const auto grouping : {LeaseGrouping::ByTitle, LeaseGrouping::ByCategory}) {
            int slices = 0;
            const double t = bestOf3([&] {
                slices = int(Charts::leaseSlices(g_account.db(), p.from, last, grouping).size());
            });
            reportWithCpu(QStringLiteral("rental analysis, %1, %2 (%3 slices)")
                              .arg(QLatin1String(p.name), grouping == LeaseGrouping::ByTitle
                                                              ? QStringLiteral("by title")
                                                              : QStringLiteral("by category"))
                              .arg(slices),
                          t, g_lastCpu);
        }
    }
    report(QStringLiteral("stock analysis"), bestOf3([] { Charts::stockSlices(g_account.db()); }));
    int spent = 0;
    int taken = 0;
    report(QStringLiteral("monthly spending"),
           bestOf3([&] { spent = int(Charts::monthlySpending(g_account.db()).size()); }));
    report(QStringLiteral("monthly rent and deposits"),
           bestOf3([&] { taken = int(Charts::monthlyTakings(g_account.db()).size()); }));
    out() << "  (" << spent << " and " << taken << " months)" << Qt::endl;

    // The list window: the first screen, then every row (the footer's sum needs them all).
    TInOutMoneyListFm list(g_account);
    list.resize(1100, 700);
    QElapsedTimer t;
    t.start();
    list.show();
    QCoreApplication::processEvents();
    report(QStringLiteral("income/expense list, first screen"), double(t.nsecsElapsed()) / 1e6);
    list.dxDBGrid1->fetchAll();
    report(QStringLiteral("income/expense list, all %1 rows and the sum")
               .arg(list.dxDBGrid1->rowCount()),
           double(t.nsecsElapsed()) / 1e6);
    t.restart();
    list.ComBCate->setCurrentIndex(list.ComBCate->count() - 1);
    list.dxDBGrid1->fetchAll();
    report(
        QStringLiteral("income/expense list, one type (%1 rows)").arg(list.dxDBGrid1->rowCount()),
        double(t.nsecsElapsed()) / 1e6);
    list.hide();

    // Drawing: a pie of the largest slices over the whole history, and both bar charts.
    TLeaseCharFm lease(g_account);
    lease.resize(1100, 700);
    lease.show();
    lease.DTPBegin->setDate(QDate(1990, 1, 1));
    lease.DTPend->setDate(last);
    report(QStringLiteral("rental analysis window, history, drawn"), bestOf3([&] {
               lease.Draw();
               lease.repaint();
           }));
    TCompareChFm compare(g_account);
    compare.resize(1100, 700);
    t.restart();
    compare.show();
    compare.repaint();
    report(QStringLiteral("monthly income and expense window, drawn"),
           double(t.nsecsElapsed()) / 1e6);
    return 0;
}
