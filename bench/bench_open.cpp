// Opening an account on a large shop: what the checks before the first write cost. The whole
// open (the engine's probe, the schema check, the quick check of every page, indexes and the
// log mode), and the quick check alone, with the file in the system's cache and after it was
// dropped from there (as at the first start of the day). Wall and processor time.
//
//   bench_open LARGE.MDB
//
// The file is copied to a temporary folder first: opening it as an account writes to it.

#include "data/DataModule.h"
#include "data/Db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// Asks the system to forget the file's cached pages (they are clean: nothing is open for
// writing), so the next read comes from the disk.
void dropFromCache(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

struct Timing
{
    qint64 wallMs;
    double cpuMs;
};

template<typename F>
Timing measure(F &&f)
{
    const double cpu = cpuMs();
    QElapsedTimer clock;
    clock.start();
    f();
    return {clock.elapsed(), cpuMs() - cpu};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: bench_open LARGE.MDB\n";
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shop.MDB"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path)) {
        out << "cannot copy " << argv[1] << "\n";
        return 1;
    }
    const QString conn = QLatin1String(Db::MainConnName);
    QString why;
    // The first open may still add indexes or switch the log mode: not counted.
    if (!openAccountFile(path, conn, &why)) {
        out << why << "\n";
        return 1;
    }
    QSqlDatabase::database(conn).close();
    QSqlDatabase::removeDatabase(conn);

    out << "file: " << QString::number(QFileInfo(path).size() / 1048576.0, 'f', 1) << " MB\n\n"
        << "| step | cache | wall ms | processor ms |\n|---|---|---:|---:|\n";
    auto row = [&](const char *step, bool cold, Timing t) {
        out << "| " << step << " | " << (cold ? "dropped" : "warm") << " | " << t.wallMs << " | "
            << QString::number(t.cpuMs, 'f', 0) << " |\n";
        out.flush();
    };
    for (bool cold : {false, false, true, true}) {
        if (cold)
            dropFromCache(path);
        const Timing t = measure([&] {
            if (!openAccountFile(path, conn, &why))
                qFatal("cannot open: %s", qPrintable(why));
        });
        row("open the account (all checks)", cold, t);
        QSqlDatabase::database(conn).close();
        QSqlDatabase::removeDatabase(conn);
    }
    if (!openAccountFile(path, conn, &why))
        qFatal("cannot open: %s", qPrintable(why));
    for (bool cold : {false, false, true, true}) {
        if (cold)
            dropFromCache(path);
        const Timing t = measure([&] {
            QSqlQuery q(QSqlDatabase::database(conn));
            if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
                q.value(0).toString() != QLatin1String("ok"))
                qFatal("quick check failed");
        });
        row("quick check alone", cold, t);
    }
    return 0;
}
