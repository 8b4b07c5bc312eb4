#include <gtest/gtest.h>

#include <set>

#include "graph/group_chart.h"
#include "group_of.h"

namespace {

const std::vector<Born> kPeople{{23, 7, "1975", "Волков Игорь"},
                                {5, 3, "1978", "Волкова Мария"},
                                {12, 11, "2005", "Волков Андрей"},
                                {1, 5, "2010", "Волкова Оля"},
                                {1, 0, "2000"},
                                {30, 4, "1950", "Константинопольская Александра"}};

}  // namespace

// Each member's curve stands higher exactly where the level is higher, year
// by year, from the birth on; members on one level in one year lie apart, so
// that none hides another; the names sit above the plot however many there are.
TEST(GroupChart, CurvesFollowEachMembersLevels) {
    for (std::size_t n = 2; n <= kPeople.size(); ++n) {
        SCOPED_TRACE(n);
        const core::Group g =
            groupOf(std::vector<Born>(kPeople.begin(), kPeople.begin() + long(n)), {1999, 2040});
        QStringList names;
        for (const core::GroupMember& m : g.members) {
            names << core::personLabel(m.person);
        }
        const graph::ChartArea area{0, 0, 9000, 5000};
        const graph::ChartScale s = graph::chartScale(area, g, names);
        for (int k = 0; k < g.size(); ++k) {
            const std::vector<QPoint> points = graph::curvePoints(s, g, k);
            std::vector<int> levels;
            for (const core::GroupYear& y : g.years) {
                if (y.levels[std::size_t(k)]) {
                    levels.push_back(*y.levels[std::size_t(k)]);
                }
            }
            ASSERT_EQ(points.size(), levels.size()) << k;
            for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                EXPECT_EQ(points[i].y() < points[i + 1].y(), levels[i] > levels[i + 1]) << i;
                EXPECT_EQ(points[i].y() == points[i + 1].y(), levels[i] == levels[i + 1]) << i;
            }
        }
        for (const core::GroupYear& y : g.years) {
            std::set<int> heights;
            for (int k = 0; k < g.size(); ++k) {
                if (y.levels[std::size_t(k)]) {
                    heights.insert(s.yOf(*y.levels[std::size_t(k)], k));
                }
            }
            EXPECT_EQ(int(heights.size()),
                      std::count_if(y.levels.begin(), y.levels.end(),
                                    [](const auto& l) { return l.has_value(); }))
                << y.year;
        }
        graph::RecordingCanvas canvas;
        graph::drawGroupChart(canvas, g, area, names, 2026);
        for (const platform::DrawOp& op : canvas.ops()) {
            if (op.kind == platform::DrawOp::Kind::Text && names.contains(op.text)) {
                EXPECT_LT(op.p1.y() + 8 * 24, s.plot.top) << op.text.toStdString();
            }
        }
        for (int k = 0; k < g.size(); ++k) {
            const QColor color = graph::memberStyle(k).color;
            EXPECT_TRUE(std::any_of(canvas.ops().begin(), canvas.ops().end(),
                                    [&color](const auto& op) { return op.color == color; }))
                << k;
        }
    }
}

// Six members apart in colour, and in greyscale print by their lines and marks alone.
TEST(GroupChart, EveryMemberHasALineAndAMarkOfTheirOwn) {
    std::set<QRgb> colors;
    std::set<std::vector<int>> dashes;
    std::set<graph::Mark> marks;
    for (int k = 0; k < core::kGroupMost; ++k) {
        const graph::MemberStyle& style = graph::memberStyle(k);
        colors.insert(style.color.rgb());
        dashes.insert(style.dashes);
        marks.insert(style.mark);
        EXPECT_NE(style.color, graph::allHighestColor());
        EXPECT_NE(style.color, graph::allLowestColor());
    }
    EXPECT_EQ(colors.size(), std::size_t(core::kGroupMost));
    EXPECT_EQ(dashes.size(), std::size_t(core::kGroupMost));
    EXPECT_EQ(marks.size(), std::size_t(core::kGroupMost));
}
