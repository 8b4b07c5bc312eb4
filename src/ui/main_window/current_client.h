#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "book/client_records.h"
#include "core/client_names.h"
#include "core/person.h"
#include "graph/event_marks.h"

class QWidget;

namespace ui {

// The client from the book whose forecast the main window shows: opened from
// the book or printed for. Reports made meanwhile are theirs.
struct CurrentClient {
    qint64 id = 0;        // in the client book
    core::Person person;  // as the card holds them: names, date, language, gender, address
    std::vector<book::LifeEvent> events{};  // pinned on their curve and year table
    QString email{};  // the card's, where «Отправить клиенту…» writes to
};

// The events as the curve's pins and the booklet's list say them: «03.1998 — переезд».
std::vector<graph::YearNote> eventNotes(const std::vector<book::LifeEvent>& events);

// Names compared as the book stores them: surrounding blanks do not count.
bool sameNames(const core::ClientNames& a, const core::ClientNames& b);

// «Zemtar - Прогноз — Фамилия Имя Отчество»; the classic title without a client.
QString mainWindowTitle(const std::optional<CurrentClient>& client);

// What to do with the book when a report for the current client went out
// under other names.
enum class NameChange {
    Correct,  // the client's record takes the new names
    AddNew,   // a new client with the new names; the old record stays
};

// Asks which of the two, «Исправить» being the default (Enter, Esc and the
// close button too, so that a stray key never adds a client).
NameChange askNameChange(QWidget* parent, const core::ClientNames& was,
                         const core::ClientNames& typed);

}  // namespace ui
