#include <gtest/gtest.h>

#include <QFile>
#include <QLineF>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <variant>

#include "aspects/aspect_square.h"
#include "aspects/aspect_table.h"
#include "forecast_of.h"
#include "platform/help_viewer.h"

using aspects::AspectSquare;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Every control of the square against the aspects it should show.
void expectShows(const AspectSquare& sq, const core::Forecast& f) {
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(testing::Message() << "digit " << i + 1);
        const core::AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        EXPECT_EQ(!sq.circle(i)->isHidden(), a.present);
        EXPECT_EQ(!sq.counter(i)->isHidden(), a.present);
        if (a.present) {
            EXPECT_EQ(sq.counter(i)->text(), QString::number(a.level));
        }
        EXPECT_EQ(textColour(sq.digitLabel(i)), a.root ? kRed : kBlue);
        EXPECT_EQ(sq.counter(i)->accessibleName(), sq.digitLabel(i)->accessibleName());
    }
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(!sq.segment(k)->isHidden(), f.segments[static_cast<std::size_t>(k)])
            << "segment " << k;
    }
}

}  // namespace

// One square through several forecasts, as the window uses it: nothing of the
// forecast before (a red root, a segment, a counter) may stay behind.
TEST(AspectSquare, ShowsEachForecastAndNothingOfTheOneBefore) {
    AspectSquare sq;
    expectShows(sq, core::Forecast{});
    for (const auto& f : {forecastOf(28, 6, "1914"), forecastOf(5, 4, "1990"),
                          forecastOf(23, 7, "1975"), forecastOf(29, 8, "9999")}) {
        SCOPED_TRACE(f.birthDigits.toStdString());
        sq.showAspects(f);
        expectShows(sq, f);
        if (f.birthDigits == QStringLiteral("5051990")) {
            EXPECT_EQ(sq.digitLabel(1)->accessibleName(),
                      QStringLiteral("Связь с землёй: уровень 1, корневая цифра"));
            EXPECT_EQ(sq.counter(4)->accessibleName(), QStringLiteral("Любовь: уровень 2"));
            EXPECT_EQ(sq.digitLabel(3)->accessibleName(), QStringLiteral("Работа: нет"));
        }
        if (f.birthDigits == QStringLiteral("23081975")) {
            EXPECT_EQ(sq.digitLabel(1)->accessibleName(),
                      QStringLiteral("Связь с землёй: уровень 1"));
            EXPECT_EQ(sq.digitLabel(7)->accessibleName(),
                      QStringLiteral("Удача: уровень 2, корневая цифра"));
            EXPECT_EQ(sq.counter(5)->text(), QStringLiteral("5"));
        }
    }
}

TEST(AspectSquare, ClearZnLeavesAnEmptySquare) {
    AspectSquare sq;
    sq.showAspects(forecastOf(28, 6, "1914"));  // every circle and segment, root 5
    sq.clear();
    expectShows(sq, core::Forecast{});
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
        const QRect circle = sq.circle(i)->geometry();
        const QRect digit = sq.digitLabel(i)->geometry();
        const QRect counter = sq.counter(i)->geometry();
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
        EXPECT_TRUE(frame.contains(sq.segment(k)->geometry())) << k;
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

// Only the labels take the mouse, so that their tooltips show; they lie above
// the circle they belong to, and the segments below everything.
TEST(AspectSquare, LabelsTakeTheMouseAboveTheirCircle) {
    AspectSquare sq;
    const QObjectList& z = sq.children();
    for (int i = 0; i < 9; ++i) {
        const QString name = core::kAspectNames[static_cast<std::size_t>(i)].toString();
        EXPECT_TRUE(sq.digitLabel(i)->toolTip().startsWith(name + u':'));
        EXPECT_EQ(sq.counter(i)->toolTip(), sq.digitLabel(i)->toolTip());
        EXPECT_TRUE(sq.circle(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_FALSE(sq.digitLabel(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_GT(z.indexOf(sq.digitLabel(i)), z.indexOf(sq.circle(i)));
        EXPECT_GT(z.indexOf(sq.counter(i)), z.indexOf(sq.circle(i)));
    }
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(sq.segment(k)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_LT(z.indexOf(sq.segment(k)), z.indexOf(sq.digitLabel(0)));
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
