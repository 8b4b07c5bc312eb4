#pragma once

#include <QString>
#include <functional>

#include "core/forecast.h"
#include "core/person.h"

class QWidget;

namespace platform {
class Services;
}

namespace ui {

// «Карточка для мессенджера…»: the card of the forecast shown
// (print::MessengerCard) for `person`, in their report language with the
// practitioner's texts and letterhead, saved as PNG through the program's one
// writer and put on the clipboard. Every outcome is told: where the file went,
// or why it could not be written (the card is on the clipboard all the same).
struct CardSaving {
    // Asks for the file, suggesting `suggested`; empty means cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> askFile;
    long long thisYear = 0;
};

// True when the file was written.
bool saveMessengerCard(QWidget* parent, platform::Services& services,
                       const core::Forecast& forecast, const core::Person& person,
                       const CardSaving& saving);

// The desktop's file chooser for the card.
QString askCardFile(QWidget* parent, const QString& suggested);

}  // namespace ui
