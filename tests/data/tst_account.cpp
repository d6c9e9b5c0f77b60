#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/Schema.h"
#include "data/SettingsStore.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kConn = QStringLiteral("tst");

void closeConn()
{
    {
        QSqlDatabase db = QSqlDatabase::database(kConn, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(kConn);
}
} // namespace

class tst_Account : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void newAccountHoldsRequiredRows();
    void defaultsFillOmittedColumns();
    void newMembersGetIdsAboveFifteen();
    void lookupsUseIndexes_data();
    void lookupsUseIndexes();
    void opensPathsWithAwkwardCharacters_data();
    void opensPathsWithAwkwardCharacters();
    void refusesWhatIsNotAnAccount_data();
    void refusesWhatIsNotAnAccount();
    void neverCreatesAFile();
    void transactionRollsBackUnlessCommitted();
    void failedStatementThrows();
    void quotesAreStoredAsTyped();
    void daysBetweenCountsCalendarDays_data();
    void daysBetweenCountsCalendarDays();
    void monthKeyAndTopWithTies();
    void settingsStore();
    void dataModuleStoresTheDefaultAccount();
    void sampleShopIsConsistent();

private:
    QTemporaryDir m_dir;
};

void tst_Account::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvale SoftWare"),
              QStringLiteral("Rentora"))
        .clear();
    QVERIFY(m_dir.isValid());
}

void tst_Account::cleanup()
{
    closeConn();
}

void tst_Account::newAccountHoldsRequiredRows()
{
    const QString path = m_dir.filePath(QStringLiteral("required.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QString why;
    QVERIFY2(openAccountFile(path, kConn, &why), qPrintable(why));
    const QSqlDatabase db = QSqlDatabase::database(kConn);

    for (int cate : {1, 2, 4, 5, 6}) {
        const QVariant v = Db::scalar(QStringLiteral("SELECT CateValue FROM TBKindValue "
                                                     "WHERE CateID = ?"),
                                      {cate}, db);
        bool ok = false;
        v.toString().toInt(&ok);
        QVERIFY2(ok, qPrintable(QStringLiteral("option %1").arg(cate)));
    }
    for (int id : {Schema::TypeRent, Schema::TypeDeposit, Schema::TypeMemberPayment}) {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT CateID, Flag, CateValue FROM TBKindValue "
                                              "WHERE ID = ?"),
                               {id}, db);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), Schema::OptionTypeRow);
        QVERIFY(q.value(1).toInt() >= 1);
        QVERIFY(!q.value(2).toString().isEmpty());
    }
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBAssociator WHERE ID = 15"), {}, db)
                 .toInt(),
             1);
    QVERIFY(Db::scalar(QStringLiteral("SELECT count(*) FROM TBPersons"), {}, db).toInt() >= 1);
    QSqlQuery powers = Db::exec(QStringLiteral("SELECT PowerId FROM TBPowerStand ORDER BY PowerId"),
                                {}, db);
    QList<int> codes;
    while (powers.next())
        codes << powers.value(0).toInt();
    QCOMPARE(codes, (QList<int>{1, 2, 3, 4, 5, 6, 10, Schema::PowerCashUp}));
    QVERIFY(Db::scalar(QStringLiteral("SELECT count(*) FROM TBLanguage"), {}, db).toInt() > 0);
    // Opened accounts write ahead to a log, each commit synced.
    QCOMPARE(Db::scalar(QStringLiteral("PRAGMA journal_mode"), {}, db).toString(),
             QStringLiteral("wal"));
    QCOMPARE(Db::scalar(QStringLiteral("PRAGMA synchronous"), {}, db).toInt(), 2);
}

void tst_Account::defaultsFillOmittedColumns()
{
    const QString path = m_dir.filePath(QStringLiteral("defaults.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name) VALUES ('1', 'x')"), {}, db);
    Db::exec(QStringLiteral("INSERT INTO TBAssociator (Num, Name) VALUES ('1', 'x')"), {}, db);
    Db::exec(QStringLiteral("INSERT INTO TBPersons (Name) VALUES ('x')"), {}, db);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Quality FROM TBName"), {}, db), QVariant(0));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ASFlag FROM TBAssociator WHERE Num = '1'"), {}, db),
             QVariant(0));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT PerFlag FROM TBPersons WHERE Name = 'x'"), {}, db),
             QVariant(0));
}

