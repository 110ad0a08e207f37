// Overflow-trapping 16-bit arithmetic and the rounding conversion to 16 bits.
#include "core/Int16.h"

#include <cmath>
#include <limits>

namespace tubewise {

namespace {

std::optional<Int16> Narrow(long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return static_cast<Int16>(value);
}

}  // namespace

std::optional<Int16> CheckedAdd(Int16 a, Int16 b) {
    return Narrow(long{a} + long{b});
}

std::optional<Int16> CheckedMultiply(Int16 a, Int16 b) {
    return Narrow(long{a} * long{b});
}

std::optional<Int16> ToInt16HalfEven(double x) {
    // Outside this window the rounded value cannot fit; checking first keeps the cast below
    // defined. -32768.5 rounds to the even -32768 and still fits; 32767.5 rounds to 32768.
    if (!(x >= -32768.5 && x < 32767.5)) return std::nullopt;
    const double below = std::floor(x);
    const double fraction = x - below;  // exact: both lie within the same binade or below it
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    return Narrow(static_cast<long>(rounded));
}

}  // namespace tubewise
