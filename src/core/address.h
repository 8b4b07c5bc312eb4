#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/client_names.h"
#include "core/person.h"
#include "core/report_language.h"

namespace core {

// What the card proposes for a person, never more than a proposal: the
// practitioner may always change it, and what they typed is used as typed.

// The gender as the book and its lists write it: "", "f", "m".
QString genderCode(Gender gender);
// A gender from such a code in any case, or from «ж», «м», «женский»,
// «мужской», «жіноча», «чоловіча», «female», «male»; Unknown for an empty text
// and nothing for a text that names no gender.
std::optional<Gender> parseGender(const QString& text);

// The gender a Russian or Ukrainian patronymic tells: «Ивановна», «Іванівна»,
// «Ильинична» a woman's, «Иванович», «Ілліч» a man's (the Turkic «кызы» and
// «оглы» too, and the same endings in Latin letters); Unknown for an empty
// patronymic or one whose ending says nothing.
Gender genderOfPatronymic(const QString& patronymic);

// The Ukrainian vocative of one name, as a greeting calls a person: «Андрій»
// → «Андрію», «Олена» → «Олено», «Марія» → «Маріє», «Іван» → «Іване»,
// «Олег» → «Олегу»; of a patronymic, «Іванович» → «Івановичу», «Іванівна» →
// «Іванівно». `gender` decides what the ending alone cannot (a woman's
// «Любов» is «Любове»). A name these rules do not know, a foreign or a
// hyphenated one, comes back as typed.
QString ukrainianVocative(const QString& name, Gender gender = Gender::Unknown);

// Below this age a greeting calls a person by the first name alone: nobody
// says «Никита Сергеевич» to a boy of fifteen.
inline constexpr int kGrownUpAge = 18;

// How a greeting in `language` would address the person of these names: the
// first name and the patronymic as Russian says them («Мария Ивановна»), both
// in the vocative in Ukrainian («Андрію Петровичу»; both as typed when the
// rules know only one of them), the first name alone in English and for
// someone `young`. Empty without a first name: the greeting then names nobody.
QString proposedAddress(const ClientNames& names, ReportLanguage language,
                        Gender gender = Gender::Unknown, bool young = false);

// The greeting's address for `person` on `day`: their own as typed, or the
// proposal for their names in their language when the card has none, the
// first name alone while they are under kGrownUpAge.
QString addressOf(const Person& person, QDate day = QDate::currentDate());

}  // namespace core
