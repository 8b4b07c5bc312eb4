#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "print/frm_prn.h"
#include "print/print_job.h"
#include "window_fixture.h"

namespace {

// Prints through the real client dialog into a PDF file in dir and returns how
// many calculations ran while the dialog was being opened and used.
struct PrintRun {
    bool dialogShown = false;
    bool stayedOpen = false;  // a refused report keeps the dialog and its names
    QString path;
    QString command;  // the caption of the button pressed
};

PrintRun printVia(WindowFixture& f, const QTemporaryDir& dir, bool button,
                  const QString& surname = QStringLiteral("Иванова")) {
    auto run = std::make_shared<PrintRun>();
    run->path = dir.filePath(QStringLiteral("report.pdf"));
    f.window->setPrintSetup([run](print::PrintDelivery& d) {
        d.setFindPrinter([] { return QPrinterInfo(); });
        d.setAskFileName([run](QWidget*, const QString&) { return run->path; });
    });
    QTimer::singleShot(0, [run, surname] {
        auto* dialog = qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        run->dialogShown = true;
        run->command = dialog->printButton()->text();
        dialog->surnameBox()->setText(surname);
        dialog->printButton()->click();
        if (!dialog->isHidden()) {
            run->stayedOpen = dialog->surnameBox()->text() == surname;
            dialog->reject();
        }
    });
    if (button) {
        f.printButton()->click();
    } else {
        f.action("mpPrint")->trigger();
    }
    // When no dialog opened, the pending check runs now and finds none.
    QApplication::processEvents();
    return *run;
}

}  // namespace

TEST(PrintFlow, SquareIsTheSameBeforeAndAfterAPrintout) {
    for (const bool button : {true, false}) {
        SCOPED_TRACE(button);
        WindowFixture f;
        f.calculate(23, 8, QStringLiteral("1975"));
        const QString before = f.squareShows();
        QTemporaryDir dir;
        const PrintRun run = printVia(f, dir, button);
        EXPECT_TRUE(run.dialogShown);
        EXPECT_TRUE(QFile::exists(run.path));
        EXPECT_TRUE(f.services.messages.empty());
        EXPECT_EQ(f.squareShows(), before);
        // The printing pass drew nothing more on the screen.
        EXPECT_EQ(f.surface()->ops().size(), 80u + 6);
    }
}

TEST(PrintFlow, ButtonRecalculatesBeforeTheDialogAndTheMenuItemDoesNot) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.day()->setCurrentIndex(4);  // 5 August 1975, not calculated yet
    QString seenByButton;
    QTimer::singleShot(0, [&] {
        seenByButton = f.label(QStringLiteral("LblPrc"))->text();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    f.printButton()->click();
    EXPECT_EQ(seenByButton, QStringLiteral("15%"));  // 508 x 1975 = 1003300

    f.day()->setCurrentIndex(22);
    QString seenByMenu;
    QTimer::singleShot(0, [&] {
        seenByMenu = f.label(QStringLiteral("LblPrc"))->text();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    f.action("mpPrint")->trigger();
    EXPECT_EQ(seenByMenu, QStringLiteral("15%"));  // still the 5th
}

// The button says what it does; a name the book and the companion would
// refuse (one that prints mirrored) is told and keeps the dialog open.
TEST(PrintFlow, DialogSaysWhatItDoesAndRefusesNamesThatCannotBePrinted) {
    const struct {
        QString surname;
        bool saved;
    } cases[] = {{QStringLiteral("Иванова"), true},
                 {QStringLiteral("\u202EИванова"), false},
                 {QStringLiteral("Ива\tнова"), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.surname.toStdString());
        WindowFixture f;
        f.calculate(23, 8, QStringLiteral("1975"));
        QTemporaryDir dir;
        const PrintRun run = printVia(f, dir, true, c.surname);
        EXPECT_EQ(run.command, QStringLiteral("Сохранить"));  // no printer: a PDF file
        EXPECT_EQ(QFile::exists(run.path), c.saved);
        EXPECT_EQ(run.stayedOpen, !c.saved);
        ASSERT_EQ(f.services.messages.size(), c.saved ? 0u : 1u);
        if (!c.saved) {
            EXPECT_TRUE(f.services.messages[0].text.startsWith(QStringLiteral("В поле «Фамилия»")));
        }
    }
}

TEST(PrintFlow, RefusedYearOpensNoDialogAndPrintsNothing) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.year()->setText(QStringLiteral("19a0"));
    ASSERT_TRUE(f.printButton()->isEnabled());  // only emptiness disables it
    QTemporaryDir dir;
    const PrintRun byButton = printVia(f, dir, true);
    EXPECT_FALSE(byButton.dialogShown);
    ASSERT_EQ(f.services.messages.size(), 1u);

    const PrintRun byMenu = printVia(f, dir, false);
    EXPECT_TRUE(byMenu.dialogShown);
    EXPECT_TRUE(byMenu.stayedOpen);
    EXPECT_FALSE(QFile::exists(byMenu.path));
    EXPECT_EQ(f.services.messages.size(), 2u);  // the refusal, once, and nothing else
}

// A client from the book prints with the names filled in and the book's date;
// with «Запомнить в картотеке» checked the printout is recorded for that date,
// unchecked it is not.
TEST(PrintFlow, ClientBookGetsWhatWasPrintedForWhom) {
    for (const bool remember : {true, false}) {
        SCOPED_TRACE(remember);
        WindowFixture f;
        QTemporaryDir dir;
        std::vector<std::pair<QString, QString>> recorded;  // surname, date
        bool opened = false;
        f.window->setClientBook(
            {[&] { opened = true; },
             [&](qint64, const core::Person& c, core::ReportKind, const QString&, QString*) {
                 recorded.emplace_back(c.names.surname, core::numericDate(c.birthDate));
                 return qint64(1);
             },
             {}});
        ASSERT_TRUE(f.action("mpBook")->isVisible());
        f.action("mpBook")->trigger();
        EXPECT_TRUE(opened);

        f.window->setPrintSetup([&dir](print::PrintDelivery& d) {
            d.setFindPrinter([] { return QPrinterInfo(); });
            d.setAskFileName(
                [&dir](QWidget*, const QString&) { return dir.filePath(QStringLiteral("r.pdf")); });
        });
        QString shownSurname;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                shownSurname = dialog->surnameBox()->text();
                dialog->rememberBox()->setChecked(remember);
                dialog->printButton()->click();
            }
        });
        core::Person anna;
        anna.names = {QStringLiteral("Ёлкина"), QStringLiteral("Анна"), QString()};
        f.window->printFor({3, 0, QStringLiteral("1990")}, {0, anna});
        EXPECT_EQ(shownSurname, QStringLiteral("Ёлкина"));
        EXPECT_EQ(f.label(QStringLiteral("LblPrc"))->text(),
                  core::percentText(f.window->forecast()->happinessPercent));
        EXPECT_EQ(f.window->forecast()->date.year, QStringLiteral("1990"));
        const std::vector<std::pair<QString, QString>> expected =
            remember ? std::vector<std::pair<QString, QString>>{{QStringLiteral("Ёлкина"),
                                                                 QStringLiteral("03.01.1990")}}
                     : std::vector<std::pair<QString, QString>>{};
        EXPECT_EQ(recorded, expected);
    }
}
