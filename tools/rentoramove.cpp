// Moves an account between a file and a server, exactly:
//   rentora-move FROM TO
// Each side is an account file's path or a server address in its text form
// ("host=db.shop.lan port=5432 dbname=shop user=counter1"; the password comes from the
// client library's password or service file). A file goes into an empty database; a server
// account goes into a new file. Every table is copied with its IDs, and the row counts and
// money sums of both sides are printed once they agree. Exit status 0 on success, 1 when the
// move was refused or failed (nothing written), 2 for wrong arguments.

#include "data/AccountMove.h"
#include "data/DataModule.h"
#include "data/ServerAddress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int fail(const QString &why)
{
    err() << "rentora-move: " << why << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        err() << "usage: rentora-move FROM TO  (each an account file or a server address such as "
                 "\"host=localhost port=5432 dbname=shop user=counter\")"
              << Qt::endl;
        return 2;
    }
    const auto fromServer = serverAccountOf(args.at(0));
    const auto toServer = serverAccountOf(args.at(1));
    if (fromServer.has_value() == toServer.has_value()) {
        err() << "rentora-move: one side must be a file and the other a server address" << Qt::endl;
        return 2;
    }

    const QString source = QStringLiteral("MoveSource");
    QString why;
    if (fromServer) {
        // Only an existing account is read: an empty database is not made into one here.
        if (!connectServer(*fromServer, source, &why))
            return fail(why);
        if (serverTableNames(QSqlDatabase::database(source, false)).isEmpty())
            return fail(
                QStringLiteral("the database %1 holds no account").arg(fromServer->database));
        if (!openServerAccount(*fromServer, source, &why))
            return fail(why);
    } else if (!openAccountFile(args.at(0), source, &why)) {
        return fail(why);
    }

    QElapsedTimer clock;
    clock.start();
    QString shown;
    const AccountMove::Progress progress = [&](const QString &table, qint64 done, qint64 total) {
        if (table != shown) {
            if (!shown.isEmpty())
                err() << Qt::endl;
            shown = table;
        }
        err() << "\r" << table << ": " << done << " / " << total << Qt::flush;
    };
    const QSqlDatabase from = QSqlDatabase::database(source, false);
    const AccountMove::Result result = toServer
                                           ? AccountMove::toServer(from, *toServer, progress)
                                           : AccountMove::toFile(from, args.at(1), false, progress);
    if (!shown.isEmpty())
        err() << Qt::endl;
    if (!result.ok)
        return fail(result.why);
    for (const QString &line : AccountMove::describe(result.tables))
        out() << line << Qt::endl;
    out() << "moved and checked in " << clock.elapsed() << " ms" << Qt::endl;
    return 0;
}
