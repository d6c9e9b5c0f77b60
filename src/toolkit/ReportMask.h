#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Display masks for numbers in reports: "0" stands for a digit that is always shown, "#" for
// one shown only when it matters, "." places the decimal point, "," groups thousands; every
// other character is printed as it stands ("共0.00元", " 共 0 部"). Text between quotes is
// printed as it stands too. A mask may hold up to three sections "positive;negative;zero".
// Numbers are exact: a count of 1/10000 units, rounded half away from zero to the mask's
// decimals, the way Money rounds amounts.
namespace ReportMask {

inline constexpr qint64 UnitsPerOne = 10000;

// Formats units/10000 through mask. An empty mask gives the shortest exact form (17, 12.5).
QString format(qint64 units, const QString &mask);
// The same for value * 10^-scale (scale 0 to 4: counts are (n, 0), cents (n, 2)), exact for
// every 64-bit value.
QString formatScaled(qint64 value, int scale, const QString &mask);
// A floating value, rounded to 1/10000 first; a value beyond any amount as the number stands.
QString formatReal(double value, const QString &mask);

// The exact number a report value stands for, in 1/10000 units: integers, decimals held as
// text and floating values (rounded to four decimals). valueDivisor scales integer storage,
// e.g. 100 for amounts kept as whole cents. Null, empty and non-numeric values give nullopt.
std::optional<qint64> toUnits(const QVariant &value, int valueDivisor = 1);

// A report value as text: through the mask when the value is a number, as it stands otherwise.
QString display(const QVariant &value, const QString &mask, int valueDivisor = 1);

} // namespace ReportMask
