#pragma once

#include <QString>
#include <QStringList>

#include "core/report_language.h"

namespace core {

// The words of a group of three to six people on its page, in the companion's
// text and in its booklet words, in the page's language. Two people keep the
// comparison's own words (PageCaption), as they always read.
enum class GroupCaption {
    Title,           // «Прогнозы вместе»
    AllHighest,      // «Все на своём максимуме: »
    AllLowest,       // «Все на своём минимуме: »
    AllAspects,      // «Аспекты у всех: »
    SomeAspects,     // «Аспекты только у некоторых: »
    LegendHighest,   // the chart's legend: «все на максимуме»
    LegendLowest,    // «все на минимуме»
    TextYear,        // the text's first column: «Год»
    AllOfYou,        // the booklet's heading: «Вы вместе: %1»
    AspectOfAll,     // ««%1» — у всех»
    AspectOfSome,    // ««%1» — только у: %2»
    AspectOfNobody,  // ««%1» — ни у кого»
    And,             // « и », before the last of a list of names
    Aspect,          // the page's aspect table, first column: «Аспект»
};

QString groupCaption(ReportLanguage language, GroupCaption caption);

// «Анна, Иван и Мария»: the names in order, the last joined with «и».
QString namesList(const QStringList& names, ReportLanguage language = ReportLanguage::Russian);

}  // namespace core
