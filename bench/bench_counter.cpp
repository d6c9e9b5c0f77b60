// The counter's actions on a large shop, timed through the very functions the windows call,
// against the cost of the same statements run straight through the sqlite3 C API, and
// against the same actions on a shop a hundred times smaller.
//
//   bench_counter LARGE.MDB SMALL.MDB
//
// Both files are copied to a temporary folder first: the completions write to them.
// Prints one table: action, median and 95th percentile in ms, the engine floor's median,
// the ratio to the floor and the ratio large/small; then the list windows and memory.

#include "data/AccountContext.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "ServerShop.h"
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
#include <memory>
#include <optional>

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

// The program's way and the floor's timed in turns, repetition by repetition, so that both see
// the same load of the machine: a ratio of medians taken one after the other measured the load's
// changes as much as the program (single runs ranged from 0.4 to 3 times the floor).
struct Pair
{
    Stats ours;
    Stats floor;
};

// Times ours(i) and floor(i) for i = 0..n-1; a setup, when given, runs untimed before its body.
Pair both(int n, const std::function<void(int)> &ours, const std::function<void(int)> &oursSetup,
          const std::function<void(int)> &floor, const std::function<void(int)> &floorSetup)
{
    QList<double> oursMs;
    QList<double> floorMs;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        if (oursSetup)
            oursSetup(i);
        t.start();
        ours(i);
        oursMs << t.nsecsElapsed() / 1e6;
        if (floorSetup)
            floorSetup(i);
        t.start();
        floor(i);
        floorMs << t.nsecsElapsed() / 1e6;
    }
    return {stats(oursMs), stats(floorMs)};
}

// ---- the engine floor: the same statements straight through the engine's own library ----

// Runs statements with '?' parameters and reads every column of every row, as the program
// reads its results; begin() and commit() frame a change as the program's writer does.
class Floor
{
public:
    virtual ~Floor() = default;
    virtual void run(const char *sql, const QVariantList &params = {}) = 0;
    virtual void begin() = 0;
    void commit() { run("COMMIT"); }
};

class SqliteFloor : public Floor
{
public:
    explicit SqliteFloor(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr))
            qFatal("cannot open %s", qPrintable(path));
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~SqliteFloor() override { sqlite3_close(m_db); }

    void run(const char *sql, const QVariantList &params = {}) override
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
    void begin() override { run("BEGIN IMMEDIATE"); }

private:
    sqlite3 *m_db = nullptr;
};

// The server's floor: each statement prepared once (PQprepare) and then executed with its
// values (PQexecPrepared), one round trip per statement; a change starts with BEGIN and the
// account's writer lock in one round trip, as the program's transaction does.
class ServerFloor : public Floor
{
public:
    explicit ServerFloor(const ServerAddress &address) : m_conn(address) {}

    void run(const char *sql, const QVariantList &params = {}) override
    {
        QByteArray &name = m_prepared[QByteArray(sql)];
        if (name.isEmpty()) {
            name = "floor" + QByteArray::number(m_prepared.size());
            m_conn.check(PQprepare(m_conn.pg, name.constData(), dollarParameters(sql).constData(),
                                   0, nullptr),
                         sql);
        }
        QList<QByteArray> values;
        QList<const char *> pointers;
        for (const QVariant &p : params) {
            values << (p.isNull() ? QByteArray() : p.toString().toUtf8());
            pointers << (p.isNull() ? nullptr : values.last().constData());
        }
        PGresult *r = PQexecPrepared(m_conn.pg, name.constData(), int(pointers.size()),
                                     pointers.constData(), nullptr, nullptr, 0);
        for (int row = 0; row < PQntuples(r); ++row) {
            for (int c = 0; c < PQnfields(r); ++c)
                PQgetvalue(r, row, c);
        }
        m_conn.check(r, sql);
    }
    // As the program starts a writer: the transaction, its lock timeout and the attempt at
    // the writer lock in one round trip.
    void begin() override
    {
        m_conn.exec("BEGIN; SET LOCAL lock_timeout = 10000; "
                    "SELECT pg_try_advisory_xact_lock(1380865111)");
    }

private:
    // '?' placeholders as the server numbers them ($1, $2, ...).
    static QByteArray dollarParameters(const char *sql)
    {
        QByteArray out;
        int n = 0;
        for (const char *c = sql; *c; ++c) {
            if (*c == '?')
                out += '$' + QByteArray::number(++n);
            else
                out += *c;
        }
        return out;
    }

