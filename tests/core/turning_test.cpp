#include <gtest/gtest.h>

#include <QDateTime>
#include <QSet>
#include <random>

#include "calendar_reader.h"
#include "core/group.h"
#include "core/turning.h"
#include "core/turning_calendar.h"
#include "forecast_of.h"

namespace {

// A date of birth from a seeded generator; every one the window accepts.
core::BirthDate randomDate(std::mt19937& random) {
    const int month = int(random() % 12);
    const int year = int(1900 + random() % 130);
    return {int(random() % 28 + 1), month, QString::number(year)};
}

core::Person maria(core::ReportLanguage language = core::ReportLanguage::Russian) {
    core::Person p;
    p.names = {QStringLiteral("Петрова"), QStringLiteral("Мария"), QStringLiteral("Сергеевна")};
    p.birthDate = {23, 7, QStringLiteral("1975")};
    p.language = language;
    p.gender = core::Gender::Female;
    return p;
}

}  // namespace

// Over random dates, years and spans of a change: a year turns exactly when
// the forecast's own level is its largest digit, else its smallest, else
// differs from the level of the year before by the span or more; never before
// the birth, and in the year of birth only at an extreme.
TEST(Turning, AgreesWithEachForecastsLevels) {
    std::mt19937 random(2027);
    int peaks = 0, lows = 0, changes = 0;
    for (int k = 0; k < 400; ++k) {
        const core::BirthDate born = randomDate(random);
        const core::Forecast f = std::get<core::Forecast>(core::calculate(born));
        const int least = int(random() % 9 + 1);
        for (long long year = f.birthYear - 3; year < f.birthYear + 40; ++year) {
            const std::optional<int> level = core::levelInYear(f, year);
            const std::optional<int> before = core::levelInYear(f, year - 1);
            const std::optional<core::TurningYear> t = core::turningYear(f, year, least);
            if (!level) {
                EXPECT_FALSE(t) << year;
                continue;
            }
            std::optional<core::Turn> expected;
            if (*level == f.largest) {
                expected = core::Turn::Peak;
            } else if (*level == f.smallest) {
                expected = core::Turn::Low;
            } else if (before && std::abs(*level - *before) >= least) {
                expected = core::Turn::Change;
            }
            ASSERT_EQ(t.has_value(), expected.has_value()) << f.digits.toStdString() << " " << year;
            if (t) {
                EXPECT_EQ(t->turn, *expected);
                EXPECT_EQ(t->level, *level);
                EXPECT_EQ(t->previous, before);
                peaks += t->turn == core::Turn::Peak;
                lows += t->turn == core::Turn::Low;
                changes += t->turn == core::Turn::Change;
            }
        }
    }
    EXPECT_GT(peaks, 0);
    EXPECT_GT(lows, 0);
    EXPECT_GT(changes, 0);
}

// 23.08.1975: life number 4558300, digits 4 5 5 8 3 0 0 from 1975 on.
TEST(Turning, TheYearsOfOneLife) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    const struct {
        long long year;
        int least;
        std::optional<core::Turn> turn;
    } cases[] = {
        {1974, 3, std::nullopt},        // before the birth
        {1975, 3, std::nullopt},        // 4, no year before it
        {1976, 3, std::nullopt},        // 5 after 4
        {1976, 1, core::Turn::Change},  // a change of one level counts when asked
        {1978, 3, core::Turn::Peak},    // 8
        {1979, 3, core::Turn::Change},  // 3 after 8
        {1980, 3, core::Turn::Low},     // 0
        {1982, 3, core::Turn::Change},  // 4 after 0, the cycle begun again
        {1982, 5, std::nullopt},
        {2027, 3, core::Turn::Peak},  // (2027 - 1975) % 7 = 3: the 8 again
    };
    for (const auto& c : cases) {
        const std::optional<core::TurningYear> t = core::turningYear(f, c.year, c.least);
        EXPECT_EQ(t ? std::optional(t->turn) : std::nullopt, c.turn) << c.year << " " << c.least;
    }
    EXPECT_EQ(core::turningYears(f, 1975, 1981).size(), 4u);  // 1978 to 1981
}

