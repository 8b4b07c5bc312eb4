#pragma once

// The interpretation booklet from the command line (--booklet): its words as
// text or JSON here, its pages through the drawing library.

#include <QString>

#include "app/companion.h"
#include "core/booklet.h"
#include "core/forecast.h"

namespace companion {

// The library of --texts, or the program's own texts without it. A file that
// cannot be read whole gives what could be read, the defaults for the rest,
// and the message naming the file and the line in *problem.
core::TextLibrary bookletLibrary(const Options& o, QString* problem);

// Writes the booklet of `forecast` as --json, text or --pdf asks; exit 2 when
// the texts could not be read whole (the booklet is made all the same).
int runBooklet(const Options& o, const core::Forecast& forecast, int argc, char* argv[]);

}  // namespace companion
