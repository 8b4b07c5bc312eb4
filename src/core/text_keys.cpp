#include "core/text_keys.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <array>

#include "core/aspect_names.h"
#include "core/report_language.h"

namespace core {

namespace {

// The editor's captions are shown in the window's language; the keys are
// what the files write and never change.
struct Named {
    const char16_t* key;
    const char* caption;
};

QString shown(const char* caption) {
    return QCoreApplication::translate("TextKeys", caption);
}

constexpr std::array<Named, 5> kShapes{{
    {u"shape.peak", QT_TRANSLATE_NOOP("TextKeys", "пик: наибольшая цифра жизни")},
    {u"shape.low", QT_TRANSLATE_NOOP("TextKeys", "низшая точка: наименьшая цифра жизни")},
    {u"shape.rise", QT_TRANSLATE_NOOP("TextKeys", "подъём после прошлого года")},
    {u"shape.fall", QT_TRANSLATE_NOOP("TextKeys", "спад после прошлого года")},
    {u"shape.same", QT_TRANSLATE_NOOP("TextKeys", "тот же уровень, что в прошлом году")},
}};

constexpr std::array<const char*, kHappinessBands> kBandCaptions{
    QT_TRANSLATE_NOOP("TextKeys", "от 0 до 24 %"), QT_TRANSLATE_NOOP("TextKeys", "от 25 до 49 %"),
    QT_TRANSLATE_NOOP("TextKeys", "от 50 до 74 %"), QT_TRANSLATE_NOOP("TextKeys", "от 75 до 99 %")};

constexpr std::array<Named, 3> kPairs{{
    {u"pair.both-peak", QT_TRANSLATE_NOOP("TextKeys", "оба на пике в один год")},
    {u"pair.both-low", QT_TRANSLATE_NOOP("TextKeys", "оба в низшей точке в один год")},
    {u"pair.peak-low", QT_TRANSLATE_NOOP("TextKeys", "один на пике, другой в низшей точке")},
}};

// An aspect of two people, by how many of the two have it; in the order of Sharing.
constexpr std::array<Named, 3> kPairSharings{{
    {u"both", QT_TRANSLATE_NOOP("TextKeys", "есть у обоих")},
    {u"one", QT_TRANSLATE_NOOP("TextKeys", "есть только у одного")},
    {u"none", QT_TRANSLATE_NOOP("TextKeys", "нет ни у одного")},
}};

// Entries earlier versions wrote and this one no longer says: one text for
// every aspect both have and one for every aspect one has, before each aspect
// got its own. A file that still holds them reads without a complaint.
constexpr std::array<QStringView, 2> kRetiredKeys{u"pair.aspect-both", u"pair.aspect-one"};

constexpr std::array<Named, 2> kGroupYears{{
    {u"group.all-peak", QT_TRANSLATE_NOOP("TextKeys", "все на пике в один год")},
    {u"group.all-low", QT_TRANSLATE_NOOP("TextKeys", "все в низшей точке в один год")},
}};

// An aspect in a group, by how many have it; in the order of Sharing.
constexpr std::array<Named, 3> kSharings{{
    {u"all", QT_TRANSLATE_NOOP("TextKeys", "есть у всех")},
    {u"some", QT_TRANSLATE_NOOP("TextKeys", "есть только у некоторых")},
    {u"none", QT_TRANSLATE_NOOP("TextKeys", "нет ни у кого")},
}};

constexpr std::array<Named, 3> kFrame{{
    {u"opening", QT_TRANSLATE_NOOP("TextKeys", "Вступление")},
    {u"closing", QT_TRANSLATE_NOOP("TextKeys", "Заключение")},
    {u"notice", QT_TRANSLATE_NOOP("TextKeys", "Оговорка")},
}};

QString levelCaption(int level) {
    return QCoreApplication::translate("TextKeys", "уровень %1").arg(level);
}

constexpr QStringView kChildPrefix = u"child.";

QString forReader(QString key, Audience audience) {
    return audience == Audience::Parents ? kChildPrefix.toString() + key : key;
}

TextKey entryOf(QString key, QStringList place, QString caption, bool switchable = false) {
    TextKey entry;
    entry.key = std::move(key);
    entry.place = std::move(place);
    entry.caption = std::move(caption);
    entry.switchable = switchable;
    return entry;
}

// Adds the entry and, for one that speaks to a person, its women's and men's
// variants right after it, one branch deeper in the editor.
void add(std::vector<TextKey>& keys, TextKey entry, bool variants,
         Audience audience = Audience::Client) {
    entry.hasVariants = variants;
    keys.push_back(entry);
    if (!variants) {
        return;
    }
    const bool child = audience == Audience::Parents;
    const std::pair<Gender, const char*> kinds[] = {
        {Gender::Female, child ? QT_TRANSLATE_NOOP("TextKeys", "девочке")
                               : QT_TRANSLATE_NOOP("TextKeys", "женщине")},
        {Gender::Male, child ? QT_TRANSLATE_NOOP("TextKeys", "мальчику")
                             : QT_TRANSLATE_NOOP("TextKeys", "мужчине")}};
    for (const auto& [gender, caption] : kinds) {
        TextKey variant;
        variant.key = variantKey(entry.key, gender);
        variant.place = entry.place;
        variant.place << entry.caption;
        variant.caption = shown(caption);
        variant.variantOf = entry.key;
        variant.gender = gender;
        keys.push_back(variant);
    }
}

void addAspects(std::vector<TextKey>& keys, const QStringList& above, Audience audience) {
    // The aspects' names as the page writes them, in the window's language.
    const ReportLanguage language = catalogueLanguage();
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        QStringList place = above;
        place << QCoreApplication::translate("TextKeys", "Аспекты") << aspectName(language, digit);
        for (int level = 0; level < kAspectTextLevels; ++level) {
            const QString caption = level + 1 < kAspectTextLevels
                                        ? levelCaption(level)
                                        : QCoreApplication::translate("TextKeys", "4 и выше");
            add(keys, entryOf(aspectKey(digit, level, audience), place, caption), true, audience);
        }
    }
}

void addHappiness(std::vector<TextKey>& keys, const QStringList& above, Audience audience) {
    QStringList place = above;
    place << QCoreApplication::translate("TextKeys", "Процент счастья");
    for (int band = 1; band <= kHappinessBands; ++band) {
        add(keys,
            entryOf(happinessKey(band * 25 - 1, audience), place, shown(kBandCaptions[band - 1])),
            true, audience);
    }
}

template <std::size_t N>
void addNamed(std::vector<TextKey>& keys, const std::array<Named, N>& table,
              const QStringList& place, bool switchable = false) {
    for (const Named& entry : table) {
        keys.push_back(
            entryOf(QString::fromUtf16(entry.key), place, shown(entry.caption), switchable));
    }
}

// Each aspect's three cases under `branch` (two people's or a group's), one
// branch per aspect in the editor.
void addAspectCases(std::vector<TextKey>& keys, const QString& branch,
                    const std::array<Named, 3>& cases, QString (*keyOf)(int, Sharing)) {
    const ReportLanguage language = catalogueLanguage();
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        const QStringList place{branch, aspectName(language, digit)};
        for (std::size_t k = 0; k < cases.size(); ++k) {
            keys.push_back(
                entryOf(keyOf(digit, static_cast<Sharing>(k)), place, shown(cases[k].caption)));
        }
    }
}

