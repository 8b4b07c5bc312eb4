#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace core {

// The language a page, a booklet or the companion's output is written in.
// It is chosen apart from the window's language: a practitioner who reads the
// window in Russian may hand a client a page in Ukrainian or English. Russian
// is the classic page, and what every report is until someone chooses
// otherwise.
enum class ReportLanguage { Russian, Ukrainian, English };
inline constexpr int kReportLanguageCount = 3;

// "ru", "uk", "en": how the book, `--lang` and a file of texts name it.
QString languageCode(ReportLanguage language);
// The language of a code, in any case and without surrounding blanks;
// nothing for a code the program has no words in.
std::optional<ReportLanguage> parseReportLanguage(QStringView code);
// The language of a code, Russian for one the program does not know (a
// client whose stored language has gone).
ReportLanguage reportLanguageOr(QStringView code);
// The language of the catalogues put on the application, which the window
// and the messages speak: each catalogue answers one entry with its own code,
// so this is what was loaded, not what was asked for. Russian when none of
// another language is on (none found, or a damaged one).
ReportLanguage catalogueLanguage();
// Every code in order, "ru", "uk", "en": what a refusal of an unknown one lists.
QStringList reportLanguageCodes();
// The language as its own speakers call it, for a choice in a dialog:
// «Русский», «Українська», «English».
QString languageName(ReportLanguage language);

enum class MonthForm {
    Nominative,  // a month on its own, «Май», «Травень», «May»
    Genitive,    // a month after its day, «5 мая», «5 травня», «5 May»
};

// A month's name (monthIndex 0 is January, as everywhere in the program);
// empty for an index outside 0 to 11.
QString monthName(ReportLanguage language, int monthIndex, MonthForm form);
// The twelve names, January first, as a list of months shows them.
QStringList monthNames(ReportLanguage language);
// The month `text` names in `language`, on its own or after a day («серпень»,
// «серпня», «August»), in any case, blanks around ignored; -1 for none.
int parseMonthName(ReportLanguage language, QStringView text);

