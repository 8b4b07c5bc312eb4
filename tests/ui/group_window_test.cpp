#include <gtest/gtest.h>

#include "pdf_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

#include "graph/group_chart.h"
#include "platform/user_settings.h"
#include "print/language_box.h"
#include "ui/group/group_window.h"
#include "window_fixture.h"

using platform::DrawOp;

namespace {

core::Person personOf(const char* surname, const char* name, core::BirthDate date) {
    core::Person p;
    p.names = {QString::fromUtf8(surname), QString::fromUtf8(name), QString()};
    p.birthDate = std::move(date);
    return p;
}

const core::Person kIvan = personOf("", "Иван", {23, 7, QStringLiteral("1975")});
const core::Person kMaria = personOf("", "Мария", {5, 4, QStringLiteral("1990")});
// A family of four.
const std::vector<core::Person> kFamily{
    personOf("Волков", "Игорь", {23, 7, QStringLiteral("1975")}),
    personOf("Волкова", "Мария", {5, 3, QStringLiteral("1978")}),
    personOf("Волков", "Андрей", {12, 11, QStringLiteral("2005")}),
    personOf("Волкова", "Оля", {1, 5, QStringLiteral("2010")})};

// The people the window remembers go to a settings file of the test's own.
struct TestSettings {
    QTemporaryDir dir;
    TestSettings() { platform::setUserSettingsFile(dir.filePath(QStringLiteral("zemtar.conf"))); }
    ~TestSettings() { platform::setUserSettingsFile(QString()); }
};

struct GroupFixture {
    TestSettings settings;
    platform::RecordingServices services;
    ui::GroupWindow window{services};

