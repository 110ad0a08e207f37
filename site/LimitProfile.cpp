// The limit profiles' text form.
#include "site/LimitProfile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <type_traits>

#include "core/NumberText.h"

namespace tubewise::site {

namespace {

constexpr char kHeader[] = "# Tubewise limit profiles: name, statistic, value per 100 mL, period";

struct StatisticName {
    LimitStatistic statistic;
    std::string_view name;
};
constexpr StatisticName kStatisticNames[] = {
    {LimitStatistic::SingleSample, "single"},
    {LimitStatistic::GeometricMean, "geomean"},
    {LimitStatistic::Percentile90, "p90"},
    {LimitStatistic::Percentile95, "p95"},
};

std::string Escape(std::string_view name) {
    std::string out;
    // A name that begins with '#' would read back as a comment line.
    if (name.starts_with('#')) {
        out += "\\#";
        name.remove_prefix(1);
    }
    for (char c : name) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '#':
                out += '#';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string PeriodText(const Period& period) {
    return std::visit(
        [](const auto& p) -> std::string {
            using P = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<P, DateRange>) {
                return "range:" + (p.first ? DayText(*p.first) : std::string()) + ".." +
                       (p.last ? DayText(*p.last) : std::string());
            } else if constexpr (std::is_same_v<P, LastSamples>) {
                return "last:" + std::to_string(p.count);
            } else {
                return "days:" + std::to_string(p.days) +
                       (p.lastDay ? "@" + DayText(*p.lastDay) : std::string());
            }
        },
        period);
}

// An empty end of a range is open; anything else must be a day.
std::optional<std::optional<SampleDay>> ParseRangeEnd(std::string_view text) {
    if (text.empty()) return std::optional<SampleDay>{};
    const auto day = ParseDay(text);
    if (!day) return std::nullopt;
    return std::optional<SampleDay>{*day};
}

std::optional<Period> ParsePeriod(std::string_view text) {
    if (text.starts_with("range:")) {
        text.remove_prefix(6);
        const std::size_t dots = text.find("..");
        if (dots == std::string_view::npos) return std::nullopt;
        const auto first = ParseRangeEnd(text.substr(0, dots));
        const auto last = ParseRangeEnd(text.substr(dots + 2));
        if (!first || !last) return std::nullopt;
        return DateRange{*first, *last};
    }
    if (text.starts_with("last:")) {
        const auto count = ParseNumber<int>(text.substr(5));
        if (!count || *count < 1) return std::nullopt;
        return LastSamples{*count};
    }
    if (text.starts_with("days:")) {
        text.remove_prefix(5);
        const std::size_t at = text.find('@');
        const auto days = ParseNumber<int>(text.substr(0, at));
        if (!days || *days < 1) return std::nullopt;
        RollingDays rolling{*days, std::nullopt};
        if (at != std::string_view::npos) {
            rolling.lastDay = ParseDay(text.substr(at + 1));
            if (!rolling.lastDay) return std::nullopt;
        }
        return rolling;
    }
    return std::nullopt;
}

std::optional<LimitProfile> ParseLine(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (fields.size() != 4) return std::nullopt;
    LimitProfile profile;
    const auto name = Unescape(fields[0]);
    if (!name || name->empty()) return std::nullopt;
    profile.name = *name;
    bool known = false;
    for (const StatisticName& s : kStatisticNames)
        if (s.name == fields[1]) {
            profile.statistic = s.statistic;
            known = true;
        }
    const auto value = ParseNumber<double>(fields[2]);
    const auto period = ParsePeriod(fields[3]);
    if (!known || !value || !std::isfinite(*value) || *value <= 0 || !period) return std::nullopt;
    profile.valuePer100Ml = *value;
    profile.period = *period;
    return profile;
}

}  // namespace

std::string WriteProfiles(std::span<const LimitProfile> profiles) {
    std::string text = std::string(kHeader) + "\n";
    for (const LimitProfile& p : profiles) {
        std::string_view statistic;
        for (const StatisticName& s : kStatisticNames)
            if (s.statistic == p.statistic) statistic = s.name;
        text += Escape(p.name) + "\t" + std::string(statistic) + "\t" +
                FormatShortest(p.valuePer100Ml) + "\t" + PeriodText(p.period) + "\n";
    }
    return text;
}

ReadProfilesResult ReadProfiles(std::string_view text) {
    ReadProfilesResult result;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with('#')) continue;
        if (auto profile = ParseLine(line))
            result.profiles.push_back(std::move(*profile));
        else
            result.badLines.push_back(number);
    }
    return result;
}

}  // namespace tubewise::site
