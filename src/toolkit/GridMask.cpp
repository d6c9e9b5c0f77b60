#include "GridMask.h"

#include "ReportMask.h"

#include <cmath>

namespace GridMask {

QString format(const QString &mask, qint64 value, int scale)
{
    // ReportMask counts in 1/10000; the grid's scales are 0 (counts) and 2 (cents).
    Q_ASSERT(scale >= 0 && scale <= 4);
    qint64 units = value;
    for (int i = scale; i < 4; ++i)
        units *= 10;
    return ReportMask::format(units, mask);
}

QString format(const QString &mask, double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    return ReportMask::format(std::llround(value * double(ReportMask::UnitsPerOne)), mask);
}

QString plain(qint64 value, int scale)
{
    if (scale <= 0)
        return QString::number(value);
    const QString zeros(scale, u'0');
    return format(QStringLiteral("0.") + zeros, value, scale);
}

} // namespace GridMask
