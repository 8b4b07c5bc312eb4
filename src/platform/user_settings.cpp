#include "platform/user_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>

#include "platform/private_files.h"
#include "platform/reasons.h"
#include "platform/safe_file.h"

namespace platform {

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
    QFile file;
    const OpenedFile opened = openForReading(path, file, false);
    if (opened.code != 0) {
        return {QString(), opened.code == ENOENT ? QString() : systemReason(opened.code)};
    }
    if (!opened.regular) {
        return {QString(), QCoreApplication::translate("UserSettings", "это не обычный файл")};
    }
    if (opened.size > kMaxSettingsBytes) {
        return {QString(),
                QCoreApplication::translate(
                    "UserSettings", "файл больше %1 МБ, а настройки занимают несколько строк")
                    .arg(kMaxSettingsBytes >> 20)};
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes + 1);
    if (bytes.size() > kMaxSettingsBytes) {
        return {QString(), QCoreApplication::translate("UserSettings", "файл больше %1 МБ")
                               .arg(kMaxSettingsBytes >> 20)};
    }
    return {QString::fromUtf8(bytes), QString()};
}

// Why the settings file or its folder is something other than what the
// program makes there; empty when nothing is in the way.
QString settingsPlaceProblem(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const PathKind folderKind = inspectPath(folder).kind;
    if (folderKind == PathKind::SymbolicLink || folderKind == PathKind::File ||
        folderKind == PathKind::Other) {
        return QCoreApplication::translate("UserSettings",
                                           "папка %1 — символическая ссылка или не папка")
            .arg(QDir::toNativeSeparators(folder));
    }
    switch (inspectPath(path).kind) {
        case PathKind::SymbolicLink:
            return QCoreApplication::translate("UserSettings", "это символическая ссылка");
        case PathKind::Missing:
        case PathKind::File:
        case PathKind::Unreadable:
            return {};
        default:
            return QCoreApplication::translate("UserSettings", "это не обычный файл");
    }
}

}  // namespace

UserSettings::UserSettings(QString file) : UserSettings(std::move(file), true) {}

UserSettings UserSettings::readQuietly(QString file) {
    return UserSettings(std::move(file), false);
}

UserSettings::UserSettings(QString file, bool reportProblems) : file_(std::move(file)) {
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
        const QString sentence =
            QCoreApplication::translate("UserSettings", "Файл настроек %1 не используется: %2.")
                .arg(QDir::toNativeSeparators(file_), problem);
        if (reportProblems) {
            report(sentence);
        } else {
            problem_ = sentence;
        }
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
    const QString message = problem + u'\n' +
                            QCoreApplication::translate(
                                "UserSettings", "Выбор в меню действует до выхода из программы.");
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

}  // namespace platform
