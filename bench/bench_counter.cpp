// The counter's actions on a large shop, timed through the very functions the windows call,
// against the cost of the same statements run straight through the sqlite3 C API, and
// against the same actions on a shop a hundred times smaller.
//
//   bench_counter LARGE.MDB SMALL.MDB
//
// Both files are copied to a temporary folder first: the completions write to them.
// Prints one table: action, median and 95th percentile in ms, the engine floor's median,
// the ratio to the floor and the ratio large/small; then the list windows and memory.

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/LeaseListWindow.h"
#include "sales/SaleStore.h"
#include "sales/SellMainWindow.h"
#include "stock/RepertoryWindow.h"
#include "toolkit/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

struct Stats
{
    double median = 0;
    double p95 = 0;
};

Stats stats(QList<double> ms)
{
    if (ms.isEmpty())
        return {};
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[qMin(ms.size() - 1, int(q * (ms.size() - 1) + 0.5))];
    };
    return {at(0.5), at(0.95)};
}

// Times body(i) for i = 0..n-1; setup(i), when given, runs untimed before each.
Stats time(int n, const std::function<void(int)> &body, const std::function<void(int)> &setup = {})
{
    QList<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        if (setup)
            setup(i);
        t.start();
        body(i);
        ms << t.nsecsElapsed() / 1e6;
    }
    return stats(ms);
}

// ---- the engine floor: the same statements through sqlite3 directly ----

class Raw
{
public:
    explicit Raw(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr))
            qFatal("cannot open %s", qPrintable(path));
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~Raw() { sqlite3_close(m_db); }

    // Runs sql with text/integer parameters and steps through every row, reading each column
    // (as the program reads its results).
    void run(const char *sql, const QVariantList &params = {})
    {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK)
            qFatal("floor: %s: %s", sql, sqlite3_errmsg(m_db));
        for (int i = 0; i < params.size(); ++i) {
            const QVariant &p = params[i];
            if (p.typeId() == QMetaType::QString) {
                const QByteArray b = p.toString().toUtf8();
                sqlite3_bind_text(st, i + 1, b.constData(), b.size(), SQLITE_TRANSIENT);
            } else if (p.isNull()) {
                sqlite3_bind_null(st, i + 1);
            } else {
                sqlite3_bind_int64(st, i + 1, p.toLongLong());
            }
        }
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                sqlite3_column_text(st, c);
        }
        if (rc != SQLITE_DONE)
            qFatal("floor: %s: %s", sql, sqlite3_errmsg(m_db));
        sqlite3_finalize(st);
    }
    qint64 lastId() const { return sqlite3_last_insert_rowid(m_db); }

private:
    sqlite3 *m_db = nullptr;
};

// ---- the shop under test ----

struct Samples
{
    QStringList memberNums; // members with discs out
    QStringList freeCodes;  // copies that can be rented or sold
    QStringList outCodes;   // copies out on rent
};

Samples pickSamples(int n)
{
    Samples s;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT DISTINCT a.Num FROM TBBusinessDetail d JOIN "
                                          "TBAssociator a ON a.ID = d.Ass_Number "
                                          "WHERE d.ReDate IS NULL AND a.ID > 15 LIMIT ?"),
                           {n});
    while (q.next())
        s.memberNums << q.value(0).toString();
    q = Db::exec(
        QStringLiteral(
            "SELECT CustomNum FROM TBName b WHERE b.Quality < 3 AND NOT EXISTS (SELECT 1 FROM "
            "TBBusinessDetail d WHERE d.CDNum = b.ID AND d.ReDate IS NULL) ORDER BY random() LIMIT "
            "?"),
        {n * 12});
    while (q.next())
        s.freeCodes << q.value(0).toString();
    q = Db::exec(
        QStringLiteral("SELECT b.CustomNum FROM TBBusinessDetail d JOIN TBName b ON b.ID = d.CDNum "
                       "WHERE d.ReDate IS NULL AND d.Ass_Number <> -1 LIMIT ?"),
        {n});
    while (q.next())
        s.outCodes << q.value(0).toString();
    return s;
}

struct Row
{
    QString action;
    Stats ours;
    Stats floor;
    Stats small;
};

