#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "book_fixture.h"
#include "core/program_info.h"
#include "print/delivery.h"
#include "print/frm_prn.h"
#include "recording_services.h"
#include "ui/book/book_window.h"
#include "ui/book/client_book_link.h"
#include "ui/main_window/frm_main.h"

using core::ReportKind;
using ui::NameChange;

namespace {

// The real main window tied to a book of one client, printing into PDF files.
struct Desk : TempBook {
    platform::RecordingServices services;
    QTemporaryDir out;
    ui::FrmMain window{services};
    ui::ClientBookLink link{window, services, path};
    book::Client elkina =
        person(QStringLiteral("Ёлкина"), QStringLiteral("Анна"), QStringLiteral("Петровна"));
    std::vector<core::ClientNames> asked;
    NameChange answer = NameChange::Correct;

    Desk() {
        window.setMarkThisYear(false);
        EXPECT_TRUE(link.book().add(elkina));
        window.setPrintSetup([this](print::PrintDelivery& d) {
            d.setFindPrinter([] { return QPrinterInfo(); });
            d.setAskFileName(
                [this](QWidget*, const QString&) { return out.filePath(QStringLiteral("r.pdf")); });
        });
        window.setAskNameChange(
            [this](QWidget*, const core::ClientNames& was, const core::ClientNames&) {
                asked.push_back(was);
                return answer;
            });
        link.openBookWindow();
    }

    // «Печать» in the main window; the dialog's names as it showed them,
    // then printed as `surname` with «Запомнить в картотеке» unchecked.
    QString printAs(const QString& surname) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget());
            if (dialog) {
                shown = dialog->surnameBox()->text() + u' ' + dialog->nameBox()->text();
                dialog->surnameBox()->setText(surname);
                dialog->rememberBox()->setChecked(false);
                dialog->printButton()->click();
            }
        });
        window.findChild<QAction*>(QStringLiteral("mpPrint"))->trigger();
        return shown;
    }

    std::vector<book::ReportRecord> historyOf(qint64 id) {
        std::vector<book::ReportRecord> history;
        EXPECT_TRUE(link.book().reports(id, history));
        return history;
    }
};

}  // namespace

