// Tells a benchmark when a window's first pixels have gone to the screen:
// with ZEMTAR_FIRST_PAINT set, the moment of the steady clock (nanoseconds)
// is written to standard error and the program quits. The window program and
// the least window it is measured against both use this, so that both are
// timed to the same point.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace platform {

class FirstPaintStamp : public QObject {
public:
    static void watch(QWidget& window) {
        if (qEnvironmentVariableIsSet("ZEMTAR_FIRST_PAINT")) {
            window.installEventFilter(new FirstPaintStamp(&window));
        }
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The window's paint and the flush of its pixels to the display
            // are one event; the next turn of the loop comes after both.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::fprintf(
                    stderr, "%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stderr);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    explicit FirstPaintStamp(QObject* parent) : QObject(parent) {}
    bool seen_ = false;
};

}  // namespace platform