void tst_Account::newMembersGetIdsAboveFifteen()
{
    const QString path = m_dir.filePath(QStringLiteral("ids.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    const qint64 first = Db::insert(QStringLiteral("INSERT INTO TBAssociator (Num, Name) VALUES ('A1', 'a')"), {}, db);
    QCOMPARE(first, qint64(16));
    // IDs are never handed out twice, even after the newest member is deleted.
    Db::exec(QStringLiteral("DELETE FROM TBAssociator WHERE ID = ?"), {first}, db);
    const qint64 second = Db::insert(QStringLiteral("INSERT INTO TBAssociator (Num, Name) VALUES ('A2', 'b')"), {}, db);
    QCOMPARE(second, qint64(17));
}

void tst_Account::lookupsUseIndexes_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("index");
    QTest::newRow("copy by code") << "SELECT ID FROM TBName WHERE CustomNum = ?" << "ix_name_code";
    QTest::newRow("open line of a copy")
        << "SELECT ID FROM TBBusinessDetail WHERE ReDate IS NULL AND CDNum = ?"
        << "ix_detail_open_copy";
    QTest::newRow("open lines of a customer")
        << "SELECT ID FROM TBBusinessDetail WHERE ReDate IS NULL AND Ass_Number = ?"
        << "ix_detail_open_customer";
    QTest::newRow("member by number") << "SELECT ID FROM TBAssociator WHERE Num = ?"
                                      << "ix_member_num";
    QTest::newRow("lines by date") << "SELECT ID FROM TBBusinessDetail WHERE DatTime >= ?"
                                   << "ix_detail_date";
}

void tst_Account::lookupsUseIndexes()
{
    QFETCH(QString, sql);
    QFETCH(QString, index);
    const QString path = m_dir.filePath(QStringLiteral("plans.MDB"));
    if (!QFile::exists(path))
        QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    QSqlQuery q = Db::exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, {QStringLiteral("x")},
                           QSqlDatabase::database(kConn));
    QString plan;
    while (q.next())
        plan += q.value(3).toString() + QLatin1Char('\n');
    QVERIFY2(plan.contains(index), qPrintable(plan));
}

void tst_Account::opensPathsWithAwkwardCharacters_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("semicolon") << "shop;2.MDB";
    QTest::newRow("blank") << "my shop.MDB";
    QTest::newRow("chinese") << QStringLiteral("星光影碟.MDB");
    QTest::newRow("hash and question mark") << "a#b?c.MDB";
    QTest::newRow("percent") << "100%.MDB";
}

void tst_Account::opensPathsWithAwkwardCharacters()
{
    QFETCH(QString, fileName);
    const QString folder = m_dir.filePath(QStringLiteral("数据 ;dir"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QString why;
    QVERIFY2(openAccountFile(path, kConn, &why), qPrintable(why));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBAssociator WHERE ID = 15"), {},
                        QSqlDatabase::database(kConn))
                 .toInt(),
             1);
}

void tst_Account::refusesWhatIsNotAnAccount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("text file") << "text";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("sqlite without this schema") << "foreign";
    QTest::newRow("sqlite missing a column") << "column";
    QTest::newRow("account with damaged pages") << "damaged";
}

void tst_Account::refusesWhatIsNotAnAccount()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + QStringLiteral(".MDB"));
    QFile::remove(path);
    if (kind == QLatin1String("text") || kind == QLatin1String("empty")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("text"))
            f.write("Standard Jet DB is not what this is, just text\n");
    } else if (kind == QLatin1String("foreign") || kind == QLatin1String("column")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConn);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            if (kind == QLatin1String("foreign")) {
                QSqlQuery(db).exec(QStringLiteral("CREATE TABLE other (x INTEGER)"));
            } else {
                Schema::create(db);
                QSqlQuery(db).exec(QStringLiteral("ALTER TABLE TBName DROP COLUMN Quality"));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(kConn);
    } else if (kind == QLatin1String("damaged")) {
        // An account whose schema page is intact but whose stock pages hold garbage.
        QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConn);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode = DELETE")));
            for (int i = 0; i < 400; ++i)
                QVERIFY(q.exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name) VALUES "
                                              "('%1', 'a title long enough to fill pages')")
                                   .arg(i)));
            db.close();
        }
        QSqlDatabase::removeDatabase(kConn);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 pages = f.size() / 4096;
        QVERIFY(pages > 8);
        for (qint64 page = pages / 2; page < pages / 2 + 3; ++page) {
            QVERIFY(f.seek(page * 4096));
            f.write(QByteArray(4096, char(0xA5)));
        }
    }
    const bool existed = QFile::exists(path);
    QFile before(path);
    const QByteArray bytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
    before.close();

    QString why;
    QVERIFY(!openAccountFile(path, kConn, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!QSqlDatabase::contains(kConn));
    // Refused before anything was written: not a byte changed (no journal mode switched in
    // the header, no index added), no log left beside it.
    QCOMPARE(QFile::exists(path), existed);
    QFile after(path);
    QVERIFY(!existed || after.open(QIODevice::ReadOnly));
    QVERIFY(!existed || after.readAll() == bytes);
    QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
}

