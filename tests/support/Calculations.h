// Calculations made by hand for the tests of what shows them: the figures a valid search and
// Thomas' formula would leave, without going through the estimator.
#pragma once

#include "core/Calculation.h"

namespace tubewise::testing {

inline Calculation ShownCalculation(int dilutions, double maxLikelihood, double mpnPerMl,
                                    bool thomasDefined, double thomasPer100Ml) {
    Calculation calc;
    calc.dilutions = dilutions;
    calc.search.gridValid = true;
    calc.search.end = SearchEnd::Completed;
    calc.search.maxLikelihood = maxLikelihood;
    calc.search.mpnPerMl = mpnPerMl;
    calc.thomas = thomasDefined ? ThomasResult{ThomasEnd::Defined, thomasPer100Ml}
                                : ThomasResult{ThomasEnd::Undefined, 0};
    return calc;
}

}  // namespace tubewise::testing
