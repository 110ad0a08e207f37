// Exact MLE, bias adjustment, confidence limits and rarity index of a dilution series.
#include "core/stats/MpnStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tubewise::stats {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Wider spreads of volumes than this would push v * density out of double range.
constexpr double kMaxVolumeRatio = 1e150;

// Densities are computed per "largest volume" rather than per mL: every product of a volume
// and a density then stays in range whatever magnitudes the caller's volumes have.
struct Scaled {
    std::span<const Dilution> series;
    double largest = 0;  // mL of the largest volume

    explicit Scaled(std::span<const Dilution> s) : series(s) {
        for (const Dilution& d : s) largest = std::max(largest, d.volumeMl);
    }
    double Volume(const Dilution& d) const { return d.volumeMl / largest; }
};

// ln(1 - exp(-x)) for x > 0 without cancellation at either end.
double Log1MinusExpNeg(double x) {
    return x < 0.6931471805599453 ? std::log(-std::expm1(-x)) : std::log1p(-std::exp(-x));
}

// u / (exp(u l) - 1), finite for every u, l > 0: it tends to 1 / l as u l goes to 0 and to 0
// once exp overflows.
double VolumeOverExpm1(double u, double l) {
    const double x = u * l;
    if (x < 1e-12) return (1.0 - 0.5 * x) / l;
    return u / std::expm1(x);
}

struct ValueSlope {
    double value;
    double slope;  // derivative with respect to t = ln(density)
};

// Root in t of a monotone function whose values at tLeft and tRight have opposite signs:
// Newton steps, replaced by bisection whenever a step would leave the bracket or is not a
// number, so the iteration always ends.
template <typename F>
double SolveMonotone(F&& f, double tLeft, double tRight, double tStart, bool positiveOnLeft) {
    double t = tStart;
    for (int i = 0; i < 300; ++i) {
        const ValueSlope vs = f(t);
        if (vs.value == 0) return t;
        if ((vs.value > 0) == positiveOnLeft) {
            tLeft = t;
        } else {
            tRight = t;
        }
        double next = t - vs.value / vs.slope;
        if (!(next > tLeft && next < tRight)) next = 0.5 * (tLeft + tRight);
        const double tolerance = 1e-14 * (1.0 + std::abs(t));
        if (std::abs(next - t) <= tolerance || tRight - tLeft <= tolerance) return next;
        t = next;
    }
    return t;
}

// Poisson log-likelihood without the binomial coefficients, density in scaled units.
double LogLikelihood(const Scaled& s, double l) {
    double sum = 0;
    for (const Dilution& d : s.series) {
        const double x = s.Volume(d) * l;
        if (d.positives > 0) sum += d.positives * Log1MinusExpNeg(x);
        sum -= (d.tubes - d.positives) * x;
    }
    return sum;
}

// Score of the log-likelihood, sum p u / (exp(u l) - 1) - sum q u.
double Score(const Scaled& s, double l) {
    double a = 0;
    double q = 0;
    for (const Dilution& d : s.series) {
        const double u = s.Volume(d);
        a += d.positives * VolumeOverExpm1(u, l);
        q += (d.tubes - d.positives) * u;
    }
    return a - q;
}

// Observed information -l''(l) = sum p u^2 e^(ul) / (e^(ul) - 1)^2, in scaled units.
double ObservedInformation(const Scaled& s, double l) {
    double sum = 0;
    for (const Dilution& d : s.series) {
        if (d.positives == 0) continue;
        const double u = s.Volume(d);
        const double r = VolumeOverExpm1(u, l);
        sum += d.positives * (u * r + r * r);
    }
    return sum;
}

// Upper-tail normal quantile z with P(Z > z) = tail, and the matching chi-square(1) cut-off.
double UpperNormal(double tail) {
    return -NormalQuantile(tail);
}

// ln(binomial(n, p)) - ln(binomial(n, m)): by the ratios of neighbouring coefficients when p
// and m are close (exact to rounding), by log-gamma when they are far apart (lgamma_r, as
// lgamma's sign output is shared between threads).
double LogBinomialRatio(int n, int p, int m) {
    if (std::abs(p - m) > 64) {
        int sign = 0;
        const auto logFactorial = [&sign](int k) { return lgamma_r(k + 1.0, &sign); };
        return logFactorial(m) + logFactorial(n - m) - logFactorial(p) - logFactorial(n - p);
    }
    double sum = 0;
    for (int i = p + 1; i <= m; ++i) sum += std::log(static_cast<double>(i) / (n - i + 1));
    for (int i = m + 1; i <= p; ++i) sum += std::log(static_cast<double>(n - i + 1) / i);
    return sum;
}