void tst_Account::neverCreatesAFile()
{
    const QString path = m_dir.filePath(QStringLiteral("nothing-here.MDB"));
    QVERIFY(!openAccountFile(path, kConn, nullptr));
    QVERIFY(!QFile::exists(path));
}

void tst_Account::transactionRollsBackUnlessCommitted()
{
    const QString path = m_dir.filePath(QStringLiteral("tx.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    {
        Db::Transaction tx(db);
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('gone')"), {}, db);
    }
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, db).toInt(), 0);
    {
        Db::Transaction tx(db);
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('kept')"), {}, db);
        tx.commit();
    }
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, db).toInt(), 1);
}

void tst_Account::failedStatementThrows()
{
    const QString path = m_dir.filePath(QStringLiteral("throws.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    QVERIFY_THROWS_EXCEPTION(Db::DbError,
                             Db::exec(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"), {},
                                      QSqlDatabase::database(kConn)));
}

void tst_Account::quotesAreStoredAsTyped()
{
    const QString path = m_dir.filePath(QStringLiteral("quotes.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    const QString name = QStringLiteral("Ocean's Eleven'; DROP TABLE TBName; --");
    Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name) VALUES ('1', ?)"), {name}, db);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Name FROM TBName WHERE Name = ?"), {name}, db)
                 .toString(),
             name);
}

void tst_Account::daysBetweenCountsCalendarDays_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("days");
    QTest::newRow("same day") << "2026-12-09" << "2026-12-09 23:59:59" << 0;
    QTest::newRow("late night to early morning") << "2026-12-08" << "2026-12-09 00:00:01" << 1;
    QTest::newRow("three days") << "2026-12-06" << "2026-12-09 08:00:00" << 3;
    QTest::newRow("across a year") << "2025-12-30" << "2026-01-02" << 3;
    QTest::newRow("leap day") << "2024-02-28" << "2024-03-01" << 2;
}

void tst_Account::daysBetweenCountsCalendarDays()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, days);
    const QString path = m_dir.filePath(QStringLiteral("days.MDB"));
    if (!QFile::exists(path))
        QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    // The dates are the test's own constants, quoted here as literals.
    const QString sql = QStringLiteral("SELECT ") +
                        SqlDialect::daysBetween(QLatin1Char('\'') + from + QLatin1Char('\''),
                                                QLatin1Char('\'') + to + QLatin1Char('\''),
                                                QSqlDatabase::database(kConn));
    QCOMPARE(Db::scalar(sql, {}, QSqlDatabase::database(kConn)).toInt(), days);
    QCOMPARE(SqlDialect::daysBetween(SqlDialect::parseDate(from),
                                     SqlDialect::parseDateTime(to).date()),
             qint64(days));
}

void tst_Account::monthKeyAndTopWithTies()
{
    const QString path = m_dir.filePath(QStringLiteral("top.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT ") + SqlDialect::monthKey(QStringLiteral("?")),
                        {QStringLiteral("2026-03-31")}, db)
                 .toString(),
             QStringLiteral("2026-03"));

    // Counts 5, 3, 3, 3, 1: the top 2 keeps every title tied with the second.
    const QList<std::pair<const char *, int>> rows = {{"a", 5}, {"b", 3}, {"c", 3}, {"d", 3},
                                                      {"e", 1}};
    for (const auto &[name, n] : rows) {
        for (int i = 0; i < n; ++i)
            Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                     {QLatin1String(name)}, db);
    }
    const QString inner =
        QStringLiteral("SELECT Categray, count(*) AS n FROM TBCategray GROUP BY Categray");
    QSqlQuery q = Db::exec(SqlDialect::topNWithTies(inner, QStringLiteral("n"), 2), {}, db);
    QStringList names;
    while (q.next())
        names << q.value(QStringLiteral("Categray")).toString();
    QCOMPARE(names.size(), 4);
    QCOMPARE(names.first(), QStringLiteral("a"));
    QVERIFY(!names.contains(QStringLiteral("e")));
}

