// The single-instance lock on Windows: a mutex named in the user's session
// ("Local\"), which the system removes when the last process holding it ends,
// however it ended. Its name comes from the lock file's path, so that the
// program and its tests keep locks apart by path as on Linux.

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/single_instance.h"
#include "platform/windows_system.h"

namespace platform {

namespace {

const QString kOwnFolderName = QStringLiteral("zemtar-prognoz");

// Windows compares paths without regard to case.
std::wstring mutexName(const QString& path) {
    const QByteArray key = QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toLower().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return (QStringLiteral("Local\\zemtar-prognoz-") + QString::fromLatin1(digest.left(32)))
        .toStdWString();
}

bool isRealFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(windows::nativePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

}  // namespace

struct SingleInstance::Lock {
    explicit Lock(HANDLE held) : mutex(held) {}
    ~Lock() { ::CloseHandle(mutex); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    HANDLE mutex;
};

SingleInstance::SingleInstance(QString lockFile)
    : path_(lockFile.isEmpty() ? defaultLockFile() : std::move(lockFile)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::privateFolder(const QString& runtimeDir, const QString& ownBase) {
    if (isRealFolder(runtimeDir)) {
        return runtimeDir;
    }
    if (ownBase.isEmpty() || !QDir::isAbsolutePath(ownBase)) {
        return {};
    }
    const QString folder = QDir(ownBase).filePath(kOwnFolderName);
    QDir().mkpath(folder);
    return isRealFolder(folder) ? folder : QString();
}

QString SingleInstance::defaultLockFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty()) {
        return {};
    }
    return QDir(folder).filePath(kOwnFolderName + QStringLiteral(".lock"));
}

bool SingleInstance::take(bool* lost) {
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, mutexName(path_).c_str());
    if (mutex == nullptr) {
        *lost = true;
        return false;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    lock_ = std::make_unique<Lock>(mutex);
    return true;
}

}  // namespace platform
