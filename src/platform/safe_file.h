#pragma once

#include <QString>
#include <functional>

#include "platform/reasons.h"  // systemReason, for the callers of the writer

class QIODevice;

namespace platform {

// Writes a file whole or not at all. `write` fills the device it is given and
// returns false when it could not; only then, and when every byte reached the
// disk, does the file appear under `path`, replacing an existing one in one
// step. On any failure an existing file stays exactly as it was and no partial
// file is left behind.
//
// A target that exists but is not a regular file (a folder, a device, a FIFO,
// a socket) is refused before anything is written. A new file is readable by
// its owner only, since what the program writes (names, dates of birth) is
// private; a replaced file keeps its permissions.
//
// Returns an empty string on success, otherwise writeFailedMessage() with the reason.
QString writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

// The same for what writes a file by its name rather than through a device
// (SQLite's backup, page by page): `write` is given the name of an empty
// private file beside `path` and returns an empty string when it wrote it
// whole, else why not. Only then does that file take the place of `path`, in
// one step; on any failure it is removed and an existing file stays as it was.
// A replaced file keeps its permissions; a link is followed, as above.
QString writeFileByName(const QString& path,
                        const std::function<QString(const QString& temporary)>& write);

// «Не удалось записать файл X: <причина>», X in the platform's separators.
QString writeFailedMessage(const QString& path, const QString& reason);

}  // namespace platform
