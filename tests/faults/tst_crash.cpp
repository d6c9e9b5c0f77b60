#include "FaultAccount.h"

#include "data/DataModule.h"
#include "data/Db.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

// A counter killed at random moments while it rents, takes back, sells and undoes: after
// every kill the account opens, passes the engine's integrity check and every money rule,
// and holds every operation the counter had committed.
class tst_Crash : public QObject
{
    Q_OBJECT
private slots:
    void killedCounterLosesNothing();
};

void tst_Crash::killedCounterLosesNothing()
{
    // A few hundred kills, bounded in time so the suite stays short on a slow machine.
    constexpr int Kills = 300;
    constexpr qint64 BudgetMs = 60000;
    QTemporaryDir dir;
    const QString account = dir.filePath(QStringLiteral("Crash.MDB"));
    const QString journal = dir.filePath(QStringLiteral("journal"));
    QString why;
    QVERIFY2(FaultAccount::create(account, &why), qPrintable(why));

    QRandomGenerator rng(20261209);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    int checks = 0;
    while (kills < Kills && clock.elapsed() < BudgetMs) {
        QProcess counter;
        counter.start(QStringLiteral(FAULTCHILD_PATH),
                      {QStringLiteral("crash"), account, QString::number(rng.generate()),
                       journal});
        QVERIFY(counter.waitForStarted());
        // Half of the kills land while the account is being opened, half in the work.
        if (rng.bounded(2)) {
            QVERIFY2(counter.waitForReadyRead(30000), counter.readAllStandardError().constData());
            QThread::msleep(rng.bounded(1, 60));
        } else {
            QThread::usleep(rng.bounded(100, 40000));
        }
        counter.kill();
        counter.waitForFinished();
        QVERIFY2(counter.exitStatus() == QProcess::CrashExit,
                 counter.readAllStandardError().constData());
        ++kills;

        // Every few kills, and after the last, the account is checked as the program opens it.
        if (kills % 10 == 0 || kills == Kills || clock.elapsed() >= BudgetMs) {
            QVERIFY2(openAccountFile(account, QStringLiteral("check"), &why), qPrintable(why));
            const QStringList broken =
                FaultAccount::violations(QSqlDatabase::database(QStringLiteral("check")), journal);
            QSqlDatabase::database(QStringLiteral("check")).close();
            QSqlDatabase::removeDatabase(QStringLiteral("check"));
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("after %1 kills: ").arg(kills) + broken.join(u'\n')));
            ++checks;
        }
    }
    QFile log(journal);
    QVERIFY(log.open(QIODevice::ReadOnly));
    int committed = 0;
    for (const QByteArray &line : log.readAll().split('\n'))
        committed += !line.isEmpty() && line.at(0) != 'u'; // "u": an undo begun, not one done
    qInfo("crash: %d kills, %d checks, %d committed operations, none lost or partial", kills,
          checks, committed);
    QVERIFY(kills >= 50);
    QVERIFY(committed > 0);
}

QTEST_GUILESS_MAIN(tst_Crash)
#include "tst_crash.moc"
