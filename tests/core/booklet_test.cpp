#include <gtest/gtest.h>

#include <QSet>

#include <QJsonDocument>
#include <QJsonObject>

#include "core/booklet.h"
#include "forecast_of.h"

namespace {

using core::BookletBlock;
using Kind = BookletBlock::Kind;

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

}  // namespace

// Every section comes exactly when chosen, for a child born after the
// twentieth century and for one born before it too, and the outlook has a row
// for each year of its span.
TEST(Booklet, SectionsComeAsChosenForEveryBirthYear) {
    const core::TextLibrary library;
    const core::ClientNames client{QStringLiteral("Иванова"), QStringLiteral("Мария"), {}};
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
                EXPECT_EQ(countOf(b, Kind::Square), choice.aspects ? 1 : 0);
                EXPECT_EQ(b.outlook.size(), std::size_t(span + 1));
                const int subheadings =
                    (choice.aspects ? 9 : 0) + (choice.cycle ? f.digitCount : 0) +
                    (choice.outlook ? span + 1 : 0) + (choice.happiness ? 1 : 0);
                EXPECT_EQ(countOf(b, Kind::Subheading), subheadings);
                const QString text = core::bookletText(b);
                EXPECT_TRUE(text.contains(QStringLiteral("Здравствуйте, Мария!")));
                EXPECT_FALSE(text.contains(u'{')) << "a field left unfilled";
            }
        }
    }
}

// 23.08.1975: 4558300. The cycle reads each digit against the one before it,
// the first against the last; the years listed stop at ninety.
TEST(Booklet, CycleShapesAndYears) {
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
    EXPECT_TRUE(
        text.contains(QStringLiteral("Годы до 90 лет: 1978, 1985, 1992, 1999, 2006, "
                                     "2013, 2020, 2027, 2034, 2041, 2048, 2055, 2062\n")));
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
    EXPECT_TRUE(text.contains(QStringLiteral("Вершина 2027, %1 <b>")));
    EXPECT_TRUE(text.contains(QStringLiteral("Здравствуйте! На этих"))) << "no name, no comma";
    EXPECT_FALSE(text.contains(library.defaultText(u"notice")));
    EXPECT_TRUE(text.contains(library.text(u"closing")));
    const QJsonObject texts =
        QJsonDocument::fromJson(core::bookletJson(b)).object().value("texts").toObject();
    EXPECT_TRUE(texts.contains("aspect.1.0") || texts.contains("aspect.1.1"));
    EXPECT_FALSE(texts.contains("notice"));
    EXPECT_TRUE(texts.value("shape.peak").toString().startsWith(QStringLiteral("Вершина 1978")));
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

// Two people: the years they share, and each aspect either both have or one;
// three or more: each aspect's case in a text of its own, not one repeated.
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
        EXPECT_EQ(text.contains(QStringLiteral("«%1» — у обоих").arg(name)), one && two) << i;
        EXPECT_EQ(text.contains(QStringLiteral("«%1» — только у").arg(name)), one != two) << i;
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
                const QString key = core::groupAspectKey(digit, s);
                const QString words = library.filled(key, {});
                EXPECT_GT(words.size(), 150) << code << " " << key.toStdString();
                EXPECT_FALSE(paragraphs.contains(words)) << code << " " << key.toStdString();
                paragraphs.insert(words);
            }
        }
        for (const auto y : {core::GroupYears::AllPeak, core::GroupYears::AllLow}) {
            EXPECT_TRUE(library.filled(core::groupYearsKey(y), {}).contains(u"{годы}")) << code;
        }
    }
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
