#include "core/booklet.h"

#include "core/address.h"
#include "core/months.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

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

// The values of `values` that are blank, and only those.
FieldValues blankValues(const FieldValues& values) {
    FieldValues blank;
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (const std::optional<QString>& value = values.value(field);
            value && value->trimmed().isEmpty()) {
            blank.set(field, *value);
        }
    }
    return blank;
}

int digitAt(const Forecast& forecast, qsizetype position) {
    return forecast.digits.at(position).unicode() - u'0';
}

// The shape of the cycle's position: against the position before it, the
// first against the last, as the years follow one another.
YearShape shapeAt(const Forecast& forecast, qsizetype position) {
    const qsizetype n = forecast.digits.size();
    const int previous = digitAt(forecast, (position + n - 1) % n);
    return yearShape(digitAt(forecast, position), previous, forecast.largest, forecast.smallest);
}

// The position of the cycle (from 0) that governs `year`.
qsizetype positionOf(const Forecast& forecast, long long year) {
    return static_cast<qsizetype>((year - forecast.birthYear) % forecast.digits.size());
}

// The years position `position` of the cycle governs, from birth to kCycleAge.
std::vector<long long> governedYears(const Forecast& forecast, qsizetype position) {
    std::vector<long long> years;
    const long long birth = forecast.birthYear;
    for (long long y = birth + position; y <= birth + kCycleAge; y += forecast.digits.size()) {
        years.push_back(y);
    }
    return years;
}

std::vector<OutlookYear> outlookOf(const Forecast& f, const BookletChoice& choice) {
    std::vector<OutlookYear> years;
    const long long last = choice.thisYear + choice.outlookYears;
    for (long long y = choice.thisYear; y <= last; ++y) {
        const std::optional<CycleYear> cycle = cycleYear(f, y);
        if (!cycle) {
            continue;  // before the birth year nothing is said
        }
        years.push_back({y, y - f.birthYear, cycle->level, cycle->shape});
    }
    return years;
}

