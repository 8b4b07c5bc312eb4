#pragma once

#include <QString>
#include <QStringView>
#include <array>

#include "core/aspect_rules.h"
#include "core/report_language.h"

namespace core {

// The one table of the nine aspects' names, a column per language: every
// booklet page (its first page, the texts' headings), the square's tips, the
// texts window and the comparison's words call an aspect by this name and no
// other. Only the classic one-page report keeps row captions of its own
// («Уровень биополя», «Судьба»), and only when it is printed alone.
struct AspectNames {
    QStringView russian;
    QStringView ukrainian;
    QStringView english;
};

inline constexpr std::array<AspectNames, kAspectCount> kAspectNameTable{{
    {u"Биополе", u"Біополе", u"Biofield"},
    {u"Связь с землёй", u"Зв’язок із землею", u"Bond with the Earth"},
    {u"Связь с космосом", u"Зв’язок із космосом", u"Bond with the Cosmos"},
    {u"Работа", u"Робота", u"Work"},
    {u"Любовь", u"Любов", u"Love"},
    {u"Интерес", u"Інтерес", u"Interest"},
    {u"Ангел-хранитель", u"Ангел-охоронець", u"Guardian Angel"},
    {u"Удача", u"Удача", u"Luck"},
    {u"Карьера", u"Кар’єра", u"Career"},
}};

// The Russian column: the names the window's square is built with.
inline constexpr std::array<QStringView, kAspectCount> kAspectNames = [] {
    std::array<QStringView, kAspectCount> names{};
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        names[i] = kAspectNameTable[i].russian;
    }
    return names;
}();

// The name of the aspect of `digit` (1 to 9) in `language`: «Любовь»,
// «Любов», «Love». Empty for another digit.
QString aspectName(ReportLanguage language, int digit);

}  // namespace core
