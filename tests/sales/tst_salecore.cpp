#include "sales/SaleStore.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "support/TestAccount.h"

#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <future>
#include <thread>

using SaleStore::SaleRow;

namespace {

const QDate kToday(2024, 6, 1);

int quality(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {id}, db).toInt();
}

qint64 addLine(const QSqlDatabase &db, qint64 copy, int customer,
               const QVariant &reDate = QVariant(),
               const QString &date = QStringLiteral("2024-01-02"), int persons = 2)
{
    return Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, "
                       "Persons, ReDate) VALUES (?, 2500, 1, ?, ?, ?, ?)"),
        {copy, customer, date, persons, reDate}, db);
}

SaleRow row(qint64 copyId, const QString &price, int amount)
{
    SaleRow r;
    r.copy.id = copyId; // the sale writes the copy by its ID alone
    r.rmoney = *Money::parse(price);
    r.amount = amount;
    return r;
}

struct Line
{
    qint64 cdNum;
    qint64 rmoney;
    int amount;
    QString date;
    int persons;
};

QList<Line> saleLines(const QSqlDatabase &db)
{
    QList<Line> lines;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT CDNum, RMoney, Amount, DatTime, Persons "
                                          "FROM TBBusinessDetail WHERE Ass_Number = -1 "
                                          "AND ReDate IS NULL ORDER BY ID"),
                           {}, db);
    while (q.next()) {
        lines.append({Db::integer(q, "CDNum"), Db::integer(q, "RMoney"),
                      int(Db::integer(q, "Amount")), Db::text(q, "DatTime"),
                      int(Db::integer(q, "Persons"))});
    }
    return lines;
}

} // namespace

class tst_SaleCore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete m_account; }

    void lookup_data();
    void lookup();
    void lookupWhateverTheCase();
    void lookupTakesFirstFreeCopyOfCode();
    void completeWritesLinesAndMarksSold();
    void completeIsAllOrNothing();
    void completeRefusesCopyTakenMeanwhile();
    void anotherCounterSellingTheSameCopyWins();
    void editReplacesLine_data();
    void editReplacesLine();
    void failedEditKeepsOldLine();
    void undoPutsCopyBack();
    void undoTouchesOnlySaleLines();
    void summaryAndTotal();
    void salesListShowsSaleLines();

private:
    TestAccount *m_account = nullptr;
    qint64 m_dvd = 0;
};

void tst_SaleCore::init()
{
    m_account = new TestAccount;
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
}

void tst_SaleCore::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ver");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("line"); // 0 none, 1 open rental, 2 returned rental, 3 sale
    QTest::addColumn<bool>("found");
    QTest::newRow("in stock") << "0001"
                              << "DVD" << 0 << 0 << true;
    QTest::newRow("quote in code") << "O'1"
                                   << "DVD" << 0 << 0 << true;
    QTest::newRow("prefix only") << "000"
                                 << "DVD" << 0 << 0 << false;
    QTest::newRow("rented out") << "0001"
                                << "DVD" << 0 << 1 << false;
    QTest::newRow("returned") << "0001"
                              << "DVD" << 0 << 2 << true;
    QTest::newRow("sold") << "0001"
                          << "DVD" << 5 << 3 << false;
    QTest::newRow("version not a fee class") << "0001"
                                             << "LD" << 0 << 0 << false;
    QTest::newRow("deleted from stock") << "0001"
                                        << "DVD" << 3 << 0 << true;
    QTest::newRow("written off") << "0001"
                                 << "DVD" << 4 << 0 << true;
}

void tst_SaleCore::lookupWhateverTheCase()
{
    const qint64 upper =
        m_account->addCopy(QStringLiteral("DVD-X1"), QStringLiteral("功夫"), QStringLiteral("DVD"));
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("dvd-x1"))->id, upper);
    // Two copies whose codes differ in case only: the one typed exactly is taken.
    const qint64 lower =
        m_account->addCopy(QStringLiteral("dvd-x1"), QStringLiteral("功夫"), QStringLiteral("DVD"));
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("dvd-x1"))->id, lower);
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("DVD-X1"))->id, upper);
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("Dvd-x1"))->id,
             upper); // lowest ID
}

