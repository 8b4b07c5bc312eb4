#include <gtest/gtest.h>

#include "aspects/formir_zn.h"
#include "core/errors.h"
#include "core/window_state.h"
#include "square_probe.h"

using aspects::AspectSquare;
using aspects::FormirZn;

namespace {

using Flags = std::array<bool, 8>;
constexpr bool T = true;
constexpr bool F = false;

struct Example {
    const char* digits;
    std::array<int, 9> levels;  // digits 1 to 9
    int root;                   // the root digit
    std::vector<int> segments;
    Flags flags;
};

const Example kExamples[] = {
    {"5051990", {1, 1, 0, 0, 2, 1, 0, 0, 2}, 2, {8, 12}, {F, F, F, F, F, F, F, T}},
    // The bottom row is complete only after the bonus step to 6.
    {"23081975",
     {1, 1, 1, 0, 1, 5, 1, 2, 2},
     8,
     {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15},
     {T, F, T, F, T, T, T, T}},
    {"28071914",
     {2, 1, 1, 1, 1, 6, 1, 1, 2},
     5,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
     {T, T, T, T, T, T, T, T}},
    {"1011", {3, 0, 1, 0, 0, 0, 0, 0, 0}, 3, {}, {}},
    {"29099999", {0, 2, 0, 0, 0, 0, 0, 0, 6}, 2, {}, {}},
    {"11111111", {8, 0, 0, 0, 0, 0, 0, 1, 0}, 8, {}, {}},
};

// A fresh calculation as the window runs it: Init clears the flags first.
void calculate(AspectSquare& sq, core::WindowState& state, const QString& digits) {
    state.resetForInit();
    state.Ob = digits;
    FormirZn(sq, state, state.Ob);
}

}  // namespace

TEST(FormirZn, DatesGiveTheirLevelsRootAndLines) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.digits);
        AspectSquare sq;
        core::WindowState state;
        calculate(sq, state, QString::fromLatin1(e.digits));
        const SquareState s = probe(sq);
        EXPECT_EQ(s.levels, e.levels);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(s.circles[static_cast<std::size_t>(i)],
                      e.levels[static_cast<std::size_t>(i)] > 0);
        }
        EXPECT_EQ(s.root, e.root - 1);
        EXPECT_EQ(sq.LblDat(e.root - 1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(s.segments, e.segments);
        EXPECT_EQ(state.BonDone, e.flags);
        EXPECT_EQ(state.Ob, QStringLiteral("0"));
    }
}

TEST(FormirZn, AccessibleNamesFollowTheResult) {
    AspectSquare sq;
    core::WindowState state;
    calculate(sq, state, QStringLiteral("5051990"));
    EXPECT_EQ(sq.LblDat(1)->accessibleName(),
              QStringLiteral("Связь с землёй: уровень 1, корневая цифра"));
    EXPECT_EQ(sq.LblSub(4)->accessibleName(), QStringLiteral("Любовь: уровень 2"));
    EXPECT_EQ(sq.LblDat(3)->accessibleName(), QStringLiteral("Работа: нет"));

    calculate(sq, state, QStringLiteral("23081975"));
    EXPECT_EQ(sq.LblDat(1)->accessibleName(), QStringLiteral("Связь с землёй: уровень 1"));
    EXPECT_EQ(sq.LblDat(7)->accessibleName(), QStringLiteral("Удача: уровень 2, корневая цифра"));
    EXPECT_EQ(sq.LblDat(5)->accessibleName(), QStringLiteral("Интерес: уровень 5"));
}

TEST(FormirZn, RootDigitReducesFirstPlusLast) {
    const std::pair<const char*, int> cases[] = {
        {"12", 3},        // below 10 already
        {"55", 1},        // 10 -> 1
        {"199", 1},       // 19 -> 10 -> 1
        {"5051990", 2},   // 29 -> 11 -> 2
        {"29099999", 2},  // 56 -> 11 -> 2
        {"99999999", 9},  // 72 -> 9
        {"0000", 0},      // no aspect owns 0
    };
    for (const auto& [digits, root] : cases) {
        EXPECT_EQ(aspects::rootDigit(QString::fromLatin1(digits)), root) << digits;
    }
}

TEST(FormirZn, StringOfZerosMarksNoRoot) {
    AspectSquare sq;
    core::WindowState state;
    calculate(sq, state, QStringLiteral("0000"));
    EXPECT_EQ(probe(sq), probe(AspectSquare()));
}

TEST(FormirZn, HiddenCounterStartsAgainAtOne) {
    AspectSquare sq;
    core::WindowState state;
    calculate(sq, state, QStringLiteral("14041974"));  // three 4s
    EXPECT_EQ(sq.level(3), 3);
    calculate(sq, state, QStringLiteral("5051990"));  // no 4
    EXPECT_EQ(sq.level(3), 0);
    EXPECT_EQ(sq.LblSub(3)->text(), QStringLiteral("3"));
    calculate(sq, state, QStringLiteral("1041990"));  // one 4
    EXPECT_EQ(sq.LblSub(3)->text(), QStringLiteral("1"));
    EXPECT_EQ(sq.level(3), 1);
}

// The printing pass runs the calculation again without clearing the flags.
TEST(FormirZn, SecondPassWithFlagsSetGivesNoBonus) {
    AspectSquare sq;
    core::WindowState state;
    calculate(sq, state, QStringLiteral("23081975"));
    const Flags flags = state.BonDone;
    FormirZn(sq, state, QStringLiteral("23081975"));
    const SquareState s = probe(sq);
    EXPECT_EQ(s.levels, (std::array<int, 9>{1, 1, 1, 0, 1, 0, 1, 2, 1}));
    EXPECT_TRUE(sq.LblSub(5)->isHidden());                 // Интерес
    EXPECT_EQ(sq.LblSub(8)->text(), QStringLiteral("1"));  // Карьера
    EXPECT_EQ(s.segments, (std::vector<int>{2, 3, 6, 7, 8, 10, 11, 12, 14, 15}));
    EXPECT_EQ(state.BonDone, flags);
}

TEST(FormirZn, NonDigitStringChangesNothing) {
    AspectSquare sq;
    core::WindowState state;
    calculate(sq, state, QStringLiteral("23081975"));
    const SquareState before = probe(sq);
    const Flags flags = state.BonDone;
    const QString bad[] = {
        QString(),
        QStringLiteral("2308+1975"),
        QStringLiteral("2308 197"),
        QStringLiteral("23081,5"),
        QStringLiteral("2308197E"),
        QStringLiteral("2308١٩٧٥"),  // digits, but not ASCII ones
        QStringLiteral("23０８"),
    };
    for (const QString& digits : bad) {
        state.Ob = digits;
        try {
            FormirZn(sq, state, digits);
            ADD_FAILURE() << "accepted " << digits.toStdString();
        } catch (const core::RuntimeError& e) {
            EXPECT_EQ(e.kind(), core::RuntimeError::Kind::TypeMismatch);
        }
        EXPECT_EQ(probe(sq), before) << digits.toStdString();
        EXPECT_EQ(state.Ob, digits);
        EXPECT_EQ(state.BonDone, flags);
    }
}
