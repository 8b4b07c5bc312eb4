#pragma once

// The window's picture (--png), the client's report (--pdf) and the comparison
// page (--compare --pdf): the only work of zemtar-forecast that needs Qt's
// drawing.

#include <QString>

#include "app/companion.h"
#include "core/comparison.h"
#include "core/forecast.h"

namespace companion {

struct DrawRequest {
    const core::Forecast* forecast;
    const Options* options;
    int argc;  // the command line, for file names that are not UTF-8
    char** argv;
};

struct CompareDrawRequest {
    const core::Forecast* first;
    const core::Forecast* second;
    const core::Comparison* comparison;
    QString pdf;
    int argc;
    char** argv;
};

// The signatures of zemtarDraw and zemtarDrawComparison, as the program finds
// them in the library.
using DrawFunction = void (*)(const DrawRequest* request, Problem* problem);
using CompareDrawFunction = void (*)(const CompareDrawRequest* request, Problem* problem);

}  // namespace companion

// In the drawing library (zemtar-forecast-drawing.so), opened only for --png
// and --pdf. Each writes the files its request asks for; `problem` gets the exit
// code and the message for the user, or stays {0, ""} when all went well. A
// logo that cannot be read is told with exit code 2, and the report is written
// without it.
extern "C" __attribute__((visibility("default"))) void zemtarDraw(
    const companion::DrawRequest* request, companion::Problem* problem);
extern "C" __attribute__((visibility("default"))) void zemtarDrawComparison(
    const companion::CompareDrawRequest* request, companion::Problem* problem);
