#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/controls.h"

#include "window_fixture.h"

namespace {

// Types into the year box key by key, as a user would, starting from an empty box.
void typeYear(ui::FrmMain& w, const QString& keys) {
    w.TxtYear->clear();
    QTest::keyClicks(w.TxtYear, keys);
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
        typeYear(*f.window, QString::fromLatin1(c.typed));
        EXPECT_EQ(f.window->TxtYear->text(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(f.services.messages.empty());
    }
}

TEST(YearInput, FifthCharacterIsRefused) {
    WindowFixture f;
    typeYear(*f.window, QStringLiteral("19901"));
    EXPECT_EQ(f.window->TxtYear->text(), QStringLiteral("1990"));
}

TEST(YearInput, ClickSelectsTheLastTwoDigits) {
    WindowFixture f;
    f.window->show();
    QTest::mouseClick(f.window->TxtYear, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(f.window->TxtYear->selectedText(), QStringLiteral("90"));
    // Two digits typed now replace the decade and the year.
    QTest::keyClicks(f.window->TxtYear, QStringLiteral("75"));
    EXPECT_EQ(f.window->TxtYear->text(), QStringLiteral("1975"));
}

TEST(PrintEnablement, FollowsTheCompletenessOfTheDate) {
    WindowFixture f;
    auto enabled = [&] {
        EXPECT_EQ(f.window->CmdPrint->isEnabled(), f.window->mpPrint->isEnabled());
        return f.window->CmdPrint->isEnabled();
    };
    EXPECT_FALSE(enabled());
    f.window->CboDay->setCurrentIndex(4);
    EXPECT_FALSE(enabled());
    f.window->CboMonth->setCurrentIndex(4);
    EXPECT_TRUE(enabled());
    f.window->TxtYear->clear();
    EXPECT_FALSE(enabled());
    typeYear(*f.window, QStringLiteral("19a0"));  // only emptiness counts
    EXPECT_TRUE(enabled());
}

TEST(RashNow, CalculatesForTheInjectedDate) {
    const struct { int y, m, d; } days[] = {{2026, 12, 31}, {2024, 2, 29}, {2026, 1, 1}};
    for (const auto& day : days) {
        SCOPED_TRACE(day.d);
        WindowFixture f;
        f.window->setToday([&] { return QDate(day.y, day.m, day.d); });
        f.window->mpDay->trigger();
        EXPECT_EQ(f.window->CboDay->currentIndex(), day.d - 1);
        EXPECT_EQ(f.window->CboDay->currentText(), QString::number(day.d));
        EXPECT_EQ(f.window->CboMonth->currentIndex(), day.m - 1);
        EXPECT_EQ(f.window->TxtYear->text(), QString::number(day.y));
        EXPECT_TRUE(f.window->CmdPrint->isEnabled());
        WindowFixture same;
        same.calculate(day.d, day.m, QString::number(day.y));
        EXPECT_EQ(ui::toJson(f.result()), ui::toJson(same.result()));
    }
}

TEST(Keyboard, EnterPressesTheCalculationExceptOnThePrintButton) {
    WindowFixture f;
    f.window->show();
    f.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    f.window->CboDay->setCurrentIndex(22);
    f.window->CboMonth->setCurrentIndex(7);
    QSignalSpy pusk(f.window->CmdPusk, &QPushButton::clicked);
    QSignalSpy print(f.window->CmdPrint, &QPushButton::clicked);
    // The print button would open the client dialog; count the click only.
    f.window->CmdPrint->disconnect(f.window.get());
    for (QWidget* w :
         {static_cast<QWidget*>(f.window->TxtYear), static_cast<QWidget*>(f.window->CboDay),
          static_cast<QWidget*>(f.window->CboMonth)}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
    }
    EXPECT_EQ(pusk.count(), 3);
    EXPECT_EQ(f.result().happiness, QStringLiteral("72%"));
    f.window->CmdPrint->setFocus();
    QTest::keyClick(f.window->CmdPrint, Qt::Key_Return);
    EXPECT_EQ(pusk.count(), 3);
    EXPECT_EQ(print.count(), 1);
}

TEST(Keyboard, TabOrderAndStartFocus) {
    WindowFixture f;
    f.window->show();
    f.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    EXPECT_EQ(QApplication::focusWidget(), f.window->CboDay);
    // Print is disabled at start, so Tab from "Расчёт" comes back to the day list.
    const QWidget* expected[] = {f.window->CboMonth, f.window->TxtYear, f.window->CmdPusk,
                                 f.window->CboDay};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    f.window->CboMonth->setCurrentIndex(0);
    f.window->CboDay->setCurrentIndex(0);
    f.window->CmdPusk->setFocus();
    QTest::keyClick(f.window->CmdPusk, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.window->CmdPrint);
    QTest::keyClick(f.window->CmdPrint, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.window->CboDay);
}

TEST(Link, HoverLookAndClickOpensTheAuthorsPage) {
    WindowFixture f;
    QLabel* link = f.window->LblUrl;
    EXPECT_EQ(platform::foreColor(link), QColor(128, 128, 255));
    EXPECT_FALSE(link->font().underline());
    QTest::mouseMove(link);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(platform::foreColor(link), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.window->surface(), &move);
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
        {f.window->mpPrint, "&Печать", "Ctrl+P"}, {f.window->mpExit, "В&ыход", "Ctrl+Q"},
        {f.window->mpRash, "Р&асчёт", "F9"},      {f.window->mpDay, "На сегодн&яшний день", ""},
        {f.window->mpCont, "Сод&ержание", "F1"},  {f.window->mpAbout, "&О программе", ""},
    };
    for (const auto& item : items) {
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(item.action->shortcut().toString(), QString::fromLatin1(item.shortcut));
    }
    EXPECT_EQ(f.window->mFile->title(), QStringLiteral("&Файл"));
    EXPECT_EQ(f.window->mProg->title(), QStringLiteral("Пр&огноз"));
    EXPECT_EQ(f.window->mHelp->title(), QStringLiteral("&Справка"));

    f.window->mpCont->trigger();
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
        {w.surface(), {0, w.surface()->y(), 505, 487}},
        {w.Shape1, {8, 12, 247, 457}},
        {w.OsY[9], {14, 20, 9, 16}},
        {w.OsY[0], {14, 260, 9, 16}},
        {w.lblYear[0][0], {24, 280, 24, 14}},
        {w.lblYear[1][0], {52, 281, 24, 13}},
        {w.lblYear[7][9], {220, 442, 24, 14}},
        {w.LblPrc, {336, 130, 34, 19}},
        {w.Frame1, {282, 168, 203, 111}},
        {w.CboDay, {58, 22, 47, 21}},
        {w.CboMonth, {58, 48, 115, 21}},
        {w.TxtYear, {58, 74, 47, 21}},
        {w.CmdPusk, {282, 320, 203, 33}},
        {w.CmdPrint, {282, 368, 203, 33}},
        {w.LblUrl, {298, 426, 175, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widget->objectName().toStdString());
        EXPECT_EQ(c.widget->geometry(), c.px);
    }
    EXPECT_EQ(w.CmdPusk->toolTip(),
              QStringLiteral("Расчёт и отображение анализа распределения жизненных сил по годам"));
    EXPECT_EQ(w.LblUrl->toolTip(), QStringLiteral("Посетить сайт автора"));
    EXPECT_EQ(w.TxtYear->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
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
    f.window->mpAbout->trigger();
    EXPECT_EQ(opened, QStringLiteral("ui::FrmAbout"));
    ASSERT_EQ(media.played.size(), 1u);
    EXPECT_TRUE(media.played[0].endsWith(QStringLiteral("/001.dat")));
    EXPECT_FALSE(media.playing);
}
