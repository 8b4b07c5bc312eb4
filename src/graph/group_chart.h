#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/group.h"
#include "graph/text_canvas.h"

namespace graph {

// How a member's curve is told from the others', in colour and, on a page
// printed in greyscale, by its line and its marks alone: each member has a
// colour of its own, a dash pattern of its own and a mark of its own.
enum class Mark { Dot, Square, Triangle, Diamond, Cross, Plus };
struct MemberStyle {
    QColor color;
    std::vector<int> dashes;  // twips drawn and left, in turn; empty: a solid line
    Mark mark = Mark::Dot;
};
// The style of member k (0 to core::kGroupMost - 1).
const MemberStyle& memberStyle(int k);

// The marks of the years all are at their own largest or smallest digit (as
// the digit axis marks them), and of this year.
QColor allHighestColor();
QColor allLowestColor();
QColor thisYearColor();

// Where the chart goes, twips: the legend on top, the levels 0 to 9 up the
// left, the years along the bottom.
struct ChartArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The plot inside the area, and where a year and a level land in it. Curves
// that run along the same level lie a little apart, member by member, so that
// none hides another.
struct ChartScale {
    ChartArea plot;
    long long fromYear = 0;
    long long yearCount = 1;
    int members = 1;

    int xOf(long long year) const;
    int yOf(int level) const;
    // Where member k's curve is at `level`.
    int yOf(int level, int k) const;
};

// `names`: one per member, as the legend writes them.
ChartScale chartScale(const ChartArea& area, const core::Group& group, const QStringList& names,
                      double textPoints = 8,
                      core::ReportLanguage language = core::ReportLanguage::Russian);

// Where member k's curve passes: a point a year of the span from the birth on.
std::vector<QPoint> curvePoints(const ChartScale& scale, const core::Group& group, int k);

// Every how many years a year is written under the axis, so that the labels
// do not run into each other.
int yearLabelStep(const ChartScale& scale);

// Every member's curve on one calendar axis with the legend, the years all
// are at their own extremes marked above and below the plot, and
// `markedYear` (this year) as a line across it when the span holds it. Text
// sizes in points; the legend's words in `language`.
void drawGroupChart(TextCanvas& target, const core::Group& group, const ChartArea& area,
                    const QStringList& names, std::optional<long long> markedYear,
                    double textPoints = 8,
                    core::ReportLanguage language = core::ReportLanguage::Russian);

// Member k's line and mark, `width` twips long from (left, middle): the
// legend's sample, and the one beside the member's row in the group window.
void drawMemberSample(TextCanvas& target, int k, int left, int middle, int width);

}  // namespace graph
