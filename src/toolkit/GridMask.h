#pragma once

#include <QString>
#include <QtGlobal>

// Display masks of footer and group sums, such as "共0.00 元" or "共 0 部".
//
// The first run of digit placeholders in the mask is the number: '0' is a digit that is always
// written, '#' one written only when needed, ',' between them asks for thousands separators,
// and a '.' followed by placeholders gives the decimals ("0.00" two, "0" none). Every other
// character is printed unchanged. The number is rounded half away from zero to the decimals
// of the mask; a negative number gets its '-' right before its digits ("共-5.00 元").
namespace GridMask {

struct Pattern
{
    QString prefix;
    QString suffix;
    int minIntegerDigits = 1;
    int decimals = 0;
    int requiredDecimals = 0; // '0' after the point: kept even when they are zeros
    bool grouping = false;
    bool hasNumber = false; // a mask without placeholders prints only its text
};

Pattern parse(const QString &mask);

// value * 10^-scale written through the mask; e.g. cents are (cents, 2).
QString format(const QString &mask, qint64 value, int scale);
QString format(const Pattern &pattern, qint64 value, int scale);
// For floating point sums (columns of kind Real).
QString format(const QString &mask, double value);

// The number alone, without a mask: integers as they are, scaled values with `scale` decimals.
QString plain(qint64 value, int scale);

} // namespace GridMask
