#include "stock/CopyNumbering.h"
#include "stock/StockStore.h"
#include "stock/TypedCounts.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QSqlQuery>
#include <QTest>

Q_DECLARE_METATYPE(TypedCounts::Reading)

using CopyNumbering::Mode;
using CopyNumbering::PendingTitles;

namespace {

TitleRecord film(const QString &code, const QString &name = QStringLiteral("英雄"))
{
    TitleRecord t;
    t.customNum = code;
    t.name = name;
    t.nlang = QStringLiteral("国语");
    t.ver = QStringLiteral("DVD");
    t.categray = QStringLiteral("动作");
    t.amount = 2;
    t.copy = 7; // the entry always writes 1, whatever it was given
    t.datTime = QDate(2024, 3, 9);
    t.provide = 1;
    t.mone = *Money::parse(u"35.5");
    t.address1 = QStringLiteral("3号架");
    t.direct = QStringLiteral("张艺谋");
    t.actRole = QStringLiteral("李连杰");
    return t;
}

int quality(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {id}, db).toInt();
}

QStringList listedCodes(const QSqlDatabase &db)
{
    QStringList codes;
    QSqlQuery q = Db::exec(StockStore::stockListSql() + QStringLiteral(" ORDER BY a.ID"), {}, db);
    while (q.next())
        codes << Db::text(q, "CustomNum");
    return codes;
}

qint64 addOpenRental(const QSqlDatabase &db, qint64 copy, const QVariant &reDate = QVariant())
{
    return Db::insert(
        QStringLiteral(
            "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
            "Deposit, Persons, ReDate) VALUES (?, 300, 1, 15, '2024-01-02', 3000, 1, ?)"),
        {copy, reDate}, db);
}

qint64 addSaleLine(const QSqlDatabase &db, qint64 copy)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons) VALUES (?, 2500, 1, -1, '2024-01-02', 1)"),
        {copy}, db);
}

// Makes the engine refuse a statement, to prove that a change is all or nothing.
} // namespace

class tst_StockCore : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_account = new TestAccount; }
    void cleanup() { delete m_account; }

    void copyCodes_data();
    void copyCodes();
    void typedCounts_data();
    void typedCounts();
    void entryAddsOneRowPerCopy();
    void editMode_data();
    void editMode();
    void removedPendingRowIsNeverWritten();
    void writeTitlesStoresAsTyped();
    void writeTitlesIsAllOrNothing();
    void stockListShowsOnlyStock();
    void deleteKeepsRentalLines();
    void writeOffRemovesOnlyOpenRentals();
    void writeOffRollsBackWhole();
    void leftStockMeanwhileIsNotTouched();
    void updateTitleChangesOneRow();

private:
    TestAccount *m_account = nullptr;
};

void tst_StockCore::copyCodes_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("one keeps the code") << "0001" << 1 << QStringList{"0001"};
    QTest::newRow("three") << "0001" << 3 << QStringList{"0001-1", "0001-2", "0001-3"};
    QTest::newRow("none") << "0001" << 0 << QStringList{};
    QTest::newRow("negative") << "0001" << -2 << QStringList{};
    QTest::newRow("base as typed") << " 007a" << 2 << QStringList{" 007a-1", " 007a-2"};
    QTest::newRow("quote kept") << "O'1" << 2 << QStringList{"O'1-1", "O'1-2"};
}

void tst_StockCore::copyCodes()
{
    QFETCH(QString, base);
    QFETCH(int, quantity);
    QFETCH(QStringList, codes);
    QCOMPARE(CopyNumbering::copyCodes(base, quantity), codes);
}

