// Where a window opens: beside the window it came from, never over it when the screen has room,
// and always on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tubewise {

// The top-left corner (frame included) for a window of `size` beside `from` on `screen`: at the
// side of `from` that leaves them overlapping least, the reading side first (the left in a
// right-to-left language), then the other side, below and above; moved onto the screen.
QPoint PlaceBeside(const QRect& from, const QSize& size, const QRect& screen, bool rightToLeft);

// Moves `window` beside `from` on the screen `from` stands on.
void MoveBeside(QWidget& window, const QWidget& from, bool rightToLeft);

}  // namespace tubewise
