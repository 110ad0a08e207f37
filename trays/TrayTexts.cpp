// Texts of a tray or plate result, through the texts catalogue.
#include "trays/TrayTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/Texts.h"

namespace tubewise::trays {

namespace {

std::string ReplaceAll(std::string text, std::string_view marker, std::string_view by) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
    return text;
}

std::string Whole(double x) {
    return std::to_string(static_cast<long long>(x));
}

}  // namespace

std::string DesignName(Design design) {
    switch (design) {
        case Design::Tray51:
            return text::Tr(text::kTray51Name);
        case Design::Tray97:
            return text::Tr(text::kTray97Name);
        case Design::Groups:
            break;
    }
    return text::Tr(text::kGroupsName);
}

std::string CountsText(const TrayInput& input, const NumberLocale& locale) {
    switch (input.design) {
        case Design::Tray51:
            return ReplaceAll(text::Tr(text::kTray51Counts, Whole(input.positives)), "%2",
                              std::to_string(kTray51Wells));
        case Design::Tray97: {
            std::string t = text::Tr(text::kTray97Counts, Whole(input.positives));
            t = ReplaceAll(std::move(t), "%2", std::to_string(kTray97LargeWells));
            t = ReplaceAll(std::move(t), "%3", Whole(input.smallPositives));
            return ReplaceAll(std::move(t), "%4", std::to_string(kTray97SmallWells));
        }
        case Design::Groups:
            break;
    }
    std::string groups;
    for (const GroupEntry& g : input.groups) {
        if (!groups.empty()) groups += ' ';
        groups +=
            FormatGeneral(g.volumeMl, locale) + ':' + Whole(g.positives) + ':' + Whole(g.negatives);
    }
    return text::Tr(text::kGroupsCounts, groups);
}

std::string DilutionFactorText(double dilutionFactor, const NumberLocale& locale) {
    return text::Tr(text::kDilutionFactorCounts, FormatGeneral(dilutionFactor, locale));
}

int FigureDecimals(double dilutionFactor) {
    // The small allowance keeps exact powers of ten (log10 rounding a hair above) on their step.
    const double decimals = std::ceil(1.0 - std::log10(dilutionFactor) - 1e-9);
    return static_cast<int>(std::clamp(decimals, 0.0, 15.0));
}

std::string FigureText(double per100Ml, double dilutionFactor, const NumberLocale& locale) {
    if (std::isinf(per100Ml)) return text::Tr(text::kOpenLimit);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", FigureDecimals(dilutionFactor), per100Ml);
    return ReplaceAll(buffer, ".", locale.decimalSeparator);
}

std::string ReportFigureText(const TrayResult& result, const NumberLocale& locale) {
    const std::string figure = FigureText(result.reportPer100Ml, result.dilutionFactor, locale);
    switch (result.bound) {
        case TrayBound::Below:
            return text::kLessThanMark + figure;
        case TrayBound::Above:
            return text::kMoreThanMark + figure;
        case TrayBound::None:
            break;
    }
    return figure;
}

}  // namespace tubewise::trays
