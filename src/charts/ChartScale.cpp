#include "ChartScale.h"

#include <cmath>

namespace ChartScale {

Axis moneyAxis(double top, int maxSteps)
{
    maxSteps = std::max(maxSteps, 1);
    if (!(top > 0))
        return Axis{5, 1, 6};
    const double rough = top / maxSteps;
    double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude * 10;
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (magnitude * factor >= rough * (1 - 1e-9)) {
            step = magnitude * factor;
            break;
        }
    }
    step = std::max(step, 0.01);
    // Whole steps up to the first one above the highest bar, so its mark has room.
    int steps = int(std::floor(top / step + 1e-9)) + 1;
    return Axis{steps * step, step, steps + 1};
}

QString percent(qint64 value, qint64 total)
{
    if (total <= 0)
        return QStringLiteral("0.0%");
    // Rounded half away from zero in tenths of a percent, from whole numbers.
    const qint64 tenths = (value * 2000 + total) / (2 * total);
    return QStringLiteral("%1.%2%").arg(tenths / 10).arg(tenths % 10);
}

} // namespace ChartScale
