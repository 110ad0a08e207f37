// The texts of the statistics window as a pure function of a calculation and its exact
// statistics, shared by the window, the copied line and the report.
#pragma once

#include <optional>
#include <string>

#include "core/Calculation.h"
#include "core/Colour.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {

// Significant figures: an MPN to four (16.09 per mL, 1609 per 100 mL), limits and the rarity
// index to three, as the published MPN tables give their limits.
inline constexpr int kMpnFigures = 4;
inline constexpr int kLimitFigures = 3;
inline constexpr int kRarityFigures = 3;

// The confidence levels the window offers, in the order of its chooser; 95 % is the default.
inline constexpr double kOfferedLevels[] = {0.90, 0.95, 0.99};
inline constexpr int kDefaultLevelIndex = 1;

// x rounded to `figures` significant figures (exact halves to even), in the general form.
std::string FormatSignificant(double x, int figures, const NumberLocale& locale);

// "95 %": a confidence level as the window and the report name it.
std::string LevelText(double level);
// The Persian name of a method of confidence limits.
std::string MethodText(stats::CiMethod method);

// The highest finite MPN per mL for the series' tubes: that of the same series with one tube
// of the smallest volume negative. It stands behind "> " where every tube is positive, as the
// published tables print "> 1600" for 5-5-5 at 10, 1 and 0.1 mL.
double HighestFiniteMpnPerMl(const Series& series);

struct StatisticsTexts {
    // Set: the grid refused the input or the series has no statistics; it says why, and every
    // figure below is empty.
    std::optional<std::string> refusal;
    std::string exactPer100Ml;     // "1609"; "> 1609" where every tube is positive; "0"
    std::string exactPerMl;        // "16.09"
    std::string adjustedPer100Ml;  // bias-adjusted, or the undefined mark
    std::string lowerPer100Ml;     // lower confidence limit
    std::string upperPer100Ml;     // upper limit, or the open mark where every tube is positive
    std::string method;            // Persian name of the method
    std::string level;             // "95 %"
    std::string rarity;            // rarity index
    bool improbable = false;
    std::string warning;  // the improbable-pattern warning, or empty
    std::string verdict;  // which figure to report
    Colour verdictColour = kAdviceGreen;
    bool gridCapped = false;  // the results window's answer is a lower bound
};

// The texts for a calculation and its statistics. `refusal` is the prompt of a refused
// calculation (it then has no valid grid). The grid's answer is the search's, per 100 mL.
StatisticsTexts ComposeStatisticsTexts(const Calculation& calc,
                                       const std::optional<Message>& refusal,
                                       const stats::MpnStatistics& statistics,
                                       const NumberLocale& locale);

}  // namespace tubewise
