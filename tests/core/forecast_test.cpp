#include <gtest/gtest.h>

#include "core/forecast.h"
#include "core/forecast_text.h"
#include "core/months.h"
#include "core/numeric.h"
#include "core/year_reading.h"
#include "forecast_of.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

namespace {

const QLocale kC = QLocale::c();

struct Example {
    int day;
    int monthIndex;
    const char* year;
    const char* dayMonth;
    int lifeNumber;
    int digits;
    const char* percent;
    const char* ob;
};

}  // namespace

TEST(Forecast, WorkedExamples) {
    const Example examples[] = {
        {5, 4, "1990", "505", 1004950, 7, "15", "5051990"},
        {23, 7, "1975", "2308", 4558300, 7, "72", "23081975"},
        {1, 0, "100", "101", 10100, 5, "17", "101100"},
        {31, 11, "9999", "3112", 31116888, 8, "49", "31129999"},
        // Quotients below 10 show their one whole digit.
        {1, 0, "1", "101", 101, 3, "1", "1011"},
        {31, 11, "5", "3112", 15560, 5, "27", "31125"},
        {10, 0, "111", "1001", 111111, 6, "17", "1001111"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.ob);
        const QString dm = core::dayMonthString(e.day, e.monthIndex);
        EXPECT_EQ(dm, QString::fromLatin1(e.dayMonth));
        const core::Int32 n = core::lifeNumber(QString::fromLatin1(e.year), dm, kC);
        EXPECT_EQ(n.value(), e.lifeNumber);
        EXPECT_EQ(core::digitCount(n).value(), e.digits);
        EXPECT_EQ(QString::number(core::OprPrc(n)), QString::fromLatin1(e.percent));
        EXPECT_EQ(core::birthDigits(dm, QString::fromLatin1(e.year)), QString::fromLatin1(e.ob));
    }
}

TEST(Forecast, DayMonthString) {
    EXPECT_EQ(core::dayMonthString(5, 4), QStringLiteral("505"));
    EXPECT_EQ(core::dayMonthString(5, 9), QStringLiteral("510"));
    EXPECT_EQ(core::dayMonthString(15, 4), QStringLiteral("1505"));
    EXPECT_EQ(core::dayMonthString(31, 11), QStringLiteral("3112"));
}

TEST(Forecast, DivisorChangesBetweenFiveAndSixDigits) {
    // 99999 / 57 = 1754.3..., 100000 / 63 = 1587.3...
    EXPECT_EQ(core::OprPrc(core::Int32::of(99999)), 17);
    EXPECT_EQ(core::OprPrc(core::Int32::of(100000)), 15);
    // 570 / 57 is exactly 10; 569 / 57 is just below.
    EXPECT_EQ(core::OprPrc(core::Int32::of(570)), 10);
    EXPECT_EQ(core::OprPrc(core::Int32::of(569)), 9);
    // 1 January 990 stays at five digits.
    EXPECT_EQ(core::lifeNumber(QStringLiteral("990"), QStringLiteral("101"), kC).value(), 99990);
    EXPECT_EQ(core::lifeNumber(QStringLiteral("991"), QStringLiteral("101"), kC).value(), 100091);
}

TEST(Forecast, FractionalYearRoundsHalfToEven) {
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(core::lifeNumber(QStringLiteral("98,5"), QStringLiteral("505"), ru).value(),
              98 * 505);
    EXPECT_EQ(core::toInt16(QStringLiteral("98,5"), ru).value(), 98);
    EXPECT_EQ(core::birthDigits(QStringLiteral("505"), QStringLiteral("98,5")),
              QStringLiteral("50598,5"));
}

TEST(Forecast, NonNumericYearIsTypeMismatch) {
    for (const char* year : {"", "19a0", "-"}) {
        SCOPED_TRACE(year);
        try {
            core::lifeNumber(QString::fromLatin1(year), QStringLiteral("505"), kC);
            ADD_FAILURE();
        } catch (const core::RuntimeError& e) {
            EXPECT_EQ(e.kind(), core::RuntimeError::Kind::TypeMismatch);
        }
    }
}

