// The interpretation's words for two to six people on one calendar.

#include "core/booklet.h"
#include "core/group_words.h"

namespace core {

namespace {

using Kind = BookletBlock::Kind;

BookletBlock block(Kind kind, QString text, QString key = {}) {
    BookletBlock b;
    b.kind = kind;
    b.text = std::move(text);
    b.key = std::move(key);
    return b;
}

// The years one of two is at a peak while the other is at a low.
std::vector<long long> peakLowYears(const Group& g) {
    std::vector<long long> years;
    const Forecast& a = g.members[0].forecast;
    const Forecast& b = g.members[1].forecast;
    for (const GroupYear& y : g.years) {
        if (!y.levels[0] || !y.levels[1]) {
            continue;
        }
        const bool firstUp = *y.levels[0] == a.largest;
        const bool secondUp = *y.levels[1] == b.largest;
        const bool firstDown = *y.levels[0] == a.smallest;
        const bool secondDown = *y.levels[1] == b.smallest;
        if ((firstUp && secondDown && !firstDown) || (secondUp && firstDown && !secondDown)) {
            years.push_back(y.year);
        }
    }
    return years;
}

// A text about years, filled with them; nothing when there are none.
void addYears(std::vector<BookletBlock>& blocks, const TextLibrary& library, const QString& key,
              const std::vector<long long>& years, ReportLanguage language) {
    if (years.empty()) {
        return;
    }
    FieldValues values;
    values.set(TextField::Years, yearListText(years, language))
        .set(TextField::Year, QString::number(years.front()));
    blocks.push_back(block(Kind::Paragraph, library.filled(key, values), key));
}

void addAspectText(std::vector<BookletBlock>& blocks, const TextLibrary& library,
                   const QString& key, const QString& aspect) {
    FieldValues values;
    values.set(TextField::Aspect, aspect);
    blocks.push_back(block(Kind::Paragraph, library.filled(key, values), key));
}

QStringList holderNames(const Group& g, int digit, ReportLanguage language) {
    QStringList names;
    for (const int k : g.holders[static_cast<std::size_t>(digit - 1)]) {
        names << memberName(g.members[static_cast<std::size_t>(k)], language);
    }
    return names;
}

std::vector<BookletBlock> pairBlocks(const Group& g, const TextLibrary& library,
                                     ReportLanguage language) {
    std::vector<BookletBlock> blocks;
    blocks.push_back(block(Kind::Heading, pageCaption(language, PageCaption::BothOfYou)
                                              .arg(memberName(g.members[0], language),
                                                   memberName(g.members[1], language))));
    addYears(blocks, library, pairKey(PairText::BothPeak), g.allHighest, language);
    addYears(blocks, library, pairKey(PairText::BothLow), g.allLowest, language);
    addYears(blocks, library, pairKey(PairText::PeakLow), peakLowYears(g), language);
    // Each aspect in the case the two are in: both have it, only one (named
    // in the subheading), or neither; every case of every aspect has its own words.
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        const Sharing sharing = g.sharing(digit);
        const QString name = aspectName(language, digit);
        QString heading;
        switch (sharing) {
            case Sharing::All:
                heading = pageCaption(language, PageCaption::AspectOfBoth).arg(name);
                break;
            case Sharing::Some:
                heading = pageCaption(language, PageCaption::AspectOfOne)
                              .arg(name, holderNames(g, digit, language).join(""));
                break;
            case Sharing::None:
                heading = pageCaption(language, PageCaption::AspectOfNeither).arg(name);
                break;
        }
        blocks.push_back(block(Kind::Subheading, heading));
        addAspectText(blocks, library, pairAspectKey(digit, sharing), name);
    }
    return blocks;
}

std::vector<BookletBlock> manyBlocks(const Group& g, const TextLibrary& library,
                                     ReportLanguage language) {
    const auto words = [language](GroupCaption caption) { return groupCaption(language, caption); };
    QStringList everyone;
    for (const GroupMember& m : g.members) {
        everyone << memberName(m, language);
    }
    std::vector<BookletBlock> blocks;
    blocks.push_back(
        block(Kind::Heading, words(GroupCaption::AllOfYou).arg(namesList(everyone, language))));
    addYears(blocks, library, groupYearsKey(GroupYears::AllPeak), g.allHighest, language);
    addYears(blocks, library, groupYearsKey(GroupYears::AllLow), g.allLowest, language);
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        const Sharing sharing = g.sharing(digit);
        const QString name = aspectName(language, digit);
        QString heading;
        switch (sharing) {
            case Sharing::All:
                heading = words(GroupCaption::AspectOfAll).arg(name);
                break;
            case Sharing::Some:
                heading = words(GroupCaption::AspectOfSome)
                              .arg(name, namesList(holderNames(g, digit, language), language));
                break;
            case Sharing::None:
                heading = words(GroupCaption::AspectOfNobody).arg(name);
                break;
        }
        blocks.push_back(block(Kind::Subheading, heading));
        addAspectText(blocks, library, groupAspectKey(digit, sharing), name);
    }
    return blocks;
}

}  // namespace

QString memberName(const GroupMember& member, ReportLanguage language) {
    const QString name = fullName(member.person.names);
    return name.isEmpty() ? bookletDate(member.forecast, language) : name;
}

std::vector<BookletBlock> groupBlocks(const Group& group, const TextLibrary& library) {
    const ReportLanguage language = reportLanguageOr(library.language());
    if (group.size() < kGroupLeast) {
        return {};
    }
    return group.size() == 2 ? pairBlocks(group, library, language)
                             : manyBlocks(group, library, language);
}

}  // namespace core
