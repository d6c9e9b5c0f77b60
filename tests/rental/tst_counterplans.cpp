// Every statement the counter runs, as it runs it, reads the large tables through an index.
// The statements are caught from the engine itself while the desk's own functions look up,
// rent, take back and sell, so a statement changed in the program is checked as changed.
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/RentRule.h"
#include "sales/SaleStore.h"

#include "data/Db.h"
#include "support/TestAccount.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlDriver>
#include <QTest>

#include <sqlite3.h>

using namespace Lease;

namespace {

// The tables that grow with the shop's history; the option, fee class and type tables stay small.
const QStringList kLargeTables = {QStringLiteral("TBBusinessDetail"), QStringLiteral("TBName"),
                                  QStringLiteral("TBAssociator"), QStringLiteral("TBInOutMoney")};

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.data());
}

// Collects the text of every statement the connection starts (placeholders unexpanded).
class StatementTrace
{
public:
    explicit StatementTrace(sqlite3 *db) : m_db(db)
    {
        sqlite3_trace_v2(m_db, SQLITE_TRACE_STMT, &StatementTrace::onStatement, this);
    }
    ~StatementTrace() { sqlite3_trace_v2(m_db, 0, nullptr, nullptr); }
    QStringList statements() const { return m_statements; }

private:
    static int onStatement(unsigned, void *self, void *stmt, void *)
    {
        auto *t = static_cast<StatementTrace *>(self);
        const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt *>(stmt)));
        if (!t->m_seen.contains(sql)) {
            t->m_seen.insert(sql);
            t->m_statements << sql;
        }
        return 0;
    }

    sqlite3 *m_db;
    QSet<QString> m_seen;
    QStringList m_statements;
};

// The plan's lines for a statement ("SCAN b", "SEARCH a USING INDEX ..."), its parameters
// left unbound.
QStringList planOf(sqlite3 *db, const QString &sql)
{
    QStringList lines;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = "EXPLAIN QUERY PLAN " + sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        return {QStringLiteral("cannot explain: ") + QString::fromUtf8(sqlite3_errmsg(db))};
    while (sqlite3_step(stmt) == SQLITE_ROW)
        lines << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 3)));
    sqlite3_finalize(stmt);
    return lines;
}

// The table a plan line's name stands for: the name itself, or the table it aliases in sql.
QString tableNamed(const QString &sql, const QString &name)
{
    for (const QString &table : kLargeTables) {
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return table;
    }
    const QRegularExpression alias(
        QStringLiteral("\\b(\\w+)\\s+(?:AS\\s+)?%1\\b").arg(QRegularExpression::escape(name)),
        QRegularExpression::CaseInsensitiveOption);
    auto it = alias.globalMatch(sql);
    while (it.hasNext()) {
        const QString candidate = it.next().captured(1);
        for (const QString &table : kLargeTables) {
            if (candidate.compare(table, Qt::CaseInsensitive) == 0)
                return table;
        }
    }
    return name;
}

// Plan lines that read a large table from end to end.
QStringList fullScans(sqlite3 *db, const QString &sql)
{
    static const QRegularExpression scan(QStringLiteral("^SCAN (\\w+)(.*)$"));
    QStringList found;
    for (const QString &line : planOf(db, sql)) {
        if (line.startsWith(QStringLiteral("cannot explain"))) {
            found << line;
            continue;
        }
        const auto m = scan.match(line);
        if (!m.hasMatch() || m.captured(2).contains(QStringLiteral("USING")))
            continue; // a search, or a scan of a covering index
        if (kLargeTables.contains(tableNamed(sql, m.captured(1))))
            found << line;
    }
    return found;
}

bool isTransactionControl(const QString &sql)
{
    const QString s = sql.trimmed().toUpper();
    return s.startsWith(QStringLiteral("BEGIN")) || s.startsWith(QStringLiteral("COMMIT")) ||
           s.startsWith(QStringLiteral("ROLLBACK")) || s.startsWith(QStringLiteral("PRAGMA")) ||
           s.startsWith(QStringLiteral("SAVEPOINT")) || s.startsWith(QStringLiteral("RELEASE"));
}

} // namespace

class tst_CounterPlans : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rentingAndTakingBackReadThroughIndexes();
    void sellingReadsThroughIndexes();

private:
    struct Checked
    {
        int count = 0;        // statements explained
        QStringList failures; // each with its plan
    };
    // Runs the desk's steps under the trace and explains every statement they ran.
    Checked checkStatementsOf(const std::function<void()> &steps);

    std::unique_ptr<TestAccount> m_account;
    qint64 m_member = 0;
};

