#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>

#include "core/client_names.h"
#include "core/text_fields.h"
#include "core/text_file.h"
#include "core/text_keys.h"
#include "core/text_library.h"

namespace {

using core::TextField;

const QString kFileName = QStringLiteral("/tmp/тексты.txt");

QByteArray file(const char* body) {
    return QByteArray("zemtar-texts 1 ru\n") + body;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The names in braces a text uses, each once, in small letters.
std::set<QString> fieldsIn(const QString& text) {
    std::set<QString> names;
    static const QRegularExpression braces(QStringLiteral("\\{([^{}]*)\\}"));
    for (const QRegularExpressionMatch& m : braces.globalMatch(text)) {
        names.insert(m.captured(1).toLower());
    }
    return names;
}

}  // namespace

// Every failure names the file and the line; what else the file holds is still
// read, and the entry that could not be read is left to the defaults.
TEST(TextFile, ProblemsNameTheFileAndTheLineAndTheRestIsRead) {
    const QByteArray big = QByteArray(core::kTextFileLimit + 1, 'a');
    const QByteArray over = "[level.2]\n" + QByteArray(4001, 'x') + "\n";
    const struct {
        const char* what;
        QByteArray bytes;
        int line;
        const char* says;
        bool keepsLevel1;  // the good entry [level.1] "Годен." is still read
    } cases[] = {
        {"not utf-8", file("[level.1]\nГоден.\n[level.2]\nпло\xff\xfeхо\n"), 5, "UTF-8", true},
        {"nul byte", file("[level.2]\na") + QByteArray(1, '\0') + "b\n[level.1]\nГоден.\n", 3,
         "нулевой байт", true},
        {"damaged header",
         file("[lev\xff"
              "el.2]\nтекст\n[level.1]\nГоден.\n"),
         2, "UTF-8", true},
        {"foreign", "Фамилия;Имя\nИванов;Иван\n", 1, "не файл текстов", false},
        {"empty", "", 1, "не файл текстов", false},
        {"newer", "zemtar-texts 2 ru\n[level.1]\nГоден.\n", 1, "более новой версией", false},
        {"too large", big, 0, "больше 2 МБ", false},
        {"unknown key", file("[aspect.10.1]\nтекст\n[level.1]\nГоден.\n"), 2, "[aspect.10.1]",
         true},
        {"repeated key", file("[level.1]\nГоден.\n\n[level.1]\nвторой\n"), 5, "уже был в строке 2",
         true},
        {"over the limit", file("[level.1]\nГоден.\n") + over, 4, "длиннее 4000", true},
        {"not a header", file("[level.1]\nГоден.\n[примечание\nтекст\n"), 4, "«\\»", true},
        {"switch on an aspect", file("[aspect.1.0 off]\nтекст\n[level.1]\nГоден.\n"), 2,
         "нельзя выключить", true},
        {"marks heaped on a letter",
         file("[level.2]\nПервая "
              "строка\nа\xCC\x81\xCC\x81\xCC\x81\xCC\x81\xCC\x81\n[level.1]\nГоден."
              "\n"),
         4, "больше 4 диакритических", true},
        {"turn of direction", file("[level.1]\nГоден.\n[level.2]\nслово \xE2\x80\xAE наоборот\n"),
         5, "U+202E", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const core::TextFileReading reading = core::readTextFile(c.bytes, kFileName);
        ASSERT_EQ(reading.problemCount, 1) << utf8(reading.message());
        EXPECT_EQ(reading.problems[0].line, c.line);
        const QString& message = reading.problems[0].message;
        // The file is named as the system writes paths (backslashes on Windows).
        EXPECT_TRUE(message.contains(u'«' + QDir::toNativeSeparators(kFileName) + u'»'))
            << utf8(message);
        EXPECT_TRUE(c.line == 0 || message.contains(QStringLiteral("строка %1:").arg(c.line)))
            << utf8(message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.says))) << utf8(message);
        EXPECT_EQ(reading.set.text(u"level.1"),
                  c.keepsLevel1 ? std::optional(QStringLiteral("Годен.")) : std::nullopt);
        EXPECT_FALSE(reading.set.text(u"level.2").has_value());
    }
}

