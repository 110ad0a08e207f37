// The site's samples as CSV, with the batch output's field rules.
#include "site/SiteCsv.h"

#include <cmath>
#include <cstdio>

#include "core/CsvText.h"
#include "core/NumberText.h"
#include "site/SitePeriod.h"

namespace tubewise::site {

namespace {

constexpr char kHeader[] =
    "record,sample_id,sampled_at,kind,mle_per_100ml,counted_per_100ml,non_detect,flagged,"
    "detection_limit_per_100ml,highest_finite_per_100ml,ci_low_per_100ml,ci_high_per_100ml,"
    "rolling_geometric_mean_per_100ml,above_limit";

std::string Number(double x) {
    return std::isfinite(x) ? FormatShortest(x) : std::string();
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

std::string TimeText(SampleTime time) {
    const SampleDay day = DayOf(time);
    const std::chrono::year_month_day ymd{day};
    const auto minutes = (time - day).count();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return text;
}

const char* KindName(SampleKind kind) {
    switch (kind) {
        case SampleKind::AllNegative:
            return "all_negative";
        case SampleKind::AllPositive:
            return "all_positive";
        case SampleKind::Finite:
            break;
    }
    return "finite";
}

}  // namespace

std::string SiteCsv(std::span<const SiteSample> samples, const SiteCsvOptions& options) {
    const std::vector<SiteSample> ordered = InTimeOrder(samples);
    const std::vector<RollingPoint> rolling =
        RollingGeometricMean(ordered, options.rollingDays, options.nonDetects);
    std::string out = std::string(kHeader) + "\r\n";
    std::size_t nextPoint = 0;  // the rolling points follow the countable samples in order
    for (const SiteSample& s : ordered) {
        const double counted = CountedValuePer100Ml(s, options.nonDetects);
        const bool countable = std::isfinite(counted) && counted > 0;
        std::string rollingValue;
        if (countable && nextPoint < rolling.size())
            rollingValue = Number(rolling[nextPoint++].geometricMeanPer100Ml);
        // Above the limit is a question of the sample's own estimate, as the site's count of
        // samples above it is: a non-detect never is, whatever figure it stands in for.
        std::string above;
        if (options.limitPer100Ml) above = Bool(s.mlePer100Ml > *options.limitPer100Ml);
        out += std::to_string(s.recordNumber) + "," + CsvTextField(s.sampleId) + "," +
               TimeText(s.sampledAt) + "," + KindName(s.kind) + "," + Number(s.mlePer100Ml) + "," +
               Number(counted) + "," + Bool(s.kind == SampleKind::AllNegative) + "," +
               Bool(s.kind == SampleKind::AllPositive) + "," + Number(s.detectionLimitPer100Ml) +
               "," + Number(s.highestFinitePer100Ml) + "," + Number(s.ciLowPer100Ml) + "," +
               Number(s.ciHighPer100Ml) + "," + rollingValue + "," + above + "\r\n";
    }
    return out;
}

}  // namespace tubewise::site
