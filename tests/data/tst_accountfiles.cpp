#include "data/AccountFiles.h"
#include "data/Backup.h"
#include "data/DataModule.h"
#include "data/NetworkShare.h"
#include "data/Db.h"
#include "data/SampleAccount.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using AccountFiles::NameCheck;
using AccountFiles::SwitchResult;

namespace {

const QString kCheck = QStringLiteral("check");

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The context the switches work in, as the program's on MainConn.
AccountContext g_account;

void closeMainConn()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(Db::MainConnName), false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(Db::MainConnName));
    g_account.setAccount(QString());
}

// Rows of a category name in the account at path, read on a connection of its own.
int categoriesIn(const QString &path, const QString &name)
{
    QString why;
    if (!openAccountFile(path, kCheck, &why)) {
        qWarning("%s", qPrintable(why));
        return -1;
    }
    int n = -1;
    {
        const QSqlDatabase db = QSqlDatabase::database(kCheck);
        n = Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray WHERE Categray = ?"), {name},
                       db)
                .toInt();
        QSqlDatabase(db).close();
    }
    QSqlDatabase::removeDatabase(kCheck);
    return n;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class tst_AccountFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void checkAccountName_data();
    void checkAccountName();
    void createCopiesTheTemplateExactly();
    void createNeverReplacesNorLeavesPartialFiles();
    void createMakesAWritableAccountFromAReadOnlyTemplate();
    void listShowsAccountsButNeverTheTemplate();
    void switchMovesMainConn();
    void switchRefusesWhatIsNotAnAccount_data();
    void switchRefusesWhatIsNotAnAccount();
    void switchWithoutAnyFileLeftLosesTheConnection();

    void defaultTargetIsNamedAfterTheDay();
    void backupHoldsRowsStillInTheLog();
    void backupReplacesAnOldTargetAndItsLeftovers();
    void backupFailureLeavesNothingBehind_data();
    void backupFailureLeavesNothingBehind();
    void backupNeverOverwritesTheAccountInUse();
    void backupRefusesEveryFileOfTheAccount_data();
    void backupRefusesEveryFileOfTheAccount();
    void backupKeepsTheAccountsPermissions();

    // A file on a network share is told from one on a local disk by the mount that holds it.
    void networkShareFoundByTheMountHoldingTheFile_data();
    void networkShareFoundByTheMountHoldingTheFile();
    void localTemporaryFolderIsNoNetworkShare();

private:
    QString account(const QString &name) const { return m_data.filePath(name); }
    // Opens an account at path as MainConn, as start-up does.
    void useAccount(const QString &path);

    QTemporaryDir m_root;
    QDir m_data;
};

void tst_AccountFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_root.isValid());
}

void tst_AccountFiles::init()
{
    // A fresh data folder per test, with the template in it.
    const QString name = QString::fromLatin1(QTest::currentTestFunction()) +
                         QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
    QVERIFY(QDir(m_root.path()).mkpath(name + QStringLiteral("/data")));
    m_data = QDir(m_root.filePath(name + QStringLiteral("/data")));
    QVERIFY(SampleAccount::createEmptyAccount(account(AccountFiles::TemplateName), nullptr));
}

void tst_AccountFiles::cleanup()
{
    closeMainConn();
}

void tst_AccountFiles::useAccount(const QString &path)
{
    QString why;
    QVERIFY2(openAccountFile(path, QLatin1String(Db::MainConnName), &why), qPrintable(why));
    g_account.setAccount(path);
}

