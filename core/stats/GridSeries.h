// The dilution series of the tube-data grid's texts, converted as the estimator converts them.
#pragma once

#include <vector>

#include "core/GridTexts.h"
#include "core/NumberText.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::stats {

struct GridSeries {
    std::vector<Dilution> series;  // rows 1..count when check.fault is None
    SeriesCheck check;             // the first row that cannot form a series, if any
};

// Rows 1..count: volume as a float, counts to 16-bit integers with halves to even, tubes =
// positive + negative. A cell that does not convert gives CellNotConvertible, a negative count
// NegativeCount; the rest is judged by CheckSeries.
GridSeries SeriesFromGrid(const GridTexts& grid, int count, const NumberLocale& locale);

}  // namespace tubewise::stats
