// The single-instance lock on Linux and other POSIX systems: a lock file in a
// folder only this user may use.

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <cerrno>

#include "platform/single_instance.h"

namespace platform {

namespace {

const QString kOwnFolderName = QStringLiteral("zemtar-prognoz");

// A real folder (not a symbolic link to one), owned by this user, that no one
// else may enter or change.
bool isPrivateFolder(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && QDir::isAbsolutePath(path) &&
           ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

}  // namespace

struct SingleInstance::Lock {
    explicit Lock(const QString& path) : file(path) {}
    QLockFile file;
};

SingleInstance::SingleInstance(QString lockFile)
    : path_(lockFile.isEmpty() ? defaultLockFile() : std::move(lockFile)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::privateFolder(const QString& runtimeDir, const QString& ownBase) {
    if (isPrivateFolder(runtimeDir)) {
        return runtimeDir;
    }
    if (ownBase.isEmpty() || !QDir::isAbsolutePath(ownBase) || !QDir().mkpath(ownBase)) {
        return {};
    }
    const QString folder = QDir(ownBase).filePath(kOwnFolderName);
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // A folder of our own that lost its mode is closed again; anything else
    // in its place (someone else's, a link) is left alone and not used.
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 077) != 0) {
        ::chmod(native.constData(), 0700);
    }
    return isPrivateFolder(folder) ? folder : QString();
}

QString SingleInstance::defaultLockFile() {
    const QString folder =
        privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    if (folder.isEmpty()) {
        return {};
    }
    return QDir(folder).filePath(QStringLiteral("zemtar-prognoz-%1.lock").arg(::getuid()));
}

bool SingleInstance::take(bool* lost) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // Qt's lock would read a stale lock through a symbolic link, and wait
    // forever on a FIFO; anything but our own regular file is left alone.
    struct stat st {};
    if (::lstat(QFile::encodeName(path_).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        *lost = true;
        return false;
    }
    lock_ = std::make_unique<Lock>(path_);
    QLockFile& file = lock_->file;
    // Age says nothing about a copy that runs for days; whether the holder lives
    // is what counts.
    file.setStaleLockTime(0);
    if (file.tryLock(0)) {
        return true;
    }
    if (file.error() != QLockFile::LockFailedError) {
        *lost = true;
        return false;
    }
    // The file is there. QLockFile removes it only while the holder's own file
    // lock is free, that is when the holder is gone: a crashed copy, a killed
    // one, or a file left half-written. A living holder keeps its file.
    return file.removeStaleLockFile() && file.tryLock(0);
}

}  // namespace platform