QString capitalized(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

// Composes the booklet's blocks section by section, and remembers which
// texts it has said and where, so that none is said twice.
class Writer {
public:
    Writer(Booklet& booklet, const TextLibrary& library)
        : b_(booklet), library_(library), names_(booklet.person.names) {
        names_.set(TextField::Address, addressOf(booklet.person, bookletDay(booklet.choice)));
    }

    void opening();
    void aspects();
    void cycle();
    void outlook();
    void happiness();
    void ending();

private:
    QString words(PageCaption caption) const { return pageCaption(b_.language(), caption); }
    bool forParents() const { return b_.audience == Audience::Parents; }
    void add(Kind kind, QString text, QString key = {}) {
        b_.blocks.push_back(block(kind, std::move(text), std::move(key)));
    }
    // The entry's text as this client reads it, filled, as a paragraph; a
    // switched-off or empty entry adds nothing.
    void addText(const QString& key, const FieldValues& values);
    // What the level and the shape of cycle position `position` mean: each
    // text the first time it comes, a line that points to where it was said
    // after that.
    void addYearTexts(qsizetype position, const FieldValues& values);

    Booklet& b_;
    const TextLibrary& library_;
    FieldValues names_;
    std::map<QString, qsizetype> saidAt_;  // a level's or shape's key: the position it was said at
};

void Writer::addText(const QString& key, const FieldValues& values) {
    if (!library_.isOn(key)) {
        return;
    }
    QString text = library_.textFor(key, b_.person.gender);
    // A client known by the date alone: «Здравствуйте, {обращение}!» reads «Здравствуйте!».
    // The tidying sees only the text and the blank fields; every other value
    // goes in afterwards exactly as it is stored («Ли, !» stays «Ли, !»).
    const std::optional<QString>& address = values.value(TextField::Address);
    const std::optional<QString>& name = values.value(TextField::Name);
    if ((address && address->trimmed().isEmpty()) || (name && name->trimmed().isEmpty())) {
        static const QRegularExpression kCommaBeforeNothing(QStringLiteral(",\\s*([!?.,])"));
        text = fillFields(text, blankValues(values));
        text.replace(kCommaBeforeNothing, QStringLiteral("\\1"));
    }
    text = fillFields(text, values);
    if (!text.isEmpty()) {
        add(Kind::Paragraph, text, key);
    }
}

void Writer::addYearTexts(qsizetype position, const FieldValues& values) {
    const Forecast& f = b_.forecast;
    const int level = digitAt(f, position);
    const YearShape shape = shapeAt(f, position);
    const QString keys[] = {levelKey(level), shapeKey(shape)};
    std::optional<qsizetype> said[2];
    for (int i = 0; i < 2; ++i) {
        if (const auto found = saidAt_.find(keys[i]); found != saidAt_.end()) {
            said[i] = found->second;
        } else {
            saidAt_.emplace(keys[i], position);
        }
    }
    const QString levelText = QString::number(level);
    const QString shapeText = shapeWord(shape, b_.language());
    if (said[0] && said[1] && *said[0] == *said[1]) {
        add(Kind::Paragraph, words(PageCaption::SeeLevelAndShape)
                                 .arg(levelText, shapeText, QString::number(*said[0] + 1)));
        return;
    }
    if (said[0]) {
        add(Kind::Paragraph,
            words(PageCaption::SeeLevel).arg(levelText, QString::number(*said[0] + 1)));
    } else {
        addText(keys[0], values);
    }
    if (said[1]) {
        add(Kind::Paragraph, words(PageCaption::SeeShape)
                                 .arg(capitalized(shapeText), QString::number(*said[1] + 1)));
    } else {
        addText(keys[1], values);
    }
}

void Writer::opening() {
    const QString whose = fullName(b_.person.names, b_.language());
    b_.blocks.push_back(block(Kind::Title, whose.isEmpty()
                                               ? words(PageCaption::BookletTitle)
                                               : words(PageCaption::BookletTitleOf).arg(whose)));
    b_.blocks.push_back(
        block(Kind::Paragraph, words(PageCaption::BookletOpening)
                                   .arg(bookletDate(b_.forecast, b_.language()),
                                        QString::number(b_.forecast.lifeNumber.wide()))));
    for (std::size_t i = 0; i < 2; ++i) {
        b_.blocks[b_.blocks.size() - 1 - i].onFirstPage = true;
    }
    addText(openingKey(b_.audience), names_);
}

void Writer::aspects() {
    add(Kind::Heading, words(PageCaption::Aspects));
    for (int i = 0; i < kAspectCount; ++i) {
        const int level = b_.forecast.aspects[static_cast<std::size_t>(i)].level;
        const QString name = aspectName(b_.language(), i + 1);
        add(Kind::Subheading, words(PageCaption::AspectLevel).arg(name, QString::number(level)));
        FieldValues values = names_;
        values.set(TextField::Aspect, name).set(TextField::Level, QString::number(level));
        addText(aspectKey(i + 1, level, b_.audience), values);
    }
}

void Writer::cycle() {
    const Forecast& f = b_.forecast;
    add(Kind::Heading, words(forParents() ? PageCaption::CycleOfChild : PageCaption::Cycle));
    add(Kind::Paragraph,
        words(forParents() ? PageCaption::CycleIntroChild : PageCaption::CycleIntro)
            .arg(QString::number(f.lifeNumber.wide()), QString::number(f.digits.size())));
    for (qsizetype k = 0; k < f.digits.size(); ++k) {
        const int level = digitAt(f, k);
        const std::vector<long long> years = governedYears(f, k);
        const QString yearList = yearListText(years, b_.language());
        add(Kind::Subheading, words(PageCaption::CyclePosition)
                                  .arg(QString::number(k + 1), QString::number(level),
                                       shapeWord(shapeAt(f, k), b_.language())));
        add(Kind::Paragraph,
            words(PageCaption::CycleYears).arg(QString::number(kCycleAge), yearList));
        FieldValues values = names_;
        values.set(TextField::Level, QString::number(level)).set(TextField::Years, yearList);
        if (!years.empty()) {
            values.set(TextField::Year, QString::number(years.front()));
        }
        addYearTexts(k, values);
    }
}

// The outlook's years as a table and a curve, then its years by the position
// of the cycle they share: «2026, 2033 — год 5 цикла: уровень 3, спад». With
// the cycle left out, what each position means is said here instead.
void Writer::outlook() {
    const Forecast& f = b_.forecast;
    add(Kind::Heading, words(PageCaption::NextYears));
    if (b_.outlook.empty()) {
        add(Kind::Paragraph, words(PageCaption::BeforeBirth));
        return;
    }
    BookletBlock table = block(Kind::Table, {});
    table.header = {words(PageCaption::ColumnYear), words(PageCaption::ColumnAge),
                    words(PageCaption::ColumnLevel), words(PageCaption::ColumnShape),
                    words(PageCaption::ColumnCycleYear)};
    std::vector<std::pair<qsizetype, std::vector<long long>>> groups;
    for (const OutlookYear& y : b_.outlook) {
        const qsizetype position = positionOf(f, y.year);
        table.rows.push_back({QString::number(y.year), ageText(b_.language(), y.age),
                              QString::number(y.level), shapeWord(y.shape, b_.language()),
                              QString::number(position + 1)});
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [position](const auto& g) { return g.first == position; });
        if (group == groups.end()) {
            groups.push_back({position, {y.year}});
        } else {
            group->second.push_back(y.year);
        }
    }
    b_.blocks.push_back(table);
    add(Kind::Curve, {});
    for (const auto& [position, years] : groups) {
        const int level = digitAt(f, position);
        const QString yearList = yearListText(years, b_.language());
        const QString line =
            words(PageCaption::OutlookGroup)
                .arg(yearList, QString::number(position + 1), QString::number(level),
                     shapeWord(shapeAt(f, position), b_.language()));
        if (b_.choice.cycle) {
            add(Kind::Paragraph, line);
            continue;
        }
        add(Kind::Subheading, line);
        FieldValues values = names_;
        values.set(TextField::Level, QString::number(level))
            .set(TextField::Years, yearList)
            .set(TextField::Year, QString::number(years.front()));
        addYearTexts(position, values);
    }
    if (b_.choice.cycle) {
        add(Kind::Paragraph,
            words(PageCaption::OutlookSeeCycle)
                .arg(words(forParents() ? PageCaption::CycleOfChild : PageCaption::Cycle)));
    }
}

