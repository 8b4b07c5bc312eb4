#include "print/print_job.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "core/errors.h"
#include "core/program_info.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/safe_file.h"
#include "platform/screen_place.h"
#include "platform/services.h"
#include "print/frm_prn.h"
#include "print/save_place.h"

namespace print {

namespace {

// Printers are asked for this many dots per inch; the graph's pen width is
// counted in these dots.
constexpr int kPrinterDpi = 600;

QString clientName(const core::ClientNames& client) {
    return QStringList{client.surname.trimmed(), client.name.trimmed(), client.patronymic.trimmed()}
        .filter(QRegularExpression(QStringLiteral("\\S")))
        .join(QLatin1Char(' '));
}

QString documentTitle(const core::ClientNames& client) {
    const QString names = clientName(client);
    return names.isEmpty() ? info::programName()
                           : info::programName() + QStringLiteral(": ") + names;
}

QString printerFailure(const QString& printerName) {
    return QStringLiteral(
               "Не удалось напечатать отчёт на принтере «%1». Проверьте, что "
               "принтер включён и готов к работе.")
        .arg(printerName);
}

// The report onto a printer as one job, composed for that printer's printable
// width and resolution. A printout and every page the preview draws, on the
// screen or on the printer the user picks there, are made here.
bool printOn(QPrinter& printer, const core::Forecast& forecast, const core::ClientNames& client,
             const QDateTime& madeAt, const std::optional<Letterhead>& letterhead) {
    platform::PrinterPage page(platform::printableWidthTw(printer), printer.resolution());
    page.setSink([&printer](const platform::PrinterPage& p) {
        return platform::renderToPrinter(p, printer);
    });
    return printReport(page, forecast, client, madeAt, letterhead);
}

}  // namespace

QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const QString& suggestedPath) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString askPdfFileName(QWidget* parent, const QString& suggestedPath) {
    return askSaveFileName(parent, QStringLiteral("Сохранить отчёт в файл PDF"),
                           QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf"),
                           suggestedPath);
}

