#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <variant>

#include "aspects/aspect_square.h"
#include "aspects/aspect_table.h"
#include "aspects/square_painter.h"
#include "forecast_of.h"
#include "platform/help_viewer.h"

using aspects::AspectSquare;

namespace {

// A picture of the square, `twipsPerPixel` twips a pixel, read back in twips
// of the square's own design.
struct Picture {
    QImage image;
    double twipsPerPixel;

    QColor at(double xTw, double yTw) const {
        return image.pixelColor(int(xTw / twipsPerPixel), int(yTw / twipsPerPixel));
    }
    // Whether some pixel inside the rectangle is close to `colour`.
    bool holds(const platform::RectTw& r, const QColor& colour) const {
        for (int y = r.top; y < r.top + r.height; y += int(twipsPerPixel)) {
            for (int x = r.left; x < r.left + r.width; x += int(twipsPerPixel)) {
                if (near(at(x, y), colour)) {
                    return true;
                }
            }
        }
        return false;
    }
    static bool near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               90;
    }
};

// The one painter's drawing, at three times the window's size.
Picture painted(const aspects::SquareLevels& levels) {
    const QSizeF size = aspects::squareSizeTw() / 5;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    aspects::paintSquare(painter, QRectF(QPointF(0, 0), size), levels, QColor(Qt::white));
    return {image, 5};
}

// What the picture shows against the levels: a circle round every present
// aspect, its digit red when it is the root and blue otherwise, the segments
// of the complete lines, the ground of the marked aspects.
void expectPainted(const Picture& p, const aspects::SquareLevels& levels) {
    for (const aspects::Aspect& a : aspects::kAspects) {
        SCOPED_TRACE(testing::Message() << "digit " << a.digit);
        const core::AspectValue& v = levels.aspects[std::size_t(a.index)];
        const double ringX = a.circle.left + aspects::kCircleBorderPx * 15 / 2.0;
        const double middleY = a.circle.top + a.circle.height / 2.0;
        EXPECT_EQ(Picture::near(p.at(ringX, middleY), aspects::kCircleBorder), v.present);
        EXPECT_EQ(p.holds(a.digitLabel, aspects::kRootColour), v.root);
        EXPECT_EQ(p.holds(a.digitLabel, aspects::kDigitColour), !v.root);
        const bool marked = levels.marked[std::size_t(a.index)];
        EXPECT_EQ(p.at(a.circle.left - 40, a.circle.top + 60) == QColor(205, 238, 205), marked);
    }
    for (std::size_t k = 0; k < aspects::kSegments.size(); ++k) {
        const aspects::Segment& s = aspects::kSegments[k];
        const QColor middle = p.at((s.from.x + s.to.x) / 2.0, (s.from.y + s.to.y) / 2.0);
        EXPECT_EQ(Picture::near(middle, aspects::kSegmentColour), levels.segments[k])
            << "segment " << k;
    }
}

const core::Forecast kForecasts[] = {core::Forecast{}, forecastOf(28, 6, "1914"),
                                     forecastOf(5, 4, "1990"), forecastOf(23, 7, "1975"),
                                     forecastOf(29, 8, "9999")};

}  // namespace

// The one painter of the square draws what the levels say, marked aspects too.
TEST(SquarePainter, DrawsWhatTheLevelsSay) {
    for (const core::Forecast& f : kForecasts) {
        SCOPED_TRACE(f.birthDigits.toStdString());
        aspects::SquareLevels levels = aspects::SquareLevels::of(f);
        expectPainted(painted(levels), levels);
        for (std::size_t d = 0; d < levels.marked.size(); ++d) {
            levels.marked[d] = d % 3 == 1;
        }
        expectPainted(painted(levels), levels);
    }
}

// One square through several forecasts, as the window uses it: it paints with
// the one painter, and nothing of the forecast before (a red root, a segment,
// a counter) stays behind.
TEST(AspectSquare, ShowsEachForecastAndNothingOfTheOneBefore) {
    AspectSquare sq;
    for (const core::Forecast& f : kForecasts) {
        SCOPED_TRACE(f.birthDigits.toStdString());
        sq.showAspects(f);
        EXPECT_EQ(sq.shown(), aspects::SquareLevels::of(f));
        if (f.birthDigits == QStringLiteral("5051990")) {
            EXPECT_EQ(sq.digitLabel(1)->accessibleName(),
                      QStringLiteral("Связь с землёй: уровень 1, корневая цифра"));
            EXPECT_EQ(sq.digitLabel(4)->accessibleName(), QStringLiteral("Любовь: уровень 2"));
            EXPECT_EQ(sq.digitLabel(3)->accessibleName(), QStringLiteral("Работа: нет"));
        }
        if (f.birthDigits == QStringLiteral("23081975")) {
            EXPECT_EQ(sq.digitLabel(7)->accessibleName(),
                      QStringLiteral("Удача: уровень 2, корневая цифра"));
        }
    }
    // The window's square at three times its size, as a screen of that scale shows it.
    sq.showAspects(kForecasts[1]);
    QImage image(sq.size() * 3, QImage::Format_RGB32);
    image.setDevicePixelRatio(3);
    sq.render(&image);
    image.setDevicePixelRatio(1);
    expectPainted({image, 5}, sq.shown());
}

