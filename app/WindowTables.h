// Every window's table by the window's name, for what must cover them all: the translations'
// listing and the tests that walk each table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/Layout.h"

namespace tubewise {

// The table of one of the windows: frmabout, frmdel, frmmpn, frmresult, frmgraph, frmContact,
// frmdarbare and frmstats. An unknown name throws std::out_of_range.
const WindowSpec& LayoutOf(std::string_view formName);

// The names of every window that has a table, in alphabetical order.
std::vector<std::string> LayoutNames();

}  // namespace tubewise
