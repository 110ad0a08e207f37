// A font as a window table names it, before it is resolved on this machine (shell/Fonts.h).
#pragma once

#include <string>

namespace tubewise {

struct FontFace {
    std::string face = "Arial";
    double points = 9.75;
    bool bold = true;
    int charset = 178;  // 178 Arabic, 0 Western
};

}  // namespace tubewise
