#include "data/AccountMove.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

void closeConnection(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Every row of every table, each value as text with nulls told apart, in the order of the keys
// (the tables without a key in the order their rows were written).
QMap<QString, QStringList> everything(const QSqlDatabase &db)
{
    QMap<QString, QStringList> all;
    for (const QString &table : Schema::tableNames()) {
        const QList<Schema::Column> columns = Schema::declaredColumns(table);
        QStringList names;
        for (const Schema::Column &c : columns)
            names << c.name;
        const QString order = columns.first().type == QLatin1String("KEY")
                                  ? columns.first().name
                                  : SqlDialect::insertionOrder(db);
        QSqlQuery q = Db::exec(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(names.join(u", "), table, order),
            {}, db);
        QStringList rows;
        while (q.next()) {
            QStringList values;
            for (int c = 0; c < names.size(); ++c)
                values << (q.value(c).isNull() ? QStringLiteral("<null>") : q.value(c).toString());
            rows << values.join(QLatin1Char('|'));
        }
        all.insert(table, rows);
    }
    return all;
}

QStringList serverTables(const QString &database)
{
    ServerAddress a = TestServer::address();
    a.database = database;
    const QString name = QStringLiteral("look");
    QString why;
    if (!connectServer(a, name, &why))
        qFatal("cannot reach %s: %s", qPrintable(database), qPrintable(why));
    const QStringList tables = serverTableNames(QSqlDatabase::database(name, false));
    closeConnection(name);
    return tables;
}

} // namespace

class tst_AccountMove : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void sampleShopToServerAndBackIsIdentical();
    void nonEmptyDatabaseIsRefusedAndKeptAsItWas();
    void existingFileIsReplacedOnlyWhenAsked();
    void valueNotOfItsColumnUndoesTheMove();
    void awkwardTextsSurviveTheRoundTrip();
    void accountNamesTellFilesFromServers();

private:
    ServerAddress newDatabase();
    QSqlDatabase openFile(const QString &path, const QString &name);

    QTemporaryDir m_dir;
    QStringList m_databases;
    QString m_sample;
};

void tst_AccountMove::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_sample = m_dir.filePath(QStringLiteral("Sample.MDB"));
    QString why;
    QVERIFY2(SampleAccount::createEmptyAccount(m_sample, &why), qPrintable(why));
    SampleAccount::fillSampleShop(openFile(m_sample, QStringLiteral("fill")), QDate(2026, 12, 9));
    closeConnection(QStringLiteral("fill"));
}

void tst_AccountMove::cleanup()
{
    for (const QString &name : QSqlDatabase::connectionNames())
        closeConnection(name);
    for (const QString &database : std::as_const(m_databases))
        TestServer::dropDatabase(database);
    m_databases.clear();
}

ServerAddress tst_AccountMove::newDatabase()
{
    ServerAddress a = TestServer::address();
    a.database = TestServer::createDatabase();
    m_databases << a.database;
    return a;
}

QSqlDatabase tst_AccountMove::openFile(const QString &path, const QString &name)
{
    QString why;
    if (!openAccountFile(path, name, &why))
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(why));
    return QSqlDatabase::database(name, false);
}

void tst_AccountMove::sampleShopToServerAndBackIsIdentical()
{
    const QSqlDatabase sample = openFile(m_sample, QStringLiteral("sample"));
    const QMap<QString, QStringList> before = everything(sample);
    QVERIFY(before.value(QStringLiteral("TBBusinessDetail")).size() > 10);

    const ServerAddress server = newDatabase();
    QStringList tablesSeen;
    const AccountMove::Result there =
        AccountMove::toServer(sample, server, [&](const QString &table, qint64 done, qint64 total) {
            QVERIFY(done <= total);
            if (!tablesSeen.contains(table))
                tablesSeen << table;
        });
    QVERIFY2(there.ok, qPrintable(there.why));
    QCOMPARE(tablesSeen, Schema::tableNames());
    QCOMPARE(there.tables, AccountMove::figures(sample));

    // The server holds a complete, marked account with the same rows and figures.
    QString why;
    QVERIFY2(openServerAccount(server, QStringLiteral("server"), &why), qPrintable(why));
    const QSqlDatabase onServer = QSqlDatabase::database(QStringLiteral("server"), false);
    QCOMPARE(AccountMove::figures(onServer), there.tables);
    QCOMPARE(everything(onServer), before);

    const QString back = m_dir.filePath(QStringLiteral("back.MDB"));
    const AccountMove::Result home = AccountMove::toFile(onServer, back, false);
    QVERIFY2(home.ok, qPrintable(home.why));
    QCOMPARE(home.tables, there.tables);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.part-*")}), QStringList());
    QCOMPARE(everything(openFile(back, QStringLiteral("back"))), before);

    // New rows on the server continue after the largest IDs moved, in every keyed table.
    const qint64 lastLine =
        Db::scalar(QStringLiteral("SELECT max(ID) FROM TBBusinessDetail"), {}, onServer)
            .toLongLong();
    const qint64 line = Db::insert(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney) "
                                                  "VALUES (?, ?)"),
                                   {1, 0}, onServer);
    QCOMPARE(line, lastLine + 1);
    const qint64 lastMember =
        Db::scalar(QStringLiteral("SELECT max(ID) FROM TBAssociator"), {}, onServer).toLongLong();
    QCOMPARE(Db::insert(QStringLiteral("INSERT INTO TBAssociator (Num, Name) VALUES (?, ?)"),
                        {QStringLiteral("X1"), QStringLiteral("新会员")}, onServer),
             lastMember + 1);
}

