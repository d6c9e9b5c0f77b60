#include "ChartData.h"

#include "LeaseScan.h"

#include "data/Collation.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>

#include <algorithm>

namespace Charts {
namespace {

// Wraps a statement that selects (Name, b), one row per group, so that it returns its groups
// largest first, the first keep - 1 of them as they are and the rest summed under one row
// named by the last bound parameter. With no more than keep groups every group is kept.
QString foldedSql(const QString &groupsSql)
{
    // k is a kept group's place, 0 for the groups folded together; the name is chosen per k,
    // so the statement groups by one expression only, as a server requires.
    return QStringLiteral(
               "WITH g AS (%1), "
               "ranked AS (SELECT Name, b, ROW_NUMBER() OVER (ORDER BY b DESC, Name COLLATE "
               "PINYIN) AS n, COUNT(*) OVER () AS total FROM g), "
               "r AS (SELECT Name, b, n, CASE WHEN total <= ? OR n < ? THEN n ELSE 0 END AS k "
               "FROM ranked) "
               "SELECT CASE WHEN k = 0 THEN ? ELSE MIN(Name) END AS Name, "
               "SUM(b) AS b, MIN(n) AS n FROM r GROUP BY k ORDER BY MIN(n)")
        .arg(groupsSql);
}

// The same folding for groups summed in memory: largest first, ties by name (pinyin).
QList<Slice> foldSlices(const QHash<QString, qint64> &groups, int maxSlices)
{
    const int keep = qMax(1, maxSlices);
    QList<Slice> all;
    all.reserve(groups.size());
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        all.append({it.key(), it.value()});
    std::sort(all.begin(), all.end(), [](const Slice &a, const Slice &b) {
        return a.value != b.value ? a.value > b.value : Collation::lessThan(a.label, b.label);
    });
    if (all.size() <= keep)
        return all;
    Slice others{QCoreApplication::translate("Charts", "其他"), 0};
    for (qsizetype i = keep - 1; i < all.size(); ++i)
        others.value += all.at(i).value;
    all.resize(keep - 1);
    all.append(others);
    return all;
}

QList<Slice> readSlices(const QSqlDatabase &db, const QString &groupsSql, QVariantList params,
                        int maxSlices)
{
    const int keep = qMax(1, maxSlices);
    const QString others = QCoreApplication::translate("Charts", "其他");
    params << keep << keep << others;
    QList<Slice> slices;
    QSqlQuery q = Db::exec(foldedSql(groupsSql), params, db);
    while (q.next())
        slices.append({Db::text(q, "Name"), Db::integer(q, "b")});
    return slices;
}

} // namespace

QList<Slice> leaseSlices(const QSqlDatabase &db, const QDate &from, const QDate &to,
                         LeaseGrouping grouping, int maxSlices)
{
    // Dates are stored without a time of day, so the two bounds compare whole days and the
    // date index finds the period's lines without reading the others. Sale lines stay out, as
    // in the rental ranking: the chart counts discs rented out. The lines are summed
    // per copy first, so each copy's title is looked up once, not once per line.
    const QString name = grouping == LeaseGrouping::ByTitle ? QStringLiteral("n.Name")
                                                            : QStringLiteral("n.Categray");
    const QString groups =
        QStringLiteral("SELECT COALESCE(NULLIF(%1, ''), ?) AS Name, SUM(s.c) AS b "
                       "FROM (SELECT CDNum, SUM(Amount) AS c FROM TBBusinessDetail "
                       "WHERE DatTime >= ? AND DatTime <= ? AND Ass_Number <> ? "
                       "GROUP BY CDNum) AS s "
                       "JOIN TBName AS n ON n.ID = s.CDNum GROUP BY 1")
            .arg(name);
    const QString unnamed = grouping == LeaseGrouping::ByTitle
                                ? QCoreApplication::translate("Charts", "未命名")
                                : QCoreApplication::translate("Charts", "未分类");
    // Years of lines: read once in stored order and summed in memory.
    if (LeaseScan::worthScanning(from, to, db)) {
        if (const auto scanned =
                LeaseScan::sums(from, to, grouping == LeaseGrouping::ByTitle, unnamed, db)) {
            return foldSlices(*scanned, maxSlices);
        }
    }
    return readSlices(
        db, groups,
        {unnamed, SqlDialect::dateText(from), SqlDialect::dateText(to), Schema::SaleCustomer},
        maxSlices);
}

QList<Slice> stockSlices(const QSqlDatabase &db, int maxSlices)
{
    const QString groups =
        QStringLiteral("SELECT COALESCE(NULLIF(Categray, ''), ?) AS Name, SUM(Copy) AS b "
                       "FROM TBName WHERE Quality < ? GROUP BY 1");
    return readSlices(db, groups,
                      {QCoreApplication::translate("Charts", "未分类"), Schema::QualityDeleted},
                      maxSlices);
}

QList<MonthSpending> monthlySpending(const QSqlDatabase &db)
{
    const QString month = SqlDialect::monthKey(QStringLiteral("DatTime"));
    QSqlQuery q = Db::exec(QStringLiteral("SELECT %1 AS DT, SUM(Mone) AS SM FROM TBName "
                                          "WHERE DatTime IS NOT NULL AND DatTime <> '' "
                                          "GROUP BY %1 ORDER BY DT")
                               .arg(month),
                           {}, db);
    QList<MonthSpending> rows;
    while (q.next())
        rows.append({Db::text(q, "DT"), Money::fromCents(Db::integer(q, "SM"))});
    return rows;
}

QList<MonthTakings> monthlyTakings(const QSqlDatabase &db)
{
    // The rent the returns charged (by the rent rule and the days out) is what they booked
    // as type 3; a line's RMoney is only the rate per day or per disc.
    const QString month = SqlDialect::monthKey(QStringLiteral("FeeDate"));
    QSqlQuery q = Db::exec(
        QStringLiteral("SELECT %1 AS DT, "
                       "SUM(CASE WHEN CateID = ? THEN Moneys ELSE 0 END) AS SM, "
                       "-SUM(CASE WHEN CateID = ? AND Moneys < 0 THEN Moneys ELSE 0 END) AS SM2 "
                       "FROM TBInOutMoney WHERE (CateID = ? OR (CateID = ? AND Moneys < 0)) "
                       "AND FeeDate IS NOT NULL AND FeeDate <> '' "
                       "GROUP BY %1 ORDER BY DT")
            .arg(month),
        {Schema::TypeRent, Schema::TypeDeposit, Schema::TypeRent, Schema::TypeDeposit}, db);
    QList<MonthTakings> rows;
    while (q.next()) {
        rows.append({Db::text(q, "DT"), Money::fromCents(Db::integer(q, "SM")),
                     Money::fromCents(Db::integer(q, "SM2"))});
    }
    return rows;
}

} // namespace Charts
