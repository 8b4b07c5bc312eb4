#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace platform {

// The anchor of the contents page in the help file.
QString contentsAnchor();

// The largest help file the window reads; anything larger is not this
// program's help, and reading it could exhaust the memory.
inline constexpr qint64 kMaxHelpFileBytes = 4 * 1024 * 1024;
// The most the help window lets its document and pictures take in memory, and
// the deepest nesting of its elements: Qt's time to read a document grows with
// the square of the nesting. The program's own help stays far below both.
inline constexpr qint64 kMaxHelpDocumentBytes = 64 * 1024 * 1024;
inline constexpr int kMaxHelpNesting = 40;

// Why a help file or one of its pictures was not read, in words for the user.
struct Refusal {
    QString reason;
};

// The bytes of a regular file of at most `maxBytes` (the help file, its
// pictures, a logo). The file is opened without waiting and its kind checked
// on the open descriptor, so that a FIFO put in its place (which would never
// answer) or a device (which would never end) is refused, never read.
std::variant<QByteArray, Refusal> readSmallFile(const QString& path, qint64 maxBytes);

// The text of the help file when it is this program's help: UTF-8 text
// carrying the contents anchor (anything else, an old binary help file of the
// same name say, would show as garbage) that can be shown within
// kMaxHelpDocumentBytes and kMaxHelpNesting.
std::variant<QString, Refusal> readHelpDocument(const QString& path);

}  // namespace platform
