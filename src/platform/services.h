#pragma once

#include <QString>

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

}  // namespace platform
