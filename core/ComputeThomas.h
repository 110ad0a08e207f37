// Thomas' closed-form estimate per 100 mL: 100 * P / sqrt(V- * V).
#pragma once

#include "core/Module1.h"

namespace tubewise {

enum class ThomasEnd {
    Defined,    // ThomasDefined true, ThomasMpn holds the new estimate
    Undefined,  // no sample volume in negative tubes: ThomasDefined false
    Fault,      // int16 overflow, negative square root or floating-point fault:
                // ThomasDefined false, ThomasMpn untouched
};

ThomasEnd ComputeThomas(Module1& state);

}  // namespace tubewise
