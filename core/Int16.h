// 16-bit signed counts whose arithmetic traps overflow instead of wrapping: the grid's tube
// counts and the sums Thomas' formula forms from them.
#pragma once

#include <cstdint>
#include <optional>

namespace tubewise {

using Int16 = std::int16_t;

// nullopt when the exact result lies outside -32768..32767 (an overflow error).
std::optional<Int16> CheckedAdd(Int16 a, Int16 b);
std::optional<Int16> CheckedMultiply(Int16 a, Int16 b);
// Rounds halves to the even neighbour; nullopt for NaN, infinities and out-of-range results.
std::optional<Int16> ToInt16HalfEven(double x);

}  // namespace tubewise
