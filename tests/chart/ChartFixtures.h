// Calculations for the chart tests: curves filled as a search over a valid grid leaves them,
// without going through the estimator.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "core/Calculation.h"

namespace tubewise::testing {

struct Dilution {
    double volume;  // mL per tube
    int positive;
    int negative;
};

// A completed search: the accumulated candidate densities, the Poisson likelihood at each and
// the maximum.
inline Calculation SearchedCalculation(const std::vector<Dilution>& series) {
    Calculation calc;
    calc.dilutions = static_cast<int>(series.size());
    calc.search.gridValid = true;
    calc.search.end = SearchEnd::Completed;
    for (const Dilution& d : series)
        calc.search.loaded.series.rows.push_back({d.volume, d.positive, d.negative});
    calc.search.loaded.loadedCells = 3 * calc.dilutions;
    auto curve = std::make_shared<Curve>();
    curve->lambda.assign(kCurveSize + 1, 0.0);
    curve->likelihood.assign(kCurveSize + 1, 0.0);
    double density = 0.001;
    for (int i = 1; i <= 10001; ++i) {
        curve->lambda[static_cast<std::size_t>(i)] = density;
        if (i <= 10000) {
            double likelihood = 1;
            for (const Dilution& d : series) {
                const double e = std::exp(-d.volume * density);
                likelihood *= std::pow(1 - e, d.positive) * std::pow(e, d.negative);
            }
            curve->likelihood[static_cast<std::size_t>(i)] = likelihood;
            if (calc.search.maxLikelihood < likelihood) {
                calc.search.maxLikelihood = likelihood;
                calc.search.mpnPerMl = density;
            }
        }
        density += 0.001;
    }
    calc.search.curve = curve;
    return calc;
}

// 10, 1 and 0.1 mL per tube, five tubes each, 5, 3 and 0 positive.
inline Calculation Example530() {
    return SearchedCalculation({{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}});
}

// A calculation whose grid failed validation: no curve, which reads as zeros.
inline Calculation FailedValidation() {
    Calculation calc;
    calc.dilutions = 3;
    calc.search.end = SearchEnd::InvalidGrid;
    return calc;
}

// The curve of a calculation, to be altered by a test: a copy of its own.
inline Curve& EditCurve(Calculation& calc) {
    auto copy = calc.search.curve ? std::make_shared<Curve>(*calc.search.curve)
                                  : std::make_shared<Curve>();
    if (copy->lambda.empty()) {
        copy->lambda.assign(kCurveSize + 1, 0.0);
        copy->likelihood.assign(kCurveSize + 1, 0.0);
    }
    calc.search.curve = copy;
    return *copy;
}

// The grid answer as the results window takes it, per 100 mL (the search's answer times 100).
// The nearest answer per mL whose product with 100 is the figure, where one exists.
inline void SetAnswerPer100Ml(Calculation& calc, double per100Ml) {
    double perMl = per100Ml / 100;
    for (int step = 0; step < 4 && perMl * 100 != per100Ml; ++step)
        perMl = std::nextafter(perMl, perMl * 100 < per100Ml ? 2 * per100Ml : 0.0);
    calc.search.mpnPerMl = perMl;
}

}  // namespace tubewise::testing
