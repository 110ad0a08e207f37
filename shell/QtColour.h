// The program's colour type as Qt paints it.
#pragma once

#include <QColor>

#include "core/Colour.h"

namespace tubewise {

inline QColor ToQColor(const Colour& c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace tubewise
