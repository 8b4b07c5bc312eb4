#pragma once

#include <QString>

#include "app/drawing.h"

namespace companion {

// Opens the drawing library that lies beside the program and hands it the
// request: the text, JSON and batch paths never load Qt's GUI libraries, and
// the picture and the page pay for them only when asked for. Returns an empty
// string, or the message for the user.
QString drawThroughLibrary(const DrawRequest& request);

}  // namespace companion
