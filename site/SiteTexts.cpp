// One-line texts of the site's figures.
#include "site/SiteTexts.h"

#include <cmath>

#include "core/Texts.h"
#include "results/StatisticsTexts.h"

namespace tubewise::site {

namespace {

void AddNotes(std::vector<std::string>& lines, const std::vector<Note>& notes) {
    for (const Note& note : notes) lines.push_back(NoteText(note));
}

}  // namespace

std::string StatisticName(LimitStatistic statistic) {
    switch (statistic) {
        case LimitStatistic::GeometricMean:
            return text::Tr(text::kStatisticGeometricMean);
        case LimitStatistic::Percentile90:
            return text::Tr(text::kStatisticPercentile90);
        case LimitStatistic::Percentile95:
            return text::Tr(text::kStatisticPercentile95);
        case LimitStatistic::SingleSample:
            break;
    }
    return text::Tr(text::kStatisticSingleSample);
}

std::string VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Complies:
            return text::Tr(text::kVerdictComplies);
        case Verdict::DoesNotComply:
            return text::Tr(text::kVerdictDoesNotComply);
        case Verdict::Inconclusive:
            break;
    }
    return text::Tr(text::kVerdictInconclusive);
}

std::string RuleText(DecisionRule rule) {
    return text::Tr(rule == DecisionRule::Guarded ? text::kRuleGuarded
                                                  : text::kRuleSimpleAcceptance);
}

std::string NoteText(const Note& note) {
    const std::string count = std::to_string(note.samples);
    switch (note.kind) {
        case NoteKind::NonDetectsAtDetectionLimit:
            return text::Tr(text::kNoteNonDetectsAtLimit, count);
        case NoteKind::NonDetectsAtHalfDetectionLimit:
            return text::Tr(text::kNoteNonDetectsAtHalfLimit, count);
        case NoteKind::AllPositiveAtHighestFinite:
            return text::Tr(text::kNoteAllPositive, count);
        case NoteKind::NotCountable:
            return text::Tr(text::kNoteNotCountable, count);
        case NoteKind::PercentilesNeedTwoSamples:
            return text::Tr(text::kNotePercentilesNeedTwo);
        case NoteKind::NoSamples:
            return text::Tr(text::kNoteNoSamples);
        case NoteKind::EstimateIsLowerBound:
            return text::Tr(text::kNoteLowerBound);
        case NoteKind::TooFewForConfidenceLimits:
            return text::Tr(text::kNoteTooFewForLimits);
        case NoteKind::MeanLimitsFromStudentT:
            return text::Tr(text::kNoteMeanLimitsT);
        case NoteKind::PercentileLimitsFromTolerance:
            return text::Tr(text::kNotePercentileLimitsTolerance);
        case NoteKind::EachSampleOwnLimits:
            break;
    }
    return text::Tr(text::kNoteEachSampleOwnLimits);
}

std::string FigureText(const std::optional<double>& per100Ml, const NumberLocale& locale) {
    if (!per100Ml) return text::Tr(text::kStatisticUndefined);
    if (std::isinf(*per100Ml)) return text::Tr(text::kOpenLimit);
    return FormatSignificant(*per100Ml, kMpnFigures, locale);
}

std::vector<std::string> StatisticsLines(const SiteStatistics& s, const NumberLocale& locale) {
    std::vector<std::string> lines{
        text::Tr(text::kSiteCount, std::to_string(s.count)),
        text::Tr(text::kSiteGeometricMean, FigureText(s.geometricMeanPer100Ml, locale)),
        text::Tr(text::kSitePercentile90, FigureText(s.percentile90Per100Ml, locale)),
        text::Tr(text::kSitePercentile95, FigureText(s.percentile95Per100Ml, locale)),
        text::Tr(text::kSiteMedian, FigureText(s.medianPer100Ml, locale)),
        text::Tr(text::kSiteMinimum, FigureText(s.minimumPer100Ml, locale)),
        text::Tr(text::kSiteMaximum, FigureText(s.maximumPer100Ml, locale)),
    };
    if (s.limitPer100Ml) {
        lines.push_back(text::Tr(text::kSiteLimit, FigureText(s.limitPer100Ml, locale)));
        lines.push_back(text::Tr(text::kSiteAboveLimit, std::to_string(s.aboveLimit.value_or(0))));
    }
    AddNotes(lines, s.notes);
    return lines;
}

std::vector<std::string> ConformityLines(const Conformity& c, const NumberLocale& locale) {
    std::vector<std::string> lines{
        text::Tr(text::kSiteStatisticLine, StatisticName(c.statistic)),
        text::Tr(text::kSiteLimit, FigureText(c.limitPer100Ml, locale)),
        VerdictText(c.verdict),
        RuleText(c.rule),
        text::Tr(text::kSiteEstimate, FigureText(c.estimatePer100Ml, locale)),
    };
    if (c.rule == DecisionRule::Guarded)
        lines.push_back(text::Tr(
            text::kSiteLimitsCompared,
            FigureText(c.lowPer100Ml, locale) + " - " + FigureText(c.highPer100Ml, locale)));
    AddNotes(lines, c.notes);
    return lines;
}

}  // namespace tubewise::site
