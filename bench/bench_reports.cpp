// Times the rental, overdue, member and ranking reports on a large shop: reading the rows and
// generating every page, for the last month and the last year of the shop's lines, and one
// build of the rental report window with its preview. Reports only read: the account is opened
// as it is. Usage: bench_reports LARGE.MDB [codepoint]: with a second argument the names are
// ordered by code point, the baseline the pinyin order is measured against.
#include "reports/MemberReport.h"
#include "reports/OverdueReport.h"
#include "reports/RankingReport.h"
#include "reports/RentalReport.h"
#include "reports/RentalReportWindow.h"

#include "data/AccountContext.h"
#include "data/Collation.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SqlDialect.h"
#include "data/SqliteStatement.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportGenerator.h"

#include <QApplication>
#include <sqlite3.h>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

// The account this measurement works in: MainConn, opened by main().
AccountContext g_account;

} // namespace

namespace {

struct Silent : Msg::Presenter
{
    QMessageBox::StandardButton present(const Msg::Request &) override { return QMessageBox::Ok; }
};

// Processor time of this process: on a machine shared with builds, wall clock alone says
// little about the program.
qint64 cpuMs()
{
    timespec c{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c);
    return qint64(c.tv_sec) * 1000 + c.tv_nsec / 1000000;
}

void measure(const char *what, const std::function<ReportData()> &rows,
             const std::function<ReportDefinition()> &definition)
{
    QElapsedTimer t;
    t.start();
    const qint64 cpuStart = cpuMs();
    const ReportData data = rows();
    const qint64 readMs = t.elapsed();
    const qint64 readCpuMs = cpuMs() - cpuStart;
    t.restart();
    const ReportDocument doc = ReportGenerator::generate(definition(), data);
    const qint64 generateMs = t.elapsed();
    std::printf("%-36s %7d rows %5d pages  read %5lld ms (processor %5lld ms)  pages %5lld ms\n",
                what, data.rowCount(), doc.pageCount(), readMs, readCpuMs, generateMs);
}

ReportHeading heading(const QString &title, const QDate &from, const QDate &to)
{
    ReportHeading h;
    h.title = title;
    h.from = from;
    h.to = to;
    return h;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_reports LARGE.MDB\n");
        return 2;
    }
    QString why;
    if (!openAccountFile(QString::fromLocal8Bit(argv[1]), QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open: %s", qPrintable(why));
    if (argc > 2) {
        // Baseline: the name order replaced by plain code-point order, compared as the engine's
        // own BINARY order does (bytes of UTF-8, no conversion).
        sqlite3_create_collation(Sqlite::handle(g_account.db()), "PINYIN", SQLITE_UTF8, nullptr,
                                 [](void *, int la, const void *a, int lb, const void *b) {
                                     const int c = memcmp(a, b, size_t(qMin(la, lb)));
                                     return c != 0 ? c : la - lb;
                                 });
        std::printf("baseline: code-point order\n");
    }
    Silent silent;
    Msg::setPresenter(&silent);
    {
        // Opening the collator is once per program (the lists and grids of the first window
        // do it): timed apart from the reports.
        QElapsedTimer t;
        t.start();
        Collation::compare(QStringLiteral("张"), QStringLiteral("李"));
        std::printf("collator opened in %lld ms\n", t.elapsed());
    }

    const QDate last = SqlDialect::parseDate(
        Db::scalar(QStringLiteral("SELECT max(DatTime) FROM TBBusinessDetail"), {}, g_account.db())
            .toString());
    std::printf(
        "lines: %lld, last rental day %s\n",
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBBusinessDetail"), {}, g_account.db())
            .toLongLong(),
        qPrintable(SqlDialect::dateText(last)));

    const struct
    {
        const char *name;
        QDate from;
    } ranges[] = {{"month", last.addDays(-30)}, {"year", last.addDays(-365)}};
    for (const auto &range : ranges) {
        const QDate from = range.from;
        const QString span = QString::fromLatin1(range.name);
        measure(
            qPrintable(QStringLiteral("rental report, ") + span),
            [&] { return RentalReport::rows(from, last, g_account.db()); },
            [&] { return RentalReport::definition(heading(RentalReport::Title, from, last)); });
        measure(
            qPrintable(QStringLiteral("member report, ") + span),
            [&] { return MemberReport::rows(from, last, g_account.db()); },
            [&] { return MemberReport::definition(heading(MemberReport::Title, from, last)); });
        using namespace RankingReport;
        for (Mode mode : {Mode::Rentals, Mode::Sales}) {
            for (Kind kind : {Kind::Overall, Kind::ByCategory}) {
                const QString name =
                    QStringLiteral("%1 ranking %2, %3")
                        .arg(mode == Mode::Sales ? "sales" : "rental",
                             kind == Kind::Overall ? "overall" : "by category", span);
                measure(
                    qPrintable(name), [&] { return rows(mode, kind, from, last, g_account.db()); },
                    [&] { return definition(mode, kind, heading(title(mode), from, last)); });
            }
        }
    }
    measure(
        "overdue report, more than 3 days",
        [&] { return OverdueReport::rows(3, last, g_account.db()); },
        [&] { return OverdueReport::definition(heading(OverdueReport::Title, last, last)); });

    TResQPFm window(g_account);
    window.resize(1000, 700);
    window.show();
    window.setDateRange(last.addDays(-30), last);
    QElapsedTimer t;
    t.start();
    window.BuildReport();
    app.processEvents();
    std::printf("rental report window, month: built and first page shown in %lld ms (%d pages)\n",
                t.elapsed(), window.pageCount());

    // A year from 刷新: the first page on screen, then every page made while the window stays
    // usable (the parts run between the window's own events).
    for (int run = 0; run < 3; ++run) {
        window.setDateRange(last.addDays(-365), last);
        t.restart();
        const qint64 cpuStart = cpuMs();
        window.BuildReport();
        app.processEvents();
        qint64 firstPage = window.pageCount() > 0 ? t.elapsed() : -1;
        qint64 firstPageCpu = window.pageCount() > 0 ? cpuMs() - cpuStart : -1;
        qint64 longestWait = 0;
        QElapsedTimer gap;
        while (window.isGenerating()) {
            gap.restart();
            app.processEvents(QEventLoop::AllEvents);
            longestWait = std::max(longestWait, gap.elapsed());
            if (firstPage < 0 && window.pageCount() > 0) {
                firstPage = t.elapsed();
                firstPageCpu = cpuMs() - cpuStart;
            }
        }
        std::printf("rental report window, year: first page shown in %lld ms (processor %lld "
                    "ms), all %d pages in %lld ms (processor %lld ms, longest part %lld ms)\n",
                    firstPage, firstPageCpu, window.pageCount(), t.elapsed(),
                    cpuMs() - cpuStart, longestWait);
    }
    Msg::setPresenter(nullptr);
    return 0;
}
