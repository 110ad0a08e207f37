// A version of a register record as plain data: who sampled what and where, the design and the
// inputs exactly as typed, the results computed from them, and who saved it; the canonical text
// its hash covers, the holding-time rule and the filters of a listing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/GridTexts.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::reg {

enum class Design {
    Tubes,   // a series of 1 to 5 dilutions typed as VOLUME:POSITIVE:NEGATIVE rows
    Tray51,  // a 51-well tray: one count and a dilution factor
    Tray97,  // a 97-well tray: large and small well counts and a dilution factor
};

// "tubes", "tray51", "tray97": the names stored and shown.
std::string_view DesignName(Design design);
std::optional<Design> ParseDesign(std::string_view name);

struct RecordInputs {
    Design design = Design::Tubes;
    std::vector<GridRowTexts> rows;  // tubes: the cells of each row as typed
    std::string trayCounts;          // trays: the counts as typed
    double dilutionFactor = 1;
    std::string decimalSeparator = ".";  // the typist's locale, which the cells were read in
    stats::CiMethod ciMethod = stats::CiMethod::Jarvis;
    double ciLevel = 0.95;

    friend bool operator==(const RecordInputs& a, const RecordInputs& b);
};

// "10:5:0": a row as it was typed on the command line, the cells joined by ':'.
std::string RowText(const GridRowTexts& row);

// The rows as one stored text: one row a line, cells joined by ':', with '\\', ':' and line
// ends inside a cell escaped by a backslash; DecodeRows reads it back, nullopt when malformed.
std::string EncodeRows(const std::vector<GridRowTexts>& rows);
std::optional<std::vector<GridRowTexts>> DecodeRows(std::string_view text);

enum class Advice { Green, Red };
std::string_view AdviceName(Advice advice);  // "green", "red"

// The figures the program gave for the inputs. Per mL unless the name says otherwise.
struct RecordResults {
    int dilutions = 0;
    double gridMpnPerMl = 0;  // the windows' search over 0.001..10 per mL
    double gridMpnPer100Ml = 0;
    bool gridLowerBound = false;  // the search's answer understates the density
    double maxLikelihood = 0;
    std::optional<double> thomasPer100Ml;  // nullopt: undefined (every tube positive)
    stats::MleKind mleKind = stats::MleKind::Zero;
    std::optional<double> mlePerMl;  // nullopt when infinite
    std::optional<double> biasAdjustedPerMl;
    double ciLowPerMl = 0;
    std::optional<double> ciHighPerMl;  // nullopt: the upper side is open
    double rarityIndex = 1;
    bool improbable = false;
    Advice gridAdvice = Advice::Green;
    Advice thomasAdvice = Advice::Green;

    friend bool operator==(const RecordResults&, const RecordResults&) = default;
};

std::string_view MleKindName(stats::MleKind kind);  // "zero", "finite", "infinite"
std::optional<stats::MleKind> ParseMleKind(std::string_view name);

// One version of one record: everything its hash covers.
struct RecordVersion {
    std::int64_t record = 0;  // the record's number, given by the register
    int version = 1;          // 1 for the original, then one more for each correction
    std::string sampleId;
    std::string site;
    std::string sampledAt;   // "YYYY-MM-DD HH:MM" or empty
    std::string receivedAt;  // "YYYY-MM-DD HH:MM" or empty
    std::string analyst;
    RecordInputs inputs;
    RecordResults results;
    std::string programVersion;
    std::string savedAt;  // UTC, "YYYY-MM-DDTHH:MM:SS.zzzZ"
    std::string savedBy;  // the computer's user name
    std::string reason;   // why a correction was made; empty for the original

    friend bool operator==(const RecordVersion&, const RecordVersion&) = default;
};

// The one text the version's hash is computed over: every field above as "key=value" lines in
// a fixed order, numbers in their shortest exact form, so that any change to a stored column
// changes the text.
std::string CanonicalText(const RecordVersion& version);
std::string CanonicalInputs(const RecordInputs& inputs);
std::string CanonicalResults(const RecordResults& results);

// Shortest text that reads back to the same double; "inf", "-inf", "nan" otherwise.
std::string NumberText(double x);

// Minutes since 1970 of a "YYYY-MM-DD HH:MM" date-time (a date alone is its midnight), read
// as written (no time zone); nullopt when it is not such a date-time or names no real day.
std::optional<std::int64_t> ParseDateTimeMinutes(std::string_view text);

inline constexpr double kDefaultHoldingLimitHours = 30;

// Hours from sampling to receipt, when both are known.
std::optional<double> HoldingHours(const RecordVersion& version);
// True when the sample waited longer than `limitHours` between sampling and receipt.
bool HoldingExceeded(const RecordVersion& version, double limitHours);

// The records a listing asks for; an empty field asks nothing.
struct RecordFilter {
    std::string site;      // exact match
    std::string sampleId;  // exact match
    std::string from;      // "YYYY-MM-DD": sampled on or after that day
    std::string to;        // "YYYY-MM-DD": sampled on or before that day
    std::string analyst;   // exact match

    // A record without a sampling time is dated by its saving.
    bool Matches(const RecordVersion& version) const;
};

}  // namespace tubewise::reg