void tst_Account::settingsStore()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvale SoftWare"),
              QStringLiteral("Rentora"))
        .clear();
    QCOMPARE(GetRunData(), QString());
    QCOMPARE(GetNoteFlag(), 0); // missing reads as "show the tips"
    const QString odd = QStringLiteral("/tmp/数据 ;x/Sample.MDB");
    QVERIFY(SetRunData(odd));
    QCOMPARE(GetRunData(), odd);
    SetNoteFlag(1);
    QCOMPARE(GetNoteFlag(), 1);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvale SoftWare"),
              QStringLiteral("Rentora"))
        .setValue(QStringLiteral("Note_Flag"), QStringLiteral("garbage"));
    QCOMPARE(GetNoteFlag(), 0);
}

void tst_Account::dataModuleStoresTheDefaultAccount()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvale SoftWare"),
              QStringLiteral("Rentora"))
        .clear();
    const QString expected = dataFolder() + QStringLiteral("Sample.MDB");
    const bool existed = QFile::exists(expected);
    {
        AccountContext context;
        TDataModule1 module(context);
        QString why;
        const bool opened = module.connectCurrentAccount(&why);
        QCOMPARE(opened, existed);
    }
    QCOMPARE(GetRunData(), expected);
    QCOMPARE(QFile::exists(expected), existed); // a missing default is never created

    // A stored path that names nothing fails and is left as it was.
    const QString missing = m_dir.filePath(QStringLiteral("gone.MDB"));
    SetRunData(missing);
    {
        AccountContext context;
        TDataModule1 module(context);
        QVERIFY(!module.connectCurrentAccount(nullptr));
    }
    QCOMPARE(GetRunData(), missing);
    QVERIFY(!QFile::exists(missing));
}

void tst_Account::sampleShopIsConsistent()
{
    const QString path = m_dir.filePath(QStringLiteral("sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(path, nullptr));
    QVERIFY(openAccountFile(path, kConn, nullptr));
    const QSqlDatabase db = QSqlDatabase::database(kConn);
    SampleAccount::fillSampleShop(db, QDate(2026, 12, 9));
    auto count = [&](const char *sql) {
        return Db::scalar(QLatin1String(sql), {}, db).toInt();
    };
    QVERIFY(count("SELECT count(*) FROM TBName") >= 40);
    QVERIFY(count("SELECT count(*) FROM TBAssociator WHERE ID > 15") >= 12);
    QVERIFY(count("SELECT count(*) FROM TBPersons") >= 3);
    // No copy is out twice, and no sold copy is out on rent.
    QCOMPARE(count("SELECT count(*) FROM (SELECT CDNum FROM TBBusinessDetail WHERE ReDate IS NULL "
                   "GROUP BY CDNum HAVING count(*) > 1)"),
             0);
    QVERIFY(count("SELECT count(*) FROM TBBusinessDetail WHERE ReDate IS NULL "
                  "AND Ass_Number <> -1") > 5);
    QVERIFY(count("SELECT count(*) FROM TBBusinessDetail WHERE Ass_Number = -1") > 3);
    QCOMPARE(count("SELECT count(*) FROM TBBusinessDetail d JOIN TBName n ON n.ID = d.CDNum "
                   "WHERE d.Ass_Number = -1 AND n.Quality <> 5"),
             0);
    // Every open rental's deposit is still held: deposits in minus deposits out.
    QCOMPARE(count("SELECT sum(Moneys) FROM TBInOutMoney WHERE CateID = 8"),
             count("SELECT sum(Deposit) FROM TBBusinessDetail WHERE ReDate IS NULL "
                   "AND Ass_Number <> -1"));
}

QTEST_GUILESS_MAIN(tst_Account)
#include "tst_account.moc"
