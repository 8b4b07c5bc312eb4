#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The desktop's own mail program, handed a letter to show: the program never
// sends anything itself. The user reads the letter there, may change it, and
// sends it or not.
namespace platform {

// A letter as the mail program is to open it.
struct MailDraft {
    QStringList to;  // each checked by isMailAddress() before anything is handed over
    QString subject;
    QString body;
    QString attachment;  // an existing file, by its full path
};

enum class MailOutcome {
    HandedOver,      // the mail program has the letter
    Cancelled,       // the user closed the letter there without sending
    NoMailProgram,   // none is set up on this desktop
    AddressRefused,  // the mail program, or this program first, did not take an address
    Failed,          // anything else; the reason says what
};

struct MailResult {
    MailOutcome outcome = MailOutcome::Failed;
    QString reason;  // in the window's language, as the end of a sentence; empty when handed over
};

// Whether `address` has the plain form of an e-mail address, name@domain.tld:
// no blanks, quotes, brackets, commas or control characters, nothing a mail
// link or a command line would read as more than an address (never a leading
// «-»), at most 254 characters; letters of any alphabet are allowed.
bool isMailAddress(QStringView address);

// The arguments xdg-email is run with for `draft`, in order: its options
// first, the addresses last. xdg-email knows no «--»; an address is never
// taken for an option because only isMailAddress() ones reach it.
QStringList xdgEmailArguments(const MailDraft& draft);

// Hands `draft` to the desktop's mail program and waits until it has taken
// it: on Linux through xdg-email, on Windows through Simple MAPI with the
// letter shown before it goes. A draft with an address that is not
// isMailAddress() is refused before anything runs.
MailResult handToMailProgram(const MailDraft& draft);

}  // namespace platform
