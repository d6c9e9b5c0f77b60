// Writes a large account for benchmarks, deterministic from a seed:
//   genshop PATH [--scale 1|0.01] [--seed N] [--today yyyy-MM-dd]
// At scale 1: 100,000 copies over 30,000 films, 20,000 members, 2,000,000 transaction lines
// over ten years (returned rentals, rentals still out, sales) and 200,000 income and expense
// records. Scale 0.01 writes a shop a hundred times smaller. The file is created through the
// same schema code as the template; the target must not exist.

#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// A prepared statement reused for every row: the generator writes millions of them.
class Inserter
{
public:
    Inserter(const QSqlDatabase &db, const QString &sql) : m_query(db)
    {
        if (!m_query.prepare(sql))
            throw Db::DbError(m_query.lastError().text());
    }
    qint64 run(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values[i]);
        if (!m_query.exec())
            throw Db::DbError(m_query.lastError().text());
        return m_query.lastInsertId().toLongLong();
    }

private:
    QSqlQuery m_query;
};

struct Sizes
{
    int films, copies, members, lines, money, openRentals, sold;
};

const char *const kCategories[] = {"动作", "喜剧", "爱情", "科幻", "动画", "恐怖", "剧情", "战争",
                                   "纪录", "音乐"};
const char *const kLangs[] = {"国语", "粤语", "英语", "日语", "韩语"};
const char *const kSyllables[] = {"星", "光", "夜", "海", "风", "城", "龙", "雪", "梦", "山",
                                  "火", "月", "天", "河", "影", "花", "剑", "心", "路", "春"};

QString filmName(QRandomGenerator &rng, int n)
{
    QString s;
    const int len = 2 + static_cast<int>(rng.bounded(4));
    for (int i = 0; i < len; ++i)
        s += QString::fromUtf8(kSyllables[rng.bounded(20)]);
    if (n % 7 == 0)
        s += QStringLiteral("%1").arg(1 + n % 3);
    return s;
}

