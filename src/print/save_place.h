#pragma once

#include <QString>

#include "core/client_names.h"
#include "core/group.h"

// Where the program's save dialogs start and the names they suggest.
namespace print {

// The kinds of file the user saves; each kind starts where its last file went.
enum class SavedFile { ReportPdf, ManyReportsPdf, ComparisonPdf, Picture, BookCsv, BookCopy };

// The folder the last file of this kind was saved in, kept in the user's
// settings, while it is still a folder; the user's documents folder before
// the first and after it has gone.
QString lastSaveFolder(SavedFile kind);
// Remembers the folder of `savedPath`, a file just written, for the next one.
void rememberSaveFolder(SavedFile kind, const QString& savedPath);

// "Прогноз - Иванова Мария - 23.08.1975.pdf": the surname and the first name
// as typed, the date of birth; a part that is empty is left out. Characters
// no file name may hold, or that would lead into another folder, become
// underscores. `suffix` without its dot.
QString suggestedFileName(const core::ClientNames& client, const core::BirthDate& born,
                          const QString& suffix);

// "<what> - Иванова Мария - 23.08.1975.pdf", `what` as given (the name of a
// document in the client's language), cleaned as suggestedFileName() does.
QString documentFileName(const QString& what, const core::ClientNames& client,
                         const core::BirthDate& born, const QString& suffix);

// The report's file name in the folder the last report went to.
QString suggestedPdfPath(const core::ClientNames& client, const core::BirthDate& born);

// "Подробный отчёт - Иванова Мария - 23.08.1975.pdf" in the same folder: a
// booklet is never named as the one-page report.
QString suggestedBookletPath(const core::ClientNames& client, const core::BirthDate& born);

// "Поворотные годы - Иванова Мария - 23.08.1975.ics", the client's calendar of
// turning years, in the folder the book's last file went to.
QString suggestedCalendarPath(const core::ClientNames& client, const core::BirthDate& born);

// "Сравнение - Иванова Мария 23.08.1975 и Волков Игорь 11.03.1972.pdf" (the
// surname and the first name, when there are any) for two people, "Вместе -
// Иванова, Волков, 12.12.2005.pdf" (each one's surname, else the first name,
// else the date) for more, in the folder the last such page went to.
QString suggestedGroupPath(const core::Group& group);

}  // namespace print
