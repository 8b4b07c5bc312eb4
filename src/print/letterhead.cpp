#include "print/letterhead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <functional>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "platform/help_document.h"
#include "platform/private_files.h"
#include "platform/safe_file.h"
#include "platform/services.h"
#include "platform/user_settings.h"

namespace print {

namespace {

const QString kEnabledKey = QStringLiteral("letterhead/enabled");
const QString kNameKey = QStringLiteral("letterhead/name");
const QString kContactCountKey = QStringLiteral("letterhead/contacts");

QString contactKey(qsizetype i) {
    return QStringLiteral("letterhead/contact%1").arg(i + 1);
}

// A language's own lines under «letterhead/en/name» and so on.
QString languageKey(core::ReportLanguage language, const QString& key) {
    return QStringLiteral("letterhead/%1/%2")
        .arg(core::languageCode(language), key.section(u'/', 1));
}
const QString kLogoKey = QStringLiteral("letterhead/logo");

// The program's copy of the logo, in its data folder. Its format is read from
// its content, so one name serves PNG, JPEG and SVG alike.
const QString kLogoCopyName = QStringLiteral("letterhead-logo");
// A new copy waits under this name until the settings are written; a copy
// that fails the check is set aside under the other.
const QString kStagedSuffix = QStringLiteral(".new");
const QString kSetAsideSuffix = QStringLiteral(".set-aside");

// A letterhead line is one line of plain text: line breaks, tabs and other
// control characters become blanks.
QString plainLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            c = QLatin1Char(' ');
        }
    }
    return line;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Where the program keeps its own copy of the logo; empty when the system
// gives no data folder.
QString storedLogoPath() {
    const QString folder = platform::dataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kLogoCopyName);
}

// Writes a new copy of the logo under its waiting name, readable by its owner
// only. What stood there (a copy an earlier save left, a link) goes first, so
// that the copy is a new file of the program's own.
QString stageLogo(const QString& copy, const QString& staged, const QByteArray& bytes) {
    const QString folder = QFileInfo(copy).path();
    if (copy.isEmpty()) {
        return QCoreApplication::translate("print::Letterhead",
                                           "Система не назвала программе папку для её данных.");
    }
    if (const QString why = platform::makePrivateFolder(folder); !why.isEmpty()) {
        return QCoreApplication::translate("print::Letterhead",
                                           "Не удалось создать папку данных программы «%1»: %2.")
            .arg(shown(folder), why);
    }
    platform::removeName(staged);
    QString error = platform::writeFileAtomically(
        staged, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
    return error.isEmpty() ? QString() : error.replace(staged, copy);
}

}  // namespace

namespace {

// The lines kept under `key` (the main ones, or a language's through `keyOf`).
LetterheadLines loadLines(const platform::UserSettings& settings,
                          const std::function<QString(const QString&)>& keyOf) {
    LetterheadLines lines;
    lines.name = core::leadingCharacters(plainLine(settings.value(keyOf(kNameKey)).toString()),
                                         kPractitionerNameLimit);
    const int count = qBound(0, settings.value(keyOf(kContactCountKey), 0).toInt(), kContactLines);
    for (int i = 0; i < count; ++i) {
        lines.contacts << core::leadingCharacters(
            plainLine(settings.value(keyOf(contactKey(i))).toString()), kContactLimit);
    }
    return lines;
}

void saveLines(std::vector<std::pair<QString, QVariant>>& values, const LetterheadLines& lines,
               const std::function<QString(const QString&)>& keyOf) {
    values.emplace_back(keyOf(kNameKey), lines.name);
    values.emplace_back(keyOf(kContactCountKey), lines.contacts.size());
    for (qsizetype i = 0; i < lines.contacts.size(); ++i) {
        values.emplace_back(keyOf(contactKey(i)), lines.contacts[i]);
    }
}

const auto kMainKey = [](const QString& key) { return key; };

// The lines as a page prints them: one plain line each, empty contacts left out.
LetterheadLines pageLines(const LetterheadLines& kept) {
    LetterheadLines lines;
    lines.name = plainLine(kept.name);
    for (const QString& contact : kept.contacts) {
        const QString line = plainLine(contact);
        if (!line.trimmed().isEmpty() && lines.contacts.size() < kContactLines) {
            lines.contacts << line;
        }
    }
    return lines;
}

}  // namespace

bool LetterheadLines::isEmpty() const {
    return name.trimmed().isEmpty() &&
           std::all_of(contacts.begin(), contacts.end(),
                       [](const QString& line) { return line.trimmed().isEmpty(); });
}

Letterhead Letterhead::forLanguage(core::ReportLanguage language) const {
    Letterhead page = *this;
    const LetterheadLines& own = byLanguage[static_cast<std::size_t>(language)];
    // Each part the language leaves empty is the main one's: a name written
    // in Latin letters for English pages keeps the phone under it.
    if (!own.name.trimmed().isEmpty()) {
        page.name = own.name;
    }
    if (!LetterheadLines{{}, own.contacts}.isEmpty()) {
        page.contacts = own.contacts;
    }
    return page;
}

LetterheadSettings loadLetterhead(const platform::UserSettings& settings) {
    LetterheadSettings letterhead;
    letterhead.enabled = settings.value(kEnabledKey, false).toBool();
    const LetterheadLines main = loadLines(settings, kMainKey);
    letterhead.name = main.name;
    letterhead.contacts = main.contacts;
    for (std::size_t k = 0; k < letterhead.byLanguage.size(); ++k) {
        const auto language = static_cast<core::ReportLanguage>(k);
        letterhead.byLanguage[k] = loadLines(
            settings, [language](const QString& key) { return languageKey(language, key); });
    }
    letterhead.logoFile = settings.value(kLogoKey).toString();
    return letterhead;
}

