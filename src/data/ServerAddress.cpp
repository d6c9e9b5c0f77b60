#include "ServerAddress.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace {

QString quoted(const QString &value)
{
    bool plain = !value.isEmpty();
    for (const QChar c : value) {
        if (c.isSpace() || c == u'\'' || c == u'\\')
            plain = false;
    }
    if (plain)
        return value;
    QString out = QStringLiteral("'");
    for (const QChar c : value) {
        if (c == u'\'' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'\'';
}

// The "key=value ..." pairs of text, or nothing when it is malformed.
std::optional<QList<QPair<QString, QString>>> pairs(const QString &text)
{
    QList<QPair<QString, QString>> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (true) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n)
            return out;
        const qsizetype keyStart = i;
        while (i < n && text.at(i) != u'=' && !text.at(i).isSpace())
            ++i;
        const QString key = text.mid(keyStart, i - keyStart);
        while (i < n && text.at(i).isSpace())
            ++i;
        if (key.isEmpty() || i >= n || text.at(i) != u'=')
            return std::nullopt;
        ++i;
        while (i < n && text.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && text.at(i) == u'\'') {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text.at(i++);
                if (c == u'\\' && i < n) {
                    value += text.at(i++);
                } else if (c == u'\'') {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return std::nullopt;
        } else {
            while (i < n && !text.at(i).isSpace()) {
                if (text.at(i) == u'\\' && i + 1 < n)
                    ++i;
                value += text.at(i++);
            }
        }
        out.append({key, value});
    }
}

} // namespace

bool ServerAddress::isValid() const
{
    return !host.isEmpty() && !database.isEmpty() && port > 0 && port < 65536;
}

QString ServerAddress::toText() const
{
    QStringList parts;
    if (!host.isEmpty())
        parts << QStringLiteral("host=") + quoted(host);
    parts << QStringLiteral("port=%1").arg(port);
    if (!database.isEmpty())
        parts << QStringLiteral("dbname=") + quoted(database);
    if (!user.isEmpty())
        parts << QStringLiteral("user=") + quoted(user);
    return parts.join(u' ');
}

std::optional<ServerAddress> ServerAddress::fromText(const QString &text)
{
    const auto read = pairs(text);
    if (!read)
        return std::nullopt;
    ServerAddress a;
    for (const auto &[key, value] : *read) {
        if (key == u"host") {
            a.host = value;
        } else if (key == u"port") {
            bool ok = false;
            a.port = value.toInt(&ok);
            if (!ok)
                return std::nullopt;
        } else if (key == u"dbname") {
            a.database = value;
        } else if (key == u"user") {
            a.user = value;
        }
    }
    return a;
}

QString ServerAddress::displayName() const
{
    QString name = QStringLiteral("%1 @ %2:%3").arg(database, host).arg(port);
    if (!user.isEmpty())
        name += QStringLiteral(" (%1)").arg(user);
    return name;
}
