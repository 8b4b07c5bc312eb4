#include "core/report_language.h"

#include <QCoreApplication>
#include <array>
#include <cstddef>

#include "core/aspect_rules.h"
#include "core/forecast.h"
#include "core/months.h"

namespace core {

namespace {

constexpr std::array<QStringView, kReportLanguageCount> kCodes{u"ru", u"uk", u"en"};
constexpr std::array<QStringView, kReportLanguageCount> kOwnNames{u"Русский", u"Українська",
                                                                  u"English"};

std::size_t column(ReportLanguage language) {
    return static_cast<std::size_t>(language);
}

// The Russian names are the window's own (forecast.h, aspect_rules.h); these
// are the other languages' beside them. English has one form of a month.
using Months = std::array<QStringView, 12>;
constexpr Months kUkrainianMonths{u"Січень",   u"Лютий",   u"Березень", u"Квітень",
                                  u"Травень",  u"Червень", u"Липень",   u"Серпень",
                                  u"Вересень", u"Жовтень", u"Листопад", u"Грудень"};
constexpr Months kUkrainianMonthsAfterDay{u"січня",   u"лютого", u"березня",   u"квітня",
                                          u"травня",  u"червня", u"липня",     u"серпня",
                                          u"вересня", u"жовтня", u"листопада", u"грудня"};
constexpr Months kEnglishMonths{u"January",   u"February", u"March",    u"April",
                                u"May",       u"June",     u"July",     u"August",
                                u"September", u"October",  u"November", u"December"};

// The rows of the aspect column on the classic one-page report, which keeps
// captions of its own («Уровень биополя», «Судьба»): the names everything
// else uses are in aspect_names.h.
using AspectRows = std::array<QStringView, kReportLanguageCount>;

constexpr std::array<AspectRows, kAspectCount> kAspectRows{{
    {u"Уровень биополя - ", u"Рівень біополя - ", u"Biofield - "},
    {u"Связь с землёй - ", u"Зв’язок із землею - ", u"Bond with the Earth - "},
    {u"Связь с космосом - ", u"Зв’язок із космосом - ", u"Bond with the Cosmos - "},
    {u"Работа - ", u"Робота - ", u"Work - "},
    {u"Любовь - ", u"Любов - ", u"Love - "},
    {u"Интерес - ", u"Інтерес - ", u"Interest - "},
    {u"Ангел хранитель - ", u"Ангел-охоронець - ", u"Guardian Angel - "},
    {u"Судьба - ", u"Доля - ", u"Fate - "},
    {u"Карьера - ", u"Кар’єра - ", u"Career - "},
}};

using Words = std::array<QStringView, kReportLanguageCount>;

// In the order of PageCaption; Russian, Ukrainian, English. The blanks in
// front of the names line their colons up under one another, as the classic
// page does.
constexpr std::array<Words, kPageCaptionCount> kCaptions{{
    {u" Фамилия: ", u"    Прізвище: ", u"      Surname: "},
    {u"         Имя: ", u"           Ім’я: ", u"First name: "},
    {u"Отчество: ", u"По батькові: ", u"Patronymic: "},
    {u"\" Версия ", u"\" Версія ", u"\" Version "},
    {u"Дата проведения расчёта: ", u"Дата розрахунку: ", u"Calculated on: "},
    {u" | Дата рождения прогнозируемого человека: ", u" | Дата народження: ",
     u" | Date of birth: "},
    {u"Расчёт распределения жизненных сил по годам", u"Розподіл життєвих сил за роками",
     u"Life forces year by year"},
    {u"Количество процентов счастья: ", u"Відсоток щастя: ", u"Happiness percentage: "},
    {u"Максимальный уровень жизненных сил: ", u"Найвищий рівень життєвих сил: ",
     u"Highest level of life forces: "},
    {u"Минимальный  уровень жизненных сил: ", u"Найнижчий рівень життєвих сил: ",
     u"Lowest level of life forces: "},
    {u"Аспекты рассчитываются для родившихся с %1 по %2 год.",
     u"Аспекти розраховуються для народжених з %1 по %2 рік.",
     u"Aspects are calculated for those born from %1 to %2."},
    {u"Аспекты", u"Аспекти", u"Aspects"},
    {u"Ваш цикл", u"Ваш цикл", u"Your cycle"},
    {u"Ближайшие годы", u"Найближчі роки", u"The years ahead"},
    {u"Процент счастья", u"Відсоток щастя", u"Happiness percentage"},
    {u"Страница %1 из %2", u"Сторінка %1 з %2", u"Page %1 of %2"},
    // The booklet.
    {u"Подробный отчёт", u"Детальний звіт", u"Detailed reading"},
    {u"Подробный отчёт: %1", u"Детальний звіт: %1", u"Detailed reading: %1"},
    {u"Дата рождения: %1, число жизни %2", u"Дата народження: %1, число життя %2",
     u"Date of birth: %1, life number %2"},
    {u"%1 — уровень %2", u"%1 — рівень %2", u"%1 — level %2"},
    {u"Число жизни %1 состоит из %2 цифр, и ваши годы идут по кругу: каждая цифра по очереди "
     u"задаёт уровень жизненных сил одного года, а после последней всё начинается с первой.",
     u"Число життя %1 складається з %2 цифр, і ваші роки йдуть по колу: кожна цифра по черзі "
     u"задає рівень життєвих сил одного року, а після останньої все починається з першої.",
     u"The life number %1 has %2 digits, and your years go round in a circle: each digit in "
     u"turn sets the level of life forces for one year, and after the last one it all starts "
     u"again from the first."},
    {u"Год %1 цикла — уровень %2, %3", u"Рік %1 циклу — рівень %2, %3",
     u"Year %1 of the cycle — level %2, %3"},
    {u"Годы до %1 лет: %2", u"Роки до %1 років: %2", u"Years up to the age of %1: %2"},
    {u"Эти годы наступят ещё до рождения: о них число жизни пока ничего не говорит.",
     u"Ці роки настануть ще до народження: про них число життя поки нічого не каже.",
     u"These years all come before the birth: the life number has nothing to say about them "
     u"yet."},
    {u"Год", u"Рік", u"Year"},
    {u"Возраст", u"Вік", u"Age"},
    {u"Уровень", u"Рівень", u"Level"},
    {u"Форма", u"Форма", u"Shape"},
    {u"Ваш процент счастья — %1", u"Ваш відсоток щастя — %1", u"Your happiness percentage: %1"},
    {u"Составлен %1", u"Складено %1", u"Prepared on %1"},
    {u"Цикл ребёнка", u"Цикл дитини", u"Your child’s cycle"},
    {u"Число жизни %1 состоит из %2 цифр, и годы вашего ребёнка идут по кругу: каждая цифра по "
     u"очереди задаёт уровень жизненных сил одного года, а после последней всё начинается с "
     u"первой.",
     u"Число життя %1 складається з %2 цифр, і роки вашої дитини йдуть по колу: кожна цифра по "
     u"черзі задає рівень життєвих сил одного року, а після останньої все починається з першої.",
     u"The life number %1 has %2 digits, and your child’s years go round in a circle: each "
     u"digit in turn sets the level of life forces for one year, and after the last one it all "
     u"starts again from the first."},
    {u"Процент счастья вашего ребёнка — %1", u"Відсоток щастя вашої дитини — %1",
     u"Your child’s happiness percentage: %1"},
    {u"Уровень %1 — см. год %2 цикла.", u"Рівень %1 — див. рік %2 циклу.",
     u"Level %1: see year %2 of the cycle."},
    {u"%1 — см. год %2 цикла.", u"%1 — див. рік %2 циклу.", u"%1: see year %2 of the cycle."},
    {u"Уровень %1, %2 — см. год %3 цикла.", u"Рівень %1, %2 — див. рік %3 циклу.",
     u"Level %1, %2: see year %3 of the cycle."},
    {u"%1 — год %2 цикла: уровень %3, %4.", u"%1 — рік %2 циклу: рівень %3, %4.",
     u"%1 — year %2 of the cycle: level %3, %4."},
    {u"Что значит каждый из этих годов, рассказано в разделе «%1».",
     u"Що означає кожен із цих років, розказано в розділі «%1».",
     u"What each of these years means is told in “%1”."},
    {u"Год цикла", u"Рік циклу", u"Cycle year"},
    {u"пик", u"пік", u"peak"},
    {u"низшая точка", u"найнижча точка", u"low point"},
    {u"подъём", u"підйом", u"rise"},
    {u"спад", u"спад", u"fall"},
    {u"тот же уровень", u"той самий рівень", u"same level"},
    {u"Вы вдвоём: %1 и %2", u"Ви вдвох: %1 і %2", u"The two of you: %1 and %2"},
    {u"%1 и %2", u"%1 і %2", u"%1 and %2"},
    {u"«%1» — у каждого из вас", u"«%1» — у кожного з вас", u"“%1” — you both have it"},
    {u"«%1» — у одного из вас: %2", u"«%1» — в одного з вас: %2", u"“%1” — only %2 has it"},
    {u"«%1» — ни у одного из вас", u"«%1» — ні в кого з вас", u"“%1” — neither of you has it"},
    // The comparison page.
    {u"Сравнение двух прогнозов", u"Порівняння двох прогнозів", u"Two forecasts side by side"},
    {u"Первый: ", u"Перший: ", u"First: "},
    {u"Второй: ", u"Другий: ", u"Second: "},
    {u"дата рождения ", u"дата народження ", u"born "},
    {u"      Процентов счастья: %1; уровень жизненных сил от %2 до %3",
     u"      Відсоток щастя: %1; рівень життєвих сил від %2 до %3",
     u"      Happiness: %1; life forces from %2 to %3"},
    {u" | Годы: с %1 по %2", u" | Роки: з %1 по %2", u" | Years: %1 to %2"},
    {u"Оба на своём максимуме: ", u"Обоє на своєму максимумі: ", u"Both at their highest: "},
    {u"Оба на своём минимуме: ", u"Обоє на своєму мінімумі: ", u"Both at their lowest: "},
    {u"Аспекты у обоих: ", u"Аспекти в обох: ", u"Aspects both have: "},
    {u"Аспекты: ", u"Аспекти: ", u"Aspects: "},
    {u"нет", u"немає", u"none"},
    {u"оба на максимуме", u"обоє на максимумі", u"both at their highest"},
    {u"оба на минимуме", u"обоє на мінімумі", u"both at their lowest"},
    {u"этот год", u"цей рік", u"this year"},
    // The companion's text.
    {u"Дата рождения: %1", u"Дата народження: %1", u"Date of birth: %1"},
    {u"Число жизни: %1 (цифр: %2)", u"Число життя: %1 (цифр: %2)", u"Life number: %1 (digits: %2)"},
    {u"Процент счастья: %1", u"Відсоток щастя: %1", u"Happiness percentage: %1"},
    {u"Максимальный уровень жизненных сил: %1", u"Найвищий рівень життєвих сил: %1",
     u"Highest level of life forces: %1"},
    {u"Минимальный уровень жизненных сил: %1", u"Найнижчий рівень життєвих сил: %1",
     u"Lowest level of life forces: %1"},
    {u"Годы по цифрам числа жизни, в скобках уровень жизненных сил:",
     u"Роки за цифрами числа життя, у дужках рівень життєвих сил:",
     u"Years by the digits of the life number, the level of life forces in brackets:"},
    {u"Аспекты:", u"Аспекти:", u"Aspects:"},
    {u"уровень %1", u"рівень %1", u"level %1"},
    {u", корневая цифра", u", коренева цифра", u", root digit"},
    {u"Сейчас %1 год: уровень жизненных сил %2", u"Зараз %1 рік: рівень життєвих сил %2",
     u"This year, %1: life forces at level %2"},
    {u"%1: %2%3, процентов счастья %4, уровни от %5 до %6",
     u"%1: %2%3, відсоток щастя %4, рівні від %5 до %6",
     u"%1: %2%3, happiness %4, levels from %5 to %6"},
    {u"Первый", u"Перший", u"First"},
    {u"Второй", u"Другий", u"Second"},
    {u"Год    первый второй", u"Рік    перший другий", u"Year    first second"},
    {u"© 2026, автор Земтар", u"© 2026, автор Земтар", u"© 2026, by Zemtar"},
    {u"Zemtar - Прогноз", u"Zemtar - Прогноз", u"Zemtar - Forecast"},
    {u"События жизни", u"Події життя", u"Life events"},
    {u"…и ещё %1", u"…і ще %1", u"…and %1 more"},
}};

bool isDigit(int digit) {
    return digit >= 1 && digit <= kAspectCount;
}

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

}  // namespace

QString languageCode(ReportLanguage language) {
    return kCodes[column(language)].toString();
}

std::optional<ReportLanguage> parseReportLanguage(QStringView code) {
    const QStringView trimmed = code.trimmed();
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        if (trimmed.compare(kCodes[i], Qt::CaseInsensitive) == 0) {
            return static_cast<ReportLanguage>(i);
        }
    }
    return std::nullopt;
}

