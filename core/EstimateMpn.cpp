// The exhaustive maximum-likelihood search over the 10000 candidate densities.
#include "core/EstimateMpn.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

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

// One candidate evaluated on the state itself, statement by statement, so that a fault leaves
// the arrays exactly as far as they were written. Rows are loaded from the grid when `grid`
// is given.
bool EvaluateInPlace(Module1& s, int i, const GridTexts* grid, const NumberLocale& locale,
                     bool compare, SearchStop& stop) {
    const int n = s.DilutionCount;
    for (int j = 1; j <= n; ++j) {
        stop = {i, j};
        if (grid) {
            const GridRowTexts& cells = (*grid)[static_cast<std::size_t>(j - 1)];
            const auto volume = TextToFloat(cells.volume, locale);
            if (!volume) return false;
            s.SampleVolume(j) = *volume;
            const auto positive = TextToInt16(cells.positive, locale);
            if (!positive) return false;
            s.PositiveTubes(j) = *positive;
            const auto negative = TextToInt16(cells.negative, locale);
            if (!negative) return false;
            s.NegativeTubes(j) = *negative;
        }
        const double exponent = -s.SampleVolume(j) * s.LambdaGrid(i);
        if (!Finite(exponent)) return false;
        s.PoissonExponent(j) = exponent;
        const double negativeChance = std::exp(s.PoissonExponent(j));
        if (!Finite(negativeChance)) return false;
        const double positiveChance = 1.0 - negativeChance;
        const double factor = IntPower(positiveChance, s.PositiveTubes(j)) *
                              IntPower(negativeChance, s.NegativeTubes(j));
        if (!Finite(factor)) return false;
        s.DilutionTerm(j) = factor;
    }
    stop = {i, 0};
    if (n >= 2) {
        for (int k = 1; k <= n - 1; ++k) {
            s.RunningProduct(k) = s.DilutionTerm(k);
            const double product = s.DilutionTerm(k + 1) * s.RunningProduct(k);
            if (!Finite(product)) return false;
            s.RunningProduct(k) = product;
            s.DilutionTerm(k + 1) = s.RunningProduct(k);
            s.LikelihoodGrid(i) = s.RunningProduct(k);
        }
    } else {
        s.RunningProduct(1) = s.DilutionTerm(1);
        s.LikelihoodGrid(i) = s.RunningProduct(1);
    }
    if (compare && s.MaxLikelihood < s.LikelihoodGrid(i)) {
        s.MaxLikelihood = s.LikelihoodGrid(i);
        s.MpnPerMl = s.LambdaGrid(i);
    }
    return true;
}

// The loaded series, copied out of the state for the hot loop.
struct Series {
    int count = 0;
    double volume[kGridRows] = {};
    Int16 positive[kGridRows] = {};
    Int16 negative[kGridRows] = {};
};

// Likelihoods of candidates [from, to) into out[], with the same operations in the same order
// as EvaluateInPlace. Returns the first candidate that faults, or `to`.
int Likelihoods(const Series& s, const double* lambda, double* out, int from, int to) {
    for (int i = from; i < to; ++i) {
        const double lam = lambda[i];
        double product = 0;
        for (int j = 0; j < s.count; ++j) {
            const double exponent = -s.volume[j] * lam;
            const double negativeChance = std::exp(exponent);
            const double factor = IntPower(1.0 - negativeChance, s.positive[j]) *
                                  IntPower(negativeChance, s.negative[j]);
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

}  // namespace

SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell) {
    return EstimateMpn(state, grid, locale, tell, nullptr);
}

SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell, SearchStop* stopOut) {
    SearchStop stop;
    const auto fault = [&] {
        if (stopOut) *stopOut = stop;
        return SearchEnd::Fault;
    };

    const int n = state.DilutionCount;
    RecreateArrays(state);

    if (n < 1 || n > kGridRows) {
        ValidateGrid(state, grid, locale, tell);
        return fault();
    }
    if (ValidateGrid(state, grid, locale, tell) != 0 || state.GridValid == kFalse)
        return SearchEnd::InvalidGrid;

    state.LambdaGrid(1) = kFirstCandidate;
    state.MaxLikelihood = 0;
    state.MpnPerMl = 0;

    // The first candidate loads the series row by row between forming the factors, so a cell
    // that fails to convert leaves exactly the rows before it loaded.
    if (!EvaluateInPlace(state, 1, &grid, locale, true, stop)) return fault();

    // The grid cannot change during the search: the loaded series serves every later candidate.
    Series series;
    series.count = n;
    for (int j = 1; j <= n; ++j) {
        series.volume[j - 1] = state.SampleVolume(j);
        series.positive[j - 1] = state.PositiveTubes(j);
        series.negative[j - 1] = state.NegativeTubes(j);
    }
    // Index i of these buffers is candidate i; the candidate sums cannot overflow.
    std::vector<double> lambda(kCandidateCount + 2, 0.0);
    std::vector<double> likelihood(kCandidateCount + 2, 0.0);
    lambda[1] = kFirstCandidate;
    for (int i = 2; i <= kCandidateCount + 1; ++i) lambda[i] = lambda[i - 1] + kStep;

    const int firstFault =
        LikelihoodsInParallel(series, lambda.data(), likelihood.data(), 2, kCandidateCount + 1);
    const int last = firstFault <= kCandidateCount ? firstFault : kCandidateCount;

    // data()[i - 1] is element i; both curve arrays hold kCurveSize elements.
    double* lambdaGrid = state.LambdaGrid.data();
    double* likelihoodGrid = state.LikelihoodGrid.data();
    for (int i = 2; i <= last; ++i) lambdaGrid[i - 1] = lambda[i];
    for (int i = 2; i < last; ++i) {
        likelihoodGrid[i - 1] = likelihood[i];
        // Only a strictly greater likelihood replaces the maximum: the smallest density wins.
        if (state.MaxLikelihood < likelihood[i]) {
            state.MaxLikelihood = likelihood[i];
            state.MpnPerMl = lambda[i];
        }
    }
    // The work arrays end as the candidate-by-candidate procedure leaves them: the one before
    // the last writes every entry, the last overwrites as far as it gets.
    EvaluateInPlace(state, last - 1, nullptr, locale, false, stop);
    if (!EvaluateInPlace(state, last, nullptr, locale, true, stop)) return fault();

    stop = {kCandidateCount + 1, 0};
    lambdaGrid[kCandidateCount] = lambdaGrid[kCandidateCount - 1] + kStep;
    return SearchEnd::Completed;
}

bool SearchAnswerIsLowerBound(const Module1& state) {
    if (state.MpnPerMl > kTopOfSearchRange) return true;
    const int count = state.DilutionCount;
    if (count < 1 || count > state.NegativeTubes.UpperBound() ||
        count > state.PositiveTubes.UpperBound() || count > state.SampleVolume.UpperBound())
        return false;
    bool anyPositive = false;
    for (int j = 1; j <= count; ++j) {
        if (state.NegativeTubes(j) != 0 || !(state.SampleVolume(j) > 0)) return false;
        anyPositive = anyPositive || state.PositiveTubes(j) > 0;
    }
    return anyPositive;
}

}  // namespace tubewise
