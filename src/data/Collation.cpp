#include "Collation.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

namespace Collation {
namespace {

QCollator &collator()
{
    // One collator for the whole program (the user-interface thread only).
    static QCollator c = [] {
        QCollator made(QLocale(QLocale::Chinese, QLocale::China));
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(true);
        return made;
    }();
    return c;
}

// Sorting a report compares the same few thousand names again and again: their sort keys are
// kept, so a comparison costs two look-ups and a byte compare instead of a collation run.
QCollatorSortKey cachedKey(const QString &text)
{
    static QHash<QString, QCollatorSortKey> keys;
    auto it = keys.constFind(text);
    if (it != keys.cend())
        return *it;
    if (keys.size() > 200000)
        keys.clear();
    // text may point into the engine's buffer: the cache keeps a copy of its own.
    return *keys.insert(QString(text.constData(), text.size()), collator().sortKey(text));
}

int compareUtf16(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    // The engine hands over UTF-16 in the machine's byte order, lengths in bytes.
    const QString left = QString::fromRawData(static_cast<const QChar *>(a), lengthA / 2);
    const QString right = QString::fromRawData(static_cast<const QChar *>(b), lengthB / 2);
    if (left == right)
        return 0;
    int order = cachedKey(left).compare(cachedKey(right));
    if (order == 0)
        order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace

int compare(const QString &a, const QString &b)
{
    const int order = collator().compare(a, b);
    if (order != 0)
        return order;
    // Names the collator takes as equal ("a" and "A") still come in a fixed order.
    return a.compare(b);
}

QCollatorSortKey sortKey(const QString &text)
{
    return collator().sortKey(text);
}

bool registerWith(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return false;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto *connection = *static_cast<sqlite3 *const *>(handle.data());
    if (!connection)
        return false;
    return sqlite3_create_collation(connection, Name.toUtf8().constData(), SQLITE_UTF16_ALIGNED,
                                    nullptr, &compareUtf16) == SQLITE_OK;
}

} // namespace Collation
