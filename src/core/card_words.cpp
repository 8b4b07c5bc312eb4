#include "core/card_words.h"

#include "core/address.h"
#include "core/group.h"
#include "core/text_fields.h"

namespace core {

std::vector<CardYear> cardYears(const Forecast& forecast, const Person& person,
                                const TextLibrary& library, long long thisYear, int count) {
    std::vector<CardYear> years;
    FieldValues values(person.names);
    values.set(TextField::Address, addressOf(person));
    for (long long y = thisYear; static_cast<int>(years.size()) < count && y < thisYear + count;
         ++y) {
        const std::optional<CycleYear> cycle = cycleYear(forecast, y);
        if (!cycle) {
            continue;
        }
        values.set(TextField::Level, QString::number(cycle->level))
            .set(TextField::Year, QString::number(y))
            .set(TextField::Years, QString::number(y));
        const QString text = library.filledFor(levelKey(cycle->level), person.gender, values);
        years.push_back({y, cycle->level, cycle->shape, firstSentence(text)});
    }
    return years;
}

std::vector<long long> cycleYearsAround(const Forecast& forecast, long long year) {
    const std::optional<CycleYear> cycle = cycleYear(forecast, year);
    if (!cycle) {
        return {};
    }
    std::vector<long long> years;
    const long long first = year - cycle->position;
    for (qsizetype k = 0; k < forecast.digits.size(); ++k) {
        years.push_back(first + k);
    }
    return years;
}

QString firstSentence(const QString& text) {
    const QString trimmed = text.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const bool ends = c == u'.' || c == u'!' || c == u'?' || c == u'…';
        if (ends && (i + 1 == trimmed.size() || trimmed.at(i + 1).isSpace())) {
            return trimmed.left(i + 1);
        }
    }
    return trimmed;
}

}  // namespace core
