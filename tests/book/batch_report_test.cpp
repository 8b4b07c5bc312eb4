#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <QMenu>

#include "book_fixture.h"
#include "core/booklet.h"
#include "forecast_of.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "print/booklet_pages.h"
#include "recording_services.h"
#include "ui/book/batch_report.h"
#include "ui/book/book_window.h"
#include "ui/dialogs/booklet_dialog.h"
#include "ui/group/group_window.h"

using ui::BookWindow;
using Command = BookWindow::Command;

namespace {

// The book window over five clients, the fourth with a day no date has.
struct ManyClients : TempBook {
    platform::RecordingServices services;
    std::unique_ptr<BookWindow> window;
    QString pdf = dir.filePath(QStringLiteral("отчёты.pdf"));
    std::function<bool(int, int)> onPage;

    ManyClients() {
        for (book::Client c : {person("Андреев", "Олег", {}, 1, 1, "1960"),
                               person("Борисова", "Анна", {}, 23, 8, "1975"),
                               person("Васильев", "Иван", {}, 5, 4, "2004"),
                               person("Григорьев", "Пётр", {}, 9, 9, "1990"),
                               person("Дмитриева", "Юлия", {}, 12, 12, "1988")}) {
            EXPECT_TRUE(book->add(c));
        }
        // As another program would write it, past the book's own checks.
        QSqlQuery q(QSqlDatabase::database(book->connectionName()));
        EXPECT_TRUE(q.exec("PRAGMA ignore_check_constraints = ON"));
        EXPECT_TRUE(q.exec("UPDATE clients SET day = 45 WHERE surname = 'Григорьев'"));
        window = std::make_unique<BookWindow>(*book, services);
        window->setBatchSetup([this](ui::BatchReport& batch) {
            batch.setAskFileName([this](QWidget*, const QString&) { return pdf; });
            batch.setFindPrinter([] { return QPrinterInfo(); });
            batch.setLetterhead({});
            batch.setOnPage([this](int page, int total) { return !onPage || onPage(page, total); });
        });
        window->show();
    }
    void selectRows(std::initializer_list<int> rows) {
        QTableView* table = window->table();
        table->clearSelection();
        for (int row : rows) {
            table->selectionModel()->select(
                table->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    int printedCount() {
        int n = 0;
        for (const book::Client& c : all()) {
            n += !c.lastPrinted.isEmpty();
        }
        return n;
    }
};

}  // namespace

// «Сравнить» takes one client into the group or two to six as the group.
TEST(BatchReport, SelectionEnablesTheCommandsAndCompareTakesOneToSix) {
    ManyClients m;
    const struct {
        std::initializer_list<int> rows;
        bool reports, compare;
    } cases[] = {
        {{}, false, false}, {{2}, true, true}, {{0, 3}, true, true}, {{0, 1, 2, 3, 4}, true, true}};
    for (const auto& c : cases) {
        m.selectRows(c.rows);
        EXPECT_EQ(m.window->button(Command::ManyPdf)->isEnabled(), c.reports);
        EXPECT_EQ(m.window->button(Command::ManyPrint)->isEnabled(), c.reports);
        EXPECT_EQ(m.window->button(Command::Booklets)->isEnabled(), c.reports);
        EXPECT_EQ(m.window->button(Command::Compare)->isEnabled(), c.compare);
    }
    m.window->table()->setFocus();
    QTest::keyClick(m.window->table(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m.window->selectedClients().size(), 5u);

    m.selectRows({4, 1, 2});
    QTest::mouseClick(m.window->button(Command::Compare), Qt::LeftButton);
    auto* group = m.window->findChild<ui::GroupWindow*>();
    ASSERT_NE(group, nullptr);
    ASSERT_TRUE(group->group().has_value());
    EXPECT_EQ(group->rowCount(), 3);
    // One more joins the people there; a seventh is refused with a word.
    m.selectRows({0});
    QTest::mouseClick(m.window->button(Command::Compare), Qt::LeftButton);
    EXPECT_EQ(group->rowCount(), 4);
    EXPECT_EQ(group->person(3).names.surname, QStringLiteral("Андреев"));
    for (int k = 4; k < core::kGroupMost; ++k) {
        group->addPerson();
    }
    group->setPerson(5, group->person(0));
    group->setPerson(4, group->person(0));
    QTest::mouseClick(m.window->button(Command::Compare), Qt::LeftButton);
    EXPECT_EQ(group->rowCount(), core::kGroupMost);
    ASSERT_EQ(m.services.messages.size(), 1U);
    EXPECT_TRUE(m.services.messages[0].text.contains(QStringLiteral("уже 6 человек")));
}

// A run writes one page per client with a forecast, names the one without,
// and marks the printed ones at once; a stopped run leaves no file and
// marks no one.
TEST(BatchReport, PdfOfTheSelectedOrNothingWhenStopped) {
    const struct {
        int stopAt;  // 0: never
        bool file;
        int marked;
    } cases[] = {{0, true, 4}, {3, false, 0}};
    for (const auto& c : cases) {
        ManyClients m;
        m.onPage = [&](int page, int) { return page != c.stopAt; };
        m.selectRows({0, 1, 2, 3, 4});
        QSignalSpy changes(m.book.get(), &book::ClientBook::changed);
        QTest::mouseClick(m.window->button(Command::ManyPdf), Qt::LeftButton);
        EXPECT_EQ(QFileInfo::exists(m.pdf), c.file);
        EXPECT_EQ(m.printedCount(), c.marked);
        std::vector<book::ReportRecord> history;
        ASSERT_TRUE(m.book->reports(m.all()[1].id, history));  // Борисова
        ASSERT_EQ(history.size(), c.file ? 1u : 0u);
        if (c.file) {
            EXPECT_EQ(history[0].kind, core::ReportKind::ManyPdf);
        }
        EXPECT_EQ(changes.size(), c.marked ? 1 : 0);
        EXPECT_EQ(m.window->selectedClients().size(), 5u) << "the choice outlives the run";
        if (c.file) {
            ASSERT_EQ(m.services.messages.size(), 1u);
            const QString text = m.services.messages[0].text;
            EXPECT_TRUE(text.contains("страниц 4")) << text.toStdString();
            EXPECT_TRUE(text.contains("Григорьев Пётр, 45.09.1990")) << text.toStdString();
        } else {
            EXPECT_TRUE(m.services.messages.empty());
        }
    }
}

// «Подробный отчёт…», to a file and to a printer (none here, so a file too):
// every selected client's booklet one after another, in the practitioner's
// own texts and the sections last chosen; the one without a forecast named.
TEST(BatchReport, BookletsOfTheSelectedInTheirOwnTexts) {
    const ui::BookletOptions before = ui::rememberedBookletOptions();
    ui::BookletOptions options = before;
    options.choice = {false, false, true, true, 3, 0};
    ui::rememberBookletOptions(options);
    const platform::TextStore store = platform::TextStore::inDataFolder();
    core::TextLibrary own;
    own.setText(u"opening", QStringLiteral("Слово практика. ").repeated(230));
    own.setText(u"closing", QStringLiteral("Слово практика в конце. ").repeated(160));
    ASSERT_EQ(store.save(own.own()), QString());
    options.choice.thisYear = QDate::currentDate().year();
    const auto pagesOf = [&](const core::TextLibrary& texts) {
        int pages = 0;
        for (const book::Client& c : ManyClients().all()) {
            if (c.birthDate.day <= 31) {
                pages += print::BookletPages(
                             core::makeBooklet(forecastOf(c.birthDate.day, c.birthDate.monthIndex,
                                                          qPrintable(c.birthDate.year)),
                                               c.person(), texts, options.choice))
                             .pageCount();
            }
        }
        return pages;
    };
    ASSERT_NE(pagesOf(own), pagesOf(core::TextLibrary())) << "the own text must show in the count";
    for (const int target : {0, 1}) {
        ManyClients m;
        m.selectRows({0, 1, 2, 3, 4});
        ASSERT_TRUE(m.window->button(Command::Booklets)->isEnabled());
        m.window->button(Command::Booklets)->menu()->actions().at(target)->trigger();
        ASSERT_TRUE(QFileInfo::exists(m.pdf)) << target;
        ASSERT_EQ(m.services.messages.size(), 1u);
        const QString text = m.services.messages[0].text;
        EXPECT_TRUE(text.contains(QStringLiteral("Подробные отчёты сохранены")));
        EXPECT_TRUE(text.contains(QStringLiteral("страниц %1").arg(pagesOf(own))))
            << text.toStdString();
        EXPECT_TRUE(text.contains("Григорьев Пётр, 45.09.1990")) << text.toStdString();
        std::vector<book::ReportRecord> history;
        ASSERT_TRUE(m.book->reports(m.all()[1].id, history));
        ASSERT_EQ(history.size(), 1u);
        EXPECT_EQ(history[0].kind, core::ReportKind::ManyBookletPdf);  // booklets, as booklets
        QFile::remove(m.pdf);
    }
    ASSERT_EQ(store.save(core::TextSet()), QString());
    ui::rememberBookletOptions(before);
}
