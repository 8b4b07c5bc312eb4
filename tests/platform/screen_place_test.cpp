#include <gtest/gtest.h>

#include "platform/screen_place.h"

namespace {

// At a display scale of 2 a 1280 × 1024 screen is 640 × 512: a window and its
// buttons stay on it, wherever it was last; one that cannot be made small
// enough keeps its title bar on the screen.
TEST(ScreenPlace, WindowFitsTheFreeAreaOfTheScreen) {
    const QMargins frame(4, 30, 4, 4);
    const struct {
        QRect wanted, available;
        QSize minimum;
        QRect placed;
    } cases[] = {
        {{0, 0, 960, 520}, {0, 0, 640, 480}, {}, {4, 30, 632, 446}},
        {{1500, 900, 300, 200}, {0, 0, 1280, 1000}, {}, {976, 796, 300, 200}},
        {{-200, -50, 400, 300}, {0, 24, 1280, 1000}, {}, {4, 54, 400, 300}},
        {{100, 100, 400, 300}, {0, 0, 1280, 1000}, {}, {100, 100, 400, 300}},
        {{200, -122, 505, 506}, {0, 0, 683, 384}, {505, 200}, {174, 30, 505, 350}},
        {{300, 300, 900, 600}, {0, 0, 683, 384}, {700, 400}, {4, 30, 700, 400}},
    };
    for (const auto& c : cases) {
        const QRect placed = platform::fitWithin(c.wanted, c.available, frame, c.minimum);
        EXPECT_EQ(placed, c.placed)
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    }
}

}  // namespace