void Writer::happiness() {
    add(Kind::Heading, words(PageCaption::HappinessPart));
    add(Kind::Subheading,
        words(forParents() ? PageCaption::HappinessIsChild : PageCaption::HappinessIs)
            .arg(percentText(b_.forecast.happinessPercent)));
    addText(happinessKey(b_.forecast.happinessPercent, b_.audience), names_);
}

void Writer::ending() {
    const std::size_t first = b_.blocks.size();
    addText(kClosingKey.toString(), names_);
    addText(kNoticeKey.toString(), names_);
    for (std::size_t k = first; k < b_.blocks.size(); ++k) {
        b_.blocks[k].closing = true;
    }
}

}  // namespace

long long ageOn(const BirthDate& born, QDate day) {
    const long long birthYear = born.year.toLongLong();
    long long age = day.year() - birthYear;
    const int month = born.monthIndex + 1;
    if (day.month() < month || (day.month() == month && day.day() < born.day)) {
        --age;
    }
    return age;
}

QDate bookletDay(const BookletChoice& choice) {
    return choice.madeOn.isValid() ? choice.madeOn : QDate(static_cast<int>(choice.thisYear), 1, 1);
}

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

QString dateInWords(QDate date, ReportLanguage language) {
    const QString day = QString::number(date.day());
    const QString year = QString::number(date.year());
    const QString month = monthName(language, date.month() - 1, MonthForm::Genitive);
    switch (language) {
        case ReportLanguage::Russian:
            return QStringLiteral("%1 %2 %3 г.").arg(day, month, year);
        case ReportLanguage::Ukrainian:
            return QStringLiteral("%1 %2 %3 р.").arg(day, month, year);
        case ReportLanguage::English:
            break;
    }
    return QStringLiteral("%1 %2 %3").arg(day, month, year);
}

QString bookletDate(const Forecast& forecast, ReportLanguage language) {
    const BirthDate& d = forecast.date;
    if (language != ReportLanguage::Russian) {
        return birthDateText(language, QString::number(d.day), d.monthIndex, d.year);
    }
    return QStringLiteral("%1 %2 %3 г.")
        .arg(QString::number(d.day), monthGenitive(d.monthIndex), d.year);
}

Booklet makeBooklet(const Forecast& forecast, const Person& person, const TextLibrary& library,
                    const BookletChoice& choice) {
    Booklet b{forecast, person, choice, Audience::Client, {}, {}};
    b.person.language = reportLanguageOr(library.language());
    b.person.birthDate = forecast.date;
    b.choice.outlookYears = std::clamp(choice.outlookYears, kOutlookLeast, kOutlookMost);
    if (ageOn(forecast.date, bookletDay(b.choice)) < kChildAge) {
        b.audience = Audience::Parents;
    }
    Writer writer(b, library);
    writer.opening();
    if (forecast.digits.isEmpty()) {
        return b;
    }
    b.outlook = outlookOf(forecast, b.choice);
    if (b.choice.aspects) {
        writer.aspects();
    }
    if (b.choice.cycle) {
        writer.cycle();
    }
    if (b.choice.outlook) {
        writer.outlook();
    }
    if (b.choice.happiness) {
        writer.happiness();
    }
    writer.ending();
    return b;
}

}  // namespace core