void tst_AccountFiles::checkAccountName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("templatePresent");
    QTest::addColumn<NameCheck>("expected");

    const QStringList none;
    QTest::newRow("plain") << "2004" << none << true << NameCheck::Ok;
    QTest::newRow("chinese with blanks") << "二〇〇四 分店" << none << true << NameCheck::Ok;
    QTest::newRow("empty") << "" << none << true << NameCheck::Empty;
    QTest::newRow("empty before template") << "" << none << false << NameCheck::Empty;
    QTest::newRow("slash") << "a/b" << none << true << NameCheck::NotAllowed;
    QTest::newRow("leads out of the folder") << "../x" << none << true << NameCheck::NotAllowed;
    QTest::newRow("backslash") << "..\\x" << none << true << NameCheck::NotAllowed;
    QTest::newRow("colon") << "c:x" << none << true << NameCheck::NotAllowed;
    QTest::newRow("control character") << "a\tb" << none << true << NameCheck::NotAllowed;
    QTest::newRow("no template") << "2004" << none << false << NameCheck::NoTemplate;
    QTest::newRow("exists") << "2004" << QStringList{"2004.MDB"} << true << NameCheck::Exists;
    QTest::newRow("exists in other case")
        << "2004" << QStringList{"2004.mdb"} << true << NameCheck::Exists;
    QTest::newRow("the template's name") << "lumomodal" << none << true << NameCheck::Exists;
    QTest::newRow("not taken for another extension")
        << "2004" << QStringList{"2004.MDB-wal", "2004.txt"} << true << NameCheck::Ok;
    QTest::newRow("blank name kept as typed")
        << " 2004" << QStringList{"2004.MDB"} << true << NameCheck::Ok;
}

void tst_AccountFiles::checkAccountName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, present);
    QFETCH(bool, templatePresent);
    QFETCH(NameCheck, expected);
    for (const QString &file : present)
        writeFile(account(file), "x");
    if (!templatePresent)
        QVERIFY(QFile::remove(account(AccountFiles::TemplateName)));
    QCOMPARE(AccountFiles::checkAccountName(m_data.path(), name), expected);
}

void tst_AccountFiles::createCopiesTheTemplateExactly()
{
    const QStringList before = entriesOf(m_data.path());
    QString why;
    QVERIFY2(AccountFiles::createAccountFile(m_data.path(), QStringLiteral("2004"), &why),
             qPrintable(why));
    const QString made = AccountFiles::accountPath(m_data.path(), QStringLiteral("2004"));
    QCOMPARE(made, account(QStringLiteral("2004.MDB")));
    QCOMPARE(digest(made), digest(account(AccountFiles::TemplateName)));
    // Only the new file: no temporary copy is left beside it.
    QStringList expected = QStringList(before) << QStringLiteral("2004.MDB");
    expected.sort();
    QCOMPARE(entriesOf(m_data.path()), expected);
    QCOMPARE(categoriesIn(made, QStringLiteral("none")), 0); // opens as an account
}

