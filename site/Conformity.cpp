// Verdicts of samples and of site statistics against a limit.
#include "site/Conformity.h"

#include <cmath>
#include <utility>

#include "core/stats/MpnStatistics.h"

namespace tubewise::site {

namespace {

// Continued fraction of the incomplete beta function (modified Lentz).
double BetaFraction(double a, double b, double x) {
    constexpr double kTiny = 1e-300;
    const auto guard = [](double v) { return std::fabs(v) < kTiny ? kTiny : v; };
    double c = 1;
    double d = 1 / guard(1 - (a + b) * x / (a + 1));
    double h = d;
    for (int m = 1; m <= 500; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((a - 1 + m2) * (a + m2));
        d = 1 / guard(1 + aa * d);
        c = guard(1 + aa / c);
        h *= d * c;
        aa = -(a + m) * (a + b + m) * x / ((a + m2) * (a + 1 + m2));
        d = 1 / guard(1 + aa * d);
        c = guard(1 + aa / c);
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-15) break;
    }
    return h;
}

// The regularized incomplete beta function I_x(a, b).
double RegularizedBeta(double a, double b, double x) {
    if (x <= 0) return 0;
    if (x >= 1) return 1;
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) +
                                  a * std::log(x) + b * std::log1p(-x));
    if (x < (a + 1) / (a + b + 2)) return front * BetaFraction(a, b, x) / a;
    return 1 - front * BetaFraction(b, a, 1 - x) / b;
}

// P(T > t) for Student's t with `df` degrees of freedom, t >= 0.
double StudentUpperTail(double t, double df) {
    return 0.5 * RegularizedBeta(df / 2, 0.5, df / (df + t * t));
}

// The p-quantile of Student's t, 0.5 < p < 1, by bisection on the tail.
double StudentQuantile(double p, int df) {
    const double tail = 1 - p;
    double low = 0;
    double high = 1;
    while (StudentUpperTail(high, df) > tail) high *= 2;
    for (int i = 0; i < 200 && high - low > 1e-13 * high; ++i) {
        const double middle = (low + high) / 2;
        (StudentUpperTail(middle, df) > tail ? low : high) = middle;
    }
    return (low + high) / 2;
}

struct Factors {
    double lower;
    double upper;
};

// One-sided tolerance factors k for the percentile mu + z sigma of a normal sample of n at
// `confidence`: mu + k_lower s and mu + k_upper s bound it from below and above.
std::optional<Factors> ToleranceFactors(double z, double confidence, int n) {
    const double zc = stats::NormalQuantile(confidence);
    const double a = 1 - zc * zc / (2.0 * (n - 1));
    const double b = z * z - zc * zc / n;
    const double discriminant = z * z - a * b;
    if (a <= 0 || discriminant < 0) return std::nullopt;
    return Factors{(z - std::sqrt(discriminant)) / a, (z + std::sqrt(discriminant)) / a};
}

// `lowerBound`: the estimate understates the density (samples with every tube positive), so
// it can show that a limit is exceeded but never that it is met.
Verdict Decide(const Conformity& c, bool lowerBound, std::vector<Note>& notes) {
    if (!c.estimatePer100Ml) return Verdict::Inconclusive;
    const double limit = c.limitPer100Ml;
    bool wouldComply = false;
    if (c.rule == DecisionRule::SimpleAcceptance) {
        if (*c.estimatePer100Ml > limit) return Verdict::DoesNotComply;
        wouldComply = true;
    } else {
        if (!c.lowPer100Ml || !c.highPer100Ml) return Verdict::Inconclusive;
        if (*c.lowPer100Ml > limit) return Verdict::DoesNotComply;
        wouldComply = *c.highPer100Ml < limit;
    }
    if (!wouldComply) return Verdict::Inconclusive;
    if (lowerBound) {
        notes.push_back({NoteKind::EstimateIsLowerBound, 0});
        return Verdict::Inconclusive;
    }
    return Verdict::Complies;
}

Conformity JudgeEachSample(std::span<const SiteSample> selected, const LimitProfile& profile,
                           const JudgeOptions& options, const SiteStatistics& statistics) {
    Conformity c;
    c.rule = options.rule;
    c.statistic = profile.statistic;
    c.limitPer100Ml = profile.valuePer100Ml;
    c.samples = statistics.count;
    c.notes = statistics.notes;
    if (selected.empty()) return c;
    bool allComply = true;
    bool anyFails = false;
    bool lowerBoundKeptOpen = false;
    const auto highest = [](std::optional<double>& into, const std::optional<double>& v) {
        if (v && (!into || *v > *into)) into = v;
    };
    for (const SiteSample& s : selected) {
        const Conformity one = JudgeSample(s, profile.valuePer100Ml, options);
        anyFails = anyFails || one.verdict == Verdict::DoesNotComply;
        allComply = allComply && one.verdict == Verdict::Complies;
        highest(c.estimatePer100Ml, one.estimatePer100Ml);
        highest(c.lowPer100Ml, one.lowPer100Ml);
        highest(c.highPer100Ml, one.highPer100Ml);
        for (const Note& note : one.notes)
            lowerBoundKeptOpen = lowerBoundKeptOpen || note.kind == NoteKind::EstimateIsLowerBound;
    }
    if (lowerBoundKeptOpen && !anyFails) c.notes.push_back({NoteKind::EstimateIsLowerBound, 0});
    if (options.rule == DecisionRule::Guarded)
        c.notes.push_back({NoteKind::EachSampleOwnLimits, 0});
    c.verdict =
        anyFails ? Verdict::DoesNotComply : (allComply ? Verdict::Complies : Verdict::Inconclusive);
    return c;
}

}  // namespace