void tst_StockCore::typedCounts_data()
{
    using TypedCounts::Reading;
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("discs"); // the discs of a set, else the copies entered at once
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<int>("value");
    QTest::newRow("two discs") << "2" << true << Reading::Ok << 2;
    QTest::newRow("blanks around") << " 3 " << true << Reading::Ok << 3;
    QTest::newRow("most discs") << "99" << true << Reading::Ok << 99;
    QTest::newRow("no disc") << "0" << true << Reading::OutOfRange << -1;
    QTest::newRow("negative discs") << "-2" << true << Reading::OutOfRange << -1;
    QTest::newRow("too many discs") << "100" << true << Reading::OutOfRange << -1;
    QTest::newRow("letters") << "两" << true << Reading::NotAnInteger << -1;
    QTest::newRow("empty") << "" << true << Reading::NotAnInteger << -1;
    QTest::newRow("no copy") << "0" << false << Reading::Ok << 0;
    QTest::newRow("most copies") << "999" << false << Reading::Ok << 999;
    QTest::newRow("one copy too many") << "1000" << false << Reading::OutOfRange << -1;
    QTest::newRow("beyond 32 bits") << "4294967297" << false << Reading::OutOfRange << -1;
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << false << Reading::NotAnInteger
                                    << -1;
}

void tst_StockCore::typedCounts()
{
    QFETCH(QString, text);
    QFETCH(bool, discs);
    QFETCH(TypedCounts::Reading, reading);
    QFETCH(int, value);
    int read = -1;
    QCOMPARE(TypedCounts::read(text, discs ? TypedCounts::DiscsPerSet : TypedCounts::CopiesAtOnce,
                               &read),
             reading);
    QCOMPARE(read, value);
}

void tst_StockCore::entryAddsOneRowPerCopy()
{
    PendingTitles pending;
    QCOMPARE(pending.apply(film(QStringLiteral("0001")), 12, Mode::Entry, -1).size(), 12);
    QCOMPARE(pending.size(), 12);
    QCOMPARE(pending.at(8).customNum, QStringLiteral("0001-9"));
    QCOMPARE(pending.at(9).customNum, QStringLiteral("0001-10"));
    QCOMPARE(pending.at(11).customNum, QStringLiteral("0001-12"));
    for (const TitleRecord &r : pending.rows()) {
        TitleRecord expected = film(QStringLiteral("0001"));
        expected.customNum = r.customNum;
        expected.copy = 1;
        QCOMPARE(r, expected); // every copy carries the full price and the same data
    }
    // Quantity 0 adds nothing, also after other rows.
    QVERIFY(pending.apply(film(QStringLiteral("0002")), 0, Mode::Entry, -1).isEmpty());
    QCOMPARE(pending.size(), 12);
}

void tst_StockCore::editMode_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<QStringList>("codesAfter");
    // Two pending rows; the operator edits and saves with code "X".
    QTest::newRow("one copy rewrites the row") << 1 << 1 << QStringList{"A-1", "X"};
    QTest::newRow("more copies add as entry") << 2 << 0 << QStringList{"A-1", "A-2", "X-1", "X-2"};
    QTest::newRow("no current row adds") << 1 << -1 << QStringList{"A-1", "A-2", "X"};
    QTest::newRow("stale current row adds") << 1 << 5 << QStringList{"A-1", "A-2", "X"};
    QTest::newRow("zero changes nothing") << 0 << 0 << QStringList{"A-1", "A-2"};
}

void tst_StockCore::editMode()
{
    QFETCH(int, quantity);
    QFETCH(int, currentRow);
    QFETCH(QStringList, codesAfter);
    PendingTitles pending;
    pending.apply(film(QStringLiteral("A")), 2, Mode::Entry, -1);
    TitleRecord changed = film(QStringLiteral("X"), QStringLiteral("Ocean's Eleven"));
    pending.apply(changed, quantity, Mode::Edit, currentRow);
    QStringList codes;
    for (const TitleRecord &r : pending.rows())
        codes << r.customNum;
    QCOMPARE(codes, codesAfter);
    if (codesAfter.contains(QStringLiteral("X")))
        QCOMPARE(pending.rows().last().name, QStringLiteral("Ocean's Eleven"));
}

