#include "graph/group_chart.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/group_words.h"

namespace graph {

namespace {

// Room around the plot, twips.
constexpr int kAxisWidth = 320;   // the levels left of the plot
constexpr int kBelowPlot = 520;   // the shared-low marks and the year labels
constexpr int kMarkLength = 120;  // the marks of shared highs and lows
constexpr int kMarkGap = 40;
constexpr int kLegendSample = 420;  // the line drawn before a member's name
constexpr int kMemberMark = 50;     // half the side of a member's mark
// A year written under the axis takes about this much width at 8 points.
constexpr int kYearLabelWidthTw = 600;
constexpr double kLabelPoints = 8;
constexpr int kDotSpacingTw = 90;  // the least room a year needs for its own mark
// Curves on the same level lie this share of a level's height apart.
constexpr int kCurveSpread = 14;

constexpr std::array<int, 9> kLabelSteps{1, 2, 5, 10, 20, 25, 50, 100, 250};

// Colours that differ in hue and in lightness, none of them the green and red
// of the shared extremes; the dashes and marks tell them apart in greyscale.
const std::array<MemberStyle, core::kGroupMost> kStyles{{
    {QColor(0, 90, 200), {}, Mark::Dot},
    {QColor(220, 110, 0), {240, 110}, Mark::Square},
    {QColor(120, 40, 160), {40, 90}, Mark::Triangle},
    {QColor(0, 140, 140), {300, 90, 40, 90}, Mark::Diamond},
    {QColor(60, 60, 60), {500, 130}, Mark::Cross},
    {QColor(160, 100, 40), {200, 80, 40, 80, 40, 80}, Mark::Plus},
}};

int lineHeight(double points) {
    return static_cast<int>(points * 24);  // a line of text, twips
}

int textWidthGuess(const QString& text, double points) {
    // An average character is a little over half the font's size; 20 twips a point.
    return static_cast<int>(text.size() * points * 20 * 0.55);
}

// One entry of the legend: a member (a sample of the line) or a mark's meaning.
struct LegendEntry {
    QString text;
    int member = -1;  // -1: a mark in `color`
    QColor color;
};

std::vector<LegendEntry> legendEntries(const core::Group& g, const QStringList& names,
                                       bool thisYearShown, core::ReportLanguage language) {
    std::vector<LegendEntry> entries;
    for (int k = 0; k < g.size(); ++k) {
        entries.push_back({names.value(k), k, {}});
    }
    const bool pair = g.size() == 2;
    entries.push_back({pair ? core::pageCaption(language, core::PageCaption::LegendHighest)
                            : core::groupCaption(language, core::GroupCaption::LegendHighest),
                       -1, allHighestColor()});
    entries.push_back({pair ? core::pageCaption(language, core::PageCaption::LegendLowest)
                            : core::groupCaption(language, core::GroupCaption::LegendLowest),
                       -1, allLowestColor()});
    if (thisYearShown) {
        entries.push_back(
            {core::pageCaption(language, core::PageCaption::LegendNow), -1, thisYearColor()});
    }
    return entries;
}

int entryWidth(const LegendEntry& e, double points) {
    return (e.member >= 0 ? kLegendSample + 80 : 160) + textWidthGuess(e.text, points) + 240;
}

// Where each entry goes: its left and its line, the members first and the
// marks' meanings on a line of their own, each line broken where the area ends.
struct Placed {
    int x = 0;
    int line = 0;
};
std::vector<Placed> placeLegend(const std::vector<LegendEntry>& entries, const ChartArea& area,
                                double points) {
    std::vector<Placed> placed;
    const int left = area.left + kAxisWidth;
    const int right = area.left + area.width;
    int x = left;
    int line = 1;
    bool previousWasMark = false;
    for (const LegendEntry& e : entries) {
        const bool mark = e.member < 0;
        const int width = entryWidth(e, points);
        if (!placed.empty() && ((mark && !previousWasMark) || x + width - 240 > right)) {
            x = left;
            line += 1;
        }
        previousWasMark = mark;
        placed.push_back({x, line});
        x += width;
    }
    return placed;
}

int legendHeight(const std::vector<Placed>& placed, double points) {
    const int lines = placed.empty() ? 0 : placed.back().line;  // lines counted from 1
    return lines * lineHeight(points) + kMarkGap;
}

// A member's mark at (x, y): drawn with lines, so that it prints as crisply
// as the curve and tells the member in greyscale.
void drawMark(TextCanvas& target, Mark mark, int x, int y, const QColor& color) {
    const int s = kMemberMark;
    const auto polygon = [&](std::initializer_list<QPoint> corners) {
        const std::vector<QPoint> p(corners);
        for (std::size_t i = 0; i < p.size(); ++i) {
            const QPoint& a = p[i];
            const QPoint& b = p[(i + 1) % p.size()];
            target.line(x + a.x(), y + a.y(), x + b.x(), y + b.y(), color);
        }
    };
    switch (mark) {
        case Mark::Dot:
            target.point(x, y, color);
            break;
        case Mark::Square:
            polygon({{-s, -s}, {s, -s}, {s, s}, {-s, s}});
            break;
        case Mark::Triangle:
            polygon({{0, -s - s / 3}, {s + s / 6, s * 2 / 3}, {-s - s / 6, s * 2 / 3}});
            break;
        case Mark::Diamond:
            polygon({{0, -s - s / 3}, {s + s / 3, 0}, {0, s + s / 3}, {-s - s / 3, 0}});
            break;
        case Mark::Cross:
            target.line(x - s, y - s, x + s, y + s, color);
            target.line(x - s, y + s, x + s, y - s, color);
            break;
        case Mark::Plus:
            target.line(x - s - s / 3, y, x + s + s / 3, y, color);
            target.line(x, y - s - s / 3, x, y + s + s / 3, color);
            break;
    }
}

// A line drawn with a member's dashes, the pattern going on from one piece of
// the curve to the next so that short years do not all start with a dash.
class DashedPen {
public:
    DashedPen(TextCanvas& target, const MemberStyle& style) : target_(target), style_(style) {}

