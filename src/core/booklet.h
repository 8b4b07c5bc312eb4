#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/aspect_names.h"
#include "core/client_names.h"
#include "core/forecast.h"
#include "core/group.h"
#include "core/person.h"
#include "core/report_language.h"
#include "core/text_keys.h"
#include "core/text_library.h"

namespace core {

// The interpretation booklet: a forecast read in the practitioner's words.
// It is composed once here as a list of blocks (headings, paragraphs with
// their fields filled, small tables), and both its plain text (the clipboard,
// the companion) and its printed pages are drawn from that one list.
//
// It agrees with itself: an aspect has one name throughout (aspect_names.h),
// a level's text says what the level is and only the shape's text says
// whether the year rises or falls, and no text is said twice: a level or a
// shape met again refers to the year of the cycle where it was said.

// What the practitioner chose to include.
struct BookletChoice {
    bool aspects = true;    // «Аспекты»
    bool cycle = true;      // «Ваш цикл»
    bool outlook = true;    // «Ближайшие годы»
    bool happiness = true;  // «Процент счастья»
    int outlookYears = 10;  // this year and this many after it
    long long thisYear = 0;
    // The booklet's date, which tells whether the client is still a child;
    // 1 January of thisYear when none is given.
    QDate madeOn = {};
};

inline constexpr int kOutlookDefault = 10;
inline constexpr int kOutlookLeast = 1;
inline constexpr int kOutlookMost = 30;
// The cycle's years are listed up to this age.
inline constexpr int kCycleAge = 90;

// The sections as the companion's --sections names them, in the booklet's order.
inline constexpr std::array<const char*, 4> kSectionNames{"aspects", "cycle", "years", "happiness"};

// Reads a comma-separated list of section names into `choice` (only the named
// ones on). Returns the reason in Russian when a name is unknown or the list
// names none; the choice is then as it was.
QString chooseSections(const QString& list, BookletChoice& choice);

// The outlook span from text, or the reason in Russian why it is refused.
std::optional<int> outlookYearsOf(const QString& text, QString* problem);

struct BookletBlock {
    enum class Kind {
        Title,       // the booklet's own line: whose reading it is
        Heading,     // a section
        Subheading,  // one aspect, one position of the cycle, one group of years
        Paragraph,   // a library text with its fields filled, or a line of the booklet's own
        Table,       // rows of short cells under a header
        Curve,       // the outlook's curve (drawn on the pages only)
    };
    Kind kind = Kind::Paragraph;
    QString text;
    QString key;  // the library entry a paragraph comes from
    QStringList header;
    std::vector<QStringList> rows;
    // Said on paper by the booklet's first page (whose it is, the date and
    // the life number), so that the pages after it start with the words.
    bool onFirstPage = false;
    // The booklet's closing words (the thanks and the notice): on paper they
    // never stand alone on the last page.
    bool closing = false;
};

// One year of the outlook, as its table and curve show it.
struct OutlookYear {
    long long year = 0;
    long long age = 0;
    int level = 0;
    YearShape shape = YearShape::Same;
};

struct Booklet {
    Forecast forecast;
    // Whom it is for; its language is the library's, the booklet's words and texts.
    Person person;
    BookletChoice choice;
    Audience audience = Audience::Client;  // the parents, for a child under kChildAge
    std::vector<OutlookYear> outlook;  // the years of «Ближайшие годы» the forecast has a level for
    std::vector<BookletBlock> blocks;

    ReportLanguage language() const { return person.language; }
};

// Full years of age on `day` of a person born on `born`: the birthday counts
// from its own day on.
long long ageOn(const BirthDate& born, QDate day);

// The booklet's date: madeOn, or 1 January of thisYear without it.
QDate bookletDay(const BookletChoice& choice);

// The date of birth as the booklet's words write it: «5 марта 2010 г.» in
// Russian (the classic page keeps its own «5 Март 2010г.»), as the page of
// that language writes it otherwise.
QString bookletDate(const Forecast& forecast, ReportLanguage language);

// A date in words as the booklet writes it: «9 декабря 2026 г.».
QString dateInWords(QDate date, ReportLanguage language);

// The booklet of `forecast` for `person`, in the library's words and
// language: a client under kChildAge on the booklet's date gets the
// children's texts, addressed to the parents; a woman or a man gets the
// texts' variants for them, anyone else the texts themselves.
Booklet makeBooklet(const Forecast& forecast, const Person& person, const TextLibrary& library,
                    const BookletChoice& choice);

// The booklet's words as plain text: headings underlined, paragraphs apart,
// tables as aligned lines. The square and the curve are left to the pages.
QString bookletText(const Booklet& booklet);

// The JSON object `json` with the blocks' texts added under "texts", key by
// key in the order they appear (a key used twice is given once, with its
// first filling).
QByteArray withTexts(const QByteArray& json, const std::vector<BookletBlock>& blocks);

// The texts the booklet chose, key by key in the order they appear (a key
// used twice is given once, with its first filling): the companion's --json.
QByteArray bookletJson(const Booklet& booklet);

// The short word for a year's shape in tables: «пик», «подъём».
QString shapeWord(YearShape shape, ReportLanguage language = ReportLanguage::Russian);

// How a group's texts call a member: the names, or the date of birth as the
// booklet's words write it («5 мая 1990 г.»).
QString memberName(const GroupMember& member, ReportLanguage language = ReportLanguage::Russian);

// The texts for a group over its span, in the library's language. Two people
// read as a pair always has: the years both are at their peaks, both at their
// lows, one at a peak while the other is at a low, and the aspects both have
// and the ones only one has. Three to six: the years all are at their peaks
// and all at their lows, then every aspect in the square's order with the
// text of its case, every member having it, only some (named), or none.
std::vector<BookletBlock> groupBlocks(const Group& group, const TextLibrary& library);

// Blocks as plain text, as bookletText writes them.
QString blocksText(const std::vector<BookletBlock>& blocks);

}  // namespace core
