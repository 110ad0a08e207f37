// Selecting the samples of a period.
#include "site/SitePeriod.h"

#include <algorithm>
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

}  // namespace

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
