#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <optional>

// File names as the system gives them. A name on the command line is a string
// of bytes that need not be valid UTF-8; Qt's QString cannot hold such a name
// unchanged, so the few places that write under it go through here.

namespace platform {

// The exact bytes of the command-line argument that decodes to `text`; empty
// when that argument survives the trip through a QString unchanged (the usual
// case, where the QString is enough).
QByteArray argumentBytes(const QString& text, int argc, char* argv[]);

// The program's command-line arguments as text, the program's own name first.
// Windows hands main() its arguments in the old ANSI code page, where a
// Cyrillic name or file name turns into question marks; there they are read
// from the system's UTF-16 command line instead. Elsewhere they are argv
// decoded as file names are.
QStringList commandLineArguments(int argc, char* argv[]);

// Opens a file named on the command line for reading as bytes, by its own
// bytes `raw` when they are given (see argumentBytes). A pipe or a device is
// opened as a file is. Null on failure, with errno saying why.
std::FILE* openNamedFile(const QString& path, const QByteArray& raw);

// Writes a file through `write`, which writes whole or not at all to the path
// it is given and returns an empty string or the message for the user. With
// `raw` empty the file is written at `path`; otherwise `raw` are the name's own
// bytes, and the file appears under exactly those bytes, whole or not at all.
QString writeUnderName(const QString& path, const QByteArray& raw,
                       const std::function<QString(const QString&)>& write);

// Runs `read` on a file named on the command line and returns its message.
// With `raw` empty `read` is given `path`; otherwise the file is opened by
// its own bytes and `read` is given a name for the open file, which any
// message it returns names as `path` again. A file that cannot be opened by
// its bytes gives the reason without calling `read`.
QString readUnderName(const QString& path, const QByteArray& raw,
                      const std::function<QString(const QString&)>& read);

// Which file a name leads to, links followed: the same device and inode are
// the same file under any name (a link, a hard link, «./x» for «x»).
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The file named by `path`, or by its own bytes `raw` when they are given;
// none when there is no such file.
std::optional<FileIdentity> identityOf(const QString& path, const QByteArray& raw = {});
// The file standard input reads from; none when it is closed.
std::optional<FileIdentity> standardInputIdentity();
// Whether the program was started with its standard input closed; asked
// first before anything opens a file, the answer holds for the whole run.
bool standardInputClosed();

// The folder this program's executable lies in, found without an application
// object; empty when the system does not say.
QString executableFolder();

// The library `name` beside the program, with the system's ending for one
// (name.so, name.dll).
QString libraryFile(const QString& name);

// Standard input and output carry bytes exactly as written, on every system
// (Windows would otherwise add a carriage return before each line end and
// stop reading at a Ctrl+Z); a Windows console shows them as UTF-8. Called
// once, at the start of a program that writes its results there.
void prepareStandardStreams();

// The system's error `code` as the reason a file could not be read, in Russian.
QString readReason(int code);

// The same for a failed write (a file, a stream), never in the system's English.
QString writeReason(int code);

}  // namespace platform
