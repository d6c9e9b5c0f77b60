// What an account needs from its engine, on the file and on the server alike (the test runs
// once per engine): the unique guard over open rental lines, keys the engine gives, the name
// order and case-free codes, the writer lock and its timeout, the faults of the server's
// states, the server's address in the settings, what is refused as an account, and values
// going through statements unchanged.
#include "data/Collation.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/Schema.h"
#include "data/ServerAddress.h"
#include "data/ServerStatement.h"
#include "data/SqlDialect.h"
#include "support/TestAccount.h"
#include "support/TestServer.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(Db::Fault)

namespace {

qint64 openLine(const QSqlDatabase &db, qint64 copy, qint64 customer)
{
    return Db::insert(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                                     "Ass_Number, DatTime, Deposit, Persons) "
                                     "VALUES (?, 300, 1, ?, '2024-05-01', 2000, 1)"),
                      {copy, customer}, db);
}

void dropConnection(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

class tst_AccountEngines : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_account = std::make_unique<TestAccount>(); }
    void cleanup()
    {
        m_account.reset();
        Db::setBusyTimeout(Db::DefaultBusyTimeoutMs);
    }

    void secondOpenRentalLineOfACopyIsRefused();
    void keysAreGivenByTheEngineAndNeverReused();
    void namesInPinyinOrderAndCodesWithoutCase();
    void writersWaitForEachOtherWithinTheTimeout();
    void schemaIsTheSameOnBothEngines();
    void olderFileWithACopyRentedTwiceStillOpens();
    void foreignDatabaseIsRefused();
    void sampleShopOnEitherEngine();
    void valuesComeBackAsTheyWentIn();
    void placeholdersAreNumberedOutsideQuotesOnly();
    void changeStampMovesWithWritesOnly();

    void serverStatesMapToFaults_data();
    void serverStatesMapToFaults();
    void serverAddressTextForm_data();
    void serverAddressTextForm();

private:
    std::unique_ptr<TestAccount> m_account;
};

void tst_AccountEngines::secondOpenRentalLineOfACopyIsRefused()
{
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"),
                                           QString());
    const qint64 member = m_account->addMember(QStringLiteral("A001"), QStringLiteral("张伟"), 5);
    QVERIFY(Schema::hasOpenRentalGuard(m_account->db()));

    openLine(m_account->db(), copy, member);
    try {
        openLine(m_account->db(), copy, Schema::WalkInCustomerId);
        QFAIL("a second open rental line of one copy was written");
    } catch (const Db::DbError &e) {
        QCOMPARE(e.fault(), Db::Fault::Duplicate);
    }
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), qint64(1));

    // Sale lines stay open for good and one sale may list a copy twice: not covered.
    const qint64 sold = m_account->addCopy(QStringLiteral("0002"), QStringLiteral("功夫"),
                                           QString());
    openLine(m_account->db(), sold, Schema::SaleCustomer);
    openLine(m_account->db(), sold, Schema::SaleCustomer);
    // A returned line leaves the copy free for the next rental.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-05-02 10:00:00' "
                            "WHERE CDNum = ?"),
             {copy}, m_account->db());
    openLine(m_account->db(), copy, member);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NULL")),
             qint64(3));
}

void tst_AccountEngines::keysAreGivenByTheEngineAndNeverReused()
{
    // The required rows were written with their keys; new rows follow them.
    const qint64 member = m_account->addMember(QStringLiteral("A001"), QStringLiteral("张伟"), 5);
    QCOMPARE(member, qint64(Schema::WalkInCustomerId + 1));
    const qint64 type = Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, "
                                                  "Flag) VALUES (3, 'x', 0)"),
                                   {}, m_account->db());
    QVERIFY(type > Schema::TypeMemberPayment);
    const qint64 fid = Db::insert(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, "
                                                 "Moneys) VALUES ('2024-05-01', 3, 100)"),
                                  {}, m_account->db(), QStringLiteral("FID"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ?"), {fid},
                        m_account->db())
                 .toLongLong(),
             qint64(100));

    // The newest row deleted: its key is not handed out again.
    const qint64 second = m_account->addMember(QStringLiteral("A002"), QStringLiteral("王芳"), 5);
    QCOMPARE(second, member + 1);
    Db::exec(QStringLiteral("DELETE FROM TBAssociator WHERE ID = ?"), {second}, m_account->db());
    QCOMPARE(m_account->addMember(QStringLiteral("A003"), QStringLiteral("李娜"), 5), second + 1);

    // Rows written with their keys (as a move writes them), then the keys followed.
    Db::exec(QStringLiteral("INSERT INTO TBVer (ID, Name, Fee, Deposit) VALUES (500, 'x', 1, 1)"),
             {}, m_account->db());
    SqlDialect::followKeys(QStringLiteral("TBVer"), QStringLiteral("ID"), m_account->db());
    QCOMPARE(m_account->addFeeClass(QStringLiteral("y"), 1, 1), qint64(501));
    // An empty table starts at 1.
    SqlDialect::followKeys(QStringLiteral("TBCategray"), QStringLiteral("ID"), m_account->db());
    QCOMPARE(Db::insert(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('动作')"), {},
                        m_account->db()),
             qint64(1));
}

