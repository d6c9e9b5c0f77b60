#include "CounterActions.h"
#include "FaultAccount.h"
#include "support/RecordingPresenter.h"

#include "data/Backup.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/FaultText.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "toolkit/MessageBox.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <atomic>
#include <thread>

#include <sys/mount.h>
#include <unistd.h>

// The faults an operator meets, each provoked for real: another program holding the account,
// a full disk, a read-only file, damaged pages. Each gives its own message, leaves nothing
// half-written, and the same action succeeds once the fault is gone.
class tst_FaultMessages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lockHeldForAMomentIsWaitedOut();
    void lockHeldTooLongGivesTheBusyMessage();
    void fullDiskGivesItsMessage();
    void readOnlyFileGivesItsMessage();
    void readOnlyMountGivesItsMessage();
    void damageFoundMidWorkNamesTheLatestBackup();
    void faultMessageShowsTheEngineTextUnderDetails();
    void anotherCounterClosingKeepsOurLog();

private:
    bool openMain(const QString &path);
    void closeMain();
    // Rows and allowance that a completion changes.
    QList<qint64> snapshot() const;
    // What a rental at the counter came to: done, or the data layer's failure.
    struct Attempt
    {
        bool done = false;
        std::optional<Db::DbError> failure;
        QString error() const { return failure ? failure->details() : QString(); }
    };
    Attempt rentFirstCopy();

    QTemporaryDir *m_dir = nullptr;
    QString m_account;
    AccountContext m_context;
};

namespace {

int g_waits = 0;
void countWait()
{
    ++g_waits;
}

// Another program holding the account's write lock for a while, on a thread of its own.
class LockHolder
{
public:
    LockHolder(const QString &path, int milliseconds)
    {
        m_thread = std::thread([this, path, milliseconds] {
            sqlite3 *db = nullptr;
            sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr);
            sqlite3_busy_timeout(db, 5000);
            m_ok = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
            m_holding = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        });
        while (!m_holding)
            std::this_thread::yield();
    }
    ~LockHolder() { m_thread.join(); }
    bool ok() const { return m_ok; }

private:
    std::thread m_thread;
    std::atomic<bool> m_holding{false};
    std::atomic<bool> m_ok{false};
};

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A small file system of its own, where the machine allows mounting one.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &where, const char *options) : m_where(where)
    {
        QDir().mkpath(where);
        m_mounted =
            ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_where).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool remountReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(m_where).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString m_where;
    bool m_mounted = false;
};

} // namespace

bool tst_FaultMessages::openMain(const QString &path)
{
    QString why;
    if (!openAccountFile(path, QLatin1String(Db::MainConnName), &why)) {
        qWarning("%s", qPrintable(why));
        return false;
    }
    m_context.setAccount(path);
    m_context.setOperator(1);
    return true;
}