    explicit GroupFixture(int thisYear = 2026) {
        window.setToday([thisYear] { return QDate(thisYear, 6, 1); });
        window.resize(900, 640);
        window.show();
        window.setPeople({kIvan, kMaria});
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

// The first member's dots, read left to right, stand higher exactly where
// the level is higher; every member has a curve; the shared highs are marked
// and this year's line stands only in its span.
TEST(GroupWindow, CurvesFollowEachPersonsLevels) {
    const struct {
        long long from, to;
        bool thisYearMarked;
    } spans[] = {{2026, 2046, true}, {1980, 2000, false}, {1975, 2040, true}};
    GroupFixture f;
    for (const auto& people : {std::vector<core::Person>{kIvan, kMaria}, kFamily}) {
        f.window.setPeople(people);
        for (const auto& span : spans) {
            SCOPED_TRACE(span.from);
            f.window.setSpan({span.from, span.to});
            ASSERT_TRUE(f.window.group().has_value());
            const core::Group& g = *f.window.group();
            ASSERT_EQ(g.size(), int(people.size()));
            ASSERT_EQ(g.span.to, span.to);
            std::vector<const DrawOp*> dots =
                ofColor(f.window.chartOps(), DrawOp::Kind::Point, graph::memberStyle(0).color);
            // The legend's sample stands above the plot.
            std::sort(dots.begin(), dots.end(),
                      [](auto a, auto b) { return a->p1.y() < b->p1.y(); });
            dots.erase(dots.begin());
            std::sort(dots.begin(), dots.end(),
                      [](auto a, auto b) { return a->p1.x() < b->p1.x(); });
            std::vector<int> levels;
            for (const core::GroupYear& y : g.years) {
                if (y.levels[0]) {
                    levels.push_back(*y.levels[0]);
                }
            }
            ASSERT_EQ(dots.size(), levels.size());
            for (std::size_t i = 0; i + 1 < dots.size(); ++i) {
                EXPECT_EQ(dots[i]->p1.y() < dots[i + 1]->p1.y(), levels[i] > levels[i + 1]) << i;
            }
            for (int k = 1; k < g.size(); ++k) {
                EXPECT_GT(
                    ofColor(f.window.chartOps(), DrawOp::Kind::Line, graph::memberStyle(k).color)
                        .size(),
                    0U);
            }
            // The legend's mark, and one mark a shared high; this year's line only in its span.
            EXPECT_EQ(
                ofColor(f.window.chartOps(), DrawOp::Kind::Line, graph::allHighestColor()).size(),
                g.allHighest.size() + 1);
            EXPECT_EQ(
                ofColor(f.window.chartOps(), DrawOp::Kind::Line, graph::thisYearColor()).size(),
                span.thisYearMarked ? 2U : 0U);
        }
    }
}

TEST(GroupWindow, SpanNeverReversedNorLongerThanAllowed) {
    GroupFixture f;
    auto* from = f.find<QSpinBox>(QStringLiteral("GroupFrom"));
    auto* to = f.find<QSpinBox>(QStringLiteral("GroupTo"));
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
    EXPECT_EQ(f.window.group()->years.size(), static_cast<std::size_t>(core::kLongestSpan));
}

// A date refused in one row is told in the window; the group goes on with
// the others while there are two, and the page waits for two.
TEST(GroupWindow, RefusedDateIsToldAndLeavesItsRowOut) {
    GroupFixture f;
    f.window.setPeople(kFamily);
    core::Person wrong = kFamily[2];
    wrong.birthDate.year = QStringLiteral("19x0");
    f.window.setPerson(2, wrong);
    const QLabel* problem = f.find<QLabel>(QStringLiteral("GroupProblem"));
    EXPECT_FALSE(problem->isHidden());
    EXPECT_TRUE(
        problem->text().startsWith(QStringLiteral("Третий: Год рождения нужно ввести цифрами")));
    ASSERT_TRUE(f.window.group().has_value());
    EXPECT_EQ(f.window.memberRows(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(f.find<QLabel>(QStringLiteral("GroupFigures3"))->text(),
              QStringLiteral("нет прогноза"));
    EXPECT_TRUE(f.find<QPushButton>(QStringLiteral("GroupSavePdf"))->isEnabled());
    f.window.setPeople({kIvan, wrong});
    EXPECT_FALSE(f.window.group().has_value());
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("GroupSavePdf"))->isEnabled());
    EXPECT_TRUE(f.services.messages.empty());  // no box blocks the user
    f.window.setPerson(1, kMaria);
    EXPECT_TRUE(problem->isHidden());
    EXPECT_TRUE(f.find<QPushButton>(QStringLiteral("GroupSavePdf"))->isEnabled());
}

// Two people read as the comparison always has; a family lists who has the
// aspects only some have, and its squares lay the shared ones on green.
TEST(GroupWindow, SharedAspectsAndExtremesListedAndMarked) {
    GroupFixture f;
    const core::Group& pair = *f.window.group();
    // 23.08.1975 and 5.05.1990 share Биополе, Связь с землёй, Любовь, Интерес, Карьера.
    EXPECT_EQ(core::sharedAspectNames(pair).size(), 5);
    const QLabel* shared = f.find<QLabel>(QStringLiteral("GroupShared"));
    EXPECT_TRUE(shared->text().contains(QStringLiteral("Любовь")));
    EXPECT_TRUE(shared->text().contains(QStringLiteral("Оба на своём максимуме: нет")));
    EXPECT_TRUE(
        f.find<QLabel>(QStringLiteral("GroupFigures2"))->text().contains(QStringLiteral("15%")));
    f.window.setPeople(kFamily);
    const core::Group& family = *f.window.group();
    EXPECT_TRUE(shared->text().contains(QStringLiteral("Все на своём максимуме: ")));
    for (const QString& line :
         core::partlySharedAspects(family, core::ReportLanguage::Russian, true)) {
        EXPECT_TRUE(shared->text().contains(line)) << line.toStdString();
    }
    // One square a person, each painted by the square's one painter with the shared aspects marked.
    std::vector<const DrawOp*> squares;
    for (const DrawOp& op : f.window.squareOps()) {
        if (op.kind == DrawOp::Kind::Painted) {
            squares.push_back(&op);
        }
    }
    ASSERT_EQ(squares.size(), 4U);
    QImage image(squares[0]->rect.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-squares[0]->rect.topLeft());
    squares[0]->paint(painter, squares[0]->rect);
    int pale = 0;  // the shared aspects' ground
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pale += image.pixelColor(x, y) == QColor(205, 238, 205) ? 1 : 0;
        }
    }
    EXPECT_EQ(pale > 0, !core::sharedAspectNames(family).isEmpty());
}

// Rows come and go: up to six, never fewer than two, each person's inputs
// moving up when a row above goes.
TEST(GroupWindow, RowsAreAddedAndRemovedWithinTwoToSix) {
    GroupFixture f;
    auto* add = f.find<QPushButton>(QStringLiteral("GroupAdd"));
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("GroupRemove1"))->isEnabled());
    for (int n = 3; n <= core::kGroupMost; ++n) {
        add->click();
        EXPECT_EQ(f.window.rowCount(), n);
    }
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(f.window.addPerson());
    f.window.setPeople(kFamily);
    EXPECT_EQ(f.window.rowCount(), 4);
    f.find<QPushButton>(QStringLiteral("GroupRemove2"))->click();
    QApplication::processEvents();
    EXPECT_EQ(f.window.rowCount(), 3);
    EXPECT_EQ(f.window.person(1), kFamily[2]);
    EXPECT_EQ(f.find<QLineEdit>(QStringLiteral("GroupName2"))->text(), QStringLiteral("Андрей"));
    EXPECT_EQ(f.window.group()->size(), 3);
}

