// The record model: names, the canonical text of a version, dates and the holding-time rule.
#include "register/Record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tubewise::reg {

namespace {

// A value on one line: a backslash and a line end inside it are escaped, so no value can
// pose as another key.
void Put(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += '=';
    for (const char c : value) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    out += '\n';
}

void PutNumber(std::string& out, std::string_view key, double x) {
    Put(out, key, NumberText(x));
}

void PutOptional(std::string& out, std::string_view key, const std::optional<double>& x) {
    Put(out, key, x ? NumberText(*x) : std::string("none"));
}

void PutFlag(std::string& out, std::string_view key, bool flag) {
    Put(out, key, flag ? "true" : "false");
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The moment a record is dated by in listings.
std::optional<std::int64_t> RecordMinutes(const RecordVersion& version) {
    if (!version.sampledAt.empty()) return ParseDateTimeMinutes(version.sampledAt);
    std::string saved = version.savedAt.substr(0, 16);
    if (saved.size() > 10) saved[10] = ' ';
    return ParseDateTimeMinutes(saved);
}

}  // namespace

std::string_view DesignName(Design design) {
    switch (design) {
        case Design::Tubes:
            return "tubes";
        case Design::Tray51:
            return "tray51";
        case Design::Tray97:
            return "tray97";
    }
    return "tubes";
}

std::optional<Design> ParseDesign(std::string_view name) {
    for (const Design d : {Design::Tubes, Design::Tray51, Design::Tray97})
        if (DesignName(d) == name) return d;
    return std::nullopt;
}

bool operator==(const RecordInputs& a, const RecordInputs& b) {
    const auto sameRow = [](const GridRowTexts& x, const GridRowTexts& y) {
        return x.volume == y.volume && x.positive == y.positive && x.negative == y.negative;
    };
    return a.design == b.design &&
           std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(), sameRow) &&
           a.trayCounts == b.trayCounts && a.dilutionFactor == b.dilutionFactor &&
           a.decimalSeparator == b.decimalSeparator && a.ciMethod == b.ciMethod &&
           a.ciLevel == b.ciLevel;
}

std::string RowText(const GridRowTexts& row) {
    return row.volume + ':' + row.positive + ':' + row.negative;
}

std::string EncodeRows(const std::vector<GridRowTexts>& rows) {
    std::string out;
    for (const GridRowTexts& row : rows) {
        if (&row != &rows.front()) out += '\n';
        for (const std::string* cell : {&row.volume, &row.positive, &row.negative}) {
            if (cell != &row.volume) out += ':';
            for (const char c : *cell) {
                if (c == '\\' || c == ':') {
                    out += '\\';
                    out += c;
                } else if (c == '\n') {
                    out += "\\n";
                } else if (c == '\r') {
                    out += "\\r";
                } else {
                    out += c;
                }
            }
        }
    }
    return out;
}

std::optional<std::vector<GridRowTexts>> DecodeRows(std::string_view text) {
    std::vector<GridRowTexts> rows;
    if (text.empty()) return rows;
    std::vector<std::string> cells(1);
    const auto endRow = [&]() {
        if (cells.size() != 3) return false;
        rows.push_back({cells[0], cells[1], cells[2]});
        cells.assign(1, std::string());
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) return std::nullopt;
            const char e = text[i];
            if (e == 'n') {
                cells.back() += '\n';
            } else if (e == 'r') {
                cells.back() += '\r';
            } else if (e == '\\' || e == ':') {
                cells.back() += e;
            } else {
                return std::nullopt;
            }
        } else if (c == ':') {
            cells.emplace_back();
        } else if (c == '\n') {
            if (!endRow()) return std::nullopt;
        } else {
            cells.back() += c;
        }
    }
    if (!endRow()) return std::nullopt;
    return rows;
}

std::string_view AdviceName(Advice advice) {
    return advice == Advice::Red ? "red" : "green";
}

std::string_view MleKindName(stats::MleKind kind) {
    switch (kind) {
        case stats::MleKind::Zero:
            return "zero";
        case stats::MleKind::Finite:
            return "finite";
        case stats::MleKind::Infinite:
            return "infinite";
    }
    return "zero";
}

std::optional<stats::MleKind> ParseMleKind(std::string_view name) {
    for (const auto k : {stats::MleKind::Zero, stats::MleKind::Finite, stats::MleKind::Infinite})
        if (MleKindName(k) == name) return k;
    return std::nullopt;
}

std::string NumberText(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x > 0 ? "inf" : "-inf";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return std::string(buffer, end);
}

