#include "print/emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace print {

namespace {

constexpr int kSide = 71;
constexpr double kCentre = kSide / 2.0;
constexpr double kRadius = 33.5;
constexpr double kRim = 2.5;

// The small grid inside the disc: columns and rows of dots, pixels apart.
constexpr int kColumns = 7;
constexpr int kRows = 6;
constexpr double kPitch = 6.5;

// Heights of the curve, one per column, in rows from the bottom; the shape of
// a life that rises, dips and rises again.
constexpr std::array<int, kColumns> kCurve{1, 3, 2, 5, 4, 2, 4};

const QColor kPaper(255, 255, 255);
const QColor kDiscInner(58, 96, 196);
const QColor kDiscOuter(18, 34, 104);
const QColor kRimColour(214, 172, 58);
const QColor kDotColour(176, 198, 255);
const QColor kCurveColour(255, 206, 84);
const QColor kPeakColour(255, 120, 96);

QPointF gridPoint(int column, int rowFromBottom) {
    const double left = kCentre - kPitch * (kColumns - 1) / 2;
    const double bottom = kCentre + kPitch * (kRows - 1) / 2;
    return {left + kPitch * column, bottom - kPitch * rowFromBottom};
}

QImage drawEmblem() {
    QImage image(kSide, kSide, QImage::Format_RGB888);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The disc, lighter towards its upper left, inside a gold rim.
    QRadialGradient shade(QPointF(kCentre - 9, kCentre - 11), kRadius * 1.3);
    shade.setColorAt(0, kDiscInner);
    shade.setColorAt(1, kDiscOuter);
    painter.setPen(QPen(kRimColour, kRim));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(kCentre, kCentre), kRadius - kRim / 2, kRadius - kRim / 2);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kDotColour);
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            painter.drawEllipse(gridPoint(c, r), 0.9, 0.9);
        }
    }

    QPainterPath curve(gridPoint(0, kCurve[0]));
    for (int c = 1; c < kColumns; ++c) {
        curve.lineTo(gridPoint(c, kCurve[c]));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCurveColour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve);

    // The highest point of the curve carries a warm mark.
    int peak = 0;
    for (int c = 1; c < kColumns; ++c) {
        if (kCurve[c] > kCurve[peak]) {
            peak = c;
        }
    }
    painter.setPen(QPen(kCurveColour, 1));
    painter.setBrush(kPeakColour);
    painter.drawEllipse(gridPoint(peak, kCurve[peak]), 2.6, 2.6);
    painter.end();
    return image;
}

}  // namespace

QImage emblem() {
    // Made on first use, safely even if two threads ask at once; copies share
    // its pixels and its cache key.
    static const QImage picture = drawEmblem();
    return picture;
}

}  // namespace print
