// The counts of one tray or plate test as typed into boxes, read into the input the model
// checks. Plain C++.
#pragma once

#include <string>

#include "core/NumberText.h"
#include "trays/TrayDesign.h"

namespace tubewise::trays {

// The boxes of the entry window as typed; only the design's own boxes are read.
struct TrayBoxTexts {
    Design design = Design::Tray97;
    std::string positives;       // 51-well: positive wells; 97-well: positive large wells
    std::string smallPositives;  // 97-well: positive small wells
    // Plate or custom groups: VOLUME:POSITIVE:NEGATIVE per group, groups apart by blanks.
    std::string groups;
    std::string dilutionFactor;
};

// A box that is empty or no number reads as not a number, so that CheckTray refuses it and
// names it; a group written with other than three fields keeps not-a-number in its missing or
// extra places for the same reason.
TrayInput ReadTrayBoxes(const TrayBoxTexts& boxes, const NumberLocale& locale);

}  // namespace tubewise::trays