std::string CanonicalInputs(const RecordInputs& in) {
    std::string out;
    Put(out, "design", DesignName(in.design));
    Put(out, "rows", std::to_string(in.rows.size()));
    for (const GridRowTexts& row : in.rows) {
        // Cells apart, so that a ':' typed inside a cell cannot move a boundary unseen.
        Put(out, "row.volume", row.volume);
        Put(out, "row.positive", row.positive);
        Put(out, "row.negative", row.negative);
    }
    Put(out, "tray_counts", in.trayCounts);
    PutNumber(out, "dilution_factor", in.dilutionFactor);
    Put(out, "decimal_separator", in.decimalSeparator);
    Put(out, "ci_method", stats::CiMethodName(in.ciMethod));
    PutNumber(out, "ci_level", in.ciLevel);
    return out;
}

std::string CanonicalResults(const RecordResults& r) {
    std::string out;
    Put(out, "dilutions", std::to_string(r.dilutions));
    PutNumber(out, "grid_mpn_per_ml", r.gridMpnPerMl);
    PutNumber(out, "grid_mpn_per_100ml", r.gridMpnPer100Ml);
    PutFlag(out, "grid_lower_bound", r.gridLowerBound);
    PutNumber(out, "max_likelihood", r.maxLikelihood);
    PutOptional(out, "thomas_per_100ml", r.thomasPer100Ml);
    Put(out, "mle_kind", MleKindName(r.mleKind));
    PutOptional(out, "mle_per_ml", r.mlePerMl);
    PutOptional(out, "bias_adjusted_per_ml", r.biasAdjustedPerMl);
    PutNumber(out, "ci_low_per_ml", r.ciLowPerMl);
    PutOptional(out, "ci_high_per_ml", r.ciHighPerMl);
    PutNumber(out, "rarity_index", r.rarityIndex);
    PutFlag(out, "improbable", r.improbable);
    Put(out, "grid_advice", AdviceName(r.gridAdvice));
    Put(out, "thomas_advice", AdviceName(r.thomasAdvice));
    return out;
}

std::string CanonicalText(const RecordVersion& v) {
    std::string out;
    Put(out, "format", "tubewise-register-record 1");
    Put(out, "record", std::to_string(v.record));
    Put(out, "version", std::to_string(v.version));
    Put(out, "sample_id", v.sampleId);
    Put(out, "site", v.site);
    Put(out, "sampled_at", v.sampledAt);
    Put(out, "received_at", v.receivedAt);
    Put(out, "analyst", v.analyst);
    out += CanonicalInputs(v.inputs);
    out += CanonicalResults(v.results);
    Put(out, "program_version", v.programVersion);
    Put(out, "saved_at", v.savedAt);
    Put(out, "saved_by", v.savedBy);
    Put(out, "reason", v.reason);
    return out;
}

std::optional<std::int64_t> ParseDateTimeMinutes(std::string_view text) {
    if (text.size() != 10 && text.size() != 16) return std::nullopt;
    if (text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month))
        return std::nullopt;
    int hour = 0;
    int minute = 0;
    if (text.size() == 16) {
        const auto h = Digits(text, 11, 2);
        const auto m = Digits(text, 14, 2);
        if (text[10] != ' ' || text[13] != ':' || !h || !m || *h > 23 || *m > 59)
            return std::nullopt;
        hour = *h;
        minute = *m;
    }
    return DaysFromCivil(*year, *month, *day) * 1440 + hour * 60 + minute;
}

std::optional<double> HoldingHours(const RecordVersion& version) {
    const auto sampled = ParseDateTimeMinutes(version.sampledAt);
    const auto received = ParseDateTimeMinutes(version.receivedAt);
    if (!sampled || !received) return std::nullopt;
    return static_cast<double>(*received - *sampled) / 60.0;
}

bool HoldingExceeded(const RecordVersion& version, double limitHours) {
    const auto hours = HoldingHours(version);
    return hours && *hours > limitHours;
}

bool RecordFilter::Matches(const RecordVersion& version) const {
    if (!site.empty() && version.site != site) return false;
    if (!sampleId.empty() && version.sampleId != sampleId) return false;
    if (!analyst.empty() && version.analyst != analyst) return false;
    if (from.empty() && to.empty()) return true;
    const auto when = RecordMinutes(version);
    if (!when) return false;
    if (!from.empty()) {
        const auto start = ParseDateTimeMinutes(from);
        if (start && *when < *start) return false;
    }
    if (!to.empty()) {
        const auto end = ParseDateTimeMinutes(to);
        // A day alone takes in the whole of that day.
        const std::int64_t after = to.size() == 10 ? 1440 : 1;
        if (end && *when >= *end + after) return false;
    }
    return true;
}

}  // namespace tubewise::reg
