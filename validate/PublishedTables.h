// Published MPN tables that the self-check recomputes: the designs, the printed figures and the
// rounding each table's authors used, as data compiled into the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stats/MpnStatistics.h"
#include "trays/TrayDesign.h"

namespace tubewise::validate {

enum class Rounding {
    SignificantFigures,  // e.g. the FDA tables: two significant figures
    Decimals,            // a fixed number of digits after the point
};

struct Convention {
    Rounding rounding = Rounding::SignificantFigures;
    int digits = 2;
};

// The figures a table prints for one outcome. An empty text: the table prints nothing there.
// "<X" and ">X" are the tables' bounds for every tube negative or positive.
struct TableRow {
    std::vector<int> positives;  // per dilution, in the order of the design
    std::string mpn;
    std::string biasAdjusted;
    std::string low;
    std::string high;
};

// Which of the published figures the program can compare.
enum class LimitsKind {
    None,        // the table prints no limits
    Compared,    // limits by one of the program's methods, at `level`
    NotOffered,  // limits by a method the program does not offer: listed once, never compared
};

// A printed figure that cannot agree, with the reason; matched on the row, the quantity and
// the printed text, so an altered entry is never excused by it.
struct KnownDifference {
    std::string row;
    std::string quantity;  // "MPN", "bias-adjusted", "lower limit", "upper limit"
    std::string printed;
    std::string reason;
};

struct PublishedTable {
    std::string name;
    std::string source;
    std::vector<double> volumesMl;  // per tube, per dilution
    std::vector<int> tubes;         // per dilution
    double scale = 1;               // printed figure = density per mL * scale
    std::string unit;
    Convention convention;
    LimitsKind limits = LimitsKind::None;
    stats::CiMethod method = stats::CiMethod::LikelihoodRatio;
    double level = 0.95;
    std::string limitsNote;  // why limits are not compared (LimitsKind::NotOffered)
    std::vector<TableRow> rows;
    std::vector<KnownDifference> known;
    // A tray's table: each row's counts (K, or L and S) go through the trays library's own
    // calculation, its volumes and its "<" and ">" bounds; volumesMl and tubes only describe it.
    std::optional<trays::Design> tray;
};

// Every table built into the program, the FDA three-tube table first.
std::vector<PublishedTable> BuiltInTables();

// Replaces the printed figures of the FDA three-tube table by those of a CSV in the layout of
// that table's published file (pattern,tubes,inocula,mpn,ci_low,ci_high,units). For tests of
// the self-check only: an altered entry must be reported. Returns the reason it cannot be
// read, or nothing.
std::optional<std::string> ReplaceThreeTubeRows(std::vector<PublishedTable>& tables,
                                                const std::string& csvText);

}  // namespace tubewise::validate
