// The display masks of the reports and the grid under arbitrary masks and values. Bytes 0-7
// are a 64-bit value, byte 8 a scale, the rest the mask (at most 64 characters) or a text value.
#include "data/Money.h"
#include "toolkit/GridMask.h"
#include "toolkit/ReportMask.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The decimal digits of value * 10^-scale, exactly, as a reference.
QString exactDecimal(qint64 value, int scale)
{
    const bool negative = value < 0;
    unsigned __int128 m = negative ? (unsigned __int128)(-(value + 1)) + 1 : value;
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(m % 10)));
        m /= 10;
    } while (m != 0);
    if (scale > 0) {
        digits = digits.rightJustified(scale + 1, u'0');
        digits.insert(digits.size() - scale, u'.');
    }
    return negative && value != 0 ? QStringLiteral("-") + digits : digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 9)
        return 0;
    qint64 value = 0;
    std::memcpy(&value, data, 8);
    const int scale = data[8] % 5;
    const QString rest =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9)).left(64);

    // Any mask, any value: no crash, no undefined behaviour.
    ReportMask::format(value, rest);
    GridMask::format(rest, value, scale);
    double real = 0;
    std::memcpy(&real, data, 8);
    GridMask::format(rest, real);
    ReportMask::display(QVariant(rest), QStringLiteral("#,##0.00"), 100);
    ReportMask::display(QVariant(value), rest, 1 + data[8] % 100);
    ReportMask::toUnits(QVariant(rest), 100);

    // A mask with exactly `scale` decimals shows the value exactly, at every 64-bit value.
    const QString mask = scale == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(scale, u'0');
    require(GridMask::format(mask, value, scale) == exactDecimal(value, scale));
    require(GridMask::plain(value, scale) == exactDecimal(value, scale));

    // Amounts in cents show as Money shows them.
    if (const auto m = Money::tryFromCents(value))
        require(GridMask::format(QStringLiteral("0.00"), value, 2) == m->toString());

    // A number written with four decimals reads back as the same count of 1/10000.
    const QString four = ReportMask::format(value, QStringLiteral("0.0000"));
    require(four == exactDecimal(value, 4));
    const auto back = ReportMask::toUnits(QVariant(four));
    require(!back || *back == value);
    return 0;
}
