#include <gtest/gtest.h>

#include "pdf_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

#include "graph/comparison_chart.h"
#include "platform/user_settings.h"
#include "ui/compare_window.h"
#include "window_fixture.h"

using platform::DrawOp;

namespace {

const ui::PersonEntry kIvan{{23, 7, QStringLiteral("1975")}, QStringLiteral("Иван")};
const ui::PersonEntry kMaria{{5, 4, QStringLiteral("1990")}, QStringLiteral("Мария")};

// The people the window remembers go to a settings file of the test's own.
struct TestSettings {
    QTemporaryDir dir;
    TestSettings() { platform::setUserSettingsFile(dir.filePath(QStringLiteral("zemtar.conf"))); }
    ~TestSettings() { platform::setUserSettingsFile(QString()); }
};

struct CompareFixture {
    TestSettings settings;
    platform::RecordingServices services;
    ui::CompareWindow window{services};

    explicit CompareFixture(int thisYear = 2026) {
        window.setToday([thisYear] { return QDate(thisYear, 6, 1); });
        window.resize(900, 640);
        window.show();
        window.setPerson(0, kIvan);
        window.setPerson(1, kMaria);
    }
    template <typename T>
    T* find(const QString& name) const {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
};

std::vector<const DrawOp*> ofColor(const std::vector<DrawOp>& ops, DrawOp::Kind kind,
                                   const QColor& color) {
    std::vector<const DrawOp*> found;
    for (const DrawOp& op : ops) {
        if (op.kind == kind && op.color == color) {
            found.push_back(&op);
        }
    }
    return found;
}

}  // namespace

// Each person's dots, read left to right, stand higher exactly where the level
// is higher: the drawing says what the comparison says, year by year.
TEST(CompareWindow, CurvesFollowEachPersonsLevels) {
    const struct {
        long long from, to;
        bool thisYearMarked;
    } spans[] = {{2026, 2046, true}, {1980, 2000, false}, {1975, 2040, true}};
    CompareFixture f;
    for (const auto& span : spans) {
        SCOPED_TRACE(span.from);
        f.window.setSpan(span.from, span.to);
        ASSERT_TRUE(f.window.comparison().has_value());
        const core::Comparison& c = *f.window.comparison();
        ASSERT_EQ(c.toYear, span.to);
        const QColor colors[] = {graph::firstPersonColor(), graph::secondPersonColor()};
        for (int k = 0; k < 2; ++k) {
            std::vector<const DrawOp*> dots =
                ofColor(f.window.chartOps(), DrawOp::Kind::Point, colors[k]);
            std::sort(dots.begin(), dots.end(),
                      [](auto a, auto b) { return a->p1.x() < b->p1.x(); });
            std::vector<int> levels;
            for (const core::ComparedYear& y : c.years) {
                if (const auto level = k == 0 ? y.first : y.second) {
                    levels.push_back(*level);
                }
            }
            ASSERT_EQ(dots.size(), levels.size());
            for (std::size_t i = 0; i + 1 < dots.size(); ++i) {
                EXPECT_EQ(dots[i]->p1.y() < dots[i + 1]->p1.y(), levels[i] > levels[i + 1]) << i;
                EXPECT_EQ(dots[i]->p1.y() == dots[i + 1]->p1.y(), levels[i] == levels[i + 1]) << i;
            }
        }
        // The legend's mark, and one mark a shared high; this year's line only in its span.
        EXPECT_EQ(
            ofColor(f.window.chartOps(), DrawOp::Kind::Line, graph::bothHighestColor()).size(),
            c.bothHighest.size() + 1);
        EXPECT_EQ(ofColor(f.window.chartOps(), DrawOp::Kind::Line, graph::thisYearColor()).size(),
                  span.thisYearMarked ? 2U : 0U);
    }
}

TEST(CompareWindow, SpanNeverReversedNorLongerThanAllowed) {
    CompareFixture f;
    auto* from = f.find<QSpinBox>(QStringLiteral("CompareFrom"));
    auto* to = f.find<QSpinBox>(QStringLiteral("CompareTo"));
    EXPECT_EQ(from->value(), 2026);
    EXPECT_EQ(to->value(), 2046);
    from->setValue(2030);  // inside the span: the last year stays
    EXPECT_EQ(to->value(), 2046);
    from->setValue(2050);  // past it: the span moves along
    EXPECT_EQ(to->value(), 2070);
    from->selectAll();
    QTest::keyClicks(from, QStringLiteral("2040"));  // typed digit by digit
    EXPECT_EQ(to->value(), 2070);
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(from->value(), 2040);
    EXPECT_EQ(to->value(), 2070);
    to->setValue(9000);
    EXPECT_EQ(to->value(), 2040 + core::kLongestSpan - 1);
    EXPECT_EQ(f.window.comparison()->years.size(), static_cast<std::size_t>(core::kLongestSpan));
}

TEST(CompareWindow, RefusedDateIsToldInTheWindowAndStopsThePage) {
    CompareFixture f;
    f.window.setPerson(1, {{5, 4, QStringLiteral("19x0")}, QString()});
    EXPECT_FALSE(f.window.comparison().has_value());
    const QLabel* problem = f.find<QLabel>(QStringLiteral("CompareProblem"));
    EXPECT_FALSE(problem->isHidden());
    EXPECT_TRUE(
        problem->text().startsWith(QStringLiteral("Второй: Год рождения нужно ввести цифрами")));
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("CompareSavePdf"))->isEnabled());
    EXPECT_TRUE(f.services.messages.empty());  // no box blocks the user
    f.window.setPerson(1, kMaria);
    EXPECT_TRUE(problem->isHidden());
    EXPECT_TRUE(f.find<QPushButton>(QStringLiteral("CompareSavePdf"))->isEnabled());
}