    void line(QPointF a, QPointF b) {
        if (style_.dashes.empty()) {
            target_.line(qRound(a.x()), qRound(a.y()), qRound(b.x()), qRound(b.y()), style_.color);
            return;
        }
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        double done = 0;
        while (done < length) {
            const double left = style_.dashes[piece_] - into_;
            const double step = std::min(left, length - done);
            if (piece_ % 2 == 0) {
                const QPointF from = a + (b - a) * (done / length);
                const QPointF to = a + (b - a) * ((done + step) / length);
                target_.line(qRound(from.x()), qRound(from.y()), qRound(to.x()), qRound(to.y()),
                             style_.color);
            }
            done += step;
            into_ += step;
            if (into_ >= style_.dashes[piece_]) {
                into_ = 0;
                piece_ = (piece_ + 1) % style_.dashes.size();
            }
        }
    }

private:
    TextCanvas& target_;
    const MemberStyle& style_;
    std::size_t piece_ = 0;
    double into_ = 0;
};

void drawLegend(TextCanvas& target, const std::vector<LegendEntry>& entries,
                const std::vector<Placed>& placed, const ChartArea& area, double points) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries[i];
        const int y = area.top + (placed[i].line - 1) * lineHeight(points);
        const int mid = y + static_cast<int>(points * 10);
        int x = placed[i].x;
        if (e.member >= 0) {
            drawMemberSample(target, e.member, x, mid, kLegendSample);
            x += kLegendSample + 80;
        } else {
            target.line(x + 60, mid - kMarkLength / 2, x + 60, mid + kMarkLength / 2, e.color);
            x += 160;
        }
        target.text(x, y, e.text, points, e.member >= 0 ? memberStyle(e.member).color : e.color);
    }
}

void drawLevels(TextCanvas& target, const ChartScale& s, double points) {
    const QColor rule(215, 215, 215);
    const int right = s.plot.left + s.plot.width;
    for (int level = 0; level <= 9; ++level) {
        const int y = s.yOf(level);
        target.line(s.plot.left, y, right, y, rule);
        target.text(s.plot.left - kAxisWidth + 60, y - static_cast<int>(points * 12),
                    QString::number(level), points);
    }
}

void drawYears(TextCanvas& target, const ChartScale& s, double points) {
    const int step = yearLabelStep(s);
    const int bottom = s.yOf(0);
    const int labelY = bottom + kMarkGap * 2 + kMarkLength;
    for (long long i = 0; i < s.yearCount; ++i) {
        const long long year = s.fromYear + i;
        if (year % step != 0) {
            continue;
        }
        const int x = s.xOf(year);
        target.line(x, bottom, x, bottom + kMarkGap);
        const QString label = QString::number(year);
        target.text(x - textWidthGuess(label, points) / 2, labelY, label, points);
    }
}

void drawCurve(TextCanvas& target, const ChartScale& s, const core::Group& g, int k) {
    const MemberStyle& style = memberStyle(k);
    // A mark a year while the years stand apart; in a long span they would
    // merge into the line and only cost drawing time.
    const bool marks = s.plot.width >= s.yearCount * kDotSpacingTw;
    DashedPen pen(target, style);
    std::optional<QPoint> previous;
    for (const QPoint& here : curvePoints(s, g, k)) {
        if (previous) {
            pen.line(*previous, here);
        }
        if (marks) {
            drawMark(target, style.mark, here.x(), here.y(), style.color);
        }
        previous = here;
    }
}