    ServerConnection m_conn;
    QHash<QByteArray, QByteArray> m_prepared;
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
                           {n}, g_account.db());
    while (q.next())
        s.memberNums << q.value(0).toString();
    q = Db::exec(
        QStringLiteral(
            "SELECT CustomNum FROM TBName b WHERE b.Quality < 3 AND NOT EXISTS (SELECT 1 FROM "
            "TBBusinessDetail d WHERE d.CDNum = b.ID AND d.ReDate IS NULL) ORDER BY random() LIMIT "
            "?"),
        {n * 12}, g_account.db());
    while (q.next())
        s.freeCodes << q.value(0).toString();
    q = Db::exec(
        QStringLiteral("SELECT b.CustomNum FROM TBBusinessDetail d JOIN TBName b ON b.ID = d.CDNum "
                       "WHERE d.ReDate IS NULL AND d.Ass_Number <> -1 LIMIT ?"),
        {n}, g_account.db());
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

// One shop under test, in a file or in a server database.
struct Shop
{
    QString path;          // the account file, when in a file
    ServerAddress address; // the account database, when on a server

    bool onServer() const { return path.isEmpty(); }
    // Opens MainConn on the shop.
    void open() const
    {
        QString why;
        const bool opened =
            onServer() ? openServerAccount(address, QLatin1String(Db::MainConnName), &why)
                       : openAccountFile(path, QLatin1String(Db::MainConnName), &why);
        if (!opened)
            qFatal("cannot open %s: %s", qPrintable(onServer() ? address.toText() : path),
                   qPrintable(why));
    }
    // The engine floor on the same shop, through a connection of its own.
    std::unique_ptr<Floor> floor() const
    {
        if (onServer())
            return std::make_unique<ServerFloor>(address);
        return std::make_unique<SqliteFloor>(path);
    }
};