TEST(CompareWindow, SharedAspectsAndExtremesListedAndMarked) {
    CompareFixture f;
    const core::Comparison& c = *f.window.comparison();
    const auto common = std::count(c.commonAspects.begin(), c.commonAspects.end(), true);
    // 23.08.1975 and 5.05.1990 share Биополе, Связь с землёй, Любовь, Интерес, Карьера.
    EXPECT_EQ(common, 5);
    // A frame of four lines round each shared aspect, in both squares.
    EXPECT_EQ(ofColor(f.window.squareOps(), DrawOp::Kind::Line, graph::bothHighestColor()).size(),
              static_cast<std::size_t>(common) * 4 * 2);
    const QString shared = f.find<QLabel>(QStringLiteral("CompareShared"))->text();
    EXPECT_TRUE(shared.contains(QStringLiteral("Любовь")));
    EXPECT_TRUE(shared.contains(QStringLiteral("Оба на своём максимуме: нет")));
    EXPECT_TRUE(
        f.find<QLabel>(QStringLiteral("CompareFigures2"))->text().contains(QStringLiteral("15%")));
}

// A name is text, never a place for the figures: «%1»…«%9» in it stay as typed
// and the figures after it are the person's own.
TEST(CompareWindow, NamesWithPlaceholdersLeaveTheFiguresAsTheyAre) {
    CompareFixture f;
    const QLabel* figures = f.find<QLabel>(QStringLiteral("CompareFigures1"));
    const QString plain = figures->text();
    ASSERT_TRUE(plain.startsWith(kIvan.name));
    for (const QString name : {"%1", "%4", "%1%2%3%4%5%6%7%8%9", "%9 %8 %7", "100%"}) {
        f.window.setPerson(0, {kIvan.date, name});
        EXPECT_EQ(figures->text().toStdString(),
                  (name + plain.mid(kIvan.name.size())).toStdString());
    }
}

