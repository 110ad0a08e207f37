// A dilution series as the estimator uses it: per row the mL of sample in each tube and the
// numbers of positive and negative tubes as 16-bit counts. Loaded from the grid's texts once,
// before any likelihood is formed, or handed over already typed.
#pragma once

#include <array>

#include "core/GridTexts.h"
#include "core/Int16.h"
#include "core/NumberText.h"

namespace tubewise {

struct SeriesRow {
    double volume = 0;  // mL per tube
    Int16 positive = 0;
    Int16 negative = 0;
};

struct Series {
    int count = 0;                            // rows in use, 1..kGridRows
    std::array<SeriesRow, kGridRows> rows{};  // rows[0] is row 1
};

// The grid's texts converted cell by cell in reading order (volume, positive, negative of row
// 1, then row 2 ...). A cell that does not convert ends the loading: the cells before it keep
// their values, it and every later cell stay 0.
struct SeriesLoad {
    Series series;
    int loadedCells = 0;  // cells converted; 3 * count when the whole series loaded

    bool complete() const { return loadedCells == 3 * series.count; }
    // 1-based row of the cell that failed to convert; 0 when complete.
    int failedRow() const { return complete() ? 0 : loadedCells / 3 + 1; }
};

// Rows 1..count (count must lie in 1..kGridRows): volume to a float, counts to 16-bit integers
// with halves to the even neighbour.
SeriesLoad LoadSeries(const GridTexts& grid, int count, const NumberLocale& locale);

// A series typed already, every cell loaded.
SeriesLoad Loaded(const Series& series);

}  // namespace tubewise
