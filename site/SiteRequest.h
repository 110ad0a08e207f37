// What the site window asks for, as the analyst typed and chose it: read and checked here, in
// plain C++, so that the window only hands over its boxes' texts and shows what comes back.
// The limit profiles are made from and put back into the same texts.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/NumberText.h"
#include "core/Texts.h"
#include "site/LimitProfile.h"
#include "site/SiteReport.h"
#include "site/SiteSummary.h"

namespace tubewise::site {

enum class PeriodKind { DateRange, LastSamples, RollingDays };

struct SiteRequestTexts {
    std::string site;
    PeriodKind periodKind = PeriodKind::DateRange;
    std::string from;   // a range's first day, "YYYY-MM-DD"; empty: open
    std::string to;     // a range's last day, or the rolling window's; empty: open or latest
    std::string count;  // the number of samples, or of days of the rolling window
    LimitStatistic statistic = LimitStatistic::SingleSample;
    std::string limit;  // per 100 mL; empty: no limit
    DecisionRule rule = DecisionRule::SimpleAcceptance;
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    std::string rollingDays = "30";  // of the rolling geometric mean's line
};

// The box a refusal is about, so that the window can give it the keyboard.
enum class SiteField { Site, From, To, Count, Limit, Rolling, ProfileName };

struct SiteFault {
    SiteField field;
    text::Text prompt;
};

struct SiteRequest {
    std::string site;
    SiteSummaryOptions options;
    int rollingDays = 30;
};

inline constexpr int kMaxPeriodCount = 100000;  // samples, or days (about 270 years)

// Numbers in the analyst's form (Persian digits and the locale's separator too). A range
// whose first day is after its last is refused; so is a limit that is not a finite number
// above 0, and a count or number of days that is not a whole number from 1 to kMaxPeriodCount.
std::variant<SiteRequest, SiteFault> ReadSiteRequest(const SiteRequestTexts& texts,
                                                     const NumberLocale& locale);

// A profile of the window's period, statistic and limit under `name` (blanks around it
// dropped); a profile needs a name and a limit.
std::variant<LimitProfile, SiteFault> ProfileOfTexts(std::string_view name,
                                                     const SiteRequestTexts& texts,
                                                     const NumberLocale& locale);

// The window's texts with a profile's period, statistic and limit put in; the site, the
// decision rule, the non-detects' rule and the rolling line stay as they were.
SiteRequestTexts WithProfile(SiteRequestTexts texts, const LimitProfile& profile,
                             const NumberLocale& locale);

// The profiles with `profile` in place of the one of the same name, or added at the end.
std::vector<LimitProfile> PutProfile(std::vector<LimitProfile> profiles, LimitProfile profile);

// The site report's header for a summary: a range's ends as asked (an open end left empty);
// a rolling window's days; for the last samples, the days of the first and last of them.
SiteReportHeader HeaderOf(const SiteRequest& request, const SiteSummary& summary, std::string date);

}  // namespace tubewise::site
