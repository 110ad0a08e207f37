// Font faces of the layouts resolved on this machine: the Latin face or its metric twin,
// with a face that has the Persian letters behind it.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "shell/FontFace.h"

namespace tubewise {

// The font for a face the program names ("Arial", "Times New Roman", "B titr"): its size and
// weight, the named face (or the installed face with the same metrics), then a face that
// shows Persian letters for what the first lacks. The windows and the chart both take their
// fonts from here.
QFont ResolveFont(const std::string& face, double points, bool bold);
QFont ResolveFont(const FontFace& spec);

// The installed face that shows Persian letters, preferring the faces the program was
// drawn with; empty when the machine has none (Persian would show as empty boxes).
QString PersianFace();

}  // namespace tubewise
