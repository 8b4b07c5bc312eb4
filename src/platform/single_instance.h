#pragma once

#include <QString>
#include <memory>

#include "platform/services.h"

class QLockFile;
class QWidget;

namespace platform {

// Keeps one copy of the program per user: the first copy holds a lock file for
// as long as it runs. The operating system's own file lock marks the holder as
// alive, so the file of a copy that crashed or was killed blocks nobody.
class SingleInstance {
public:
    // lockFile: where the lock lives; empty means defaultLockFile().
    explicit SingleInstance(QString lockFile = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another running copy holds the lock. The first call tries to
    // take the lock, which this object then keeps; later calls repeat the answer.
    // A lock that cannot be made at all (no writable directory) lets the program run.
    bool anotherIsRunning();

    // This copy holds the lock.
    bool holdsLock() const { return held_; }
    QString lockFile() const { return path_; }

    // In the user's runtime directory (or the temporary one), named after the user.
    static QString defaultLockFile();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
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