void tst_StockCore::removedPendingRowIsNeverWritten()
{
    PendingTitles pending;
    pending.apply(film(QStringLiteral("0001")), 3, Mode::Entry, -1);
    pending.remove(1);
    pending.remove(7); // out of range: nothing
    StockStore::writeTitles(m_account->context(), pending.rows());
    QCOMPARE(listedCodes(m_account->db()), (QStringList{"0001-1", "0001-3"}));
}

void tst_StockCore::writeTitlesStoresAsTyped()
{
    TitleRecord t = film(QStringLiteral("O'01"), QStringLiteral("Ocean's Eleven"));
    t.copy = 1;
    t.direct = QStringLiteral("Steven 'S' Soderbergh");
    const QList<qint64> ids = StockStore::writeTitles(m_account->context(), {t});
    QCOMPARE(ids.size(), 1);
    t.id = ids.first(); // read back with the key the engine gave it
    QCOMPARE(StockStore::loadTitle(m_account->db(), ids.first()), std::optional<TitleRecord>(t));
    QCOMPARE(quality(m_account->db(), ids.first()), Schema::QualityInStock);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Mone FROM TBName WHERE ID = ?"), {ids.first()},
                        m_account->db())
                 .toLongLong(),
             qint64(3550));
    QVERIFY(StockStore::writeTitles(m_account->context(), {}).isEmpty());
}

void tst_StockCore::writeTitlesIsAllOrNothing()
{
    m_account->refuseWrites(QStringLiteral("refuse_it"), QStringLiteral("INSERT"),
                            QStringLiteral("TBName"), QStringLiteral("NEW.CustomNum = '0001-3'"));
    PendingTitles pending;
    pending.apply(film(QStringLiteral("0001")), 4, Mode::Entry, -1);
    QVERIFY_THROWS_EXCEPTION(Db::DbError,
                             StockStore::writeTitles(m_account->context(), pending.rows()));
    QCOMPARE(m_account->count(QStringLiteral("TBName")), 0);
}

void tst_StockCore::stockListShowsOnlyStock()
{
    Db::exec(QStringLiteral("INSERT INTO TbProvide (ID, Company) VALUES (1, '中凯文化')"), {},
             m_account->db());
    for (int q = 0; q <= 5; ++q)
        m_account->addCopy(QStringLiteral("Q%1").arg(q), QStringLiteral("片"), "DVD", q);
    const qint64 orphan = m_account->addCopy(QStringLiteral("orphan"), QStringLiteral("片"), "DVD");
    Db::exec(QStringLiteral("UPDATE TBName SET Provide = 99 WHERE ID = ?"), {orphan},
             m_account->db());

    QCOMPARE(listedCodes(m_account->db()), (QStringList{"Q0", "Q1", "Q2", "orphan"}));
    QSqlQuery q = Db::exec(StockStore::stockListSql() + QStringLiteral(" ORDER BY a.ID"), {},
                           m_account->db());
    QVERIFY(q.next());
    QCOMPARE(Db::text(q, "Company"), QStringLiteral("中凯文化"));
    QCOMPARE(Db::text(q, "Name"), QStringLiteral("片"));
    QCOMPARE(Db::integer(q, "Mone"), qint64(1000));
    q.last();
    QCOMPARE(Db::text(q, "CustomNum"), QStringLiteral("orphan"));
    QVERIFY(Db::text(q, "Company").isEmpty());
}

void tst_StockCore::deleteKeepsRentalLines()
{
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), "DVD");
    const qint64 open = addOpenRental(m_account->db(), copy);
    QVERIFY(StockStore::deleteFromStock(m_account->context(), copy).done());
    QCOMPARE(quality(m_account->db(), copy), Schema::QualityDeleted);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ID = %1 AND ReDate IS NULL").arg(open)),
             1);
    QVERIFY(listedCodes(m_account->db()).isEmpty());
}