void tst_AccountFiles::createNeverReplacesNorLeavesPartialFiles()
{
    writeFile(account(QStringLiteral("2004.MDB")), "the shop's own data");
    QString why;
    QVERIFY(!AccountFiles::createAccountFile(m_data.path(), QStringLiteral("2004"), &why));
    QVERIFY(!why.isEmpty());
    QFile kept(account(QStringLiteral("2004.MDB")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the shop's own data"));

    // A name that would lead out of the data folder writes nothing anywhere.
    const QStringList above = entriesOf(m_data.filePath(QStringLiteral("..")));
    const QStringList inside = entriesOf(m_data.path());
    QVERIFY(!AccountFiles::createAccountFile(m_data.path(), QStringLiteral("../x"), &why));
    QVERIFY(!AccountFiles::createAccountFile(m_data.path(), QStringLiteral("a/b"), &why));
    QCOMPARE(entriesOf(m_data.filePath(QStringLiteral(".."))), above);
    QCOMPARE(entriesOf(m_data.path()), inside);

    // A missing template fails and leaves no file of the new name.
    QVERIFY(QFile::remove(account(AccountFiles::TemplateName)));
    QVERIFY(!AccountFiles::createAccountFile(m_data.path(), QStringLiteral("2005"), &why));
    QCOMPARE(entriesOf(m_data.path()), QStringList{QStringLiteral("2004.MDB")});
}

void tst_AccountFiles::createMakesAWritableAccountFromAReadOnlyTemplate()
{
    const QString tmpl = account(AccountFiles::TemplateName);
    QVERIFY(QFile::setPermissions(tmpl, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ReadOther));
    QVERIFY(AccountFiles::createAccountFile(m_data.path(), QStringLiteral("2004"), nullptr));
    const QString made = account(QStringLiteral("2004.MDB"));
    QVERIFY(QFileInfo(made).permissions() & QFileDevice::WriteOwner);
    // Work can be saved in it at once.
    useAccount(made);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('动作')"), {},
             g_account.db());
    QCOMPARE(categoriesIn(made, QStringLiteral("动作")), 1);
}

void tst_AccountFiles::listShowsAccountsButNeverTheTemplate()
{
    QVERIFY(QFile::rename(account(AccountFiles::TemplateName),
                          account(QStringLiteral("lumomodal.mdb"))));
    for (const char *name :
         {"b.MDB", "A.mdb", "c.Mdb", ".hidden.MDB", "2004.MDB-wal", "notes.txt", "MDB"})
        writeFile(account(QLatin1String(name)), "x");
    QVERIFY(m_data.mkdir(QStringLiteral("folder.MDB")));
    QCOMPARE(AccountFiles::listAccounts(m_data.path()),
             (QStringList{".hidden.MDB", "A.mdb", "b.MDB", "c.Mdb"}));
    QVERIFY(AccountFiles::listAccounts(m_root.filePath(QStringLiteral("nowhere"))).isEmpty());
}

void tst_AccountFiles::switchMovesMainConn()
{
    const QString first = account(QStringLiteral("Sample.MDB"));
    const QString second = account(QStringLiteral("2004.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(first, nullptr));
    QVERIFY(SampleAccount::createEmptyAccount(second, nullptr));
    useAccount(first);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('first')"), {},
             g_account.db());

    QString why;
    QCOMPARE(AccountFiles::switchAccount(g_account, second, &why), SwitchResult::Switched);
    QCOMPARE(g_account.account(), second);
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, g_account.db()).toInt(),
        0);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('second')"), {},
             g_account.db());
    QCOMPARE(categoriesIn(second, QStringLiteral("second")), 1);
    QCOMPARE(categoriesIn(first, QStringLiteral("second")), 0);

    QCOMPARE(AccountFiles::switchAccount(g_account, first, &why), SwitchResult::Switched);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Categray FROM TBCategray"), {}, g_account.db())
                 .toString(),
             QStringLiteral("first"));
}

void tst_AccountFiles::switchRefusesWhatIsNotAnAccount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("text file") << "text";
    QTest::newRow("sqlite of another program") << "foreign";
}

void tst_AccountFiles::switchRefusesWhatIsNotAnAccount()
{
    QFETCH(QString, kind);
    const QString current = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(current, nullptr));
    useAccount(current);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('kept')"), {},
             g_account.db());

    const QString target = account(QStringLiteral("other.MDB"));
    if (kind == QLatin1String("text")) {
        writeFile(target, "not a database at all");
    } else if (kind == QLatin1String("foreign")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kCheck);
            db.setDatabaseName(target);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (x TEXT)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(kCheck);
    }
    const QByteArray before = digest(target);
    const QStringList files = entriesOf(m_data.path());

    QString why;
    QCOMPARE(AccountFiles::switchAccount(g_account, target, &why), SwitchResult::Restored);
    QVERIFY(!why.isEmpty());
    QCOMPARE(g_account.account(), current);
    // Back on the previous account, which works as before.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Categray FROM TBCategray"), {}, g_account.db())
                 .toString(),
             QStringLiteral("kept"));
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('after')"), {},
             g_account.db());
    // The refused file is neither created nor changed, and nothing was added beside it.
    QCOMPARE(digest(target), before);
    QCOMPARE(QFileInfo::exists(target), kind != QLatin1String("missing"));
    QCOMPARE(entriesOf(m_data.path()), files);
}

void tst_AccountFiles::switchWithoutAnyFileLeftLosesTheConnection()
{
    const QString current = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(current, nullptr));
    useAccount(current);
    closeMainConn();
    g_account.setAccount(current);
    QVERIFY(QFile::remove(current));
    QString why;
    QCOMPARE(AccountFiles::switchAccount(g_account, account(QStringLiteral("none.MDB")), &why),
             SwitchResult::Lost);
    QVERIFY(!g_account.db().isOpen());
    QVERIFY(!QFileInfo::exists(current));
}

