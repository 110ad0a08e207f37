// Batch CSV: sample lines into series, result records out through the column table.
#include "cli/BatchCsv.h"

#include <cmath>
#include <cstring>

#include "core/NumberText.h"
#include "trays/TrayCalculation.h"

namespace tubewise::cli {

namespace {

constexpr int kMaxDilutions = 64;
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

// Where a byte falls in a record. The record reader and SplitCsvLine step through the same
// states, so a record ends exactly where its fields say it does.
enum class CsvState { FieldStart, Field, Quoted, QuoteInQuoted };

struct CsvStep {
    CsvState next;
    bool text;       // the byte belongs to the field (not a quote that opens, closes or doubles)
    bool separator;  // the byte ends the field
};

CsvStep Step(CsvState state, char c) {
    switch (state) {
        case CsvState::FieldStart:
            if (c == '"') return {CsvState::Quoted, false, false};
            if (c == ',') return {CsvState::FieldStart, false, true};
            return {c == ' ' || c == '\t' ? CsvState::FieldStart : CsvState::Field, true, false};
        case CsvState::Field:
            if (c == ',') return {CsvState::FieldStart, false, true};
            return {CsvState::Field, true, false};
        case CsvState::Quoted:
            if (c == '"') return {CsvState::QuoteInQuoted, false, false};
            return {CsvState::Quoted, true, false};
        case CsvState::QuoteInQuoted:
            if (c == '"') return {CsvState::Quoted, true, false};  // "" is one quote
            if (c == ',') return {CsvState::FieldStart, false, true};
            return {CsvState::Field, true, false};  // text after the closing quote is kept
    }
    return {CsvState::Field, true, false};
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
    {"grid_search_fault",
     [](const BatchRecord& r) { return r.gridSearched ? Bool(!Completed(r)) : ""; }},
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

// ID,tray51,K[,F] or ID,tray97,L,S[,F]: the counts as read, judged by CheckTray.
void ReadTray(const std::vector<std::string>& fields, trays::Design design, BatchSample& sample) {
    const std::size_t counts = design == trays::Design::Tray97 ? 2 : 1;
    const std::string name = design == trays::Design::Tray97 ? "tray97" : "tray51";
    if (fields.size() != 2 + counts && fields.size() != 3 + counts) {
        sample.error = "expected " + name + (counts == 2 ? ",L,S" : ",K") +
                       " and optionally the dilution factor; found " +
                       std::to_string(fields.size()) + " fields";
        return;
    }
    const NumberLocale locale;
    std::optional<double> values[3] = {std::nullopt, std::nullopt, 1.0};
    for (std::size_t i = 2; i < fields.size(); ++i) {
        values[i - 2] = TextToFloat(Trim(fields[i]), locale);
        if (!values[i - 2]) {
            sample.error =
                "field " + std::to_string(i + 1) + " of the " + name + " line is not a number";
            return;
        }
    }
    trays::TrayInput tray;
    tray.design = design;
    tray.positives = *values[0];
    if (counts == 2) tray.smallPositives = *values[1];
    if (fields.size() == 3 + counts) tray.dilutionFactor = *values[counts];
    sample.dilutions = static_cast<int>(counts);
    const trays::TrayCheck check = trays::CheckTray(tray);
    if (!check.ok()) {
        sample.error = trays::RefusalText(check);
        return;
    }
    sample.tray = tray;
}

}  // namespace

CsvRecordReader::CsvRecordReader(ReadFunction read) : read_(std::move(read)), buffer_(64 * 1024) {}

bool CsvRecordReader::Fill() {
    if (ended_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const long got = read_(buffer_.data() + end_, buffer_.size() - end_);
    if (got > 0) {
        end_ += static_cast<std::size_t>(got);
        return true;
    }
    ended_ = true;
    failed_ = got < 0;
    return false;
}

std::optional<CsvRecord> CsvRecordReader::Next() {
    if (!started_) {
        // A byte-order mark some spreadsheets write; it may arrive in pieces from a pipe.
        started_ = true;
        while (end_ - begin_ < 3 && Fill()) {
        }
        if (end_ - begin_ >= 3 && std::memcmp(buffer_.data() + begin_, "\xEF\xBB\xBF", 3) == 0)
            begin_ += 3;
    }
    CsvRecord record;
    record.line = line_;
    CsvState state = CsvState::FieldStart;
    bool any = false;      // a byte of this record was taken
    bool blank = true;     // only blanks so far: a '#' now makes a comment
    bool comment = false;  // a comment ends with its line, whatever quotes it holds
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            if (failed_ || !any) return std::nullopt;
            record.unclosedQuote = state == CsvState::Quoted;
            return record;
        }
        const char c = buffer_[begin_++];
        const bool crlf = c == '\n' && afterCr_;
        afterCr_ = c == '\r';
        if (crlf && !any) continue;  // the LF of the CRLF that ended the previous record
        any = true;
        if (c == '\r' || c == '\n') {
            if (!crlf) ++line_;
            if (comment || state != CsvState::Quoted) return record;
        }
        if (!comment) {
            if (blank && c == '#') {
                comment = true;
            } else {
                blank = blank && (c == ' ' || c == '\t');
                state = Step(state, c).next;
            }
        }
        // Past the limit the record is only scanned for its end, so memory stays bounded.
        if (record.text.size() < kMaxRecordBytes) {
            record.text += c;
        } else {
            record.tooLong = true;
        }
    }
}

std::optional<BatchSample> BatchLineReader::Read(const CsvRecord& record) {
    if (!record.tooLong && !record.unclosedQuote) return Read(record.text, record.line);
    if (Trim(record.text).starts_with('#')) return std::nullopt;  // a comment of any length
    seenContent_ = true;
    BatchSample sample;
    sample.line = record.line;
    sample.error = record.tooLong ? "record longer than " + std::to_string(kMaxRecordBytes) +
                                        " bytes; not read"
                                  : "a quoted field is not closed before the end of the input";
    return sample;
}

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
    const std::string design = fields.size() > 1 ? Lower(Trim(fields[1])) : std::string();
    if (design == "tray51" || design == "tray97") {
        ReadTray(fields, design == "tray97" ? trays::Design::Tray97 : trays::Design::Tray51,
                 sample);
        return sample;
    }
    const std::size_t values = fields.size() - 1;
    if (values == 0 || values % 3 != 0 || values / 3 > kMaxDilutions) {
        sample.error = "expected an id and 1 to 64 groups of volume, tubes, positives; found " +
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
        sample.series.rows.push_back({*volume, *positives, *tubes - *positives});
    }
    const stats::SeriesCheck check = stats::CheckSeries(dilutions);
    if (check.fault != stats::SeriesFault::None)
        sample.error = std::string(stats::SeriesFaultText(check.fault));
    if (sample.error.empty() && sample.dilutions > kGridRows) {
        trays::TrayInput groups;
        groups.design = trays::Design::Groups;
        for (const SeriesRow& row : sample.series.rows)
            groups.groups.push_back(
                {row.volume, static_cast<double>(row.positive), static_cast<double>(row.negative)});
        sample.tray = std::move(groups);
        sample.series.rows.clear();
    }
    return sample;
}

std::string BatchHeader() {
    std::string out = "line,id,dilutions,";
    for (const Column& c : kFigureColumns) out += std::string(c.name) + ",";
    return out + "error";
}

std::string FormatRecord(const BatchRecord& r) {
    std::string out = std::to_string(r.line) + "," + CsvTextField(r.id) + ",";
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
    CsvState state = CsvState::FieldStart;
    for (const char c : line) {
        const CsvStep step = Step(state, c);
        if (step.separator) {
            fields.emplace_back();
        } else if (step.text) {
            fields.back() += c;
        }
        state = step.next;
    }
    return fields;
}

}  // namespace tubewise::cli
