#pragma once

#include <QtGlobal>

#include <vector>

namespace Collation {

// The sort keys of the texts one connection has compared, for the collation the engine calls
// while it sorts. A year's report sorts some 180,000 rows by a few thousand distinct names:
// every comparison finds both keys here (one hash look-up each) and most are decided by the
// first eight bytes of the keys, kept beside the look-up entry. Texts come as the engine's
// UTF-8 bytes, so nothing is converted on the way.
class KeyCache
{
public:
    KeyCache();

    // Negative, zero or positive as the UTF-8 text a sorts before, with or after b.
    int compare(const char *a, int lengthA, const char *b, int lengthB);

    int size() const { return m_count; }
    // The cache starts over when it holds more than this many texts (or their bytes exceed
    // a limit of the same order), so that a long session does not grow it without end.
    static constexpr int MaxTexts = 1 << 20;

private:
    struct Entry
    {
        quint64 hash = 0;
        quint64 prefix = 0; // the key's first eight bytes, the first one most significant
        quint32 text = 0;   // offsets into m_bytes
        quint32 textLength = 0;
        quint32 key = 0;
        quint32 keyLength = 0; // 0: the slot is free (a key is never empty)
    };

    Entry find(const char *text, int length);
    void grow();
    void clear();

    std::vector<Entry> m_slots; // open addressing, a power of two in size
    std::vector<char> m_bytes;  // each text followed by its key
    int m_count = 0;
};

} // namespace Collation
