// The main window's booklet: «Файл → Подробный отчёт…» and
// «Правка → Копировать толкование».

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "core/program_info.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "print/booklet_pages.h"
#include "print/delivery.h"
#include "ui/dialogs/booklet_dialog.h"
#include "ui/main_window/frm_main.h"

namespace ui {

core::Booklet FrmMain::bookletOf(core::Person person, const BookletOptions& options) {
    const platform::TextStore::Loaded texts =
        platform::TextStore::inDataFolder().load(core::languageCode(options.language));
    if (!texts.problem.isEmpty()) {
        services_.message(this,
                          {texts.problem, info::programName(), platform::MessageIcon::Warning, 0});
    }
    core::BookletChoice choice = options.choice;
    choice.madeOn = today_();
    choice.thisYear = choice.madeOn.year();
    person.language = options.language;
    return core::makeBooklet(*forecast_, person, texts.library, choice);
}

void FrmMain::deliverBooklet(const core::Person& person, const BookletOptions& options,
                             print::ReportTarget target) {
    guarded([&] {
        recalculate();
        if (!forecast_) {
            return;
        }
        print::BookletPages booklet(bookletOf(person, options));
        if (options.markEvents && current_) {
            booklet.setEvents(eventNotes(current_->events));
        }
        print::BookletsComposer pages{std::move(booklet)};
        print::PrintDelivery delivery(services_, this);
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
void FrmMain::tellDelivered(const print::PrintDelivery& delivery, bool saved) {
    const int pages = delivery.pages();
    const QString text =
        saved ? tr("Подробный отчёт сохранён в файл «%1»: страниц %n.", nullptr, pages)
                    .arg(QDir::toNativeSeparators(delivery.savedPath()))
              : tr("Подробный отчёт отправлен на принтер «%1»: страниц %n.", nullptr, pages)
                    .arg(delivery.printerName());
    services_.message(this, {text, info::programName(), platform::MessageIcon::Information, 0});
}

void FrmMain::askBooklet() {
    guarded([this] {
        recalculate();
        if (!forecast_) {
            return;
        }
        BookletDialog dialog(services_, currentPerson(), this,
                             current_ ? std::optional(current_->person.language) : std::nullopt);
        dialog.offerEvents(current_ && !current_->events.empty());
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
void FrmMain::copyBooklet() {
    if (!forecast_) {
        return;
    }
    BookletOptions options = rememberedBookletOptions();
    if (current_) {
        options.language = current_->person.language;
    }
    const core::Booklet booklet = bookletOf(currentPerson(), options);
    QGuiApplication::clipboard()->setText(core::bookletText(booklet));
}

}  // namespace ui
