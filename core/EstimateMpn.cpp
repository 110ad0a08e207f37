// The maximum-likelihood search over the 10000 candidate densities: the full search with its
// curve, and the answer alone from a proven window of candidates.
#include "core/EstimateMpn.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/LikelihoodBound.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {

namespace {

constexpr double kFirstCandidate = 0.001;  // organisms per mL
constexpr double kStep = 0.001;            // added to the previous candidate, never i * step

// An integer power as std::pow gives it; exponents 0 and 1 have exact results without a call.
inline double IntPower(double base, int n) {
    if (n == 0) return 1.0;
    if (n == 1) return base;
    return std::pow(base, static_cast<double>(n));
}

// Every value is finite until a fault, so a non-finite result is exactly an overflow, a
// division by zero or an invalid operation; an underflow to 0 is not.
inline bool Finite(double v) {
    return std::isfinite(v);
}

// The factors and partial products of one candidate, row by row as the procedure forms them.
struct WorkRows {
    std::vector<double> term;
    std::vector<double> product;
    explicit WorkRows(int rows)
        : term(static_cast<std::size_t>(rows)), product(static_cast<std::size_t>(rows)) {}
};

// One candidate evaluated statement by statement in the order the procedure forms its values,
// so that a fault is found exactly where the procedure meets it (r.stop names the candidate and
// the row, row 0 in the products) and the curve entry is written only once the products are
// complete. While the first candidate is evaluated the rows are loaded from `loading` as they
// are met.
bool EvaluateInPlace(SearchResult& r, const double* lambda, double* likelihoods,
                     const SeriesLoad* loading, int i, bool compare) {
    const int n = r.loaded.series.count();
    WorkRows w(n);
    for (int j = 1; j <= n; ++j) {
        r.stop = {i, j};
        SeriesRow& row = r.loaded.series.rows[static_cast<std::size_t>(j - 1)];
        if (loading) {
            const int cells = std::clamp(loading->loadedCells - 3 * (j - 1), 0, 3);
            const SeriesRow& from = loading->series.rows[static_cast<std::size_t>(j - 1)];
            if (cells >= 1) row.volume = from.volume;
            if (cells >= 2) row.positive = from.positive;
            if (cells >= 3) row.negative = from.negative;
            r.loaded.loadedCells += cells;
            if (cells < 3) return false;  // this cell did not convert
        }
        const std::size_t at = static_cast<std::size_t>(j - 1);
        const double exponent = -row.volume * lambda[i];
        if (!Finite(exponent)) return false;
        const double negativeChance = std::exp(exponent);
        if (!Finite(negativeChance)) return false;
        const double positiveChance = 1.0 - negativeChance;
        const double factor =
            IntPower(positiveChance, row.positive) * IntPower(negativeChance, row.negative);
        if (!Finite(factor)) return false;
        w.term[at] = factor;
    }
    r.stop = {i, 0};
    double& likelihood = likelihoods[i];
    if (n >= 2) {
        for (std::size_t k = 0; k + 1 < static_cast<std::size_t>(n); ++k) {
            w.product[k] = w.term[k];
            const double product = w.term[k + 1] * w.product[k];
            if (!Finite(product)) return false;
            w.product[k] = product;
            w.term[k + 1] = w.product[k];
            likelihood = w.product[k];
        }
    } else {
        likelihood = w.term[0];
    }
    if (compare && r.maxLikelihood < likelihood) {
        r.maxLikelihood = likelihood;
        r.mpnPerMl = lambda[i];
    }
    return true;
}

// Likelihoods of candidates [from, to) into out[], with the same operations in the same order
// as EvaluateInPlace. Returns the first candidate that faults, or `to`. `rows` is the caller's
// local copy: through a reference the rows would be loaded again after every libm call.
template <class Rows>
int LikelihoodsOf(const Rows& rows, int count, const double* lambda, double* out, int from,
                  int to) {
    // |v * l| only grows with l, so exponents finite at the range's largest density are finite
    // at every one before it. Then one test per candidate finds the same first fault: a factor
    // that is not finite leaves every later product infinite or not a number (inf * 0 too).
    bool exponentsFinite = true;
    for (int j = 0; j < count; ++j)
        exponentsFinite =
            exponentsFinite && Finite(-rows[static_cast<std::size_t>(j)].volume * lambda[to - 1]);
    for (int i = from; i < to; ++i) {
        const double lam = lambda[i];
        double product = 0;
        for (int j = 0; j < count; ++j) {
            const SeriesRow& row = rows[static_cast<std::size_t>(j)];
            const double exponent = -row.volume * lam;
            const double negativeChance = std::exp(exponent);
            const double factor = IntPower(1.0 - negativeChance, row.positive) *
                                  IntPower(negativeChance, row.negative);
            if (!exponentsFinite && (!Finite(exponent) || !Finite(factor))) return i;
            product = j == 0 ? factor : factor * product;
        }
        if (!Finite(product)) return i;
        out[i] = product;
    }
    return to;
}

int Likelihoods(const Series& series, const double* lambda, double* out, int from, int to) {
    if (from >= to) return to;
    const int count = series.count();
    if (count <= kGridRows) {
        std::array<SeriesRow, kGridRows> rows{};
        std::copy(series.rows.begin(), series.rows.end(), rows.begin());
        return LikelihoodsOf(rows, count, lambda, out, from, to);
    }
    const std::vector<SeriesRow> rows = series.rows;
    return LikelihoodsOf(rows, count, lambda, out, from, to);
}

// The candidate densities as the search forms them, each the previous plus the step (never
// i * step), formed once for every search: entry i is candidate i, 1..kCandidateCount + 1.
const double* CandidateDensities() {
    static const std::vector<double> table = [] {
        std::vector<double> t(kCandidateCount + 2, 0.0);
        t[1] = kFirstCandidate;
        for (int i = 2; i <= kCandidateCount + 1; ++i) t[i] = t[i - 1] + kStep;
        return t;
    }();
    return table.data();
}

// ln(1 - exp(x)) for x < 0 without cancellation at either end.
double Log1MinusExp(double x) {
    return x > -0.6931471805599453 ? std::log(-std::expm1(x)) : std::log1p(-std::exp(x));
}

// Below this maximum the comparison of log-likelihoods may change an answer; from it on, for a
// series of the usual kind, it provably cannot (UnderflowCannotHideAnswer).
constexpr double kProvenMaximum = 1e-290;

// Whether a completed search's answer provably stands under the underflow rule without
// evaluating a log-likelihood. For a series of the usual kind whose rounding bound G over all
// candidates exists (LikelihoodBound.h), a candidate whose computed likelihood is 0 has an exact
// likelihood below 2^-1020, so an exact log-likelihood below -706.9; the log form is computed
// from terms that are all negative, each within a few u relative plus a few u absolute per tube,
// so it stays below -700, while ln(maxLikelihood) >= ln(1e-290) > -668.
bool UnderflowCannotHideAnswer(const Series& s, double maxLikelihood, const double* lambda) {
    return maxLikelihood >= kProvenMaximum &&
           std::isfinite(RoundingBound(s, lambda[1], lambda[kCandidateCount]));
}

// The underflow rule, on a completed search (candidates 1..kCandidateCount evaluated):
// the documented products can underflow long before the likelihood means nothing (2000 tubes at
// 1 mL stay below 1e-600 at every density), and a maximum of 0 over all candidates would name no
// density at all; a maximum below the smallest normal double has lost most of its digits, so
// neighbouring candidates are no longer told apart (62.0623:2:7 0.0103513:6:3 0.211697:189:770
// peaks at 0.316 per mL, while its largest product, 2.27E-322, stands at 0.312). The answer
// comes from the log-likelihoods of the same candidates where
//  - the largest product lies below the smallest normal double, or
//  - some candidate whose likelihood computed to exactly 0 has a log-likelihood above
//    ln(maxLikelihood);
// and some candidate has a log-likelihood above ln(maxLikelihood) (ln 0 = -infinity). Then the
// answer is the first candidate of largest log-likelihood over all candidates (strict
// comparison: the smallest density wins a tie), its likelihood as the products give it (0 or a
// denormal) stays in maxLikelihood, and the log figure carries its size. Every other search
// keeps the documented answer bit for bit: for a series of the usual kind the rule applies only
// where the largest likelihood is below 1e-290. A likelihood that is exactly 0 (a positive tube
// without sample) has log-likelihood -infinity and never wins.
void ApplyUnderflowRule(SearchResult& r, const Curve& c) {
    const Series& s = r.loaded.series;
    const double* lambda = c.lambda.data();
    const double* likelihood = c.likelihood.data();
    const double largest = r.maxLikelihood;
    const bool subnormal = largest < std::numeric_limits<double>::min();
    if (subnormal || !UnderflowCannotHideAnswer(s, largest, lambda)) {
        const double logLargest =
            largest > 0 ? std::log(largest) : -std::numeric_limits<double>::infinity();
        bool hidden = false;
        for (int i = 1; i <= kCandidateCount && !hidden; ++i)
            hidden = (subnormal || likelihood[i] == 0) &&
                     LogLikelihoodAt(s, lambda[i]) > logLargest;
        if (hidden) {
            double best = -std::numeric_limits<double>::infinity();
            int at = 0;
            for (int i = 1; i <= kCandidateCount; ++i) {
                const double logLikelihood = LogLikelihoodAt(s, lambda[i]);
                if (best < logLikelihood) {
                    best = logLikelihood;
                    at = i;
                }
            }
            r.mpnPerMl = lambda[at];
            r.maxLikelihood = likelihood[at];
            r.maxLogLikelihood = best;
            r.likelihoodUnderflow = true;
            return;
        }
    }
    if (largest >= std::numeric_limits<double>::min())
        r.maxLogLikelihood = std::log(largest);
    else if (r.mpnPerMl > 0)
        r.maxLogLikelihood = LogLikelihoodAt(s, r.mpnPerMl);
}

}  // namespace