void tst_AccountFiles::defaultTargetIsNamedAfterTheDay()
{
    QCOMPARE(Backup::defaultTarget(m_data.path(), QDate(2003, 7, 1)),
             account(QStringLiteral("20030701.MDB")));
    QCOMPARE(Backup::defaultTarget(m_data.path(), QDate(2024, 12, 31)),
             account(QStringLiteral("20241231.MDB")));
}

void tst_AccountFiles::backupHoldsRowsStillInTheLog()
{
    const QString source = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    useAccount(source);
    {
        Db::Transaction tx(g_account.db());
        for (int i = 0; i < 200; ++i) {
            Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                     {QStringLiteral("类别%1").arg(i)}, g_account.db());
        }
        tx.commit();
    }
    // The rows are committed but still in the log: a copy of the main file alone lacks them.
    QVERIFY(QFileInfo(source + QStringLiteral("-wal")).size() > 0);
    const QString byteCopy = m_root.filePath(QStringLiteral("bytecopy.MDB"));
    QVERIFY(QFile::copy(source, byteCopy));
    QCOMPARE(categoriesIn(byteCopy, QStringLiteral("类别199")), 0);

    const QString target = m_root.filePath(QStringLiteral("backup #1.MDB"));
    QList<qint64> seen;
    qint64 pages = 0;
    QString why;
    QVERIFY2(Backup::copyDataFile(
                 source, target,
                 [&](qint64 done, qint64 total) {
                     seen << done;
                     pages = total;
                 },
                 &why),
             qPrintable(why));
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.last(), pages);
    QVERIFY(std::is_sorted(seen.begin(), seen.end()));

    // One file that stands alone: no log beside it, a rollback journal in its header.
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("-wal")));
    QFile header(target);
    QVERIFY(header.open(QIODevice::ReadOnly));
    QCOMPARE(int(header.read(20).at(18)), 1);
    header.close();
    for (int i : {0, 199})
        QCOMPARE(categoriesIn(target, QStringLiteral("类别%1").arg(i)), 1);
    // The account in use goes on working.
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('after')"), {},
             g_account.db());
    QCOMPARE(categoriesIn(target, QStringLiteral("after")), 0);
}

void tst_AccountFiles::backupReplacesAnOldTargetAndItsLeftovers()
{
    const QString source = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    useAccount(source);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('new')"), {},
             g_account.db());

    // An old backup that was once opened as an account, with its log still beside it.
    const QString target = account(QStringLiteral("20030701.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(target, nullptr));
    {
        QString why;
        QVERIFY(openAccountFile(target, kCheck, &why));
        const QSqlDatabase db = QSqlDatabase::database(kCheck);
        Db::exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"), {}, db);
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('old')"), {}, db);
        QVERIFY(QFileInfo(target + QStringLiteral("-wal")).size() > 0);
        // Keep the log as a crash would: copy it aside before the connection folds it back.
        QVERIFY(QFile::copy(target + QStringLiteral("-wal"), m_root.filePath("stale-wal")));
        QSqlDatabase(db).close();
    }
    QSqlDatabase::removeDatabase(kCheck);
    QVERIFY(QFile::copy(m_root.filePath("stale-wal"), target + QStringLiteral("-wal")));

    QString why;
    QVERIFY2(Backup::copyDataFile(source, target, {}, &why), qPrintable(why));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("-wal")));
    QCOMPARE(categoriesIn(target, QStringLiteral("new")), 1);
    QCOMPARE(categoriesIn(target, QStringLiteral("old")), 0);
    QFile::remove(m_root.filePath("stale-wal"));
}

void tst_AccountFiles::backupFailureLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("target folder missing") << "folder";
    QTest::newRow("source missing") << "source";
    QTest::newRow("source not a database") << "text";
    QTest::newRow("target is a folder") << "dir";
}