// A file an earlier version wrote may hold the pair's two shared aspect texts
// that each aspect's own words replaced: it reads without a complaint, and
// the rest of it is read as usual.
TEST(TextFile, RetiredEntriesReadQuietly) {
    const core::TextFileReading reading =
        core::readTextFile(file("[pair.aspect-both]\nУ вас обоих.\n\n[pair.aspect-one]\nУ одного.\n"
                                "[level.1]\nГоден.\n[pair.aspect-both]\nещё раз\n"),
                           kFileName);
    EXPECT_TRUE(reading.complete()) << utf8(reading.message());
    EXPECT_EQ(reading.set.keys(), QStringList{QStringLiteral("level.1")});
    EXPECT_EQ(reading.set.text(u"level.1"), QStringLiteral("Годен."));
}

// Read back, the writer's file is the same set: any text within the limit,
// with lines that look like headers, fields and markup, and the switches.
TEST(TextFile, WhatIsWrittenReadsBackTheSame) {
    const QStringList tricky{
        QStringLiteral("[level.1]\n\\[level.2]\n\\\\[x] и \\ в начале"),
        QStringLiteral("Абзац.\n   \nпосле пустой строки\t с табуляцией  "),
        QStringLiteral("%1 <b>жирный</b> {имя} {неизвестно} 🇷🇺 и\u0306"),
        QStringLiteral("ё").repeated(core::kTextLimit),
        QString(),
    };
    core::TextSet set;
    for (const core::TextKey& key : core::textKeys()) {
        ASSERT_TRUE(
            set.setText(key.key, tricky[core::textKeyIndex(key.key) % tricky.size()]).isEmpty());
    }
    set.setSwitchedOff(u"notice", true);
    set.setSwitchedOff(u"closing", true);
    set.clearText(u"closing");  // off, with the default's text
    const QByteArray bytes = core::textFileBytes(set);
    const core::TextFileReading reading = core::readTextFile(bytes, kFileName);
    EXPECT_TRUE(reading.complete()) << utf8(reading.message());
    EXPECT_EQ(reading.set, set);
    // A file saved by a Windows editor, with its byte order mark, reads the same.
    QByteArray windows = "\xEF\xBB\xBF" + bytes;
    windows.replace("\n", "\r\n");
    EXPECT_EQ(core::readTextFile(windows, kFileName).set, set);
}

TEST(TextSet, TextsAreKeptNormalizedAndWithinTheLimit) {
    const struct {
        QString typed;
        QString kept;
    } cases[] = {
        {QStringLiteral("\n  \r\nПервая\r\nвторая\rтретья\u2028четвёртая\n\t\n"),
         QStringLiteral("Первая\nвторая\nтретья\nчетвёртая")},
        {QStringLiteral("  отступ и NUL") + QChar(0) + QStringLiteral("\u0007"),
         QStringLiteral("  отступ и NUL")},
        {QStringLiteral(" \n\t "), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::normalizedText(c.typed), c.kept) << utf8(c.typed);
    }
    core::TextSet set;
    EXPECT_TRUE(set.setText(u"level.1", QStringLiteral("я").repeated(core::kTextLimit)).isEmpty());
    const QString refused = set.setText(u"level.1", QStringLiteral("я").repeated(4001));
    EXPECT_TRUE(refused.contains(QStringLiteral("в нём 4001"))) << utf8(refused);
    EXPECT_EQ(set.text(u"level.1")->size(), core::kTextLimit);  // never cut, left as it was
    EXPECT_FALSE(set.setText(u"level.10", QStringLiteral("x")).isEmpty());
    for (const QString& unprintable : {QStringLiteral("Первая\nа") + QString(60000, QChar(0x0301)),
                                       QStringLiteral("Первая\n\u2067вторая")}) {
        const QString problem = set.setText(u"level.1", unprintable);
        EXPECT_TRUE(problem.startsWith(QStringLiteral("В строке 2 текста"))) << utf8(problem);
    }
}

