#include <gtest/gtest.h>

#include "core/forecast.h"
#include "graph/curve.h"
#include "platform/controls.h"
#include "window_fixture.h"

// The window draws the forecast it computed: every view against the value.

namespace {

const QColor kPlainAxis = graph::axisColor(core::AxisMark::Plain);

// Each view of the window against the forecast it was given.
void expectWindowShows(const WindowFixture& f, const core::Forecast& fc) {
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(platform::foreColor(f.label(QStringLiteral("OsY%1").arg(d))),
                  graph::axisColor(fc.axis[static_cast<std::size_t>(d)]))
            << "digit " << d;
    }
    for (int k = 1; k <= 8; ++k) {
        for (int i = 0; i < 10; ++i) {
            const QLabel* cell = f.label(QStringLiteral("lblYear%1_%2").arg(k).arg(i));
            const core::YearCell& y =
                fc.years[static_cast<std::size_t>(i)][static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(cell->text(), QString::number(y.year)) << k << "," << i;
            EXPECT_EQ(!cell->isHidden(), y.visible) << k << "," << i;
        }
    }
    EXPECT_EQ(f.label(QStringLiteral("LblPrc"))->text(), core::percentText(fc.happinessPercent));

    // 80 grid dots, then one segment between neighbouring digits, in window twips.
    const auto& ops = f.surface()->ops();
    ASSERT_EQ(ops.size(), 80u + fc.curve.size() - 1);
    for (std::size_t i = 1; i < fc.curve.size(); ++i) {
        const platform::DrawOp& op = ops[79 + i];
        EXPECT_EQ(op.kind, platform::DrawOp::Kind::Line);
        EXPECT_EQ(op.p1, QPointF(fc.curve[i - 1].x + 200, fc.curve[i - 1].y));
        EXPECT_EQ(op.p2, QPointF(fc.curve[i].x + 200, fc.curve[i].y));
        EXPECT_EQ(op.color, graph::curveColor());
    }

    // The square shows the forecast's aspects and segments, painted by the
    // square's one painter (its own tests look at the picture).
    EXPECT_EQ(f.find<aspects::AspectSquare>(QStringLiteral("Frame2"))->shown(),
              aspects::SquareLevels::of(fc));
}

}  // namespace

TEST(Window, ShowsEveryPartOfItsForecast) {
    // Three, five, six, seven and eight digits; a root painted red; all segments.
    const struct {
        int day, month;
        const char* year;
    } dates[] = {{1, 1, "1"},     {2, 1, "150"},    {3, 5, "1975"},
                 {23, 8, "1975"}, {31, 12, "9999"}, {28, 7, "1914"}};
    WindowFixture f;  // one window for all: nothing of one date may stay for the next
    for (const auto& d : dates) {
        SCOPED_TRACE(testing::Message() << d.day << "." << d.month << "." << d.year);
        f.calculate(d.day, d.month, QString::fromLatin1(d.year));
        ASSERT_TRUE(f.services.messages.empty());
        ASSERT_TRUE(f.window->forecast().has_value());
        EXPECT_EQ(f.window->forecast()->date.year, QString::fromLatin1(d.year));
        expectWindowShows(f, *f.window->forecast());
    }
}

TEST(Window, RefusedInputWarnsClearsTheGraphAndKeepsTheTable) {
    const struct {
        const char* what;
        const char* year;
        int dayIndex;  // -1: the day is taken away
        const char* text;
        const char* title;
        int monthIndex = 7;  // August, as calculated before
    } cases[] = {
        {"no day", "1975", -1, "Выберите месяц и год рождения!", "Введены не все данные"},
        {"29 February of a common year", "1900", 28, "Такой даты нет: 29 февраля 1900 года.",
         "Неверная дата рождения", 1},
        {"letters", "19a0", 22, "Год рождения нужно ввести цифрами: число от 1 до 9999.",
         "Неверный год рождения"},
        {"sign", "+5", 22, "Год рождения нужно ввести цифрами: число от 1 до 9999.",
         "Неверный год рождения"},
        {"empty", "", 22, "Год рождения нужно ввести цифрами: число от 1 до 9999.",
         "Неверный год рождения"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowFixture f;
        f.calculate(23, 8, QStringLiteral("1975"));
        f.day()->setCurrentIndex(c.dayIndex);
        f.month()->setCurrentIndex(c.monthIndex);
        f.year()->setText(QString::fromUtf8(c.year));
        f.pusk()->click();

        ASSERT_EQ(f.services.messages.size(), 1u);
        const platform::Message& m = f.services.messages[0];
        EXPECT_EQ(m.text, QString::fromUtf8(c.text));
        EXPECT_EQ(m.title, QString::fromUtf8(c.title));
        EXPECT_EQ(m.icon, platform::MessageIcon::Warning);
        EXPECT_EQ(m.helpContext, 80);

        EXPECT_FALSE(f.window->forecast().has_value());
        EXPECT_EQ(f.surface()->ops().size(), 80u);  // the grid alone
        EXPECT_EQ(f.label(QStringLiteral("LblPrc"))->text(), QStringLiteral("72%"));
        EXPECT_EQ(f.label(QStringLiteral("lblYear7_0"))->text(), QStringLiteral("1981"));
        EXPECT_FALSE(f.label(QStringLiteral("lblYear7_0"))->isHidden());
        for (int d = 0; d < 10; ++d) {
            EXPECT_EQ(platform::foreColor(f.label(QStringLiteral("OsY%1").arg(d))), kPlainAxis);
        }
        EXPECT_EQ(f.squareShows().count(u'o'), 0);
        EXPECT_EQ(f.squareShows().count(u'|'), 0);
    }
}

TEST(Window, RuntimeErrorBecomesAMessageAndTheWindowStaysUsable) {
    WindowFixture f;
    f.window->guarded([] { throw core::RuntimeError(core::RuntimeError::Kind::Overflow); });
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, QStringLiteral("Расчёт остановлен: Переполнение."));
    f.calculate(5, 5, QStringLiteral("1990"));
    EXPECT_EQ(f.label(QStringLiteral("LblPrc"))->text(), QStringLiteral("15%"));
}

TEST(Window, StartState) {
    WindowFixture f;
    EXPECT_FALSE(f.window->forecast().has_value());
    EXPECT_EQ(f.label(QStringLiteral("LblPrc"))->text(), QStringLiteral("00%"));
    EXPECT_EQ(f.year()->text(), QStringLiteral("1990"));
    EXPECT_EQ(f.day()->currentIndex(), -1);
    EXPECT_EQ(f.month()->currentIndex(), -1);
    EXPECT_FALSE(f.printButton()->isEnabled());
    EXPECT_FALSE(f.action("mpPrint")->isEnabled());
    EXPECT_EQ(f.surface()->ops().size(), 80u);
    EXPECT_FALSE(f.label(QStringLiteral("lblYear1_0"))->isVisibleTo(f.window.get()));
    EXPECT_EQ(f.window->findChild<QLabel*>(QStringLiteral("Image1")), nullptr);  // no hidden emblem
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("\"Zemtar - Прогноз\", Версия 1.4"));
}