// The words of the pages, one entry a place on a page.
enum class PageCaption {
    Surname,     // " Фамилия: "
    Name,        // "         Имя: "
    Patronymic,  // "Отчество: "
    Version,     // "\" Версия ", between the program's name and its version
    MadeAt,      // "Дата проведения расчёта: "
    BornOn,      // " | Дата рождения прогнозируемого человека: "
    Title,  // "Расчёт распределения жизненных сил по годам"
    Happiness,      // "Количество процентов счастья: "
    Largest,        // "Максимальный уровень жизненных сил: "
    Smallest,       // "Минимальный  уровень жизненных сил: "
    NoAspects,      // why the page has no aspect column for a birth year
    Aspects,        // the booklet's headings: «Аспекты»
    Cycle,          // «Ваш цикл»
    NextYears,      // «Ближайшие годы»
    HappinessPart,  // «Процент счастья»
    PageOf,         // «Страница %1 из %2»: the page's number and the count
    // The booklet's own lines around the practitioner's texts.
    BookletTitle,    // «Подробный отчёт»
    BookletTitleOf,  // «Подробный отчёт: %1», whose it is
    BookletOpening,  // «Дата рождения: %1, число жизни %2»
    AspectLevel,     // «%1 — уровень %2»: an aspect and its level
    CycleIntro,      // the cycle's first paragraph: the life number, its digit count
    CyclePosition,   // «Год %1 цикла — уровень %2, %3»: position, level, shape
    CycleYears,      // «Годы до %1 лет: %2»: the age and the years
    BeforeBirth,     // the outlook of years that all come before the birth
    ColumnYear,  // the outlook table's header: «Год», «Возраст», «Уровень», «Форма»
    ColumnAge,
    ColumnLevel,
    ColumnShape,
    HappinessIs,       // «Ваш процент счастья — %1»
    BookletMadeOn,     // «Составлен %1»: the booklet's date in words, on its first page
    CycleOfChild,      // «Цикл ребёнка»: the cycle's heading when the parents read
    CycleIntroChild,   // CycleIntro as the parents read it
    HappinessIsChild,  // «Процент счастья вашего ребёнка — %1»
    SeeLevel,  // «Уровень %1 — см. год %2 цикла.»: a level's text said before
    SeeShape,  // «%1 — см. год %2 цикла.»: a shape's text said before
    SeeLevelAndShape,  // «Уровень %1, %2 — см. год %3 цикла.»: both said at one place
    OutlookGroup,  // «%1 — год %2 цикла: уровень %3, %4.»: years, position, level, shape
    OutlookSeeCycle,  // «Что значат эти годы, рассказано в разделе «%1».»
    ColumnCycleYear,  // the outlook table's «Год цикла»
    ShapePeak,        // a year's shape in a word: «пик»
    ShapeLow,         // «низшая точка»
    ShapeRise,        // «подъём»
    ShapeFall,        // «спад»
    ShapeSame,        // «тот же уровень»
    BothOfYou,        // «Вы вдвоём: %1 и %2»
    PairOf,           // «%1 и %2»: the two people in a running head
    AspectOfBoth,     // ««%1» — у каждого из вас»
    AspectOfOne,      // ««%1» — у одного из вас: %2»
    AspectOfNeither,  // ««%1» — ни у одного из вас»
    // The comparison page.
    CompareTitle,   // «Сравнение двух прогнозов»
    FirstPerson,    // «Первый: »
    SecondPerson,   // «Второй: »
    PersonBorn,     // «дата рождения », before the date
    PersonFigures,  // «      Процентов счастья: %1; уровень жизненных сил от %2 до %3»
    CompareSpan,    // « | Годы: с %1 по %2», after the calculation date
    BothHighest,    // «Оба на своём максимуме: »
    BothLowest,     // «Оба на своём минимуме: »
    BothAspects,    // «Аспекты у обоих: »
    AspectsOf,      // «Аспекты: », before a person's name
    None,           // «нет»: an empty list
    LegendHighest,  // the chart's legend: «оба на максимуме»
    LegendLowest,   // «оба на минимуме»
    LegendNow,      // «этот год»
    // The companion's text output.
    TextBorn,        // «Дата рождения: %1»
    TextLifeNumber,  // «Число жизни: %1 (цифр: %2)»
    TextHappiness,   // «Процент счастья: %1»
    TextLargest,     // «Максимальный уровень жизненных сил: %1»
    TextSmallest,    // «Минимальный уровень жизненных сил: %1»
    TextYears,       // the year table's caption
    TextAspects,     // «Аспекты:»
    TextLevel,       // «уровень %1»
    TextRoot,        // «, корневая цифра»
    TextNow,         // «Сейчас %1 год: уровень жизненных сил %2»
    TextPerson,      // a compared person: who, name, date, happiness, lowest, highest
    TextFirst,       // «Первый»
    TextSecond,      // «Второй»
    TextSpanHeader,  // «Год    первый второй»
    YearAndAuthor,   // «© 2026, автор Земтар» in the page's header
    ProgramName,     // «Zemtar - Прогноз», «Zemtar - Forecast» in the page's header
    // A client's life events pinned on the booklet's curve, and those left
    // out for want of room.
    LifeEvents,  // «События жизни»
    MoreEvents,  // «…и ещё %1»
};
inline constexpr int kPageCaptionCount = static_cast<int>(PageCaption::MoreEvents) + 1;

QString pageCaption(ReportLanguage language, PageCaption caption);

// The aspect column's row of `digit` (1 to 9) on the classic page, its
// percentage after it: "Уровень биополя - ". Empty for another digit.
QString pageAspectRow(ReportLanguage language, int digit);

// The date of birth as the page writes it. Russian keeps the classic page's
// «5 Май 1990г.»; Ukrainian writes «5 травня 1990 р.», English «5 May 1990».
// The day and the year stand as typed (monthIndex 0 is January).
QString birthDateText(ReportLanguage language, QStringView day, int monthIndex, QStringView year);
// The same for a day held as a number.
QString birthDateText(ReportLanguage language, int day, int monthIndex, QStringView year);

// An age in years as the booklet's tables say it: «51 год», «52 роки»; in
// English the number alone («you are 51»).
QString ageText(ReportLanguage language, long long age);

// The moment a forecast was made, as the page's date line writes it, in the
// language's own way whatever the machine's locale: «08.12.2026 03:53:32» in
// Russian and Ukrainian, «8 December 2026, 03:53:32» in English: the month
// in words, so that no reader takes 8/12 for the twelfth of August, the day
// before it as British usage has it, and the 24-hour clock of the others.
QString calculationDateText(ReportLanguage language, const QDateTime& moment);

}  // namespace core
