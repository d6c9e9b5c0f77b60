#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// An exact amount of money: a 64-bit count of 1/10000 yuan. Amounts are shown and stored
// rounded half away from zero to two decimals; the database holds whole cents.
class Money
{
public:
    static constexpr qint64 Scale = 10000;        // units per yuan
    static constexpr qint64 UnitsPerCent = 100;
    // Nothing a video shop handles comes near a billion yuan; anything beyond is a typing slip.
    static constexpr qint64 MaxYuan = 999'999'999;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromCents(qint64 cents) { return Money(cents * UnitsPerCent); }
    static constexpr Money fromYuan(qint64 yuan) { return Money(yuan * Scale); }

    enum class Sign { PositiveOnly, AllowNegative };
    // Parses what an operator typed: digits with at most one decimal point and at most four
    // decimals, surrounding blanks ignored, full-width digits accepted. Letters, a second point,
    // a sign where none belongs, an empty text or an amount beyond MaxYuan give nullopt.
    static std::optional<Money> parse(QStringView text, Sign sign = Sign::PositiveOnly);

    constexpr qint64 units() const { return m_units; }
    // Rounded half away from zero to whole cents: the value stored in the database.
    qint64 cents() const;
    Money roundedToCents() const { return fromCents(cents()); }

    // "%0.2f": two decimals, a point, no grouping, rounded half away from zero.
    QString toString() const;
    // The shortest form of the amount rounded to cents: 17, 12.5, -6, 0.05.
    QString toShortString() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    constexpr Money operator+(Money o) const { return Money(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return Money(m_units - o.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money operator*(qint64 n) const { return Money(m_units * n); }
    Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};