void tst_SaleCore::lookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, ver);
    QFETCH(int, status);
    QFETCH(int, line);
    QFETCH(bool, found);
    const QString code = typed == QLatin1String("O'1") ? typed : QStringLiteral("0001");
    const qint64 copy = m_account->addCopy(code, QStringLiteral("Ocean's Eleven"), ver, status);
    m_account->addCopy(QStringLiteral("A01"), QStringLiteral("功夫"), QStringLiteral("DVD"));
    if (line == 1)
        addLine(m_account->db(), copy, Schema::WalkInCustomerId);
    if (line == 2)
        addLine(m_account->db(), copy, Schema::WalkInCustomerId,
                QStringLiteral("2024-01-03 10:00:00"));
    if (line == 3)
        addLine(m_account->db(), copy, Schema::SaleCustomer);

    const auto hit = SaleStore::findSaleableCopy(m_account->db(), typed);
    QCOMPARE(hit.has_value(), found);
    if (found) {
        QCOMPARE(hit->id, copy);
        QCOMPARE(hit->name, QStringLiteral("Ocean's Eleven"));
        QCOMPARE(hit->customNum, code);
        QCOMPARE(hit->categray, QStringLiteral("动作"));
    }
}

void tst_SaleCore::lookupTakesFirstFreeCopyOfCode()
{
    const qint64 first = m_account->addCopy(QStringLiteral("D"), QStringLiteral("甲"), "DVD");
    const qint64 second = m_account->addCopy(QStringLiteral("D"), QStringLiteral("乙"), "DVD");
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("D"))->id, first);
    addLine(m_account->db(), first, Schema::WalkInCustomerId);
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("D"))->id, second);
    QVERIFY(!SaleStore::findSaleableCopy(m_account->db(), QString()).has_value());
}

void tst_SaleCore::completeWritesLinesAndMarksSold()
{
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD", 4);
    const qint64 b = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    // The same copy twice writes two lines, as the operator listed it.
    const QList<SaleRow> rows = {row(a, QStringLiteral("10"), 3), row(b, QStringLiteral("5"), 1),
                                 row(b, QStringLiteral("0.00"), 1)};
    const QList<qint64> ids = SaleStore::completeSale(m_account->db(), rows, -1, 7, kToday).value();
    QCOMPARE(ids.size(), 3);
    QVERIFY(ids[0] < ids[1] && ids[1] < ids[2]);

    const QList<Line> lines = saleLines(m_account->db());
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].cdNum, a);
    QCOMPARE(lines[0].rmoney, qint64(1000));
    QCOMPARE(lines[0].amount, 3);
    QCOMPARE(lines[0].date, QStringLiteral("2024-06-01"));
    QCOMPARE(lines[0].persons, 7);
    QCOMPARE(lines[2].rmoney, qint64(0));
    QCOMPARE(quality(m_account->db(), a), Schema::QualitySold);
    QCOMPARE(quality(m_account->db(), b), Schema::QualitySold);
    // Sold: neither found for another sale nor free for renting.
    QVERIFY(!SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("A")).has_value());
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("CDNum = %1 AND ReDate IS NULL").arg(b)),
             2);
    QVERIFY(SaleStore::completeSale(m_account->db(), {}, -1, 7, kToday).value().isEmpty());
}

void tst_SaleCore::completeIsAllOrNothing()
{
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 b = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    const QList<SaleRow> rows = {row(a, QStringLiteral("10"), 1), row(b, QStringLiteral("5"), 1)};
    m_account->refuseWrites(QStringLiteral("refuse_it"), QStringLiteral("UPDATE"),
                            QStringLiteral("TBName"), QStringLiteral("NEW.ID = %1").arg(b));
    QVERIFY_THROWS_EXCEPTION(Db::DbError,
                             SaleStore::completeSale(m_account->db(), rows, -1, 1, kToday));
    QVERIFY(saleLines(m_account->db()).isEmpty());
    QCOMPARE(quality(m_account->db(), a), Schema::QualityInStock);
}

void tst_SaleCore::completeRefusesCopyTakenMeanwhile()
{
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 b = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    QList<SaleRow> rows = {row(a, QStringLiteral("10"), 1), row(b, QStringLiteral("5"), 1)};
    rows[1].copy.customNum = QStringLiteral("B"); // as the lookup found it, to name it
    rows[1].copy.name = QStringLiteral("乙");
    addLine(m_account->db(), b, Schema::WalkInCustomerId); // rented out after the lookup
    const auto sold = SaleStore::completeSale(m_account->db(), rows, -1, 1, kToday);
    QVERIFY2(!sold.done(), "a rented copy was sold");
    QCOMPARE(sold.refusal().reason, Db::Refusal::Reason::NotAvailable);
    QCOMPARE(sold.refusal().code, QStringLiteral("B"));
    QCOMPARE(sold.refusal().name, QStringLiteral("乙"));
    QVERIFY(saleLines(m_account->db()).isEmpty());
    QCOMPARE(quality(m_account->db(), a), Schema::QualityInStock);
}

