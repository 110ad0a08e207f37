// A dilution series as the computations take it: per group (a dilution, or the wells of one
// size on a tray or plate) the mL of sample in each tube or well and the numbers of positive and
// negative ones. Any number of groups; the grid's 1 to 5 rows and its 16-bit counts are rules of
// the grid, applied where the grid's texts are read (LoadSeries), not limits of the series.
#pragma once

#include <vector>

#include "core/GridTexts.h"
#include "core/NumberText.h"

namespace tubewise {

// What the command line and the batch accept for a series beyond the grid: groups per series
// and tubes or wells per group (positive plus negative; well inside an int).
inline constexpr int kMaxGroups = 64;
inline constexpr int kMaxTubesPerGroup = 100'000'000;

struct SeriesRow {
    double volume = 0;  // mL per tube
    int positive = 0;
    int negative = 0;

    friend bool operator==(const SeriesRow&, const SeriesRow&) = default;
};

struct Series {
    std::vector<SeriesRow> rows;  // rows[0] is row 1

    int count() const { return static_cast<int>(rows.size()); }
    friend bool operator==(const Series&, const Series&) = default;
};

// The grid's texts converted cell by cell in reading order (volume, positive, negative of row
// 1, then row 2 ...). A cell that does not convert ends the loading: the cells before it keep
// their values, it and every later cell stay 0.
struct SeriesLoad {
    Series series;
    int loadedCells = 0;  // cells converted; 3 * count when the whole series loaded

    bool complete() const { return loadedCells == 3 * series.count(); }
    // 1-based row of the cell that failed to convert; 0 when complete.
    int failedRow() const { return complete() ? 0 : loadedCells / 3 + 1; }
};

// Rows 1..count (count must lie in 1..kGridRows): volume to a float, counts by the grid's rule,
// 16-bit integers with halves to the even neighbour (a count outside -32768..32767 does not
// convert).
SeriesLoad LoadSeries(const GridTexts& grid, int count, const NumberLocale& locale);

// A series typed already, every cell loaded.
SeriesLoad Loaded(const Series& series);

}  // namespace tubewise
