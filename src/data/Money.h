#pragma once

#include "DbError.h"

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>

// An amount that would leave Money's range: a sum, difference or product refused instead of
// wrapping around, or a stored count of cents no amount of this program can hold. A refusal
// of the data layer, so every reader and writer that reports data errors reports it too.
class MoneyRangeError : public Db::DbError
{
public:
    MoneyRangeError();
};

// An exact amount of money: a 64-bit count of 1/10000 yuan. Amounts are shown and stored
// rounded half away from zero to two decimals; the database holds whole cents.
//
// Two limits. What an operator can type is -999999999.99 to 999999999.99 yuan (parse): nothing
// a video shop handles comes near a billion, anything beyond is a typing slip. Sums of lists,
// reports and charts legitimately go beyond that, so the range of the arithmetic is wider,
// +-99999999999999.99 yuan (10^16 - 1 cents): a cent count times 100 and a sum of two amounts
// still fit 64 bits, and every amount in it shows in at most 18 characters and reads back with
// parseShown. Arithmetic that would leave it is refused: the checked forms (plus, minus, times,
// tryFromCents) give nullopt, the operators throw MoneyRangeError.
class Money
{
public:
    static constexpr qint64 Scale = 10000;        // units per yuan
    static constexpr qint64 UnitsPerCent = 100;
    // The largest amount an operator can type.
    static constexpr qint64 MaxTypedYuan = 999'999'999;
    static constexpr qint64 MaxTypedCents = MaxTypedYuan * 100 + 99;
    // The largest amount the arithmetic keeps.
    static constexpr qint64 MaxCents = 9'999'999'999'999'999;
    static constexpr qint64 MaxYuan = MaxCents / 100;
    // The largest count of units that still rounds to MaxCents.
    static constexpr qint64 MaxUnits = MaxCents * UnitsPerCent + UnitsPerCent / 2 - 1;

    static constexpr bool unitsInRange(qint64 units) { return units >= -MaxUnits && units <= MaxUnits; }
    static constexpr bool centsInRange(qint64 cents) { return cents >= -MaxCents && cents <= MaxCents; }

    constexpr Money() = default;
    static constexpr std::optional<Money> tryFromUnits(qint64 units)
    {
        return unitsInRange(units) ? std::optional<Money>(Money(units)) : std::nullopt;
    }
    static constexpr std::optional<Money> tryFromCents(qint64 cents)
    {
        return centsInRange(cents) ? std::optional<Money>(Money(cents * UnitsPerCent))
                                   : std::nullopt;
    }
    // These throw MoneyRangeError for a value outside the range.
    static constexpr Money fromUnits(qint64 units) { return orThrow(tryFromUnits(units)); }
    static constexpr Money fromCents(qint64 cents) { return orThrow(tryFromCents(cents)); }
    static constexpr Money fromYuan(qint64 yuan)
    {
        return orThrow(yuan >= -MaxYuan && yuan <= MaxYuan ? tryFromUnits(yuan * Scale)
                                                           : std::nullopt);
    }

    enum class Sign { PositiveOnly, AllowNegative };
    // Parses what an operator typed: digits with at most one decimal point and at most four
    // decimals, surrounding blanks ignored, full-width digits accepted. Letters, a second point,
    // a sign where none belongs, an empty text or an amount that would show beyond
    // MaxTypedCents give nullopt.
    static std::optional<Money> parse(QStringView text, Sign sign = Sign::PositiveOnly);
    // The same over the whole range, a sign allowed: reads back any amount toString() or
    // toShortString() showed, sums included.
    static std::optional<Money> parseShown(QStringView text);

    constexpr qint64 units() const { return m_units; }
    // Rounded half away from zero to whole cents: the value stored in the database.
    constexpr qint64 cents() const
    {
        const qint64 magnitude = m_units < 0 ? -m_units : m_units;
        const qint64 c = (magnitude + UnitsPerCent / 2) / UnitsPerCent;
        return m_units < 0 ? -c : c;
    }
    constexpr Money roundedToCents() const { return Money(cents() * UnitsPerCent); }

    // "%0.2f": two decimals, a point, no grouping, rounded half away from zero.
    QString toString() const;
    // The shortest form of the amount rounded to cents: 17, 12.5, -6, 0.05.
    QString toShortString() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    // Checked arithmetic: nullopt when the result would leave the range.
    constexpr std::optional<Money> plus(Money o) const { return tryFromUnits(m_units + o.m_units); }
    constexpr std::optional<Money> minus(Money o) const { return tryFromUnits(m_units - o.m_units); }
    constexpr std::optional<Money> times(qint64 n) const
    {
        qint64 product = 0;
        if (__builtin_mul_overflow(m_units, n, &product))
            return std::nullopt;
        return tryFromUnits(product);
    }

    // The same, throwing MoneyRangeError where the checked forms give nullopt. Both operands
    // are in the range, so a sum or difference of two never overflows 64 bits before the check.
    constexpr Money operator+(Money o) const { return orThrow(plus(o)); }
    constexpr Money operator-(Money o) const { return orThrow(minus(o)); }
    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money operator*(qint64 n) const { return orThrow(times(n)); }
    Money &operator+=(Money o) { return *this = *this + o; }
    Money &operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    static std::optional<Money> parseWithin(QStringView text, Sign sign, qint64 maxCents);
    static constexpr Money orThrow(std::optional<Money> m)
    {
        if (!m)
            throw MoneyRangeError();
        return *m;
    }
    qint64 m_units = 0;
};
