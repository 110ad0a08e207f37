// The calculation state: every figure of one calculation, read and written in place by the
// windows' handlers and the computations. The program holds exactly one instance for its
// run (the Session owns it); tests make their own fresh instance.
#pragma once

#include <limits>
#include <string>

#include "core/Int16.h"
#include "core/OneBasedArray.h"

namespace tubewise {

inline constexpr int kCurveSize = 10010;  // LambdaGrid / LikelihoodGrid upper bound

struct Module1 {
    // The series as loaded from the grid, one element per dilution (1..DilutionCount).
    OneBasedArray<double> SampleVolume;     // mL of sample per tube
    OneBasedArray<double> PoissonExponent;  // -SampleVolume(j) * candidate density
    OneBasedArray<Int16> PositiveTubes;
    OneBasedArray<Int16> NegativeTubes;
    OneBasedArray<double> DilutionTerm;    // factor of dilution j; 2..n end as partial products
    OneBasedArray<double> RunningProduct;  // partial products of the factors

    Int16 DilutionCount = 0;  // grid rows in use, 1..5 once entered

    // The likelihood curve, 1..kCurveSize; entries past 10001 stay 0.
    OneBasedArray<double> LikelihoodGrid;
    OneBasedArray<double> LambdaGrid;  // candidate densities, organisms per mL

    double MaxLikelihood = 0;  // largest likelihood of the last search
    double MpnPerMl = 0;       // density at which it was found
    double MpnPer100Ml = 0;    // MpnPerMl * 100, set when results are shown

    Flag GridValid = kFalse;
    Flag CountEntered = kFalse;

    // Thomas formula sums, volumes in mL.
    double NegativeVolume = 0;
    double NegativeVolumePrev = 0;
    double ThomasMpn = 0;  // per 100 mL; meaningful only while ThomasDefined
    Flag ThomasDefined = kFalse;

    std::string MpnTitleText;  // MPN figure of the chart title (UTF-8)

    double PositiveVolume = 0;
    double PositiveVolumePrev = 0;
    double TotalVolume = 0;
    Int16 PositiveTotal = 0;
    Int16 PositiveTotalPrev = 0;
    double ThomasDenominator = 0;

    // Kept beside the documented fields for the likelihood that no double can hold: the natural
    // log of the likelihood at MpnPerMl (-infinity when no candidate has a positive likelihood),
    // and whether the products underflowed where the answer lies, so that MaxLikelihood is 0 or
    // below the smallest normal double and the answer came from comparing log-likelihoods.
    double MaxLogLikelihood = -std::numeric_limits<double>::infinity();
    Flag LikelihoodUnderflow = kFalse;
};

// Re-creates the eight arrays of a calculation, every element 0: the series and work arrays
// for DilutionCount rows, the curve for kCurveSize entries (left as they are without `curve`,
// for a caller that replaces every element of them at once).
inline void RecreateArrays(Module1& state, bool curve = true) {
    const int rows = state.DilutionCount;
    state.SampleVolume.Redim(rows);
    state.PoissonExponent.Redim(rows);
    state.PositiveTubes.Redim(rows);
    state.NegativeTubes.Redim(rows);
    state.DilutionTerm.Redim(rows);
    state.RunningProduct.Redim(rows);
    if (!curve) return;
    state.LikelihoodGrid.Redim(kCurveSize);
    state.LambdaGrid.Redim(kCurveSize);
}

}  // namespace tubewise
