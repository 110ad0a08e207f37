// A likelihood curve over densities on a logarithmic scale, as plain data: the tray and plate
// chart beside the tube chart, whose densities span decades rather than 0.2 to 10 per mL.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Colour.h"

namespace tubewise {

struct CurveChart {
    std::vector<double> densities;  // per 100 mL, rising, all above 0
    std::vector<double> heights;    // relative likelihood, 0 to 1, one per density
    std::optional<double> marked;   // the estimate, drawn as an upright line
    std::string title;
    std::string densityAxisTitle;
    std::string heightAxisTitle;
    Colour plotAreaColour{192, 255, 255};  // the tube chart's light cyan and green
    Colour curveColour{0, 128, 0};
    Colour markColour{192, 0, 0};
};

}  // namespace tubewise
