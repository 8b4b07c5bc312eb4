#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace ui {

// Where a window of `wanted` placement goes on a screen whose free area is
// `available`, its frame adding `frame` around: never larger than the area,
// and moved in so that every edge, and so every button, can be reached.
QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame);

// Remembers a window's place and size between runs of the program, in the
// user's settings under "<section>/geometry", with whatever else of it is
// worth keeping (the widths of a table's columns, a splitter's position);
// and each time the window is shown, fits it into the free area of its
// screen, whatever the display's scale.
class WindowMemory : public QObject {
public:
    WindowMemory(QWidget* window, QString section);

    // Keeps one more part of the window under "<section>/<name>": `restore`
    // gets what was kept at once (when anything was), `state` is asked for it
    // whenever the window is hidden or save() is called.
    void keep(const QString& name, std::function<QByteArray()> state,
              const std::function<void(const QByteArray&)>& restore);

    // Writes everything down now, as hiding the window does.
    void save() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Part {
        QString key;
        std::function<QByteArray()> state;
    };

    void fitToScreen();

    QWidget* window_;
    QString section_;
    std::vector<Part> parts_;
    bool restored_ = false;
};

}  // namespace ui