TEST(Turning, YearsAndSpansTypedAreHeldToTheirRanges) {
    const struct {
        const char* text;
        std::optional<long long> year;
        std::optional<int> change;
    } cases[] = {
        {"2027", 2027, std::nullopt},
        {" 1 ", 1, 1},
        {"9999", 9999, std::nullopt},
        {"0", std::nullopt, std::nullopt},
        {"10000", std::nullopt, std::nullopt},
        {"-5", std::nullopt, std::nullopt},
        {"две", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"3", 3, 3},
        {"9", 9, 9},
        {"2027.5", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        QString problem;
        EXPECT_EQ(core::turningYearOf(QString::fromUtf8(c.text), &problem), c.year) << c.text;
        EXPECT_EQ(problem.isEmpty(), c.year.has_value()) << c.text;
        if (!c.year) {
            EXPECT_TRUE(problem.contains(QStringLiteral("9999"))) << problem.toStdString();
        }
        problem.clear();
        EXPECT_EQ(core::turnChangeOf(QString::fromUtf8(c.text), &problem), c.change) << c.text;
    }
}

// TEXT escaping as RFC 5545 writes it, and back through the reader.
TEST(TurningCalendar, TextIsEscaped) {
    const struct {
        const char16_t* text;
        const char* escaped;
    } cases[] = {
        {u"Пик; сил, много\\мало", "Пик\\; сил\\, много\\\\мало"},
        {u"два\nабзаца\r\nи\rещё", "два\\nабзаца\\nи\\nещё"},
        {u"таб\tостаётся, \u0007звонок нет", "таб\tостаётся\\, звонок нет"},
        {u"", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(core::calendarText(text), QByteArray(c.escaped)) << c.escaped;
    }
    const QString mixed = QStringLiteral("a;b,c\\d\ne, «Ёж» 🦔;");
    EXPECT_EQ(unescapeCalendarText(QString::fromUtf8(core::calendarText(mixed))), mixed);
}

// Lines are cut at 75 octets, never inside a character of two (Cyrillic) or
// four (an emoji) bytes, and join back into the same line.
TEST(TurningCalendar, LongLinesFoldWhole) {
    const QByteArray cases[] = {
        "X:" + QByteArray(73, 'a'),
        "X:" + QByteArray(74, 'a'),
        "SUMMARY:" + QString(u'ж').repeated(200).toUtf8(),
        "X:" + QByteArray(72, 'a') + QStringLiteral("🦔🦔🦔").toUtf8() + QByteArray(200, 'b'),
        "X:" + QByteArray(73, 'a') + QString(u'ё').repeated(80).toUtf8(),
    };
    for (const QByteArray& line : cases) {
        const QByteArray folded = core::foldedLine(line);
        const CalendarReading r = readCalendar(folded);
        EXPECT_TRUE(r.fault.isEmpty()) << r.fault.toStdString() << " in " << line.left(20).data();
        QByteArray joined = folded;
        joined.replace("\r\n ", "");
        EXPECT_EQ(joined, line + "\r\n");
    }
}

// The calendar of 23.08.1975 made in 2026, read back as a calendar program
// reads it: one all-day event on 1 January of each turning year from 2027 to
// 2036, in the client's language, with the library's words for the year.
TEST(TurningCalendar, ReadsBackAsTheTurningYears) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    const QDateTime made(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);
    for (const core::ReportLanguage language :
         {core::ReportLanguage::Russian, core::ReportLanguage::Ukrainian,
          core::ReportLanguage::English}) {
        const core::CalendarRequest request{maria(language), 2026, 3, made};
        const core::TextLibrary library(core::TextSet(core::languageCode(language)));
        const core::Calendar calendar = core::turningCalendar(request, f, library);
        const CalendarReading r = readCalendar(calendar.text);
        ASSERT_TRUE(r.fault.isEmpty()) << r.fault.toStdString();
        const std::vector<core::TurningYear> years = core::turningYears(f, 2027, 2036);
        ASSERT_EQ(calendar.events, int(years.size()));
        EXPECT_EQ(r.properties.front().value, QStringLiteral("VCALENDAR"));
        EXPECT_EQ(r.properties.back().value, QStringLiteral("VCALENDAR"));
        EXPECT_EQ(r.all("VERSION").front()->value, QStringLiteral("2.0"));
        EXPECT_EQ(r.all("PRODID").size(), 1u);
        const auto starts = r.all("DTSTART");
        const auto ends = r.all("DTEND");
        const auto summaries = r.all("SUMMARY");
        const auto uids = r.all("UID");
        ASSERT_EQ(starts.size(), years.size());
        ASSERT_EQ(ends.size(), years.size());
        ASSERT_EQ(summaries.size(), years.size());
        ASSERT_EQ(r.all("DESCRIPTION").size(), years.size());
        QSet<QString> distinct;
        for (size_t k = 0; k < years.size(); ++k) {
            const QString year = QString::number(years[k].year);
            EXPECT_EQ(starts[k]->parameters, QStringList{"VALUE=DATE"});
            EXPECT_EQ(starts[k]->value, year + QStringLiteral("0101"));
            EXPECT_EQ(ends[k]->value, year + QStringLiteral("0102"));
            EXPECT_EQ(summaries[k]->parameters,
                      QStringList{"LANGUAGE=" + core::languageCode(language)});
            EXPECT_TRUE(summaries[k]->value.contains(QString::number(years[k].level)));
            distinct.insert(uids[k]->value);
        }
        EXPECT_EQ(distinct.size(), qsizetype(years.size()));
        for (const CalendarProperty* stamp : r.all("DTSTAMP")) {
            EXPECT_EQ(stamp->value, QStringLiteral("20261208T093000Z"));
        }
        // The words are the language's own: the peak's library text stands whole.
        const QString peak = library.text(core::shapeKey(core::YearShape::Peak));
        bool found = false;
        for (const CalendarProperty* d : r.all("DESCRIPTION")) {
            found = found || d->value.startsWith(peak);
        }
        EXPECT_TRUE(found);
        EXPECT_TRUE(summaries.front()->value.startsWith(
            core::calendarCaption(core::CalendarCaption::Peak, language).section(u':', 0, 0)));
    }
}

// Made again, the same events keep their UIDs; an empty calendar is not made.
TEST(TurningCalendar, SameUidsAndNoEmptyFile) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    const core::TextLibrary library;
    const core::CalendarRequest first{maria(), 2026, 3, QDateTime::currentDateTimeUtc()};
    const core::CalendarRequest later{maria(), 2026, 3, first.made.addDays(40)};
    EXPECT_EQ(readCalendar(core::turningCalendar(first, f, library).text).all("UID").size(),
              core::turningYears(f, 2027, 2036).size());
    const auto uidsOf = [&](const core::CalendarRequest& r) {
        const CalendarReading reading = readCalendar(core::turningCalendar(r, f, library).text);
        QStringList uids;
        for (const CalendarProperty* p : reading.all("UID")) {
            uids << p->value;
        }
        return uids;
    };
    EXPECT_EQ(uidsOf(first), uidsOf(later));

    const core::Forecast unborn = forecastOf(1, 0, "2100");
    for (const long long thisYear : {2026LL, 9999LL}) {
        const core::CalendarRequest r{maria(), thisYear, 3, first.made};
        const core::Calendar calendar = core::turningCalendar(r, unborn, library);
        EXPECT_EQ(calendar.events, 0);
        EXPECT_TRUE(calendar.text.isEmpty());
        EXPECT_FALSE(core::emptyCalendarReason(r, unborn).isEmpty());
    }
}