void drawSharedExtremes(TextCanvas& target, const ChartScale& s, const core::Group& g) {
    const int top = s.yOf(9) - kMarkGap;
    const int bottom = s.yOf(0) + kMarkGap;
    for (const long long year : g.allHighest) {
        target.line(s.xOf(year), top - kMarkLength, s.xOf(year), top, allHighestColor());
    }
    for (const long long year : g.allLowest) {
        target.line(s.xOf(year), bottom, s.xOf(year), bottom + kMarkLength, allLowestColor());
    }
}

}  // namespace

const MemberStyle& memberStyle(int k) {
    return kStyles.at(static_cast<std::size_t>(std::clamp(k, 0, core::kGroupMost - 1)));
}

QColor allHighestColor() {
    return QColor(0, 128, 0);
}

QColor allLowestColor() {
    return QColor(255, 0, 0);
}

QColor thisYearColor() {
    return QColor(188, 40, 120);  // the colour the main window marks this year in
}

int ChartScale::xOf(long long year) const {
    const double step = static_cast<double>(plot.width) / static_cast<double>(yearCount);
    return plot.left + static_cast<int>((static_cast<double>(year - fromYear) + 0.5) * step);
}

int ChartScale::yOf(int level) const {
    return plot.top + plot.height - plot.height * level / 9;
}

int ChartScale::yOf(int level, int k) const {
    const double apart = plot.height / 9.0 / kCurveSpread;
    return yOf(level) + static_cast<int>(std::lround((k - (members - 1) / 2.0) * apart));
}

ChartScale chartScale(const ChartArea& area, const core::Group& g, const QStringList& names,
                      double points, core::ReportLanguage language) {
    ChartScale s;
    const int legend =
        legendHeight(placeLegend(legendEntries(g, names, true, language), area, points), points);
    s.plot = {area.left + kAxisWidth, area.top + legend + kMarkLength + kMarkGap,
              std::max(1, area.width - kAxisWidth - 60),
              std::max(9, area.height - legend - kMarkLength - kMarkGap - kBelowPlot)};
    s.fromYear = g.span.from;
    s.yearCount = std::max<long long>(1, g.span.to - g.span.from + 1);
    s.members = std::max(1, g.size());
    return s;
}

std::vector<QPoint> curvePoints(const ChartScale& s, const core::Group& g, int k) {
    std::vector<QPoint> points;
    for (const core::GroupYear& y : g.years) {
        // No level before the birth: the curve starts there.
        if (const std::optional<int> level = y.levels.at(static_cast<std::size_t>(k))) {
            points.emplace_back(s.xOf(y.year), s.yOf(*level, k));
        }
    }
    return points;
}

int yearLabelStep(const ChartScale& scale) {
    const double perYear = static_cast<double>(scale.plot.width) / scale.yearCount;
    for (const int step : kLabelSteps) {
        if (perYear * step >= kYearLabelWidthTw) {
            return step;
        }
    }
    return kLabelSteps.back();
}

void drawMemberSample(TextCanvas& target, int k, int left, int middle, int width) {
    const MemberStyle& style = memberStyle(k);
    DashedPen pen(target, style);
    pen.line(QPointF(left, middle), QPointF(left + width, middle));
    drawMark(target, style.mark, left + width / 2, middle, style.color);
}

void drawGroupChart(TextCanvas& target, const core::Group& g, const ChartArea& area,
                    const QStringList& names, std::optional<long long> markedYear,
                    double textPoints, core::ReportLanguage language) {
    const ChartScale s = chartScale(area, g, names, textPoints, language);
    const bool thisYearShown = markedYear && *markedYear >= g.span.from && *markedYear <= g.span.to;
    const std::vector<LegendEntry> entries = legendEntries(g, names, thisYearShown, language);
    drawLegend(target, entries, placeLegend(entries, area, textPoints), area, textPoints);
    drawLevels(target, s, textPoints);
    if (g.years.empty()) {
        return;
    }
    drawYears(target, s, std::min(textPoints, kLabelPoints));
    if (thisYearShown) {
        const int x = s.xOf(*markedYear);
        target.line(x, s.yOf(9) - kMarkGap, x, s.yOf(0) + kMarkGap, thisYearColor());
    }
    drawSharedExtremes(target, s, g);
    for (int k = 0; k < g.size(); ++k) {
        drawCurve(target, s, g, k);
    }
}

}  // namespace graph
