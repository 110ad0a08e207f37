// Thomas' closed-form estimate per 100 mL: 100 * P / sqrt(V- * V).
#pragma once

#include "core/Module1.h"
#include "core/Series.h"

namespace tubewise {

enum class ThomasEnd {
    Defined,    // ThomasDefined true, ThomasMpn holds the new estimate
    Undefined,  // no sample volume in negative tubes: ThomasDefined false
    Fault,      // int16 overflow, negative square root or floating-point fault:
                // ThomasDefined false, ThomasMpn untouched
};

// On the calculation state's series arrays; writes the Thomas fields.
ThomasEnd ComputeThomas(Module1& state);

// The same formula on a series, with the fields it leaves.
struct ThomasResult {
    ThomasEnd end = ThomasEnd::Undefined;
    double mpnPer100Ml = 0;  // meaningful only when end is Defined
    double negativeVolume = 0;
    double negativeVolumePrev = 0;
    double positiveVolume = 0;
    double positiveVolumePrev = 0;
    double totalVolume = 0;
    Int16 positiveTotal = 0;
    Int16 positiveTotalPrev = 0;
    double denominator = 0;
};
ThomasResult ComputeThomas(const Series& series);

// Writes a result into the state as ComputeThomas(state) would: ThomasMpn only when defined.
void StoreThomas(Module1& state, const ThomasResult& thomas);

}  // namespace tubewise
