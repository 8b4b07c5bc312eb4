#pragma once

#include <QStringList>
#include <variant>

#include "app/companion.h"

namespace companion {

// The help text of --help, also shown after a wrong option.
extern const char* const kUsage;

// Reads the command line (the program's name first). A Problem with an
// empty text asks for nothing but the exit code.
std::variant<Options, Problem> parseOptions(const QStringList& args);

}  // namespace companion
