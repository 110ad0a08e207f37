// Batch CSV: sample lines into series, result records out through the column table.
#include "cli/BatchCsv.h"

#include <cmath>

#include "core/NumberText.h"

namespace tubewise::cli {

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

// A figure that has no finite value stays empty.
std::string Number(double x) {
    return std::isfinite(x) ? FormatShortest(x) : "";
}

bool Completed(const BatchRecord& r) {
    return r.searchEnd == SearchEnd::Completed;
}

// The columns between the sample's dilutions and its error: a record with an error leaves
// them all empty.
struct Column {
    const char* name;
    std::string (*value)(const BatchRecord&);
};

const Column kFigureColumns[] = {
    {"grid_mpn_per_ml",
     [](const BatchRecord& r) { return Completed(r) ? FormatShortest(r.mpnPerMl) : ""; }},
    {"grid_mpn_per_100ml",
     [](const BatchRecord& r) { return Completed(r) ? FormatShortest(r.mpnPerMl * 100) : ""; }},
    {"grid_lower_bound",
     [](const BatchRecord& r) { return Completed(r) ? Bool(r.lowerBound) : ""; }},
    {"grid_search_fault", [](const BatchRecord& r) { return Bool(!Completed(r)); }},
    {"max_likelihood",
     [](const BatchRecord& r) { return Completed(r) ? FormatShortest(r.maxLikelihood) : ""; }},
    {"thomas_per_100ml",
     [](const BatchRecord& r) {
         return r.thomasDefined ? FormatShortest(r.thomasPer100Ml) : std::string();
     }},
    {"mle_per_ml", [](const BatchRecord& r) { return Number(r.statistics.mle.perMl); }},
    {"mle_infinite",
     [](const BatchRecord& r) { return Bool(r.statistics.mle.kind == stats::MleKind::Infinite); }},
    {"bias_adjusted_per_ml",
     [](const BatchRecord& r) {
         const auto& adjusted = r.statistics.biasAdjustedPerMl;
         return adjusted ? FormatShortest(*adjusted) : std::string();
     }},
    {"ci_method",
     [](const BatchRecord& r) { return std::string(stats::CiMethodName(r.statistics.method)); }},
    {"ci_level", [](const BatchRecord& r) { return FormatShortest(r.statistics.level); }},
    {"ci_low_per_ml", [](const BatchRecord& r) { return Number(r.statistics.limits.lowPerMl); }},
    {"ci_high_per_ml", [](const BatchRecord& r) { return Number(r.statistics.limits.highPerMl); }},
    {"rarity_index", [](const BatchRecord& r) { return FormatShortest(r.statistics.rarityIndex); }},
    {"improbable", [](const BatchRecord& r) { return Bool(r.statistics.improbable); }},
};

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
    std::vector<stats::Dilution> dilutions;
    for (int j = 0; j < sample.dilutions; ++j) {
        const std::string where = " of dilution " + std::to_string(j + 1);
        const auto volume = TextToFloat(Trim(fields[1 + 3 * j]), locale);
        if (!volume || !(*volume > 0) || !std::isfinite(*volume)) {
            sample.error = "volume" + where + " must be a positive number of mL";
            return sample;
        }
        const auto tubes = ParseCount(Trim(fields[2 + 3 * j]), locale);
        if (!tubes) {
            sample.error = "tubes" + where + " must be a whole number from 0 to 32767";
            return sample;
        }
        const auto positives = ParseCount(Trim(fields[3 + 3 * j]), locale);
        if (!positives || *positives > *tubes) {
            sample.error = "positive tubes" + where + " must be a whole number from 0 to tubes";
            return sample;
        }
        dilutions.push_back({*volume, *tubes, *positives});
        sample.series.rows[static_cast<std::size_t>(j)] = {*volume, static_cast<Int16>(*positives),
                                                           static_cast<Int16>(*tubes - *positives)};
    }
    sample.series.count = sample.dilutions;
    const stats::SeriesCheck check = stats::CheckSeries(dilutions);
    if (check.fault != stats::SeriesFault::None)
        sample.error = std::string(stats::SeriesFaultText(check.fault));
    return sample;
}

std::string BatchHeader() {
    std::string out = "line,id,dilutions,";
    for (const Column& c : kFigureColumns) out += std::string(c.name) + ",";
    return out + "error";
}

std::string FormatRecord(const BatchRecord& r) {
    std::string out = std::to_string(r.line) + "," + CsvField(r.id) + ",";
    if (!r.error.empty()) {
        out += r.dilutions > 0 ? std::to_string(r.dilutions) : "";
        out += ",";
        for (std::size_t i = 0; i < std::size(kFigureColumns); ++i) out += ",";
        return out + CsvField(r.error);
    }
    out += std::to_string(r.dilutions) + ",";
    for (const Column& c : kFigureColumns) out += c.value(r) + ",";
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

}  // namespace tubewise::cli
