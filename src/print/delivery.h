#pragma once

#include <QDateTime>
#include <QPrinterInfo>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/client_names.h"
#include "core/report_language.h"
#include "print/letterhead.h"
#include "print/page_composer.h"

class QPrinter;
class QProgressDialog;
class QWidget;

namespace platform {
class Services;
}

namespace print {

// The moment the pages say they were made; tests pin it.
using Clock = std::function<QDateTime()>;

// Hands the report its forecast at the moment it is composed: the window
// recalculates from what is entered and returns the result. A refused input
// has told the user why and raises core::InputRefused; a stopped calculation
// raises core::RuntimeError.
using ForecastSource = std::function<core::Forecast()>;

// Where a document goes.
enum class ReportTarget {
    Printout,  // the default printer, or a PDF file when there is none
    PdfFile,   // a PDF file the user picks, printer or not
    Preview,   // the print preview, which can print it on a printer of the user's choice
};

// What composing a document onto a device did, when nobody is asked anything.
struct PagesResult {
    int pages = 0;         // pages composed (and, when nothing failed, delivered)
    bool stopped = false;  // the composer said Stop: nothing was delivered in the end
    QString error;         // in Russian; empty when it ended well or was stopped
};

// The composer's pages as one PDF file, written whole or not at all: a
// stopped document, a failure or one without a single page leaves no file
// and an existing one as it was. No questions and no messages.
PagesResult writePdfFile(PageComposer& composer, const QString& path, const PageContext& context);

// The composer's pages as one print job on a printer set up by the caller (or
// by the preview). A stopped or failed document aborts the job: no page after
// the stop reaches the printer.
PagesResult printPages(PageComposer& composer, QPrinter& printer, const PageContext& context);

// Qt's print preview, in Russian, of what paint draws onto a printer; true
// when the user printed from it.
bool showPreviewDialog(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter*)>& paint);

// Takes documents to paper, a PDF file or the print preview for a window.
// Every failure is told in one message box; a cancelled file choice or a
// stopped run is silent. Each page carries the letterhead the user keeps at
// the moment it is delivered, unless one was set here.
class PrintDelivery {
public:
    // Asks where to save the PDF, starting from a suggested path; an empty
    // answer means the user cancelled. By default the desktop's chooser.
    using AskFileName = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // The printer to print on; a null printer means there is none.
    using FindPrinter = std::function<QPrinterInfo()>;
    // Shows the preview of what paint draws onto a printer; true when the
    // user printed from it.
    using ShowPreview = std::function<bool(QWidget* parent, QPrinter& printer,
                                           const std::function<void(QPrinter*)>& paint)>;

    enum class Outcome { Printed, Saved, Cancelled, Failed };

    explicit PrintDelivery(platform::Services& services, QWidget* parent = nullptr);
    ~PrintDelivery();
    PrintDelivery(const PrintDelivery&) = delete;
    PrintDelivery& operator=(const PrintDelivery&) = delete;

    void setAskFileName(AskFileName ask) { ask_ = std::move(ask); }
    void setFindPrinter(FindPrinter find) { find_ = std::move(find); }
    void setShowPreview(ShowPreview show) { showPreview_ = std::move(show); }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // The letterhead of every page from now on; none gives the program's head.
    void setLetterhead(std::optional<Letterhead> letterhead) {
        letterhead_ = std::move(letterhead);
        letterheadSet_ = true;
    }
    // Learns of every step of a long run as the progress dialog does; false
    // stops the run as the dialog's «Отмена» does.
    void setOnProgress(std::function<bool(int done, int total)> onProgress) {
        onProgress_ = std::move(onProgress);
    }

    // What a window's button says for the target: «Печать» for a printer,
    // «Сохранить» for a file (a printout with no printer is one), «Просмотр»
    // for the preview.
    QString commandText(ReportTarget target) const;

    // Composes the document and delivers it.
    Outcome deliver(PageComposer& composer, ReportTarget target = ReportTarget::Printout);
    // Composes the document into the PDF file `path`, which the program has
    // named itself (a document handed to the mail program): no chooser, and
    // the folder is not remembered for the user's next file. Saved or Failed
    // (told), or Cancelled when the user stopped a long document.
    Outcome deliverTo(PageComposer& composer, const QString& path);
    // The single report of the source's forecast (print_job.h).
    Outcome run(const ForecastSource& source, const core::ClientNames& client);
    Outcome run(ReportTarget target, const ForecastSource& source, const core::ClientNames& client,
                core::ReportLanguage language = core::ReportLanguage::Russian);

    // After a delivery that went out: its pages, and the file or the printer.
    int pages() const { return pages_; }
    const QString& savedPath() const { return savedPath_; }
    const QString& printerName() const { return printerName_; }

private:
    Outcome toPrinter(PageComposer& composer, const QPrinterInfo& printer,
                      const PageContext& context);
    Outcome toFile(PageComposer& composer, const PageContext& context);
    // The document into the PDF file `path`, a failure told.
    Outcome intoPdf(PageComposer& composer, const QString& path, const PageContext& context);
    Outcome toPreview(PageComposer& composer, const PageContext& context);
    PageContext contextFor(const DocumentFacts& facts, bool intoFile);
    bool showProgress(const DocumentFacts& facts, bool intoFile, int done, int total);
    void fail(const PageComposer& composer, const QString& text);

    platform::Services& services_;
    QWidget* parent_;
    AskFileName ask_;
    FindPrinter find_;
    ShowPreview showPreview_;
    Clock clock_;
    std::optional<Letterhead> letterhead_;
    bool letterheadSet_ = false;
    std::function<bool(int, int)> onProgress_;
    std::unique_ptr<QProgressDialog> progress_;
    int pages_ = 0;
    QString savedPath_;
    QString printerName_;
};

}  // namespace print
