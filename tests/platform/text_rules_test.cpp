#include <gtest/gtest.h>

#include <QString>

#include "core/client_names.h"

namespace {

struct NameCase {
    const char* name;
    QString text;
    int limit;
    const char* says;  // null: the name is fine
};

class ClientName : public testing::TestWithParam<NameCase> {};

// Counted as a reader counts, refused with the field's name and the reason.
TEST_P(ClientName, IsCountedAsSeenAndHoldsNoControlCharacters) {
    const NameCase& c = GetParam();
    const QString problem = core::nameProblem(c.text, c.limit, QStringLiteral("Фамилия"));
    if (!c.says) {
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return;
    }
    EXPECT_TRUE(problem.contains(QStringLiteral("«Фамилия»"))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QString::fromUtf8(c.says))) << problem.toStdString();
}

const QString kAccented = QStringLiteral("и\u0306");        // «й» typed as two code points
const QString kFamily = QStringLiteral("👨\u200D👩\u200D👧");  // one picture, eight units

INSTANTIATE_TEST_SUITE_P(
    Names, ClientName,
    testing::Values(
        NameCase{"AccentedLettersCountOnce", kAccented.repeated(25), 25, nullptr},
        NameCase{"EmojiFamilyCountsOnce", QStringLiteral("Иванов") + kFamily, 7, nullptr},
        NameCase{"FlagCountsOnce", QStringLiteral("🇷🇺Ан"), 3, nullptr},
        NameCase{"OneTooMany", kAccented.repeated(26), 25, "длиннее 25 знаков: в нём 26 знаков"},
        NameCase{"LimitOfTwentyOne", QStringLiteral("я").repeated(22), 21, "длиннее 21 знака"},
        NameCase{"Nul", QStringLiteral("Ива") + QChar(0) + QStringLiteral("нов"), 25, "U+0000"},
        NameCase{"Tab", QStringLiteral("Ива\tнов"), 25, "U+0009"},
        NameCase{"LineBreak", QStringLiteral("Ива\r\nнов"), 25, "U+000D"},
        NameCase{"LineSeparator", QStringLiteral("Ива\u2028нов"), 25, "U+2028"},
        NameCase{"HalfACharacter", QStringLiteral("Ива") + QChar(0xD835), 25, "U+D835"},
        NameCase{"Hyphenated", QStringLiteral("Римский-Корсаков"), 25, nullptr}),
    [](const testing::TestParamInfo<NameCase>& p) { return p.param.name; });

}  // namespace
