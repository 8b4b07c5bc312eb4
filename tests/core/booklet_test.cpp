#include <gtest/gtest.h>

#include <QSet>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <map>
#include <random>

#include "core/booklet.h"
#include "forecast_of.h"

namespace {

using core::BookletBlock;
using core::ReportLanguage;
using Kind = BookletBlock::Kind;

constexpr ReportLanguage kLanguages[] = {ReportLanguage::Russian, ReportLanguage::Ukrainian,
                                         ReportLanguage::English};

core::Person personNamed(const char* surname, const char* name, const char* patronymic = "",
                         core::Gender gender = core::Gender::Unknown) {
    core::Person p;
    p.names = {QString::fromUtf8(surname), QString::fromUtf8(name), QString::fromUtf8(patronymic)};
    p.gender = gender;
    return p;
}

core::TextLibrary libraryIn(ReportLanguage language) {
    return core::TextLibrary(core::TextSet(core::languageCode(language)));
}

int countOf(const core::Booklet& b, Kind kind) {
    return static_cast<int>(
        std::count_if(b.blocks.begin(), b.blocks.end(),
                      [kind](const BookletBlock& x) { return x.kind == kind; }));
}

bool hasHeading(const core::Booklet& b, const char* heading) {
    return std::any_of(b.blocks.begin(), b.blocks.end(), [heading](const BookletBlock& x) {
        return x.kind == Kind::Heading && x.text == QString::fromUtf8(heading);
    });
}

bool hasKeyStartingWith(const core::Booklet& b, const char* start) {
    return std::any_of(b.blocks.begin(), b.blocks.end(), [start](const BookletBlock& x) {
        return x.key.startsWith(QString::fromUtf8(start));
    });
}

}  // namespace

// Every section comes exactly when chosen, for a child born after the
// twentieth century and for one born before it too; the outlook has a row
// for each year of its span and a line for each position of the cycle in it.
TEST(Booklet, SectionsComeAsChosenForEveryBirthYear) {
    const core::TextLibrary library;
    const core::Person client = personNamed("Иванова", "Мария");
    for (const char* year : {"1975", "2010", "1899"}) {
        const core::Forecast f = forecastOf(23, 7, year);
        for (int mask = 0; mask < 16; ++mask) {
            for (int span : {1, 10, 30}) {
                SCOPED_TRACE(testing::Message() << year << " mask " << mask << " span " << span);
                const core::BookletChoice choice{
                    (mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0, span, 2026};
                const core::Booklet b = core::makeBooklet(f, client, library, choice);
                EXPECT_EQ(hasHeading(b, "Аспекты"), choice.aspects);
                EXPECT_EQ(hasHeading(b, "Ваш цикл"), choice.cycle);
                EXPECT_EQ(hasHeading(b, "Ближайшие годы"), choice.outlook);
                EXPECT_EQ(hasHeading(b, "Процент счастья"), choice.happiness);
                EXPECT_EQ(b.outlook.size(), std::size_t(span + 1));
                const int positions = std::min(span + 1, f.digitCount);
                const int subheadings =
                    (choice.aspects ? 9 : 0) + (choice.cycle ? f.digitCount : 0) +
                    (choice.outlook && !choice.cycle ? positions : 0) + (choice.happiness ? 1 : 0);
                EXPECT_EQ(countOf(b, Kind::Subheading), subheadings);
                const QString text = core::bookletText(b);
                EXPECT_TRUE(text.contains(QStringLiteral("Здравствуйте, Мария!")));
                EXPECT_FALSE(text.contains(u'{')) << "a field left unfilled";
            }
        }
    }
}

// 23.08.1975: 4558300. The cycle reads each digit against the one before it,
// the first against the last; the years listed stop at ninety. A level or a
// shape met again points to the year of the cycle where it was said.
TEST(Booklet, CycleShapesYearsAndReferences) {
    const core::Booklet b = core::makeBooklet(forecastOf(23, 7, "1975"), {}, core::TextLibrary(),
                                              {false, true, false, false, 10, 2026});
    QStringList lines;
    for (const BookletBlock& x : b.blocks) {
        if (x.kind == Kind::Subheading) {
            lines << x.text;
        }
    }
    const QStringList expected{
        "Год 1 цикла — уровень 4, подъём",         "Год 2 цикла — уровень 5, подъём",
        "Год 3 цикла — уровень 5, тот же уровень", "Год 4 цикла — уровень 8, пик",
        "Год 5 цикла — уровень 3, спад",           "Год 6 цикла — уровень 0, низшая точка",
        "Год 7 цикла — уровень 0, низшая точка",
    };
    EXPECT_EQ(lines, expected);
    const QString text = core::bookletText(b);
    for (const char* said :
         {"Годы до 90 лет: 1978, 1985, 1992, 1999, 2006, 2013, 2020, 2027, 2034, 2041, 2048, "
          "2055, 2062\n",
          "Подъём — см. год 1 цикла.", "Уровень 5 — см. год 2 цикла.",
          "Уровень 0, низшая точка — см. год 6 цикла."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(said))) << said;
    }
}

