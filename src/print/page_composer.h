#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "print/letterhead.h"
#include "print/save_place.h"

namespace platform {
class PrinterPage;
}

// What goes to paper is written as a page composer: a document that draws its
// pages, one at a time, onto pages the delivery (print/delivery.h) hands it.
// The delivery takes the pages to the printer, the print preview or a PDF file
// and owns all the rest: the printer and its resolution, the file chooser and
// the folder it starts in, the progress dialog and its «Отмена», the letterhead
// and every failure message. The single report, the group page and the
// run of many reports are composers; so is anything printed later.
//
// Writing one:
//   - derive from PageComposer and take everything the pages show as values
//     in the constructor (a forecast, names, a list of clients);
//   - composePage() draws one page at the page's cursor and in its twips, the
//     page head through printPageHead() with context.letterhead, and says
//     Page; once the document is done it says End. It never calls endDoc():
//     the delivery ends and delivers the page;
//   - a document that knows its length before composing (a booklet that
//     lays its text out first, for «Страница k из n») says so in pageCount();
//     context.pageNumber and context.pageCount then give k and n;
//   - a long document tells how far it is through context.progress() before
//     each step of work and, when that returns false (the user stopped it),
//     says Stop: nothing of a stopped document reaches paper or a file;
//   - rewind() starts it over: the preview composes it once for the screen
//     and again for the printer chosen there;
//   - facts() names the document for the delivery's dialogs and messages.
//   See print/group_page.h for a composer of one page and
//   print/many_reports.h for one of many.

namespace print {

// What every page of one run shares, and where the run stands.
struct PageContext {
    QDateTime madeAt;                      // the moment every page says it was made
    std::optional<Letterhead> letterhead;  // the practitioner's head; none: the program's
    int pageNumber = 1;                    // the page being composed, from 1
    std::optional<int> pageCount;          // the document's pages, when known beforehand
    // Tells the delivery the run has come to step `done` of `total` (clients,
    // pages, whatever the composer counts); false once the user has stopped it.
    std::function<bool(int done, int total)> progress = [](int, int) { return true; };
};

// The context of a document made with no one to ask: no progress to show.
inline PageContext quietContext(const QDateTime& madeAt,
                                const std::optional<Letterhead>& letterhead) {
    PageContext context;
    context.madeAt = madeAt;
    context.letterhead = letterhead;
    return context;
}

// How the delivery speaks of a document.
struct DocumentFacts {
    QString title;  // the print job's and the PDF file's title
    QString printedWhat;  // in the printer's failure: «Не удалось напечатать <отчёт> …»
    QString saveTitle;                        // the file chooser's title
    SavedFile folder = SavedFile::ReportPdf;  // the remembered folder the file goes to
    QString suggestedPath;                    // the file the chooser offers
    QString withoutLogo;  // after a logo that cannot be read: «Отчёт печатается без логотипа.»
    // The progress dialog's line, %1 the step and %2 of how many, and its
    // title on the way to a printer and to a file.
    QString progressText = QCoreApplication::translate("print::DocumentFacts", "Страница %1 из %2");
    QString printProgress = QCoreApplication::translate("print::DocumentFacts", "Печать");
    QString fileProgress = QCoreApplication::translate("print::DocumentFacts", "Сохранение в PDF");
    QString noPages;  // why a document that ended before its first page has no file
};

class PageComposer {
public:
    enum class Step { Page, End, Stop };

    virtual ~PageComposer() = default;

    virtual DocumentFacts facts() const = 0;
    // Composes the next page onto `page`, a fresh one as wide as the device's
    // printable area, and says Page; End when there are no more, Stop when
    // context.progress() said the user stopped.
    virtual Step composePage(platform::PrinterPage& page, const PageContext& context) = 0;
    // The document's pages before composing, when the composer knows them.
    virtual std::optional<int> pageCount() const { return std::nullopt; }
    // Starts the document over from its first page.
    virtual void rewind() {}
    // Said under a failure message, as what else the user should know (the
    // clients a run left out).
    virtual QString failureNote() const { return {}; }
};

// A composer of one page drawn by `draw`, for the documents that are one page.
class OnePageComposer : public PageComposer {
public:
    using Draw = std::function<void(platform::PrinterPage& page, const PageContext& context)>;
    OnePageComposer(DocumentFacts facts, Draw draw)
        : facts_(std::move(facts)), draw_(std::move(draw)) {}

    DocumentFacts facts() const override { return facts_; }
    Step composePage(platform::PrinterPage& page, const PageContext& context) override {
        if (context.pageNumber > 1) {
            return Step::End;
        }
        draw_(page, context);
        return Step::Page;
    }
    std::optional<int> pageCount() const override { return 1; }

private:
    DocumentFacts facts_;
    Draw draw_;
};

}  // namespace print
