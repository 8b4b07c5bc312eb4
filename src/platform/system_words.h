#pragma once

#include <QString>
#include <QStringList>

// The words each system has for a failure, for the reasons in reasons.cpp.
// Codes are the C library's (errno); Windows reports most failures with codes
// of its own, and Qt's messages there carry Windows' words for those.

namespace platform {

// The C library's own words for `code`, kept in a message's details.
QString libraryWords(int code);

// The words the system's messages (and Qt's, which pass them on) use for the
// failures that mean `code`: one text on Linux, Windows' text for each of its
// codes that mean the same on Windows.
QStringList systemWordsFor(int code);

}  // namespace platform
