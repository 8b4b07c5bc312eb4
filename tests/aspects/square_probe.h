#pragma once

#include <QPalette>
#include <QString>
#include <array>
#include <vector>

#include "aspects/aspect_square.h"

// Everything the square shows, read from its controls, so that a test can say
// "nothing changed" or compare a whole result at once.
struct SquareState {
    std::array<int, 9> levels{};
    std::array<bool, 9> circles{};
    std::array<QString, 9> captions;
    int root = -1;
    std::vector<int> segments;  // indices of the shown segments

    friend bool operator==(const SquareState&, const SquareState&) = default;
};

inline SquareState probe(const aspects::AspectSquare& sq) {
    SquareState s;
    for (int i = 0; i < 9; ++i) {
        s.levels[static_cast<std::size_t>(i)] = sq.level(i);
        s.circles[static_cast<std::size_t>(i)] = !sq.SDat(i)->isHidden();
        s.captions[static_cast<std::size_t>(i)] = sq.LblSub(i)->text();
    }
    s.root = sq.rootIndex();
    for (int k = 0; k < 16; ++k) {
        if (!sq.LineBon(k)->isHidden()) {
            s.segments.push_back(k);
        }
    }
    return s;
}
