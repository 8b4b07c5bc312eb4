#pragma once

#include <QString>
#include <memory>

#include "platform/services.h"

class QWidget;

namespace platform {

// Keeps one copy of the program per user: the first copy holds a lock for as
// long as it runs. On Linux the lock is a file, and the system's own file lock
// marks the holder as alive, so the file of a copy that crashed or was killed
// blocks nobody. On Windows it is a named object of the user's session, which
// the system takes away with the process that held it; the lock file's path
// only names it, and no file is made.
class SingleInstance {
public:
    // lockFile: where the lock lives; empty means defaultLockFile(), and when
    // that is empty too the program runs without a lock.
    explicit SingleInstance(QString lockFile = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another running copy holds the lock. The first call tries to
    // take the lock, which this object then keeps; later calls repeat the answer.
    // A lock that cannot be made at all (no writable directory, or something
    // other than a regular file in its place, such as a symbolic link, which is
    // never followed) lets the program run.
    bool anotherIsRunning();

    // This copy holds the lock.
    bool holdsLock() const { return held_; }
    QString lockFile() const { return path_; }

    // The lock file of this user (by user id, never by a name from the
    // environment) in privateFolder(): $XDG_RUNTIME_DIR, or a folder of the
    // program's under the user's cache folder. Empty when neither is usable.
    // On Windows a name under the user's local application data.
    static QString defaultLockFile();

    // A folder that only this user can use: `runtimeDir` when it is one (a real
    // folder, not a symbolic link, owned by this user, closed to everyone
    // else); otherwise the folder "zemtar-prognoz" under `ownBase`, made with
    // mode 0700 when missing and checked the same way. Empty when neither passes.
    // (On Windows, where the user's folders are private, a real folder.)
    static QString privateFolder(const QString& runtimeDir, const QString& ownBase);

private:
    struct Lock;  // what the system holds for us, on each system its own
    // Takes the lock: true when this copy now holds it, false when another
    // running copy does; `lost` is set instead when no lock can be had at all.
    bool take(bool* lost);

    QString path_;
    std::unique_ptr<Lock> lock_;
    bool checked_ = false;
    bool held_ = false;
    bool another_ = false;
};

// "Программа уже запущена!" with the stop icon and a single OK.
Message alreadyRunningMessage();

// The start-up check: when another copy is running, shows alreadyRunningMessage()
// and returns true, and this copy is to end at once. Otherwise returns false and
// keeps the lock in `instance`.
bool refuseSecondInstance(SingleInstance& instance, Services& services, QWidget* parent = nullptr);

}  // namespace platform
