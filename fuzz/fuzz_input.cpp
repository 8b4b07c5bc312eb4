// libFuzzer target over what the user's text meets first: the numeric test and
// conversions of the year box, the accepted-year rule with the life number, the
// whole calculation of a forecast with the typed text as the year, and a file
// of interpretation texts as a colleague might send one.
//
// The first input byte picks the part; the rest is the text (or the file). Any exception but
// the calculation's own RuntimeError, any broken rule below and any sanitizer
// report ends the run with the input saved.

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

#include "core/errors.h"
#include "core/forecast.h"
#include "core/numeric.h"
#include "core/text_file.h"
#include "core/text_keys.h"
#include "core/text_set.h"
#include "core/year_reading.h"

namespace {

// A first byte from here on picks the file of texts; below it, the year box.
constexpr std::uint8_t kTextFilePart = 0xF0;

void require(bool rule, const char* what, const QString& text) {
    if (!rule) {
        std::fprintf(stderr, "broken rule: %s for \"%s\"\n", what, qPrintable(text));
        std::abort();
    }
}

bool allAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

core::RuntimeError::Kind failureOf(const auto& call) {
    try {
        call();
    } catch (const core::RuntimeError& e) {
        return e.kind();
    }
    std::abort();  // the caller expects a failure here
}

void checkNumeric(const QString& text, const QLocale& locale) {
    const bool numeric = core::isNumeric(text, locale);
    double value = 0;
    bool converted = false;
    try {
        value = core::toDouble(text, locale);
        converted = true;
    } catch (const core::RuntimeError& e) {
        // Text that passes the test fails only by being too large for a double.
        require(numeric == (e.kind() == core::RuntimeError::Kind::Overflow),
                "toDouble fails with the wrong kind", text);
    }
    require(!converted || numeric, "toDouble accepts non-numeric text", text);
    if (!converted) {
        require(failureOf([&] { core::toInt16(text, locale); }) ==
                    (numeric ? core::RuntimeError::Kind::Overflow
                             : core::RuntimeError::Kind::TypeMismatch),
                "toInt16 fails unlike toDouble", text);
        return;
    }
    require(std::isfinite(value), "toDouble gives a non-finite number", text);
    const double whole = std::nearbyint(value);
    if (whole < -32768 || whole > 32767) {
        require(
            failureOf([&] { core::toInt16(text, locale); }) == core::RuntimeError::Kind::Overflow,
            "toInt16 out of range without an overflow", text);
        return;
    }
    const int v = core::toInt16(text, locale).value();
    const double distance = std::fabs(v - value);
    require(distance <= 0.5, "toInt16 is not the nearest whole number", text);
    require(distance < 0.5 || v % 2 == 0, "a half does not go to the even neighbour", text);
}

void checkYear(const QString& text, int pick) {
    const bool accepted = core::isAcceptedYear(text);
    const bool plain = !text.isEmpty() && text.size() <= 4 && allAsciiDigits(text);
    require(accepted == (plain && text.toInt() >= 1), "isAcceptedYear disagrees", text);
    if (!accepted) {
        return;
    }
    // Any day with any month: 1 to 31 followed by the two-digit month.
    const int day = pick % 31 + 1;
    const int month = pick / 31 % 12 + 1;
    const QString dayMonth = core::dayMonthString(day, month - 1);
    require(dayMonth == QString::number(day * 100 + month), "day-month string", text);
    const core::Int32 number = core::lifeNumber(text, dayMonth, QLocale::c());
    require(number.value() == text.toInt() * (day * 100 + month), "life number", text);
    const int happiness = core::OprPrc(number);
    require(happiness >= 0 && happiness <= 99, "happiness percentage width", text);
}

void checkRootDigit(const QString& digits) {
    if (digits.isEmpty() || !allAsciiDigits(digits)) {
        require(
            failureOf([&] { core::rootDigit(digits); }) == core::RuntimeError::Kind::TypeMismatch,
            "rootDigit of a non-digit string", digits);
        return;
    }
    const int root = core::rootDigit(digits);
    const bool allZero =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
    require(root >= 0 && root <= 9, "root digit out of range", digits);
    require((root == 0) == allZero, "root digit 0 only for zeros", digits);
}

// What every forecast must satisfy, whatever the date.
void checkForecast(const core::Forecast& f, const QString& year) {
    const QString& ob = f.birthDigits;
    require(ob.endsWith(year), "birth digits end with the year as typed", year);

    // The aspects: a step per digit, one for the root digit, at most a bonus
    // step per line; a circle exactly for a level; one root, and it is the
    // root digit of the birth digits (never 0: the day has a digit 1 to 9).
    const int root = core::rootDigit(ob);
    require(root >= 1 && root <= 9, "root digit of a date", ob);
    for (int d = 1; d <= 9; ++d) {
        const core::AspectValue& a = f.aspects[static_cast<std::size_t>(d - 1)];
        const int steps = static_cast<int>(ob.count(QChar(u'0' + d))) + (root == d ? 1 : 0);
        require(a.level >= steps && a.level <= steps + core::kBonusLineCount, "aspect level", ob);
        require(a.present == (a.level > 0), "circle without level", ob);
        require(a.root == (d == root), "root digit not marked", ob);
    }
    // A segment shows exactly when its line is complete.
    std::array<int, core::kSegmentCount> owners{};
    for (const core::BonusLine& line : core::kBonusLines) {
        bool complete = true;
        for (const int d : line.digits) {
            complete = complete && f.aspects[static_cast<std::size_t>(d - 1)].present;
        }
        for (const int k : line.segments) {
            ++owners[static_cast<std::size_t>(k)];
            require(f.segments[static_cast<std::size_t>(k)] == complete,
                    "segment shown unlike its line", ob);
        }
    }
    require(std::all_of(owners.begin(), owners.end(), [](int n) { return n == 1; }),
            "a segment belongs to one line", ob);

    // The curve: one grid point per digit of the life number; the axis marks
    // its largest and smallest digit.
    require(f.digits == core::decimal(f.lifeNumber), "digits of the life number", year);
    require(f.digitCount == f.digits.size(), "digit count", year);
    require(f.curve.size() == static_cast<std::size_t>(f.digitCount), "curve length", year);
    int largest = 0;
    int smallest = 9;
    for (int i = 0; i < f.digits.size(); ++i) {
        const int d = f.digits.at(i).unicode() - u'0';
        require(f.curve[static_cast<std::size_t>(i)] == core::Opr(i + 1, d), "curve point", year);
        largest = std::max(largest, d);
        smallest = std::min(smallest, d);
    }
    require(f.largest == largest && f.smallest == smallest, "largest and smallest digit", year);
    require(f.axis[static_cast<std::size_t>(smallest)] == core::AxisMark::Smallest,
            "smallest digit not marked", year);
    require(
        largest == smallest || f.axis[static_cast<std::size_t>(largest)] == core::AxisMark::Largest,
        "largest digit not marked", year);
    for (int d = 0; d < 10; ++d) {
        const core::AxisMark mark = f.axis[static_cast<std::size_t>(d)];
        require((mark != core::AxisMark::Plain) == (d == largest || d == smallest), "axis marks",
                year);
    }

    // The year table: every digit position governs every n-th year from its
    // column's start; five to seven digits hide the columns after the last.
    const int n = f.digitCount;
    const int visibleColumns = n >= 5 && n <= 7 ? n : 8;
    const long long birthYear = year.toLongLong();
    for (int i = 0; i < 10; ++i) {
        for (int k = 0; k < 8; ++k) {
            const core::YearCell& cell =
                f.years[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
            require(cell.year == birthYear + k + static_cast<long long>(i) * n, "year cell", year);
            require(cell.visible == (k < visibleColumns), "visible year columns", year);
        }
    }
}

// The whole calculation on the fuzzed year, with a day and a month picked
// from the input: an accepted year gives a forecast on every day its month
// has in that year and a refusal of the date on any other; anything else is
// refused as not a year, never stopped.
void checkCalculation(const QString& year, int pick) {
    const core::BirthDate date{pick % 31 + 1, pick / 31 % 12, year};
    const core::Calculation result = core::calculate(date);
    const auto* f = std::get_if<core::Forecast>(&result);
    if (!core::isAcceptedYear(year)) {
        const auto* refusal = std::get_if<core::Refusal>(&result);
        require(refusal && refusal->kind == core::Refusal::Kind::YearNotDigits,
                "a year that is not accepted is refused as such", year);
        return;
    }
    if (!QDate::isValid(year.toInt(), date.monthIndex + 1, date.day)) {
        const auto* refusal = std::get_if<core::Refusal>(&result);
        require(refusal && refusal->kind == core::Refusal::Kind::NoSuchDate,
                "a day its month does not have is refused as such", year);
        return;
    }
    require(f != nullptr, "an accepted year gives a forecast", year);
    checkForecast(*f, year);
}

// A file of texts: every problem names a line the file has, every text read
// keeps the text rules (no heap of marks on a letter, no turn of direction,
// within the limit), and what the writer makes of the set reads back whole.
void checkTextFile(const QByteArray& bytes) {
    const core::TextFileReading reading = core::readTextFile(bytes, QStringLiteral("f.txt"));
    const QString shown = QString::fromUtf8(bytes.left(64));
    require(reading.problemCount >= int(reading.problems.size()), "problems counted", shown);
    for (const core::TextFileProblem& p : reading.problems) {
        require(p.line >= 0 && p.line <= bytes.count('\n') + 1, "a problem's line", shown);
    }
    for (const core::TextKey& key : core::textKeys()) {
        if (const std::optional<QString> text = reading.set.text(key.key)) {
            require(core::textProblem(*text).isEmpty(), "a text read breaks the text rules", shown);
        }
    }
    if (reading.ours) {
        const core::TextFileReading again =
            core::readTextFile(core::textFileBytes(reading.set), QStringLiteral("f.txt"));
        require(again.complete() && again.set == reading.set, "the set written reads back", shown);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 256) {
        return 0;
    }
    const std::uint8_t part = data[0];
    if (part >= kTextFilePart) {
        checkTextFile(
            QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
        return 0;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    switch (part % 3) {
        case 0:
            checkNumeric(text, QLocale::c());
            checkNumeric(text, QLocale(QLocale::Russian, QLocale::Russia));
            break;
        case 1:
            checkYear(text, part / 3 + 86 * data[size - 1]);
            break;
        default:
            // A birth date has at most eight digits; longer strings only slow the run.
            checkRootDigit(text.left(32));
            checkCalculation(text, part / 3 + 86 * data[size - 1]);
            break;
    }
    return 0;
}
