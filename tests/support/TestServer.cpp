#include "TestServer.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace TestServer {
namespace {

// Runs one statement on the server's maintenance database, on a connection of its own.
QString runAdmin(const QString &sql)
{
    const QString name = QStringLiteral("test-server-admin");
    QString error;
    {
        const ServerAddress a = address();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(a.host);
        db.setPort(a.port);
        db.setUserName(a.user);
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(sql))
                error = q.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

bool requested()
{
    return qEnvironmentVariable("RENTORA_TEST_ENGINE") == QLatin1String("postgres");
}

ServerAddress address()
{
    // The run's server (scripts/test.sh), else the one CTest's fixture started.
    QString text = qEnvironmentVariable("RENTORA_TEST_PG");
    if (text.isEmpty())
        text = qEnvironmentVariable("RENTORA_TEST_PG_FIXTURE");
    if (text.isEmpty())
        qFatal("RENTORA_TEST_ENGINE=postgres but RENTORA_TEST_PG names no test server; "
               "run the tests through scripts/test.sh or ctest, or start one with "
               "eval \"$(scripts/pg-test-server.sh start)\"");
    const auto a = ServerAddress::fromText(text);
    if (!a || a->host.isEmpty())
        qFatal("RENTORA_TEST_PG is no server address: %s", qPrintable(text));
    return *a;
}

QString createDatabase()
{
    static QAtomicInteger<int> counter;
    // Names only of the program's own making: lower-case letters, digits and underscores.
    const QString name = QStringLiteral("rentora_test_%1_%2_%3")
                             .arg(QCoreApplication::applicationPid())
                             .arg(counter.fetchAndAddRelaxed(1))
                             .arg(QRandomGenerator::global()->generate() % 1000000);
    const QString error = runAdmin(QStringLiteral("CREATE DATABASE %1").arg(name));
    if (!error.isEmpty())
        qFatal("cannot create the test database %s: %s", qPrintable(name), qPrintable(error));
    return name;
}

void dropDatabase(const QString &name)
{
    const QString error = runAdmin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    if (!error.isEmpty())
        qWarning("cannot drop the test database %s: %s", qPrintable(name), qPrintable(error));
}

void runAsSuperuser(const QString &sql)
{
    const QString error = runAdmin(sql);
    if (!error.isEmpty())
        qFatal("the test server refused %s: %s", qPrintable(sql), qPrintable(error));
}

} // namespace TestServer
