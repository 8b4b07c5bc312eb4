#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "core/forecast.h"

namespace {

struct Example {
    int day;
    int monthIndex;
    const char* year;
    std::array<int, 9> levels;  // digits 1 to 9
    int root;
    std::vector<int> segments;  // shown, in index order
};

const Example kExamples[] = {
    // 5051990: one complete line, the diagonal 1-5-9, whose bonus goes to 6.
    {5, 4, "1990", {1, 1, 0, 0, 2, 1, 0, 0, 2}, 2, {8, 12}},
    // 23081975: the bottom row 3-6-9 is complete only after a bonus step to 6,
    // so the lines already passed must be checked again after each step.
    {23, 7, "1975", {1, 1, 1, 0, 1, 5, 1, 2, 2}, 8, {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15}},
    {28,
     6,
     "1914",
     {2, 1, 1, 1, 1, 6, 1, 1, 2},
     5,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    // Zeros add no step.
    {1, 0, "1", {3, 0, 1, 0, 0, 0, 0, 0, 0}, 3, {}},
    {29, 8, "9999", {0, 2, 0, 0, 0, 0, 0, 0, 6}, 2, {}},
    {11, 10, "1111", {8, 0, 0, 0, 0, 0, 0, 1, 0}, 8, {}},
};

}  // namespace

TEST(Aspects, DatesGiveTheirLevelsRootAndLines) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(testing::Message() << e.day << "." << e.monthIndex + 1 << "." << e.year);
        const core::Calculation c =
            core::calculate({e.day, e.monthIndex, QString::fromLatin1(e.year)});
        const auto* f = std::get_if<core::Forecast>(&c);
        ASSERT_NE(f, nullptr);
        std::vector<int> segments;
        for (int k = 0; k < core::kSegmentCount; ++k) {
            if (f->segments[static_cast<std::size_t>(k)]) {
                segments.push_back(k);
            }
        }
        EXPECT_EQ(segments, e.segments);
        for (int d = 1; d <= 9; ++d) {
            const core::AspectValue& a = f->aspects[static_cast<std::size_t>(d - 1)];
            EXPECT_EQ(a.level, e.levels[static_cast<std::size_t>(d - 1)]) << d;
            EXPECT_EQ(a.present, a.level > 0) << d;
            EXPECT_EQ(a.root, d == e.root) << d;
        }
    }
}

TEST(Aspects, RootDigitReducesFirstPlusLastAndTakesOnlyDigits) {
    const struct {
        const char* digits;
        int root;  // -1: refused as a type mismatch
    } cases[] = {
        {"12", 3},        // below 10 already
        {"55", 1},        // 10 -> 1
        {"199", 1},       // 19 -> 10 -> 1
        {"99999999", 9},  // 72 -> 9
        {"0000", 0},      // no aspect owns 0
        {"", -1},         {"2308+1975", -1}, {"23081,5", -1},
        {"2308197E", -1}, {"2308١٩٧٥", -1},  // digits, but not ASCII ones
        {"23０８", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        const QString digits = QString::fromUtf8(c.digits);
        if (c.root >= 0) {
            EXPECT_EQ(core::rootDigit(digits), c.root);
            continue;
        }
        try {
            core::rootDigit(digits);
            ADD_FAILURE() << "accepted";
        } catch (const core::RuntimeError& e) {
            EXPECT_EQ(e.kind(), core::RuntimeError::Kind::TypeMismatch);
        }
    }
}
