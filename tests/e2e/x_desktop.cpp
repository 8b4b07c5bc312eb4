#include "x_desktop.h"

#include <QElapsedTimer>
#include <QThread>

namespace e2e {

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome execute(const QString& program, const QStringList& args, const QString& display,
                int timeoutMs) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted(timeoutMs)) {
        throw Failure(QStringLiteral("%1 did not start (%2); is it installed?")
                          .arg(program, p.errorString()));
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        throw Failure(QStringLiteral("%1 %2 did not finish within %3 ms")
                          .arg(program, args.join(u' '))
                          .arg(timeoutMs));
    }
    if (p.exitStatus() != QProcess::NormalExit) {
        throw Failure(QStringLiteral("%1 %2 crashed").arg(program, args.join(u' ')));
    }
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

void pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

std::vector<unsigned long> ids(const QByteArray& lines) {
    std::vector<unsigned long> result;
    for (const QByteArray& line : lines.split('\n')) {
        bool ok = false;
        const unsigned long id = line.trimmed().toULong(&ok);
        if (ok) {
            result.push_back(id);
        }
    }
    return result;
}

}  // namespace

QByteArray run(const QString& program, const QStringList& args, const QString& display,
               int timeoutMs) {
    const Outcome o = execute(program, args, display, timeoutMs);
    if (o.exitCode != 0) {
        throw Failure(QStringLiteral("%1 %2 failed with status %3: %4")
                          .arg(program, args.join(u' '))
                          .arg(o.exitCode)
                          .arg(QString::fromLocal8Bit(o.err)));
    }
    return o.out;
}

XServer::XServer() {
    // Xvfb picks the first free display number itself and writes it to the
    // descriptor given: here its standard output. Without -noreset the server
    // starts afresh whenever its last client leaves, and drops the connections
    // that arrive meanwhile: a program started just after another ended would
    // then fail to open the display now and then.
    process_.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"),
                    QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-noreset")});
    if (!process_.waitForStarted(10000)) {
        throw Failure(QStringLiteral("Xvfb did not start (%1); is it installed?")
                          .arg(process_.errorString()));
    }
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < 15000 &&
           process_.state() == QProcess::Running) {
        process_.waitForReadyRead(500);
    }
    const QString number = QString::fromLatin1(process_.readLine()).trimmed();
    if (number.isEmpty()) {
        throw Failure(QStringLiteral("Xvfb gave no display number: %1")
                          .arg(QString::fromLocal8Bit(process_.readAllStandardError())));
    }
    display_ = u':' + number;
}

XServer::~XServer() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

Program::Program(const QString& executable, const QString& display, const QString& runtimeDir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(executable, QStringList{});
    if (!process_.waitForStarted(10000)) {
        throw Failure(
            QStringLiteral("%1 did not start: %2").arg(executable, process_.errorString()));
    }
}

Program::~Program() {
    if (running()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool Program::running() {
    if (process_.state() != QProcess::NotRunning) {
        process_.waitForFinished(0);
    }
    return process_.state() != QProcess::NotRunning;
}

bool Program::waitForExit(int timeoutMs) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

QString Program::output() {
    if (process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(0);
    }
    log_ += QString::fromLocal8Bit(process_.readAll());
    return log_;
}

std::vector<XWindow> Desktop::windowsOf(qint64 pid) const {
    // xdotool search ends with status 1 when nothing matches.
    const Outcome o = execute(QStringLiteral("xdotool"),
                              {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--pid"), QString::number(pid)},
                              display_, 15000);
    std::vector<XWindow> result;
    for (unsigned long id : ids(o.out)) {
        result.push_back(describe(id));
    }
    return result;
}

XWindow Desktop::waitForWindow(Program& program, int timeoutMs) const {
    const qint64 pid = program.pid();
    QElapsedTimer clock;
    clock.start();
    do {
        const std::vector<XWindow> windows = windowsOf(pid);
        if (!windows.empty()) {
            return windows.front();
        }
        if (!program.running()) {
            throw Failure(QStringLiteral("the program ended with status %1 before it showed a "
                                         "window: %2")
                              .arg(program.exitCode())
                              .arg(program.output()));
        }
        pause(200);
    } while (clock.elapsed() < timeoutMs);
    throw Failure(QStringLiteral("no window of process %1 within %2 ms; it wrote: %3")
                      .arg(pid)
                      .arg(timeoutMs)
                      .arg(program.output()));
}

XWindow Desktop::describe(unsigned long id) const {
    XWindow w;
    w.id = id;
    const QString idText = QString::number(id);
    w.title = xdotool({QStringLiteral("getwindowname"), idText}).trimmed();
    // X=, Y=, WIDTH=, HEIGHT= lines; the position is translated to the screen.
    int x = 0, y = 0, width = 0, height = 0;
    const QString shell =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), idText});
    for (const QString& line : shell.split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        const int value = line.section(u'=', 1).toInt();
        if (key == QLatin1String("X")) {
            x = value;
        } else if (key == QLatin1String("Y")) {
            y = value;
        } else if (key == QLatin1String("WIDTH")) {
            width = value;
        } else if (key == QLatin1String("HEIGHT")) {
            height = value;
        }
    }
    w.geometry = QRect(x, y, width, height);
    return w;
}

QString Desktop::xdotool(const QStringList& args) const {
    return QString::fromUtf8(run(QStringLiteral("xdotool"), args, display_));
}

void Desktop::focus(const XWindow& w) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(w.id)});
}

void Desktop::keys(const QStringList& names, int delayMs) const {
    xdotool(
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QString::number(delayMs)} +
        names);
}

void Desktop::type(const QString& text) const {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

QImage Desktop::screenshot() const {
    const QByteArray png =
        run(QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}, display_,
            30000);
    QImage image = QImage::fromData(png, "PNG");
    if (image.isNull()) {
        throw Failure(QStringLiteral("import gave no readable picture"));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool colourNear(const QImage& image, QPoint at, QRgb colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.valid(p) && (image.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                return true;
            }
        }
    }
    return false;
}

int countColour(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                ++n;
            }
        }
    }
    return n;
}

}  // namespace e2e