void tst_AccountFiles::backupFailureLeavesNothingBehind()
{
    QFETCH(QString, kind);
    QString source = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    QString target = account(QStringLiteral("backup.MDB"));
    writeFile(target, "an older backup");
    if (kind == QLatin1String("folder"))
        target = m_data.filePath(QStringLiteral("missing/backup.MDB"));
    else if (kind == QLatin1String("source"))
        source = account(QStringLiteral("gone.MDB"));
    else if (kind == QLatin1String("text"))
        writeFile(source = account(QStringLiteral("notes.MDB")), QByteArray(5000, 'x'));
    else if (kind == QLatin1String("dir"))
        QVERIFY(m_data.mkdir(target = account(QStringLiteral("dir.MDB"))));
    const QStringList files = entriesOf(m_data.path());

    QString why;
    QVERIFY(!Backup::copyDataFile(source, target, {}, &why));
    QVERIFY(!why.isEmpty());
    QCOMPARE(entriesOf(m_data.path()), files);
    QFile old(account(QStringLiteral("backup.MDB")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older backup"));
}

void tst_AccountFiles::backupNeverOverwritesTheAccountInUse()
{
    const QString source = account(QStringLiteral("Sample.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    useAccount(source);
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('live')"), {},
             g_account.db());
    QString why;
    QVERIFY(!Backup::copyDataFile(source, source, {}, &why));
    QVERIFY(
        !Backup::copyDataFile(source, m_data.filePath(QStringLiteral("./Sample.MDB")), {}, &why));
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('still')"), {},
             g_account.db());
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, g_account.db()).toInt(),
        2);
    QCOMPARE(categoriesIn(source, QStringLiteral("still")), 1);
}

void tst_AccountFiles::backupRefusesEveryFileOfTheAccount_data()
{
    QTest::addColumn<QString>("suffix"); // of the account's file the target stands for
    QTest::addColumn<QString>("how");    // "name", "symlink" or "hardlink"
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        for (const char *how : {"name", "symlink", "hardlink"}) {
            if (QByteArray(suffix) == "-journal" && QByteArray(how) == "hardlink")
                continue; // no journal file exists while the log is used
            QTest::addRow("%s by %s", *suffix ? suffix : "account", how) << suffix << how;
        }
    }
    QTest::newRow("log by a link to a link") << "-wal" << "symlink2";
    QTest::newRow("log by another spelling") << "-wal" << "dotted";
}

void tst_AccountFiles::backupRefusesEveryFileOfTheAccount()
{
    QFETCH(QString, suffix);
    QFETCH(QString, how);
    const QString source = account(QStringLiteral("Shop.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    useAccount(source);
    // A commit waiting in the log: a backup written over the log would lose it.
    Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES ('in the log')"), {},
             g_account.db());
    const QString own = source + suffix;
    QVERIFY(QFileInfo::exists(source + QStringLiteral("-wal")));

    QString target = own;
    if (how == QLatin1String("symlink")) {
        target = m_root.filePath(QStringLiteral("link.MDB"));
        QFile::remove(target);
        QVERIFY(QFile::link(own, target));
    } else if (how == QLatin1String("symlink2")) {
        const QString first = m_root.filePath(QStringLiteral("first.MDB"));
        target = m_data.filePath(QStringLiteral("second.MDB"));
        QFile::remove(first);
        QVERIFY(QFile::link(own, first));
        QVERIFY(QFile::link(first, target));
    } else if (how == QLatin1String("hardlink")) {
        target = m_root.filePath(QStringLiteral("hard.MDB"));
        QFile::remove(target);
        QCOMPARE(::link(QFile::encodeName(own).constData(), QFile::encodeName(target).constData()),
                 0);
    } else if (how == QLatin1String("dotted")) {
        target = m_data.filePath(QStringLiteral("../data/./Shop.MDB") + suffix);
    }
    QVERIFY(Backup::isOwnFile(source, target));
    QString why;
    QVERIFY(!Backup::copyDataFile(source, target, {}, &why));
    QVERIFY(!why.isEmpty());

    // The account and its log are untouched: the committed row is still there, and after the
    // connection closes (the log folded in) it is in the file.
    QCOMPARE(
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBCategray"), {}, g_account.db()).toInt(),
        1);
    closeMainConn();
    QCOMPARE(categoriesIn(source, QStringLiteral("in the log")), 1);
    QVERIFY(!Backup::isOwnFile(source, account(QStringLiteral("Shop.MDB.bak"))));
    QVERIFY(!Backup::isOwnFile(source, account(QStringLiteral("Shop-wal.MDB"))));
}

void tst_AccountFiles::backupKeepsTheAccountsPermissions()
{
    const QString source = account(QStringLiteral("Shop.MDB"));
    QVERIFY(SampleAccount::createEmptyAccount(source, nullptr));
    const QString target = account(QStringLiteral("20261209.MDB"));
    for (const QFile::Permissions perms :
         {QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner),
          QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup),
          QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther)}) {
        QVERIFY(QFile::setPermissions(source, perms));
        QString why;
        QVERIFY2(Backup::copyDataFile(source, target, {}, &why), qPrintable(why));
        // The copy holds the staff's passwords: nobody may read it who may not read the account.
        const QFile::Permissions mask = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                        QFile::WriteOther | QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(QFile::permissions(target) & mask, perms & mask);
    }
}

