#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "core/person.h"
#include "core/sharing.h"

namespace core {

// The entries of the interpretation library, each known by a key that is the
// same in every file and every language: what an aspect level, a year's level
// of life forces, the shape of a year, a happiness band or a pair of people
// means, and the booklet's opening, closing and notice. The texts themselves
// live in data files (text_file.h); this is only the list of what can be said.

// Where a year stands on the curve: the life's largest digit, its smallest,
// or, for any other level, higher than, lower than or equal to the year before.
enum class YearShape { Peak, Low, Rise, Fall, Same };

// The years two people's forecasts have in common.
enum class PairText { BothPeak, BothLow, PeakLow };

// What three to six people have in common: the years all are at their peaks
// or all at their lows.
enum class GroupYears { AllPeak, AllLow };

// An aspect's texts go by level 0, 1, 2, 3, and one text for 4 and above.
inline constexpr int kAspectTextLevels = 5;
inline constexpr int kHappinessBands = 4;

// Whom a booklet's personal texts speak to: the client, or for a client
// under kChildAge on the booklet's date, their parents («Ваш ребёнок…»).
enum class Audience { Client, Parents };
inline constexpr int kChildAge = 14;

// "aspect.5.2"; a level of 4 or more gives the text «4 и выше», "aspect.5.4".
// For the parents, "child.aspect.5.2".
QString aspectKey(int digit, int level, Audience audience = Audience::Client);
// "level.7": what a year at life-force level `level` (0 to 9) means.
QString levelKey(int level);
QString shapeKey(YearShape shape);
// "happiness.1" to "happiness.4", for 0–24, 25–49, 50–74 and 75–99 per cent;
// "child.happiness.1" and on for the parents.
QString happinessKey(int percent, Audience audience = Audience::Client);
QString pairKey(PairText text);
// "pair.aspect.5.both": an aspect of the square (digit 1 to 9) both of two
// people have (Sharing::All), only one of them has ("one") or neither ("none").
QString pairAspectKey(int digit, Sharing sharing);
// A key an earlier version's files may hold and this version no longer has a
// text for: reading skips it without calling it a problem.
bool isRetiredTextKey(QStringView key);
// "opening", or "child.opening" for the parents.
QString openingKey(Audience audience);
// "group.all-peak", "group.all-low".
QString groupYearsKey(GroupYears years);
// "group.aspect.5.all": an aspect of the square (digit 1 to 9) every member
// of a group has ("all"), only some have ("some"), or none has ("none").
QString groupAspectKey(int digit, Sharing sharing);
inline constexpr QStringView kOpeningKey = u"opening";
inline constexpr QStringView kClosingKey = u"closing";
inline constexpr QStringView kNoticeKey = u"notice";

// The band, 1 to 4, of a happiness percentage; values outside 0–99 go to the
// nearest band.
int happinessBand(int percent);

// The shape of a year at `level`, the year before it at `previous`, in a life
// whose digits run from `smallest` to `largest`. The life's extremes come
// first; when every digit is the same there is neither, and every year is
// the same level again. The booklet takes the year before in the cycle, so
// the first digit follows the last.
YearShape yearShape(int level, int previous, int largest, int smallest);

// A text that speaks to the client may have a women's and a men's variant
// beside it ("aspect.5.1.female", "aspect.5.1.male"): Russian and Ukrainian
// say «вы были верной подругой» and «верным другом». The entry itself is the
// wording for anyone, and what a client of unknown gender reads.
QString variantKey(QStringView key, Gender gender);

struct TextKey {
    QString key;        // as the files write it, "aspect.1.0"
    QStringList place;  // the editor's branches above the entry: {«Аспекты», «Биополе»}
    QString caption;                  // the entry's own line in the editor: «уровень 0»
    bool switchable = false;          // the opening, the closing and the notice may be switched off
    QString variantOf;                // a women's or men's variant: the entry it varies; else empty
    Gender gender = Gender::Unknown;  // whom a variant is for
    // The entry may have a women's and a men's variant (the two keys follow it).
    bool hasVariants = false;
};

// Every entry, in the order the editor shows them and a file writes them.
const std::vector<TextKey>& textKeys();

// The entry with `key`, or null when the library has no such entry.
const TextKey* findTextKey(QStringView key);

// The entry's place in textKeys(), or -1.
int textKeyIndex(QStringView key);

}  // namespace core
