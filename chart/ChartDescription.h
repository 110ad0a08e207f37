// The probability chart as plain data: what one drawing sets up, computed from a calculation,
// and how far the drawing got before an error ended it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Colour.h"
#include "core/Calculation.h"

namespace tubewise {

struct ChartFont {
    std::string face;  // as the chart asks for it; the renderer picks the nearest installed face
    double pointSize = 0;
    bool bold = false;
    Colour colour;
};

// The drawing's steps in order; a description has completed every step up to `reached`.
enum class ChartStep {
    None = 0,
    Redrawn,             // chart space asked to redraw
    ChartsRemoved,       // every earlier chart removed
    LayoutSet,           // chart layout 0
    ChartAdded,          // one new, empty chart
    PlotAreaFilled,      // plot area light cyan
    SeriesAdded,         // one series, light green
    SeriesDetailSet,     // series sub-object set
    DataBuilt,           // densities and probabilities computed (not yet shown)
    ScaleTested,         // probabilities scaled when tiny
    TitleFormatted,      // title switched on with its font
    TitleCaptioned,      // title caption set
    DataShown,           // categories and values handed to the series
    ValueAxisFormatted,  // tick format, title font, tick size of the probability axis
    ValueAxisCaptioned,  // probability axis caption
    CategoryAxisDone,    // density axis title, font and tick size
    Finished,            // the whole drawing ran
};

inline constexpr int kChartColumns = 50;
inline constexpr int kChartStride = 200;  // every 200th candidate density is plotted

struct ChartDescription {
    ChartStep reached = ChartStep::None;
    bool has(ChartStep step) const { return reached >= step; }

    std::vector<double> densities;      // kChartColumns entries once DataBuilt, per mL
    std::vector<double> probabilities;  // kChartColumns entries once DataBuilt, after scaling
    bool scaled = false;
    // Set only when scaled; left unset where the factor of an underflowed curve exceeds a double.
    std::optional<double> scaleFactor;
    // log10 of the factor, set only where an underflowed curve was scaled from its
    // log-likelihoods (the state's LikelihoodUnderflow).
    std::optional<double> scaleLog10;
    // A valid curve whose reference likelihood was too small to scale by was drawn unscaled.
    bool scaleSkipped = false;

    std::string mpnTitleText;       // the MPN figure of the title; empty until TitleCaptioned
    bool mpnAboveRange = false;     // the title says "MPN >" rather than "MPN ="
    std::string title;              // UTF-8; empty until TitleCaptioned
    std::string valueAxisTitle;     // empty until ValueAxisCaptioned
    std::string categoryAxisTitle;  // empty until CategoryAxisDone

    Colour plotAreaColour{192, 255, 255};  // light cyan
    Colour seriesColour{128, 255, 128};    // light green
    ChartFont titleFont{"B titr", 12, true, {0, 0, 192}};
    ChartFont axisTitleFont{"Times new roman", 10, true, {0, 0, 0}};
    double valueTickPointSize = 6;
    double categoryTickPointSize = 5;
};

// Draws the probability chart of a calculation as data: every 200th entry of its curve and
// entry 50, whether its grid was valid and its answer per 100 mL; where its likelihood
// underflowed, the loaded series for the log-likelihoods of those entries. A calculation whose
// grid was refused (or whose search was discarded) has a curve of zeros; with no calculation
// at all (nullptr) there is no curve to draw. Never throws: an error ends the description at
// the step where it happened.
ChartDescription DescribeProbabilityChart(const Calculation* calc);

// Writes the title and axis captions that the description has reached in the run's language,
// from its own figures; a chart already drawn is captioned afresh this way when the language
// changes.
void CaptionChart(ChartDescription& chart);

}  // namespace tubewise
