#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "platform/help_document.h"
#include "platform/services.h"

class QPushButton;
class QTextBrowser;

namespace platform {

// The help file's bare name; it lies beside the program.
QString helpFileName();

// The help file beside the program: programDirectory() followed by helpFileName().
QString defaultHelpFile();

// The help in `language` beside the program (ZKalvex.uk.hlp, ZKalvex.en.hlp),
// the Russian one for Russian and where that language's file is missing.
QString helpFileIn(const QString& language);

// The anchor of a topic context in the help file; the contents for an unknown context.
QString topicAnchor(int context);

// The topic context of an aspect's description, for its digit 1 to 9.
int aspectTopic(int digit);

// The topic context of the comparison of two people.
inline constexpr int kCompareHelpTopic = 90;
// The topic context of the practitioner's own texts.
inline constexpr int kTextsHelpTopic = 91;

// The help window: one rich-text document with a contents page and topics,
// Back and Contents buttons above it. Links move within the document; web
// and mail addresses go to the desktop; nothing else is followed, and the
// document may use pictures and style sheets from its own folder only.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Loads the help file. False, and nothing changes, when the file cannot be
    // read, is not a regular file of at most kMaxHelpFileBytes, is not this
    // program's help, or would take more than the limits above to show.
    bool openFile(const QString& path);
    QString file() const { return file_; }

    void showContents();
    void showTopic(int context);

    // The anchor the reader was last sent to (empty before the first one).
    QString currentAnchor() const;

    QTextBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* contentsButton() const { return contents_; }

    // Where web and mail links go; the desktop's browser or mail program unless
    // set otherwise.
    void setExternalOpener(std::function<void(const QUrl&)> open) {
        openExternal_ = std::move(open);
    }

private:
    void go(const QString& anchor);
    void follow(const QUrl& link);

    QString file_;
    std::function<void(const QUrl&)> openExternal_;
    bool newFile_ = false;  // loaded by the next go()
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* contents_;
};

// Runs one help command on the program's single help window. Contents and
// Context open the window (creating it on first use, placed beside `near`) on the
// file `path`; Quit closes it. False when the file cannot be read: then no window
// is shown and the caller tells the user.
bool runHelp(const QString& path, HelpCommand command, int context, QWidget* near = nullptr);

// The program's help window while it is open, otherwise null.
HelpViewer* helpViewer();

// Why the help file cannot be shown, in words for the user; empty when it can.
QString helpFileProblem(const QString& path);

// The message for a help file that cannot be shown, with the reason.
Message missingHelpMessage(const QString& path);

}  // namespace platform
