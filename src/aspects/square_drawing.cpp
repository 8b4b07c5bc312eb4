#include "aspects/square_drawing.h"

#include <QtMath>

#include "aspects/aspect_table.h"
#include "platform/printer_page.h"

namespace aspects {

namespace {

// Sides of the polygon a circle is drawn as: round at any print resolution.
constexpr int kCircleSteps = 36;
// Pen widths on the page, in printer pixels at 600 dpi.
constexpr int kOutlinePen = 6;
constexpr int kCirclePen = 4;
constexpr int kSegmentPen = 6;

void rectangle(platform::PrinterPage& page, const platform::RectTw& r, int left, int top,
               const QColor& colour) {
    const int x1 = left + r.left, y1 = top + r.top;
    const int x2 = x1 + r.width, y2 = y1 + r.height;
    page.line(x1, y1, x2, y1, colour);
    page.line(x2, y1, x2, y2, colour);
    page.line(x2, y2, x1, y2, colour);
    page.line(x1, y2, x1, y1, colour);
}

void circle(platform::PrinterPage& page, const platform::RectTw& r, int left, int top) {
    const double cx = left + r.left + r.width / 2.0;
    const double cy = top + r.top + r.height / 2.0;
    const double radius = r.width / 2.0;
    for (int k = 0; k < kCircleSteps; ++k) {
        const double a = 2 * M_PI * k / kCircleSteps;
        const double b = 2 * M_PI * (k + 1) / kCircleSteps;
        page.line(qRound(cx + radius * std::cos(a)), qRound(cy + radius * std::sin(a)),
                  qRound(cx + radius * std::cos(b)), qRound(cy + radius * std::sin(b)),
                  kCircleBorder);
    }
}

void text(platform::PrinterPage& page, const QString& s, const platform::RectTw& r, int left,
          int top, double points, const QColor& colour) {
    page.setFontSize(points);
    page.setFontBold(true);
    page.setTextColor(colour);
    page.setCurrentX(left + r.left);
    page.setCurrentY(top + r.top);
    page.print(s);
}

}  // namespace

int drawSquare(platform::PrinterPage& page, const core::Forecast& forecast, int left, int top) {
    const int pen = page.drawWidth();
    const double size = page.fontSize();
    const bool bold = page.fontBold();
    page.setDrawWidth(kOutlinePen);
    rectangle(page, kOutline, left, top, kShapeBorder);
    page.setDrawWidth(kSegmentPen);
    for (std::size_t k = 0; k < kSegments.size(); ++k) {
        if (forecast.segments[k]) {
            const Segment& s = kSegments[k];
            page.line(left + s.from.x, top + s.from.y, left + s.to.x, top + s.to.y, kSegmentColour);
        }
    }
    page.setDrawWidth(kCirclePen);
    for (const Aspect& a : kAspects) {
        const core::AspectValue& v = forecast.aspects[static_cast<std::size_t>(a.index)];
        if (v.present) {
            circle(page, a.circle, left, top);
            text(page, QString::number(v.level), a.counter, left, top, kCounterPoints,
                 kDigitColour);
        }
        text(page, QString::number(a.digit), a.digitLabel, left, top, kDigitPoints,
             v.root ? kRootColour : kDigitColour);
    }
    page.setTextColor(std::nullopt);
    page.setDrawWidth(pen);
    page.setFontSize(size);
    page.setFontBold(bold);
    return kOutline.top + kOutline.height;
}

}  // namespace aspects
