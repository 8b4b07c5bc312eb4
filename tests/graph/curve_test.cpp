#include <gtest/gtest.h>

#include <QLabel>
#include <optional>
#include <variant>

#include "forecast_of.h"
#include "graph/curve.h"
#include "graph/year_table.h"
#include "platform/controls.h"
#include "platform/printer_page.h"
#include "platform/window_surface.h"

namespace {

struct Labels {
    QWidget parent;
    graph::AxisLabels axis{};
    graph::YearTable years{};
    Labels() {
        for (auto& l : axis) {
            l = new QLabel(&parent);
        }
        for (auto& column : years) {
            for (auto& cell : column) {
                cell = new QLabel(QStringLiteral("old"), &parent);
                cell->hide();
            }
        }
    }
};

}  // namespace

TEST(P1, JoinsTheForecastsPointsFromTheOriginInTheGivenColour) {
    const core::Forecast f = forecastOf(5, 4, "1990");  // 1004950
    const std::vector<QPointF> onPage{{800, 7000},  {1200, 7400}, {1600, 7400}, {2000, 5800},
                                      {2400, 3800}, {2800, 5400}, {3200, 7400}};
    platform::WindowSurface screen;
    platform::PrinterPage page;
    const struct {
        platform::Canvas* canvas;
        core::PointTw origin;
        std::optional<QColor> colour;
    } cases[] = {
        {&screen, core::kScreenGridOrigin, graph::curveColor()},
        {&page, core::kPageGridOrigin, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.origin.y);
        graph::P1(*c.canvas, f, c.origin, c.colour);
        const QPointF shift(c.origin.x - core::kPageGridOrigin.x,
                            c.origin.y - core::kPageGridOrigin.y);
        const auto& ops = c.canvas->ops();
        ASSERT_EQ(ops.size(), onPage.size() - 1);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            EXPECT_EQ(ops[i].kind, platform::DrawOp::Kind::Line);
            EXPECT_EQ(ops[i].p1, onPage[i] + shift) << i;
            EXPECT_EQ(ops[i].p2, onPage[i + 1] + shift) << i;
            EXPECT_EQ(ops[i].color, c.colour);
        }
    }
}

// One set of labels through several forecasts: a colour left over from the
// forecast before would show.
TEST(ColourAxis, LargestDigitGreenSmallestRedTheRestBlue) {
    const QColor green(0, 128, 0), red(255, 0, 0), blue(0, 0, 192);
    const struct {
        int day;
        int monthIndex;
        const char* year;
        int largest, smallest;
    } cases[] = {
        {23, 7, "1975", 8, 0},   // 4558300
        {10, 0, "111", 1, 1},    // 111111: all equal, red wins
        {31, 11, "9999", 8, 1},  // 31116888
        {1, 0, "1", 1, 0},       // 101
    };
    Labels labels;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        const core::Forecast f = forecastOf(c.day, c.monthIndex, c.year);
        EXPECT_EQ(f.largest, c.largest);
        EXPECT_EQ(f.smallest, c.smallest);
        graph::colourAxis(labels.axis, &f);
        for (int d = 0; d < 10; ++d) {
            const QColor expected = d == c.smallest ? red : d == c.largest ? green : blue;
            EXPECT_EQ(platform::foreColor(labels.axis[static_cast<std::size_t>(d)]), expected) << d;
        }
    }
    graph::colourAxis(labels.axis, nullptr);
    for (QLabel* l : labels.axis) {
        EXPECT_EQ(platform::foreColor(l), blue);
    }
}

// Row i of column K holds birth year + K - 1 + i x digits; five to seven
// digits hide the columns after the last digit. One table through all cases,
// so that columns hidden by one forecast must come back for the next.
TEST(FormirYear, CaptionsAndVisibleColumns) {
    const struct {
        int day;
        int monthIndex;
        const char* year;
        int row0first, row1first, row9first;
        int shown;
    } cases[] = {
        {1, 0, "1", 1, 4, 28, 8},  // 101: three digits, rows overlap
        {1, 0, "99", 99, 103, 135, 8},
        {1, 0, "100", 100, 105, 145, 5},
        {10, 0, "111", 111, 117, 165, 6},
        {5, 4, "1990", 1990, 1997, 2053, 7},
        {31, 11, "9999", 9999, 10007, 10071, 8},
    };
    Labels labels;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        graph::FormirYear(labels.years, forecastOf(c.day, c.monthIndex, c.year));
        for (int k = 0; k < 8; ++k) {
            const auto& column = labels.years[static_cast<std::size_t>(k)];
            EXPECT_EQ(column[0]->text(), QString::number(c.row0first + k));
            EXPECT_EQ(column[1]->text(), QString::number(c.row1first + k));
            EXPECT_EQ(column[9]->text(), QString::number(c.row9first + k));
            for (const QLabel* cell : column) {
                EXPECT_EQ(!cell->isHidden(), k < c.shown) << k;
            }
        }
    }
}
