// Proven bounds on the rounding of the documented likelihood arithmetic and on the direction in
// which the exact likelihood moves, for series of the usual kind: what lets a search skip
// candidates without ever changing its answer.
#pragma once

#include "core/Series.h"

namespace tubewise {

// The exact likelihood L(l) = prod_j (1 - exp(-v_j l))^p_j exp(-v_j l)^q_j, in exact
// arithmetic on the same doubles v_j and l the search uses. With positive volumes and counts
// that are not negative, ln L is concave in l: a sum of p ln(1 - exp(-v l)), each concave, and
// of -q v l, linear.

// The series is of the usual kind, for which the bounds below hold: 1 to kGridRows rows, every
// volume in [1e-200, 1e200] (so that v * l neither underflows nor overflows), no negative count
// and at least one tube.
bool BoundsApply(const Series& s);

// G with |ln(computed / exact)| <= G for the documented likelihood (core/EstimateMpn.cpp:
// exponent -v * l, exp, 1 - e, IntPower, left-to-right products) at every candidate l in
// [lambdaLow, lambdaHigh] whose computed value is a normal double (at least DBL_MIN). Where the
// computed value is below DBL_MIN the exact value is below 2^-1020 (see the .cpp). +infinity
// when the series is not of the usual kind or no bound below 0.01 can be given (1 - e cancels
// too much for the tiniest volumes).
double RoundingBound(const Series& s, double lambdaLow, double lambdaHigh);

enum class Slope {
    Rising,   // the exact derivative of ln L at l is positive: L rises strictly up to l
    Falling,  // negative: L falls strictly from l on
    Unknown,  // too close to 0 for the rounding of its computation to tell
};

// The sign of d ln L / dl = sum_j p_j v_j / (exp(v_j l) - 1) - sum_j q_j v_j at l, proven
// despite the rounding of its computation. Expects BoundsApply(s) and l > 0.
Slope ExactSlope(const Series& s, double lambda);

}  // namespace tubewise