// With the cycle, the outlook gives its years by the position of the cycle
// and points there; without it, it says what each position means itself.
TEST(Booklet, OutlookGroupsItsYearsByTheCycle) {
    const core::Forecast f = forecastOf(23, 7, "1975");
    const core::Booklet withCycle =
        core::makeBooklet(f, {}, core::TextLibrary(), {false, true, true, false, 10, 2026});
    const QString text = core::bookletText(withCycle);
    EXPECT_TRUE(
        text.contains(QStringLiteral("2029, 2036 — год 6 цикла: уровень 0, низшая точка.")));
    EXPECT_TRUE(text.contains(QStringLiteral("рассказано в разделе «Ваш цикл».")));
    const core::Booklet alone =
        core::makeBooklet(f, {}, core::TextLibrary(), {false, false, true, false, 10, 2026});
    EXPECT_TRUE(hasKeyStartingWith(alone, "level."));
    EXPECT_TRUE(hasKeyStartingWith(alone, "shape."));
    EXPECT_FALSE(core::bookletText(alone).contains(QStringLiteral("«Ваш цикл»")));
}

// The practitioner's own words, and their switches, reach the booklet; the
// JSON gives each chosen text once under its key.
TEST(Booklet, OwnTextsSwitchesAndJson) {
    core::TextLibrary library;
    ASSERT_TRUE(library.setText(u"shape.peak", QStringLiteral("Вершина {год}, %1 <b>")).isEmpty());
    library.setOn(u"notice", false);
    const core::Booklet b = core::makeBooklet(forecastOf(23, 7, "1975"), {}, library,
                                              {true, true, true, true, 10, 2026});
    const QString text = core::bookletText(b);
    EXPECT_TRUE(text.contains(QStringLiteral("Вершина 1978, %1 <b>")));
    EXPECT_TRUE(text.contains(QStringLiteral("Здравствуйте! На этих"))) << "no name, no comma";
    EXPECT_FALSE(text.contains(library.defaultText(u"notice")));
    EXPECT_TRUE(text.contains(library.text(u"closing")));
    const QJsonObject texts =
        QJsonDocument::fromJson(core::bookletJson(b)).object().value("texts").toObject();
    EXPECT_TRUE(texts.contains("aspect.1.0") || texts.contains("aspect.1.1"));
    EXPECT_FALSE(texts.contains("notice"));
    EXPECT_TRUE(texts.value("shape.peak").toString().startsWith(QStringLiteral("Вершина 1978")));
}

// Over a thousand dates, with every section and the longest outlook, in each
// language, for women, men, clients of unknown gender and children: no
// paragraph of more than ten words comes twice in one booklet.
TEST(Booklet, NoParagraphTwiceOverAThousandDates) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> year(1900, 2025), day(1, 28), month(0, 11), gender(0, 2);
    const core::BookletChoice choice{
        true, true, true, true, core::kOutlookMost, 2026, QDate(2026, 6, 15)};
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    int children = 0;
    for (int n = 0; n < 1000; ++n) {
        const core::Forecast f =
            forecastOf(day(random), month(random), QByteArray::number(year(random)).constData());
        core::Person person = personNamed("Петренко", "Олена");
        person.gender = static_cast<core::Gender>(gender(random));
        for (const ReportLanguage language : kLanguages) {
            const core::Booklet b = core::makeBooklet(f, person, libraryIn(language), choice);
            children += b.audience == core::Audience::Parents ? 1 : 0;
            std::map<QString, int> seen;
            for (const BookletBlock& block : b.blocks) {
                for (const QString& line : block.text.split(u'\n')) {
                    if (block.kind == Kind::Paragraph &&
                        line.split(blanks, Qt::SkipEmptyParts).size() > 10) {
                        EXPECT_EQ(++seen[line], 1)
                            << numericDate(f.date).toStdString() << ": " << line.toStdString();
                    }
                }
            }
        }
    }
    EXPECT_GT(children, 0);
}

