#include "CollationKeyCache.h"

#include "Collation.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>

namespace Collation {
namespace {

constexpr size_t FirstSlots = 1024;
constexpr size_t MaxBytes = size_t(256) << 20;

quint64 prefixOf(const char *key, int length)
{
    quint64 prefix = 0;
    for (int i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < length ? quint8(key[i]) : 0);
    return prefix;
}

} // namespace

KeyCache::KeyCache()
    : m_slots(FirstSlots)
{
}

void KeyCache::clear()
{
    m_slots.assign(FirstSlots, Entry());
    m_bytes.clear();
    m_count = 0;
}

void KeyCache::grow()
{
    std::vector<Entry> old(m_slots.size() * 2);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Entry &e : old) {
        if (e.keyLength == 0)
            continue;
        size_t i = e.hash & mask;
        while (m_slots[i].keyLength != 0)
            i = (i + 1) & mask;
        m_slots[i] = e;
    }
}

KeyCache::Entry KeyCache::find(const char *text, int length)
{
    const quint64 hash = qHashBits(text, size_t(length), 0);
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    for (;; i = (i + 1) & mask) {
        const Entry &e = m_slots[i];
        if (e.keyLength == 0)
            break;
        if (e.hash == hash && e.textLength == quint32(length) &&
            std::memcmp(m_bytes.data() + e.text, text, size_t(length)) == 0) {
            return e;
        }
    }
    // Not seen yet: make its key once.
    const QByteArray key = sortKey(QString::fromUtf8(text, length));
    Entry made;
    made.hash = hash;
    made.prefix = prefixOf(key.constData(), int(key.size()));
    made.text = quint32(m_bytes.size());
    made.textLength = quint32(length);
    made.key = quint32(m_bytes.size() + size_t(length));
    made.keyLength = quint32(key.size());
    m_bytes.insert(m_bytes.end(), text, text + length);
    m_bytes.insert(m_bytes.end(), key.cbegin(), key.cend());
    m_slots[i] = made;
    if (size_t(++m_count) * 2 > m_slots.size())
        grow();
    return made;
}

int KeyCache::compare(const char *a, int lengthA, const char *b, int lengthB)
{
    if (lengthA == lengthB && std::memcmp(a, b, size_t(lengthA)) == 0)
        return 0;
    // Entries are copied out: the second look-up may move the first one's bytes.
    if (m_count >= MaxTexts || m_bytes.size() >= MaxBytes)
        clear();
    const Entry left = find(a, lengthA);
    const Entry right = find(b, lengthB);
    if (left.prefix != right.prefix)
        return left.prefix < right.prefix ? -1 : 1;
    const char *bytes = m_bytes.data();
    const int order = std::memcmp(bytes + left.key, bytes + right.key,
                                  std::min(left.keyLength, right.keyLength));
    if (order != 0)
        return order < 0 ? -1 : 1;
    return left.keyLength < right.keyLength ? -1 : (left.keyLength > right.keyLength ? 1 : 0);
}

} // namespace Collation
