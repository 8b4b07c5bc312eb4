#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/forecast.h"
#include "core/mail_text.h"
#include "core/person.h"
#include "core/report_kind.h"
#include "platform/mail_program.h"

class QWidget;

namespace platform {
class Services;
enum class MessageIcon;
}  // namespace platform

namespace ui {

// Whom a document goes to: the person as the card holds them and the card's
// e-mail address.
struct MailRecipient {
    core::Person person;
    QString email;
};

// «Отправить клиенту…»: asks which document, makes it as PDF in the client's
// report language with the practitioner's letterhead, through the print
// delivery, and hands it to the desktop's mail program with the client's
// address, a short letter in the same language and the file attached. The
// program sends nothing itself: the practitioner sees the letter in their
// mail program and sends it from there.
//
// The file goes into a folder of its own in the user's documents
// («Отправленные клиентам»), never into a temporary one: a mail program may
// read an attachment only when the letter is sent, long after it was handed
// over, and the practitioner keeps what went to whom. A file of the same
// name already there is kept (it may be attached to a letter not sent yet):
// the new one is numbered.
class SendToClient {
    Q_DECLARE_TR_FUNCTIONS(ui::SendToClient)

public:
    SendToClient(platform::Services& services, QWidget* parent);

    // Which document to attach; nothing when the user cancelled. By default
    // the dialog of send_dialog.h.
    using AskDocument =
        std::function<std::optional<core::MailDocument>(QWidget* parent, const MailRecipient&)>;
    void setAskDocument(AskDocument ask) { ask_ = std::move(ask); }
    // The hand-over to the mail program; platform::handToMailProgram by default.
    using HandOver = std::function<platform::MailResult(const platform::MailDraft&)>;
    void setHandOver(HandOver handOver) { handOver_ = std::move(handOver); }
    // The folder the files go to; defaultFolder() unless set.
    void setFolder(QString folder) { folder_ = std::move(folder); }
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    // The documents folder's «Отправленные клиентам».
    static QString defaultFolder();
    // Why no letter can go to `to`, told before anything is made: no address
    // on the card, or one that is not an e-mail address. Empty when it can.
    static QString addressProblem(const MailRecipient& to);

    // What was made for the client: the kind the book records and the file.
    struct Made {
        core::ReportKind kind = core::ReportKind::Pdf;
        QString file;
    };
    // The whole command for `to`, whose forecast is `forecast`: every
    // failure is told in a message. The file made, when one was (whatever
    // the mail program did with it afterwards), so that the client's
    // history records it; nothing when nothing was made.
    std::optional<Made> send(const MailRecipient& to, const core::Forecast& forecast);

private:
    // Makes the document in `path`; false when it was not (the delivery told why).
    bool make(core::MailDocument document, const MailRecipient& to, const core::Forecast& forecast,
              const QString& path, QDateTime now);
    // Says what the mail program did with the letter, and where the file is.
    void tellResult(const platform::MailResult& result, const MailRecipient& to,
                    const QString& file);
    void tell(const QString& text, platform::MessageIcon icon);

    platform::Services& services_;
    QWidget* parent_;
    AskDocument ask_;
    HandOver handOver_;
    QString folder_;
    std::function<QDateTime()> clock_;
};

// The dialog that asks which document goes to `to` (send_dialog.cpp).
std::optional<core::MailDocument> askMailDocument(QWidget* parent, const MailRecipient& to);

}  // namespace ui
