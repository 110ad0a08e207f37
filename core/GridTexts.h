// The texts of the tube-data grid as typed: row i holds the cells txtn(i), txtp(i), txtq(i).
#pragma once

#include <array>
#include <string>

namespace tubewise {

struct GridRowTexts {
    std::string volume;    // txtn(i): mL of sample per tube
    std::string positive;  // txtp(i): positive tubes
    std::string negative;  // txtq(i): negative tubes
};

inline constexpr int kGridRows = 5;

// rows[0] is grid row 1.
using GridTexts = std::array<GridRowTexts, kGridRows>;

}  // namespace tubewise
