#include "core/booklet.h"

#include "core/months.h"

#include <QRegularExpression>
#include <algorithm>

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

// Appends the entry's text, filled, as a paragraph; a switched-off or empty
// entry adds nothing.
void addText(std::vector<BookletBlock>& blocks, const TextLibrary& library, const QString& key,
             const FieldValues& values) {
    QString text = library.filled(key, values);
    // A client known by the date alone: «Здравствуйте, {имя}!» reads «Здравствуйте!».
    const std::optional<QString>& name = values.value(TextField::Name);
    if (name && name->trimmed().isEmpty()) {
        static const QRegularExpression kCommaBeforeNothing(QStringLiteral(",\\s*([!?.,])"));
        text.replace(kCommaBeforeNothing, QStringLiteral("\\1"));
    }
    if (!text.isEmpty()) {
        blocks.push_back(block(Kind::Paragraph, text, key));
    }
}

// The booklet's own words, in the language of its texts.
QString words(const Booklet& b, PageCaption caption) {
    return pageCaption(b.language, caption);
}

long long birthYear(const Forecast& forecast) {
    return forecast.birthYear;
}

void addAspects(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    b.blocks.push_back(block(Kind::Heading, words(b, PageCaption::Aspects)));
    b.blocks.push_back(block(Kind::Square, {}));
    for (int i = 0; i < kAspectCount; ++i) {
        const int level = b.forecast.aspects[static_cast<std::size_t>(i)].level;
        const QString name = aspectName(b.language, i + 1);
        b.blocks.push_back(
            block(Kind::Subheading,
                  words(b, PageCaption::AspectLevel).arg(name, QString::number(level))));
        FieldValues values = names;
        values.set(TextField::Aspect, name).set(TextField::Level, QString::number(level));
        addText(b.blocks, library, aspectKey(i + 1, level), values);
    }
}

// The years position `position` of the cycle governs, from birth to kCycleAge.
std::vector<long long> governedYears(const Forecast& forecast, qsizetype position) {
    std::vector<long long> years;
    const long long birth = birthYear(forecast);
    for (long long y = birth + position; y <= birth + kCycleAge; y += forecast.digits.size()) {
        years.push_back(y);
    }
    return years;
}

void addCycle(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    const Forecast& f = b.forecast;
    b.blocks.push_back(block(Kind::Heading, words(b, PageCaption::Cycle)));
    b.blocks.push_back(block(Kind::Paragraph, words(b, PageCaption::CycleIntro)
                                                  .arg(QString::number(f.lifeNumber.wide()),
                                                       QString::number(f.digits.size()))));
    for (qsizetype k = 0; k < f.digits.size(); ++k) {
        // The cycle's k-th year is the k-th after the birth.
        const CycleYear position = cycleYear(f, birthYear(f) + k).value_or(CycleYear{});
        const int level = position.level;
        const YearShape shape = position.shape;
        const std::vector<long long> years = governedYears(f, k);
        b.blocks.push_back(
            block(Kind::Subheading, words(b, PageCaption::CyclePosition)
                                        .arg(QString::number(k + 1), QString::number(level),
                                             shapeWord(shape, b.language))));
        b.blocks.push_back(block(Kind::Paragraph, words(b, PageCaption::CycleYears)
                                                      .arg(QString::number(kCycleAge),
                                                           yearListText(years, b.language))));
        FieldValues values = names;
        values.set(TextField::Level, QString::number(level))
            .set(TextField::Years, yearListText(years, b.language));
        if (!years.empty()) {
            values.set(TextField::Year, QString::number(years.front()));
        }
        addText(b.blocks, library, levelKey(level), values);
        addText(b.blocks, library, shapeKey(shape), values);
    }
}

std::vector<OutlookYear> outlookOf(const Forecast& f, const BookletChoice& choice) {
    std::vector<OutlookYear> years;
    const long long last = choice.thisYear + choice.outlookYears;
    for (long long y = choice.thisYear; y <= last; ++y) {
        const std::optional<CycleYear> cycle = cycleYear(f, y);
        if (!cycle) {
            continue;  // before the birth year nothing is said
        }
        years.push_back({y, y - birthYear(f), cycle->level, cycle->shape});
    }
    return years;
}