// One name per aspect on every page: the booklet's headings take the names
// of the one table, and the classic page's own captions never appear.
TEST(Booklet, OneNamePerAspectInEveryLanguage) {
    const struct {
        ReportLanguage language;
        std::vector<const char*> classicOnly;
    } rows[] = {
        {ReportLanguage::Russian, {"Уровень биополя", "Ангел хранитель", "Судьба"}},
        {ReportLanguage::Ukrainian, {"Рівень біополя", "Доля"}},
        {ReportLanguage::English, {"Fate"}},
    };
    for (const auto& row : rows) {
        for (const char* year : {"1975", "2020"}) {
            SCOPED_TRACE(testing::Message()
                         << core::languageCode(row.language).toStdString() << " " << year);
            const core::Booklet b =
                core::makeBooklet(forecastOf(23, 7, year), personNamed("Carter", "Emily"),
                                  libraryIn(row.language), {true, true, true, true, 10, 2026});
            int digit = 1;
            for (const BookletBlock& x : b.blocks) {
                if (x.kind == Kind::Subheading && digit <= core::kAspectCount) {
                    EXPECT_TRUE(x.text.startsWith(core::aspectName(row.language, digit++)))
                        << x.text.toStdString();
                }
            }
            const QString text = core::bookletText(b);
            for (const char* other : row.classicOnly) {
                EXPECT_FALSE(text.contains(QString::fromUtf8(other))) << other;
            }
        }
    }
}

// Under fourteen on the booklet's date the personal texts are the children's,
// addressed to the parents; from the fourteenth birthday on, the client's own.
TEST(Booklet, ChildrenReadTheParentsTextsUntilFourteen) {
    const struct {
        int day, month;
        const char* year;
        QDate madeOn;
        bool child;
    } rows[] = {
        {12, 11, "2010", QDate(2024, 12, 11), true}, {12, 11, "2010", QDate(2024, 12, 12), false},
        {29, 1, "2012", QDate(2026, 2, 28), true},   {29, 1, "2012", QDate(2026, 3, 1), false},
        {5, 3, "2030", QDate(2026, 6, 1), true},     {23, 7, "1975", QDate(2026, 1, 1), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.day << "." << row.month + 1 << "." << row.year << " on "
                     << row.madeOn.toString(Qt::ISODate).toStdString());
        core::BookletChoice choice{true, true, true, true, 10, row.madeOn.year(), row.madeOn};
        const core::Booklet b = core::makeBooklet(forecastOf(row.day, row.month, row.year),
                                                  personNamed("Коваль", "Андрій"),
                                                  libraryIn(ReportLanguage::Ukrainian), choice);
        EXPECT_EQ(b.audience == core::Audience::Parents, row.child);
        EXPECT_EQ(hasKeyStartingWith(b, "child.aspect."), row.child);
        EXPECT_EQ(hasKeyStartingWith(b, "child.opening"), row.child);
        const QString text = core::bookletText(b);
        EXPECT_EQ(text.contains(QStringLiteral("вашої дитини")), row.child);
        EXPECT_EQ(text.contains(QStringLiteral("Вітаю, Андрію!")), !row.child);
    }
}

