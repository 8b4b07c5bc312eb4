#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "graph/grid.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/window_surface.h"

// The window draws the grid at the screen origin in the grid colour, the
// report at the page origin in the page's own colour. Either way the curve's
// points (Opr) must land on the grid's dots.
TEST(Maket, EightyDotsFromTheOriginWhereTheCurvesPointsLand) {
    platform::WindowSurface screen;
    platform::PrinterPage page;
    const struct {
        platform::Canvas* canvas;
        core::PointTw origin;
        std::optional<QColor> colour;
        QPointF first, last;  // digit 9 of column 1, digit 0 of column 8
    } cases[] = {
        {&screen, core::kScreenGridOrigin, graph::gridColor(), {600, 400}, {3400, 4000}},
        {&page, core::kPageGridOrigin, std::nullopt, {800, 3800}, {3600, 7400}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.origin.y);
        graph::Maket(*c.canvas, c.origin, c.colour);
        const auto& ops = c.canvas->ops();
        ASSERT_EQ(ops.size(), 80u);
        EXPECT_EQ(ops.front().p1, c.first);
        EXPECT_EQ(ops.back().p1, c.last);
        // Column by column, each from digit 9 at the top down to digit 0.
        for (int step = 1; step <= 8; ++step) {
            for (int digit = 0; digit <= 9; ++digit) {
                const core::PointTw p = core::Opr(step, digit);
                const platform::DrawOp& dot =
                    ops[static_cast<std::size_t>((step - 1) * 10 + 9 - digit)];
                EXPECT_EQ(dot.kind, platform::DrawOp::Kind::Point);
                EXPECT_EQ(dot.p1, QPointF(p.x + c.origin.x, p.y + c.origin.y))
                    << step << "/" << digit;
                EXPECT_EQ(dot.color, c.colour);
            }
        }
    }
}

TEST(Maket, PrintedGridShowsOnThePage) {
    platform::PrinterPage page;
    page.setDrawWidth(8);
    graph::Maket(page, core::kPageGridOrigin);
    const QImage image = platform::renderToImage(page, 144);  // 10 twips per pixel
    int dark = 0;
    for (int x = 0; x <= 8; ++x) {
        for (int y = 0; y <= 10; ++y) {
            const bool dot = x >= 1 && y >= 1;
            const QColor c = image.pixelColor((400 + 400 * x) / 10, (3400 + 400 * y) / 10);
            EXPECT_EQ(c.lightness() < 128, dot) << x << "," << y;
            dark += c.lightness() < 128;
        }
    }
    EXPECT_EQ(dark, 80);
}