Conformity JudgeSample(const SiteSample& sample, double limitPer100Ml,
                       const JudgeOptions& options) {
    Conformity c;
    c.rule = options.rule;
    c.statistic = LimitStatistic::SingleSample;
    c.limitPer100Ml = limitPer100Ml;
    c.samples = 1;
    c.estimatePer100Ml = CountedValuePer100Ml(sample, options.nonDetects);
    c.lowPer100Ml = sample.ciLowPer100Ml;
    c.highPer100Ml = sample.ciHighPer100Ml;
    if (sample.kind == SampleKind::AllNegative)
        c.notes.push_back({options.nonDetects == NonDetectRule::AtHalfDetectionLimit
                               ? NoteKind::NonDetectsAtHalfDetectionLimit
                               : NoteKind::NonDetectsAtDetectionLimit,
                           1});
    const bool flagged = sample.kind == SampleKind::AllPositive;
    if (flagged) c.notes.push_back({NoteKind::AllPositiveAtHighestFinite, 1});
    // A one-tube series has no figure to stand for none or all of its tube.
    if (!std::isfinite(*c.estimatePer100Ml) || *c.estimatePer100Ml <= 0) {
        c.estimatePer100Ml.reset();
        c.notes = {{NoteKind::NotCountable, 1}};
    }
    c.verdict = Decide(c, flagged, c.notes);
    return c;
}

Conformity JudgeSite(std::span<const SiteSample> samples, const LimitProfile& profile,
                     const JudgeOptions& options) {
    const std::vector<SiteSample> selected = SelectPeriod(samples, profile.period);
    const SiteStatistics statistics =
        ComputeSiteStatistics(selected, {options.nonDetects, profile.valuePer100Ml});
    if (profile.statistic == LimitStatistic::SingleSample)
        return JudgeEachSample(selected, profile, options, statistics);

    Conformity c;
    c.rule = options.rule;
    c.statistic = profile.statistic;
    c.limitPer100Ml = profile.valuePer100Ml;
    c.samples = statistics.count;
    c.notes = statistics.notes;
    const double confidence = (1 + options.level) / 2;
    const int n = statistics.count;
    // A level outside (0, 1) gives no limits: the guarded rule then stays inconclusive.
    const bool levelValid = options.level > 0 && options.level < 1;
    const double sd = statistics.log10StandardDeviation.value_or(0);
    const bool spread = levelValid && statistics.log10StandardDeviation.has_value();
    if (profile.statistic == LimitStatistic::GeometricMean) {
        c.estimatePer100Ml = statistics.geometricMeanPer100Ml;
        if (options.rule == DecisionRule::Guarded && spread) {
            const double half = StudentQuantile(confidence, n - 1) * sd / std::sqrt(n);
            c.lowPer100Ml = std::pow(10.0, *statistics.log10Mean - half);
            c.highPer100Ml = std::pow(10.0, *statistics.log10Mean + half);
            c.notes.push_back({NoteKind::MeanLimitsFromStudentT, 0});
        }
    } else {
        const bool p90 = profile.statistic == LimitStatistic::Percentile90;
        c.estimatePer100Ml =
            p90 ? statistics.percentile90Per100Ml : statistics.percentile95Per100Ml;
        const double z = p90 ? kPercentile90Factor : kPercentile95Factor;
        if (options.rule == DecisionRule::Guarded && spread) {
            if (const auto k = ToleranceFactors(z, confidence, n)) {
                c.lowPer100Ml = std::pow(10.0, *statistics.log10Mean + k->lower * sd);
                c.highPer100Ml = std::pow(10.0, *statistics.log10Mean + k->upper * sd);
                c.notes.push_back({NoteKind::PercentileLimitsFromTolerance, 0});
            }
        }
    }
    if (options.rule == DecisionRule::Guarded && c.estimatePer100Ml && !c.highPer100Ml)
        c.notes.push_back({NoteKind::TooFewForConfidenceLimits, n});
    c.verdict = Decide(c, statistics.flagged > 0, c.notes);
    return c;
}

}  // namespace tubewise::site