TEST(TextFields, ValuesGoInAsTypedAndUnknownFieldsStay) {
    core::FieldValues values(
        core::ClientNames{QStringLiteral("Иванова"), QStringLiteral("Анна"), QString()});
    values.set(TextField::Year, QStringLiteral("2031")).set(TextField::Level, QStringLiteral("7"));
    core::FieldValues tricky;
    tricky.set(TextField::Name, QStringLiteral("{год} %1 <b>"));
    tricky.set(TextField::Year, QStringLiteral("2030"));
    const struct {
        const char* text;
        const core::FieldValues& values;
        const char* filled;
    } cases[] = {
        {"{имя} {отчество}{фамилия}, в {год} году", values, "Анна Иванова, в 2031 году"},
        {"{год}{год}-{уровень}.", values, "20312031-7."},
        {"{Имя}, {ИМЯ}", values, "Анна, Анна"},
        {"{дата} {аспект} {имя клиента} { имя } {}", values,
         "{дата} {аспект} {имя клиента} { имя } {}"},
        {"{{имя}} {имя", values, "{Анна} {имя"},
        {"{имя}: {год}", tricky, "{год} %1 <b>: 2030"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::fillFields(QString::fromUtf8(c.text), c.values),
                  QString::fromUtf8(c.filled))
            << c.text;
    }
    const QString text = QStringLiteral("{имя}, {дата} и {Год} {годы} {ваш знак}");
    const std::vector<core::UnknownField> unknown = core::unknownFields(text);
    const std::vector<core::UnknownField> expected{{7, 6, QStringLiteral("дата")},
                                                   {29, 10, QStringLiteral("ваш знак")}};
    EXPECT_EQ(unknown, expected);
}

// The program's own library in each of its languages: every entry, each
// within the limit and naming only fields that exist, read from the
// compiled-in file without a problem; a language it lacks gets Russian. A
// women's or men's variant is there only where the language needs one.
TEST(DefaultTexts, HoldEveryEntryWithinTheLimitAndKnownFieldsOnly) {
    EXPECT_EQ(&core::defaultTexts(u"xx"), &core::defaultTexts(u"ru"));
    const std::size_t variants = static_cast<std::size_t>(
        std::count_if(core::textKeys().begin(), core::textKeys().end(),
                      [](const core::TextKey& k) { return !k.variantOf.isEmpty(); }));
    // Two people's aspects have a text per aspect and case: 27 in place of two.
    EXPECT_EQ(core::textKeys().size() - variants, 122u + 29u - 2u + 27u);
    EXPECT_EQ(variants, 2 * (45 + 45 + 4 + 4 + 3u));
    for (const QString& language :
         {QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("en")}) {
        SCOPED_TRACE(utf8(language));
        QFile resource(QStringLiteral(":/zemtar/texts/%1.txt").arg(language));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
        const core::TextFileReading reading =
            core::readTextFile(resource.readAll(), resource.fileName());
        EXPECT_TRUE(reading.complete()) << utf8(reading.message());
        const core::TextSet& defaults = core::defaultTexts(language);
        EXPECT_EQ(defaults.language(), language);
        EXPECT_EQ(reading.set, defaults);
        EXPECT_TRUE(core::textLanguages().contains(language));
        int ownVariants = 0;
        for (const core::TextKey& key : core::textKeys()) {
            SCOPED_TRACE(utf8(key.key));
            const std::optional<QString> text = defaults.text(key.key);
            if (!key.variantOf.isEmpty() && !text) {
                continue;
            }
            ownVariants += key.variantOf.isEmpty() ? 0 : 1;
            ASSERT_TRUE(text.has_value());
            EXPECT_GE(text->size(), 80);
            EXPECT_TRUE(core::textProblem(*text).isEmpty());
            EXPECT_TRUE(core::unknownFields(*text).empty()) << utf8(*text);
            EXPECT_FALSE(defaults.switchedOff(key.key));
            // A translation names the same fields as the Russian text (the
            // years of a pair are only in {годы}), and is not the Russian text.
            const QString& base = key.variantOf.isEmpty() ? key.key : key.variantOf;
            const QString russian = core::defaultTexts(u"ru").text(base).value_or(QString());
            EXPECT_EQ(fieldsIn(*text), fieldsIn(russian));
            if (language != QStringLiteral("ru")) {
                EXPECT_NE(*text, russian);
            }
        }
        EXPECT_EQ(ownVariants > 0, language != QStringLiteral("en"));
    }
    // The practitioner's English set lies over the English defaults.
    const core::TextLibrary english{core::TextSet(QStringLiteral("en"))};
    EXPECT_EQ(english.text(u"closing"), core::defaultTexts(u"en").text(u"closing"));
}

