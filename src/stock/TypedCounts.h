#pragma once

#include <QString>

#include <limits>

// The counts typed for a film in the title windows, and their bounds: a set has at least one
// disc, and one entry makes at most as many copies as a shop buys of a film at once (a slip
// of the finger of a few more digits would otherwise add millions of rows).
namespace TypedCounts {

struct Bounds
{
    int min = std::numeric_limits<int>::min();
    int max = std::numeric_limits<int>::max();
};

inline constexpr Bounds DiscsPerSet{1, 99};
inline constexpr Bounds CopiesAtOnce{0, 999};
inline constexpr Bounds AnyInteger{};

enum class Reading { Ok, NotAnInteger, OutOfRange };

// Reads the whole number in text (blanks around it allowed) into *value when it lies within
// bounds; *value is left alone otherwise.
Reading read(const QString &text, Bounds bounds, int *value);

} // namespace TypedCounts
