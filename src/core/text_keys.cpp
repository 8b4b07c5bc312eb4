#include "core/text_keys.h"

#include <QHash>
#include <algorithm>
#include <array>

#include "core/aspect_rules.h"

namespace core {

namespace {

struct Named {
    const char16_t* key;
    const char16_t* caption;
};

constexpr std::array<Named, 5> kShapes{{
    {u"shape.peak", u"пик: наибольшая цифра жизни"},
    {u"shape.low", u"низшая точка: наименьшая цифра жизни"},
    {u"shape.rise", u"подъём после прошлого года"},
    {u"shape.fall", u"спад после прошлого года"},
    {u"shape.same", u"тот же уровень, что в прошлом году"},
}};

constexpr std::array<const char16_t*, kHappinessBands> kBandCaptions{
    u"от 0 до 24 %", u"от 25 до 49 %", u"от 50 до 74 %", u"от 75 до 99 %"};

constexpr std::array<Named, 5> kPairs{{
    {u"pair.both-peak", u"оба на пике в один год"},
    {u"pair.both-low", u"оба в низшей точке в один год"},
    {u"pair.peak-low", u"один на пике, другой в низшей точке"},
    {u"pair.aspect-both", u"аспект есть у обоих"},
    {u"pair.aspect-one", u"аспект есть у одного"},
}};

constexpr std::array<Named, 3> kFrame{{
    {u"opening", u"Вступление"},
    {u"closing", u"Заключение"},
    {u"notice", u"Оговорка"},
}};

QString levelCaption(int level) {
    return QStringLiteral("уровень %1").arg(level);
}

void addAspects(std::vector<TextKey>& keys) {
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        const QStringList place{QStringLiteral("Аспекты"), kAspectNames[digit - 1].toString()};
        for (int level = 0; level < kAspectTextLevels; ++level) {
            const QString caption =
                level + 1 < kAspectTextLevels ? levelCaption(level) : QStringLiteral("4 и выше");
            keys.push_back({aspectKey(digit, level), place, caption});
        }
    }
}

template <std::size_t N>
void addNamed(std::vector<TextKey>& keys, const std::array<Named, N>& table,
              const QStringList& place, bool switchable = false) {
    for (const Named& entry : table) {
        keys.push_back(
            {QString::fromUtf16(entry.key), place, QString::fromUtf16(entry.caption), switchable});
    }
}

std::vector<TextKey> makeKeys() {
    std::vector<TextKey> keys;
    addAspects(keys);
    const QStringList levels{QStringLiteral("Жизненные силы")};
    for (int level = 0; level <= 9; ++level) {
        keys.push_back({levelKey(level), levels, levelCaption(level)});
    }
    addNamed(keys, kShapes, {QStringLiteral("Форма года")});
    const QStringList bands{QStringLiteral("Процент счастья")};
    for (int band = 1; band <= kHappinessBands; ++band) {
        keys.push_back({QStringLiteral("happiness.%1").arg(band), bands,
                        QString::fromUtf16(kBandCaptions[band - 1])});
    }
    addNamed(keys, kPairs, {QStringLiteral("Двое")});
    addNamed(keys, kFrame, {}, true);
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

QString aspectKey(int digit, int level) {
    return QStringLiteral("aspect.%1.%2").arg(digit).arg(std::clamp(level, 0, 4));
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

QString happinessKey(int percent) {
    return QStringLiteral("happiness.%1").arg(happinessBand(percent));
}

QString pairKey(PairText text) {
    return QString::fromUtf16(kPairs[static_cast<std::size_t>(text)].key);
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