TEST(Forecast, AcceptedYears) {
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {{"1", true},     {"0001", true},  {"9999", true},  {"1990", true},
                 {"0", false},    {"0000", false}, {"", false},     {"-1", false},
                 {"+1", false},   {"1.5", false},  {"1,5", false},  {"1e3", false},
                 {" 199", false}, {"199 ", false}, {"19a0", false}, {"10000", false},
                 {"١٩٩٠", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(core::isAcceptedYear(QString::fromUtf8(c.text)), c.accepted);
    }
}

namespace {

// The worked examples, checked through the one function that computes.
struct Worked {
    int day;
    int month;  // 1 = January
    const char* year;
    long long lifeNumber;
    const char* happiness;
    int largest, smallest;
    std::vector<std::pair<int, int>> curve;  // from the grid's origin; empty: not checked
    std::array<long long, 3> firstYears;     // rows 0, 1 and 9 of column 1
    std::array<int, 9> levels;
    int root;                   // digit
    std::vector<int> segments;  // shown; {-1}: none checked
};

// clang-format off
const Worked kWorked[] = {
    {5, 5, "1990", 1004950, "15%", 9, 0,
     {{400, 3600}, {800, 4000}, {1200, 4000}, {1600, 2400}, {2000, 400}, {2400, 2000}, {2800, 4000}},
     {1990, 1997, 2053}, {1, 1, 0, 0, 2, 1, 0, 0, 2}, 2, {8, 12}},
    {23, 8, "1975", 4558300, "72%", 8, 0,
     {{400, 2400}, {800, 2000}, {1200, 2000}, {1600, 800}, {2000, 2800}, {2400, 4000}, {2800, 4000}},
     {1975, 1982, 2038}, {1, 1, 1, 0, 1, 5, 1, 2, 2}, 8, {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15}},
    {15, 3, "1990", 2990970, "47%", 9, 0, {}, {1990, 1997, 2053}, {3, 0, 1, 0, 1, 1, 0, 0, 3}, 1, {}},
    {3, 5, "1975", 602375, "95%", 7, 0, {}, {1975, 1981, 2029}, {1, 0, 2, 0, 2, 2, 1, 0, 2}, 3, {}},
    {2, 1, "150", 30150, "52%", 5, 0, {}, {150, 155, 195}, {2, 1, 0, 0, 1, 1, 0, 0, 1}, 9, {}},
    {31, 12, "9999", 31116888, "49%", 8, 1,
     {{400, 2800}, {800, 3600}, {1200, 3600}, {1600, 3600}, {2000, 1600}, {2400, 800}, {2800, 800},
      {3200, 800}},
     {9999, 10007, 10071}, {2, 1, 1, 0, 0, 1, 1, 0, 5}, 7, {}},
    {28, 7, "1914", 5372598, "85%", 9, 2, {}, {1914, 1921, 1977}, {2, 1, 1, 1, 1, 6, 1, 1, 2}, 5,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    // Three digits, year 1: every column shows, three years apart.
    {1, 1, "1", 101, "1%", 1, 0, {{400, 3600}, {800, 4000}, {1200, 3600}}, {1, 4, 28},
     {3, 0, 1, 0, 0, 0, 0, 0, 0}, 3, {}},
};
// clang-format on

}  // namespace

TEST(Calculate, WorkedExamples) {
    for (const Worked& w : kWorked) {
        SCOPED_TRACE(testing::Message() << w.day << "." << w.month << "." << w.year);
        const core::Forecast f = forecastOf(w.day, w.month - 1, w.year);
        EXPECT_EQ(f.lifeNumber.wide(), w.lifeNumber);
        const int digits = static_cast<int>(QString::number(w.lifeNumber).size());
        EXPECT_EQ(f.digitCount, digits);
        EXPECT_EQ(core::percentText(f.happinessPercent), QString::fromLatin1(w.happiness));
        EXPECT_EQ(f.largest, w.largest);
        EXPECT_EQ(f.smallest, w.smallest);
        for (int d = 0; d < 10; ++d) {
            const core::AxisMark mark = d == w.smallest  ? core::AxisMark::Smallest
                                        : d == w.largest ? core::AxisMark::Largest
                                                         : core::AxisMark::Plain;
            EXPECT_EQ(f.axis[static_cast<std::size_t>(d)], mark) << "digit " << d;
        }
        ASSERT_EQ(static_cast<int>(f.curve.size()), digits);
        for (std::size_t i = 0; i < w.curve.size(); ++i) {
            EXPECT_EQ(f.curve[i], (core::PointTw{w.curve[i].first, w.curve[i].second})) << i;
        }
        const int shownColumns = digits >= 5 && digits <= 7 ? digits : 8;
        for (std::size_t k = 0; k < 8; ++k) {
            const auto col = static_cast<long long>(k);
            EXPECT_EQ(f.years[0][k].year, w.firstYears[0] + col);
            EXPECT_EQ(f.years[1][k].year, w.firstYears[1] + col);
            EXPECT_EQ(f.years[9][k].year, w.firstYears[2] + col);
            for (std::size_t i = 0; i < 10; ++i) {
                EXPECT_EQ(f.years[i][k].visible, col < shownColumns) << i << "," << k;
            }
        }
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(f.aspects[i].level, w.levels[i]) << "aspect " << i;
            EXPECT_EQ(f.aspects[i].present, w.levels[i] > 0) << "aspect " << i;
            EXPECT_EQ(f.aspects[i].root, static_cast<int>(i) + 1 == w.root) << "aspect " << i;
        }
        if (!w.segments.empty()) {
            for (int k = 0; k < 16; ++k) {
                const bool shown =
                    std::find(w.segments.begin(), w.segments.end(), k) != w.segments.end();
                EXPECT_EQ(f.segments[static_cast<std::size_t>(k)], shown) << "segment " << k;
            }
        }
    }
}

TEST(Calculate, RefusalsSayWhichMessage) {
    const struct {
        int day;
        int month;  // 0: none chosen
        const char* year;
        core::Refusal::Kind kind;
        const char* text;
    } cases[] = {
        {0, 8, "1975", core::Refusal::Kind::MissingDate, "Выберите месяц и год рождения!"},
        {23, 0, "1975", core::Refusal::Kind::MissingDate, "Выберите месяц и год рождения!"},
        {32, 8, "1975", core::Refusal::Kind::DayOutOfRange,
         "День рождения — число от 1 до 31, а не 32."},
        {-3, 8, "1975", core::Refusal::Kind::DayOutOfRange,
         "День рождения — число от 1 до 31, а не -3."},
        {23, 13, "1975", core::Refusal::Kind::MonthOutOfRange,
         "Месяц рождения — номер от 1 до 12, а не 13."},
        {23, -1, "1975", core::Refusal::Kind::MonthOutOfRange,
         "Месяц рождения — номер от 1 до 12, а не -1."},
        {23, 8, "19a0", core::Refusal::Kind::YearNotDigits,
         "Год рождения нужно ввести цифрами: число от 1 до 9999."},
        {23, 8, "", core::Refusal::Kind::YearNotDigits,
         "Год рождения нужно ввести цифрами: число от 1 до 9999."},
        {23, 8, "0", core::Refusal::Kind::YearNotDigits,
         "Год рождения нужно ввести цифрами: число от 1 до 9999."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        const core::Calculation result =
            core::calculate({c.day, c.month - 1, QString::fromLatin1(c.year)});
        const auto* refusal = std::get_if<core::Refusal>(&result);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->kind, c.kind);
        EXPECT_EQ(refusal->text, QString::fromUtf8(c.text));
        EXPECT_EQ(refusal->helpTopic, 80);
    }
}

// Only days their month has in that year, by the Gregorian calendar for every
// year (1900 is no leap year, 2000 is); the year named by its value.
TEST(Calculate, DaysThatNeverWereAreRefusedByName) {
    const struct {
        int day;
        int month;  // 1 is January
        const char* year;
        const char* refused;  // nullptr: a forecast
    } cases[] = {
        {31, 4, "1985", "Такой даты нет: 31 апреля 1985 года."},
        {30, 2, "2000", "Такой даты нет: 30 февраля 2000 года."},
        {29, 2, "1900", "Такой даты нет: 29 февраля 1900 года."},
        {29, 2, "2023", "Такой даты нет: 29 февраля 2023 года."},
        {31, 2, "0075", "Такой даты нет: 31 февраля 75 года."},
        {29, 2, "1996", nullptr},
        {29, 2, "2000", nullptr},
        {29, 2, "0004", nullptr},
        {31, 12, "9999", nullptr},
        {1, 1, "1", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + "." + c.year);
        const core::Calculation result =
            core::calculate({c.day, c.month - 1, QString::fromLatin1(c.year)});
        const auto* refusal = std::get_if<core::Refusal>(&result);
        ASSERT_EQ(refusal != nullptr, c.refused != nullptr);
        if (refusal) {
            EXPECT_EQ(refusal->kind, core::Refusal::Kind::NoSuchDate);
            EXPECT_EQ(refusal->text, QString::fromUtf8(c.refused));
            EXPECT_EQ(refusal->helpTopic, core::kDateHelpTopic);
        }
    }
    // Out of range is another check's to tell.
    EXPECT_TRUE(core::noSuchDate(32, 0, QStringLiteral("1990")).isEmpty());
    EXPECT_TRUE(core::noSuchDate(31, 1, QStringLiteral("19a0")).isEmpty());
}

TEST(Calculate, YearBoxReplacesNumbersOutsideItsRange) {
    const struct {
        const char* text;
        bool replaced;
    } cases[] = {{"0", true},     {"-5", true}, {"1e9", true},   {".5", true},
                 {"10000", true}, {"1", false}, {"9999", false}, {"19a5", false},
                 {"", false},     {"-", false}, {"1e3", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(core::yearBoxReplaces(QString::fromLatin1(c.text), kC), c.replaced);
    }
}

TEST(Calculate, TextAndJsonOfAForecast) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    const QString text = core::toText(f);
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Дата рождения: 23 Август 1975\n"
                                       "Число жизни: 4558300 (цифр: 7)\n"
                                       "Процент счастья: 72%\n")));
    // Each year with the level of its column; a short cycle wraps round the row.
    EXPECT_TRUE(
        text.contains(QStringLiteral("сил:\n 1975 (4)  1976 (5)  1977 (5)  1978 (8)  "
                                     "1979 (3)  1980 (0)  1981 (0)\n")));
    EXPECT_TRUE(core::toText(forecastOf(2, 0, "1"))
                    .contains(QStringLiteral("\n    1 (2)     2 (0)     3 (1)     4 (2)     5 (0)"
                                             "     6 (1)     7 (2)     8 (0)\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  8 Удача: уровень 2, корневая цифра\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  4 Работа: нет\n")));
    const QJsonObject o = QJsonDocument::fromJson(core::toJson(f)).object();
    EXPECT_EQ(o[QStringLiteral("axisColors")].toArray().at(0).toString(),
              QStringLiteral("#ff0000"));
    EXPECT_EQ(o[QStringLiteral("axisColors")].toArray().at(8).toString(),
              QStringLiteral("#008000"));
    EXPECT_EQ(o[QStringLiteral("axisColors")].toArray().at(1).toString(),
              QStringLiteral("#0000c0"));
    // The curve in window twips: the grid's origin on the screen is 200 to the right.
    EXPECT_EQ(o[QStringLiteral("curve")].toArray().at(0).toArray(), (QJsonArray{600, 2400}));
}