// A name is text, never a place for the figures: «%1»…«%9» in it stay as typed
// and the figures beside it are the person's own.
TEST(GroupWindow, NamesWithPlaceholdersLeaveTheFiguresAsTheyAre) {
    GroupFixture f;
    const QLabel* figures = f.find<QLabel>(QStringLiteral("GroupFigures1"));
    const QString plain = figures->text();
    for (const char* name : {"%1", "%4", "%1%2%3%4%5%6%7%8%9", "%9 %8 %7", "100%"}) {
        f.window.setPerson(0, personOf(name, name, kIvan.birthDate));
        EXPECT_EQ(figures->text(), plain);
        EXPECT_TRUE(f.find<QLabel>(QStringLiteral("GroupShared"))->text().contains(u"Оба на"));
    }
}

TEST(GroupWindow, SavesThePageWholeOrSaysWhy) {
    GroupFixture f;
    QTemporaryDir dir;
    const struct {
        QString path;
        bool written;
    } cases[] = {{dir.filePath(QStringLiteral("пара.pdf")), true},
                 {dir.filePath(QStringLiteral("нет/пара.pdf")), false}};
    // The page carries the practitioner's letterhead as the report does.
    f.window.setLetterhead(print::Letterhead{"Анна Сергеевна", {"+7 900 000-00-00"}, {}});
    // The book learns of a page written, with its people in its language.
    f.window.findChild<print::LanguageBox*>()->setLanguage(core::ReportLanguage::Ukrainian);
    std::vector<std::pair<std::vector<core::Person>, QString>> told;
    f.window.setOnDelivered([&told](const std::vector<core::Person>& people, core::ReportKind kind,
                                    const QString& file) {
        EXPECT_EQ(kind, core::ReportKind::ComparisonPdf);
        told.emplace_back(people, file);
    });
    for (const auto& c : cases) {
        f.services.messages.clear();
        told.clear();
        f.window.setAskFileName([&c](QWidget*, const QString&) { return c.path; });
        f.find<QPushButton>(QStringLiteral("GroupSavePdf"))->click();
        QFile file(c.path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-", c.written);
        ASSERT_EQ(told.size(), c.written ? 1U : 0U);
        if (c.written) {
            ASSERT_EQ(told[0].first.size(), 2U);
            EXPECT_EQ(told[0].first[1].names, kMaria.names);
            EXPECT_EQ(told[0].first[1].birthDate, kMaria.birthDate);
            EXPECT_EQ(told[0].first[1].language, core::ReportLanguage::Ukrainian);
            EXPECT_EQ(told[0].second, c.path);
        }
        ASSERT_EQ(f.services.messages.size(), c.written ? 0U : 1U);
        if (!c.written) {
            EXPECT_TRUE(f.services.messages[0].text.contains(QDir::toNativeSeparators(c.path)));
            continue;
        }
        if (kPdfTextReadable) {
            const QString page = pdfText(c.path);
            EXPECT_TRUE(page.contains(QStringLiteral("Анна Сергеевна"))) << page.toStdString();
            EXPECT_FALSE(page.contains(QStringLiteral("E-Mail"))) << page.toStdString();
        }
    }
    if (!kPdfTextReadable) {
        GTEST_SKIP() << "the letterhead on the page: its words need pdftotext, a Debian tool";
    }
}

TEST(GroupWindow, PreviewDrawsTheSamePage) {
    GroupFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("просмотр.pdf"));
    f.window.setShowPreview([&path](QWidget*, QPrinter& printer, const auto& paint) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        paint(&printer);
        return false;
    });
    f.find<QPushButton>(QStringLiteral("GroupPreview"))->click();
    EXPECT_TRUE(f.services.messages.empty());
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

