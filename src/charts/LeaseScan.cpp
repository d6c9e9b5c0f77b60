#include "LeaseScan.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "data/SqliteStatement.h"

#include <sqlite3.h>

#include <unordered_map>
#include <vector>

namespace LeaseScan {

using Sqlite::Statement;

bool worthScanning(const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    if (!Sqlite::handle(db) || !from.isValid() || !to.isValid() || from > to)
        return false;
    // Each bound alone, so that the engine reads it at one end of the date index (both in
    // one SELECT would read the whole index).
    QSqlQuery q = Db::exec(QStringLiteral("SELECT (SELECT MIN(DatTime) FROM TBBusinessDetail) AS lo, "
                                          "(SELECT MAX(DatTime) FROM TBBusinessDetail) AS hi"),
                           {}, db);
    if (!q.next())
        return false;
    const QDate lo = SqlDialect::parseDate(Db::text(q, "lo"));
    const QDate hi = SqlDialect::parseDate(Db::text(q, "hi"));
    if (!lo.isValid() || !hi.isValid())
        return false;
    const qint64 all = lo.daysTo(hi) + 1;
    const qint64 asked = std::max(from, lo).daysTo(std::min(to, hi)) + 1;
    // The index reads a line and then its row: past about a third of the days, reading the
    // rows in their stored order costs less.
    return all > 0 && asked * 3 > all;
}

std::optional<QHash<QString, qint64>> sums(const QDate &from, const QDate &to, bool byTitle,
                                           const QString &unnamed, const QSqlDatabase &db)
{
    sqlite3 *handle = Sqlite::handle(db);
    if (!handle)
        return std::nullopt;

    // Every rental line of the period, summed per copy; "+DatTime" keeps the engine from
    // going through the date index.
    // Copy IDs are dense from 1 up: a plain array indexed by ID, a map for any beyond it.
    constexpr qint64 DenseIds = 1 << 22;
    std::vector<qint64> dense;
    std::vector<bool> seen;
    std::unordered_map<qint64, qint64> sparse;
    {
        Statement lines(handle, QStringLiteral("SELECT CDNum, Amount FROM TBBusinessDetail WHERE "
                                               "+DatTime >= ? AND +DatTime <= ? AND Ass_Number <> ?"));
        lines.bindText(1, SqlDialect::dateText(from));
        lines.bindText(2, SqlDialect::dateText(to));
        lines.bindInt(3, Schema::SaleCustomer);
        while (lines.step()) {
            const qint64 copy = lines.integer(0);
            if (copy >= 0 && copy < DenseIds) {
                if (size_t(copy) >= dense.size()) {
                    dense.resize(size_t(copy) * 2 + 1024, 0);
                    seen.resize(dense.size(), false);
                }
                dense[size_t(copy)] += lines.integer(1);
                seen[size_t(copy)] = true;
            } else {
                sparse[copy] += lines.integer(1);
            }
        }
    }
    const auto countOf = [&](qint64 copy) -> std::optional<qint64> {
        if (copy >= 0 && size_t(copy) < dense.size())
            return seen[size_t(copy)] ? std::optional<qint64>(dense[size_t(copy)]) : std::nullopt;
        const auto it = sparse.find(copy);
        return it == sparse.end() ? std::nullopt : std::optional<qint64>(it->second);
    };

    QHash<QString, qint64> groups;
    Statement titles(handle, byTitle ? QStringLiteral("SELECT ID, Name FROM TBName")
                                     : QStringLiteral("SELECT ID, Categray FROM TBName"));
    while (titles.step()) {
        const std::optional<qint64> count = countOf(titles.integer(0));
        if (!count)
            continue;
        QString name = titles.text(1);
        if (name.isEmpty())
            name = unnamed;
        groups[name] += *count;
    }
    return groups;
}

} // namespace LeaseScan