// The JSON is written by hand: it must be the bytes Qt writes for the same
// object (keys in alphabetical order, Qt's escapes and numbers), with the
// digits and the percentage also as numbers.
TEST(Calculate, JsonIsTheBytesQtWritesForTheSameObject) {
    const core::Forecast forecasts[] = {forecastOf(23, 7, "1975"), forecastOf(2, 0, "1"),
                                        forecastOf(31, 11, "9999"), forecastOf(1, 0, "100")};
    for (const core::Forecast& f : forecasts) {
        SCOPED_TRACE(f.dateText().toStdString());
        const core::YearMark shown = core::markYear(f, 2026);
        for (const core::YearMark* mark : {static_cast<const core::YearMark*>(nullptr), &shown}) {
            const QByteArray json = core::toJson(f, mark);
            const QJsonObject o = QJsonDocument::fromJson(json).object();
            EXPECT_EQ(QJsonDocument(o).toJson(QJsonDocument::Compact), json);
            QString levels;
            for (const QJsonValue d : o[QStringLiteral("levels")].toArray()) {
                levels += QString::number(d.toInt());
            }
            EXPECT_EQ(levels, f.digits);
            EXPECT_EQ(o[QStringLiteral("happinessPercent")].toInt(), f.happinessPercent);
            EXPECT_EQ(o[QStringLiteral("happiness")].toString(),
                      core::percentText(f.happinessPercent));
        }
    }
}

