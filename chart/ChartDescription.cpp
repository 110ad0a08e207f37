// Computes the probability chart's data, captions and scale from a calculation.
#include "chart/ChartDescription.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "core/EstimateMpn.h"
#include "core/NumberText.h"
#include "core/Series.h"
#include "core/Texts.h"

namespace tubewise {

namespace {

constexpr double kScaleThreshold = 1e-50;
constexpr double kScaleNumerator = 1e50;
constexpr double kTitleLowerBound = 999.999999;  // per 100 mL; above it the MPN is "> 1000"

// A probability rounded to three significant digits the way the chart shows it: rendered
// with "0.00E-" and read back. Non-finite figures cannot be rendered.
std::optional<double> ThreeDigits(double p) {
    if (!std::isfinite(p)) return std::nullopt;
    return TextToFloat(FormatScientific2(p), NumberLocale{});
}

// The curve entry i of a calculation; a calculation without a curve (a refused grid, a
// discarded search) has zeros throughout.
struct CurveView {
    const Curve* curve = nullptr;
    double lambda(int i) const { return curve ? curve->lambda[static_cast<std::size_t>(i)] : 0.0; }
    double likelihood(int i) const {
        return curve ? curve->likelihood[static_cast<std::size_t>(i)] : 0.0;
    }
};

bool BuildPlotData(const CurveView& curve, ChartDescription& chart) {
    std::vector<double> densities, probabilities;
    for (int i = 1; i <= kChartColumns; ++i) {
        const double density = RoundHalfEven(curve.lambda(kChartStride * i), 2);
        const std::optional<double> p = ThreeDigits(curve.likelihood(kChartStride * i));
        if (!std::isfinite(density) || !p) return false;
        densities.push_back(density);
        probabilities.push_back(*p);
    }
    chart.densities = std::move(densities);
    chart.probabilities = std::move(probabilities);
    return true;
}

// Tiny curves are lifted by 10^50 / LikelihoodGrid(50) so the columns can be seen. Fails,
// leaving the probabilities alone, on a division by zero or an overflow.
bool ScaleTinyCurve(const CurveView& curve, ChartDescription& chart) {
    const double reference = curve.likelihood(50);
    if (!(kScaleThreshold > reference)) return true;
    if (reference == 0) return false;
    const double factor = kScaleNumerator / reference;
    if (!std::isfinite(factor)) return false;
    std::vector<double> scaled;
    for (double p : chart.probabilities) {
        const std::optional<double> shown = ThreeDigits(p);
        if (!shown) return false;
        const double product = *shown * factor;
        if (!std::isfinite(product)) return false;
        scaled.push_back(product);
    }
    chart.probabilities = std::move(scaled);
    chart.scaled = true;
    chart.scaleFactor = factor;
    return true;
}

// A curve whose products underflowed where its answer lies holds zeros where the columns
// should stand, and no reference likelihood to divide by. The columns come from the
// log-likelihoods of the same candidates instead, lifted exactly as a tiny curve is:
// p_i * 10^50 / L_50 = exp(ln L_i - ln L_50 + 50 ln 10), the factor named from its logarithm
// (it may lie beyond the range of a double). Where that would lift a column beyond the range
// of a double (L_50 far down the curve's flank: 1000 tubes of 1 mL, half positive, put the
// peak 10^1936 times above it), the tallest plotted column takes candidate 50's place as the
// reference, so the columns still show the curve's shape and the factor still names the lift.
bool ScaleUnderflowedCurve(const Series& series, const CurveView& curve,
                           ChartDescription& chart) {
    constexpr double kLn10 = 2.302585092994045684;
    const double lift = 50 * kLn10;
    double reference = LogLikelihoodAt(series, curve.lambda(50));
    std::vector<double> logs;
    double tallest = -std::numeric_limits<double>::infinity();
    for (int i = 1; i <= kChartColumns; ++i) {
        logs.push_back(LogLikelihoodAt(series, curve.lambda(kChartStride * i)));
        tallest = std::max(tallest, logs.back());
    }
    if (!std::isfinite(reference) || !std::isfinite(tallest)) return false;
    if (!std::isfinite(std::exp(tallest - reference + lift))) reference = tallest;
    std::vector<double> scaled;
    for (double logLikelihood : logs) {
        const double column = std::exp(logLikelihood - reference + lift);
        if (!std::isfinite(column)) return false;
        scaled.push_back(column);
    }
    chart.probabilities = std::move(scaled);
    chart.scaled = true;
    chart.scaleLog10 = 50 - reference / kLn10;
    const double factor = std::pow(10.0, *chart.scaleLog10);
    if (std::isfinite(factor)) chart.scaleFactor = factor;
    return true;
}

// A curve that a search over a valid grid filled. Only then does a reference likelihood
// too small to scale by mean "draw it unscaled" rather than "nothing to draw": a failed
// validation or a search that ended before the first plotted density leaves no curve.
bool IsSearchedCurve(const Calculation& calc, const ChartDescription& chart) {
    if (!calc.gridValid()) return false;
    for (double d : chart.densities) {
        if (d != 0) return true;
    }
    return false;
}

}  // namespace

ChartDescription DescribeProbabilityChart(const Calculation* calc) {
    ChartDescription chart;
    // The first seven steps only set up the empty chart and its colours.
    chart.reached = ChartStep::SeriesDetailSet;

    if (!calc) return chart;  // no calculation yet: nothing to plot
    const CurveView curve{calc->gridValid() ? calc->search.curve.get() : nullptr};
    if (!BuildPlotData(curve, chart)) return chart;
    chart.reached = ChartStep::DataBuilt;

    const bool scaledIt = calc->search.likelihoodUnderflow
                              ? ScaleUnderflowedCurve(calc->series(), curve, chart)
                              : ScaleTinyCurve(curve, chart);
    if (!scaledIt) {
        if (!IsSearchedCurve(*calc, chart)) return chart;
        chart.scaleSkipped = true;
    }
    chart.reached = ChartStep::ScaleTested;

    chart.reached = ChartStep::TitleFormatted;

    const double rounded = RoundHalfEven(calc->mpnPer100Ml(), 2);
    if (!std::isfinite(rounded)) return chart;
    chart.mpnTitleText = FormatSigned(rounded);
    chart.mpnAboveRange = calc->mpnPer100Ml() > kTitleLowerBound;
    chart.reached = ChartStep::TitleCaptioned;

    chart.reached = ChartStep::DataShown;
    chart.reached = ChartStep::ValueAxisFormatted;
    chart.reached = ChartStep::ValueAxisCaptioned;
    chart.reached = ChartStep::CategoryAxisDone;
    chart.reached = ChartStep::Finished;
    CaptionChart(chart);
    return chart;
}

void CaptionChart(ChartDescription& chart) {
    if (chart.has(ChartStep::TitleCaptioned)) {
        // The signed form's blank for a figure that is not negative is the blank after "=" in
        // the sentence; the MPN is never negative.
        std::string_view figure = chart.mpnTitleText;
        if (!figure.empty() && figure.front() == ' ') figure.remove_prefix(1);
        chart.title =
            text::Tr(chart.mpnAboveRange ? text::kChartTitleAboveRange : text::kChartTitle, figure);
    }
    if (chart.has(ChartStep::ValueAxisCaptioned)) {
        if (!chart.scaled)
            chart.valueAxisTitle = text::Tr(text::kValueAxisTitle);
        else
            chart.valueAxisTitle =
                text::Tr(text::kScaledValueAxisTitle,
                         chart.scaleLog10 ? FormatScaleFactorFromLog10(*chart.scaleLog10)
                                          : FormatScaleFactor(*chart.scaleFactor));
    }
    if (chart.has(ChartStep::CategoryAxisDone))
        chart.categoryAxisTitle = text::Tr(text::kCategoryAxisTitle);
}

}  // namespace tubewise