// From the main window: Ctrl+D, even from the year box, opens the group
// beside it with the date the window calculated, and it fits the screen.
TEST(GroupWindow, OpensFromTheMainWindowWithItsDate) {
    TestSettings settings;
    WindowFixture main;
    main.calculate(23, 8, QStringLiteral("1975"));
    main.window->show();
    main.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window.get()));
    main.year()->setFocus();
    QTest::keyClick(main.year(), Qt::Key_D, Qt::ControlModifier);
    auto* group = main.window->findChild<ui::GroupWindow*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(main.year()->text(), QStringLiteral("1975"));  // the key deleted nothing
    EXPECT_FALSE(group->isModal());
    EXPECT_TRUE(group->isVisible());
    EXPECT_EQ(group->findChild<QLineEdit*>(QStringLiteral("GroupYear1"))->text(),
              QStringLiteral("1975"));
    EXPECT_FALSE(group->group().has_value());  // the second person is still to come
    const QSize room = group->screen()->availableGeometry().size();
    EXPECT_LE(group->frameGeometry().width(), room.width());
    EXPECT_LE(group->frameGeometry().height(), room.height());
    // Closed with four people and opened again after another calculation:
    // the people are as they were left.
    group->setPeople(kFamily);
    group->close();  // as Escape does
    EXPECT_TRUE(group->isHidden());
    main.calculate(5, 5, QStringLiteral("1990"));
    main.action("mpCompare")->trigger();
    EXPECT_EQ(group->people(), kFamily);
    group->close();
}

// The window opens with the first surname to type and nothing to complain
// of; a date is told about once the user has been at it, a name that would
// print mirrored at once.
TEST(GroupWindow, FocusFirstAndMessagesOnlyForWhatWasTouched) {
    TestSettings settings;
    platform::RecordingServices services;
    ui::GroupWindow window(services);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QLineEdit*>("GroupSurname1"));
    const auto* problem = window.findChild<QLabel*>(QStringLiteral("GroupProblem"));
    EXPECT_TRUE(problem->isHidden());
    const struct {
        std::function<void()> act;
        const char* told;  // empty: nothing
    } steps[] = {
        {[&] { window.findChild<QLineEdit*>("GroupName2")->setText("Мария"); }, ""},
        {[&] { window.findChild<QComboBox*>("GroupDay2")->setCurrentIndex(4); },
         "Второй: Выберите месяц и год рождения!"},
        {[&] { window.setPerson(1, kMaria); }, ""},
        {[&] {
             window.setPerson(0, personOf("", "Иван", {31, 1, "1985"}));
         },
         "Первый: Такой даты нет: 31 февраля 1985 года."},
        {[&] { window.setPerson(0, personOf("\u202EИванов", "Иван", kIvan.birthDate)); },
         "Первый: В поле «Фамилия» есть знак смены направления письма (U+202E): уберите его."},
        {[&] { window.setPerson(0, kIvan); }, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.told);
        step.act();
        EXPECT_EQ(problem->isHidden() ? QString() : problem->text(), QString::fromUtf8(step.told));
    }
    EXPECT_TRUE(window.group().has_value());
}

