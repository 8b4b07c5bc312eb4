#include "platform/services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

#include "platform/help_viewer.h"
#include "platform/safe_file.h"

namespace platform {

namespace {

// The details behind a button of the box's own, named in Russian whether or
// not Qt's translation is installed; Qt's button renames itself on each click.
void showDetailsOnRequest(QMessageBox& box, const QString& details) {
    box.setDetailedText(details);
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) != QMessageBox::ActionRole) {
            continue;
        }
        const auto shown = std::make_shared<bool>(false);
        button->setText(QStringLiteral("Подробности…"));
        // Queued: Qt renames its button after the click's other slots.
        QObject::connect(
            button, &QAbstractButton::clicked, button,
            [button, shown] {
                *shown = !*shown;
                button->setText(*shown ? QStringLiteral("Скрыть подробности")
                                       : QStringLiteral("Подробности…"));
            },
            Qt::QueuedConnection);
    }
}

}  // namespace

DesktopServices::DesktopServices(QString helpFile) : helpFile_(std::move(helpFile)) {}

void DesktopServices::message(QWidget* parent, const Message& m) {
    QMessageBox box(parent);
    box.setWindowTitle(m.title);
    // Texts carry file names and reasons from outside the program: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(m.text);
    switch (m.icon) {
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    // The button's own text, not Qt's translation of it, so that the
    // program's boxes look the same with or without Qt's Russian.
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    if (!m.details.isEmpty()) {
        showDetailsOnRequest(box, m.details);
    }
    if (m.helpContext > 0) {
        QPushButton* helpButton = box.addButton(QStringLiteral("Справка"), QMessageBox::HelpRole);
        // Help opens the topic and leaves the box open: take the button's click
        // away from the box, which would close on it.
        QObject::disconnect(helpButton, &QAbstractButton::clicked, nullptr, nullptr);
        const int context = m.helpContext;
        QObject::connect(helpButton, &QPushButton::clicked, &box,
                         [this, parent, context] { help(parent, HelpCommand::Context, context); });
        // The help window has to take clicks while the box waits for its OK, so
        // the box holds back only its own window, not the whole program.
        if (parent) {
            box.setWindowModality(Qt::WindowModal);
        }
    }
    box.exec();
}

void DesktopServices::help(QWidget* parent, HelpCommand command, int context) {
    const QString file = helpFile_.isEmpty() ? defaultHelpFile() : helpFile_;
    if (!runHelp(file, command, context, parent)) {
        message(parent, missingHelpMessage(file));
    }
}

void DesktopServices::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

namespace {

QString& settingsFileOverride() {
    static QString path;
    return path;
}

std::function<void(const QString&)>& settingsReporter() {
    static std::function<void(const QString&)> report;
    return report;
}

// The choices of a file that is not used or not written, kept for the rest
// of the run; and whether its problem was told already.
struct SessionChoices {
    QMap<QString, QString> values;
    bool reported = false;
};

SessionChoices& sessionChoices(const QString& file) {
    static std::map<QString, SessionChoices> sessions;
    return sessions[file];
}

// The key as the file writes it: its section and the name within it.
std::pair<QString, QString> splitKey(const QString& key) {
    const qsizetype slash = key.lastIndexOf(u'/');
    return slash < 0 ? std::pair(QStringLiteral("General"), key)
                     : std::pair(key.left(slash), key.mid(slash + 1));
}

// A value as the file holds it. Blanks at either end, a leading quote, line
// breaks and other control characters would be lost or would break the line,
// so such a value is written in quotes with backslash escapes; any other value
// is written as it is, as a person editing the file would write it.
QString quoted(const QString& value) {
    const bool plain = value.isEmpty() || (!value.front().isSpace() && !value.back().isSpace() &&
                                           !value.startsWith(u'"') &&
                                           std::none_of(value.cbegin(), value.cend(), [](QChar c) {
                                               return c.category() == QChar::Other_Control;
                                           }));
    if (plain) {
        return value;
    }
    QString text = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == u'"' || c == u'\\') {
            text += u'\\';
            text += c;
        } else if (c == u'\n') {
            text += QStringLiteral("\\n");
        } else if (c.category() == QChar::Other_Control) {
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            text += c;
        }
    }
    return text + u'"';
}

// The value written by quoted(); a value in quotes written by hand loses its
// quotes, as it always did.
QString unquoted(const QString& text) {
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"')) {
        return text;
    }
    QString value;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 >= text.size() - 1) {
            value += c;
            continue;
        }
        const QChar next = text[++i];
        bool hex = false;
        const ushort code = next == u'u' ? text.mid(i + 1, 4).toUShort(&hex, 16) : 0;
        if (hex) {
            value += QChar(code);
            i += 4;
        } else {
            value += next == u'n' ? QChar(u'\n') : next;
        }
    }
    return value;
}