void tst_AccountEngines::namesInPinyinOrderAndCodesWithoutCase()
{
    const QStringList names = {QStringLiteral("张三"), QStringLiteral("李四光"),
                               QStringLiteral("李四"),  QStringLiteral("王五"),
                               QStringLiteral("阿明"),  QStringLiteral("片10"),
                               QStringLiteral("片2"),   QStringLiteral("zorro"),
                               QStringLiteral("Zorro"), QStringLiteral("b"),
                               QStringLiteral("A"),     QStringLiteral("a"),
                               QStringLiteral("北京")};
    for (const QString &n : names)
        m_account->addMember(QString(), n, 1);
    QStringList expected = names;
    std::sort(expected.begin(), expected.end(), Collation::lessThan);
    QCOMPARE(expected.first(), QStringLiteral("阿明"));

    // The statements' own words, on either engine: the engine's order is the program's.
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Name FROM TBAssociator WHERE ID > ? "
                                          "ORDER BY Name COLLATE PINYIN"),
                           {Schema::WalkInCustomerId}, m_account->db());
    QStringList sorted;
    while (q.next())
        sorted << q.value(0).toString();
    QCOMPARE(sorted, expected);

    m_account->addCopy(QStringLiteral("Ab-01"), QStringLiteral("英雄"), QString());
    for (const QString &typed : {QStringLiteral("ab-01"), QStringLiteral("AB-01"),
                                 QStringLiteral("Ab-01")}) {
        QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBName "
                                           "WHERE CustomNum = ? COLLATE NOCASE"),
                            {typed}, m_account->db())
                     .toInt(),
                 1);
    }
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBName WHERE CustomNum = ?"),
                        {QStringLiteral("ab-01")}, m_account->db())
                 .toInt(),
             0);
}

void tst_AccountEngines::writersWaitForEachOtherWithinTheTimeout()
{
    const QString other = QStringLiteral("other-counter");
    {
        QSqlDatabase second = m_account->openAnother(other);
        Db::setBusyTimeout(300);
        auto holder = std::make_unique<Db::Transaction>(second);
        try {
            Db::Transaction blocked(m_account->db());
            QFAIL("a second writer started while the first held the account");
        } catch (const Db::DbError &e) {
            QCOMPARE(e.fault(), Db::Fault::Busy);
        }
        holder.reset(); // rolled back: the account is free again
        Db::Transaction next(m_account->db());
        Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = 3 WHERE ID = ?"),
                 {Schema::WalkInCustomerId}, m_account->db());
        next.commit();
    }
    dropConnection(other);
}

void tst_AccountEngines::schemaIsTheSameOnBothEngines()
{
    const QSqlDatabase db = m_account->db();
    QVERIFY(Schema::missingParts(db).isEmpty());
    QCOMPARE(SqlDialect::columnsOf(QStringLiteral("TBBusinessDetail"), db),
             QStringList({QStringLiteral("id"), QStringLiteral("cdnum"), QStringLiteral("rmoney"),
                          QStringLiteral("amount"), QStringLiteral("ass_number"),
                          QStringLiteral("dattime"), QStringLiteral("deposit"),
                          QStringLiteral("persons"), QStringLiteral("redate"),
                          QStringLiteral("parentid")}));
    QVERIFY(SqlDialect::columnsOf(QStringLiteral("NoSuchTable"), db).isEmpty());
    // Defaults, money beyond 32 bits and dates that compare as text, alike on both.
    const qint64 copy = Db::insert(QStringLiteral("INSERT INTO TBName (CustomNum, Mone) "
                                                  "VALUES ('0001', ?)"),
                                   {qint64(5000000000)}, m_account->db());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {copy},
                        m_account->db())
                 .toInt(),
             0);
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT Mone FROM TBName WHERE ID = ?"), {copy}, m_account->db())
            .toLongLong(),
        qint64(5000000000));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT %1")
                            .arg(SqlDialect::daysBetween(QStringLiteral("'2024-02-28'"),
                                                         QStringLiteral("'2024-03-01 09:00:00'"),
                                                         m_account->db())),
                        {}, m_account->db())
                 .toInt(),
             2);
    // The audit log refuses changes on either engine.
    Db::exec(QStringLiteral("INSERT INTO TBAuditLog (At, UserId, Kind) VALUES ('x', 1, 'k')"), {},
             m_account->db());
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, Db::exec(QStringLiteral("DELETE FROM TBAuditLog"), {}, m_account->db()));
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog")), qint64(1));
}

