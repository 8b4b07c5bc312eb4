#pragma once

#include "app/drawing.h"

namespace companion {

// Open the drawing library that lies beside the program and hand it the
// request: the text, JSON and batch paths never load Qt's GUI libraries, and
// the picture and the pages pay for them only when asked for. Each returns
// {0, ""} or the exit code and the message for the user.
Problem drawThroughLibrary(const DrawRequest& request);
Problem drawGroupThroughLibrary(const GroupDrawRequest& request);
Problem drawClientsThroughLibrary(const DrawRequest& request);

}  // namespace companion
