#include "CounterActions.h"
#include "FaultAccount.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "support/TestServer.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// Two counters on one account, each in a process of its own, completing rentals, returns,
// sales and undos on the same few copies at the same moments, through the desk's functions.
// The account is a file, or a database on the test server when the run asks for one.
class tst_Race : public QObject
{
    Q_OBJECT
private slots:
    void twoCountersNeverFailAndNeverRentTwice();
};

void tst_Race::twoCountersNeverFailAndNeverRentTwice()
{
    constexpr int TriesPerCounter = 400;
    QTemporaryDir dir;
    QString account = dir.filePath(QStringLiteral("Race.MDB"));
    QString database;
    if (TestServer::requested()) {
        ServerAddress address = TestServer::address();
        address.database = database = TestServer::createDatabase();
        account = address.toText();
    }
    const auto dropDatabase = qScopeGuard([&] {
        if (!database.isEmpty())
            TestServer::dropDatabase(database);
    });
    QString why;
    QVERIFY2(FaultAccount::create(account, &why), qPrintable(why));
    const QString go = dir.filePath(QStringLiteral("go"));

    QProcess counters[2];
    for (int i = 0; i < 2; ++i) {
        counters[i].start(QStringLiteral(FAULTCHILD_PATH),
                          {QStringLiteral("race"), account, QString::number(TriesPerCounter),
                           QString::number(1000 + i), go});
        QVERIFY(counters[i].waitForStarted());
    }
    // Both have the account open before either starts: their work overlaps from the start.
    for (QProcess &p : counters) {
        while (!p.canReadLine())
            QVERIFY2(p.waitForReadyRead(30000), p.readAllStandardError().constData());
        QCOMPARE(p.readLine().trimmed(), QByteArray("ready"));
    }
    QFile(go).open(QIODevice::WriteOnly);

    CounterActions::Tally total;
    for (QProcess &p : counters) {
        QVERIFY(p.waitForFinished(240000));
        const QByteArray errors = p.readAllStandardError();
        QCOMPARE(p.exitCode(), 0);
        const auto t = CounterActions::Tally::read(p.readAllStandardOutput());
        QVERIFY2(t && t->tries == TriesPerCounter, errors.constData());
        QVERIFY2(t->failed == 0, errors.left(2000).constData());
        total.tries += t->tries;
        total.done += t->done;
        total.refused += t->refused;
    }
    qInfo("race on %s: %d tries, %d done, %d refused as not available, 0 save errors",
          database.isEmpty() ? "a file" : "a server", total.tries,
          total.done, total.refused);
    // Both counters got work done, and the same copies were contended.
    QVERIFY(total.done > total.tries / 4);
    QVERIFY(total.refused > 0);

    QVERIFY2(FaultAccount::open(account, QStringLiteral("check"), &why), qPrintable(why));
    {
        const QSqlDatabase db = QSqlDatabase::database(QStringLiteral("check"));
        const QStringList broken = FaultAccount::violations(db);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
    }
    QSqlDatabase::database(QStringLiteral("check")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

QTEST_GUILESS_MAIN(tst_Race)
#include "tst_race.moc"