void tst_CounterPlans::init()
{
    m_account = std::make_unique<TestAccount>();
    m_account->addFeeClass(QStringLiteral("新片"), 300, 2000);
    for (int i = 1; i <= 40; ++i)
        m_account->addCopy(QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                           QStringLiteral("影片%1").arg(i), QStringLiteral("新片"));
    m_member = m_account->addMember(QStringLiteral("1001"), QStringLiteral("张三"), 20);
    for (int i = 2; i <= 30; ++i)
        m_account->addMember(QString::number(1000 + i), QStringLiteral("会员%1").arg(i), 5);
}

void tst_CounterPlans::cleanup()
{
    m_account.reset();
}

tst_CounterPlans::Checked tst_CounterPlans::checkStatementsOf(const std::function<void()> &steps)
{
    sqlite3 *db = handleOf(m_account->db());
    if (!db)
        qFatal("the account is not an SQLite connection");
    QStringList statements;
    {
        StatementTrace trace(db);
        steps();
        statements = trace.statements();
    }
    Checked checked;
    for (const QString &sql : statements) {
        if (isTransactionControl(sql))
            continue;
        ++checked.count;
        if (!fullScans(db, sql).isEmpty())
            checked.failures << sql + QStringLiteral("\n  ") +
                                    planOf(db, sql).join(QStringLiteral("\n  "));
    }
    return checked;
}

void tst_CounterPlans::rentingAndTakingBackReadThroughIndexes()
{
    const QDateTime now = QDateTime::currentDateTime();
    const Checked checked = checkStatementsOf([&] {
        // Renting three discs to a member, one of them typed in another letter case.
        QVERIFY(lookupMember(m_account->db(), QStringLiteral("1001"), now.date()));
        Completion rent;
        rent.memberId = m_member;
        rent.operatorId = 1;
        rent.now = now;
        for (const QString &code :
             {QStringLiteral("A001"), QStringLiteral("a002"), QStringLiteral("A003")}) {
            const auto copy = findCopyForRent(m_account->db(), code);
            QVERIFY(copy);
            const auto item = makeItem(m_account->db(), *copy, Mode::RentOut,
                                       RentRule::isRentPerDisc(m_account->db()), now.date());
            QVERIFY(item);
            rent.items << *item;
            rent.depositTotal = rent.depositTotal + item->addedDeposit;
            rent.rentTotal = rent.rentTotal + item->addedRent;
        }
        QVERIFY(complete(m_account->db(), rent).done());
        QVERIFY(!findCopyForRent(m_account->db(), QStringLiteral("A001"))); // out now

        // The member again (discs out, overdue), then two of the discs back.
        QVERIFY(lookupMember(m_account->db(), QStringLiteral("1001"), now.date()));
        Completion back;
        back.mode = Mode::TakeBack;
        back.memberId = m_member;
        back.operatorId = 1;
        back.now = now;
        for (const QString &code : {QStringLiteral("A001"), QStringLiteral("A003")}) {
            const auto copy = findCopyForReturn(m_account->db(), code);
            QVERIFY(copy);
            QVERIFY(findOpenLine(m_account->db(), copy->lineId));
            QVERIFY(MemberRow::find(m_account->db(), copy->renter));
            const auto item = makeItem(m_account->db(), *copy, Mode::TakeBack,
                                       RentRule::isRentPerDisc(m_account->db()), now.date());
            QVERIFY(item);
            back.items << *item;
            back.depositTotal = back.depositTotal + item->addedDeposit;
            back.rentTotal = back.rentTotal + item->addedRent;
        }
        QVERIFY(complete(m_account->db(), back).done());
    });
    for (const QString &failure : checked.failures)
        qWarning("a full scan:\n%s", qPrintable(failure));
    QVERIFY(checked.failures.isEmpty());
    QVERIFY2(checked.count >= 8, qPrintable(QString::number(checked.count)));
}

void tst_CounterPlans::sellingReadsThroughIndexes()
{
    const Checked checked = checkStatementsOf([this] {
        QList<SaleStore::SaleRow> rows;
        for (const QString &code : {QStringLiteral("A010"), QStringLiteral("a011")}) {
            const auto copy = SaleStore::findSaleableCopy(m_account->db(), code);
            QVERIFY(copy);
            SaleStore::SaleRow row;
            row.copy = *copy;
            row.rmoney = Money::fromYuan(25);
            rows << row;
        }
        const QList<qint64> lines =
            SaleStore::completeSale(m_account->db(), rows, 0, 1, QDate::currentDate()).value();
        QCOMPARE(lines.size(), 2);
        QVERIFY(!SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("A010")));
        QCOMPARE(SaleStore::loadSaleLine(m_account->db(), lines.first()).size(), 1);
        QVERIFY(SaleStore::undoSale(m_account->context(), lines.first()));
    });
    for (const QString &failure : checked.failures)
        qWarning("a full scan:\n%s", qPrintable(failure));
    QVERIFY(checked.failures.isEmpty());
    QVERIFY2(checked.count >= 4, qPrintable(QString::number(checked.count)));
}

QTEST_GUILESS_MAIN(tst_CounterPlans)
#include "tst_counterplans.moc"