TEST(Calculate, JsonTextIsEscapedAsQtEscapesIt) {
    const QString texts[] = {
        QStringLiteral("\"В кавычках\" и \\ косая"),
        QString::fromUtf16(u"\b\f\n\r\t\x01\x1f\x7f"),
        QStringLiteral("«Май» № 5 \U0001F600"),
        QString(QChar(0xD800)) + u'x',  // halves of a pair, alone
        QString(QChar(0xDC00)),
        QStringLiteral("конец ") + QChar(0xD83D),
        QString(),
    };
    for (const QString& t : texts) {
        QByteArray mine("[");
        core::appendJsonText(mine, t);
        mine += ']';
        EXPECT_EQ(mine, QJsonDocument(QJsonArray{t}).toJson(QJsonDocument::Compact));
    }
}

TEST(MarkYear, FindsTheYearsCellsAndTheLevelOfItsColumn) {
    using Cells = std::vector<core::TableCell>;
    const struct {
        int day;
        int month;
        const char* year;
        long long marked;
        Cells cells;  // left to right
        int level;    // -1: not in the table
    } cases[] = {
        // 4558300, seven columns from 1975 to 2044
        {23, 8, "1975", 1974, {}, -1},
        {23, 8, "1975", 1975, {{0, 0}}, 4},
        {23, 8, "1975", 2026, {{7, 2}}, 5},
        {23, 8, "1975", 2044, {{9, 6}}, 0},
        {23, 8, "1975", 2045, {}, -1},
        // 201: a cycle of three over eight columns, so up to three cells a year
        {2, 1, "1", 7, {{2, 0}, {1, 3}, {0, 6}}, 2},
        {2, 1, "1", 9, {{2, 2}, {1, 5}}, 1},
        {2, 1, "1", 35, {{9, 7}}, 0},  // only past the last digit: its first digit
        {2, 1, "1", 36, {}, -1},
        // 1206: a cycle of four
        {2, 1, "6", 11, {{1, 1}, {0, 5}}, 2},
        {2, 1, "6", 45, {{9, 3}, {8, 7}}, 6},
        {2, 1, "6", 50, {}, -1},
        // 10100: the columns after the fifth are hidden and hold nothing
        {1, 1, "100", 105, {{1, 0}}, 1},
        // 31116888: eight columns up to 10078
        {31, 12, "9999", 10078, {{9, 7}}, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.day << "." << c.month << "." << c.year << " in " << c.marked);
        const core::Forecast f = forecastOf(c.day, c.month - 1, c.year);
        const core::YearMark mark = core::markYear(f, c.marked);
        EXPECT_EQ(mark.cells, c.cells);
        EXPECT_EQ(mark.inTable(), c.level >= 0);
        if (c.level >= 0) {
            EXPECT_EQ(mark.level, c.level);
            EXPECT_EQ(mark.level, f.digits.at(mark.point).digitValue());
            EXPECT_EQ(core::yearMarkText(mark),
                      QStringLiteral("Сейчас %1 год: уровень жизненных сил %2")
                          .arg(c.marked)
                          .arg(c.level));
        } else {
            EXPECT_TRUE(core::yearMarkText(mark).isEmpty());
        }
    }
}

