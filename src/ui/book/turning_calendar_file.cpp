#include "ui/book/turning_calendar_file.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QIODevice>

#include "core/program_info.h"
#include "core/turning_calendar.h"
#include "platform/file_dialogs.h"
#include "platform/safe_file.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "print/save_place.h"

namespace ui {

namespace {

void tell(QWidget* parent, platform::Services& services, const QString& text,
          platform::MessageIcon icon) {
    services.message(parent, {text, info::programName(), icon, 0});
}

}  // namespace

QString askCalendarFile(QWidget* parent, const QString& suggested) {
    return platform::askSaveFileName(
        parent, QCoreApplication::translate("ui::TurningCalendar", "Календарь поворотных лет"),
        QCoreApplication::translate("ui::TurningCalendar", "Календарь iCalendar (*.ics)"),
        QStringLiteral("ics"), suggested);
}

bool saveTurningCalendar(QWidget* parent, platform::Services& services, const core::Person& person,
                         const CalendarSaving& saving) {
    const core::Calculation calculated = core::calculate(person.birthDate);
    if (const auto* refusal = std::get_if<core::Refusal>(&calculated)) {
        tell(parent, services,
             QCoreApplication::translate("ui::TurningCalendar", "Календарь не составлен: %1")
                 .arg(refusal->text),
             platform::MessageIcon::Warning);
        return false;
    }
    const core::Forecast& forecast = std::get<core::Forecast>(calculated);
    const platform::TextStore::Loaded texts =
        platform::TextStore::inDataFolder().load(core::languageCode(person.language));
    const core::CalendarRequest request{
        person, saving.thisYear > 0 ? saving.thisYear : QDate::currentDate().year(),
        core::kTurnChangeDefault, QDateTime::currentDateTimeUtc()};
    const core::Calendar calendar = core::turningCalendar(request, forecast, texts.library);
    if (calendar.events == 0) {
        tell(parent, services, core::emptyCalendarReason(request, forecast),
             platform::MessageIcon::Information);
        return false;
    }
    const QString suggested = print::suggestedCalendarPath(person.names, person.birthDate);
    const QString file = saving.askFile ? saving.askFile(parent, suggested) : QString();
    if (file.isEmpty()) {
        return false;
    }
    const QString problem = platform::writeFileAtomically(
        file, [&](QIODevice& out) { return out.write(calendar.text) == calendar.text.size(); });
    if (!problem.isEmpty()) {
        tell(parent, services, problem, platform::MessageIcon::Critical);
        return false;
    }
    print::rememberSaveFolder(print::SavedFile::BookCsv, file);
    QString text =
        QCoreApplication::translate("ui::TurningCalendar",
                                    "Календарь поворотных лет сохранён в файл «%1»: событий %2.")
            .arg(QDir::toNativeSeparators(file), QString::number(calendar.events));
    if (!texts.problem.isEmpty()) {
        text += QStringLiteral("\n\n") + texts.problem;
    }
    tell(parent, services, text, platform::MessageIcon::Information);
    return true;
}

}  // namespace ui
