#include "core/comparison.h"

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

}  // namespace

QString yearListText(const std::vector<long long>& years) {
    if (years.empty()) {
        return QStringLiteral("нет");
    }
    QStringList parts;
    for (const long long y : years) {
        parts << QString::number(y);
    }
    return parts.join(QStringLiteral(", "));
}

QStringList commonAspectNames(const Comparison& c) {
    QStringList names;
    for (std::size_t d = 0; d < c.commonAspects.size(); ++d) {
        if (c.commonAspects[d]) {
            names << kAspectNames[d].toString();
        }
    }
    return names;
}

QString ComparedPerson::label() const {
    const QString trimmed = name.simplified();
    return trimmed.isEmpty() ? forecast.dateText() : trimmed;
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

QByteArray toJson(const Forecast& first, const Forecast& second, const Comparison& c) {
    QByteArray out = "{\"bothHighest\":" + yearListJson(c.bothHighest) +
                     ",\"bothLowest\":" + yearListJson(c.bothLowest) +
                     ",\"first\":" + toJson(first) + ",\"second\":" + toJson(second) +
                     ",\"years\":[";
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

QString toText(const ComparedPerson& first, const ComparedPerson& second, const Comparison& c) {
    QString out;
    const ComparedPerson* people[] = {&first, &second};
    const char* const who[] = {"Первый", "Второй"};
    for (int k = 0; k < 2; ++k) {
        const QString name = people[k]->name.simplified();
        const Forecast& f = people[k]->forecast;
        out += QStringLiteral("%1: %2%3, процентов счастья %4, уровни от %5 до %6\n")
                   .arg(QString::fromUtf8(who[k]),
                        name.isEmpty() ? QString() : name + QStringLiteral(", "), f.dateText(),
                        f.happiness, QString::number(f.smallest), QString::number(f.largest));
    }
    out += QStringLiteral("Год    первый второй\n");
    for (const ComparedYear& y : c.years) {
        out += QStringLiteral("%1 %2 %3\n")
                   .arg(y.year, 6)
                   .arg(levelText(y.first), 6)
                   .arg(levelText(y.second), 6);
    }
    out += QStringLiteral("Оба на своём максимуме: %1\n").arg(yearListText(c.bothHighest));
    out += QStringLiteral("Оба на своём минимуме: %1\n").arg(yearListText(c.bothLowest));
    return out;
}

}  // namespace core
