#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/user_settings.h"

namespace platform {

namespace {

struct Language {
    const char* code;
    const char* name;  // as its speakers write it
};

constexpr std::array kLanguages{Language{"ru", "Русский"}, Language{"uk", "Українська"},
                                Language{"en", "English"}};

const char* const kLanguageKey = "interface/language";

bool speaks(const QString& code) {
    return !interfaceLanguageName(code).isEmpty();
}

// The language of a locale name: "uk" of "uk_UA.UTF-8", "en" of "en_GB@euro".
QString languageOf(const QString& locale) {
    static const QRegularExpression separator(QStringLiteral("[_.@-]"));
    return locale.section(separator, 0, 0).toLower();
}

// What installCatalogues() put on the application, to take off again.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void takeOffInstalled() {
    for (const auto& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();
}

void putOn(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

// The program's catalogues of one language in a folder.
struct OurCatalogues {
    std::vector<std::unique_ptr<QTranslator>> loaded;  // those that load
    QString pattern;                                   // the names they have
    bool found = false;                                // the folder holds some
    QString damaged;                                   // the first that did not load
};

OurCatalogues loadOurs(const QString& code, const QString& folder) {
    OurCatalogues ours;
    ours.pattern = QStringLiteral("zemtar_*_%1.qm").arg(code);
    const QFileInfoList files = QDir(folder).entryInfoList({ours.pattern}, QDir::Files, QDir::Name);
    ours.found = !files.isEmpty();
    for (const QFileInfo& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file.absoluteFilePath())) {
            ours.loaded.push_back(std::move(translator));
        } else if (ours.damaged.isEmpty()) {
            ours.damaged = QDir::toNativeSeparators(file.absoluteFilePath());
        }
    }
    return ours;
}

// Puts the program's catalogues of a language that load, and Qt's own when
// all of ours did, on the application; why not all of ours are there, told
// with the catalogues that are.
QString putOnLanguage(const QString& language, const QString& folder) {
    OurCatalogues ours = loadOurs(language, folder);
    for (auto& translator : ours.loaded) {
        putOn(std::move(translator));
    }
    const bool whole = ours.found && ours.damaged.isEmpty();
    // Qt's own words (Debian package qt6-translations-l10n), for its dialogs
    // and buttons, but not under a window that stayed Russian; without them
    // Qt speaks English, which is no fault of ours.
    auto qt = std::make_unique<QTranslator>();
    if ((whole || language == u"ru") &&
        qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        putOn(std::move(qt));
    }
    if (whole) {
        return {};
    }
    return ours.found
               ? QCoreApplication::translate("Translations", "файл %1 повреждён или не читается")
                     .arg(ours.damaged)
               : QCoreApplication::translate("Translations", "в папке %1 нет файлов %2")
                     .arg(QDir::toNativeSeparators(folder), ours.pattern);
}

}  // namespace

QStringList interfaceLanguages() {
    QStringList codes;
    for (const Language& language : kLanguages) {
        codes << QString::fromLatin1(language.code);
    }
    return codes;
}

QString interfaceLanguageName(const QString& code) {
    for (const Language& language : kLanguages) {
        if (code == QLatin1String(language.code)) {
            return QString::fromUtf8(language.name);
        }
    }
    return {};
}

QString desktopLanguage() {
    // The first of the desktop's languages in the order of preference that
    // the program speaks; the last entry on Linux is the one locale that
    // decides when no list is given.
    for (const QString& entry : desktopLanguagePreferences()) {
        if (const QString code = languageOf(entry); speaks(code)) {
            return code;
        }
    }
    return {};
}

QString interfaceLanguage() {
    // Read before the program speaks the user's language: a settings file it
    // cannot use is told later, in that language.
    const QString chosen =
        UserSettings::readQuietly(userSettingsFile()).value(QLatin1String(kLanguageKey)).toString();
    if (speaks(chosen)) {
        return chosen;
    }
    const QString desktop = desktopLanguage();
    return desktop.isEmpty() ? QStringLiteral("ru") : desktop;
}

void setInterfaceLanguage(const QString& code) {
    if (speaks(code)) {
        userSettings().setValue(QLatin1String(kLanguageKey), code);
    }
}

bool installCatalogues(const QString& code) {
    return installCatalogues(
        code, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
}

bool installCatalogues(const QString& code, const QString& folder) {
    takeOffInstalled();
    const QString language = speaks(code) ? code : QStringLiteral("ru");
    const QString problem = putOnLanguage(language, folder);
    if (problem.isEmpty()) {
        return true;
    }
    // Told in the user's language as far as its catalogues that did load
    // know it; then none of them stays, so that the program is Russian
    // throughout rather than a mixture.
    std::fprintf(stderr, "%s\n",
                 QCoreApplication::translate("Translations",
                                             "Каталоги языка «%1» не загружены (%2): тексты "
                                             "программы будут на русском.")
                     .arg(interfaceLanguageName(language), problem)
                     .toLocal8Bit()
                     .constData());
    if (language != u"ru") {
        takeOffInstalled();
        // Russian needs its catalogues only for the forms of counted words:
        // whatever of them is there helps, and its lack was told already.
        putOnLanguage(QStringLiteral("ru"), folder);
    }
    return false;
}

}  // namespace platform
