#pragma once

#include <QString>
#include <QtGlobal>

// Footer and group sums written through a display mask such as "共0.00 元" or "共 0 部".
// The grid stores whole numbers with a scale (cents are (value, 2)); the masks themselves are
// the ones the reports use (ReportMask): '0' a digit always written, '#' one written when
// needed, ',' thousands, '.' the decimals; every other character is printed unchanged; the
// number is rounded half away from zero to the mask's decimals.
namespace GridMask {

// value * 10^-scale written through the mask.
QString format(const QString &mask, qint64 value, int scale);
// For floating point sums (columns of kind Real).
QString format(const QString &mask, double value);

// The number alone, without a mask: integers as they are, scaled values with `scale` decimals.
QString plain(qint64 value, int scale);

} // namespace GridMask
