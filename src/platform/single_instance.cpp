#include "platform/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

namespace {

QString userName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) {
        name = qEnvironmentVariable("USERNAME");
    }
    // The name goes into a file name: keep it to harmless characters.
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("user") : name;
}

}  // namespace

SingleInstance::SingleInstance(QString lockFile)
    : path_(lockFile.isEmpty() ? defaultLockFile() : std::move(lockFile)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultLockFile() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QDir(dir).filePath(QStringLiteral("zemtar-prognoz-%1.lock").arg(userName()));
}

bool SingleInstance::anotherIsRunning() {
    if (checked_) {
        return another_;
    }
    checked_ = true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    // Age says nothing about a copy that runs for days; whether the holder lives
    // is what counts.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        held_ = true;
        return false;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        return false;  // no lock to be had: better run twice than not at all
    }
    // The file is there. QLockFile removes it only while the holder's own file
    // lock is free, that is when the holder is gone: a crashed copy, a killed
    // one, or a file left half-written. A living holder keeps its file.
    if (lock_->removeStaleLockFile() && lock_->tryLock(0)) {
        held_ = true;
        return false;
    }
    another_ = true;
    return true;
}

Message alreadyRunningMessage() {
    return Message{QStringLiteral("Программа уже запущена!"), QStringLiteral("Zemtar-прогноз"),
                   MessageIcon::Critical};
}

bool refuseSecondInstance(SingleInstance& instance, Services& services, QWidget* parent) {
    if (!instance.anotherIsRunning()) {
        return false;
    }
    services.message(parent, alreadyRunningMessage());
    return true;
}

}  // namespace platform
