#include <gtest/gtest.h>

#include <QLineF>
#include <QPalette>
#include <QWidget>

#include "aspects/aspect_square.h"
#include "aspects/aspect_table.h"
#include "platform/fonts.h"
#include "platform/units.h"
#include "square_probe.h"

using aspects::AspectSquare;
using platform::rectTw;

namespace {

QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

const char16_t* const kNames[9] = {
    u"Биополе",         u"Связь с землёй", u"Связь с космосом", u"Работа", u"Любовь", u"Интерес",
    u"Ангел-хранитель", u"Удача",          u"Карьера",
};

}  // namespace

TEST(AspectSquare, PlacedOnItsParentInTwips) {
    QWidget window;
    auto* sq = new AspectSquare(&window);
    EXPECT_EQ(sq->parentWidget(), &window);
    EXPECT_EQ(sq->geometry(), rectTw(4770, 90, 2070, 1815));
    EXPECT_EQ(sq->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(sq->autoFillBackground());
    EXPECT_EQ(sq->palette().color(QPalette::Window), QColor(195, 217, 249));

    struct Spot {
        QWidget* w;
        QRect twips;
    };
    const Spot spots[] = {
        {sq->Shape2(), {60, 90, 1845, 1695}},  {sq->SDat(0), {270, 300, 345, 345}},
        {sq->SDat(7), {1320, 780, 375, 375}},  {sq->SDat(8), {1320, 1260, 345, 345}},
        {sq->LblDat(1), {360, 780, 165, 330}}, {sq->LblDat(7), {1440, 780, 165, 330}},
        {sq->LblSub(4), {1110, 570, 90, 210}}, {sq->LblSub(8), {1650, 1140, 90, 210}},
    };
    for (const Spot& s : spots) {
        const QRect& t = s.twips;
        EXPECT_EQ(s.w->geometry(), rectTw(t.x(), t.y(), t.width(), t.height()))
            << s.w->objectName().toStdString();
    }
    EXPECT_EQ(sq->LineBon(10)->fromTw(), QPoint(1350, 600));
    EXPECT_EQ(sq->LineBon(10)->toTw(), QPoint(1110, 840));
    EXPECT_EQ(sq->LineBon(12)->fromTw(), QPoint(1140, 1050));
    EXPECT_EQ(sq->LineBon(12)->toTw(), QPoint(1380, 1290));
}

// Layout that a mistyped number would break: digits centred in their circles,
// counters at the upper right, every segment running from one of its two
// circles to the other, everything inside the frame.
TEST(AspectSquare, ControlsSitWhereTheyBelong) {
    AspectSquare sq;
    const QRect frame(QPoint(0, 0), sq.size());
    for (int i = 0; i < 9; ++i) {
        const QRect circle = sq.SDat(i)->geometry();
        const QRect digit = sq.LblDat(i)->geometry();
        const QRect counter = sq.LblSub(i)->geometry();
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
        EXPECT_TRUE(frame.contains(sq.LineBon(k)->geometry())) << k;
    }
}

TEST(AspectSquare, LooksAndSpeaksAsDesignedAtStart) {
    AspectSquare sq;
    EXPECT_FALSE(sq.Shape2()->isHidden());
    EXPECT_EQ(sq.Shape2()->kind(), platform::OutlineShape::Kind::RoundedRectangle);
    EXPECT_EQ(sq.Shape2()->borderColor(), QColor(128, 128, 255));
    EXPECT_EQ(sq.Shape2()->borderWidth(), 3);
    for (int i = 0; i < 9; ++i) {
        const QString name = QString::fromUtf16(kNames[i]);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(sq.SDat(i)->isHidden());
        EXPECT_EQ(sq.SDat(i)->kind(), platform::OutlineShape::Kind::Circle);
        EXPECT_EQ(sq.SDat(i)->borderColor(), QColor(96, 144, 96));
        EXPECT_EQ(sq.SDat(i)->borderWidth(), 3);

        QLabel* digit = sq.LblDat(i);
        EXPECT_FALSE(digit->isHidden());
        EXPECT_EQ(digit->text(), QString::number(i + 1));
        EXPECT_EQ(textColour(digit), QColor(0, 0, 255));
        EXPECT_FALSE(digit->autoFillBackground());
        EXPECT_EQ(digit->alignment(), Qt::AlignCenter);
        EXPECT_EQ(digit->font().family(), platform::family(platform::Face::Arial));
        EXPECT_DOUBLE_EQ(digit->font().pointSizeF(), 14.25);
        EXPECT_TRUE(digit->font().bold());

        QLabel* counter = sq.LblSub(i);
        EXPECT_TRUE(counter->isHidden());
        EXPECT_EQ(counter->text(), QStringLiteral("0"));
        EXPECT_DOUBLE_EQ(counter->font().pointSizeF(), 8.25);
        EXPECT_TRUE(counter->font().bold());
        EXPECT_EQ(counter->palette().color(QPalette::Window), QColor(195, 217, 249));

        EXPECT_EQ(digit->toolTip(), name);
        EXPECT_EQ(counter->toolTip(), name);
        EXPECT_EQ(digit->accessibleName(), name + QStringLiteral(": нет"));

        // Only the labels take the mouse, so their tooltips can show; and
        // they lie above the circle they belong to.
        EXPECT_TRUE(sq.SDat(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_FALSE(digit->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_GT(sq.children().indexOf(digit), sq.children().indexOf(sq.SDat(i)));
        EXPECT_GT(sq.children().indexOf(counter), sq.children().indexOf(sq.SDat(i)));
    }
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(sq.LineBon(k)->isHidden());
        EXPECT_EQ(sq.LineBon(k)->color(), QColor(255, 0, 0));
        EXPECT_TRUE(sq.LineBon(k)->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_LT(sq.children().indexOf(sq.LineBon(k)), sq.children().indexOf(sq.LblDat(0)));
    }
    EXPECT_EQ(sq.rootIndex(), -1);
}

TEST(AspectSquare, DobavlIgnoresAnythingButOneToNine) {
    AspectSquare sq;
    sq.Dobavl(5);
    const SquareState before = probe(sq);
    for (int value : {0, 10, -1, 255}) {
        sq.Dobavl(value);
        EXPECT_EQ(probe(sq), before) << value;
    }
}

TEST(AspectSquare, CountsStepsAndNeverCountsOnAStaleCaption) {
    AspectSquare sq;
    for (int n = 0; n < 3; ++n) {
        sq.Dobavl(4);
    }
    EXPECT_EQ(sq.level(3), 3);
    EXPECT_EQ(sq.LblSub(3)->accessibleName(), QStringLiteral("Работа: уровень 3"));

    sq.ClearZn();
    EXPECT_EQ(sq.level(3), 0);
    EXPECT_TRUE(sq.SDat(3)->isHidden());
    EXPECT_EQ(sq.LblSub(3)->text(), QStringLiteral("3"));  // kept, but hidden
    EXPECT_EQ(sq.LblDat(3)->accessibleName(), QStringLiteral("Работа: нет"));

    sq.Dobavl(4);
    EXPECT_EQ(sq.LblSub(3)->text(), QStringLiteral("1"));
}

TEST(AspectSquare, ClearZnRestoresBlueAndKeepsFlags) {
    AspectSquare sq;
    for (int d : {1, 2, 3}) {
        sq.Dobavl(d);
    }
    sq.markRoot(7);
    EXPECT_EQ(textColour(sq.LblDat(7)), QColor(255, 0, 0));
    EXPECT_EQ(sq.LblDat(7)->accessibleName(), QStringLiteral("Удача: нет, корневая цифра"));
    std::array<bool, 8> flags{};
    sq.bon(flags);
    EXPECT_TRUE(flags[0]);

    sq.ClearZn();
    const SquareState after = probe(sq);
    EXPECT_EQ(after.levels, (std::array<int, 9>{}));
    EXPECT_EQ(after.circles, (std::array<bool, 9>{}));
    EXPECT_TRUE(after.segments.empty());
    EXPECT_EQ(after.root, -1);
    EXPECT_EQ(textColour(sq.LblDat(7)), QColor(0, 0, 255));
    EXPECT_EQ(after.captions[5], QStringLiteral("1"));  // the bonus step's caption stays
    EXPECT_TRUE(flags[0]);
}

TEST(AspectSquare, BonWithoutCompleteLineChangesNothing) {
    AspectSquare sq;
    for (int d : {1, 2, 4, 5}) {
        sq.Dobavl(d);
    }
    const SquareState before = probe(sq);
    std::array<bool, 8> flags{};
    sq.bon(flags);
    EXPECT_EQ(probe(sq), before);
    EXPECT_EQ(flags, (std::array<bool, 8>{}));
}

TEST(AspectSquare, LineWithFlagSetIsDrawnButGivesNoStep) {
    AspectSquare sq;
    for (int d : {3, 5, 7}) {
        sq.Dobavl(d);
    }
    std::array<bool, 8> flags{};
    flags[6] = true;
    sq.bon(flags);
    EXPECT_EQ(probe(sq).segments, (std::vector<int>{10, 14}));
    EXPECT_EQ(sq.level(5), 0);
}
