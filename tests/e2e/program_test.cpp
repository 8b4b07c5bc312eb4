// The program as a user meets it: started on a virtual X desktop, driven with
// real key events, judged by its title, its geometry and the pixels on screen.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "platform/units.h"
#include "x_desktop.h"

// Readable titles in failure messages.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using e2e::Desktop;
using e2e::Program;
using e2e::XWindow;
using platform::px;

const QString kTitle = QStringLiteral("\"Zemtar - Прогноз\", Версия 1.4");
constexpr QSize kClientArea{505, 487};
constexpr QSize kScreen{1280, 1024};

constexpr QRgb kCurve = qRgb(188, 40, 120);
constexpr QRgb kGrid = qRgb(0, 55, 250);
constexpr QRgb kLargest = qRgb(0, 128, 0);
constexpr QRgb kSmallest = qRgb(255, 0, 0);
constexpr QRgb kAxis = qRgb(0, 0, 192);
constexpr QRgb kGraphFrame = qRgb(128, 128, 255);

// The graph frame's top left corner in the client area, in twips.
constexpr QPoint kGraphFrameTw{120, 180};

// 23 August 1975: life number 4558300, one curve point per digit (twips).
const std::vector<QPoint> kCurve1975{{600, 2400},  {1000, 2000}, {1400, 2000}, {1800, 800},
                                     {2200, 2800}, {2600, 4000}, {3000, 4000}};

// Digit-axis label rectangles (twips) of the digits the checks look at.
constexpr QRect axisLabelTw(int digit) {
    constexpr int tops[10] = {3900, 3495, 3105, 2700, 2295, 1905, 1500, 1110, 690, 300};
    return {210, tops[digit], 135, 240};
}

QPoint toScreen(QPoint origin, QPointF tw) {
    return origin + QPoint(static_cast<int>(tw.x() / platform::kTwipsPerPixel),
                           static_cast<int>(tw.y() / platform::kTwipsPerPixel));
}

QRect toScreen(QPoint origin, QRect tw) {
    return {origin + QPoint(px(tw.left()), px(tw.top())), QSize(px(tw.width()), px(tw.height()))};
}

// Where the client area (the part under the menu bar) begins on the screen.
// The X window holds the menu bar and the client area; the graph frame is the
// first thing drawn in the frame colour from the top, and stands at a known
// place in the client area.
std::optional<QPoint> clientOrigin(const QImage& shot, const XWindow& w) {
    const QPoint frameOffset(px(kGraphFrameTw.x()), px(kGraphFrameTw.y()));
    for (int y = w.geometry.top(); y < w.geometry.top() + 80; ++y) {
        for (int x = w.geometry.left(); x < w.geometry.left() + 40; ++x) {
            if (shot.valid(x, y) && (shot.pixel(x, y) & 0xFFFFFF) == (kGraphFrame & 0xFFFFFF)) {
                return QPoint(x, y) - frameOffset;
            }
        }
    }
    return std::nullopt;
}

class ProgramTest : public testing::Test {
protected:
    // One X server for the suite; each test starts its own copies of the program.
    static void SetUpTestSuite() { server_ = std::make_unique<e2e::XServer>(); }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        ASSERT_NE(server_, nullptr) << "no X server";
        ASSERT_TRUE(runtime_.isValid());
        desktop_ = Desktop(server_->display());
    }

    std::unique_ptr<Program> start() {
        return std::make_unique<Program>(QStringLiteral(ZEMTAR_PROGRAM), server_->display(),
                                         runtime_.path());
    }

    // Screenshots until the window shows its client area; its origin then.
    QPoint waitForClientArea(const XWindow& w, QImage& shot) const {
        QElapsedTimer clock;
        clock.start();
        do {
            shot = desktop_.screenshot();
            if (const auto origin = clientOrigin(shot, w)) {
                return *origin;
            }
            QThread::msleep(200);
        } while (clock.elapsed() < 15000);
        throw e2e::Failure(QStringLiteral("the window never showed its graph frame"));
    }

    static inline std::unique_ptr<e2e::XServer> server_;
    QTemporaryDir runtime_;
    Desktop desktop_{QString()};
};

TEST_F(ProgramTest, StartsWithItsTitleAClientAreaOf505By487AndNoCurve) {
    auto program = start();
    const XWindow w = desktop_.waitForWindow(*program);
    EXPECT_EQ(w.title, kTitle);

    QImage shot;
    const QPoint origin = waitForClientArea(w, shot);
    // Without a window manager the X window has no decorations: it is the menu
    // bar above the client area, and the client area runs to its right and
    // bottom edges.
    const QSize client(w.geometry.right() + 1 - origin.x(), w.geometry.bottom() + 1 - origin.y());
    EXPECT_EQ(client, kClientArea) << "window " << w.geometry.width() << "x" << w.geometry.height()
                                   << ", menu bar " << origin.y() - w.geometry.top();
    EXPECT_EQ(origin.x(), w.geometry.left());
    EXPECT_GT(origin.y(), w.geometry.top()) << "no menu bar above the client area";

    // Centred on the screen.
    EXPECT_NEAR(w.geometry.center().x(), kScreen.width() / 2, 1);
    EXPECT_NEAR(w.geometry.center().y(), kScreen.height() / 2, 1);

    // Nothing is calculated at start: the grid is there, the curve is not.
    const QRect graph = toScreen(origin, QRect(600, 400, 2800, 3600));
    EXPECT_EQ(e2e::countColour(shot, graph, kCurve), 0);
    EXPECT_TRUE(e2e::colourNear(shot, toScreen(origin, QPointF(600, 400)), kGrid));
}