void tst_AccountEngines::olderFileWithACopyRentedTwiceStillOpens()
{
    if (m_account->onServer())
        QSKIP("an account file written before the unique index over open rental lines");
    const qint64 copy = m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"),
                                           QString());
    Db::exec(QStringLiteral("DROP INDEX ux_detail_open_rental"), {}, m_account->db());
    openLine(m_account->db(), copy, Schema::WalkInCustomerId);
    openLine(m_account->db(), copy, Schema::WalkInCustomerId);
    dropConnection(QLatin1String(Db::MainConnName));

    QString why;
    QVERIFY2(openAccountFile(m_account->path(), QLatin1String(Db::MainConnName), &why),
             qPrintable(why));
    QVERIFY(!Schema::hasOpenRentalGuard(m_account->db()));
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"), QStringLiteral("ReDate IS NULL")),
             qint64(2));
    // Once one of them is returned, the next opening adds the guard.
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-05-02' WHERE ID = "
                            "(SELECT min(ID) FROM TBBusinessDetail)"),
             {}, m_account->db());
    QVERIFY2(openAccountFile(m_account->path(), QLatin1String(Db::MainConnName), &why),
             qPrintable(why));
    QVERIFY(Schema::hasOpenRentalGuard(m_account->db()));
}

void tst_AccountEngines::foreignDatabaseIsRefused()
{
    if (!m_account->onServer())
        QSKIP("a database on the server (foreign files: tst_account)");
    ServerAddress address = TestServer::address();
    address.database = TestServer::createDatabase();
    const QString name = QStringLiteral("foreign");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        QVERIFY(db.open());
        Db::exec(QStringLiteral("CREATE TABLE invoices (id INTEGER, amount NUMERIC)"), {}, db);
        Db::exec(QStringLiteral("INSERT INTO invoices VALUES (1, 9.5)"), {}, db);
    }
    dropConnection(name);

    QString why;
    QVERIFY(!openServerAccount(address, name, &why));
    QVERIFY2(why.contains(QStringLiteral("another program")), qPrintable(why));
    QVERIFY(!QSqlDatabase::contains(name));
    {
        // Left as it was: no table of ours was added.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        QVERIFY(db.open());
        QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM information_schema.tables "
                                           "WHERE table_schema = 'public'"),
                            {}, db)
                     .toInt(),
                 1);
    }
    dropConnection(name);

    // Our own account opens again, and an address without a database is refused.
    ServerAddress own = TestServer::address();
    own.database = m_account->database();
    QVERIFY2(openServerAccount(own, name, &why), qPrintable(why));
    dropConnection(name);
    QVERIFY(!openServerAccount(TestServer::address(), name, &why));
    TestServer::dropDatabase(address.database);
}

void tst_AccountEngines::sampleShopOnEitherEngine()
{
    // The sample shop written through the program's own statements: every key the engine
    // handed out joins up, and no copy is out twice.
    SampleAccount::fillSampleShop(m_account->db(), QDate(2024, 6, 1));
    QVERIFY(m_account->count(QStringLiteral("TBBusinessDetail")) > 50);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail d"),
                              QStringLiteral("NOT EXISTS (SELECT 1 FROM TBName n "
                                             "WHERE n.ID = d.CDNum)")),
             qint64(0));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM (SELECT CDNum FROM TBBusinessDetail "
                                       "WHERE ReDate IS NULL AND Ass_Number <> -1 "
                                       "GROUP BY CDNum HAVING count(*) > 1) twice"),
                        {}, m_account->db())
                 .toInt(),
             0);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney m"),
                              QStringLiteral("m.ClientID > 15 AND NOT EXISTS (SELECT 1 FROM "
                                             "TBAssociator a WHERE a.ID = m.ClientID)")),
             qint64(0));
}

