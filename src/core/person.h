#pragma once

#include <QString>

#include "core/client_names.h"
#include "core/forecast.h"
#include "core/report_language.h"

namespace core {

// Whom a text speaks to: Russian and Ukrainian say «вы были верны» and «вы
// были верным другом» differently to a woman and to a man. Unknown gets the
// wording that fits either.
enum class Gender { Unknown, Female, Male };

// One person as every part of the program knows them: the book's card, the
// dialogs that ask for someone, the current client, a group, the pages and
// the companion pass this whole, never a name joined into one text and split
// again.
struct Person {
    ClientNames names;
    BirthDate birthDate;
    ReportLanguage language = ReportLanguage::Russian;  // of the person's pages
    Gender gender = Gender::Unknown;
    // How a greeting addresses the person («Андрію», «Мария Ивановна»), used as
    // typed; empty until someone sets it, and then proposed from the names.
    QString address;

    friend bool operator==(const Person&, const Person&) = default;
};

}  // namespace core