// Two people's texts and a group's: the years they share, then each aspect's
// three cases.
void addTogether(std::vector<TextKey>& keys) {
    const QString pair = QCoreApplication::translate("TextKeys", "Двое");
    addNamed(keys, kPairs, {pair});
    addAspectCases(keys, pair, kPairSharings, pairAspectKey);
    const QString group = QCoreApplication::translate("TextKeys", "Группа");
    addNamed(keys, kGroupYears, {group});
    addAspectCases(keys, group, kSharings, groupAspectKey);
}

std::vector<TextKey> makeKeys() {
    std::vector<TextKey> keys;
    addAspects(keys, {}, Audience::Client);
    const QStringList levels{QCoreApplication::translate("TextKeys", "Жизненные силы")};
    for (int level = 0; level <= 9; ++level) {
        keys.push_back(entryOf(levelKey(level), levels, levelCaption(level)));
    }
    addNamed(keys, kShapes, {QCoreApplication::translate("TextKeys", "Форма года")});
    addHappiness(keys, {}, Audience::Client);
    addTogether(keys);
    for (const Named& entry : kFrame) {
        const QString key = QString::fromUtf16(entry.key);
        add(keys, entryOf(key, {}, shown(entry.caption), true), key != kNoticeKey);
    }
    // For a client under kChildAge the personal texts speak to the parents.
    const QStringList children{QCoreApplication::translate("TextKeys", "Дети до 14 лет")};
    add(keys, entryOf(openingKey(Audience::Parents), children, shown(kFrame[0].caption), true),
        true, Audience::Parents);
    addAspects(keys, children, Audience::Parents);
    addHappiness(keys, children, Audience::Parents);
    return keys;
}

