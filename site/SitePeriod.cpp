// Selecting the samples of a period.
#include "site/SitePeriod.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <type_traits>

namespace tubewise::site {

namespace {

std::vector<SiteSample> Within(std::vector<SiteSample> ordered, std::optional<SampleDay> first,
                               std::optional<SampleDay> last) {
    std::erase_if(ordered, [&](const SiteSample& s) {
        const SampleDay day = DayOf(s.sampledAt);
        return (first && day < *first) || (last && day > *last);
    });
    return ordered;
}

std::optional<int> ParseDigits(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string DayText(SampleDay day) {
    const std::chrono::year_month_day ymd{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

std::optional<SampleDay> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = ParseDigits(text.substr(0, 4));
    const auto m = ParseDigits(text.substr(5, 2));
    const auto d = ParseDigits(text.substr(8, 2));
    if (!y || !m || !d || *m < 1 || *d < 1) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year{*y},
                                          std::chrono::month{static_cast<unsigned>(*m)},
                                          std::chrono::day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) return std::nullopt;
    return SampleDay{ymd};
}

std::vector<SiteSample> InTimeOrder(std::span<const SiteSample> samples) {
    std::vector<SiteSample> ordered(samples.begin(), samples.end());
    std::stable_sort(ordered.begin(), ordered.end(), [](const SiteSample& a, const SiteSample& b) {
        if (a.sampledAt != b.sampledAt) return a.sampledAt < b.sampledAt;
        return a.recordNumber < b.recordNumber;
    });
    return ordered;
}

std::vector<SiteSample> SelectPeriod(std::span<const SiteSample> samples, const Period& period) {
    std::vector<SiteSample> ordered = InTimeOrder(samples);
    return std::visit(
        [&](const auto& p) -> std::vector<SiteSample> {
            using P = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<P, DateRange>) {
                return Within(std::move(ordered), p.first, p.last);
            } else if constexpr (std::is_same_v<P, LastSamples>) {
                if (p.count < 1) return {};
                const std::size_t keep = std::min<std::size_t>(ordered.size(), p.count);
                ordered.erase(ordered.begin(), ordered.end() - static_cast<std::ptrdiff_t>(keep));
                return ordered;
            } else {
                if (p.days < 1 || ordered.empty()) return {};
                const SampleDay last = p.lastDay ? *p.lastDay : DayOf(ordered.back().sampledAt);
                return Within(std::move(ordered), last - std::chrono::days{p.days - 1}, last);
            }
        },
        period);
}

}  // namespace tubewise::site
