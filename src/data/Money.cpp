#include "Money.h"

#include <QCoreApplication>

namespace {

// Maps ASCII and full-width digits to 0..9; anything else to -1.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0xFF10 && u <= 0xFF19)
        return u - 0xFF10;
    return -1;
}

bool isPoint(QChar c)
{
    return c == u'.' || c == QChar(0xFF0E);
}

} // namespace

MoneyRangeError::MoneyRangeError()
    : Db::DbError(QCoreApplication::translate("Money", "金额超出范围，本次操作未完成！\n金额最大为99999999999999.99元。"))
{
}

std::optional<Money> Money::parse(QStringView text, Sign sign)
{
    return parseWithin(text, sign, MaxTypedCents);
}

std::optional<Money> Money::parseShown(QStringView text)
{
    return parseWithin(text, Sign::AllowNegative, MaxCents);
}

std::optional<Money> Money::parseWithin(QStringView text, Sign sign, qint64 maxCents)
{
    QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;

    bool negative = false;
    if (t.front() == u'-' || t.front() == QChar(0xFF0D)) {
        if (sign != Sign::AllowNegative)
            return std::nullopt;
        negative = true;
        t = t.mid(1);
    } else if (t.front() == u'+') {
        t = t.mid(1);
    }
    if (t.isEmpty())
        return std::nullopt;

    qint64 whole = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (QChar c : t) {
        if (isPoint(c)) {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        const int d = digitValue(c);
        if (d < 0)
            return std::nullopt;
        seenDigit = true;
        if (seenPoint) {
            if (++fractionDigits > 4)
                return std::nullopt;
            fraction = fraction * 10 + d;
        } else {
            whole = whole * 10 + d;
            if (whole > maxCents / 100)
                return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    const Money m(negative ? -(whole * Scale + fraction) : whole * Scale + fraction);
    // 999999999.9999 would show as 1000000000.00, which is beyond the limit: refused.
    const qint64 c = m.cents();
    if (c > maxCents || c < -maxCents)
        return std::nullopt;
    return m;
}

QString Money::toString() const
{
    const qint64 c = cents();
    const qint64 magnitude = c < 0 ? -c : c;
    return QStringLiteral("%1%2.%3")
        .arg(c < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString Money::toShortString() const
{
    QString s = toString();
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}
