#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/forecast.h"
#include "core/person.h"
#include "print/delivery.h"
#include "print/letterhead.h"
#include "print/page_composer.h"

class QPrinter;

namespace platform {
class PrinterPage;
}

namespace print {

// One page of a run of reports: the forecast and whose it is (the person's
// language is the page's words; their gender and address reach a booklet).
struct ReportPage {
    core::Forecast forecast;
    core::Person person;
};

// Where a run of reports stands after a page: hand out the next page, the
// list has ended, or the user stopped the run.
enum class NextPage { Page, End, Stop };
// Fills `page` with the next report and says Page, or says End or Stop. It is
// asked once before every page, so it is also where a run is shown and stopped.
using PageSource = std::function<NextPage(ReportPage& page)>;

// What a run of reports did.
using ManyResult = PagesResult;

// One single-client report per page the source hands out, each exactly as
// printReport makes it: the run of reports as a document for the print
// delivery. It cannot start over, so it is not for the preview.
class ReportsComposer : public PageComposer {
public:
    // `suggestedPath` is the file the chooser offers.
    explicit ReportsComposer(PageSource next, QString suggestedPath = {});

    DocumentFacts facts() const override;
    Step composePage(platform::PrinterPage& page, const PageContext& context) override;
    QString failureNote() const override { return note_ ? note_() : QString(); }

    // While the source is asked for a page: tells the delivery the run has
    // come to `done` of `total`; false once the user has stopped it.
    bool progress(int done, int total) const;
    // What is said under a failure message.
    void setFailureNote(std::function<QString()> note) { note_ = std::move(note); }

private:
    PageSource next_;
    QString suggestedPath_;
    std::function<QString()> note_;
    const PageContext* context_ = nullptr;
};

// The reports as one PDF file of one page each, written whole or not at all:
// a stopped run, a failure or a list without a single page leaves no file and
// an existing one as it was. Pages are composed and written one at a time, so
// memory stays flat however long the list.
ManyResult writeReportsPdf(const QString& path, const PageSource& next, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead);

// The reports as one print job of one page each. A stopped or failed run
// aborts the job: no page after the stop reaches the printer.
ManyResult printReports(QPrinter& printer, const PageSource& next, const QDateTime& madeAt,
                        const std::optional<Letterhead>& letterhead);

// A client's date of birth as the book keeps it, which may be out of range:
// their forecast, or the reason in Russian why the date has none.
std::optional<core::Forecast> forecastFor(const core::BirthDate& born, QString* reason);

}  // namespace print
