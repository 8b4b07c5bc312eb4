#include "graph/comparison_chart.h"

#include <algorithm>
#include <array>

namespace graph {

namespace {

// Room around the plot, twips.
constexpr int kLegendLines = 2;   // the people, then what the marks mean
constexpr int kAxisWidth = 320;   // the levels left of the plot
constexpr int kBelowPlot = 520;   // the shared-low marks and the year labels
constexpr int kMarkLength = 120;  // the marks of shared highs and lows
constexpr int kMarkGap = 40;
constexpr int kLegendSample = 360;  // the line drawn before a person's name
// A year written under the axis takes about this much width at 8 points.
constexpr int kYearLabelWidthTw = 600;
constexpr double kLabelPoints = 8;
constexpr int kDotSpacingTw = 90;  // the least room a year needs for its own dot

constexpr std::array<int, 9> kLabelSteps{1, 2, 5, 10, 20, 25, 50, 100, 250};

int lineHeight(double points) {
    return static_cast<int>(points * 24);  // a line of text, twips
}

int legendHeight(double points) {
    return kLegendLines * lineHeight(points) + kMarkGap;
}

int textWidthGuess(const QString& text, double points) {
    // An average character is a little over half the font's size; 20 twips a point.
    return static_cast<int>(text.size() * points * 20 * 0.55);
}

void drawLegend(TextCanvas& target, const ChartArea& area, const QString& firstName,
                const QString& secondName, bool thisYearShown, double points,
                core::ReportLanguage language) {
    using core::PageCaption;
    const struct {
        QString text;
        QColor color;
        bool mark;  // a short upright mark rather than a line
    } entries[] = {
        {firstName, firstPersonColor(), false},
        {secondName, secondPersonColor(), false},
        {core::pageCaption(language, PageCaption::LegendHighest), bothHighestColor(), true},
        {core::pageCaption(language, PageCaption::LegendLowest), bothLowestColor(), true},
        {core::pageCaption(language, PageCaption::LegendNow), thisYearColor(), true},
    };
    const std::size_t shown = thisYearShown ? std::size(entries) : std::size(entries) - 1;
    int x = area.left + kAxisWidth;
    int y = area.top;
    bool previousWasMark = false;
    for (std::size_t i = 0; i < shown; ++i) {
        const auto& e = entries[i];
        if (e.mark && !previousWasMark) {
            x = area.left + kAxisWidth;  // the marks' meanings on a line of their own
            y += lineHeight(points);
        }
        previousWasMark = e.mark;
        const int mid = y + static_cast<int>(points * 10);
        if (e.mark) {
            target.line(x + 60, mid - kMarkLength / 2, x + 60, mid + kMarkLength / 2, e.color);
            x += 160;
        } else {
            target.line(x, mid, x + kLegendSample, mid, e.color);
            x += kLegendSample + 80;
        }
        target.text(x, y, e.text, points, e.color);
        x += textWidthGuess(e.text, points) + 240;
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

void drawCurve(TextCanvas& target, const ChartScale& s, const core::Comparison& c, bool first,
               const QColor& color) {
    // A dot a year while the years stand apart; in a long span they would
    // merge into the line and only cost drawing time.
    const bool dots = s.plot.width >= s.yearCount * kDotSpacingTw;
    std::optional<QPoint> previous;
    for (const core::ComparedYear& y : c.years) {
        const std::optional<int> level = first ? y.first : y.second;
        if (!level) {
            previous.reset();  // no level before the birth: the curve starts there
            continue;
        }
        const QPoint here(s.xOf(y.year), s.yOf(*level));
        if (previous) {
            target.line(previous->x(), previous->y(), here.x(), here.y(), color);
        }
        if (dots) {
            target.point(here.x(), here.y(), color);
        }
        previous = here;
    }
}

void drawSharedExtremes(TextCanvas& target, const ChartScale& s, const core::Comparison& c) {
    const int top = s.yOf(9) - kMarkGap;
    const int bottom = s.yOf(0) + kMarkGap;
    for (const long long year : c.bothHighest) {
        target.line(s.xOf(year), top - kMarkLength, s.xOf(year), top, bothHighestColor());
    }
    for (const long long year : c.bothLowest) {
        target.line(s.xOf(year), bottom, s.xOf(year), bottom + kMarkLength, bothLowestColor());
    }
}

}  // namespace

void RecordingCanvas::point(int x, int y, std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Point;
    op.p1 = QPointF(x, y);
    op.color = color;
    op.widthTw = penTw_ * 3;  // a year's dot stands out from the line through it
    ops_.push_back(op);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Line;
    op.p1 = QPointF(x1, y1);
    op.p2 = QPointF(x2, y2);
    op.color = color;
    op.widthTw = penTw_;
    ops_.push_back(op);
}

void RecordingCanvas::text(int x, int y, const QString& text, double points,
                           std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Text;
    op.p1 = QPointF(x, y);
    op.text = text;
    op.fontSize = points;
    op.color = color;
    ops_.push_back(op);
}

QColor firstPersonColor() {
    return QColor(0, 90, 200);
}

QColor secondPersonColor() {
    return QColor(220, 110, 0);
}

QColor bothHighestColor() {
    return QColor(0, 128, 0);
}

QColor bothLowestColor() {
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

ChartScale chartScale(const ChartArea& area, const core::Comparison& c, double points) {
    ChartScale s;
    const int legend = legendHeight(points);
    s.plot = {area.left + kAxisWidth, area.top + legend + kMarkLength + kMarkGap,
              std::max(1, area.width - kAxisWidth - 60),
              std::max(9, area.height - legend - kMarkLength - kMarkGap - kBelowPlot)};
    s.fromYear = c.fromYear;
    s.yearCount = std::max<long long>(1, c.toYear - c.fromYear + 1);
    return s;
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

void drawComparisonChart(TextCanvas& target, const core::Comparison& c, const ChartArea& area,
                         const QString& firstName, const QString& secondName,
                         std::optional<long long> markedYear, double textPoints,
                         core::ReportLanguage language) {
    const ChartScale s = chartScale(area, c, textPoints);
    const bool thisYearShown = markedYear && *markedYear >= c.fromYear && *markedYear <= c.toYear;
    drawLegend(target, area, firstName, secondName, thisYearShown, textPoints, language);
    drawLevels(target, s, textPoints);
    if (c.years.empty()) {
        return;
    }
    drawYears(target, s, std::min(textPoints, kLabelPoints));
    if (thisYearShown) {
        const int x = s.xOf(*markedYear);
        target.line(x, s.yOf(9) - kMarkGap, x, s.yOf(0) + kMarkGap, thisYearColor());
    }
    drawSharedExtremes(target, s, c);
    drawCurve(target, s, c, true, firstPersonColor());
    drawCurve(target, s, c, false, secondPersonColor());
}

}  // namespace graph
