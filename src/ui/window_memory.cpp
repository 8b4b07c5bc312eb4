#include "ui/window_memory.h"

#include <QEvent>
#include <QWidget>
#include <utility>

#include "platform/screen_place.h"
#include "platform/user_settings.h"

namespace ui {

namespace {

// The settings file keeps text: a window's and its parts' states go in as base64.
QByteArray bytesOf(const QString& key) {
    return QByteArray::fromBase64(platform::userSettings().value(key).toString().toLatin1());
}

}  // namespace

WindowMemory::WindowMemory(QWidget* window, QString section)
    : QObject(window), window_(window), section_(std::move(section)) {
    parts_.push_back(
        {section_ + QStringLiteral("/geometry"), [this] { return window_->saveGeometry(); }});
    window_->installEventFilter(this);
}

void WindowMemory::keep(const QString& name, std::function<QByteArray()> state,
                        const std::function<void(const QByteArray&)>& restore) {
    const QString key = section_ + u'/' + name;
    if (const QByteArray kept = bytesOf(key); !kept.isEmpty()) {
        restore(kept);
    }
    parts_.push_back({key, std::move(state)});
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Show) {
            if (!restored_) {
                restored_ = true;
                window_->restoreGeometry(bytesOf(parts_.front().key));
            }
            platform::placeOnScreen(window_);
        } else if (event->type() == QEvent::Hide) {
            save();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowMemory::save() const {
    platform::UserSettings settings = platform::userSettings();
    for (const Part& part : parts_) {
        settings.setValue(part.key, QString::fromLatin1(part.state().toBase64()));
    }
}

}  // namespace ui