TEST(AspectSquare, ClearZnLeavesAnEmptySquare) {
    AspectSquare sq;
    sq.showAspects(forecastOf(28, 6, "1914"));  // every circle and segment, root 5
    sq.clear();
    EXPECT_EQ(sq.shown(), aspects::SquareLevels{});
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(
            sq.digitLabel(i)->accessibleName(),
            core::kAspectNames[static_cast<std::size_t>(i)].toString() + QStringLiteral(": нет"));
    }
}

// Layout that a mistyped number would break: digits centred in their circles,
// counters at the upper right, every segment running from one of its two
// circles to the other, everything inside the frame.
TEST(AspectSquare, ControlsSitWhereTheyBelong) {
    AspectSquare sq;
    const QRect frame(QPoint(0, 0), sq.size());
    for (int i = 0; i < 9; ++i) {
        const aspects::Aspect& a = aspects::kAspects[std::size_t(i)];
        const QRect circle = a.circle.toPx();
        const QRect digit = sq.digitLabel(i)->geometry();
        const QRect counter = a.counter.toPx();
        EXPECT_LE((circle.center() - digit.center()).manhattanLength(), 3) << i;
        EXPECT_GT(counter.left(), circle.center().x()) << i;
        EXPECT_LT(counter.top(), circle.center().y()) << i;
        EXPECT_TRUE(frame.contains(circle) && frame.contains(digit) && frame.contains(counter));
    }
    for (int k = 0; k < 16; ++k) {
        const aspects::Segment& s = aspects::kSegments[static_cast<std::size_t>(k)];
        const QPointF ends[2] = {QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y)};
        auto gapToEdge = [&](int digit, int end) {
            const platform::RectTw c =
                aspects::kAspects[static_cast<std::size_t>(digit - 1)].circle;
            const QPointF centre(c.left + c.width / 2.0, c.top + c.height / 2.0);
            return std::abs(QLineF(centre, ends[end]).length() - c.width / 2.0);
        };
        const bool forward = gapToEdge(s.digitA, 0) < 45 && gapToEdge(s.digitB, 1) < 45;
        const bool backward = gapToEdge(s.digitA, 1) < 45 && gapToEdge(s.digitB, 0) < 45;
        EXPECT_TRUE(forward || backward) << "segment " << k;
        EXPECT_TRUE(frame.contains(
            QRect(platform::pointTw(s.from.x, s.from.y), platform::pointTw(s.to.x, s.to.y))
                .normalized()))
            << k;
    }
}

// The segments a complete line shows must join that line's own digits.
TEST(AspectSquare, BonusLinesShowTheirOwnSegments) {
    for (const core::BonusLine& line : core::kBonusLines) {
        for (const int k : line.segments) {
            const aspects::Segment& s = aspects::kSegments[static_cast<std::size_t>(k)];
            const auto& d = line.digits;
            EXPECT_NE(std::find(d.begin(), d.end(), s.digitA), d.end()) << "segment " << k;
            EXPECT_NE(std::find(d.begin(), d.end(), s.digitB), d.end()) << "segment " << k;
        }
    }
}

// Only the digits take the mouse, so that their tooltips show, and they stay
// above the focus frame.
TEST(AspectSquare, DigitsTakeTheMouse) {
    AspectSquare sq;
    const QObjectList& z = sq.children();
    const QWidget* focusFrame = sq.findChild<QWidget*>(QStringLiteral("FocusFrame"));
    ASSERT_NE(focusFrame, nullptr);
    for (int i = 0; i < 9; ++i) {
        const QString name = core::kAspectNames[static_cast<std::size_t>(i)].toString();
        EXPECT_TRUE(sq.digitLabel(i)->toolTip().startsWith(name + u':'));
        EXPECT_FALSE(sq.digitLabel(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_GT(z.indexOf(sq.digitLabel(i)), z.indexOf(focusFrame));
    }
}

// The tooltips say what the help says, each in its aspect's row of the help's
// table of the nine aspects, where a click on the digit leads.
TEST(AspectSquare, MeaningsAreTheHelpsOwn) {
    QFile file(platform::defaultHelpFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int digit = 1; digit <= 9; ++digit) {
        const QString anchor = platform::topicAnchor(platform::aspectTopic(digit));
        const qsizetype row = html.indexOf(QStringLiteral("name=\"%1\"").arg(anchor));
        ASSERT_GE(row, 0) << digit;
        const QString rowText = html.mid(row, html.indexOf(QStringLiteral("</tr>"), row) - row);
        EXPECT_TRUE(rowText.contains(
            aspects::kAspectMeanings[static_cast<std::size_t>(digit - 1)].toString()))
            << digit;
    }
}
