#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// `text` as UTF-8 for a terminal. A message may quote what a file or a name
// holds, and a terminal takes ESC, BEL and the other control characters as
// commands (colours, the cursor, the window's title): each such character is
// written as its code, «\x1b», and half a character as «�». Line breaks and
// tabs, which the messages use themselves, stay as they are.
QByteArray terminalText(const QString& text);

}  // namespace platform
