#pragma once

// How a date becomes a forecast
// -----------------------------
// The user enters a day and a month (picked from lists) and the year's text as
// typed. calculate() turns that date into one plain value: either a Forecast
// or a Refusal that says which message the user gets. Nothing else computes:
//
//   BirthDate --calculate()--> Forecast | Refusal
//
//   1. The day-month number is the day followed by the two-digit month
//      ("23" + "08"); the life number is year x day-month (23.08.1975 gives
//      1975 x 2308 = 4558300). Its digits, left to right, are the curve.
//   2. Each digit is a column of the 8 x 10 grid of dots and sits at the row of
//      its value (9 at the top, 0 at the bottom): the curve's points, in twips
//      from the grid's origin.
//   3. The year table: column K starts at the birth year + K - 1 and each row
//      below adds as many years as the life number has digits, so each digit
//      position governs every n-th year.
//   4. The happiness percentage comes from the life number; the largest and
//      smallest digit mark the digit axis green and red.
//   5. The aspect square counts the digits of the birth date (day-month string
//      and the year as typed): one step per digit 1 to 9, one for the root
//      digit, then a step for every complete row, column or diagonal.
//
// The views only draw this value: the graph (grid, curve, digit axis and year
// table), the aspect square and the percentage label in the main window; the
// printed report; the command-line companion's text and JSON. None of them
// reads a result back from a control.
//
// Historical names of the calculation, kept where they help a reader find the
// behaviour (the drawing's own, Opr, Maket, P1, OsY and FormirYear, stand
// beside their declarations in core/grid_geometry.h and graph/):
//   OprPrc     gives the happiness percentage of a life number
//   Ob         the birth-date digit string the aspects are counted from
//   LenNumP    the number of digits of the life number
//   Mx, Mn     the largest and the smallest digit of the life number

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "core/aspect_rules.h"
#include "core/checked.h"
#include "core/errors.h"
#include "core/grid_geometry.h"

namespace core {

// The day (no leading zero) followed by the two-digit month number;
// monthIndex is 0 for January.
QString dayMonthString(int day, int monthIndex);

// Number of characters of the decimal text of a life number.
Byte digitCount(Int32 lifeNumber);

// The digit string the aspects are counted from (Ob): the day-month string
// followed by the year exactly as typed.
QString birthDigits(const QString& dayMonth, const QString& yearText);

// Happiness percentage: the leading digits (at most two) of the whole part of
// the life number divided by 63 (six or more digits) or 57.
int OprPrc(Int32 Num);

// A percentage as every view writes it: «72%».
QString percentText(int percent);

// The year box accepts one to four decimal digits with a value from 1 to 9999;
// anything else is refused before the calculation starts.
bool isAcceptedYear(const QString& yearText);

inline constexpr char kDefaultYear[] = "1990";

// The root digit of a birth-date digit string: the digit total, reduced while it
// has more than one decimal digit to the sum of its first and last digit. A
// string that is not a digit string is a type mismatch. 0 only for all zeros.
int rootDigit(const QString& digits);

// Why a day cannot be born on: the day (1 to 31) is not one that the month
// (monthIndex 0 is January) has in the year typed, by the Gregorian calendar
// carried back to year 1 (no 31 April, no 30 February, no 29 February in a
// common year): «Такой даты нет: 31 февраля 1985 года.». Empty when the date
// exists, and when the day, the month or the year is out of its range, which
// the other checks refuse in their own words. Every way a date comes in (the
// window, the book, a list, the companion) is judged here.
QString noSuchDate(int day, int monthIndex, const QString& yearText);

// ---- The forecast ----

// A date of birth as the program holds it everywhere: the month counted from
// 0, as the month lists count their entries. Only the book's files count it
// from 1, and convert where they are read and written.
struct BirthDate {
    int day = 0;          // 1 to 31; 0 while none is chosen
    int monthIndex = -1;  // 0 = January; -1 while none is chosen
    QString year;         // as typed

