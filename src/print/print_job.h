#pragma once

#include <QDate>
#include <QPrinterInfo>
#include <QString>
#include <functional>

#include "print/report.h"

class QImage;
class QPrinter;
class QWidget;

namespace platform {
class PrinterPage;
class Services;
}  // namespace platform

namespace print {

// Hands the report its forecast at the moment it is composed: the window
// recalculates from what is entered and returns the result. A refused input
// has told the user why and raises core::InputRefused; a stopped calculation
// raises core::RuntimeError.
using ForecastSource = std::function<core::Forecast()>;

// Where the client dialog's report goes.
enum class ReportTarget {
    Printout,  // the default printer, or a PDF file when there is none
    PdfFile,   // a PDF file the user picks, printer or not
    Preview,   // the print preview, which can print it on a printer of the user's choice
};

// Takes a report from the client dialog to paper, a PDF file or the print
// preview. Every failure is told in one message box; a cancelled file choice
// is silent.
class PrintDelivery {
public:
    // Asks where to save the PDF, starting from a suggested path; an empty
    // answer means the user cancelled.
    using AskFileName = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // The printer to print on; a null printer means there is none.
    using FindPrinter = std::function<QPrinterInfo()>;
    // Shows the preview of what paint draws onto a printer; true when the
    // user printed from it.
    using ShowPreview = std::function<bool(QWidget* parent, QPrinter& printer,
                                           const std::function<void(QPrinter*)>& paint)>;

    enum class Outcome { Printed, Saved, Cancelled, Failed };

    explicit PrintDelivery(platform::Services& services, QWidget* parent = nullptr);

    void setAskFileName(AskFileName ask) { ask_ = std::move(ask); }
    void setFindPrinter(FindPrinter find) { find_ = std::move(find); }
    void setShowPreview(ShowPreview show) { showPreview_ = std::move(show); }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // The practitioner's letterhead for the page; none gives the classic page.
    void setLetterhead(std::optional<Letterhead> letterhead) {
        letterhead_ = std::move(letterhead);
    }

    // What the client dialog's button says for the target: «Печать» for a
    // printer, «Сохранить» for a file (a printout with no printer is one),
    // «Просмотр» for the preview.
    QString commandText(ReportTarget target) const;
    // The PDF file the last report was saved in; empty when none was.
    QString savedFile() const { return savedFile_; }

    // Composes the report of the source's forecast and delivers it: a printout.
    Outcome run(const ForecastSource& source, const core::ClientNames& client);
    Outcome run(ReportTarget target, const ForecastSource& source, const core::ClientNames& client);

private:
    Outcome toPrinter(const QPrinterInfo& printer, const ForecastSource& source,
                      const core::ClientNames& client);
    Outcome toFile(const ForecastSource& source, const core::ClientNames& client);
    Outcome toPreview(const ForecastSource& source, const core::ClientNames& client);
    void fail(const QString& text);
    QDateTime now() const;

    platform::Services& services_;
    QWidget* parent_;
    AskFileName ask_;
    FindPrinter find_;
    ShowPreview showPreview_;
    Clock clock_;
    std::optional<Letterhead> letterhead_;
    QString savedFile_;
};

// The file chooser of the desktop, for saving a PDF.
QString askPdfFileName(QWidget* parent, const QString& suggestedPath);

// The file chooser of the desktop for saving a file of one type: a title, a
// filter such as "Документ PDF (*.pdf)" and the suffix added to a bare name.
QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const QString& suggestedPath);

// Qt's print preview of the report, in Russian.
bool showPreviewDialog(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter*)>& paint);

// The user's documents folder, or the home folder when there is none.
QString documentsFolder();

// The report straight into a PDF file, written whole or not at all, with no
// questions and no messages. Returns an empty string when the file was
// written, otherwise «Не удалось записать файл X: <причина>».
QString printReportToPdf(const core::Forecast& forecast, const QString& path,
                         const core::ClientNames& client, const QDateTime& madeAt,
                         const std::optional<Letterhead>& letterhead = {});

// The print command: opens a fresh client dialog over the owner and, on
// "Печать", sends the report to the target through a PrintDelivery, which
// setup adjusts once as the dialog opens (where the page goes). Names that
// cannot go onto a page (core::clientNamesProblem) are told and keep the
// dialog open. Returns when the dialog has closed.
// The dialog starts with `client`'s names; after a report went out (printed or
// saved), `delivered` gets the names, how it went out, whether «Запомнить в
// картотеке» is checked and the file it was saved in (empty for a printout).
using ReportDelivered =
    std::function<void(const core::ClientNames& client, PrintDelivery::Outcome outcome,
                       bool remember, const QString& file)>;
void showPrintDialog(QWidget* owner, const ForecastSource& source, platform::Services& services,
                     const std::function<void(PrintDelivery&)>& setup = {},
                     ReportTarget target = ReportTarget::Printout,
                     const core::ClientNames& client = {}, const ReportDelivered& delivered = {});

}  // namespace print
