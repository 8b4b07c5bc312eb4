#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/forecast_text.h"
#include "platform/controls.h"
#include "platform/media_player.h"
#include "platform/translations.h"
#include "print/delivery.h"

#include "window_fixture.h"

namespace {

// Types into the year box key by key, as a user would, starting from an empty box.
void typeYear(const WindowFixture& f, const QString& keys) {
    f.year()->clear();
    QTest::keyClicks(f.year(), keys);
}

}  // namespace

TEST(YearInput, OutOfRangeNumbersFallBackToTheDefaultYear) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"0", "1990"},    {"-1", "1990"},  {"9999", "9999"}, {"1", "1"},   {"-", "-"},
        {"19a0", "19a0"}, {"1e5", "1990"}, {"0.5", "1990"},  {"12", "12"}, {"+", "+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        WindowFixture f;
        typeYear(f, QString::fromLatin1(c.typed));
        EXPECT_EQ(f.year()->text(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(f.services.messages.empty());
    }
}

TEST(YearInput, FifthCharacterIsRefused) {
    WindowFixture f;
    typeYear(f, QStringLiteral("19901"));
    EXPECT_EQ(f.year()->text(), QStringLiteral("1990"));
}

TEST(YearInput, ClickSelectsTheLastTwoDigits) {
    WindowFixture f;
    f.window->show();
    QTest::mouseClick(f.year(), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(f.year()->selectedText(), QStringLiteral("90"));
    // Two digits typed now replace the decade and the year.
    QTest::keyClicks(f.year(), QStringLiteral("75"));
    EXPECT_EQ(f.year()->text(), QStringLiteral("1975"));
}

TEST(PrintEnablement, FollowsTheCompletenessOfTheDate) {
    WindowFixture f;
    auto enabled = [&] {
        EXPECT_EQ(f.printButton()->isEnabled(), f.action("mpPrint")->isEnabled());
        return f.printButton()->isEnabled();
    };
    EXPECT_FALSE(enabled());
    f.day()->setCurrentIndex(4);
    EXPECT_FALSE(enabled());
    f.month()->setCurrentIndex(4);
    EXPECT_TRUE(enabled());
    f.year()->clear();
    EXPECT_FALSE(enabled());
    typeYear(f, QStringLiteral("19a0"));  // only emptiness counts
    EXPECT_TRUE(enabled());
}

TEST(TodayCommand, CalculatesForTheInjectedDate) {
    const struct { int y, m, d; } days[] = {{2026, 12, 31}, {2024, 2, 29}, {2026, 1, 1}};
    for (const auto& day : days) {
        SCOPED_TRACE(day.d);
        WindowFixture f;
        f.window->setToday([&] { return QDate(day.y, day.m, day.d); });
        f.action("mpDay")->trigger();
        EXPECT_EQ(f.day()->currentIndex(), day.d - 1);
        EXPECT_EQ(f.day()->currentText(), QString::number(day.d));
        EXPECT_EQ(f.month()->currentIndex(), day.m - 1);
        EXPECT_EQ(f.year()->text(), QString::number(day.y));
        EXPECT_TRUE(f.printButton()->isEnabled());
        WindowFixture same;
        same.calculate(day.d, day.m, QString::number(day.y));
        ASSERT_TRUE(f.window->forecast() && same.window->forecast());
        EXPECT_EQ(core::toJson(*f.window->forecast()), core::toJson(*same.window->forecast()));
    }
}

TEST(Keyboard, EnterPressesTheCalculationExceptOnThePrintButton) {
    WindowFixture f;
    f.window->show();
    f.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    f.day()->setCurrentIndex(22);
    f.month()->setCurrentIndex(7);
    QSignalSpy pusk(f.pusk(), &QPushButton::clicked);
    QSignalSpy print(f.printButton(), &QPushButton::clicked);
    // The print button would open the client dialog; count the click only.
    f.printButton()->disconnect(f.window.get());
    for (QWidget* w : {static_cast<QWidget*>(f.year()), static_cast<QWidget*>(f.day()),
                       static_cast<QWidget*>(f.month())}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
    }
    EXPECT_EQ(pusk.count(), 3);
    EXPECT_EQ(f.window->forecast()->happinessPercent, 72);
    f.printButton()->setFocus();
    QTest::keyClick(f.printButton(), Qt::Key_Return);
    EXPECT_EQ(pusk.count(), 3);
    EXPECT_EQ(print.count(), 1);
}

TEST(Keyboard, TabOrderAndStartFocus) {
    WindowFixture f;
    f.window->show();
    f.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    EXPECT_EQ(QApplication::focusWidget(), f.day());
    // After "Расчёт" the square's nine digits; print is disabled at start, so
    // Tab from the last digit comes back to the day list.
    std::vector<const QWidget*> expected{f.month(), f.year(), f.pusk()};
    for (int i = 0; i < 9; ++i) {
        expected.push_back(f.label(QStringLiteral("LblDat%1").arg(i)));
    }
    expected.push_back(f.day());
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    f.month()->setCurrentIndex(0);
    f.day()->setCurrentIndex(0);
    f.label(QStringLiteral("LblDat8"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.printButton());
    QTest::keyClick(f.printButton(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.day());
}

TEST(Link, HoverLookAndClickOpensTheAuthorsPage) {
    WindowFixture f;
    QLabel* link = f.label(QStringLiteral("LblUrl"));
    EXPECT_EQ(platform::foreColor(link), QColor(128, 128, 255));
    EXPECT_FALSE(link->font().underline());
    QTest::mouseMove(link);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(platform::foreColor(link), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.surface(), &move);
    EXPECT_EQ(platform::foreColor(link), QColor(128, 128, 255));
    EXPECT_FALSE(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(f.services.addresses.size(), 1u);
    EXPECT_TRUE(f.services.addresses[0].startsWith(QStringLiteral("http")));
}

TEST(Menus, CaptionsShortcutsAndHelp) {
    WindowFixture f;
    const struct {
        QAction* action;
        const char* text;
        const char* shortcut;
    } items[] = {
        {f.action("mpPrint"), "&Печать", "Ctrl+P"},
        {f.action("mpExit"), "В&ыход", "Ctrl+Q"},
        {f.action("mpRash"), "Р&асчёт", "F9"},
        {f.action("mpDay"), "На сегодн&яшний день", ""},
        {f.action("mpCont"), "Сод&ержание", "F1"},
        {f.action("mpAbout"), "&О программе", ""},
        {f.action("mpPreview"), "Предварительный про&смотр…", ""},
        {f.action("mpSavePdf"), "Сохранить &отчёт в PDF…", "Ctrl+S"},
        {f.action("mpSaveImage"), "Сохранить &изображение…", "Ctrl+Shift+S"},
        {f.action("mpCopy"), "&Копировать", "Ctrl+C"},
        {f.action("mpMarkYear"), "Отмечать &текущий год", ""},
    };
    for (const auto& item : items) {
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(item.action->shortcut().toString(), QString::fromLatin1(item.shortcut));
    }
    EXPECT_EQ(f.find<QMenu>(QStringLiteral("mFile"))->title(), QStringLiteral("&Файл"));
    EXPECT_EQ(f.find<QMenu>(QStringLiteral("mEdit"))->title(), QStringLiteral("&Правка"));
    EXPECT_EQ(f.find<QMenu>(QStringLiteral("mProg"))->title(), QStringLiteral("Пр&огноз"));
    EXPECT_EQ(f.find<QMenu>(QStringLiteral("mHelp"))->title(), QStringLiteral("&Справка"));

    f.action("mpCont")->trigger();
    f.window->close();
    ASSERT_EQ(f.services.helpCalls.size(), 2u);
    EXPECT_EQ(f.services.helpCalls[0].first, platform::HelpCommand::Contents);
    EXPECT_EQ(f.services.helpCalls[1].first, platform::HelpCommand::Quit);
}

TEST(Layout, ControlsStandWhereTheDesignPutsThem) {
    WindowFixture f;
    ui::FrmMain& w = *f.window;
    const struct {
        QWidget* widget;
        QRect px;
    } cases[] = {
        {f.surface(), {0, f.surface()->y(), 505, 487}},
        {f.find<QWidget>(QStringLiteral("Shape1")), {8, 12, 247, 457}},
        {f.label(QStringLiteral("OsY9")), {14, 20, 9, 16}},
        {f.label(QStringLiteral("OsY0")), {14, 260, 9, 16}},
        {f.label(QStringLiteral("lblYear1_0")), {24, 280, 24, 14}},
        {f.label(QStringLiteral("lblYear2_0")), {52, 281, 24, 13}},
        {f.label(QStringLiteral("lblYear8_9")), {220, 442, 24, 14}},
        {f.label(QStringLiteral("LblPrc")), {336, 130, 34, 19}},
        {f.find<QWidget>(QStringLiteral("Frame1")), {282, 168, 203, 111}},
        {f.day(), {58, 22, 47, 21}},
        {f.month(), {58, 48, 115, 21}},
        {f.year(), {58, 74, 47, 21}},
        {f.pusk(), {282, 320, 203, 33}},
        {f.printButton(), {282, 368, 203, 33}},
        {f.label(QStringLiteral("LblUrl")), {298, 426, 175, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widget->objectName().toStdString());
        EXPECT_EQ(c.widget->geometry(), c.px);
    }
    EXPECT_EQ(f.pusk()->toolTip(),
              QStringLiteral("Расчёт и отображение анализа распределения жизненных сил по годам"));
    EXPECT_EQ(f.label(QStringLiteral("LblUrl"))->toolTip(), QStringLiteral("Посетить сайт автора"));
    EXPECT_EQ(f.year()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
}

// The word after the percentage shows whole in every language: where it is
// longer than the design's box it reaches further right, never past the
// window's edge, and never moves away from the percentage.
TEST(Layout, HappinessCaptionShowsWholeInEveryLanguage) {
    const struct {
        const char* code;
        const char* word;
    } cases[] = {{"ru", "счастья"}, {"uk", "щастя"}, {"en", "happiness"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_TRUE(platform::installCatalogues(QString::fromLatin1(c.code)));
        WindowFixture f;
        const QLabel* caption = f.label(QStringLiteral("Label4"));
        EXPECT_EQ(caption->text(), QString::fromUtf8(c.word));
        EXPECT_EQ(caption->pos(), QPoint(376, 130));
        EXPECT_GE(caption->width(), std::max(59, caption->sizeHint().width()));
        EXPECT_LE(caption->geometry().right(), f.surface()->width() - 1);
    }
    platform::installCatalogues(QStringLiteral("ru"));
}

TEST(Menus, AboutOpensModallyAndPlaysTheTune) {
    WindowFixture f;
    platform::RecordingMediaPlayer media;
    f.window->setMediaPlayer(&media);
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(about->metaObject()->className());
            about->close();
        }
    });
    f.action("mpAbout")->trigger();
    EXPECT_EQ(opened, QStringLiteral("ui::FrmAbout"));
    ASSERT_EQ(media.played.size(), 1u);
    EXPECT_TRUE(media.played[0].endsWith(QStringLiteral("/001.dat")));
    EXPECT_FALSE(media.playing);
}