void tst_AccountMove::nonEmptyDatabaseIsRefusedAndKeptAsItWas()
{
    const QSqlDatabase sample = openFile(m_sample, QStringLiteral("sample"));

    // Another program's table.
    const ServerAddress foreign = newDatabase();
    QString why;
    QVERIFY2(connectServer(foreign, QStringLiteral("foreign"), &why), qPrintable(why));
    Db::exec(QStringLiteral("CREATE TABLE orders (id INTEGER, total BIGINT)"), {},
             QSqlDatabase::database(QStringLiteral("foreign"), false));
    Db::exec(QStringLiteral("INSERT INTO orders VALUES (1, 500)"), {},
             QSqlDatabase::database(QStringLiteral("foreign"), false));
    AccountMove::Result refused = AccountMove::toServer(sample, foreign);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.why.contains(foreign.database), qPrintable(refused.why));
    QVERIFY(refused.tables.isEmpty());
    QCOMPARE(serverTables(foreign.database), QStringList{QStringLiteral("orders")});
    QCOMPARE(Db::scalar(QStringLiteral("SELECT total FROM orders"), {},
                        QSqlDatabase::database(QStringLiteral("foreign"), false))
                 .toInt(),
             500);

    // An account already there: a second move neither adds to it nor removes it.
    const ServerAddress account = newDatabase();
    QVERIFY(AccountMove::toServer(sample, account).ok);
    refused = AccountMove::toServer(sample, account);
    QVERIFY(!refused.ok);
    QVERIFY2(openServerAccount(account, QStringLiteral("account"), &why), qPrintable(why));
    QCOMPARE(AccountMove::figures(QSqlDatabase::database(QStringLiteral("account"), false)),
             AccountMove::figures(sample));

    // A server that cannot be reached writes nothing and says so.
    ServerAddress nowhere = account;
    nowhere.database = QStringLiteral("no_such_database_here");
    refused = AccountMove::toServer(sample, nowhere);
    QVERIFY(!refused.ok);
    QVERIFY(!refused.why.isEmpty());
}

void tst_AccountMove::existingFileIsReplacedOnlyWhenAsked()
{
    const ServerAddress server = newDatabase();
    QVERIFY(AccountMove::toServer(openFile(m_sample, QStringLiteral("sample")), server).ok);
    QString why;
    QVERIFY2(openServerAccount(server, QStringLiteral("server"), &why), qPrintable(why));
    const QSqlDatabase onServer = QSqlDatabase::database(QStringLiteral("server"), false);

    const QString target = m_dir.filePath(QStringLiteral("taken.MDB"));
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("the operator's own file");
    }
    AccountMove::Result result = AccountMove::toFile(onServer, target, false);
    QVERIFY(!result.ok);
    QVERIFY(!result.why.isEmpty());
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("the operator's own file"));
    }

    result = AccountMove::toFile(onServer, target, true);
    QVERIFY2(result.ok, qPrintable(result.why));
    QCOMPARE(AccountMove::figures(openFile(target, QStringLiteral("taken"))),
             AccountMove::figures(onServer));
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.part-*")}), QStringList());

    // A folder that does not exist: refused, nothing made.
    result = AccountMove::toFile(onServer, m_dir.filePath(QStringLiteral("none/x.MDB")), false);
    QVERIFY(!result.ok);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("none"))));
}

void tst_AccountMove::valueNotOfItsColumnUndoesTheMove()
{
    // A file whose copy count holds a text (a file's columns take any value): the move cannot
    // keep it as it is, so it is refused, the server database is left empty and no file is made.
    const QString odd = m_dir.filePath(QStringLiteral("odd.MDB"));
    QVERIFY(QFile::copy(m_sample, odd));
    const QSqlDatabase file = openFile(odd, QStringLiteral("odd"));
    const qint64 id =
        Db::scalar(QStringLiteral("SELECT max(ID) FROM TBName"), {}, file).toLongLong();
    Db::exec(QStringLiteral("UPDATE TBName SET Amount = ? WHERE ID = ?"),
             {QStringLiteral("zwei"), id}, file);

    const ServerAddress server = newDatabase();
    AccountMove::Result result = AccountMove::toServer(file, server);
    QVERIFY(!result.ok);
    QVERIFY2(result.why.contains(QStringLiteral("zwei")), qPrintable(result.why));
    QVERIFY2(result.why.contains(QStringLiteral("TBName.Amount")), qPrintable(result.why));
    QCOMPARE(serverTables(server.database), QStringList());
    // The database is still empty, so a later move into it is taken.
    Db::exec(QStringLiteral("UPDATE TBName SET Amount = 1 WHERE ID = ?"), {id}, file);
    result = AccountMove::toServer(file, server);
    QVERIFY2(result.ok, qPrintable(result.why));

    Db::exec(QStringLiteral("UPDATE TBName SET Amount = 2.5 WHERE ID = ?"), {id}, file);
    const QString target = m_dir.filePath(QStringLiteral("odd-copy.MDB"));
    result = AccountMove::toFile(file, target, false);
    QVERIFY(!result.ok);
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.part-*")}), QStringList());
}

