// libFuzzer target over what the user's text meets first: the numeric test and
// conversions of the year box, the accepted-year rule with the life number, and
// the aspect computation on a real (never shown) aspect square.
//
// The first input byte picks the part; the rest is the text. Any exception but
// the calculation's own RuntimeError, any broken rule below and any sanitizer
// report ends the run with the input saved.

#include <QApplication>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "aspects/aspect_square.h"
#include "aspects/formir_zn.h"
#include "core/errors.h"
#include "core/forecast.h"
#include "core/numeric.h"
#include "core/window_state.h"

namespace {

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
    const QString dayMonth = core::dayMonthString(QString::number(day), month - 1);
    require(dayMonth == QString::number(day * 100 + month), "day-month string", text);
    const core::Int32 number = core::lifeNumber(text, dayMonth, QLocale::c());
    require(number.value() == text.toInt() * (day * 100 + month), "life number", text);
    const QString happiness = core::OprPrc(number);
    require(!happiness.isEmpty() && happiness.size() <= 2, "happiness percentage width", text);
}

aspects::AspectSquare& square() {
    static aspects::AspectSquare* s = new aspects::AspectSquare;
    return *s;
}

void checkAspects(const QString& raw) {
    // The square counts up to 255 steps per aspect; a birth date has at most
    // eight digits, so longer strings say nothing about the program.
    const QString digits = raw.left(32);
    aspects::AspectSquare& sq = square();
    core::WindowState state;
    state.Ob = QStringLiteral("keep");
    std::array<int, 9> before{};
    for (int i = 0; i < 9; ++i) {
        before[i] = sq.level(i);
    }

    if (digits.isEmpty() || !allAsciiDigits(digits)) {
        require(failureOf([&] { aspects::rootDigit(digits); }) ==
                    core::RuntimeError::Kind::TypeMismatch,
                "rootDigit of a non-digit string", digits);
        require(failureOf([&] { aspects::FormirZn(sq, state, digits); }) ==
                    core::RuntimeError::Kind::TypeMismatch,
                "FormirZn of a non-digit string", digits);
        for (int i = 0; i < 9; ++i) {
            require(sq.level(i) == before[i], "a refused string changed the square", digits);
        }
        require(state.Ob == QStringLiteral("keep"), "a refused string changed Ob", digits);
        return;
    }

    const int root = aspects::rootDigit(digits);
    const bool allZero =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
    require(root >= 0 && root <= 9, "root digit out of range", digits);
    require((root == 0) == allZero, "root digit 0 only for zeros", digits);

    aspects::FormirZn(sq, state, digits);
    require(state.Ob == QStringLiteral("0"), "Ob is not reset", digits);
    require(sq.rootIndex() == root - 1, "root digit not marked", digits);
    for (int i = 0; i < 9; ++i) {
        const int steps = static_cast<int>(digits.count(QChar(u'1' + i))) + (root == i + 1 ? 1 : 0);
        // At most a bonus step per complete line of the square.
        require(sq.level(i) >= steps && sq.level(i) <= steps + 8, "aspect level", digits);
        require((sq.level(i) > 0) == !sq.SDat(i)->isHidden(), "circle without level", digits);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_input";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 256) {
        return 0;
    }
    const std::uint8_t part = data[0];
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
            checkAspects(text);
            break;
    }
    return 0;
}
