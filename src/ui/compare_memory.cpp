#include "ui/compare_memory.h"

#include <QUrlQuery>

#include "platform/user_settings.h"

namespace ui {

namespace {

const QString kPeopleKey = QStringLiteral("compare/people");
const QString kWithTextsKey = QStringLiteral("compare/withTexts");

// Both people in one value, each part percent-encoded, so that a name comes
// back as typed and the settings file is written once.
QString encode(const std::array<PersonEntry, 2>& people) {
    QUrlQuery query;
    for (std::size_t k = 0; k < people.size(); ++k) {
        const PersonEntry& p = people[k];
        const QString n = QString::number(k + 1);
        query.addQueryItem(u'd' + n, p.date.day > 0 ? QString::number(p.date.day) : QString());
        query.addQueryItem(u'm' + n, QString::number(p.date.monthIndex));
        query.addQueryItem(u'y' + n, p.date.year);
        query.addQueryItem(u'n' + n, p.name);
    }
    return query.toString(QUrl::FullyEncoded);
}

}  // namespace

std::array<PersonEntry, 2> rememberedPeople() {
    const QUrlQuery query(platform::userSettings().value(kPeopleKey).toString());
    std::array<PersonEntry, 2> people;
    for (std::size_t k = 0; k < people.size(); ++k) {
        const QString n = QString::number(k + 1);
        const auto item = [&](QChar field) {
            return query.queryItemValue(field + n, QUrl::FullyDecoded);
        };
        bool ok = false;
        const int month = item(u'm').toInt(&ok);
        const int day = item(u'd').toInt();  // 0, none, when it is no number
        people[k] = {{day >= 1 && day <= 31 ? day : 0, ok && month >= 0 && month < 12 ? month : -1,
                      item(u'y')},
                     item(u'n')};
    }
    return people;
}

void rememberPeople(const std::array<PersonEntry, 2>& people) {
    platform::UserSettings settings = platform::userSettings();
    const QString text = encode(people);
    if (settings.value(kPeopleKey).toString() != text) {
        settings.setValue(kPeopleKey, text);
    }
}

bool rememberedWithTexts() {
    return platform::userSettings().value(kWithTextsKey, false).toBool();
}

void rememberWithTexts(bool on) {
    platform::userSettings().setValue(kWithTextsKey, on);
}

}  // namespace ui
