#include "print/language_box.h"

#include "platform/services.h"

namespace print {

namespace {

const QString kLastLanguageKey = QStringLiteral("report/language");

}  // namespace

LanguageBox::LanguageBox(std::optional<core::ReportLanguage> client, QWidget* parent)
    : QComboBox(parent) {
    setObjectName(QStringLiteral("CboReportLanguage"));
    for (const QString& code : core::reportLanguageCodes()) {
        addItem(core::languageName(core::reportLanguageOr(code)), code);
    }
    setAccessibleName(tr("Язык отчёта"));
    setLanguage(client.value_or(lastReportLanguage()));
}

core::ReportLanguage LanguageBox::language() const {
    return core::reportLanguageOr(currentData().toString());
}

void LanguageBox::setLanguage(core::ReportLanguage language) {
    setCurrentIndex(std::max(0, findData(core::languageCode(language))));
}

QString LanguageBox::caption() {
    return tr("Язык отчёта:");
}

core::ReportLanguage lastReportLanguage() {
    return core::reportLanguageOr(
        platform::userSettings().value(kLastLanguageKey, QString()).toString());
}

void rememberReportLanguage(core::ReportLanguage language) {
    platform::userSettings().setValue(kLastLanguageKey, core::languageCode(language));
}

}  // namespace print
