#include "platform/private_files.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "platform/safe_file.h"

namespace platform {

namespace {

constexpr mode_t kOwnerOnly = 0700;
constexpr mode_t kOwnerFile = 0600;
// The nice value of a thread doing long work in the background.
constexpr int kBackgroundNiceness = 10;

QByteArray systemPath(const QString& path) {
    return QFile::encodeName(path);
}

}  // namespace

PathState inspectPath(const QString& path) {
    PathState state;
    struct stat st {};
    if (::lstat(systemPath(path).constData(), &st) != 0) {
        state.kind = errno == ENOENT ? PathKind::Missing : PathKind::Unreadable;
        return state;
    }
    if (S_ISLNK(st.st_mode)) {
        state.kind = PathKind::SymbolicLink;
    } else if (S_ISDIR(st.st_mode)) {
        state.kind = PathKind::Folder;
    } else if (S_ISREG(st.st_mode)) {
        state.kind = PathKind::File;
    } else {
        state.kind = PathKind::Other;
    }
    state.mine = st.st_uid == ::geteuid();
    state.othersCanUse = (st.st_mode & 077) != 0;
    return state;
}

PathKind targetKind(const QString& path) {
    struct stat st {};
    if (::stat(systemPath(path).constData(), &st) != 0) {
        return errno == ENOENT ? PathKind::Missing : PathKind::Unreadable;
    }
    return S_ISDIR(st.st_mode)   ? PathKind::Folder
           : S_ISREG(st.st_mode) ? PathKind::File
                                 : PathKind::Other;
}

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

OpenedFile openForReading(const QString& path, QFile& file, bool followLinks) {
    const int fd = ::open(systemPath(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        return {errno, false, 0};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {0, false, 0};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {EIO, false, 0};
    }
    return {0, true, qint64(st.st_size)};
}

QString makePrivateFolder(const QString& path) {
    const QString parent = QFileInfo(path).absolutePath();
    if (!QFileInfo(parent).isDir() && !QDir().mkpath(parent)) {
        return QCoreApplication::translate("PrivateFiles", "не удалось создать папку %1")
            .arg(QDir::toNativeSeparators(parent));
    }
    if (::mkdir(systemPath(path).constData(), kOwnerOnly) != 0 && errno != EEXIST) {
        return systemReason(errno);
    }
    return {};
}

QString createPrivateFile(const QString& path) {
    const int fd = ::open(systemPath(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerFile);
    if (fd < 0) {
        return systemReason(errno);
    }
    ::close(fd);
    return {};
}

QString restrictToOwner(const QString& path) {
    // Opened without following a link, then changed through the descriptor:
    // what is changed is exactly what was looked at.
    const int fd = ::open(systemPath(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return systemReason(errno);
    }
    struct stat st {};
    QString problem;
    if (::fstat(fd, &st) != 0) {
        problem = systemReason(errno);
    } else if (st.st_uid != ::geteuid()) {
        problem = QCoreApplication::translate("PrivateFiles", "принадлежит другому пользователю");
    } else if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) {
        problem = QCoreApplication::translate("PrivateFiles", "это не обычный файл и не папка");
    } else if (::fchmod(fd, st.st_mode & (S_ISDIR(st.st_mode) ? kOwnerOnly : kOwnerFile)) != 0) {
        problem = systemReason(errno);
    }
    ::close(fd);
    return problem;
}

int replaceFile(const QString& from, const QString& to) {
    return ::rename(systemPath(from).constData(), systemPath(to).constData()) == 0 ? 0 : errno;
}

int removeName(const QString& path) {
    return ::unlink(systemPath(path).constData()) == 0 ? 0 : errno;
}

void lowerCurrentThreadPriority() {
    setpriority(PRIO_PROCESS, 0, kBackgroundNiceness);
}

}  // namespace platform