    // Nothing entered yet.
    bool isBlank() const { return day == 0 && monthIndex < 0 && year.isEmpty(); }
    friend bool operator==(const BirthDate&, const BirthDate&) = default;
};

// "23.08.1975": day and month in two digits, the year as typed.
QString numericDate(const BirthDate& date);

struct YearCell {
    long long year = 0;
    bool visible = false;
};

struct AspectValue {
    int level = 0;         // steps counted; 0 when the aspect is absent
    bool present = false;  // its circle is shown
    bool root = false;     // its digit is the root digit, painted red
    // The printed page's aspect column: the level against the level that
    // counts as a full hundred (kAspectFullLevels), rounded down; more than
    // a hundred where the level passes it.
    int percent = 0;
    friend bool operator==(const AspectValue&, const AspectValue&) = default;
};

// The printed page's aspect column is for those born in these years; the
// square on the screen counts for everyone.
inline constexpr long long kAspectYearsFrom = 1900;
inline constexpr long long kAspectYearsTo = 1999;
inline constexpr int kPageYearRows = 15;

struct Forecast {
    BirthDate date;
    QString birthDigits;  // Ob
    Int32 lifeNumber;
    QString digits;            // the life number's decimal text, one curve point each
    int digitCount = 0;        // LenNumP
    int happinessPercent = 0;  // OprPrc
    int largest = 0;           // Mx
    int smallest = 9;          // Mn
    std::array<AxisMark, 10> axis{};
    std::vector<PointTw> curve;                       // from the grid's origin
    std::array<std::array<YearCell, 8>, 10> years{};  // [row][column]
    std::array<AspectValue, kAspectCount> aspects{};
    std::array<bool, kSegmentCount> segments{};
    long long birthYear = 0;      // the first year of the table and of the page
    bool aspectsCounted = false;  // born kAspectYearsFrom to kAspectYearsTo: the page's column
    // The page's year rows: kPageYearRows rows of digitCount years each, the
    // first from the birth year, each row going on where the one above ended.
    std::array<std::vector<long long>, kPageYearRows> pageYears{};

    // "23 Август 1975"
    QString dateText() const;
};

// The help topic of the date of birth, which the warnings about the date
// offer and the help viewer opens.
inline constexpr int kDateHelpTopic = 80;

struct Refusal {
    enum class Kind {
        MissingDate,
        DayOutOfRange,
        MonthOutOfRange,
        YearNotDigits,
        NoSuchDate,
        Stopped
    };
    Kind kind = Kind::MissingDate;
    QString text;
    QString title;  // empty: the program's name
    int helpTopic = 0;
    RuntimeError::Kind stopped = RuntimeError::Kind::Overflow;  // for Kind::Stopped
};

using Calculation = std::variant<Forecast, Refusal>;

// ---- A year looked up in the table ----

struct TableCell {
    int row = 0;     // 0 to 9
    int column = 0;  // 0 to 7
    friend bool operator==(TableCell, TableCell) = default;
};

// Where the year table shows a year and how strong the life forces are then.
// A life number of three or four digits fills all eight columns, so its cycle
// repeats within a row and a year can stand in two or three cells; all of them
// lie in columns of the same digit position.
struct YearMark {
    long long year = 0;
    std::vector<TableCell> cells;  // every shown cell holding the year, left to right
    int point = -1;                // the curve point (digit position) of those columns
    int level = 0;                 // that digit: the level of life forces in the year

    bool inTable() const { return !cells.empty(); }
};

YearMark markYear(const Forecast& forecast, long long year);

// A day a month list can hold (1 to 31) and a month index (0 to 11): the
// ranges of dateRefusal(). A day or a month outside them is no choice at all,
// which the lists show as none and a stored date of another program may hold.
constexpr bool dayInRange(int day) {
    return day >= 1 && day <= 31;
}
constexpr bool monthInRange(int monthIndex) {
    return monthIndex >= 0 && monthIndex <= 11;
}

// Every rule a date of birth must keep, in the order the window tells them: a
// day and a month chosen (day 0 and month -1 are none), the day 1 to 31, the
// month 0 to 11, the year isAcceptedYear(), and a day its month has in that
// year (noSuchDate). The refusal of the first rule broken; none when the date
// may be calculated. The window, the book, lists of clients and the companion
// all ask here.
std::optional<Refusal> dateRefusal(const BirthDate& date);

// The one function that computes: pure, no widgets, no application object.
// A date that breaks a rule of dateRefusal() is refused with its message.
Calculation calculate(const BirthDate& date);

}  // namespace core
