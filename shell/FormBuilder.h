// Turns a window table into widgets on its window.
#pragma once

#include "shell/Layout.h"

namespace tubewise {

class Form;

// Fixed client size and frame, caption, icon, background, then every control of the table
// with its text, geometry, font, colours, picture and enabled state, stacked front to back as
// listed (windowed controls in front of windowless ones) and chained in tab-number order.
void BuildForm(Form& form, const WindowSpec& layout);

}  // namespace tubewise
