// The book window's way to the turning years: the list of the clients who
// turn in a year, and one client's calendar of them.

#include <QDate>

#include "core/program_info.h"
#include "platform/services.h"
#include "ui/book/book_window.h"
#include "ui/book/turning_calendar_file.h"
#include "ui/book/turning_window.h"
#include "ui/dialogs/messenger_card_file.h"

namespace ui {

void BookWindow::openTurning() {
    if (!book_.isOpen()) {
        return;
    }
    TurningWindow turning(book_, services_, this);
    if (runTurning_) {
        runTurning_(turning);
    } else {
        turning.exec();
    }
}

void BookWindow::saveCalendar() {
    if (const book::Client* c = currentClient()) {
        const book::Client client = *c;
        CalendarSaving saving;
        saving.askFile = askCalendar_ ? askCalendar_ : askCalendarFile;
        saveTurningCalendar(this, services_, client.person(), saving);
    }
}

// The card of a client whose date gives no forecast (a stored date of
// another program) is refused with the calculation's own words.
void BookWindow::saveCard() {
    const book::Client* c = currentClient();
    if (!c) {
        return;
    }
    const core::Person person = c->person();
    const core::Calculation calculated = core::calculate(person.birthDate);
    if (const auto* refusal = std::get_if<core::Refusal>(&calculated)) {
        services_.message(this,
                          {refusal->text, info::programName(), platform::MessageIcon::Warning, 0});
        return;
    }
    saveMessengerCard(this, services_, std::get<core::Forecast>(calculated), person,
                      {askCardFile, QDate::currentDate().year()});
}

}  // namespace ui