double LogLikelihoodAt(const Series& s, double lambda) {
    double sum = 0;
    for (const SeriesRow& row : s.rows) {
        const double exponent = -row.volume * lambda;
        if (row.positive != 0) sum += row.positive * Log1MinusExp(exponent);
        if (row.negative != 0) sum += row.negative * exponent;
    }
    return sum;
}

namespace {

// A curve to fill: the last one this thread filled once nobody holds it any more. Two fresh
// 80 KB arrays per search went back to the system when freed and came back as new pages,
// whose faults cost a third as much as the whole search of one dilution.
std::shared_ptr<Curve> CurveToFill() {
    thread_local std::shared_ptr<Curve> spare;
    if (spare && spare.use_count() == 1) {
        // The last other owner let go of it with a release; this pairs with that, so its
        // reads of the old curve happen before the writes to come.
        std::atomic_thread_fence(std::memory_order_acquire);
        return spare;
    }
    spare = std::make_shared<Curve>();
    return spare;
}

// Every candidate, the whole curve: what the windows, --curve and the chart show.
SearchResult FullSearch(const SeriesLoad& load) {
    SearchResult r;
    r.gridValid = true;
    r.end = SearchEnd::Completed;
    r.loaded.series.rows.resize(load.series.rows.size());
    const std::shared_ptr<Curve> curve = CurveToFill();
    // The densities are copied whole; past the candidate the search reaches they are zeroed.
    curve->lambda.reserve(kCurveSize + 1);
    curve->lambda.assign(CandidateDensities(), CandidateDensities() + kCandidateCount + 2);
    curve->lambda.resize(kCurveSize + 1, 0.0);
    // Every likelihood entry is written below, so a reused curve is not zeroed first.
    curve->likelihood.resize(kCurveSize + 1);
    curve->likelihood[0] = 0;
    r.curve = curve;
    Curve& c = *curve;
    const double* lambda = c.lambda.data();
    double* likelihood = c.likelihood.data();

    r.maxLikelihood = 0;
    r.mpnPerMl = 0;
    // The first candidate loads the series row by row between forming the factors, so a cell
    // that failed to convert ends the search with exactly the rows before it loaded.
    if (!EvaluateInPlace(r, lambda, likelihood, &load, 1, true)) {
        std::fill(c.lambda.begin() + 2, c.lambda.end(), 0.0);
        std::fill(c.likelihood.begin() + 1, c.likelihood.end(), 0.0);
        r.end = SearchEnd::Fault;
        return r;
    }

    // Every later candidate uses the series loaded once, on the calling thread: the batch's
    // workers already fill the cores, and a helper thread per search cost more than it saved.
    const int firstFault = Likelihoods(r.loaded.series, lambda, likelihood, 2, kCandidateCount + 1);
    const int last = std::min(firstFault, kCandidateCount);
    for (int i = 2; i < last; ++i) {
        // Only a strictly greater likelihood replaces the maximum: the smallest density wins.
        if (r.maxLikelihood < likelihood[i]) {
            r.maxLikelihood = likelihood[i];
            r.mpnPerMl = lambda[i];
        }
    }
    // Past the candidate the search reached nothing was formed.
    for (int i = last + 1; i <= kCurveSize; ++i) {
        c.lambda[static_cast<std::size_t>(i)] = 0;
        c.likelihood[static_cast<std::size_t>(i)] = 0;
    }
    // The last candidate reached is evaluated as the procedure meets it, so that a fault there
    // names its row and leaves its likelihood 0 where it comes before the products.
    c.likelihood[static_cast<std::size_t>(last)] = 0;
    if (!EvaluateInPlace(r, lambda, likelihood, nullptr, last, true)) {
        r.end = SearchEnd::Fault;
        return r;
    }
    c.lambda[kCandidateCount + 1] = CandidateDensities()[kCandidateCount + 1];
    ApplyUnderflowRule(r, c);
    return r;
}

constexpr double kUnit = std::numeric_limits<double>::epsilon() / 2;
constexpr int kFirstHalfWidth = 4;
constexpr int kLargestWindow = 1024;

// The candidate nearest the exact maximum-likelihood density.
std::optional<int> NearestCandidate(const Series& s, const std::optional<stats::Mle>& known) {
    stats::Mle mle;
    if (known) {
        mle = *known;
    } else {
        std::vector<stats::Dilution> series;
        series.reserve(s.rows.size());
        for (const SeriesRow& row : s.rows)
            series.push_back({row.volume, row.positive + row.negative, row.positive});
        if (stats::CheckSeries(series).fault != stats::SeriesFault::None) return std::nullopt;
        mle = stats::ExactMle(series);
    }
    if (mle.kind == stats::MleKind::Zero) return 1;
    if (mle.kind == stats::MleKind::Infinite) return kCandidateCount;
    const double at = mle.perMl / kStep;
    if (!(at >= 0)) return std::nullopt;
    return static_cast<int>(std::lround(std::clamp(at, 1.0, double{kCandidateCount})));
}

// The full search's answer without the whole curve, from a window of candidates around the
// exact maximum, evaluated with the very arithmetic of the full search (Likelihoods, the same
// densities), so that every value in it is the full search's bit for bit. What lies outside
// the window is excluded by proof, never by evaluation (LikelihoodBound.h): with G the rounding
// bound over all candidates,
//  - left of the window's first candidate a, the exact likelihood L rises strictly up to a
//    (ln L is concave and its derivative at a is proven positive), so every candidate i < a
//    has L_i < L_a; a computed value that is a normal double is within a factor e^G of the
//    exact one, so computed_i < e^G L_a <= e^2G computed_a, and a computed value below DBL_MIN
//    is below the window's maximum anyway (which must be at least 1e-290); the same holds
//    right of the last candidate b, where L falls strictly;
//  - so once the window's maximum exceeds computed_a * (1 + 4G + 16u) and computed_b * (1 + 4G
//    + 16u) (e^2G <= 1 + 4G for G <= 0.01; 16u covers the rounding of this very comparison),
//    every candidate outside is computed strictly smaller: it can neither be larger nor tie
//    with an earlier first maximum, and the first maximum inside the window is the full
//    search's answer;
//  - the underflow rule cannot apply (UnderflowCannotHideAnswer: maximum >= 1e-290, G finite).
// Otherwise the window widens, doubling, up to kLargestWindow candidates; a flat curve (one that
// rounds to 1 over a range), an underflowed one, or a series outside the bounds' reach gets
// nullopt, and the caller runs the full search.
std::optional<SearchResult> AnswerFromWindow(const SeriesLoad& load,
                                             const std::optional<stats::Mle>& known) {
    const Series& s = load.series;
    if (!load.complete() || !BoundsApply(s)) return std::nullopt;
    const double* lambda = CandidateDensities();
    const double bound = RoundingBound(s, lambda[1], lambda[kCandidateCount]);
    if (!std::isfinite(bound)) return std::nullopt;
    const std::optional<int> centre = NearestCandidate(s, known);
    if (!centre) return std::nullopt;

    // Reused from search to search: only the window's entries are written and read.
    thread_local std::vector<double> scratch(kCandidateCount + 1);
    double* likelihood = scratch.data();
    int a = std::max(1, *centre - kFirstHalfWidth);
    int b = std::min(kCandidateCount, *centre + kFirstHalfWidth);
    if (Likelihoods(s, lambda, likelihood, a, b + 1) != b + 1) return std::nullopt;
    const double margin = 1 + 4 * bound + 16 * kUnit;
    for (int widen = 2 * kFirstHalfWidth;; widen *= 2) {
        int best = a;
        for (int i = a + 1; i <= b; ++i)
            if (likelihood[best] < likelihood[i]) best = i;
        const double largest = likelihood[best];
        if (!(largest >= kProvenMaximum)) return std::nullopt;
        const bool leftClear = a == 1 || (likelihood[a] * margin < largest &&
                                          ExactSlope(s, lambda[a]) == Slope::Rising);
        const bool rightClear =
            b == kCandidateCount ||
            (likelihood[b] * margin < largest && ExactSlope(s, lambda[b]) == Slope::Falling);
        if (leftClear && rightClear) {
            SearchResult r;
            r.gridValid = true;
            r.end = SearchEnd::Completed;
            r.loaded = load;
            r.stop = {kCandidateCount, 0};  // where the full search's last candidate ends
            r.maxLikelihood = largest;
            r.mpnPerMl = lambda[best];
            r.maxLogLikelihood = std::log(largest);
            return r;
        }
        if (b - a + 1 >= kLargestWindow) return std::nullopt;
        if (!leftClear) {
            const int from = std::max(1, a - widen);
            if (Likelihoods(s, lambda, likelihood, from, a) != a) return std::nullopt;
            a = from;
        }
        if (!rightClear) {
            const int to = std::min(kCandidateCount, b + widen);
            if (Likelihoods(s, lambda, likelihood, b + 1, to + 1) != to + 1) return std::nullopt;
            b = to;
        }
    }
}

}  // namespace

SearchResult SearchLikelihood(const SeriesLoad& load, const SearchOptions& options) {
    if (!options.wantCurve) {
        if (std::optional<SearchResult> answer = AnswerFromWindow(load, options.exactMle))
            return std::move(*answer);
    }
    return FullSearch(load);
}

bool SearchAnswerIsLowerBound(const SearchResult& search) {
    if (search.mpnPerMl > kTopOfSearchRange) return true;
    if (!search.gridValid) return false;
    bool anyPositive = false;
    for (const SeriesRow& row : search.loaded.series.rows) {
        if (row.negative != 0 || !(row.volume > 0)) return false;
        anyPositive = anyPositive || row.positive > 0;
    }
    return anyPositive;
}

}  // namespace tubewise
