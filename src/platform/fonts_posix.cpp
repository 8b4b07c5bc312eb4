// The faces the design names on Linux, where none of them is installed:
// each maps to one installed face that renders Cyrillic with similar metrics.
// Liberation Sans is metric-compatible with Arial; DejaVu Sans is wide like Verdana.

#include "platform/face_table.h"

namespace platform {

const FaceTable kFaceTable{{
    {Face::MsSansSerif, "Liberation Sans"},
    {Face::Arial, "Liberation Sans"},
    {Face::Verdana, "DejaVu Sans"},
    {Face::Tahoma, "DejaVu Sans"},
}};

const char* const kFallbackFace = "Liberation Sans";

}  // namespace platform
