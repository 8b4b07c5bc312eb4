#include "platform/single_instance.h"

#include <QCoreApplication>

namespace platform {

bool SingleInstance::anotherIsRunning() {
    if (checked_) {
        return another_;
    }
    checked_ = true;
    if (path_.isEmpty()) {
        // No private place for a lock: better run twice than not at all, and
        // never keep the lock where another user could hold it for us.
        return false;
    }
    bool lost = false;
    held_ = take(&lost);
    // No lock to be had at all: better run twice than not at all.
    another_ = !held_ && !lost;
    return another_;
}

Message alreadyRunningMessage() {
    return Message{QCoreApplication::translate("SingleInstance", "Программа уже запущена!"),
                   QCoreApplication::translate("SingleInstance", "Zemtar-прогноз"),
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
