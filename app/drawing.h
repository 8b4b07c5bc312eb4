#pragma once

// The window's picture (--png) and the client's report (--pdf): the only work
// of zemtar-forecast that needs Qt's drawing.

#include <QString>

#include "app/companion.h"
#include "core/forecast.h"

namespace companion {

struct DrawRequest {
    const core::Forecast* forecast;
    const Options* options;
    int argc;  // the command line, for file names that are not UTF-8
    char** argv;
};

}  // namespace companion

// Writes the files the request asks for; `error` gets the message for the
// user, or stays empty when every file was written.
extern "C" void zemtarDraw(const companion::DrawRequest* request, QString* error);
