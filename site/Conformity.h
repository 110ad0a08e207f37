// Whether a sample or a site's statistic conforms to a limit, under a named decision rule.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "site/LimitProfile.h"
#include "site/SiteStatistics.h"

namespace tubewise::site {

enum class DecisionRule {
    // The estimate compared with the limit: at or below complies, above does not.
    SimpleAcceptance,
    // Complies when the upper confidence limit is below the limit, does not comply when the
    // lower confidence limit is above it, inconclusive otherwise (a limit inside the interval
    // or equal to one of its ends).
    Guarded,
};

enum class Verdict { Complies, DoesNotComply, Inconclusive };

struct JudgeOptions {
    DecisionRule rule = DecisionRule::SimpleAcceptance;
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    // Two-sided level of the confidence limits of a site statistic (each side at
    // (1 + level) / 2, as the samples' own two-sided limits are); strictly between 0 and 1.
    double level = 0.95;
};

struct Conformity {
    Verdict verdict = Verdict::Inconclusive;
    DecisionRule rule = DecisionRule::SimpleAcceptance;
    LimitStatistic statistic = LimitStatistic::SingleSample;
    double limitPer100Ml = 0;
    int samples = 0;
    // The figure compared with the limit (for a single-sample limit over a period, the
    // highest counted value) and the confidence limits the guarded rule compared; empty where
    // the samples do not give them.
    std::optional<double> estimatePer100Ml;
    std::optional<double> lowPer100Ml;
    std::optional<double> highPer100Ml;  // may be +infinity
    std::vector<Note> notes;
};

// One sample against a limit per 100 mL, with the sample's own confidence limits. A sample
// with every tube positive never complies: its figure is only a lower bound.
Conformity JudgeSample(const SiteSample& sample, double limitPer100Ml, const JudgeOptions& options);

// The samples of the profile's period against the profile. A single-sample profile holds every
// sample of the period to the limit: it does not comply when one sample does not, complies
// when every sample does, and is inconclusive otherwise. The geometric mean's confidence
// limits are the Student t interval of the mean of the log10 values; a percentile's are the
// one-sided normal tolerance limits of that percentile of the log10 values, by Natrella's
// approximation of the non-central t factor (NIST/SEMATECH e-Handbook, 7.2.6.3), which is
// within a few per cent of the exact factor for ten samples or more. Both treat the counted
// values as measured; the notes say how non-detects and flagged samples were counted.
Conformity JudgeSite(std::span<const SiteSample> samples, const LimitProfile& profile,
                     const JudgeOptions& options);

}  // namespace tubewise::site
