#pragma once

// The reports of a client list (--clients), made inside the drawing library.

#include <QString>
#include <optional>

#include "app/drawing.h"
#include "print/letterhead.h"

namespace companion {

// Reads the list of `request`'s --clients row by row and writes one report
// page per row, in the order of the list, into its --pdf file, whole or not at
// all. Qt's drawing must be running. Rows left out are told on standard error
// as they are met; the result is {0, ""} or the exit code and the last message
// (see zemtarDrawClients).
Problem printClientList(const DrawRequest& request,
                        const std::optional<print::Letterhead>& letterhead,
                        const QString& logoProblem);

}  // namespace companion
