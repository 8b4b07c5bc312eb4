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

// A section's heading in the language of the library's texts.
QString heading(const TextLibrary& library, PageCaption caption) {
    return pageCaption(reportLanguageOr(library.language()), caption);
}

int percentOf(const Forecast& forecast) {
    QString digits = forecast.happiness;
    digits.remove(u'%');
    return digits.toInt();
}

long long birthYear(const Forecast& forecast) {
    return forecast.birthYear;
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

// «51 год», «52 года», «55 лет».
QString ageText(long long age) {
    const long long lastTwo = age % 100;
    const long long last = age % 10;
    const char* word = "лет";
    if (last == 1 && lastTwo != 11) {
        word = "год";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        word = "года";
    }
    return QStringLiteral("%1 %2").arg(QString::number(age), QString::fromUtf8(word));
}

void addAspects(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    b.blocks.push_back(block(Kind::Heading, heading(library, PageCaption::Aspects)));
    b.blocks.push_back(block(Kind::Square, {}));
    for (int i = 0; i < kAspectCount; ++i) {
        const int level = b.forecast.aspects[static_cast<std::size_t>(i)].level;
        const QString name = kAspectNames[static_cast<std::size_t>(i)].toString();
        b.blocks.push_back(block(
            Kind::Subheading, QStringLiteral("%1 — уровень %2").arg(name, QString::number(level))));
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
    b.blocks.push_back(block(Kind::Heading, heading(library, PageCaption::Cycle)));
    b.blocks.push_back(
        block(Kind::Paragraph,
              QStringLiteral("Число жизни %1 состоит из %2 цифр, и ваши годы идут по кругу: "
                             "каждая цифра по очереди задаёт уровень жизненных сил одного года, "
                             "а после последней всё начинается с первой.")
                  .arg(QString::number(f.lifeNumber.wide()), QString::number(f.digits.size()))));
    for (qsizetype k = 0; k < f.digits.size(); ++k) {
        const int level = digitAt(f, k);
        const YearShape shape = shapeAt(f, k);
        const std::vector<long long> years = governedYears(f, k);
        b.blocks.push_back(
            block(Kind::Subheading,
                  QStringLiteral("Год %1 цикла — уровень %2, %3")
                      .arg(QString::number(k + 1), QString::number(level), shapeWord(shape))));
        b.blocks.push_back(
            block(Kind::Paragraph, QStringLiteral("Годы до %1 лет: %2")
                                       .arg(QString::number(kCycleAge), yearListText(years))));
        FieldValues values = names;
        values.set(TextField::Level, QString::number(level))
            .set(TextField::Years, yearListText(years));
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
        const std::optional<int> level = levelInYear(f, y);
        if (!level) {
            continue;  // before the birth year nothing is said
        }
        const auto position = static_cast<qsizetype>((y - birthYear(f)) % f.digits.size());
        years.push_back({y, y - birthYear(f), *level, shapeAt(f, position)});
    }
    return years;
}

void addOutlook(Booklet& b, const TextLibrary& library, const FieldValues& names) {
    b.blocks.push_back(block(Kind::Heading, heading(library, PageCaption::NextYears)));
    if (b.outlook.empty()) {
        b.blocks.push_back(
            block(Kind::Paragraph, QStringLiteral("Эти годы наступят ещё до рождения: о них "
                                                  "число жизни пока ничего не говорит.")));
        return;
    }
    BookletBlock table = block(Kind::Table, {});
    table.header = {QStringLiteral("Год"), QStringLiteral("Возраст"), QStringLiteral("Уровень"),
                    QStringLiteral("Форма")};
    for (const OutlookYear& y : b.outlook) {
        table.rows.push_back({QString::number(y.year), ageText(y.age), QString::number(y.level),
                              shapeWord(y.shape)});
    }
    b.blocks.push_back(table);
    b.blocks.push_back(block(Kind::Curve, {}));
    for (const OutlookYear& y : b.outlook) {
        b.blocks.push_back(
            block(Kind::Subheading, QStringLiteral("%1 год — вам %2: уровень %3, %4")
                                        .arg(QString::number(y.year), ageText(y.age),
                                             QString::number(y.level), shapeWord(y.shape))));
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
    b.blocks.push_back(block(Kind::Heading, heading(library, PageCaption::HappinessPart)));
    b.blocks.push_back(block(Kind::Subheading,
                             QStringLiteral("Ваш процент счастья — %1").arg(b.forecast.happiness)));
    addText(b.blocks, library, happinessKey(percentOf(b.forecast)), names);
}

}  // namespace

QString shapeWord(YearShape shape) {
    switch (shape) {
        case YearShape::Peak:
            return QStringLiteral("пик");
        case YearShape::Low:
            return QStringLiteral("низшая точка");
        case YearShape::Rise:
            return QStringLiteral("подъём");
        case YearShape::Fall:
            return QStringLiteral("спад");
        case YearShape::Same:
            break;
    }
    return QStringLiteral("тот же уровень");
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
                                              ? QStringLiteral("Подробный отчёт")
                                              : QStringLiteral("Подробный отчёт: %1").arg(whose)));
    b.blocks.push_back(block(
        Kind::Paragraph,
        QStringLiteral("Дата рождения: %1, число жизни %2")
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
