// Font faces of the layouts resolved on this machine: the Latin face or its metric twin,
// with a face that has the Persian letters behind it.
#pragma once

#include <QFont>
#include <QString>

#include "shell/Layout.h"

namespace tubewise {

// The font for a table entry: its size and weight, the named face (or the installed face
// with the same metrics), then a face that shows Persian letters for what the first lacks.
QFont ResolveFont(const FontSpec& spec);

// The installed face that shows Persian letters, preferring the faces the program was
// drawn with; empty when the machine has none (Persian would show as empty boxes).
QString PersianFace();

}  // namespace tubewise