void tst_AccountMove::awkwardTextsSurviveTheRoundTrip()
{
    // Texts the server's bulk load must escape, an empty text beside a missing one, and the
    // extremes of the money columns.
    const QString path = m_dir.filePath(QStringLiteral("awkward.MDB"));
    QString why;
    QVERIFY2(SampleAccount::createEmptyAccount(path, &why), qPrintable(why));
    const QSqlDatabase file = openFile(path, QStringLiteral("awkward"));
    const QStringList texts = {
        QStringLiteral("tab\there"),
        QStringLiteral("line\nend"),
        QStringLiteral("a\\b"),
        QStringLiteral("\\N"),
        QStringLiteral("\\."),
        QString(),
        QStringLiteral("'quoted' \"x\""),
        QStringLiteral("张三\r\n李四"),
    };
    for (int i = 0; i < texts.size(); ++i) {
        const QString memo = texts.at(i);
        Db::exec(
            QStringLiteral("INSERT INTO TBAssociator (Num, Name, Memo, Sum) VALUES (?, ?, ?, ?)"),
            {QStringLiteral("A%1").arg(i), memo,
             i == 5 ? QVariant(QStringLiteral("")) : QVariant(memo), i},
            file);
    }
    Db::exec(QStringLiteral("INSERT INTO TBAssociator (Num, Memo) VALUES ('NULL', NULL)"), {},
             file);
    Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES ('max', ?, ?)"),
             {Q_INT64_C(9'999'999'999'999'999), Q_INT64_C(-9'999'999'999'999'999)}, file);
    const QMap<QString, QStringList> before = everything(file);
    QVERIFY(
        before.value(QStringLiteral("TBAssociator")).join(QString()).contains(QLatin1Char('\t')));

    const ServerAddress server = newDatabase();
    AccountMove::Result result = AccountMove::toServer(file, server);
    QVERIFY2(result.ok, qPrintable(result.why));
    QVERIFY2(openServerAccount(server, QStringLiteral("server"), &why), qPrintable(why));
    const QSqlDatabase onServer = QSqlDatabase::database(QStringLiteral("server"), false);
    QCOMPARE(everything(onServer), before);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBAssociator WHERE Memo = ''"), {},
                        onServer)
                 .toInt(),
             1);
    const QString back = m_dir.filePath(QStringLiteral("awkward-back.MDB"));
    result = AccountMove::toFile(onServer, back, false);
    QVERIFY2(result.ok, qPrintable(result.why));
    QCOMPARE(everything(openFile(back, QStringLiteral("back"))), before);
}

void tst_AccountMove::accountNamesTellFilesFromServers()
{
    // Paths, even with '=' or blanks in them, stay files.
    for (const QString &path :
         {QStringLiteral("/srv/shop/Shop.MDB"), QStringLiteral("/srv/a=b/shop.MDB"),
          QStringLiteral("/home/x/my shop=2024.MDB"), QStringLiteral("dbname=x.MDB")}) {
        QVERIFY2(!serverAccountOf(path), qPrintable(path));
        QCOMPARE(accountDisplayName(path), QDir::toNativeSeparators(path));
    }
    ServerAddress a;
    a.host = QStringLiteral("db.shop.lan");
    a.port = 5433;
    a.database = QStringLiteral("shop");
    a.user = QStringLiteral("counter 1");
    const auto read = serverAccountOf(a.toText());
    QVERIFY(read);
    QCOMPARE(*read, a);
    QCOMPARE(accountDisplayName(a.toText()), QStringLiteral("shop @ db.shop.lan:5433 (counter 1)"));
    // An address without a database names no account.
    QVERIFY(!serverAccountOf(QStringLiteral("host=db.shop.lan port=5432")));

    // Opening goes to the engine the name says: a server that is not there fails as a server.
    QString why;
    ServerAddress nowhere = TestServer::address();
    nowhere.database = QStringLiteral("no_such_database_here");
    QVERIFY(!openAccount(nowhere.toText(), QStringLiteral("nowhere"), &why));
    QVERIFY2(why.contains(QStringLiteral("no_such_database_here")), qPrintable(why));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("nowhere")));
    QVERIFY(openAccount(m_sample, QStringLiteral("file"), &why));
    QCOMPARE(SqlDialect::engineOf(QSqlDatabase::database(QStringLiteral("file"))),
             SqlDialect::Engine::Sqlite);
}

QTEST_GUILESS_MAIN(tst_AccountMove)
#include "tst_accountmove.moc"
