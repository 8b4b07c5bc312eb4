#include "ui/group/group_memory.h"

#include <QUrlQuery>

#include "core/group.h"
#include "platform/user_settings.h"

namespace ui {

namespace {

const QString kPeopleKey = QStringLiteral("group/people");
const QString kPairKey = QStringLiteral("compare/people");  // before the window took groups
const QString kWithTextsKey = QStringLiteral("compare/withTexts");

// Everyone in one value, each part percent-encoded, so that a name comes back
// as typed and the settings file is written once.
QString encode(const std::vector<core::Person>& people) {
    QUrlQuery query;
    for (std::size_t k = 0; k < people.size(); ++k) {
        const core::Person& p = people[k];
        const QString n = QString::number(k + 1);
        const core::BirthDate& d = p.birthDate;
        query.addQueryItem(u'd' + n, d.day > 0 ? QString::number(d.day) : QString());
        query.addQueryItem(u'm' + n, QString::number(d.monthIndex));
        query.addQueryItem(u'y' + n, d.year);
        query.addQueryItem(u's' + n, p.names.surname);
        query.addQueryItem(u'n' + n, p.names.name);
        query.addQueryItem(u'p' + n, p.names.patronymic);
    }
    return query.toString(QUrl::FullyEncoded);
}

// The people of a kept value; a person without a single field is the end.
std::vector<core::Person> decode(const QString& text, bool pair) {
    const QUrlQuery query(text);
    std::vector<core::Person> people;
    for (int k = 1; k <= core::kGroupMost; ++k) {
        const QString n = QString::number(k);
        const auto item = [&](QChar field) {
            return query.queryItemValue(field + n, QUrl::FullyDecoded);
        };
        if (!query.hasQueryItem(u'm' + n)) {
            break;
        }
        bool ok = false;
        const int month = item(u'm').toInt(&ok);
        const int day = item(u'd').toInt();  // 0, none, when it is no number
        core::Person p;
        p.birthDate = {core::dayInRange(day) ? day : 0,
                       ok && core::monthInRange(month) ? month : -1, item(u'y')};
        if (pair) {
            // The comparison kept a name as one text: its words are the names.
            const QStringList words = item(u'n').split(u' ', Qt::SkipEmptyParts);
            p.names = {words.value(0), words.value(1), words.mid(2).join(u' ')};
        } else {
            p.names = {item(u's'), item(u'n'), item(u'p')};
        }
        people.push_back(p);
    }
    return people;
}

}  // namespace

std::vector<core::Person> rememberedPeople() {
    const platform::UserSettings settings = platform::userSettings();
    const QVariant kept = settings.value(kPeopleKey);
    std::vector<core::Person> people = kept.isValid()
                                           ? decode(kept.toString(), false)
                                           : decode(settings.value(kPairKey).toString(), true);
    people.resize(std::max<std::size_t>(people.size(), core::kGroupLeast));
    return people;
}

void rememberPeople(const std::vector<core::Person>& people) {
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