// Density (scaled) at which every tube is positive with probability `tail`.
double AllPositiveBound(const Scaled& s, double tail) {
    const double logTail = std::log(tail);
    // sum_j n_j ln(1 - e^(-u_j l)) lies between one dilution's term and N times the
    // smallest-volume term, which gives a bracket in closed form.
    double lower = 0;
    double smallest = kInfinity;
    int total = 0;
    for (const Dilution& d : s.series) {
        if (d.tubes == 0) continue;
        const double u = s.Volume(d);
        lower = std::max(lower, -std::log(-std::expm1(logTail / d.tubes)) / u);
        smallest = std::min(smallest, u);
        total += d.tubes;
    }
    const double upper = -std::log(-std::expm1(logTail / total)) / smallest;
    if (!(upper > lower)) return lower;
    auto f = [&](double t) {
        const double l = std::exp(t);
        double g = -logTail;
        double slope = 0;
        for (const Dilution& d : s.series) {
            if (d.tubes == 0) continue;
            const double u = s.Volume(d);
            g += d.tubes * Log1MinusExpNeg(u * l);
            slope += d.tubes * VolumeOverExpm1(u, l);
        }
        return ValueSlope{g, slope * l};
    };
    const double tLow = std::log(lower);
    const double tHigh = std::log(upper);
    return std::exp(SolveMonotone(f, tLow, tHigh, 0.5 * (tLow + tHigh), false));
}

// Likelihood-ratio limit on one side of the MLE (scaled units).
double LikelihoodRatioLimit(const Scaled& s, double mle, double cutoff, double start,
                            bool upperSide) {
    const double peak = LogLikelihood(s, mle);
    auto f = [&](double t) {
        const double l = std::exp(t);
        return ValueSlope{2.0 * (peak - LogLikelihood(s, l)) - cutoff, -2.0 * l * Score(s, l)};
    };
    const double tMle = std::log(mle);
    // Widen from the log-normal guess until the deviance passes the cut-off.
    double tFar = std::log(start);
    if (!std::isfinite(tFar) || (upperSide ? tFar <= tMle : tFar >= tMle)) {
        tFar = upperSide ? tMle + 1.0 : tMle - 1.0;
    }
    double step = std::abs(tFar - tMle);
    for (int i = 0; i < 200 && !(f(tFar).value > 0); ++i) {
        tFar += upperSide ? step : -step;
        step *= 2;
    }
    if (upperSide) return std::exp(SolveMonotone(f, tMle, tFar, tFar, false));
    return std::exp(SolveMonotone(f, tFar, tMle, tFar, true));
}

}  // namespace

std::string_view CiMethodName(CiMethod method) {
    return method == CiMethod::Jarvis ? "jarvis" : "lr";
}

std::optional<CiMethod> ParseCiMethod(std::string_view name) {
    if (name == "jarvis") return CiMethod::Jarvis;
    if (name == "lr") return CiMethod::LikelihoodRatio;
    return std::nullopt;
}

std::string_view SeriesFaultText(SeriesFault fault) {
    switch (fault) {
        case SeriesFault::None:
            return "";
        case SeriesFault::NoDilutions:
            return "no dilutions";
        case SeriesFault::VolumeNotPositive:
            return "volume must be a positive number";
        case SeriesFault::VolumesTooFarApart:
            return "volumes differ by more than 150 orders of magnitude";
        case SeriesFault::NegativeCount:
            return "tube counts must not be negative";
        case SeriesFault::PositivesExceedTubes:
            return "more positive tubes than tubes";
        case SeriesFault::NoTubes:
            return "no tubes at all";
        case SeriesFault::LevelOutOfRange:
            return "confidence level must lie strictly between 0 and 1";
        case SeriesFault::CellNotConvertible:
            return "a cell is not a number or a count is out of range";
        case SeriesFault::BeyondRange:
            return "the estimate lies beyond the largest number the program can hold (volumes too "
                   "small)";
    }
    return "";
}