QMap<QString, QString> parseSettings(const QString& text) {
    QMap<QString, QString> values;
    QString section;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') || equals <= 0) {
            continue;
        }
        const QString name = line.left(equals).trimmed();
        values.insert(section.isEmpty() || section == u"General" ? name : section + u'/' + name,
                      unquoted(line.mid(equals + 1).trimmed()));
    }
    return values;
}

QByteArray formatSettings(const QMap<QString, QString>& values) {
    std::map<QString, QString> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto [section, name] = splitKey(it.key());
        sections[section] += name + u'=' + quoted(it.value()) + u'\n';
    }
    QString text;
    for (const auto& [section, lines] : sections) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + u'[' + section +
                QStringLiteral("]\n") + lines;
    }
    return text.toUtf8();
}

// The text of the settings file; empty for a file not yet made. A reason in
// Russian when the file is not to be used: it is opened without following a
// symbolic link and without waiting on a FIFO, and its kind and size are
// checked on the open file.
std::pair<QString, QString> readSettingsFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {QString(), errno == ENOENT ? QString() : systemReason(errno)};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {QString(), QStringLiteral("это не обычный файл")};
    }
    if (st.st_size > kMaxSettingsBytes) {
        ::close(fd);
        return {QString(), QStringLiteral("файл больше %1 МБ, а настройки занимают несколько строк")
                               .arg(kMaxSettingsBytes >> 20)};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {QString(), QStringLiteral("файл не читается")};
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes + 1);
    if (bytes.size() > kMaxSettingsBytes) {
        return {QString(), QStringLiteral("файл больше %1 МБ").arg(kMaxSettingsBytes >> 20)};
    }
    return {QString::fromUtf8(bytes), QString()};
}

// Why the settings file or its folder is something other than what the
// program makes there; empty when nothing is in the way.
QString settingsPlaceProblem(const QString& path) {
    struct stat st {};
    const QString folder = QFileInfo(path).absolutePath();
    if (::lstat(QFile::encodeName(folder).constData(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        return QStringLiteral("папка %1 — символическая ссылка или не папка")
            .arg(QDir::toNativeSeparators(folder));
    }
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return S_ISLNK(st.st_mode) ? QStringLiteral("это символическая ссылка")
                                   : QStringLiteral("это не обычный файл");
    }
    return {};
}

}  // namespace

UserSettings::UserSettings(QString file) : file_(std::move(file)) {
    SessionChoices& session = sessionChoices(file_);
    QString problem = settingsPlaceProblem(file_);
    if (problem.isEmpty()) {
        auto [text, reason] = readSettingsFile(file_);
        problem = reason;
        values_ = parseSettings(text);
    }
    if (!problem.isEmpty()) {
        ignored_ = true;
        values_ = session.values;
        report(QStringLiteral("Файл настроек %1 не используется: %2.")
                   .arg(QDir::toNativeSeparators(file_), problem));
    }
}

QVariant UserSettings::value(const QString& key, const QVariant& fallback) const {
    const auto it = values_.constFind(key);
    return it == values_.cend() ? fallback : QVariant(*it);
}

void UserSettings::setValue(const QString& key, const QVariant& value) {
    setValues({{key, value}});
}

void UserSettings::setValues(const std::vector<std::pair<QString, QVariant>>& values) {
    SessionChoices& session = sessionChoices(file_);
    for (const auto& [key, value] : values) {
        values_.insert(key, value.toString());
        session.values.insert(key, value.toString());
    }
    if (ignored_) {
        return;
    }
    QString failure;
    if (const QString problem = settingsPlaceProblem(file_); !problem.isEmpty()) {
        failure = writeFailedMessage(file_, problem);
    } else {
        QDir().mkpath(QFileInfo(file_).absolutePath());
        const QByteArray bytes = formatSettings(values_);
        failure = writeFileAtomically(
            file_, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    }
    if (!failure.isEmpty()) {
        report(failure + u'.');
    }
}

void UserSettings::report(const QString& problem) {
    problem_ = problem;
    SessionChoices& session = sessionChoices(file_);
    if (session.reported) {
        return;
    }
    session.reported = true;
    const QString message =
        problem + QStringLiteral("\nВыбор в меню действует до выхода из программы.");
    if (settingsReporter()) {
        settingsReporter()(message);
    } else {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

QString userSettingsFile() {
    if (!settingsFileOverride().isEmpty()) {
        return settingsFileOverride();
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zemtar/zemtar.conf");
}

void setUserSettingsFile(const QString& path) {
    settingsFileOverride() = path;
}

void setSettingsReporter(std::function<void(const QString&)> report) {
    settingsReporter() = std::move(report);
}

UserSettings userSettings() {
    return UserSettings(userSettingsFile());
}

bool loadQtTranslation() {
    static QTranslator translator;
    static const bool loaded =
        translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator);
    return loaded;
}

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace platform