TEST(MarkYear, TextAndJsonGainTheYearOnlyWhenAsked) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    EXPECT_FALSE(core::toText(f).contains(QStringLiteral("Сейчас")));
    EXPECT_FALSE(core::toJson(f).contains("marked"));

    const core::YearMark shown = core::markYear(f, 2026);
    EXPECT_EQ(core::toText(f, &shown),
              core::toText(f) + QStringLiteral("Сейчас 2026 год: уровень жизненных сил 5\n"));
    const QJsonObject o = QJsonDocument::fromJson(core::toJson(f, &shown)).object();
    EXPECT_EQ(o[QStringLiteral("markedYear")].toInt(), 2026);
    EXPECT_EQ(o[QStringLiteral("markedLevel")].toInt(), 5);

    const core::YearMark outside = core::markYear(f, 2090);
    EXPECT_EQ(core::toText(f, &outside), core::toText(f));
    const QJsonObject none = QJsonDocument::fromJson(core::toJson(f, &outside)).object();
    EXPECT_EQ(none[QStringLiteral("markedYear")].toInt(), 2090);
    EXPECT_TRUE(none[QStringLiteral("markedLevel")].isNull());
}

TEST(Months, ReadAsPeopleWriteThem) {
    const struct {
        const char* text;
        int index;
    } cases[] = {
        {"1", 0},    {"08", 7},  {"12", 11},      {" Август ", 7}, {"АВГУСТА", 7},
        {"мая", 4},  {"май", 4}, {"сентября", 8}, {"0", -1},       {"13", -1},
        {"008", -1}, {"+8", -1}, {"авг", -1},     {"", -1},        {"August", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::parseMonth(QString::fromUtf8(c.text)), c.index) << c.text;
    }
    EXPECT_EQ(core::monthName(0), QStringLiteral("Январь"));
}
