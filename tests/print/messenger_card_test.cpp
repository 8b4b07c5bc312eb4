#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/booklet.h"
#include "core/card_words.h"
#include "forecast_of.h"
#include "print/messenger_card.h"

namespace {

using core::ReportLanguage;

core::TextLibrary programTexts(ReportLanguage language) {
    return core::TextLibrary(core::TextSet(core::languageCode(language)));
}

struct LanguageCase {
    ReportLanguage language;
    core::ClientNames names;
    print::Letterhead letterhead;
    // Letters of the other two languages that this one never writes.
    const char* foreign;
};

std::vector<LanguageCase> languageCases() {
    QImage logo(300, 200, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    return {
        {ReportLanguage::Russian,
         {QStringLiteral("Константинопольская"), QStringLiteral("Александра"),
          QStringLiteral("Вячеславовна")},
         {QStringLiteral("Анна Соколова, нумеролог"),
          {QStringLiteral("+7 900 123-45-67"), QStringLiteral("anna@example.org"),
           QStringLiteral("t.me/anna_numbers")},
          logo},
         "іїєґ"},
        {ReportLanguage::Ukrainian,
         {QStringLiteral("Шевченко"), QStringLiteral("Олена"), {}},
         {QStringLiteral("Ганна Соколова"), {QStringLiteral("+380 67 123 45 67")}, logo},
         "ыэъё"},
        {ReportLanguage::English,
         {QStringLiteral("Smith"), QStringLiteral("Jane"), {}},
         {QStringLiteral("Anna Sokolova"), {QStringLiteral("anna@example.org")}, {}},
         "абвгдежзиклмнопрстуфхцчшщыьэюяіїєґ"},
    };
}

}  // namespace

// The card is the phone's portrait picture whatever it holds; each of its
// words is the report language's (the other languages' letters never
// appear), the happiness, the years and their library words included; no
// text is smaller than a phone can show at a third, none leaves the card
// and none lies over another.
TEST(MessengerCard, SizeWordsAndRoomInEachLanguage) {
    for (const LanguageCase& c : languageCases()) {
        for (const char* year : {"1975", "2026", "1931"}) {
            SCOPED_TRACE(testing::Message()
                         << core::languageCode(c.language).toStdString() << ' ' << year);
            const core::Forecast f = forecastOf(23, 7, year);
            core::Person person;
            person.names = c.names;
            person.language = c.language;
            const print::MessengerCard card(f, person, programTexts(c.language), 2026,
                                            c.letterhead);
            EXPECT_EQ(card.image().size(), QSize(print::kCardWidth, print::kCardHeight));

            const QRegularExpression foreign(
                QStringLiteral("[%1]").arg(QString::fromUtf8(c.foreign)),
                QRegularExpression::CaseInsensitiveOption);
            QStringList all;
            const QRectF cardBox(0, 0, print::kCardWidth, print::kCardHeight);
            const auto& texts = card.texts();
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const print::CardText& t = texts[i];
                all << t.text;
                EXPECT_FALSE(t.text.contains(foreign)) << t.text.toStdString();
                EXPECT_GE(t.px, print::kCardLeastTextPx) << t.text.toStdString();
                EXPECT_TRUE(cardBox.contains(t.box)) << t.text.toStdString();
                for (std::size_t j = i + 1; j < texts.size(); ++j) {
                    EXPECT_FALSE(t.box.intersects(texts[j].box))
                        << t.text.toStdString() << " / " << texts[j].text.toStdString();
                }
            }
            EXPECT_TRUE(all.contains(core::pageCaption(c.language, core::PageCaption::TextHappiness)
                                         .arg(core::percentText(f.happinessPercent))));
            EXPECT_TRUE(all.contains(core::fullName(c.names, c.language)));
            EXPECT_TRUE(all.contains(c.letterhead.name));
            ASSERT_GE(card.years().size(), 3u);
            for (const core::CardYear& y : card.years()) {
                EXPECT_TRUE(all.contains(QString::number(y.year)));
                EXPECT_TRUE(all.contains(y.words));
                EXPECT_TRUE(
                    programTexts(c.language).text(core::levelKey(y.level)).startsWith(y.words));
            }
        }
    }
}

// Without a name the card names nobody and keeps to the date; without a
// letterhead nothing of the practitioner's (nor of the program's) is on it.
TEST(MessengerCard, NoNameAndNoLetterhead) {
    const core::Forecast f = forecastOf(5, 2, "1990");
    const print::MessengerCard card(f, core::Person{}, programTexts(ReportLanguage::Russian), 2026,
                                    std::nullopt);
    ASSERT_FALSE(card.texts().empty());
    EXPECT_EQ(card.texts().front().text,
              core::pageCaption(ReportLanguage::Russian, core::PageCaption::TextBorn)
                  .arg(core::bookletDate(f, ReportLanguage::Russian)));
    for (const print::CardText& t : card.texts()) {
        EXPECT_FALSE(t.text.contains(QStringLiteral("Zemtar"))) << t.text.toStdString();
    }
}

// Someone born after this year has no years to tell yet, and the card says
// so in the booklet's words rather than leaving a heading over nothing.
TEST(MessengerCard, NotBornYet) {
    const print::MessengerCard card(forecastOf(5, 4, "2030"), core::Person{},
                                    programTexts(ReportLanguage::Russian), 2026, std::nullopt);
    EXPECT_TRUE(card.years().empty());
    EXPECT_EQ(card.texts().back().text,
              core::pageCaption(ReportLanguage::Russian, core::PageCaption::BeforeBirth));
}
