#include "LeaseScan.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QSqlDriver>

#include <sqlite3.h>

#include <unordered_map>
#include <vector>

namespace LeaseScan {
namespace {

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.isOpen() || db.driverName() != QLatin1String("QSQLITE"))
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

// A prepared statement, finalized whatever happens.
class Statement
{
public:
    Statement(sqlite3 *handle, const char *sql) : m_handle(handle)
    {
        if (sqlite3_prepare_v2(handle, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            fail();
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bindText(int i, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) !=
            SQLITE_OK)
            fail();
    }
    void bindInt(int i, qint64 v)
    {
        if (sqlite3_bind_int64(m_stmt, i, v) != SQLITE_OK)
            fail();
    }
    // True while there is a row; throws on an error.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail();
        return false;
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QString text(int column) const
    {
        const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return chars ? QString::fromUtf8(chars, sqlite3_column_bytes(m_stmt, column)) : QString();
    }

private:
    [[noreturn]] void fail() const
    {
        throw Db::DbError(QString::fromUtf8(sqlite3_errmsg(m_handle)));
    }

    sqlite3 *m_handle;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace

bool worthScanning(const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    if (!sqliteHandle(db) || !from.isValid() || !to.isValid() || from > to)
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
    sqlite3 *handle = sqliteHandle(db);
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
        Statement lines(handle, "SELECT CDNum, Amount FROM TBBusinessDetail "
                                "WHERE +DatTime >= ? AND +DatTime <= ? AND Ass_Number <> ?");
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
    Statement titles(handle, byTitle ? "SELECT ID, Name FROM TBName"
                                     : "SELECT ID, Categray FROM TBName");
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
