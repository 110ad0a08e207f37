// Thomas' closed-form estimate, with every fault of absurd input ending as "not defined".
#include "core/ComputeThomas.h"

#include <cmath>

namespace tubewise {

namespace {

ThomasEnd Fail(Module1& s) {
    s.ThomasDefined = kFalse;
    return ThomasEnd::Fault;
}

}  // namespace

ThomasEnd ComputeThomas(Module1& s) {
    s.PositiveTotalPrev = 0;
    s.NegativeVolumePrev = 0;
    s.PositiveVolumePrev = 0;
    for (int j = 1; j <= s.DilutionCount; ++j) {
        // Before any calculation the series arrays may be shorter than the count.
        if (j > s.SampleVolume.UpperBound() || j > s.PositiveTubes.UpperBound() ||
            j > s.NegativeTubes.UpperBound())
            return Fail(s);
        const auto total = CheckedAdd(s.PositiveTubes(j), s.PositiveTotalPrev);
        if (!total) return Fail(s);
        s.PositiveTotal = *total;
        const double negative = s.NegativeTubes(j) * s.SampleVolume(j) + s.NegativeVolumePrev;
        if (!std::isfinite(negative)) return Fail(s);
        s.NegativeVolume = negative;
        const double positive = s.PositiveTubes(j) * s.SampleVolume(j) + s.PositiveVolumePrev;
        if (!std::isfinite(positive)) return Fail(s);
        s.PositiveVolume = positive;
        s.PositiveTotalPrev = s.PositiveTotal;
        s.NegativeVolumePrev = s.NegativeVolume;
        s.PositiveVolumePrev = s.PositiveVolume;
    }
    const double total = s.PositiveVolume + s.NegativeVolume;
    if (!std::isfinite(total)) return Fail(s);
    s.TotalVolume = total;
    // The root is taken before the volume test, so a negative product faults even where the
    // formula would be undefined anyway.
    const double square = s.TotalVolume * s.NegativeVolume;
    if (!std::isfinite(square) || square < 0) return Fail(s);
    s.ThomasDenominator = std::sqrt(square);

    if (!(s.NegativeVolume > 0)) {
        s.ThomasDefined = kFalse;
        return ThomasEnd::Undefined;
    }
    const auto hundredTimes = CheckedMultiply(100, s.PositiveTotal);
    if (!hundredTimes) return Fail(s);
    const double mpn = static_cast<double>(*hundredTimes) / s.ThomasDenominator;
    if (!std::isfinite(mpn)) return Fail(s);
    s.ThomasMpn = mpn;
    s.ThomasDefined = kTrue;
    return ThomasEnd::Defined;
}

ThomasResult ComputeThomas(const Series& series) {
    // The formula runs on a state of its own holding just this series.
    Module1 scratch;
    scratch.DilutionCount = static_cast<Int16>(series.count);
    scratch.SampleVolume.Redim(series.count);
    scratch.PositiveTubes.Redim(series.count);
    scratch.NegativeTubes.Redim(series.count);
    for (int j = 1; j <= series.count; ++j) {
        const SeriesRow& row = series.rows[static_cast<std::size_t>(j - 1)];
        scratch.SampleVolume(j) = row.volume;
        scratch.PositiveTubes(j) = row.positive;
        scratch.NegativeTubes(j) = row.negative;
    }
    ThomasResult r;
    r.end = ComputeThomas(scratch);
    r.mpnPer100Ml = scratch.ThomasMpn;
    r.negativeVolume = scratch.NegativeVolume;
    r.negativeVolumePrev = scratch.NegativeVolumePrev;
    r.positiveVolume = scratch.PositiveVolume;
    r.positiveVolumePrev = scratch.PositiveVolumePrev;
    r.totalVolume = scratch.TotalVolume;
    r.positiveTotal = scratch.PositiveTotal;
    r.positiveTotalPrev = scratch.PositiveTotalPrev;
    r.denominator = scratch.ThomasDenominator;
    return r;
}

void StoreThomas(Module1& s, const ThomasResult& r) {
    s.NegativeVolume = r.negativeVolume;
    s.NegativeVolumePrev = r.negativeVolumePrev;
    s.PositiveVolume = r.positiveVolume;
    s.PositiveVolumePrev = r.positiveVolumePrev;
    s.TotalVolume = r.totalVolume;
    s.PositiveTotal = r.positiveTotal;
    s.PositiveTotalPrev = r.positiveTotalPrev;
    s.ThomasDenominator = r.denominator;
    s.ThomasDefined = ToFlag(r.end == ThomasEnd::Defined);
    if (r.end == ThomasEnd::Defined) s.ThomasMpn = r.mpnPer100Ml;
}

}  // namespace tubewise