bool showPreviewDialog(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Предварительный просмотр — ") + info::programName());
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

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

PrintDelivery::PrintDelivery(platform::Services& services, QWidget* parent)
    : services_(services),
      parent_(parent),
      ask_(askPdfFileName),
      find_(QPrinterInfo::defaultPrinter),
      showPreview_(showPreviewDialog) {}

QDateTime PrintDelivery::now() const {
    return clock_ ? clock_() : QDateTime::currentDateTime();
}

PrintDelivery::Outcome PrintDelivery::run(const ForecastSource& source,
                                          const core::ClientNames& client) {
    return run(ReportTarget::Printout, source, client);
}

PrintDelivery::Outcome PrintDelivery::run(ReportTarget target, const ForecastSource& source,
                                          const core::ClientNames& client) {
    try {
        switch (target) {
            case ReportTarget::Preview:
                return toPreview(source, client);
            case ReportTarget::PdfFile:
                return toFile(source, client);
            case ReportTarget::Printout:
                break;
        }
        const QPrinterInfo printer = find_ ? find_() : QPrinterInfo();
        if (!printer.isNull()) {
            return toPrinter(printer, source, client);
        }
        return toFile(source, client);
    } catch (const core::InputRefused&) {
        // The calculation has shown its own message; nothing is printed.
        return Outcome::Failed;
    } catch (const core::RuntimeError& error) {
        fail(error.stoppedMessage() + QStringLiteral(" Отчёт не напечатан."));
        return Outcome::Failed;
    }
}

PrintDelivery::Outcome PrintDelivery::toPrinter(const QPrinterInfo& info,
                                                const ForecastSource& source,
                                                const core::ClientNames& client) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setResolution(kPrinterDpi);
    printer.setDocName(documentTitle(client));
    const core::Forecast forecast = source();
    if (!printOn(printer, forecast, client, now(), letterhead_)) {
        fail(printerFailure(info.printerName()));
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

PrintDelivery::Outcome PrintDelivery::toPreview(const ForecastSource& source,
                                                const core::ClientNames& client) {
    const QPrinterInfo info = find_ ? find_() : QPrinterInfo();
    const auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                       : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setResolution(kPrinterDpi);
    printer->setDocName(documentTitle(client));
    const core::Forecast forecast = source();
    // The preview and the paper printed from it carry the same moment.
    const QDateTime madeAt = now();
    QString failure;
    const auto paint = [&](QPrinter* target) {
        if (!printOn(*target, forecast, client, madeAt, letterhead_) && failure.isEmpty()) {
            failure =
                target->outputFileName().isEmpty()
                    ? printerFailure(target->printerName())
                    : platform::writeFailedMessage(target->outputFileName(),
                                                   QStringLiteral("принтер не принял документ"));
        }
    };
    const bool printed = showPreview_ && showPreview_(parent_, *printer, paint);
    if (!failure.isEmpty()) {
        fail(failure);
        return Outcome::Failed;
    }
    return printed ? Outcome::Printed : Outcome::Cancelled;
}

// The forecast comes first: the file's name carries the date of birth, and a
// refused date asks for no file at all.
PrintDelivery::Outcome PrintDelivery::toFile(const ForecastSource& source,
                                             const core::ClientNames& client) {
    const core::Forecast forecast = source();
    const QString path = ask_ ? ask_(parent_, suggestedPdfPath(client, forecast.date)) : QString();
    if (path.isEmpty()) {
        return Outcome::Cancelled;
    }
    const QString error = printReportToPdf(forecast, path, client, now(), letterhead_);
    if (!error.isEmpty()) {
        fail(error);
        return Outcome::Failed;
    }
    rememberSaveFolder(SavedFile::ReportPdf, path);
    savedFile_ = path;
    return Outcome::Saved;
}

void PrintDelivery::fail(const QString& text) {
    services_.message(parent_, {text, info::programName(), platform::MessageIcon::Critical, 0});
}

QString printReportToPdf(const core::Forecast& forecast, const QString& path,
                         const core::ClientNames& client, const QDateTime& madeAt,
                         const std::optional<Letterhead>& letterhead) {
    platform::PrinterPage page(platform::pdfPrintableWidthTw(), kPrinterDpi);
    const QString title = documentTitle(client);
    QString error;
    page.setSink([&path, &title, &error](const platform::PrinterPage& p) {
        error = platform::writePdf(p, path, title);
        return error.isEmpty();
    });
    if (!printReport(page, forecast, client, madeAt, letterhead) && error.isEmpty()) {
        error = platform::writeFailedMessage(path, QStringLiteral("отчёт не составлен"));
    }
    return error;
}

void showPrintDialog(QWidget* owner, const ForecastSource& source, platform::Services& services,
                     const std::function<void(PrintDelivery&)>& setup, ReportTarget target,
                     const core::ClientNames& client, const ReportDelivered& delivered) {
    FrmPrn* dialog = nullptr;
    std::unique_ptr<PrintDelivery> delivery;
    FrmPrn frmPrn(owner, [&](const core::ClientNames& typed) {
        // A name that would print mirrored or break the page's lines is
        // refused here as the book and the companion refuse it.
        if (const QString problem = core::clientNamesProblem(typed); !problem.isEmpty()) {
            services.message(dialog,
                             {problem, info::programName(), platform::MessageIcon::Warning, 0});
            return false;
        }
        const auto outcome = delivery->run(target, source, typed);
        const bool wentOut =
            outcome == PrintDelivery::Outcome::Printed || outcome == PrintDelivery::Outcome::Saved;
        if (wentOut && delivered) {
            delivered(typed, outcome, dialog->rememberClient(),
                      outcome == PrintDelivery::Outcome::Saved ? delivery->savedFile() : QString());
        }
        return outcome != PrintDelivery::Outcome::Failed;  // else stay open
    });
    dialog = &frmPrn;
    // Messages and the file chooser stand over the dialog, which stays open
    // while the report is made.
    delivery = std::make_unique<PrintDelivery>(services, dialog);
    if (setup) {
        setup(*delivery);
    }
    frmPrn.setCommandText(delivery->commandText(target));
    frmPrn.setClientNames(client);
    frmPrn.exec();
}

QString PrintDelivery::commandText(ReportTarget target) const {
    switch (target) {
        case ReportTarget::Preview:
            return QStringLiteral("Просмотр");
        case ReportTarget::PdfFile:
            return QStringLiteral("Сохранить");
        case ReportTarget::Printout:
            break;
    }
    return find_ && !find_().isNull() ? QStringLiteral("Печать") : QStringLiteral("Сохранить");
}

}  // namespace print
