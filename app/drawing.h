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

// The signature of zemtarDraw, as the program finds it in the library.
using DrawFunction = void (*)(const DrawRequest* request, QString* error);

}  // namespace companion

// In the drawing library (zemtar-forecast-drawing.so), opened only for --png
// and --pdf. Writes the files the request asks for; `error` gets the message for the
// user, or stays empty when every file was written.
extern "C" __attribute__((visibility("default"))) void zemtarDraw(
    const companion::DrawRequest* request, QString* error);
