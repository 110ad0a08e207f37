// From register records to a site's samples.
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

}  // namespace tubewise::site