// The counter actions on one shop; the floor runs the same statements on the same shop.
QList<Row> counterActions(const Shop &shop, int reps)
{
    shop.open();
    const std::unique_ptr<Floor> engineFloor = shop.floor();
    Floor &floor = *engineFloor;
    const Samples s = pickSamples(reps);
    const QDate today = QDate::currentDate();
    const QDateTime now = QDateTime::currentDateTime();
    const QString todayText = SqlDialect::dateText(today);
    int free = 0; // next unused free code
    QList<Row> rows;

    // Member lookup with the open rentals and their running rent.
    const Pair memberTimes = both(
        reps, [&](int i) { Lease::lookupMember(g_account.db(), s.memberNums[i % s.memberNums.size()], today); }, {},
        [&](int i) {
            const QString num = s.memberNums[i % s.memberNums.size()];
            floor.run("SELECT ID, Num, Name, Sum, SDT FROM TBAssociator WHERE Num = ? "
                      "ORDER BY ID LIMIT 1",
                      {num});
            floor.run("SELECT b.ID, b.DatTime, b.RMoney, b.Deposit, c.CustomNum, c.Name, "
                      "c.Direct, c.ActRole, c.Address1, c.Ver FROM TBBusinessDetail b "
                      "JOIN TBName c ON c.ID = b.CDNum "
                      "WHERE b.Ass_Number = (SELECT ID FROM TBAssociator WHERE Num = ? "
                      "ORDER BY ID LIMIT 1) AND b.ReDate IS NULL ORDER BY b.ID",
                      {num});
        },
        {});
    rows.append(
        {QStringLiteral("member lookup + open rentals"), memberTimes.ours, memberTimes.floor, {}});
    const Pair rentingTimes = both(
        reps, [&](int i) { Lease::findCopyForRent(g_account.db(), s.freeCodes[i]); }, {},
        [&](int i) {
            floor.run("SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                      "b.Nlang, b.ActRole, b.Categray, a.Fee, a.Deposit FROM TBName b "
                      "JOIN TBVer a ON a.Name = b.Ver WHERE b.CustomNum = ? AND NOT EXISTS "
                      "(SELECT 1 FROM TBBusinessDetail d WHERE d.CDNum = b.ID AND "
                      "d.ReDate IS NULL) ORDER BY b.ID, a.ID LIMIT 1",
                      {s.freeCodes[i]});
        },
        {});
    rows.append(
        {QStringLiteral("title lookup for renting"), rentingTimes.ours, rentingTimes.floor, {}});
    const Pair returningTimes = both(
        reps, [&](int i) { Lease::findCopyForReturn(g_account.db(), s.outCodes[i % s.outCodes.size()]); }, {},
        [&](int i) {
            const QString code = s.outCodes[i % s.outCodes.size()];
            floor.run("SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                      "b.Nlang, b.ActRole, b.Categray, a.ID, a.DatTime, a.Ass_Number, "
                      "a.RMoney, a.Deposit FROM TBName b JOIN TBBusinessDetail a "
                      "ON a.CDNum = b.ID "
                      "WHERE b.CustomNum = ? AND a.ReDate IS NULL "
                      "AND a.Ass_Number <> -1 ORDER BY a.ID LIMIT 1",
                      {code});
        },
        {});
    rows.append({QStringLiteral("title lookup for returning"),
                 returningTimes.ours,
                 returningTimes.floor,
                 {}});
    const Pair sellingTimes = both(
        reps, [&](int i) { SaleStore::findSaleableCopy(g_account.db(), s.freeCodes[i]); }, {},
        [&](int i) {
            floor.run("SELECT b.ID, b.Name, b.CustomNum, b.Address1, b.Direct, b.Ver, "
                      "b.Nlang, b.ActRole, b.Categray FROM TBName b WHERE b.CustomNum = ? "
                      "AND EXISTS (SELECT 1 FROM TBVer a WHERE a.Name = b.Ver) AND NOT "
                      "EXISTS (SELECT 1 FROM TBBusinessDetail d WHERE d.CDNum = b.ID AND "
                      "d.ReDate IS NULL) ORDER BY b.ID LIMIT 1",
                      {s.freeCodes[i]});
        },
        {});
    rows.append(
        {QStringLiteral("title lookup for selling"), sellingTimes.ours, sellingTimes.floor, {}});

    // A five-disc rental and the return of the same five discs, for a member.
    const int txReps = qMax(10, reps / 4);
    const auto member = Lease::lookupMember(g_account.db(), s.memberNums.first(), today);
    QList<QList<Lease::Item>> rented;
    Lease::Completion c;
    auto prepareRental = [&](int) {
        c = {};
        c.mode = Lease::Mode::RentOut;
        c.memberId = Schema::WalkInCustomerId; // no allowance runs out during the benchmark
        c.operatorId = 1;
        c.now = now;
        for (int k = 0; k < 5; ++k) {
            const auto copy = Lease::findCopyForRent(g_account.db(), s.freeCodes[free++ % s.freeCodes.size()]);
            if (!copy)
                continue;
            const auto item = Lease::makeItem(g_account.db(), *copy, Lease::Mode::RentOut, false, today);
            c.items << *item;
            c.depositTotal += item->addedDeposit;
            c.rentTotal += item->addedRent;
        }
    };
    const std::function<void(int)> rentalBody = [&](int) {
        if (!Lease::completeRental(g_account.db(), c).done())
            qFatal("rental refused");
        rented << c.items;
    };
    int back = 0;
    const std::function<void(int)> returnBody = [&](int) {
        if (!Lease::completeReturn(g_account.db(), c).done())
            qFatal("return refused");
    };
    const std::function<void(int)> prepareReturn = [&](int) {
        c = {};
        c.mode = Lease::Mode::TakeBack;
        c.memberId = member ? member->id : 0;
        c.operatorId = 1;
        c.now = now;
        for (const Lease::Item &it : rented[back++]) {
            const auto copy = Lease::findCopyForReturn(g_account.db(), it.copy.customNum);
            const auto item = Lease::makeItem(g_account.db(), *copy, Lease::Mode::TakeBack, false, today);
            c.items << *item;
            c.depositTotal += item->addedDeposit;
            c.rentTotal += item->addedRent;
        }
    };

    // Floor of the same two transactions: the statements the completions run.
    QList<qint64> floorCopies;
    auto copyIds = [&](int) {
        floorCopies.clear();
        for (int k = 0; k < 5; ++k) {
            const auto copy = Lease::findCopyForRent(g_account.db(), s.freeCodes[free++ % s.freeCodes.size()]);
            if (copy)
                floorCopies << copy->id;
        }
    };
    QList<QList<qint64>> floorRented;
    // The till's line and the audit entry each completion writes, as it writes them.
    const QString stamp = SqlDialect::dateTimeText(now);
    auto tillAndAudit = [&](int tillLines, const char *kind) {
        for (int k = 0; k < tillLines; ++k)
            floor.run("INSERT INTO TBTill (At, UserId, Line, Amount) VALUES (?, ?, ?, ?)",
                      {stamp, 1, 2 + k, 15000});
        floor.run("INSERT INTO TBAuditLog (At, UserId, Kind, Subject, Before, After) "
                  "VALUES (?, ?, ?, ?, ?, ?)",
                  {stamp, 1, QString::fromUtf8(kind),
                   QStringLiteral("00001-1, 00002-1, 00003-1, 00004-1, 00005-1"), QString(),
                   QStringLiteral("150.00")});
    };
    const std::function<void(int)> rentalFloor = [&](int) {
        floor.begin();
        for (qint64 id : floorCopies) {
            floor.run("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                      "DatTime, Deposit, Persons) SELECT CAST(? AS INTEGER), CAST(? AS "
                      "BIGINT), 1, CAST(? AS INTEGER), CAST(? AS TEXT), CAST(? AS BIGINT), "
                      "CAST(? AS INTEGER) WHERE NOT EXISTS (SELECT 1 FROM TBBusinessDetail "
                      "WHERE CDNum = ? AND ReDate IS NULL) RETURNING ID",
                      {id, 300, Schema::WalkInCustomerId, todayText, 3000, 1, id});
        }
        floor.run("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                  "VALUES (?, ?, ?, 0, ?)",
                  {todayText, Schema::TypeDeposit, 15000, Schema::WalkInCustomerId});
        tillAndAudit(1, "出租");
        floor.commit();
        floorRented << floorCopies;
    };
    int floorBack = 0;
    const std::function<void(int)> returnFloor = [&](int) {
        floor.begin();
        for (qint64 id : floorRented[floorBack]) {
            floor.run("UPDATE TBBusinessDetail SET ReDate = ? WHERE CDNum = ? AND ReDate IS NULL "
                      "AND Ass_Number <> ? RETURNING Ass_Number",
                      {stamp, id, Schema::SaleCustomer});
        }
        for (const auto &[type, cents] :
             {std::pair{Schema::TypeRent, 1500}, std::pair{Schema::TypeDeposit, -15000}}) {
            floor.run("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                      "VALUES (?, ?, ?, 0, ?)",
                      {todayText, type, cents, Schema::WalkInCustomerId});
        }
        tillAndAudit(2, "归还");
        floor.commit();
        ++floorBack;
    };
    const Pair rentalTimes = both(txReps, rentalBody, prepareRental, rentalFloor, copyIds);
    const Pair returnTimes = both(txReps, returnBody, prepareReturn, returnFloor, {});
    rows.append(
        {QStringLiteral("complete a five-disc rental"), rentalTimes.ours, rentalTimes.floor, {}});
    rows.append(
        {QStringLiteral("complete a five-disc return"), returnTimes.ours, returnTimes.floor, {}});

    // A three-line sale.
    QList<SaleStore::SaleRow> sale;
    const Pair saleTimes = both(
        txReps, [&](int) { SaleStore::completeSale(g_account.db(), sale, 0, 1, today); },
        [&](int) {
            sale.clear();
            for (int k = 0; k < 3; ++k) {
                const auto copy =
                    SaleStore::findSaleableCopy(g_account.db(), s.freeCodes[free++ % s.freeCodes.size()]);
                if (copy)
                    sale.append({*copy, 1, Money::fromCents(2500)});
            }
        },
        [&](int) {
            floor.begin();
            const QList<qint64> lines = floorCopies.mid(0, 3);
            for (qint64 id : lines) {
                floor.run("SELECT EXISTS (SELECT 1 FROM TBBusinessDetail WHERE CDNum = ? AND "
                          "ReDate IS NULL)",
                          {id});
            }
            for (qint64 id : lines) {
                floor.run("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                          "DatTime, Persons) VALUES (?, ?, ?, ?, ?, ?) RETURNING ID",
                          {id, 2500, 1, Schema::SaleCustomer, todayText, 1});
                floor.run("UPDATE TBName SET Quality = ? WHERE ID = ?", {Schema::QualitySold, id});
            }
            tillAndAudit(1, "销售");
            floor.commit();
        },
        copyIds);
    rows.append(
        {QStringLiteral("complete a three-line sale"), saleTimes.ours, saleTimes.floor, {}});

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
        auto *w = new Window(g_account);
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
    QStringList args = app.arguments();
    // --server BASE: the shops are written onto throw-away databases of the server at BASE
    // (host, port, user) and measured there; the floor is the server's client library.
    std::optional<ServerAddress> server;
    if (args.size() > 2 && args[1] == QLatin1String("--server")) {
        server = ServerAddress::fromText(args[2]);
        if (!server)
            qFatal("not a server address: %s", qPrintable(args[2]));
        args.remove(1, 2);
    }
    if (args.size() < 3) {
        QTextStream(stderr)
            << "usage: bench_counter [--server 'host=... port=... user=...'] LARGE.MDB SMALL.MDB "
               "[REPS]\n";
        return 2;
    }
    const int reps = args.size() > 3 ? args[3].toInt() : 200;
    QTemporaryDir dir;
    Shop large{dir.filePath(QStringLiteral("large.MDB")), {}};
    Shop small{dir.filePath(QStringLiteral("small.MDB")), {}};
    if (!QFile::copy(args[1], large.path) || !QFile::copy(args[2], small.path))
        qFatal("cannot copy the accounts");
    if (server) {
        // The copies are opened once, so that they carry the program's newest parts.
        for (Shop *shop : {&large, &small}) {
            shop->open();
            QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
        }
        large.address = freshDatabase(*server, QStringLiteral("rentora_bench_large"));
        copyShopToServer(large.path, large.address);
        small.address = freshDatabase(*server, QStringLiteral("rentora_bench_small"));
        copyShopToServer(small.path, small.address);
        large.path.clear();
        small.path.clear();
    }

    QList<Row> rows = counterActions(large, reps);
    const QList<Row> smallRows = counterActions(small, reps);
    for (int i = 0; i < rows.size(); ++i)
        rows[i].small = smallRows[i].ours;

    out() << "\n| action" << (server ? " (server)" : "")
          << " | median ms | p95 ms | floor median ms | ratio to floor | large/small |\n"
          << "|---|---:|---:|---:|---:|---:|\n";
    for (const Row &r : rows) {
        out() << "| " << r.action << " | " << ms(r.ours.median) << " | " << ms(r.ours.p95) << " | "
              << ms(r.floor.median) << " | "
              << QString::number(r.ours.median / qMax(r.floor.median, 1e-6), 'f', 2) << " | "
              << QString::number(r.ours.median / qMax(r.small.median, 1e-6), 'f', 2) << " |\n";
    }
    out().flush();

    large.open();
    g_account.setOperator(1);
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
    if (server) {
        QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
        dropDatabase(large.address);
        dropDatabase(small.address);
    }
    return 0;
}
