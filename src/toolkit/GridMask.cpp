#include "GridMask.h"

#include <cmath>

namespace GridMask {
namespace {

bool isPlaceholder(QChar c)
{
    return c == u'0' || c == u'#';
}

qint64 powerOfTen(int n)
{
    qint64 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

QString groupThousands(const QString &digits)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

} // namespace

Pattern parse(const QString &mask)
{
    Pattern p;
    int start = -1;
    for (int i = 0; i < mask.size(); ++i) {
        if (isPlaceholder(mask[i])) {
            start = int(i);
            break;
        }
    }
    if (start < 0) {
        p.prefix = mask;
        return p;
    }
    p.hasNumber = true;
    p.prefix = mask.left(start);

    int i = start;
    int zeros = 0;
    // The integer part: placeholders, with commas only between them.
    while (i < mask.size()) {
        const QChar c = mask[i];
        if (c == u'0') {
            ++zeros;
        } else if (c == u',' && i + 1 < mask.size() && isPlaceholder(mask[i + 1])) {
            p.grouping = true;
        } else if (c != u'#') {
            break;
        }
        ++i;
    }
    p.minIntegerDigits = qMax(1, zeros);
    // The decimals: a point followed by at least one placeholder.
    if (i + 1 < mask.size() && mask[i] == u'.' && isPlaceholder(mask[i + 1])) {
        ++i;
        while (i < mask.size() && isPlaceholder(mask[i])) {
            ++p.decimals;
            if (mask[i] == u'0')
                p.requiredDecimals = p.decimals;
            ++i;
        }
    }
    p.suffix = mask.mid(i);
    return p;
}

QString format(const Pattern &p, qint64 value, int scale)
{
    if (!p.hasNumber)
        return p.prefix;

    const bool negative = value < 0;
    qint64 magnitude = negative ? -value : value;
    if (p.decimals >= scale) {
        magnitude *= powerOfTen(p.decimals - scale);
    } else {
        const qint64 divisor = powerOfTen(scale - p.decimals);
        magnitude = (magnitude + divisor / 2) / divisor; // half away from zero
    }

    const qint64 unit = powerOfTen(p.decimals);
    QString integer = QString::number(magnitude / unit);
    if (integer.size() < p.minIntegerDigits)
        integer = QString(p.minIntegerDigits - integer.size(), u'0') + integer;
    if (p.grouping)
        integer = groupThousands(integer);

    QString number = integer;
    if (p.decimals > 0) {
        QString fraction = QStringLiteral("%1").arg(magnitude % unit, p.decimals, 10, QChar(u'0'));
        while (fraction.size() > p.requiredDecimals && fraction.endsWith(u'0'))
            fraction.chop(1);
        if (!fraction.isEmpty())
            number += u'.' + fraction;
    }
    const QString sign = negative && magnitude != 0 ? QStringLiteral("-") : QString();
    return p.prefix + sign + number + p.suffix;
}

QString format(const QString &mask, qint64 value, int scale)
{
    return format(parse(mask), value, scale);
}

QString format(const QString &mask, double value)
{
    const Pattern p = parse(mask);
    if (!std::isfinite(value))
        return p.prefix + QString::number(value) + p.suffix;
    const double scaled = value * double(powerOfTen(p.decimals));
    return format(p, qint64(std::llround(scaled)), p.decimals);
}

QString plain(qint64 value, int scale)
{
    if (scale <= 0)
        return QString::number(value);
    Pattern p;
    p.hasNumber = true;
    p.decimals = scale;
    p.requiredDecimals = scale;
    return format(p, value, scale);
}

} // namespace GridMask
