#pragma once

#include <QString>
#include <array>

#include "core/checked.h"

namespace core {

// The main window's shared calculation state. Defaults are those that Init
// restores before every calculation.
struct WindowState {
    Int16 BazX = Int16::of(200);  // screen origin of the graph, twips
    Int16 BazY = Int16::of(0);
    Byte Mx = Byte::of(0);             // largest digit of the life number
    Byte Mn = Byte::of(9);             // smallest digit
    Byte LenNumP = Byte::of(0);        // digits of the life number
    QString Ob = QStringLiteral("0");  // birth-date digits during a calculation
    Int16 PntX;                        // point last mapped onto the grid
    Int16 PntY;
    std::array<bool, 8> BonDone{};  // bonus line j has given its step

    // What Init resets; LenNumP and the last mapped point are left alone.
    void resetForInit() {
        Ob = QStringLiteral("0");
        BonDone.fill(false);
        BazX = Int16::of(200);
        BazY = Int16::of(0);
        Mn = Byte::of(9);
        Mx = Byte::of(0);
    }
};

}  // namespace core
