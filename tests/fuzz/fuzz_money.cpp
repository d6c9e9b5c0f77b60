// Money's parsing, display and checked arithmetic under arbitrary input. The first 17 bytes
// feed the arithmetic (two 64-bit values and an operation); all bytes, as text, the parser.
#include "data/Money.h"

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

// A parsed amount shows, in both forms, a text that parses back to the amount in cents.
void checkDisplay(Money m)
{
    require(Money::unitsInRange(m.units()));
    require(Money::centsInRange(m.cents()));
    const Money rounded = m.roundedToCents();
    require(Money::tryFromCents(m.cents()) == rounded);
    const bool typable = m.cents() <= Money::MaxTypedCents && m.cents() >= -Money::MaxTypedCents;
    for (const QString &shown : {m.toString(), m.toShortString()}) {
        const auto back = Money::parseShown(shown);
        require(back.has_value());
        require(*back == rounded);
        require(Money::parse(shown, Money::Sign::AllowNegative).has_value() == typable);
    }
}

void checkArithmetic(qint64 a, qint64 b, uint8_t op)
{
    const auto x = Money::tryFromUnits(a);
    if (!x)
        return;
    using Wide = __int128;
    const auto expect = [](Wide v) {
        return v >= -Money::MaxUnits && v <= Money::MaxUnits ? std::optional<qint64>(qint64(v))
                                                             : std::nullopt;
    };
    std::optional<Money> got;
    std::optional<qint64> want;
    switch (op % 3) {
    case 0: {
        const auto y = Money::tryFromUnits(b);
        if (!y)
            return;
        got = x->plus(*y);
        want = expect(Wide(a) + b);
        break;
    }
    case 1: {
        const auto y = Money::tryFromUnits(b);
        if (!y)
            return;
        got = x->minus(*y);
        want = expect(Wide(a) - b);
        break;
    }
    default:
        got = x->times(b);
        want = expect(Wide(a) * b);
        break;
    }
    require(got.has_value() == want.has_value());
    if (got) {
        require(got->units() == *want);
        checkDisplay(*got);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= 17) {
        qint64 a = 0;
        qint64 b = 0;
        std::memcpy(&a, data, 8);
        std::memcpy(&b, data + 8, 8);
        checkArithmetic(a, b, data[16]);
        checkArithmetic(a % (Money::MaxUnits + 1), b % 1'000'000'000, data[16]);
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (Money::Sign sign : {Money::Sign::PositiveOnly, Money::Sign::AllowNegative}) {
        if (const auto m = Money::parse(text, sign)) {
            require(sign == Money::Sign::AllowNegative || !m->isNegative());
            require(m->cents() <= Money::MaxTypedCents && m->cents() >= -Money::MaxTypedCents);
            require(Money::parseShown(text) == m);
            checkDisplay(*m);
        }
    }
    if (const auto m = Money::parseShown(text))
        checkDisplay(*m);
    return 0;
}