void tst_StockCore::writeOffRemovesOnlyOpenRentals()
{
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), "DVD");
    const qint64 other = m_account->addCopy(QStringLiteral("0002"), QStringLiteral("功夫"), "DVD");
    addOpenRental(m_account->db(), copy);
    const qint64 returned =
        addOpenRental(m_account->db(), copy, QStringLiteral("2024-01-05 10:00:00"));
    const qint64 otherOpen = addOpenRental(m_account->db(), other);

    QVERIFY(StockStore::writeOff(m_account->context(), copy).done());
    QCOMPARE(quality(m_account->db(), copy), Schema::QualityWrittenOff);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("CDNum = %1").arg(copy)),
             1);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ID FROM TBBusinessDetail WHERE CDNum = ?"), {copy},
                        m_account->db())
                 .toLongLong(),
             returned);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ID = %1").arg(otherOpen)),
             1);
    QCOMPARE(quality(m_account->db(), other), Schema::QualityInStock);
}

void tst_StockCore::writeOffRollsBackWhole()
{
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), "DVD");
    addOpenRental(m_account->db(), copy);
    m_account->refuseWrites(QStringLiteral("refuse_it"), QStringLiteral("DELETE"),
                            QStringLiteral("TBBusinessDetail"));
    QVERIFY_THROWS_EXCEPTION(Db::DbError, StockStore::writeOff(m_account->context(), copy));
    QCOMPARE(quality(m_account->db(), copy), Schema::QualityInStock);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NULL")),
             1);
    // The connection is usable again afterwards: no transaction was left open.
    QVERIFY(StockStore::deleteFromStock(m_account->context(), copy).done());
}

void tst_StockCore::leftStockMeanwhileIsNotTouched()
{
    // A list on screen may still show a copy that was sold since it was read: neither
    // action may turn the sale into a loss or remove the sale line.
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), "DVD",
                                           Schema::QualitySold);
    addSaleLine(m_account->db(), copy);
    QCOMPARE(StockStore::writeOff(m_account->context(), copy).refusal().reason,
             Db::Refusal::Reason::NotInStock);
    QCOMPARE(StockStore::deleteFromStock(m_account->context(), copy).refusal().reason,
             Db::Refusal::Reason::NotInStock);
    QCOMPARE(quality(m_account->db(), copy), Schema::QualitySold);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 1);
    QCOMPARE(StockStore::deleteFromStock(m_account->context(), 4711).refusal().reason,
             Db::Refusal::Reason::NotInStock);
}

void tst_StockCore::updateTitleChangesOneRow()
{
    PendingTitles pending;
    pending.apply(film(QStringLiteral("0001")), 3, Mode::Entry, -1);
    const QList<qint64> ids = StockStore::writeTitles(m_account->context(), pending.rows());
    Db::exec(QStringLiteral("UPDATE TBName SET Bu = 9, Quality = 2 WHERE ID = ?"), {ids[1]},
             m_account->db());

    TitleRecord t = *StockStore::loadTitle(m_account->db(), ids[1]);
    t.customNum = QStringLiteral("0009'x");
    t.name = QStringLiteral("Ocean's Eleven");
    t.categray = QStringLiteral("新类型"); // not in the category table: stored as typed
    t.mone = Money::fromCents(1299);
    QVERIFY(StockStore::updateTitle(m_account->context(), ids[1], t));

    QCOMPARE(StockStore::loadTitle(m_account->db(), ids[1]), std::optional<TitleRecord>(t));
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT Bu FROM TBName WHERE ID = ?"), {ids[1]}, m_account->db())
            .toInt(),
        0);
    QCOMPARE(quality(m_account->db(), ids[1]), 2);
    QCOMPARE(StockStore::loadTitle(m_account->db(), ids[0])->customNum, QStringLiteral("0001-1"));
    QCOMPARE(StockStore::loadTitle(m_account->db(), ids[2])->name, QStringLiteral("英雄"));
    QVERIFY(!StockStore::updateTitle(m_account->context(), 4711, t));
    QVERIFY(!StockStore::loadTitle(m_account->db(), 4711).has_value());
}

QTEST_GUILESS_MAIN(tst_StockCore)
#include "tst_stockcore.moc"
