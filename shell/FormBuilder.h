// Turns a window table into widgets on its window.
#pragma once

#include "shell/Layout.h"

namespace tubewise {

class Form;

// Fixed client size and frame, caption, icon, background, then every control of the table
// with its text, geometry, font, colours, picture and enabled state, stacked front to back as
// listed (windowed controls in front of windowless ones) and chained in tab-number order.
void BuildForm(Form& form, const WindowSpec& layout);

// The window in the run's language (i18n/Language.h): its caption, the table's texts of its
// labels and buttons, and the places and alignments of its controls. Persian shows the table
// as it is. English shows the translations and mirrors the window: a control that stands x
// pixels from its container's left edge in Persian stands x pixels from the right edge, and a
// text that stands at one side of its box stands at the other. Text boxes keep what was typed.
void ApplyLanguage(Form& form, const WindowSpec& layout);

}  // namespace tubewise
