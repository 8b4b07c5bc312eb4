#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>

namespace platform {

// Layout is written in twips (1/1440 inch); 15 twips make one logical pixel at
// 96 dpi, and Qt scales logical pixels for high-density screens.
inline constexpr int kTwipsPerPixel = 15;

// Twips to the nearest logical pixel.
constexpr int px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr double pxF(double twips) {
    return twips / kTwipsPerPixel;
}

constexpr QPoint pointTw(int x, int y) {
    return {px(x), px(y)};
}

constexpr QRect rectTw(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// A layout rectangle in twips, as the design tables give it.
struct RectTw {
    int left;
    int top;
    int width;
    int height;
    constexpr QRect toPx() const { return rectTw(left, top, width, height); }
};

// Colours written &HBBGGRR: red in the low byte.
constexpr QColor fromBgr(std::uint32_t bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

}  // namespace platform