void tst_SaleCore::anotherCounterSellingTheSameCopyWins()
{
    // Another counter is in the middle of selling copy A (its sale written, not yet committed)
    // when this counter sells A too: this sale waits for the other's writer lock, then finds
    // A's open sale line and is refused; A is sold once.
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    QList<SaleRow> rows = {row(a, QStringLiteral("10"), 1)};
    rows[0].copy.customNum = QStringLiteral("A");
    std::promise<void> written;
    std::thread other([&] {
        const QString name = QStringLiteral("other-counter");
        {
            QSqlDatabase db = m_account->openAnother(name);
            Db::Transaction tx(db);
            Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                                    "Ass_Number, DatTime, Persons) "
                                    "VALUES (?, 1200, 1, ?, '2024-06-01', 1)"),
                     {a, Schema::SaleCustomer}, db);
            Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"),
                     {Schema::QualitySold, a}, db);
            written.set_value();
            QThread::msleep(300);
            tx.commit();
        }
        QSqlDatabase::removeDatabase(name);
    });
    written.get_future().wait();
    const auto sold = SaleStore::completeSale(m_account->db(), rows, -1, 1, kToday);
    other.join();
    QVERIFY2(!sold.done(), "one copy was sold at two counters");
    QCOMPARE(sold.refusal().reason, Db::Refusal::Reason::NotAvailable);
    QCOMPARE(sold.refusal().code, QStringLiteral("A"));
    QCOMPARE(saleLines(m_account->db()).size(), 1);
    QCOMPARE(saleLines(m_account->db()).first().rmoney, qint64(1200));
}

void tst_SaleCore::editReplacesLine_data()
{
    QTest::addColumn<bool>("keepCopy");
    QTest::addColumn<bool>("otherSale");
    QTest::addColumn<int>("oldCopyStatus");
    QTest::newRow("copy kept stays sold") << true << false << Schema::QualitySold;
    QTest::newRow("copy removed back in stock") << false << false << Schema::QualityInStock;
    QTest::newRow("copy removed but sold elsewhere") << false << true << Schema::QualitySold;
}

void tst_SaleCore::editReplacesLine()
{
    QFETCH(bool, keepCopy);
    QFETCH(bool, otherSale);
    QFETCH(int, oldCopyStatus);
    const qint64 old = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 other = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    SaleStore::completeSale(m_account->db(), {row(old, QStringLiteral("20"), 2)}, -1, 1,
                            QDate(2024, 1, 1));
    if (otherSale)
        addLine(m_account->db(), old, Schema::SaleCustomer);
    const qint64 line =
        Db::scalar(QStringLiteral("SELECT min(ID) FROM TBBusinessDetail"), {}, m_account->db())
            .toLongLong();

    QList<SaleRow> rows = SaleStore::loadSaleLine(m_account->db(), line);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].copy.id, old);
    QCOMPARE(rows[0].amount, 2);
    QCOMPARE(rows[0].rmoney, Money::fromYuan(20));
    QCOMPARE(SaleStore::total(rows), Money::fromYuan(40));
    if (!keepCopy)
        rows.clear();
    rows << row(other, QStringLiteral("8"), 1);

    QCOMPARE(SaleStore::completeSale(m_account->db(), rows, line, 9, kToday).value().size(),
             rows.size());
    QCOMPARE(
        m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ID = %1").arg(line)),
        0);
    for (const Line &l : saleLines(m_account->db())) {
        if (l.persons == 9) {
            QCOMPARE(l.date, QStringLiteral("2024-06-01")); // today, not the old date
        }
    }
    QCOMPARE(quality(m_account->db(), old), oldCopyStatus);
    QCOMPARE(quality(m_account->db(), other), Schema::QualitySold);
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("A")).has_value(),
             oldCopyStatus == Schema::QualityInStock);
}

void tst_SaleCore::failedEditKeepsOldLine()
{
    const qint64 old = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 other = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    SaleStore::completeSale(m_account->db(), {row(old, QStringLiteral("20"), 1)}, -1, 1,
                            QDate(2024, 1, 1));
    const qint64 line =
        Db::scalar(QStringLiteral("SELECT ID FROM TBBusinessDetail"), {}, m_account->db())
            .toLongLong();
    m_account->refuseWrites(QStringLiteral("refuse_it"), QStringLiteral("INSERT"),
                            QStringLiteral("TBBusinessDetail"));
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, SaleStore::completeSale(m_account->db(), {row(other, QStringLiteral("8"), 1)},
                                             line, 1, kToday));
    const QList<Line> lines = saleLines(m_account->db());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].cdNum, old);
    QCOMPARE(lines[0].date, QStringLiteral("2024-01-01"));
    QCOMPARE(quality(m_account->db(), old), Schema::QualitySold);
    QCOMPARE(quality(m_account->db(), other), Schema::QualityInStock);
}

