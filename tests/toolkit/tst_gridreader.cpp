// The grid's two readers on either engine (the test runs once per engine): the whole read and
// the read in steps give the same rows with the same kinds of values, and the read in steps
// keeps its rows while other statements run on the connection between its steps, as the
// windows run them. On a server the steps stream on a connection of their own, which is
// closed when the last row is in or the reader is dropped; inside an open transaction they
// see what the transaction wrote; a failure midway is an error, not the end of the rows.
#include "toolkit/GridReader.h"

#include "data/Db.h"
#include "data/ServerStream.h"
#include "support/TestAccount.h"

#include <QTest>

#include <initializer_list>
#include <memory>

class tst_GridReader : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_account.reset(); }

    void wholeReadAndStepsAgree();
    void stepsSurviveOtherStatementsBetweenThem();
    void failureIsThrown();
    void stepsStreamOnAConnectionOfTheirOwn();
    void stepsInsideATransactionSeeItsRows();
    void failureMidwayIsThrown();

private:
    std::unique_ptr<TestAccount> m_account;
};

namespace {

const QString kSql = QStringLiteral(
    "SELECT a.ID, a.CustomNum, a.Name, a.Mone, a.Address1 FROM TBName AS a "
    "WHERE a.Quality < ? ORDER BY a.ID");

// The other connections of the server to this account that last ran the list's statement.
int readersOnServer(const QSqlDatabase &db)
{
    return Db::scalar(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = "
                                     "current_database() AND pid <> pg_backend_pid() AND "
                                     "query LIKE ?"),
                      {QStringLiteral("%a.Quality < $1%")}, db)
        .toInt();
}

} // namespace

void tst_GridReader::init()
{
    m_account = std::make_unique<TestAccount>();
    Db::Transaction tx(m_account->db());
    for (int i = 0; i < 700; ++i) {
        Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name, Mone, Address1, Quality) "
                                "VALUES (?, ?, ?, ?, 0)"),
                 {QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0')),
                  QStringLiteral("片名%1 '引号'").arg(i), qint64(i) * 10000000LL,
                  i % 3 == 0 ? QVariant() : QVariant(QStringLiteral("%1号架").arg(i % 7))},
                 m_account->db());
    }
    tx.commit();
}

void tst_GridReader::wholeReadAndStepsAgree()
{
    const GridTable whole = GridReader::read(m_account->db(), kSql, {3});
    QCOMPARE(whole.rowCount(), 700);
    GridTable stepped;
    GridReader::Cursor cursor(m_account->db(), kSql, {3}, {}, stepped);
    int steps = 0;
    while (!cursor.fetch(stepped, 128))
        ++steps;
    QVERIFY(steps >= 5);
    QCOMPARE(stepped.rowCount(), whole.rowCount());
    QCOMPARE(stepped.fieldCount(), 5);
    for (const GridTable *t : std::initializer_list<const GridTable *>{&whole, &stepped}) {
        const int mone = t->fieldIndex(QStringLiteral("Mone"));
        const int name = t->fieldIndex(QStringLiteral("Name"));
        const int shelf = t->fieldIndex(QStringLiteral("Address1"));
        QVERIFY(mone >= 0 && name >= 0 && shelf >= 0);
        QCOMPARE(t->storage(mone), GridTable::Storage::Int);
        QCOMPARE(t->storage(name), GridTable::Storage::Text);
        QCOMPARE(t->integer(699, mone), qint64(6990000000));
        QCOMPARE(t->text(5, name), QStringLiteral("片名5 '引号'"));
        QVERIFY(t->isNull(0, shelf));
        QCOMPARE(t->toText(1, shelf), QStringLiteral("1号架"));
    }
    for (int r = 0; r < whole.rowCount(); ++r) {
        for (int f = 0; f < whole.fieldCount(); ++f)
            QCOMPARE(stepped.value(r, f), whole.value(r, f));
    }
}