void tst_FaultMessages::closeMain()
{
    {
        QSqlDatabase db = m_context.db();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    m_context.setAccount(QString());
}

void tst_FaultMessages::init()
{
    m_dir = new QTemporaryDir;
    m_account = m_dir->filePath(QStringLiteral("Shop.MDB"));
    QString why;
    QVERIFY2(FaultAccount::create(m_account, &why), qPrintable(why));
    QVERIFY(openMain(m_account));
    Db::setBusyTimeout(Db::DefaultBusyTimeoutMs);
    Db::setWaitNotifier(&countWait);
    g_waits = 0;
}

void tst_FaultMessages::cleanup()
{
    closeMain();
    Db::setWaitNotifier(nullptr);
    Db::setBusyTimeout(Db::DefaultBusyTimeoutMs);
    delete m_dir;
    m_dir = nullptr;
}

QList<qint64> tst_FaultMessages::snapshot() const
{
    const QSqlDatabase db = m_context.db();
    return {FaultAccount::count(db, QStringLiteral("TBBusinessDetail")),
            FaultAccount::count(db, QStringLiteral("TBInOutMoney")),
            Db::scalar(QStringLiteral("SELECT Sum FROM TBAssociator WHERE Num = 'M1'"), {},
                       m_context.db())
                .toLongLong()};
}

tst_FaultMessages::Attempt tst_FaultMessages::rentFirstCopy()
{
    const auto copy = Lease::findCopyForRent(m_context.db(), FaultAccount::copyCode(0));
    if (!copy)
        return {};
    const auto item =
        Lease::makeItem(m_context.db(), *copy, Lease::Mode::RentOut, false, QDate::currentDate());
    Lease::Completion c;
    c.memberId = FaultAccount::memberId(m_context.db());
    c.items = {*item};
    c.depositTotal = item->addedDeposit;
    c.rentTotal = item->addedRent;
    c.operatorId = 1;
    c.now = QDateTime::currentDateTime();
    Attempt a;
    try {
        a.done = Lease::complete(m_context.db(), c).done();
    } catch (const Db::DbError &e) {
        a.failure = e;
    }
    return a;
}

void tst_FaultMessages::lockHeldForAMomentIsWaitedOut()
{
    // Another program writes for 3 seconds: the rental waits for it and then goes through.
    LockHolder holder(m_account, 3000);
    QVERIFY(holder.ok());
    const Attempt o = rentFirstCopy();
    QVERIFY2(o.done, qPrintable(o.error()));
    QCOMPARE(g_waits, 1); // one wait, shown once with the wait cursor
}

void tst_FaultMessages::lockHeldTooLongGivesTheBusyMessage()
{
    Db::setBusyTimeout(300);
    const QList<qint64> before = snapshot();
    {
        LockHolder holder(m_account, 1500);
        QVERIFY(holder.ok());
        const Attempt o = rentFirstCopy();
        QVERIFY(!o.done);
        QVERIFY(o.failure.has_value());
        QCOMPARE(o.failure->fault(), Db::Fault::Busy);
        QCOMPARE(o.failure->message(), FaultText::message(Db::Fault::Busy));
        QVERIFY(o.failure->message().contains(QStringLiteral("其他程序占用")));
        QVERIFY(o.failure->details().contains(QStringLiteral("locked")));
        QCOMPARE(snapshot(), before);
    }
    // The other program is done: the operator's second try goes through.
    QVERIFY(rentFirstCopy().done);
}

void tst_FaultMessages::fullDiskGivesItsMessage()
{
    closeMain();
    const QString where = m_dir->filePath(QStringLiteral("disk"));
    SmallDisk disk(where, "size=4m");
    QString account = m_account;
    if (disk.mounted()) {
        account = where + QStringLiteral("/Shop.MDB");
        QVERIFY(QFile::copy(m_account, account));
    }
    // The account is open when the disk fills up, as at a counter in the middle of the day.
    QVERIFY(openMain(account));
    QString filler;
    if (disk.mounted()) {
        filler = where + QStringLiteral("/filler");
        QFile f(filler);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size() && f.flush()) {
        }
    }
    if (!disk.mounted()) {
        // No file system of our own here: the engine's own limit on the file's size gives the
        // same "disk full" as a full disk does.
        qInfo("no tmpfs allowed: the full disk is the engine's page limit");
        Db::exec(QStringLiteral("PRAGMA max_page_count = %1")
                     .arg(Db::scalar(QStringLiteral("PRAGMA page_count"), {}, m_context.db())
                              .toLongLong()),
                 {}, m_context.db());
        try {
            for (int i = 0; i < 10000; ++i)
                Db::exec(QStringLiteral("INSERT INTO FaultDoubleOpen VALUES (0, 0)"), {},
                         m_context.db());
        } catch (const Db::DbError &) {
        }
    }
    const QList<qint64> before = snapshot();
    const QByteArray fileBefore = fileHash(account);
    const Attempt o = rentFirstCopy();
    QVERIFY(!o.done);
    QVERIFY(o.failure.has_value());
    QVERIFY2(o.failure->fault() == Db::Fault::DiskFull, qPrintable(o.failure->details()));
    QCOMPARE(o.failure->message(), FaultText::message(Db::Fault::DiskFull));
    QVERIFY(o.failure->message().contains(QStringLiteral("磁盘空间不足")));
    QCOMPARE(snapshot(), before);
    QCOMPARE(fileHash(account), fileBefore);

    // Space again: the same rental goes through.
    if (disk.mounted())
        QVERIFY(QFile::remove(filler));
    else
        Db::exec(QStringLiteral("DELETE FROM FaultDoubleOpen"), {}, m_context.db());
    Db::exec(QStringLiteral("PRAGMA max_page_count = 1073741823"), {}, m_context.db());
    QVERIFY(rentFirstCopy().done);
    closeMain();
}

