#pragma once

#include <array>

namespace core {

// The nine aspects of the square and the lines that give bonus steps: the
// rules of the square, without its looks (those live with the square's widget).

inline constexpr int kAspectCount = 9;
inline constexpr int kSegmentCount = 16;
inline constexpr int kBonusLineCount = 8;

// For each aspect (digit d is [d - 1]), the level that the printed page's
// aspect column counts as a full hundred per cent.
inline constexpr std::array<int, kAspectCount> kAspectFullLevels{7, 5, 5, 4, 4, 4, 4, 4, 5};

// A row, column or diagonal in the order they are checked. When all three of
// its digits are present its two segments are drawn, and the first time it is
// complete it gives one step to its bonus digit: a fixed choice, not something
// that follows from the line's own digits.
struct BonusLine {
    std::array<int, 3> digits;
    std::array<int, 2> segments;  // indexes into the square's sixteen segments
    int bonusDigit;
};

inline constexpr std::array<BonusLine, kBonusLineCount> kBonusLines{{
    {{1, 2, 3}, {6, 7}, 6},    // left column
    {{4, 5, 6}, {9, 13}, 6},   // middle column
    {{7, 8, 9}, {2, 3}, 6},    // right column
    {{1, 4, 7}, {0, 1}, 3},    // top row
    {{2, 5, 8}, {15, 11}, 6},  // middle row
    {{3, 6, 9}, {4, 5}, 9},    // bottom row
    {{3, 5, 7}, {14, 10}, 6},  // diagonal, bottom left to top right
    {{1, 5, 9}, {8, 12}, 6},   // diagonal, top left to bottom right
}};

}  // namespace core
