#include "ui/texts/text_preview.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <variant>

#include "core/address.h"
#include "core/aspect_names.h"
#include "core/aspect_rules.h"
#include "core/group.h"
#include "core/text_keys.h"
#include "ui/main_window/current_client.h"
#include "ui/window_language.h"

namespace ui {

namespace {

// A made-up client, named as people are named in the window's language.
core::ClientNames exampleNames() {
    //: The made-up client of the preview: surname
    return {QCoreApplication::translate("ui::TextPreview", "Иванова"),
            //: The made-up client of the preview: first name
            QCoreApplication::translate("ui::TextPreview", "Анна"),
            //: The made-up client of the preview: patronymic (a middle name where there is none)
            QCoreApplication::translate("ui::TextPreview", "Сергеевна")};
}

core::Forecast exampleForecast() {
    core::Calculation made = core::calculate({1, 0, QStringLiteral("1990")});  // 1 января 1990
    auto* forecast = std::get_if<core::Forecast>(&made);
    return forecast ? std::move(*forecast) : core::Forecast{};
}

// «23 июля 1975», as a date reads in a sentence of the window's language.
QString spokenDate(const core::Forecast& forecast) {
    return QStringLiteral("%1 %2 %3")
        .arg(QString::number(forecast.date.day),
             core::monthName(windowLanguage(), forecast.date.monthIndex, core::MonthForm::Genitive),
             forecast.date.year);
}

// The client when there is a client with a name.
std::optional<core::Person> namedClient(const PreviewSubject& subject) {
    if (subject.client && !core::fullName(subject.client->names).isEmpty()) {
        return subject.client;
    }
    return std::nullopt;
}

core::Person examplePerson() {
    core::Person example;
    example.names = exampleNames();
    example.gender = core::Gender::Female;
    return example;
}

QString noteFor(const PreviewSubject& subject, const core::Forecast& shown) {
    const std::optional<core::Person> client = namedClient(subject);
    const QString name = core::fullName(client ? client->names : exampleNames());
    if (!subject.forecast) {
        return client ? QCoreApplication::translate(
                            "ui::TextPreview",
                            "В главном окне ещё нет прогноза: поля заполнены для "
                            "клиента %1 и даты для примера — %2.")
                            .arg(name, spokenDate(shown))
                      : QCoreApplication::translate("ui::TextPreview",
                                                    "В главном окне ещё нет прогноза, поэтому поля "
                                                    "заполнены для примера: %1, %2.")
                            .arg(name, spokenDate(shown));
    }
    return client ? QCoreApplication::translate("ui::TextPreview",
                                                "Поля заполнены для клиента главного окна: %1, %2.")
                        .arg(name, spokenDate(shown))
                  : QCoreApplication::translate(
                        "ui::TextPreview",
                        "Поля заполнены по прогнозу главного окна (%1); имя взято "
                        "для примера: %2.")
                        .arg(spokenDate(shown), name);
}

// The entry a variant or a child's entry is filled as: "aspect.5.1" for
// "child.aspect.5.1.female".
QString filledAs(QStringView key) {
    const core::TextKey* entry = core::findTextKey(key);
    QString base = entry && !entry->variantOf.isEmpty() ? entry->variantOf : key.toString();
    if (base.startsWith(QStringLiteral("child."))) {
        base.remove(0, 6);
    }
    return base;
}

// The aspect of an "aspect.N.L" key and its text's level L, or none.
std::optional<std::pair<int, int>> aspectOf(QStringView key) {
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        for (int level = 0; level < core::kAspectTextLevels; ++level) {
            if (core::aspectKey(digit, level) == key) {
                return std::pair{digit, level};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

TextPreview::TextPreview(const PreviewSubject& subject)
    : forecast_(subject.forecast ? *subject.forecast : exampleForecast()),
      person_(namedClient(subject).value_or(examplePerson())),
      names_(person_.names),
      note_(noteFor(subject, forecast_)) {
    setLanguage(person_.language);
    const long long thisYear =
        subject.thisYear != 0 ? subject.thisYear : QDate::currentDate().year();
    firstYear_ = std::max(thisYear, forecast_.birthYear);
}

void TextPreview::setLanguage(core::ReportLanguage language) {
    language_ = language;
    core::Person person = person_;
    person.language = language;
    names_.set(core::TextField::Address, core::addressOf(person));
}

int TextPreview::levelIn(long long year) const {
    return core::levelInYear(forecast_, year).value_or(0);
}

core::FieldValues TextPreview::yearsWhere(
    core::FieldValues values, const std::function<bool(const core::CycleYear&)>& wanted) const {
    const core::YearSpan span = core::YearSpan::startingIn(firstYear_);
    std::vector<long long> years;
    for (long long year = span.from; year <= span.to; ++year) {
        const std::optional<core::CycleYear> cycle = core::cycleYear(forecast_, year);
        if (cycle && wanted(*cycle)) {
            years.push_back(year);
        }
    }
    if (!years.empty()) {
        values.set(core::TextField::Year, QString::number(years.front()))
            .set(core::TextField::Level, QString::number(levelIn(years.front())));
    }
    return values.set(core::TextField::Years, core::yearListText(years));
}

core::FieldValues TextPreview::values(QStringView entryKey) const {
    const QString key = filledAs(entryKey);
    core::FieldValues values = names_;
    values.set(core::TextField::Year, QString::number(firstYear_))
        .set(core::TextField::Level, QString::number(levelIn(firstYear_)));
    const int largest = forecast_.largest;
    const int smallest = forecast_.smallest;
    if (const auto aspect = aspectOf(key)) {
        const auto [digit, band] = *aspect;
        // The last text stands for every level from 4 up: this client's, when it is one.
        const int level = band + 1 < core::kAspectTextLevels
                              ? band
                              : std::max(band, forecast_.aspects[std::size_t(digit - 1)].level);
        return values.set(core::TextField::Aspect, core::aspectName(language_, digit))
            .set(core::TextField::Level, QString::number(level));
    }
    for (int digit = 0; digit <= 9; ++digit) {
        if (key == core::levelKey(digit)) {
            return yearsWhere(values.set(core::TextField::Level, QString::number(digit)),
                              [digit](const core::CycleYear& y) { return y.level == digit; })
                .set(core::TextField::Level, QString::number(digit));
        }
    }
    for (const auto shape : {core::YearShape::Peak, core::YearShape::Low, core::YearShape::Rise,
                             core::YearShape::Fall, core::YearShape::Same}) {
        if (key == core::shapeKey(shape)) {
            return yearsWhere(values, [=](const core::CycleYear& y) { return y.shape == shape; });
        }
    }
    // Two people's and a group's texts speak of this forecast's own lows and
    // peaks, and of an aspect: the one the key names, or the first present.
    const bool lows = key == core::pairKey(core::PairText::BothLow) ||
                      key == core::groupYearsKey(core::GroupYears::AllLow);
    if (lows || key.startsWith(u"pair.") || key.startsWith(u"group.")) {
        const auto* present = std::find_if(forecast_.aspects.begin(), forecast_.aspects.end(),
                                           [](const core::AspectValue& a) { return a.present; });
        std::size_t digit = present == forecast_.aspects.end()
                                ? 4
                                : std::size_t(present - forecast_.aspects.begin());
        for (int d = 1; d <= core::kAspectCount; ++d) {
            for (const auto sharing :
                 {core::Sharing::All, core::Sharing::Some, core::Sharing::None}) {
                if (key == core::groupAspectKey(d, sharing) ||
                    key == core::pairAspectKey(d, sharing)) {
                    digit = std::size_t(d - 1);
                }
            }
        }
        if (!lows) {  // the texts of shared lows name no aspect
            values.set(core::TextField::Aspect, core::aspectName(language_, int(digit) + 1));
        }
        const int wanted = lows ? smallest : largest;
        return yearsWhere(values, [=](const core::CycleYear& y) { return y.level == wanted; });
    }
    return values;
}

}  // namespace ui
