#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace platform {

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
