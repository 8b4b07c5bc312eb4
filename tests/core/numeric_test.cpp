#include <gtest/gtest.h>

#include <optional>

#include "core/counted.h"
#include "core/numeric.h"

using core::RuntimeError;

namespace {

const QLocale kC = QLocale::c();
const QLocale kRu(QLocale::Russian, QLocale::Russia);

struct Case {
    const char* text;
    bool russian;
    bool numeric;
    std::optional<int> whole;  // Int16 conversion; none: type mismatch
};

}  // namespace

TEST(Numeric, TestAndConversionAgree) {
    const Case cases[] = {
        {"1990", false, true, 1990},
        {"  1990  ", false, true, 1990},
        {"+12", false, true, 12},
        {"-12", false, true, -12},
        {"2.5", false, true, 2},
        {"3.5", false, true, 4},
        {"-2.5", false, true, -2},
        {"98,5", true, true, 98},
        {"99,5", true, true, 100},
        {"98.5", true, false, std::nullopt},  // not the Russian separator
        {"98,5", false, false, std::nullopt},
        {"1e3", false, true, 1000},
        {"1D2", false, true, 100},
        {"1E+2", false, true, 100},
        {".5", false, true, 0},
        {"5.", false, true, 5},
        {"", false, false, std::nullopt},
        {"   ", false, false, std::nullopt},
        {"-", false, false, std::nullopt},
        {"+", false, false, std::nullopt},
        {".", false, false, std::nullopt},
        {"19a0", false, false, std::nullopt},
        {"1e", false, false, std::nullopt},
        {"e5", false, false, std::nullopt},
        {"1 9", false, false, std::nullopt},
        {"١٢", false, false, std::nullopt},  // other scripts' digits are not decimal digits here
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QLocale& loc = c.russian ? kRu : kC;
        SCOPED_TRACE(c.text);
        EXPECT_EQ(core::isNumeric(text, loc), c.numeric);
        if (c.whole) {
            EXPECT_EQ(core::toInt16(text, loc).value(), *c.whole);
        } else {
            try {
                core::toInt16(text, loc);
                ADD_FAILURE() << "converted";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.kind(), RuntimeError::Kind::TypeMismatch);
            }
        }
    }
}

TEST(Numeric, OutOfRangeIsOverflow) {
    const struct {
        const char* text;
        int bits;
    } cases[] = {{"32768", 16}, {"-32769", 16}, {"32767.5", 16}, {"256", 8},
                 {"-1", 8},     {"1e10", 32},   {"1e400", 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        try {
            if (c.bits == 8) {
                core::toByte(text, kC);
            } else if (c.bits == 16) {
                core::toInt16(text, kC);
            } else {
                core::toInt32(text, kC);
            }
            ADD_FAILURE() << "converted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), RuntimeError::Kind::Overflow);
        }
    }
    EXPECT_EQ(core::toInt16(QStringLiteral("32767.4"), kC).value(), 32767);
    EXPECT_EQ(core::toByte(QStringLiteral("255"), kC).value(), 255);
}

// The word after a count, by its last two digits.
TEST(Counted, RussianPluralForms) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0 клиентов"},     {1, "1 клиент"},     {2, "2 клиента"},      {4, "4 клиента"},
        {5, "5 клиентов"},     {11, "11 клиентов"}, {12, "12 клиентов"},   {14, "14 клиентов"},
        {21, "21 клиент"},     {22, "22 клиента"},  {111, "111 клиентов"}, {101, "101 клиент"},
        {1002, "1002 клиента"}};
    for (const auto& [count, text] : cases) {
        EXPECT_EQ(core::counted(count, "клиент", "клиента", "клиентов"), QString::fromUtf8(text));
    }
}
