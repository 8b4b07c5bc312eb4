#pragma once

#include "app/companion.h"

namespace companion {

// --batch: one date a line in, one JSON object a line out. A refused line
// gives its line number and message and the run goes on. Returns the exit code.
int runBatch(const Options& o);

}  // namespace companion
