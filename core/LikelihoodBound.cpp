// Rounding bounds of the documented likelihood arithmetic and the proven sign of the exact score.
#include "core/LikelihoodBound.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tubewise {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kUnit = std::numeric_limits<double>::epsilon() / 2;  // u = 2^-53

// glibc's exp, expm1 and pow are documented within 1 ulp (exp and pow correctly rounded in
// most cases); an ulp is at most 2u relative. Four ulps are allowed for each call.
constexpr double kCallError = 8 * kUnit;

// Volumes inside this range keep v * l (l from 0.001 to 10.001) a normal double.
constexpr double kSmallestVolume = 1e-200;
constexpr double kLargestVolume = 1e200;

constexpr double kLargestBound = 0.01;

}  // namespace

bool BoundsApply(const Series& s) {
    if (s.count() < 1 || s.count() > kGridRows) return false;
    bool anyTube = false;
    for (int j = 0; j < s.count(); ++j) {
        const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
        if (!(row.volume >= kSmallestVolume && row.volume <= kLargestVolume)) return false;
        if (row.positive < 0 || row.negative < 0) return false;
        anyTube = anyTube || row.positive > 0 || row.negative > 0;
    }
    return anyTube;
}

// The argument, for one candidate l and one row (v, p, q), y = v * l exact, e = exp(-y):
//  - the exponent x^ = -fl(v * l) is within u * y of -y, so exp(x^) is within a factor
//    exp(u * y) of e, and the computed e^ within a further call error: |ln(e^ / e)| <= ge =
//    u * y + kCallError while e^ is normal; below DBL_MIN the call's error is a few multiples of
//    2^-1074, so in every case |e^ - e| <= e * (exp(ge) - 1) + 2^-1070;
//  - b^ = fl(1 - e^) is exact for e^ >= 1/2 and rounded by u otherwise, so its relative error
//    against 1 - e is rho <= |e^ - e| / (1 - e) + 2u; the division by 1 - e is the
//    amplification by e / (1 - e) = 1 / expm1(y) that makes tiny volumes hard; |ln(b^ / b)| <=
//    gb = rho / (1 - rho);
//  - pow raises the relative error to the power: |ln(b^^p / b^p)| <= p * gb, plus its own call
//    error (none for the exponents 0 and 1, which IntPower does without a call); likewise
//    p * ge for e^q; the factor's product and each product of factors add u.
// So |ln(computed / exact)| <= G, the sum over rows, at every candidate whose computed value
// (and with it every value multiplied into it, all of them at most 1) is a normal double.
// Over a range of candidates u * y is largest at the largest l and 1 / expm1(y) at the smallest,
// which bounds both at once. Where the computed likelihood is below DBL_MIN, consider the first
// value multiplied into it that was computed below DBL_MIN: everything it came from is normal
// and within its bound (or it is e^ or b^ itself, whose absolute error is bounded above), so
// the exact counterpart is below 2^-1021 * exp(G), and the exact likelihood, a product of
// factors at most 1 including that one, is below 2^-1020.
double RoundingBound(const Series& s, double lambdaLow, double lambdaHigh) {
    if (!BoundsApply(s) || !(lambdaLow > 0) || !(lambdaHigh >= lambdaLow)) return kInfinity;
    double total = 0;
    for (int j = 0; j < s.count(); ++j) {
        const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
        const double yHigh = row.volume * lambdaHigh * (1 + 4 * kUnit);
        const double yLow = row.volume * lambdaLow * (1 - 4 * kUnit);
        const double ge = kUnit * yHigh * 1.01 + kCallError;
        double gA = 0;
        if (row.positive > 0) {
            const double ratio = 1.01 / std::expm1(yLow);                   // e / (1 - e), largest
            const double absolute = 1.01 * 0x1p-1070 / -std::expm1(-yLow);  // 2^-1070 / (1 - e)
            const double rho = (ratio * std::expm1(ge) * 1.01 + absolute) * 1.01 + 2 * kUnit;
            if (!(rho < 0.25)) return kInfinity;
            const double gb = rho / (1 - rho) * 1.01;
            gA = row.positive == 1 ? gb : row.positive * gb + kCallError;
        }
        const double gB = row.negative == 0   ? 0.0
                          : row.negative == 1 ? ge
                                              : row.negative * ge + kCallError;
        total += gA + gB + 2 * kUnit;
    }
    total += s.count() * 2 * kUnit;
    // The sum above is itself computed in doubles: a tenth more and a margin cover it.
    total = total * 1.1 + 64 * kUnit;
    return total <= kLargestBound ? total : kInfinity;
}

// A = sum p v / expm1(v l), Q = sum q v. Each term of A: v * l rounded by u changes expm1 by a
// factor within exp(u * (y + 1)) (its log-derivative is 1 + 1 / expm1(y) <= 1 + 1 / y), expm1
// adds its call error, p * v and the division u each: relative (y + 11) u, taken as (y + 16) u.
// Sums of positive terms add u per term. A term whose expm1 overflows (y > 709) is left out:
// its exact value is below p v e^-709 < p v 1e-300, which only A's upper side must allow for.
Slope ExactSlope(const Series& s, double lambda) {
    double a = 0;
    double q = 0;
    double largestY = 0;
    double leftOut = 0;
    for (int j = 0; j < s.count(); ++j) {
        const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
        if (row.positive > 0) {
            const double y = row.volume * lambda;
            const double d = std::expm1(y);
            if (std::isinf(d)) {
                leftOut += row.positive * row.volume * 1e-300;
            } else {
                a += row.positive * row.volume / d;
                largestY = std::max(largestY, y);
            }
        }
        if (row.negative > 0) q += row.negative * row.volume;
    }
    const double errorA = ((largestY + 16) * 1.1 + 4 * s.count()) * kUnit;
    const double errorQ = (4 * s.count() + 4) * kUnit;
    // Each comparison side is rounded once more by the multiplication: 4u more on each.
    if (a * (1 - errorA - 4 * kUnit) > q * (1 + errorQ + 4 * kUnit)) return Slope::Rising;
    // The left-out terms must be negligible beside Q for the falling side to be proven.
    const double slackShare = leftOut > 0 ? 2e-9 : 0.0;
    if (leftOut > q * 1e-9) return Slope::Unknown;
    if (a * (1 + errorA + 4 * kUnit) < q * (1 - errorQ - 4 * kUnit - slackShare))
        return Slope::Falling;
    return Slope::Unknown;
}

}  // namespace tubewise
