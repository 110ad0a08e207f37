// Maximum-likelihood MPN by exhaustive search over 10000 candidate densities: the design's
// grid answer, its likelihood curve and where a search that cannot finish stopped.
#pragma once

#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "core/GridTexts.h"
#include "core/NumberText.h"
#include "core/Series.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {

enum class SearchEnd {
    Completed,    // the grid was valid and all 10000 candidates were evaluated
    InvalidGrid,  // validation refused the grid
    Fault,        // a conversion failure or floating-point fault ended the search early;
                  // the result holds what was formed up to that point
};

// Candidates evaluated by one search; the density of candidate kCandidateCount + 1 is formed as
// well.
inline constexpr int kCandidateCount = 10000;

// Entries of the likelihood curve (1..kCurveSize); entries past kCandidateCount + 1 stay 0.
inline constexpr int kCurveSize = 10010;

// MPN per mL above which the search ran into the top of its range (only its last candidate,
// just below 10, lies above it): the figures are then lower bounds.
inline constexpr double kTopOfSearchRange = 9.99999;

// Where a search that ended on a fault stopped.
struct SearchStop {
    int candidate = 0;  // index i of the candidate being evaluated
    int row = 0;        // grid row being loaded or whose factor was formed; 0 in the products
};

// The likelihood curve, indexed by candidate: entry i is candidate i (1..kCurveSize), entry 0
// is unused. Entries past the last candidate formed stay 0.
struct Curve {
    std::vector<double> lambda;
    std::vector<double> likelihood;
};

// Everything one search forms.
struct SearchResult {
    SearchEnd end = SearchEnd::InvalidGrid;
    bool gridValid = false;  // the grid passed validation: the figures below were reset
    SearchStop stop;         // where a Fault happened
    // The series as far as the search loaded it: a conversion failure, or a fault while the
    // first candidate loads the rows, leaves the later cells 0.
    SeriesLoad loaded;
    // The likelihood at the answer as the documented arithmetic gives it: 0 where it underflowed.
    double maxLikelihood = 0;
    double mpnPerMl = 0;
    // Natural log of the likelihood at the answer: ln(maxLikelihood) where that is a normal
    // double, else the log-likelihood (LogLikelihoodAt); -infinity where no candidate has a
    // positive likelihood or the search did not complete.
    double maxLogLikelihood = -std::numeric_limits<double>::infinity();
    // The products underflowed where the answer lies (the rule in SearchLikelihood): the answer
    // came from comparing log-likelihoods, and maxLikelihood is 0 or below the smallest normal
    // double; only maxLogLikelihood tells its size.
    bool likelihoodUnderflow = false;
    std::shared_ptr<const Curve> curve;  // set once the grid passed validation
};

// The log-likelihood of the series at density `lambda` in the form that cannot underflow:
// sum over rows of p * ln(1 - exp(x)) + q * x with the search's exponent x = -v * lambda (a
// count of 0 contributes nothing, as its power 1 does). ln(1 - exp(x)) is formed without
// cancellation (log(-expm1(x)) near 0, log1p(-exp(x)) beyond -ln 2), so the tiniest volumes keep
// their value where 1 - exp(x) rounds to 0. -infinity where a tube with no sample is positive;
// not a number for a negative volume.
double LogLikelihoodAt(const Series& s, double lambda);

struct SearchOptions {
    // The curve is wanted: the windows, --curve and the chart. Without it (the batch) only the
    // answer is formed: candidates that provably cannot hold the maximum are skipped, every
    // figure is the full search's bit for bit, and the result carries no curve. Series the
    // proof does not reach get the full search.
    bool wantCurve = true;
    // The exact maximum-likelihood estimate, when the caller has it already; it only says where
    // to look.
    std::optional<stats::Mle> exactMle;
};

// The search over a loaded series whose grid passed validation (count 1..kGridRows). The
// first candidate meets the rows in order, so a cell that did not convert ends the search
// there, after the factors of the rows before it were formed. Where the products underflow at
// the answer, the answer comes from the log-likelihoods of the same candidates (see the rule in
// the .cpp).
SearchResult SearchLikelihood(const SeriesLoad& load, const SearchOptions& options = {});

// Whether the answer of a search understates the density: the maximum sits at the top
// candidate, or every tube is positive and holds sample. In the second case the likelihood only
// rises with the density, so any finite answer is a lower bound, even one inside the range where
// the likelihood has already rounded to 1 (five 100 mL tubes stop at 0.375 per mL).
bool SearchAnswerIsLowerBound(const SearchResult& search);

}  // namespace tubewise
