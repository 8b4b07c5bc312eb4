#pragma once

#include <QStringList>

namespace companion {

// zemtar-forecast --compare D1 M1 Y1 D2 M2 Y2 [--from YEAR] [--to YEAR] [--json]
// [--pdf FILE]: two forecasts side by side, as text or one JSON object, and the
// comparison page when asked. `args` is the whole command line (the program's
// name first), `argc` and `argv` the same as the system gave it, for a file
// name that is not UTF-8. Writes to the standard streams and returns the exit
// code: 0 done, 1 a usage error or a file not written, 2 a date refused.
int runCompare(const QStringList& args, int argc, char* argv[]);

}  // namespace companion
