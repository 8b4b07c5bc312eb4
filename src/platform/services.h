#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

class QSettings;

namespace platform {

enum class MessageIcon { Warning, Critical, Information };

// A modal message box; helpContext > 0 adds a Help button that opens the help
// file at that topic while the box stays open.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Warning;
    int helpContext = 0;
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

// Where the program keeps the user's choices (~/.config/zemtar/zemtar.conf).
QSettings userSettings();

// Installs Qt's Russian translation (Debian package qt6-translations-l10n) on
// the running application, so that Qt's own dialogs and buttons speak Russian.
// False when it is not installed; Qt then speaks English.
bool loadQtTranslation();

}  // namespace platform
