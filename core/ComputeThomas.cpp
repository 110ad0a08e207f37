// Thomas' closed-form estimate, with every fault of absurd input ending as "not defined".
#include "core/ComputeThomas.h"

#include <cmath>
#include <limits>

#include "core/Int16.h"

namespace tubewise {

namespace {

std::optional<Int16> AsInt16(int n) {
    if (n < std::numeric_limits<Int16>::min() || n > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return static_cast<Int16>(n);
}

}  // namespace

ThomasResult ComputeThomas(const Series& series) {
    const ThomasResult fault{ThomasEnd::Fault, 0};
    Int16 positiveTotal = 0;
    double negativeVolume = 0;
    double positiveVolume = 0;
    for (const SeriesRow& row : series.rows) {
        const std::optional<Int16> positive = AsInt16(row.positive);
        if (!positive || !AsInt16(row.negative)) return fault;
        const std::optional<Int16> total = CheckedAdd(*positive, positiveTotal);
        if (!total) return fault;
        positiveTotal = *total;
        negativeVolume = row.negative * row.volume + negativeVolume;
        if (!std::isfinite(negativeVolume)) return fault;
        positiveVolume = row.positive * row.volume + positiveVolume;
        if (!std::isfinite(positiveVolume)) return fault;
    }
    const double totalVolume = positiveVolume + negativeVolume;
    if (!std::isfinite(totalVolume)) return fault;
    // The root is taken before the volume test, so a negative product faults even where the
    // formula would be undefined anyway.
    const double square = totalVolume * negativeVolume;
    if (!std::isfinite(square) || square < 0) return fault;
    const double denominator = std::sqrt(square);

    if (!(negativeVolume > 0)) return {ThomasEnd::Undefined, 0};
    const std::optional<Int16> hundredTimes = CheckedMultiply(100, positiveTotal);
    if (!hundredTimes) return fault;
    const double mpn = static_cast<double>(*hundredTimes) / denominator;
    if (!std::isfinite(mpn)) return fault;
    return {ThomasEnd::Defined, mpn};
}

}  // namespace tubewise
