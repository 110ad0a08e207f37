// Batch evaluation of samples: line parsing, figures per sample on worker threads, CSV records.
#include "core/stats/BatchRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <thread>

#include "core/ComputeThomas.h"
#include "core/NumberText.h"

namespace tubewise::stats {

namespace {

constexpr int kMaxDilutions = kGridRows;
constexpr int kMaxCount = 32767;  // the grid holds counts as 16-bit integers

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A whole number of tubes, 0..kMaxCount, written in the grid's numeric grammar.
std::optional<int> ParseCount(std::string_view text, const NumberLocale& locale) {
    const auto value = TextToFloat(text, locale);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > kMaxCount) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

void Work(std::span<const BatchSample> samples, std::span<BatchRecord> out,
          const StatisticsOptions& options, std::atomic<int>& next, std::atomic<int>& done,
          const std::atomic<bool>& stop) {
    Module1 state;
    while (!stop.load(std::memory_order_relaxed)) {
        const int i = next.fetch_add(1);
        if (i >= static_cast<int>(samples.size())) return;
        out[static_cast<std::size_t>(i)] =
            EvaluateSample(samples[static_cast<std::size_t>(i)], options, state);
        done.fetch_add(1);
    }
}

}  // namespace

std::optional<BatchSample> BatchLineReader::Read(std::string_view text, int line) {
    // A byte-order mark some spreadsheets put before the first line.
    if (line == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == '#') return std::nullopt;

    const std::vector<std::string> fields = SplitCsvLine(trimmed);
    const bool first = !seenContent_;
    seenContent_ = true;
    if (first && Lower(Trim(fields.front())) == "id") return std::nullopt;

    BatchSample sample;
    sample.line = line;
    sample.id = std::string(Trim(fields.front()));
    const std::size_t values = fields.size() - 1;
    if (values == 0 || values % 3 != 0 || values / 3 > kMaxDilutions) {
        sample.error = "expected an id and 1 to 5 groups of volume, tubes, positives; found " +
                       std::to_string(fields.size()) + " fields";
        return sample;
    }
    sample.dilutions = static_cast<int>(values / 3);
    const NumberLocale locale;  // commas separate fields, so the decimal separator is '.'
    for (int j = 0; j < sample.dilutions; ++j) {
        const std::string where = " of dilution " + std::to_string(j + 1);
        const std::string_view volumeText = Trim(fields[1 + 3 * j]);
        const std::string_view tubesText = Trim(fields[2 + 3 * j]);
        const std::string_view positivesText = Trim(fields[3 + 3 * j]);
        const auto volume = TextToFloat(volumeText, locale);
        if (!volume || !(*volume > 0) || !std::isfinite(*volume)) {
            sample.error = "volume" + where + " must be a positive number of mL";
            return sample;
        }
        const auto tubes = ParseCount(tubesText, locale);
        if (!tubes) {
            sample.error = "tubes" + where + " must be a whole number from 0 to 32767";
            return sample;
        }
        const auto positives = ParseCount(positivesText, locale);
        if (!positives || *positives > *tubes) {
            sample.error = "positive tubes" + where + " must be a whole number from 0 to tubes";
            return sample;
        }
        sample.series.push_back({*volume, *tubes, *positives});
        GridRowTexts& row = sample.grid[static_cast<std::size_t>(j)];
        row.volume = std::string(volumeText);
        row.positive = std::to_string(*positives);
        row.negative = std::to_string(*tubes - *positives);
    }
    const SeriesCheck check = CheckSeries(sample.series);
    if (check.fault != SeriesFault::None) sample.error = std::string(SeriesFaultText(check.fault));
    return sample;
}

BatchRecord EvaluateSample(const BatchSample& sample, const StatisticsOptions& options,
                           Module1& state) {
    BatchRecord r;
    r.line = sample.line;
    r.id = sample.id;
    r.dilutions = sample.dilutions;
    r.error = sample.error;
    if (!r.error.empty()) return r;

    state.DilutionCount = static_cast<Int16>(sample.dilutions);
    r.searchEnd = EstimateMpn(state, sample.grid, NumberLocale{}, MessageSink{});
    if (r.searchEnd == SearchEnd::Completed) {
        r.maxLikelihood = state.MaxLikelihood;
        r.mpnPerMl = state.MpnPerMl;
        r.lowerBound = SearchAnswerIsLowerBound(state);
    }
    r.thomasDefined = ComputeThomas(state) == ThomasEnd::Defined;
    if (r.thomasDefined) r.thomasPer100Ml = state.ThomasMpn;

    r.statistics = ComputeStatistics(sample.series, options);
    if (r.statistics.check.fault != SeriesFault::None) {
        r.error = std::string(SeriesFaultText(r.statistics.check.fault));
    }
    return r;
}

bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop) {
    std::atomic<int> next{0};
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(Work, samples, out, std::cref(options), std::ref(next),
                                 std::ref(done), std::cref(stop));
        } catch (const std::system_error&) {
            break;  // fewer threads only cost time
        }
    }
    Work(samples, out, options, next, done, stop);
    for (std::thread& h : helpers) h.join();
    return next.load() >= static_cast<int>(samples.size()) && !stop.load();
}

std::string BatchHeader() {
    return "line,id,dilutions,grid_mpn_per_ml,grid_mpn_per_100ml,grid_lower_bound,"
           "grid_search_fault,max_likelihood,thomas_per_100ml,mle_per_ml,mle_infinite,"
           "bias_adjusted_per_ml,ci_method,ci_level,ci_low_per_ml,ci_high_per_ml,rarity_index,"
           "improbable,error";
}

std::string FormatRecord(const BatchRecord& r) {
    std::string out = std::to_string(r.line) + "," + CsvField(r.id) + ",";
    if (!r.error.empty()) {
        out += r.dilutions > 0 ? std::to_string(r.dilutions) : "";
        out += std::string(16, ',') + CsvField(r.error);
        return out;
    }
    const MpnStatistics& s = r.statistics;
    const bool completed = r.searchEnd == SearchEnd::Completed;
    const auto number = [](double x) { return std::isfinite(x) ? ShortestText(x) : ""; };
    out += std::to_string(r.dilutions) + ",";
    out += (completed ? ShortestText(r.mpnPerMl) : "") + ",";
    out += (completed ? ShortestText(r.mpnPerMl * 100) : "") + ",";
    out += (completed ? Bool(r.lowerBound) : "") + ",";
    out += Bool(!completed) + ",";
    out += (completed ? ShortestText(r.maxLikelihood) : "") + ",";
    out += (r.thomasDefined ? ShortestText(r.thomasPer100Ml) : "") + ",";
    out += number(s.mle.perMl) + ",";
    out += Bool(s.mle.kind == MleKind::Infinite) + ",";
    out += (s.biasAdjustedPerMl ? ShortestText(*s.biasAdjustedPerMl) : "") + ",";
    out += std::string(CiMethodName(s.method)) + ",";
    out += ShortestText(s.level) + ",";
    out += number(s.limits.lowPerMl) + ",";
    out += number(s.limits.highPerMl) + ",";
    out += ShortestText(s.rarityIndex) + ",";
    out += Bool(s.improbable) + ",";
    return out;
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string ShortestText(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

}  // namespace tubewise::stats
