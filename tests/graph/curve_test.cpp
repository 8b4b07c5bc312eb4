#include <gtest/gtest.h>

#include <QLabel>
#include <memory>

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
            platform::setForeColor(l, QColor(0, 0, 192));
        }
        for (auto& column : years) {
            for (auto& cell : column) {
                cell = new QLabel(QStringLiteral("old"), &parent);
                cell->hide();
            }
        }
    }
};

std::vector<QPointF> curvePoints(const platform::Canvas& c) {
    std::vector<QPointF> points;
    for (const auto& op : c.ops()) {
        if (op.kind == platform::DrawOp::Kind::Line) {
            if (points.empty()) {
                points.push_back(op.p1);
            }
            EXPECT_EQ(op.p1, points.back());  // segments join, left to right
            points.push_back(op.p2);
        }
    }
    return points;
}

}  // namespace

TEST(P1, PrinterPassPutsTheCurveOnThePageInItsOwnColour) {
    Labels labels;
    core::WindowState state;
    platform::WindowSurface screen;
    platform::PrinterPage page;
    graph::P1(state, {screen, &page}, labels.axis, core::Int32::of(1004950), true);
    EXPECT_TRUE(screen.ops().empty());
    const std::vector<QPointF> expected{{800, 7000},  {1200, 7400}, {1600, 7400}, {2000, 5800},
                                        {2400, 3800}, {2800, 5400}, {3200, 7400}};
    EXPECT_EQ(curvePoints(page), expected);
    for (const auto& op : page.ops()) {
        EXPECT_FALSE(op.color.has_value());
    }
    EXPECT_EQ(state.Mx.value(), 9);
    EXPECT_EQ(state.Mn.value(), 0);
}

TEST(P1, ExtremesAndLabelColours) {
    const struct {
        int number;
        int mx, mn;
        int columns;
    } cases[] = {
        {111111, 1, 1, 6},  // all equal: the label ends red, coloured last
        {4558300, 8, 0, 7},
        {31116888, 8, 1, 8},
        {101, 1, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        Labels labels;
        core::WindowState state;
        platform::WindowSurface screen;
        graph::P1(state, {screen}, labels.axis, core::Int32::of(c.number), false);
        EXPECT_EQ(state.Mx.value(), c.mx);
        EXPECT_EQ(state.Mn.value(), c.mn);
        const auto points = curvePoints(screen);
        ASSERT_EQ(static_cast<int>(points.size()), c.columns);
        EXPECT_EQ(points.back().x(), 200 + 400 * c.columns);
        for (int d = 0; d < 10; ++d) {
            const QColor expected = d == c.mn   ? QColor(255, 0, 0)
                                    : d == c.mx ? QColor(0, 128, 0)
                                                : QColor(0, 0, 192);
            EXPECT_EQ(platform::foreColor(labels.axis[d]), expected) << d;
        }
        for (const auto& op : screen.ops()) {
            EXPECT_EQ(op.color, QColor(188, 40, 120));
        }
    }
}

TEST(FormirYear, CaptionsAndVisibility) {
    const struct {
        int year, digits;
        int row0first, row1first, row9first;
        int shown;
    } cases[] = {
        {1, 3, 1, 4, 28, 8},  // three digits: all columns, rows overlap
        {99, 4, 99, 103, 135, 8},
        {150, 5, 150, 155, 195, 5},
        {1975, 6, 1975, 1981, 2029, 6},
        {1990, 7, 1990, 1997, 2053, 7},
        {9999, 8, 9999, 10007, 10071, 8},
        {32760, 8, 32760, 32768, 32832, 8},  // later rows may pass 16 bits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        Labels labels;
        graph::FormirYear(labels.years, core::Int16::of(c.year), core::Byte::of(c.digits));
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(labels.years[k][0]->text(), QString::number(c.row0first + k));
            EXPECT_EQ(labels.years[k][1]->text(), QString::number(c.row1first + k));
            EXPECT_EQ(labels.years[k][9]->text(), QString::number(c.row9first + k));
            for (int i = 0; i < 10; ++i) {
                EXPECT_EQ(!labels.years[k][i]->isHidden(), k < c.shown);
            }
        }
    }
}

TEST(FormirYear, FirstRowPastSixteenBitsStopsWithOverflow) {
    Labels labels;
    EXPECT_THROW(graph::FormirYear(labels.years, core::Int16::of(32765), core::Byte::of(8)),
                 core::RuntimeError);
    // Cells captioned before the overflow keep their new captions, later ones the old.
    EXPECT_EQ(labels.years[2][0]->text(), QStringLiteral("32767"));
    EXPECT_EQ(labels.years[3][0]->text(), QStringLiteral("old"));
    EXPECT_EQ(labels.years[0][1]->text(), QStringLiteral("old"));
}
