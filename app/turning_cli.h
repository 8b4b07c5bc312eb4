#pragma once

#include <optional>

#include "app/companion.h"

namespace companion {

// zemtar-forecast --turning YEAR --clients LIST [--change N] [--json] and
// zemtar-forecast --ics FILE [names] [--mark-year YEAR] [--change N]
// [--texts FILE] DAY MONTH YEAR: the clients of a list who turn in a year, as
// text or JSON Lines, and one person's calendar of their turning years. Both
// read their options from the one table of every mode (options.h).

// What is wrong with the options of --turning or --ics once they are parsed,
// or nothing; fills o.turningYear, o.leastChange and o.markYear.
std::optional<Problem> turningOptionsProblem(Options& o);

// Runs --turning or --ics and returns the exit code: 0 done, 1 a usage error
// or a file not read or written, 2 a date refused (a row of the list left
// out, or a calendar without events).
int runTurning(const Options& o, int argc, char* argv[]);

}  // namespace companion
