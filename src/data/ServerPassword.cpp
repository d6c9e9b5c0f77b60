#include "ServerPassword.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <libpq-fe.h>

namespace ServerPassword {

namespace {

Prompt g_prompt;

// Keyed by the address without the password; the port and the user are part of the key, the
// same database through another user asks anew.
QHash<QString, QString> &passwords()
{
    static QHash<QString, QString> map;
    return map;
}

} // namespace

void setPrompt(Prompt prompt)
{
    g_prompt = std::move(prompt);
}

const Prompt &prompt()
{
    return g_prompt;
}

std::optional<QString> remembered(const ServerAddress &address)
{
    const auto it = passwords().constFind(address.toText());
    if (it == passwords().constEnd())
        return std::nullopt;
    return *it;
}

void remember(const ServerAddress &address, const QString &password)
{
    passwords().insert(address.toText(), password);
}

void forget(const ServerAddress &address)
{
    passwords().remove(address.toText());
}

void forgetAll()
{
    passwords().clear();
}

Demand demandOf(const ServerAddress &address, const QString &password)
{
    const QByteArray host = address.host.toUtf8();
    const QByteArray port = QByteArray::number(address.port);
    const QByteArray database = address.database.toUtf8();
    const QByteArray user = address.user.toUtf8();
    const QByteArray secret = password.toUtf8();
    QList<const char *> keys{"host", "port", "dbname", "connect_timeout"};
    QList<const char *> values{host.constData(), port.constData(), database.constData(), "10"};
    if (!user.isEmpty()) {
        keys << "user";
        values << user.constData();
    }
    if (!secret.isEmpty()) {
        keys << "password";
        values << secret.constData();
    }
    keys << nullptr;
    values << nullptr;
    PGconn *conn = PQconnectdbParams(keys.constData(), values.constData(), 0);
    Demand demand = Demand::Other;
    if (PQstatus(conn) == CONNECTION_OK)
        demand = Demand::Connected;
    else if (PQconnectionNeedsPassword(conn))
        demand = Demand::Missing;
    else if (!secret.isEmpty() && PQconnectionUsedPassword(conn))
        demand = Demand::NotAccepted;
    PQfinish(conn);
    return demand;
}

} // namespace ServerPassword
