// The program's own files on Windows. Rights there are not modes but lists
// that a new file or folder takes from the folder it is made in; the user's
// local application data is open to that user alone (and to the system and
// administrators), so what the program makes under it is private from the
// start and nothing is ever changed afterwards.

#include <fcntl.h>
#include <io.h>
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#include "platform/private_files.h"
#include "platform/safe_file.h"
#include "platform/windows_system.h"

namespace platform {

using windows::lastErrno;
using windows::nativePath;

namespace {

// An open handle closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Folders open only with the backup flag; the reparse flag keeps a link
// itself rather than what it points to.
HANDLE openExisting(const QString& path, DWORD access, bool followLinks) {
    return ::CreateFileW(
        nativePath(path).c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

// What an open handle is: a file or a folder on a disk, or a device or pipe.
PathKind kindOfHandle(HANDLE handle, DWORD* attributes = nullptr) {
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        return PathKind::Other;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        return PathKind::Unreadable;
    }
    if (attributes != nullptr) {
        *attributes = info.dwFileAttributes;
    }
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder
                                                                   : PathKind::File;
}

PathKind missingOrUnreadable() {
    return lastErrno() == ENOENT ? PathKind::Missing : PathKind::Unreadable;
}

}  // namespace

PathState inspectPath(const QString& path) {
    PathState state;
    const DWORD attributes = ::GetFileAttributesW(nativePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        state.kind = missingOrUnreadable();
        return state;
    }
    // A symbolic link and a junction are both reparse points: neither is followed.
    state.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? PathKind::SymbolicLink
                 : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0   ? PathKind::Folder
                 : (attributes & FILE_ATTRIBUTE_DEVICE) != 0      ? PathKind::Other
                                                                  : PathKind::File;
    // The rights come from the private folder above (see the top of the file).
    state.mine = true;
    state.othersCanUse = false;
    return state;
}

PathKind targetKind(const QString& path) {
    const Handle handle(openExisting(path, FILE_READ_ATTRIBUTES, true));
    return handle.valid() ? kindOfHandle(handle.get()) : missingOrUnreadable();
}

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

OpenedFile openForReading(const QString& path, QFile& file, bool followLinks) {
    Handle handle(openExisting(path, GENERIC_READ, followLinks));
    if (!handle.valid()) {
        return {lastErrno(), false, 0};
    }
    DWORD attributes = 0;
    if (kindOfHandle(handle.get(), &attributes) != PathKind::File) {
        return {0, false, 0};
    }
    if (!followLinks && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return {ELOOP, false, 0};
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.get(), &size)) {
        return {lastErrno(), false, 0};
    }
    // The C library's number for the handle, which closes it in turn.
    const int fd =
        ::_open_osfhandle(reinterpret_cast<intptr_t>(handle.get()), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        return {EMFILE, false, 0};
    }
    handle.release();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::_close(fd);
        return {EIO, false, 0};
    }
    return {0, true, qint64(size.QuadPart)};
}

QString makePrivateFolder(const QString& path) {
    const QString parent = QFileInfo(path).absolutePath();
    if (!QFileInfo(parent).isDir() && !QDir().mkpath(parent)) {
        return QCoreApplication::translate("PrivateFiles", "не удалось создать папку %1")
            .arg(QDir::toNativeSeparators(parent));
    }
    if (!::CreateDirectoryW(nativePath(path).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS) {
        return systemReason(lastErrno());
    }
    return {};
}

QString createPrivateFile(const QString& path) {
    const Handle handle(
        ::CreateFileW(nativePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return handle.valid() ? QString() : systemReason(lastErrno());
}

QString restrictToOwner(const QString& path) {
    // Nothing to take away (see the top of the file); what is asked about
    // must still be a file or a folder, never a link.
    switch (inspectPath(path).kind) {
        case PathKind::File:
        case PathKind::Folder:
            return {};
        case PathKind::SymbolicLink:
            return systemReason(ELOOP);
        case PathKind::Missing:
            return systemReason(ENOENT);
        default:
            return QCoreApplication::translate("PrivateFiles", "это не обычный файл и не папка");
    }
}

int replaceFile(const QString& from, const QString& to) {
    return ::MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastErrno();
}

int removeName(const QString& path) {
    // A link to a folder is a folder's name; to a file, a file's.
    const std::wstring name = nativePath(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return (folder ? ::RemoveDirectoryW(name.c_str()) : ::DeleteFileW(name.c_str())) ? 0
                                                                                     : lastErrno();
}

void lowerCurrentThreadPriority() {
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

}  // namespace platform
