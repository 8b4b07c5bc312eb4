#include <gtest/gtest.h>

#include "core/forecast.h"
#include "core/numeric.h"
#include "core/window_state.h"

namespace {

const QLocale kC = QLocale::c();

struct Example {
    const char* day;
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
        {"5", 4, "1990", "505", 1004950, 7, "15", "5051990"},
        {"23", 7, "1975", "2308", 4558300, 7, "72", "23081975"},
        {"1", 0, "100", "101", 10100, 5, "17", "101100"},
        {"31", 11, "9999", "3112", 31116888, 8, "49", "31129999"},
        // Quotients below 10 show their one whole digit.
        {"1", 0, "1", "101", 101, 3, "1", "1011"},
        {"31", 11, "5", "3112", 15560, 5, "27", "31125"},
        {"10", 0, "111", "1001", 111111, 6, "17", "1001111"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.ob);
        const QString dm = core::dayMonthString(QString::fromLatin1(e.day), e.monthIndex);
        EXPECT_EQ(dm, QString::fromLatin1(e.dayMonth));
        const core::Int32 n = core::lifeNumber(QString::fromLatin1(e.year), dm, kC);
        EXPECT_EQ(n.value(), e.lifeNumber);
        EXPECT_EQ(core::digitCount(n).value(), e.digits);
        EXPECT_EQ(core::OprPrc(n), QString::fromLatin1(e.percent));
        EXPECT_EQ(core::birthDigits(dm, QString::fromLatin1(e.year)), QString::fromLatin1(e.ob));
    }
}

TEST(Forecast, DayMonthString) {
    EXPECT_EQ(core::dayMonthString(QStringLiteral("5"), 4), QStringLiteral("505"));
    EXPECT_EQ(core::dayMonthString(QStringLiteral("5"), 9), QStringLiteral("510"));
    EXPECT_EQ(core::dayMonthString(QStringLiteral("15"), 4), QStringLiteral("1505"));
    EXPECT_EQ(core::dayMonthString(QStringLiteral("31"), 11), QStringLiteral("3112"));
}

TEST(Forecast, DivisorChangesBetweenFiveAndSixDigits) {
    // 99999 / 57 = 1754.3..., 100000 / 63 = 1587.3...
    EXPECT_EQ(core::OprPrc(core::Int32::of(99999)), QStringLiteral("17"));
    EXPECT_EQ(core::OprPrc(core::Int32::of(100000)), QStringLiteral("15"));
    // 570 / 57 is exactly 10; 569 / 57 is just below.
    EXPECT_EQ(core::OprPrc(core::Int32::of(570)), QStringLiteral("10"));
    EXPECT_EQ(core::OprPrc(core::Int32::of(569)), QStringLiteral("9"));
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

TEST(WindowState, InitResetsItsShareOnly) {
    core::WindowState s;
    s.Ob = QStringLiteral("5051990");
    s.Mx = core::Byte::of(9);
    s.Mn = core::Byte::of(0);
    s.LenNumP = core::Byte::of(7);
    s.BazX = core::Int16::of(1);
    s.BonDone.fill(true);
    s.resetForInit();
    EXPECT_EQ(s.Ob, QStringLiteral("0"));
    EXPECT_EQ(s.Mx.value(), 0);
    EXPECT_EQ(s.Mn.value(), 9);
    EXPECT_EQ(s.BazX.value(), 200);
    EXPECT_EQ(s.BazY.value(), 0);
    EXPECT_EQ(s.LenNumP.value(), 7);
    for (bool b : s.BonDone) {
        EXPECT_FALSE(b);
    }
}
