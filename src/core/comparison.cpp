#include "core/comparison.h"

#include "core/aspect_names.h"
#include "core/forecast_text.h"

namespace core {

namespace {

QByteArray levelJson(const std::optional<int>& level) {
    return level ? QByteArray::number(*level) : QByteArrayLiteral("null");
}

QByteArray yearListJson(const std::vector<long long>& years) {
    QByteArray out = "[";
    for (std::size_t i = 0; i < years.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += QByteArray::number(years[i]);
    }
    return out + ']';
}

QString levelText(const std::optional<int>& level) {
    return level ? QString::number(*level) : QStringLiteral("—");
}

// The date of birth where a person has no name: as the window's list names
// the month in Russian, as the page of that language writes it otherwise.
QString dateLabel(const Forecast& f, ReportLanguage language) {
    const BirthDate& d = f.date;
    return language == ReportLanguage::Russian
               ? f.dateText()
               : birthDateText(language, d.day, d.monthIndex, d.year);
}

}  // namespace

QString yearListText(const std::vector<long long>& years, ReportLanguage language) {
    if (years.empty()) {
        return pageCaption(language, PageCaption::None);
    }
    QStringList parts;
    for (const long long y : years) {
        parts << QString::number(y);
    }
    return parts.join(QStringLiteral(", "));
}

QStringList commonAspectNames(const Comparison& c, ReportLanguage language) {
    QStringList names;
    for (std::size_t d = 0; d < c.commonAspects.size(); ++d) {
        if (c.commonAspects[d]) {
            names << aspectName(language, static_cast<int>(d) + 1);
        }
    }
    return names;
}

QString ComparedPerson::label(ReportLanguage language) const {
    const QString trimmed = name.simplified();
    if (!trimmed.isEmpty()) {
        return trimmed;
    }
    return dateLabel(forecast, language);
}

std::optional<int> levelInYear(const Forecast& forecast, long long year) {
    const long long birth = forecast.birthYear;
    const long long n = forecast.digitCount;
    if (year < birth || n <= 0 || forecast.digits.size() != n) {
        return std::nullopt;
    }
    const auto position = static_cast<qsizetype>((year - birth) % n);
    return forecast.digits.at(position).unicode() - u'0';
}

Comparison compare(const Forecast& first, const Forecast& second, long long fromYear,
                   long long toYear) {
    Comparison c;
    c.fromYear = fromYear;
    c.toYear = toYear;
    if (fromYear <= toYear) {
        c.years.reserve(static_cast<std::size_t>(toYear - fromYear + 1));
    }
    for (long long y = fromYear; y <= toYear; ++y) {
        ComparedYear cy{y, levelInYear(first, y), levelInYear(second, y), false, false};
        if (cy.first && cy.second) {
            cy.bothHighest = *cy.first == first.largest && *cy.second == second.largest;
            cy.bothLowest = *cy.first == first.smallest && *cy.second == second.smallest;
        }
        if (cy.bothHighest) {
            c.bothHighest.push_back(y);
        }
        if (cy.bothLowest) {
            c.bothLowest.push_back(y);
        }
        c.years.push_back(cy);
    }
    for (std::size_t i = 0; i < c.commonAspects.size(); ++i) {
        c.commonAspects[i] = first.aspects[i].present && second.aspects[i].present;
    }
    return c;
}

QByteArray toJson(const Forecast& first, const Forecast& second, const Comparison& c,
                  ReportLanguage language) {
    QByteArray out = "{\"bothHighest\":" + yearListJson(c.bothHighest) +
                     ",\"bothLowest\":" + yearListJson(c.bothLowest) +
                     ",\"first\":" + toJson(first, nullptr, language) +
                     ",\"second\":" + toJson(second, nullptr, language) + ",\"years\":[";
    for (std::size_t i = 0; i < c.years.size(); ++i) {
        const ComparedYear& y = c.years[i];
        if (i > 0) {
            out += ',';
        }
        out += "{\"year\":" + QByteArray::number(y.year) + ",\"first\":" + levelJson(y.first) +
               ",\"second\":" + levelJson(y.second) + '}';
    }
    return out + "]}";
}

QString toText(const ComparedPerson& first, const ComparedPerson& second, const Comparison& c,
               ReportLanguage language) {
    const auto words = [language](PageCaption caption) { return pageCaption(language, caption); };
    QString out;
    const ComparedPerson* people[] = {&first, &second};
    const QString who[] = {words(PageCaption::TextFirst), words(PageCaption::TextSecond)};
    for (int k = 0; k < 2; ++k) {
        const QString name = people[k]->name.simplified();
        const Forecast& f = people[k]->forecast;
        out += words(PageCaption::TextPerson)
                   .arg(who[k], name.isEmpty() ? QString() : name + QStringLiteral(", "),
                        dateLabel(f, language), f.happiness, QString::number(f.smallest),
                        QString::number(f.largest)) +
               u'\n';
    }
    out += words(PageCaption::TextSpanHeader) + u'\n';
    for (const ComparedYear& y : c.years) {
        out += QStringLiteral("%1 %2 %3\n")
                   .arg(y.year, 6)
                   .arg(levelText(y.first), 6)
                   .arg(levelText(y.second), 6);
    }
    out += words(PageCaption::BothHighest) + yearListText(c.bothHighest, language) + u'\n';
    out += words(PageCaption::BothLowest) + yearListText(c.bothLowest, language) + u'\n';
    return out;
}

}  // namespace core
