#pragma once

#include <QString>
#include <optional>

#include "app/companion.h"

namespace companion {

// zemtar-forecast --compare D1 M1 Y1 D2 M2 Y2 and zemtar-forecast --group
// --person TEXT D M Y (two to six times), each with [--from YEAR] [--to YEAR]
// [--json] [--pdf FILE] [--booklet [--texts FILE]] and the letterhead: the
// people on one calendar, as text, one JSON object, or the page. Both read
// their options from the one table of every mode (options.h).

// What is wrong with the options of --compare or --group once they are
// parsed, or nothing; fills o.names and o.span.
std::optional<Problem> groupOptionsProblem(Options& o);

// The help of --compare (or of --group), in the user's language.
QString groupUsage(bool compare);

// Runs --compare or --group. Writes to the standard streams and returns the
// exit code: 0 done, 1 a usage error or a file not written, 2 a date refused.
// `argc` and `argv` as the system gave them, for a file name that is not UTF-8.
int runGroup(Options& o, int argc, char* argv[]);

}  // namespace companion
