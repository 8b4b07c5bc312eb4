#include "ui/main_window/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace ui {

namespace {

constexpr int kSide = 32;

// The picture sits on the grey of the About window's title band, so its
// corners take that grey.
constexpr QRgb kSurround = qRgb(192, 192, 192);
constexpr QRgb kSquareTop = qRgb(24, 110, 176);
constexpr QRgb kSquareBottom = qRgb(0, 52, 104);
constexpr QRgb kSquareBorder = qRgb(0, 40, 80);
constexpr QRgb kDot = qRgb(150, 196, 226);
constexpr QRgb kCurve = qRgb(255, 214, 64);
constexpr QRgb kPeak = qRgb(255, 64, 48);

constexpr std::array<double, 4> kDotColumns{8.5, 13.5, 18.5, 23.5};
constexpr std::array<double, 4> kDotRows{9.5, 14.5, 19.5, 24.5};

// A curve of life forces: up, down, up to its peak and gently down again.
constexpr std::array<QPointF, 5> kCurvePoints{{
    {6.0, 23.0},
    {11.0, 13.0},
    {16.0, 19.0},
    {21.0, 8.0},
    {26.5, 15.0},
}};
constexpr int kPeakIndex = 3;

}  // namespace

QImage programPicture() {
    QImage image(kSide, kSide, QImage::Format_RGB888);
    image.fill(kSurround);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF square(0.5, 0.5, kSide - 1, kSide - 1);
    QLinearGradient shade(square.topLeft(), square.bottomLeft());
    shade.setColorAt(0, QColor(kSquareTop));
    shade.setColorAt(1, QColor(kSquareBottom));
    p.setPen(QPen(QColor(kSquareBorder), 1));
    p.setBrush(shade);
    p.drawRoundedRect(square, 6, 6);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kDot));
    for (double x : kDotColumns) {
        for (double y : kDotRows) {
            p.drawEllipse(QPointF(x, y), 0.9, 0.9);
        }
    }

    QPainterPath curve(kCurvePoints.front());
    for (std::size_t i = 1; i < kCurvePoints.size(); ++i) {
        curve.lineTo(kCurvePoints[i]);
    }
    QPen curvePen(QColor(kCurve), 2.2);
    curvePen.setJoinStyle(Qt::RoundJoin);
    curvePen.setCapStyle(Qt::RoundCap);
    p.setPen(curvePen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPeak));
    p.drawEllipse(kCurvePoints[kPeakIndex], 2.2, 2.2);
    return image;
}

}  // namespace ui