// A level's text says what the level is; whether the year rises or falls, or
// stands at the curve's highest or lowest point, only the shape's text says.
// These are the words that would say it, as the start of a word.
TEST(DefaultTexts, LevelTextsSayNoDirection) {
    const struct {
        const char* language;
        std::vector<const char*> words;
    } rows[] = {
        {"ru", {"подъём",   "подъем", "спад",    "пик",    "вершин", "низш", "нижн",
                "рост",     "раст",   "вниз",    "вверх",  "прибав", "убав", "убыва",
                "сниж",     "паден",  "поднима", "опуска", "выше",   "ниже", "наибольш",
                "наименьш", "максим", "миним",   "взлёт"}},
        {"uk", {"підйом", "піднесен", "спад",   "пік",    "вершин", "найнижч", "нижч",    "найвищ",
                "вищ",    "зрост",    "зроста", "вниз",   "вгору",  "додаю",   "прибува", "зниж",
                "падін",  "підніма",  "опуска", "максим", "мінім",  "злет"}},
        {"en", {"rise",    "rising",    "fall",     "falling",    "peak",    "summit",
                "top",     "low point", "lowest",   "highest",    "higher",  "lower",
                "upswing", "downswing", "decline",  "climb",      "grow",    "increas",
                "decreas", "drop",      "going up", "going down", "maximum", "minimum"}},
    };
    for (const auto& row : rows) {
        const core::TextSet& defaults = core::defaultTexts(QString::fromUtf8(row.language));
        for (int level = 0; level <= 9; ++level) {
            const QString text = defaults.text(core::levelKey(level)).value_or(QString());
            ASSERT_FALSE(text.isEmpty()) << row.language << " " << level;
            for (const char* word : row.words) {
                const QRegularExpression start(
                    QStringLiteral("\\b") + QRegularExpression::escape(QString::fromUtf8(word)),
                    QRegularExpression::CaseInsensitiveOption |
                        QRegularExpression::UseUnicodePropertiesOption);
                EXPECT_FALSE(start.match(text).hasMatch())
                    << row.language << " level " << level << " says «" << word << "»";
            }
        }
    }
}

// A variant belongs with the text it varies: the program's variants serve the
// program's text, and a practitioner's own text serves everyone until they
// write variants of their own; an own variant left empty gives the text itself.
TEST(TextLibrary, VariantsBelongWithTheirText) {
    core::TextLibrary library;
    const QString female = library.defaultText(u"aspect.5.1.female");
    ASSERT_FALSE(female.isEmpty());
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Female), female);
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Unknown),
              library.defaultText(u"aspect.5.1"));
    EXPECT_EQ(library.textFor(u"level.3", core::Gender::Male), library.defaultText(u"level.3"));
    ASSERT_TRUE(library.setText(u"aspect.5.1", QStringLiteral("Своё.")).isEmpty());
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Female), QStringLiteral("Своё."));
    ASSERT_TRUE(library.setText(u"aspect.5.1.female", QStringLiteral("Своё ей.")).isEmpty());
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Female), QStringLiteral("Своё ей."));
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Male), QStringLiteral("Своё."));
    ASSERT_TRUE(library.setText(u"aspect.5.1.female", QString()).isEmpty());
    EXPECT_EQ(library.textFor(u"aspect.5.1", core::Gender::Female), QStringLiteral("Своё."));
}

