// The table of each system's faces for the faces the design names: one table
// per system, in fonts_posix.cpp and fonts_windows.cpp; fonts.cpp reads it.
#pragma once

#include <array>
#include <utility>

#include "platform/fonts.h"

namespace platform {

using FaceTable = std::array<std::pair<Face, const char*>, 4>;
extern const FaceTable kFaceTable;
// The face of a name the table does not know.
extern const char* const kFallbackFace;

}  // namespace platform
