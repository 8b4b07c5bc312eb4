#include "core/report_language.h"

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

// Each aspect's name in the square and its row on the classic page, in
// Ukrainian and English. The classic Russian page has names of its own for
// some rows («Уровень биополя», «Судьба»), kept as they are.
struct AspectWords {
    QStringView ruRow;
    QStringView ukName;
    QStringView ukRow;
    QStringView enName;
    QStringView enRow;
};

constexpr std::array<AspectWords, kAspectCount> kAspects{{
    {u"Уровень биополя - ", u"Біополе", u"Рівень біополя - ", u"Biofield", u"Biofield - "},
    {u"Связь с землёй - ", u"Зв’язок із землею", u"Зв’язок із землею - ", u"Bond with the Earth",
     u"Bond with the Earth - "},
    {u"Связь с космосом - ", u"Зв’язок із космосом", u"Зв’язок із космосом - ",
     u"Bond with the Cosmos", u"Bond with the Cosmos - "},
    {u"Работа - ", u"Робота", u"Робота - ", u"Work", u"Work - "},
    {u"Любовь - ", u"Любов", u"Любов - ", u"Love", u"Love - "},
    {u"Интерес - ", u"Інтерес", u"Інтерес - ", u"Interest", u"Interest - "},
    {u"Ангел хранитель - ", u"Ангел-охоронець", u"Ангел-охоронець - ", u"Guardian Angel",
     u"Guardian Angel - "},
    {u"Судьба - ", u"Удача", u"Доля - ", u"Luck", u"Fate - "},
    {u"Карьера - ", u"Кар’єра", u"Кар’єра - ", u"Career", u"Career - "},
}};

using Words = std::array<QStringView, kReportLanguageCount>;

// In the order of PageCaption; Russian, Ukrainian, English. The blanks in
// front of the names line their colons up under one another, as the classic
// page does.
constexpr std::array<Words, 16> kCaptions{{
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
    {u"Аспекты рассчитываются для родившихся с 1900 по 1999 год.",
     u"Аспекти розраховуються для народжених з 1900 по 1999 рік.",
     u"Aspects are calculated for those born from 1900 to 1999."},
    {u"Аспекты", u"Аспекти", u"Aspects"},
    {u"Ваш цикл", u"Ваш цикл", u"Your cycle"},
    {u"Ближайшие годы", u"Найближчі роки", u"The years ahead"},
    {u"Процент счастья", u"Відсоток щастя", u"Happiness percentage"},
    {u"Страница %1 из %2", u"Сторінка %1 з %2", u"Page %1 of %2"},
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

QString aspectName(ReportLanguage language, int digit) {
    if (!isDigit(digit)) {
        return {};
    }
    const std::size_t i = static_cast<std::size_t>(digit - 1);
    switch (language) {
        case ReportLanguage::Russian:
            return kAspectNames[i].toString();
        case ReportLanguage::Ukrainian:
            return kAspects[i].ukName.toString();
        case ReportLanguage::English:
            break;
    }
    return kAspects[i].enName.toString();
}

QString pageCaption(ReportLanguage language, PageCaption caption) {
    return kCaptions[static_cast<std::size_t>(caption)][column(language)].toString();
}

QString pageAspectRow(ReportLanguage language, int digit) {
    if (!isDigit(digit)) {
        return {};
    }
    const AspectWords& words = kAspects[static_cast<std::size_t>(digit - 1)];
    const std::array<QStringView, kReportLanguageCount> rows{words.ruRow, words.ukRow, words.enRow};
    return rows[column(language)].toString();
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
