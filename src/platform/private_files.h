#pragma once

#include <QString>

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

// Makes the folder, and any missing folder above it, readable by the user
// alone. Empty on success, otherwise the reason in Russian.
QString makePrivateFolder(const QString& path);

// Creates an empty file readable by the user alone; refuses to go through a
// symbolic link or to reuse an existing file. Empty on success, else the reason.
QString createPrivateFile(const QString& path);

// Takes from group and others every right to a folder or regular file of the
// user's own, without following a link. Empty on success, else the reason.
QString restrictToOwner(const QString& path);

// Lets the calling thread give way to the others of the program (long
// background work). On Linux the nice value of that thread alone.
void lowerCurrentThreadPriority();

}  // namespace platform