// The counter actions on one shop. `floorDb` runs the floor statements on the same file.
QList<Row> counterActions(const QString &path, int reps)
{
    QString why;
    if (!openAccountFile(path, QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(why));
    Raw raw(path);
    const Samples s = pickSamples(reps);
    const QDate today = QDate::currentDate();
    const QDateTime now = QDateTime::currentDateTime();
    const QString todayText = SqlDialect::dateText(today);
    int free = 0; // next unused free code
    QList<Row> rows;

    // Member lookup with the open rentals and their running rent.
    rows.append(
        {QStringLiteral("member lookup + open rentals"),
         time(reps,
              [&](int i) { Lease::lookupMember(s.memberNums[i % s.memberNums.size()], today); }),
         time(reps,
              [&](int i) {
                  const QString num = s.memberNums[i % s.memberNums.size()];
                  raw.run("SELECT ID, Num, Name, Sum, SDT FROM TBAssociator WHERE Num = ? "
                          "ORDER BY ID LIMIT 1",
                          {num});
                  raw.run("SELECT b.ID, b.DatTime, b.RMoney, b.Deposit, c.CustomNum, c.Name, "
                          "c.Direct, c.ActRole, c.Address1, c.Ver FROM TBBusinessDetail b "
                          "JOIN TBName c ON c.ID = b.CDNum "
                          "WHERE b.Ass_Number = (SELECT ID FROM TBAssociator WHERE Num = ? "
                          "ORDER BY ID LIMIT 1) AND b.ReDate IS NULL ORDER BY b.ID",
                          {num});
              }),
         {}});
    rows.append({QStringLiteral("title lookup for renting"),
                 time(reps, [&](int i) { Lease::findCopyForRent(s.freeCodes[i]); }),
                 time(reps,
                      [&](int i) {
                          raw.run(
                              "SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                              "b.Nlang, b.ActRole, b.Categray, a.Fee, a.Deposit FROM TBName b "
                              "JOIN TBVer a ON a.Name = b.Ver WHERE b.CustomNum = ? AND NOT EXISTS "
                              "(SELECT 1 FROM TBBusinessDetail d WHERE d.CDNum = b.ID AND "
                              "d.ReDate IS NULL) ORDER BY b.ID, a.ID LIMIT 1",
                              {s.freeCodes[i]});
                      }),
                 {}});
    rows.append(
        {QStringLiteral("title lookup for returning"),
         time(reps, [&](int i) { Lease::findCopyForReturn(s.outCodes[i % s.outCodes.size()]); }),
         time(reps,
              [&](int i) {
                  const QString code = s.outCodes[i % s.outCodes.size()];
                  raw.run("SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                          "b.Nlang, b.ActRole, b.Categray, a.ID, a.DatTime, a.Ass_Number, "
                          "a.RMoney, a.Deposit FROM TBName b JOIN TBBusinessDetail a "
                          "ON a.CDNum = b.ID "
                          "WHERE b.CustomNum = ? AND a.ReDate IS NULL "
                          "AND a.Ass_Number <> -1 ORDER BY a.ID LIMIT 1",
                          {code});
              }),
         {}});
    rows.append({QStringLiteral("title lookup for selling"),
                 time(reps, [&](int i) { SaleStore::findSaleableCopy(s.freeCodes[i]); }),
                 time(reps,
                      [&](int i) {
                          raw.run(
                              "SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                              "b.Nlang, b.ActRole, b.Categray FROM TBName b WHERE b.CustomNum = ? "
                              "AND EXISTS (SELECT 1 FROM TBVer a WHERE a.Name = b.Ver) AND NOT "
                              "EXISTS (SELECT 1 FROM TBBusinessDetail d WHERE d.CDNum = b.ID AND "
                              "d.ReDate IS NULL) ORDER BY b.ID LIMIT 1",
                              {s.freeCodes[i]});
                      }),
                 {}});

    // A five-disc rental and the return of the same five discs, for a member.
    const int txReps = qMax(10, reps / 4);
    const auto member = Lease::lookupMember(s.memberNums.first(), today);
    QList<QList<Lease::Item>> rented;
    Lease::Completion c;
    auto prepareRental = [&](int) {
        c = {};
        c.mode = Lease::Mode::RentOut;
        c.memberId = Schema::WalkInCustomerId; // no allowance runs out during the benchmark
        c.operatorId = 1;
        c.now = now;
        for (int k = 0; k < 5; ++k) {
            const auto copy = Lease::findCopyForRent(s.freeCodes[free++ % s.freeCodes.size()]);
            if (!copy)
                continue;
            const auto item = Lease::makeItem(*copy, Lease::Mode::RentOut, false, today);
            c.items << *item;
            c.depositTotal += item->addedDeposit;
            c.rentTotal += item->addedRent;
        }
    };
    const Stats rental = time(
        txReps,
        [&](int) {
            if (!Lease::completeRental(c).done())
                qFatal("rental refused");
            rented << c.items;
        },
        prepareRental);
    int back = 0;
    const Stats ret = time(
        txReps,
        [&](int) {
            if (!Lease::completeReturn(c).done())
                qFatal("return refused");
        },
        [&](int) {
            c = {};
            c.mode = Lease::Mode::TakeBack;
            c.memberId = member ? member->id : 0;
            c.operatorId = 1;
            c.now = now;
            for (const Lease::Item &it : rented[back++]) {
                const auto copy = Lease::findCopyForReturn(it.copy.customNum);
                const auto item = Lease::makeItem(*copy, Lease::Mode::TakeBack, false, today);
                c.items << *item;
                c.depositTotal += item->addedDeposit;
                c.rentTotal += item->addedRent;
            }
        });

    // Floor of the same two transactions: the statements the completions run.
    QList<qint64> floorCopies;
    auto copyIds = [&](int) {
        floorCopies.clear();
        for (int k = 0; k < 5; ++k) {
            const auto copy = Lease::findCopyForRent(s.freeCodes[free++ % s.freeCodes.size()]);
            if (copy)
                floorCopies << copy->id;
        }
    };
    QList<QList<qint64>> floorRented;
    const Stats rentalFloor = time(
        txReps,
        [&](int) {
            raw.run("BEGIN IMMEDIATE");
            for (qint64 id : floorCopies) {
                raw.run("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                        "Deposit, Persons) SELECT ?, 300, 1, 15, ?, 3000, 1 WHERE NOT EXISTS "
                        "(SELECT 1 FROM TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL)",
                        {id, todayText, id});
            }
            raw.run("UPDATE TBAssociator SET Sum = COALESCE(Sum, 0) - 5 WHERE ID = 15");
            raw.run("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                    "VALUES (?, 8, 15000, 0, 15)",
                    {todayText});
            raw.run("COMMIT");
            floorRented << floorCopies;
        },
        copyIds);
    int floorBack = 0;
    const Stats returnFloor = time(txReps, [&](int) {
        raw.run("BEGIN IMMEDIATE");
        for (qint64 id : floorRented[floorBack]) {
            raw.run("SELECT ID FROM TBBusinessDetail WHERE CDNum = ? AND ReDate IS NULL AND "
                    "Ass_Number <> -1 ORDER BY ID LIMIT 1",
                    {id});
            raw.run("UPDATE TBBusinessDetail SET ReDate = ? WHERE CDNum = ? AND ReDate IS NULL "
                    "AND Ass_Number <> -1 RETURNING Ass_Number",
                    {SqlDialect::dateTimeText(now), id});
        }
        raw.run("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                "VALUES (?, 3, 1500, 0, 15)",
                {todayText});
        raw.run("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                "VALUES (?, 8, -15000, 0, 15)",
                {todayText});
        raw.run("COMMIT");
        ++floorBack;
    });
    rows.append({QStringLiteral("complete a five-disc rental"), rental, rentalFloor, {}});
    rows.append({QStringLiteral("complete a five-disc return"), ret, returnFloor, {}});

    // A three-line sale.
    QList<SaleStore::SaleRow> sale;
    const Stats saleStats = time(
        txReps, [&](int) { SaleStore::completeSale(sale, 0, 1, today); },
        [&](int) {
            sale.clear();
            for (int k = 0; k < 3; ++k) {
                const auto copy =
                    SaleStore::findSaleableCopy(s.freeCodes[free++ % s.freeCodes.size()]);
                if (copy)
                    sale.append({*copy, 1, Money::fromCents(2500)});
            }
        });
    const Stats saleFloor = time(
        txReps,
        [&](int) {
            raw.run("BEGIN IMMEDIATE");
            for (int k = 0; k < 3 && k < floorCopies.size(); ++k) {
                const qint64 id = floorCopies[k];
                raw.run("SELECT EXISTS (SELECT 1 FROM TBBusinessDetail WHERE CDNum = ? AND "
                        "ReDate IS NULL)",
                        {id});
                raw.run("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                        "Persons) VALUES (?, 2500, 1, -1, ?, 1)",
                        {id, todayText});
                raw.run("UPDATE TBName SET Quality = 5 WHERE ID = ?", {id});
            }
            raw.run("COMMIT");
        },
        copyIds);
    rows.append({QStringLiteral("complete a three-line sale"), saleStats, saleFloor, {}});

    QSqlDatabase::database(QLatin1String(Db::MainConnName)).close();
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    return rows;
}