void saveLetterhead(platform::UserSettings& settings, const LetterheadSettings& letterhead) {
    std::vector<std::pair<QString, QVariant>> values{{kEnabledKey, letterhead.enabled},
                                                     {kLogoKey, letterhead.logoFile}};
    saveLines(values, {letterhead.name, letterhead.contacts}, kMainKey);
    for (std::size_t k = 0; k < letterhead.byLanguage.size(); ++k) {
        const auto language = static_cast<core::ReportLanguage>(k);
        saveLines(values, letterhead.byLanguage[k],
                  [language](const QString& key) { return languageKey(language, key); });
    }
    settings.setValues(values);
}

Logo readLogo(const QString& path, int side) {
    if (!QFileInfo::exists(path)) {
        return {
            {},
            QCoreApplication::translate(
                "print::Letterhead", "Файл логотипа «%1» не найден: его переместили или удалили.")
                .arg(shown(path)),
            {}};
    }
    // Read without waiting, and only a regular file: a FIFO would never answer.
    std::variant<QByteArray, platform::Refusal> bytes =
        platform::readSmallFile(path, kLogoMaxBytes);
    if (const auto* refused = std::get_if<platform::Refusal>(&bytes)) {
        return {{},
                QCoreApplication::translate("print::Letterhead",
                                            "Не удалось прочитать файл логотипа «%1»: %2.")
                    .arg(shown(path), refused->reason),
                {}};
    }
    LogoPicture picture = decodeLogo(std::get<QByteArray>(bytes), shown(path), side);
    return {std::move(picture.image), std::move(picture.problem), std::move(picture.kept)};
}

Logo readKeptLogo(QString* path, int side) {
    const QString copy = storedLogoPath();
    if (path->isEmpty() || copy.isEmpty() || QDir::cleanPath(*path) != copy) {
        return readLogo(*path, side);
    }
    const platform::PathKind kind = platform::inspectPath(copy).kind;
    Logo logo = kind == platform::PathKind::SymbolicLink
                    ? Logo{{},
                           QCoreApplication::translate(
                               "print::Letterhead",
                               "Копия логотипа «%1» — символическая ссылка, а не файл "
                               "программы.")
                               .arg(shown(copy)),
                           {}}
                    : readLogo(copy, side);
    if (logo.problem.isEmpty() || kind == platform::PathKind::Missing) {
        return logo;
    }
    // Renaming takes the name itself away, a link as well as a file.
    const QString aside = copy + kSetAsideSuffix;
    if (platform::replaceFile(copy, aside) != 0) {
        return logo;
    }
    platform::UserSettings settings = platform::userSettings();
    settings.setValue(kLogoKey, QString());
    path->clear();
    logo.problem =
        QCoreApplication::translate("print::Letterhead",
                                    "%1 Программа отложила эту копию в «%2»; выберите логотип "
                                    "заново в «Бланк отчёта…».")
            .arg(logo.problem, shown(aside));
    return logo;
}

QString storeLetterhead(platform::UserSettings& settings, LetterheadSettings& letterhead,
                        const QByteArray& newLogo) {
    const QString copy = storedLogoPath();
    const QString staged = copy + kStagedSuffix;
    if (!newLogo.isEmpty()) {
        if (const QString problem = stageLogo(copy, staged, newLogo); !problem.isEmpty()) {
            return problem;
        }
        letterhead.logoFile = copy;
    }
    saveLetterhead(settings, letterhead);
    if (!settings.problem().isEmpty()) {
        if (!newLogo.isEmpty()) {
            QFile::remove(staged);
        }
        return settings.problem();
    }
    if (!newLogo.isEmpty()) {
        // The replace step takes the name itself, a link too.
        if (const int failed = platform::replaceFile(staged, copy); failed != 0) {
            QFile::remove(staged);
            return platform::writeFailedMessage(copy, platform::systemReason(failed));
        }
    } else if (letterhead.logoFile.isEmpty() && !copy.isEmpty()) {
        platform::removeName(copy);
    }
    return {};
}

namespace {

std::optional<Letterhead> pageLetterhead(const LetterheadSettings& settings,
                                         const std::function<Logo()>& readLogoFile,
                                         QString* logoProblem) {
    if (!settings.enabled) {
        return std::nullopt;
    }
    Letterhead letterhead;
    const LetterheadLines main = pageLines({settings.name, settings.contacts});
    letterhead.name = main.name;
    letterhead.contacts = main.contacts;
    for (std::size_t k = 0; k < letterhead.byLanguage.size(); ++k) {
        letterhead.byLanguage[k] = pageLines(settings.byLanguage[k]);
    }
    if (!settings.logoFile.isEmpty()) {
        Logo logo = readLogoFile();
        letterhead.logo = std::move(logo.image);
        if (logoProblem != nullptr) {
            *logoProblem = logo.problem;
        }
    }
    return letterhead;
}

}  // namespace

std::optional<Letterhead> letterheadForPage(const LetterheadSettings& settings,
                                            QString* logoProblem) {
    return pageLetterhead(
        settings, [&settings] { return readLogo(settings.logoFile); }, logoProblem);
}

std::optional<Letterhead> keptLetterheadForPage(QString* logoProblem) {
    LetterheadSettings kept = loadLetterhead(platform::userSettings());
    return pageLetterhead(
        kept, [&kept] { return readKeptLogo(&kept.logoFile); }, logoProblem);
}

}  // namespace print