void tst_AccountEngines::serverStatesMapToFaults_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<Db::Fault>("fault");
    QTest::newRow("lock timeout") << "55P03" << Db::Fault::Busy;
    QTest::newRow("deadlock") << "40P01" << Db::Fault::Busy;
    QTest::newRow("serialization failure") << "40001" << Db::Fault::Busy;
    QTest::newRow("statement cancelled") << "57014" << Db::Fault::Busy;
    QTest::newRow("disk full") << "53100" << Db::Fault::DiskFull;
    QTest::newRow("read-only transaction (a standby)") << "25006" << Db::Fault::ReadOnly;
    QTest::newRow("no privilege") << "42501" << Db::Fault::ReadOnly;
    QTest::newRow("connection failure") << "08006" << Db::Fault::Lost;
    QTest::newRow("server shutting down") << "57P01" << Db::Fault::Lost;
    QTest::newRow("data corrupted") << "XX001" << Db::Fault::Damaged;
    QTest::newRow("unique violation") << "23505" << Db::Fault::Duplicate;
    QTest::newRow("syntax error") << "42601" << Db::Fault::Other;
    QTest::newRow("lower case") << "55p03" << Db::Fault::Busy;
}

void tst_AccountEngines::valuesComeBackAsTheyWentIn()
{
    // Beyond 32 bits, beyond a double's exact range once summed, text the statement's own
    // syntax uses, and nothing at all.
    const qint64 big = (qint64(1) << 53) + 1;
    // On a server the statements go their one-round-trip way.
    QCOMPARE(ServerStatement::available(m_account->db()), m_account->onServer());
    const QString awkward = QStringLiteral("O'Brien \\ 50% ? 张伟 \"x\"");
    const qint64 member = m_account->addMember(QStringLiteral("B001"), awkward, 5);
    for (qint64 amount : {big, qint64(2)}) {
        Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, Per, ClientID) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {QStringLiteral("2024-05-01"), Schema::TypeRent, amount, 0, member},
                 m_account->db());
    }
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Moneys, ClientID FROM TBInOutMoney "
                                          "WHERE ClientID = ? AND Moneys > ? ORDER BY Moneys"),
                           {member, qint64(1) << 40}, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), big);
    QCOMPARE(q.value(QStringLiteral("clientid")).toLongLong(), member);
    QVERIFY(!q.next());
    // A sum of money is exact where a double would round it to the next even number.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT SUM(Moneys) FROM TBInOutMoney WHERE ClientID = ?"),
                        {member}, m_account->db())
                 .toLongLong(),
             big + 2);

    QCOMPARE(Db::scalar(QStringLiteral("SELECT Name FROM TBAssociator WHERE Num = ?"),
                        {QStringLiteral("B001")}, m_account->db())
                 .toString(),
             awkward);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ID FROM TBAssociator WHERE Name = ?"), {awkward},
                        m_account->db())
                 .toLongLong(),
             member);
    QVERIFY(Db::scalar(QStringLiteral("SELECT Name FROM TBAssociator WHERE Num = ?"),
                       {QStringLiteral("no such")}, m_account->db())
                .isNull());

    // A missing value is written as nothing and read back as nothing.
    Db::exec(QStringLiteral("UPDATE TBAssociator SET Name = ? WHERE ID = ?"),
             {QVariant(QMetaType::fromType<QString>()), member}, m_account->db());
    q = Db::exec(QStringLiteral("SELECT Name FROM TBAssociator WHERE ID = ?"), {member},
                 m_account->db());
    QVERIFY(q.next());
    QVERIFY(q.isNull(0));

    // Rows touched are counted, as the stores check them.
    q = Db::exec(QStringLiteral("UPDATE TBInOutMoney SET Per = ? WHERE ClientID = ?"), {1, member},
                 m_account->db());
    QCOMPARE(q.numRowsAffected(), 2);
    q = Db::exec(QStringLiteral("DELETE FROM TBInOutMoney WHERE ClientID = ?"), {-12345},
                 m_account->db());
    QCOMPARE(q.numRowsAffected(), 0);

    // A question mark inside quotes is text, not a value to fill in.
    q = Db::exec(QStringLiteral("SELECT COUNT(*) FROM TBAssociator WHERE Num <> '?' AND ID = ?"),
                 {member}, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), qint64(1));
}

