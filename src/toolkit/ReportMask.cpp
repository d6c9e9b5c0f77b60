#include "ReportMask.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Section
{
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool hasNumber = false;
};

// Splits a mask into its sections at ';' outside quotes.
QStringList splitSections(const QString &mask)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : mask) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            current += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u';') {
            sections << current;
            current.clear();
        } else {
            current += c;
        }
    }
    sections << current;
    return sections;
}

bool isPlaceholder(QChar c)
{
    return c == u'0' || c == u'#';
}

// Reads one section: literals before the first placeholder form the prefix, literals after the
// last one the suffix; '.' and ',' between them shape the number.
Section parseSection(const QString &text)
{
    Section s;
    QChar quote;
    int state = 0; // 0 prefix, 1 number, 2 suffix
    bool seenPoint = false;
    QString pendingLiteral; // literals met inside the number; they go to the suffix if it ends
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (state == 0 ? s.prefix : pendingLiteral) += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            if (state == 1)
                state = 2;
            continue;
        }
        if (state == 2) {
            pendingLiteral += c;
            continue;
        }
        if (isPlaceholder(c)) {
            state = 1;
            s.hasNumber = true;
            if (seenPoint) {
                ++s.maxDecimals;
                if (c == u'0')
                    s.minDecimals = s.maxDecimals;
            } else if (c == u'0') {
                ++s.minIntegerDigits;
            }
            continue;
        }
        if (state == 1 && c == u'.' && !seenPoint) {
            // A point belongs to the number only when a placeholder follows it.
            if (i + 1 < text.size() && isPlaceholder(text.at(i + 1))) {
                seenPoint = true;
                continue;
            }
        }
        if (state == 1 && c == u',' && !seenPoint && i + 1 < text.size() &&
            isPlaceholder(text.at(i + 1))) {
            s.grouping = true;
            continue;
        }
        if (state == 0) {
            s.prefix += c;
        } else {
            state = 2;
            pendingLiteral += c;
        }
    }
    s.suffix = pendingLiteral;
    return s;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits.at(i);
    }
    return out;
}

// Magnitudes are counted in 128 bits: a 64-bit value of cents scaled to 1/10000 units, and a
// rounding step added to the largest 64-bit value, both stay exact.
using Magnitude = unsigned __int128;

Magnitude magnitudeOf(qint64 units)
{
    return units < 0 ? Magnitude(quint64(-(units + 1)) + 1) : Magnitude(quint64(units));
}

QString digitsOf(Magnitude value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[48];
    int at = sizeof buffer;
    while (value != 0) {
        buffer[--at] = char('0' + int(value % 10));
        value /= 10;
    }
    return QString::fromLatin1(buffer + at, int(sizeof buffer) - at);
}

// Rounds a magnitude of 1/10000 units half away from zero to the given decimals (at most
// four) and returns the whole part and the fraction as digits.
void splitRounded(Magnitude magnitude, int decimals, Magnitude *whole, quint64 *fraction)
{
    const int kept = std::min(decimals, 4);
    quint64 step = 1;
    for (int i = kept; i < 4; ++i)
        step *= 10;
    magnitude = (magnitude + step / 2) / step * step;
    *whole = magnitude / ReportMask::UnitsPerOne;
    *fraction = quint64(magnitude % ReportMask::UnitsPerOne) / step;
}

QString formatSection(bool negative, Magnitude magnitude, const Section &s, bool showMinus)
{
    if (!s.hasNumber)
        return s.prefix + s.suffix;
    Magnitude whole = 0;
    quint64 fraction = 0;
    splitRounded(magnitude, s.maxDecimals, &whole, &fraction);

    QString fractionText;
    if (s.maxDecimals > 0) {
        const int kept = std::min(s.maxDecimals, 4);
        fractionText = QString::number(fraction).rightJustified(kept, u'0');
        fractionText += QString(s.maxDecimals - kept, u'0');
        while (fractionText.size() > s.minDecimals && fractionText.endsWith(u'0'))
            fractionText.chop(1);
    }
    QString wholeText = whole == 0 ? QString() : digitsOf(whole);
    if (wholeText.size() < s.minIntegerDigits)
        wholeText = wholeText.rightJustified(s.minIntegerDigits, u'0');
    if (wholeText.isEmpty() && fractionText.isEmpty())
        wholeText = QStringLiteral("0");
    if (s.grouping)
        wholeText = groupThousands(wholeText);

    QString number = wholeText;
    if (!fractionText.isEmpty())
        number += u'.' + fractionText;
    const bool isZero = whole == 0 && fraction == 0;
    if (showMinus && negative && !isZero)
        number.prepend(u'-');
    return s.prefix + number + s.suffix;
}

