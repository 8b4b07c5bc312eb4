#pragma once

#include <QColor>

namespace platform {

// Colours the program's windows share.
inline constexpr QColor kMainWindowColor{195, 217, 249};   // the main window's back colour
inline constexpr QColor kFrameBorderColor{128, 128, 255};  // the graph's and the square's frames
inline constexpr QColor kButtonFaceColor{192, 192, 255};   // the face of the program's buttons

}  // namespace platform
