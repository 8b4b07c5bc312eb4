#include "ui/dialogs/messenger_card_file.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include "core/program_info.h"
#include "platform/file_dialogs.h"
#include "platform/page_output.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "print/letterhead.h"
#include "print/messenger_card.h"
#include "print/save_place.h"

namespace ui {

QString askCardFile(QWidget* parent, const QString& suggested) {
    return platform::askSaveFileName(
        parent,
        QCoreApplication::translate("ui::MessengerCard", "Сохранить карточку для мессенджера"),
        QCoreApplication::translate("ui::MessengerCard", "Изображение PNG (*.png)"),
        QStringLiteral("png"), suggested);
}

bool saveMessengerCard(QWidget* parent, platform::Services& services,
                       const core::Forecast& forecast, const core::Person& person,
                       const CardSaving& saving) {
    const QString suggested =
        QDir(print::lastSaveFolder(print::SavedFile::Picture))
            .filePath(QCoreApplication::translate("ui::MessengerCard", "Карточка - %1")
                          .arg(print::suggestedFileName(person.names, forecast.date,
                                                        QStringLiteral("png"))));
    const QString file = saving.askFile ? saving.askFile(parent, suggested) : QString();
    if (file.isEmpty()) {
        return false;
    }
    const platform::TextStore::Loaded texts =
        platform::TextStore::inDataFolder().load(core::languageCode(person.language));
    QString logoProblem;
    const std::optional<print::Letterhead> letterhead = print::keptLetterheadForPage(&logoProblem);
    const QImage card =
        print::MessengerCard(forecast, person, texts.library, saving.thisYear, letterhead).image();
    // On the clipboard first: a card that cannot be saved can still be pasted
    // into a messenger.
    QGuiApplication::clipboard()->setImage(card);
    const QString problem = platform::writeImage(card, file);
    QString text = problem.isEmpty()
                       ? QCoreApplication::translate(
                             "ui::MessengerCard",
                             "Карточка сохранена в файл «%1» и скопирована в буфер обмена.")
                             .arg(QDir::toNativeSeparators(file))
                       : problem + QStringLiteral("\n\n") +
                             QCoreApplication::translate("ui::MessengerCard",
                                                         "Карточка скопирована в буфер обмена.");
    for (const QString& note : {texts.problem, logoProblem}) {
        if (!note.isEmpty()) {
            text += QStringLiteral("\n\n") + note;
        }
    }
    services.message(parent, {text, info::programName(),
                              problem.isEmpty() ? platform::MessageIcon::Information
                                                : platform::MessageIcon::Critical,
                              0});
    if (!problem.isEmpty()) {
        return false;
    }
    print::rememberSaveFolder(print::SavedFile::Picture, file);
    return true;
}

}  // namespace ui