void addOutlook(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    b.blocks.push_back(block(Kind::Heading, words(b, PageCaption::NextYears)));
    if (b.outlook.empty()) {
        b.blocks.push_back(block(Kind::Paragraph, words(b, PageCaption::BeforeBirth)));
        return;
    }
    BookletBlock table = block(Kind::Table, {});
    table.header = {words(b, PageCaption::ColumnYear), words(b, PageCaption::ColumnAge),
                    words(b, PageCaption::ColumnLevel), words(b, PageCaption::ColumnShape)};
    for (const OutlookYear& y : b.outlook) {
        table.rows.push_back({QString::number(y.year), ageText(b.language, y.age),
                              QString::number(y.level), shapeWord(y.shape, b.language)});
    }
    b.blocks.push_back(table);
    b.blocks.push_back(block(Kind::Curve, {}));
    for (const OutlookYear& y : b.outlook) {
        b.blocks.push_back(block(
            Kind::Subheading, words(b, PageCaption::OutlookYear)
                                  .arg(QString::number(y.year), ageText(b.language, y.age),
                                       QString::number(y.level), shapeWord(y.shape, b.language))));
        FieldValues values = names;
        values.set(TextField::Year, QString::number(y.year))
            .set(TextField::Level, QString::number(y.level));
        // With the cycle left out, the level's meaning is said here instead.
        if (!b.choice.cycle) {
            addText(b.blocks, library, levelKey(y.level), values);
        }
        addText(b.blocks, library, shapeKey(y.shape), values);
    }
}

void addHappiness(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    b.blocks.push_back(block(Kind::Heading, words(b, PageCaption::HappinessPart)));
    const int percent = b.forecast.happinessPercent;
    b.blocks.push_back(
        block(Kind::Subheading, words(b, PageCaption::HappinessIs).arg(percentText(percent))));
    addText(b.blocks, library, happinessKey(percent), names);
}

}  // namespace

QString shapeWord(YearShape shape, ReportLanguage language) {
    switch (shape) {
        case YearShape::Peak:
            return pageCaption(language, PageCaption::ShapePeak);
        case YearShape::Low:
            return pageCaption(language, PageCaption::ShapeLow);
        case YearShape::Rise:
            return pageCaption(language, PageCaption::ShapeRise);
        case YearShape::Fall:
            return pageCaption(language, PageCaption::ShapeFall);
        case YearShape::Same:
            break;
    }
    return pageCaption(language, PageCaption::ShapeSame);
}

QString bookletDate(const Forecast& forecast, ReportLanguage language) {
    const BirthDate& d = forecast.date;
    if (language != ReportLanguage::Russian) {
        return birthDateText(language, QString::number(d.day), d.monthIndex, d.year);
    }
    return QStringLiteral("%1 %2 %3 г.")
        .arg(QString::number(d.day), monthGenitive(d.monthIndex), d.year);
}

Booklet makeBooklet(const Forecast& forecast, const ClientNames& client, const TextLibrary& library,
                    const BookletChoice& choice) {
    Booklet b{forecast, client, choice, reportLanguageOr(library.language()), {}, {}};
    b.choice.outlookYears = std::clamp(choice.outlookYears, kOutlookLeast, kOutlookMost);
    const FieldValues names(client);
    const QString whose = fullName(client);
    b.blocks.push_back(block(Kind::Title, whose.isEmpty()
                                              ? words(b, PageCaption::BookletTitle)
                                              : words(b, PageCaption::BookletTitleOf).arg(whose)));
    b.blocks.push_back(block(
        Kind::Paragraph,
        words(b, PageCaption::BookletOpening)
            .arg(bookletDate(forecast, b.language), QString::number(forecast.lifeNumber.wide()))));
    addText(b.blocks, library, kOpeningKey.toString(), names);
    if (forecast.digits.isEmpty()) {
        return b;
    }
    b.outlook = outlookOf(forecast, b.choice);
    if (b.choice.aspects) {
        addAspects(b, library, names);
    }
    if (b.choice.cycle) {
        addCycle(b, library, names);
    }
    if (b.choice.outlook) {
        addOutlook(b, library, names);
    }
    if (b.choice.happiness) {
        addHappiness(b, library, names);
    }
    addText(b.blocks, library, kClosingKey.toString(), names);
    addText(b.blocks, library, kNoticeKey.toString(), names);
    return b;
}

}  // namespace core