QString shortest(bool negative, Magnitude magnitude)
{
    Magnitude whole = 0;
    quint64 fraction = 0;
    splitRounded(magnitude, 4, &whole, &fraction);
    QString text = digitsOf(whole);
    if (fraction != 0) {
        QString f = QString::number(fraction).rightJustified(4, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        text += u'.' + f;
    }
    if (negative && (whole != 0 || fraction != 0))
        text.prepend(u'-');
    return text;
}

QString formatMagnitude(bool negative, Magnitude magnitude, const QString &mask)
{
    if (mask.isEmpty())
        return shortest(negative, magnitude);
    const QStringList sections = splitSections(mask);
    if (sections.size() >= 3 && magnitude == 0 && !sections.at(2).isEmpty())
        return formatSection(false, magnitude, parseSection(sections.at(2)), false);
    if (sections.size() >= 2 && negative && magnitude != 0 && !sections.at(1).isEmpty()) {
        // The negative section carries its own sign, if any.
        return formatSection(true, magnitude, parseSection(sections.at(1)), false);
    }
    return formatSection(negative, magnitude, parseSection(sections.at(0)), true);
}

// Parses a decimal written as text: an optional sign, digits, at most one point.
std::optional<qint64> parseDecimal(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == u'-' || text.front() == u'+') {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    qint64 whole = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool roundUp = false;
    for (QChar c : text) {
        if (c == u'.') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        seenDigit = true;
        const int d = c.unicode() - u'0';
        if (!seenPoint) {
            if (whole > (std::numeric_limits<qint64>::max() / ReportMask::UnitsPerOne - 9) / 10)
                return std::nullopt;
            whole = whole * 10 + d;
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + d;
            ++fractionDigits;
        } else if (fractionDigits == 4) {
            roundUp = d >= 5;
            ++fractionDigits;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    for (int i = std::min(fractionDigits, 4); i < 4; ++i)
        fraction *= 10;
    qint64 units = whole * ReportMask::UnitsPerOne + fraction + (roundUp ? 1 : 0);
    return negative ? -units : units;
}

} // namespace

namespace ReportMask {

QString format(qint64 units, const QString &mask)
{
    return formatMagnitude(units < 0, magnitudeOf(units), mask);
}

QString formatScaled(qint64 value, int scale, const QString &mask)
{
    Magnitude magnitude = magnitudeOf(value);
    for (int i = std::clamp(scale, 0, 4); i < 4; ++i)
        magnitude *= 10;
    return formatMagnitude(value < 0, magnitude, mask);
}

QString formatReal(double value, const QString &mask)
{
    const long double units = std::fabs(static_cast<long double>(value)) * UnitsPerOne;
    // Up to 10^36 units the rounded value fits the 128-bit magnitude exactly as the double
    // stands; beyond (or for infinities and NaN) there is no amount to format.
    if (!std::isfinite(value) || units >= 1e36L)
        return QString::number(value);
    return formatMagnitude(value < 0, Magnitude(std::roundl(units)), mask);
}

std::optional<qint64> toUnits(const QVariant &value, int valueDivisor)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    const int divisor = valueDivisor > 0 ? valueDivisor : 1;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool: {
        const qint64 n = value.toLongLong();
        qint64 units = 0;
        if (UnitsPerOne % divisor == 0) {
            if (__builtin_mul_overflow(n, UnitsPerOne / divisor, &units))
                return std::nullopt;
            return units;
        }
        const double d = double(n) * UnitsPerOne / divisor;
        if (std::fabs(d) >= 9.0e18)
            return std::nullopt;
        return qint64(std::llround(d));
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble() * UnitsPerOne / divisor;
        // Beyond what 64 bits hold the value is no amount a report can add up.
        if (!std::isfinite(d) || std::fabs(d) >= 9.0e18)
            return std::nullopt;
        return qint64(std::llround(d));
    }
    default:
        break;
    }
    const std::optional<qint64> parsed = parseDecimal(value.toString());
    if (!parsed)
        return std::nullopt;
    if (divisor == 1)
        return parsed;
    // Text holding whole storage units (cents written as text) scales like an integer.
    const qint64 p = *parsed;
    const qint64 half = divisor / 2;
    return (p >= 0 ? p + half : p - half) / divisor;
}

QString display(const QVariant &value, const QString &mask, int valueDivisor)
{
    if (!value.isValid() || value.isNull())
        return QString();
    const bool numeric = value.typeId() != QMetaType::QString &&
                         value.typeId() != QMetaType::QDate &&
                         value.typeId() != QMetaType::QDateTime;
    if (mask.isEmpty() && valueDivisor <= 1) {
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!numeric || value.typeId() == QMetaType::Bool)
            return value.toString();
    }
    if (const std::optional<qint64> units = toUnits(value, valueDivisor))
        return format(*units, mask);
    return value.toString();
}

} // namespace ReportMask
