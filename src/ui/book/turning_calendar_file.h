#pragma once

#include <QString>
#include <functional>

#include "core/person.h"

class QWidget;

namespace platform {
class Services;
}

namespace ui {

// «Календарь (.ics)…» for one client (from the book, or the main window's): the turning years of
// the ten years after this one as a calendar file (core::turningCalendar) in the client's report
// language, with the practitioner's interpretation texts, written whole through the program's one
// writer. Every outcome is told: where the file went and how many events it holds, why there are
// none, or why it could not be written.
struct CalendarSaving {
    // Asks for the file, suggesting `suggested`; empty means cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> askFile;
    long long thisYear = 0;  // 0: this year by the clock
};

// True when a file was written.
bool saveTurningCalendar(QWidget* parent, platform::Services& services, const core::Person& person,
                         const CalendarSaving& saving);

// The desktop's file chooser for a calendar file.
QString askCalendarFile(QWidget* parent, const QString& suggested);

}  // namespace ui