TEST_F(ProgramTest, KeyboardDateAndF9DrawTheForecast) {
    auto program = start();
    const XWindow w = desktop_.waitForWindow(*program);
    QImage shot;
    const QPoint origin = waitForClientArea(w, shot);

    // The day list has the focus at start: typing 2 and 3 picks "23"; Tab to the
    // month list, eight steps down from no choice is "Август"; Tab to the year,
    // whose last two digits are then selected, and 75 makes 1990 into 1975.
    desktop_.focus(w);
    desktop_.keys({QStringLiteral("2"), QStringLiteral("3")});
    desktop_.keys({QStringLiteral("Tab")});
    desktop_.keys(QStringList(8, QStringLiteral("Down")));
    desktop_.keys({QStringLiteral("Tab")});
    QThread::msleep(500);  // a user looks before typing; the selection is set by then
    desktop_.type(QStringLiteral("75"));
    desktop_.keys({QStringLiteral("F9")});

    auto segmentMiddle = [&](size_t i) {
        return toScreen(origin, QPointF(kCurve1975[i] + kCurve1975[i + 1]) / 2);
    };
    QElapsedTimer clock;
    clock.start();
    shot = desktop_.screenshot();
    while (!e2e::colourNear(shot, segmentMiddle(0), kCurve) && clock.elapsed() < 15000) {
        QThread::msleep(200);
        shot = desktop_.screenshot();
    }

    for (size_t i = 0; i + 1 < kCurve1975.size(); ++i) {
        EXPECT_TRUE(e2e::colourNear(shot, segmentMiddle(i), kCurve))
            << "segment " << i + 1 << " at " << segmentMiddle(i).x() << "," << segmentMiddle(i).y();
    }
    // Dots away from the curve: the whole top row and the whole last column.
    for (int x = 600; x <= 3400; x += 400) {
        EXPECT_TRUE(e2e::colourNear(shot, toScreen(origin, QPointF(x, 400)), kGrid)) << "x " << x;
    }
    for (int y = 400; y <= 4000; y += 400) {
        EXPECT_TRUE(e2e::colourNear(shot, toScreen(origin, QPointF(3400, y)), kGrid)) << "y " << y;
    }

    // 8 is the largest digit, 0 the smallest; 5 is neither.
    const QRect eight = toScreen(origin, axisLabelTw(8));
    const QRect zero = toScreen(origin, axisLabelTw(0));
    const QRect five = toScreen(origin, axisLabelTw(5));
    EXPECT_GT(e2e::countColour(shot, eight, kLargest), 0);
    EXPECT_EQ(e2e::countColour(shot, eight, kSmallest), 0);
    EXPECT_GT(e2e::countColour(shot, zero, kSmallest), 0);
    EXPECT_EQ(e2e::countColour(shot, zero, kLargest), 0);
    EXPECT_GT(e2e::countColour(shot, five, kAxis), 0);
    EXPECT_EQ(e2e::countColour(shot, five, kLargest) + e2e::countColour(shot, five, kSmallest), 0);

    if (HasFailure()) {
        shot.save(QStringLiteral("e2e-forecast-failure.png"));
    }
}

TEST_F(ProgramTest, SecondStartShowsItsMessageAndEndsWhileTheFirstRuns) {
    auto first = start();
    const XWindow main = desktop_.waitForWindow(*first);
    QImage shot;
    waitForClientArea(main, shot);

    auto second = start();
    const XWindow message = desktop_.waitForWindow(*second);
    EXPECT_EQ(message.title, QStringLiteral("Zemtar-прогноз"));
    EXPECT_NE(message.title, kTitle) << "the second copy opened a main window of its own";

    // OK dismisses the message; the second copy then ends by itself.
    desktop_.focus(message);
    desktop_.keys({QStringLiteral("Return")});
    ASSERT_TRUE(second->waitForExit(15000)) << "the second copy is still running";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit) << second->output().toStdString();

    EXPECT_TRUE(first->running());
    const std::vector<XWindow> still = desktop_.windowsOf(first->pid());
    ASSERT_EQ(still.size(), 1u);
    EXPECT_EQ(still.front().title, kTitle);
}

TEST_F(ProgramTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
    auto program = start();
    const XWindow w = desktop_.waitForWindow(*program);
    QImage shot;
    waitForClientArea(w, shot);

    desktop_.requestClose(w);
    ASSERT_TRUE(program->waitForExit(15000)) << "still running after the close request";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0) << program->output().toStdString();
}

}  // namespace