TEST(CompareWindow, SavesThePageWholeOrSaysWhy) {
    CompareFixture f;
    QTemporaryDir dir;
    const struct {
        QString path;
        bool written;
    } cases[] = {{dir.filePath(QStringLiteral("пара.pdf")), true},
                 {dir.filePath(QStringLiteral("нет/пара.pdf")), false}};
    // The page carries the practitioner's letterhead as the report does.
    f.window.setLetterhead(print::Letterhead{"Анна Сергеевна", {"+7 900 000-00-00"}, {}});
    for (const auto& c : cases) {
        f.services.messages.clear();
        f.window.setAskFileName([&c](QWidget*, const QString&) { return c.path; });
        f.find<QPushButton>(QStringLiteral("CompareSavePdf"))->click();
        QFile file(c.path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-", c.written);
        ASSERT_EQ(f.services.messages.size(), c.written ? 0U : 1U);
        if (!c.written) {
            EXPECT_TRUE(f.services.messages[0].text.contains(c.path));
            continue;
        }
        const QString page = pdfText(c.path);
        EXPECT_TRUE(page.contains(QStringLiteral("Анна Сергеевна"))) << page.toStdString();
        EXPECT_FALSE(page.contains(QStringLiteral("E-Mail"))) << page.toStdString();
    }
}

TEST(CompareWindow, PreviewDrawsTheSamePage) {
    CompareFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("просмотр.pdf"));
    f.window.setShowPreview([&path](QWidget*, QPrinter& printer, const auto& paint) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        paint(&printer);
        return false;
    });
    f.find<QPushButton>(QStringLiteral("ComparePreview"))->click();
    EXPECT_TRUE(f.services.messages.empty());
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

// From the main window: Ctrl+D, even from the year box, opens the comparison
// beside it with the date the window calculated, and it fits the screen.
TEST(CompareWindow, OpensFromTheMainWindowWithItsDate) {
    TestSettings settings;
    WindowFixture main;
    main.calculate(23, 8, QStringLiteral("1975"));
    main.window->show();
    main.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window.get()));
    main.year()->setFocus();
    QTest::keyClick(main.year(), Qt::Key_D, Qt::ControlModifier);
    auto* compare = main.window->findChild<ui::CompareWindow*>();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(main.year()->text(), QStringLiteral("1975"));  // the key deleted nothing
    EXPECT_FALSE(compare->isModal());
    EXPECT_TRUE(compare->isVisible());
    EXPECT_EQ(compare->findChild<QLineEdit*>(QStringLiteral("CompareYear1"))->text(),
              QStringLiteral("1975"));
    EXPECT_FALSE(compare->comparison().has_value());  // the second person is still to come
    const QSize room = compare->screen()->availableGeometry().size();
    EXPECT_LE(compare->frameGeometry().width(), room.width());
    EXPECT_LE(compare->frameGeometry().height(), room.height());
    // Closed with both people and opened again after another calculation:
    // the people are as they were left.
    compare->setPerson(1, kMaria);
    compare->close();  // as Escape does
    EXPECT_TRUE(compare->isHidden());
    main.calculate(5, 5, QStringLiteral("1990"));
    main.action("mpCompare")->trigger();
    EXPECT_EQ(compare->personEntry(0).date.year, QStringLiteral("1975"));
    EXPECT_EQ(compare->personEntry(1).name, kMaria.name);
    compare->close();
}