// Names are whole over the squares where they fit, and cut short with the
// whole names in the tip where they do not; a new window brings back the
// last people, whatever they were called, and the two of a comparison kept
// before the window took groups.
TEST(GroupWindow, WholeNamesOverTheSquaresAndTheLastPeopleRemembered) {
    TestSettings settings;
    platform::RecordingServices services;
    const std::pair<const char*, const char*> names[] = {
        {"Волкова", "Мария"}, {"Константинопольская", "Александра"}, {"Иван «%1»", "& + ; = ?"}};
    for (const auto& [surname, name] : names) {
        SCOPED_TRACE(surname);
        const core::Person named = personOf(surname, name, kMaria.birthDate);
        const QString label = core::fullName(named.names);
        {
            ui::GroupWindow window(services);
            window.setPeople({kIvan, named, kFamily[3]});
            QStringList titles;
            for (const DrawOp& op : window.squareOps()) {
                if (op.kind == DrawOp::Kind::Text && op.fontSize == 8) {
                    titles << op.text;
                }
            }
            ASSERT_EQ(titles.size(), 3);
            const bool cut = label.size() > 20;
            EXPECT_EQ(titles[1], cut ? titles[1].chopped(1) + u'…' : label);
            EXPECT_TRUE(label.startsWith(cut ? titles[1].chopped(1) : titles[1]));
            const QString tip = window.findChild<QWidget*>("GroupSquares")->toolTip();
            const QString whole = "Первый: Иван\nВторой: " + label + "\nТретий: Волкова Оля";
            EXPECT_EQ(tip.toStdString(), (cut ? whole : QString()).toStdString());
        }
        ui::GroupWindow again(services);
        EXPECT_EQ(again.people(), (std::vector<core::Person>{kIvan, named, kFamily[3]}));
        EXPECT_TRUE(again.group().has_value());
    }
    platform::setUserSettingsFile(settings.dir.filePath(QStringLiteral("old.conf")));
    platform::userSettings().setValue(
        QStringLiteral("compare/people"),
        QStringLiteral("d1=23&m1=7&y1=1975&n1=%D0%98%D0%B2%D0%B0%D0%BD"
                       "&d2=5&m2=4&y2=1990&n2="));
    ui::GroupWindow old(services);
    EXPECT_EQ(old.person(0).names.surname, QStringLiteral("Иван"));
    EXPECT_EQ(old.person(1).birthDate, kMaria.birthDate);
}

// «С толкованием» adds the pages of the group's texts after its page, and
// the next window comes with the box as it was left.
TEST(GroupWindow, WithTextsAddsTheirPagesAndIsRemembered) {
    GroupFixture f;
    QTemporaryDir dir;
    auto* box = f.find<QCheckBox>(QStringLiteral("GroupWithTexts"));
    EXPECT_FALSE(box->isChecked());
    for (const bool on : {true, false}) {
        box->setChecked(on);
        for (const bool family : {false, true}) {
            f.window.setPeople(family ? kFamily : std::vector<core::Person>{kIvan, kMaria});
            const QString path = dir.filePath(QStringLiteral("%1%2.pdf").arg(on).arg(family));
            f.window.setAskFileName([&path](QWidget*, const QString&) { return path; });
            f.find<QPushButton>(QStringLiteral("GroupSavePdf"))->click();
            EXPECT_EQ(pdfPageCount(path) > 1, on) << pdfPageCount(path);
            if (!kPdfTextReadable) {
                continue;
            }
            const QString pages = pdfText(path);
            EXPECT_TRUE(pages.contains(family ? QStringLiteral("Прогнозы вместе")
                                              : QStringLiteral("Сравнение двух прогнозов")));
            EXPECT_EQ(pages.contains(family ? QStringLiteral("Вы вместе: Волков Игорь")
                                            : QStringLiteral("Вы вдвоём: Иван и Мария")),
                      on);
            EXPECT_EQ(pages.contains(QStringLiteral("Страница 2 из")), on);
        }
        platform::RecordingServices services;
        ui::GroupWindow next(services);
        EXPECT_EQ(next.findChild<QCheckBox*>(QStringLiteral("GroupWithTexts"))->isChecked(), on);
    }
    if (!kPdfTextReadable) {
        GTEST_SKIP() << "the pages' words: they need pdftotext, a Debian tool";
    }
}
