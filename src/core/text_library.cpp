#include "core/text_library.h"

#include <QFile>
#include <map>
#include <mutex>
#include <utility>

#include "core/report_language.h"
#include "core/text_file.h"
#include "core/text_keys.h"

namespace core {

namespace {

// Where the build puts each language's file of the program's own texts.
QString resourceOf(QStringView language) {
    return QStringLiteral(":/zemtar/texts/%1.txt").arg(language);
}

TextSet readDefaults(const QString& language) {
    QFile file(resourceOf(language));
    if (!file.open(QIODevice::ReadOnly)) {
        return TextSet(language);
    }
    // The program's own file: the tests read it whole and without a problem.
    TextSet set = readTextFile(file.readAll(), file.fileName()).set;
    return set.language() == language ? set : TextSet(language);
}

}  // namespace

QStringList textLanguages() {
    // The languages of the pages: each has its texts too.
    return reportLanguageCodes();
}

const TextSet& defaultTexts(QStringView language) {
    static std::mutex guard;
    static std::map<QString, TextSet> read;
    const QString known =
        textLanguages().contains(language) ? language.toString() : QStringLiteral("ru");
    const std::lock_guard lock(guard);
    auto found = read.find(known);
    if (found == read.end()) {
        found = read.emplace(known, readDefaults(known)).first;
    }
    return found->second;  // map nodes stay where they are
}

TextLibrary::TextLibrary(TextSet own)
    : own_(std::move(own)), defaults_(&defaultTexts(own_.language())) {}

QString TextLibrary::text(QStringView key) const {
    if (std::optional<QString> mine = own_.text(key)) {
        return *mine;
    }
    return defaultText(key);
}

QString TextLibrary::defaultText(QStringView key) const {
    return defaults_->text(key).value_or(QString());
}

bool TextLibrary::isOn(QStringView key) const {
    return !own_.switchedOff(key) && !defaults_->switchedOff(key);
}

bool TextLibrary::isChanged(QStringView key) const {
    return own_.text(key).has_value();
}

QString TextLibrary::filled(QStringView key, const FieldValues& values) const {
    return isOn(key) ? fillFields(text(key), values) : QString();
}

QString TextLibrary::textFor(QStringView key, Gender gender) const {
    const TextKey* entry = findTextKey(key);
    if (gender == Gender::Unknown || !entry || !entry->hasVariants) {
        return text(key);
    }
    const QString variant = variantKey(key, gender);
    if (std::optional<QString> mine = own_.text(variant)) {
        return mine->isEmpty() ? text(key) : *mine;
    }
    if (std::optional<QString> mine = own_.text(key)) {
        return *mine;
    }
    const QString programs = defaultText(variant);
    return programs.isEmpty() ? defaultText(key) : programs;
}

QString TextLibrary::filledFor(QStringView key, Gender gender, const FieldValues& values) const {
    return isOn(key) ? fillFields(textFor(key, gender), values) : QString();
}

QString TextLibrary::setText(QStringView key, const QString& text) {
    if (const QString problem = own_.setText(key, text); !problem.isEmpty()) {
        return problem;
    }
    if (own_.text(key) == defaults_->text(key)) {
        own_.clearText(key);
    }
    return {};
}

void TextLibrary::resetToDefault(QStringView key) {
    own_.clearText(key);
}

bool TextLibrary::setOn(QStringView key, bool on) {
    return own_.setSwitchedOff(key, !on);
}

int changedEntries(const TextLibrary& before, const TextLibrary& after) {
    int changed = 0;
    for (const TextKey& entry : textKeys()) {
        const bool differs = before.text(entry.key) != after.text(entry.key) ||
                             before.isOn(entry.key) != after.isOn(entry.key);
        changed += differs ? 1 : 0;
    }
    return changed;
}

}  // namespace core
