// The move of a large shop between a file and a server, both ways:
//   bench_move SHOP.MDB "host=... port=... user=..." [FOLDER]
// creates a fresh database on the server, moves the shop's file into it, moves the server
// account back into a new file in FOLDER (default: the system's temporary folder), and prints
// the time of each move with the rows moved. The shop file is copied first (opening it may add
// indexes), the database and the files are removed at the end. scripts/pg-test-server.sh
// starts a throw-away server for it.

#include "data/AccountMove.h"
#include "data/DataModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

bool admin(const ServerAddress &server, const QString &sql)
{
    bool ok = false;
    {
        ServerAddress maintenance = server;
        maintenance.database = QStringLiteral("postgres");
        QString why;
        if (connectServer(maintenance, QStringLiteral("admin"), &why)) {
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("admin")));
            ok = q.exec(sql);
            if (!ok)
                out() << "bench_move: " << q.lastError().text() << Qt::endl;
        } else {
            out() << "bench_move: " << why << Qt::endl;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    return ok;
}

qint64 rowsOf(const QList<AccountMove::TableFigures> &tables)
{
    qint64 rows = 0;
    for (const auto &t : tables)
        rows += t.rows;
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        out() << "usage: bench_move SHOP.MDB \"host=... port=... user=...\" [FOLDER]" << Qt::endl;
        return 2;
    }
    auto server = ServerAddress::fromText(args.at(2));
    if (!server) {
        out() << "bench_move: no server address: " << args.at(2) << Qt::endl;
        return 2;
    }
    QTemporaryDir dir(args.size() > 3 ? args.at(3) + QStringLiteral("/bench_move-XXXXXX")
                                      : QDir::tempPath() + QStringLiteral("/bench_move-XXXXXX"));
    const QString shop = dir.filePath(QStringLiteral("shop.MDB"));
    if (!QFile::copy(args.at(1), shop)) {
        out() << "bench_move: cannot copy " << args.at(1) << Qt::endl;
        return 1;
    }
    server->database = QStringLiteral("bench_move_%1").arg(QCoreApplication::applicationPid());
    if (!admin(*server, QStringLiteral("CREATE DATABASE %1").arg(server->database)))
        return 1;

    int status = 0;
    {
        QString why;
        if (!openAccountFile(shop, QStringLiteral("file"), &why)) {
            out() << "bench_move: " << why << Qt::endl;
            return 1;
        }
        QElapsedTimer clock;
        clock.start();
        const auto there =
            AccountMove::toServer(QSqlDatabase::database(QStringLiteral("file")), *server);
        const qint64 toServerMs = clock.elapsed();
        if (!there.ok) {
            out() << "file -> server failed: " << there.why << Qt::endl;
            status = 1;
        } else {
            out() << "file -> server: " << rowsOf(there.tables) << " rows in " << toServerMs
                  << " ms (checked)" << Qt::endl;
            if (!openServerAccount(*server, QStringLiteral("server"), &why)) {
                out() << "bench_move: " << why << Qt::endl;
                status = 1;
            } else {
                clock.restart();
                const auto back =
                    AccountMove::toFile(QSqlDatabase::database(QStringLiteral("server")),
                                        dir.filePath(QStringLiteral("back.MDB")), false);
                const qint64 toFileMs = clock.elapsed();
                if (!back.ok) {
                    out() << "server -> file failed: " << back.why << Qt::endl;
                    status = 1;
                } else {
                    out() << "server -> file: " << rowsOf(back.tables) << " rows in " << toFileMs
                          << " ms (checked)" << Qt::endl;
                }
            }
        }
    }
    for (const QString &name : QSqlDatabase::connectionNames()) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    admin(*server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(server->database));
    return status;
}
