#include "ui/window_memory.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "platform/services.h"

namespace ui {

namespace {

// A title bar and borders, for a window not yet framed by the desktop.
constexpr QMargins kAssumedFrame(8, 32, 8, 8);

// The settings file keeps text: a window's and its parts' states go in as base64.
QByteArray bytesOf(const QString& key) {
    return QByteArray::fromBase64(platform::userSettings().value(key).toString().toLatin1());
}

}  // namespace

QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame) {
    const QRect inner = available.marginsRemoved(frame);
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(inner.size()));
    placed.moveLeft(std::clamp(placed.left(), inner.left(), inner.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), inner.top(), inner.bottom() - placed.height() + 1));
    return placed;
}

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
            fitToScreen();
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

void WindowMemory::fitToScreen() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect frameNow = window_->frameGeometry();
    const QRect inside = window_->geometry();
    QMargins frame(inside.left() - frameNow.left(), inside.top() - frameNow.top(),
                   frameNow.right() - inside.right(), frameNow.bottom() - inside.bottom());
    if (frame.isNull()) {
        frame = kAssumedFrame;
    }
    const QRect fitted = fitWithin(inside, screen->availableGeometry(), frame);
    if (fitted != inside) {
        window_->setGeometry(fitted);
    }
}

}  // namespace ui
