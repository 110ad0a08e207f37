// Calculation states for the chart tests: curves filled as a search over a valid grid
// leaves them, without going through the estimator.
#pragma once

#include <cmath>
#include <vector>

#include "core/Module1.h"

namespace tubewise::testing {

struct Dilution {
    double volume;  // mL per tube
    int positive;
    int negative;
};

// The state after a completed search: the accumulated candidate densities, the Poisson
// likelihood at each, the maximum and the MPN per 100 mL as the results window sets it.
inline Module1 SearchedState(const std::vector<Dilution>& series) {
    Module1 state;
    state.GridValid = kTrue;
    state.LambdaGrid.Redim(kCurveSize);
    state.LikelihoodGrid.Redim(kCurveSize);
    double density = 0.001;
    for (int i = 1; i <= 10001; ++i) {
        state.LambdaGrid(i) = density;
        if (i <= 10000) {
            double likelihood = 1;
            for (const Dilution& d : series) {
                const double e = std::exp(-d.volume * density);
                likelihood *= std::pow(1 - e, d.positive) * std::pow(e, d.negative);
            }
            state.LikelihoodGrid(i) = likelihood;
            if (state.MaxLikelihood < likelihood) {
                state.MaxLikelihood = likelihood;
                state.MpnPerMl = density;
            }
        }
        density += 0.001;
    }
    state.MpnPer100Ml = state.MpnPerMl * 100;
    return state;
}

// 10, 1 and 0.1 mL per tube, five tubes each, 5, 3 and 0 positive.
inline Module1 Example530() {
    return SearchedState({{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}});
}

// What a calculation whose grid failed validation leaves: all-zero curves.
inline Module1 FailedValidationState() {
    Module1 state;
    state.GridValid = kFalse;
    state.LambdaGrid.Redim(kCurveSize);
    state.LikelihoodGrid.Redim(kCurveSize);
    return state;
}

}  // namespace tubewise::testing
