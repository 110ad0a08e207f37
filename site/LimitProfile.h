// Limits the user names and edits: which statistic is held to which value per 100 mL over
// which period, and the plain text in which the user's profiles are kept in a settings file.
// No regulation's figure is built in: every profile comes from the user.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "site/SitePeriod.h"

namespace tubewise::site {

enum class LimitStatistic {
    SingleSample,   // every sample of the period on its own
    GeometricMean,  // the period's geometric mean
    Percentile90,   // the period's log-normal 90th percentile
    Percentile95,   // the period's log-normal 95th percentile
};

struct LimitProfile {
    std::string name;
    LimitStatistic statistic = LimitStatistic::SingleSample;
    double valuePer100Ml = 0;  // finite and above 0
    Period period = DateRange{};
};

// One profile a line, lines that begin with "#" and blank lines ignored:
//   NAME <TAB> single|geomean|p90|p95 <TAB> VALUE <TAB> PERIOD
// NAME with "\\", "\t", "\n" and "\r" for a backslash, a tab and line ends, and "\#" for a
// leading "#"; VALUE the shortest text that reads back to the same double; PERIOD one of
// "range:FIRST..LAST" (days as YYYY-MM-DD, either left empty for an open end), "last:N",
// "days:D" or "days:D@YYYY-MM-DD".
std::string WriteProfiles(std::span<const LimitProfile> profiles);

struct ReadProfilesResult {
    std::vector<LimitProfile> profiles;  // the lines that were read, in order
    std::vector<int> badLines;           // 1-based numbers of lines that were not
};

// Reads what WriteProfiles wrote, and refuses (by line) a name that is empty, an unknown
// statistic, a value that is not a finite number above 0, a count or number of days below 1
// and a day that does not exist.
ReadProfilesResult ReadProfiles(std::string_view text);

}  // namespace tubewise::site
