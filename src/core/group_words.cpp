#include "core/group_words.h"

#include <array>

namespace core {

namespace {

using Words = std::array<QStringView, kReportLanguageCount>;

// In the order of GroupCaption; Russian, Ukrainian, English.
constexpr std::array<Words, static_cast<std::size_t>(GroupCaption::Aspect) + 1> kWords{{
    {u"Прогнозы вместе", u"Прогнози разом", u"Forecasts together"},
    {u"Все на своём максимуме: ", u"Усі на своєму максимумі: ", u"All at their highest: "},
    {u"Все на своём минимуме: ", u"Усі на своєму мінімумі: ", u"All at their lowest: "},
    {u"Аспекты у всех: ", u"Аспекти в усіх: ", u"Aspects you all have: "},
    {u"Аспекты только у некоторых: ", u"Аспекти лише в деяких: ", u"Aspects only some have: "},
    {u"все на максимуме", u"усі на максимумі", u"all at their highest"},
    {u"все на минимуме", u"усі на мінімумі", u"all at their lowest"},
    {u"Год", u"Рік", u"Year"},
    {u"Вы вместе: %1", u"Ви разом: %1", u"All of you together: %1"},
    {u"«%1» — у всех", u"«%1» — в усіх", u"“%1” — you all have it"},
    {u"«%1» — только у: %2", u"«%1» — лише в: %2", u"“%1” — only these have it: %2"},
    {u"«%1» — ни у кого", u"«%1» — ні в кого", u"“%1” — none of you has it"},
    {u" и ", u" і ", u" and "},
    {u"Аспект", u"Аспект", u"Aspect"},
}};

}  // namespace

QString groupCaption(ReportLanguage language, GroupCaption caption) {
    return kWords[static_cast<std::size_t>(caption)][static_cast<std::size_t>(language)].toString();
}

QString namesList(const QStringList& names, ReportLanguage language) {
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.first(names.size() - 1).join(QStringLiteral(", ")) +
           groupCaption(language, GroupCaption::And) + names.last();
}

}  // namespace core
