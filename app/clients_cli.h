#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace app {

// Writes the file at `path` whole or not at all through `write`, which is
// given the path to write to; returns the message of a failure, else empty.
using WriteFile = std::function<QString(const QString& path,
                                        const std::function<QString(const QString&)>& write)>;

// Whether the command line asks for --clients.
bool asksForClients(const QStringList& args);

// zemtar-forecast --pdf FILE --clients CSV [--practitioner NAME] [--contact
// LINE]... [--logo FILE]: one report page per row of a client list, in the
// order of the file, into one PDF. `args` is the whole command line (the
// program's name first). Returns the exit code: 0 every row printed, 2 some
// rows (or the logo) left out, each named on standard error by its line, 1 a
// usage error, a list that cannot be read or a file not written (then no
// file is written at all).
int runClients(const QStringList& args, const WriteFile& writeFile);

}  // namespace app
