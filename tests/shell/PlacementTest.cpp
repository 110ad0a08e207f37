// Where a window opens beside another: at the side that leaves the other uncovered, on the screen.
#include <gtest/gtest.h>

#include "shell/Placement.h"

namespace tubewise {
namespace {

TEST(PlaceBeside, TheSideThatCoversLeastAndAlwaysOnTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize size(400, 300);
    const struct {
        const char* name;
        QRect from;
        bool rightToLeft;
        QPoint expected;
    } rows[] = {
        {"room on both sides, Persian: the left", QRect(500, 200, 300, 300), true, {100, 200}},
        {"room on both sides, English: the right", QRect(500, 200, 300, 300), false, {800, 200}},
        {"no room at the left: the right", QRect(100, 200, 300, 300), true, {400, 200}},
        {"no room at either side: below", QRect(100, 100, 1000, 300), true, {100, 400}},
        {"at the bottom of the screen: kept on it", QRect(500, 900, 300, 100), true, {100, 724}},
        {"no room anywhere: the least covered", QRect(100, 100, 1100, 850), false, {100, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QPoint at = PlaceBeside(r.from, size, screen, r.rightToLeft);
        EXPECT_EQ(at, r.expected);
        EXPECT_TRUE(screen.contains(QRect(at, size)));
    }
}

}  // namespace
}  // namespace tubewise
