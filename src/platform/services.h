#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace platform {

enum class MessageIcon { Warning, Critical, Information };

// A modal message box; helpContext > 0 adds a Help button that opens the help
// file at that topic while the box stays open.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Warning;
    int helpContext = 0;
    // The words of the system or library behind a failure (Reason::details),
    // behind the box's «Подробности» button; none when empty.
    QString details = QString();
};

enum class HelpCommand { Contents, Context, Quit };

// What the program asks of the desktop. The window talks only to this, so that
// tests and the command-line companion can record instead of block.
class Services {
public:
    virtual ~Services() = default;
    virtual void message(QWidget* parent, const Message& message) = 0;
    virtual void help(QWidget* parent, HelpCommand command, int context = 0) = 0;
    // Opens an address with the desktop's default application; failures are ignored.
    virtual void openAddress(const QString& address) = 0;
};

// Keeps every request and shows nothing.
class RecordingServices : public Services {
public:
    void message(QWidget* /*parent*/, const Message& m) override { messages.push_back(m); }
    void help(QWidget* /*parent*/, HelpCommand command, int context) override {
        helpCalls.emplace_back(command, context);
    }
    void openAddress(const QString& address) override { addresses.push_back(address); }

    std::vector<Message> messages;
    std::vector<std::pair<HelpCommand, int>> helpCalls;
    std::vector<QString> addresses;
};

// The real desktop: Qt message boxes, the help viewer, the default browser.
class DesktopServices : public Services {
public:
    // helpFile: the help file to show; empty means the one beside the program.
    explicit DesktopServices(QString helpFile = QString());

    void message(QWidget* parent, const Message& message) override;
    // A help file that cannot be read is reported through message().
    void help(QWidget* parent, HelpCommand command, int context) override;
    void openAddress(const QString& address) override;

private:
    QString helpFile_;
};

// The directory the program's executable lies in, where its help and media files are.
QString programDirectory();

// The user's choices (a few switches) in a small text file of sections and
// key=value lines, keys like "print/rememberClient". The file is read when the
// object is made and written whole on every change; a value reads back
// exactly as it was given, blanks and quotes included. A file that is a symbolic
// link, not a regular file, larger than kMaxSettingsBytes or unreadable is
// not used, nor written over; a file that cannot be written keeps its old
// text. Either is reported once per run (setSettingsReporter), and the choices
// then last until the program ends.
class UserSettings {
public:
    explicit UserSettings(QString file);

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    // Several values written to the file at once: all of them or none.
    void setValues(const std::vector<std::pair<QString, QVariant>>& values);

    // Why the file is not used or was not written, a Russian sentence naming
    // the file; empty when all is well.
    QString problem() const { return problem_; }
    QString fileName() const { return file_; }

private:
    void report(const QString& problem);

    QString file_;
    QMap<QString, QString> values_;
    QString problem_;
    bool ignored_ = false;  // not read, so never written over
};

inline constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// The user's choices from userSettingsFile().
UserSettings userSettings();

// ~/.config/zemtar/zemtar.conf (the desktop's configuration folder), unless
// set otherwise; tests keep theirs in a folder of their own.
QString userSettingsFile();
void setUserSettingsFile(const QString& path);

// Where the one report per run about the settings file goes; without one it
// goes to the standard error.
void setSettingsReporter(std::function<void(const QString& message)> report);

// Installs Qt's Russian translation (Debian package qt6-translations-l10n) on
// the running application, so that Qt's own dialogs and buttons speak Russian.
// False when it is not installed; Qt then speaks English.
bool loadQtTranslation();

}  // namespace platform
