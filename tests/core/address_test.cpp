#include <gtest/gtest.h>

#include "core/address.h"

namespace {

using core::Gender;
using core::ReportLanguage;

}  // namespace

// The patronymic's ending tells the gender in Russian and Ukrainian (and in
// Latin letters); anything else tells nothing.
TEST(Address, GenderFromThePatronymic) {
    const struct {
        const char* patronymic;
        Gender gender;
    } rows[] = {
        {"Ивановна", Gender::Female}, {"Ильинична", Gender::Female}, {"Іванівна", Gender::Female},
        {"Юріївна", Gender::Female},  {"Алиевна", Gender::Female},   {"Мамед кызы", Gender::Female},
        {"Ivanovna", Gender::Female}, {"Иванович", Gender::Male},    {"Ілліч", Gender::Male},
        {"Петрович ", Gender::Male},  {"Алиев оглы", Gender::Male},  {"Sergeevich", Gender::Male},
        {"", Gender::Unknown},        {"Смит", Gender::Unknown},     {"ич", Gender::Unknown},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(core::genderOfPatronymic(QString::fromUtf8(row.patronymic)), row.gender)
            << row.patronymic;
    }
}

// The Ukrainian vocative of common names and of patronymics; a name the
// rules do not know comes back as typed.
TEST(Address, UkrainianVocative) {
    const struct {
        const char* name;
        Gender gender;
        const char* called;
    } rows[] = {
        {"Андрій", Gender::Unknown, "Андрію"},
        {"Сергій", Gender::Male, "Сергію"},
        {"Миколай", Gender::Male, "Миколаю"},
        {"Олена", Gender::Female, "Олено"},
        {"Ольга", Gender::Unknown, "Ольго"},
        {"Микола", Gender::Unknown, "Миколо"},
        {"Марія", Gender::Female, "Маріє"},
        {"Зоя", Gender::Female, "Зоє"},
        {"Наталя", Gender::Female, "Наталю"},
        {"Олеся", Gender::Unknown, "Олесю"},
        {"Ілля", Gender::Male, "Ілле"},
        {"Іван", Gender::Unknown, "Іване"},
        {"Олександр", Gender::Male, "Олександре"},
        {"Олег", Gender::Male, "Олегу"},
        {"Ігор", Gender::Male, "Ігорю"},
        {"Василь", Gender::Male, "Василю"},
        {"Петро", Gender::Male, "Петре"},
        {"Юрко", Gender::Male, "Юрку"},
        {"Яків", Gender::Male, "Якове"},
        {"Федір", Gender::Male, "Федоре"},
        {"Любов", Gender::Female, "Любове"},
        {"Іванович", Gender::Male, "Івановичу"},
        {"Іванівна", Gender::Female, "Іванівно"},
        {"ОЛЕНА", Gender::Female, "ОЛЕНО"},
        {"Мар’яна", Gender::Female, "Мар’яно"},
        // Kept as typed: the rules do not know them.
        {"Маша", Gender::Female, "Маша"},
        {"Ноемі", Gender::Female, "Ноемі"},
        {"Анна-Марія", Gender::Female, "Анна-Марія"},
        {"Emily", Gender::Female, "Emily"},
        {"Кармен", Gender::Female, "Кармен"},
        {"Я", Gender::Unknown, "Я"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(core::ukrainianVocative(QString::fromUtf8(row.name), row.gender),
                  QString::fromUtf8(row.called))
            << row.name;
    }
}

// What the card proposes for the greeting in each language; the address
// typed on the card is used as typed.
TEST(Address, ProposedAndTypedAddress) {
    const struct {
        const char* name;
        const char* patronymic;
        ReportLanguage language;
        const char* proposed;
    } rows[] = {
        {"Мария", "Ивановна", ReportLanguage::Russian, "Мария Ивановна"},
        {"Мария", "", ReportLanguage::Russian, "Мария"},
        {"Андрій", "", ReportLanguage::Ukrainian, "Андрію"},
        {"Андрій", "Петрович", ReportLanguage::Ukrainian, "Андрію Петровичу"},
        {"Олена", "Іванівна", ReportLanguage::Ukrainian, "Олено Іванівно"},
        {"Мария", "Ивановна", ReportLanguage::Ukrainian, "Мария Ивановна"},
        {"Emily", "", ReportLanguage::English, "Emily"},
        {"Мария", "Ивановна", ReportLanguage::English, "Мария"},
        {"", "Ивановна", ReportLanguage::Russian, ""},
    };
    for (const auto& row : rows) {
        const core::ClientNames names{QStringLiteral("Фамилия"), QString::fromUtf8(row.name),
                                      QString::fromUtf8(row.patronymic)};
        EXPECT_EQ(core::proposedAddress(names, row.language), QString::fromUtf8(row.proposed))
            << row.name << " " << row.patronymic;
    }
    core::Person maria;
    maria.names = {QStringLiteral("Иванова"), QStringLiteral("Мария"), QStringLiteral("Ивановна")};
    EXPECT_EQ(core::addressOf(maria), QStringLiteral("Мария Ивановна"));
    maria.address = QStringLiteral("  Маша ");
    EXPECT_EQ(core::addressOf(maria), QStringLiteral("Маша"));
}

// Under eighteen on the day, the proposal is the first name alone: the
// eighteenth birthday itself brings the patronymic, what was typed stays.
TEST(Address, TheYoungAreCalledByTheirName) {
    const QDate day(2026, 12, 9);
    const struct {
        const char* year;
        int monthIndex;
        int dayOfMonth;
        ReportLanguage language;
        const char* address;  // typed on the card
        const char* expected;
    } rows[] = {
        {"2010", 11, 12, ReportLanguage::Russian, "", "Никита"},
        {"2008", 11, 10, ReportLanguage::Russian, "", "Никита"},
        {"2008", 11, 9, ReportLanguage::Russian, "", "Никита Сергеевич"},
        {"2010", 11, 12, ReportLanguage::Ukrainian, "", "Микито"},
        {"1990", 3, 5, ReportLanguage::Ukrainian, "", "Микито Сергійовичу"},
        {"2010", 11, 12, ReportLanguage::Russian, "Никита Сергеевич", "Никита Сергеевич"},
    };
    for (const auto& row : rows) {
        core::Person p;
        const bool uk = row.language == ReportLanguage::Ukrainian;
        p.names = {QStringLiteral("Петров"),
                   uk ? QStringLiteral("Микита") : QStringLiteral("Никита"),
                   uk ? QStringLiteral("Сергійович") : QStringLiteral("Сергеевич")};
        p.birthDate = {row.dayOfMonth, row.monthIndex, QString::fromLatin1(row.year)};
        p.language = row.language;
        p.address = QString::fromUtf8(row.address);
        EXPECT_EQ(core::addressOf(p, day), QString::fromUtf8(row.expected)) << row.year;
    }
}

TEST(Address, GenderCodesReadBack) {
    for (const Gender g : {Gender::Unknown, Gender::Female, Gender::Male}) {
        EXPECT_EQ(core::parseGender(core::genderCode(g)), g);
    }
    EXPECT_EQ(core::parseGender(QStringLiteral(" Ж ")), Gender::Female);
    EXPECT_EQ(core::parseGender(QStringLiteral("мужской")), Gender::Male);
    EXPECT_EQ(core::parseGender(QStringLiteral("x")), std::nullopt);
}
