#include "core/forecast.h"

#include <QCoreApplication>
#include <QDate>

#include "core/months.h"
#include "core/numeric.h"
#include "core/program_info.h"
#include "core/report_language.h"
#include "core/year_reading.h"

namespace core {

namespace {

int digitValue(QChar c) {
    return c.unicode() - u'0';
}

// The square's counting: one step per digit, one for the root digit, then the
// bonus lines, each giving its step the first time it is complete. A step can
// complete a line that was already passed, so the check starts over after each.
void countAspects(Forecast& f, int root) {
    auto add = [&f](int digit) {
        if (digit < 1 || digit > 9) {
            return;  // a zero adds no step
        }
        AspectValue& a = f.aspects[static_cast<std::size_t>(digit - 1)];
        a.present = true;
        a.level = (Byte::of(a.level) + Byte::of(1)).value();
    };
    for (const QChar c : f.birthDigits) {
        add(digitValue(c));
    }
    add(root);
    if (root >= 1) {  // a string of zeros has root 0, which no aspect owns
        f.aspects[static_cast<std::size_t>(root - 1)].root = true;
    }
    std::array<bool, kBonusLineCount> given{};
    std::size_t j = 0;
    while (j < kBonusLines.size()) {
        const BonusLine& line = kBonusLines[j];
        bool complete = true;
        for (const int d : line.digits) {
            complete = complete && f.aspects[static_cast<std::size_t>(d - 1)].present;
        }
        if (complete) {
            for (const int k : line.segments) {
                f.segments[static_cast<std::size_t>(k)] = true;
            }
            if (!given[j]) {
                given[j] = true;
                add(line.bonusDigit);
                j = 0;
                continue;
            }
        }
        ++j;
    }
}

// Years governed by each digit position: the first row counts from the birth
// year in 16 bits, as the year box does; the rows below are not so limited.
void fillYears(Forecast& f, Int16 birthYear) {
    const int n = f.digitCount;
    for (int k = 0; k < 8; ++k) {
        // Five to seven digits leave the columns after the last digit empty.
        const bool visible = !(n >= 5 && n <= 7 && k >= n);
        f.years[0][static_cast<std::size_t>(k)] = {(birthYear + Int16::of(k)).wide(), visible};
        for (int i = 1; i <= 9; ++i) {
            f.years[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = {
                static_cast<long long>(i) * n + birthYear.wide() + k, visible};
        }
    }
}

// The page's year rows go on from the birth year, row after row, one year a
// digit; the screen's table shows the first ten rows of eight columns.
void fillPageYears(Forecast& f) {
    long long year = f.birthYear;
    for (auto& row : f.pageYears) {
        row.clear();
        for (int i = 0; i < f.digitCount; ++i) {
            row.push_back(year++);
        }
    }
}

void walkCurve(Forecast& f) {
    int largest = 0;
    int smallest = 9;
    for (int i = 0; i < f.digits.size(); ++i) {
        const int d = digitValue(f.digits.at(i));
        if (d < 0 || d > 9) {
            throw RuntimeError(RuntimeError::Kind::TypeMismatch);
        }
        largest = std::max(largest, d);
        smallest = std::min(smallest, d);
        f.curve.push_back(Opr(i + 1, d));
    }
    f.largest = largest;
    f.smallest = smallest;
    f.axis.fill(AxisMark::Plain);
    // The smallest digit's red wins when every digit is the same.
    f.axis[static_cast<std::size_t>(largest)] = AxisMark::Largest;
    f.axis[static_cast<std::size_t>(smallest)] = AxisMark::Smallest;
}

Forecast compute(const BirthDate& date) {
    Forecast f;
    f.date = date;
    const QString dayMonth = dayMonthString(date.day, date.monthIndex);
    f.lifeNumber = lifeNumber(date.year, dayMonth, QLocale::c());
    f.digits = decimal(f.lifeNumber);
    f.digitCount = digitCount(f.lifeNumber).value();
    f.birthDigits = birthDigits(dayMonth, date.year);
    fillYears(f, toInt16(date.year, QLocale::c()));
    f.birthYear = f.years[0][0].year;
    f.aspectsCounted = f.birthYear >= kAspectYearsFrom && f.birthYear <= kAspectYearsTo;
    fillPageYears(f);
    walkCurve(f);
    f.happinessPercent = OprPrc(f.lifeNumber);
    countAspects(f, rootDigit(f.birthDigits));
    for (std::size_t i = 0; i < f.aspects.size(); ++i) {
        f.aspects[i].percent = f.aspects[i].level * 100 / kAspectFullLevels[i];
    }
    return f;
}

}  // namespace

QString dayMonthString(int day, int monthIndex) {
    const Int16 month = Int16::of(monthIndex) + Int16::of(1);
    QString monthText = decimal(month);
    if (monthText.size() == 1) {
        monthText.prepend(u'0');
    }
    return QString::number(day) + monthText;
}

Byte digitCount(Int32 lifeNumber) {
    return Byte::of(decimal(lifeNumber).size());
}

QString birthDigits(const QString& dayMonth, const QString& yearText) {
    return dayMonth + yearText;
}

int OprPrc(Int32 Num) {
    const int divisor = digitCount(Num).value() > 5 ? 63 : 57;
    // The whole part of the quotient of two positive whole numbers is exact in
    // integer arithmetic; for quotients below 10 it is the single digit shown.
    long long whole = Num.wide() / divisor;
    while (whole >= 100) {
        whole /= 10;  // its first two digits
    }
    return static_cast<int>(whole);
}

QString percentText(int percent) {
    return QString::number(percent) + u'%';
}

bool isAcceptedYear(const QString& yearText) {
    if (yearText.size() > 4 || !isDigitString(yearText)) {
        return false;
    }
    int value = 0;
    for (const QChar c : yearText) {
        value = value * 10 + digitValue(c);
    }
    return value >= 1 && value <= 9999;
}

int rootDigit(const QString& digits) {
    if (!isDigitString(digits)) {
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    }
    Int32 total = Int32::of(0);
    for (const QChar c : digits) {
        total += Int32::of(digitValue(c));
    }
    QString text = decimal(total);
    while (text.size() > 1) {
        total = Int32::of(digitValue(text.front())) + Int32::of(digitValue(text.back()));
        text = decimal(total);
    }
    return total.value();
}

QString noSuchDate(int day, int monthIndex, const QString& yearText) {
    if (!dayInRange(day) || !monthInRange(monthIndex) || !isAcceptedYear(yearText)) {
        return {};
    }
    // QDate counts by the Gregorian calendar for every year, before 1582 too.
    const int year = yearText.toInt();
    if (QDate::isValid(year, monthIndex + 1, day)) {
        return {};
    }
    return QCoreApplication::translate("Forecast", "Такой даты нет: %1 %2 %3 года.")
        .arg(QString::number(day),
             // the month in the language of the message, not the page's
             monthName(catalogueLanguage(), monthIndex, MonthForm::Genitive),
             QString::number(year));
}

QString numericDate(const BirthDate& date) {
    const auto twoDigits = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return twoDigits(date.day) + u'.' + twoDigits(date.monthIndex + 1) + u'.' + date.year;
}

QString Forecast::dateText() const {
    return QString::number(date.day) + u' ' + monthName(date.monthIndex) + u' ' + date.year;
}

YearMark markYear(const Forecast& forecast, long long year) {
    YearMark mark;
    mark.year = year;
    for (std::size_t k = 0; k < kGridColumns; ++k) {
        for (std::size_t i = 0; i < forecast.years.size(); ++i) {
            const YearCell& cell = forecast.years[i][k];
            if (cell.visible && cell.year == year) {
                mark.cells.push_back({static_cast<int>(i), static_cast<int>(k)});
            }
        }
    }
    if (mark.inTable() && forecast.digitCount > 0) {
        // Columns past the last digit repeat the cycle from its first digit.
        mark.point = mark.cells.front().column % forecast.digitCount;
        mark.level = digitValue(forecast.digits.at(mark.point));
    }
    return mark;
}

std::optional<Refusal> dateRefusal(const BirthDate& date) {
    const auto refuse = [](Refusal::Kind kind, const QString& text, const char* title) {
        return Refusal{kind, text, QCoreApplication::translate("Forecast", title), kDateHelpTopic,
                       RuntimeError::Kind::Overflow};
    };
    if (date.day == 0 || date.monthIndex == -1) {
        return refuse(Refusal::Kind::MissingDate,
                      QCoreApplication::translate("Forecast", "Выберите месяц и год рождения!"),
                      QT_TRANSLATE_NOOP("Forecast", "Введены не все данные"));
    }
    if (!dayInRange(date.day)) {
        return refuse(
            Refusal::Kind::DayOutOfRange,
            QCoreApplication::translate("Forecast", "День рождения — число от 1 до 31, а не %1.")
                .arg(date.day),
            QT_TRANSLATE_NOOP("Forecast", "Неверная дата рождения"));
    }
    if (!monthInRange(date.monthIndex)) {
        return refuse(
            Refusal::Kind::MonthOutOfRange,
            QCoreApplication::translate("Forecast", "Месяц рождения — номер от 1 до 12, а не %1.")
                .arg(date.monthIndex + 1),
            QT_TRANSLATE_NOOP("Forecast", "Неверная дата рождения"));
    }
    // Only plain digits reach the arithmetic: a sign, a separator or an
    // exponent would give a year number that the digit string does not match.
    if (!isAcceptedYear(date.year)) {
        return refuse(Refusal::Kind::YearNotDigits,
                      QCoreApplication::translate(
                          "Forecast", "Год рождения нужно ввести цифрами: число от 1 до 9999."),
                      QT_TRANSLATE_NOOP("Forecast", "Неверный год рождения"));
    }
    if (const QString problem = noSuchDate(date.day, date.monthIndex, date.year);
        !problem.isEmpty()) {
        return refuse(Refusal::Kind::NoSuchDate, problem,
                      QT_TRANSLATE_NOOP("Forecast", "Неверная дата рождения"));
    }
    return std::nullopt;
}

Calculation calculate(const BirthDate& date) {
    if (std::optional<Refusal> refusal = dateRefusal(date)) {
        return *std::move(refusal);
    }
    try {
        return compute(date);
    } catch (const RuntimeError& e) {
        return Refusal{Refusal::Kind::Stopped, e.stoppedMessage(), info::programName(), 0,
                       e.kind()};
    }
}

}  // namespace core
