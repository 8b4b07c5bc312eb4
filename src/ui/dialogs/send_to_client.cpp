#include "ui/dialogs/send_to_client.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include "core/address.h"
#include "core/booklet.h"
#include "core/program_info.h"
#include "platform/file_dialogs.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "print/booklet_pages.h"
#include "print/delivery.h"
#include "print/letterhead.h"
#include "print/print_job.h"
#include "print/save_place.h"
#include "ui/dialogs/booklet_dialog.h"

namespace ui {

namespace {

// The client as a message names them: their names, or their date when the
// card has none.
QString shownName(const core::Person& person) {
    const QString names = core::fullName(person.names);
    return names.isEmpty() ? core::numericDate(person.birthDate) : names;
}

// The name that signs the letter: the practitioner's, as their letterhead
// writes it for pages in `language`, while they print it; else none.
QString signature(core::ReportLanguage language) {
    const print::LetterheadSettings kept = print::loadLetterhead(platform::userSettings());
    if (!kept.enabled) {
        return {};
    }
    const print::Letterhead head{kept.name, kept.contacts, {}, kept.byLanguage};
    return head.forLanguage(language).name;
}

// `name` in `folder`, or «name (2).pdf», «name (3).pdf»… when that is taken.
QString freePath(const QDir& folder, const QString& name) {
    const QFileInfo file(name);
    QString path = folder.filePath(name);
    for (int k = 2; QFileInfo::exists(path); ++k) {
        path = folder.filePath(
            QStringLiteral("%1 (%2).%3").arg(file.completeBaseName()).arg(k).arg(file.suffix()));
    }
    return path;
}

}  // namespace

SendToClient::SendToClient(platform::Services& services, QWidget* parent)
    : services_(services),
      parent_(parent),
      ask_(askMailDocument),
      handOver_(platform::handToMailProgram) {}

QString SendToClient::defaultFolder() {
    return QDir(platform::documentsFolder()).filePath(tr("Отправленные клиентам"));
}

QString SendToClient::addressProblem(const MailRecipient& to) {
    const QString email = to.email.trimmed();
    if (email.isEmpty()) {
        return tr("В карточке клиента «%1» нет адреса электронной почты. Впишите его в карточку "
                  "(«Изменить…» в картотеке), и письмо можно будет подготовить.")
            .arg(shownName(to.person));
    }
    if (!platform::isMailAddress(email)) {
        return tr("«%1» в карточке клиента «%2» не похоже на адрес электронной почты (вида "
                  "имя@пример.com). Исправьте адрес в карточке («Изменить…» в картотеке).")
            .arg(email, shownName(to.person));
    }
    return {};
}

void SendToClient::tell(const QString& text, platform::MessageIcon icon) {
    services_.message(parent_, {text, tr("Отправить клиенту"), icon, 0});
}

std::optional<SendToClient::Made> SendToClient::send(const MailRecipient& to,
                                                     const core::Forecast& forecast) {
    if (const QString problem = addressProblem(to); !problem.isEmpty()) {
        tell(problem, platform::MessageIcon::Warning);
        return std::nullopt;
    }
    const std::optional<core::MailDocument> document = ask_ ? ask_(parent_, to) : std::nullopt;
    if (!document) {
        return std::nullopt;
    }
    const core::ReportLanguage language = to.person.language;
    const core::MailText letter =
        core::mailText(*document, language, core::addressOf(to.person), signature(language));
    const QDir folder(folder_.isEmpty() ? defaultFolder() : folder_);
    if (!folder.mkpath(QStringLiteral("."))) {
        tell(tr("Не удалось создать папку «%1» для файлов, отправленных клиентам.")
                 .arg(QDir::toNativeSeparators(folder.absolutePath())),
             platform::MessageIcon::Critical);
        return std::nullopt;
    }
    const QString path =
        freePath(folder, print::documentFileName(letter.fileTitle, to.person.names,
                                                 to.person.birthDate, QStringLiteral("pdf")));
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    if (!make(*document, to, forecast, path, now)) {
        return std::nullopt;  // nothing is handed over without its file
    }
    const platform::MailResult result =
        handOver_({{to.email.trimmed()}, letter.subject, letter.body, path});
    tellResult(result, to, path);
    return Made{*document == core::MailDocument::Booklet ? core::ReportKind::BookletPdf
                                                         : core::ReportKind::Pdf,
                path};
}

bool SendToClient::make(core::MailDocument document, const MailRecipient& to,
                        const core::Forecast& forecast, const QString& path, QDateTime now) {
    print::PrintDelivery delivery(services_, parent_);
    delivery.setClock([now] { return now; });
    if (document == core::MailDocument::Report) {
        print::OnePageComposer page =
            print::reportComposer(forecast, to.person.names, to.person.language);
        return delivery.deliverTo(page, path) == print::PrintDelivery::Outcome::Saved;
    }
    // The booklet as the booklet dialog last chose its sections, span and
    // letterhead, in the practitioner's texts of the client's language.
    const BookletOptions options = rememberedBookletOptions();
    if (!options.letterhead) {
        delivery.setLetterhead(std::nullopt);
    }
    const core::TextLibrary texts = practitionerTexts(
        to.person.language,
        [this](const QString& why) { tell(why, platform::MessageIcon::Warning); });
    print::BookletsComposer pages{print::BookletPages(
        core::makeBooklet(forecast, to.person, texts, bookletChoiceOn(options, now.date())))};
    return delivery.deliverTo(pages, path) == print::PrintDelivery::Outcome::Saved;
}

void SendToClient::tellResult(const platform::MailResult& result, const MailRecipient& to,
                              const QString& file) {
    const QString shownFile = QDir::toNativeSeparators(file);
    const QString folder = QFileInfo(file).absolutePath();
    const QString shownFolder = QDir::toNativeSeparators(folder);
    const QString email = to.email.trimmed();
    switch (result.outcome) {
        case platform::MailOutcome::HandedOver:
            tell(tr("Письмо для «%1» открыто в почтовой программе, файл приложен. Проверьте "
                    "письмо и отправьте его оттуда. Файл остаётся в папке «%2».")
                     .arg(shownName(to.person), shownFolder),
                 platform::MessageIcon::Information);
            return;
        case platform::MailOutcome::Cancelled:
            return;  // the user closed the letter in the mail program
        case platform::MailOutcome::NoMailProgram:
            services_.openAddress(QUrl::fromLocalFile(folder).toString());
            QGuiApplication::clipboard()->setText(email);
            tell(tr("Почтовая программа не открылась: %1. Поэтому открыта папка с файлом «%2», "
                    "а адрес %3 скопирован в буфер обмена: создайте письмо в своей почте, "
                    "вставьте адрес и приложите файл.")
                     .arg(result.reason, shownFile, email),
                 platform::MessageIcon::Warning);
            return;
        case platform::MailOutcome::AddressRefused:
            tell(tr("Почтовая программа не приняла адрес %1: %2. Проверьте адрес в карточке "
                    "клиента. Файл сохранён: «%3».")
                     .arg(email, result.reason, shownFile),
                 platform::MessageIcon::Warning);
            return;
        case platform::MailOutcome::Failed:
            break;
    }
    tell(tr("Не удалось передать письмо почтовой программе: %1. Файл сохранён: «%2».")
             .arg(result.reason, shownFile),
         platform::MessageIcon::Critical);
}

}  // namespace ui
