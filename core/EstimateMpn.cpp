// The exhaustive maximum-likelihood search over the 10000 candidate densities.
#include "core/EstimateMpn.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <system_error>
#include <thread>

#include "core/LikelihoodBound.h"
#include "core/ValidateGrid.h"

namespace tubewise {

namespace {

constexpr double kFirstCandidate = 0.001;  // organisms per mL
constexpr double kStep = 0.001;            // added to the previous candidate, never i * step

// An integer power as std::pow gives it; exponents 0 and 1 have exact results without a call.
inline double IntPower(double base, Int16 n) {
    if (n == 0) return 1.0;
    if (n == 1) return base;
    return std::pow(base, static_cast<double>(n));
}

// Every value is finite until a fault, so a non-finite result is exactly an overflow, a
// division by zero or an invalid operation; an underflow to 0 is not.
inline bool Finite(double v) {
    return std::isfinite(v);
}

// One candidate evaluated statement by statement, writing the work arrays and the curve in the
// order the procedure writes them, so that a fault leaves them exactly as far as they were
// written. While the first candidate is evaluated the rows are loaded from `loading` as they
// are met.
bool EvaluateInPlace(SearchResult& r, Curve& curve, const SeriesLoad* loading, int i,
                     bool compare) {
    const int n = r.loaded.series.count;
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
        const double exponent = -row.volume * curve.lambda[static_cast<std::size_t>(i)];
        if (!Finite(exponent)) return false;
        r.poissonExponent[at] = exponent;
        const double negativeChance = std::exp(r.poissonExponent[at]);
        if (!Finite(negativeChance)) return false;
        const double positiveChance = 1.0 - negativeChance;
        const double factor =
            IntPower(positiveChance, row.positive) * IntPower(negativeChance, row.negative);
        if (!Finite(factor)) return false;
        r.dilutionTerm[at] = factor;
    }
    r.stop = {i, 0};
    double& likelihood = curve.likelihood[static_cast<std::size_t>(i)];
    if (n >= 2) {
        for (std::size_t k = 0; k + 1 < static_cast<std::size_t>(n); ++k) {
            r.runningProduct[k] = r.dilutionTerm[k];
            const double product = r.dilutionTerm[k + 1] * r.runningProduct[k];
            if (!Finite(product)) return false;
            r.runningProduct[k] = product;
            r.dilutionTerm[k + 1] = r.runningProduct[k];
            likelihood = r.runningProduct[k];
        }
    } else {
        r.runningProduct[0] = r.dilutionTerm[0];
        likelihood = r.runningProduct[0];
    }
    if (compare && r.maxLikelihood < likelihood) {
        r.maxLikelihood = likelihood;
        r.mpnPerMl = curve.lambda[static_cast<std::size_t>(i)];
    }
    return true;
}

// Likelihoods of candidates [from, to) into out[], with the same operations in the same order
// as EvaluateInPlace. Returns the first candidate that faults, or `to`.
int Likelihoods(const Series& s, const double* lambda, double* out, int from, int to) {
    for (int i = from; i < to; ++i) {
        const double lam = lambda[i];
        double product = 0;
        for (int j = 0; j < s.count; ++j) {
            const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
            const double exponent = -row.volume * lam;
            const double negativeChance = std::exp(exponent);
            const double factor = IntPower(1.0 - negativeChance, row.positive) *
                                  IntPower(negativeChance, row.negative);
            if (!Finite(exponent) || !Finite(factor)) return i;
            product = j == 0 ? factor : factor * product;
            if (!Finite(product)) return i;
        }
        out[i] = product;
    }
    return to;
}

// Candidates [from, to) on two threads when the machine has them; returns the first fault.
// Both threads take chunks from a shared counter, so a helper thread that starts late (thread
// creation alone costs 0.1 to 0.2 ms on a virtual machine) only takes fewer chunks. Each chunk
// stops at its own first fault; every candidate before the smallest of those was computed.
int LikelihoodsInParallel(const Series& s, const double* lambda, double* out, int from, int to) {
    // Asking the system costs a file read; the answer does not change during a run.
    static const unsigned cores = std::thread::hardware_concurrency();
    if (cores < 2) return Likelihoods(s, lambda, out, from, to);
    constexpr int kChunk = 250;
    std::atomic<int> next{from};
    std::atomic<int> firstFault{to};
    const auto work = [&] {
        for (;;) {
            const int begin = next.fetch_add(kChunk);
            if (begin >= to) return;
            const int end = std::min(begin + kChunk, to);
            const int fault = Likelihoods(s, lambda, out, begin, end);
            if (fault == end) continue;
            int seen = firstFault.load();
            while (fault < seen && !firstFault.compare_exchange_weak(seen, fault)) {
            }
        }
    };
    std::thread helper;
    try {
        helper = std::thread(work);
    } catch (const std::system_error&) {
        // Without a second thread this one takes every chunk.
    }
    work();
    if (helper.joinable()) helper.join();
    return firstFault.load();
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
// the documented products can underflow to 0 long before the likelihood means nothing (2000
// tubes at 1 mL stay below 1e-600 at every density), and a maximum of 0 over all candidates
// would name no density at all. The underflow hides the answer where some candidate whose
// likelihood computed to exactly 0 has a log-likelihood above ln(maxLikelihood) (ln 0 =
// -infinity): then, and only then, the answer is the first candidate of largest
// log-likelihood over all candidates (strict comparison: the smallest density wins a tie), its
// likelihood as the products give it (0 or a denormal) stays in maxLikelihood, and the log
// figure carries its size. Every other search keeps the documented answer bit for bit. For a
// series of the usual kind this happens only where the largest likelihood is below 1e-290,
// mostly where every candidate computed to 0; a partial case (a denormal maximum beside
// candidates that underflowed) is decided by the same comparison. A likelihood that is exactly
// 0 (a positive tube without sample) has log-likelihood -infinity and never wins.
void ApplyUnderflowRule(SearchResult& r, const Curve& c) {
    const Series& s = r.loaded.series;
    const double* lambda = c.lambda.data();
    const double* likelihood = c.likelihood.data();
    const double largest = r.maxLikelihood;
    if (!UnderflowCannotHideAnswer(s, largest, lambda)) {
        const double logLargest =
            largest > 0 ? std::log(largest) : -std::numeric_limits<double>::infinity();
        bool hidden = false;
        for (int i = 1; i <= kCandidateCount && !hidden; ++i)
            hidden = likelihood[i] == 0 && LogLikelihoodAt(s, lambda[i]) > logLargest;
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
    for (int j = 0; j < s.count; ++j) {
        const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
        const double exponent = -row.volume * lambda;
        if (row.positive != 0) sum += row.positive * Log1MinusExp(exponent);
        if (row.negative != 0) sum += row.negative * exponent;
    }
    return sum;
}

SearchResult SearchLikelihood(const SeriesLoad& load) {
    SearchResult r;
    r.gridValid = true;
    r.end = SearchEnd::Completed;
    r.loaded.series.count = load.series.count;
    auto curve = std::make_shared<Curve>();
    curve->lambda.assign(kCurveSize + 1, 0.0);
    curve->likelihood.assign(kCurveSize + 1, 0.0);
    r.curve = curve;
    Curve& c = *curve;

    c.lambda[1] = kFirstCandidate;
    r.maxLikelihood = 0;
    r.mpnPerMl = 0;
    // The first candidate loads the series row by row between forming the factors, so a cell
    // that failed to convert ends the search with exactly the rows before it loaded.
    if (!EvaluateInPlace(r, c, &load, 1, true)) {
        r.end = SearchEnd::Fault;
        return r;
    }

    // Every later candidate uses the series loaded once; the candidate sums cannot overflow.
    for (int i = 2; i <= kCandidateCount + 1; ++i) c.lambda[i] = c.lambda[i - 1] + kStep;
    const int firstFault = LikelihoodsInParallel(r.loaded.series, c.lambda.data(),
                                                 c.likelihood.data(), 2, kCandidateCount + 1);
    const int last = std::min(firstFault, kCandidateCount);
    for (int i = 2; i < last; ++i) {
        // Only a strictly greater likelihood replaces the maximum: the smallest density wins.
        if (r.maxLikelihood < c.likelihood[i]) {
            r.maxLikelihood = c.likelihood[i];
            r.mpnPerMl = c.lambda[i];
        }
    }
    // Past the candidate the search reached nothing was formed.
    for (int i = last + 1; i <= kCurveSize; ++i) {
        c.lambda[i] = 0;
        c.likelihood[i] = 0;
    }
    // The work arrays end as the candidate-by-candidate procedure leaves them: the one before
    // the last writes every entry, the last overwrites as far as it gets.
    EvaluateInPlace(r, c, nullptr, last - 1, false);
    if (!EvaluateInPlace(r, c, nullptr, last, true)) {
        r.end = SearchEnd::Fault;
        return r;
    }
    c.lambda[kCandidateCount + 1] = c.lambda[kCandidateCount] + kStep;
    ApplyUnderflowRule(r, c);
    return r;
}

bool SearchAnswerIsLowerBound(const SearchResult& search) {
    if (search.mpnPerMl > kTopOfSearchRange) return true;
    if (!search.gridValid) return false;
    const Series& s = search.loaded.series;
    bool anyPositive = false;
    for (int j = 0; j < s.count; ++j) {
        const SeriesRow& row = s.rows[static_cast<std::size_t>(j)];
        if (row.negative != 0 || !(row.volume > 0)) return false;
        anyPositive = anyPositive || row.positive > 0;
    }
    return anyPositive;
}

void StoreSearch(Module1& state, const SearchResult& search) {
    RecreateArrays(state);
    if (!search.gridValid) {
        state.GridValid = kFalse;
        return;
    }
    state.GridValid = kTrue;
    const int rows = std::min<int>(state.DilutionCount, search.loaded.series.count);
    for (int j = 1; j <= rows; ++j) {
        const std::size_t at = static_cast<std::size_t>(j - 1);
        const SeriesRow& row = search.loaded.series.rows[at];
        state.SampleVolume(j) = row.volume;
        state.PositiveTubes(j) = row.positive;
        state.NegativeTubes(j) = row.negative;
        state.PoissonExponent(j) = search.poissonExponent[at];
        state.DilutionTerm(j) = search.dilutionTerm[at];
        state.RunningProduct(j) = search.runningProduct[at];
    }
    if (search.curve) {
        // data()[i - 1] is element i; both curves hold kCurveSize elements after entry 0.
        std::copy(search.curve->lambda.begin() + 1, search.curve->lambda.end(),
                  state.LambdaGrid.data());
        std::copy(search.curve->likelihood.begin() + 1, search.curve->likelihood.end(),
                  state.LikelihoodGrid.data());
    }
    state.MaxLikelihood = search.maxLikelihood;
    state.MpnPerMl = search.mpnPerMl;
    state.MaxLogLikelihood = search.maxLogLikelihood;
    state.LikelihoodUnderflow = search.likelihoodUnderflow ? kTrue : kFalse;
}

SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell, SearchStop* stop) {
    const int count = state.DilutionCount;
    const GridCheck check = CheckGrid(grid, count, locale);
    if (check.message && tell) tell(*check.message);
    SearchResult search;
    if (check.valid)
        search = SearchLikelihood(LoadSeries(grid, count, locale));
    else
        search.end = check.row < 0 ? SearchEnd::Fault : SearchEnd::InvalidGrid;
    StoreSearch(state, search);
    if (search.end == SearchEnd::Fault && stop) *stop = search.stop;
    return search.end;
}

}  // namespace tubewise