// The practitioner's texts on top of the defaults: only a change is kept, and
// one entry goes back to the default alone.
TEST(TextLibrary, PractitionersTextsLieOverTheDefaults) {
    core::TextLibrary library;
    const QString opening = library.defaultText(u"opening");
    ASSERT_FALSE(opening.isEmpty());
    EXPECT_TRUE(library.setText(u"level.3", QStringLiteral("Мой текст, {имя}.")).isEmpty());
    EXPECT_TRUE(library.setText(u"level.4", library.defaultText(u"level.4")).isEmpty());
    EXPECT_FALSE(library.setText(u"level.5", QStringLiteral("я").repeated(4001)).isEmpty());
    EXPECT_TRUE(library.setOn(u"notice", false));
    EXPECT_FALSE(library.setOn(u"aspect.1.1", false));
    EXPECT_EQ(library.own().keys(),
              (QStringList{QStringLiteral("level.3"), QStringLiteral("notice")}));
    EXPECT_TRUE(library.isChanged(u"level.3"));
    EXPECT_FALSE(library.isChanged(u"level.4"));
    EXPECT_FALSE(library.isChanged(u"notice"));
    EXPECT_FALSE(library.isOn(u"notice"));
    const core::FieldValues anna = core::FieldValues().set(TextField::Name, QStringLiteral("Анна"));
    EXPECT_EQ(library.filled(u"level.3", anna), QStringLiteral("Мой текст, Анна."));
    EXPECT_EQ(library.filled(u"notice", anna), QString());
    EXPECT_EQ(core::changedEntries(core::TextLibrary(), library), 2);

    library.resetToDefault(u"level.3");
    EXPECT_EQ(library.text(u"level.3"), library.defaultText(u"level.3"));
    EXPECT_FALSE(library.isChanged(u"level.3"));
    EXPECT_FALSE(library.isOn(u"notice"));  // the switch stays as it was
    EXPECT_EQ(library.text(u"opening"), opening);
}

TEST(TextKeys, NameEveryFigureTheForecastHas) {
    EXPECT_EQ(core::aspectKey(5, 0), QStringLiteral("aspect.5.0"));
    EXPECT_EQ(core::aspectKey(6, 8), QStringLiteral("aspect.6.4"));
    const int percents[] = {-1, 0, 24, 25, 49, 50, 74, 75, 99, 100};
    const int bands[] = {1, 1, 1, 2, 2, 3, 3, 4, 4, 4};
    for (std::size_t i = 0; i < std::size(percents); ++i) {
        EXPECT_EQ(core::happinessBand(percents[i]), bands[i]) << percents[i];
    }
    using core::YearShape;
    const struct {
        int level, previous, largest, smallest;
        YearShape shape;
    } shapes[] = {
        {8, 0, 8, 0, YearShape::Peak}, {0, 5, 8, 0, YearShape::Low},  {5, 3, 8, 0, YearShape::Rise},
        {3, 5, 8, 0, YearShape::Fall}, {5, 5, 8, 0, YearShape::Same}, {1, 1, 1, 1, YearShape::Same},
    };
    for (const auto& s : shapes) {
        EXPECT_EQ(core::yearShape(s.level, s.previous, s.largest, s.smallest), s.shape) << s.level;
    }
    const core::TextKey* aspect = core::findTextKey(u"aspect.2.4");
    ASSERT_NE(aspect, nullptr);
    EXPECT_EQ(aspect->place,
              (QStringList{QStringLiteral("Аспекты"), QStringLiteral("Связь с землёй")}));
    EXPECT_EQ(aspect->caption, QStringLiteral("4 и выше"));
    const core::TextKey* pair = core::findTextKey(core::pairAspectKey(5, core::Sharing::None));
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->place, (QStringList{QStringLiteral("Двое"), QStringLiteral("Любовь")}));
    EXPECT_EQ(pair->caption, QStringLiteral("нет ни у одного"));
    EXPECT_EQ(core::findTextKey(u"pair.aspect-both"), nullptr);
    EXPECT_TRUE(core::findTextKey(u"notice")->switchable);
    EXPECT_EQ(core::findTextKey(u"shape.up"), nullptr);
}