SeriesCheck CheckSeries(std::span<const Dilution> series) {
    if (series.empty()) return {SeriesFault::NoDilutions, 0};
    double smallest = kInfinity;
    double largest = 0;
    int tubes = 0;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const Dilution& d = series[i];
        const int row = static_cast<int>(i) + 1;
        if (!(d.volumeMl > 0) || !std::isfinite(d.volumeMl)) {
            return {SeriesFault::VolumeNotPositive, row};
        }
        if (d.tubes < 0 || d.positives < 0) return {SeriesFault::NegativeCount, row};
        if (d.positives > d.tubes) return {SeriesFault::PositivesExceedTubes, row};
        smallest = std::min(smallest, d.volumeMl);
        largest = std::max(largest, d.volumeMl);
        // Saturate rather than overflow: only "any tubes at all" matters here.
        tubes = std::min(tubes + d.tubes, 1 << 30);
    }
    if (largest / smallest > kMaxVolumeRatio) return {SeriesFault::VolumesTooFarApart, 0};
    if (tubes == 0) return {SeriesFault::NoTubes, 0};
    return {};
}

Mle ExactMle(std::span<const Dilution> series) {
    const Scaled s(series);
    double positives = 0;       // P
    double negatives = 0;       // Q = sum q u
    double positiveVolume = 0;  // sum p u
    for (const Dilution& d : series) {
        const double u = s.Volume(d);
        positives += d.positives;
        negatives += static_cast<double>(d.tubes - d.positives) * u;
        positiveVolume += d.positives * u;
    }
    if (positives == 0) return {MleKind::Zero, 0};
    if (negatives == 0) return {MleKind::Infinite, kInfinity};

    // 1/(e^x - 1) lies between 1/x - 1/2 and 1/x, so the root lies between
    // P / (Q + sum p u / 2) and P / Q.
    const double tLow = std::log(positives / (negatives + 0.5 * positiveVolume));
    const double tHigh = std::log(positives / negatives);
    const double logNegatives = std::log(negatives);
    // ln(sum p u / (e^(ul) - 1)) - ln Q falls steadily in t = ln l.
    auto f = [&](double t) {
        const double l = std::exp(t);
        double a = 0;
        double slope = 0;
        for (const Dilution& d : series) {
            if (d.positives == 0) continue;
            const double u = s.Volume(d);
            const double r = VolumeOverExpm1(u, l);
            a += d.positives * r;
            slope += d.positives * (u * r + r * r);
        }
        return ValueSlope{std::log(a) - logNegatives, -l * slope / a};
    };
    // From the upper end the Newton steps approach the root from above without overshooting.
    const double t = SolveMonotone(f, tLow, tHigh, tHigh, true);
    return {MleKind::Finite, std::exp(t) / s.largest};
}

std::optional<double> BiasAdjustedMle(std::span<const Dilution> series, const Mle& mle) {
    if (mle.kind == MleKind::Zero) return 0.0;
    if (mle.kind == MleKind::Infinite) return std::nullopt;
    const Scaled s(series);
    const double l = mle.perMl * s.largest;
    double information = 0;  // sum n u^2 w
    double third = 0;        // sum n u^3 w
    for (const Dilution& d : series) {
        const double u = s.Volume(d);
        const double r = VolumeOverExpm1(u, l);
        information += d.tubes * u * r;
        third += d.tubes * u * u * r;
    }
    const double bias = third / (2.0 * information * information);
    // A first-order correction as large as the estimate itself (patterns whose largest
    // volume is nearly all positive while small volumes are positive) says nothing.
    if (!(bias < l)) return std::nullopt;
    return (l - bias) / s.largest;
}

