#include "Collation.h"

#include "CollationKeyCache.h"
#include "SqliteStatement.h"


#include <sqlite3.h>
#include <unicode/ucol.h>

#include <cstring>

namespace Collation {
namespace {

// One collator for the whole program: Chinese as used in China (pinyin order), case ignored
// (ICU's secondary strength), digits by value, texts normalised first. Keys and comparisons
// of one collator agree, so the grids' keys, the lists' comparisons and the engine's sorts
// give one order. Null when ICU has no collator at all: then texts keep their code order.
UCollator *collator()
{
    static UCollator *const c = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator *made = ucol_open("zh_CN", &status);
        if (U_FAILURE(status))
            return static_cast<UCollator *>(nullptr);
        ucol_setAttribute(made, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        ucol_setAttribute(made, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
        ucol_setStrength(made, UCOL_SECONDARY);
        return made;
    }();
    return c;
}

const UChar *units(QStringView text)
{
    return reinterpret_cast<const UChar *>(text.utf16());
}

int compareUtf8(void *cache, int lengthA, const void *a, int lengthB, const void *b)
{
    return static_cast<KeyCache *>(cache)->compare(static_cast<const char *>(a), lengthA,
                                                   static_cast<const char *>(b), lengthB);
}

void dropCache(void *cache)
{
    delete static_cast<KeyCache *>(cache);
}

} // namespace

int compare(QStringView a, QStringView b)
{
    if (UCollator *c = collator()) {
        const UCollationResult order =
            ucol_strcoll(c, units(a), int32_t(a.size()), units(b), int32_t(b.size()));
        if (order != UCOL_EQUAL)
            return order == UCOL_LESS ? -1 : 1;
    }
    // Texts the collation takes as equal ("a" and "A") still come in a fixed order.
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

QByteArray sortKey(QStringView text)
{
    QByteArray key;
    if (UCollator *c = collator()) {
        key.resize(16 + 4 * text.size());
        int32_t length = ucol_getSortKey(c, units(text), int32_t(text.size()),
                                         reinterpret_cast<uint8_t *>(key.data()),
                                         int32_t(key.size()));
        if (length > key.size()) {
            key.resize(length);
            length = ucol_getSortKey(c, units(text), int32_t(text.size()),
                                     reinterpret_cast<uint8_t *>(key.data()), length);
        }
        // ICU's key ends in its only zero byte: what follows decides ties alone.
        key.resize(length);
    }
    // The tie-breaker: the text's UTF-16 code units, high byte first, which compare as the
    // code units themselves do.
    key.reserve(key.size() + 2 * text.size());
    for (const QChar ch : text) {
        key.append(char(ch.unicode() >> 8));
        key.append(char(ch.unicode() & 0xff));
    }
    return key;
}

int compareKeys(const QByteArray &a, const QByteArray &b)
{
    const int order =
        std::memcmp(a.constData(), b.constData(), size_t(std::min(a.size(), b.size())));
    if (order != 0)
        return order < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool registerWith(const QSqlDatabase &db)
{
    sqlite3 *connection = Sqlite::handle(db);
    if (!connection)
        return false;
    // The engine keeps the cache with the collation and deletes it with the connection (or
    // when the collation is registered again).
    auto *cache = new KeyCache;
    const int result = sqlite3_create_collation_v2(connection, Name.toUtf8().constData(),
                                                   SQLITE_UTF8, cache, &compareUtf8, &dropCache);
    if (result != SQLITE_OK) {
        delete cache;
        return false;
    }
    return true;
}

} // namespace Collation
