// Sealed trays and plates as dilution series: the designs, the counts an analyst reads off one
// test, their checks, and the groups of equal wells the Poisson model takes. Plain C++.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/stats/MpnStatistics.h"

namespace tubewise::trays {

enum class Design {
    Tray51,  // 51 equal wells
    Tray97,  // 49 large and 48 small wells
    Groups,  // a plate or any custom groups of equal wells
};

// The designs' constants, kept here alone.
//
// IDEXX Quanti-Tray (51 wells): the tray takes a 100 mL sample into 51 equal wells, each
// 100/51 mL; with these volumes the exact estimate reproduces the manufacturer's printed table
// (e.g. 25 positive wells -> 34.4 MPN/100 mL, 50 -> 200.5).
// IDEXX Quanti-Tray/2000 (97 wells): 49 large wells of 1.9 mL and 48 small wells of nominally
// 0.16 mL. The manufacturer's table prints 2419.57 (2419.6) for 49 large and 47 small positive
// wells, where every large well is positive and the estimate is 100 ln(48) / v per 100 mL: that
// entry sets v = 0.1599954 mL (0.16 mL itself would give 2419.50 and print 2419.5). With these
// volumes the exact estimate reproduces the table's other entries too (e.g. 10 large and 5
// small -> 16.6, 30 and 30 -> 97.6, 40 and 0 -> 73.84).
inline constexpr int kTray51Wells = 51;
inline constexpr double kTray51WellMl = 100.0 / 51.0;
inline constexpr int kTray97LargeWells = 49;
inline constexpr double kTray97LargeWellMl = 1.9;
inline constexpr int kTray97SmallWells = 48;
inline constexpr double kTray97SmallWellMl = 0.1599954;
// Custom groups: as many as a laboratory's plate layouts need, and wells per group far beyond
// any plate (the statistics count wells in an int).
inline constexpr std::size_t kMaxGroups = 1024;
inline constexpr double kMaxWellsPerGroup = 100'000'000;

// One group of a plate or custom design, as typed: mL per well and the numbers of positive and
// negative wells (checked to be whole numbers by CheckTray).
struct GroupEntry {
    double volumeMl = 0;
    double positives = 0;
    double negatives = 0;
};

// The counts of one test as read, before any check.
struct TrayInput {
    Design design = Design::Tray51;
    double positives = 0;            // 51-well tray: K; 97-well tray: positive large wells L
    double smallPositives = 0;       // 97-well tray: positive small wells S
    std::vector<GroupEntry> groups;  // Groups design only
    // How much the sample was diluted before it went into the tray: 10 mL made up to 100 mL
    // gives 10. Any positive number (below 1 for a concentrated sample).
    double dilutionFactor = 1;
};

// The box (or count) a refusal points at, so that the window can put the focus there and the
// command line and the batch can name it.
enum class TrayBox {
    None,
    Positives,       // 51-well K
    LargePositives,  // 97-well L
    SmallPositives,  // 97-well S
    DilutionFactor,
    Groups,       // the groups as a whole (none, too many, volumes too far apart)
    GroupVolume,  // of group `group`
    GroupPositives,
    GroupNegatives,
};

enum class TrayFault {
    None,
    NotWholeNumber,  // a count with a fraction, infinite or not a number
    NegativeCount,   // a count below 0
    MoreThanWells,   // more positive wells than the tray has of that kind
    TooManyWells,    // a group of more than kMaxWellsPerGroup wells
    NotPositive,     // a dilution factor or a group volume 0, negative, infinite or not a number
    NoGroups,        // a custom design with no groups
    TooManyGroups,   // more than kMaxGroups
    NoWells,         // groups holding no well at all
    VolumesTooFarApart,
    Uncomputable,  // the figures would lie beyond the range of a double, or the level is
                   // not strictly between 0 and 1
};

struct TrayCheck {
    TrayFault fault = TrayFault::None;
    TrayBox box = TrayBox::None;
    int group = 0;  // 1-based group of a Group* box or of a group too large, else 0
    bool ok() const { return fault == TrayFault::None; }
};

// The first fault of the input, in the order the boxes are read: counts, then the dilution
// factor (groups: each group's volume, positives, negatives in turn, then the groups as a
// whole, then the factor).
TrayCheck CheckTray(const TrayInput& input);

// The refusal in the run's language (texts catalogue), naming the box and the limit crossed;
// empty for no fault.
std::string RefusalText(const TrayCheck& check);

// The design's groups of equal wells as dilutions of the tray's own (diluted) sample, for an
// input CheckTray accepts. The 97-well tray gives large wells first.
std::vector<stats::Dilution> TrayGroups(const TrayInput& input);

}  // namespace tubewise::trays
