// Placement of a window beside another.
#include "shell/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tubewise {

namespace {

QPoint OntoScreen(QPoint at, const QSize& size, const QRect& screen) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return at;
}

long long Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

QPoint PlaceBeside(const QRect& from, const QSize& size, const QRect& screen, bool rightToLeft) {
    const QPoint left(from.left() - size.width(), from.top());
    const QPoint right(from.right() + 1, from.top());
    const QPoint candidates[] = {rightToLeft ? left : right, rightToLeft ? right : left,
                                 QPoint(from.left(), from.bottom() + 1),
                                 QPoint(from.left(), from.top() - size.height())};
    QPoint best;
    long long bestOverlap = -1;
    for (const QPoint& c : candidates) {
        const QPoint at = OntoScreen(c, size, screen);
        const long long overlap = Overlap(QRect(at, size), from);
        if (bestOverlap < 0 || overlap < bestOverlap) {
            best = at;
            bestOverlap = overlap;
        }
    }
    return best;
}

void MoveBeside(QWidget& window, const QWidget& from, bool rightToLeft) {
    const QScreen* screen = from.screen();
    if (!screen) return;
    // Before its first showing a window has no frame yet: the frame of `from` stands in for it.
    const QSize frame = from.frameGeometry().size() - from.geometry().size();
    const QSize size = window.isVisible() ? window.frameGeometry().size() : window.size() + frame;
    window.move(PlaceBeside(from.frameGeometry(), size, screen->availableGeometry(), rightToLeft));
}

}  // namespace tubewise
