// The main window's booklet: «Файл → Подробный отчёт…» and
// «Правка → Копировать толкование».

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "core/booklet.h"
#include "core/program_info.h"
#include "core/report_kind.h"
#include "platform/services.h"
#include "print/booklet_pages.h"
#include "print/delivery.h"
#include "ui/dialogs/booklet_dialog.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/main_commands.h"

namespace ui {

core::Booklet MainCommands::bookletOf(core::Person person, const BookletOptions& options) {
    const core::TextLibrary texts = practitionerTexts(options.language, [this](const QString& why) {
        services_.message(&window_, {why, info::programName(), platform::MessageIcon::Warning, 0});
    });
    person.language = options.language;
    return core::makeBooklet(*window_.forecast(), person, texts,
                             bookletChoiceOn(options, window_.today()));
}

void MainCommands::deliverBooklet(const core::Person& person, const BookletOptions& options,
                                  print::ReportTarget target) {
    window_.guarded([&] {
        window_.recalculate();
        if (!window_.forecast()) {
            return;
        }
        print::BookletPages booklet(bookletOf(person, options));
        if (const auto& current = window_.currentClient(); options.markEvents && current) {
            booklet.setEvents(eventNotes(current->events));
        }
        print::BookletsComposer pages{std::move(booklet)};
        print::PrintDelivery delivery(services_, &window_);
        if (!options.letterhead) {
            delivery.setLetterhead(std::nullopt);
        }
        if (printSetup_) {
            printSetup_(delivery);
        }
        const print::PrintDelivery::Outcome outcome = delivery.deliver(pages, target);
        if (outcome == print::PrintDelivery::Outcome::Printed ||
            outcome == print::PrintDelivery::Outcome::Saved) {
            core::Person delivered = person;
            delivered.language = options.language;
            const bool saved = outcome == print::PrintDelivery::Outcome::Saved;
            tellDelivered(delivery, saved);
            rememberReport(delivered,
                           saved ? core::ReportKind::BookletPdf : core::ReportKind::BookletPrintout,
                           false, delivery.savedPath());
        }
    });
}

// As the client book tells its runs: where the booklet went and how many pages.
void MainCommands::tellDelivered(const print::PrintDelivery& delivery, bool saved) {
    const int pages = delivery.pages();
    const QString text =
        saved
            ? FrmMain::tr("Подробный отчёт сохранён в файл «%1»: страниц %n.", nullptr, pages)
                  .arg(QDir::toNativeSeparators(delivery.savedPath()))
            : FrmMain::tr("Подробный отчёт отправлен на принтер «%1»: страниц %n.", nullptr, pages)
                  .arg(delivery.printerName());
    services_.message(&window_, {text, info::programName(), platform::MessageIcon::Information, 0});
}

void MainCommands::askBooklet() {
    window_.guarded([this] {
        window_.recalculate();
        if (!window_.forecast()) {
            return;
        }
        const auto& current = window_.currentClient();
        BookletDialog dialog(services_, currentPerson(), &window_,
                             current ? std::optional(current->person.language) : std::nullopt);
        dialog.offerEvents(current && !current->events.empty());
        const int chosen = dialog.exec();
        const print::ReportTarget targets[] = {print::ReportTarget::Printout,
                                               print::ReportTarget::Preview,
                                               print::ReportTarget::PdfFile};
        if (chosen >= BookletDialog::Printout && chosen <= BookletDialog::PdfFile) {
            deliverBooklet(dialog.person(), dialog.options(), targets[chosen - 1]);
        }
    });
}

// The words of the booklet the dialog would make now, for an e-mail or a
// messenger: plain text, no picture.
void MainCommands::copyBooklet() {
    if (!window_.forecast()) {
        return;
    }
    BookletOptions options = rememberedBookletOptions();
    if (const auto& current = window_.currentClient()) {
        options.language = current->person.language;
    }
    const core::Booklet booklet = bookletOf(currentPerson(), options);
    QGuiApplication::clipboard()->setText(core::bookletText(booklet));
}

}  // namespace ui
