#pragma once

#include <QColor>
#include <QStringView>
#include <QUtf8StringView>
#include <array>

#include "core/aspect_names.h"
#include "core/forecast.h"
#include "platform/colors.h"
#include "platform/units.h"

namespace aspects {

// The aspect square's design: who sits where, in twips relative to the square.
// Which rows, columns and diagonals give a bonus step to whom is the
// calculation's business (core/aspect_rules.h).

using core::kAspectCount;
using core::kBonusLineCount;
using core::kSegmentCount;
using core::PointTw;

// One aspect: its digit (index + 1), its cell in the 3 x 3 grid (filled column
// by column, 0 = left/top), its name, and the places of its three controls.
struct Aspect {
    int index;
    int digit;
    int column;
    int row;
    QStringView name;
    platform::RectTw circle;      // shown round the digit of a present aspect
    platform::RectTw digitLabel;  // the digit itself
    platform::RectTw counter;     // the level, small, beside the circle
};

inline constexpr int kCircleSide = 345;
inline constexpr int kWideCircleSide = 375;  // the circle around 8 is a little larger
inline constexpr int kDigitWidth = 165;
inline constexpr int kDigitHeight = 330;
inline constexpr int kCounterWidth = 90;
inline constexpr int kCounterHeight = 210;

namespace detail {
constexpr platform::RectTw circle(int left, int top, int side = kCircleSide) {
    return {left, top, side, side};
}
constexpr platform::RectTw digitLabel(int left, int top) {
    return {left, top, kDigitWidth, kDigitHeight};
}
constexpr platform::RectTw counter(int left, int top) {
    return {left, top, kCounterWidth, kCounterHeight};
}
}  // namespace detail

inline constexpr std::array<Aspect, kAspectCount> kAspects{{
    {0, 1, 0, 0, core::kAspectNames[0], detail::circle(270, 300), detail::digitLabel(360, 300),
     detail::counter(540, 120)},
    {1, 2, 0, 1, core::kAspectNames[1], detail::circle(270, 780), detail::digitLabel(360, 780),
     detail::counter(540, 630)},
    {2, 3, 0, 2, core::kAspectNames[2], detail::circle(270, 1260), detail::digitLabel(360, 1260),
     detail::counter(540, 1080)},
    {3, 4, 1, 0, core::kAspectNames[3], detail::circle(810, 300), detail::digitLabel(900, 300),
     detail::counter(1110, 120)},
    {4, 5, 1, 1, core::kAspectNames[4], detail::circle(810, 780), detail::digitLabel(900, 780),
     detail::counter(1110, 570)},
    {5, 6, 1, 2, core::kAspectNames[5], detail::circle(810, 1260), detail::digitLabel(900, 1260),
     detail::counter(1110, 1110)},
    {6, 7, 2, 0, core::kAspectNames[6], detail::circle(1320, 300), detail::digitLabel(1410, 300),
     detail::counter(1620, 150)},
    {7, 8, 2, 1, core::kAspectNames[7], detail::circle(1320, 780, kWideCircleSide),
     detail::digitLabel(1440, 780), detail::counter(1620, 600)},
    {8, 9, 2, 2, core::kAspectNames[8], detail::circle(1320, 1260), detail::digitLabel(1410, 1260),
     detail::counter(1650, 1140)},
}};

// What each aspect stands for, one line each, as the help's table of the nine
// aspects says it (the digit's tooltip shows it, in the window's language).
inline constexpr std::array<QUtf8StringView, kAspectCount> kAspectMeanings{
    QT_TRANSLATE_NOOP(
        "aspects::AspectSquare",
        "Запас жизненной энергии и здоровья, сила, с которой человек действует на окружающих."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Практичность: умение обустроить быт, заработать и крепко стоять на ногах."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Интуиция и духовность, способность слышать внутренний голос."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Трудолюбие, мастерство и умение доводить начатое до конца."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Способность любить и быть любимым, тепло в отношениях с близкими."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Любознательность, увлечённость своим делом и тяга к новому."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Защита в трудную минуту: выход из опасных положений, помощь в беде."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Счастливый случай и лёгкость, с которой удаются дела."),
    QT_TRANSLATE_NOOP("aspects::AspectSquare",
                      "Стремление к успеху, положению и признанию в обществе."),
};

// A red segment between two neighbouring digits. The outer ring (0 to 7) runs
// clockwise from the top left; the spokes (8 to 15) leave the centre digit 5
// clockwise from the top left.
struct Segment {
    int digitA;
    int digitB;
    PointTw from;
    PointTw to;
};

inline constexpr std::array<Segment, kSegmentCount> kSegments{{
    {1, 4, {600, 450}, {810, 450}},
    {4, 7, {1140, 450}, {1320, 450}},
    {7, 8, {1500, 630}, {1500, 780}},
    {8, 9, {1500, 1140}, {1500, 1260}},
    {9, 6, {1140, 1440}, {1320, 1440}},
    {6, 3, {600, 1440}, {810, 1440}},
    {3, 2, {420, 1110}, {420, 1260}},
    {2, 1, {420, 630}, {420, 810}},
    {5, 1, {570, 570}, {870, 840}},
    {5, 4, {990, 630}, {990, 780}},
    {5, 7, {1350, 600}, {1110, 840}},
    {5, 8, {1140, 960}, {1320, 960}},
    {5, 9, {1140, 1050}, {1380, 1290}},
    {5, 6, {990, 1110}, {990, 1260}},
    {5, 3, {840, 1050}, {570, 1320}},
    {5, 2, {600, 960}, {810, 960}},
}};

using core::BonusLine;
using core::kBonusLines;

// The square itself and its fixed outline.
inline constexpr platform::RectTw kSquarePlace{4770, 90, 2070, 1815};
inline constexpr platform::RectTw kOutline{60, 90, 1845, 1695};

inline constexpr QColor kWindowColour = platform::kMainWindowColor;
inline constexpr QColor kShapeBorder = platform::kFrameBorderColor;
inline constexpr int kShapeBorderPx = 3;
inline constexpr QColor kCircleBorder = platform::fromBgr(0x609060);
inline constexpr int kCircleBorderPx = 3;
inline constexpr QColor kDigitColour = platform::fromBgr(0xFF0000);  // blue
inline constexpr QColor kRootColour = platform::fromBgr(0x0000FF);   // red
inline constexpr QColor kSegmentColour = platform::fromBgr(0x0000FF);
inline constexpr int kSegmentPx = 2;
inline constexpr double kDigitPoints = 14.25;   // Arial, bold
inline constexpr double kCounterPoints = 8.25;  // Arial, bold

namespace detail {
// Each segment belongs to exactly one line and joins two of that line's digits;
// a typo in either table would otherwise draw a line the wrong bonus depends on.
constexpr bool linesAndSegmentsAgree() {
    std::array<int, kSegmentCount> owners{};
    for (const BonusLine& line : kBonusLines) {
        for (int k : line.segments) {
            ++owners[static_cast<std::size_t>(k)];
            const Segment& s = kSegments[static_cast<std::size_t>(k)];
            int hits = 0;
            for (int d : line.digits) {
                hits += (d == s.digitA) + (d == s.digitB);
            }
            if (hits != 2) {
                return false;
            }
        }
    }
    for (int n : owners) {
        if (n != 1) {
            return false;
        }
    }
    return true;
}

constexpr bool aspectsInOrder() {
    for (std::size_t i = 0; i < kAspects.size(); ++i) {
        const Aspect& a = kAspects[i];
        if (a.index != static_cast<int>(i) || a.digit != a.index + 1 ||
            a.column * 3 + a.row != a.index) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::linesAndSegmentsAgree());
static_assert(detail::aspectsInOrder());

}  // namespace aspects
