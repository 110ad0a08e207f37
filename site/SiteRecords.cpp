// From register records to a site's samples and its summary over a period.
#include "site/SiteRecords.h"

#include <algorithm>
#include <chrono>

#include "core/Calculation.h"

namespace tubewise::site {

std::optional<SiteSample> SampleOfRecord(const reg::RecordVersion& version) {
    const auto minutes = reg::ParseDateTimeMinutes(version.sampledAt);
    const reg::RecordInputs& in = version.inputs;
    if (!minutes || in.design != reg::Design::Tubes || in.rows.empty() ||
        in.rows.size() > static_cast<std::size_t>(kGridRows))
        return std::nullopt;
    GridTexts grid;
    std::copy(in.rows.begin(), in.rows.end(), grid.begin());
    // The cells are read in the locale they were typed in, as the register computed them.
    const SeriesLoad load =
        LoadSeries(grid, static_cast<int>(in.rows.size()), NumberLocale{in.decimalSeparator});
    if (!load.complete()) return std::nullopt;
    const std::vector<stats::Dilution> series = DilutionsOf(load.series);
    BuiltSample built = BuildSiteSample(SampleTime{std::chrono::minutes{*minutes}}, version.record,
                                        version.sampleId, series, {in.ciMethod, in.ciLevel});
    if (built.check.fault != stats::SeriesFault::None) return std::nullopt;
    return built.sample;
}

SiteRecords SiteSamplesOf(std::span<const reg::RecordVersion> versions, std::string_view site) {
    SiteRecords r;
    for (const reg::RecordVersion& v : versions) {
        if (v.site != site) continue;
        if (!reg::ParseDateTimeMinutes(v.sampledAt)) {
            ++r.notDated;
        } else if (auto sample = SampleOfRecord(v)) {
            r.samples.push_back(std::move(*sample));
        } else {
            ++r.notComputable;
        }
    }
    return r;
}

std::vector<std::string> SitesOf(std::span<const reg::RecordVersion> versions) {
    std::vector<std::string> sites;
    for (const reg::RecordVersion& v : versions)
        if (!v.site.empty()) sites.push_back(v.site);
    std::sort(sites.begin(), sites.end());
    sites.erase(std::unique(sites.begin(), sites.end()), sites.end());
    return sites;
}

SiteSummary SummariseSite(std::span<const SiteSample> samples, const SiteSummaryOptions& options) {
    SiteSummary r;
    r.samples = SelectPeriod(samples, options.period);
    r.statistics = ComputeSiteStatistics(r.samples, {options.nonDetects, options.limitPer100Ml});
    if (!options.limitPer100Ml) return r;
    const double limit = *options.limitPer100Ml;
    // The count above the limit answers "which samples exceeded it", a question of each
    // sample's own estimate, not of the figure a non-detect stands in for.
    r.statistics.aboveLimit = static_cast<int>(std::count_if(
        r.samples.begin(), r.samples.end(), [&](const SiteSample& s) { return s.mlePer100Ml > limit; }));
    LimitProfile profile;
    profile.statistic = options.statistic;
    profile.valuePer100Ml = limit;
    profile.period = DateRange{};  // the samples are those of the period already
    JudgeOptions judge;
    judge.rule = options.rule;
    judge.nonDetects = options.nonDetects;
    r.conformity = JudgeSite(r.samples, profile, judge);
    return r;
}

}  // namespace tubewise::site
