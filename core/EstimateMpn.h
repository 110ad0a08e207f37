// Maximum-likelihood MPN by exhaustive search over 10000 candidate densities.
#pragma once

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

enum class SearchEnd {
    Completed,    // the grid was valid and all 10000 candidates were evaluated
    InvalidGrid,  // ValidateGrid refused the grid (its message was sent)
    Fault,        // a conversion failure or floating-point fault ended the search early;
                  // the state holds what was written up to that point
};

// Candidates evaluated by one search; LambdaGrid(kCandidateCount + 1) is formed as well.
inline constexpr int kCandidateCount = 10000;

// MPN per mL above which the search ran into the top of its range (only its last candidate,
// just below 10, lies above it): the figures are then lower bounds.
inline constexpr double kTopOfSearchRange = 9.99999;

// Where a search that ended on a fault stopped.
struct SearchStop {
    int candidate = 0;  // index i of the candidate being evaluated
    int row = 0;        // grid row being loaded or whose factor was formed; 0 in the products
};

// DilutionCount must be 1..kGridRows; any other count re-creates the arrays, leaves GridValid
// false without a message and ends as a Fault. `tell` may be empty (no messages wanted).
SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell);

// The same search; on a Fault, *stop (when given) says where it happened.
SearchEnd EstimateMpn(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                      const MessageSink& tell, SearchStop* stop);

// Whether the answer of a completed search understates the density: the maximum sits at the top
// candidate, or every tube is positive and holds sample. In the second case the likelihood only
// rises with the density, so any finite answer is a lower bound, even one inside the range where
// the likelihood has already rounded to 1 (five 100 mL tubes stop at 0.375 per mL).
bool SearchAnswerIsLowerBound(const Module1& state);

}  // namespace tubewise
