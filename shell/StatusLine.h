// A short confirmation in a window's status line (a file saved, a line copied), which clears
// itself after a few seconds.
#pragma once

#include <QString>

#include "shell/Controls.h"

namespace tubewise {

inline constexpr int kStatusMilliseconds = 6000;

// Shows `text` in `line` (named by it for a screen reader) until the next status or a few
// seconds have passed; an empty text clears it at once.
void ShowStatus(TextLabel* line, const QString& text);

}  // namespace tubewise