ReportLanguage catalogueLanguage() {
    return reportLanguageOr(QCoreApplication::translate(
        "CatalogueLanguage", "ru", "the code of this catalogue's language: ru, uk or en"));
}

ReportLanguage reportLanguageOr(QStringView code) {
    return parseReportLanguage(code).value_or(ReportLanguage::Russian);
}

QStringList reportLanguageCodes() {
    QStringList codes;
    for (const QStringView code : kCodes) {
        codes << code.toString();
    }
    return codes;
}

QString languageName(ReportLanguage language) {
    return kOwnNames[column(language)].toString();
}

QString monthName(ReportLanguage language, int monthIndex, MonthForm form) {
    if (monthIndex < 0 || monthIndex >= static_cast<int>(kEnglishMonths.size())) {
        return {};
    }
    const std::size_t i = static_cast<std::size_t>(monthIndex);
    const bool nominative = form == MonthForm::Nominative;
    switch (language) {
        case ReportLanguage::Russian:
            return nominative ? monthName(monthIndex) : monthGenitive(monthIndex);
        case ReportLanguage::Ukrainian:
            return (nominative ? kUkrainianMonths[i] : kUkrainianMonthsAfterDay[i]).toString();
        case ReportLanguage::English:
            break;
    }
    return kEnglishMonths[i].toString();
}

