#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "print/delivery.h"
#include "ui/dialogs/booklet_dialog.h"
#include "window_fixture.h"

// A booklet for a child born in 2010, from the menu's commands: its pages in
// a PDF through the one delivery, its words on the clipboard, aspects and all.
TEST(BookletWindow, PdfAndClipboardForAChild) {
    WindowFixture f;
    f.calculate(5, 3, QStringLiteral("2010"));
    ASSERT_TRUE(f.action("mpCopyBooklet")->isEnabled());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("подробный.pdf"));
    f.window->setPrintSetup([&pdf](print::PrintDelivery& d) {
        d.setFindPrinter([] { return QPrinterInfo(); });
        d.setAskFileName([&pdf](QWidget*, const QString&) { return pdf; });
    });
    ui::BookletOptions options;
    options.choice.outlookYears = 3;
    core::Person alisa;
    alisa.names = {QStringLiteral("Петрова"), QStringLiteral("Алиса"), {}};
    f.window->deliverBooklet(alisa, options, print::ReportTarget::PdfFile);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    ASSERT_EQ(f.services.messages.size(), 1u);  // where it went, as the client book says
    EXPECT_TRUE(f.services.messages[0].text.contains(QDir::toNativeSeparators(pdf)));

    f.action("mpCopyBooklet")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.contains(QStringLiteral("Аспекты\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Биополе — уровень")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ближайшие годы")));
}

// The dialog's choices are kept by any of its commands and come back next time.
TEST(BookletWindow, DialogRemembersItsChoices) {
    platform::RecordingServices services;
    {
        ui::BookletDialog dialog(services, {});
        dialog.sectionBox(1)->setChecked(false);
        dialog.spanBox()->setValue(25);
        for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("Сохранить в PDF…")) {
                b->click();
            }
        }
        EXPECT_EQ(dialog.result(), ui::BookletDialog::PdfFile);
    }
    const ui::BookletOptions kept = ui::rememberedBookletOptions();
    EXPECT_TRUE(kept.choice.aspects && kept.choice.outlook && kept.choice.happiness);
    EXPECT_FALSE(kept.choice.cycle);
    EXPECT_EQ(kept.choice.outlookYears, 25);
}

// «Отметить события жизни на графике» can be chosen only for a client with
// events, starts off every time and is never remembered.
TEST(BookletWindow, LifeEventsAreChosenEachTime) {
    platform::RecordingServices services;
    ui::BookletDialog dialog(services, {});
    EXPECT_FALSE(dialog.eventsBox()->isEnabled());
    EXPECT_FALSE(dialog.options().markEvents);
    dialog.offerEvents(true);
    EXPECT_TRUE(dialog.eventsBox()->isEnabled());
    EXPECT_FALSE(dialog.options().markEvents);
    dialog.eventsBox()->setChecked(true);
    EXPECT_TRUE(dialog.options().markEvents);
    ui::rememberBookletOptions(dialog.options());
    EXPECT_FALSE(ui::rememberedBookletOptions().markEvents);
    dialog.offerEvents(false);
    EXPECT_FALSE(dialog.options().markEvents);
}
