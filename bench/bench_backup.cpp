// The data backup on a large shop: the account open as MainConn with rows just committed to
// its log, copied through the engine's online backup, against a plain byte copy of the file.
//
//   bench_backup LARGE.MDB
//
// The file is copied to a temporary folder first: opening it as an account writes to it.

#include "data/AccountContext.h"
#include "data/Backup.h"
#include "data/DataModule.h"
#include "data/Db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The account this measurement works in: MainConn, opened by main().
AccountContext g_account;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: bench_backup LARGE.MDB\n";
        return 2;
    }
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("shop.MDB"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), source)) {
        out << "cannot copy " << argv[1] << "\n";
        return 1;
    }
    QString why;
    if (!openAccountFile(source, QLatin1String(Db::MainConnName), &why)) {
        out << why << "\n";
        return 1;
    }
    // Committed rows that are still in the write-ahead log when the backup starts.
    {
        Db::Transaction tx(g_account.db());
        for (int i = 0; i < 1000; ++i) {
            Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                     {QStringLiteral("bench %1").arg(i)}, g_account.db());
        }
        tx.commit();
    }

    const double mb = QFileInfo(source).size() / 1048576.0;
    out << "| step | ms | file MB |\n|---|---|---|\n";
    for (int run = 0; run < 3; ++run) {
        const QString target = dir.filePath(QStringLiteral("backup%1.MDB").arg(run));
        int steps = 0;
        QElapsedTimer clock;
        clock.start();
        if (!Backup::copyDataFile(
                source, target, [&](qint64, qint64) { ++steps; }, &why)) {
            out << why << "\n";
            return 1;
        }
        out << "| online backup (" << steps << " progress steps) | " << clock.elapsed() << " | "
            << QString::number(mb, 'f', 1) << " |\n";
        QFile::remove(target);
    }
    for (int run = 0; run < 3; ++run) {
        const QString target = dir.filePath(QStringLiteral("bytes%1.MDB").arg(run));
        QElapsedTimer clock;
        clock.start();
        QFile::copy(source, target);
        out << "| byte copy of the main file (misses the log) | " << clock.elapsed() << " | "
            << QString::number(mb, 'f', 1) << " |\n";
        QFile::remove(target);
    }
    return 0;
}