void tst_GridReader::stepsSurviveOtherStatementsBetweenThem()
{
    GridTable table;
    GridReader::Cursor cursor(m_account->db(), kSql, {3}, {}, table);
    QVERIFY(!cursor.fetch(table, 100));
    // A window looks something up and writes while the list is still arriving.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBName"), {}, m_account->db()).toInt(),
             700);
    Db::exec(QStringLiteral("UPDATE TBName SET Address1 = ? WHERE ID = ?"),
             {QStringLiteral("柜台"), 1}, m_account->db());
    while (!cursor.fetch(table, 100)) {
        QCOMPARE(
            Db::scalar(QStringLiteral("SELECT Name FROM TBName WHERE ID = ?"), {2}, m_account->db())
                .toString(),
            QStringLiteral("片名1 '引号'"));
    }
    QCOMPARE(table.rowCount(), 700);
    QCOMPARE(table.toText(699, table.fieldIndex(QStringLiteral("CustomNum"))),
             QStringLiteral("C0699"));
}

void tst_GridReader::failureIsThrown()
{
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError,
        GridReader::read(m_account->db(), QStringLiteral("SELECT x FROM nowhere"), {}));
    GridTable table;
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, GridReader::Cursor(m_account->db(), QStringLiteral("SELECT x FROM nowhere"),
                                        {}, {}, table));
}

void tst_GridReader::stepsStreamOnAConnectionOfTheirOwn()
{
    if (!m_account->onServer())
        QSKIP("a file's rows are read on its one connection");
    QVERIFY(ServerStream::possible(m_account->db()));
    {
        GridTable table;
        GridReader::Cursor cursor(m_account->db(), kSql, {3}, {}, table);
        QVERIFY(!cursor.fetch(table, 50));
        QCOMPARE(table.rowCount(), 50);
        QCOMPARE(readersOnServer(m_account->db()), 1);
        while (!cursor.fetch(table, 100)) {
        }
        QCOMPARE(table.rowCount(), 700);
        // The last row in, the connection is closed (the server ends its side a moment later).
        QTRY_COMPARE(readersOnServer(m_account->db()), 0);
    }
    {
        GridTable table;
        auto cursor = std::make_unique<GridReader::Cursor>(m_account->db(), kSql, QVariantList{3},
                                                           QHash<QString, GridTable::Storage>{},
                                                           table);
        QVERIFY(!cursor->fetch(table, 10));
        QCOMPARE(readersOnServer(m_account->db()), 1);
        cursor.reset(); // the list closed before all its rows came
        QTRY_COMPARE(readersOnServer(m_account->db()), 0);
    }
}

void tst_GridReader::stepsInsideATransactionSeeItsRows()
{
    Db::Transaction tx(m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name, Mone, Quality) "
                            "VALUES (?, ?, ?, 0)"),
             {QStringLiteral("C9999"), QStringLiteral("未提交"), 1}, m_account->db());
    if (m_account->onServer())
        QVERIFY(!ServerStream::possible(m_account->db()));
    GridTable table;
    GridReader::Cursor cursor(m_account->db(), kSql, {3}, {}, table);
    while (!cursor.fetch(table, 100)) {
    }
    QCOMPARE(table.rowCount(), 701);
    QCOMPARE(table.toText(700, table.fieldIndex(QStringLiteral("Name"))),
             QStringLiteral("未提交"));
}

void tst_GridReader::failureMidwayIsThrown()
{
    if (!m_account->onServer())
        QSKIP("a file divides by zero without an error");
    // Rows come before the server meets the row it cannot compute: the last one written, read
    // in the table's own order.
    const QString sql = QStringLiteral(
        "SELECT a.ID, 100 / (a.ID - ?) AS share FROM TBName AS a WHERE a.Quality < ?");
    const qint64 last = Db::scalar(QStringLiteral("SELECT max(ID) FROM TBName"), {}, m_account->db()).toLongLong();
    GridTable table;
    GridReader::Cursor cursor(m_account->db(), sql, {last, 3}, {}, table);
    QVERIFY(!cursor.fetch(table, 100));
    try {
        while (!cursor.fetch(table, 100)) {
        }
        QFAIL("the rows ended at the server's error as if complete");
    } catch (const Db::DbError &e) {
        QVERIFY2(e.details().contains(QLatin1String("division by zero")), qPrintable(e.details()));
    }
    QVERIFY(table.rowCount() < 700);
}

QTEST_GUILESS_MAIN(tst_GridReader)
#include "tst_gridreader.moc"