void tst_AccountEngines::placeholdersAreNumberedOutsideQuotesOnly()
{
    QCOMPARE(ServerStatement::numberedPlaceholders(
                 QStringLiteral("SELECT a FROM t WHERE b = ? AND c = '?' AND \"d?\" IN (?, ?)")),
             QByteArray("SELECT a FROM t WHERE b = $1 AND c = '?' AND \"d?\" IN ($2, $3)"));
    QCOMPARE(ServerStatement::numberedPlaceholders(QStringLiteral("SELECT 'it''s ?', ?")),
             QByteArray("SELECT 'it''s ?', $1"));
    QCOMPARE(ServerStatement::numberedPlaceholders(QStringLiteral("SELECT 1")),
             QByteArray("SELECT 1"));
}

void tst_AccountEngines::changeStampMovesWithWritesOnly()
{
    // Rows changed over and over leave dead versions behind, which the next reads tidy away.
    for (int i = 0; i < 60; ++i) {
        m_account->addMember(QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0')),
                             QStringLiteral("会员%1").arg(i), 3);
    }
    for (int i = 0; i < 6; ++i)
        Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = Sum + ? WHERE ID > ?"), {1, 15}, m_account->db());
    const QString before = SqlDialect::changeStamp(m_account->db());
    for (int i = 0; i < 3; ++i) {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT Num, Name, Sum FROM TBAssociator"), {}, m_account->db());
        while (q.next()) {
        }
        QCOMPARE(SqlDialect::changeStamp(m_account->db()), before);
    }

    Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = ? WHERE Num = ?"),
             {9, QStringLiteral("S001")}, m_account->db());
    const QString afterOwn = SqlDialect::changeStamp(m_account->db());
    QVERIFY(afterOwn != before);

    // Another counter's change, begun before the stamp is taken and committed after it.
    const QString name = QStringLiteral("stamp-counter");
    {
        QSqlDatabase other = m_account->openAnother(name);
        auto tx = std::make_unique<Db::Transaction>(other);
        Db::exec(QStringLiteral("UPDATE TBAssociator SET Sum = ? WHERE Num = ?"),
                 {8, QStringLiteral("S002")}, other);
        const QString during = SqlDialect::changeStamp(m_account->db());
        tx->commit();
        QVERIFY(SqlDialect::changeStamp(m_account->db()) != during);
    }
    dropConnection(name);
}

void tst_AccountEngines::serverStatesMapToFaults()
{
    QFETCH(QString, state);
    QFETCH(Db::Fault, fault);
    QCOMPARE(Db::faultOfSqlState(state), fault);
}

void tst_AccountEngines::serverAddressTextForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::newRow("plain") << "host=db.shop.lan port=5433 dbname=shop user=counter1" << true
                           << "db.shop.lan" << 5433 << "shop" << "counter1";
    QTest::newRow("socket folder, default port, no user")
        << "host=/var/run/postgresql dbname=shop" << true << "/var/run/postgresql" << 5432
        << "shop" << "";
    QTest::newRow("quoted blanks and quotes")
        << "host=10.0.0.5 dbname='my shop' user='o\\'brien'" << true << "10.0.0.5" << 5432
        << "my shop" << "o'brien";
    QTest::newRow("blanks around =, other keys ignored")
        << "  host = h  sslmode=require dbname=d " << true << "h" << 5432 << "d" << "";
    QTest::newRow("unclosed quote") << "host=h dbname='shop" << false << "" << 0 << "" << "";
    QTest::newRow("port not a number") << "host=h port=54x dbname=d" << false << "" << 0 << ""
                                       << "";
    QTest::newRow("no =") << "host h" << false << "" << 0 << "" << "";
}

void tst_AccountEngines::serverAddressTextForm()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto a = ServerAddress::fromText(text);
    QCOMPARE(a.has_value(), valid);
    if (!valid)
        return;
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, database);
    QFETCH(QString, user);
    QCOMPARE(a->host, host);
    QCOMPARE(a->port, port);
    QCOMPARE(a->database, database);
    QCOMPARE(a->user, user);
    QVERIFY(a->isValid());
    // The stored form reads back as the same address.
    const auto again = ServerAddress::fromText(a->toText());
    QVERIFY(again.has_value());
    QCOMPARE(*again, *a);
}

QTEST_GUILESS_MAIN(tst_AccountEngines)
#include "tst_accountengines.moc"