QStringList monthNames(ReportLanguage language) {
    QStringList names;
    for (int m = 0; m < 12; ++m) {
        names << monthName(language, m, MonthForm::Nominative);
    }
    return names;
}

int parseMonthName(ReportLanguage language, QStringView text) {
    const QStringView trimmed = text.trimmed();
    for (int m = 0; m < 12; ++m) {
        for (const MonthForm form : {MonthForm::Nominative, MonthForm::Genitive}) {
            if (trimmed.compare(monthName(language, m, form), Qt::CaseInsensitive) == 0) {
                return m;
            }
        }
    }
    return -1;
}

QString pageCaption(ReportLanguage language, PageCaption caption) {
    return kCaptions[static_cast<std::size_t>(caption)][column(language)].toString();
}

QString pageAspectRow(ReportLanguage language, int digit) {
    if (!isDigit(digit)) {
        return {};
    }
    return kAspectRows[static_cast<std::size_t>(digit - 1)][column(language)].toString();
}

QString birthDateText(ReportLanguage language, int day, int monthIndex, QStringView year) {
    return birthDateText(language, QString::number(day), monthIndex, year);
}

QString birthDateText(ReportLanguage language, QStringView day, int monthIndex, QStringView year) {
    switch (language) {
        case ReportLanguage::Russian:
            // The classic page: the month as the window's list names it, «г.»
            // straight after the year.
            return QStringLiteral("%1 %2 %3г.")
                .arg(day, monthName(language, monthIndex, MonthForm::Nominative), year);
        case ReportLanguage::Ukrainian:
            return QStringLiteral("%1 %2 %3 р.")
                .arg(day, monthName(language, monthIndex, MonthForm::Genitive), year);
        case ReportLanguage::English:
            break;
    }
    return QStringLiteral("%1 %2 %3")
        .arg(day, monthName(language, monthIndex, MonthForm::Genitive), year);
}

QString ageText(ReportLanguage language, long long age) {
    const long long lastTwo = age % 100;
    const long long last = age % 10;
    const bool one = last == 1 && lastTwo != 11;
    const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
    QStringView word;
    switch (language) {
        case ReportLanguage::Russian:
            word = one ? u"год" : few ? u"года" : u"лет";
            break;
        case ReportLanguage::Ukrainian:
            word = one ? u"рік" : few ? u"роки" : u"років";
            break;
        case ReportLanguage::English:
            return QString::number(age);
    }
    return QStringLiteral("%1 %2").arg(QString::number(age), word);
}

QString calculationDateText(ReportLanguage language, const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QString clock =
        QStringLiteral("%1:%2:%3")
            .arg(twoDigits(time.hour()), twoDigits(time.minute()), twoDigits(time.second()));
    if (language == ReportLanguage::English) {
        return QStringLiteral("%1 %2 %3, %4")
            .arg(QString::number(date.day()),
                 monthName(language, date.month() - 1, MonthForm::Genitive),
                 QString::number(date.year()), clock);
    }
    return QStringLiteral("%1.%2.%3 %4")
        .arg(twoDigits(date.day()), twoDigits(date.month()), QString::number(date.year()), clock);
}

}  // namespace core