// A woman and a man read the variants of the texts that have them; a client
// of unknown gender, and every client of a practitioner who rewrote the text
// without variants of their own, reads the text itself.
TEST(Booklet, WomenMenAndEveryoneReadTheirVariant) {
    core::TextLibrary rewritten;
    ASSERT_TRUE(rewritten.setText(u"aspect.5.1", QStringLiteral("Мой текст для всех.")).isEmpty());
    core::TextLibrary ownVariant = rewritten;
    ASSERT_TRUE(
        ownVariant.setText(u"aspect.5.1.male", QStringLiteral("Мой текст мужчине.")).isEmpty());
    const core::TextLibrary program;
    const struct {
        const core::TextLibrary& library;
        core::Gender gender;
        const char* reads;
    } rows[] = {
        {program, core::Gender::Female, "верной подругой"},
        {program, core::Gender::Male, "верным другом"},
        {program, core::Gender::Unknown, "надёжной опорой"},
        {rewritten, core::Gender::Female, "Мой текст для всех."},
        {ownVariant, core::Gender::Male, "Мой текст мужчине."},
        {ownVariant, core::Gender::Female, "Мой текст для всех."},
    };
    // 13.05.1971 has Любовь at level 1.
    const core::Forecast f = forecastOf(13, 4, "1971");
    ASSERT_EQ(f.aspects[4].level, 1);
    for (const auto& row : rows) {
        const core::Booklet b =
            core::makeBooklet(f, personNamed("Иванова", "Мария", "", row.gender), row.library,
                              {true, false, false, false, 10, 2026});
        EXPECT_TRUE(core::bookletText(b).contains(QString::fromUtf8(row.reads))) << row.reads;
    }
}

// Only the text around a blank first name is tidied; every value goes in
// exactly as stored, its own commas and marks included.
TEST(Booklet, FilledValuesGoInAsStored) {
    core::TextLibrary library;
    ASSERT_TRUE(
        library.setText(u"opening", QStringLiteral("Здравствуйте, {имя}! Фамилия: {фамилия}."))
            .isEmpty());
    const struct {
        core::ClientNames names;
        const char* reads;
    } cases[] = {
        {{QStringLiteral("Ли, !"), {}, {}}, "Здравствуйте! Фамилия: Ли, !."},
        {{QStringLiteral("Ли"), QStringLiteral("Анна"), {}}, "Здравствуйте, Анна! Фамилия: Ли."},
        {{QStringLiteral("{имя}, ?"), QStringLiteral(" "), {}}, "Здравствуйте! Фамилия: {имя}, ?."},
    };
    for (const auto& c : cases) {
        core::Person person;
        person.names = c.names;
        const core::Booklet b = core::makeBooklet(forecastOf(23, 7, "1975"), person, library,
                                                  {true, true, true, true, 10, 2026});
        EXPECT_TRUE(core::bookletText(b).contains(QString::fromUtf8(c.reads))) << c.reads;
    }
}

TEST(Booklet, SectionListAndSpanRefusals) {
    const struct {
        const char* list;
        bool accepted;
    } lists[] = {{"aspects,years", true},
                 {" Cycle , happiness ", true},
                 {"aspects,stars", false},
                 {",", false},
                 {"", false}};
    for (const auto& c : lists) {
        SCOPED_TRACE(c.list);
        core::BookletChoice choice;
        EXPECT_EQ(core::chooseSections(QString::fromUtf8(c.list), choice).isEmpty(), c.accepted);
        EXPECT_EQ(choice.aspects && choice.cycle, !c.accepted) << "kept as it was when refused";
    }
    for (const char* span : {"0", "31", "-1", "десять", ""}) {
        QString problem;
        EXPECT_FALSE(core::outlookYearsOf(QString::fromUtf8(span), &problem)) << span;
        EXPECT_TRUE(problem.contains(QStringLiteral("от 1 до 30"))) << span;
    }
    EXPECT_EQ(core::outlookYearsOf(QStringLiteral("30"), nullptr), 30);
}