void tst_FaultMessages::readOnlyFileGivesItsMessage()
{
    closeMain();
    QVERIFY(
        QFile::setPermissions(m_account, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray fileBefore = fileHash(m_account);
    if (::geteuid() == 0) {
        // Root writes any file whatever its permissions: the counter runs as nobody instead,
        // in a folder it may write (only the account file itself is read-only).
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::Permissions(0x7777)));
        QProcess counter;
        counter.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                       QStringLiteral("--clear-groups"), QStringLiteral(FAULTCHILD_PATH),
                       QStringLiteral("rent"), m_account, FaultAccount::copyCode(0)});
        QVERIFY(counter.waitForFinished(60000));
        const QString out = QString::fromUtf8(counter.readAllStandardOutput());
        QVERIFY2(counter.exitCode() == 0, counter.readAllStandardError().constData());
        QCOMPARE(out.section(u'\n', 0, 0),
                 QStringLiteral("fault=%1").arg(int(Db::Fault::ReadOnly)));
        QVERIFY(out.contains(FaultText::message(Db::Fault::ReadOnly)));
    } else {
        QVERIFY(openMain(m_account));
        const Attempt o = rentFirstCopy();
        QVERIFY(!o.done);
        QCOMPARE(o.failure->fault(), Db::Fault::ReadOnly);
        closeMain();
    }
    QCOMPARE(fileHash(m_account), fileBefore);
    QVERIFY(!QFile::exists(m_account + QStringLiteral("-wal")) ||
            QFileInfo(m_account + QStringLiteral("-wal")).size() == 0);

    // Writable again: the rental goes through.
    QVERIFY(QFile::setPermissions(m_account, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(openMain(m_account));
    QVERIFY(rentFirstCopy().done);
}

void tst_FaultMessages::readOnlyMountGivesItsMessage()
{
    closeMain();
    const QString where = m_dir->filePath(QStringLiteral("disc"));
    SmallDisk disk(where, "size=4m");
    if (!disk.mounted())
        QSKIP("this machine allows no mount of a file system of our own");
    // A copy of the account on a read-only medium, the way a backup is kept.
    const QString account = where + QStringLiteral("/Shop.MDB");
    QVERIFY(QFile::copy(m_account, account));
    {
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(account).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
    }
    QVERIFY(disk.remountReadOnly());
    const QByteArray fileBefore = fileHash(account);
    QVERIFY(openMain(account));
    const QList<qint64> before = snapshot();
    const Attempt o = rentFirstCopy();
    QVERIFY(!o.done);
    QVERIFY(o.failure.has_value());
    QVERIFY2(o.failure->fault() == Db::Fault::ReadOnly, qPrintable(o.failure->details()));
    QVERIFY(o.failure->message().contains(QStringLiteral("只读")));
    QCOMPARE(snapshot(), before);
    closeMain();
    QCOMPARE(fileHash(account), fileBefore);
}

void tst_FaultMessages::damageFoundMidWorkNamesTheLatestBackup()
{
    closeMain();
    // Two backups beside the account; the newer one is the way back.
    const QString older = m_dir->filePath(QStringLiteral("20261201.MDB"));
    const QString newer = m_dir->filePath(QStringLiteral("20261208.MDB"));
    QVERIFY(QFile::copy(m_account, older));
    QVERIFY(QFile::copy(m_account, newer));
    {
        QFile f(older);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-8),
                              QFileDevice::FileModificationTime));
    }
    {
        QFile f(newer);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                              QFileDevice::FileModificationTime));
    }
    QVERIFY(openMain(m_account));
    // Damage arrives after the account was opened: the pages of the stock table are
    // overwritten behind the connection's back, and the cache is dropped so they are read.
    const qint64 root =
        Db::scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'TBName'"), {},
                   m_context.db())
            .toLongLong();
    const qint64 pageSize =
        Db::scalar(QStringLiteral("PRAGMA page_size"), {}, m_context.db()).toLongLong();
    Db::exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), {}, m_context.db());
    {
        QFile f(m_account);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek((root - 1) * pageSize));
        f.write(QByteArray(int(pageSize), char(0x5a)));
    }
    Db::exec(QStringLiteral("PRAGMA cache_size = 0"), {}, m_context.db());
    Db::exec(QStringLiteral("PRAGMA cache_size = -2000"), {}, m_context.db());
    try {
        Lease::findCopyForRent(m_context.db(), FaultAccount::copyCode(0));
        QFAIL("a damaged page was read without an error");
    } catch (const Db::DbError &e) {
        QCOMPARE(e.fault(), Db::Fault::Damaged);
        QVERIFY(e.message().contains(QStringLiteral("帐户文件已损坏")));
        QVERIFY2(e.message().contains(QStringLiteral("20261208.MDB")), qPrintable(e.message()));
        QVERIFY(!e.message().contains(QStringLiteral("SELECT")));
        QVERIFY(e.details().contains(QStringLiteral("malformed")));
    }
}

