#pragma once

// A virtual X desktop for driving the real program as a user does: an Xvfb
// server of its own, key and mouse events through xdotool, screenshots through
// ImageMagick's import. Every failure throws, so a missing tool or a program
// that never shows its window fails the test instead of skipping it.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <stdexcept>
#include <vector>

namespace e2e {

struct Failure : std::runtime_error {
    explicit Failure(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// Runs a command to its end on the given display; throws unless it exits with
// status 0. Returns what it wrote to its standard output.
QByteArray run(const QString& program, const QStringList& args, const QString& display,
               int timeoutMs = 15000);

// An Xvfb server on the first free display number, 1280 x 1024 in 24-bit colour
// at 96 dpi, gone with the object.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    QString display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

// A window as the X server knows it: its id, its title and where it lies.
struct XWindow {
    unsigned long id = 0;
    QString title;
    QRect geometry;  // absolute, on the screen
};

// The program started on a display with a private runtime directory (the
// single-instance lock lives there, so other copies on the machine do not meet
// it), the desktop's platform plugin and the C locale.
class Program {
public:
    Program(const QString& executable, const QString& display, const QString& runtimeDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    qint64 pid() const { return process_.processId(); }
    // Without an event loop QProcess learns of the end only when asked.
    bool running();
    // Waits for the end; false when it is still running after timeoutMs.
    bool waitForExit(int timeoutMs);
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    int exitCode() const { return process_.exitCode(); }
    QString output();

private:
    QProcess process_;
    QString log_;
};

class Desktop {
public:
    explicit Desktop(QString display) : display_(std::move(display)) {}

    // The first visible window of the program, waited for up to timeoutMs;
    // throws at once if the program ends before it shows one.
    XWindow waitForWindow(Program& program, int timeoutMs = 20000) const;
    // Visible windows of the process now; empty when there are none.
    std::vector<XWindow> windowsOf(qint64 pid) const;
    XWindow describe(unsigned long id) const;

    // Gives the window the keyboard focus, as clicking into it would.
    void focus(const XWindow& w) const;
    // xdotool key names, one event each ("2", "Tab", "Down", "F9").
    void keys(const QStringList& names, int delayMs = 60) const;
    void type(const QString& text) const;

    QImage screenshot() const;

    // Asks the window to close the way a window manager's close button does:
    // a WM_DELETE_WINDOW client message, which the window must have announced
    // in WM_PROTOCOLS.
    void requestClose(const XWindow& w) const;

    QString xdotool(const QStringList& args) const;

private:
    QString display_;
};

// Whether any pixel within `radius` of `at` has exactly this colour.
bool colourNear(const QImage& image, QPoint at, QRgb colour, int radius = 1);
// How many pixels of the rectangle have exactly this colour.
int countColour(const QImage& image, const QRect& area, QRgb colour);

}  // namespace e2e
