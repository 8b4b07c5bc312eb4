// Random dates through the real window: whatever a user picks and types, a
// press on "Расчёт" ends in a forecast or in a message, never in a crash, and a
// forecast only for a year the calculation can trust.

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QTest>
#include <algorithm>
#include <random>

#include "core/errors.h"
#include "core/forecast.h"
#include "core/numeric.h"
#include "window_fixture.h"

namespace {

constexpr int kCases = 5000;
constexpr std::uint32_t kSeed = 19750823;
const QString kDefaultYear = QStringLiteral("1990");
const QString kMissingInputTitle = QStringLiteral("Введены не все данные");
const QString kBadYearTitle = QStringLiteral("Неверный год рождения");
const QString kNoSuchDateTitle = QStringLiteral("Неверная дата рождения");

// What a user might put into the year box: digits, blanks, signs, decimal
// separators, exponent letters, other Latin and Cyrillic letters.
const QString kAlphabet = QStringLiteral("0123456789 +-.,eEdDaxZабвЖЯё");

struct Case {
    int day = -1;    // list index, -1 for no choice
    int month = -1;  // list index, -1 for no choice
    QString year;    // as typed, up to four characters
    bool typed = false;
    bool russian = false;

    std::string describe() const {
        return QStringLiteral("day %1, month %2, year \"%3\"%4%5")
            .arg(day)
            .arg(month)
            .arg(year)
            .arg(typed ? QStringLiteral(", typed") : QString())
            .arg(russian ? QStringLiteral(", Russian locale") : QString())
            .toStdString();
    }
};

Case draw(std::mt19937& rng, int index) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Case c;
    // One case in twelve leaves a list without a choice.
    c.day = below(12) == 0 ? -1 : below(31);
    c.month = below(12) == 0 ? -1 : below(12);
    // Half the years are digit strings, the rest any mix of the alphabet.
    const int length = below(5);
    const bool digitsOnly = below(2) == 0;
    for (int i = 0; i < length; ++i) {
        c.year += digitsOnly ? QChar(u'0' + below(10)) : kAlphabet[below(kAlphabet.size())];
    }
    c.typed = below(4) == 0;
    c.russian = (index / 1000) % 2 == 1;
    return c;
}

// The year box puts back the default year for a number outside 1 to 9999.
QString afterYearCheck(const QString& text) {
    if (text.isEmpty() || !core::isNumeric(text)) {
        return text;
    }
    try {
        const double value = core::toDouble(text);
        return value < 1 || value > 9999 ? kDefaultYear : text;
    } catch (const core::RuntimeError&) {
        return kDefaultYear;
    }
}

// The box's text after typing the characters one by one at the end: the fifth
// character is refused, and the check runs after every change.
QString afterTyping(const QString& typed) {
    QString text;
    for (QChar c : typed) {
        if (text.size() < 4) {
            text = afterYearCheck(text + c);
        }
    }
    return text;
}

bool trustedYear(const QString& text) {
    return !text.isEmpty() && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
           text.toInt() >= 1;
}

void enterYear(QLineEdit& box, const Case& c) {
    if (!c.typed) {
        box.setText(c.year);
        return;
    }
    box.clear();
    const bool latin =
        std::all_of(c.year.begin(), c.year.end(), [](QChar ch) { return ch.unicode() < 0x80; });
    if (latin) {
        QTest::keyClicks(&box, c.year);
        return;
    }
    for (QChar ch : c.year) {
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// The forecast on screen against the arithmetic done here.
void checkForecast(const core::Forecast& r, const Case& c, const QString& year) {
    const QString dayMonth =
        QString::number(c.day + 1) + QStringLiteral("%1").arg(c.month + 1, 2, 10, QChar(u'0'));
    const long long expected = year.toLongLong() * dayMonth.toLongLong();
    const QString digits = QString::number(expected);
    EXPECT_EQ(r.lifeNumber.wide(), expected);
    EXPECT_EQ(r.digitCount, digits.size());
    EXPECT_EQ(r.happinessPercent,
              core::OprPrc(core::Int32::of(static_cast<std::int32_t>(expected))));
    EXPECT_EQ(r.date.year, year);
    EXPECT_EQ(r.curve.size(), static_cast<size_t>(digits.size()));
    EXPECT_EQ(r.largest, std::max_element(digits.begin(), digits.end())->digitValue());
    EXPECT_EQ(r.smallest, std::min_element(digits.begin(), digits.end())->digitValue());
    EXPECT_TRUE(r.years[0][0].visible);
    EXPECT_EQ(r.years[0][0].year, year.toInt());
}

TEST(InputFuzz, EveryPressEndsInAForecastOrAMessage) {
    WindowFixture f;
    ui::FrmMain& w = *f.window;
    std::mt19937 rng(kSeed);
    const QLocale original;
    int forecasts = 0;
    int missingInput = 0;
    int badYear = 0;
    int noSuchDate = 0;

    for (int i = 0; i < kCases && !testing::Test::HasFailure(); ++i) {
        const Case c = draw(rng, i);
        SCOPED_TRACE(c.describe());
        QLocale::setDefault(c.russian ? QLocale(QLocale::Russian, QLocale::Russia) : original);

        f.day()->setCurrentIndex(c.day);
        f.month()->setCurrentIndex(c.month);
        enterYear(*f.year(), c);
        const QString year = f.year()->text();
        EXPECT_EQ(year, c.typed ? afterTyping(c.year) : afterYearCheck(c.year));

        const size_t before = f.services.messages.size();
        f.pusk()->click();
        const bool message = f.services.messages.size() > before;
        const bool forecast = w.forecast().has_value();
        // The screen draws what the forecast holds: the grid and its curve.
        EXPECT_EQ(f.surface()->ops().size(), 80u + (forecast ? w.forecast()->curve.size() - 1 : 0));

        EXPECT_NE(message, forecast) << "a press must end in exactly one of the two";
        EXPECT_LE(f.services.messages.size(), before + 1);
        const bool complete = c.day >= 0 && c.month >= 0;
        const bool trusted = complete && trustedYear(year);
        EXPECT_EQ(forecast, trusted && QDate::isValid(year.toInt(), c.month + 1, c.day + 1))
            << "year box \"" << year.toStdString() << "\"";
        if (message) {
            const QString title = f.services.messages.back().title;
            EXPECT_EQ(title, !complete ? kMissingInputTitle
                             : trusted ? kNoSuchDateTitle
                                       : kBadYearTitle);
            (!complete ? missingInput : trusted ? noSuchDate : badYear) += 1;
        }
        if (forecast) {
            ++forecasts;
            checkForecast(*w.forecast(), c, year);
        }
        // Paint now and then, so the drawing code meets every kind of state.
        if (i % 250 == 0) {
            EXPECT_FALSE(w.grab().isNull());
        }
    }
    QLocale::setDefault(original);
    std::printf(
        "%d cases: %d forecasts, %d missing day or month, %d refused years, %d days that "
        "never were\n",
        kCases, forecasts, missingInput, badYear, noSuchDate);
    EXPECT_GT(forecasts, kCases / 4);
    EXPECT_GT(badYear, kCases / 10);
    EXPECT_GT(missingInput, kCases / 20);
    EXPECT_GT(noSuchDate, 0);
}

}  // namespace
