#pragma once

#include <QStringList>
#include <optional>
#include <variant>

#include "app/companion.h"

namespace companion {

// The help text of --help, also shown after a wrong option.
extern const char* const kUsage;

// Reads the command line (the program's name first). A Problem with an
// empty text asks for nothing but the exit code.
std::variant<Options, Problem> parseOptions(const QStringList& args);

// A file to be written that is one of the files read (the same file under any
// name): refused with exit code 1 before anything is written, as a report
// written over its own client list would lose the list. `argc` and `argv` give
// the names' own bytes.
std::optional<Problem> outputOverInput(const Options& o, int argc, char* argv[]);

// The language after --lang; without it Russian, with an unknown one the
// refusal that lists those the program knows (exit code 1).
std::optional<Problem> readLanguage(Options& o);

}  // namespace companion
