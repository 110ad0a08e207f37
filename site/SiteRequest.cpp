// Reading the site window's texts into a request and a limit profile.
#include "site/SiteRequest.h"

#include <cmath>
#include <utility>

namespace tubewise::site {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An end of a range: empty is open, otherwise a real day.
bool ReadDay(std::string_view text, std::optional<SampleDay>& day) {
    text = Trimmed(text);
    if (text.empty()) return true;
    day = ParseDay(text);
    return day.has_value();
}

std::optional<int> ReadCount(std::string_view text, const NumberLocale& locale) {
    const auto value = TextToFloat(Trimmed(text), locale);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > kMaxPeriodCount)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> ReadLimit(std::string_view text, const NumberLocale& locale) {
    const auto value = TextToFloat(Trimmed(text), locale);
    if (!value || !std::isfinite(*value) || !(*value > 0)) return std::nullopt;
    return value;
}

std::variant<Period, SiteFault> ReadPeriod(const SiteRequestTexts& t, const NumberLocale& locale) {
    switch (t.periodKind) {
        case PeriodKind::LastSamples: {
            const auto count = ReadCount(t.count, locale);
            if (!count) return SiteFault{SiteField::Count, text::kSiteCountPrompt};
            return LastSamples{*count};
        }
        case PeriodKind::RollingDays: {
            RollingDays rolling;
            const auto days = ReadCount(t.count, locale);
            if (!days) return SiteFault{SiteField::Count, text::kSiteCountPrompt};
            rolling.days = *days;
            if (!ReadDay(t.to, rolling.lastDay))
                return SiteFault{SiteField::To, text::kSiteDayPrompt};
            return rolling;
        }
        case PeriodKind::DateRange:
            break;
    }
    DateRange range;
    if (!ReadDay(t.from, range.first)) return SiteFault{SiteField::From, text::kSiteDayPrompt};
    if (!ReadDay(t.to, range.last)) return SiteFault{SiteField::To, text::kSiteDayPrompt};
    if (range.first && range.last && *range.first > *range.last)
        return SiteFault{SiteField::From, text::kSiteRangeOrderPrompt};
    return range;
}

}  // namespace

std::variant<SiteRequest, SiteFault> ReadSiteRequest(const SiteRequestTexts& t,
                                                     const NumberLocale& locale) {
    SiteRequest r;
    r.site = std::string(Trimmed(t.site));
    if (r.site.empty()) return SiteFault{SiteField::Site, text::kSiteNoSitePrompt};
    auto period = ReadPeriod(t, locale);
    if (auto* fault = std::get_if<SiteFault>(&period)) return *fault;
    r.options.period = std::get<Period>(period);
    if (!Trimmed(t.limit).empty()) {
        r.options.limitPer100Ml = ReadLimit(t.limit, locale);
        if (!r.options.limitPer100Ml) return SiteFault{SiteField::Limit, text::kSiteLimitPrompt};
    }
    r.options.statistic = t.statistic;
    r.options.rule = t.rule;
    r.options.nonDetects = t.nonDetects;
    const auto rolling = ReadCount(t.rollingDays, locale);
    if (!rolling) return SiteFault{SiteField::Rolling, text::kSiteRollingPrompt};
    r.rollingDays = *rolling;
    return r;
}

std::variant<LimitProfile, SiteFault> ProfileOfTexts(std::string_view name,
                                                     const SiteRequestTexts& texts,
                                                     const NumberLocale& locale) {
    LimitProfile p;
    p.name = std::string(Trimmed(name));
    if (p.name.empty()) return SiteFault{SiteField::ProfileName, text::kSiteProfileNamePrompt};
    const auto limit = ReadLimit(texts.limit, locale);
    if (!limit) return SiteFault{SiteField::Limit, text::kSiteLimitPrompt};
    p.valuePer100Ml = *limit;
    auto period = ReadPeriod(texts, locale);
    if (auto* fault = std::get_if<SiteFault>(&period)) return *fault;
    p.period = std::get<Period>(period);
    p.statistic = texts.statistic;
    return p;
}

SiteRequestTexts WithProfile(SiteRequestTexts texts, const LimitProfile& profile,
                             const NumberLocale& locale) {
    texts.statistic = profile.statistic;
    texts.limit = FormatGeneral(profile.valuePer100Ml, locale);
    const auto day = [](const std::optional<SampleDay>& d) {
        return d ? DayText(*d) : std::string();
    };
    if (const auto* range = std::get_if<DateRange>(&profile.period)) {
        texts.periodKind = PeriodKind::DateRange;
        texts.from = day(range->first);
        texts.to = day(range->last);
    } else if (const auto* last = std::get_if<LastSamples>(&profile.period)) {
        texts.periodKind = PeriodKind::LastSamples;
        texts.count = std::to_string(last->count);
    } else if (const auto* rolling = std::get_if<RollingDays>(&profile.period)) {
        texts.periodKind = PeriodKind::RollingDays;
        texts.count = std::to_string(rolling->days);
        texts.to = day(rolling->lastDay);
    }
    return texts;
}

std::vector<LimitProfile> PutProfile(std::vector<LimitProfile> profiles, LimitProfile profile) {
    for (LimitProfile& each : profiles)
        if (each.name == profile.name) {
            each = std::move(profile);
            return profiles;
        }
    profiles.push_back(std::move(profile));
    return profiles;
}

SiteReportHeader HeaderOf(const SiteRequest& request, const SiteSummary& summary,
                          std::string date) {
    SiteReportHeader h;
    h.site = request.site;
    h.date = std::move(date);
    if (const auto* range = std::get_if<DateRange>(&request.options.period)) {
        if (range->first) h.from = DayText(*range->first);
        if (range->last) h.to = DayText(*range->last);
    } else if (const auto* rolling = std::get_if<RollingDays>(&request.options.period)) {
        // The window's own days, whether or not a sample was taken on its first.
        std::optional<SampleDay> last = rolling->lastDay;
        if (!last && !summary.samples.empty()) last = DayOf(summary.samples.back().sampledAt);
        if (last) {
            h.from = DayText(*last - std::chrono::days{rolling->days - 1});
            h.to = DayText(*last);
        }
    } else if (!summary.samples.empty()) {
        h.from = DayText(DayOf(summary.samples.front().sampledAt));
        h.to = DayText(DayOf(summary.samples.back().sampledAt));
    }
    return h;
}

}  // namespace tubewise::site
