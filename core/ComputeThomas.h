// Thomas' closed-form estimate per 100 mL: 100 * P / sqrt(V- * V).
#pragma once

#include "core/Series.h"

namespace tubewise {

enum class ThomasEnd {
    Defined,    // mpnPer100Ml holds the estimate
    Undefined,  // no sample volume in negative tubes
    Fault,      // 16-bit overflow of the positive tubes (more than 327 in all, or a count beyond
                // 16 bits), a negative square root or a floating-point fault: not defined either
};

struct ThomasResult {
    ThomasEnd end = ThomasEnd::Undefined;
    double mpnPer100Ml = 0;  // meaningful only when end is Defined

    bool defined() const { return end == ThomasEnd::Defined; }
};

// The formula over the rows in order, with the positive tubes summed and multiplied by 100 in
// 16-bit arithmetic that traps overflow, as the design's counts are.
ThomasResult ComputeThomas(const Series& series);

}  // namespace tubewise
