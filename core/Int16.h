// 16-bit signed counts whose arithmetic traps overflow instead of wrapping, and the
// 16-bit flag type (-1 true, 0 false) of the calculation state.
#pragma once

#include <cstdint>
#include <optional>

namespace tubewise {

using Int16 = std::int16_t;

// Flags hold exactly -1 (true) or 0 (false).
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline constexpr Flag ToFlag(bool b) {
    return b ? kTrue : kFalse;
}

// nullopt when the exact result lies outside -32768..32767 (an overflow error).
std::optional<Int16> CheckedAdd(Int16 a, Int16 b);
std::optional<Int16> CheckedMultiply(Int16 a, Int16 b);
// Rounds halves to the even neighbour; nullopt for NaN, infinities and out-of-range results.
std::optional<Int16> ToInt16HalfEven(double x);

}  // namespace tubewise
