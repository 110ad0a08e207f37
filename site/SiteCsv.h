// A site's samples as CSV for a spreadsheet: one line a sample, in time order, with the figures
// the site's statistics count and the rolling geometric mean beside each.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "site/SiteStatistics.h"

namespace tubewise::site {

struct SiteCsvOptions {
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    // Fills above_limit (the exact MLE above it); empty without a limit.
    std::optional<double> limitPer100Ml;
    int rollingDays = 30;  // below 1: the rolling column stays empty
};

// RFC 4180 text, every line ended by CRLF. Columns: record, sample_id, sampled_at
// ("YYYY-MM-DD HH:MM"), kind (finite, all_negative, all_positive), mle_per_100ml (empty when
// infinite), counted_per_100ml, non_detect, flagged, detection_limit_per_100ml,
// highest_finite_per_100ml, ci_low_per_100ml, ci_high_per_100ml (empty when open),
// rolling_geometric_mean_per_100ml, above_limit. Figures are the shortest text that reads back
// to the same double; the sample id is written as the batch output writes ids, with a leading
// apostrophe where a spreadsheet would take it for a formula.
std::string SiteCsv(std::span<const SiteSample> samples, const SiteCsvOptions& options = {});

}  // namespace tubewise::site