void tst_FaultMessages::faultMessageShowsTheEngineTextUnderDetails()
{
    RecordingPresenter boxes;
    try {
        Db::exec(QStringLiteral("SELECT nothing FROM NoSuchTable"), {}, m_context.db());
        QFAIL("the statement did not fail");
    } catch (const Db::DbError &e) {
        Msg::fault(nullptr, e, QStringLiteral("影片保存失败!"));
    }
    QCOMPARE(boxes.shown.size(), 1);
    const Msg::Request r = boxes.shown.first();
    QCOMPARE(r.icon, Msg::Icon::Error);
    QCOMPARE(r.caption, Msg::SystemCaption);
    QVERIFY(r.text.startsWith(QStringLiteral("影片保存失败!\n")));
    QVERIFY(!r.text.contains(QStringLiteral("NoSuchTable")));
    QVERIFY(r.details.contains(QStringLiteral("NoSuchTable")));

    // Each fault has a message of its own.
    QSet<QString> texts;
    for (Db::Fault f : {Db::Fault::Busy, Db::Fault::DiskFull, Db::Fault::ReadOnly,
                        Db::Fault::Damaged, Db::Fault::Other})
        texts.insert(FaultText::message(f));
    QCOMPARE(texts.size(), 5);
}

// Opening the account again in this process (文件 → 打开 of the same file, a check) and a
// backup must leave the engine's locks of the open connection alone: without them, another
// counter closing the account takes itself for the last one and deletes the live log, and
// every change committed afterwards is lost while the window reports it done.
void tst_FaultMessages::anotherCounterClosingKeepsOurLog()
{
    const QString wal = m_account + QStringLiteral("-wal");
    const QString openLines = QStringLiteral(
        "SELECT count(*) FROM TBBusinessDetail WHERE ReDate IS NULL AND Ass_Number <> -1");
    const int before = Db::scalar(openLines, {}, m_context.db()).toInt();
    QVERIFY(rentFirstCopy().done);
    QString why;
    QVERIFY2(openAccountFile(m_account, QStringLiteral("again"), &why), qPrintable(why));
    QSqlDatabase::database(QStringLiteral("again")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("again"));
    QVERIFY2(Backup::copyDataFile(m_account, m_dir->filePath(QStringLiteral("Backup.MDB")), nullptr,
                                  &why),
             qPrintable(why));

    QProcess counter;
    counter.start(QStringLiteral(FAULTCHILD_PATH),
                  {QStringLiteral("rent"), m_account, FaultAccount::copyCode(1)});
    QVERIFY(counter.waitForFinished(60000));
    QVERIFY2(counter.exitCode() == 0, counter.readAllStandardError().constData());
    QCOMPARE(counter.readAllStandardOutput().split('\n').value(0), QByteArray("fault=-1"));
    QVERIFY(QFile::exists(wal));

    // A rental after the other counter left is in the file for everybody.
    const CounterActions::Result rented =
        CounterActions::rent(m_context, FaultAccount::copyCode(2), 0);
    QVERIFY2(rented.status == CounterActions::Result::Status::Done, qPrintable(rented.error));
    closeMain();
    QVERIFY(openMain(m_account));
    QCOMPARE(Db::scalar(openLines, {}, m_context.db()).toInt(), before + 3);
}

QTEST_GUILESS_MAIN(tst_FaultMessages)
#include "tst_faultmessages.moc"
