#include "print/delivery.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "core/program_info.h"
#include "platform/file_dialogs.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/safe_file.h"
#include "platform/screen_place.h"
#include "platform/services.h"

namespace print {

namespace {

// What the user reads when a printer did not take the document, or the file
// the preview's printer was writing could not be written.
QString deviceFailure(const QPrinter& printer, const QString& what) {
    if (!printer.outputFileName().isEmpty()) {
        return platform::writeFailedMessage(
            printer.outputFileName(),
            QCoreApplication::translate("print::PrintDelivery", "принтер не принял документ"));
    }
    return QCoreApplication::translate(
               "print::PrintDelivery",
               "Не удалось напечатать %1 на принтере «%2». Проверьте, что принтер включён и "
               "готов к работе.")
        .arg(what, printer.printerName());
}

std::unique_ptr<QPrinter> printerFor(const QPrinterInfo& info, const QString& title) {
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setResolution(platform::kPrinterDpi);
    printer->setDocName(title);
    return printer;
}

// Every page of the document, each on a fresh page so that nothing of one
// reaches the next, handed to `deliver` as it is finished.
PagesResult composeAll(PageComposer& composer, double widthTw, int dpi, const PageContext& context,
                       const platform::PrinterPage::Sink& deliver, const QString& failure) {
    PagesResult result;
    composer.rewind();
    PageContext at = context;
    at.pageCount = composer.pageCount();
    for (at.pageNumber = 1;; ++at.pageNumber) {
        platform::PrinterPage page(widthTw, dpi);
        page.setSink(deliver);
        const PageComposer::Step step = composer.composePage(page, at);
        if (step == PageComposer::Step::End) {
            return result;
        }
        if (step == PageComposer::Step::Stop) {
            result.stopped = true;
            return result;
        }
        if (!page.endDoc()) {
            result.error = failure;
            return result;
        }
        ++result.pages;
    }
}

}  // namespace

PagesResult writePdfFile(PageComposer& composer, const QString& path, const PageContext& context) {
    PagesResult result;
    bool opened = false;
    const DocumentFacts facts = composer.facts();
    const QString written =
        platform::writePdfPages(path, facts.title, [&](const platform::AddPdfPage& add) {
            opened = true;
            result = composeAll(
                composer, platform::pdfPrintableWidthTw(), platform::kPrinterDpi, context, add,
                platform::writeFailedMessage(
                    path,
                    QCoreApplication::translate("print::PrintDelivery", "страница не записана")));
            return !result.stopped && result.error.isEmpty() && result.pages > 0;
        });
    if (result.stopped || written.isEmpty() || !result.error.isEmpty()) {
        return result;
    }
    // A file that could not even be begun (a missing folder) is told as it is,
    // not as a document without pages.
    result.error =
        result.pages > 0 || !opened ? written : platform::writeFailedMessage(path, facts.noPages);
    return result;
}

PagesResult printPages(PageComposer& composer, QPrinter& printer, const PageContext& context) {
    QPainter painter;
    bool first = true;
    const auto deliver = [&](const platform::PrinterPage& page) {
        if (first ? !painter.begin(&printer) : !printer.newPage()) {
            return false;
        }
        first = false;
        page.render(painter, printer.logicalDpiX(), printer.logicalDpiY());
        return true;
    };
    const QString failure = deviceFailure(printer, composer.facts().printedWhat);
    PagesResult result = composeAll(composer, platform::printableWidthTw(printer),
                                    printer.resolution(), context, deliver, failure);
    if (!painter.isActive()) {
        return result;
    }
    if (result.stopped || !result.error.isEmpty()) {
        // Pages already handed to the print system may still come out (Qt
        // cannot take them back); nothing after the stop does.
        printer.abort();
        painter.end();
        return result;
    }
    if (!painter.end()) {
        result.error = failure;
    }
    return result;
}

bool showPreviewDialog(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(
        QCoreApplication::translate("print::PrintDelivery", "Предварительный просмотр — %1")
            .arg(info::programName()));
    // Tall enough to read the page: most of the screen's height, a page's
    // width, and never so narrow that its tool bar hides its print button.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const int height = area.height() * 9 / 10;
        int width = height * 4 / 5;
        if (const auto* bar = dialog.findChild<QToolBar*>()) {
            width = std::max(width, bar->sizeHint().width() + 2 * bar->iconSize().width());
        }
        dialog.resize(std::min(area.width(), width), height);
    }
    platform::keepOnScreen(&dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(target); });
    // The dialog closes itself as accepted once it has printed.
    return dialog.exec() == QDialog::Accepted;
}

PrintDelivery::PrintDelivery(platform::Services& services, QWidget* parent)
    : services_(services),
      parent_(parent),
      find_(QPrinterInfo::defaultPrinter),
      showPreview_(showPreviewDialog) {}

PrintDelivery::~PrintDelivery() = default;

QString PrintDelivery::commandText(ReportTarget target) const {
    switch (target) {
        case ReportTarget::Preview:
            return QCoreApplication::translate("print::PrintDelivery", "Просмотр");
        case ReportTarget::PdfFile:
            return QCoreApplication::translate("print::PrintDelivery", "Сохранить");
        case ReportTarget::Printout:
            break;
    }
    return find_ && !find_().isNull()
               ? QCoreApplication::translate("print::PrintDelivery", "Печать")
               : QCoreApplication::translate("print::PrintDelivery", "Сохранить");
}

