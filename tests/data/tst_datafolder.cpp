#include "data/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
    }

    // Beside the program unless the program sits in an installed layout with its shipped data.
    void resolvesBuildAndInstalledLayouts()
    {
        const QString root = m_root->path();
        const QString home = root + QStringLiteral("/home/.local/share");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/build/data")));
        QCOMPARE(DataFolder::resolve(root + QStringLiteral("/build"), home),
                 root + QStringLiteral("/build/data/"));
        QVERIFY(DataFolder::installedSource(root + QStringLiteral("/build")).isEmpty());

        // A share folder without the template is not an installation.
        const QString shipped = root + QStringLiteral("/usr/share/rentora/data");
        QVERIFY(QDir().mkpath(shipped));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/usr/bin")));
        QCOMPARE(DataFolder::resolve(root + QStringLiteral("/usr/bin"), home),
                 root + QStringLiteral("/usr/bin/data/"));

        writeFile(shipped + QStringLiteral("/LumoModal.MDB"), "template");
        QCOMPARE(DataFolder::installedSource(root + QStringLiteral("/usr/bin")), shipped);
        QCOMPARE(DataFolder::resolve(root + QStringLiteral("/usr/bin"), home),
                 home + QStringLiteral("/Rentora/data/"));
    }

    // First start: template and sample copied, writable by the user; later starts keep the
    // user's files, and a lost template comes back without the sample returning.
    void prepareCopiesOnceAndNeverOverwrites()
    {
        const QString shipped = m_root->filePath(QStringLiteral("shipped"));
        QVERIFY(QDir().mkpath(shipped));
        writeFile(shipped + QStringLiteral("/LumoModal.MDB"), "template");
        writeFile(shipped + QStringLiteral("/Sample.MDB"), "sample");
        QFile::setPermissions(shipped + QStringLiteral("/Sample.MDB"),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

        const QString folder = m_root->filePath(QStringLiteral("home/Rentora/data/"));
        QString why;
        QVERIFY2(DataFolder::prepare(folder, shipped, &why), qPrintable(why));
        QCOMPARE(readFile(folder + QStringLiteral("LumoModal.MDB")), QByteArray("template"));
        QCOMPARE(readFile(folder + QStringLiteral("Sample.MDB")), QByteArray("sample"));
        QVERIFY(QFile::permissions(folder + QStringLiteral("Sample.MDB")) & QFile::WriteOwner);

        writeFile(folder + QStringLiteral("Sample.MDB"), "the shop's own data");
        writeFile(folder + QStringLiteral("2024.MDB"), "an account");
        QVERIFY(DataFolder::prepare(folder, shipped, &why));
        QCOMPARE(readFile(folder + QStringLiteral("Sample.MDB")), QByteArray("the shop's own data"));
        QCOMPARE(readFile(folder + QStringLiteral("2024.MDB")), QByteArray("an account"));

        QVERIFY(QFile::remove(folder + QStringLiteral("LumoModal.MDB")));
        QVERIFY(QFile::remove(folder + QStringLiteral("Sample.MDB")));
        QVERIFY(DataFolder::prepare(folder, shipped, &why));
        QCOMPARE(readFile(folder + QStringLiteral("LumoModal.MDB")), QByteArray("template"));
        QVERIFY(!QFile::exists(folder + QStringLiteral("Sample.MDB")));
    }

    void prepareReportsFailures()
    {
        QString why;
        // Nothing shipped to copy.
        QVERIFY(!DataFolder::prepare(m_root->filePath(QStringLiteral("a/data/")),
                                     m_root->filePath(QStringLiteral("nothing")), &why));
        QVERIFY(why.contains(QStringLiteral("LumoModal.MDB")));
        // The data folder's place is taken by a file.
        writeFile(m_root->filePath(QStringLiteral("blocked")), "x");
        QVERIFY(!DataFolder::prepare(m_root->filePath(QStringLiteral("blocked/data/")),
                                     m_root->path(), &why));
        QVERIFY(why.contains(QStringLiteral("blocked")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
