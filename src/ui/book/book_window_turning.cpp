// The book window's way to the turning years: the list of the clients who
// turn in a year, and one client's calendar of them.

#include "ui/book/book_window.h"
#include "ui/book/turning_calendar_file.h"
#include "ui/book/turning_window.h"

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

}  // namespace ui
