// The samples a site's statistics are taken over: a range of days, the last N samples, or a
// rolling window of D days.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "site/SiteSample.h"

namespace tubewise::site {

// Whole days, both ends included (a sample at 23:59 of `last` is in); an end left out is open.
struct DateRange {
    std::optional<SampleDay> first;
    std::optional<SampleDay> last;
};

// The `count` latest samples.
struct LastSamples {
    int count = 1;
};

// The `days` calendar days ending with `lastDay`, both included (30 days ending 30 June are
// 1 to 30 June); without `lastDay`, the days ending with the day of the latest sample.
struct RollingDays {
    int days = 30;
    std::optional<SampleDay> lastDay;
};

using Period = std::variant<DateRange, LastSamples, RollingDays>;

// The samples of the period in the order they were taken (equal times by record number).
// A count or a number of days below 1 selects nothing.
std::vector<SiteSample> SelectPeriod(std::span<const SiteSample> samples, const Period& period);

// A day as "YYYY-MM-DD", and such a text read back; nullopt when it names no real day.
std::string DayText(SampleDay day);
std::optional<SampleDay> ParseDay(std::string_view text);

// The samples in time order, equal times by record number.
std::vector<SiteSample> InTimeOrder(std::span<const SiteSample> samples);

}  // namespace tubewise::site
