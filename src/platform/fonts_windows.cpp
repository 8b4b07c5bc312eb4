// The faces the design names on Windows, which has them all. MS Sans Serif
// is a bitmap face of a few fixed sizes that printers and PDF cannot scale;
// Microsoft Sans Serif is the same design drawn in outlines, and Windows
// itself puts it in place of MS Sans Serif.

#include "platform/face_table.h"

namespace platform {

const FaceTable kFaceTable{{
    {Face::MsSansSerif, "Microsoft Sans Serif"},
    {Face::Arial, "Arial"},
    {Face::Verdana, "Verdana"},
    {Face::Tahoma, "Tahoma"},
}};

const char* const kFallbackFace = "Arial";

}  // namespace platform
