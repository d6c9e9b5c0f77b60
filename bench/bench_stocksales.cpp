// Measures the stock report and the sales reports on a large shop:
//   bench_stocksales ACCOUNT
// ACCOUNT is a shop written by genshop (100,000 copies, 2,000,000 lines at full size); it is
// only read. Prints, in milliseconds, reading the rows and generating every page of the stock
// report (all suppliers and one), of the sales summary and detail over the shop's whole
// history and over its last month, the rows and pages each gave, and the peak memory.

#include "reports/SalesReports.h"
#include "reports/StockReport.h"

#include "data/AccountContext.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/ReportGenerator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

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

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Reads the rows once, then generates the pages, and prints both times.
void measure(const char *what, const std::function<ReportData()> &read,
             const ReportDefinition &definition)
{
    QElapsedTimer t;
    t.start();
    const ReportData rows = read();
    const double readMs = ms(t);
    t.restart();
    const ReportDocument pages = ReportGenerator::generate(definition, rows);
    const double generateMs = ms(t);
    out() << QStringLiteral("%1 rows %2 read %3 ms, pages %4 generated %5 ms")
                 .arg(QLatin1String(what), -28)
                 .arg(rows.rowCount(), 7)
                 .arg(readMs, 8, 'f', 1)
                 .arg(pages.pageCount(), 5)
                 .arg(generateMs, 8, 'f', 1)
          << Qt::endl;
}

QString peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    }
    return QStringLiteral("?");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        out() << "usage: bench_stocksales ACCOUNT" << Qt::endl;
        return 2;
    }
    QString why;
    if (!openAccountFile(QString::fromLocal8Bit(argv[1]), QLatin1String(Db::MainConnName), &why)) {
        out() << "cannot open: " << why << Qt::endl;
        return 1;
    }

    ReportHeading heading;
    heading.title = QString::fromUtf8(StockReport::Title);
    heading.showRange = false;
    measure(
        "stock, all suppliers", [] { return StockReport::rows(g_account.db()); },
        StockReport::definition(heading));
    const QList<StockReport::Supplier> suppliers = StockReport::suppliers(g_account.db());
    if (!suppliers.isEmpty()) {
        const qint64 first = suppliers.first().id;
        measure(
            "stock, one supplier", [first] { return StockReport::rows(g_account.db(), first); },
            StockReport::definition(heading));
    }

    const QDate last = QDate::fromString(
        Db::scalar(QStringLiteral("SELECT MAX(DatTime) FROM TBBusinessDetail"), {}, g_account.db())
            .toString()
            .left(10),
        Qt::ISODate);
    const QDate month = last.addMonths(-1).addDays(1);
    const QDate ever(1990, 1, 1);
    heading.showRange = true;
    heading.from = ever;
    heading.to = last;
    measure(
        "sales summary, all years",
        [&] { return SalesReports::summaryRows(g_account.db(), ever, last); },
        SalesReports::summaryDefinition(heading));
    measure(
        "sales detail, all years",
        [&] { return SalesReports::detailRows(g_account.db(), ever, last); },
        SalesReports::detailDefinition(heading));
    heading.from = month;
    measure(
        "sales summary, last month",
        [&] { return SalesReports::summaryRows(g_account.db(), month, last); },
        SalesReports::summaryDefinition(heading));
    measure(
        "sales detail, last month",
        [&] { return SalesReports::detailRows(g_account.db(), month, last); },
        SalesReports::detailDefinition(heading));

    out() << "peak memory " << peakMemory() << Qt::endl;
    return 0;
}