ConfidenceLimits ComputeLimits(std::span<const Dilution> series, const Mle& mle,
                               const StatisticsOptions& options) {
    const Scaled s(series);
    const double twoSidedTail = 0.5 * (1.0 - options.level);
    const double boundTail =
        options.method == CiMethod::Jarvis ? twoSidedTail : 1.0 - options.level;

    if (mle.kind == MleKind::Zero) {
        double volume = 0;  // sum n u
        for (const Dilution& d : series) volume += d.tubes * s.Volume(d);
        return {0.0, -std::log(boundTail) / volume / s.largest};
    }
    if (mle.kind == MleKind::Infinite) {
        return {AllPositiveBound(s, boundTail) / s.largest, kInfinity};
    }

    const double l = mle.perMl * s.largest;
    const double z = UpperNormal(twoSidedTail);
    const double seLog = 1.0 / (l * std::sqrt(ObservedInformation(s, l)));
    const double low = l * std::exp(-z * seLog);
    const double high = l * std::exp(z * seLog);
    if (options.method == CiMethod::Jarvis) return {low / s.largest, high / s.largest};

    const double cutoff = z * z;
    return {LikelihoodRatioLimit(s, l, cutoff, low, false) / s.largest,
            LikelihoodRatioLimit(s, l, cutoff, high, true) / s.largest};
}

double RarityIndex(std::span<const Dilution> series, const Mle& mle) {
    if (mle.kind != MleKind::Finite) return 1.0;
    const Scaled s(series);
    const double l = mle.perMl * s.largest;
    double logRatio = 0;
    for (const Dilution& d : series) {
        if (d.tubes == 0) continue;
        const double x = s.Volume(d) * l;
        const double positive = -std::expm1(-x);
        // The binomial's mode is floor((n + 1) pi), or n when pi rounds to 1.
        const int mode =
            std::min(d.tubes, static_cast<int>(std::floor((d.tubes + 1.0) * positive)));
        const double logOdds = x + Log1MinusExpNeg(x);
        logRatio += LogBinomialRatio(d.tubes, d.positives, mode) + (d.positives - mode) * logOdds;
    }
    return std::min(1.0, std::exp(logRatio));
}

MpnStatistics ComputeStatistics(std::span<const Dilution> series,
                                const StatisticsOptions& options) {
    MpnStatistics out;
    out.method = options.method;
    out.level = options.level;
    out.check = CheckSeries(series);
    if (out.check.fault == SeriesFault::None && !(options.level > 0 && options.level < 1)) {
        out.check = {SeriesFault::LevelOutOfRange, 0};
    }
    if (out.check.fault != SeriesFault::None) return out;
    out.mle = ExactMle(series);
    out.biasAdjustedPerMl = BiasAdjustedMle(series, out.mle);
    out.limits = ComputeLimits(series, out.mle, options);
    out.rarityIndex = RarityIndex(series, out.mle);
    out.improbable = out.rarityIndex < kImprobableBelow;
    // A finite estimate whose figure per mL overflowed, or a lower limit that did: no figure
    // would be true, so none is given, and the reason is said. (An upper limit beyond every
    // number is an open upper side, which the figures already say.)
    const bool overflowed = (out.mle.kind == MleKind::Finite && !std::isfinite(out.mle.perMl)) ||
                            !std::isfinite(out.limits.lowPerMl);
    if (overflowed) {
        MpnStatistics refused;
        refused.method = options.method;
        refused.level = options.level;
        refused.check = {SeriesFault::BeyondRange, 0};
        return refused;
    }
    return out;
}

double NormalQuantile(double p) {
    if (!(p > 0 && p < 1)) {
        if (p == 0) return -kInfinity;
        if (p == 1) return kInfinity;
        return kNaN;
    }
    // Acklam's rational approximation (relative error 1.15e-9) ...
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                                   -2.759285104469687e+02, 1.383577518672690e+02,
                                   -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                                   -1.556989798598866e+02, 6.680131188771972e+01,
                                   -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                                   -2.400758277161838e+00, -2.549732539343734e+00,
                                   4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01,
                                   2.445134137142996e+00, 3.754408661907416e+00};
    constexpr double kLow = 0.02425;
    double x;
    if (p < kLow || p > 1 - kLow) {
        const double q = std::sqrt(-2 * std::log(p < kLow ? p : 1 - p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
        if (p > 1 - kLow) x = -x;
    } else {
        const double q = p - 0.5;
        const double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    }
    // ... polished by two Halley steps on the exact normal distribution function.
    for (int i = 0; i < 2; ++i) {
        const double e = 0.5 * std::erfc(-x / std::sqrt(2.0)) - p;
        const double u = e * std::sqrt(2 * 3.14159265358979323846) * std::exp(0.5 * x * x);
        x -= u / (1 + 0.5 * x * u);
    }
    return x;
}

}  // namespace tubewise::stats
