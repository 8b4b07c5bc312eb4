#pragma once

#include <QString>

class QFile;

// The program's own files (the client book and its folder) are private: they
// are never reached through a symbolic link and are readable by the user
// alone. These small checks are the only place that asks the system about a
// path itself rather than about what it points to.
namespace platform {

enum class PathKind { Missing, File, Folder, SymbolicLink, Other, Unreadable };

struct PathState {
    PathKind kind = PathKind::Missing;
    bool mine = false;          // owned by the user running the program
    bool othersCanUse = false;  // group or others have any right to it
};

// What is at `path` itself; a symbolic link is reported as one, never followed.
PathState inspectPath(const QString& path);

// What `path` leads to, links followed: a regular file, a folder, something
// else (a device, a pipe, a socket), or Missing when nothing is there.
PathKind targetKind(const QString& path);

// The folder of the program's own data (the client book, the practitioner's
// texts and letterhead): on Linux the user's data folder, on Windows the
// user's local application data, which Windows keeps private and never
// copies to other computers. Empty when the system names none.
QString dataFolder();

// An existing file opened for reading, never waiting on a pipe and, with
// `followLinks` false, refusing a symbolic link at the name itself. `code` is
// 0, or the system's reason (errno: ENOENT for a missing file); when 0 and
// `regular`, `file` is open and the file holds `size` bytes.
struct OpenedFile {
    int code = 0;
    bool regular = false;
    qint64 size = 0;
};
OpenedFile openForReading(const QString& path, QFile& file, bool followLinks);

// Makes the folder, and any missing folder above it, readable by the user
// alone (on Windows the folder takes the rights of the private folder it is
// made in). Empty on success, otherwise the reason in Russian.
QString makePrivateFolder(const QString& path);

// Creates an empty file readable by the user alone; refuses to go through a
// symbolic link or to reuse an existing file. Empty on success, else the reason.
QString createPrivateFile(const QString& path);

// Takes from group and others every right to a folder or regular file of the
// user's own, without following a link. Empty on success, else the reason.
QString restrictToOwner(const QString& path);

// Puts the file `from` under the name `to` in one step, replacing whatever
// stands under that name (a symbolic link itself, never what it points to);
// both on one disk. 0, or the system's reason (errno). On Windows MoveFileEx
// with replace, written through to the disk before it returns.
int replaceFile(const QString& from, const QString& to);

// Removes the name `path` (a link itself, never what it points to). 0, or the
// system's reason (errno; ENOENT when nothing was there).
int removeName(const QString& path);

// Lets the calling thread give way to the others of the program (long
// background work). On Linux the nice value of that thread alone; on Windows
// the thread's priority, one step below normal.
void lowerCurrentThreadPriority();

}  // namespace platform
