#include <gtest/gtest.h>

#include <QLocale>

#include "core/aspect_names.h"
#include "core/report_language.h"

namespace {

using core::MonthForm;
using core::PageCaption;
using core::ReportLanguage;

}  // namespace

TEST(ReportLanguage, CodesReadBackAndAnUnknownOneIsRefused) {
    EXPECT_EQ(core::reportLanguageCodes(),
              (QStringList{QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("en")}));
    for (const QString& code : core::reportLanguageCodes()) {
        const std::optional<ReportLanguage> language = core::parseReportLanguage(code);
        ASSERT_TRUE(language.has_value()) << code.toStdString();
        EXPECT_EQ(core::languageCode(*language), code);
    }
    EXPECT_EQ(core::parseReportLanguage(u" EN "), ReportLanguage::English);
    for (const QStringView bad : {u"", u"ua", u"de", u"russian", u"r"}) {
        SCOPED_TRACE(bad.toString().toStdString());
        EXPECT_FALSE(core::parseReportLanguage(bad).has_value());
        EXPECT_EQ(core::reportLanguageOr(bad), ReportLanguage::Russian);
    }
}

// Each language's dates, month names, aspects and captions, with the machine's
// locale set to one that would write them otherwise.
TEST(ReportLanguage, DatesAndWordsAreTheLanguagesOwnWhateverTheLocale) {
    const struct {
        ReportLanguage language;
        const char* madeAt;
        const char* bornOn;
        const char* may;
        const char* mayAfterDay;
        const char* love;
        const char* pageOf;
    } cases[] = {
        {ReportLanguage::Russian, "08.12.2026 03:53:32", "5 Май 1990г.", "Май", "мая", "Любовь",
         "Страница 2 из 7"},
        {ReportLanguage::Ukrainian, "08.12.2026 03:53:32", "5 травня 1990 р.", "Травень", "травня",
         "Любов", "Сторінка 2 з 7"},
        {ReportLanguage::English, "8 December 2026, 03:53:32", "5 May 1990", "May", "May", "Love",
         "Page 2 of 7"},
    };
    const QDateTime moment(QDate(2026, 12, 8), QTime(3, 53, 32));
    const QLocale before;
    for (const char* locale : {"C", "de_DE", "ru_RU"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + core::languageCode(c.language).toStdString());
            EXPECT_EQ(core::calculationDateText(c.language, moment), QString::fromUtf8(c.madeAt));
            EXPECT_EQ(core::birthDateText(c.language, u"5", 4, u"1990"),
                      QString::fromUtf8(c.bornOn));
            EXPECT_EQ(core::monthName(c.language, 4, MonthForm::Nominative),
                      QString::fromUtf8(c.may));
            EXPECT_EQ(core::monthName(c.language, 4, MonthForm::Genitive),
                      QString::fromUtf8(c.mayAfterDay));
            EXPECT_EQ(core::aspectName(c.language, 5), QString::fromUtf8(c.love));
            EXPECT_EQ(core::pageCaption(c.language, PageCaption::PageOf).arg(2).arg(7),
                      QString::fromUtf8(c.pageOf));
        }
    }
    QLocale::setDefault(before);
}

// No language lacks a word (a row left out of a table reads as empty), and
// nothing outside the tables is read.
TEST(ReportLanguage, EveryLanguageHasEveryWord) {
    for (const QString& code : core::reportLanguageCodes()) {
        SCOPED_TRACE(code.toStdString());
        const ReportLanguage language = core::reportLanguageOr(code);
        EXPECT_FALSE(core::languageName(language).isEmpty());
        for (int i = -1; i <= 12; ++i) {
            const bool month = i >= 0 && i < 12;
            EXPECT_EQ(!core::monthName(language, i, MonthForm::Nominative).isEmpty(), month);
            EXPECT_EQ(!core::monthName(language, i, MonthForm::Genitive).isEmpty(), month);
            const bool digit = i >= 1 && i <= 9;
            EXPECT_EQ(!core::aspectName(language, i).isEmpty(), digit);
            EXPECT_EQ(core::pageAspectRow(language, i).endsWith(u" - "), digit);
        }
        for (int caption = 0; caption <= static_cast<int>(PageCaption::PageOf); ++caption) {
            EXPECT_FALSE(core::pageCaption(language, static_cast<PageCaption>(caption)).isEmpty());
        }
    }
}