// The window opens with the first name to type and nothing to complain of;
// a date is told about once the user has been at it, a name that would
// print mirrored at once.
TEST(CompareWindow, FocusFirstAndMessagesOnlyForWhatWasTouched) {
    TestSettings settings;
    platform::RecordingServices services;
    ui::CompareWindow window(services);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QLineEdit*>("CompareName1"));
    const auto* problem = window.findChild<QLabel*>(QStringLiteral("CompareProblem"));
    EXPECT_TRUE(problem->isHidden());
    const struct {
        std::function<void()> act;
        const char* told;  // empty: nothing
    } steps[] = {
        {[&] { window.findChild<QLineEdit*>("CompareName2")->setText("Мария"); }, ""},
        {[&] { window.findChild<QComboBox*>("CompareDay2")->setCurrentIndex(4); },
         "Второй: Выберите месяц и год рождения!"},
        {[&] { window.setPerson(1, kMaria); }, ""},
        {[&] {
             window.setPerson(0, {{31, 1, "1985"}, "Иван"});
         },
         "Первый: Такой даты нет: 31 февраля 1985 года."},
        {[&] {
             window.setPerson(0, {kIvan.date, "\u202EИван"});
         },
         "Первый: В поле «Имя» есть знак смены направления письма (U+202E): уберите его."},
        {[&] { window.setPerson(0, kIvan); }, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.told);
        step.act();
        EXPECT_EQ(problem->isHidden() ? QString() : problem->text(), QString::fromUtf8(step.told));
    }
    EXPECT_TRUE(window.comparison().has_value());
}

// Names are whole over the squares where they fit, and cut short with the
// whole names in the tip where they do not; a new window brings back the
// last two people, whatever they were called.
TEST(CompareWindow, WholeNamesOverTheSquaresAndTheLastPeopleRemembered) {
    TestSettings settings;
    platform::RecordingServices services;
    const QString names[] = {"Волков Игорь Петрович", "Константинопольская Александра Вениаминовна",
                             "Иван «%1» & + ; = ?"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        {
            ui::CompareWindow window(services);
            window.setPerson(0, kIvan);
            window.setPerson(1, {kMaria.date, name});
            QStringList titles;
            for (const DrawOp& op : window.squareOps()) {
                if (op.kind == DrawOp::Kind::Text && op.fontSize == 8) {
                    titles << op.text;
                }
            }
            ASSERT_EQ(titles.size(), 2);
            const bool cut = name.size() > 30;
            EXPECT_EQ(titles[1], cut ? titles[1].chopped(1) + u'…' : name);
            EXPECT_TRUE(name.startsWith(cut ? titles[1].chopped(1) : titles[1]));
            const QString tip = window.findChild<QWidget*>("CompareSquares")->toolTip();
            EXPECT_EQ(tip, cut ? "Первый: Иван\nВторой: " + name : QString());
        }
        ui::CompareWindow again(services);
        EXPECT_EQ(again.personEntry(0).name, kIvan.name);
        EXPECT_EQ(again.personEntry(0).date.day, kIvan.date.day);
        EXPECT_EQ(again.personEntry(1).name, name);
        EXPECT_EQ(again.personEntry(1).date.monthIndex, kMaria.date.monthIndex);
        EXPECT_TRUE(again.comparison().has_value());
    }
}

// «С толкованием» adds the pages of the pair's texts after the comparison's,
// and the next window comes with the box as it was left.
TEST(CompareWindow, WithTextsAddsTheirPagesAndIsRemembered) {
    CompareFixture f;
    QTemporaryDir dir;
    auto* box = f.find<QCheckBox>(QStringLiteral("CompareWithTexts"));
    EXPECT_FALSE(box->isChecked());
    for (const bool on : {true, false}) {
        box->setChecked(on);
        const QString path = dir.filePath(on ? QStringLiteral("с.pdf") : QStringLiteral("без.pdf"));
        f.window.setAskFileName([&path](QWidget*, const QString&) { return path; });
        f.find<QPushButton>(QStringLiteral("CompareSavePdf"))->click();
        const QString pages = pdfText(path);
        EXPECT_TRUE(pages.contains(QStringLiteral("Сравнение двух прогнозов")));
        EXPECT_EQ(pages.contains(QStringLiteral("Вы вдвоём: Иван и Мария")), on);
        EXPECT_EQ(pages.contains(QStringLiteral("Страница 2 из")), on);
        platform::RecordingServices services;
        ui::CompareWindow next(services);
        EXPECT_EQ(next.findChild<QCheckBox*>(QStringLiteral("CompareWithTexts"))->isChecked(), on);
    }
}
