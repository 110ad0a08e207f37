// A site's samples as the register holds them: the latest version of each of the site's
// records, dated by its sampling time and counted at its exact MLE.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "register/Record.h"
#include "site/SiteSample.h"

namespace tubewise::site {

struct SiteRecords {
    std::vector<SiteSample> samples;  // in the order of the versions given
    // Records of the site left out: without a sampling time (they cannot be placed in a
    // period), and those whose inputs give no sample (a tray, a series the model refuses).
    int notDated = 0;
    int notComputable = 0;
};

// The sample of one record version, counted with the version's own confidence method and
// level; nullopt when its inputs give none.
std::optional<SiteSample> SampleOfRecord(const reg::RecordVersion& version);

// The versions whose site is exactly `site`, as samples (the caller passes the latest
// versions: a corrected record counts once, as corrected).
SiteRecords SiteSamplesOf(std::span<const reg::RecordVersion> versions, std::string_view site);

// The distinct sites of the versions, sorted; records without a site are left out.
std::vector<std::string> SitesOf(std::span<const reg::RecordVersion> versions);

}  // namespace tubewise::site