void tst_SaleCore::undoPutsCopyBack()
{
    // Written off before it was sold: undoing the sale brings it back into stock.
    const qint64 copy = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD",
                                           Schema::QualityWrittenOff);
    SaleStore::completeSale(m_account->db(), {row(copy, QStringLiteral("20"), 1)}, -1, 1, kToday);
    const qint64 line =
        Db::scalar(QStringLiteral("SELECT ID FROM TBBusinessDetail"), {}, m_account->db())
            .toLongLong();
    QVERIFY(SaleStore::undoSale(m_account->context(), line));
    QVERIFY(saleLines(m_account->db()).isEmpty());
    QCOMPARE(quality(m_account->db(), copy), Schema::QualityInStock);
    QCOMPARE(SaleStore::findSaleableCopy(m_account->db(), QStringLiteral("A"))->id, copy);
    QVERIFY(!SaleStore::undoSale(m_account->context(), line)); // already undone

    // A copy sold twice stays sold while one of its lines remains.
    SaleStore::completeSale(m_account->db(),
                            {row(copy, QStringLiteral("1"), 1), row(copy, QStringLiteral("1"), 1)},
                            -1, 1, kToday);
    QVERIFY(SaleStore::undoSale(
        m_account->context(),
        Db::scalar(QStringLiteral("SELECT max(ID) FROM TBBusinessDetail"), {}, m_account->db())
            .toLongLong()));
    QCOMPARE(quality(m_account->db(), copy), Schema::QualitySold);
}

void tst_SaleCore::undoTouchesOnlySaleLines()
{
    const qint64 copy = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD", 2);
    const qint64 rental = addLine(m_account->db(), copy, Schema::WalkInCustomerId);
    QVERIFY(!SaleStore::undoSale(m_account->context(), rental));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 1);
    QCOMPARE(quality(m_account->db(), copy), 2);
    QVERIFY(SaleStore::loadSaleLine(m_account->db(), rental).isEmpty());

    // A failure inside the undo leaves both the line and the status as they were.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-01-03 10:00:00' "
                            "WHERE ID = ?"),
             {rental}, m_account->db());
    SaleStore::completeSale(m_account->db(), {row(copy, QStringLiteral("3"), 1)}, -1, 1, kToday);
    const qint64 sale =
        Db::scalar(QStringLiteral("SELECT max(ID) FROM TBBusinessDetail"), {}, m_account->db())
            .toLongLong();
    m_account->refuseWrites(QStringLiteral("refuse_it"), QStringLiteral("UPDATE"),
                            QStringLiteral("TBName"));
    QVERIFY_THROWS_EXCEPTION(Db::DbError, SaleStore::undoSale(m_account->context(), sale));
    QCOMPARE(saleLines(m_account->db()).size(), 1);
    QCOMPARE(quality(m_account->db(), copy), Schema::QualitySold);
}

void tst_SaleCore::summaryAndTotal()
{
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 b = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    const QList<SaleRow> rows = {row(a, QStringLiteral("10"), 3), row(b, QStringLiteral("5"), 1)};
    QCOMPARE(SaleStore::total(rows), Money::fromYuan(35));
    QCOMPARE(SaleStore::saleSummary(int(rows.size()), SaleStore::total(rows)),
             QStringLiteral("共销售影片：2部") + QChar(13) + QStringLiteral("总  金  额：35.00元"));
    // A price typed with a fraction of a cent is stored and summed as whole cents.
    QCOMPARE(row(a, QStringLiteral("0.005"), 3).sum(), Money::fromCents(3));
}

void tst_SaleCore::salesListShowsSaleLines()
{
    const qint64 a = m_account->addCopy(QStringLiteral("A"), QStringLiteral("甲"), "DVD");
    const qint64 b = m_account->addCopy(QStringLiteral("B"), QStringLiteral("乙"), "DVD");
    const qint64 gone = m_account->addCopy(QStringLiteral("C"), QStringLiteral("丙"), "DVD");
    addLine(m_account->db(), a, Schema::SaleCustomer, QVariant(), QStringLiteral("2024-02-01"));
    addLine(m_account->db(), b, Schema::SaleCustomer, QVariant(), QStringLiteral("2024-03-01"));
    addLine(m_account->db(), b, Schema::WalkInCustomerId);
    addLine(m_account->db(), gone, Schema::SaleCustomer);
    Db::exec(QStringLiteral("DELETE FROM TBName WHERE ID = ?"), {gone}, m_account->db());
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET Amount = 3 WHERE CDNum = ?"), {a},
             m_account->db());

    QSqlQuery q = Db::exec(SaleStore::salesListSql(), {}, m_account->db());
    QStringList names;
    QList<qint64> sums;
    while (q.next()) {
        names << Db::text(q, "Name");
        sums << Db::integer(q, "Summoney");
    }
    QCOMPARE(names, (QStringList{"乙", "甲"}));
    QCOMPARE(sums, (QList<qint64>{2500, 7500}));
}

QTEST_GUILESS_MAIN(tst_SaleCore)
#include "tst_salecore.moc"
