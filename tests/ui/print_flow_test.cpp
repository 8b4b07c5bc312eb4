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
    bool stayedOpen = false;  // a refused report keeps the dialog and its names
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
        if (!dialog->isHidden()) {
            run->stayedOpen = dialog->TxtFam()->text() == surname;
            dialog->reject();
        }
    });
    if (button) {
        f.window->CmdPrint->click();
    } else {
        f.window->mpPrint->trigger();
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
        const QJsonObject before = ui::toJson(f.result());
        QTemporaryDir dir;
        const PrintRun run = printVia(f, dir, button);
        EXPECT_TRUE(run.dialogShown);
        EXPECT_TRUE(QFile::exists(run.path));
        EXPECT_TRUE(f.services.messages.empty());
        EXPECT_EQ(ui::toJson(f.result()), before);
        // The printing pass drew nothing more on the screen.
        EXPECT_EQ(f.window->surface()->ops().size(), 80u + 6);
    }
}

TEST(PrintFlow, ButtonRecalculatesBeforeTheDialogAndTheMenuItemDoesNot) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.window->CboDay->setCurrentIndex(4);  // 5 August 1975, not calculated yet
    QString seenByButton;
    QTimer::singleShot(0, [&] {
        seenByButton = f.window->LblPrc->text();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    f.window->CmdPrint->click();
    EXPECT_EQ(seenByButton, QStringLiteral("15%"));  // 508 x 1975 = 1003300

    f.window->CboDay->setCurrentIndex(22);
    QString seenByMenu;
    QTimer::singleShot(0, [&] {
        seenByMenu = f.window->LblPrc->text();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    f.window->mpPrint->trigger();
    EXPECT_EQ(seenByMenu, QStringLiteral("15%"));  // still the 5th
}

TEST(PrintFlow, RefusedYearOpensNoDialogAndPrintsNothing) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.window->TxtYear->setText(QStringLiteral("19a0"));
    ASSERT_TRUE(f.window->CmdPrint->isEnabled());  // only emptiness disables it
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