// Opening or printing for a client makes them the window's; a report for
// them is theirs, renamed only when the user says so; changing the date by
// hand or asking for today ends it.
TEST(CurrentClient, WindowKnowsWhoseForecastItShows) {
    const QString title = QStringLiteral("Zemtar - Прогноз — Ёлкина Анна Петровна");
    const struct {
        const char* what;
        bool byPrint;  // from the book's «Печать», not «Открыть»
        std::function<void(Desk&)> thenByHand;  // before the main window's «Печать»
        const char* printedAs;
        NameChange answer;
        bool stillCurrent;  // after thenByHand
        int questions;
        int clients;
        const char* firstSurname;  // of the client opened, afterwards
        size_t firstHistory;
    } cases[] = {
        {"same names", false, {}, "Ёлкина", NameChange::Correct, true, 0, 1, "Ёлкина", 1},
        {"printed from the book", true, {}, "Ёлкина", NameChange::Correct, true, 0, 1, "Ёлкина", 2},
        {"corrected",
         false,
         {},
         "Ёлкина-Смирнова",
         NameChange::Correct,
         true,
         1,
         1,
         "Ёлкина-Смирнова",
         1},
        {"new client", false, {}, "Смирнова", NameChange::AddNew, true, 1, 2, "Ёлкина", 0},
        {"year typed", false,
         [](Desk& d) {
             QLineEdit* year = d.window.findChild<QLineEdit*>(QStringLiteral("TxtYear"));
             year->selectAll();
             QTest::keyClicks(year, QStringLiteral("1976"));
         },
         "Ёлкина", NameChange::Correct, false, 0, 1, "Ёлкина", 0},
        {"month chosen", false,
         [](Desk& d) {
             QTest::keyClick(d.window.findChild<QComboBox*>(QStringLiteral("CboMonth")),
                             Qt::Key_Down);
         },
         "Ёлкина", NameChange::Correct, false, 0, 1, "Ёлкина", 0},
        {"today", false,
         [](Desk& d) { d.window.findChild<QAction*>(QStringLiteral("mpDay"))->trigger(); },
         "Ёлкина", NameChange::Correct, false, 0, 1, "Ёлкина", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Desk d;
        d.window.setToday([] { return QDate(2026, 12, 7); });
        d.answer = c.answer;
        if (c.byPrint) {
            QTimer::singleShot(0, [] {
                if (auto* dialog =
                        qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget())) {
                    dialog->printButton()->click();
                }
            });
            d.link.bookWindow()->onPrint(d.elkina);
        } else {
            d.link.bookWindow()->onOpen(d.elkina);
        }
        EXPECT_EQ(d.window.windowTitle(), title);
        ASSERT_TRUE(d.window.forecast());
        if (c.thenByHand) {
            c.thenByHand(d);
        }
        EXPECT_EQ(d.window.currentClient().has_value(), c.stillCurrent);
        const QString shown = d.printAs(QString::fromUtf8(c.printedAs));
        EXPECT_EQ(shown, c.stillCurrent ? QStringLiteral("Ёлкина Анна") : QStringLiteral(" "));
        EXPECT_EQ(int(d.asked.size()), c.questions);
        const std::vector<book::Client> all = d.all();
        ASSERT_EQ(int(all.size()), c.clients);
        const auto first = std::find_if(all.begin(), all.end(),
                                        [&](const book::Client& x) { return x.id == d.elkina.id; });
        ASSERT_NE(first, all.end());
        EXPECT_EQ(first->names.surname, QString::fromUtf8(c.firstSurname));
        EXPECT_EQ(first->names.name, QStringLiteral("Анна"));
        EXPECT_EQ(d.historyOf(d.elkina.id).size(), c.firstHistory);
        if (c.stillCurrent) {
            EXPECT_TRUE(d.window.windowTitle().contains(QString::fromUtf8(c.printedAs)));
            EXPECT_EQ(d.historyOf(d.window.currentClient()->id).front().kind, ReportKind::Pdf);
        } else {
            EXPECT_FALSE(d.window.windowTitle().contains(u'—'));
        }
        EXPECT_TRUE(d.services.messages.empty());
    }
}

// An edit of the current client in the book renames them in the title and
// for the next report; another birth date or deleting them ends them,
// deleting another does not.
TEST(CurrentClient, FollowsEditsAndDeletionsInTheBook) {
    Desk d;
    book::Client other = person(QStringLiteral("Петров"), QStringLiteral("Иван"));
    ASSERT_TRUE(d.link.book().add(other));
    d.link.bookWindow()->onOpen(d.elkina);
    ui::BookWindow& book = *d.link.bookWindow();
    book.setEditor([](QWidget*, book::Client& c, book::ClientRecords&) {
        c.names.surname = QStringLiteral("Смирнова");
        return true;
    });
    book.setConfirm([](QWidget*, const QString&) { return true; });
    ASSERT_TRUE(book.selectClient(d.elkina.id));
    book.editCurrent();
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("Zemtar - Прогноз — Смирнова Анна Петровна"));
    // Another birth date is no longer the forecast on the screen.
    book.setEditor([](QWidget*, book::Client& c, book::ClientRecords&) {
        c.birthDate.year = QStringLiteral("1991");
        return true;
    });
    book.editCurrent();
    EXPECT_FALSE(d.window.currentClient());
    for (const book::Client& c : d.all()) {
        if (c.id == d.elkina.id) {
            book.onOpen(c);
        }
    }
    ASSERT_TRUE(book.selectClient(other.id));
    book.deleteCurrent();
    EXPECT_TRUE(d.window.currentClient());
    ASSERT_TRUE(book.selectClient(d.elkina.id));
    book.deleteCurrent();
    EXPECT_EQ(d.window.windowTitle(), info::windowTitle());
}