const QHash<QString, int>& keyIndex() {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> made;
        const std::vector<TextKey>& keys = textKeys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            made.insert(keys[i].key, static_cast<int>(i));
        }
        return made;
    }();
    return index;
}

}  // namespace

QString aspectKey(int digit, int level, Audience audience) {
    return forReader(QStringLiteral("aspect.%1.%2").arg(digit).arg(std::clamp(level, 0, 4)),
                     audience);
}

QString levelKey(int level) {
    return QStringLiteral("level.%1").arg(level);
}

QString shapeKey(YearShape shape) {
    return QString::fromUtf16(kShapes[static_cast<std::size_t>(shape)].key);
}

int happinessBand(int percent) {
    return std::clamp(percent, 0, 99) / 25 + 1;
}

QString happinessKey(int percent, Audience audience) {
    return forReader(QStringLiteral("happiness.%1").arg(happinessBand(percent)), audience);
}

QString openingKey(Audience audience) {
    return forReader(kOpeningKey.toString(), audience);
}

QString variantKey(QStringView key, Gender gender) {
    switch (gender) {
        case Gender::Female:
            return key.toString() + QStringLiteral(".female");
        case Gender::Male:
            return key.toString() + QStringLiteral(".male");
        case Gender::Unknown:
            break;
    }
    return key.toString();
}

QString pairKey(PairText text) {
    return QString::fromUtf16(kPairs[static_cast<std::size_t>(text)].key);
}

QString pairAspectKey(int digit, Sharing sharing) {
    return QStringLiteral("pair.aspect.%1.%2")
        .arg(QString::number(digit),
             QString::fromUtf16(kPairSharings[static_cast<std::size_t>(sharing)].key));
}

bool isRetiredTextKey(QStringView key) {
    return std::find(kRetiredKeys.begin(), kRetiredKeys.end(), key) != kRetiredKeys.end();
}

QString groupYearsKey(GroupYears years) {
    return QString::fromUtf16(kGroupYears[static_cast<std::size_t>(years)].key);
}

QString groupAspectKey(int digit, Sharing sharing) {
    return QStringLiteral("group.aspect.%1.%2")
        .arg(QString::number(digit),
             QString::fromUtf16(kSharings[static_cast<std::size_t>(sharing)].key));
}

YearShape yearShape(int level, int previous, int largest, int smallest) {
    if (largest != smallest && level == largest) {
        return YearShape::Peak;
    }
    if (largest != smallest && level == smallest) {
        return YearShape::Low;
    }
    if (level > previous) {
        return YearShape::Rise;
    }
    return level < previous ? YearShape::Fall : YearShape::Same;
}

const std::vector<TextKey>& textKeys() {
    static const std::vector<TextKey> keys = makeKeys();
    return keys;
}

int textKeyIndex(QStringView key) {
    return keyIndex().value(key.toString(), -1);
}

const TextKey* findTextKey(QStringView key) {
    const int index = textKeyIndex(key);
    return index < 0 ? nullptr : &textKeys()[static_cast<std::size_t>(index)];
}

}  // namespace core
