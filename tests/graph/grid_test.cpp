#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "graph/grid.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/window_surface.h"

using core::Byte;

namespace {

struct Fixture {
    core::WindowState state;
    platform::WindowSurface screen;
    platform::PrinterPage printer;
    graph::Surfaces surfaces{screen, &printer};
};

}  // namespace

TEST(Maket, DrawsEightyDotsOnEachSurface) {
    Fixture f;
    for (bool toPrinter : {false, true}) {
        SCOPED_TRACE(toPrinter);
        graph::Maket(f.state, f.surfaces, toPrinter);
        const auto& ops = f.surfaces.pick(toPrinter).ops();
        ASSERT_EQ(ops.size(), 80u);
        const QPointF first = toPrinter ? QPointF(800, 3800) : QPointF(600, 400);
        const QPointF last = toPrinter ? QPointF(3600, 7400) : QPointF(3400, 4000);
        EXPECT_EQ(ops.front().p1, first);
        EXPECT_EQ(ops.back().p1, last);
        // Columns left to right, rows top to bottom within each column.
        EXPECT_EQ(ops[1].p1, first + QPointF(0, 400));
        EXPECT_EQ(ops[10].p1, first + QPointF(400, 0));
        for (const auto& op : ops) {
            EXPECT_EQ(op.kind, platform::DrawOp::Kind::Point);
            if (toPrinter) {
                EXPECT_FALSE(op.color.has_value());
            } else {
                EXPECT_EQ(op.color, QColor(0, 55, 250));
            }
        }
    }
}

TEST(Opr, MapsColumnsAndDigitsToGridDots) {
    const struct {
        int step, digit;
        bool printer;
        int x, y;
    } cases[] = {
        {1, 9, false, 600, 400},   {8, 0, false, 3400, 4000}, {1, 9, true, 800, 3800},
        {8, 0, true, 3600, 7400},  {1, 0, false, 600, 4000},  {1, 0, true, 800, 7400},
        {4, 4, false, 1800, 2400}, {4, 4, true, 2000, 5800},  {5, 1, false, 2200, 3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << "/" << c.digit << "/" << c.printer);
        core::WindowState s;
        graph::Opr(s, Byte::of(c.step), Byte::of(c.digit), c.printer);
        EXPECT_EQ(s.PntX.value(), c.x);
        EXPECT_EQ(s.PntY.value(), c.y);
    }
}

TEST(Opr, EveryPointLandsOnADotOfTheGrid) {
    Fixture f;
    for (bool toPrinter : {false, true}) {
        graph::Maket(f.state, f.surfaces, toPrinter);
        const auto& ops = f.surfaces.pick(toPrinter).ops();
        for (int step = 1; step <= 8; ++step) {
            for (int digit = 0; digit <= 9; ++digit) {
                graph::Opr(f.state, Byte::of(step), Byte::of(digit), toPrinter);
                const QPointF p(f.state.PntX.value(), f.state.PntY.value());
                // Column-major order: dot index = (column - 1) * 10 + row - 1, row 1 for digit 9.
                EXPECT_EQ(ops[(step - 1) * 10 + (9 - digit)].p1, p);
            }
        }
    }
}

TEST(Opr, ColumnBeyondSixteenBitsRaises) {
    core::WindowState s;
    EXPECT_THROW(graph::Opr(s, Byte::of(82), Byte::of(1), false), core::RuntimeError);
}

TEST(Maket, PrintedGridShowsOnThePage) {
    platform::PrinterPage page;
    core::WindowState state;
    platform::WindowSurface screen;
    page.setDrawWidth(8);
    graph::Maket(state, {screen, &page}, true);
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
