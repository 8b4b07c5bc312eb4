#include "core/address.h"

#include <algorithm>
#include <array>

#include "core/booklet.h"

namespace core {

namespace {

// Endings of patronymics, in lower case.
constexpr std::array<QStringView, 8> kWomen{u"вна", u"чна",  u"кызы", u"гызы",
                                            u"vna", u"chna", u"kyzy", u"qizi"};
constexpr std::array<QStringView, 7> kMen{u"ич", u"іч", u"оглы", u"улы", u"vich", u"ich", u"ogly"};

bool endsWithAny(QStringView word, const auto& endings) {
    for (QStringView ending : endings) {
        if (word.endsWith(ending)) {
            return true;
        }
    }
    return false;
}

// The Ukrainian vocative by the name's ending. Each rule: the ending it
// matches, how many of its last letters it drops, what it puts in their place,
// and whom it fits. The first rule that fits wins, so longer endings stand
// before the shorter ones they end with.
enum class Fits { Anyone, NotWomen, Women };
struct VocativeRule {
    QStringView ending;
    int drop;
    QStringView add;
    Fits fits;
};

constexpr std::array<VocativeRule, 19> kVocative{{
    {u"ія", 1, u"є", Fits::Anyone},         // Марія → Маріє, Софія → Софіє
    {u"яків", 2, u"ове", Fits::NotWomen},   // Яків → Якове: «і» turns to «о»
    {u"федір", 2, u"оре", Fits::NotWomen},  // Федір → Федоре
    {u"оя", 1, u"є", Fits::Anyone},         // Зоя → Зоє
    {u"лля", 1, u"е", Fits::Anyone},        // Ілля → Ілле
    {u"ігор", 0, u"ю", Fits::NotWomen},     // Ігор → Ігорю
    {u"ій", 1, u"ю", Fits::Anyone},         // Андрій → Андрію
    {u"й", 1, u"ю", Fits::Anyone},          // Миколай → Миколаю
    {u"ь", 1, u"ю", Fits::NotWomen},        // Василь → Василю
    {u"ко", 1, u"у", Fits::NotWomen},       // Юрко → Юрку
    {u"о", 1, u"е", Fits::NotWomen},        // Петро → Петре, Павло → Павле
    {u"а", 1, u"о", Fits::Anyone},  // Олена → Олено, Микола → Миколо, Іванівна → Іванівно
    {u"ов", 0, u"е", Fits::Anyone},  // Любов → Любове
    {u"ч", 0, u"у", Fits::NotWomen},  // Іванович → Івановичу, Ілліч → Ілличу
    {u"ш", 0, u"у", Fits::NotWomen},  // Лукаш → Лукашу
    {u"г", 0, u"у", Fits::NotWomen},  // Олег → Олегу
    {u"к", 0, u"у", Fits::NotWomen},  // Марк → Марку
    {u"х", 0, u"у", Fits::NotWomen},  // Єрох → Єроху
    {u"*", 0, u"е", Fits::NotWomen},  // Іван → Іване, Олександр → Олександре
}};

// The hard consonants after which a man's name takes «-е».
constexpr QStringView kHardConsonants = u"бвдзлмнпрстф";
// After these «-а» and «-я» take endings the rules above do not know.
constexpr QStringView kHushing = u"жчшщ";
// Vowels and the soft and hard signs: no consonant.
constexpr QStringView kNoConsonant = u"аеєиіїоуюяьъ";

bool isApostrophe(QChar c) {
    return c == u'\'' || c == u'’' || c == u'ʼ';
}

// Only a name in Cyrillic letters, with an apostrophe at most, is one the rules know.
bool isCyrillicWord(QStringView word) {
    if (word.size() < 2) {
        return false;
    }
    for (const QChar c : word) {
        const bool cyrillic = c.unicode() >= 0x400 && c.unicode() < 0x500 && c.isLetter();
        if (!cyrillic && !isApostrophe(c)) {
            return false;
        }
    }
    return true;
}

bool fits(Fits who, Gender gender) {
    switch (who) {
        case Fits::Anyone:
            return true;
        case Fits::NotWomen:
            return gender != Gender::Female;
        case Fits::Women:
            return gender == Gender::Female;
    }
    return false;
}

// The rule for `lower`, the name in small letters; none when no rule fits.
const VocativeRule* ruleFor(const QString& lower, Gender gender) {
    const QChar last = lower.back();
    const QChar beforeLast = lower.at(lower.size() - 2);
    for (const VocativeRule& rule : kVocative) {
        if (!fits(rule.fits, gender)) {
            continue;
        }
        if (rule.ending == u"*") {
            if (kHardConsonants.contains(last)) {
                return &rule;
            }
            continue;
        }
        if (!lower.endsWith(rule.ending)) {
            continue;
        }
        // Маша, Олеся: after a hushing consonant or a vowel the ending differs.
        if ((rule.ending == u"а" && kHushing.contains(beforeLast)) ||
            (rule.ending == u"й" && !kNoConsonant.contains(beforeLast)) ||
            (rule.ending == u"о" && kNoConsonant.contains(beforeLast))) {
            return nullptr;
        }
        return &rule;
    }
    // Наталя → Наталю, Олеся → Олесю, Таня → Таню: a name in «-я» after a
    // consonant, as Ukrainian calls its women's names of this kind.
    if (last == u'я' && !kNoConsonant.contains(beforeLast) && !isApostrophe(beforeLast)) {
        static constexpr VocativeRule kSoft{u"я", 1, u"ю", Fits::Anyone};
        return &kSoft;
    }
    return nullptr;
}

struct GenderWords {
    Gender gender;
    QStringView code;
    std::array<QStringView, 5> also;  // what a list may write instead, in small letters
};

constexpr std::array<GenderWords, 2> kGenderWords{{
    {Gender::Female, u"f", {u"ж", u"жен", u"женский", u"жіноча", u"female"}},
    {Gender::Male, u"m", {u"м", u"муж", u"мужской", u"чоловіча", u"male"}},
}};

}  // namespace

QString genderCode(Gender gender) {
    for (const GenderWords& words : kGenderWords) {
        if (words.gender == gender) {
            return words.code.toString();
        }
    }
    return {};
}

std::optional<Gender> parseGender(const QString& text) {
    const QString folded = text.trimmed().toLower();
    if (folded.isEmpty()) {
        return Gender::Unknown;
    }
    for (const GenderWords& words : kGenderWords) {
        if (folded == words.code ||
            std::find(words.also.begin(), words.also.end(), folded) != words.also.end()) {
            return words.gender;
        }
    }
    return std::nullopt;
}

Gender genderOfPatronymic(const QString& patronymic) {
    const QString word = patronymic.trimmed().toLower();
    if (word.size() < 3) {
        return Gender::Unknown;
    }
    if (endsWithAny(word, kWomen)) {
        return Gender::Female;
    }
    return endsWithAny(word, kMen) ? Gender::Male : Gender::Unknown;
}

QString ukrainianVocative(const QString& name, Gender gender) {
    const QString word = name.trimmed();
    if (!isCyrillicWord(word)) {
        return word;
    }
    const QString lower = word.toLower();
    const VocativeRule* rule = ruleFor(lower, gender);
    if (!rule) {
        return word;
    }
    const QString add =
        word == word.toUpper() ? rule->add.toString().toUpper() : rule->add.toString();
    return word.left(word.size() - rule->drop) + add;
}

QString proposedAddress(const ClientNames& names, ReportLanguage language, Gender gender,
                        bool young) {
    const QString name = names.name.trimmed();
    const QString patronymic = young ? QString() : names.patronymic.trimmed();
    if (name.isEmpty()) {
        return {};
    }
    switch (language) {
        case ReportLanguage::Russian:
            return patronymic.isEmpty() ? name : name + u' ' + patronymic;
        case ReportLanguage::Ukrainian: {
            const Gender g =
                gender != Gender::Unknown ? gender : genderOfPatronymic(names.patronymic.trimmed());
            const QString called = ukrainianVocative(name, g);
            if (patronymic.isEmpty()) {
                return called;
            }
            // Both in the vocative, or both as typed: never «Мария Ивановно».
            const QString calledToo = ukrainianVocative(patronymic, g);
            return called != name && calledToo != patronymic ? called + u' ' + calledToo
                                                             : name + u' ' + patronymic;
        }
        case ReportLanguage::English:
            break;
    }
    return name;
}

QString addressOf(const Person& person, QDate day) {
    const QString own = person.address.simplified();
    if (!own.isEmpty()) {
        return own;
    }
    const bool young =
        !person.birthDate.year.isEmpty() && ageOn(person.birthDate, day) < kGrownUpAge;
    return proposedAddress(person.names, person.language, person.gender, young);
}

}  // namespace core