void generate(const QSqlDatabase &db, const Sizes &size, quint32 seed, const QDate &today)
{
    QRandomGenerator rng(seed);
    Db::exec(QStringLiteral("PRAGMA journal_mode = OFF"), {}, db);
    Db::exec(QStringLiteral("PRAGMA synchronous = OFF"), {}, db);
    Db::Transaction tx(db);

    struct FeeClass { const char *name; qint64 fee, deposit; };
    const FeeClass classes[] = {{"VCD", 200, 2000}, {"DVD", 300, 3000}, {"D9", 400, 4000},
                                {"蓝光", 500, 5000}};
    for (const FeeClass &c : classes)
        Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
                 {QString::fromUtf8(c.name), c.fee, c.deposit}, db);
    for (const char *c : kCategories)
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                 {QString::fromUtf8(c)}, db);
    for (int i = 1; i <= 40; ++i)
        Db::exec(QStringLiteral("INSERT INTO TbProvide (Company, Address, OfficeTel) "
                                "VALUES (?, ?, ?)"),
                 {QStringLiteral("供应商%1").arg(i), QStringLiteral("地址%1").arg(i),
                  QStringLiteral("0571-%1").arg(80000000 + i)},
                 db);
    for (int i = 1; i <= 12; ++i) {
        const qint64 id = Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS) VALUES (?, ?)"),
                     {QStringLiteral("店员%1").arg(i), QStringLiteral("%1").arg(1000 + i)}, db);
        for (int p : {1, 2, 4})
            Db::exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (?, ?)"),
                     {id, p}, db);
    }
    QList<qint64> types;
    for (const char *t : {"房租", "水电费", "进货", "工资", "其他收入"}) {
        types << Db::insert(
            QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag) VALUES (3, ?, 0)"),
            {QString::fromUtf8(t)}, db);
    }

    const QDate first = today.addYears(-10);
    const int span = static_cast<int>(first.daysTo(today));

    // Copies: every film has one or more sets; codes 00001, or 00001-1, 00001-2, ...
    Inserter copy(db, QStringLiteral(
        "INSERT INTO TBName (CustomNum, Name, Nlang, Ver, Categray, Amount, Copy, DatTime, "
        "Provide, Mone, Address1, Direct, ActRole, Quality) "
        "VALUES (?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, 0)"));
    struct Copy { qint64 id; int cls; };
    QList<Copy> copies;
    copies.reserve(size.copies);
    int remaining = size.copies;
    for (int f = 1; f <= size.films && remaining > 0; ++f) {
        const int filmsLeft = size.films - f + 1;
        int n = remaining / filmsLeft;
        if (n > 1 && rng.bounded(2) == 0)
            n += static_cast<int>(rng.bounded(3)) - 1;
        n = filmsLeft == 1 ? remaining : qBound(1, n, remaining - (filmsLeft - 1));
        const QString base = QStringLiteral("%1").arg(f, 5, 10, QLatin1Char('0'));
        const QString name = filmName(rng, f);
        const int cls = static_cast<int>(rng.bounded(4));
        const QString bought =
            SqlDialect::dateText(first.addDays(static_cast<int>(rng.bounded(span))));
        for (int k = 1; k <= n; ++k) {
            const qint64 id = copy.run(
                {n == 1 ? base : base + QStringLiteral("-%1").arg(k), name,
                 QString::fromUtf8(kLangs[rng.bounded(5)]), QString::fromUtf8(classes[cls].name),
                 QString::fromUtf8(kCategories[rng.bounded(10)]), cls == 0 ? 2 : 1, bought,
                 1 + static_cast<int>(rng.bounded(40)), classes[cls].deposit,
                 QStringLiteral("%1号架").arg(1 + f % 60), QStringLiteral("导演%1").arg(f % 997),
                 QStringLiteral("演员%1").arg(f % 1999)});
            copies.append({id, cls});
        }
        remaining -= n;
    }
    out() << "  copies: " << copies.size() << Qt::endl;

    Inserter member(db, QStringLiteral(
        "INSERT INTO TBAssociator (Num, Name, Telephone, Grade, Sum, SDT, DateT) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    QList<qint64> members;
    members.reserve(size.members);
    for (int m = 1; m <= size.members; ++m) {
        const QDate joined = first.addDays(static_cast<int>(rng.bounded(span)));
        members << member.run({QStringLiteral("M%1").arg(m, 6, 10, QLatin1Char('0')),
                               QStringLiteral("会员%1").arg(m),
                               QStringLiteral("139%1").arg(10000000 + m), QStringLiteral("普通"),
                               20 + static_cast<int>(rng.bounded(100)),
                               SqlDialect::dateText(joined.addYears(2)),
                               SqlDialect::dateText(joined)});
    }
    out() << "  members: " << members.size() << Qt::endl;

    Inserter line(db, QStringLiteral(
        "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, Deposit, "
        "Persons, ReDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    Inserter quality(db, QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"));

    // Copies are shuffled once: the first ones are sold, the next ones are out on rent,
    // so no copy has two open lines and no sold copy is out.
    QList<int> order(copies.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    for (int i = order.size() - 1; i > 0; --i)
        std::swap(order[i], order[static_cast<int>(rng.bounded(i + 1))]);

    int written = 0;
    for (int s = 0; s < size.sold; ++s, ++written) {
        const Copy &c = copies[order[s]];
        line.run({c.id, classes[c.cls].deposit + 500, 1, Schema::SaleCustomer,
                  SqlDialect::dateText(first.addDays(static_cast<int>(rng.bounded(span)))),
                  QVariant(), 1 + static_cast<int>(rng.bounded(12)), QVariant()});
        quality.run({Schema::QualitySold, c.id});
    }
    for (int o = 0; o < size.openRentals; ++o, ++written) {
        const Copy &c = copies[order[size.sold + o]];
        const qint64 customer = rng.bounded(5) == 0
                                    ? Schema::WalkInCustomerId
                                    : members[static_cast<int>(rng.bounded(members.size()))];
        line.run({c.id, classes[c.cls].fee, 1, customer,
                  SqlDialect::dateText(today.addDays(-static_cast<int>(rng.bounded(30)))),
                  classes[c.cls].deposit, 1 + static_cast<int>(rng.bounded(12)), QVariant()});
    }
    // A few copies are deleted from stock or written off (never ones out or sold).
    for (int d = size.sold + size.openRentals;
         d < size.sold + size.openRentals + copies.size() / 50; ++d) {
        quality.run({d % 4 == 0 ? Schema::QualityWrittenOff : Schema::QualityDeleted,
                     copies[order[d]].id});
    }
    // The rest of the lines are returned rentals spread over ten years, oldest first.
    const int returned = size.lines - written;
    for (int r = 0; r < returned; ++r) {
        const Copy &c = copies[order[size.sold + size.openRentals +
                                     static_cast<int>(rng.bounded(
                                         copies.size() - size.sold - size.openRentals))]];
        const QDate outOn = first.addDays(static_cast<int>(qint64(r) * (span - 40) / returned));
        const QDateTime back(outOn.addDays(1 + static_cast<int>(rng.bounded(6))),
                             QTime(9 + static_cast<int>(rng.bounded(12)),
                                   static_cast<int>(rng.bounded(60)), 0));
        const qint64 customer = rng.bounded(5) == 0
                                    ? Schema::WalkInCustomerId
                                    : members[static_cast<int>(rng.bounded(members.size()))];
        line.run({c.id, classes[c.cls].fee, 1, customer, SqlDialect::dateText(outOn),
                  classes[c.cls].deposit, 1 + static_cast<int>(rng.bounded(12)),
                  SqlDialect::dateTimeText(back)});
        if ((r + 1) % 500000 == 0)
            out() << "  lines: " << written + r + 1 << Qt::endl;
    }
    out() << "  lines: " << size.lines << Qt::endl;

    Inserter money(db, QStringLiteral(
        "INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, Memo) "
        "VALUES (?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < size.money; ++i) {
        const int kind = static_cast<int>(rng.bounded(10));
        const int cate = kind < 4 ? Schema::TypeDeposit
                         : kind < 7 ? Schema::TypeRent
                         : kind < 8 ? Schema::TypeMemberPayment
                                    : static_cast<int>(types[rng.bounded(types.size())]);
        const qint64 amount = 100 + static_cast<qint64>(rng.bounded(20000));
        money.run({SqlDialect::dateText(first.addDays(static_cast<int>(qint64(i) * span /
                                                                      size.money))),
                   cate, cate == Schema::TypeDeposit && kind % 2 ? -amount : amount,
                   kind < 8 ? members[static_cast<int>(rng.bounded(members.size()))]
                            : Schema::WalkInCustomerId,
                   kind < 8 ? 0 : 1, QString()});
    }
    out() << "  income and expense records: " << size.money << Qt::endl;
    tx.commit();
    Db::exec(QStringLiteral("ANALYZE"), {}, db);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: genshop PATH [--scale 1|0.01] [--seed N] "
                               "[--today yyyy-MM-dd]\n";
        return 2;
    }
    const QString path = args.first();
    double scale = 1.0;
    quint32 seed = 20261209;
    QDate today = QDate::currentDate();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--scale"))
            scale = args[i + 1].toDouble();
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toUInt();
        else if (args[i] == QLatin1String("--today"))
            today = QDate::fromString(args[i + 1], QStringLiteral("yyyy-MM-dd"));
    }
    auto scaled = [scale](int n) { return qMax(1, static_cast<int>(n * scale)); };
    const Sizes size{scaled(30000), scaled(100000), scaled(20000), scaled(2000000),
                     scaled(200000), scaled(3000), scaled(8000)};

    QElapsedTimer clock;
    clock.start();
    QString why;
    if (!SampleAccount::createEmptyAccount(path, &why)) {
        QTextStream(stderr) << "genshop: " << why << '\n';
        return 1;
    }
    const QString conn = QStringLiteral("genshop");
    int rc = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(path);
        db.open();
        try {
            out() << "genshop: writing " << path << " (scale " << scale << ")" << Qt::endl;
            generate(db, size, seed, today);
        } catch (const Db::DbError &e) {
            QTextStream(stderr) << "genshop: " << e.message() << '\n';
            rc = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    out() << "genshop: done in " << clock.elapsed() / 1000.0 << " s" << Qt::endl;
    return rc;
}