// Two people: the years they share, and each aspect both have, one has or
// neither has; three or more: each aspect's case in a text of its own, not
// one repeated.
TEST(Booklet, GroupTextsForSharedAndSingle) {
    const auto member = [](int day, int month, const char* year, const char* name) {
        core::Person p;
        p.names.name = QString::fromUtf8(name);
        p.birthDate = {day, month, QString::fromLatin1(year)};
        return core::GroupMember{p, forecastOf(day, month, year)};
    };
    const core::Group pair = core::makeGroup(
        {member(23, 7, "1975", "Анна"), member(1, 0, "1980", "Борис")}, {2026, 2046});
    const QString text = core::blocksText(core::groupBlocks(pair, core::TextLibrary()));
    const core::Forecast& a = pair.members[0].forecast;
    const core::Forecast& b = pair.members[1].forecast;
    for (std::size_t i = 0; i < core::kAspectCount; ++i) {
        const bool one = a.aspects[i].present, two = b.aspects[i].present;
        const QString name = core::kAspectNames[i].toString();
        EXPECT_EQ(text.contains(QStringLiteral("«%1» — у каждого из вас").arg(name)), one && two)
            << i;
        EXPECT_EQ(text.contains(QStringLiteral("«%1» — у одного из вас").arg(name)), one != two)
            << i;
        EXPECT_EQ(text.contains(QStringLiteral("«%1» — ни у одного из вас").arg(name)),
                  !one && !two)
            << i;
    }
    if (!pair.allHighest.empty()) {
        EXPECT_TRUE(text.contains(core::yearListText(pair.allHighest)));
    }
    EXPECT_FALSE(text.contains(u'{'));

    for (const char* code : {"ru", "uk", "en"}) {
        const core::TextLibrary library{core::TextSet(QString::fromLatin1(code))};
        QSet<QString> paragraphs;
        for (int digit = 1; digit <= core::kAspectCount; ++digit) {
            for (const auto s : {core::Sharing::All, core::Sharing::Some, core::Sharing::None}) {
                for (const QString& key :
                     {core::groupAspectKey(digit, s), core::pairAspectKey(digit, s)}) {
                    const QString words = library.filled(key, {});
                    EXPECT_GT(words.size(), 150) << code << " " << key.toStdString();
                    EXPECT_FALSE(paragraphs.contains(words)) << code << " " << key.toStdString();
                    paragraphs.insert(words);
                }
            }
        }
        for (const auto y : {core::GroupYears::AllPeak, core::GroupYears::AllLow}) {
            EXPECT_TRUE(library.filled(core::groupYearsKey(y), {}).contains(u"{годы}")) << code;
        }
    }
}

// Over 300 random pairs in each language: every aspect gets the words of its
// own case (both, one, neither, as the two squares say), and no paragraph of
// more than ten words comes twice in the pair's booklet.
TEST(Booklet, PairSpeaksPerAspectAndCaseOverManyPairs) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> year(1900, 2025), day(1, 28), month(0, 11);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const auto member = [&] {
        const int d = day(random), m = month(random);
        const QByteArray y = QByteArray::number(year(random));
        core::Person p;
        p.birthDate = {d, m, QString::fromLatin1(y)};
        return core::GroupMember{p, forecastOf(d, m, y.constData())};
    };
    std::map<core::Sharing, int> cases;
    for (int n = 0; n < 300; ++n) {
        const core::Group pair = core::makeGroup({member(), member()}, {2026, 2046});
        for (const ReportLanguage language : kLanguages) {
            const std::vector<BookletBlock> blocks = core::groupBlocks(pair, libraryIn(language));
            std::map<QString, int> seen;
            QStringList aspectKeys;
            for (const BookletBlock& block : blocks) {
                if (block.key.startsWith(u"pair.aspect.")) {
                    aspectKeys << block.key;
                }
                if (block.kind == Kind::Paragraph &&
                    block.text.split(blanks, Qt::SkipEmptyParts).size() > 10) {
                    EXPECT_EQ(++seen[block.text], 1) << block.text.toStdString();
                }
            }
            QStringList expected;
            for (std::size_t i = 0; i < core::kAspectCount; ++i) {
                const int holders = int(pair.members[0].forecast.aspects[i].present) +
                                    int(pair.members[1].forecast.aspects[i].present);
                const core::Sharing sharing = holders == 2   ? core::Sharing::All
                                              : holders == 1 ? core::Sharing::Some
                                                             : core::Sharing::None;
                ++cases[sharing];
                expected << core::pairAspectKey(int(i) + 1, sharing);
            }
            EXPECT_EQ(aspectKeys, expected);
        }
    }
    EXPECT_GT(cases[core::Sharing::All], 0);
    EXPECT_GT(cases[core::Sharing::Some], 0);
    EXPECT_GT(cases[core::Sharing::None], 0);
}

// The booklet's words write a date as people say it; the classic page keeps «5 Март 2010г.».
TEST(Booklet, DateOfBirthAsEachLanguageSaysIt) {
    const core::Forecast f = forecastOf(5, 2, "2010");
    EXPECT_EQ(core::bookletDate(f, core::ReportLanguage::Russian),
              QStringLiteral("5 марта 2010 г."));
    EXPECT_EQ(core::bookletDate(f, core::ReportLanguage::Ukrainian),
              QStringLiteral("5 березня 2010 р."));
    EXPECT_EQ(core::bookletDate(f, core::ReportLanguage::English), QStringLiteral("5 March 2010"));
}
