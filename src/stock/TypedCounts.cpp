#include "TypedCounts.h"

namespace TypedCounts {

Reading read(const QString &text, Bounds bounds, int *value)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok)
        return Reading::NotAnInteger;
    if (n < bounds.min || n > bounds.max)
        return Reading::OutOfRange;
    *value = int(n);
    return Reading::Ok;
}

} // namespace TypedCounts