PrintDelivery::Outcome PrintDelivery::deliver(PageComposer& composer, ReportTarget target) {
    pages_ = 0;
    savedPath_.clear();
    printerName_.clear();
    const QPrinterInfo printer =
        target == ReportTarget::Printout && find_ ? find_() : QPrinterInfo();
    const bool intoFile = target != ReportTarget::Preview && printer.isNull();
    const PageContext context = contextFor(composer.facts(), intoFile);
    Outcome outcome = Outcome::Failed;
    if (target == ReportTarget::Preview) {
        outcome = toPreview(composer, context);
    } else if (!intoFile) {
        outcome = toPrinter(composer, printer, context);
    } else {
        outcome = toFile(composer, context);
    }
    progress_.reset();
    return outcome;
}

PrintDelivery::Outcome PrintDelivery::deliverTo(PageComposer& composer, const QString& path) {
    pages_ = 0;
    savedPath_.clear();
    printerName_.clear();
    const Outcome outcome = intoPdf(composer, path, contextFor(composer.facts(), true));
    progress_.reset();
    return outcome;
}

// The moment and the letterhead every page of this delivery shares, and the
// progress dialog a long document shows once it first tells how far it is.
PageContext PrintDelivery::contextFor(const DocumentFacts& facts, bool intoFile) {
    PageContext context;
    context.madeAt = clock_ ? clock_() : QDateTime::currentDateTime();
    if (letterheadSet_) {
        context.letterhead = letterhead_;
    } else {
        QString logoProblem;
        context.letterhead = keptLetterheadForPage(&logoProblem);
        if (!logoProblem.isEmpty()) {
            services_.message(parent_, {logoProblem + u' ' + facts.withoutLogo, info::programName(),
                                        platform::MessageIcon::Warning, 0});
        }
    }
    context.progress = [this, facts, intoFile](int done, int total) {
        return showProgress(facts, intoFile, done, total);
    };
    return context;
}

bool PrintDelivery::showProgress(const DocumentFacts& facts, bool intoFile, int done, int total) {
    if (!progress_) {
        // Modal for the whole program: its windows wait, yet they repaint and
        // «Отмена» answers between steps.
        progress_ = std::make_unique<QProgressDialog>(
            QString(), QCoreApplication::translate("print::PrintDelivery", "Отмена"), 0, total,
            parent_);
        progress_->setWindowTitle(intoFile ? facts.fileProgress : facts.printProgress);
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
    }
    progress_->setMaximum(total);
    progress_->setLabelText(facts.progressText.arg(QString::number(done), QString::number(total)));
    progress_->setValue(done - 1);
    QCoreApplication::processEvents();
    return !progress_->wasCanceled() && (!onProgress_ || onProgress_(done, total));
}

PrintDelivery::Outcome PrintDelivery::toPrinter(PageComposer& composer, const QPrinterInfo& info,
                                                const PageContext& context) {
    const auto printer = printerFor(info, composer.facts().title);
    const PagesResult result = printPages(composer, *printer, context);
    if (result.stopped) {
        return Outcome::Cancelled;
    }
    if (!result.error.isEmpty()) {
        fail(composer, result.error);
        return Outcome::Failed;
    }
    pages_ = result.pages;
    printerName_ = info.printerName();
    return Outcome::Printed;
}

PrintDelivery::Outcome PrintDelivery::toPreview(PageComposer& composer,
                                                const PageContext& context) {
    const auto printer = printerFor(find_ ? find_() : QPrinterInfo(), composer.facts().title);
    // The preview and the paper printed from it carry the same moment.
    QString failure;
    int pages = 0;
    const auto paint = [&](QPrinter* target) {
        const PagesResult result = printPages(composer, *target, context);
        pages = result.pages;
        if (!result.error.isEmpty() && failure.isEmpty()) {
            failure = result.error;
        }
    };
    const bool printed = showPreview_ && showPreview_(parent_, *printer, paint);
    if (!failure.isEmpty()) {
        fail(composer, failure);
        return Outcome::Failed;
    }
    pages_ = pages;
    return printed ? Outcome::Printed : Outcome::Cancelled;
}

PrintDelivery::Outcome PrintDelivery::toFile(PageComposer& composer, const PageContext& context) {
    const DocumentFacts facts = composer.facts();
    const QString path =
        ask_ ? ask_(parent_, facts.suggestedPath)
             : platform::askPdfFileName(parent_, facts.saveTitle, facts.suggestedPath);
    if (path.isEmpty()) {
        return Outcome::Cancelled;
    }
    const Outcome outcome = intoPdf(composer, path, context);
    if (outcome == Outcome::Saved) {
        rememberSaveFolder(facts.folder, path);
    }
    return outcome;
}

PrintDelivery::Outcome PrintDelivery::intoPdf(PageComposer& composer, const QString& path,
                                              const PageContext& context) {
    const PagesResult result = writePdfFile(composer, path, context);
    if (result.stopped) {
        return Outcome::Cancelled;
    }
    if (!result.error.isEmpty()) {
        fail(composer, result.error);
        return Outcome::Failed;
    }
    pages_ = result.pages;
    savedPath_ = path;
    return Outcome::Saved;
}

void PrintDelivery::fail(const PageComposer& composer, const QString& text) {
    progress_.reset();
    const QString note = composer.failureNote();
    services_.message(parent_, {note.isEmpty() ? text : text + QStringLiteral("\n\n") + note,
                                info::programName(), platform::MessageIcon::Critical, 0});
}

}  // namespace print