// ---- the list windows ----

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

struct WindowRow
{
    QString window;
    Stats show;
    Stats key;
};

template <typename Window>
WindowRow listWindow(const QString &name, const char *searchName, const QStringList &keys, int reps,
                     long *rssKb = nullptr)
{
    WindowRow r{name, {}, {}};
    QList<double> shows;
    for (int i = 0; i < reps; ++i) {
        QElapsedTimer t;
        t.start();
        auto *w = new Window;
        w->resize(1200, 760);
        w->show();
        // Shown and painted: grab() paints the whole window with its first screen of rows.
        QApplication::processEvents();
        w->grab();
        shows << t.nsecsElapsed() / 1e6;
        if (i + 1 == reps) {
            if (rssKb)
                *rssKb = residentKb();
            auto *search = w->template findChild<QLineEdit *>(QLatin1String(searchName));
            QList<double> keyMs;
            for (const QString &k : keys) {
                search->clear();
                QApplication::processEvents();
                // The key handled and the window painted; rows still arriving in the
                // background come in their own short steps between keys, not inside one.
                QElapsedTimer kt;
                kt.start();
                QTest::keyClick(search, k.at(0).toLatin1());
                w->grab();
                keyMs << kt.nsecsElapsed() / 1e6;
                QApplication::processEvents();
            }
            r.key = stats(keyMs);
        }
        delete w;
        QApplication::processEvents();
    }
    r.show = stats(shows);
    return r;
}

