#pragma once

// The window's picture (--png), the client's report (--pdf) and the group's
// page (--compare and --group with --pdf): the only work of zemtar-forecast
// that needs Qt's drawing.

#include <QString>
#include <vector>

#include "app/companion.h"
#include "core/booklet.h"
#include "core/forecast.h"
#include "core/group.h"
#include "core/text_library.h"

namespace companion {

struct DrawRequest {
    const core::Forecast* forecast;  // none for a client list
    const Options* options;
    int argc;  // the command line, for file names that are not UTF-8
    char** argv;
    const core::TextLibrary* texts;  // the booklet's words with --booklet, else none
};

struct GroupDrawRequest {
    const core::Group* group;  // the people with their names and forecasts, over the span
    QString pdf;
    const Options* letterhead;  // --practitioner, --contact and --logo
    int argc;
    char** argv;
    const std::vector<core::BookletBlock>* texts;  // the group's words with --booklet, else empty
};

// The signatures of zemtarDraw (and zemtarDrawClients) and zemtarDrawGroup, as the program
// finds them in the library.
using DrawFunction = void (*)(const DrawRequest* request, Problem* problem);
using GroupDrawFunction = void (*)(const GroupDrawRequest* request, Problem* problem);

}  // namespace companion

// In the drawing library (zemtar-forecast-drawing.so), opened only for --png
// and --pdf. Each writes the files its request asks for; `problem` gets the exit
// code and the message for the user, or stays {0, ""} when all went well. A
// logo that cannot be read is told with exit code 2, and the report is written
// without it.
extern "C" __attribute__((visibility("default"))) void zemtarDraw(
    const companion::DrawRequest* request, companion::Problem* problem);
extern "C" __attribute__((visibility("default"))) void zemtarDrawGroup(
    const companion::GroupDrawRequest* request, companion::Problem* problem);
// The reports of every row of the --clients list, one page each, into the --pdf
// file. A row without a forecast is told on standard error by its line as it is
// met and left out: exit code 2, as for a logo that cannot be read. A list that
// cannot be read to its end, a list without a single page or a file not written
// leave no file: exit code 1, or 2 when every row was left out.
extern "C" __attribute__((visibility("default"))) void zemtarDrawClients(
    const companion::DrawRequest* request, companion::Problem* problem);