namespace {

// A machine's mount table: a local root, a shop folder on NFS with a local disk mounted inside
// it, a share whose mount point holds a space, a folder mounted twice (the later mount hides
// the earlier), the desktop's mount of network places, and a neighbour whose name begins like
// the share's.
const char kMountInfo[] =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "30 22 0:40 / /srv/shop rw,relatime shared:7 - nfs4 server:/export/shop rw,vers=4.2\n"
    "31 30 8:17 / /srv/shop/local rw,relatime - ext4 /dev/sdb1 rw\n"
    "32 22 0:41 / /mnt/shop\\040share rw,relatime - cifs //server/shop rw\n"
    "33 22 8:33 / /mnt/usb rw,relatime - vfat /dev/sdc1 rw\n"
    "34 33 0:42 / /mnt/usb rw,relatime - smb3 //server/usb rw\n"
    "35 22 0:43 / /run/user/1000/gvfs rw,nosuid,nodev,relatime - fuse.gvfsd-fuse gvfsd-fuse rw\n"
    "36 22 8:49 / /srv/shopfront rw,relatime - xfs /dev/sdd1 rw\n";

} // namespace

void tst_AccountFiles::networkShareFoundByTheMountHoldingTheFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("network");
    QTest::newRow("local disk") << "/home/shop/data/Shop.MDB" << "ext4" << false;
    QTest::newRow("on the share") << "/srv/shop/Shop.MDB" << "nfs4" << true;
    QTest::newRow("the share itself") << "/srv/shop" << "nfs4" << true;
    QTest::newRow("local disk inside the share") << "/srv/shop/local/Shop.MDB" << "ext4" << false;
    QTest::newRow("name beginning like the share") << "/srv/shopfront/Shop.MDB" << "xfs" << false;
    QTest::newRow("mount point with a space") << "/mnt/shop share/Shop.MDB" << "cifs" << true;
    QTest::newRow("later mount on the same point") << "/mnt/usb/Shop.MDB" << "smb3" << true;
    QTest::newRow("network place of the desktop")
        << "/run/user/1000/gvfs/smb-share:server=nas,share=shop/Shop.MDB" << "fuse.gvfsd-fuse" << true;
}

void tst_AccountFiles::networkShareFoundByTheMountHoldingTheFile()
{
    QFETCH(QString, path);
    QFETCH(QString, type);
    QFETCH(bool, network);
    const QString found = NetworkShare::fileSystemOf(path, QString::fromUtf8(kMountInfo));
    QCOMPARE(found, type);
    QCOMPARE(NetworkShare::isNetworkFileSystem(found), network);
}

void tst_AccountFiles::localTemporaryFolderIsNoNetworkShare()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Shop.MDB"));
    // The machine's own mount table holds the folder; a test folder is never on a share. In a
    // chroot the table lists no mount that holds the new root, so the file system is unknown.
    if (NetworkShare::fileSystemOf(QStringLiteral("/")).isEmpty())
        QSKIP("no mount of this process's mount table holds its root folder (a chroot)");
    QVERIFY(!NetworkShare::fileSystemOf(file).isEmpty());
    QVERIFY(NetworkShare::networkShareOf(file).isEmpty());
    QVERIFY(NetworkShare::fileSystemOf(QString(), QString()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_AccountFiles)
#include "tst_accountfiles.moc"
