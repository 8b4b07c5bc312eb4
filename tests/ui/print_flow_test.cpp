#include <gtest/gtest.h>

#include <QApplication>
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
    QString path;
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
        dialog->TxtFam()->setText(surname);
        dialog->CmdPrintReal()->click();
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
    EXPECT_FALSE(QFile::exists(byMenu.path));
    EXPECT_EQ(f.services.messages.size(), 2u);  // the refusal, once, and nothing else
}
