#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "core/booklet.h"
#include "core/person.h"
#include "core/text_library.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace platform {
class Services;
}
namespace print {
class LanguageBox;
class PersonFields;
}  // namespace print

namespace ui {

// What a booklet is made of, as the dialog and the book's run choose it.
struct BookletOptions {
    core::BookletChoice choice;
    bool letterhead = false;  // the practitioner's letterhead on every page
    // The booklet's words and texts: the client's language, or the last one used.
    core::ReportLanguage language = core::ReportLanguage::Russian;
    // The client's life events on the first page's curve: chosen each time,
    // never remembered, as only some clients want them shown.
    bool markEvents = false;
};

// The choices the user made last time (every section and ten years, the
// letterhead as «Бланк отчёта» keeps it, until then), and keeping them.
BookletOptions rememberedBookletOptions();
void rememberBookletOptions(const BookletOptions& options);

// The sections and span `options` chose, for a booklet made on `day`.
core::BookletChoice bookletChoiceOn(const BookletOptions& options, const QDate& day);

// The practitioner's texts in `language`, with the program's own where their
// file cannot be read whole: `warn` hears why.
core::TextLibrary practitionerTexts(core::ReportLanguage language,
                                    const std::function<void(const QString&)>& warn);

// «Подробный отчёт»: the client (names, gender and form of address, as the
// card enters them), the report language, the sections, the span of the
// outlook and the letterhead; «Печать», «Просмотр» and «Сохранить в PDF…»
// close it with the target in result() (1, 2, 3), «Отмена» with 0. The
// choices are remembered on every target, never on «Отмена».
class BookletDialog : public QDialog {
    Q_OBJECT

public:
    enum Target { Cancelled = 0, Printout = 1, Preview = 2, PdfFile = 3 };

    BookletDialog(platform::Services& services, const core::Person& person,
                  QWidget* parent = nullptr,
                  std::optional<core::ReportLanguage> language = std::nullopt);

    // The person as entered, in the report language chosen.
    core::Person person() const;
    BookletOptions options() const;

    // The surname (0), the first name (1) and the patronymic (2).
    QLineEdit* nameBox(int i) const;
    print::PersonFields* personFields() const { return person_; }
    QCheckBox* sectionBox(int i) const { return sections_.at(std::size_t(i)); }
    QSpinBox* spanBox() const { return span_; }
    QCheckBox* letterheadBox() const { return letterhead_; }
    print::LanguageBox* languageBox() const { return language_; }
    QCheckBox* eventsBox() const { return events_; }

    // The client has life events that the first page may show: the box that
    // chooses them becomes available (it starts off either way).
    void offerEvents(bool clientHasEvents);

private:
    void finish(Target target);

    platform::Services& services_;
    print::PersonFields* person_ = nullptr;
    std::array<QCheckBox*, 4> sections_{};
    QSpinBox* span_ = nullptr;
    QCheckBox* letterhead_ = nullptr;
    QCheckBox* events_ = nullptr;
    print::LanguageBox* language_ = nullptr;
};

}  // namespace ui
