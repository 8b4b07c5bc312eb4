#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "core/comparison.h"
#include "platform/canvas.h"

namespace graph {

// A drawing target that also writes short texts: the comparison's chart is
// drawn the same way into the window and onto the printed page.
class TextCanvas : public platform::Canvas {
public:
    // A text whose top left is at (x, y) twips, in a font of `points`.
    virtual void text(int x, int y, const QString& text, double points,
                      std::optional<QColor> color = std::nullopt) = 0;
};

// Keeps every operation, texts included, so that a window can replay them
// and tests can read them.
class RecordingCanvas : public TextCanvas {
public:
    void point(int x, int y, std::optional<QColor> color = std::nullopt) override;
    void line(int x1, int y1, int x2, int y2, std::optional<QColor> color = std::nullopt) override;
    void text(int x, int y, const QString& text, double points,
              std::optional<QColor> color = std::nullopt) override;
    const std::vector<platform::DrawOp>& ops() const override { return ops_; }

    void clear() { ops_.clear(); }
    // Pen width of the points and lines drawn next, twips.
    void setPenWidth(double twips) { penTw_ = twips; }

private:
    std::vector<platform::DrawOp> ops_;
    double penTw_ = 15;
};

// The two people's colours, and the marks of the years both are at their
// own largest or smallest digit (as the digit axis marks them).
QColor firstPersonColor();
QColor secondPersonColor();
QColor bothHighestColor();
QColor bothLowestColor();
QColor thisYearColor();

// Where the chart goes, twips: the legend on top, the levels 0 to 9 up the
// left, the years along the bottom.
struct ChartArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The plot inside the area, and where a year and a level land in it.
struct ChartScale {
    ChartArea plot;
    long long fromYear = 0;
    long long yearCount = 1;

    int xOf(long long year) const;
    int yOf(int level) const;
};
ChartScale chartScale(const ChartArea& area, const core::Comparison& c, double textPoints = 8);

// Every how many years a year is written under the axis, so that the labels
// do not run into each other.
int yearLabelStep(const ChartScale& scale);

// Both curves on one calendar axis with their legend, the years both are at
// their own extremes marked above and below the plot, and `markedYear` (this
// year) as a line across it when the span holds it. Text sizes in points.
void drawComparisonChart(TextCanvas& target, const core::Comparison& c, const ChartArea& area,
                         const QString& firstName, const QString& secondName,
                         std::optional<long long> markedYear, double textPoints = 8,
                         core::ReportLanguage language = core::ReportLanguage::Russian);

}  // namespace graph
