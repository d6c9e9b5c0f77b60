#include "GridMask.h"

#include "ReportMask.h"

namespace GridMask {

QString format(const QString &mask, qint64 value, int scale)
{
    // ReportMask counts in 1/10000; the grid's scales are 0 (counts) and 2 (cents).
    Q_ASSERT(scale >= 0 && scale <= 4);
    return ReportMask::formatScaled(value, scale, mask);
}

QString format(const QString &mask, double value)
{
    return ReportMask::formatReal(value, mask);
}

QString plain(qint64 value, int scale)
{
    if (scale <= 0)
        return QString::number(value);
    const QString zeros(scale, u'0');
    return format(QStringLiteral("0.") + zeros, value, scale);
}

} // namespace GridMask