QString ms(double v)
{
    return QString::number(v, 'f', v < 1 ? 3 : 2);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: bench_counter LARGE.MDB SMALL.MDB [REPS]\n";
        return 2;
    }
    const int reps = args.size() > 3 ? args[3].toInt() : 200;
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("large.MDB"));
    const QString small = dir.filePath(QStringLiteral("small.MDB"));
    if (!QFile::copy(args[1], large) || !QFile::copy(args[2], small))
        qFatal("cannot copy the accounts");

    QList<Row> rows = counterActions(large, reps);
    const QList<Row> smallRows = counterActions(small, reps);
    for (int i = 0; i < rows.size(); ++i)
        rows[i].small = smallRows[i].ours;

    out() << "\n| action | median ms | p95 ms | floor median ms | ratio to floor | large/small |\n"
          << "|---|---:|---:|---:|---:|---:|\n";
    for (const Row &r : rows) {
        out() << "| " << r.action << " | " << ms(r.ours.median) << " | " << ms(r.ours.p95) << " | "
              << ms(r.floor.median) << " | "
              << QString::number(r.ours.median / qMax(r.floor.median, 1e-6), 'f', 2) << " | "
              << QString::number(r.ours.median / qMax(r.small.median, 1e-6), 'f', 2) << " |\n";
    }
    out().flush();

    QString why;
    if (!openAccountFile(large, QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open: %s", qPrintable(why));
    AccountContext::current().setOperator(1);
    const QStringList memberKeys = {QStringLiteral("M"), QStringLiteral("0"), QStringLiteral("1"),
                                    QStringLiteral("9"), QStringLiteral("5")};
    const QStringList nameKeys = {QStringLiteral("a"), QStringLiteral("0"), QStringLiteral("1"),
                                  QStringLiteral("x"), QStringLiteral("5")};
    long rss = 0;
    QList<WindowRow> windows;
    windows << listWindow<TLeaseMainFM>(QStringLiteral("rental list"), "EDSearch", memberKeys, 5);
    windows << listWindow<TRepertoryFm>(QStringLiteral("stock list"), "EDSearch", nameKeys, 5,
                                        &rss);
    windows << listWindow<TSellMainFm>(QStringLiteral("sales list"), "Edsearch", nameKeys, 5);
    out() << "\n| window | show to first screen, median ms | p95 ms | search keystroke, median ms "
             "| p95 ms |\n|---|---:|---:|---:|---:|\n";
    for (const WindowRow &w : windows) {
        out() << "| " << w.window << " | " << ms(w.show.median) << " | " << ms(w.show.p95) << " | "
              << ms(w.key.median) << " | " << ms(w.key.p95) << " |\n";
    }
    out() << "\nresident memory with the stock list of the large account open: " << rss / 1024
          << " MB\n";
    return 0;
}
